#include "theme/popupbutton.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace PopupButton {

void follow(QWidget *popup, QAbstractButton *button, const QEvent *event)
{
    if (event->type() == QEvent::Hide && button->isChecked()) {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    } else if (event->type() == QEvent::MouseButtonPress) {
        const QPoint global = static_cast<const QMouseEvent *>(event)->globalPos();
        const QRect area(button->mapToGlobal(QPoint(0, 0)), button->size());
        popup->setAttribute(Qt::WA_NoMouseReplay, area.contains(global));
    }
}

} // namespace PopupButton
