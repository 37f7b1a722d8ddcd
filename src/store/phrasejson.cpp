#include "store/phrasejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <QVariant>

// Strings and white space are scanned 16 bytes at a time, with SSE2, which
// every x86-64 processor has. Not under AddressSanitizer: the aligned loads
// may read past the terminating NUL inside its 16-byte block, harmless
// for the processor but an overflow to the sanitizer.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCRIVLET_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SCRIVLET_ADDRESS_SANITIZER
#endif
#if defined(__SSE2__) && !defined(SCRIVLET_ADDRESS_SANITIZER) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/reader.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_set>
#include <vector>

namespace PhraseJson {

namespace {

const char byteOrderMark[] = "\xEF\xBB\xBF";

// Deeper documents are left to QJsonDocument, which takes up to 1023 levels;
// ours go three deep.
constexpr int maxDepth = 512;

// Iterative: a deep document cannot exhaust the stack. Numbers come as their
// text, read below with QJsonDocument's own conversions. No
// kParseValidateEncodingFlag: it checks the input a character at a time and
// made reading twice as slow; each string is checked whole instead
// (validUtf8).
constexpr unsigned parseFlags =
    rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
// Checked on a decoded string this is the same as checking its raw pieces:
// an escape decodes to whole sequences, which neither mend a broken raw
// sequence nor are mended by one; an escaped lone surrogate decodes to the
// three bytes of a surrogate and fails here too, which is what is wanted
// (QJsonDocument keeps it, a plain decoding would not).
bool validUtf8(const char *begin, size_t n)
{
    const uchar *p = reinterpret_cast<const uchar *>(begin);
    const uchar *const end = p + n;
    while (p < end) {
        // Plain ASCII, eight bytes at a time.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const uchar c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        uchar low = 0x80, high = 0xBF; // the range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p <= more || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += more + 1;
    }
    return true;
}

bool startsWithByteOrderMark(const char *s, size_t n)
{
    return n >= 3 && std::memcmp(s, byteOrderMark, 3) == 0;
}

constexpr qint64 maxExactInteger = qint64(1) << 53;

// A JSON number as QJsonDocument takes it: an integer when the text is one
// that fits in 64 bits, else the double QByteArray::toDouble makes of it.
// False where QJsonDocument refuses the number (beyond the double range,
// underflow to zero included), and for an integer beyond 2^53 that fits in
// 64 bits: QJsonDocument keeps it exact, but a QJsonObject built here would
// hold it as a double.
bool jsonNumber(const char *s, size_t n, QJsonValue *value)
{
    const QByteArray text = QByteArray::fromRawData(s, int(n));
    bool ok = false;
    if (std::memchr(s, '.', n) == nullptr && std::memchr(s, 'e', n) == nullptr &&
        std::memchr(s, 'E', n) == nullptr) {
        const qint64 v = text.toLongLong(&ok);
        if (ok) {
            if (v < -maxExactInteger || v > maxExactInteger)
                return false;
            *value = QJsonValue(v);
            return true;
        }
    }
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    *value = QJsonValue(d);
    return true;
}

// Phrase::fromJson's rule for "vk" and "mods": an integer-valued number in
// the int range, else 0.
int intOf(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (std::trunc(d) != d || d < std::numeric_limits<int>::min() ||
        d > std::numeric_limits<int>::max())
        return 0;
    return int(d);
}

// The member names of one object so far, to tell a repeated one. A phrase
// has eight: they are kept in a short list, names of up to 15 bytes without
// allocation. A hostile file may give one object tens of thousands, where
// searching the list for each would take time that grows with their square:
// past a few the names go into a hash set.
class SeenNames final
{
public:
    // False when the name s has been seen before.
    bool firstTime(const char *s, size_t n)
    {
        if (m_set.empty()) {
            for (const std::string &name : m_list)
                if (name.size() == n && std::memcmp(name.data(), s, n) == 0)
                    return false;
            if (m_list.size() < listMax) {
                m_list.emplace_back(s, n);
                return true;
            }
            m_set.reserve(4 * listMax);
            for (std::string &name : m_list)
                m_set.insert(std::move(name));
            m_list.clear();
        }
        return m_set.emplace(s, n).second;
    }

