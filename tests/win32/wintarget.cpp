// The other side of the Windows end-to-end checks, one Wine program with a
// few commands, because under Wine synthesised input and WM_HOTKEY reach Wine
// windows only:
//   wintarget edit <report> [option...]
//                               a window whose focused child is a standard
//                               multi-line EDIT; its whole text is written to
//                               <report> (UTF-8, line breaks as they are in
//                               the control) after every change, and the
//                               names of the messages that brought text
//                               (EM_REPLACESEL, WM_PASTE, WM_CHAR) to
//                               <report>.messages, one a line. Options:
//                                 rich        a RichEdit 2.0 control instead
//                                 single      one line only (no ES_MULTILINE)
//                                 readonly    ES_READONLY
//                                 password    ES_PASSWORD
//                                 limit=<n>   EM_LIMITTEXT n
//                                 text=<t>    initial text; \r and \n escapes
//                                 sel=<a>,<b> initial selection
//                                 button      a push button beside the control
//                                             holds the focus instead
//   wintarget edit|plain ... class=<name>
//                               the top-level window's class (a rule per
//                               application names it), instead of
//                               ScrivletWineTarget
//   wintarget plain <report> [delay=<ms>] [putty]
//                               a window without a text control that keeps
//                               what arrives in <report>: each character of
//                               WM_CHAR (CR as a line break; BackSpace takes
//                               the last one back), and the
//                               clipboard's text on Ctrl+V; with delay, every
//                               key-down first takes that long; with putty,
//                               its window class is "PuTTY" and, as PuTTY
//                               does, it pastes on Shift+Insert and takes
//                               Ctrl+V as the character 0x16; with
//                               protected, it tells accessibility tools
//                               that it is a protected (password) field,
//                               as a browser's password field does.
//                               More options: nopaste (never reads the
//                               clipboard), busy=<ms> (every key message,
//                               down or up, takes that long; the EDIT's
//                               too), holdclip=<ms>
//                               (keeps the clipboard open that long after
//                               reading it), hang=<ms> (once it has the
//                               focus, takes no message for that long),
//                               ctrlshiftv (pastes on Ctrl+Shift+V, as a
//                               terminal does)
//   wintarget monitor <report> [nowindow] [hold=<ms>]
//                               a clipboard monitor: it reads the text of
//                               every change (opening the clipboard with its
//                               window, or with none), holding the clipboard
//                               open hold ms each time; <report> counts the
//                               reads
//   wintarget owner <report> [delay=<ms>] [stall] [text=<t>]
//                               puts <t> ("OLD") on the clipboard to be
//                               rendered when asked: it writes
//                               <report>.asked then and renders after delay
//                               ms; with stall it takes no message at all
//                               once it has made its offer
//   wintarget press <mods> <vk> presses a shortcut with SendInput (mods as the
//                               data file stores them: Alt 1, Ctrl 2, Shift 4,
//                               Win 8) into whatever window has the focus
//   wintarget hold <mods> <vk> <ms>
//                               holds a shortcut for ms milliseconds as a
//                               keyboard with key repeat does: the key goes
//                               down again after 250 ms and then every 33 ms
//   wintarget chord <mods> <vk>...
//                               holds the modifiers down while each key is
//                               pressed and released in turn, 1.2 s apart
//   wintarget clip-image        puts a 2 x 2 bitmap on the clipboard (CF_DIB)
//   wintarget clip-has-image    exit 0 when the clipboard holds that bitmap
//                               as CF_DIB, and offers CF_BITMAP
//   wintarget click <x> <y>     moves the pointer to screen pixel (x, y) and
//                               clicks the left button there with SendInput
//   wintarget visible <exe>     exit 0 when a top-level window of a process
//                               named <exe> is shown and not minimised, else 1
//   wintarget exists <exe>      exit 0 when such a process has a top-level
//                               window at all (shown or hidden), else 1
//   wintarget clip-set <text>   puts <text> on the clipboard
//   wintarget clip-get <report> writes the clipboard's text to <report>
//   wintarget close             closes every target window
//   wintarget icon <exe>        exit 0 when <exe> carries an icon resource
//   wintarget rect <exe> <title> prints "left top right bottom" of the shown
//                               top-level window titled <title> of a process
//                               named <exe>; exit 1 when there is none
// Both targets also write <report>.ready once they hold the focus (a monitor
// or an owner once it is in place), and end by themselves after two minutes
// so that a failed run leaves nothing behind. The EDIT target keeps
// "<x> <top> <bottom>" of its caret, in screen pixels, in <report>.caret, and
// "<start> <end>" of its selection in <report>.sel.
// Reports are replaced whole (written beside, then moved), so a reader never
// sees half a file.

