// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QSet>

#include "platform/x11/x11keyboard.h"
#include "platform/x11/x11wait.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr quint32 FirstLow = 0xDC00;

bool isHighSurrogate(quint16 u)
{
    return u >= 0xD800 && u < 0xDC00;
}
bool isLowSurrogate(quint16 u)
{
    return u >= 0xDC00 && u < 0xE000;
}

// The keysym that stands for a character: Latin-1 keysyms are the code point
// itself, everything else has the Unicode keysym range. Line breaks and tabs
// are keys of their own.
KeySym keysymForCodePoint(quint32 cp)
{
    switch (cp) {
    case '\r':
    case '\n':
        return XK_Return;
    case '\t':
        return XK_Tab;
    case 0x08:
        return XK_BackSpace;
    case 0x1B:
        return XK_Escape;
    default:
        break;
    }
    if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0))
        return NoSymbol;
    if (cp <= 0xFF)
        return cp;
    return 0x01000000 | cp;
}

// The character a keysym of the map types, 0 for keys that type none.
quint32 codePointForKeysym(KeySym s)
{
    if ((s >= 0x20 && s < 0x7F) || (s >= 0xA0 && s <= 0xFF))
        return quint32(s);
    if (s >= 0x01000100 && s <= 0x0110FFFF)
        return quint32(s - 0x01000000);
    if (s == XK_EuroSign)
        return 0x20AC;
    return 0;
}

QVector<KeySym> keysymsForVirtualKey(int vk)
{
    switch (vk) {
    case 0x10:
        return {XK_Shift_L, XK_Shift_R};
    case 0x11:
        return {XK_Control_L, XK_Control_R};
    case 0x12:
        return {XK_Alt_L, XK_Alt_R, XK_Meta_L, XK_Meta_R};
    case 0xA0:
        return {XK_Shift_L};
    case 0xA1:
        return {XK_Shift_R};
    case 0xA2:
        return {XK_Control_L};
    case 0xA3:
        return {XK_Control_R};
    case 0xA4:
        return {XK_Alt_L, XK_Meta_L};
    case 0xA5:
        return {XK_Alt_R, XK_Meta_R, XK_ISO_Level3_Shift};
    case 0x5B:
        return {XK_Super_L};
    case 0x5C:
        return {XK_Super_R};
    case 0x08:
        return {XK_BackSpace};
    case 0x09:
        return {XK_Tab};
    case 0x0D:
        return {XK_Return};
    case 0x1B:
        return {XK_Escape};
    case 0x20:
        return {XK_space};
    default:
        break;
    }
    if (vk >= 0x41 && vk <= 0x5A)
        return {KeySym(XK_a + (vk - 0x41))};
    if (vk >= 0x30 && vk <= 0x39)
        return {KeySym(XK_0 + (vk - 0x30))};
    if (vk >= 0x70 && vk <= 0x87)
        return {KeySym(XK_F1 + (vk - 0x70))};
    return {};
}

bool keyIsDown(const char keys[32], int keycode)
{
    return keycode > 0 && keycode < 256 && (keys[keycode / 8] & (1 << (keycode % 8)));
}

} // namespace

X11Keyboard::X11Keyboard(Display *display) : m_display(display)
{
    m_clock.start();
    if (m_display) {
        int event, error, major, minor;
        m_hasXTest = XTestQueryExtension(m_display, &event, &error, &major, &minor);
        XDisplayKeycodes(m_display, &m_minKeycode, &m_maxKeycode);
    }
    m_restoreTimer.setSingleShot(true);
    m_restoreTimer.setInterval(RestoreDelayMs);
    QObject::connect(&m_restoreTimer, &QTimer::timeout, [this] { restoreMap(); });
}

X11Keyboard::~X11Keyboard()
{
    restoreMap();
}

bool X11Keyboard::loadMap()
{
    if (!m_display)
        return false;
    const int count = m_maxKeycode - m_minKeycode + 1;
    int perKeycode = 0;
    KeySym *syms = XGetKeyboardMapping(m_display, KeyCode(m_minKeycode), count, &perKeycode);
    if (!syms)
        return false;
    m_symsPerKeycode = perKeycode;
    m_map = QVector<KeySym>(syms, syms + count * perKeycode);
    XFree(syms);
    if (m_spares.isEmpty()) {
        for (int k = m_minKeycode; k <= m_maxKeycode; ++k) {
            bool empty = true;
            for (int c = 0; c < perKeycode && empty; ++c)
                empty = m_map.at((k - m_minKeycode) * perKeycode + c) == NoSymbol;
            if (empty)
                m_spares.append(Spare{KeyCode(k), NoSymbol, -1000000});
        }
    }
    return true;
}

QVector<KeyCode> X11Keyboard::keycodesFor(KeySym sym) const
{
    QVector<KeyCode> out;
    if (m_symsPerKeycode == 0)
        return out;
    for (int k = m_minKeycode; k <= m_maxKeycode; ++k) {
        const int base = (k - m_minKeycode) * m_symsPerKeycode;
        for (int c = 0; c < qMin(2, m_symsPerKeycode); ++c) {
            if (m_map.at(base + c) == sym) {
                out.append(KeyCode(k));
                break;
            }
        }
    }
    return out;
}

