// Times the import of an Espanso match file of 10,000 entries (and 40,000,
// to show how it grows) into a list that already holds 10,000 phrases:
// reading the YAML, turning the entries into phrases, the merge and the
// save, end to end through PhraseStore::importFile, and the reader alone.
// The entries are shaped as people write them: plain ones, several
// triggers, dates with offsets, the clipboard and the cursor, multi-line
// texts, and a share of shell commands that are left out. Prints the
// median of several runs.

#include "benchrow.h"
#include "store/foreignimport.h"
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

QByteArray matchFile(int count)
{
    QByteArray yaml = "# generated\nmatches:\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (i % 8) {
        case 0:
            yaml +=
                "  - trigger: \":m" + n + "\"\n    replace: \"Kind regards, number " + n + "\"\n";
            break;
        case 1:
            yaml += "  - triggers: [\":a" + n + "\", \":b" + n + "\"]\n    label: \"Address " + n +
                    "\"\n    replace: |\n      12 Elm Street " + n +
                    "\n      Springfield\n      United States\n";
            break;
        case 2:
            yaml += "  - trigger: \":d" + n +
                    "\"\n    replace: \"Due {{due}} ({{now}})\"\n"
                    "    vars:\n      - name: due\n        type: date\n        params:\n"
                    "          format: \"%A, %B %-d\"\n          offset: 604800\n"
                    "      - name: now\n        type: date\n        params:\n"
                    "          format: \"%H:%M\"\n";
            break;
        case 3:
            yaml += "  - trigger: \":q" + n + "\"\n    replace: \"> {{clip}}$|$ #" + n +
                    "\"\n    vars:\n      - name: clip\n        type: clipboard\n";
            break;
        case 4:
            yaml += "  - trigger: \":s" + n +
                    "\"\n    replace: \"{{out}}\"\n    vars:\n"
                    "      - name: out\n        type: shell\n        params:\n"
                    "          cmd: \"date\"\n";
            break;
        default:
            yaml += "  - trigger: \":t" + n + "\"\n    replace: \"Thank you for your message " +
                    "of today. We will reply within two working days. " + n +
                    "\"\n"
                    "    propagate_case: true\n";
            break;
        }
    }
    return yaml;
}

QVector<Phrase> existing(int count)
{
    QVector<Phrase> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        Phrase p;
        p.id = Phrase::newId();
        p.name = QStringLiteral("Existing %1").arg(i);
        p.text = QStringLiteral("An existing phrase of the list, number %1.").arg(i);
        p.abbreviation = QStringLiteral(";e%1").arg(i);
        list << p;
    }
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (!ForeignImport::canReadEspanso()) {
        std::printf("built without libyaml: nothing to time\n");
        return 0;
    }
    const int runs = 7;
    std::printf("%10s %10s %12s %12s\n", "entries", "file KiB", "read ms", "import ms");
    for (const int count : {10000, 40000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("base.yml"));
        const QByteArray yaml = matchFile(count);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(yaml) != yaml.size())
            return 1;
        file.close();
        const QVector<Phrase> before = existing(10000);
        std::vector<double> reads, imports;
        int added = 0;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            ForeignImport::Result result;
            if (!ForeignImport::readEspanso(yaml, &result))
                return 1;
            reads.push_back(timer.nsecsElapsed() / 1e6);

            PhraseStore store(dir.path());
            // The last run's file out of the way: a save merges what the
            // file on disk holds.
            QFile::remove(store.dataFilePath());
            store.phrases() = before;
            PhraseStore::ImportReport report;
            timer.restart();
            if (!store.importFile(path, &report))
                return 1;
            imports.push_back(timer.nsecsElapsed() / 1e6);
            added = report.added;
        }
        std::sort(reads.begin(), reads.end());
        std::sort(imports.begin(), imports.end());
        std::printf("%10d %10.0f %12.1f %12.1f   (%d phrases added to 10,000)\n", count,
                    yaml.size() / 1024.0, reads[reads.size() / 2], imports[imports.size() / 2],
                    added);
        BenchRow::print(qPrintable(QStringLiteral("import-yaml-read-%1").arg(count)), reads);
        BenchRow::print(qPrintable(QStringLiteral("import-yaml-%1").arg(count)), imports);
    }
    return 0;
}
