// Global shortcuts of the Win32 backend: RegisterHotKey on the owner window,
// WM_HOTKEY picked out of Qt's native message stream, one action per press,
// and our own combinations released while we send their keys ourselves.

#include "win/hotkeyrepeat.h"
#include "win/win32hotkeys.h"
#include "win/win32prims.h"
#include "win/windesktop.h"

#include "base/hotkey.h"

#include <QCoreApplication>
#include <QTimer>

#include <atomic>
#include <vector>

namespace {

// Where MOD_NOREPEAT is not honoured (Wine posts a press for every repeat of
// a held shortcut), the key-ups of the whole desktop decide what a press is
// (hotkeyrepeat.h), as a low-level keyboard hook sees them, in the order of
// the events. The hook is this thread's: our own keys (typing) reach it
// without a round trip to another thread, and every wait of ours serves it.
// Windows honours MOD_NOREPEAT and would remove a hook that answered late:
// there the key state is polled instead, as a guard against repeats that
// some drivers make.
std::atomic<HotkeyRepeats *> g_repeats{nullptr};

LRESULT CALLBACK keyUpProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && (message == WM_KEYUP || message == WM_SYSKEYUP)) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(data);
        // Our own keys (a paste chord's V, a Left press) are not the user
        // letting go of a shortcut: a key the user still holds would
        // otherwise make its next repeat a press of its own.
        HotkeyRepeats *repeats = g_repeats.load();
        if (repeats && key->dwExtraInfo != Win32Prims::OwnInputMark)
            repeats->keyUp(int(key->vkCode), unsigned(key->time));
    }
    return CallNextHookEx(nullptr, code, message, data);
}

bool repeatsComeAsPresses()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class KeyUpWatch final
{
public:
    explicit KeyUpWatch(HotkeyRepeats *repeats) : m_repeats(repeats) {}
    ~KeyUpWatch() { stop(); }

    // False where the system honours MOD_NOREPEAT, or no hook could be set:
    // presses are then told apart by the key's state as polled.
    bool start()
    {
        if (m_hook || !repeatsComeAsPresses())
            return m_hook != nullptr;
        g_repeats.store(m_repeats);
        m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, keyUpProc, GetModuleHandleW(nullptr), 0);
        if (!m_hook)
            g_repeats.store(nullptr);
        return m_hook != nullptr;
    }

    void stop()
    {
        if (m_hook)
            UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
        g_repeats.store(nullptr);
    }

    bool running() const { return m_hook != nullptr; }

private:
    HotkeyRepeats *m_repeats;
    HHOOK m_hook = nullptr;
};

// What the shortcut field gave keepKeyboard; this thread's alone.
std::function<void(int, int)> g_onHeld;

void onHeldPress(int mods, int vk, void *)
{
    // Told from the event loop: the hook that calls this must answer at once.
    std::function<void(int, int)> onHeld = g_onHeld;
    if (onHeld)
        QTimer::singleShot(0, QCoreApplication::instance(),
                           [onHeld, mods, vk] { onHeld(mods, vk); });
}

} // namespace

bool WinDesktop::keepKeyboard(WindowHandle window, std::function<void(int, int)> onHeld)
{
    releaseKeptKeyboard();
    g_onHeld = std::move(onHeld);
    if (Win32Hotkeys::keepKeys(reinterpret_cast<HWND>(window), onHeldPress, nullptr))
        return true;
    g_onHeld = nullptr;
    return false;
}

void WinDesktop::releaseKeptKeyboard()
{
    Win32Hotkeys::releaseKeys();
    g_onHeld = nullptr;
}

bool WinDesktop::hotkeyHeldElsewhere(int mods, int vk)
{
    return Win32Hotkeys::heldElsewhere(mods, vk);
}

// What this program has registered, and for each registration whether its key
// is still held from the press last reported.
struct WinHotkeyState
{
    struct Registration
    {
        HWND owner = nullptr;
        int id = 0;
        int mods = 0;
        int vk = 0;
        bool suspended = false; // released while our own keys go out
        bool pressed = false;   // a press has been reported
        bool held = false;      // the key of the last reported press is not yet seen up
        DWORD releasedAt = 0;   // tick at which it was seen up
    };

    Registration *find(int id)
    {
        for (Registration &r : registrations) {
            if (r.id == id)
                return &r;
        }
        return nullptr;
    }

