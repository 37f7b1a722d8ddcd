#pragma once

// The width of the widest of many texts in one font, for a column that fits
// them. Shaping every text costs too much for ten thousand names, so each is
// estimated from its characters' advances (kerning and shaping aside, each
// character measured once) and only the widest is measured whole.

#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <array>

class WidestText final
{
public:
    explicit WidestText(const QFontMetrics &metrics);

    void add(const QString &text);
    // The widest text's width in pixels; 0 when none was added.
    int width() const;

private:
    int estimate(const QString &text);

    QFontMetrics m_metrics;
    // Each advance + 1, so that 0 says "not measured yet".
    std::array<int, 256> m_latin{};
    QHash<ushort, int> m_other;
    QString m_widest;
    int m_widestEstimate = -1;
};
