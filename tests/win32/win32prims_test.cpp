// The Win32 primitives of the insertion road against real controls, in one
// Wine (or Windows) process: Wine delivers synthesised input only to Wine
// windows, so the target controls live here too. Prints one "ok"/"not ok"
// line per check and exits 1 when any failed.

#include "sampledib.h"
#include "win/textcontrolclass.h"
#include "win/win32clipboard.h"
#include "win/win32hotkeys.h"
#include "win/win32prims.h"

#include <ole2.h>
#include <richedit.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

using namespace Win32Prims;

namespace {

int g_checks = 0;
int g_failures = 0;

void check(bool ok, const std::string &what)
{
    ++g_checks;
    printf("%s %d - %s\n", ok ? "ok" : "not ok", g_checks, what.c_str());
    fflush(stdout);
    if (!ok)
        ++g_failures;
}

LRESULT CALLBACK windowProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    return DefWindowProcW(w, message, wp, lp);
}

void registerClass(const wchar_t *name)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
}

void pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

std::wstring text(HWND w)
{
    const int n = GetWindowTextLengthW(w);
    std::wstring out(size_t(n) + 1, L'\0');
    GetWindowTextW(w, &out[0], n + 1);
    out.resize(size_t(n));
    return out;
}

HWND topLevel(const wchar_t *title)
{
    return CreateWindowExW(0, L"ScrivletTestMain", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                           640, 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND child(HWND parent, const wchar_t *cls, const wchar_t *initial, bool visible = true)
{
    DWORD style = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
    if (visible)
        style |= WS_VISIBLE;
    return CreateWindowExW(0, cls, initial, style, 10, 10, 300, 200, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

bool isTextControl(HWND w)
{
    std::wstring name;
    return className(w, &name) && TextControlClass::isTextControlClassName(
                                      reinterpret_cast<const char16_t *>(name.data()), name.size());
}

std::string narrow(const std::wstring &s)
{
    std::string out;
    for (wchar_t c : s)
        out += (c < 128) ? char(c) : '?';
    return out;
}

std::wstring textOf(HWND c)
{
    std::wstring t;
    return controlText(c, &t) ? t : L"<no answer>";
}

// What the direct road builds on: the text as WM_GETTEXT gives it (CR LF),
// the selection in the control's own units, and EM_REPLACESEL doing what it
// is asked even where the user could not (read-only) or only in part (a
// limit), so that only the text read back tells what happened.
void testDirectMessage(HWND top, const wchar_t *cls, bool breakAsOne)
{
    const std::string name = narrow(cls);
    HWND c = child(top, cls, L"abc");
    check(c != nullptr, name + ": control created");
    if (!c)
        return;
    check(setSelection(c, 3, 3) && replaceSelection(c, L"xy") && textOf(c) == L"abcxy",
          name + ": EM_REPLACESEL at the caret adds the text");
    DWORD start = 99, end = 99;
    check(selection(c, &start, &end) && start == 5 && end == 5, name + ": the caret follows it");
    check(undo(c) && textOf(c) == L"abc", name + ": EM_UNDO takes it back");

    setControlText(c, L"one\r\ntwo");
    check(textOf(c) == L"one\r\ntwo", name + ": WM_GETTEXT gives a line break as CR LF");
    setSelection(c, 0, -1);
    selection(c, &start, &end);
    // A RichEdit's select-all also takes its final paragraph mark.
    const DWORD units = breakAsOne ? 7 : 8;
    check(start == 0 && (end == units || end == units + 1),
          name + ": a line break counts " + (breakAsOne ? "one unit" : "two units") +
              " in the selection (" + std::to_string(end) + ")");
    setSelection(c, 0, 6);
    replaceSelection(c, L"XY");
    check(textOf(c) == (breakAsOne ? L"XYo" : L"XYwo"), name + ": (0, 6) replaced, in those units");

    setControlText(c, L"fixed");
    DWORD style = 0;
    SendMessageW(c, EM_SETREADONLY, TRUE, 0);
    check(windowStyle(c, &style) && (style & ES_READONLY), name + ": ES_READONLY in the style");
    setSelection(c, 5, 5);
    replaceSelection(c, L"!");
    check(textOf(c) == L"fixed!", name + ": EM_REPLACESEL writes into a read-only field");
    SendMessageW(c, EM_SETREADONLY, FALSE, 0);

    // (Wine's RichEdit does not hold EM_REPLACESEL to its limit; Windows' does.)
    if (!breakAsOne) {
        setControlText(c, L"");
        SendMessageW(c, EM_LIMITTEXT, 4, 0);
        replaceSelection(c, L"ABCDEFGH");
        check(textOf(c) == L"ABCD", name + ": a limited field takes part of the text");
    }
    DestroyWindow(c);
}

// Set when the window of hungThread may answer again.
HANDLE g_answerAgain = nullptr;

// A window on a thread of its own that stops answering until told to.
DWORD WINAPI hungThread(LPVOID out)
{
    HWND w = CreateWindowExW(0, L"ScrivletTestMain", L"hung", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    *static_cast<HWND *>(out) = w;
    // The messages sent meanwhile wait; a minute at most, should the test
    // never say.
    WaitForSingleObject(g_answerAgain, 60000);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    DestroyWindow(w);
    return 0;
}

void testMessageTimeout()
{
    HWND hung = nullptr;
    g_answerAgain = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, hungThread, &hung, 0, nullptr);
    while (!hung)
        Sleep(5);
    const DWORD start = GetTickCount();
    std::wstring t;
    // The window answers only once this returns: a call without a limit
    // would wait for a minute and then have its answer.
    const bool answered = controlText(hung, &t);
    const DWORD waited = GetTickCount() - start;
    SetEvent(g_answerAgain);
    check(!answered, "a window that does not answer is a failure (after " + std::to_string(waited) +
                         " ms), not a hang");
    check(!sendMessage(reinterpret_cast<HWND>(0x7fff0), WM_NULL, 0, 0),
          "a message to a window that is gone is a failure");
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(g_answerAgain);
}

void testClassNames(HWND top)
{
    struct Case
    {
        const wchar_t *cls;
        bool registered; // our own class of that name, else the system's control
        bool text;
    };
    const Case cases[] = {
        {L"EDIT", false, true},        {L"scintilla", true, true}, {L"RichEdit20W", false, true},
        {L"RICHEDIT50W", false, true}, {L"EditBox", true, false},  {L"TScintilla", true, false},
    };
    for (const Case &c : cases) {
        if (c.registered)
            registerClass(c.cls);
        HWND w = child(top, c.cls, L"");
        std::wstring name;
        const bool read = className(w, &name);
        check(w && read && isTextControl(w) == c.text,
              narrow(c.cls) + " (reads as " + narrow(name) + ") is " + (c.text ? "" : "not ") +
                  "a text control");
        if (w)
            DestroyWindow(w);
    }
}

void testLayout()
{
    // US English, Wine's and Windows' default: Ctrl+Alt types nothing; the
    // plain keys still do.
    check(ctrlAltCharacter('E', false).empty() && ctrlAltCharacter('Q', true).empty(),
          "Ctrl+Alt+E and Ctrl+Alt+Shift+Q type nothing in the US layout");
    // The picker's default shortcut: whatever Ctrl+Alt+Space gives, it is
    // what Space gives alone, so the shortcut takes nothing from typing.
    check(ctrlAltCharacter(VK_SPACE, false).empty(), "Ctrl+Alt+Space takes nothing from typing");
    check(scanCodeForVirtualKey('V') == 0x2F, "V is scan code 0x2F in the US layout");
}

void testFocus()
{
    HWND top = topLevel(L"find");
    HWND button = CreateWindowExW(0, L"BUTTON", L"focus", WS_CHILD | WS_VISIBLE, 320, 10, 80, 30,
                                  top, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND edit = child(top, L"EDIT", L"beside");
    SetForegroundWindow(top);
    SetFocus(button);
    pump(100);

    HWND focus = nullptr, caret = nullptr;
    RECT r;
    check(guiThreadInfo(GetCurrentThreadId(), &focus, &caret, &r) && focus == button,
          "GetGUIThreadInfo names the focused button, not the Edit beside it");
    check(isTextControl(edit) && !isTextControl(focus), "only the Edit is a text control");
    DWORD style = 0;
    check(windowStyle(edit, &style) && (style & ES_MULTILINE) && !(style & ES_PASSWORD),
          "the style tells a multi-line field that is not a password field");
    // The accessibility query runs on a thread of its own: our own window
    // still answers it, as this thread serves what is sent to it meanwhile.
    HWND password = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_PASSWORD, 10, 200,
                                    200, 30, top, nullptr, GetModuleHandleW(nullptr), nullptr);
    bool isProtected = true;
    focusIsProtected(top, &isProtected);
    check(!isProtected, "a focused button is no password field");
    SetFocus(password);
    pump(100);
    const bool known = focusIsProtected(top, &isProtected);
    std::printf("accessibility of a focused password field: %s\n",
                known ? (isProtected ? "protected" : "not protected") : "not known");
    check(!known || isProtected, "a password field is never taken for a plain one");
    DestroyWindow(top);
}

std::vector<KeyEvent> unicodeEvents(const std::wstring &units)
{
    std::vector<KeyEvent> out;
    for (wchar_t u : units) {
        out.push_back({0, WORD(u), KEYEVENTF_UNICODE});
        out.push_back({0, WORD(u), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP});
    }
    return out;
}

bool waitForText(HWND w, const std::wstring &expected, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (text(w) != expected && GetTickCount() - start < ms)
        pump(20);
    return text(w) == expected;
}

void testInputAndClipboard()
{
    HWND top = topLevel(L"input");
    HWND edit = child(top, L"EDIT", L"");
    SetForegroundWindow(top);
    SetFocus(edit);
    pump(300);
    check(GetFocus() == edit, "the Edit has the keyboard focus");

    std::wstring first;
    for (int i = 0; i < 64; ++i)
        first += wchar_t(L'a' + i % 26);
    std::vector<KeyEvent> events = unicodeEvents(first);
    check(sendInput(events.data(), events.size()) == 128,
          "SendInput accepts 64 characters (128 events)");
    check(waitForText(edit, first, 3000), "the 64 characters arrive");

    // Non-ASCII, with a character outside the BMP as two surrogate units.
    std::wstring second = L"h\u00e9llo w\u00f6rld \u2713 \u4e16\u754c \U0001F600";
    while (second.size() < 64)
        second.insert(0, L"-");
    events = unicodeEvents(second);
    check(sendInput(events.data(), events.size()) == 128, "SendInput accepts 64 non-ASCII units");
    check(waitForText(edit, first + second, 3000), "the non-ASCII units arrive");

    // The clipboard road: open (with the retries), empty, set, close, paste.
    bool opened = false;
    for (int attempt = 0; attempt < 10 && !opened; ++attempt) {
        opened = openClipboard();
        if (!opened)
            Sleep(15);
    }
    check(opened, "the clipboard opens");
    const std::wstring pasted = L"one\r\ntwo \u2713";
    bool set = false;
    if (opened) {
        check(emptyClipboard(), "the clipboard empties");
        set = setClipboardText(pasted.data(), pasted.size());
        closeClipboard();
    }
    check(set, "CF_UNICODETEXT is set");
    std::wstring back;
    check(clipboardText(&back) && back == pasted, "the clipboard reads back the text");
    SetWindowTextW(edit, L"");
    paste(edit);
    check(text(edit) == pasted, "WM_PASTE puts the clipboard text into the Edit");

    // Ctrl+V as the insertion road sends it to a window without a text
    // control: the scan codes of the target thread's layout.
    SetWindowTextW(edit, L"");
    SetFocus(edit);
    pump(100);
    const WORD ctrl = scanCodeForVirtualKey(VK_CONTROL, GetWindowThreadProcessId(edit, nullptr));
    const WORD v = scanCodeForVirtualKey('V', GetWindowThreadProcessId(edit, nullptr));
    const KeyEvent ctrlV[] = {{VK_CONTROL, ctrl, KEYEVENTF_SCANCODE},
                              {'V', v, KEYEVENTF_SCANCODE},
                              {'V', v, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP},
                              {VK_CONTROL, ctrl, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP}};
    check(sendInput(ctrlV, 4) == 4, "SendInput accepts the scan-code Ctrl+V");
    check(waitForText(edit, pasted, 3000), "the scan-code Ctrl+V pastes into the focused Edit");
    DestroyWindow(top);
}

bool openWithRetries(HWND owner = nullptr)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (openClipboard(owner))
            return true;
        Sleep(15);
    }
    return false;
}

bool setBlock(UINT format, const void *data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void *p = block ? GlobalLock(block) : nullptr;
    if (!p)
        return false;
    memcpy(p, data, size);
    GlobalUnlock(block);
    return SetClipboardData(format, block) != nullptr;
}

bool blockIs(UINT format, const void *data, size_t size)
{
    HANDLE h = GetClipboardData(format);
    if (!h || GlobalSize(h) < size)
        return false;
    const void *p = GlobalLock(h);
    const bool same = p && memcmp(p, data, size) == 0;
    if (p)
        GlobalUnlock(h);
    return same;
}

// The user's content kept through a paste: an image, text and a format of
// another program's own, with the bitmap Windows makes from the image.
void testSnapshot()
{
    const std::vector<BYTE> dib = sampleDib();
    const UINT custom = RegisterClipboardFormatW(L"Scrivlet test format");
    const char customData[] = "\x01\x02\x03";
    const std::wstring words = L"kept \u2713";
    check(openWithRetries(), "the clipboard opens for the user's content");
    emptyClipboard();
    const bool set = setBlock(CF_DIB, dib.data(), dib.size()) &&
                     setBlock(custom, customData, sizeof customData) &&
                     setClipboardText(words.data(), words.size());
    closeClipboard();
    check(set, "an image, text and a format of our own are on the clipboard");

    check(openWithRetries(), "the clipboard opens for the copy");
    Win32Clipboard::Snapshot snapshot = Win32Clipboard::Snapshot::read();
    closeClipboard();
    check(snapshot.lostFormats() == 0,
          "every format is copied (" + std::to_string(snapshot.lostFormats()) + " lost)");
    // The system makes a bitmap and a DIBV5 from the DIB, and ANSI and OEM
    // text from the Unicode text: copied once, not four times.
    const std::vector<UINT> kept = snapshot.formats();
    const auto keeps = [&kept](UINT f) {
        return std::find(kept.begin(), kept.end(), f) != kept.end();
    };
    check(keeps(CF_DIB) && keeps(custom) && keeps(CF_UNICODETEXT),
          "the formats put there are copied");
    check(!keeps(CF_BITMAP) && !keeps(CF_DIBV5) && !keeps(CF_TEXT) && !keeps(CF_OEMTEXT),
          "the formats the system makes from them are not (" + std::to_string(kept.size()) +
              " kept)");

    const std::wstring phrase = L"the phrase";
    openWithRetries();
    emptyClipboard();
    setClipboardText(phrase.data(), phrase.size());
    closeClipboard();

    check(openWithRetries(), "the clipboard opens for the restore");
    emptyClipboard();
    const int failed = snapshot.write();
    check(Win32Clipboard::markPrivate(), "the restored content is marked as not new");
    closeClipboard();
    check(failed == 0, "every format is put back");
    std::wstring back;
    check(clipboardText(&back) && back == words, "the user's text is back");
    openWithRetries();
    check(blockIs(CF_DIB, dib.data(), dib.size()), "the user's image is back, byte for byte");
    check(IsClipboardFormatAvailable(CF_BITMAP), "and offered as a bitmap");
    check(blockIs(custom, customData, sizeof customData), "the other program's format is back");
    check(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory")),
          "the restore is kept out of clipboard history");
    closeClipboard();

    // The copy was handed over, not copied once more: nothing is left of it.
    openWithRetries();
    emptyClipboard();
    check(snapshot.write() == int(snapshot.formatCount()), "the copy was given to the clipboard");
    closeClipboard();
}

struct HungOwner
{
    HANDLE offered = nullptr;
    DWORD hangMs = 0;
};

// A program that offers its content to be rendered later, and then takes
// no message for a while: whoever asks for the content waits for it.
DWORD WINAPI offerAndHang(LPVOID param)
{
    auto *owner = static_cast<HungOwner *>(param);
    HWND w = CreateWindowExW(0, L"ScrivletTestMain", L"late owner", 0, 0, 0, 0, 0, HWND_MESSAGE,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (w && OpenClipboard(w)) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, nullptr);
        CloseClipboard();
    }
    SetEvent(owner->offered);
    Sleep(owner->hangMs);
    // Awake: it answers what was asked meanwhile (with nothing), and goes.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    if (w)
        DestroyWindow(w);
    return 0;
}

// The copy is read on a thread of its own, within a limit: an owner that
// does not render in time cannot hold the program.
void testReadWithin()
{
    const std::wstring words = L"read \u2713";
    check(openWithRetries(), "the clipboard opens for the reading test");
    emptyClipboard();
    setClipboardText(words.data(), words.size());
    closeClipboard();
    Win32Clipboard::Snapshot snapshot;
    check(Win32Clipboard::readWithin(3000, &snapshot) && snapshot.formatCount() >= 1,
          "the clipboard is read from a thread of its own");

    HungOwner owner;
    owner.offered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    owner.hangMs = 4000;
    HANDLE thread = CreateThread(nullptr, 0, offerAndHang, &owner, 0, nullptr);
    WaitForSingleObject(owner.offered, 5000);
    Win32Clipboard::Snapshot late;
    const bool read = Win32Clipboard::readWithin(1000, &late);
    const bool ownerStillAsleep = WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
    check(!read, "an owner that does not render in time makes the copy fail");
    check(ownerStillAsleep, "without waiting for the owner to wake");
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    CloseHandle(owner.offered);
}

struct Reader
{
    std::wstring text;
    bool ok = false;
};

// Opens the clipboard with a window of its own, as most programs do, so the
// owner can tell who asked.
DWORD WINAPI readClipboard(LPVOID param)
{
    auto *reader = static_cast<Reader *>(param);
    HWND w = CreateWindowExW(0, L"ScrivletTestMain", L"reader", 0, 0, 0, 0, 0, HWND_MESSAGE,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (w && OpenClipboard(w)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto *p = static_cast<const wchar_t *>(GlobalLock(data))) {
                reader->text = p;
                reader->ok = true;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    if (w)
        DestroyWindow(w);
    return 0;
}

// The text offered for a paste is rendered only when a program asks, and
// that request is what counts as the paste having happened.
void testDelayedOffer()
{
    Win32Clipboard::Owner owner;
    check(owner.isValid(), "the clipboard owner window exists");
    const std::wstring phrase = L"offered \u2713\r\nline two";
    check(openWithRetries(owner.window()), "the clipboard opens with our owner");
    emptyClipboard();
    const bool offered = owner.offer(phrase) && Win32Clipboard::markPrivate();
    closeClipboard();
    check(offered, "the text is offered, not rendered, and marked private");
    check(owner.fetchers().empty(), "nobody has fetched it yet");
    check(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"CanUploadToCloudClipboard")) &&
              IsClipboardFormatAvailable(
                  RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")),
          "the offer is kept from cloud sync and clipboard monitors");

    // Another thread reads it; this one answers the render request meanwhile.
    Reader reader;
    HANDLE thread = CreateThread(nullptr, 0, readClipboard, &reader, 0, nullptr);
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT && GetTickCount() - start < 5000)
        Win32Clipboard::serveSentMessages(10);
    CloseHandle(thread);
    check(reader.ok && reader.text == phrase, "the reader gets the text rendered on request");
    check(owner.fetchers() == std::vector<DWORD>{GetCurrentProcessId()},
          "the fetch is counted, and it was this process");
}

void pressCtrlAlt(WORD key)
{
    const WORD keys[] = {VK_CONTROL, VK_MENU, key};
    for (WORD vk : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        SendInput(1, &in, sizeof in);
    }
    for (int i = 2; i >= 0; --i) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = keys[i];
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
    }
}

