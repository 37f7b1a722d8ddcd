#pragma once

// The real program in an X11Session, with a data file the test writes first,
// and the key presses a person makes (through XTest, from this process's own
// X connection).

#include "x11/x11session.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <initializer_list>

class QProcess;
typedef struct _XDisplay Display;

class ScrivletProcess final
{
public:
    explicit ScrivletProcess(X11Session *session);
    ~ScrivletProcess();

    // One phrase object of the data file.
    static QJsonObject phrase(const QString &id, const QString &text, int mods, int vk);
    // Writes phrases.json with these phrases and settings (importedV3 and
    // language "en" are added).
    bool writeDataFile(const QJsonArray &phrases, QJsonObject settings = {});
    QString dataFile() const;
    // lastUsed of the phrase with this id as the data file holds it; 0 when
    // absent.
    qint64 storedLastUsed(const QString &id) const;

    bool start();
    // Waits until the program holds the combination (its shortcuts are
    // registered).
    bool waitUntilHolding(unsigned long keysym, unsigned int x11Modifiers, int timeoutMs = 10000);
    void kill();      // SIGKILL
    bool terminate(); // SIGTERM; true when it then exits by itself
    QProcess *process() const { return m_process; }

    // Presses and releases the modifiers and the key as a person does; holdMs
    // is how long the key stays down.
    void press(std::initializer_list<unsigned long> modifierKeysyms, unsigned long keysym,
               int holdMs = 0);
    Display *display() const { return m_display; }

private:
    X11Session *m_session;
    QProcess *m_process = nullptr;
    Display *m_display = nullptr;
};
