#include "x11/texttarget.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

TextTarget::TextTarget(X11Session *session, QObject *parent) : QObject(parent), m_session(session)
{}

TextTarget::~TextTarget()
{
    // Every target program ends at the end of its input.
    if (m_process)
        m_process->closeWriteChannel();
}

template <typename Done> bool TextTarget::waitFor(Done done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs || !m_process || m_process->state() == QProcess::NotRunning)
            return done();
        QEventLoop loop;
        connect(m_process, &QProcess::readyReadStandardOutput, &loop, &QEventLoop::quit);
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
        readLines();
    }
    return true;
}

bool TextTarget::setReporting(bool on, int timeoutMs)
{
    return command(on ? "report 1" : "report 0", timeoutMs);
}

bool TextTarget::setReportingWhenIdle(int timeoutMs)
{
    return command("report 2", timeoutMs);
}

QString TextTarget::fetchText(int timeoutMs)
{
    if (!m_process)
        return QString();
    const int before = m_changes;
    m_process->write("text\n");
    if (!waitFor([&] { return m_changes > before; }, timeoutMs))
        return QString();
    return m_text.isNull() ? QStringLiteral("") : m_text;
}

void TextTarget::setProgram(const QString &program, const QStringList &arguments)
{
    m_program = program;
    m_arguments = arguments;
}

bool TextTarget::start(int timeoutMs)
{
    if (m_program.isEmpty())
        m_program = X11Session::programPath(QStringLiteral("x11target"));
    m_process = m_session->startProcess(m_program, m_arguments);
    if (!m_process->waitForStarted(5000))
        return false;
    return waitFor([this] { return m_window != 0; }, timeoutMs);
}

void TextTarget::readLines()
{
    if (!m_process)
        return;
    m_pending += m_process->readAllStandardOutput();
    int nl;
    while ((nl = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(nl);
        m_pending.remove(0, nl + 1);
        if (line.startsWith("READY ")) {
            m_window = line.mid(6).toULongLong();
        } else if (line.startsWith("TEXT")) {
            m_text = QString::fromUtf8(QByteArray::fromBase64(line.mid(5)));
            ++m_changes;
        } else if (line.startsWith("CLIP")) {
            m_clip = QString::fromUtf8(QByteArray::fromBase64(line.mid(5)));
            m_clipArrived = true;
        } else if (line.startsWith("CARET ")) {
            const QList<QByteArray> v = line.mid(6).split(' ');
            if (v.size() == 4)
                m_caret = QRect(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt());
            m_caretArrived = true;
        } else if (line == "OK") {
            ++m_oks;
        } else if (line == "FAIL") {
            ++m_fails;
        }
    }
}

bool TextTarget::command(const QByteArray &line, int timeoutMs)
{
    if (!m_process)
        return false;
    const int before = m_oks;
    const int failsBefore = m_fails;
    m_process->write(line + '\n');
    return waitFor([&] { return m_oks > before || m_fails > failsBefore; }, timeoutMs) &&
           m_oks > before;
}

bool TextTarget::waitForText(const QString &expected, int timeoutMs)
{
    return waitFor([&] { return m_text == expected; }, timeoutMs);
}

void TextTarget::takeChanges()
{
    readLines();
    m_seenChanges = m_changes;
}

bool TextTarget::waitForChange(int timeoutMs)
{
    return waitFor([&] { return m_changes > m_seenChanges; }, timeoutMs);
}

bool TextTarget::clear(int timeoutMs)
{
    return command("clear", timeoutMs) && waitForText(QString(), timeoutMs);
}

QString TextTarget::clipboard(int timeoutMs)
{
    if (!m_process)
        return QString();
    m_clipArrived = false;
    m_process->write("clip\n");
    if (!waitFor([this] { return m_clipArrived; }, timeoutMs))
        return QString();
    return m_clip.isNull() ? QStringLiteral("") : m_clip;
}

bool TextTarget::setClipboard(const QString &text, int timeoutMs)
{
    // Until this process has read the X server's notice that the target took
    // the clipboard, its own Qt still answers with what it held before; the
    // code under test reads the clipboard from this process.
    return command("setclip " + text.toUtf8().toBase64(), timeoutMs) &&
           waitFor([&] { return QGuiApplication::clipboard()->text() == text; }, timeoutMs);
}

bool TextTarget::setReadOnly(bool readOnly, int timeoutMs)
{
    return command(readOnly ? "readonly 1" : "readonly 0", timeoutMs);
}

bool TextTarget::setText(const QString &text, int timeoutMs)
{
    return command("settext " + text.toUtf8().toBase64(), timeoutMs) &&
           waitForText(text, timeoutMs);
}

bool TextTarget::activate(int timeoutMs)
{
    return command("activate", timeoutMs);
}

QRect TextTarget::caret(int timeoutMs)
{
    if (!m_process)
        return QRect();
    m_caretArrived = false;
    m_process->write("caret\n");
    if (!waitFor([this] { return m_caretArrived; }, timeoutMs))
        return QRect();
    return m_caret;
}
