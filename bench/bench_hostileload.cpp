// Times PhraseStore::load and importBackup on files built to be expensive
// rather than large: many distinct member names in one phrase, in the
// settings and at the top, many rules per application, and a backup of many
// phrases that all carry shortcuts, and a data file written outside that
// repeats one id in every phrase (merged into the running list). Each of
// these is read at start-up, by --list, by Import or when the file changes,
// so its cost must grow with the file's size and no faster. Prints the median of a few runs per
// size (default 10,000, 40,000 and 160,000; others may be given on the command line).

#include "benchrow.h"
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// "m0", "m1", ...: distinct names, as short as they come.
QByteArray members(int count, const QByteArray &value)
{
    QByteArray out;
    out.reserve(count * (12 + value.size()));
    for (int i = 0; i < count; ++i) {
        out += "\"m" + QByteArray::number(i) + "\": " + value;
        if (i + 1 < count)
            out += ",\n";
    }
    return out;
}

QByteArray manyNamesInAPhrase(int count)
{
    return "{\"phrases\": [{\"text\": \"t\",\n" + members(count, "0") + "}]}";
}

QByteArray manyNamesInTheSettings(int count)
{
    return "{\"settings\": {" + members(count, "0") + "}, \"phrases\": [{\"text\": \"t\"}]}";
}

QByteArray manyNamesAtTheTop(int count)
{
    return "{" + members(count, "0") + ", \"phrases\": [{\"text\": \"t\"}]}";
}

// The same with one name given twice: that file is left to QJsonDocument,
// which decides how a repeated name reads.
QByteArray manyNamesOneRepeated(int count)
{
    return "{\"phrases\": [{\"text\": \"t\",\n" + members(count, "0") + ", \"m0\": 1}]}";
}

QByteArray manyRules(int count)
{
    QByteArray rules;
    rules.reserve(count * 48);
    for (int i = 0; i < count; ++i) {
        rules += "{\"match\": \"app" + QByteArray::number(i) + "\", \"road\": \"type\"}";
        if (i + 1 < count)
            rules += ",\n";
    }
    return "{\"settings\": {\"appRules\": [" + rules + "]}, \"phrases\": []}";
}

// count phrases, each with a shortcut: most of them collide with one taken
// before, which the import must find.
QByteArray backupWithShortcuts(int count)
{
    QByteArray phrases;
    phrases.reserve(count * 64);
    for (int i = 0; i < count; ++i) {
        phrases += "{\"text\": \"p" + QByteArray::number(i) +
                   "\", \"vk\": " + QByteArray::number(0x41 + i % 26) +
                   ", \"mods\": " + QByteArray::number(1 + (i / 26) % 15) + "}";
        if (i + 1 < count)
            phrases += ",\n";
    }
    return "{\"phrases\": [" + phrases + "], \"version\": 1}";
}

// One id in every phrase, each changed: every phrase is matched with the
// running list's one of that id by its place among the repeats.
QByteArray oneIdRepeatedWith(int count, const QByteArray &textStart)
{
    QByteArray phrases;
    phrases.reserve(count * 64);
    for (int i = 0; i < count; ++i) {
        phrases += "{\"id\": \"same\", \"text\": \"" + textStart + QByteArray::number(i) + "\"}";
        if (i + 1 < count)
            phrases += ",\n";
    }
    return "{\"phrases\": [" + phrases + "], \"version\": 1}";
}

QByteArray oneIdRepeated(int count)
{
    return oneIdRepeatedWith(count, "changed ");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

enum class Road
{
    Load,
    Import,
    Merge // the running list's file written outside, then merged in
};

struct Case
{
    const char *key;
    const char *label;
    std::function<QByteArray(int)> make;
    Road road;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    std::vector<int> counts;
    for (const QString &arg : app.arguments().mid(1))
        counts.push_back(arg.toInt());
    if (counts.empty())
        counts = {10000, 40000, 160000};

    const Case cases[] = {
        {"names-phrase", "member names in one phrase", manyNamesInAPhrase, Road::Load},
        {"names-settings", "member names in the settings", manyNamesInTheSettings, Road::Load},
        {"names-top", "member names at the top", manyNamesAtTheTop, Road::Load},
        {"names-repeated", "names in one phrase, one repeated", manyNamesOneRepeated, Road::Load},
        {"rules", "rules per application", manyRules, Road::Load},
        {"import-shortcuts", "imported phrases with shortcuts", backupWithShortcuts, Road::Import},
        {"merge-one-id", "a file written outside, one id", oneIdRepeated, Road::Merge},
    };

    std::printf("%-34s %8s %10s %10s\n", "file", "count", "size KB", "ms");
    for (const Case &c : cases) {
        for (const int count : counts) {
            const QByteArray bytes = c.make(count);
            const bool import = c.road == Road::Import;
            const QString file = dir.filePath(import ? QStringLiteral("backup.json")
                                                     : QStringLiteral("phrases.json"));
            if (c.road != Road::Merge && !writeFile(file, bytes))
                return 2;
            std::vector<double> samples;
            const int runs = count >= 160000 ? 3 : 5;
            for (int r = 0; r < runs; ++r) {
                QTemporaryDir data;
                PhraseStore store(c.road == Road::Load ? dir.path() : data.path());
                store.setLegacyFilePath(QString());
                if (c.road == Road::Merge) {
                    // The same list, loaded, then written outside changed.
                    if (!writeFile(store.dataFilePath(), oneIdRepeatedWith(count, "p")) ||
                        !store.load() || !writeFile(store.dataFilePath(), bytes))
                        return 2;
                }
                QElapsedTimer t;
                t.start();
                const bool ok = c.road == Road::Import  ? store.importBackup(file)
                                : c.road == Road::Merge ? store.syncWithFile()
                                                        : store.load();
                samples.push_back(t.nsecsElapsed() / 1e6);
                if (!ok)
                    return 3;
            }
            std::vector<double> sorted = samples;
            std::sort(sorted.begin(), sorted.end());
            std::printf("%-34s %8d %10.0f %10.1f\n", c.label, count, bytes.size() / 1024.0,
                        sorted[sorted.size() / 2]);
            BenchRow::print(
                qPrintable(QStringLiteral("hostile-%1-%2").arg(QLatin1String(c.key)).arg(count)),
                samples);
        }
    }
    return 0;
}
