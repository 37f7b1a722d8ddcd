// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QVector>

#include "x11/x11keyboard.h"
#include "x11/x11keystream.h"

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <bitset>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <deque>
#include <limits>
#include <poll.h>

struct X11KeyStream::State
{
    QByteArray displayName;
    X11Keyboard *keyboard = nullptr;
    Display *display = nullptr;
    int xiOpcode = -1;
    int xkbEventBase = -1;
    int xtestKeyboard = -1; // the device our keys (and xdotool's) come from
    xkb_context *context = nullptr;
    xkb_keymap *keymap = nullptr;
    xkb_state *state = nullptr;
    xkb_compose_table *composeTable = nullptr;
    xkb_compose_state *compose = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
    // After a wake-up the connection rests this long before it is read
    // again: keys that come in a burst (a tool, key repeat) are read
    // together, at one wake-up instead of one each.
    QTimer rest;
    static constexpr int RestMs = 8;
    std::function<void(const TypedKey &)> sink;
    Atom activeWindow = 0;
    bool running = false;
    bool reading = false;
    bool keymapStale = false; // reread once the server is no longer held

    // Keys held back from their window, press and release as they came.
    struct HeldEvent
    {
        quint64 seq;
        X11Keyboard::HeldKey key;
    };
    std::deque<HeldEvent> held;
    quint64 nextSeq = 1;
    quint64 pressSeq = 0;      // the held press being read, for its TypedKey
    quint64 heldDelivered = 0; // TypedKeys of held keys so far
    bool holding = false;      // as the marks read so far say
    bool holdOn = false;       // a hold begun and not yet ended here
    quint64 marksRead = 0;
    Window holdWindow = 0;
    std::bitset<256> replayedDown; // pressed by a replay, not yet released
    // A hold nobody ends (a phrase that hangs) lets the keys go after this.
    QTimer holdLimit;
    static constexpr int HoldLimitMs = 8000;

    ~State()
    {
        notifier.reset();
        xkb_compose_state_unref(compose);
        xkb_compose_table_unref(composeTable);
        xkb_state_unref(state);
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
        if (display)
            XCloseDisplay(display);
    }

    // The server's keymap and state now; false without XKB.
    bool loadKeymap()
    {
        xcb_connection_t *c = XGetXCBConnection(display);
        const int32_t device = xkb_x11_get_core_keyboard_device_id(c);
        if (device < 0)
            return false;
        xkb_keymap *map =
            xkb_x11_keymap_new_from_device(context, c, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (!map)
            return false;
        xkb_state *fresh = xkb_x11_state_new_from_device(map, c, device);
        if (!fresh) {
            xkb_keymap_unref(map);
            return false;
        }
        xkb_state_unref(state);
        xkb_keymap_unref(keymap);
        keymap = map;
        state = fresh;
        return true;
    }

    bool open()
    {
        if (display)
            return xiOpcode >= 0 && state;
        display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
        if (!display)
            return false;
        int event = 0;
        int error = 0;
        int opcode = 0;
        int major = 2;
        int minor = 1;
        if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
            XIQueryVersion(display, &major, &minor) != Success || major < 2 ||
            (major == 2 && minor < 1))
            return false;
        int xkbOpcode = 0;
        int xkbError = 0;
        int xkbMajor = XkbMajorVersion;
        int xkbMinor = XkbMinorVersion;
        if (!XkbQueryExtension(display, &xkbOpcode, &xkbEventBase, &xkbError, &xkbMajor, &xkbMinor))
            return false;
        context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        xcb_connection_t *c = XGetXCBConnection(display);
        if (!context ||
            !xkb_x11_setup_xkb_extension(
                c, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) ||
            !loadKeymap())
            return false;
        // The locale's dead keys and compose sequences; without a table a
        // dead key ends the word.
        const char *locale = std::setlocale(LC_CTYPE, nullptr);
        for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char *value = std::getenv(name);
            if (value && *value) {
                locale = value;
                break;
            }
        }
        composeTable = xkb_compose_table_new_from_locale(context, locale ? locale : "C",
                                                         XKB_COMPOSE_COMPILE_NO_FLAGS);
        if (composeTable)
            compose = xkb_compose_state_new(composeTable, XKB_COMPOSE_STATE_NO_FLAGS);

