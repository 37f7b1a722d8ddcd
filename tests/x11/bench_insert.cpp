// Time from handing a text to insertText until the target window holds all
// of it, on a private Xvfb, next to `xdotool type` of the same text. Prints
// figures; asserts nothing.

#include "insert/insertion.h"
#include "x11/phrases.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
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
    int rc = 0;
    {
        QApplication app(argc, argv);
        TextTarget target(&session);
        if (!target.start()) {
            fprintf(stderr, "the target window did not start\n");
            return 1;
        }
        std::unique_ptr<Desktop> desktop = createDesktop();
        const bool haveXdotool =
            !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();

        struct Case
        {
            const char *name;
            QString text;
            int runs;
            bool xdotoolDefault; // xdotool's default 12 ms delay is too slow for 20 KB
        };
        const QVector<Case> cases = {
            {"30-char ASCII line", Phrases::line(30), 9, true},
            {"non-ASCII line", Phrases::nonAscii(), 9, true},
            {"400-char line", Phrases::line(400), 5, true},
            {"20 KB, 340 lines", Phrases::multiLine(20 * 1024), 5, false},
        };
        printf("%-22s %12s %12s %16s %16s\n", "text", "insertText", "returns", "xdotool type",
               "xdotool -d 0");
        for (const Case &c : cases) {
            QVector<double> total, call, xdo, xdo0;
            for (int i = 0; i < c.runs; ++i) {
                target.clear();
                QElapsedTimer t;
                t.start();
                const bool ok = insertText(*desktop, c.text, target.window());
                call << t.nsecsElapsed() / 1e6;
                if (!ok || !target.waitForText(c.text, 30000)) {
                    fprintf(stderr, "%s: not delivered\n", c.name);
                    rc = 1;
                }
                total << t.nsecsElapsed() / 1e6;
            }
            // A text that xdotool does not finish within the limit counts as -1.
            const int xdotoolLimitMs = c.xdotoolDefault ? 60000 : 20000;
            auto runXdotool = [&](QVector<double> *out, const QStringList &extra, int runs) {
                for (int i = 0; i < runs; ++i) {
                    target.clear();
                    QElapsedTimer t;
                    t.start();
                    QProcess *p = session.startProcess(QStringLiteral("xdotool"),
                                                       QStringList{QStringLiteral("type")} + extra +
                                                           QStringList{c.text});
                    const bool ok = target.waitForText(c.text, xdotoolLimitMs);
                    *out << (ok ? t.nsecsElapsed() / 1e6 : -1);
                    p->waitForFinished(5000);
                }
            };
            if (haveXdotool) {
                if (c.xdotoolDefault)
                    runXdotool(&xdo, {}, qMin(c.runs, 3));
                runXdotool(&xdo0, {QStringLiteral("--delay"), QStringLiteral("0")},
                           c.xdotoolDefault ? qMin(c.runs, 3) : 1);
            }
            auto fmt = [](const QVector<double> &v) {
                if (v.isEmpty())
                    return QStringLiteral("-");
                const double m = median(v);
                return m < 0 ? QStringLiteral("incomplete")
                             : QString::number(m, 'f', 1) + QStringLiteral(" ms");
            };
            printf("%-22s %12s %12s %16s %16s\n", c.name, qPrintable(fmt(total)),
                   qPrintable(fmt(call)), qPrintable(fmt(xdo)), qPrintable(fmt(xdo0)));
        }
        printf("(medians; insertText = until the target holds the text, returns = until the call "
               "returns; the clipboard road includes its fixed 300 ms settle; incomplete = the "
               "target\n"
               " did not hold the whole text 20 s after xdotool started)\n");
    }
    session.stop();
    return rc;
}