#include <windows.h>

#include <oleacc.h>

#include <richedit.h>

#include "sampledib.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring g_report;
HWND g_edit = nullptr;
WNDPROC g_editProc = nullptr;
std::wstring g_messages;

std::string toUtf8(const std::wstring &text)
{
    if (text.empty())
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

bool writeReport(const std::wstring &path, const std::wstring &text)
{
    const std::wstring partial = path + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const std::string bytes = toUtf8(text);
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::wstring windowText(HWND w)
{
    const int length = GetWindowTextLengthW(w);
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(w, &text[0], length + 1)));
    return text;
}

bool clipboardText(std::wstring *text, DWORD holdMs = 0, HWND window = nullptr)
{
    // Another program may hold the clipboard open for a moment.
    for (int attempt = 0; attempt < 20 && !OpenClipboard(window); ++attempt)
        Sleep(25);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    bool ok = false;
    if (data) {
        if (const auto *p = static_cast<const wchar_t *>(GlobalLock(data))) {
            *text = p;
            GlobalUnlock(data);
            ok = true;
        }
    }
    // A program that reads slowly keeps the clipboard open meanwhile.
    if (holdMs)
        Sleep(holdMs);
    CloseClipboard();
    return ok;
}

bool setClipboardText(const std::wstring &text)
{
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !(opened = OpenClipboard(nullptr)); ++attempt)
        Sleep(25);
    if (!opened)
        return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool ok = false;
    if (block) {
        if (void *p = GlobalLock(block)) {
            memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
            GlobalUnlock(block);
            ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        if (!ok)
            GlobalFree(block);
    }
    CloseClipboard();
    return ok;
}

// Sees every message the EDIT gets before the control does, to tell how the
// text came in.
DWORD g_editBusyMs = 0; // the EDIT takes this long for every key (busy=)

LRESULT CALLBACK editSpy(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (g_editBusyMs && (message == WM_KEYDOWN || message == WM_KEYUP))
        Sleep(g_editBusyMs);
    const wchar_t *name = message == EM_REPLACESEL ? L"EM_REPLACESEL"
                          : message == WM_PASTE    ? L"WM_PASTE"
                          : message == WM_CHAR     ? L"WM_CHAR"
                                                   : nullptr;
    if (name) {
        g_messages += name;
        g_messages += L"\n";
        writeReport(g_report + L".messages", g_messages);
    }
    return CallWindowProcW(g_editProc, w, message, wp, lp);
}

constexpr UINT_PTR LifeTimer = 1;
constexpr UINT_PTR CaretTimer = 2;
std::wstring g_caret;
std::wstring g_selection;

// Where the EDIT's caret is, as the system tells any program that asks.
void reportCaret()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !info.hwndCaret)
        return;
    POINT top{info.rcCaret.left, info.rcCaret.top};
    POINT bottom{info.rcCaret.left, info.rcCaret.bottom};
    ClientToScreen(info.hwndCaret, &top);
    ClientToScreen(info.hwndCaret, &bottom);
    wchar_t line[64];
    swprintf(line, 64, L"%ld %ld %ld", top.x, top.y, bottom.y);
    if (g_caret != line && writeReport(g_report + L".caret", line))
        g_caret = line;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(g_edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    swprintf(line, 64, L"%lu %lu", start, end);
    if (g_selection != line && writeReport(g_report + L".sel", line))
        g_selection = line;
}

// What a target window is made of (the options of "edit" and "plain").
struct TargetOptions
{
    bool withEdit = false;
    bool rich = false;
    bool single = false;
    bool readOnly = false;
    bool password = false;
    bool button = false;
    bool putty = false;
    bool isProtected = false;
    int limit = 0;
    bool hasSelection = false;
    int selStart = 0;
    int selEnd = 0;
    std::wstring text;
    DWORD keyDelayMs = 0;
    std::wstring className;
    bool noPaste = false;
    bool ctrlShiftV = false;
    DWORD busyMs = 0;
    DWORD holdClipboardMs = 0;
    DWORD hangMs = 0;
};