        int count = 0;
        XIDeviceInfo *devices = XIQueryDevice(display, XIAllDevices, &count);
        for (int i = 0; i < count; ++i) {
            if (devices[i].use == XISlaveKeyboard &&
                std::strcmp(devices[i].name, "Virtual core XTEST keyboard") == 0)
                xtestKeyboard = devices[i].deviceid;
        }
        XIFreeDeviceInfo(devices);
        xiOpcode = opcode;
        activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        notifier =
            std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
        notifier->setEnabled(false);
        return true;
    }

    // withReleases while keys are held back: a held key is sent on whole.
    void select(bool on, bool withReleases = false)
    {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        if (on) {
            XISetMask(bits, XI_RawKeyPress);
            XISetMask(bits, XI_RawButtonPress);
        }
        if (on && withReleases)
            XISetMask(bits, XI_RawKeyRelease);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
        // Another window in front, as the window manager says: asking the
        // server for the focus at every key would cost a round trip each.
        XSelectInput(display, DefaultRootWindow(display), on ? PropertyChangeMask : NoEventMask);
        const unsigned int xkb =
            on ? (XkbStateNotifyMask | XkbMapNotifyMask | XkbNewKeyboardNotifyMask) : 0;
        XkbSelectEvents(display, XkbUseCoreKbd,
                        XkbStateNotifyMask | XkbMapNotifyMask | XkbNewKeyboardNotifyMask, xkb);
        XSync(display, False);
    }

    static bool isModifier(xkb_keysym_t sym)
    {
        return (sym >= XKB_KEY_Shift_L && sym <= XKB_KEY_Hyper_R) ||
               (sym >= XKB_KEY_ISO_Lock && sym <= XKB_KEY_ISO_Last_Group_Lock) ||
               sym == XKB_KEY_Mode_switch || sym == XKB_KEY_Num_Lock;
    }

    bool active(const char *modifier) const
    {
        return xkb_state_mod_name_is_active(state, modifier, XKB_STATE_MODS_EFFECTIVE) > 0;
    }

    void deliver(TypedKey::Kind kind, const QString &text = QString())
    {
        if (pressSeq)
            ++heldDelivered;
        if (sink)
            sink(TypedKey{kind, text, pressSeq});
    }

    // Sends on the held events that come before (or are) `upTo`.
    bool replayUpTo(quint64 upTo)
    {
        QVector<X11Keyboard::HeldKey> keys;
        while (!held.empty() && held.front().seq <= upTo) {
            const HeldEvent e = held.front();
            held.pop_front();
            keys.append(e.key);
            if (!keyboard->isModifierKey(e.key.keycode))
                replayedDown[e.key.keycode] = e.key.down;
        }
        return keys.isEmpty() || keyboard->replay(keys);
    }

    // Key-ups of keys a replay pressed, sent on ahead of the rest: a key
    // left down would seem held to whoever waits for the keys to go up.
    void replayReleases()
    {
        QVector<X11Keyboard::HeldKey> keys;
        for (auto it = held.begin(); it != held.end();) {
            if (!it->key.down && replayedDown.test(it->key.keycode)) {
                keys.append(it->key);
                replayedDown.reset(it->key.keycode);
                it = held.erase(it);
            } else {
                ++it;
            }
        }
        if (!keys.isEmpty())
            keyboard->replay(keys);
    }

    void pressed(xkb_keycode_t keycode)
    {
        const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, keycode);
        if (sym == XKB_KEY_NoSymbol || isModifier(sym))
            return;
        // A shortcut is no typing. AltGr is neither Control nor Alt.
        if (active(XKB_MOD_NAME_CTRL) || active(XKB_MOD_NAME_ALT) || active(XKB_MOD_NAME_LOGO)) {
            deliver(TypedKey::Break);
            return;
        }
        switch (sym) {
        case XKB_KEY_BackSpace:
            deliver(TypedKey::BackSpace);
            return;
        case XKB_KEY_Return:
        case XKB_KEY_KP_Enter:
            deliver(TypedKey::Text, QStringLiteral("\r"));
            return;
        case XKB_KEY_Tab:
            deliver(TypedKey::Text, QStringLiteral("\t"));
            return;
        default:
            break;
        }
        if (compose && xkb_compose_state_feed(compose, sym) == XKB_COMPOSE_FEED_ACCEPTED) {
            switch (xkb_compose_state_get_status(compose)) {
            case XKB_COMPOSE_COMPOSING:
                return; // the character comes with a later key
            case XKB_COMPOSE_COMPOSED: {
                char buffer[64];
                const int n = xkb_compose_state_get_utf8(compose, buffer, sizeof buffer);
                xkb_compose_state_reset(compose);
                emitText(QString::fromUtf8(buffer, qBound(0, n, int(sizeof buffer) - 1)));
                return;
            }
            case XKB_COMPOSE_CANCELLED:
                xkb_compose_state_reset(compose);
                deliver(TypedKey::Break);
                return;
            case XKB_COMPOSE_NOTHING:
                break;
            }
        }
        char buffer[64];
        const int n = xkb_state_key_get_utf8(state, keycode, buffer, sizeof buffer);
        emitText(QString::fromUtf8(buffer, qBound(0, n, int(sizeof buffer) - 1)));
    }

    // Printable text is typing; anything else (arrows, Escape, Delete,
    // function keys) moves or acts and ends the word.
    void emitText(const QString &text)
    {
        if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)
            deliver(TypedKey::Break);
        else
            deliver(TypedKey::Text, text);
    }
};

