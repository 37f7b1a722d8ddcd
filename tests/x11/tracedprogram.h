#pragma once

// The real program started with SCRIVLET_TEST_TRACE=1, its trace lines
// collected as they arrive: what it typed, every message, notice and
// status-bar text it showed the user, and when it became idle. It ends with
// this object (and with the test process, through setpriv).

#include "x11/x11session.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTest>

class TracedProgram final
{
public:
    explicit TracedProgram(X11Session *session) : m_session(session) {}
    ~TracedProgram() { kill(); }
    TracedProgram(const TracedProgram &) = delete;
    TracedProgram &operator=(const TracedProgram &) = delete;

    // extra adds to (or, with an empty value, removes from) the session's
    // environment.
    bool start(const QProcessEnvironment &extra = QProcessEnvironment())
    {
        kill();
        m_lines.clear();
        m_pending.clear();
        QProcessEnvironment env = m_session->environment();
        env.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
        for (const QString &key : extra.keys()) {
            if (extra.value(key).isEmpty())
                env.remove(key);
            else
                env.insert(key, extra.value(key));
        }
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
                         QStringLiteral("--"), QStringLiteral(SCRIVLET_EXE)});
        return m_process.waitForStarted(5000);
    }

    bool running() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }

    // Trace lines that start with prefix, in order.
    QStringList lines(const QString &prefix)
    {
        read();
        QStringList out;
        for (const QString &l : qAsConst(m_lines)) {
            if (l.startsWith(prefix))
                out << l;
        }
        return out;
    }
    int count(const QString &prefix) { return lines(prefix).size(); }
    // Everything so far, one line each, for failure reports.
    QString trace()
    {
        read();
        return m_lines.join(QLatin1Char('\n'));
    }

    // Waits (running the event loop) until `times` lines start with prefix;
    // false on time-out or when the program ended.
    bool waitFor(const QString &prefix, int times = 1, int timeoutMs = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (count(prefix) < times) {
            if (t.elapsed() > timeoutMs || !running())
                return count(prefix) >= times;
            QTest::qWait(10);
        }
        return true;
    }

    // SIGTERM: the program leaves as through Exit (saving first). True when
    // it ended by itself with code 0.
    bool terminate(int timeoutMs = 20000)
    {
        if (!running())
            return false;
        // setpriv execs the program, so this is the program's own pid.
        m_process.terminate();
        const bool ended = m_process.waitForFinished(timeoutMs);
        read();
        return ended && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    QProcess &process() { return m_process; }

private:
    void read()
    {
        m_pending += m_process.readAllStandardError();
        int nl;
        while ((nl = m_pending.indexOf('\n')) >= 0) {
            m_lines << QString::fromUtf8(m_pending.left(nl));
            m_pending.remove(0, nl + 1);
        }
    }

    X11Session *m_session;
    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
};