    void clear()
    {
        m_list.clear();
        // Clearing keeps the buckets, which every later clear would sweep.
        if (!m_set.empty())
            std::unordered_set<std::string>().swap(m_set);
    }

private:
    static constexpr size_t listMax = 16;
    std::vector<std::string> m_list;
    std::unordered_set<std::string> m_set; // once the list is full
};

// The events of RapidJSON's reader turned into phrases and the settings
// object, with the rules of Phrase::fromJson and of QJsonDocument. A handler
// that returns false stops the parse: the input is then left to
// QJsonDocument. That happens for invalid UTF-8, and for what QJsonDocument
// reads differently from a plain decoding: an escaped lone surrogate (kept by
// QJsonDocument) and a member name that starts with a raw U+FEFF (which
// QJsonDocument drops from the name but not from lookups).
class Handler final : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Handler>
{
public:
    enum class Escapes
    {
        None,
        Some,
        Unknown
    };

    enum Field
    {
        Other,
        Id,
        Name,
        Text,
        Vk,
        Mods,
        Enabled,
        LastUsed,
        Abbreviation,
        Placeholders,
        MatchCase,
        Uses,
        CharactersSaved
    };
    enum RootKey
    {
        OtherRoot,
        Phrases,
        SettingsKey
    };

    Handler(const rapidjson::StringStream &stream, Document *doc) : m_stream(stream), m_doc(doc) {}

    bool Null() { return scalar(Value()); }
    bool Bool(bool b)
    {
        Value v(QJsonValue::Bool);
        v.boolean = b;
        return scalar(v);
    }
    bool RawNumber(const char *s, rapidjson::SizeType n, bool)
    {
        Value v(QJsonValue::Double);
        return jsonNumber(s, n, &v.number) && scalar(v);
    }
    bool String(const char *s, rapidjson::SizeType n, bool)
    {
        Value v(QJsonValue::String);
        return decode(s, n, &v.string) && scalar(v);
    }

    bool Key(const char *s, rapidjson::SizeType n, bool)
    {
        if (!validUtf8(s, n) || (startsWithByteOrderMark(s, n) && escapes() != Escapes::Some))
            return false;
        // A repeated member name is left to QJsonDocument: which of the
        // values it keeps depends on how it sorts the members (for larger
        // objects not always the last), and the file must read as it reads.
        if (!m_frames.empty()) {
            Frame &top = m_frames.back();
            if (!decode(s, n, &top.key) || !top.firstTime(top.key))
                return false;
        } else if (m_depth == 1) {
            if (!m_rootKeys.firstTime(s, n))
                return false;
            m_rootKey = equals(s, n, "phrases")    ? Phrases
                        : equals(s, n, "settings") ? SettingsKey
                                                   : OtherRoot;
        } else if (m_depth == 3 && m_inPhrase) {
            if (!m_phraseKeys.firstTime(s, n))
                return false;
            m_field = fieldOf(s, n);
        }
        return true;
    }

    bool StartObject() { return start(false); }
    bool StartArray() { return start(true); }
    bool EndObject(rapidjson::SizeType) { return end(); }
    bool EndArray(rapidjson::SizeType) { return end(); }

private:
    // A scalar as it arrives. Not a QJsonValue: one that holds a string costs
    // an allocation of its own, for every text of every phrase.
    struct Value
    {
        explicit Value(QJsonValue::Type type = QJsonValue::Null) : type(type) {}
        QJsonValue json() const
        {
            switch (type) {
            case QJsonValue::Bool:
                return QJsonValue(boolean);
            case QJsonValue::Double:
                return number;
            case QJsonValue::String:
                return QJsonValue(string);
            default:
                return QJsonValue(type);
            }
        }

        QJsonValue::Type type;
        bool boolean = false;
        QJsonValue number; // a double or an integer: held without allocation
        QString string;
    };

    // One object or array of the settings value, built as QJsonDocument
    // builds it. An object's members are gathered as they come and put into
    // the object in key order at its end: a QJsonObject keeps its keys
    // sorted, and each insert in the middle moves every member after it, a
    // cost that grows with the square of their number.
    struct Frame
    {
        bool isArray = false;
        std::vector<std::pair<QString, QJsonValue>> members;
        QSet<QString> names; // past a few members, to tell a repeated one
        QJsonArray array;
        QString key;

