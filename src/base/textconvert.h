#pragma once

// Line-break and typing conversions shared by the insertion methods.

#include <QString>

namespace TextConvert {

// Every line break (CR LF, lone CR, lone LF) becomes CR LF: what Windows text
// controls and CF_UNICODETEXT expect.
QString toCrlf(const QString &text);
// Every line break (CR LF, lone CR) becomes LF: what X and Wayland programs
// and Qt's text documents expect.
QString toLineFeeds(const QString &text);
// Text as it is typed key by key: CR dropped, LF becomes CR (the Enter key),
// NUL dropped.
QString toTypingText(const QString &text);
// Bytes of the typing text in UTF-16.
int typingTextByteSize(const QString &text);
// Where a batch of text typed from `from` ends: at most maxUnits UTF-16 units
// on, never between the halves of a surrogate pair (half a pair is no
// character for a keyboard). At least one unit when any is left.
int typingBatchEnd(const QString &text, int from, int maxUnits);

} // namespace TextConvert
