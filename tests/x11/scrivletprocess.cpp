// Qt first: Xlib's macros (None, Status, ...) break Qt headers that come after.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

#include "x11/programdriver.h"
#include "x11/scrivletprocess.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

ScrivletProcess::ScrivletProcess(X11Session *session) : m_session(session)
{
    m_display = XOpenDisplay(nullptr);
}

ScrivletProcess::~ScrivletProcess()
{
    kill();
    if (m_display)
        XCloseDisplay(m_display);
}

QJsonObject ScrivletProcess::phrase(const QString &id, const QString &text, int mods, int vk)
{
    return ProgramDriver::phrase(id, text, mods, vk);
}

QString ScrivletProcess::dataFile() const
{
    return ProgramDriver::dataFilePath();
}

bool ScrivletProcess::writeDataFile(const QJsonArray &phrases, QJsonObject settings)
{
    settings.insert(QStringLiteral("importedV3"), true);
    if (!settings.contains(QStringLiteral("language")))
        settings.insert(QStringLiteral("language"), QStringLiteral("en"));
    QDir().mkpath(QFileInfo(dataFile()).path());
    return ProgramDriver::writeDataFile(dataFile(), settings, phrases);
}

qint64 ScrivletProcess::storedLastUsed(const QString &id) const
{
    QFile file(dataFile());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QJsonArray phrases =
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("phrases")).toArray();
    for (const QJsonValue &p : phrases) {
        if (p.toObject().value(QStringLiteral("id")).toString() == id)
            return p.toObject().value(QStringLiteral("lastUsed")).toString().toLongLong();
    }
    return 0;
}

bool ScrivletProcess::start()
{
    m_process = m_session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
    return m_process->waitForStarted(5000);
}

bool ScrivletProcess::waitUntilHolding(unsigned long keysym, unsigned int x11Modifiers,
                                       int timeoutMs)
{
    return ProgramDriver::waitUntil(
        [&] { return !m_session->isKeyComboFree(keysym, x11Modifiers); }, timeoutMs);
}

void ScrivletProcess::kill()
{
    if (!m_process)
        return;
    m_process->kill();
    m_process->waitForFinished(5000);
    m_process = nullptr; // the session owns and deletes it
}

bool ScrivletProcess::terminate()
{
    if (!m_process)
        return false;
    m_process->terminate();
    const bool ended = m_process->waitForFinished(5000);
    m_process = nullptr;
    return ended;
}

void ScrivletProcess::press(std::initializer_list<unsigned long> modifierKeysyms,
                            unsigned long keysym, int holdMs)
{
    Display *d = m_display;
    for (unsigned long m : modifierKeysyms)
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, m), True, CurrentTime);
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, keysym), True, CurrentTime);
    XSync(d, False);
    if (holdMs > 0)
        QTest::qWait(holdMs);
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, keysym), False, CurrentTime);
    for (auto it = std::rbegin(modifierKeysyms); it != std::rend(modifierKeysyms); ++it)
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, *it), False, CurrentTime);
    XSync(d, False);
}
