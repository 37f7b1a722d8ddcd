// Writing the data file and backups: the bytes QJsonDocument::toJson
// (Indented) writes for the same object, but for U+FEFF (phrasejson.h).

#include "store/phrasejson.h"

#include <QJsonArray>
#include <QVariant>

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cstring>

namespace PhraseJson {

namespace {

const char hexDigits[] = "0123456789abcdef";

// A quoted string escaped as QJsonDocument escapes it: ", \ and control
// characters escaped (\u00xx in lower case), everything else as UTF-8, a lone
// surrogate as \uXXXX. RapidJSON's own escaping differs in all three (upper
// case hex, lone surrogates refused) and writes U+FEFF raw, which first in a
// string reads back as a byte order mark and is dropped; here it is escaped.
void appendString(rapidjson::StringBuffer &out, const QString &s)
{
    // Room for the worst case (six bytes a unit), written through a pointer
    // and given back after: putting byte by byte costs more than the rest of
    // the save together.
    const size_t room = 6 * size_t(s.size()) + 2;
    char *const start = out.Push(room);
    char *cursor = start;
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
    out.Pop(room - size_t(cursor - start));
}

// RapidJSON's pretty writer with QJsonDocument's layout: four spaces a level
// and, unlike RapidJSON, the closing bracket of an empty object or array on
// a line of its own ("[\n    ]"), as QJsonDocument writes it.
class IndentedWriter final : public rapidjson::PrettyWriter<rapidjson::StringBuffer>
{
    using Base = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

public:
    explicit IndentedWriter(rapidjson::StringBuffer &out) : Base(out) { SetIndent(' ', 4); }

    // Member names of our own, plain ASCII: RapidJSON's escaping is exact.
    void key(const char *name) { Base::Key(name, rapidjson::SizeType(std::strlen(name))); }
    void key(const QString &name) { string(name); }
    void string(const QString &s)
    {
        PrettyPrefix(rapidjson::kStringType);
        appendString(*os_, s);
    }
    void ascii(const QByteArray &s) { Base::String(s.constData(), rapidjson::SizeType(s.size())); }
    void number(const QByteArray &text)
    {
        RawValue(text.constData(), size_t(text.size()), rapidjson::kNumberType);
    }
    void endObject() { close('}'); }
    void endArray() { close(']'); }

private:
    void close(char bracket)
    {
        level_stack_.template Pop<Level>(1);
        os_->Put('\n');
        WriteIndent();
        os_->Put(bracket);
    }
};

// A settings value as QJsonDocument writes it: objects with their members in
// the order QJsonObject keeps them (sorted), arrays in order.
void writeValue(IndentedWriter &out, const QJsonValue &v)
{
    if (v.isBool()) {
        out.Bool(v.toBool());
    } else if (v.isString()) {
        out.string(v.toString());
    } else if (v.isDouble()) {
        // QJsonValue keeps a whole number that fits in 64 bits as an
        // integer, and QJsonDocument writes it with all its digits
        // (1000000, not 1e+06); only the rest in the shortest form.
        const QVariant number = v.toVariant();
        if (number.userType() == QMetaType::LongLong)
            out.number(QByteArray::number(number.toLongLong()));
        else
            out.number(QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest));
    } else if (v.isArray()) {
        out.StartArray();
        for (const QJsonValue item : v.toArray())
            writeValue(out, item);
        out.endArray();
    } else if (v.isObject()) {
        const QJsonObject o = v.toObject();
        out.StartObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            out.key(it.key());
            writeValue(out, it.value());
        }
        out.endObject();
    } else {
        out.Null();
    }
}

} // namespace

QByteArray write(const QVector<Phrase> &phrases, const QJsonObject *settings)
{
    size_t estimate = 256 + 2048;
    for (const Phrase &p : phrases)
        estimate += 200 + 3 * size_t(p.text.size() + p.name.size());
    rapidjson::StringBuffer buffer(nullptr, estimate);
    IndentedWriter out(buffer);

    out.StartObject();
    out.key("phrases");
    out.StartArray();
    for (const Phrase &p : phrases) {
        out.StartObject();
        if (!p.abbreviation.isEmpty()) {
            out.key("abbreviation");
            out.string(p.abbreviation);
        }
        if (p.charactersSaved != 0) {
            out.key("charactersSaved");
            out.Int64(p.charactersSaved);
        }
        out.key("enabled");
        out.Bool(p.enabled);
        out.key("id");
        out.string(p.id);
        out.key("lastUsed");
        out.ascii(QByteArray::number(p.lastUsed));
        if (p.matchCase) {
            out.key("matchCase");
            out.Bool(true);
        }
        out.key("mods");
        out.Int(p.mods);
        out.key("name");
        out.string(p.name);
        if (p.placeholders) {
            out.key("placeholders");
            out.Bool(true);
        }
        out.key("text");
        out.string(p.text);
        if (p.uses != 0) {
            out.key("uses");
            out.Int64(p.uses);
        }
        out.key("vk");
        out.Int(p.vk);
        out.endObject();
    }
    out.endArray();
    if (settings) {
        out.key("settings");
        writeValue(out, *settings);
    }
    out.key("version");
    out.Int(1);
    out.endObject();
    buffer.Put('\n');
    return QByteArray(buffer.GetString(), int(buffer.GetSize()));
}

} // namespace PhraseJson
