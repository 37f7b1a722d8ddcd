#pragma once

// The window classes that take text by message: exactly "Edit", exactly
// "Scintilla", or any name beginning with "RichEdit", all without regard to
// case. Free of Qt so the Win32 primitives' test program can check the same
// rule against real controls.

#include <cstddef>

namespace TextControlClass {

namespace detail {
constexpr char16_t lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}
// True when name[0, len) starts with the lower-case ASCII word (whole when exact).
inline bool matches(const char16_t *name, std::size_t len, const char *word, bool exact)
{
    std::size_t i = 0;
    for (; word[i] != '\0'; ++i) {
        if (i >= len || lower(name[i]) != char16_t(word[i]))
            return false;
    }
    return !exact || i == len;
}
} // namespace detail

inline bool isTextControlClassName(const char16_t *name, std::size_t len)
{
    return detail::matches(name, len, "edit", true) ||
           detail::matches(name, len, "scintilla", true) ||
           detail::matches(name, len, "richedit", false);
}

inline bool isScintillaClassName(const char16_t *name, std::size_t len)
{
    return detail::matches(name, len, "scintilla", true);
}

} // namespace TextControlClass
