#include "store/phrasejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstring>
#include <limits>

namespace PhraseJson {

namespace {

// ---- writer -----------------------------------------------------------------

const char hexDigits[] = "0123456789abcdef";

// The escaping of QJsonDocument: ", \ and control characters escaped,
// everything else as UTF-8, a lone surrogate as \uXXXX; and U+FEFF as
// \ufeff, which QJsonDocument writes raw.
void appendString(QByteArray &out, const QString &s)
{
    // Room for the worst case (six bytes a unit), written through a pointer
    // and cut back after: appending byte by byte costs more than the rest of
    // the save together.
    const int start = out.size();
    out.resize(start + 6 * s.size() + 2);
    char *cursor = out.data() + start;
    *cursor++ = '"';
    const ushort *src = s.utf16();
    const ushort *end = src + s.size();
    while (src != end) {
        const ushort u = *src++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                *cursor++ = char(u);
                continue;
            }
            *cursor++ = '\\';
            switch (u) {
            case '"':
                *cursor++ = '"';
                break;
            case '\\':
                *cursor++ = '\\';
                break;
            case '\b':
                *cursor++ = 'b';
                break;
            case '\f':
                *cursor++ = 'f';
                break;
            case '\n':
                *cursor++ = 'n';
                break;
            case '\r':
                *cursor++ = 'r';
                break;
            case '\t':
                *cursor++ = 't';
                break;
            default:
                *cursor++ = 'u';
                *cursor++ = '0';
                *cursor++ = '0';
                *cursor++ = hexDigits[u >> 4];
                *cursor++ = hexDigits[u & 0xF];
            }
        } else if (u < 0x800) {
            *cursor++ = char(0xC0 | (u >> 6));
            *cursor++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && src != end && QChar::isLowSurrogate(*src)) {
            const uint c = QChar::surrogateToUcs4(u, *src++);
            *cursor++ = char(0xF0 | (c >> 18));
            *cursor++ = char(0x80 | ((c >> 12) & 0x3F));
            *cursor++ = char(0x80 | ((c >> 6) & 0x3F));
            *cursor++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(u) || u == 0xFEFF) {
            // A lone surrogate as QJsonDocument writes it. U+FEFF is escaped
            // where QJsonDocument writes it raw: first in a string it would
            // read back as a byte order mark and be dropped.
            *cursor++ = '\\';
            *cursor++ = 'u';
            for (int i = 0; i < 4; ++i)
                *cursor++ = hexDigits[(u >> (12 - 4 * i)) & 0xF];
        } else {
            *cursor++ = char(0xE0 | (u >> 12));
            *cursor++ = char(0x80 | ((u >> 6) & 0x3F));
            *cursor++ = char(0x80 | (u & 0x3F));
        }
    }
    *cursor++ = '"';
    out.resize(int(cursor - out.constData()));
}

void appendKey(QByteArray &out, int indent, const char *key)
{
    out.append(indent, ' ');
    out += '"';
    out += key;
    out += "\": ";
}

// A flat object of strings, booleans and numbers (the settings).
void appendFlatObject(QByteArray &out, int indent, const QJsonObject &object)
{
    out += "{\n";
    for (auto it = object.begin(); it != object.end(); ++it) {
        out.append(indent + 4, ' ');
        appendString(out, it.key());
        out += ": ";
        const QJsonValue v = it.value();
        if (v.isBool())
            out += v.toBool() ? "true" : "false";
        else if (v.isString())
            appendString(out, v.toString());
        else if (v.isDouble())
            out += QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
        else
            out += "null";
        if (it + 1 != object.end())
            out += ',';
        out += '\n';
    }
    out.append(indent, ' ');
    out += '}';
}

// ---- reader -----------------------------------------------------------------

constexpr int maxDepth = 512;

// A piece of a string with escapes, from checked UTF-8. QString::fromUtf8
// takes a leading U+FEFF for a byte order mark and drops it; QJsonDocument
// keeps every U+FEFF of a string with escapes, so the pieces between the
// escapes must keep theirs.
QString fromUtf8Piece(const char *s, int n)
{
    QString out;
    while (n >= 3 && std::memcmp(s, "\xEF\xBB\xBF", 3) == 0) {
        out += QChar(0xFEFF);
        s += 3;
        n -= 3;
    }
    if (out.isEmpty())
        return QString::fromUtf8(s, n);
    return out + QString::fromUtf8(s, n);
}

