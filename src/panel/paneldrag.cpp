// Moving and resizing the frameless panel by hand: a press on any part of it
// that is not a control drags it, a press near an edge resizes it, and the
// cursor shows which of the two a press would do.

#include "panel/floatingpanel.h"
#include "panel/panelgeometry.h"
#include "panel/panelsettingspopup.h"
#include "theme/popupbutton.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QMouseEvent>
#include <QPushButton>

namespace {

Qt::CursorShape cursorForEdges(int edges)
{
    using namespace PanelGeometry;
    if ((edges & LeftEdge) && (edges & BottomEdge))
        return Qt::SizeBDiagCursor;
    if ((edges & RightEdge) && (edges & BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges & (LeftEdge | RightEdge))
        return Qt::SizeHorCursor;
    if (edges & BottomEdge)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

} // namespace

bool FloatingPanel::isInteractive(QObject *watched) const
{
    for (QObject *o = watched; o && o != this; o = o->parent()) {
        if (o == m_popup || qobject_cast<QAbstractButton *>(o) ||
            qobject_cast<QAbstractSlider *>(o))
            return true;
    }
    return false;
}

bool FloatingPanel::pressAt(const QPoint &global, const QPoint &panelPos)
{
    const int edges = PanelGeometry::edgesAt(panelPos, size());
    if (edges != PanelGeometry::NoEdge) {
        m_dragMode = 2;
        m_resizeEdges = edges;
        m_resizeStartRect = geometry();
        m_resizeStartPos = global;
    } else {
        m_dragMode = 1;
        m_dragOffset = global - frameGeometry().topLeft();
    }
    return true;
}

void FloatingPanel::dragTo(const QPoint &global)
{
    if (m_dragMode == 1) {
        move(snapPosition(global - m_dragOffset));
    } else if (m_dragMode == 2) {
        setGeometry(PanelGeometry::resized(m_resizeStartRect, m_resizeEdges,
                                           global - m_resizeStartPos, minimumPanelHeight()));
    }
}

void FloatingPanel::release()
{
    m_dragMode = 0;
    m_resizeEdges = 0;
    if (m_snapToEdge) {
        const QPoint snapped = snapPosition(frameGeometry().topLeft());
        if (snapped != frameGeometry().topLeft())
            move(snapped);
    }
    emitGeometryChanged();
}

void FloatingPanel::updateHoverCursor(const QPoint &panelPos, bool overControl)
{
    const Qt::CursorShape shape =
        overControl ? Qt::ArrowCursor : cursorForEdges(PanelGeometry::edgesAt(panelPos, size()));
    if (shape == Qt::ArrowCursor)
        unsetCursor();
    else
        setCursor(shape);
}

void FloatingPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressAt(event->globalPos(), event->pos());
    event->accept();
}

void FloatingPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragMode != 0)
        dragTo(event->globalPos());
    else
        updateHoverCursor(event->pos(), false);
    event->accept();
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragMode != 0)
        release();
    event->accept();
}

void FloatingPanel::leaveEvent(QEvent *event)
{
    if (m_dragMode == 0)
        unsetCursor();
    QWidget::leaveEvent(event);
}

bool FloatingPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_popup) {
        PopupButton::follow(m_popup, m_settingsButton, event);
        return QWidget::eventFilter(watched, event);
    }
    // The panel's own mouse events go to its handlers.
    if (watched == this || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);

    if (type == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && !isInteractive(watched))
            return pressAt(mouse->globalPos(), mapFromGlobal(mouse->globalPos()));
    } else if (type == QEvent::MouseMove) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragMode != 0) {
            dragTo(mouse->globalPos());
            return true;
        }
        updateHoverCursor(mapFromGlobal(mouse->globalPos()), isInteractive(watched));
    } else if (type == QEvent::MouseButtonRelease) {
        if (m_dragMode != 0) {
            release();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
