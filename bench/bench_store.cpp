// Times PhraseStore::load and save for growing phrase lists of realistic
// texts: mostly short single lines, some paragraphs, some multi-line
// templates, a share of Chinese text, and the three-way merge of such a list
// when the file changed elsewhere (100 phrases changed on each side). Prints
// the median of several runs.

#include "benchrow.h"
#include "store/phrasemerge.h"
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const latinWords[] = {"thanks",   "regards",  "meeting", "please",   "find",
                                  "attached", "the",      "report",  "tomorrow", "address",
                                  "invoice",  "call",     "best",    "kind",     "order",
                                  "number",   "shipping", "schedule"};
const char16_t cjk[] = u"您好感谢来信请查收附件会议时间明天地址发票电话订单号码谢谢祝工作顺利";

QString words(QRandomGenerator &rng, int count)
{
    QString s;
    for (int i = 0; i < count; ++i) {
        if (i)
            s += QLatin1Char(' ');
        s += QLatin1String(latinWords[rng.bounded(int(std::size(latinWords)))]);
    }
    return s;
}

QString chinese(QRandomGenerator &rng, int count)
{
    const int n = int(std::size(cjk)) - 1;
    QString s;
    for (int i = 0; i < count; ++i)
        s += QChar(cjk[rng.bounded(n)]);
    return s;
}

Phrase makePhrase(QRandomGenerator &rng, int i)
{
    Phrase p;
    p.id = Phrase::newId();
    const int kind = rng.bounded(100);
    if (kind < 55) { // a short line: greetings, addresses, sign-offs
        p.text = words(rng, 2 + rng.bounded(10));
    } else if (kind < 75) { // Chinese, one or two lines
        p.text = chinese(rng, 6 + rng.bounded(40));
        if (rng.bounded(2))
            p.text += QLatin1Char('\n') + chinese(rng, 10 + rng.bounded(30));
    } else if (kind < 95) { // a multi-line template
        const int lines = 3 + rng.bounded(8);
        for (int l = 0; l < lines; ++l)
            p.text += words(rng, 3 + rng.bounded(12)) + QLatin1Char('\n');
    } else { // a long paragraph
        p.text = words(rng, 150 + rng.bounded(250));
    }
    p.text += QString::number(i); // unique texts
    p.name = rng.bounded(3) ? words(rng, 1 + rng.bounded(3)) : QString();
    if (rng.bounded(4) == 0) {
        p.vk = 0x41 + rng.bounded(26);
        p.mods = 1 + rng.bounded(15);
    }
    p.enabled = rng.bounded(10) != 0;
    p.lastUsed = rng.bounded(3) ? 1600000000 + rng.bounded(100000000) : 0;
    return p;
}

// The merge after another machine and this one each changed 100 phrases
// (text, shortcut, use) and added one, as a synced data file meets it.
std::vector<double> timeMerge(const QVector<Phrase> &phrases, int runs)
{
    PhraseMerge::Side base;
    base.phrases = phrases;
    PhraseMerge::Side ours = base;
    PhraseMerge::Side theirs = base;
    const int step = std::max(1, int(phrases.size()) / 200);
    for (int i = 0, n = 0; i < phrases.size() && n < 200; i += step, ++n) {
        Phrase &p = (n % 2 ? theirs : ours).phrases[i];
        p.text += QStringLiteral(" (edited)");
        p.lastUsed += 60;
    }
    QRandomGenerator rng(7);
    ours.phrases.append(makePhrase(rng, -1));
    theirs.phrases.insert(theirs.phrases.size() / 2, makePhrase(rng, -2));

    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const PhraseMerge::Result result = PhraseMerge::merge(base, ours, theirs);
        times.push_back(t.nsecsElapsed() / 1e6);
        if (result.phrases.size() != phrases.size() + 2 || !result.changedOnBothSides.isEmpty())
            return {};
    }
    return times;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    // Phrase counts may be given on the command line; scripts/bench.sh asks
    // for the two larger of the default sizes, whose figures
    // docs/performance.md quotes.
    std::vector<int> counts;
    for (const QString &arg : app.arguments().mid(1))
        counts.push_back(arg.toInt());
    if (counts.empty())
        counts = {1000, 10000, 100000};

    std::printf("%10s %12s %10s %10s %10s\n", "phrases", "file size", "load ms", "save ms",
                "merge ms");
    for (const int count : counts) {
        const int runs = count >= 100000 ? 5 : 9;
        QRandomGenerator rng(42);
        // A folder of its own: a save merges what the file on disk holds,
        // and the last count's list would join this one.
        QTemporaryDir dir;
        if (!dir.isValid())
            return 1;
        PhraseStore store(dir.path());
        store.phrases().reserve(count);
        for (int i = 0; i < count; ++i)
            store.phrases().append(makePhrase(rng, i));

        std::vector<double> saves, loads;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer t;
            t.start();
            if (!store.save())
                return 2;
            saves.push_back(t.nsecsElapsed() / 1e6);
        }
        for (int r = 0; r < runs; ++r) {
            PhraseStore reader(dir.path());
            QElapsedTimer t;
            t.start();
            if (!reader.load() || reader.phrases().size() != count)
                return 3;
            loads.push_back(t.nsecsElapsed() / 1e6);
        }
        const std::vector<double> merges = timeMerge(store.phrases(), runs);
        if (merges.empty())
            return 4;
        const qint64 size = QFileInfo(store.dataFilePath()).size();
        std::printf("%10d %9.1f MB %10.1f %10.1f %10.1f\n", count, size / 1048576.0, median(loads),
                    median(saves), median(merges));
        BenchRow::print(qPrintable(QStringLiteral("load-%1").arg(count)), loads);
        BenchRow::print(qPrintable(QStringLiteral("save-%1").arg(count)), saves);
        BenchRow::print(qPrintable(QStringLiteral("merge-%1").arg(count)), merges);
    }
    return 0;
}
