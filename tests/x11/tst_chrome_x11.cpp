// Themed dialogs on a real X server with a window manager: what they look like
// in both themes, that their title bar and edges move and resize them, and
// that the program's dialogs belong to their window (no task bar entry of
// their own).
// The session harness provides the X server, icewm and a private HOME.

#include "dialogs/phrasedialog.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"
#include "theme/dialogchrome.h"
#include "theme/dialogtitlebar.h"
#include "theme/maintitlebar.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"
#include "theme/themeddialog.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>

namespace {

QString artefactDir()
{
    const QString dir = QString::fromUtf8(SCRIVLET_ARTEFACT_DIR);
    QDir().mkpath(dir);
    return dir;
}

void xdotool(const QString &args)
{
    const QByteArray command = "xdotool " + args.toUtf8();
    QVERIFY2(system(command.constData()) == 0, command.constData());
}

// Drags with the left button in small steps, as a hand would.
void drag(const QPoint &from, const QPoint &to)
{
    xdotool(QStringLiteral("mousemove %1 %2").arg(from.x()).arg(from.y()));
    QTest::qWait(150);
    xdotool(QStringLiteral("mousedown 1"));
    QTest::qWait(150);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        xdotool(QStringLiteral("mousemove %1 %2").arg(p.x()).arg(p.y()));
        QTest::qWait(40);
    }
    QTest::qWait(150);
    xdotool(QStringLiteral("mouseup 1"));
    QTest::qWait(300);
}

// What the window manager is told about a window: its owner and whether it
// skips the task bar. Read on a connection of the test's own.
struct WindowFacts
{
    unsigned long transientFor = 0;
    bool skipsTaskbar = false;
};

WindowFacts windowFacts(WId window)
{
    WindowFacts facts;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return facts;
    Window owner = 0;
    if (XGetTransientForHint(display, Window(window), &owner))
        facts.transientFor = owner;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom skip = XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, Window(window), state, 0, 64, False, XA_ATOM, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (format == 32) {
            const auto *atoms = reinterpret_cast<const Atom *>(data);
            for (unsigned long i = 0; i < count; ++i)
                facts.skipsTaskbar = facts.skipsTaskbar || atoms[i] == skip;
        }
        XFree(data);
    }
    XCloseDisplay(display);
    return facts;
}

// A dialog with the controls the program's dialogs use.
class SampleDialog final : public ThemedDialog
{
public:
    explicit SampleDialog(bool withAction)
    {
        setWindowTitle(QStringLiteral("Edit phrase"));
        if (withAction)
            addTitleBarAction();
        auto *name = new QLabel(QStringLiteral("Name"), this);
        auto *edit = new QLineEdit(QStringLiteral("Greeting"), this);
        auto *order = new QComboBox(this);
        order->addItems({QStringLiteral("Most recently used"), QStringLiteral("Name")});
        auto *hint = new QLabel(QStringLiteral("Leave the name empty to show the text."), this);
        hint->setObjectName(QStringLiteral("hint"));
        auto *enabled = new QCheckBox(QStringLiteral("Enabled"), this);
        enabled->setChecked(true);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("primary"));
        buttons->addWidget(ok);
        buttons->addWidget(new QPushButton(QStringLiteral("Cancel"), this));
        bodyLayout->addWidget(name);
        bodyLayout->addWidget(edit);
        bodyLayout->addWidget(order);
        bodyLayout->addWidget(hint);
        bodyLayout->addWidget(enabled);
        bodyLayout->addStretch();
        bodyLayout->addLayout(buttons);
        resize(440, 300);
    }
};

void applyApplicationTheme(int theme)
{
    Theme::applyToApplication(theme);
}

} // namespace

class TestChromeX11 final : public QObject
{
    Q_OBJECT

public:
    // Needs nothing of the session beyond the display it has already set up.
    explicit TestChromeX11(X11Session *) {}

private slots:
    void initTestCase();
    void screenshots_data();
    void screenshots();
    void mainTitleBarScreenshots_data();
    void mainTitleBarScreenshots();
    void titleBarDragMovesTheDialog();
    void doubleClickOnMainTitleBar();
    void edgeDragResizesTheDialog_data();
    void edgeDragResizesTheDialog();
    void dialogsBelongToTheirWindow_data();
    void dialogsBelongToTheirWindow();
};

void TestChromeX11::initTestCase()
{
    QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/Scrivlet.ico")));
}

