// The direct writer and reader of the data file against QJsonDocument: the
// writer's bytes must be the same, and whatever the direct reader accepts
// must read exactly as QJsonDocument reads it.

#include "store/phrasejson.h"
#include "store/settings.h"

#include <QtTest>

namespace {

QString oddText(bool loneSurrogates = true)
{
    QString s = QStringLiteral("quote \" backslash \\ slash / tab\t cr\r lf\n ");
    for (ushort u : {0x00, 0x01, 0x08, 0x0C, 0x1F, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFD, 0xFFFF})
        s += QChar(u);
    s += QString::fromUtf8("你好 😀 ");
    if (!loneSurrogates)
        return s;
    s += QChar(0xD800); // lone high surrogate
    s += QLatin1Char('x');
    s += QChar(0xDC01); // lone low surrogate
    s += QChar(0xDBFF); // high surrogate at the very end
    return s;
}

QVector<Phrase> samplePhrases(bool loneSurrogates = true)
{
    QVector<Phrase> list;
    Phrase a;
    a.id = QStringLiteral("a-1");
    a.name = QStringLiteral("Name");
    a.text = QStringLiteral("plain");
    list << a;
    Phrase b;
    b.id = QStringLiteral("b-2");
    b.name = oddText(loneSurrogates);
    b.text = oddText(loneSurrogates) + QStringLiteral("\nsecond line");
    b.vk = -7;
    b.mods = 2147483647;
    b.enabled = false;
    b.lastUsed = std::numeric_limits<qint64>::min();
    list << b;
    Phrase c;
    c.id = QStringLiteral("c-3");
    c.text = QStringLiteral(" ");
    c.vk = 0x41;
    c.mods = 15;
    c.lastUsed = std::numeric_limits<qint64>::max();
    // Written only when set, each where its name sorts.
    c.abbreviation = QStringLiteral(";ab\u65E5");
    c.placeholders = true;
    c.matchCase = true;
    c.uses = Phrase::MaxCount;
    c.charactersSaved = 1234567;
    list << c;
    return list;
}

QByteArray viaQt(const QVector<Phrase> &phrases, const QJsonObject *settings)
{
    QJsonArray array;
    for (const Phrase &p : phrases)
        array.append(p.toJson());
    QJsonObject root{{QStringLiteral("version"), 1}, {QStringLiteral("phrases"), array}};
    if (settings)
        root.insert(QStringLiteral("settings"), *settings);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// Compares from the first difference on, so a failure shows where it is.
void compareBytes(const QByteArray &actual, const QByteArray &expected)
{
    int i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    QCOMPARE(actual.mid(qMax(0, i - 20), 60), expected.mid(qMax(0, i - 20), 60));
    QCOMPARE(actual.size(), expected.size());
}

bool looksFresh(const QString &id)
{
    return id.size() == 36 && !QUuid::fromString(id).isNull();
}

// Both readers' results, field by field. Identifiers made up for phrases
// without one differ by nature; both must then be fresh ones.
void compareDocuments(const PhraseJson::Document &a, const PhraseJson::Document &b)
{
    QCOMPARE(a.settings, b.settings);
    QCOMPARE(a.phrases.size(), b.phrases.size());
    for (int i = 0; i < a.phrases.size(); ++i) {
        const Phrase &x = a.phrases[i];
        const Phrase &y = b.phrases[i];
        if (x.id != y.id) {
            QVERIFY(looksFresh(x.id));
            QVERIFY(looksFresh(y.id));
        }
        QCOMPARE(x.name, y.name);
        QCOMPARE(x.text, y.text);
        QCOMPARE(x.vk, y.vk);
        QCOMPARE(x.mods, y.mods);
        QCOMPARE(x.enabled, y.enabled);
        QCOMPARE(x.lastUsed, y.lastUsed);
        QCOMPARE(x.abbreviation, y.abbreviation);
        QCOMPARE(x.placeholders, y.placeholders);
        QCOMPARE(x.matchCase, y.matchCase);
        QCOMPARE(x.uses, y.uses);
        QCOMPARE(x.charactersSaved, y.charactersSaved);
    }
}

// Returns whether the direct reader took the input; fails the test when it
// took what QJsonDocument refuses (the data file is read by it first: the
// program would load a file it calls invalid), or read something else than
// QJsonDocument. Callers look at QTest::currentTestFailed() after it.
bool agree(const QByteArray &bytes)
{
    PhraseJson::Document direct, general;
    const bool took = PhraseJson::read(bytes, &direct);
    const bool valid = PhraseJson::readGeneral(bytes, &general);
    if (took) {
        if (!valid) {
            QTest::qFail(qPrintable(QStringLiteral("the direct reader took what QJsonDocument "
                                                   "refuses: ") +
                                    QString::fromLatin1(bytes.left(200).toPercentEncoding())),
                         __FILE__, __LINE__);
            return took;
        }
        compareDocuments(direct, general);
        if (QTest::currentTestFailed())
            qWarning() << "for" << bytes.left(300);
    }
    return took;
}

} // namespace

class PhraseJsonTest : public QObject
{
    Q_OBJECT

private slots:
    void writerMatchesQt()
    {
        Settings settings;
        settings.language = oddText();
        settings.floatingPanelX = -1;
        const QJsonObject s = settings.toJson();
        const QJsonObject empty;
        compareBytes(PhraseJson::write({}, nullptr), viaQt({}, nullptr));
        compareBytes(PhraseJson::write({}, &s), viaQt({}, &s));
        compareBytes(PhraseJson::write({}, &empty), viaQt({}, &empty));
        compareBytes(PhraseJson::write(samplePhrases(), &s), viaQt(samplePhrases(), &s));
        compareBytes(PhraseJson::write(samplePhrases(), nullptr), viaQt(samplePhrases(), nullptr));
        // Numbers as QJsonDocument writes them: whole ones with all their
        // digits (a setting of a million from a hostile file), the others
        // in the shortest form.
        Settings large;
        large.pickerMods = 1000000;
        large.floatingPanelX = -2147483647 - 1;
        const QJsonObject l = large.toJson();
        compareBytes(PhraseJson::write({}, &l), viaQt({}, &l));
        const QJsonObject numbers{{QStringLiteral("a"), 1e12},
                                  {QStringLiteral("b"), -9007199254740992.0},
                                  {QStringLiteral("c"), 0.5},
                                  {QStringLiteral("d"), 1e300},
                                  {QStringLiteral("e"), QJsonArray{1e6, 2.5, -0.0}}};
        compareBytes(PhraseJson::write({}, &numbers), viaQt({}, &numbers));
    }

