#include "wayland/virtualkeymap.h"

#include <QSet>

namespace {

constexpr quint32 KeysymReturn = 0xff0d;
constexpr quint32 KeysymTab = 0xff09;
constexpr quint32 UnicodeKeysymBase = 0x01000000;

QByteArray keysymName(quint32 keysym)
{
    if (keysym == KeysymReturn)
        return "Return";
    if (keysym == KeysymTab)
        return "Tab";
    // Every other one by its number: XKB reads a hexadecimal keysym as it is.
    return "0x" + QByteArray::number(keysym, 16).rightJustified(8, '0');
}

} // namespace

quint32 VirtualKeymap::keysymFor(char32_t c)
{
    if (c == U'\n')
        return KeysymReturn;
    if (c == U'\t')
        return KeysymTab;
    if ((c >= 0x20 && c <= 0x7e) || (c >= 0xa0 && c <= 0xff))
        return quint32(c);
    return UnicodeKeysymBase | quint32(c);
}

bool VirtualKeymap::characters(const QString &text, QVector<char32_t> *out)
{
    out->clear();
    for (int i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        char32_t c = unit.unicode();
        if (unit.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            c = QChar::surrogateToUcs4(unit, text.at(i + 1));
            ++i;
        } else if (unit.isLowSurrogate()) {
            return false;
        }
        // A carriage return before a line feed is part of the one line break.
        if (c == U'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                continue;
            c = U'\n';
        }
        const bool control = c < 0x20 || (c >= 0x7f && c < 0xa0);
        if (control && c != U'\n' && c != U'\t')
            return false;
        out->append(c);
    }
    return true;
}

bool VirtualKeymap::covers(const QString &text) const
{
    QVector<char32_t> chars;
    if (!characters(text, &chars))
        return false;
    for (char32_t c : qAsConst(chars)) {
        if (!m_keys.contains(c))
            return false;
    }
    return true;
}

bool VirtualKeymap::prepare(const QString &text, bool *changed)
{
    *changed = false;
    QVector<char32_t> chars;
    if (!characters(text, &chars))
        return false;
    QSet<char32_t> needed;
    for (char32_t c : qAsConst(chars))
        needed.insert(c);
    if (needed.size() > Capacity)
        return false;
    if (m_byKey.isEmpty())
        m_byKey.fill(0, Capacity);
    QVector<char32_t> missing;
    for (char32_t c : qAsConst(chars)) {
        if (!m_keys.contains(c) && !missing.contains(c))
            missing.append(c);
    }
    if (missing.isEmpty())
        return true;
    // Free keys first, then the keys of characters this text does not need.
    QVector<int> room;
    for (int i = 0; i < Capacity && room.size() < missing.size(); ++i) {
        if (m_byKey.at(i) == 0)
            room.append(i);
    }
    for (int i = 0; i < Capacity && room.size() < missing.size(); ++i) {
        const char32_t held = m_byKey.at(i);
        if (held != 0 && !needed.contains(held)) {
            m_keys.remove(held);
            m_byKey[i] = 0;
            room.append(i);
        }
    }
    for (int k = 0; k < missing.size(); ++k) {
        const int slot = room.at(k);
        m_byKey[slot] = missing.at(k);
        m_keys.insert(missing.at(k), FirstKeycode + quint32(slot));
    }
    *changed = true;
    return true;
}

QVector<quint32> VirtualKeymap::presses(const QString &text) const
{
    QVector<char32_t> chars;
    QVector<quint32> out;
    if (!characters(text, &chars))
        return out;
    for (char32_t c : qAsConst(chars)) {
        const auto it = m_keys.constFind(c);
        if (it == m_keys.constEnd())
            return {};
        out.append(it.value());
    }
    return out;
}

QByteArray VirtualKeymap::keymapText() const
{
    // XKB key codes are the evdev codes plus 8.
    const quint32 first = FirstKeycode + 8;
    const quint32 last = BackSpaceKeycode + 8; // the fixed keys come last
    QByteArray keycodes = QByteArray(KeycodesName) +
                          " {\n    minimum = 8;\n    maximum = " + QByteArray::number(last) + ";\n";
    QByteArray symbols = "xkb_symbols \"scrivlet\" {\n";
    for (int i = 0; i < m_byKey.size(); ++i) {
        if (m_byKey.at(i) == 0)
            continue;
        const QByteArray name = "<K" + QByteArray::number(i) + ">";
        keycodes += "    " + name + " = " + QByteArray::number(first + quint32(i)) + ";\n";
        symbols += "    key " + name + " { [ " + keysymName(keysymFor(m_byKey.at(i))) + " ] };\n";
    }
    keycodes += "    <PSTV> = " + QByteArray::number(PasteVKeycode + 8) +
                ";\n    <PSTI> = " + QByteArray::number(InsertKeycode + 8) +
                ";\n    <LEFT> = " + QByteArray::number(LeftKeycode + 8) +
                ";\n    <BKSP> = " + QByteArray::number(BackSpaceKeycode + 8) + ";\n};\n";
    symbols += "    key <PSTV> { [ v ] };\n    key <PSTI> { [ Insert ] };\n"
               "    key <LEFT> { [ Left ] };\n    key <BKSP> { [ BackSpace ] };\n};\n";
    // One level, no modifiers: the simplest types and no interpretations.
    return "xkb_keymap {\n" + keycodes +
           "xkb_types \"scrivlet\" {\n    type \"ONE_LEVEL\" {\n        modifiers = none;\n"
           "        level_name[Level1] = \"Any\";\n    };\n};\n"
           "xkb_compatibility \"scrivlet\" {\n};\n" +
           symbols + "};\n";
}
