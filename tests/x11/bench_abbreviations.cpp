// Abbreviations on X11: from the release of the abbreviation's last key
// until a Tk text holds the whole phrase in its place (a line that is typed,
// the same line put together from phrases within phrases two deep, three
// lines that are pasted), 15 runs each; and the processor time the
// program spends reading 10,000 keys typed in another program, beside the
// time it spends idle as long. The real program in a private X session.
// Prints figures; asserts nothing.

#include "benchrow.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int runs = 15;
constexpr int streamKeys = 10000;

// User and system time of process pid so far, in milliseconds.
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    const double ticks = fields.at(11).toDouble() + fields.at(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Presses and releases the key of each character (no Shift needed).
void typeKeys(Display *d, const char *keys)
{
    for (const char *c = keys; *c; ++c) {
        const KeySym sym = *c == ';' ? XK_semicolon : *c == ' ' ? XK_space : KeySym(*c);
        const KeyCode k = XKeysymToKeycode(d, sym);
        XTestFakeKeyEvent(d, k, True, CurrentTime);
        XTestFakeKeyEvent(d, k, False, CurrentTime);
        XSync(d, False);
        if (c[1])
            QTest::qWait(8); // the clock starts at the last release
    }
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
        const QString line = QStringLiteral("Best regards, Zem Scrivlet support");
        const QString lines = QStringLiteral("first line\nsecond line\nthird line");
        QJsonObject one = ScrivletProcess::phrase(QStringLiteral("line"), line, 3, 0x33);
        one.insert(QStringLiteral("abbreviation"), QStringLiteral(";sig"));
        QJsonObject three = ScrivletProcess::phrase(QStringLiteral("lines"), lines, 0, 0);
        three.insert(QStringLiteral("abbreviation"), QStringLiteral(";ml"));
        // The same line as ";sig", from a phrase that puts in a phrase that
        // puts in a third.
        const auto part = [](const QString &name, const QString &text) {
            QJsonObject p = ScrivletProcess::phrase(name, text, 0, 0);
            p.insert(QStringLiteral("name"), name);
            p.insert(QStringLiteral("placeholders"), true);
            return p;
        };
        QJsonObject nested =
            part(QStringLiteral("Outer"), QStringLiteral("{phrase:Middle} support"));
        nested.insert(QStringLiteral("abbreviation"), QStringLiteral(";nest"));
        const QJsonObject middle =
            part(QStringLiteral("Middle"), QStringLiteral("{phrase:Inner} Zem Scrivlet"));
        const QJsonObject inner = part(QStringLiteral("Inner"), QStringLiteral("Best regards,"));
        if (!program.writeDataFile(QJsonArray{one, three, nested, middle, inner},
                                   {{QStringLiteral("startMinimized"), true}}) ||
            !program.start() || !program.waitUntilHolding(XK_3, ControlMask | Mod1Mask)) {
            fprintf(stderr, "the program did not start\n");
            return 1;
        }
        Display *d = program.display();
        TextTarget target(&session);
        target.setProgram(QStringLiteral("/usr/bin/python3"),
                          {X11Session::programPath(QStringLiteral("tktarget.py"))});
        if (!target.start(60000)) {
            fprintf(stderr, "the Tk target did not start\n");
            return 1;
        }

        printf("Abbreviation to whole phrase in a Tk text, %d runs, ms:\n", runs);
        printf("%-8s %-6s %8s %8s %8s\n", "typed", "road", "median", "worst", "intact");
        struct Case
        {
            const char *keys;
            QString text;
            const char *road;
            const char *figure;
        };
        for (const Case &c : {Case{";sig", line, "typed", "abbreviation-typed"},
                              Case{";nest", line, "nested", "abbreviation-nested"},
                              Case{";ml", lines, "paste", "abbreviation-paste"}}) {
            std::vector<double> times;
            int intact = 0;
            for (int run = 0; run < runs; ++run) {
                target.clear();
                target.activate();
                QTest::qWait(100);
                typeKeys(d, c.keys);
                QElapsedTimer clock;
                clock.start();
                if (target.waitForText(c.text, 5000)) {
                    times.push_back(clock.nsecsElapsed() / 1e6);
                    QTest::qWait(300);
                    if (target.fetchText() == c.text)
                        ++intact;
                }
                QTest::qWait(200);
            }
            std::vector<double> sorted = times;
            std::sort(sorted.begin(), sorted.end());
            printf("%-8s %-6s %8.1f %8.1f %5d/%d\n", c.keys, c.road,
                   sorted.empty() ? 0.0 : sorted[sorted.size() / 2],
                   sorted.empty() ? 0.0 : sorted.back(), intact, runs);
            BenchRow::print(c.figure, times);
        }

        // The key stream's share: keys that match nothing, typed in the Tk
        // text, against the same keys while the program is paused (it reads
        // no keys then).
        const qint64 pid = program.process()->processId();
        const auto typeMany = [&] {
            target.clear();
            target.activate();
            QTest::qWait(300);
            const char *word = "abcdefghij ";
            const double before = cpuMs(pid);
            for (int i = 0; i < streamKeys; ++i) {
                const char c = word[i % 11];
                const KeyCode k = XKeysymToKeycode(d, c == ' ' ? XK_space : KeySym(c));
                XTestFakeKeyEvent(d, k, True, CurrentTime);
                XTestFakeKeyEvent(d, k, False, CurrentTime);
                if (i % 50 == 49) {
                    XSync(d, False);
                    QTest::qWait(5);
                }
                if (i % 2000 == 1999)
                    target.clear();
            }
            XSync(d, False);
            QTest::qWait(500);
            return cpuMs(pid) - before;
        };
        const auto command = [&session](const QString &option) {
            QProcess p;
            p.setProcessEnvironment(session.environment());
            p.start(QStringLiteral(SCRIVLET_EXE), {option});
            p.waitForFinished(10000);
        };
        const double reading = typeMany();
        command(QStringLiteral("--pause"));
        const double paused = typeMany();
        command(QStringLiteral("--resume"));
        printf("Processor time of the program while %d keys were typed in another program: "
               "%.0f ms reading them, %.0f ms paused (not reading); the key stream's share "
               "%.0f ms\n",
               streamKeys, reading, paused, reading - paused);
        BenchRow::print("abbreviation-stream-cpu", {reading - paused});
        program.kill();
    }
    session.stop();
    return 0;
}