// Marks the windows "close" closes: targets, monitors, owners.
constexpr wchar_t OursProperty[] = L"ScrivletWineTool";
constexpr UINT_PTR HangTimer = 3;

TargetOptions g_options;
HWND g_button = nullptr;
std::wstring g_arrived; // what the plain target has received so far

void arrive(const std::wstring &text)
{
    g_arrived += text;
    writeReport(g_report, g_arrived);
}

// The accessible object of a protected field: it has the focus itself and
// says it is protected; nothing else is answered.
class ProtectedField final : public IAccessible
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_refs); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&m_refs); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *n) override
    {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                     EXCEPINFO *, UINT *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *n) override
    {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch **) override { return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT, VARIANT *role) override
    {
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_TEXT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT, VARIANT *state) override
    {
        state->vt = VT_I4;
        state->lVal = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PROTECTED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *, VARIANT, long *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override
    {
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accLocation(long *, long *, long *, long *, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accHitTest(long, long, VARIANT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    LONG m_refs = 1; // static: never freed
};
ProtectedField g_protectedField;

LRESULT CALLBACK targetProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_GETOBJECT:
        if (g_options.isProtected && LONG(lp) == LONG(OBJID_CLIENT))
            return LresultFromObject(__uuidof(IAccessible), wp, &g_protectedField);
        return DefWindowProcW(w, message, wp, lp);
    case WM_SIZE:
        if (g_edit)
            MoveWindow(g_edit, 0, 0, LOWORD(lp), HIWORD(lp) - (g_button ? 40 : 0), TRUE);
        if (g_button)
            MoveWindow(g_button, 0, HIWORD(lp) - 40, 120, 40, TRUE);
        return 0;
    case WM_SETFOCUS:
        if (g_button)
            SetFocus(g_button);
        else if (g_edit)
            SetFocus(g_edit);
        return 0;
    case WM_COMMAND:
        if (HWND(lp) == g_edit && HIWORD(wp) == EN_CHANGE)
            writeReport(g_report, windowText(g_edit));
        return 0;
    case WM_SYSCOMMAND:
        // Alt pressed and released alone would open the window menu, which
        // would take the keys after it.
        if ((wp & 0xFFF0) == SC_KEYMENU)
            return 0;
        return DefWindowProcW(w, message, wp, lp);
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_KEYUP:
        if (g_options.busyMs)
            Sleep(g_options.busyMs);
        return DefWindowProcW(w, message, wp, lp);
    case WM_KEYDOWN:
        if (g_options.keyDelayMs)
            Sleep(g_options.keyDelayMs); // a program busy with every key
        if (g_options.busyMs)
            Sleep(g_options.busyMs);
        if (!g_edit) {
            wchar_t line[64];
            swprintf(line, 64, L"WM_KEYDOWN %u %u ctrl=%d alt=%d\n", unsigned(wp),
                     unsigned((lp >> 16) & 0xFF), (GetKeyState(VK_CONTROL) & 0x8000) ? 1 : 0,
                     (GetKeyState(VK_MENU) & 0x8000) ? 1 : 0);
            g_messages += line;
            writeReport(g_report + L".messages", g_messages);
        }
        if (!g_edit && !g_options.noPaste &&
            (g_options.putty        ? wp == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000)
             : g_options.ctrlShiftV ? wp == 'V' && (GetKeyState(VK_CONTROL) & 0x8000) &&
                                          (GetKeyState(VK_SHIFT) & 0x8000)
                                    : wp == 'V' && (GetKeyState(VK_CONTROL) & 0x8000))) {
            std::wstring text;
            // With its window, as programs open the clipboard to paste.
            if (clipboardText(&text, g_options.holdClipboardMs, w))
                arrive(text);
        }
        return 0;
    case WM_CHAR:
        // What a text field would show: printable characters and line breaks,
        // not the control characters of shortcuts (Ctrl+V is 0x16), which a
        // terminal passes on to its program as they are.
        if (!g_edit && (wp >= 0x20 || wp == L'\r' || wp == L'\n' || wp == L'\t')) {
            arrive(std::wstring(1, wp == L'\r' ? L'\n' : wchar_t(wp)));
        } else if (!g_edit && wp == L'\b' && !g_options.putty) {
            // BackSpace takes the last character back, as in a text field.
            if (!g_arrived.empty())
                g_arrived.pop_back();
            writeReport(g_report, g_arrived);
        } else if (!g_edit && g_options.putty)
            arrive(L"<control " + std::to_wstring(unsigned(wp)) + L">");
        return 0;
    case WM_TIMER:
        if (wp == CaretTimer) {
            reportCaret();
            return 0;
        }
        if (wp == HangTimer) {
            KillTimer(w, HangTimer);
            Sleep(g_options.hangMs); // a program that stopped answering
            return 0;
        }
        DestroyWindow(w);
        return 0;
    case WM_CLOSE:
        DestroyWindow(w);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(w, message, wp, lp);
    }
}

