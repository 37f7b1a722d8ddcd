#include "picker/pickerrowdelegate.h"

#include <QApplication>
#include <QPainter>

void PickerRowDelegate::setContentWidths(int name, int shortcut)
{
    m_nameWidth = name;
    m_shortcutWidth = shortcut;
}

PickerRowDelegate::Columns PickerRowDelegate::columns(int rowWidth, bool hideName) const
{
    const auto fit = [rowWidth](int content, int least, int share) {
        return qBound(least, content + 2 * TextInset, qMax(least, rowWidth * share / 100));
    };
    Columns out;
    out.shortcut =
        fit(m_shortcutWidth, hideName ? WideShortcutWidth : ShortcutWidth, ShortcutShare);
    out.name = hideName ? 0 : fit(m_nameWidth, NameWidth, NameShare);
    return out;
}

void PickerRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    // The placeholder row has only its display text.
    if (!index.data(NameRole).isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.text.clear();
    const bool selected = opt.state & QStyle::State_Selected;
    // A selected row keeps its accent colour when the picker is not active.
    if (selected)
        opt.state |= QStyle::State_Active;
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const bool hideName = widget && widget->property("hideNameColumn").toBool();
    const QRect row = opt.rect;
    const Columns widths = columns(row.width(), hideName);
    const int nameWidth = widths.name;
    const int shortcutWidth = widths.shortcut;

    painter->save();
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    int x = row.left();
    const auto column = [&](int role, int width) {
        const QRect cell =
            QRect(x, row.top(), width, row.height()).adjusted(TextInset, 0, -TextInset, 0);
        const int room = width < 2 * TextInset + 1 ? 0 : width - 2 * TextInset;
        const QString text =
            opt.fontMetrics.elidedText(index.data(role).toString(), Qt::ElideRight, room);
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
        x += width;
    };
    if (!hideName)
        column(NameRole, nameWidth);
    column(ShortcutRole, shortcutWidth);
    column(PreviewRole, qMax(0, row.width() - nameWidth - shortcutWidth));
    painter->restore();
}