    void readsWhatItWrites()
    {
        const QJsonObject s = Settings().toJson();
        const QVector<Phrase> phrases = samplePhrases(false);
        const QByteArray bytes = PhraseJson::write(phrases, &s);
        PhraseJson::Document doc;
        QVERIFY(PhraseJson::read(bytes, &doc)); // the common case takes the direct road
        QVERIFY(agree(bytes));
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(doc.phrases.size(), 3);
        QCOMPARE(doc.phrases[1].text, phrases[1].text);
        QCOMPARE(doc.phrases[1].id, QStringLiteral("b-2"));
        // A lone surrogate, written escaped, is left to QJsonDocument.
        QVERIFY(!agree(PhraseJson::write(samplePhrases(true), &s)));
        QCOMPARE(doc.phrases[1].lastUsed, std::numeric_limits<qint64>::min());
        QCOMPARE(doc.phrases[2].uses, Phrase::MaxCount);
        QCOMPARE(doc.phrases[2].charactersSaved, 1234567);
        QVERIFY(doc.phrases[2].matchCase);
        QVERIFY(!doc.phrases[0].matchCase);
        QCOMPARE(doc.phrases[0].uses, 0);
    }

    void byteOrderMarkSurvives()
    {
        // Written raw, a leading U+FEFF would read back as a byte order mark
        // and vanish from the text.
        Phrase p;
        p.id = QStringLiteral("f");
        p.name = QString(QChar(0xFEFF));
        p.text = QString(QChar(0xFEFF)) + QStringLiteral("a\n") + QChar(0xFEFF);
        const QByteArray bytes = PhraseJson::write({p}, nullptr);
        PhraseJson::Document direct, general;
        QVERIFY(PhraseJson::read(bytes, &direct));
        QVERIFY(PhraseJson::readGeneral(bytes, &general));
        for (const PhraseJson::Document &doc : {direct, general}) {
            QCOMPARE(doc.phrases.value(0).name, p.name);
            QCOMPARE(doc.phrases.value(0).text, p.text);
        }
    }

