// The clipboard road into the programs people paste into most: from the
// release of the shortcut's last key until the target holds the whole text,
// for Chromium, Firefox ESR, a GTK 3 text view, a Tk text and a Qt editor,
// three lines and 60 distinct CJK characters, 20 runs each at rest and with
// both cores busy: median, worst, and the share that arrived whole. The real
// program in a private X session. Prints figures; asserts nothing.
//
//   bench_pastetargets [target...]   (chromium firefox gtk tk qt; default all)

#include "benchrow.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int runs = 20;

QString cjk60()
{
    QString out;
    for (int i = 0; i < 60; ++i)
        out += QChar(0x4E00 + 11 * i);
    return out;
}

struct Target
{
    const char *id;
    QString program;
    QStringList arguments;
    QString needs;
};

QVector<Target> targets()
{
    const QString python = QStringLiteral("/usr/bin/python3");
    const auto script = [](const char *f) { return X11Session::programPath(QString::fromLatin1(f)); };
    return {
        {"chromium", python, {script("browsertarget.py"), QStringLiteral("chromium")},
         QStringLiteral("chromium")},
        {"firefox", python, {script("browsertarget.py"), QStringLiteral("firefox")},
         QStringLiteral("firefox-esr")},
        {"gtk", python, {script("gtktarget.py")}, python},
        {"tk", python, {script("tktarget.py")}, python},
        {"qt", QString(), {}, QString()},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    X11Session session;
    QString error;
    if (!session.start(&error)) {
        fprintf(stderr, "cannot start the X session: %s\n", qPrintable(error));
        return 1;
    }
    {
        QApplication app(argc, argv);
        ScrivletProcess program(&session);
        const QString lines = QStringLiteral("first line\nsecond line\nthird line");
        if (!program.writeDataFile(
                QJsonArray{ScrivletProcess::phrase(QStringLiteral("lines"), lines, 3, 0x33),
                           ScrivletProcess::phrase(QStringLiteral("cjk"), cjk60(), 3, 0x34)},
                {{QStringLiteral("startMinimized"), true}}) ||
            !program.start() || !program.waitUntilHolding(XK_3, ControlMask | Mod1Mask)) {
            fprintf(stderr, "the program did not start\n");
            return 1;
        }
        Display *d = program.display();
        const QStringList only = app.arguments().mid(1);
        printf("Clipboard road, from the release of the shortcut's last key to the whole text, "
               "%d runs, ms:\n",
               runs);
        printf("%-10s %-10s %-8s %8s %8s %8s\n", "target", "text", "machine", "median", "worst",
               "intact");
        for (const Target &t : targets()) {
            if (!only.isEmpty() && !only.contains(QLatin1String(t.id)))
                continue;
            if (!t.needs.isEmpty() && QStandardPaths::findExecutable(t.needs).isEmpty() &&
                !QFileInfo::exists(t.needs)) {
                printf("%-10s not installed\n", t.id);
                continue;
            }
            TextTarget target(&session);
            if (!t.program.isEmpty())
                target.setProgram(t.program, t.arguments);
            if (!target.start(60000)) {
                fprintf(stderr, "%s did not start\n", t.id);
                continue;
            }
            for (const bool loaded : {false, true}) {
                if (loaded)
                    session.startCpuLoad(2, 120);
                for (const auto &p : {qMakePair(QStringLiteral("lines"), lines),
                                      qMakePair(QStringLiteral("cjk"), cjk60())}) {
                    std::vector<double> times;
                    int intact = 0;
                    for (int run = 0; run < runs; ++run) {
                        target.clear();
                        target.activate();
                        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
                        const KeyCode alt = XKeysymToKeycode(d, XK_Alt_L);
                        const KeyCode key =
                            XKeysymToKeycode(d, p.first == QLatin1String("lines") ? XK_3 : XK_4);
                        for (KeyCode k : {ctrl, alt, key})
                            XTestFakeKeyEvent(d, k, True, CurrentTime);
                        XSync(d, False);
                        QTest::qWait(50);
                        for (KeyCode k : {key, alt, ctrl})
                            XTestFakeKeyEvent(d, k, False, CurrentTime);
                        XSync(d, False);
                        QElapsedTimer clock;
                        clock.start();
                        if (target.waitForText(p.second, 5000)) {
                            times.push_back(clock.nsecsElapsed() / 1e6);
                            // Whole, and nothing after it.
                            QTest::qWait(300);
                            if (target.fetchText() == p.second)
                                ++intact;
                        }
                        QTest::qWait(200); // the restore of the user's clipboard
                    }
                    std::vector<double> sorted = times;
                    std::sort(sorted.begin(), sorted.end());
                    printf("%-10s %-10s %-8s %8.1f %8.1f %5d/%d\n", t.id, qPrintable(p.first),
                           loaded ? "busy" : "at rest",
                           sorted.empty() ? 0.0 : sorted[sorted.size() / 2],
                           sorted.empty() ? 0.0 : sorted.back(), intact, runs);
                    fflush(stdout);
                    BenchRow::print(qPrintable(QStringLiteral("paste-%1-%2-%3")
                                                   .arg(QLatin1String(t.id), p.first,
                                                        loaded ? QStringLiteral("busy")
                                                               : QStringLiteral("rest"))),
                                    times);
                }
                if (loaded)
                    session.stopCpuLoad();
            }
        }
        program.kill();
    }
    session.stop();
    return 0;
}
