// Times PhraseStore::load and importBackup on files built to be expensive
// rather than large: many distinct member names in one phrase, in the
// settings and at the top, many rules per application, and a backup of many
// phrases that all carry shortcuts. Each of these is read at start-up, by
// --list and by Import, so its cost must grow with the file's size and no
// faster. Prints the median of a few runs per size (default 10,000, 40,000
// and 160,000; others may be given on the command line).

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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Case
{
    const char *key;
    const char *label;
    std::function<QByteArray(int)> make;
    bool import; // timed through importBackup instead of load
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
        {"names-phrase", "member names in one phrase", manyNamesInAPhrase, false},
        {"names-settings", "member names in the settings", manyNamesInTheSettings, false},
        {"names-top", "member names at the top", manyNamesAtTheTop, false},
        {"names-repeated", "names in one phrase, one repeated", manyNamesOneRepeated, false},
        {"rules", "rules per application", manyRules, false},
        {"import-shortcuts", "imported phrases with shortcuts", backupWithShortcuts, true},
    };

    std::printf("%-34s %8s %10s %10s\n", "file", "count", "size KB", "ms");
    for (const Case &c : cases) {
        for (const int count : counts) {
            const QByteArray bytes = c.make(count);
            const QString file = dir.filePath(c.import ? QStringLiteral("backup.json")
                                                       : QStringLiteral("phrases.json"));
            if (!writeFile(file, bytes))
                return 2;
            std::vector<double> samples;
            const int runs = count >= 160000 ? 3 : 5;
            for (int r = 0; r < runs; ++r) {
                QTemporaryDir data;
                PhraseStore store(c.import ? data.path() : dir.path());
                store.setLegacyFilePath(QString());
                QElapsedTimer t;
                t.start();
                const bool ok = c.import ? store.importBackup(file) : store.load();
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
