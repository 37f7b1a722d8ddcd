#pragma once

// The Win32 calls of the insertion road, exactly as the program makes them,
// without Qt: the Qt backend (desktop_win.cpp) is a thin adapter over these,
// and a small test program exercises them against real controls under Wine.
// Every function reports failure by its return value.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace Win32Prims {

// ---- windows, threads, processes ----
HWND foregroundWindow();
bool isWindow(HWND w);
bool isWindowVisible(HWND w);
DWORD windowThreadProcessId(HWND w, DWORD *processId);
bool attachThreadInput(DWORD from, DWORD to, bool attach);
bool setForegroundWindow(HWND w);
// How a window answers WM_NULL within ms (SendMessageTimeoutW with
// SMTO_ABORTIFHUNG; messages sent to this thread are served meanwhile).
enum class Answer
{
    Answered,
    Late, // no answer in time
    Hung, // hung by the system's count (IsHungAppWindow), or gone
};
Answer probe(HWND w, UINT ms);
// The processes of the windows inside top.
std::vector<DWORD> childWindowProcesses(HWND top);
// The processes that processId started, and theirs in turn.
std::vector<DWORD> descendantProcesses(DWORD processId);
// GetGUIThreadInfo with the structure's size for this build.
bool guiThreadInfo(DWORD thread, HWND *focus, HWND *caretWindow, RECT *caretRect);
bool clientToScreen(HWND w, POINT *point);
// The top-level window that holds w (GetAncestor GA_ROOT).
HWND topLevelWindow(HWND w);
// The file name of a process's executable ("putty.exe"); false when the
// process cannot be asked.
bool processExecutable(DWORD processId, std::wstring *name);
// GetClassNameW with a 128-unit buffer.
bool className(HWND w, std::wstring *name);
POINT cursorPos(); // (0, 0) when it cannot be read

// ---- integrity levels ----
enum class OpenResult
{
    Ok,
    AccessDenied,
    OpenFailed,
    TokenFailed
};
// The last sub-authority of the token's mandatory label; 0 on any failure.
DWORD tokenIntegrityLevel(HANDLE token);
OpenResult processIntegrityLevel(DWORD processId, DWORD *level);
bool ownIntegrityLevel(DWORD *level);

// ---- messages to a standard text control ----
// Every message goes out with SendMessageTimeoutW: a hung program must not
// hang this one, and a message that was dropped (a window of a more
// privileged program, one that has gone, one that did not answer within
// MessageTimeoutMs) is a failure, never an answer of 0.
constexpr UINT MessageTimeoutMs = 1000;
bool sendMessage(HWND w, UINT message, WPARAM wp, LPARAM lp, LRESULT *result = nullptr);
// The whole text (WM_GETTEXTLENGTH, then WM_GETTEXT); false for a text
// longer than MaxControlTextUnits.
constexpr size_t MaxControlTextUnits = size_t(16) << 20;
bool controlText(HWND control, std::wstring *text);
bool selection(HWND control, DWORD *start, DWORD *end);
bool replaceSelection(HWND control, const wchar_t *text); // undoable
bool setSelection(HWND control, DWORD start, DWORD end);
bool setControlText(HWND control, const wchar_t *text);
bool undo(HWND control); // EM_UNDO; false when the control had nothing to undo
bool paste(HWND control);
// GWL_STYLE; false when the window is gone.
bool windowStyle(HWND w, DWORD *style);
// What the window tells accessibility tools about its focused element: true
// in *isProtected when that is a protected (password) field. Windows that
// answer no accessibility request say nothing (false), as do those that do
// not answer it all within AccessibilityLimitMs.
constexpr DWORD AccessibilityLimitMs = 1500;
bool focusIsProtected(HWND w, bool *isProtected);

// ---- synthesised input ----
struct KeyEvent
{
    WORD vk;
    WORD scan;
    DWORD flags;
};
// One SendInput call; returns the number of events the system accepted.
// A scan-code event without a virtual key gets the one the scan code stands
// for, in the keyboard layout of layoutThread (0: this thread's).
UINT sendInput(const KeyEvent *events, size_t count, DWORD layoutThread = 0);
// What every event that sendInput sends carries as its extra information,
// so that our own keyboard hook knows our keys.
constexpr ULONG_PTR OwnInputMark = 0x5C71F0E5;
// The scan code of vk in the keyboard layout of thread (0: this thread's):
// the target's layout decides which key a scan code is.
WORD scanCodeForVirtualKey(WORD vk, DWORD thread = 0);
bool isKeyDown(int vk);
// True while a key that is not a modifier or a mouse button is down.
bool isNonModifierKeyDown();
// The character(s) that Ctrl+Alt (with Shift when shift) and vk type in the
// keyboard layout of this thread: what AltGr gives where AltGr is
// Ctrl+Alt. Empty when the combination types nothing, or what the key
// types without Ctrl+Alt.
std::wstring ctrlAltCharacter(UINT vk, bool shift);

// ---- clipboard ----
bool openClipboard(HWND owner = nullptr);
bool emptyClipboard();
// Copies text (NUL added) into a movable global block; null on failure.
HGLOBAL textBlock(const wchar_t *text, size_t length);
// Hands a copy of text to the clipboard as CF_UNICODETEXT; the block is
// freed when anything fails.
bool setClipboardText(const wchar_t *text, size_t length);
void closeClipboard();
// CF_UNICODETEXT of the clipboard; false when there is none. Opens and
// closes the clipboard itself.
bool clipboardText(std::wstring *text);

} // namespace Win32Prims
