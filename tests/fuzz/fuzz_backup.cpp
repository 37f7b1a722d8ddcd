// Backup import: importBackup over any bytes, into a list that already holds
// enabled and disabled phrases with shortcuts. Whatever the file holds:
// - the phrases that were there stay as they were, at the front;
// - a file that is not a JSON object changes nothing and says "format";
// - every appended phrase has a text, a fresh identifier, a text found
//   nowhere else in the list, and no shortcut that an enabled phrase before
//   it or a command shortcut already has;
// - each skipped phrase has a short label, and the listing can be built.

#include "base/hotkey.h"
#include "fuzzscratch.h"
#include "store/phrasestore.h"

#include <QSet>
#include <QUuid>

namespace {

Phrase phrase(const QString &text, int mods, int vk, bool enabled)
{
    Phrase p;
    p.id = Phrase::newId();
    p.text = text;
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

const QVector<Phrase> &before()
{
    static const QVector<Phrase> list{
        phrase(QStringLiteral("kept"), 2, 0x51, true),      // Ctrl+Q
        phrase(QStringLiteral("disabled"), 2, 0x57, false), // Ctrl+W, not taken
        phrase(QStringLiteral("a"), 0, 0, true),
    };
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path =
        FuzzScratch::write(QStringLiteral("backup.json"), FuzzScratch::bytesOf(data, size));
    static PhraseStore store(FuzzScratch::folder());
    store.phrases() = before();

    QString error;
    QStringList skipped;
    const bool ok = store.importBackup(path, &error, &skipped);
    const QVector<Phrase> &list = store.phrases();
    if (!ok) {
        // The scratch folder is writable, so only the content can fail.
        FUZZ_CHECK(error == QLatin1String("format"));
        FUZZ_CHECK(list.size() == before().size() && skipped.isEmpty());
        return 0;
    }
    FUZZ_CHECK(error.isEmpty());
    FUZZ_CHECK(list.size() >= before().size());

    QSet<QString> texts, ids;
    for (int i = 0; i < list.size(); ++i) {
        const Phrase &p = list.at(i);
        if (i < before().size()) {
            const Phrase &old = before().at(i);
            FUZZ_CHECK(p.id == old.id && p.text == old.text && p.vk == old.vk &&
                       p.mods == old.mods && p.enabled == old.enabled);
        } else {
            FUZZ_CHECK(!p.text.isEmpty());
            FUZZ_CHECK(p.id.size() == 36 && !QUuid::fromString(p.id).isNull());
            if (p.vk != 0) {
                FUZZ_CHECK(!store.conflictsWithGlobalHotkey(p.mods, p.vk));
                for (int j = 0; j < i; ++j) {
                    const Phrase &q = list.at(j);
                    FUZZ_CHECK(!q.enabled || !Hotkey::sameHotkey(p.mods, p.vk, q.mods, q.vk));
                }
            }
        }
        FUZZ_CHECK(!texts.contains(p.text));
        FUZZ_CHECK(!ids.contains(p.id));
        texts.insert(p.text);
        ids.insert(p.id);
    }
    for (const QString &label : qAsConst(skipped))
        FUZZ_CHECK(!label.isEmpty() && label.size() <= 43);
    FUZZ_CHECK(PhraseStore::skippedListing(skipped).isEmpty() == skipped.isEmpty());
    return 0;
}
