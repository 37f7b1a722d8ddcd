#pragma once

// Which clipboard formats a copy of the user's content keeps. Windows makes
// some formats from others when a program asks for them (plain, OEM and
// Unicode text from one another; a bitmap and the two device-independent
// bitmaps; the two kinds of metafile) and lists them after the formats a
// program put there. A copy keeps the first of each such family: put back,
// the system makes the others from it again. A 200 MB picture is then
// copied once, not three times. Free of Windows and Qt headers, so that the
// rule is tested anywhere.

#include <cstddef>

namespace ClipboardFormats {

constexpr unsigned Text = 1;         // CF_TEXT
constexpr unsigned Bitmap = 2;       // CF_BITMAP
constexpr unsigned MetafilePict = 3; // CF_METAFILEPICT
constexpr unsigned OemText = 7;      // CF_OEMTEXT
constexpr unsigned Dib = 8;          // CF_DIB
constexpr unsigned UnicodeText = 13; // CF_UNICODETEXT
constexpr unsigned EnhMetafile = 14; // CF_ENHMETAFILE
constexpr unsigned DibV5 = 17;       // CF_DIBV5

// The family of formats the system converts between; 0 for a format it
// makes from no other.
inline int family(unsigned format)
{
    switch (format) {
    case Text:
    case OemText:
    case UnicodeText:
        return 1;
    case Bitmap:
    case Dib:
    case DibV5:
        return 2;
    case MetafilePict:
    case EnhMetafile:
        return 3;
    default:
        return 0;
    }
}

// True when format, listed after the count formats in listedBefore, is one
// the system would make again from one of those.
inline bool madeFromEarlier(unsigned format, const unsigned *listedBefore, std::size_t count)
{
    const int f = family(format);
    if (f == 0)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (family(listedBefore[i]) == f)
            return true;
    }
    return false;
}

} // namespace ClipboardFormats