// "a\rb" on the command line stands for a CR between a and b.
std::wstring unescape(const std::wstring &in)
{
    std::wstring out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == L'\\' && i + 1 < in.size() && (in[i + 1] == L'r' || in[i + 1] == L'n')) {
            out += in[i + 1] == L'r' ? L'\r' : L'\n';
            ++i;
        } else {
            out += in[i];
        }
    }
    return out;
}

bool parseOption(const std::wstring &option, TargetOptions *o)
{
    auto value = [&option](const wchar_t *name) -> const wchar_t * {
        const size_t n = wcslen(name);
        return option.compare(0, n, name) == 0 ? option.c_str() + n : nullptr;
    };
    if (option == L"rich")
        o->rich = true;
    else if (option == L"single")
        o->single = true;
    else if (option == L"readonly")
        o->readOnly = true;
    else if (option == L"password")
        o->password = true;
    else if (option == L"button")
        o->button = true;
    else if (option == L"putty")
        o->putty = true;
    else if (option == L"protected")
        o->isProtected = true;
    else if (option == L"nopaste")
        o->noPaste = true;
    else if (option == L"ctrlshiftv")
        o->ctrlShiftV = true;
    else if (const wchar_t *v = value(L"class="))
        o->className = v;
    else if (const wchar_t *v = value(L"busy="))
        o->busyMs = DWORD(wcstoul(v, nullptr, 10));
    else if (const wchar_t *v = value(L"holdclip="))
        o->holdClipboardMs = DWORD(wcstoul(v, nullptr, 10));
    else if (const wchar_t *v = value(L"hang="))
        o->hangMs = DWORD(wcstoul(v, nullptr, 10));
    else if (const wchar_t *v = value(L"limit="))
        o->limit = int(wcstol(v, nullptr, 10));
    else if (const wchar_t *v = value(L"delay="))
        o->keyDelayMs = DWORD(wcstoul(v, nullptr, 10));
    else if (const wchar_t *v = value(L"text="))
        o->text = unescape(v);
    else if (const wchar_t *v = value(L"sel=")) {
        wchar_t *end = nullptr;
        o->selStart = int(wcstol(v, &end, 10));
        if (!end || *end != L',')
            return false;
        o->selEnd = int(wcstol(end + 1, nullptr, 10));
        o->hasSelection = true;
    } else
        return false;
    return true;
}

// Says who keeps the foreground from a target that cannot get it, for the
// log of a run whose target never became ready.
void tellForeground()
{
    const HWND w = GetForegroundWindow();
    wchar_t cls[128] = L"", title[128] = L"";
    DWORD pid = 0;
    if (w) {
        GetClassNameW(w, cls, 128);
        GetWindowTextW(w, title, 128);
        GetWindowThreadProcessId(w, &pid);
    }
    fwprintf(stderr, L"wintarget: no focus yet; the foreground is %p, class \"%ls\", \"%ls\", "
                     L"process %lu\n", static_cast<void *>(w), cls, title, pid);
    fflush(stderr);
}

