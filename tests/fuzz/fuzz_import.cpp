// Other tools' files: the Espanso, Beeftext and CSV readers over any bytes.
// Besides not crashing, hanging or blowing up (the sanitizers and
// libFuzzer's limits watch that):
// - a file a reader refuses gives no phrase and no note, only an error;
// - every phrase has a text and, when it has one, a valid abbreviation,
//   and the entry it came from, in file order;
// - every note names its entry on one short line;
// - what the plain CSV reader takes, written out by the CSV export and read
//   again, is the same list.

#include "fuzzscratch.h"
#include "store/foreignimport.h"

namespace {

void checkResult(bool read, const ForeignImport::Result &r)
{
    if (!read) {
        FUZZ_CHECK(r.phrases.isEmpty() && r.notes.isEmpty() && !r.error.isEmpty());
        return;
    }
    FUZZ_CHECK(r.entries.size() == r.phrases.size());
    for (int i = 0; i < r.phrases.size(); ++i) {
        const Phrase &p = r.phrases.at(i);
        FUZZ_CHECK(!p.text.isEmpty());
        FUZZ_CHECK(p.abbreviation.isEmpty() || Phrase::isValidAbbreviation(p.abbreviation));
        FUZZ_CHECK(i == 0 || r.entries.at(i) >= r.entries.at(i - 1));
    }
    for (const ForeignImport::Note &note : r.notes) {
        FUZZ_CHECK(!note.entry.isEmpty() && note.entry.size() <= 43);
        for (const QChar c : note.entry)
            FUZZ_CHECK(c.category() != QChar::Other_Control);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzScratch::bytesOf(data, size);

    ForeignImport::Result espanso;
    checkResult(ForeignImport::readEspanso(bytes, &espanso), espanso);

    ForeignImport::Result beeftext;
    checkResult(ForeignImport::readBeeftextJson(bytes, &beeftext), beeftext);

    ForeignImport::Result rows;
    checkResult(ForeignImport::readCsv(bytes, ForeignImport::Format::BeeftextCsv, &rows), rows);

    ForeignImport::Result plain;
    const bool read = ForeignImport::readCsv(bytes, ForeignImport::Format::PlainCsv, &plain);
    checkResult(read, plain);
    if (read) {
        ForeignImport::Result again;
        FUZZ_CHECK(ForeignImport::readCsv(ForeignImport::writeCsv(plain.phrases),
                                          ForeignImport::Format::PlainCsv, &again));
        FUZZ_CHECK(again.notes.isEmpty() && again.phrases.size() == plain.phrases.size());
        for (int i = 0; i < plain.phrases.size(); ++i) {
            const Phrase &a = plain.phrases.at(i);
            const Phrase &b = again.phrases.at(i);
            FUZZ_CHECK(a.name == b.name && a.text == b.text && a.abbreviation == b.abbreviation);
        }
    }
    ForeignImport::detect(QStringLiteral("file.yml"), bytes);
    ForeignImport::detect(QStringLiteral("file.csv"), bytes);
    return 0;
}