        // False when the object has a member of that name already.
        bool firstTime(const QString &name)
        {
            constexpr size_t listMax = 16;
            if (members.size() < listMax) {
                for (const auto &m : members)
                    if (m.first == name)
                        return false;
                return true;
            }
            if (names.isEmpty()) {
                names.reserve(int(4 * listMax));
                for (const auto &m : members)
                    names.insert(m.first);
            }
            if (names.contains(name))
                return false;
            names.insert(name);
            return true;
        }

        QJsonObject object()
        {
            std::sort(members.begin(), members.end(),
                      [](const auto &a, const auto &b) { return a.first < b.first; });
            QJsonObject o;
            for (const auto &m : members)
                o.insert(m.first, m.second);
            return o;
        }
    };

    static bool equals(const char *s, size_t n, const char *name)
    {
        return std::strlen(name) == n && std::memcmp(s, name, n) == 0;
    }

    static Field fieldOf(const char *s, size_t n)
    {
        if (equals(s, n, "text"))
            return Text;
        if (equals(s, n, "id"))
            return Id;
        if (equals(s, n, "name"))
            return Name;
        if (equals(s, n, "vk"))
            return Vk;
        if (equals(s, n, "mods"))
            return Mods;
        if (equals(s, n, "enabled"))
            return Enabled;
        if (equals(s, n, "lastUsed"))
            return LastUsed;
        if (equals(s, n, "abbreviation"))
            return Abbreviation;
        if (equals(s, n, "placeholders"))
            return Placeholders;
        if (equals(s, n, "matchCase"))
            return MatchCase;
        if (equals(s, n, "uses"))
            return Uses;
        if (equals(s, n, "charactersSaved"))
            return CharactersSaved;
        return Other;
    }

    // Whether the string or member name being reported was written with
    // escapes. The reader reports it while it works on its own copy of a
    // string stream, so ours still stands at the opening quote; the raw
    // string runs from there to the first quote that no backslash escapes.
    // Anything else, should the reader change, leaves the file to the
    // general reader.
    Escapes escapes() const
    {
        const char *p = m_stream.head_ + m_stream.Tell();
        if (*p != '"')
            return Escapes::Unknown;
        for (++p; *p != '"'; ++p) {
            if (*p == '\\')
                return Escapes::Some;
            if (*p == '\0')
                return Escapes::Unknown;
        }
        return Escapes::None;
    }

    // QJsonDocument reads a string without escapes with QString::fromUtf8,
    // which drops a leading byte order mark; with escapes every U+FEFF stays.
    bool decode(const char *s, size_t n, QString *out) const
    {
        if (!validUtf8(s, n))
            return false;
        const Escapes written = startsWithByteOrderMark(s, n) ? escapes() : Escapes::None;
        if (written == Escapes::Unknown)
            return false;
        if (written == Escapes::None) {
            *out = QString::fromUtf8(s, int(n));
            return true;
        }
        QString marks;
        while (startsWithByteOrderMark(s, n)) {
            marks += QChar(0xFEFF);
            s += 3;
            n -= 3;
        }
        *out = marks + QString::fromUtf8(s, int(n));
        return true;
    }

    bool scalar(const Value &value)
    {
        if (!m_frames.empty()) {
            Frame &top = m_frames.back();
            if (top.isArray)
                top.array.append(value.json());
            else
                top.members.emplace_back(top.key, value.json());
        } else if (m_depth == 0) {
            return false; // not an object at the top
        } else if (m_depth == 1) {
            replaceRootMember();
        } else if (m_depth == 3 && m_inPhrase) {
            assign(value);
        }
        return true;
    }

    // A repeated root member replaces the earlier one, as in QJsonDocument;
    // "phrases" or "settings" of another type than expected reads as empty.
    void replaceRootMember()
    {
        if (m_rootKey == Phrases)
            m_doc->phrases.clear();
        else if (m_rootKey == SettingsKey)
            m_doc->settings = QJsonObject();
    }

