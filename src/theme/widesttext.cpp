#include "theme/widesttext.h"

WidestText::WidestText(const QFontMetrics &metrics) : m_metrics(metrics) {}

void WidestText::add(const QString &text)
{
    const int guess = estimate(text);
    if (guess > m_widestEstimate) {
        m_widestEstimate = guess;
        m_widest = text;
    }
}

int WidestText::width() const
{
    return m_widestEstimate < 0 ? 0 : m_metrics.horizontalAdvance(m_widest);
}

int WidestText::estimate(const QString &text)
{
    int width = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        int &advance = u < m_latin.size() ? m_latin[u] : m_other[u];
        if (advance == 0)
            advance = m_metrics.horizontalAdvance(c) + 1;
        width += advance - 1;
    }
    return width;
}
