#pragma once

// Paints a picker row in three columns: name (52 pixels), shortcut (62) and
// the preview in the rest. When the list's property "hideNameColumn" is true
// the name is left out and the shortcut column is 114 pixels wide. Each text
// is elided at its right end to fit its column.

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

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
