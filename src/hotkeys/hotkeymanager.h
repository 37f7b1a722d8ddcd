#pragma once

// Owns every system-wide shortcut of the program: the show/hide shortcut (id
// 1), the picker shortcut (id 2) and one per phrase (ids 100 to 399). The
// registration rules live here once; the desktop's ShortcutService only
// registers, unregisters and reports each press by its id to the handler the
// manager sets on it.

#include "base/hotkey.h"
#include "platform/desktop.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>

class HotkeyManager final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShowId = 1;
    static constexpr int PickerId = 2;
    static constexpr int FirstPhraseId = 100;
    static constexpr int MaxPhraseShortcuts = 300;
    // A combination another program holds is asked for again this often:
    // once that program lets it go, the shortcut works without the user
    // doing anything.
    static constexpr int RetryIntervalMs = 5000;

    // Gives the native handle of the window that owns the registrations (the
    // main window's winId()). Asked each time, so the window may be created
    // after the manager. A null function, or one that answers 0, means "no
    // window": registrations then count as done without reaching the platform.
    using OwnerHandle = std::function<WindowHandle()>;

    // desktop is not owned and may be null (no window system: nothing is
    // registered); it must outlive the manager. The manager takes the
    // presses of its desktop's shortcuts from construction on.
    HotkeyManager(Desktop *desktop, OwnerHandle window, QObject *parent = nullptr);
    ~HotkeyManager() override;

    // Replaces every registration. settings needs showVk/showMods and
    // pickerVk/pickerMods; phrases is the phrase list in stored order, each with
    // id, name, vk, mods and enabled. A template so that the manager does not
    // depend on the store's headers.
    template <class SettingsRecord, class PhraseList>
    void registerAll(const SettingsRecord &settings, const PhraseList &phrases, bool paused);

    void unregisterAll();
    // While the user presses a combination into one of the program's
    // shortcut fields, every registration is released (the field must get
    // even a combination the program holds) and registerAll does nothing;
    // the dead-shortcut state stays as it was, and a refusal already told is
    // not told again after resume(). The caller registers again after
    // resume().
    void suspend();
    void resume();
    bool isSuspended() const { return m_suspended; }
    // One registration; vk 0 (no shortcut) and a missing window count as
    // success. A refusal is remembered (and tried again every
    // RetryIntervalMs); it emits registrationFailed(name, or the key text
    // when name is empty) unless the same combination was refused for the
    // same shortcut in the registration before. Returns false on refusal.
    // A combination the shortcut editor refuses (a bare letter, Shift with
    // a typing key, a paste key, Ctrl+Alt with a key AltGr types a
    // character with where AltGr is Ctrl+Alt), which a backup, an old
    // import or an edited data file can still bring, is never registered:
    // refused the same way, and not retried.
    bool registerOne(int id, int mods, int vk, const QString &name);
    // Why the combination cannot be a shortcut on this desktop (desktop may
    // be null): Hotkey::refusal, with the character AltGr types on the key
    // where the window system takes AltGr for Ctrl+Alt, given in *taken.
    // The desktop's own bindings (GNOME custom shortcuts, compositor lines)
    // leave out the same combinations as registerOne refuses.
    static Hotkey::Refusal refusalOn(Desktop *desktop, int mods, int vk, QString *taken = nullptr);
    // Tries every refused registration again; true when one now holds.
    bool retryRefused();

    bool isShowRegistered() const { return showRegistered; }
    bool isPickerRegistered() const { return pickerRegistered; }
    bool isPaused() const { return paused; }
    // The phrase a registration id stands for; empty for an unknown id.
    QString phraseIdFor(int id) const { return phraseIds.value(id); }
    // The phrases whose shortcut another program holds: it does nothing.
    const QSet<QString> &deadPhraseIds() const { return m_deadPhraseIds; }

signals:
    void showWindowRequested();
    void pickerRequested();
    void phraseRequested(const QString &id);
    void registrationFailed(const QString &text);
    // deadPhraseIds, isShowRegistered or isPickerRegistered changed.
    void deadShortcutsChanged();

private:
    // Acts on a press of registration id; false when it is none of ours.
    bool dispatchPress(int id);
    // The steps of registerAll that need no knowledge of the store's types.
    void beginRegistration(bool paused, int showMods, int showVk);
    // Starts or stops the retries; emits deadShortcutsChanged when the dead
    // phrases changed, or when changed says a command's state did.
    void endRegistration(bool changed = false);
    bool registerPicker(int pickerMods, int pickerVk);
    void registerPhrase(int id, const QString &phraseId, const QString &name, int mods, int vk);
    WindowHandle ownerHandle() const;
    // The refusals of the registration now in place, as told ones are kept.
    QSet<QString> refusalKeys() const;

    Desktop *desktop;
    OwnerHandle window;
    // The handle the current registrations were made on: unregisterAll
    // releases them there even if the window has since been re-created, and
    // the destructor never has to ask a window that is being torn down.
    WindowHandle registeredOn = 0;
    QHash<int, QString> phraseIds;
    // A registration the system refused, kept to be tried again (unless it
    // is one no shortcut may have), or one it holds.
    struct Refused
    {
        int id;
        int mods;
        int vk;
        QString text; // what registrationFailed named, or would
        bool retry = true;
    };
    QVector<Refused> m_refused;
    QHash<int, Refused> m_held;
    // The backend lost a registration it had let go for a moment.
    void onLost(int id);
    // What was refused in the registration before (id, mods, vk): the user
    // has been told about those already.
    QSet<QString> m_toldRefused;
    QSet<QString> m_deadPhraseIds;
    QTimer m_retry;
    // Refusals told before a suspension, kept for the registration after it.
    QSet<QString> m_toldBeforeSuspension;
    bool m_suspended = false;
    bool paused = false;
    bool showRegistered = true;
    bool pickerRegistered = true;
};

template <class SettingsRecord, class PhraseList>
void HotkeyManager::registerAll(const SettingsRecord &settings, const PhraseList &phrases,
                                bool paused)
{
    if (m_suspended)
        return;
    beginRegistration(paused, settings.showMods, settings.showVk);
    if (paused) {
        endRegistration();
        return;
    }
    registerPicker(settings.pickerMods, settings.pickerVk);
    int count = 0;
    for (const auto &phrase : phrases) {
        // A skipped phrase uses no id, so the enabled ones stay consecutive.
        if (!phrase.enabled || phrase.vk == 0)
            continue;
        if (count == MaxPhraseShortcuts)
            break;
        registerPhrase(FirstPhraseId + count, phrase.id, phrase.name, phrase.mods, phrase.vk);
        ++count;
    }
    endRegistration();
}
