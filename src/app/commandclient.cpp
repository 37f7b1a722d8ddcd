#include "app/commandclient.h"

#include "app/singleinstance.h"
#include "store/datalocation.h"
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace CommandClient {

namespace {

// A Windows program of the window subsystem starts without a console: run
// from one, it writes its answers there; redirected, to the pipe or file it
// was given.
void attachConsole()
{
#ifdef Q_OS_WIN
    const auto missing = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    if (!(missing(STD_OUTPUT_HANDLE) || missing(STD_ERROR_HANDLE)) ||
        !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return;
    if (missing(STD_OUTPUT_HANDLE))
        SetStdHandle(STD_OUTPUT_HANDLE, console);
    if (missing(STD_ERROR_HANDLE))
        SetStdHandle(STD_ERROR_HANDLE, console);
#endif
}

// listing: text made printable already (RemoteCommand::listing) or our own
// words (the usage), whose backslashes are meant as they stand.
void say(FILE *stream, const QString &text, bool listing = false)
{
    if (text.isEmpty())
        return;
    // What the running copy says may hold names other programs chose (a
    // window's class, a phrase's name): no escape sequence of theirs reaches
    // the terminal.
    const QString shown = RemoteCommand::printable(text, true, !listing);
    const QString line = shown.endsWith(QLatin1Char('\n')) ? shown : shown + QLatin1Char('\n');
#ifdef Q_OS_WIN
    // A console takes UTF-16 whatever its code page; a pipe or a file gets
    // UTF-8, which launchers and scripts read.
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(line.utf16()), DWORD(line.size()),
                      &written, nullptr);
        return;
    }
    const QByteArray bytes = line.toUtf8();
#else
    const QByteArray bytes = line.toLocal8Bit();
#endif
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// --list with no copy running: the names from the data file itself, so that
// a launcher's list works before the program is started.
int listFromFile(const QString &dataFolder)
{
    PhraseStore store(dataFolder);
    // Read only: nothing is imported or written here.
    if (!store.load()) {
        say(stderr, QStringLiteral("The data file of Zem Scrivlet cannot be read."));
        return 1;
    }
    say(stdout, RemoteCommand::listing(store.phrases()), true);
    return 0;
}

// --import with no copy running: the data file takes the phrases itself.
// One that cannot be read is left as it is: saving over it would lose it.
int importIntoFile(const QString &dataFolder, const QString &path)
{
    PhraseStore store(dataFolder);
    if (!store.load()) {
        say(stderr, QStringLiteral("The data file of Zem Scrivlet cannot be read."));
        return 1;
    }
    store.setMayCreateDataFolder(true);
    if (!store.createDataFolder()) {
        say(stderr, RemoteCommand::importFailure(QStringLiteral("save")));
        return 1;
    }
    PhraseStore::ImportReport report;
    if (!store.importFile(path, &report)) {
        say(stderr, RemoteCommand::importFailure(report.error));
        return 1;
    }
    say(stdout, RemoteCommand::importSummary(report), true);
    return 0;
}

} // namespace

void print(bool error, const QString &text, bool ownText)
{
    attachConsole();
    say(error ? stderr : stdout, text, ownText);
}

QString runningElsewhere(const QString &serverName, const QString &dataFolder)
{
    if (serverName.isEmpty())
        return QString();
    SingleInstance channel(serverName);
    RemoteCommand::Request probe;
    probe.verb = RemoteCommand::Verb::Probe;
    QByteArray bytes;
    RemoteCommand::Reply reply;
    if (channel.send(RemoteCommand::encode(probe), ProbeTimeoutMs, &bytes) !=
            SingleInstance::SendResult::Answered ||
        !RemoteCommand::decodeReply(bytes, &reply))
        return QString();
    // An older copy says nothing of its folder: its list is in the usual one.
    const QString running = reply.text.isEmpty() ? DataLocation::defaultFolder() : reply.text;
    return DataLocation::sameFolder(running, dataFolder) ? QString() : running;
}

QString elsewhereMessage(const QString &runningFolder, const QString &dataFolder)
{
    return QCoreApplication::translate(
               "CommandClient",
               "Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as "
               "well. Quit the running copy first, or leave out --data-dir.")
        .arg(runningFolder, dataFolder);
}

int run(const RemoteCommand::Request &request, const QString &serverName, const QString &dataFolder,
        bool commandLineFolder)
{
    attachConsole();
    if (serverName.isEmpty()) {
        say(stderr, QStringLiteral("Zem Scrivlet has no private channel here to take commands."));
        return 1;
    }
    // A command meant for the list in the folder given goes to no copy
    // that keeps another one.
    if (commandLineFolder) {
        const QString running = runningElsewhere(serverName, dataFolder);
        if (!running.isEmpty()) {
            say(stderr, elsewhereMessage(running, dataFolder));
            return 1;
        }
    }
    SingleInstance channel(serverName);
    // While the copy says it waits for the user (a phrase's fields), this
    // start waits on: the answer is what the text did.
    RemoteCommand::Request sent = request;
    sent.waitsOnUser = true;
    const QByteArray message = RemoteCommand::encode(sent);
    QElapsedTimer sentAt;
    sentAt.start();
    const SingleInstance::Interim waitingOn = [&sentAt](const QByteArray &line) {
        return RemoteCommand::isWaitingReply(line) && sentAt.elapsed() < WaitOnUserLimitMs;
    };
    QByteArray bytes;
    SingleInstance::SendResult result = channel.send(message, AnswerTimeoutMs, &bytes, waitingOn);
    if (result == SingleInstance::SendResult::NoCopy && !channel.foundForeignServer()) {
        if (request.verb == RemoteCommand::Verb::List)
            return listFromFile(dataFolder);
        if (request.verb == RemoteCommand::Verb::Import)
            return importIntoFile(dataFolder, request.name);
        if (!RemoteCommand::startsACopy(request.verb)) {
            say(stderr, QStringLiteral("Zem Scrivlet is not running."));
            return 1;
        }
        // A copy in the tray first; the command goes to it once its channel
        // is open. Sent only where nobody listened: never twice.
        // Without the caller's standard streams: a script reading our output
        // waits for their end, which a copy that stays in the tray would
        // never give.
        QProcess copy;
        copy.setProgram(QCoreApplication::applicationFilePath());
        QStringList arguments{QStringLiteral("--in-tray")};
        if (commandLineFolder)
            arguments << QStringLiteral("--data-dir=") + dataFolder;
        copy.setArguments(arguments);
        copy.setStandardInputFile(QProcess::nullDevice());
        copy.setStandardOutputFile(QProcess::nullDevice());
        copy.setStandardErrorFile(QProcess::nullDevice());
        copy.setWorkingDirectory(QDir::homePath());
        if (!copy.startDetached()) {
            say(stderr, QStringLiteral("Zem Scrivlet could not be started."));
            return 1;
        }
        QElapsedTimer started;
        started.start();
        while (result == SingleInstance::SendResult::NoCopy && !channel.foundForeignServer() &&
               started.elapsed() < StartTimeoutMs) {
            QThread::msleep(100);
            result = channel.send(message, AnswerTimeoutMs, &bytes, waitingOn);
        }
    }
    if (result == SingleInstance::SendResult::NoCopy) {
        say(stderr, channel.foundForeignServer()
                        ? QStringLiteral("The channel of Zem Scrivlet is held by another user's "
                                         "program: no command can be handed over.")
                        : QStringLiteral("Zem Scrivlet did not start in time."));
        return 1;
    }
    RemoteCommand::Reply reply;
    if (result == SingleInstance::SendResult::NoAnswer ||
        !RemoteCommand::decodeReply(bytes, &reply)) {
        say(stderr, QStringLiteral("The running Zem Scrivlet did not answer: an older version "
                                   "takes no commands (it was asked to show its window), or "
                                   "it is busy."));
        return 1;
    }
    if (reply.waiting) {
        say(stderr, QStringLiteral("Zem Scrivlet still waits for the fields of a phrase to be "
                                   "filled in. This command is carried out once they are filled "
                                   "in or cancelled; its outcome is not reported here."));
        return 1;
    }
    // The copy's summary holds labels made plain already (phraseLabel).
    say(reply.ok ? stdout : stderr, reply.text,
        reply.ok && (request.verb == RemoteCommand::Verb::List ||
                     request.verb == RemoteCommand::Verb::Import));
    return reply.ok ? 0 : 1;
}

} // namespace CommandClient
