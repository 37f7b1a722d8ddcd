#include "dialogs/ordercombobox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>

void OrderComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);

    QStyleOptionComboBox option;
    initStyleOption(&option);
    QRect arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    if (!arrow.isValid() || arrow.width() <= 7)
        return;
    arrow.adjust(1, 1, -1, -1);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Washed out when the box is out of use, as the style sheets draw it.
    painter.setBrush(isEnabled() ? QColor(0x0f, 0x6e, 0x6b) : QColor(0xa9, 0xc9, 0xc6));
    painter.drawRoundedRect(QRectF(arrow).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    const qreal cx = QRectF(arrow).center().x();
    const qreal cy = QRectF(arrow).center().y() + 0.5;
    QPainterPath chevron;
    chevron.moveTo(cx - 4.2, cy - 1.6);
    chevron.lineTo(cx, cy + 2.4);
    chevron.lineTo(cx + 4.2, cy - 1.6);
    QColor white(Qt::white);
    white.setAlpha(245);
    painter.setPen(QPen(white, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}