X11KeyStream::X11KeyStream(const QByteArray &displayName, X11Keyboard *keyboard)
    : d(std::make_unique<State>())
{
    d->displayName = displayName;
    d->keyboard = keyboard;
    d->holdLimit.setSingleShot(true);
    d->holdLimit.setInterval(State::HoldLimitMs);
    QObject::connect(&d->holdLimit, &QTimer::timeout, [this] { letThroughAll(true); });
}

X11KeyStream::~X11KeyStream()
{
    stop(); // held keys go on, and the keyboard is let go
}

bool X11KeyStream::start(std::function<void(const TypedKey &)> sink)
{
    if (!d->open())
        return false;
    d->sink = std::move(sink);
    if (d->running)
        return true;
    d->running = true;
    if (d->keyboard)
        d->keyboard->forgetOwnPresses();
    QObject::connect(d->notifier.get(), &QSocketNotifier::activated, [this] {
        readEvents();
        d->notifier->setEnabled(false);
        d->rest.start();
    });
    d->rest.setSingleShot(true);
    d->rest.setInterval(State::RestMs);
    QObject::connect(&d->rest, &QTimer::timeout, [this] {
        if (!d->running)
            return;
        readEvents();
        d->notifier->setEnabled(true);
    });
    d->notifier->setEnabled(true);
    d->select(true);
    readEvents();
    return true;
}

void X11KeyStream::stop()
{
    if (!d->running)
        return;
    letThroughAll(true);
    d->running = false;
    d->notifier->setEnabled(false);
    d->rest.stop();
    QObject::disconnect(d->notifier.get(), nullptr, nullptr, nullptr);
    QObject::disconnect(&d->rest, nullptr, nullptr, nullptr);
    d->select(false);
    d->sink = nullptr;
}

bool X11KeyStream::hold()
{
    X11Keyboard *keyboard = d->keyboard;
    if (d->holdOn)
        letThroughAll(true); // what a lost hold left behind goes first
    if (!d->running || !keyboard || keyboard->isHolding())
        return false;
    d->holdWindow = keyboard->holdWindow();
    if (!d->holdWindow)
        return false;
    XSelectInput(d->display, d->holdWindow, PropertyChangeMask);
    d->select(true, true); // before the first held key can come
    if (!keyboard->beginHold()) {
        d->select(true);
        return false;
    }
    d->held.clear();
    d->holdOn = true;
    keyboard->setHoldWait([this] {
        readEvents();
        d->replayReleases();
    });
    d->holdLimit.start();
    return true;
}

bool X11KeyStream::sync()
{
    X11Keyboard *keyboard = d->keyboard;
    if (!d->running)
        return false;
    if (!keyboard || !keyboard->isHolding()) {
        // Nobody holds the server: a round trip brings every key the server
        // has seen so far.
        XSync(d->display, False);
        readEvents();
        return true;
    }
    QElapsedTimer clock;
    clock.start();
    // The marks come in the same stream as the keys: once the last one set
    // is read, so is every key before it.
    while (d->marksRead < keyboard->holdMarks()) {
        const int left = 1000 - int(clock.elapsed());
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(d->display), POLLIN, 0};
        if (XPending(d->display) == 0 && poll(&fd, 1, left) < 0 && errno != EINTR)
            return false;
        readEvents();
    }
    return true;
}

bool X11KeyStream::pass(quint64 held)
{
    if (!d->holdOn)
        return false; // ended early (the time limit, stop): sent on already
    if (!d->keyboard->isHolding()) {
        // The keyboard could not be grabbed again after a batch of ours:
        // the keys go on now, but not as if nothing had come between.
        letThroughAll(true);
        return false;
    }
    return d->replayUpTo(held);
}

bool X11KeyStream::release()
{
    X11Keyboard *keyboard = d->keyboard;
    if (!d->holdOn)
        return true;
    if (!keyboard->isHolding()) {
        letThroughAll(true);
        return true;
    }
    const quint64 before = d->heldDelivered;
    // With the server held nothing more can come: what was held is all read
    // once the mark is.
    if (!keyboard->holdServer(false, 0) || !sync()) {
        letThroughAll(false);
        return true;
    }
    if (d->heldDelivered != before && keyboard->holdKeys())
        return false;
    letThroughAll(false);
    return true;
}

// Ends a hold: every key still held goes on, in order, and the keyboard is
// the user's again. readFirst: the keys held so far are read first.
void X11KeyStream::focusMoved()
{
    if (d->running && !d->reading)
        d->deliver(TypedKey::Break);
}

