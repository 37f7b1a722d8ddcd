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
bool bringWindowToTop(HWND w);
// GetGUIThreadInfo with the structure's size for this build.
bool guiThreadInfo(DWORD thread, HWND *focus, HWND *caretWindow, RECT *caretRect);
bool clientToScreen(HWND w, POINT *point);
// GetClassNameW with a 128-unit buffer.
bool className(HWND w, std::wstring *name);
// Every descendant in EnumChildWindows order.
std::vector<HWND> childWindows(HWND w);
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
int textLength(HWND control); // -1 when the message failed
bool selection(HWND control, DWORD *start, DWORD *end);
void replaceSelection(HWND control, const wchar_t *text); // undoable
void paste(HWND control);

// ---- synthesised input ----
struct KeyEvent
{
    WORD vk;
    WORD scan;
    DWORD flags;
};
// One SendInput call; returns the number of events the system accepted.
UINT sendInput(const KeyEvent *events, size_t count);
WORD scanCodeForVirtualKey(WORD vk);
bool isKeyDown(int vk);

// ---- clipboard ----
void releaseOleClipboard();
bool openClipboard();
bool emptyClipboard();
// Copies text (NUL added) into a movable global block and hands it to the
// clipboard as CF_UNICODETEXT; the block is freed when anything fails.
bool setClipboardText(const wchar_t *text, size_t length);
void closeClipboard();
// CF_UNICODETEXT of the clipboard; false when there is none. Opens and
// closes the clipboard itself.
bool clipboardText(std::wstring *text);

} // namespace Win32Prims