// Finds a key of the first group that types the character, plain or with
// Shift. A key whose second symbol is missing types the upper case of its
// first one with Shift, the convention of the core keyboard map.
bool X11Keyboard::locate(quint32 codePoint, Location *where) const
{
    const KeySym wanted = keysymForCodePoint(codePoint);
    if (wanted == NoSymbol || m_symsPerKeycode == 0)
        return false;
    const bool isKey = codePointForKeysym(wanted) == 0; // Return, Tab, ...
    for (int k = m_minKeycode; k <= m_maxKeycode; ++k) {
        const int base = (k - m_minKeycode) * m_symsPerKeycode;
        KeySym plain = m_map.at(base);
        KeySym shifted = m_symsPerKeycode > 1 ? m_map.at(base + 1) : NoSymbol;
        if (shifted == NoSymbol && plain != NoSymbol) {
            KeySym lower, upper;
            XConvertCase(plain, &lower, &upper);
            shifted = upper;
        }
        for (int level = 0; level < 2; ++level) {
            const KeySym s = level ? shifted : plain;
            const bool match = isKey ? s == wanted : codePointForKeysym(s) == codePoint;
            if (match && s != NoSymbol) {
                *where = Location{KeyCode(k), level == 1};
                return true;
            }
        }
    }
    return false;
}

void X11Keyboard::bindForSegment(const QVector<quint32> &codePoints)
{
    QSet<int> inUse;
    for (quint32 cp : codePoints) {
        auto it = m_boundIndex.constFind(cp);
        if (it != m_boundIndex.constEnd())
            inUse.insert(*it);
    }
    const qint64 now = m_clock.elapsed();
    qint64 wait = 0;
    QVector<QPair<int, quint32>> changes; // spare index, code point
    for (quint32 cp : codePoints) {
        if (m_boundIndex.contains(cp))
            continue;
        int best = -1;
        for (int i = 0; i < m_spares.size(); ++i) {
            if (inUse.contains(i))
                continue;
            // A free key first, else the one whose last use lies furthest back.
            if (best < 0) {
                best = i;
                continue;
            }
            const bool free = m_spares[i].bound == NoSymbol;
            const bool bestFree = m_spares[best].bound == NoSymbol;
            if ((free && !bestFree) ||
                (free == bestFree && m_spares[i].lastUsed < m_spares[best].lastUsed))
                best = i;
        }
        if (best < 0)
            break; // more characters than spare keys: the caller splits segments
        Spare &spare = m_spares[best];
        if (spare.bound != NoSymbol) {
            m_boundIndex.remove(codePointForKeysym(spare.bound));
            wait = qMax(wait, ReuseGapMs - (now - spare.lastUsed));
        }
        inUse.insert(best);
        m_boundIndex.insert(cp, best);
        changes.append({best, cp});
    }
    if (wait > 0)
        X11Wait::serveEvents(int(wait));
    for (const auto &change : qAsConst(changes)) {
        Spare &spare = m_spares[change.first];
        KeySym syms[2];
        syms[0] = syms[1] = keysymForCodePoint(change.second);
        XChangeKeyboardMapping(m_display, spare.keycode, 2, syms, 1);
        spare.bound = syms[0];
        const int base = (spare.keycode - m_minKeycode) * m_symsPerKeycode;
        for (int c = 0; c < m_symsPerKeycode; ++c)
            m_map[base + c] = c < 2 ? syms[0] : NoSymbol;
    }
    if (!changes.isEmpty())
        XSync(m_display, False);
}

void X11Keyboard::fakeKey(KeyCode keycode, bool down)
{
    XTestFakeKeyEvent(m_display, keycode, down ? True : False, CurrentTime);
}

void X11Keyboard::sendChar(quint32 codePoint)
{
    Location where;
    auto bound = m_boundIndex.constFind(codePoint);
    if (bound != m_boundIndex.constEnd()) {
        Spare &spare = m_spares[*bound];
        where = Location{spare.keycode, false};
        spare.lastUsed = m_clock.elapsed();
    } else if (!locate(codePoint, &where)) {
        return;
    }
    KeyCode shift = 0;
    if (where.shift) {
        const QVector<KeyCode> shifts = keycodesFor(XK_Shift_L);
        shift = shifts.isEmpty() ? 0 : shifts.first();
        if (shift)
            fakeKey(shift, true);
    }
    fakeKey(where.keycode, true);
    fakeKey(where.keycode, false);
    if (shift)
        fakeKey(shift, false);
}