void TestChromeX11::screenshots_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("withAction");
    QTest::newRow("teal") << Theme::Teal << false;
    QTest::newRow("classic") << Theme::Classic << false;
    QTest::newRow("teal-action") << Theme::Teal << true;
    QTest::newRow("classic-action") << Theme::Classic << true;
}

void TestChromeX11::screenshots()
{
    QFETCH(int, theme);
    QFETCH(bool, withAction);
    applyApplicationTheme(theme);
    SampleDialog dialog(withAction);
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(400);

    const QRect frame = dialog.frameGeometry().adjusted(-12, -12, 12, 12);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(
        0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString file =
        artefactDir() +
        QStringLiteral("/themed-dialog-%1.png").arg(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(shot.save(file));

    // The title bar is painted in the theme: teal, or light grey for Classic.
    const QImage image = shot.toImage();
    const QPoint inTitle = dialog.dialogTitleBar()->geometry().topLeft() + QPoint(200, 4) +
                           dialog.geometry().topLeft() - frame.topLeft();
    const QColor expected =
        Theme::isTeal(theme) ? QColor(0x0f, 0x6e, 0x6b) : QColor(0xf0, 0xf0, 0xf0);
    QCOMPARE(QColor(image.pixel(inTitle)).name(), expected.name());
    // No native frame: the window starts where the manager put it, unframed.
    QCOMPARE(dialog.frameGeometry(), dialog.geometry());
}

void TestChromeX11::mainTitleBarScreenshots_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("teal") << Theme::Teal << false;
    QTest::newRow("classic") << Theme::Classic << false;
    QTest::newRow("teal-maximized") << Theme::Teal << true;
}

void TestChromeX11::mainTitleBarScreenshots()
{
    QFETCH(int, theme);
    QFETCH(bool, maximized);
    applyApplicationTheme(theme);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    auto *bar = new MainTitleBar(&window);
    bar->setTitleText(QStringLiteral("Zem Scrivlet"));
    bar->setTitleIcon(QApplication::windowIcon());
    bar->applyTheme(theme);
    bar->setMaximizedState(maximized);
    bar->setGeometry(0, 0, 560, 36);
    window.setGeometry(100, 100, 560, 36);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 100, 100, 560, 36);
    QVERIFY(shot.save(artefactDir() + QStringLiteral("/main-title-bar-%1.png")
                                          .arg(QString::fromLatin1(QTest::currentDataTag()))));
    const QColor expected = Theme::isTeal(theme) ? QColor(0x0f, 0x6e, 0x6b) : QColor(Qt::white);
    QCOMPARE(QColor(shot.toImage().pixel(300, 2)).name(), expected.name());
}

void TestChromeX11::titleBarDragMovesTheDialog()
{
    applyApplicationTheme(Theme::Teal);
    SampleDialog dialog(false);
    dialog.move(200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(300);
    const QPoint before = dialog.frameGeometry().topLeft();
    const QPoint grip = dialog.mapToGlobal(QPoint(150, 17));

    drag(grip, grip + QPoint(120, 70));
    QTRY_VERIFY2((dialog.frameGeometry().topLeft() - before - QPoint(120, 70)).manhattanLength() <=
                     6,
                 qPrintable(QStringLiteral("moved by %1,%2")
                                .arg(dialog.frameGeometry().x() - before.x())
                                .arg(dialog.frameGeometry().y() - before.y())));
    QCOMPARE(dialog.size(), QSize(440, 300));
}

void TestChromeX11::doubleClickOnMainTitleBar()
{
    // The press already hands the window to the manager; a double-click must
    // still reach the bar.
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    auto *bar = new MainTitleBar(&window);
    bar->setGeometry(0, 0, 500, 36);
    window.setGeometry(150, 150, 500, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    QSignalSpy maximize(bar, &MainTitleBar::maximizeRequested);
    const QPoint p = bar->mapToGlobal(QPoint(250, 18));
    xdotool(QStringLiteral("mousemove %1 %2").arg(p.x()).arg(p.y()));
    QTest::qWait(150);
    xdotool(QStringLiteral("click --repeat 2 --delay 80 1"));
    QTRY_COMPARE(maximize.count(), 1);
}

void TestChromeX11::edgeDragResizesTheDialog_data()
{
    QTest::addColumn<QPoint>("start"); // relative to the dialog's top-left
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QSize>("grown");
    QTest::newRow("right edge") << QPoint(437, 150) << QPoint(80, 0) << QSize(80, 0);
    QTest::newRow("bottom edge") << QPoint(220, 297) << QPoint(0, 60) << QSize(0, 60);
    QTest::newRow("bottom-right corner") << QPoint(437, 297) << QPoint(50, 40) << QSize(50, 40);
    QTest::newRow("left edge") << QPoint(2, 150) << QPoint(-60, 0) << QSize(60, 0);
}

void TestChromeX11::edgeDragResizesTheDialog()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, delta);
    QFETCH(QSize, grown);
    applyApplicationTheme(Theme::Classic);
    SampleDialog dialog(false);
    dialog.move(300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(300);
    const QSize before = dialog.size();
    const QPoint from = dialog.geometry().topLeft() + start;

    drag(from, from + delta);
    const QSize expected = before + grown;
    QTRY_VERIFY2(qAbs(dialog.width() - expected.width()) <= 4 &&
                     qAbs(dialog.height() - expected.height()) <= 4,
                 qPrintable(QStringLiteral("size %1x%2, expected %3x%4")
                                .arg(dialog.width())
                                .arg(dialog.height())
                                .arg(expected.width())
                                .arg(expected.height())));
}

void TestChromeX11::dialogsBelongToTheirWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("windowShown");
    QTest::newRow("Options") << QStringLiteral("options") << true;
    QTest::newRow("Options from the tray") << QStringLiteral("options") << false;
    QTest::newRow("a message over Add phrase") << QStringLiteral("add") << true;
    QTest::newRow("Export's file dialog") << QStringLiteral("export") << true;
}