int runTarget(const TargetOptions &options, const std::wstring &report)
{
    g_report = report;
    g_options = options;
    // The accessible object crosses to the asker through COM.
    if (options.isProtected && FAILED(CoInitialize(nullptr)))
        return 1;
    const bool withEdit = options.withEdit;
    WNDCLASSW wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = !options.className.empty() ? options.className.c_str()
                       : options.putty            ? L"PuTTY"
                                                  : L"ScrivletWineTarget";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    HWND top = CreateWindowExW(
        0, wc.lpszClassName, withEdit ? L"Scrivlet target (edit)" : L"Scrivlet target (plain)",
        WS_OVERLAPPEDWINDOW, 100, 100, 480, 320, nullptr, nullptr, wc.hInstance, nullptr);
    if (!top)
        return 2;
    SetPropW(top, OursProperty, HANDLE(1));
    if (withEdit) {
        if (options.rich && !LoadLibraryW(L"riched20.dll"))
            return 2;
        DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
        if (!options.single)
            style |= WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (options.readOnly)
            style |= ES_READONLY;
        if (options.password)
            style |= ES_PASSWORD;
        g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, options.rich ? L"RichEdit20W" : L"EDIT", L"",
                                 style, 0, 0, 480, 280, top, nullptr, wc.hInstance, nullptr);
        if (!g_edit)
            return 2;
        if (!options.text.empty())
            SendMessageW(g_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(options.text.c_str()));
        if (options.limit > 0)
            SendMessageW(g_edit, EM_LIMITTEXT, WPARAM(options.limit), 0);
        if (options.hasSelection)
            SendMessageW(g_edit, EM_SETSEL, WPARAM(options.selStart), LPARAM(options.selEnd));
        g_editBusyMs = options.busyMs;
        g_editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(g_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editSpy)));
        if (options.rich)
            SendMessageW(g_edit, EM_SETEVENTMASK, 0, ENM_CHANGE);
        writeReport(report + L".messages", std::wstring());
        if (options.button) {
            g_button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                       0, 280, 120, 40, top, nullptr, wc.hInstance, nullptr);
            if (!g_button)
                return 2;
        }
    }
    writeReport(report, withEdit ? windowText(g_edit) : std::wstring());
    ShowWindow(top, SW_SHOWNORMAL);
    SetForegroundWindow(top);
    SetFocus(g_button ? g_button : g_edit ? g_edit : top);
    SetTimer(top, LifeTimer, 120000, nullptr);
    if (withEdit)
        SetTimer(top, CaretTimer, 100, nullptr);

    bool ready = false;
    MSG msg;
    int asked = 0;
    for (;;) {
        if (!ready && GetForegroundWindow() == top) {
            ready = writeReport(report + L".ready", L"focus");
            if (ready && options.hangMs)
                SetTimer(top, HangTimer, 1, nullptr);
        } else if (!ready && ++asked % 10 == 0) {
            // A program just started (ours, say) may have taken the
            // foreground after our first request.
            SetForegroundWindow(top);
            SetFocus(g_button ? g_button : g_edit ? g_edit : top);
            if (asked % 100 == 0)
                tellForeground();
        }
        // Wake at least every 50 ms to look at the focus until it is ours.
        if (ready ||
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
            if (!GetMessageW(&msg, nullptr, 0, 0))
                break;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT)
                    return 0;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    return 0;
}

void sendKey(WORD key, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(INPUT));
}

std::vector<WORD> modifierKeys(unsigned mods)
{
    std::vector<WORD> keys;
    if (mods & 2)
        keys.push_back(VK_CONTROL);
    if (mods & 1)
        keys.push_back(VK_MENU);
    if (mods & 4)
        keys.push_back(VK_SHIFT);
    if (mods & 8)
        keys.push_back(VK_LWIN);
    return keys;
}

int press(unsigned mods, unsigned vk)
{
    std::vector<WORD> keys = modifierKeys(mods);
    keys.push_back(WORD(vk));

    std::vector<INPUT> events;
    auto add = [&events](WORD key, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = flags;
        events.push_back(in);
    };
    for (WORD key : keys)
        add(key, 0);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        add(*it, KEYEVENTF_KEYUP);
    const UINT sent = SendInput(UINT(events.size()), events.data(), sizeof(INPUT));
    return sent == events.size() ? 0 : 1;
}

