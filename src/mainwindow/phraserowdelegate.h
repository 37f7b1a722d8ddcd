#pragma once

// Paints table rows without the focus rectangle: whole rows are selected, so
// the dotted frame around one cell only adds noise.

#include <QStyledItemDelegate>

class PhraseRowDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
