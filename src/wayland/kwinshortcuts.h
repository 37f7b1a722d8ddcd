#pragma once

// The program's shortcuts on Plasma: KWin's shortcut service (KGlobalAccel,
// over D-Bus) holds them for us and fires them whichever window is in front. The service
// takes a combination another program holds without an error, leaving ours
// empty: the shortcut assigned is read back after every registration, and an
// empty one is a refusal. The keys typed for a phrase go through the user's
// own keyboard state, where a held Control would turn the phrase's letters
// into commands; no program may see which keys are down on Wayland. So a
// press counts once its key is up again, and its modifiers are then let go
// on the keyboard's behalf (as "clear modifiers" tools do); they are not
// pressed again afterwards, since the user may have let them go meanwhile
// and a modifier left down is worse than one let go early.

#include "platform/desktop.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

#include <functional>
#include <memory>

class QTimer;

class KWinShortcuts final : public QObject, public ShortcutService
{
    Q_OBJECT

public:
    // At most this long after a press (or its last repeat) for its keys to
    // be let go; a service that never says so fires then.
    static constexpr int ReleaseWaitMs = 1500;
    // After the release, before the phrase: the target has the release.
    static constexpr int ModifierSettleMs = 30;

    // Null where the session has no shortcut service.
    static std::shared_ptr<KWinShortcuts> create();
    ~KWinShortcuts() override;

    bool registerShortcut(WindowHandle owner, int id, const KeyCombination &combination) override;
    bool unregisterShortcut(WindowHandle owner, int id) override;
    QString altGrCharacter(const KeyCombination &) override { return QString(); }
    void setPressHandler(std::function<void(int id)> onPress) override;
    // Lets the modifiers (MOD_* bits) of a shortcut go before its phrase.
    void setModifierRelease(std::function<void(int mods)> letGo) { m_letGo = std::move(letGo); }

private Q_SLOTS:
    void onPressed(const QString &component, const QString &action, qlonglong timestamp);
    void onReleased(const QString &component, const QString &action, qlonglong timestamp);

private:
    KWinShortcuts();
    // Listens to our component's presses, once it exists.
    bool watchComponent();
    // Our registration id of an action; 0 for anything else.
    int idOf(const QString &component, const QString &action) const;
    void fire(int id);

    QHash<int, int> m_keys; // id -> the key combination held
    QHash<int, int> m_modifiers;
    bool m_watching = false;
    std::function<void(int)> m_letGo;
    std::function<void(int)> m_onPress;
    // The press waiting for its keys to go up, and its time limit (restarted
    // by each repeat while the key is held); then the settle after the
    // release.
    int m_waiting = 0;
    bool m_released = false;
    QTimer *m_releaseWait;
    // A press that fired without its release: its repeats are no new press
    // while they keep coming.
    int m_held = 0;
    QElapsedTimer m_heldSeen;
};
