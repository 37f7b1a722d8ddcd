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

#include <atomic>
#include <string>
#include <vector>

namespace Win32Clipboard {

// Everything the clipboard held, copied out so that it outlives the
// clipboard's own content: one copy of each format, none of those the system
// makes from another (clipboardformats.h). Nothing here throws: memory that
// cannot be had makes a format lost, not the whole copy.
class Snapshot final
{
public:
    Snapshot() = default;
    ~Snapshot();
    Snapshot(Snapshot &&other) noexcept;
    Snapshot &operator=(Snapshot &&other) noexcept;
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

    // The most a copy holds in all: formats beyond it are lost, not copied.
    static constexpr size_t ByteCap = size_t(256) << 20;

    // Reads every format of the clipboard, which the caller has opened, in
    // the order the clipboard lists them, at most byteCap bytes in all.
    // Stops between two formats once *stop is set (the caller gave up on
    // the copy and closes the clipboard at once): the rest is not read.
    static Snapshot read(const std::atomic<bool> *stop = nullptr, size_t byteCap = ByteCap);
    // Puts every format back on the clipboard, which the caller has opened
    // and emptied; returns how many could not be put back. The copies are
    // handed over, not copied again: a second write has nothing to give.
    int write();

    size_t formatCount() const { return m_items.size(); }
    // Formats that could not be copied: private and GDI-object formats whose
    // meaning only their owner knows, owner-drawn content, formats whose data
    // the owner did not give, and formats too large for the memory there is.
    int lostFormats() const { return m_lost; }
    // The formats kept, in order.
    std::vector<UINT> formats() const;

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
        HGLOBAL block = nullptr;  // our copy: the bytes, or the metafile or palette bits
        SIZE_T size = 0;          // of block
        METAFILEPICT picture{};   // for MetafilePict: mapping mode and extents
        HBITMAP bitmap = nullptr; // for Bitmap: our own copy
    };
    // False when the data could not be copied or is larger than room.
    static bool copyItem(UINT format, HANDLE data, SIZE_T room, Item *item);
    static void freeItem(Item *item);
    HANDLE handOver(Item *item) const;
    void release();

    std::vector<Item> m_items;
    int m_lost = 0;
};

// Opens the clipboard on a thread of its own and reads it there, while this
// thread serves what is sent to it (our own windows render what they
// offered); false when the clipboard could not be opened or the reading did
// not end within limitMs (an owner that does not render): the reading stops
// at the next format, closes the clipboard, and its result is dropped.
bool readWithin(DWORD limitMs, Snapshot *out);

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
    // The process of each program that fetched the offered text, in order;
    // 0 for one that opened the clipboard without naming a window, which
    // cannot be told apart.
    const std::vector<DWORD> &fetchers() const { return m_fetchers; }
    // True until someone empties the clipboard after the offer (then what
    // it holds is no longer the text offered).
    bool offered() const { return m_offered; }
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
