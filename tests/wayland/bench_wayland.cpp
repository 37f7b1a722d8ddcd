// Under a private headless sway: from `scrivlet --type NAME` to the whole text
// in a native GTK window, for five texts, beside wtype typing the same text;
// each the median of 15, counted only when the text arrived whole (the runs
// column is the share that did).

#include "benchrow.h"
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

} // namespace

int main(int argc, char *argv[])
{
    WaylandSession session;
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "cannot start sway: %s\n", qPrintable(error));
        return 1;
    }
    int rc = 0;
    {
        QApplication app(argc, argv);
        const QVector<QPair<QString, QString>> texts = {
            {QStringLiteral("ascii"), QStringLiteral("The quick brown fox jumps over it")},
            {QStringLiteral("nonascii"), QStringLiteral("Grüße, señor — ça va? Привет ½")},
            {QStringLiteral("cjk"), Phrases::distinctCjk(120)},
            {QStringLiteral("emoji"), QStringLiteral("😀 👍🏽 🚀 ✓ 🇩🇪")},
            {QStringLiteral("lines"), QStringLiteral("first line\nzweite Zeile é\n第三行")}};

        QJsonArray phrases;
        for (const auto &t : texts)
            phrases.append(ProgramDriver::phrase(t.first, t.second, 0, 0));
        QDir().mkpath(ProgramDriver::dataFolder());
        ProgramDriver::writeDataFile(
            ProgramDriver::dataFilePath(),
            QJsonObject{{QStringLiteral("importedV3"), true},
                        {QStringLiteral("language"), QStringLiteral("en")}},
            phrases);
        session.startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")});
        QTest::qWait(1500);

        QProcessEnvironment native;
        native.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
        WaylandTarget target(&session, QStringLiteral("/usr/bin/python3"),
                             {WaylandSession::programPath(QStringLiteral("../x11/gtktarget.py"))},
                             native);
        if (!target.waitReady()) {
            std::fprintf(stderr, "the GTK target did not start\n");
            return 1;
        }
        QTest::qWait(300);

        const auto measure = [&](const QString &program, const QStringList &arguments,
                                 const QString &expected) {
            std::vector<double> samples;
            for (int run = 0; run < Runs; ++run) {
                target.clear();
                QElapsedTimer clock;
                clock.start();
                QProcess p;
                p.start(program, arguments);
                const bool whole = target.waitForText(expected, 5000);
                const double ms = clock.nsecsElapsed() / 1e6;
                QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 5000);
                if (whole)
                    samples.push_back(ms);
            }
            return samples;
        };
        for (const auto &t : texts) {
            const std::vector<double> ours = measure(QStringLiteral(SCRIVLET_EXE),
                                                     {QStringLiteral("--type"), t.first}, t.second);
            const std::vector<double> theirs =
                measure(QStringLiteral("wtype"), {t.second}, t.second);
            std::printf("%-9s scrivlet %2zu/%d whole, wtype %2zu/%d whole\n", qPrintable(t.first),
                        ours.size(), Runs, theirs.size(), Runs);
            BenchRow::print(qPrintable(QStringLiteral("wayland-") + t.first), ours);
            BenchRow::print(qPrintable(QStringLiteral("wtype-") + t.first), theirs);
        }
        target.quit();
    }
    session.stop();
    return rc;
}
