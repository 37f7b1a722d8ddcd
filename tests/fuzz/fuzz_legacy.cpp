// The 3.0 edition's file: importLegacy over any bytes (records of 3024
// bytes, GB18030 text), into a list whose enabled phrase holds Ctrl+Q.
// Whatever the file holds: at most 30 phrases are appended and the count
// says how many; each has a trimmed, non-empty text, a name of 1 to 20
// characters, only the three old modifiers, and no shortcut that an enabled
// phrase before it or a command shortcut already has; the flag is set.

#include "base/hotkey.h"
#include "fuzzscratch.h"
#include "store/phrasestore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path =
        FuzzScratch::write(QStringLiteral("vtdt.dll"), FuzzScratch::bytesOf(data, size));
    static PhraseStore store(FuzzScratch::folder());
    static const Phrase kept = [] {
        Phrase p;
        p.id = Phrase::newId();
        p.text = QStringLiteral("kept");
        p.mods = 2;
        p.vk = 0x51;
        return p;
    }();
    store.setLegacyFilePath(path);
    store.settings().importedV3 = false;
    store.phrases() = {kept};

    const int count = store.importLegacy();
    const QVector<Phrase> &list = store.phrases();
    FUZZ_CHECK(count >= 0 && count <= 30);
    FUZZ_CHECK(list.size() == 1 + count);
    FUZZ_CHECK(count <= int(size / 3024));
    FUZZ_CHECK(store.settings().importedV3);
    for (int i = 1; i < list.size(); ++i) {
        const Phrase &p = list.at(i);
        FUZZ_CHECK(!p.text.isEmpty() && p.text == p.text.trimmed());
        FUZZ_CHECK(!p.name.isEmpty() && p.name.size() <= 20);
        FUZZ_CHECK((p.mods & ~7) == 0 && p.vk >= 0 && p.vk <= 0xFFFF);
        FUZZ_CHECK(p.enabled && p.lastUsed == 0);
        if (p.vk != 0) {
            FUZZ_CHECK(!store.conflictsWithGlobalHotkey(p.mods, p.vk));
            for (int j = 0; j < i; ++j) {
                const Phrase &q = list.at(j);
                FUZZ_CHECK(!q.enabled || !Hotkey::sameHotkey(p.mods, p.vk, q.mods, q.vk));
            }
        } else {
            FUZZ_CHECK(p.mods == 0);
        }
    }
    // Once done, never again: nothing is read or appended.
    FUZZ_CHECK(store.importLegacy() == 0 && list.size() == 1 + count);
    return 0;
}