// Pumps messages for up to ms milliseconds; the id of the first WM_HOTKEY
// posted to owner, 0 when none came.
int waitForHotkey(HWND owner, DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const int id = Win32Hotkeys::hotkeyIdFromMessage(&msg);
            if (id != 0 && msg.hwnd == owner)
                return id;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
    return 0;
}

void testHotkeys()
{
    // The owner is hidden, as the main window may be; Wine reports hotkeys
    // only while one of its windows has the focus, so another one takes it.
    HWND owner = CreateWindowExW(0, L"ScrivletTestMain", L"hotkey owner", WS_OVERLAPPEDWINDOW, 0, 0,
                                 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND focus = topLevel(L"hotkey focus");
    SetForegroundWindow(focus);
    SetFocus(focus);
    pump(300);

    const int ctrlAlt = MOD_CONTROL | MOD_ALT;
    check(Win32Hotkeys::registerHotKey(owner, 100, ctrlAlt, '1'), "Ctrl+Alt+1 registers");
    check(!Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the same combination under a second id is refused");
    check(Win32Hotkeys::registerHotKey(owner, 102, ctrlAlt | MOD_SHIFT, '1'),
          "Ctrl+Alt+Shift+1 is another combination");
    MSG keyDown{};
    keyDown.message = WM_KEYDOWN;
    keyDown.wParam = 100;
    check(Win32Hotkeys::hotkeyIdFromMessage(&keyDown) == 0, "other messages carry no hotkey id");

    pressCtrlAlt('1');
    check(waitForHotkey(owner, 3000) == 100, "a synthesised Ctrl+Alt+1 arrives as WM_HOTKEY 100");
    check(Win32Hotkeys::unregisterHotKey(owner, 100), "Ctrl+Alt+1 unregisters");
    pressCtrlAlt('1');
    check(waitForHotkey(owner, 500) == 0, "after unregistering no WM_HOTKEY comes");
    check(Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the released combination can be registered again");

    Win32Hotkeys::unregisterHotKey(owner, 101);
    Win32Hotkeys::unregisterHotKey(owner, 102);
    DestroyWindow(focus);
    DestroyWindow(owner);
}

// Another program that registered Ctrl+Alt+S, on a thread of its own: it
// counts the WM_HOTKEY presses it gets.
std::atomic<int> g_otherHotkeys{0};

DWORD WINAPI otherProgram(void *ready)
{
    HWND w = CreateWindowExW(0, L"ScrivletTestMain", L"other program", WS_OVERLAPPEDWINDOW, 0, 0,
                             100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RegisterHotKey(w, 7, MOD_CONTROL | MOD_ALT, 'S');
    SetEvent(static_cast<HANDLE>(ready));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_HOTKEY)
            ++g_otherHotkeys;
        DispatchMessageW(&msg);
    }
    UnregisterHotKey(w, 7);
    DestroyWindow(w);
    return 0;
}

// Another that registered Win+K.
std::atomic<int> g_winHotkeys{0};

DWORD WINAPI winProgram(void *ready)
{
    HWND w = CreateWindowExW(0, L"ScrivletTestMain", L"win program", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                             100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RegisterHotKey(w, 8, MOD_WIN, 'K');
    SetEvent(static_cast<HANDLE>(ready));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_HOTKEY)
            ++g_winHotkeys;
        DispatchMessageW(&msg);
    }
    UnregisterHotKey(w, 8);
    DestroyWindow(w);
    return 0;
}

// The mask keys that went by, down and up, as the system sees them.
std::atomic<int> g_masks{0};

LRESULT CALLBACK countMasks(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION &&
        reinterpret_cast<const KBDLLHOOKSTRUCT *>(data)->vkCode == DWORD(Win32Hotkeys::MaskKey))
        ++g_masks;
    return CallNextHookEx(nullptr, code, message, data);
}

