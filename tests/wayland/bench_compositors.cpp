// Under a private headless KWin, then mutter: from `scrivlet --type NAME` to
// the whole text in a native GTK window, for the texts of the sway figures;
// each the median of 15, counted only when the text arrived whole (the runs
// column is the share that did).

#include "benchrow.h"
#include "wayland/headlesscompositor.h"
#include "wayland/waylandsession.h"
#include "wayland/waylandtarget.h"
#include "x11/datafile.h"
#include "x11/phrases.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace {

constexpr int Runs = 15;

void benchOn(HeadlessCompositor::Kind kind, const char *prefix)
{
    HeadlessCompositor compositor;
    QString error;
    if (!compositor.start(kind, {}, &error)) {
        std::fprintf(stderr, "%s: cannot start: %s\n", prefix, qPrintable(error));
        return;
    }
    const QVector<QPair<QString, QString>> texts = {
        {QStringLiteral("ascii"), QStringLiteral("The quick brown fox jumps over it")},
        {QStringLiteral("nonascii"), QStringLiteral("Grüße, señor — ça va? Привет ½")},
        {QStringLiteral("cjk"), Phrases::distinctCjk(120)},
        {QStringLiteral("lines"), QStringLiteral("first line\nzweite Zeile é\n第三行")}};
    QJsonArray phrases;
    for (const auto &t : texts)
        phrases.append(ProgramDriver::phrase(t.first, t.second, 0, 0));
    QDir().mkpath(ProgramDriver::dataFolder());
    ProgramDriver::writeDataFile(ProgramDriver::dataFilePath(),
                                 QJsonObject{{QStringLiteral("importedV3"), true},
                                             {QStringLiteral("language"), QStringLiteral("en")}},
                                 phrases);
    compositor.startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")});
    QTest::qWait(1500);
    WaylandTarget target(compositor.startProcess(
        QStringLiteral("/usr/bin/python3"),
        {WaylandSession::programPath(QStringLiteral("../x11/gtktarget.py"))}));
    if (!target.waitReady()) {
        std::fprintf(stderr, "%s: the GTK target did not start\n", prefix);
        return;
    }
    QTest::qWait(300);
    for (const auto &t : texts) {
        std::vector<double> samples;
        for (int run = 0; run < Runs; ++run) {
            target.clear();
            QElapsedTimer clock;
            clock.start();
            QProcess p;
            p.setProcessEnvironment(compositor.environment());
            p.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--type"), t.first});
            const bool whole = target.waitForText(t.second, 5000);
            const double ms = clock.nsecsElapsed() / 1e6;
            QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 5000);
            if (whole)
                samples.push_back(ms);
        }
        std::printf("%s %-9s %2zu/%d whole\n", prefix, qPrintable(t.first), samples.size(), Runs);
        BenchRow::print(qPrintable(QLatin1String(prefix) + QLatin1Char('-') + t.first), samples);
    }
    target.quit();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchOn(HeadlessCompositor::Kind::KWin, "kwin");
    benchOn(HeadlessCompositor::Kind::Mutter, "mutter");
    return 0;
}
