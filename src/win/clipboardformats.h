#pragma once

// Which clipboard formats a copy of the user's content keeps. Windows makes
// some formats from others (plain, OEM and Unicode text from one another, and
// the locale of the text; a bitmap and the two device-independent bitmaps;
// the two kinds of metafile) when the program that copied closes the
// clipboard: it lists them after every format that program put there, each
// family in the order of its format numbers. A copy leaves out only those,
// which the system makes again from what is put back, so a 200 MB picture is
// copied once, not three times; a format the program put there itself is
// kept, even one the system could have made (a DIBV5 with alpha beside a
// bitmap). Where the list leaves it open whether a format at its end was made
// by the system, it is taken as made: the system makes it again from the
// formats kept before it. Free of Windows and Qt headers, so that the rule is
// tested anywhere.

#include <cstddef>

namespace ClipboardFormats {

constexpr unsigned Text = 1;         // CF_TEXT
constexpr unsigned Bitmap = 2;       // CF_BITMAP
constexpr unsigned MetafilePict = 3; // CF_METAFILEPICT
constexpr unsigned OemText = 7;      // CF_OEMTEXT
constexpr unsigned Dib = 8;          // CF_DIB
constexpr unsigned UnicodeText = 13; // CF_UNICODETEXT
constexpr unsigned EnhMetafile = 14; // CF_ENHMETAFILE
constexpr unsigned Locale = 16;      // CF_LOCALE
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

// Where the formats the system made begin in the clipboard's list of count
// formats: a format of a family from that index on was made by the system
// (the locale there may be too, but it is kept: the text put back is read
// with it). count when the system made none.
inline std::size_t madeBySystemFrom(const unsigned *listed, std::size_t count)
{
    constexpr int Families = 4;
    constexpr std::size_t None = std::size_t(-1);
    std::size_t first[Families] = {None, None, None, None};
    for (std::size_t i = 0; i < count; ++i) {
        const int f = family(listed[i]);
        if (f != 0 && first[f] == None)
            first[f] = i;
    }
    // From the end back, as long as the formats could be the system's: of a
    // family a program put a format of before them, after everything else,
    // each family in the order of its numbers.
    unsigned lowestLater[Families] = {~0u, ~0u, ~0u, ~0u};
    std::size_t from = count;
    while (from > 0) {
        const unsigned format = listed[from - 1];
        if (format == Locale) {
            // The system lists the locale it makes before the texts it
            // makes: texts listed before a locale at the end are the
            // program's.
            if (lowestLater[1] == ~0u)
                lowestLater[1] = 0;
        } else {
            const int f = family(format);
            if (f == 0 || first[f] == from - 1 || format >= lowestLater[f])
                break;
            lowestLater[f] = format;
        }
        --from;
    }
    return from;
}

} // namespace ClipboardFormats
