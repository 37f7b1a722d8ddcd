// The target window of the end-to-end tests: a plain Qt text editor in a
// process of its own that reports what it holds. Its protocol is one line per
// message, text as base64 of UTF-8:
//   out: "READY <window id>" once it is shown, "TEXT <b64>" after every
//        change, "CLIP <b64>" answering "clip", "OK" answering the others;
//        "CARET x y w h" (the text cursor, screen pixels) answering "caret";
//   in:  "clear", "clip" (read the clipboard), "setclip <b64>" (own the
//        clipboard with that text), "activate", "caret", "readonly 0|1",
//        "report 0|1|2" (no TEXT on a change, TEXT after every change (at
//        start), or one TEXT once the queued keys are taken), "text"
//        (answered by one TEXT), "stall <ms>" (answers, then takes no event
//        for that long, as a program busy with earlier work), "pastelater <ms>"
//        (the paste key is handled that long after it arrives, as a program
//        that answers the window manager at once but pastes from a later
//        turn of its loop or from another thread; 0 pastes at once), "quit".

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Holds the paste key back for a while, then pastes.
class LatePaste : public QObject
{
public:
    LatePaste(QPlainTextEdit *editor) : m_editor(editor) {}
    int delayMs = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (delayMs <= 0 || event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return false;
        QTimer::singleShot(delayMs, m_editor, &QPlainTextEdit::paste);
        return true;
    }

private:
    QPlainTextEdit *m_editor;
};

void say(const QByteArray &line)
{
    fwrite(line.constData(), 1, size_t(line.size()), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

QByteArray b64(const QString &text)
{
    return text.toUtf8().toBase64();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QPlainTextEdit editor;
    editor.setWindowTitle(QStringLiteral("scrivlet-target"));
    editor.resize(600, 400);
    LatePaste latePaste(&editor);
    editor.installEventFilter(&latePaste);
    // A report per change costs the square of the text's length in a long
    // run of insertions; such a run switches them off and asks at the end,
    // or asks for one report once the editor has taken every key queued for
    // it (a benchmark, which would otherwise time the reports).
    enum class Reporting { Off, EveryChange, WhenIdle };
    Reporting reporting = Reporting::EveryChange;
    bool reportQueued = false;
    QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        if (reporting == Reporting::EveryChange) {
            say("TEXT " + b64(editor.toPlainText()));
        } else if (reporting == Reporting::WhenIdle && !reportQueued) {
            reportQueued = true;
            QTimer::singleShot(0, &editor, [&] {
                reportQueued = false;
                say("TEXT " + b64(editor.toPlainText()));
            });
        }
    });

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[65536];
        const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buf, int(n));
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(nl);
            pending.remove(0, nl + 1);
            if (line == "clear") {
                editor.clear();
                say("OK");
            } else if (line == "clip") {
                say("CLIP " + b64(QGuiApplication::clipboard()->text()));
            } else if (line.startsWith("setclip ")) {
                QGuiApplication::clipboard()->setText(
                    QString::fromUtf8(QByteArray::fromBase64(line.mid(8))));
                say("OK");
            } else if (line == "activate") {
                editor.activateWindow();
                editor.raise();
                say("OK");
            } else if (line == "caret") {
                const QRect r = editor.cursorRect();
                const QPoint p = editor.viewport()->mapToGlobal(r.topLeft());
                say("CARET " + QByteArray::number(p.x()) + ' ' + QByteArray::number(p.y()) + ' ' +
                    QByteArray::number(r.width()) + ' ' + QByteArray::number(r.height()));
            } else if (line.startsWith("readonly ")) {
                editor.setReadOnly(line.endsWith('1'));
                say("OK");
            } else if (line.startsWith("report ")) {
                reporting = line.endsWith('2')   ? Reporting::WhenIdle
                            : line.endsWith('1') ? Reporting::EveryChange
                                                 : Reporting::Off;
                say("OK");
            } else if (line.startsWith("stall ")) {
                const unsigned long ms = line.mid(6).toULong();
                say("OK");
                QTimer::singleShot(0, [ms] { QThread::msleep(ms); });
            } else if (line.startsWith("pastelater ")) {
                latePaste.delayMs = line.mid(11).toInt();
                say("OK");
            } else if (line == "text") {
                say("TEXT " + b64(editor.toPlainText()));
            } else if (line == "quit") {
                app.quit();
            }
        }
    });

    editor.show();
    editor.activateWindow();
    editor.setFocus();
    // Reported once the window is mapped and has had a moment to get focus.
    QTimer::singleShot(100, [&] { say("READY " + QByteArray::number(quint64(editor.winId()))); });
    return app.exec();
}
