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
    }
}

// Returns whether the direct reader took the input; fails the test when it
// took it and read something else than QJsonDocument.
bool agree(const QByteArray &bytes)
{
    PhraseJson::Document direct, general;
    const bool took = PhraseJson::read(bytes, &direct);
    const bool valid = PhraseJson::readGeneral(bytes, &general);
    if (took) {
        if (!valid) {
            qWarning() << "direct reader took what QJsonDocument refuses:" << bytes.left(200);
            return false;
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
    }

    void readsWhatItWrites()
    {
        const QJsonObject s = Settings().toJson();
        const QVector<Phrase> phrases = samplePhrases(false);
        const QByteArray bytes = PhraseJson::write(phrases, &s);
        PhraseJson::Document doc;
        QVERIFY(PhraseJson::read(bytes, &doc)); // the common case takes the direct road
        QVERIFY(agree(bytes));
        QCOMPARE(doc.phrases.size(), 3);
        QCOMPARE(doc.phrases[1].text, phrases[1].text);
        QCOMPARE(doc.phrases[1].id, QStringLiteral("b-2"));
        // A lone surrogate, written escaped, is left to QJsonDocument.
        QVERIFY(!agree(PhraseJson::write(samplePhrases(true), &s)));
        QCOMPARE(doc.phrases[1].lastUsed, std::numeric_limits<qint64>::min());
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

    void agreement_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("direct"); // expected to take the direct road
        QTest::newRow("empty object") << QByteArray("{}") << true;
        QTest::newRow("compact") << QByteArray(R"({"phrases":[{"text":"a","vk":65}]})") << true;
        QTest::newRow("unknown keys and values")
            << QByteArray(R"({"x": [1, {"a": [true, false, null]}, "s"], "phrases": [
                {"text": "t", "extra": {"deep": [[[]]]}, "vk": null, "mods": "2",
                 "enabled": 0, "lastUsed": 5, "id": 7, "name": false}], "version": "x"})")
            << true;
        QTest::newRow("escapes")
            << QByteArray("{\"phrases\": [{\"text\": "
                          "\"\\u00e9\\u4F60\\ud83d\\ude00\\/\\\"\\\\\\b\\f\\n\\r\\t\\u0000\"}]}")
            << true;
        QTest::newRow("U+FEFF first in a string and after an escape")
            << QByteArray("{\"phrases\": [{\"name\": \"\xEF\xBB\xBF\", \"text\": "
                          "\"\xEF\xBB\xBF\xEF\xBB\xBF"
                          "a\\n\xEF\xBB\xBF\"}]}")
            << true;
        QTest::newRow("U+FEFF before a member name") << QByteArray("{\"phrases\": [{\"\xEF\xBB\xBF"
                                                                   "text\": \"a\"}]}")
                                                     << false;
        QTest::newRow("elements that are not objects")
            << QByteArray(R"({"phrases": [1, "two", null, [], {"text": "kept"}, true]})") << true;
        QTest::newRow("phrases not an array")
            << QByteArray(R"({"phrases": {"text": "a"}})") << true;
        QTest::newRow("settings not an object") << QByteArray(R"({"settings": [1]})") << true;
        QTest::newRow("settings") << QByteArray(R"({"settings": {"uiTheme": 0, "x": [1]}})")
                                  << true;
        QTest::newRow("bad settings inside") << QByteArray(R"({"settings": {"a": 1,}})") << false;
        QTest::newRow("ints at the edges")
            << QByteArray(R"({"phrases": [{"text": "a", "vk": -2147483648, "mods": 2147483647},
                                          {"text": "b", "vk": 2147483648, "mods": -0}]})")
            << true;
        QTest::newRow("fraction") << QByteArray(R"({"phrases": [{"text": "a", "vk": 65.0}]})")
                                  << false;
        QTest::newRow("exponent") << QByteArray(R"({"phrases": [{"text": "a", "vk": 1e2}]})")
                                  << false;
        QTest::newRow("long number")
            << QByteArray(R"({"phrases": [{"text": "a", "vk": 12345678901234567890}]})") << false;
        QTest::newRow("leading zero") << QByteArray(R"({"phrases": [{"vk": 01}]})") << false;
        QTest::newRow("duplicate key")
            << QByteArray(R"({"phrases": [{"text": "a", "text": "b"}]})") << false;
        QTest::newRow("duplicate phrases")
            << QByteArray(R"({"phrases": [], "phrases": [{"text": "b"}]})") << false;
        QTest::newRow("lone surrogate escape")
            << QByteArray("{\"phrases\": [{\"text\": \"\\ud800x\"}]}") << false;
        QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF{}") << false;
        QTest::newRow("raw control character")
            << QByteArray("{\"phrases\": [{\"text\": \"a\x01\"}]}") << false;
        QTest::newRow("invalid utf-8")
            << QByteArray("{\"phrases\": [{\"text\": \"\xC3\x28\"}]}") << false;
        QTest::newRow("overlong utf-8")
            << QByteArray("{\"phrases\": [{\"text\": \"\xC0\xAF\"}]}") << false;
        QTest::newRow("utf-8 surrogate")
            << QByteArray("{\"phrases\": [{\"text\": \"\xED\xA0\x80\"}]}") << false;
        QTest::newRow("four-byte utf-8")
            << QByteArray("{\"phrases\": [{\"text\": \"\xF0\x9F\x98\x80\"}]}") << true;
        QTest::newRow("truncated") << QByteArray(R"({"phrases": [{"text": "a"})") << false;
        QTest::newRow("trailing garbage") << QByteArray("{} x") << false;
        QTest::newRow("trailing whitespace") << QByteArray("{} \r\n\t") << true;
        QTest::newRow("array at top") << QByteArray("[]") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("deep") << QByteArray("{\"x\": ") + QByteArray(5000, '[') +
                                     QByteArray(5000, ']') + "}"
                              << false;
    }
    void agreement()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, direct);
        QCOMPARE(agree(json), direct);
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
