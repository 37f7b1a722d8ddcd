// The floating panel end to end: a panel in this process over the private X
// server (its widgets can be read) typing into and copying for another
// program's editor with real pointer clicks (and saying why not while
// paused), and the real program's panel
// dragged with the pointer, its place kept over Exit and a second start.

#include "dispatch/phrasedispatcher.h"
#include "mainwindow/mainwindow.h"
#include "panel/floatingpanel.h"
#include "panel/panelsettingspopup.h"
#include "panel/phraserow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

const QString greeting = QStringLiteral("Hello from the panel");

Phrase makePhrase(const QString &name, const QString &text, bool enabled)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.enabled = enabled;
    return p;
}

QPoint centreOf(const QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

} // namespace

class X11PanelTest : public QObject
{
    Q_OBJECT

public:
    explicit X11PanelTest(X11Session *session) : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        QVERIFY(program.display());
        QVERIFY(target.start());
        desktop = createDesktop();
        QVERIFY(local.isValid());
        store = std::make_unique<PhraseStore>(local.path());
        store->setLegacyFilePath(local.filePath(QStringLiteral("none")));
        store->settings().importedV3 = true;
        store->settings().showFloatingPanel = true;
        store->phrases() << makePhrase(QStringLiteral("Greeting"), greeting, true)
                         << makePhrase(QStringLiteral("Hidden"), QStringLiteral("off"), false)
                         << makePhrase(QStringLiteral("Address"), QStringLiteral("1 Main Street"),
                                       true);
        window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get());
        panel = window->floatingPanel();
        QVERIFY(panel);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
    }

    void cleanupTestCase()
    {
        window.reset();
        program.kill();
    }

    void showsTheEnabledPhrases()
    {
        QStringList shown;
        for (PhraseRow *row : panel->rows())
            shown << row->label()->fullText();
        QCOMPARE(shown, QStringList({QStringLiteral("Greeting"), QStringLiteral("Address")}));
        // Flush with the right edge of the work area, not in the task bar.
        const QRect area = panel->screen()->availableGeometry();
        QCOMPARE(panel->frameGeometry().right(), area.right());
        QVERIFY(area.contains(panel->frameGeometry()));
    }

    void clickingThePanelLeavesTheFocusAlone()
    {
        QVERIFY(target.activate());
        QVERIFY(ProgramDriver::waitUntil(
            [this] { return desktop->targets().foregroundWindow() == target.window(); }, 5000));
        QTRY_COMPARE_WITH_TIMEOUT(panel->lastExternalWindow(), target.window(), 5000);
        ProgramDriver::click(program.display(), centreOf(panel->titleLabel()), Button1);
        QTest::qWait(400);
        QCOMPARE(desktop->targets().foregroundWindow(), target.window());
        QCOMPARE(panel->lastExternalWindow(), target.window());
    }

    void typeGoesToTheEditorActiveBeforeTheClick()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        QTRY_COMPARE_WITH_TIMEOUT(panel->lastExternalWindow(), target.window(), 5000);
        QPushButton *type = panel->rows().at(0)->buttons().at(1);
        QCOMPARE(type->objectName(), QStringLiteral("rowType"));
        ProgramDriver::click(program.display(), centreOf(type), Button1);
        QVERIFY2(target.waitForText(greeting), qPrintable(target.text()));
        QTRY_VERIFY(store->phrases().at(0).lastUsed > 0);
    }

    void copySetsTheClipboard()
    {
        QPushButton *copy = panel->rows().at(1)->buttons().at(0);
        QCOMPARE(copy->objectName(), QStringLiteral("rowAction"));
        ProgramDriver::click(program.display(), centreOf(copy), Button1);
        QTRY_COMPARE_WITH_TIMEOUT(target.clipboard(), QStringLiteral("1 Main Street"), 5000);
        // The row said so (the note may be gone again by now).
        const QLabel *note = panel->rows().at(1)->note();
        QVERIFY(note);
        QCOMPARE(note->toolTip(), QStringLiteral("Copied"));
    }

    // Paused, a real click on Type puts nothing into the editor, and the row
    // says why.
    void pausedTypeSaysWhy()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        QTRY_COMPARE_WITH_TIMEOUT(panel->lastExternalWindow(), target.window(), 5000);
        ProgramDriver::click(program.display(), centreOf(panel->pauseButton()), Button1);
        QTRY_VERIFY_WITH_TIMEOUT(window->dispatcher()->paused(), 5000);
        QPushButton *type = panel->rows().at(0)->buttons().at(1);
        QVERIFY(type->property("paused").toBool());
        ProgramDriver::click(program.display(), centreOf(type), Button1);
        QTRY_VERIFY_WITH_TIMEOUT(panel->rows().at(0)->note(), 5000);
        QCOMPARE(panel->rows().at(0)->note()->toolTip(), FloatingPanel::pausedTypeText());
        QTest::qWait(300);
        QCOMPARE(target.text(), QString());
        ProgramDriver::click(program.display(), centreOf(panel->pauseButton()), Button1);
        QTRY_VERIFY_WITH_TIMEOUT(!window->dispatcher()->paused(), 5000);
    }

    // The popup of a window that takes no focus still takes clicks, and a
    // click outside closes it.
    void settingsPopupTakesClicks()
    {
        ProgramDriver::click(program.display(), centreOf(panel->settingsButton()), Button1);
        QTRY_VERIFY_WITH_TIMEOUT(panel->settingsPopup()->isVisible(), 5000);
        QTest::qWait(200);
        ProgramDriver::click(program.display(), centreOf(panel->settingsPopup()->linesButton(1)),
                             Button1);
        QTRY_COMPARE_WITH_TIMEOUT(panel->textLines(), 1, 5000);
        QCOMPARE(store->settings().floatingPanelTextLines, 1);
        QCOMPARE(panel->rows().at(0)->buttons().at(0)->height(), 22);
        ProgramDriver::click(program.display(), centreOf(panel->pauseButton()) + QPoint(0, 200),
                             Button1);
        QTRY_VERIFY_WITH_TIMEOUT(!panel->settingsPopup()->isVisible(), 5000);
        QVERIFY(!panel->settingsButton()->isChecked());
        QVERIFY(
            !window->dispatcher()->paused()); // the closing click is the popup's, not the button's
    }

    void keptOutOfTheTaskBar()
    {
        // A tool window: the window manager lists it nowhere.
        Display *d = program.display();
        const Window w = Window(panel->winId());
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        QVERIFY(XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), 0, 16, False,
                                   XA_ATOM, &type, &format, &count, &after, &data) == Success);
        bool utility = false;
        for (unsigned long i = 0; i < count; ++i)
            utility |= reinterpret_cast<Atom *>(data)[i] ==
                       XInternAtom(d, "_NET_WM_WINDOW_TYPE_UTILITY", False);
        if (data)
            XFree(data);
        QVERIFY(utility);
        QVERIFY(hasState(w, "_NET_WM_STATE_SKIP_TASKBAR"));
    }

    void dragThenExitThenRestart()
    {
        window.reset(); // one panel on the screen: the program's
        const QJsonArray phrases{
            ScrivletProcess::phrase(QStringLiteral("greeting"), greeting, 0, 0)};
        QVERIFY(program.writeDataFile(phrases,
                                      QJsonObject{{QStringLiteral("startMinimized"), true},
                                                  {QStringLiteral("showFloatingPanel"), true}}));
        QVERIFY(program.start());
        QRect before;
        QVERIFY(
            ProgramDriver::waitUntil([&] { return !(before = panelWindow()).isNull(); }, 10000));
        QCOMPARE(before.size(), QSize(320, 420));

        // Pressed on the header, away from the buttons and the edges.
        Display *d = program.display();
        const QPoint from = before.topLeft() + QPoint(60, 20);
        const QPoint shift(-400, 100);
        XTestFakeMotionEvent(d, -1, from.x(), from.y(), CurrentTime);
        XSync(d, False);
        QTest::qWait(150);
        XTestFakeButtonEvent(d, Button1, True, CurrentTime);
        XSync(d, False);
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = from + shift * step / 10;
            XTestFakeMotionEvent(d, -1, at.x(), at.y(), CurrentTime);
            XSync(d, False);
            QTest::qWait(30);
        }
        XTestFakeButtonEvent(d, Button1, False, CurrentTime);
        XSync(d, False);
        const QPoint expected = before.topLeft() + shift;
        QVERIFY2(
            ProgramDriver::waitUntil([&] { return panelWindow().topLeft() == expected; }, 5000),
            qPrintable(QStringLiteral("panel at %1,%2, expected %3,%4")
                           .arg(panelWindow().x())
                           .arg(panelWindow().y())
                           .arg(expected.x())
                           .arg(expected.y())));

        QVERIFY(program.terminate()); // runs Exit
        const QJsonObject stored = ProgramDriver::storedSettings(program.dataFile());
        QCOMPARE(stored.value(QStringLiteral("floatingPanelX")).toInt(), expected.x());
        QCOMPARE(stored.value(QStringLiteral("floatingPanelY")).toInt(), expected.y());
        QVERIFY(stored.value(QStringLiteral("showFloatingPanel")).toBool());

        QVERIFY(program.start());
        QRect again;
        QVERIFY(ProgramDriver::waitUntil([&] { return !(again = panelWindow()).isNull(); }, 10000));
        QVERIFY(
            ProgramDriver::waitUntil([&] { return panelWindow().topLeft() == expected; }, 5000));
        QCOMPARE(panelWindow().size(), QSize(320, 420));
        program.kill();
    }

