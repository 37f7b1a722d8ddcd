#include "win/win32clipboard.h"

#include "win/clipboardformats.h"
#include "win/win32prims.h"

#include <cstring>
#include <memory>
#include <thread>

namespace Win32Clipboard {

namespace {

constexpr wchar_t OwnerClass[] = L"ScrivletClipboardOwner";

// The owner's plumbing of OLE's clipboard: it names a data object of the
// program that copied, which is gone once we have taken its formats. Put
// back, it would make OLE programs ask that object for data it no longer
// has; without it they read the formats themselves.
bool isOlePlumbing(UINT format)
{
    wchar_t name[64] = {};
    const int n = GetClipboardFormatNameW(format, name, 63);
    return n > 0 && (wcscmp(name, L"DataObject") == 0 || wcscmp(name, L"Ole Private Data") == 0);
}

bool isPrivateHandle(UINT format)
{
    return (format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
           (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST) || format == CF_OWNERDISPLAY;
}

// A movable block holding size bytes from data (at least one byte: a
// zero-sized block is no block); null when the memory is not there.
HGLOBAL blockOf(const void *data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!block)
        return nullptr;
    if (size) {
        void *p = GlobalLock(block);
        if (!p) {
            GlobalFree(block);
            return nullptr;
        }
        std::memcpy(p, data, size);
        GlobalUnlock(block);
    }
    return block;
}

// Our own copy of a memory format's block.
HGLOBAL copyBlock(HANDLE data, SIZE_T *size)
{
    *size = GlobalSize(data);
    if (*size == 0)
        return blockOf(nullptr, 0);
    const void *p = GlobalLock(data);
    if (!p)
        return nullptr;
    HGLOBAL block = blockOf(p, *size);
    GlobalUnlock(data);
    return block;
}

void freeHandle(UINT format, HANDLE h)
{
    switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
    case CF_PALETTE:
        DeleteObject(h);
        break;
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(h));
        break;
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
        if (auto *pict = static_cast<METAFILEPICT *>(GlobalLock(h))) {
            DeleteMetaFile(pict->hMF);
            GlobalUnlock(h);
        }
        GlobalFree(h);
        break;
    default:
        GlobalFree(h);
        break;
    }
}

} // namespace

// ---- Snapshot ----

Snapshot::~Snapshot()
{
    release();
}

Snapshot::Snapshot(Snapshot &&other) noexcept
    : m_items(std::move(other.m_items)), m_lost(other.m_lost)
{
    other.m_items.clear();
}

Snapshot &Snapshot::operator=(Snapshot &&other) noexcept
{
    if (this != &other) {
        release();
        m_items = std::move(other.m_items);
        m_lost = other.m_lost;
        other.m_items.clear();
    }
    return *this;
}

void Snapshot::freeItem(Item *item)
{
    if (item->bitmap)
        DeleteObject(item->bitmap);
    if (item->block)
        GlobalFree(item->block);
    item->bitmap = nullptr;
    item->block = nullptr;
}

void Snapshot::release()
{
    for (Item &item : m_items)
        freeItem(&item);
    m_items.clear();
}

std::vector<UINT> Snapshot::formats() const
{
    std::vector<UINT> out;
    try {
        for (const Item &item : m_items)
            out.push_back(item.format);
    } catch (...) {
        out.clear();
    }
    return out;
}

bool Snapshot::copyItem(UINT format, HANDLE data, SIZE_T room, Item *item)
{
    item->format = format;
    switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP: {
        item->kind = Kind::Bitmap;
        BITMAP info{};
        if (!GetObjectW(data, sizeof info, &info))
            return false;
        item->size = SIZE_T(info.bmWidthBytes) * SIZE_T(info.bmHeight) * SIZE_T(info.bmPlanes);
        if (item->size > room)
            return false;
        item->bitmap = static_cast<HBITMAP>(CopyImage(data, IMAGE_BITMAP, 0, 0, 0));
        return item->bitmap != nullptr;
    }
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE: {
        item->kind = Kind::EnhMetafile;
        const auto metafile = static_cast<HENHMETAFILE>(data);
        const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
        if (size == 0 || size > room || !(item->block = GlobalAlloc(GMEM_FIXED, size)))
            return false;
        item->size = size;
        return GetEnhMetaFileBits(metafile, size, static_cast<BYTE *>(item->block)) == size;
    }
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT: {
        item->kind = Kind::MetafilePict;
        const auto *pict = static_cast<const METAFILEPICT *>(GlobalLock(data));
        if (!pict)
            return false;
        item->picture = *pict;
        bool ok = false;
        const UINT size = GetMetaFileBitsEx(pict->hMF, 0, nullptr);
        if (size && size <= room && (item->block = GlobalAlloc(GMEM_FIXED, size))) {
            item->size = size;
            ok = GetMetaFileBitsEx(pict->hMF, size, item->block) == size;
        }
        GlobalUnlock(data);
        item->picture.hMF = nullptr;
        return ok;
    }
    case CF_PALETTE: {
        item->kind = Kind::Palette;
        const auto palette = static_cast<HPALETTE>(data);
        const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
        const SIZE_T size = sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY);
        if (count == 0 || size > room || !(item->block = GlobalAlloc(GMEM_FIXED, size)))
            return false;
        item->size = size;
        auto *logical = static_cast<LOGPALETTE *>(item->block);
        logical->palVersion = 0x300;
        logical->palNumEntries = WORD(count);
        return GetPaletteEntries(palette, 0, count, logical->palPalEntry) == count;
    }
    default:
        item->kind = Kind::Memory;
        if (GlobalSize(data) > room)
            return false;
        item->block = copyBlock(data, &item->size);
        return item->block != nullptr;
    }
}