class Reader
{
    // The members of a phrase object, as bits of a "seen" set.
    enum Field
    {
        Other = 0,
        Id = 1,
        Name = 2,
        Text = 4,
        Vk = 8,
        Mods = 16,
        Enabled = 32,
        LastUsed = 64
    };

public:
    Reader(const char *begin, const char *end) : p(begin), end(end) {}

    bool document(Document *doc)
    {
        ws();
        if (!eat('{'))
            return false;
        bool sawPhrases = false, sawSettings = false;
        ws();
        if (eat('}'))
            return finish();
        for (;;) {
            QLatin1String name;
            if (!key(&name) || !colon())
                return false;
            if (name == QLatin1String("phrases")) {
                if (sawPhrases)
                    return false;
                sawPhrases = true;
                if (peek('[')) {
                    if (!phrases(&doc->phrases))
                        return false;
                } else if (!skipValue(1)) {
                    return false;
                }
            } else if (name == QLatin1String("settings")) {
                if (sawSettings)
                    return false;
                sawSettings = true;
                const char *start = p;
                if (!skipValue(1))
                    return false;
                if (*start == '{')
                    doc->settings =
                        QJsonDocument::fromJson(QByteArray::fromRawData(start, int(p - start)))
                            .object();
            } else if (!skipValue(1)) {
                return false;
            }
            ws();
            if (eat('}'))
                return finish();
            if (!eat(','))
                return false;
            ws();
        }
    }

private:
    bool finish()
    {
        ws();
        return p == end;
    }

    void ws()
    {
        while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
    }
    bool peek(char c) const { return p < end && *p == c; }
    bool eat(char c)
    {
        if (!peek(c))
            return false;
        ++p;
        return true;
    }
    bool colon()
    {
        ws();
        if (!eat(':'))
            return false;
        ws();
        return true;
    }
    bool literal(const char *word, int n)
    {
        if (end - p < n || std::memcmp(p, word, size_t(n)) != 0)
            return false;
        p += n;
        return true;
    }

    // Only a plain integer of at most 15 digits: exact as a double, and the
    // same value QJsonDocument reads.
    bool number(double *value)
    {
        const char *start = p;
        bool negative = eat('-');
        const char *digits = p;
        qint64 v = 0;
        while (p < end && *p >= '0' && *p <= '9') {
            if (p - digits < 15)
                v = v * 10 + (*p - '0');
            ++p;
        }
        const ptrdiff_t n = p - digits;
        if (n == 0 || n > 15 || (n > 1 && *digits == '0'))
            return false;
        if (p < end && (*p == '.' || *p == 'e' || *p == 'E'))
            return false;
        *value = double(negative ? -v : v);
        return p > start;
    }

    // Strict UTF-8 and the JSON escapes; a control character, a malformed
    // sequence or an escaped lone surrogate makes the reader decline.
    // Finds the end of a string, checking it on the way: strict UTF-8, no
    // control characters. The escapes are checked when decoded.
    bool scan(const char **start, const char **stop, bool *escaped)
    {
        if (!eat('"'))
            return false;
        *start = p;
        *escaped = false;
        while (p < end) {
            const uchar c = uchar(*p);
            if (c == '"')
                break;
            if (c < 0x20)
                return false;
            if (c == '\\') {
                *escaped = true;
                p += 2;
                continue;
            }
            if (c < 0x80) {
                ++p;
                continue;
            }
            if (!utf8Sequence())
                return false;
        }
        if (p >= end)
            return false;
        *stop = p++;
        return true;
    }

    bool string(QString *out)
    {
        const char *start, *stop;
        bool escaped;
        if (!scan(&start, &stop, &escaped))
            return false;
        if (!escaped) {
            // Without escapes QJsonDocument drops a leading U+FEFF, as
            // fromUtf8 does (the writer escapes it, so ours survive).
            *out = QString::fromUtf8(start, int(stop - start));
            return true;
        }
        return unescape(start, stop, out);
    }

    bool skipString()
    {
        const char *start, *stop;
        bool escaped;
        QString ignored;
        return scan(&start, &stop, &escaped) && (!escaped || unescape(start, stop, &ignored));
    }

