#pragma once

// The clipboard road's Win32 side, free of Qt so that the primitives' test
// program exercises it under Wine:
//  - a copy of everything the clipboard holds, every format with its own
//    kind of handle, to put back after a paste;
//  - the window that owns the text we offer and renders it only when a
//    program asks for it, so that a paste counts as delivered when the
//    target fetched the text, and the user's content is put back only after;
//  - the formats that keep our short-lived content out of clipboard history,
//    cloud sync and clipboard monitors.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace Win32Clipboard {

// Everything the clipboard held, copied out so that it outlives the
// clipboard's own content.
class Snapshot final
{
public:
    Snapshot() = default;
    ~Snapshot();
    Snapshot(Snapshot &&other) noexcept;
    Snapshot &operator=(Snapshot &&other) noexcept;
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

    // Reads every format of the clipboard, which the caller has opened, in
    // the order the clipboard lists them.
    static Snapshot read();
    // Puts every format back on the clipboard, which the caller has opened
    // and emptied; returns how many could not be put back. Each call hands
    // the clipboard copies of its own, so it can be tried again.
    int write() const;

    size_t formatCount() const { return m_items.size(); }
    // Formats that could not be copied: private and GDI-object formats whose
    // meaning only their owner knows, owner-drawn content, and formats whose
    // data the owner did not give.
    int lostFormats() const { return m_lost; }

private:
    enum class Kind
    {
        Memory,       // an HGLOBAL block: most formats
        Bitmap,       // HBITMAP
        EnhMetafile,  // HENHMETAFILE, kept as its bits
        MetafilePict, // HGLOBAL holding a METAFILEPICT and its HMETAFILE
        Palette,      // HPALETTE, kept as its entries
    };
    struct Item
    {
        UINT format = 0;
        Kind kind = Kind::Memory;
        std::vector<BYTE> bytes;
        METAFILEPICT picture{}; // for MetafilePict: mapping mode and extents
        HBITMAP bitmap = nullptr; // for Bitmap: our own copy
    };
    static bool copyItem(UINT format, HANDLE data, Item *item);
    HANDLE handleFor(const Item &item) const;
    void release();

    std::vector<Item> m_items;
    int m_lost = 0;
};

// Adds the registered formats that ask clipboard history, cloud clipboard
// sync and clipboard monitors to leave the content alone. The clipboard must
// be open and ours. False when a format could not be set.
bool markPrivate();

// A message-only window that owns the text we offer on the clipboard and
// renders it when a program asks.
class Owner final
{
public:
    Owner();
    ~Owner(); // renders a text still offered, so a later paste still works
    Owner(const Owner &) = delete;
    Owner &operator=(const Owner &) = delete;

    bool isValid() const { return m_window != nullptr; }
    HWND window() const { return m_window; }

    // Offers text as CF_UNICODETEXT without rendering it: the clipboard must
    // be open with window() and emptied. Forgets earlier fetches.
    bool offer(const std::wstring &text);
    // True once the process pid, or a program that opened the clipboard
    // without naming a window (so it cannot be told apart), fetched the
    // offered text.
    bool fetchedBy(DWORD pid) const;
    int fetchCount() const { return int(m_fetchers.size()); }

private:
    static LRESULT CALLBACK procedure(HWND w, UINT message, WPARAM wp, LPARAM lp);
    bool render();

    HWND m_window = nullptr;
    std::wstring m_text;
    bool m_offered = false;
    std::vector<DWORD> m_fetchers; // process of each fetch, 0 when unknown
};

// Serves only the messages other threads and programs send to this thread
// (a clipboard's request for our text, a hung-window check) for ms
// milliseconds; posted messages and input stay queued.
void serveSentMessages(DWORD ms);

} // namespace Win32Clipboard