void X11KeyStream::letThroughAll(bool readFirst)
{
    X11Keyboard *keyboard = d->keyboard;
    if (!d->holdOn)
        return;
    d->holdLimit.stop();
    // Every key held so far is read first, so that none stays behind: with
    // the server held, up to the last mark; with the hold lost already, by
    // a round trip.
    if (readFirst) {
        if (keyboard->isHolding())
            keyboard->holdServer(false, 0);
        sync();
    }
    d->replayUpTo(std::numeric_limits<quint64>::max());
    // A key whose release never came to us (the server dropped it: the key
    // was already up, after our own press of it went first) is not left
    // down.
    QVector<X11Keyboard::HeldKey> stillDown;
    for (int k = 0; k < 256; ++k) {
        if (d->replayedDown.test(size_t(k)))
            stillDown.append({quint8(k), false, 0});
    }
    if (!stillDown.isEmpty())
        keyboard->replay(stillDown);
    keyboard->setHoldWait(nullptr);
    keyboard->endHold();
    d->holdOn = false; // only now: the keys read above were held ones
    d->held.clear();
    d->replayedDown.reset();
    d->holding = false;
    if (d->running)
        d->select(true); // without the releases
}

void X11KeyStream::readEvents()
{
    if (d->reading)
        return;
    d->reading = true;
    const bool serverHeld = d->keyboard && d->keyboard->isServerHeld();
    if (d->keymapStale && !serverHeld) {
        d->keymapStale = false;
        d->loadKeymap();
    }
    while (d->display && XPending(d->display) > 0) {
        XEvent event;
        XNextEvent(d->display, &event);
        if (event.type == d->xkbEventBase) {
            const auto *xkb = reinterpret_cast<const XkbEvent *>(&event);
            if (xkb->any.xkb_type == XkbStateNotify) {
                const XkbStateNotifyEvent &s = xkb->state;
                xkb_state_update_mask(
                    d->state, xkb_mod_mask_t(s.base_mods), xkb_mod_mask_t(s.latched_mods),
                    xkb_mod_mask_t(s.locked_mods), xkb_layout_index_t(s.base_group),
                    xkb_layout_index_t(s.latched_group), xkb_layout_index_t(s.locked_group));
            } else if (xkb->any.xkb_type == XkbMapNotify ||
                       xkb->any.xkb_type == XkbNewKeyboardNotify) {
                // Not while our batch holds the server: the request would
                // wait for it, and it for us.
                if (serverHeld)
                    d->keymapStale = true;
                else
                    d->loadKeymap();
            }
            continue;
        }
        if (event.type == PropertyNotify) {
            if (event.xproperty.window == d->holdWindow && d->holdWindow && d->keyboard) {
                if (event.xproperty.atom == d->keyboard->holdMark(true) ||
                    event.xproperty.atom == d->keyboard->holdMark(false)) {
                    d->holding = event.xproperty.atom == d->keyboard->holdMark(true);
                    ++d->marksRead;
                }
                continue;
            }
            // Another window: what was typed belongs to the one before.
            if (d->running && event.xproperty.atom == d->activeWindow)
                d->deliver(TypedKey::Break);
            continue;
        }
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != d->xiOpcode ||
            !XGetEventData(d->display, cookie))
            continue;
        const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
        if (d->running && cookie->evtype == XI_RawKeyPress) {
            // Our keys go out only while nothing is held: a press among the
            // held ones is another program's, whatever its key.
            const bool own = !d->holding && raw->sourceid == d->xtestKeyboard && d->keyboard &&
                             d->keyboard->takeOwnPress(quint8(raw->detail));
            if (!own && d->holding && d->holdOn && raw->detail < 256) {
                d->pressSeq = d->nextSeq++;
                // The modifiers it is typed with, to type it with them again.
                const auto modifiers = quint8(xkb_state_serialize_mods(
                    d->state,
                    xkb_state_component(XKB_STATE_MODS_DEPRESSED | XKB_STATE_MODS_LATCHED)));
                d->held.push_back({d->pressSeq, {quint8(raw->detail), true, modifiers}});
            }
            if (!own)
                d->pressed(xkb_keycode_t(raw->detail));
            d->pressSeq = 0;
        } else if (d->running && cookie->evtype == XI_RawKeyRelease) {
            if (d->holding && d->holdOn && raw->detail < 256)
                d->held.push_back({d->nextSeq++, {quint8(raw->detail), false, 0}});
        } else if (d->running && cookie->evtype == XI_RawButtonPress && raw->detail <= 3) {
            d->deliver(TypedKey::Break); // a click moves the caret; the wheel does not
        }
        XFreeEventData(d->display, cookie);
    }
    d->reading = false;
    // A key a replay pressed goes up as soon as its release is read: left
    // down, it would seem held to whoever waits for the keys to go up.
    if (d->keyboard && d->keyboard->isHolding() && d->replayedDown.any())
        d->replayReleases();
}
