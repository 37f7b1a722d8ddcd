#include "platform/win/win32clipboard.h"

#include "platform/win/win32prims.h"

#include <cstring>

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

bool readBlock(HANDLE data, std::vector<BYTE> *bytes)
{
    const SIZE_T size = GlobalSize(data);
    if (size == 0) {
        bytes->clear();
        return true;
    }
    const void *p = GlobalLock(data);
    if (!p)
        return false;
    bytes->assign(static_cast<const BYTE *>(p), static_cast<const BYTE *>(p) + size);
    GlobalUnlock(data);
    return true;
}

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

Snapshot::Snapshot(Snapshot &&other) noexcept : m_items(std::move(other.m_items)), m_lost(other.m_lost)
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

void Snapshot::release()
{
    for (Item &item : m_items) {
        if (item.bitmap)
            DeleteObject(item.bitmap);
        item.bitmap = nullptr;
    }
}

bool Snapshot::copyItem(UINT format, HANDLE data, Item *item)
{
    item->format = format;
    switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
        item->kind = Kind::Bitmap;
        item->bitmap = static_cast<HBITMAP>(CopyImage(data, IMAGE_BITMAP, 0, 0, 0));
        return item->bitmap != nullptr;
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE: {
        item->kind = Kind::EnhMetafile;
        const auto metafile = static_cast<HENHMETAFILE>(data);
        const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
        if (size == 0)
            return false;
        item->bytes.resize(size);
        return GetEnhMetaFileBits(metafile, size, item->bytes.data()) == size;
    }
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT: {
        item->kind = Kind::MetafilePict;
        const auto *pict = static_cast<const METAFILEPICT *>(GlobalLock(data));
        if (!pict)
            return false;
        item->picture = *pict;
        bool ok = false;
        if (const UINT size = GetMetaFileBitsEx(pict->hMF, 0, nullptr)) {
            item->bytes.resize(size);
            ok = GetMetaFileBitsEx(pict->hMF, size, item->bytes.data()) == size;
        }
        GlobalUnlock(data);
        item->picture.hMF = nullptr;
        return ok;
    }
    case CF_PALETTE: {
        item->kind = Kind::Palette;
        const auto palette = static_cast<HPALETTE>(data);
        const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
        if (count == 0)
            return false;
        item->bytes.resize(count * sizeof(PALETTEENTRY));
        return GetPaletteEntries(palette, 0, count,
                                 reinterpret_cast<PALETTEENTRY *>(item->bytes.data())) == count;
    }
    default:
        item->kind = Kind::Memory;
        return readBlock(data, &item->bytes);
    }
}

Snapshot Snapshot::read()
{
    Snapshot out;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (isOlePlumbing(format))
            continue;
        if (isPrivateHandle(format)) {
            ++out.m_lost;
            continue;
        }
        // The owner renders delayed formats now; a format it does not give
        // is lost, not an error of the whole copy.
        HANDLE data = GetClipboardData(format);
        Item item;
        if (!data || !copyItem(format, data, &item)) {
            if (item.bitmap)
                DeleteObject(item.bitmap);
            ++out.m_lost;
            continue;
        }
        out.m_items.push_back(std::move(item));
    }
    return out;
}

HANDLE Snapshot::handleFor(const Item &item) const
{
    switch (item.kind) {
    case Kind::Memory:
        return blockOf(item.bytes.data(), item.bytes.size());
    case Kind::Bitmap:
        return CopyImage(item.bitmap, IMAGE_BITMAP, 0, 0, 0);
    case Kind::EnhMetafile:
        return SetEnhMetaFileBits(UINT(item.bytes.size()), item.bytes.data());
    case Kind::MetafilePict: {
        METAFILEPICT pict = item.picture;
        pict.hMF = SetMetaFileBitsEx(UINT(item.bytes.size()), item.bytes.data());
        if (!pict.hMF)
            return nullptr;
        HGLOBAL block = blockOf(&pict, sizeof pict);
        if (!block)
            DeleteMetaFile(pict.hMF);
        return block;
    }
    case Kind::Palette: {
        const size_t count = item.bytes.size() / sizeof(PALETTEENTRY);
        std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
        auto *logical = reinterpret_cast<LOGPALETTE *>(buffer.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = WORD(count);
        std::memcpy(logical->palPalEntry, item.bytes.data(), item.bytes.size());
        return CreatePalette(logical);
    }
    }
    return nullptr;
}

int Snapshot::write() const
{
    int failed = 0;
    for (const Item &item : m_items) {
        HANDLE h = handleFor(item);
        if (!h) {
            ++failed;
            continue;
        }
        // Once set, the data belongs to the clipboard.
        if (!SetClipboardData(item.format, h)) {
            freeHandle(item.format, h);
            ++failed;
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

bool Owner::fetchedBy(DWORD pid) const
{
    for (DWORD fetcher : m_fetchers) {
        if (fetcher == 0 || fetcher == pid)
            return true;
    }
    return false;
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
            self->m_fetchers.push_back(pid);
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
