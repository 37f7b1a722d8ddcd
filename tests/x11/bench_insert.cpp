// From a phrase shortcut to the whole text in another program, as a person
// presses it: the real program in a private X session, Ctrl+Alt+digit held
// about 80 ms and released from this process with XTest, the time taken from
// the release of the last key until the target editor (another process)
// holds the complete text. Beside it `xdotool type --delay 0` of the same
// text, and for pasted texts how long the clipboard was ours (from taking it
// to putting the user's content back, by the server's clock). For an ASCII
// text also the floor: the same key events sent at once from here, which
// times the target's own handling of them. Prints figures; asserts nothing.

#include "benchrow.h"
#include "x11/phrases.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>

namespace {

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

QString cjkLine()
{
    QString out;
    for (int i = 0; i < 120; ++i)
        out += QChar(0x4E00 + 7 * i);
    return out;
}

// Owner changes of CLIPBOARD, with the server's times, seen from a
// connection of our own.
class ClipboardOwners
{
public:
    ClipboardOwners()
    {
        m_display = XOpenDisplay(nullptr);
        int error = 0;
        if (!m_display || !XFixesQueryExtension(m_display, &m_eventBase, &error))
            return;
        m_clipboard = XInternAtom(m_display, "CLIPBOARD", False);
        XFixesSelectSelectionInput(m_display, DefaultRootWindow(m_display), m_clipboard,
                                   XFixesSetSelectionOwnerNotifyMask);
        XSync(m_display, False);
    }
    ~ClipboardOwners()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    // Forgets the changes so far.
    void reset() { times(); }
    // Server times of the owner changes since the last call.
    QVector<unsigned long> times()
    {
        QVector<unsigned long> out;
        if (!m_display)
            return out;
        XSync(m_display, False);
        while (XPending(m_display)) {
            XEvent e;
            XNextEvent(m_display, &e);
            if (e.type == m_eventBase + XFixesSelectionNotify)
                out << reinterpret_cast<XFixesSelectionNotifyEvent *>(&e)->timestamp;
        }
        return out;
    }

private:
    Display *m_display = nullptr;
    int m_eventBase = 0;
    Atom m_clipboard = 0;
};

// The key events that type an ASCII text on the current layout (Shift
// around each shifted character, as the program types it), or none when a
// character has no key.
QVector<QPair<KeyCode, bool>> keyEventsFor(Display *d, const QString &text)
{
    QVector<QPair<KeyCode, bool>> events;
    const KeyCode shift = XKeysymToKeycode(d, XK_Shift_L);
    for (const QChar ch : text) {
        const KeySym sym = ch.unicode(); // Latin-1 keysyms are the code points
        if (sym < 0x20 || sym > 0x7e)
            return {};
        const KeyCode key = XKeysymToKeycode(d, sym);
        if (!key || !shift)
            return {};
        const bool shifted = XkbKeycodeToKeysym(d, key, 0, 0) != sym;
        if (shifted)
            events.append({shift, true});
        events.append({key, true});
        events.append({key, false});
        if (shifted)
            events.append({shift, false});
    }
    return events;
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
        TextTarget target(&session);
        ScrivletProcess program(&session);
        struct Case
        {
            const char *name;
            const char *id; // of its figures in the benchmark table
            QString text;
            unsigned long key;
            int runs;
        };
        const QVector<Case> cases = {
            {"ASCII line (30)", "ascii", Phrases::line(30), XK_1, 15},
            {"non-ASCII line", "nonascii", Phrases::nonAscii(), XK_2, 15},
            {"120 distinct CJK", "cjk", cjkLine(), XK_3, 15},
            {"400 characters", "400", Phrases::line(400), XK_4, 15},
            {"three lines", "lines", QStringLiteral("first line\nsecond line\nthird line"), XK_5,
             15},
            {"20 KB, many lines", "20kb", Phrases::multiLine(20 * 1024), XK_6, 5},
        };
        QJsonArray phrases;
        for (int i = 0; i < cases.size(); ++i)
            phrases << ScrivletProcess::phrase(QStringLiteral("p%1").arg(i), cases[i].text, 3,
                                               0x31 + i);
        if (!target.start() || !target.setReportingWhenIdle() ||
            !program.writeDataFile(phrases, {{QStringLiteral("startMinimized"), true}}) ||
            !program.start() || !program.waitUntilHolding(XK_1, ControlMask | Mod1Mask)) {
            fprintf(stderr, "the target or the program did not start\n");
            return 1;
        }
        const bool haveXdotool =
            !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
        Display *d = program.display();
        ClipboardOwners owners;

        printf("From the release of the shortcut's last key to the whole text in the target, "
               "median (min-max) ms:\n");
        printf("%-20s %8s %16s %8s %18s %14s %18s\n", "text", "units", "scrivlet", "intact",
               "clipboard ours", "xdotool type", "keys sent at once");
        // Named cases only, when any are named ("bench_insert 400 cjk").
        const QStringList only = app.arguments().mid(1);
        for (const Case &c : cases) {
            if (!only.isEmpty() && !only.contains(QLatin1String(c.id)))
                continue;
            QVector<double> times;
            QVector<double> busy;
            int intact = 0;
            for (int run = 0; run < c.runs; ++run) {
                target.clear();
                target.activate();
                owners.reset();
                const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
                const KeyCode alt = XKeysymToKeycode(d, XK_Alt_L);
                const KeyCode key = XKeysymToKeycode(d, c.key);
                for (KeyCode k : {ctrl, alt, key})
                    XTestFakeKeyEvent(d, k, True, CurrentTime);
                XSync(d, False);
                QTest::qWait(80);
                const QString early = target.text(); // a text before the release is a fault
                for (KeyCode k : {key, alt, ctrl})
                    XTestFakeKeyEvent(d, k, False, CurrentTime);
                XSync(d, False);
                QElapsedTimer t;
                t.start();
                if (!early.isEmpty())
                    fprintf(stderr, "run %d: text before release (%d units)\n", run,
                            int(early.size()));
                if (target.waitForText(c.text, 15000)) {
                    times << t.nsecsElapsed() / 1e6;
                    ++intact;
                }
                QTest::qWait(c.text.contains(QLatin1Char('\n')) || c.text.size() > 100 ? 300 : 50);
                const QVector<unsigned long> changes = owners.times();
                if (changes.size() >= 2)
                    busy << double(changes.last() - changes.first());
            }
            // The floor: the same keys sent at once from here, with no
            // program in between; what is left is the target's own work.
            QVector<double> floor;
            const QVector<QPair<KeyCode, bool>> keys = keyEventsFor(d, c.text);
            for (int run = 0; !keys.isEmpty() && run < c.runs; ++run) {
                target.clear();
                target.activate();
                QTest::qWait(50);
                QElapsedTimer t;
                t.start();
                for (const auto &k : keys)
                    XTestFakeKeyEvent(d, k.first, k.second, CurrentTime);
                XFlush(d);
                if (!target.waitForText(c.text, 15000))
                    break;
                floor << t.nsecsElapsed() / 1e6;
            }
            QVector<double> xdo;
            // xdotool types the long text too, if slowly: a few runs suffice.
            const bool xdotoolRuns = haveXdotool;
            for (int run = 0; xdotoolRuns && run < (c.text.size() < 1000 ? 5 : 2); ++run) {
                target.clear();
                target.activate();
                QElapsedTimer t;
                t.start();
                QProcess::execute(QStringLiteral("xdotool"),
                                  {QStringLiteral("type"), QStringLiteral("--delay"),
                                   QStringLiteral("0"), QStringLiteral("--"), c.text});
                // Once a text does not arrive whole, more runs only wait again.
                if (!target.waitForText(c.text, qMax(10000, int(c.text.size()) * 10)))
                    break;
                xdo << t.nsecsElapsed() / 1e6;
            }
            auto range = [](const QVector<double> &v) {
                if (v.isEmpty())
                    return QStringLiteral("-");
                return QStringLiteral("%1 (%2-%3)")
                    .arg(median(v), 0, 'f', 1)
                    .arg(*std::min_element(v.begin(), v.end()), 0, 'f', 1)
                    .arg(*std::max_element(v.begin(), v.end()), 0, 'f', 1);
            };
            printf("%-20s %8d %16s %7d%% %18s %14s %18s\n", c.name, int(c.text.size()),
                   qPrintable(range(times)), 100 * intact / c.runs, qPrintable(range(busy)),
                   xdotoolRuns ? qPrintable(range(xdo)) : "-", qPrintable(range(floor)));
            fflush(stdout);
            BenchRow::print(qPrintable(QStringLiteral("insert-%1").arg(QLatin1String(c.id))),
                            std::vector<double>(times.begin(), times.end()));
            BenchRow::print(qPrintable(QStringLiteral("xdotool-%1").arg(QLatin1String(c.id))),
                            std::vector<double>(xdo.begin(), xdo.end()));
            if (!keys.isEmpty())
                BenchRow::print(qPrintable(QStringLiteral("floor-%1").arg(QLatin1String(c.id))),
                                std::vector<double>(floor.begin(), floor.end()));
        }
        program.kill();
    }
    session.stop();
    return 0;
}