void pressWin(WORD key)
{
    const WORD keys[] = {VK_LWIN, key};
    for (WORD vk : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        SendInput(1, &in, sizeof in);
    }
    for (int i = 1; i >= 0; --i) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = keys[i];
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
    }
}

struct HeldPresses
{
    int count = 0;
    int mods = 0;
    int vk = 0;
};

void recordHeld(int mods, int vk, void *context)
{
    auto *held = static_cast<HeldPresses *>(context);
    ++held->count;
    held->mods = mods;
    held->vk = vk;
}

template <class Condition> bool pumpUntil(Condition done, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms)
        pump(10);
    return done();
}

// A shortcut field asks whether another program holds a combination, and
// while it has the focus, such a combination comes to it instead of to that
// program; once the field lets go, the other program has its key again.
void testHeldElsewhere()
{
    HWND focus = topLevel(L"shortcut field");
    SetForegroundWindow(focus);
    SetFocus(focus);
    pump(300);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD otherThread = 0;
    HANDLE thread = CreateThread(nullptr, 0, otherProgram, ready, 0, &otherThread);
    check(thread && WaitForSingleObject(ready, 5000) == WAIT_OBJECT_0, "the other program is up");

    const int ctrlAlt = MOD_CONTROL | MOD_ALT;
    check(Win32Hotkeys::heldElsewhere(ctrlAlt, 'S'),
          "a combination another program registered is held elsewhere");
    check(!Win32Hotkeys::heldElsewhere(ctrlAlt, 'D'), "a free combination is not");
    check(Win32Hotkeys::registerHotKey(focus, 5, ctrlAlt, 'D') &&
              Win32Hotkeys::unregisterHotKey(focus, 5),
          "asking about a free combination leaves nothing registered");

    pressCtrlAlt('S');
    check(pumpUntil([] { return g_otherHotkeys == 1; }, 3000),
          "unwatched, the other program gets its combination");

    HeldPresses held;
    check(Win32Hotkeys::keepKeys(focus, recordHeld, &held), "the keys are watched");
    check(Win32Hotkeys::keepsKeys(), "the watch is on");
    pressCtrlAlt('S');
    check(pumpUntil([&held] { return held.count == 1; }, 3000),
          "watched, the held combination is handed to the field");
    check(held.mods == ctrlAlt && held.vk == 'S', "as Ctrl+Alt+S");
    pump(200);
    check(g_otherHotkeys == 1, "and kept from the other program");
    pressCtrlAlt('D');
    pump(300);
    check(held.count == 1, "a free combination goes its way as keys");

    // Win and a key another program holds: the key is kept, and a key of
    // no meaning goes between the Win key's press and release, so that the
    // shell does not take them for the Start menu.
    HANDLE winReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD winThread = 0;
    HANDLE winHolder = CreateThread(nullptr, 0, winProgram, winReady, 0, &winThread);
    check(winHolder && WaitForSingleObject(winReady, 5000) == WAIT_OBJECT_0,
          "another program holds Win+K");
    g_masks = 0;
    HHOOK watch = SetWindowsHookExW(WH_KEYBOARD_LL, countMasks, GetModuleHandleW(nullptr), 0);
    pressWin('K');
    check(pumpUntil([&held] { return held.count == 2; }, 3000) && held.mods == MOD_WIN &&
              held.vk == 'K',
          "Win+K, held elsewhere, is handed to the field");
    check(pumpUntil([] { return g_masks == 2; }, 3000),
          "a mask key goes down and up between the Win key's press and release");
    check(g_winHotkeys == 0, "and the other program got nothing");
    if (watch)
        UnhookWindowsHookEx(watch);
    PostThreadMessageW(winThread, WM_QUIT, 0, 0);
    WaitForSingleObject(winHolder, 5000);
    CloseHandle(winHolder);
    CloseHandle(winReady);

    Win32Hotkeys::releaseKeys();
    check(!Win32Hotkeys::keepsKeys(), "the watch ends");
    pressCtrlAlt('S');
    check(pumpUntil([] { return g_otherHotkeys == 2; }, 3000),
          "let go, the other program has its combination again");
    check(held.count == 2, "and nothing more reaches the field");

    PostThreadMessageW(otherThread, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(ready);
    DestroyWindow(focus);
}

} // namespace

int wmain()
{
    OleInitialize(nullptr);
    registerClass(L"ScrivletTestMain");
    const bool rich20 = LoadLibraryW(L"riched20.dll") != nullptr;
    const bool rich50 = LoadLibraryW(L"msftedit.dll") != nullptr;
    check(rich20, "riched20.dll loads");
    check(rich50, "msftedit.dll loads");

    HWND top = topLevel(L"direct");
    testDirectMessage(top, L"EDIT", false);
    if (rich20)
        testDirectMessage(top, L"RichEdit20W", true);
    if (rich50)
        testDirectMessage(top, L"RICHEDIT50W", true);
    testClassNames(top);
    DestroyWindow(top);

    testMessageTimeout();
    testLayout();
    testFocus();
    testInputAndClipboard();
    testSnapshot();
    testReadWithin();
    testDelayedOffer();
    testHotkeys();
    testHeldElsewhere();

    printf("%d checks, %d failed\n", g_checks, g_failures);
    OleUninitialize();
    return g_failures == 0 ? 0 : 1;
}
