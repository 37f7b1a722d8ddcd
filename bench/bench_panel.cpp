// Times the floating panel's list: building the rows for 100, 1,000 and
// 10,000 phrases (rebuildRows through setPhrases, then the layout pass and the
// first paint of a shown panel), the same list handed over again (what every
// refresh of the main table does), and a change of the line count. Prints
// medians and maxima. Runs on whatever Qt platform is set (offscreen when
// there is no display).

#include "benchrow.h"
#include "panel/floatingpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QVector<Phrase> makePhrases(int count)
{
    QRandomGenerator rng(7);
    QVector<Phrase> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        Phrase p;
        p.id = Phrase::newId();
        p.name = rng.bounded(3) ? QStringLiteral("Phrase %1").arg(i) : QString();
        p.text = QStringLiteral("Some words for phrase %1, with more words after them so that "
                                "two lines fill up")
                     .arg(i);
        out << p;
    }
    return out;
}

// Runs work runs times with the events it leaves processed; the times, sorted.
template <typename Work> std::vector<double> timed(int runs, Work work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work(i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

double median(const std::vector<double> &ms) { return ms[ms.size() / 2]; }

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("floating panel on %s\n", qPrintable(QGuiApplication::platformName()));
    for (int count : {100, 1000, 10000}) {
        const QVector<Phrase> phrases = makePhrases(count);
        const int runs = count >= 10000 ? 3 : 9;
        FloatingPanel panel;
        panel.show();
        const auto build = timed(runs, [&](int) {
            panel.setPhrases({});
            panel.setPhrases(phrases);
            panel.repaint();
        });
        const auto again = timed(runs, [&](int) { panel.setPhrases(phrases); });
        const auto lines = timed(runs, [&](int i) {
            panel.setTextLines(i % 2 ? 2 : 1);
            panel.repaint();
        });
        std::printf("%6d phrases: rows built and painted %8.1f ms (max %8.1f), same list again "
                    "%6.2f ms (max %6.2f), line count changed %8.1f ms (max %8.1f)\n",
                    count, median(build), build.back(), median(again), again.back(),
                    median(lines), lines.back());
        std::fflush(stdout);
        if (count == 1000)
            BenchRow::print("panel-rebuild-1000", build);
    }
    return 0;
}
