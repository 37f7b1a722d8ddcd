// Prints start-up figures of the real program in a private X session with a
// window manager that has a tray, a session bus and the accessibility bus, as
// a desktop has them:
// the time from process start until its event loop runs with the window built
// and every shortcut registered, and its resident memory then, for growing
// phrase lists, with the window open and started into the tray; when a
// shortcut pressed every 160 ms from the spawn is first served; then the time
// of one table fill over 10,000 phrases, whole and filtered by a one-letter
// search. Medians of several runs.

#include "benchrow.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const latinWords[] = {"thanks",   "regards", "meeting", "please",   "find",
                                  "attached", "the",     "report",  "tomorrow", "address",
                                  "invoice",  "call",    "best",    "kind",     "order"};
const char16_t cjk[] = u"您好感谢来信请查收附件会议时间明天地址发票电话订单号码谢谢";

QString words(QRandomGenerator &rng, int count)
{
    QString s;
    for (int i = 0; i < count; ++i)
        s += (i ? QStringLiteral(" ") : QString()) +
             QLatin1String(latinWords[rng.bounded(int(std::size(latinWords)))]);
    return s;
}

// Mostly short lines, a fifth Chinese, a fifth templates, a few paragraphs;
// a quarter with a shortcut (or one in shortcutEvery), a tenth disabled.
Phrase makePhrase(QRandomGenerator &rng, int i, int shortcutEvery = 4)
{
    Phrase p;
    p.id = Phrase::newId();
    const int kind = rng.bounded(100);
    if (kind < 55) {
        p.text = words(rng, 2 + rng.bounded(10));
    } else if (kind < 75) {
        for (int c = 6 + rng.bounded(40); c > 0; --c)
            p.text += QChar(cjk[rng.bounded(int(std::size(cjk)) - 1)]);
    } else if (kind < 95) {
        for (int l = 3 + rng.bounded(8); l > 0; --l)
            p.text += words(rng, 3 + rng.bounded(12)) + QLatin1Char('\n');
    } else {
        p.text = words(rng, 150 + rng.bounded(250));
    }
    p.text += QString::number(i);
    p.name = rng.bounded(3) ? words(rng, 1 + rng.bounded(3)) : QString();
    if (rng.bounded(shortcutEvery) == 0) {
        p.vk = 0x41 + rng.bounded(26);
        p.mods = 1 + rng.bounded(7); // Alt, Ctrl, Shift: the window manager keeps Win
    }
    p.enabled = rng.bounded(10) != 0;
    return p;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// VmRSS, or with anonymous = true only the process's own memory (RssAnon),
// without the shared libraries' pages.
double residentMiB(qint64 pid, bool anonymous = false)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(anonymous ? "RssAnon:" : "VmRSS:"))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble() /
                   1024.0;
    return -1;
}

// The program built beside the benchmark, or another build of it named in
// SCRIVLET_BENCH_PROGRAM (an earlier version, for figures side by side).
QString programPath()
{
    const QString other = qEnvironmentVariable("SCRIVLET_BENCH_PROGRAM");
    return other.isEmpty() ? QStringLiteral(SCRIVLET_EXE) : other;
}

// Milliseconds the process's main thread has run so far: unlike the time
// from the spawn, hardly changed by other programs busy on the machine.
double mainThreadCpuMs(qint64 pid)
{
    QFile schedstat(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!schedstat.open(QIODevice::ReadOnly))
        return -1;
    return schedstat.readAll().split(' ').value(0).toDouble() / 1e6;
}

// One start: milliseconds until "idle", resident memory then.
bool startOnce(const QProcessEnvironment &env, double *ms, double *mib, double *anon)
{
    QProcess program;
    program.setProcessEnvironment(env);
    // The trace comes on stderr: waiting on stdout would only wake at each
    // time-out and round every figure up to the next 50 ms.
    program.setReadChannel(QProcess::StandardError);
    QElapsedTimer timer;
    timer.start();
    program.start(programPath(), QStringList());
    if (!program.waitForStarted(5000))
        return false;
    QByteArray err;
    while (!err.contains("idle\n") && timer.elapsed() < 20000) {
        program.waitForReadyRead(50);
        err += program.readAllStandardError();
    }
    *ms = timer.nsecsElapsed() / 1e6;
    QThread::msleep(300); // let the first paint settle before reading memory
    *mib = residentMiB(program.processId());
    *anon = residentMiB(program.processId(), true);
    program.kill();
    program.waitForFinished(5000);
    return err.contains("idle\n");
}

