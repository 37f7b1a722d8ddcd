// The single-instance channel of the Windows build, under Wine: its name is
// the user's and the session's, a second server of the name cannot be made,
// and a start reaches the running copy. (That a server of another user is
// never handed over to needs a second user, which Wine does not have.)

#include "app/singleinstance.h"
#include "platform/appidentity.h"

#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

#include <windows.h>

namespace {

QString uniqueName()
{
    return QStringLiteral("\\\\.\\pipe\\ScrivletChannelTest-%1")
        .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

} // namespace

class WinChannelTest final : public QObject
{
    Q_OBJECT

private slots:
    void nameIsTheUsersAndTheSessions()
    {
        const QString name = AppIdentity::localServerName(QStringLiteral("VantokScrivlet32"));
        DWORD session = 99;
        QVERIFY(ProcessIdToSessionId(GetCurrentProcessId(), &session));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\\\\\\\\\.\\\\pipe\\\\VantokScrivlet32-S-1-"
                                                   "[0-9-]+-%1$")
                                        .arg(session))
                     .match(name)
                     .hasMatch(),
                 qPrintable(name));
    }

    void handOverReachesTheRunningCopy()
    {
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(!running.handOver()); // nobody there yet
        QVERIFY(!running.foundForeignServer());
        QVERIFY(running.listen());
        QSignalSpy shown(&running, &SingleInstance::showRequested);

        for (int start = 0; start < 3; ++start) {
            SingleInstance later(name);
            QVERIFY(later.handOver());
            QVERIFY(shown.wait(2000));
            QCOMPARE(shown.count(), start + 1);
        }
    }

    // The pipe's first instance is ours alone: a second server of the name,
    // ours or anyone's, is refused.
    void nameIsTakenOnce()
    {
        const QString name = uniqueName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        SingleInstance second(name);
        QVERIFY(!second.listen());

        const QString squatted = uniqueName();
        HANDLE squatter = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(squatted.utf16()),
                                           PIPE_ACCESS_INBOUND | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr);
        QVERIFY(squatter != INVALID_HANDLE_VALUE);
        SingleInstance late(squatted);
        QVERIFY(!late.listen());
        CloseHandle(squatter);
    }
};

QTEST_MAIN(WinChannelTest)
#include "tst_winchannel.moc"
