// The data file: PhraseStore::load over any bytes. Besides not crashing:
// - the direct reader may decline an input, but what it takes must read
//   exactly as QJsonDocument reads it (which decides what a valid file is);
// - load succeeds exactly when one of the two readers takes the file, and a
//   failed load leaves an empty list;
// - what was loaded, written out again, is byte for byte what QJsonDocument
//   writes (U+FEFF aside) and reads back as the same list and settings.

#include "fuzzscratch.h"
#include "store/phrasejson.h"
#include "store/phrasestore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

namespace {

bool looksFresh(const QString &id)
{
    return id.size() == 36 && !QUuid::fromString(id).isNull();
}

// Identifiers made up for phrases without one differ by nature.
bool samePhrases(const QVector<Phrase> &a, const QVector<Phrase> &b, bool freshIdsDiffer)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const Phrase &x = a.at(i);
        const Phrase &y = b.at(i);
        const bool idsAgree =
            x.id == y.id || (freshIdsDiffer && looksFresh(x.id) && looksFresh(y.id));
        if (!idsAgree || x.name != y.name || x.text != y.text || x.vk != y.vk || x.mods != y.mods ||
            x.enabled != y.enabled || x.lastUsed != y.lastUsed)
            return false;
    }
    return true;
}

QByteArray viaQt(const QVector<Phrase> &phrases, const QJsonObject &settings)
{
    QJsonArray array;
    for (const Phrase &p : phrases)
        array.append(p.toJson());
    const QJsonObject root{{QStringLiteral("phrases"), array},
                           {QStringLiteral("settings"), settings},
                           {QStringLiteral("version"), 1}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzScratch::bytesOf(data, size);

    PhraseJson::Document direct, general;
    const bool tookDirect = PhraseJson::read(bytes, &direct);
    const bool tookGeneral = PhraseJson::readGeneral(bytes, &general);
    if (tookDirect) {
        FUZZ_CHECK(tookGeneral);
        FUZZ_CHECK(direct.settings == general.settings);
        FUZZ_CHECK(samePhrases(direct.phrases, general.phrases, true));
    }

    FuzzScratch::write(QStringLiteral("phrases.json"), bytes);
    PhraseStore store(FuzzScratch::folder());
    const bool loaded = store.load();
    FUZZ_CHECK(loaded == (tookDirect || tookGeneral));
    if (!loaded) {
        FUZZ_CHECK(store.phrases().isEmpty());
        return 0;
    }
    for (const Phrase &p : store.phrases())
        FUZZ_CHECK(!p.text.isEmpty() && !p.id.isEmpty());

    const QJsonObject settings = store.settings().toJson();
    const QByteArray written = PhraseJson::write(store.phrases(), &settings);
    // U+FEFF is the one character written escaped where QJsonDocument
    // writes it raw.
    FUZZ_CHECK(written == viaQt(store.phrases(), settings).replace("\xEF\xBB\xBF", "\\ufeff"));
    PhraseJson::Document back;
    FUZZ_CHECK(PhraseJson::readGeneral(written, &back));
    FUZZ_CHECK(samePhrases(back.phrases, store.phrases(), false));
    Settings reread = store.settings();
    reread.readJson(back.settings);
    FUZZ_CHECK(reread.toJson() == settings);
    PhraseJson::Document backDirect;
    if (PhraseJson::read(written, &backDirect))
        FUZZ_CHECK(samePhrases(backDirect.phrases, store.phrases(), false));
    return 0;
}