// Milliseconds from the spawn to each trace line the program wrote, by line.
struct Trace
{
    QHash<QByteArray, double> at;
    QByteArray pending;
    void take(QProcess &program, const QElapsedTimer &timer)
    {
        pending += program.readAllStandardError();
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(nl);
            pending.remove(0, nl + 1);
            if (!at.contains(line))
                at.insert(line, timer.nsecsElapsed() / 1e6);
        }
    }
    double operator[](const char *line) const { return at.value(line, -1); }
};

// Writes the list: `count` phrases, one in shortcutEvery with a shortcut of
// A-Z, and the one served by the press below (Ctrl+Alt+1, "served").
// The generated list of `count` phrases (the same every time), in English,
// started into the tray or not.
void fillList(PhraseStore &store, int count, int shortcutEvery, bool inTray)
{
    store.settings().importedV3 = true;
    store.settings().language = QStringLiteral("en");
    store.settings().startMinimized = inTray;
    QRandomGenerator phraseRng(count);
    for (int i = 0; i < count; ++i)
        store.phrases() << makePhrase(phraseRng, i, shortcutEvery);
}

// Empties the data folder: a save merges what the file on disk holds, so a
// list written over the last one would hold both.
bool emptyFolder(const QString &folder)
{
    return QDir(folder).removeRecursively() && QDir().mkpath(folder);
}

bool writeList(const QString &folder, int count, int shortcutEvery, bool inTray)
{
    if (!emptyFolder(folder))
        return false;
    PhraseStore store(folder);
    fillList(store, count, shortcutEvery, inTray);
    Phrase served;
    served.id = Phrase::newId();
    served.text = QStringLiteral("served");
    served.mods = 3; // Ctrl+Alt
    served.vk = 0x31;
    store.phrases() << served;
    return store.save() && store.phrases().size() == count + 1;
}

struct PressRun
{
    double pressed = -1; // the press that was served, from the spawn
    double landed = -1;  // its text complete in the target
    double registered = -1, idle = -1;
};