    // Every occurrence of a member decides its field, so that of repeated
    // names the last wins, as in QJsonDocument.
    void assign(const Value &value)
    {
        const bool isString = value.type == QJsonValue::String;
        switch (m_field) {
        case Id:
            m_phrase.id = isString ? value.string : QString();
            break;
        case Name:
            m_phrase.name = isString ? value.string : QString();
            break;
        case Text:
            m_phrase.text = isString ? value.string : QString();
            break;
        case Vk:
            m_phrase.vk = value.type == QJsonValue::Double ? intOf(value.number) : 0;
            break;
        case Mods:
            m_phrase.mods = value.type == QJsonValue::Double ? intOf(value.number) : 0;
            break;
        case Enabled:
            m_phrase.enabled = value.type == QJsonValue::Bool ? value.boolean : true;
            break;
        case LastUsed: {
            bool ok = false;
            const qint64 v = isString ? value.string.toLongLong(&ok, 10) : 0;
            m_phrase.lastUsed = ok ? v : 0;
            break;
        }
        case Abbreviation:
            m_phrase.abbreviation = isString ? value.string : QString();
            break;
        case Placeholders:
            m_phrase.placeholders = value.type == QJsonValue::Bool && value.boolean;
            break;
        case MatchCase:
            m_phrase.matchCase = value.type == QJsonValue::Bool && value.boolean;
            break;
        case Uses:
            m_phrase.uses = Phrase::countOf(value.json());
            break;
        case CharactersSaved:
            m_phrase.charactersSaved = Phrase::countOf(value.json());
            break;
        case Other:
            break;
        }
    }

    bool start(bool isArray)
    {
        if (!m_frames.empty()) {
            m_frames.emplace_back();
            m_frames.back().isArray = isArray;
        } else if (m_depth == 0) {
            if (isArray)
                return false; // not an object at the top
        } else if (m_depth == 1) {
            replaceRootMember();
            if (m_rootKey == Phrases && isArray) {
                m_inPhrases = true;
            } else if (m_rootKey == SettingsKey && !isArray) {
                m_frames.emplace_back();
            }
        } else if (m_depth == 2 && m_inPhrases && !isArray) {
            m_inPhrase = true;
            m_phrase = Phrase();
            m_field = Other;
            m_phraseKeys.clear();
        } else if (m_depth == 3 && m_inPhrase) {
            assign(Value(isArray ? QJsonValue::Array : QJsonValue::Object));
        }
        return ++m_depth <= maxDepth;
    }

    bool end()
    {
        --m_depth;
        if (!m_frames.empty()) {
            Frame done = std::move(m_frames.back());
            m_frames.pop_back();
            const QJsonValue value =
                done.isArray ? QJsonValue(done.array) : QJsonValue(done.object());
            if (m_frames.empty()) {
                m_doc->settings = value.toObject();
            } else if (m_frames.back().isArray) {
                m_frames.back().array.append(value);
            } else {
                m_frames.back().members.emplace_back(m_frames.back().key, value);
            }
        } else if (m_depth == 2 && m_inPhrase) {
            m_inPhrase = false;
            if (m_phrase.id.isEmpty())
                m_phrase.id = Phrase::newId();
            m_doc->phrases.append(std::move(m_phrase));
        } else if (m_depth == 1 && m_inPhrases) {
            m_inPhrases = false;
        }
        return true;
    }

    const rapidjson::StringStream &m_stream;
    Document *m_doc;
    int m_depth = 0;
    RootKey m_rootKey = OtherRoot;
    bool m_inPhrases = false;
    bool m_inPhrase = false;
    Field m_field = Other;
    Phrase m_phrase;
    std::vector<Frame> m_frames;
    SeenNames m_rootKeys;   // member names of the document
    SeenNames m_phraseKeys; // of the phrase being read
};

} // namespace

bool read(const QByteArray &bytes, Document *document)
{
    const char *data = bytes.constData();
    size_t size = size_t(bytes.size());
    // QJsonDocument takes one byte order mark before the document.
    if (startsWithByteOrderMark(data, size)) {
        data += 3;
        size -= 3;
    }
    Document doc;
    rapidjson::StringStream stream(data);
    Handler handler(stream, &doc);
    rapidjson::Reader reader;
    // The stream reads a NUL byte as its end: the whole input must have been
    // read, or a NUL and whatever follows it would pass unseen.
    if (reader.Parse<parseFlags>(stream, handler).IsError() || stream.Tell() != size)
        return false;
    *document = std::move(doc);
    return true;
}

bool readGeneral(const QByteArray &bytes, Document *document)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject root = doc.object();
    Document result;
    result.settings = root.value(QStringLiteral("settings")).toObject();
    const QJsonArray phrases = root.value(QStringLiteral("phrases")).toArray();
    result.phrases.reserve(phrases.size());
    for (const QJsonValue &value : phrases) {
        if (value.isObject())
            result.phrases.append(Phrase::fromJson(value.toObject()));
    }
    *document = std::move(result);
    return true;
}

} // namespace PhraseJson