Snapshot Snapshot::read(const std::atomic<bool> *stop, size_t byteCap)
{
    Snapshot out;
    std::vector<unsigned> listed;
    try {
        for (UINT format = EnumClipboardFormats(0); format != 0;
             format = EnumClipboardFormats(format))
            listed.push_back(format);
    } catch (...) {
        // No memory for the list itself: nothing is kept, all of it lost.
        out.m_lost = int(listed.size()) + 1;
        return out;
    }
    // What the system made from the rest is made again when they are put back.
    const size_t made = ClipboardFormats::madeBySystemFrom(listed.data(), listed.size());
    size_t used = 0;
    for (size_t i = 0; i < listed.size(); ++i) {
        if (stop && stop->load())
            break; // given up on: nobody reads this copy
        const UINT format = listed[i];
        if ((i >= made && ClipboardFormats::family(format) != 0) || isOlePlumbing(format))
            continue;
        if (isPrivateHandle(format)) {
            ++out.m_lost;
            continue;
        }
        // The owner renders delayed formats now; a format it does not give,
        // or one that does not fit in what is left of the cap, is lost, not
        // an error of the whole copy.
        HANDLE data = GetClipboardData(format);
        Item item;
        if (!data || !copyItem(format, data, byteCap - used, &item)) {
            freeItem(&item);
            ++out.m_lost;
            continue;
        }
        try {
            out.m_items.push_back(item);
            used += item.size;
        } catch (...) {
            freeItem(&item);
            ++out.m_lost;
        }
    }
    return out;
}

HANDLE Snapshot::handOver(Item *item) const
{
    switch (item->kind) {
    case Kind::Memory: {
        HGLOBAL block = item->block;
        return block;
    }
    case Kind::Bitmap:
        return CopyImage(item->bitmap, IMAGE_BITMAP, 0, 0, 0);
    case Kind::EnhMetafile:
        return item->block ? SetEnhMetaFileBits(UINT(item->size), static_cast<BYTE *>(item->block))
                           : nullptr;
    case Kind::MetafilePict: {
        if (!item->block)
            return nullptr;
        METAFILEPICT pict = item->picture;
        pict.hMF = SetMetaFileBitsEx(UINT(item->size), static_cast<BYTE *>(item->block));
        if (!pict.hMF)
            return nullptr;
        HGLOBAL block = blockOf(&pict, sizeof pict);
        if (!block)
            DeleteMetaFile(pict.hMF);
        return block;
    }
    case Kind::Palette:
        return item->block ? CreatePalette(static_cast<LOGPALETTE *>(item->block)) : nullptr;
    }
    return nullptr;
}

int Snapshot::write()
{
    int failed = 0;
    for (Item &item : m_items) {
        HANDLE h = handOver(&item);
        if (!h) {
            ++failed;
            continue;
        }
        // Once set, the data belongs to the clipboard: a memory block of
        // ours is given, not copied, so it is ours no more.
        if (!SetClipboardData(item.format, h)) {
            if (h != item.block)
                freeHandle(item.format, h);
            ++failed;
        } else if (h == item.block) {
            item.block = nullptr;
        }
    }
    return failed;
}

// ---- private content ----