    // A member name, compared as raw bytes and never decoded: the names
    // that matter are ASCII. A name with escapes, or one that starts with a
    // U+FEFF that QJsonDocument would drop, is left to QJsonDocument.
    bool key(QLatin1String *out)
    {
        const char *start, *stop;
        bool escaped;
        if (!scan(&start, &stop, &escaped) || escaped ||
            (stop - start >= 3 && std::memcmp(start, "\xEF\xBB\xBF", 3) == 0))
            return false;
        *out = QLatin1String(start, int(stop - start));
        return true;
    }

    bool utf8Sequence()
    {
        const uchar c = uchar(*p);
        int n;
        uint cp;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= n)
            return false;
        for (int i = 1; i <= n; ++i) {
            const uchar d = uchar(p[i]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        p += n + 1;
        return true;
    }

    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    static bool hex4(const char *s, const char *stop, ushort *u)
    {
        if (stop - s < 4)
            return false;
        uint v = 0;
        for (int i = 0; i < 4; ++i) {
            const int h = hexValue(s[i]);
            if (h < 0)
                return false;
            v = (v << 4) | uint(h);
        }
        *u = ushort(v);
        return true;
    }

    static bool unescape(const char *s, const char *stop, QString *out)
    {
        out->clear();
        out->reserve(int(stop - s));
        const char *run = s;
        while (s < stop) {
            if (*s != '\\') {
                ++s;
                continue;
            }
            out->append(fromUtf8Piece(run, int(s - run)));
            if (stop - s < 2)
                return false;
            const char e = s[1];
            s += 2;
            switch (e) {
            case '"':
                out->append(QLatin1Char('"'));
                break;
            case '\\':
                out->append(QLatin1Char('\\'));
                break;
            case '/':
                out->append(QLatin1Char('/'));
                break;
            case 'b':
                out->append(QLatin1Char('\b'));
                break;
            case 'f':
                out->append(QLatin1Char('\f'));
                break;
            case 'n':
                out->append(QLatin1Char('\n'));
                break;
            case 'r':
                out->append(QLatin1Char('\r'));
                break;
            case 't':
                out->append(QLatin1Char('\t'));
                break;
            case 'u': {
                ushort u;
                if (!hex4(s, stop, &u))
                    return false;
                s += 4;
                if (QChar::isHighSurrogate(u)) {
                    ushort low;
                    if (stop - s < 6 || s[0] != '\\' || s[1] != 'u' || !hex4(s + 2, stop, &low) ||
                        !QChar::isLowSurrogate(low))
                        return false;
                    s += 6;
                    out->append(QChar(u));
                    out->append(QChar(low));
                } else if (QChar::isLowSurrogate(u)) {
                    return false;
                } else {
                    out->append(QChar(u));
                }
                break;
            }
            default:
                return false;
            }
            run = s;
        }
        out->append(fromUtf8Piece(run, int(stop - run)));
        return true;
    }

    bool skipValue(int depth)
    {
        if (depth > maxDepth || p >= end)
            return false;
        switch (*p) {
        case '{': {
            ++p;
            ws();
            if (eat('}'))
                return true;
            for (;;) {
                QLatin1String name;
                if (!key(&name) || !colon() || !skipValue(depth + 1))
                    return false;
                ws();
                if (eat('}'))
                    return true;
                if (!eat(','))
                    return false;
                ws();
            }
        }
        case '[': {
            ++p;
            ws();
            if (eat(']'))
                return true;
            for (;;) {
                if (!skipValue(depth + 1))
                    return false;
                ws();
                if (eat(']'))
                    return true;
                if (!eat(','))
                    return false;
                ws();
            }
        }
        case '"':
            return skipString();
        case 't':
            return literal("true", 4);
        case 'f':
            return literal("false", 5);
        case 'n':
            return literal("null", 4);
        default: {
            double d;
            return number(&d);
        }
        }
    }

    bool phrases(QVector<Phrase> *list)
    {
        eat('[');
        ws();
        if (eat(']'))
            return true;
        for (;;) {
            if (peek('{')) {
                Phrase phrase;
                if (!object(&phrase))
                    return false;
                list->append(std::move(phrase));
            } else if (!skipValue(2)) {
                return false;
            }
            ws();
            if (eat(']'))
                return true;
            if (!eat(','))
                return false;
            ws();
        }
    }

    // One phrase object, with the rules of Phrase::fromJson.
    bool object(Phrase *phrase)
    {
        int seen = 0;
        eat('{');
        ws();
        bool done = eat('}');
        while (!done) {
            QLatin1String name;
            if (!key(&name) || !colon())
                return false;
            int field = Other;
            if (name == QLatin1String("id"))
                field = Id;
            else if (name == QLatin1String("name"))
                field = Name;
            else if (name == QLatin1String("text"))
                field = Text;
            else if (name == QLatin1String("vk"))
                field = Vk;
            else if (name == QLatin1String("mods"))
                field = Mods;
            else if (name == QLatin1String("enabled"))
                field = Enabled;
            else if (name == QLatin1String("lastUsed"))
                field = LastUsed;
            if (seen & field)
                return false; // which duplicate wins is QJsonDocument's call
            seen |= field;
            if (!member(field, phrase))
                return false;
            ws();
            if (eat('}'))
                done = true;
            else if (!eat(','))
                return false;
            else
                ws();
        }
        if (phrase->id.isEmpty())
            phrase->id = Phrase::newId();
        return true;
    }

    bool member(int field, Phrase *phrase)
    {
        if (p >= end)
            return false;
        const char c = *p;
        QString *target = field == Id     ? &phrase->id
                          : field == Name ? &phrase->name
                          : field == Text ? &phrase->text
                                          : nullptr;
        if (target || field == LastUsed) {
            if (c != '"')
                return skipValue(3);
            QString s;
            if (!string(&s))
                return false;
            if (target) {
                *target = std::move(s);
            } else {
                bool ok = false;
                const qint64 v = s.toLongLong(&ok, 10);
                phrase->lastUsed = ok ? v : 0;
            }
            return true;
        }
        if (field == Vk || field == Mods) {
            if (c != '-' && (c < '0' || c > '9'))
                return skipValue(3);
            double d;
            if (!number(&d))
                return false;
            const int v =
                (d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max())
                    ? int(d)
                    : 0;
            (field == Vk ? phrase->vk : phrase->mods) = v;
            return true;
        }
        if (field == Enabled) {
            if (c == 't' || c == 'f') {
                phrase->enabled = c == 't';
                return c == 't' ? literal("true", 4) : literal("false", 5);
            }
            return skipValue(3);
        }
        return skipValue(3);
    }

    const char *p;
    const char *end;
};

} // namespace

