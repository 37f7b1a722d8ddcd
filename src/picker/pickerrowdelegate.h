#pragma once

// Paints a picker row in three columns: name, shortcut and the preview in the
// rest. The name and shortcut columns fit the widest name and shortcut text
// offered (at least 52 and 62 pixels, at most NameShare and ShortcutShare
// percent of the row), so that the preview is cut before a name is. When the
// list's property "hideNameColumn" is true the name is left out and the
// shortcut column is at least 114 pixels wide. Each text is elided at its
// right end to fit its column.

#include <QStyledItemDelegate>

class PickerRowDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The roles the list items carry their texts in.
    static constexpr int NameRole = Qt::UserRole;
    static constexpr int ShortcutRole = Qt::UserRole + 1;
    static constexpr int PreviewRole = Qt::UserRole + 2;

    static constexpr int NameWidth = 52;
    static constexpr int ShortcutWidth = 62;
    static constexpr int WideShortcutWidth = 114; // without the name column
    static constexpr int TextInset = 4;           // left and right within a column
    static constexpr int NameShare = 45;          // percent of the row, at most
    static constexpr int ShortcutShare = 30;

    using QStyledItemDelegate::QStyledItemDelegate;

    // The widths, in pixels, of the widest name and shortcut text offered.
    void setContentWidths(int name, int shortcut);
    struct Columns
    {
        int name = 0;
        int shortcut = 0;
    };
    // The name and shortcut columns of a row rowWidth pixels wide.
    Columns columns(int rowWidth, bool hideName) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_nameWidth = 0;
    int m_shortcutWidth = 0;
};