bool markPrivate()
{
    // Windows' clipboard history and cloud sync read the first two, with a
    // DWORD 0 meaning "no"; the third and fourth are the conventions of
    // clipboard managers and monitors, which only look at their presence.
    const wchar_t *const names[] = {L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard",
                                    L"ExcludeClipboardContentFromMonitorProcessing",
                                    L"Clipboard Viewer Ignore"};
    bool ok = true;
    for (const wchar_t *name : names) {
        const UINT format = RegisterClipboardFormatW(name);
        const DWORD no = 0;
        HGLOBAL block = format ? blockOf(&no, sizeof no) : nullptr;
        if (!block || !SetClipboardData(format, block)) {
            if (block)
                GlobalFree(block);
            ok = false;
        }
    }
    return ok;
}

// ---- Owner ----

Owner::Owner()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Owner::procedure;
    wc.hInstance = instance;
    wc.lpszClassName = OwnerClass;
    // A second owner in the same process finds the class registered already.
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return;
    m_window = CreateWindowExW(0, OwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                               nullptr);
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Owner::~Owner()
{
    if (!m_window)
        return;
    // Destroying the owner of a delayed format makes the system ask for it
    // (WM_RENDERALLFORMATS) while this object still answers.
    DestroyWindow(m_window);
    m_window = nullptr;
}

bool Owner::offer(const std::wstring &text)
{
    if (!m_window)
        return false;
    m_text = text;
    m_fetchers.clear();
    // A null handle: the clipboard asks this window when someone wants it.
    SetClipboardData(CF_UNICODETEXT, nullptr);
    // SetClipboardData answers null for a delayed format whether or not it
    // worked; the clipboard's list of formats tells.
    m_offered = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    return m_offered;
}

bool Owner::render()
{
    if (!m_offered)
        return false;
    HGLOBAL block = Win32Prims::textBlock(m_text.data(), m_text.size());
    if (!block)
        return false;
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true;
}

LRESULT CALLBACK Owner::procedure(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    auto *self = reinterpret_cast<Owner *>(GetWindowLongPtrW(w, GWLP_USERDATA));
    switch (message) {
    case WM_RENDERFORMAT:
        // Sent from inside the asking program's GetClipboardData, which has
        // the clipboard open; the window it opened it with names the program.
        if (self && UINT(wp) == CF_UNICODETEXT && self->render()) {
            DWORD pid = 0;
            if (HWND asking = GetOpenClipboardWindow())
                GetWindowThreadProcessId(asking, &pid);
            try {
                self->m_fetchers.push_back(pid);
            } catch (...) {
            }
        }
        return 0;
    case WM_RENDERALLFORMATS:
        if (self && self->m_offered && OpenClipboard(w)) {
            if (GetClipboardOwner() == w)
                self->render();
            CloseClipboard();
        }
        return 0;
    case WM_DESTROYCLIPBOARD:
        // Someone emptied the clipboard: what we offered is gone.
        if (self) {
            self->m_offered = false;
            self->m_text.clear();
        }
        return 0;
    default:
        return DefWindowProcW(w, message, wp, lp);
    }
}

namespace {
// What the reading thread and the thread that waits for it share; whoever
// lets go of it last frees it (and the copy in it).
struct Reading
{
    HANDLE done = nullptr;
    bool opened = false;
    // Set by the waiting thread when it gives up: the reading stops at the
    // next format and lets go of the clipboard.
    std::atomic<bool> abandoned{false};
    Snapshot snapshot;
    ~Reading()
    {
        if (done)
            CloseHandle(done);
    }
};
} // namespace

bool readWithin(DWORD limitMs, Snapshot *out)
{
    std::shared_ptr<Reading> reading;
    try {
        reading = std::make_shared<Reading>();
    } catch (...) {
        return false;
    }
    reading->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!reading->done)
        return false;
    try {
        std::thread([reading] {
            // Another program may hold the clipboard open for a moment.
            for (int attempt = 0; attempt < 10 && !reading->opened && !reading->abandoned;
                 ++attempt) {
                reading->opened = OpenClipboard(nullptr) != FALSE;
                if (!reading->opened)
                    Sleep(15);
            }
            if (reading->opened) {
                reading->snapshot = Snapshot::read(&reading->abandoned);
                CloseClipboard();
            }
            SetEvent(reading->done);
        }).detach();
    } catch (...) {
        return false; // no thread to read with
    }
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= limitMs) {
            reading->abandoned = true;
            return false;
        }
        const DWORD r =
            MsgWaitForMultipleObjectsEx(1, &reading->done, limitMs - elapsed, QS_SENDMESSAGE, 0);
        if (r == WAIT_OBJECT_0)
            break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (!reading->opened)
        return false;
    *out = std::move(reading->snapshot);
    return true;
}

void serveSentMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        // Dispatches the messages sent to this thread; posted ones stay.
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_SENDMESSAGE, 0);
    }
}

} // namespace Win32Clipboard