// A held key on a keyboard with key repeat: more key-downs, no key-up between.
int hold(unsigned mods, unsigned vk, DWORD ms)
{
    const std::vector<WORD> modifiers = modifierKeys(mods);
    for (WORD key : modifiers)
        sendKey(key, false);
    const DWORD start = GetTickCount();
    sendKey(WORD(vk), false);
    Sleep(250);
    while (GetTickCount() - start < ms) {
        sendKey(WORD(vk), false);
        Sleep(33);
    }
    sendKey(WORD(vk), true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        sendKey(*it, true);
    return 0;
}

int chord(unsigned mods, const std::vector<WORD> &keys)
{
    const std::vector<WORD> modifiers = modifierKeys(mods);
    for (WORD key : modifiers)
        sendKey(key, false);
    for (size_t i = 0; i < keys.size(); ++i) {
        const WORD key = keys[i];
        // A hand that stays on the modifiers: longer than a program may wait
        // for them to go up before it types.
        Sleep(i == 0 ? 100 : 1200);
        sendKey(key, false);
        Sleep(50);
        sendKey(key, true);
    }
    Sleep(300);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        sendKey(*it, true);
    return 0;
}

int setClipboardImage()
{
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !(opened = OpenClipboard(nullptr)); ++attempt)
        Sleep(25);
    if (!opened)
        return 1;
    EmptyClipboard();
    const std::vector<BYTE> dib = sampleDib();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.size());
    bool ok = false;
    if (block) {
        if (void *p = GlobalLock(block)) {
            memcpy(p, dib.data(), dib.size());
            GlobalUnlock(block);
            ok = SetClipboardData(CF_DIB, block) != nullptr;
        }
        if (!ok)
            GlobalFree(block);
    }
    CloseClipboard();
    return ok ? 0 : 1;
}

int clipboardHasImage()
{
    bool opened = false;
    for (int attempt = 0; attempt < 20 && !(opened = OpenClipboard(nullptr)); ++attempt)
        Sleep(25);
    if (!opened)
        return 2;
    const std::vector<BYTE> want = sampleDib();
    bool same = false;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const SIZE_T size = GlobalSize(data);
        if (const void *p = GlobalLock(data)) {
            same = size >= want.size() && memcmp(p, want.data(), want.size()) == 0;
            GlobalUnlock(data);
        }
    }
    const bool bitmap = IsClipboardFormatAvailable(CF_BITMAP);
    CloseClipboard();
    return same && bitmap ? 0 : 1;
}

// 0 when another program holds the shortcut (it has registered it), 1 when
// it is free: the test presses a shortcut only once the program listens.
int held(unsigned mods, unsigned vk)
{
    constexpr int probe = 0x7F00;
    if (RegisterHotKey(nullptr, probe, mods | MOD_NOREPEAT, vk)) {
        UnregisterHotKey(nullptr, probe);
        return 1;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? 0 : 2;
}

int click(int x, int y)
{
    if (!SetCursorPos(x, y))
        return 1;
    INPUT events[2]{};
    events[0].type = INPUT_MOUSE;
    events[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    events[1].type = INPUT_MOUSE;
    events[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    // Apart, as a hand clicks: the button reacts to the release.
    if (SendInput(1, &events[0], sizeof(INPUT)) != 1)
        return 1;
    Sleep(50);
    return SendInput(1, &events[1], sizeof(INPUT)) == 1 ? 0 : 1;
}

struct WindowQuery
{
    std::wstring exe;
    bool needVisible;
    bool found;
};

bool processIsNamed(DWORD pid, const std::wstring &exe)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return false;
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool ok = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    if (!ok)
        return false;
    const wchar_t *slash = wcsrchr(path, L'\\');
    return _wcsicmp(slash ? slash + 1 : path, exe.c_str()) == 0;
}

BOOL CALLBACK inspectWindow(HWND w, LPARAM lp)
{
    auto *query = reinterpret_cast<WindowQuery *>(lp);
    if (query->needVisible && (!IsWindowVisible(w) || IsIconic(w)))
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid && processIsNamed(pid, query->exe)) {
        query->found = true;
        return FALSE;
    }
    return TRUE;
}

struct TitledQuery
{
    std::wstring exe;
    std::wstring title;
    HWND found;
};

BOOL CALLBACK findTitled(HWND w, LPARAM lp)
{
    auto *query = reinterpret_cast<TitledQuery *>(lp);
    if (!IsWindowVisible(w) || windowText(w) != query->title)
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid && processIsNamed(pid, query->exe)) {
        query->found = w;
        return FALSE;
    }
    return TRUE;
}