QByteArray write(const QVector<Phrase> &phrases, const QJsonObject *settings)
{
    QByteArray out;
    qint64 estimate = 256 + 2048;
    for (const Phrase &p : phrases)
        estimate += 200 + 3 * (p.text.size() + p.name.size());
    out.reserve(int(qMin<qint64>(estimate, std::numeric_limits<int>::max() / 2)));

    out += "{\n";
    appendKey(out, 4, "phrases");
    out += "[\n";
    for (int i = 0; i < phrases.size(); ++i) {
        const Phrase &p = phrases.at(i);
        out += "        {\n";
        appendKey(out, 12, "enabled");
        out += p.enabled ? "true,\n" : "false,\n";
        appendKey(out, 12, "id");
        appendString(out, p.id);
        out += ",\n";
        appendKey(out, 12, "lastUsed");
        out += '"';
        out += QByteArray::number(p.lastUsed);
        out += "\",\n";
        appendKey(out, 12, "mods");
        out += QByteArray::number(p.mods);
        out += ",\n";
        appendKey(out, 12, "name");
        appendString(out, p.name);
        out += ",\n";
        appendKey(out, 12, "text");
        appendString(out, p.text);
        out += ",\n";
        appendKey(out, 12, "vk");
        out += QByteArray::number(p.vk);
        out += '\n';
        out += i + 1 < phrases.size() ? "        },\n" : "        }\n";
    }
    out += "    ],\n";
    if (settings) {
        appendKey(out, 4, "settings");
        appendFlatObject(out, 4, *settings);
        out += ",\n";
    }
    appendKey(out, 4, "version");
    out += "1\n}\n";
    return out;
}

bool read(const QByteArray &bytes, Document *document)
{
    Document doc;
    Reader reader(bytes.constData(), bytes.constData() + bytes.size());
    if (!reader.document(&doc))
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