// Ctrl+Alt+1 down, held 40 ms, up, every 160 ms from `phase` ms after the
// spawn, until the target holds the phrase's text.
bool firstServedPress(const QProcessEnvironment &env, Display *display, TextTarget &target,
                      int phase, PressRun *run)
{
    if (!target.activate() || !target.clear())
        return false;
    const KeyCode ctrl = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
    const KeyCode one = XKeysymToKeycode(display, XK_1);
    QProcess program;
    program.setProcessEnvironment(env);
    Trace trace;
    QElapsedTimer timer;
    QObject::connect(&program, &QProcess::readyReadStandardError,
                     [&] { trace.take(program, timer); });
    QVector<double> presses;
    timer.start();
    program.start(programPath(), QStringList());
    double next = phase;
    bool down = false;
    while (timer.elapsed() < 10000 && !target.text().contains(QLatin1String("served"))) {
        const double now = timer.nsecsElapsed() / 1e6;
        if (!down && now >= next) {
            presses << now;
            XTestFakeKeyEvent(display, ctrl, True, CurrentTime);
            XTestFakeKeyEvent(display, alt, True, CurrentTime);
            XTestFakeKeyEvent(display, one, True, CurrentTime);
            XFlush(display);
            down = true;
        } else if (down && now >= next + 40) {
            XTestFakeKeyEvent(display, one, False, CurrentTime);
            XTestFakeKeyEvent(display, alt, False, CurrentTime);
            XTestFakeKeyEvent(display, ctrl, False, CurrentTime);
            XFlush(display);
            down = false;
            next += 160;
        }
        // Wakes at the target's report or within 5 ms, for the next key.
        target.takeChanges();
        target.waitForChange(0);
    }
    run->landed = timer.nsecsElapsed() / 1e6;
    if (down) {
        XTestFakeKeyEvent(display, one, False, CurrentTime);
        XTestFakeKeyEvent(display, alt, False, CurrentTime);
        XTestFakeKeyEvent(display, ctrl, False, CurrentTime);
        XFlush(display);
    }
    QTest::qWait(50);
    trace.take(program, timer);
    program.kill();
    program.waitForFinished(5000);
    if (!target.text().contains(QLatin1String("served")) || presses.isEmpty()) {
        std::fprintf(stderr, "the editor holds \"%s\" (fetched \"%s\"); the program said:\n%s\n",
                     qPrintable(target.text()), qPrintable(target.fetchText()),
                     QByteArrayList(trace.at.keys()).join('\n').constData());
        return false;
    }
    // The text lands a few milliseconds after its press: the last press
    // before it is the one served.
    for (double p : qAsConst(presses))
        if (p <= run->landed)
            run->pressed = p;
    run->registered = trace["shortcuts registered"];
    run->idle = trace["idle"];
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    X11Session session;
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "cannot start the X session: %s\n", qPrintable(error));
        return 1;
    }
    if (!session.startSessionBus()) {
        std::fprintf(stderr, "cannot start the session bus\n");
        return 1;
    }
    QApplication app(argc, argv);
    // Desktop sessions start the accessibility bus at login (its autostart
    // entry), and every Qt program on the display then has its accessibility
    // bridge on, screen reader or not.
    QProcess a11yBus;
    a11yBus.setStandardOutputFile(QProcess::nullDevice());
    a11yBus.start(QStringLiteral("dbus-send"),
                  {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                   QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                   QStringLiteral("org.a11y.Bus.GetAddress")});
    if (!a11yBus.waitForFinished(5000) || a11yBus.exitCode() != 0)
        std::fprintf(stderr, "no accessibility bus: the figures are those of a bare session\n");
    QRandomGenerator rng(7);
    QProcessEnvironment env = session.environment();
    env.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
    const QString folder =
        env.value(QStringLiteral("XDG_DATA_HOME")) + QStringLiteral("/Vantok/Scrivlet");
    QDir().mkpath(folder);

    // Phrase counts may be given on the command line; "press" alone runs
    // only the first served press and the list of 10,000 with 300 shortcuts.
    std::vector<int> counts;
    const bool pressOnly = app.arguments().value(1) == QLatin1String("press");
    for (const QString &arg : app.arguments().mid(1))
        if (!pressOnly)
            counts.push_back(arg.toInt());
    if (counts.empty() && !pressOnly)
        counts = {0, 1000, 10000, 100000};

    // With the window open, as a first start shows it; then started into the
    // tray, where the program spends its days.
    for (const bool inTray : {false, true}) {
        std::printf("%s\nphrases  start-up to idle  resident  of it anonymous\n",
                    inTray ? "started into the tray:" : "window open:");
        for (int count : counts) {
            if (inTray && count >= 100000)
                continue;
            if (!emptyFolder(folder))
                return 1;
            PhraseStore store(folder);
            fillList(store, count, 4, inTray);
            if (!store.save() || store.phrases().size() != count)
                return 1;
            std::vector<double> times, sizes, anons;
            for (int run = 0; run < (count >= 100000 ? 3 : 7); ++run) {
                double ms = 0, mib = 0, anon = 0;
                if (!startOnce(env, &ms, &mib, &anon)) {
                    std::fprintf(stderr, "the program did not reach idle\n");
                    return 1;
                }
                times.push_back(ms);
                sizes.push_back(mib);
                anons.push_back(anon);
            }
            std::printf("%7d  %13.0f ms  %5.1f MiB  %5.1f MiB\n", count, median(times),
                        median(sizes), median(anons));
            const QString suffix = QString::number(count);
            if (inTray) {
                BenchRow::print(qPrintable(QStringLiteral("rss-tray-") + suffix), sizes, "MiB");
            } else {
                BenchRow::print(qPrintable(QStringLiteral("startup-") + suffix), times);
                BenchRow::print(qPrintable(QStringLiteral("rss-") + suffix), sizes, "MiB");
            }
        }
    }

    // A shortcut pressed every 160 ms from the spawn, into an editor of
    // another program, with the program started into the tray as a desktop
    // session starts it; the phase of the presses moves by 20 ms a run, so
    // the median is not one lucky alignment. Then the same with 10,000
    // phrases, 300 of them with shortcuts.
    {
        TextTarget target(&session);
        Display *display = XOpenDisplay(nullptr);
        if (!display || !target.start()) {
            std::fprintf(stderr, "the target did not start\n");
            return 1;
        }
        for (const int count : {0, 10000}) {
            if (!writeList(folder, count, 33, true))
                return 1;
            std::vector<double> pressed, landed, registered, idle;
            for (int phase = 0; phase < 160; phase += 20) {
                PressRun run;
                if (!firstServedPress(env, display, target, phase, &run)) {
                    std::fprintf(stderr, "no press was served\n");
                    return 1;
                }
                pressed.push_back(run.pressed);
                landed.push_back(run.landed);
                registered.push_back(run.registered);
                idle.push_back(run.idle);
            }
            std::printf("shortcut pressed every 160 ms from the spawn, %d phrases: first served "
                        "press %.0f ms (%.0f-%.0f), its text in the editor %.0f ms; shortcuts "
                        "registered %.0f ms, idle %.0f ms (medians)\n",
                        count, median(pressed), *std::min_element(pressed.begin(), pressed.end()),
                        *std::max_element(pressed.begin(), pressed.end()), median(landed),
                        median(registered), median(idle));
            const QString suffix = QString::number(count);
            BenchRow::print(qPrintable(QStringLiteral("first-press-") + suffix), pressed);
            BenchRow::print(qPrintable(QStringLiteral("shortcuts-live-") + suffix), registered);
        }
        XCloseDisplay(display);
    }

    // 10,000 phrases, 300 with shortcuts: the window shown (a first start
    // shows it), or idle in the tray, and the resident memory then.
    for (const bool inTray : {false, true}) {
        if (!writeList(folder, 10000, 33, inTray))
            return 1;
        std::vector<double> times, sizes, cpuToIdle, cpuSettled;
        for (int run = 0; run < 7; ++run) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.setReadChannel(QProcess::StandardError);
            Trace trace;
            QElapsedTimer timer;
            timer.start();
            program.start(programPath(), QStringList());
            while (trace["idle"] < 0 && timer.elapsed() < 20000) {
                program.waitForReadyRead(5);
                trace.take(program, timer);
            }
            cpuToIdle.push_back(mainThreadCpuMs(program.processId()));
            QThread::msleep(300);
            cpuSettled.push_back(mainThreadCpuMs(program.processId()));
            times.push_back(inTray ? trace["idle"] : trace["window shown"]);
            sizes.push_back(residentMiB(program.processId()));
            program.kill();
            program.waitForFinished(5000);
            if (times.back() < 0) {
                std::fprintf(stderr, "the program did not reach idle\n");
                return 1;
            }
        }
        std::printf("10,000 phrases, 300 with shortcuts, %s: %.0f ms, resident %.1f MiB; main "
                    "thread on the processor %.0f ms to idle, %.0f ms to 300 ms after\n",
                    inTray ? "idle in the tray" : "window shown", median(times), median(sizes),
                    median(cpuToIdle), median(cpuSettled));
        BenchRow::print(inTray ? "tray-cpu-10000-300" : "window-cpu-10000-300", cpuSettled);
        BenchRow::print(inTray ? "tray-idle-10000-300" : "window-shown-10000-300", times);
        BenchRow::print(inTray ? "rss-tray-10000-300" : "rss-10000-300", sizes, "MiB");
    }
    if (pressOnly)
        return 0;

    // The table fill, in this process.
    QTemporaryDir dir;
    PhraseStore store(dir.path());
    store.setLegacyFilePath(dir.filePath(QStringLiteral("none")));
    store.settings().importedV3 = true;
    for (int i = 0; i < 10000; ++i)
        store.phrases() << makePhrase(rng, i);
    // With the accessibility bridge on (as on a desktop), a shown table makes
    // every row's items for a screen reader: these figures include that.
    QTranslator translator;
    MainWindow window(&store, &translator, nullptr);
    window.show();
    QApplication::processEvents();
    for (const QString &query : {QString(), QStringLiteral("a")}) {
        window.searchBox()->blockSignals(true);
        window.searchBox()->setText(query);
        window.searchBox()->blockSignals(false);
        std::vector<double> times;
        for (int run = 0; run < 9; ++run) {
            QElapsedTimer timer;
            timer.start();
            window.refreshTable();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("refreshTable, 10,000 phrases, search \"%s\": %.1f ms (%d rows)\n",
                    qPrintable(query), median(times), window.table()->rowCount());
        if (query.isEmpty())
            BenchRow::print("refresh-10000", times);
        // A keystroke in the search box: the list is as it was.
        times.clear();
        for (int run = 0; run < 9; ++run) {
            QElapsedTimer timer;
            timer.start();
            window.filterTable(query);
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("filterTable, 10,000 phrases, search \"%s\": %.1f ms (%d rows)\n",
                    qPrintable(query), median(times), window.table()->rowCount());
    }
    return 0;
}
