// Phrases into terminals, and the user's rules per application. In xterm
// (Shift+Insert, which pastes PRIMARY) and a VTE terminal (Ctrl+Shift+V), a
// program reading raw bytes receives exactly the phrase, with line breaks as
// CR or LF, and no control byte (a Ctrl+V would arrive as 0x16); the user's
// clipboard and PRIMARY are theirs again afterwards. A rule "Type only" types
// three lines into a Tk text without touching the clipboard, and "Never
// insert here" keeps a phrase out of an editor and says so.

#include "base/hotkey.h"
#include "platform/desktop.h"
#include "x11/texttarget.h"
#include "x11/tracedprogram.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/keysym.h>

using namespace ProgramDriver;

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString python = QStringLiteral("/usr/bin/python3");

QString cjk120()
{
    QString out;
    for (int i = 0; i < 120; ++i)
        out += QChar(0x4E00 + 7 * i);
    return out;
}

struct Phrase
{
    QString id;
    QString text;
    unsigned long key;
};

const QVector<Phrase> &phrases()
{
    static const QVector<Phrase> all = {
        {QStringLiteral("ascii"), QStringLiteral("ls -la /tmp && echo done"), XK_1},
        {QStringLiteral("accents"), QString::fromUtf8("echo héllo wörld ✓ €"), XK_2},
        {QStringLiteral("cjk"), cjk120(), XK_3},
        {QStringLiteral("lines"), QStringLiteral("first line\nsecond line\nthird line"), XK_4},
    };
    return all;
}

// What a program reading the terminal's bytes got, line breaks made LF; the
// control bytes are counted apart.
QString received(const QString &raw, int *controls)
{
    QString out;
    *controls = 0;
    for (const QChar c : raw) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            out += QLatin1Char('\n');
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            ++*controls;
        else
            out += c;
    }
    return out;
}

} // namespace

