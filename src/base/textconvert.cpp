#include "base/textconvert.h"

namespace TextConvert {

QString toCrlf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString toLineFeeds(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString toTypingText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c.unicode() == 0)
            continue;
        out.append(c == QLatin1Char('\n') ? QChar(QLatin1Char('\r')) : c);
    }
    return out;
}

int typingTextByteSize(const QString &text)
{
    return 2 * toTypingText(text).size();
}

int typingBatchEnd(const QString &text, int from, int maxUnits)
{
    int end = from + qMin(maxUnits, int(text.size()) - from);
    if (end < text.size() && end - from > 1 && text.at(end - 1).isHighSurrogate() &&
        text.at(end).isLowSurrogate())
        --end;
    return end;
}

} // namespace TextConvert
