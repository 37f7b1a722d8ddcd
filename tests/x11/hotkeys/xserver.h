#pragma once

// A private Xvfb for one test program: started on a free display number
// (-displayfd), DISPLAY pointed at it, stopped when the object goes.

#include <QByteArray>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

class XServer final
{
public:
    XServer() = default;
    ~XServer() { stop(); }
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    bool start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_pid = fork();
        if (m_pid < 0) {
            close(fds[0]);
            close(fds[1]);
            return false;
        }
        if (m_pid == 0) {
            close(fds[0]);
            const QByteArray fd = QByteArray::number(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        QByteArray number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number.append(c);
        close(fds[0]);
        if (number.isEmpty()) {
            stop();
            return false;
        }
        qputenv("DISPLAY", ":" + number);
        return true;
    }

    void stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
};
