// Prints start-up figures of the real program in a private X session: the
// time from process start until its event loop runs with the window built
// and every shortcut registered, and its resident memory then, for growing
// phrase lists, with the window open and started into the tray; then the time of one table fill
// over 10,000 phrases, whole and filtered by a one-letter search. Medians of several runs.

#include "benchrow.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"
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
// a quarter with a shortcut, a tenth disabled.
Phrase makePhrase(QRandomGenerator &rng, int i)
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
    if (rng.bounded(4) == 0) {
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
    program.start(QStringLiteral(SCRIVLET_EXE), QStringList());
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

} // namespace

int main(int argc, char *argv[])
{
    X11Session session;
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "cannot start the X session: %s\n", qPrintable(error));
        return 1;
    }
    QApplication app(argc, argv);
    QRandomGenerator rng(7);
    QProcessEnvironment env = session.environment();
    env.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
    const QString folder =
        env.value(QStringLiteral("XDG_DATA_HOME")) + QStringLiteral("/Vantok/Scrivlet");
    QDir().mkpath(folder);

    // Phrase counts may be given on the command line.
    std::vector<int> counts;
    for (const QString &arg : app.arguments().mid(1))
        counts.push_back(arg.toInt());
    if (counts.empty())
        counts = {0, 1000, 10000, 100000};

    // With the window open, as a first start shows it; then started into the
    // tray, where the program spends its days.
    for (const bool inTray : {false, true}) {
        std::printf("%s\nphrases  start-up to idle  resident  of it anonymous\n",
                    inTray ? "started into the tray:" : "window open:");
        for (int count : counts) {
            if (inTray && count >= 100000)
                continue;
            PhraseStore store(folder);
            store.settings().importedV3 = true;
            store.settings().language = QStringLiteral("en");
            store.settings().startMinimized = inTray;
            QRandomGenerator phraseRng(count); // the same list both times
            for (int i = 0; i < count; ++i)
                store.phrases() << makePhrase(phraseRng, i);
            if (!store.save())
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

    // The table fill, in this process.
    QTemporaryDir dir;
    PhraseStore store(dir.path());
    store.setLegacyFilePath(dir.filePath(QStringLiteral("none")));
    store.settings().importedV3 = true;
    for (int i = 0; i < 10000; ++i)
        store.phrases() << makePhrase(rng, i);
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