private:
    // The program's panel: its viewable window of at least the panel's
    // smallest size (the tray icon is far smaller, the main window hidden).
    QRect panelWindow()
    {
        if (!program.process())
            return QRect();
        QVector<QPair<Window, QRect>> windows;
        ProgramDriver::windowsOf(program.display(), DefaultRootWindow(program.display()),
                                 long(program.process()->processId()), &windows);
        for (const auto &w : windows) {
            if (w.second.width() >= 168 && w.second.height() >= 108)
                return w.second;
        }
        return QRect();
    }

    bool hasState(Window w, const char *state)
    {
        Display *d = program.display();
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_STATE", False), 0, 32, False, XA_ATOM,
                               &type, &format, &count, &after, &data) != Success)
            return false;
        bool found = false;
        for (unsigned long i = 0; i < count; ++i)
            found |= reinterpret_cast<Atom *>(data)[i] == XInternAtom(d, state, False);
        if (data)
            XFree(data);
        return found;
    }

    X11Session *session;
    TextTarget target;
    ScrivletProcess program;
    QTemporaryDir local;
    QTranslator translator;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<MainWindow> window;
    FloatingPanel *panel = nullptr;
};

SCRIVLET_X11_TEST_MAIN(X11PanelTest)
#include "tst_x11panel.moc"