void TestChromeX11::dialogsBelongToTheirWindow()
{
    QFETCH(QString, command);
    QFETCH(bool, windowShown);
    // As the program runs: the filter that every dialog passes through.
    DialogChrome chrome;
    qApp->installEventFilter(&chrome);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir dir;
    PhraseStore store(dir.path());
    store.settings().importedV3 = true;
    store.settings().keysNoteSeen = true;
    QTranslator translator;
    MainWindow window(&store, &translator, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (!windowShown)
        window.hide();

    // Each dialog as it comes up, with the window it belongs to, once the
    // manager has it; then closed. Add phrase is accepted without a text, so
    // that its message comes over it; once the message is answered, the
    // phrase dialog is cancelled.
    struct Seen
    {
        QPointer<QDialog> dialog;
        QString title;
        WindowFacts facts;
        WId owner = 0;
    };
    QVector<Seen> seen;
    bool messageAnswered = false;
    bool phraseCancelled = false;
    QTimer timer;
    timer.setInterval(50);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || !dialog->windowHandle() ||
            !dialog->windowHandle()->isExposed())
            return;
        const bool known = std::any_of(seen.cbegin(), seen.cend(),
                                       [dialog](const Seen &s) { return s.dialog == dialog; });
        auto *phrase = qobject_cast<PhraseDialog *>(dialog);
        if (known) {
            if (phrase && messageAnswered && !phraseCancelled) {
                phraseCancelled = true;
                QMetaObject::invokeMethod(phrase, "reject", Qt::QueuedConnection);
            }
            return;
        }
        Seen now;
        now.dialog = dialog;
        now.title = dialog->windowTitle();
        now.facts = windowFacts(dialog->winId());
        now.owner = dialog->parentWidget() ? dialog->parentWidget()->window()->winId() : 0;
        seen << now;
        if (phrase) {
            QMetaObject::invokeMethod(phrase, "accept", Qt::QueuedConnection);
        } else if (command == QLatin1String("add")) {
            messageAnswered = true;
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }
    });
    timer.start();
    if (command == QLatin1String("options"))
        window.openSettings();
    else if (command == QLatin1String("add"))
        window.addPhrase();
    else
        window.exportBackup();
    timer.stop();

    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.size(), command == QLatin1String("add") ? 2 : 1);
    for (const Seen &dialog : seen) {
        const QByteArray what = dialog.title.toUtf8();
        // Owned by the window it belongs to, and listed nowhere of its own.
        QVERIFY2(dialog.owner != 0, what.constData());
        QVERIFY2(dialog.facts.transientFor == dialog.owner, what.constData());
        QVERIFY2(dialog.facts.skipsTaskbar, what.constData());
    }
    if (command == QLatin1String("add"))
        QVERIFY(seen.at(1).owner != window.winId()); // the message's is the phrase dialog
    qApp->removeEventFilter(&chrome);
}

SCRIVLET_X11_TEST_MAIN(TestChromeX11)
#include "tst_chrome_x11.moc"
