// Messages to a standard text control, each with a time limit, and the one
// question asked through accessibility: whether the focused element is a
// password field.

#include "win/win32prims.h"

#include <ole2.h>
#include <oleacc.h>

#include <atomic>
#include <memory>
#include <thread>

namespace Win32Prims {

bool sendMessage(HWND w, UINT message, WPARAM wp, LPARAM lp, LRESULT *result)
{
    DWORD_PTR answer = 0;
    // SMTO_NORMAL: while waiting, this thread still serves messages sent to
    // it, such as the clipboard's request for text we offered.
    if (!w || !SendMessageTimeoutW(w, message, wp, lp, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                   MessageTimeoutMs, &answer))
        return false;
    if (result)
        *result = LRESULT(answer);
    return true;
}

namespace {

// The accessibility query itself, on a thread of its own (see below).
bool queryFocusProtected(HWND w, bool *isProtected)
{
    *isProtected = false;
    // The request goes with a time-out (AccessibleObjectFromWindow waits for
    // a hung window for ever); a window with nothing of its own to say gets
    // the standard object, which adds nothing to its style bits.
    LRESULT answer = 0;
    if (!sendMessage(w, WM_GETOBJECT, 0, LPARAM(OBJID_CLIENT), &answer) || answer == 0)
        return false;
    IAccessible *object = nullptr;
    if (FAILED(ObjectFromLresult(answer, __uuidof(IAccessible), 0,
                                 reinterpret_cast<void **>(&object))) ||
        !object)
        return false;
    // The focused element: the object itself, one of its simple children,
    // or an object of its own (a browser's page).
    VARIANT focus;
    VariantInit(&focus);
    IAccessible *holder = object;
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    bool known = false;
    if (SUCCEEDED(object->get_accFocus(&focus))) {
        if (focus.vt == VT_I4) {
            child.lVal = focus.lVal;
            known = true;
        } else if (focus.vt == VT_DISPATCH && focus.pdispVal) {
            IAccessible *inner = nullptr;
            if (SUCCEEDED(focus.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                         reinterpret_cast<void **>(&inner))) &&
                inner) {
                holder = inner;
                known = true;
            }
        }
    }
    VARIANT state;
    VariantInit(&state);
    if (known && SUCCEEDED(holder->get_accState(child, &state)) && state.vt == VT_I4)
        *isProtected = state.lVal & STATE_SYSTEM_PROTECTED;
    else
        known = false;
    VariantClear(&state);
    if (holder != object)
        holder->Release();
    VariantClear(&focus);
    object->Release();
    return known;
}

// Queries given up on whose calls have not come back yet: a program that
// never answers keeps one thread each, and past a few no more are started.
std::atomic<int> g_abandonedQueries{0};
constexpr int MaxAbandonedQueries = 4;

struct FocusQuery
{
    HANDLE done = nullptr;
    std::atomic<bool> abandoned{false};
    bool known = false;
    bool isProtected = false;
    ~FocusQuery()
    {
        if (done)
            CloseHandle(done);
    }
};

} // namespace

bool focusIsProtected(HWND w, bool *isProtected)
{
    *isProtected = false;
    // Calls into another process's accessibility objects have no time
    // limit of their own (a program may answer WM_GETOBJECT and then stall
    // in get_accFocus), so they go on a thread of their own in the
    // multithreaded apartment, which is given up on after the limit: its
    // calls end whenever they do, with nobody waiting.
    if (g_abandonedQueries.load() >= MaxAbandonedQueries)
        return false;
    std::shared_ptr<FocusQuery> query;
    try {
        query = std::make_shared<FocusQuery>();
        query->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (!query->done)
            return false;
        std::thread([query, w] {
            const HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            bool isProtected = false;
            const bool known = SUCCEEDED(init) && queryFocusProtected(w, &isProtected);
            if (SUCCEEDED(init))
                CoUninitialize();
            query->known = known;
            query->isProtected = isProtected;
            SetEvent(query->done);
            if (query->abandoned.exchange(false))
                --g_abandonedQueries;
        }).detach();
    } catch (...) {
        return false; // no thread to be had: nothing is known
    }
    // Meanwhile what is sent to this thread is served (our own windows
    // render what they offered, answer what the query asks of them).
    const DWORD start = GetTickCount();
    bool ended = false;
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= AccessibilityLimitMs)
            break;
        const DWORD r = MsgWaitForMultipleObjectsEx(1, &query->done, AccessibilityLimitMs - elapsed,
                                                    QS_SENDMESSAGE, 0);
        if (r == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        if (r != WAIT_OBJECT_0 + 1 && r != WAIT_TIMEOUT)
            break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (!ended) {
        // Counted before the flag is set: whichever side takes the flag
        // back (this one, should the query end right now) counts it down.
        ++g_abandonedQueries;
        query->abandoned = true;
        if (WaitForSingleObject(query->done, 0) != WAIT_OBJECT_0)
            return false;
        if (query->abandoned.exchange(false))
            --g_abandonedQueries;
    }
    *isProtected = query->isProtected;
    return query->known;
}

bool controlText(HWND control, std::wstring *text)
{
    // The text may grow between the two messages: read again with the room
    // the control reports, until the answer fits. A length beyond the cap
    // (a hostile answer, or a text no check could compare in time) is no
    // answer, and no allocation may fail out of here.
    try {
        for (int attempt = 0; attempt < 3; ++attempt) {
            LRESULT length = 0;
            if (!sendMessage(control, WM_GETTEXTLENGTH, 0, 0, &length) || length < 0 ||
                length > LRESULT(MaxControlTextUnits))
                return false;
            std::wstring buffer(size_t(length) + 2, L'\0');
            LRESULT copied = 0;
            if (!sendMessage(control, WM_GETTEXT, WPARAM(buffer.size()),
                             reinterpret_cast<LPARAM>(&buffer[0]), &copied) ||
                copied < 0)
                return false;
            if (size_t(copied) <= size_t(length)) {
                buffer.resize(size_t(copied));
                *text = std::move(buffer);
                return true;
            }
        }
    } catch (...) {
    }
    return false;
}

bool selection(HWND control, DWORD *start, DWORD *end)
{
    *start = 0;
    *end = 0;
    return sendMessage(control, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                       reinterpret_cast<LPARAM>(end));
}

bool replaceSelection(HWND control, const wchar_t *text)
{
    return sendMessage(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

bool setSelection(HWND control, DWORD start, DWORD end)
{
    return sendMessage(control, EM_SETSEL, WPARAM(start), LPARAM(end));
}

bool setControlText(HWND control, const wchar_t *text)
{
    LRESULT done = 0;
    return sendMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), &done) && done;
}

bool undo(HWND control)
{
    LRESULT done = 0;
    return sendMessage(control, EM_UNDO, 0, 0, &done) && done;
}

bool paste(HWND control)
{
    return sendMessage(control, WM_PASTE, 0, 0);
}

bool windowStyle(HWND w, DWORD *style)
{
    if (!IsWindow(w))
        return false;
    SetLastError(0);
    const LONG value = GetWindowLongW(w, GWL_STYLE);
    if (value == 0 && GetLastError() != 0)
        return false;
    *style = DWORD(value);
    return true;
}

} // namespace Win32Prims
