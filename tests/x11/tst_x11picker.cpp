// The picker road end to end: the real program in a private X session with
// an accessibility bus, Qt and GTK editors in other processes, Ctrl+R pressed with
// XTest, part of a phrase's name typed into the picker and Enter.

#include "platform/desktop.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// After Qt: the driver brings in Xlib, whose macros break Qt headers.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

const QString greeting = QString::fromUtf8("Viele Grüße aus Köln");

QJsonObject phraseJson(const QString &name, const QString &text, qint64 lastUsed)
{
    return QJsonObject{{QStringLiteral("id"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("text"), text},
                       {QStringLiteral("vk"), 0},
                       {QStringLiteral("mods"), 0},
                       {QStringLiteral("enabled"), true},
                       {QStringLiteral("lastUsed"), QString::number(lastUsed)}};
}

} // namespace

class X11PickerTest : public QObject
{
    Q_OBJECT

public:
    explicit X11PickerTest(X11Session *session) : session(session), target(session), gtk(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_r, ControlMask));
        QVERIFY(session->startSessionBus());
        // The editor publishes its caret on the accessibility bus.
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        qputenv("QT_ACCESSIBILITY", "1");
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        // A key for ü, bound for the whole run: a binding made just for one
        // key press may be undone before a busy program has read the press.
        QVERIFY(bindSpareKey(XK_udiaeresis, XK_Udiaeresis));
        desktop = createDesktop();
        QVERIFY(writeDataFile());
        QVERIFY(target.start());
        const QString python = QStringLiteral("/usr/bin/python3");
        if (QProcess::execute(python, {QStringLiteral("-c"),
                                       QStringLiteral("import gi; gi.require_version('Gtk', "
                                                      "'3.0'); from gi.repository import Gtk")}) ==
            0) {
            gtk.setProgram(python, {X11Session::programPath(QStringLiteral("gtktarget.py"))});
            QVERIFY(gtk.start());
            gtkStarted = true;
        }
        program = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        QVERIFY(program->waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_r, ControlMask), 10000);
    }

    void cleanupTestCase()
    {
        if (program) {
            program->kill();
            program->waitForFinished(5000);
        }
        desktop.reset();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void init()
    {
        // A picker left open by a failed case: the shortcut closes it.
        if (pickerWindow() != 0)
            press({XK_Control_L}, XK_r);
        QVERIFY(waitUntil([this] { return pickerWindow() == 0; }, 5000));
    }

    void chosenPhraseLandsInTheEditor()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        press({XK_Control_L}, XK_r);
        QVERIFY(waitUntil([this] { return pickerWindow() != 0; }, 5000));
        // Typed as a user types, into whatever has the focus: the picker.
        for (KeySym key : {KeySym(XK_g), KeySym(XK_r), KeySym(XK_udiaeresis)})
            press({}, key);
        press({}, XK_Return);
        QVERIFY2(target.waitForText(greeting), qPrintable(target.text()));
        QCOMPARE(pickerWindow(), 0ul);
    }

    void opensJustBelowTheCaret_data()
    {
        QTest::addColumn<bool>("useGtk");
        QTest::newRow("Qt editor") << false;
        // GTK gives up the focus while our shortcut's grab holds the keyboard.
        QTest::newRow("GTK editor") << true;
    }
    void opensJustBelowTheCaret()
    {
        QFETCH(bool, useGtk);
        if (useGtk && !gtkStarted)
            QSKIP("the GTK editor needs /usr/bin/python3 with python3-gi and gir1.2-gtk-3.0");
        TextTarget &editor = useGtk ? gtk : target;
        if (useGtk)
            QVERIFY(editor.setText(QStringLiteral("Dear GTK")));
        QVERIFY(editor.activate());
        // The bus knows the caret before the shortcut is pressed.
        QRect known;
        QTRY_VERIFY_WITH_TIMEOUT(desktop->caret().caretRect(editor.window(), &known), 10000);
        const QRect caret = editor.caret();
        QVERIFY(!caret.isNull());
        // Held as a hand holds it: the grab lasts until R is up.
        press({XK_Control_L}, XK_r, 120);
        QVERIFY(waitUntil([this] { return pickerWindow() != 0; }, 5000));
        const QPoint expected(caret.left(), caret.top() + caret.height() + 6);
        const QPoint got = topLeft(pickerWindow());
        // A pixel or two between the widget's cursor and its accessible
        // extents.
        QVERIFY2((got - expected).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("picker at %1,%2, caret bottom-left %3,%4")
                                .arg(got.x())
                                .arg(got.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        press({}, XK_Escape);
        QVERIFY(waitUntil([this] { return pickerWindow() == 0; }, 5000));
    }

    void closingInsertsNothing()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        const int changes = target.changes();
        press({XK_Control_L}, XK_r);
        QVERIFY(waitUntil([this] { return pickerWindow() != 0; }, 5000));
        press({XK_Control_L}, XK_r); // the shortcut again closes it
        QVERIFY(waitUntil([this] { return pickerWindow() == 0; }, 5000));
        press({XK_Control_L}, XK_r);
        QVERIFY(waitUntil([this] { return pickerWindow() != 0; }, 5000));
        press({}, XK_Escape);
        QVERIFY(waitUntil([this] { return pickerWindow() == 0; }, 5000));
        QTest::qWait(500);
        QCOMPARE(target.changes(), changes);
        QCOMPARE(target.text(), QString());
    }

private:
    bool writeDataFile()
    {
        const QString path = ProgramDriver::dataFilePath();
        if (!QDir().mkpath(QFileInfo(path).path()))
            return false;
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("startMinimized"), true}};
        const QJsonArray phrases{
            phraseJson(QStringLiteral("Greeting"), QStringLiteral("Hello there"), 300),
            phraseJson(QString::fromUtf8("Grüße"), greeting, 0),
            phraseJson(QStringLiteral("Address"), QStringLiteral("1 Main Street"), 100)};
        const QJsonObject root{{QStringLiteral("version"), 1},
                               {QStringLiteral("settings"), settings},
                               {QStringLiteral("phrases"), phrases}};
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QJsonDocument(root).toJson()) > 0;
    }

    bool bindSpareKey(KeySym lower, KeySym upper)
    {
        int min = 0;
        int max = 0;
        XDisplayKeycodes(xlib, &min, &max);
        int perKeycode = 0;
        KeySym *map = XGetKeyboardMapping(xlib, KeyCode(min), max - min + 1, &perKeycode);
        if (!map)
            return false;
        int spare = 0;
        for (int kc = max; kc >= min && !spare; --kc) {
            bool empty = true;
            for (int i = 0; i < perKeycode; ++i)
                empty = empty && map[(kc - min) * perKeycode + i] == NoSymbol;
            if (empty)
                spare = kc;
        }
        XFree(map);
        if (!spare)
            return false;
        KeySym syms[2] = {lower, upper};
        XChangeKeyboardMapping(xlib, spare, 2, syms, 1);
        XSync(xlib, False);
        return XKeysymToKeycode(xlib, lower) == spare;
    }

    bool xdotool(const QStringList &arguments, QByteArray *output = nullptr)
    {
        QProcess run;
        run.start(QStringLiteral("xdotool"), arguments);
        if (!run.waitForFinished(10000))
            return false;
        if (output)
            *output = run.readAllStandardOutput();
        return run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    }

    // The viewable picker window, or 0.
    unsigned long pickerWindow()
    {
        QByteArray out;
        if (!xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QStringLiteral("^Picker$")},
                     &out))
            return 0;
        return out.trimmed().split('\n').value(0).toULong();
    }

    QPoint topLeft(unsigned long window)
    {
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(xlib, window, DefaultRootWindow(xlib), 0, 0, &x, &y, &child);
        return QPoint(x, y);
    }

    template <typename Condition> static bool waitUntil(Condition condition, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    void press(std::initializer_list<KeySym> modifiers, KeySym key, int holdMs = 0)
    {
        for (KeySym m : modifiers)
            XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, m), True, CurrentTime);
        XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, key), True, CurrentTime);
        XSync(xlib, False);
        if (holdMs > 0)
            QTest::qWait(holdMs);
        XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, key), False, CurrentTime);
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, *it), False, CurrentTime);
        XSync(xlib, False);
    }

    X11Session *session;
    TextTarget target;
    TextTarget gtk;
    bool gtkStarted = false;
    std::unique_ptr<Desktop> desktop;
    Display *xlib = nullptr;
    QProcess *program = nullptr;
};

SCRIVLET_X11_TEST_MAIN(X11PickerTest)
#include "tst_x11picker.moc"