int printRect(const std::wstring &exe, const std::wstring &title)
{
    TitledQuery query{exe, title, nullptr};
    EnumWindows(findTitled, reinterpret_cast<LPARAM>(&query));
    RECT r;
    if (!query.found || !GetWindowRect(query.found, &r))
        return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
}

int hasWindow(const std::wstring &exe, bool needVisible)
{
    WindowQuery query{exe, needVisible, false};
    EnumWindows(inspectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found ? 0 : 1;
}

BOOL CALLBACK collectOurs(HWND w, LPARAM lp)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (GetPropW(w, OursProperty) && pid != GetCurrentProcessId())
        reinterpret_cast<std::vector<HWND> *>(lp)->push_back(w);
    return TRUE;
}

int closeTargets()
{
    std::vector<HWND> ours;
    EnumWindows(collectOurs, reinterpret_cast<LPARAM>(&ours));
    int left = 0;
    for (HWND w : ours) {
        // Synchronously, so the next window can be found afterwards; a
        // program that does not answer is left (the test ends it).
        SendMessageTimeoutW(w, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        left += IsWindow(w) ? 1 : 0;
    }
    return left == 0 ? 0 : 1;
}

// ---- a clipboard monitor, and a clipboard owner that renders late ----

int usage();

struct ClipboardTool
{
    std::wstring report;
    bool monitor = false;
    bool withWindow = true;
    DWORD holdMs = 0;
    DWORD renderDelayMs = 0;
    bool stall = false;
    std::wstring text = L"OLD";
    int reads = 0;
    bool reading = false;
};
ClipboardTool g_tool;

LRESULT CALLBACK clipboardToolProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_CLIPBOARDUPDATE:
        if (g_tool.monitor && !g_tool.reading && OpenClipboard(g_tool.withWindow ? w : nullptr)) {
            g_tool.reading = true;
            // Reading renders what its owner only offered.
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                GlobalLock(data);
                GlobalUnlock(data);
            }
            if (g_tool.holdMs)
                Sleep(g_tool.holdMs);
            CloseClipboard();
            g_tool.reading = false;
            writeReport(g_tool.report, std::to_wstring(++g_tool.reads));
        }
        return 0;
    case WM_RENDERFORMAT:
        if (UINT(wp) == CF_UNICODETEXT) {
            writeReport(g_tool.report + L".asked", L"asked");
            Sleep(g_tool.renderDelayMs); // a program slow to render its copy
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (g_tool.text.size() + 1) * sizeof(wchar_t));
            if (void *p = block ? GlobalLock(block) : nullptr) {
                memcpy(p, g_tool.text.c_str(), (g_tool.text.size() + 1) * sizeof(wchar_t));
                GlobalUnlock(block);
                if (!SetClipboardData(CF_UNICODETEXT, block))
                    GlobalFree(block);
            }
        }
        return 0;
    case WM_RENDERALLFORMATS:
        return 0; // going away: what was not asked for is gone
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(w);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(w, message, wp, lp);
    }
}

int runClipboardTool(bool monitor, int argc, wchar_t *argv[])
{
    g_tool.report = argv[2];
    g_tool.monitor = monitor;
    for (int i = 3; i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option == L"nowindow")
            g_tool.withWindow = false;
        else if (option == L"stall")
            g_tool.stall = true;
        else if (option.compare(0, 5, L"hold=") == 0)
            g_tool.holdMs = DWORD(wcstoul(option.c_str() + 5, nullptr, 10));
        else if (option.compare(0, 6, L"delay=") == 0)
            g_tool.renderDelayMs = DWORD(wcstoul(option.c_str() + 6, nullptr, 10));
        else if (option.compare(0, 5, L"text=") == 0)
            g_tool.text = option.substr(5);
        else
            return usage();
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = clipboardToolProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ScrivletWineClipboardTool";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"clipboard tool", WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, wc.hInstance, nullptr);
    if (!w)
        return 2;
    SetPropW(w, OursProperty, HANDLE(1));
    SetTimer(w, LifeTimer, 120000, nullptr);
    if (monitor) {
        if (!AddClipboardFormatListener(w))
            return 2;
    } else {
        bool opened = false;
        for (int attempt = 0; attempt < 20 && !(opened = OpenClipboard(w)); ++attempt)
            Sleep(25);
        if (!opened)
            return 2;
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, nullptr); // rendered when asked
        CloseClipboard();
    }
    writeReport(g_tool.report + L".ready", L"ready");
    if (g_tool.stall)
        Sleep(120000); // takes no message at all: whoever asks it waits
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