class TerminalsTest : public QObject
{
    Q_OBJECT

public:
    explicit TerminalsTest(X11Session *session) : session(session), program(session) {}

private slots:
    void initTestCase()
    {
        for (unsigned long k : {XK_1, XK_2, XK_3, XK_4})
            QVERIFY(session->isKeyComboFree(k, ControlMask | Mod1Mask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        QJsonArray list;
        for (const Phrase &p : phrases())
            list.append(phrase(p.id, p.text, ctrlAlt, int(p.key)));
        const QJsonObject settings{
            {QStringLiteral("importedV3"), true},
            {QStringLiteral("language"), QStringLiteral("en")},
            {QStringLiteral("startMinimized"), true},
            {QStringLiteral("closeHintSeen"), true},
            {QStringLiteral("closeHintShown"), true},
            {QStringLiteral("appRules"),
             QJsonArray{QJsonObject{{QStringLiteral("match"), QStringLiteral("Tk")},
                                    {QStringLiteral("road"), QStringLiteral("type")}},
                        QJsonObject{{QStringLiteral("match"), QStringLiteral("x11target")},
                                    {QStringLiteral("road"), QStringLiteral("never")}}}}};
        const QString file = dataFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(writeDataFile(file, settings, list));
        QVERIFY(program.start());
        QVERIFY(program.waitFor(QStringLiteral("idle")));
    }

    void cleanupTestCase()
    {
        program.kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void terminals_data()
    {
        QTest::addColumn<QString>("terminal");
        QTest::newRow("xterm, Shift+Insert") << QStringLiteral("xterm");
        QTest::newRow("lxterminal (VTE), Ctrl+Shift+V") << QStringLiteral("lxterminal");
    }
    void terminals()
    {
        QFETCH(QString, terminal);
        if (QStandardPaths::findExecutable(terminal).isEmpty())
            QSKIP("not installed here; the test command installs it");
        TextTarget term(session);
        term.setProgram(python,
                        {X11Session::programPath(QStringLiteral("termtarget.py")), terminal});
        QVERIFY(term.start(30000));
        for (const Phrase &p : phrases()) {
            QVERIFY(setUserSelections(p.id));
            QVERIFY(term.clear());
            QVERIFY(term.activate());
            const QString traced = QStringLiteral("typed %1 ").arg(p.id);
            const int before = program.count(traced);
            press(xlib, {XK_Control_L, XK_Alt_L}, p.key);
            QVERIFY2(program.waitFor(traced, before + 1, 15000), qPrintable(program.trace()));
            QVERIFY2(program.lines(traced).last().contains(QLatin1String(" accepted")),
                     qPrintable(program.trace()));
            int controls = 0;
            const bool whole = waitUntil(
                [&] {
                    QTest::qWait(20);
                    return received(term.fetchText(), &controls) == p.text;
                },
                10000);
            QVERIFY2(whole, qPrintable(QStringLiteral("%1: \"%2\"").arg(p.id, term.text())));
            QTest::qWait(300); // nothing more comes
            QCOMPARE(received(term.fetchText(), &controls), p.text);
            QCOMPARE(controls, 0);
            QVERIFY2(selectionsAreTheUsers(p.id), qPrintable(p.id));
        }
    }

    // Type only: three lines typed into a Tk text, the clipboard never taken.
    void typeOnlyRule()
    {
        TextTarget tk(session);
        tk.setProgram(python, {X11Session::programPath(QStringLiteral("tktarget.py"))});
        QVERIFY(tk.start(30000));
        QVERIFY(setUserSelections(QStringLiteral("tk")));
        QVERIFY(tk.clear());
        QVERIFY(tk.activate());
        const QString lines = phrases().at(3).text;
        press(xlib, {XK_Control_L, XK_Alt_L}, XK_4);
        QVERIFY2(tk.waitForText(lines, 10000), qPrintable(tk.text()));
        QVERIFY(QGuiApplication::clipboard()->ownsClipboard());
        QVERIFY(QGuiApplication::clipboard()->ownsSelection());
    }

    // "Pick a window": the window the user clicks, named as the rules name it.
    void pickAWindow()
    {
        TextTarget editor(session);
        QVERIFY(editor.start());
        const std::unique_ptr<Desktop> desktop = createDesktop();
        TargetApp app;
        QVERIFY(desktop->targets().targetApplication(WindowHandle(editor.window()), &app));
        QCOMPARE(app.instance, QStringLiteral("x11target"));
        QCOMPARE(app.executable, QStringLiteral("x11target"));
        QCOMPARE(app.preferred, app.className);

        // A click in the middle of the editor's window, once the pointer is ours.
        XWindowAttributes a;
        QVERIFY(XGetWindowAttributes(xlib, Window(editor.window()), &a));
        Window child = 0;
        int x = 0, y = 0;
        XTranslateCoordinates(xlib, Window(editor.window()), DefaultRootWindow(xlib), a.width / 2,
                              a.height / 2, &x, &y, &child);
        QTimer::singleShot(300, [this, x, y] { click(xlib, QPoint(x, y), Button1); });
        const WindowHandle picked = desktop->targets().pickWindow(5000);
        TargetApp clicked;
        QVERIFY(desktop->targets().targetApplication(picked, &clicked));
        QCOMPARE(clicked.className, app.className);

        QTimer::singleShot(300, [this, x, y] { click(xlib, QPoint(x, y), Button3); });
        QCOMPARE(desktop->targets().pickWindow(5000), WindowHandle(0)); // a right click stops it
    }

    // Never insert here: nothing arrives, the user is told, nothing is used.
    void neverRule()
    {
        TextTarget editor(session);
        QVERIFY(editor.start());
        QVERIFY(editor.clear());
        QVERIFY(editor.activate());
        const int before = program.count(QStringLiteral("typed ascii refused"));
        press(xlib, {XK_Control_L, XK_Alt_L}, XK_1);
        QVERIFY(program.waitFor(QStringLiteral("typed ascii refused"), before + 1, 10000));
        QVERIFY(program.count(QStringLiteral("balloon Phrases are not put into x11target")) > 0);
        QTest::qWait(300);
        QVERIFY(editor.fetchText().isEmpty());
    }

private:
    // The user's own CLIPBOARD and PRIMARY, held by this process.
    bool setUserSelections(const QString &tag)
    {
        QClipboard *c = QGuiApplication::clipboard();
        c->setText(QStringLiteral("clipboard of ") + tag, QClipboard::Clipboard);
        c->setText(QStringLiteral("selection of ") + tag, QClipboard::Selection);
        return waitUntil([c] { return c->ownsClipboard() && c->ownsSelection(); }, 2000);
    }
    bool selectionsAreTheUsers(const QString &tag)
    {
        QClipboard *c = QGuiApplication::clipboard();
        return waitUntil(
            [&] {
                QTest::qWait(20);
                return c->text(QClipboard::Clipboard) == QStringLiteral("clipboard of ") + tag &&
                       c->text(QClipboard::Selection) == QStringLiteral("selection of ") + tag;
            },
            5000);
    }

    X11Session *session;
    TracedProgram program;
    Display *xlib = nullptr;
};

SCRIVLET_X11_TEST_MAIN(TerminalsTest)
#include "tst_terminals.moc"