    // Without the hook: notes every held key that has gone up. Called every
    // 10 ms by the timer while a key is held, and from the backend's own
    // waits, when the event loop does not run.
    void pollHeld()
    {
        if (watch.running())
            return;
        bool any = false;
        for (Registration &r : registrations) {
            if (r.held && !Win32Prims::isKeyDown(r.vk)) {
                r.held = false;
                r.releasedAt = GetTickCount();
            }
            any = any || r.held;
        }
        if (!any)
            heldPoll.stop();
    }

    std::vector<Registration> registrations;
    QTimer heldPoll;
    HotkeyRepeats repeats;
    KeyUpWatch watch{&repeats};
};

void WinHotkeyStateDeleter::operator()(WinHotkeyState *state) const
{
    delete state;
}

void WinDesktop::pollHeldHotkeys()
{
    if (hotkeys)
        hotkeys->pollHeld();
}

bool WinDesktop::registerHotKey(WindowHandle owner, int id, int mods, int vk)
{
    if (!hotkeys) {
        hotkeys.reset(new WinHotkeyState);
        hotkeys->heldPoll.setInterval(10);
        WinHotkeyState *state = hotkeys.get();
        QObject::connect(&hotkeys->heldPoll, &QTimer::timeout, [state] { state->pollHeld(); });
    }
    const HWND window = reinterpret_cast<HWND>(owner);
    if (!Win32Hotkeys::registerHotKey(window, id, mods, vk))
        return false;
    hotkeys->watch.start();
    WinHotkeyState::Registration r;
    r.owner = window;
    r.id = id;
    r.mods = mods & Hotkey::ModMask;
    r.vk = vk;
    if (WinHotkeyState::Registration *old = hotkeys->find(id))
        *old = r;
    else
        hotkeys->registrations.push_back(r);
    return true;
}

bool WinDesktop::unregisterHotKey(WindowHandle owner, int id)
{
    bool wasSuspended = false;
    if (hotkeys) {
        auto &list = hotkeys->registrations;
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->id == id) {
                wasSuspended = it->suspended;
                list.erase(it);
                break;
            }
        }
    }
    // A suspended registration is released already.
    return wasSuspended || Win32Hotkeys::unregisterHotKey(reinterpret_cast<HWND>(owner), id);
}

int WinDesktop::hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message)
{
    // Qt hands messages over under these two names; message is a MSG.
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return 0;
    const auto *msg = static_cast<const MSG *>(message);
    const int id = Win32Hotkeys::hotkeyIdFromMessage(msg);
    if (id == 0 || !hotkeys)
        return id;
    WinHotkeyState::Registration *r = hotkeys->find(id);
    if (!r)
        return id;
    // Where MOD_NOREPEAT is not honoured, a held key posts a press at every
    // repeat. (The time of the message being handled: Qt's window procedure
    // hands the filter a MSG of its own making, whose time is not set.)
    const DWORD posted = DWORD(GetMessageTime());
    if (hotkeys->watch.running())
        return hotkeys->repeats.accept(id, r->vk, unsigned(posted)) ? id : 0;
    // Without the hook: one whose key has not been seen up since the last
    // press, or that was posted before it was seen up, is that press's repeat.
    hotkeys->pollHeld();
    if (r->pressed && (r->held || LONG(posted - r->releasedAt) < 0))
        return 0;
    r->pressed = true;
    r->held = true;
    hotkeys->heldPoll.start();
    return id;
}

void WinDesktop::suspendHotKeys(int mods, int vk)
{
    if (!hotkeys)
        return;
    for (WinHotkeyState::Registration &r : hotkeys->registrations) {
        if (!r.suspended && r.vk == vk && r.mods == (mods & Hotkey::ModMask) &&
            Win32Hotkeys::unregisterHotKey(r.owner, r.id))
            r.suspended = true;
    }
}

QVector<int> WinDesktop::resumeHotKeys()
{
    QVector<int> lost;
    if (!hotkeys)
        return lost;
    auto &list = hotkeys->registrations;
    for (auto it = list.begin(); it != list.end();) {
        if (!it->suspended) {
            ++it;
            continue;
        }
        it->suspended = false;
        if (Win32Hotkeys::registerHotKey(it->owner, it->id, it->mods, it->vk)) {
            ++it;
        } else {
            // Taken meanwhile: no longer ours. The caller hears of it, and
            // tries it again as it does any refused registration.
            lost << it->id;
            it = list.erase(it);
        }
    }
    return lost;
}