    // Where RapidJSON and QJsonDocument could judge or read a file
    // differently. "direct": the RapidJSON reader takes it (and must then read
    // what QJsonDocument reads); "valid": the verdict of load, which is
    // QJsonDocument's.
    void agreement_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<bool>("valid");
        auto row = [](const char *name, const QByteArray &json, bool direct, bool valid) {
            QTest::newRow(name) << json << direct << valid;
        };
        row("empty object", "{}", true, true);
        row("compact", R"({"phrases":[{"text":"a","vk":65}]})", true, true);
        row("unknown keys and values", R"({"x": [1, {"a": [true, false, null]}, "s"], "phrases": [
                {"text": "t", "extra": {"deep": [[[]]]}, "vk": null, "mods": "2",
                 "enabled": 0, "lastUsed": 5, "id": 7, "name": false}], "version": "x"})",
            true, true);
        row("fields holding containers",
            R"({"phrases": [{"text": "t", "id": [], "name": {}, "vk": [1], "enabled": {}}]})", true,
            true);
        row("escapes",
            "{\"phrases\": [{\"text\": "
            "\"\\u00e9\\u4F60\\ud83d\\ude00\\/\\\"\\\\\\b\\f\\n\\r\\t\\u0000\"}]}",
            true, true);
        row("U+FEFF first in a string and after an escape",
            "{\"phrases\": [{\"name\": \"\xEF\xBB\xBF\", \"text\": "
            "\"\xEF\xBB\xBF\xEF\xBB\xBF"
            "a\\n\xEF\xBB\xBF\"}]}",
            true, true);
        row("two raw U+FEFF first, no escape",
            "{\"phrases\": [{\"text\": \"\xEF\xBB\xBF\xEF\xBB\xBF"
            "a\"}]}",
            true, true);
        row("escaped U+FEFF first", R"({"phrases": [{"text": "\ufeffa", "id": "\uFEFF"}]})", true,
            true);
        row("U+FEFF before a member name",
            "{\"phrases\": [{\"\xEF\xBB\xBF"
            "text\": \"a\"}]}",
            false, true);
        row("escaped U+FEFF before a member name", R"({"phrases": [{"\ufefftext": "a"}]})", true,
            true);
        row("elements that are not objects",
            R"({"phrases": [1, "two", null, [], {"text": "kept"}, true]})", true, true);
        row("phrases not an array", R"({"phrases": {"text": "a"}})", true, true);
        row("settings not an object", R"({"settings": [1]})", true, true);
        row("settings", R"({"settings": {"uiTheme": 0, "x": [1, {"y": [2]}], "z": {}}})", true,
            true);
        row("bad settings inside", R"({"settings": {"a": 1,}})", false, false);
        row("ints at the edges",
            R"({"phrases": [{"text": "a", "vk": -2147483648, "mods": 2147483647},
                                          {"text": "b", "vk": 2147483648, "mods": -0}]})",
            true, true);
        row("counts at and past their edges",
            R"({"phrases": [{"text": "a", "uses": 9007199254740991, "charactersSaved": 0},
                            {"text": "b", "uses": -1, "charactersSaved": 2.5},
                            {"text": "c", "uses": "5", "charactersSaved": true},
                            {"text": "d", "uses": 1e3, "charactersSaved": 9007199254740992},
                            {"text": "e", "matchCase": 1, "uses": null},
                            {"text": "f", "matchCase": true, "uses": 3}]})",
            true, true);
        row("a count repeated", R"({"phrases": [{"text": "f", "uses": 3, "uses": 4}]})", false,
            true);
        row("fraction", R"({"phrases": [{"text": "a", "vk": 65.0, "mods": 2.5}]})", true, true);
        row("exponent", R"({"phrases": [{"text": "a", "vk": 1e2, "mods": 2E-0}]})", true, true);
        row("long number", R"({"phrases": [{"text": "a", "vk": 12345678901234567890}]})", true,
            true);
        row("2^53", R"({"settings": {"a": 9007199254740992, "b": -9007199254740992}})", true, true);
        row("integer beyond 2^53", R"({"settings": {"a": 9007199254740993}})", false, true);
        row("integer beyond 2^53 in a phrase",
            R"({"phrases": [{"text": "a", "vk": -9223372036854775808}]})", false, true);
        row("integer beyond 2^64", R"({"settings": {"a": 18446744073709551617}})", true, true);
        row("negative zero", R"({"settings": {"a": -0, "b": -0.0}})", true, true);
        row("fractions in settings", R"({"settings": {"a": 0.1, "b": 1e308, "c": 1.5e-7}})", true,
            true);
        row("long integer in settings", R"({"settings": {"a": 123456789012345678901234567890}})",
            true, true);
        row("smallest subnormal", R"({"settings": {"a": 4.9e-324}})", true, true);
        row("number beyond the double range", R"({"settings": {"a": 1e400}})", false, false);
        row("number that underflows", R"({"settings": {"a": 1e-400}})", false, false);
        row("number ending in a point", R"({"phrases": [{"text": "a", "vk": 1.}]})", false, true);
        row("leading zero", R"({"phrases": [{"vk": 01}]})", false, false);
        row("plus sign", R"({"phrases": [{"vk": +1}]})", false, false);
        row("duplicate key", R"({"phrases": [{"text": "a", "text": "b"}]})", false, true);
        row("duplicate key, last of another type",
            R"({"phrases": [{"text": "a", "vk": 5, "enabled": false, "vk": "6", "enabled": 1,
                "text": "b", "lastUsed": "7", "lastUsed": 8}]})",
            false, true);
        row("duplicate phrases", R"({"phrases": [{"text": "a"}], "phrases": [{"text": "b"}]})",
            false, true);
        row("duplicate phrases, last not an array", R"({"phrases": [{"text": "a"}], "phrases": 1})",
            false, true);
        row("duplicate settings", R"({"settings": {"uiTheme": 0}, "settings": {"x": 1}})", false,
            true);
        row("duplicate settings, last not an object",
            R"({"settings": {"uiTheme": 0}, "settings": null})", false, true);
        row("duplicate key inside settings",
            R"({"settings": {"uiTheme": 0, "uiTheme": 1, "o": {"a": 1, "a": [2]}}})", false, true);
        // Repeated names are left to QJsonDocument: in a larger object it does
        // not always keep the last value.
        row("repeated names in a larger object",
            R"({"settings": {"showVk": "85", "pickerVk": 85.5, "pickerMods": 1e12,
                "floatingPanelX": -32, "startMinimized": 1, "pickerRecentFirst": null,
                "language": "xx", "a": 0, "b": 5, "showVk": "85", "pickerVk": 85.5,
                "pickerMods": 1e12, "floatingPanelX": -40, "startMinimized": 1,
                "pickerRecentFirst": null, "language": "xx", "importedV3": true},
                "phrases": [{"t;xt": "kept"}]})",
            false, true);
        row("lone high surrogate escape", "{\"phrases\": [{\"text\": \"\\ud800x\"}]}", false, true);
        row("lone low surrogate escape", "{\"phrases\": [{\"text\": \"\\udc01\"}]}", false, true);
        row("lone surrogate in a name", "{\"settings\": {\"\\udc01\": 1}}", false, true);
        row("bom", "\xEF\xBB\xBF{}", true, true);
        row("two boms", "\xEF\xBB\xBF\xEF\xBB\xBF{}", false, false);
        row("bom after white space", " \xEF\xBB\xBF{}", false, false);
        row("raw control character", "{\"phrases\": [{\"text\": \"a\x01\"}]}", false, true);
        row("raw DEL and U+FFFF", "{\"phrases\": [{\"text\": \"\x7F\xEF\xBF\xBF\"}]}", true, true);
        row("invalid utf-8", "{\"phrases\": [{\"text\": \"\xC3\x28\"}]}", false, false);
        row("overlong utf-8", "{\"phrases\": [{\"text\": \"\xC0\xAF\"}]}", false, false);
        row("utf-8 surrogate", "{\"phrases\": [{\"text\": \"\xED\xA0\x80\"}]}", false, false);
        row("utf-8 beyond U+10FFFF", "{\"phrases\": [{\"text\": \"\xF4\x90\x80\x80\"}]}", false,
            false);
        row("four-byte utf-8", "{\"phrases\": [{\"text\": \"\xF0\x9F\x98\x80\"}]}", true, true);
        row("truncated", R"({"phrases": [{"text": "a"})", false, false);
        row("trailing comma", R"({"phrases": [],})", false, false);
        row("comment", "{} // x", false, false);
        row("trailing garbage", "{} x", false, false);
        row("NUL after the document", QByteArray("{}\0 x", 5), false, false);
        row("NUL inside a string", QByteArray("{\"x\": \"a\0b\"}", 12), false, true);
        row("trailing whitespace", "{} \r\n\t", true, true);
        row("vertical tab is no white space", "{\v}", false, false);
        row("array at top", "[]", false, false);
        row("string at top", "\"x\"", false, false);
        row("empty", QByteArray(), false, false);
        auto nested = [](int levels) {
            return "{\"x\": " + QByteArray(levels - 1, '[') + QByteArray(levels - 1, ']') + "}";
        };
        row("512 levels", nested(512), true, true);
        row("513 levels", nested(513), false, true);
        row("1024 levels", nested(1024), false, true);
        row("1025 levels", nested(1025), false, false);
        row("deep", "{\"x\": " + QByteArray(5000, '[') + QByteArray(5000, ']') + "}", false, false);
    }
    void agreement()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, direct);
        QFETCH(bool, valid);
        const bool took = agree(json);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(took, direct);
        PhraseJson::Document doc;
        QCOMPARE(PhraseJson::readGeneral(json, &doc), valid);
    }

    // Strings are scanned a block of 16 bytes at a time: the closing quote,
    // an escape and a leading U+FEFF (kept only when the string has escapes)
    // are found wherever in a block they fall, in texts and member names.
    void stringsAtEveryPlaceInABlock()
    {
        const QByteArray mark = "\xEF\xBB\xBF";
        const QByteArray tails[] = {"", "\\\"", "\\u00e9b", "\xC3\xA9", "\\\\"};
        for (int lead = 0; lead < 17; ++lead) {
            for (int length = 0; length < 34; ++length) {
                for (const QByteArray &tail : tails) {
                    for (const bool marked : {false, true}) {
                        const QByteArray body =
                            (marked ? mark : QByteArray()) + QByteArray(length, 'a') + tail;
                        const QByteArray text =
                            "{\"phrases\": [{\"text\":" + QByteArray(lead, ' ') + '"' + body +
                            "\"}]}";
                        QVERIFY2(agree(text), text.constData());
                        const QByteArray name = "{\"phrases\": [{\"text\": \"t\"}], " +
                                                QByteArray(lead, ' ') + '"' + body + "\": 1}";
                        agree(name); // a raw U+FEFF first in a name is left to QJsonDocument
                        if (QTest::currentTestFailed())
                            return;
                    }
                }
            }
        }
    }

    void mutatedInputs()
    {
        // Random damage to a valid file: the direct reader may decline, but
        // what it takes it must read as QJsonDocument does, and nothing crashes.
        const QJsonObject s = Settings().toJson();
        const QByteArray valid = PhraseJson::write(samplePhrases(), &s);
        QRandomGenerator rng(7);
        const char pool[] = "{}[]\",:\\u0123456789abcdefnrt-.eE \n\x80\xC3\xE4\xF0\xFF";
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes = valid;
            const int edits = 1 + rng.bounded(4);
            for (int e = 0; e < edits; ++e) {
                const int at = rng.bounded(bytes.size());
                switch (rng.bounded(3)) {
                case 0:
                    bytes[at] = pool[rng.bounded(int(sizeof(pool) - 1))];
                    break;
                case 1:
                    bytes.remove(at, 1 + rng.bounded(8));
                    break;
                default:
                    bytes.truncate(at);
                    break;
                }
                if (bytes.isEmpty())
                    break;
            }
            agree(bytes);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_GUILESS_MAIN(PhraseJsonTest)
#include "tst_phrasejson.moc"
