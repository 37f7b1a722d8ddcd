#pragma once

// A text editor in a process of its own in a WaylandSession, which reports
// its whole text after every change (x11target and gtktarget.py speak the
// same lines: "READY <id>", "TEXT <base64>"; in: "clear", "quit").

#include "wayland/waylandsession.h"
#include "x11/xselection.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QProcess>
#include <QTest>

inline QString fromB64(const QByteArray &b64)
{
    return QString::fromUtf8(QByteArray::fromBase64(b64));
}

// What the clipboard offers, as the user's content must come back.
namespace Offers {

// The Wayland clipboard's types in order, each with its bytes (wl-paste,
// in the environment given).
inline XSelection::Formats wayland(const QProcessEnvironment &env)
{
    XSelection::Formats out;
    QProcess list;
    list.setProcessEnvironment(env);
    list.start(QStringLiteral("wl-paste"), {QStringLiteral("--list-types")});
    list.waitForFinished(5000);
    for (const QByteArray &type : list.readAllStandardOutput().split('\n')) {
        if (type.isEmpty())
            continue;
        QProcess read;
        read.setProcessEnvironment(env);
        read.start(QStringLiteral("wl-paste"), {QStringLiteral("--no-newline"),
                                                QStringLiteral("--type"), QString::fromUtf8(type)});
        read.waitForFinished(5000);
        out.append({type, read.readAllStandardOutput()});
    }
    return out;
}

// What XWayland's X clipboard offers X11 programs (the compositor's bridge):
// its targets, and the bytes of the text and image ones.
inline XSelection::Formats x11()
{
    XSelection::Formats out;
    QList<QByteArray> targets;
    if (!XSelection::targets("CLIPBOARD", &targets))
        return out;
    for (const QByteArray &target : qAsConst(targets)) {
        QByteArray bytes;
        if (target == "UTF8_STRING" || target == "STRING" || target == "TEXT" ||
            target.startsWith("image/"))
            XSelection::read("CLIPBOARD", target, &bytes);
        out.append({target, bytes});
    }
    return out;
}

// Sets the Wayland clipboard with wl-copy, which stays in the background
// serving it; false when wl-paste does not see it.
inline bool copy(const QProcessEnvironment &env, const QString &folder, const QString &type,
                 const QByteArray &content)
{
    QFile file(folder + QStringLiteral("/copied"));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    QProcess sh;
    sh.setProcessEnvironment(env);
    sh.setProgram(QStringLiteral("sh"));
    sh.setArguments({QStringLiteral("-c"), QStringLiteral("exec wl-copy --type \"$0\" < \"$1\""),
                     type, file.fileName()});
    if (!sh.startDetached())
        return false;
    return QTest::qWaitFor(
        [&] {
            const XSelection::Formats now = wayland(env);
            return !now.isEmpty() && now.first().second == content;
        },
        5000);
}

// A small picture, as PNG bytes.
inline QByteArray pngBytes()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(4, 4, 10, 6, Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace Offers

// A text editor in a process of its own that reports its whole text after
// every change (x11target and gtktarget.py speak the same lines).
class WaylandTarget final : public QObject
{
public:
    WaylandTarget(WaylandSession *session, const QString &program, const QStringList &args,
                  const QProcessEnvironment &env)
        : WaylandTarget(session->startProcess(program, args, env))
    {}
    // A target already started in a session; the session owns the process.
    explicit WaylandTarget(QProcess *process) : m_process(process)
    {
        m_process->setProcessChannelMode(QProcess::SeparateChannels);
        connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
            while (m_process->canReadLine()) {
                const QByteArray line = m_process->readLine().trimmed();
                if (line.startsWith("READY"))
                    m_ready = true;
                else if (line == "TEXT" || line.startsWith("TEXT ")) { // trimmed: empty text
                    m_text = fromB64(line.mid(5));
                    ++m_reports;
                } else if (line.startsWith("CARET ")) {
                    const QList<QByteArray> n = line.mid(6).split(' ');
                    if (n.size() == 4)
                        m_caret = QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
                }
            }
        });
    }
    bool waitReady()
    {
        return QTest::qWaitFor([&] { return m_ready; }, 15000);
    }
    bool waitForText(const QString &expected, int ms = 8000)
    {
        return QTest::qWaitFor([&] { return m_text == expected; }, ms);
    }
    QString text() const { return m_text; }
    // The text once the target has answered a question sent now: whatever
    // reached it before, a second copy of a phrase too, is in.
    QString settledText()
    {
        const int before = m_reports;
        send("text");
        (void)QTest::qWaitFor([&] { return m_reports > before; }, 5000);
        return m_text;
    }
    qint64 processId() const { return m_process->processId(); }
    // The text cursor as the target itself places it (within its window on
    // Wayland); null on time-out.
    QRect caret()
    {
        m_caret = QRect();
        send("caret");
        QTest::qWaitFor([&] { return !m_caret.isNull(); }, 5000);
        return m_caret;
    }
    void send(const QByteArray &line) { m_process->write(line + '\n'); }
    void clear()
    {
        send("clear");
        QTest::qWaitFor([&] { return m_text.isEmpty(); }, 3000);
    }
    void quit()
    {
        send("quit");
        m_process->waitForFinished(3000);
    }

private:
    QProcess *m_process = nullptr;
    bool m_ready = false;
    QString m_text;
    int m_reports = 0;
    QRect m_caret;
};
