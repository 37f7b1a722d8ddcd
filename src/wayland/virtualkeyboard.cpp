#include "wayland/virtualkeyboard.h"

#include "wayland/waylandconnection.h"
#include "x11/x11wait.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr quint32 KeymapFormatXkbV1 = 1; // wl_keyboard.keymap_format.xkb_v1
constexpr quint32 Released = 0;
constexpr quint32 Pressed = 1;

// The map travels as a file: a memory file of its own, sealed by nobody but
// read once by the compositor.
int keymapFile(const QByteArray &text)
{
    const int fd = memfd_create("scrivlet-keymap", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    // With its terminating NUL: the compositor reads it as a C string.
    const QByteArray data = text + '\0';
    qint64 written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        written += n;
    }
    return fd;
}

} // namespace

VirtualKeyboard::VirtualKeyboard(WaylandConnection *connection) : m_connection(connection)
{
    m_clock.start();
    if (connection && connection->virtualKeyboardManager() && connection->seat())
        m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
            connection->virtualKeyboardManager(), connection->seat());
    // A keyboard without a map may not send a key: the two paste keys are
    // always there.
    if (m_keyboard && !(upload() && m_connection->roundtrip())) {
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
        m_keyboard = nullptr;
    }
}

VirtualKeyboard::~VirtualKeyboard()
{
    if (m_keyboard) {
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
        m_connection->flush();
    }
}

bool VirtualKeyboard::upload()
{
    const QByteArray text = m_map.keymapText();
    const int fd = keymapFile(text);
    if (fd < 0)
        return false;
    zwp_virtual_keyboard_v1_keymap(m_keyboard, KeymapFormatXkbV1, fd, quint32(text.size() + 1));
    ::close(fd); // the request holds its own copy of the descriptor
    setModifiers(0);
    return true;
}

bool VirtualKeyboard::isOurKeymap(const QByteArray &xkbKeymap)
{
    return xkbKeymap.contains(VirtualKeymap::KeycodesName);
}

bool VirtualKeyboard::seatHasOurKeymap()
{
    // The compositor says nothing of a keyboard not in use: an empty answer
    // (no keymap yet) or another keyboard's counts as not ours.
    return isOurKeymap(m_connection->keymap());
}

bool VirtualKeyboard::ensureOurKeymap(bool changed)
{
    if (changed || !seatHasOurKeymap()) {
        // Through the compositor before the first key. A keyboard not in use
        // sends its map to nobody until its first key: that costs no client
        // anything.
        if (!upload() || !m_connection->roundtrip())
            return false;
        // A map with new keys needs a moment before its first key.
        if (changed)
            X11Wait::serveEvents(KeymapSettleMs);
    }
    m_keymapsSeen = m_connection->keymapsReceived();
    return !m_connection->failed();
}

bool VirtualKeyboard::keptOurKeymap()
{
    if (!m_connection->roundtrip())
        return false;
    if (m_connection->keymapsReceived() != m_keymapsSeen && !seatHasOurKeymap())
        return false;
    m_keymapsSeen = m_connection->keymapsReceived();
    return true;
}

bool VirtualKeyboard::prepare(const QString &text)
{
    if (!m_keyboard)
        return false;
    bool changed = false;
    return m_map.prepare(text, &changed) && ensureOurKeymap(changed);
}

void VirtualKeyboard::key(quint32 code, bool down)
{
    zwp_virtual_keyboard_v1_key(m_keyboard, quint32(m_clock.elapsed()), code,
                                down ? Pressed : Released);
}

void VirtualKeyboard::setModifiers(quint32 depressed)
{
    zwp_virtual_keyboard_v1_modifiers(m_keyboard, depressed, 0, 0, 0);
}

NativeKeyboard::Sent VirtualKeyboard::type(const QVector<char32_t> &characters)
{
    if (!m_keyboard || m_connection->failed())
        return Sent::Nothing;
    QVector<quint32> codes;
    codes.reserve(characters.size());
    for (char32_t c : characters) {
        const quint32 code = m_map.keyOf(c);
        if (!code)
            return Sent::Nothing;
        codes.append(code);
    }
    for (const quint32 code : qAsConst(codes)) {
        key(code, true);
        key(code, false);
    }
    return keptOurKeymap() ? Sent::All : Sent::Some;
}

bool VirtualKeyboard::chord(quint32 modifiers, Key which)
{
    if (!m_keyboard || m_connection->failed())
        return false;
    quint32 code = VirtualKeymap::LeftKeycode;
    switch (which) {
    case Key::Left:
        break;
    case Key::BackSpace:
        code = VirtualKeymap::BackSpaceKeycode;
        break;
    case Key::PasteV:
        code = VirtualKeymap::PasteVKeycode;
        break;
    case Key::Insert:
        code = VirtualKeymap::InsertKeycode;
        break;
    }
    if (!ensureOurKeymap(false))
        return false;
    setModifiers(modifiers);
    key(code, true);
    key(code, false);
    setModifiers(0);
    return keptOurKeymap();
}
