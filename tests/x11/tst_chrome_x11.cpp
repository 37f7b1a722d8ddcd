// Themed dialogs on a real X server with a window manager: what they look like
// in both themes, and that their title bar and edges move and resize them.
// The test brings its own Xvfb and icewm (with a private HOME) and ends both.

#include "theme/dialogtitlebar.h"
#include "theme/maintitlebar.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"
#include "theme/themeddialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Child processes of the test: ended with SIGTERM in reverse order, and told
// to end with the test should it die first.
struct Helpers
{
    pid_t xvfb = -1;
    pid_t wm = -1;
    std::string home;

    ~Helpers()
    {
        for (pid_t pid : {wm, xvfb}) {
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
        }
        if (!home.empty())
            QDir(QString::fromStdString(home)).removeRecursively();
    }
};

pid_t spawn(const std::vector<std::string> &argv, int keepFd = -1)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    if (keepFd < 0) {
        freopen("/dev/null", "w", stdout);
    }
    freopen("/dev/null", "w", stderr);
    execvp(args[0], args.data());
    _exit(127);
}

bool startDisplay(Helpers &helpers)
{
    char dir[] = "/tmp/scrivlet-chrome-XXXXXX";
    if (!mkdtemp(dir))
        return false;
    helpers.home = dir;

    int fds[2];
    if (pipe(fds) != 0)
        return false;
    helpers.xvfb = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                          "1280x800x24", "-nolisten", "tcp"},
                         fds[1]);
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        return false;
    const std::string display = ":" + number;
    setenv("DISPLAY", display.c_str(), 1);
    setenv("HOME", dir, 1);
    setenv("XDG_CONFIG_HOME", (helpers.home + "/.config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir, 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("QT_SCALE_FACTOR");

    // icewm without a task bar, so the screen is the dialog's alone.
    QDir().mkpath(QString::fromStdString(helpers.home + "/.icewm"));
    if (FILE *f = fopen((helpers.home + "/.icewm/preferences").c_str(), "w")) {
        fputs("ShowTaskBar=0\nTaskBarAutoHide=0\nDesktopBackgroundColor=\"rgb:60/60/60\"\n", f);
        fclose(f);
    }
    helpers.wm = spawn({"icewm", "--replace"});

    // The manager is up once it has announced itself on the root window.
    for (int i = 0; i < 100; ++i) {
        if (system("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'") == 0)
            return true;
        usleep(100 * 1000);
    }
    return false;
}

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

int main(int argc, char **argv)
{
    Helpers helpers;
    if (!startDisplay(helpers)) {
        fprintf(stderr, "could not start Xvfb and icewm\n");
        return 1;
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        TestChromeX11 test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_chrome_x11.moc"
