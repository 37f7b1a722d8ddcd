#pragma once

// Texts shared by the end-to-end tests and the benchmark.

#include <QString>

namespace Phrases {

inline QString nonAscii()
{
    return QString::fromUtf8("héllo wörld ✓ 世界 😀");
}

// One line of n printable characters, Shift-level symbols included.
inline QString line(int n)
{
    const QString pool = QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789 "
                                        "~!@#$%^&*()_+{}|:\"<>? `-=[]\\;',./");
    QString out;
    while (out.size() < n)
        out += pool;
    return out.left(n);
}

// About `bytes` of UTF-8 over many lines, with some non-ASCII on each line.
inline QString multiLine(int bytes)
{
    QString out;
    for (int i = 0; out.toUtf8().size() < bytes; ++i)
        out += QStringLiteral("%1: ").arg(i, 4, 10, QLatin1Char('0')) + line(60) +
               QString::fromUtf8(" ünïcødé ✓ 世界\n");
    return out;
}

// count distinct CJK ideographs, none of them on a Latin keyboard.
inline QString distinctCjk(int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QChar(0x4E00 + i * 7);
    return out;
}

} // namespace Phrases