QVector<X11Keyboard::Action> X11Keyboard::toActions(const QVector<KeyInput> &events)
{
    QVector<Action> out;
    out.reserve(events.size());
    for (const KeyInput &e : events) {
        const bool up = e.flags & KeyFlag::KeyUp;
        if (e.flags & KeyFlag::Unicode) {
            if (up)
                continue; // a character is typed whole on its key-down
            const quint16 u = e.scan;
            if (isHighSurrogate(u)) {
                m_pendingHigh = u;
                continue;
            }
            if (isLowSurrogate(u)) {
                if (m_pendingHigh)
                    out.append({Action::Char, 0x10000 + ((quint32(m_pendingHigh) - 0xD800) << 10) +
                                                  (quint32(u) - FirstLow)});
                m_pendingHigh = 0;
                continue;
            }
            m_pendingHigh = 0;
            out.append({Action::Char, u});
        } else if (e.flags & KeyFlag::ScanCode) {
            out.append({up ? Action::KeyUp : Action::KeyDown, e.scan});
        } else if (up) {
            out.append({Action::VirtualKeyUp, e.vk});
        } else if (const quint16 kc = keycodeForVirtualKey(e.vk)) {
            out.append({Action::KeyDown, kc});
        }
    }
    return out;
}

int X11Keyboard::send(const QVector<KeyInput> &events)
{
    if (!m_display || !m_hasXTest || !loadMap())
        return 0;
    const QVector<Action> actions = toActions(events);

    // Which characters need a borrowed key; with no spare key they cannot be
    // typed at all, and nothing is sent so that the caller can paste instead.
    QVector<bool> missing(actions.size(), false);
    bool anyMissing = false;
    for (int i = 0; i < actions.size(); ++i) {
        if (actions[i].kind != Action::Char)
            continue;
        Location where;
        if (keysymForCodePoint(actions[i].value) == NoSymbol)
            continue; // a control character: nothing to type
        missing[i] = !locate(actions[i].value, &where) || m_boundIndex.contains(actions[i].value);
        anyMissing = anyMissing || missing[i];
    }
    if (anyMissing && m_spares.isEmpty())
        return 0;

    int i = 0;
    while (i < actions.size()) {
        QVector<quint32> segment;
        int j = i;
        for (; j < actions.size(); ++j) {
            if (!missing[j] || segment.contains(actions[j].value))
                continue;
            if (segment.size() == m_spares.size())
                break;
            segment.append(actions[j].value);
        }
        if (!segment.isEmpty())
            bindForSegment(segment);
        for (int k = i; k < j; ++k) {
            const Action &a = actions[k];
            switch (a.kind) {
            case Action::Char:
                sendChar(a.value);
                break;
            case Action::KeyDown:
            case Action::KeyUp:
                fakeKey(KeyCode(a.value), a.kind == Action::KeyDown);
                break;
            case Action::VirtualKeyUp: {
                char keys[32];
                XQueryKeymap(m_display, keys);
                for (KeySym s : keysymsForVirtualKey(int(a.value))) {
                    for (KeyCode kc : keycodesFor(s)) {
                        if (keyIsDown(keys, kc))
                            fakeKey(kc, false);
                    }
                }
                break;
            }
            }
        }
        i = j;
    }
    XFlush(m_display);
    if (anyMissing)
        m_restoreTimer.start();
    return events.size();
}

quint16 X11Keyboard::keycodeForVirtualKey(quint16 vk)
{
    if (m_map.isEmpty() && !loadMap())
        return 0;
    for (KeySym s : keysymsForVirtualKey(vk)) {
        const QVector<KeyCode> codes = keycodesFor(s);
        if (!codes.isEmpty())
            return codes.first();
    }
    return 0;
}

bool X11Keyboard::isVirtualKeyDown(int vk)
{
    if (!m_display || (m_map.isEmpty() && !loadMap()))
        return false;
    char keys[32];
    XQueryKeymap(m_display, keys);
    for (KeySym s : keysymsForVirtualKey(vk)) {
        for (KeyCode kc : keycodesFor(s)) {
            if (keyIsDown(keys, kc))
                return true;
        }
    }
    return false;
}

bool X11Keyboard::isNonModifierKeyDown()
{
    if (!m_display)
        return false;
    char keys[32];
    XQueryKeymap(m_display, keys);
    QSet<int> modifiers;
    if (XModifierKeymap *mods = XGetModifierMapping(m_display)) {
        for (int i = 0; i < 8 * mods->max_keypermod; ++i)
            modifiers.insert(mods->modifiermap[i]);
        XFreeModifiermap(mods);
    }
    for (int kc = 8; kc < 256; ++kc) {
        if (keyIsDown(keys, kc) && !modifiers.contains(kc))
            return true;
    }
    return false;
}

void X11Keyboard::restoreMap()
{
    m_restoreTimer.stop();
    if (!m_display)
        return;
    bool changed = false;
    for (Spare &spare : m_spares) {
        if (spare.bound == NoSymbol)
            continue;
        KeySym none[2] = {NoSymbol, NoSymbol};
        XChangeKeyboardMapping(m_display, spare.keycode, 2, none, 1);
        spare.bound = NoSymbol;
        changed = true;
    }
    m_boundIndex.clear();
    if (changed)
        XFlush(m_display);
}

void X11Keyboard::limitSpareKeys(int n)
{
    restoreMap();
    if (m_spares.isEmpty())
        loadMap();
    if (n >= 0 && n < m_spares.size())
        m_spares.resize(n);
}