BOOL CALLBACK countIcon(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int *>(count);
    return TRUE;
}

// The icon Explorer shows for a file is its first RT_GROUP_ICON resource.
int hasIcon(const std::wstring &exe)
{
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return 2;
    int count = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, countIcon,
                       reinterpret_cast<LONG_PTR>(&count));
    FreeLibrary(module);
    return count > 0 ? 0 : 1;
}

// Whether the window in front has a title that begins with prefix: a window
// that asks something of the user has the keyboard, and keys may be sent.
int frontTitled(const std::wstring &prefix)
{
    const HWND front = GetForegroundWindow();
    wchar_t title[256] = {};
    if (!front || GetWindowTextW(front, title, 256) <= 0)
        return 1;
    return std::wstring(title).compare(0, prefix.size(), prefix) == 0 ? 0 : 1;
}

int usage()
{
    fwprintf(stderr, L"usage: wintarget edit|plain <report> [option...] | clip-get <report> | "
                     L"press|held <mods> <vk> | hold <mods> <vk> <ms> | chord <mods> <vk>... | "
                     L"click <x> <y> | visible|exists <exe> | front <title> | rect <exe> <title> | "
                     L"clip-set <text> | clip-image | clip-has-image | "
                     L"monitor|owner <report> [option...]\n");
    return 64;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc == 2 && std::wstring(argv[1]) == L"close")
        return closeTargets();
    if (argc == 2 && std::wstring(argv[1]) == L"clip-image")
        return setClipboardImage();
    if (argc == 2 && std::wstring(argv[1]) == L"clip-has-image")
        return clipboardHasImage();
    if (argc < 3)
        return usage();
    const std::wstring command = argv[1];
    if (command == L"monitor" || command == L"owner")
        return runClipboardTool(command == L"monitor", argc, argv);
    if (command == L"edit" || command == L"plain") {
        TargetOptions options;
        options.withEdit = command == L"edit";
        for (int i = 3; i < argc; ++i) {
            if (!parseOption(argv[i], &options))
                return usage();
        }
        return runTarget(options, argv[2]);
    }
    if (command == L"hold" && argc >= 5)
        return hold(unsigned(wcstoul(argv[2], nullptr, 0)), unsigned(wcstoul(argv[3], nullptr, 0)),
                    DWORD(wcstoul(argv[4], nullptr, 0)));
    if (command == L"chord" && argc >= 4) {
        std::vector<WORD> keys;
        for (int i = 3; i < argc; ++i)
            keys.push_back(WORD(wcstoul(argv[i], nullptr, 0)));
        return chord(unsigned(wcstoul(argv[2], nullptr, 0)), keys);
    }
    if (command == L"press" && argc >= 4)
        return press(unsigned(wcstoul(argv[2], nullptr, 0)),
                     unsigned(wcstoul(argv[3], nullptr, 0)));
    if (command == L"held" && argc >= 4)
        return held(unsigned(wcstoul(argv[2], nullptr, 0)), unsigned(wcstoul(argv[3], nullptr, 0)));
    if (command == L"click" && argc >= 4)
        return click(int(wcstol(argv[2], nullptr, 0)), int(wcstol(argv[3], nullptr, 0)));
    if (command == L"visible" || command == L"exists")
        return hasWindow(argv[2], command == L"visible");
    if (command == L"icon")
        return hasIcon(argv[2]);
    if (command == L"front")
        return frontTitled(argv[2]);
    if (command == L"rect" && argc >= 4)
        return printRect(argv[2], argv[3]);
    if (command == L"clip-set")
        return setClipboardText(argv[2]) ? 0 : 1;
    if (command == L"clip-get") {
        std::wstring text;
        return clipboardText(&text) && writeReport(argv[2], text) ? 0 : 1;
    }
    return usage();
}
