// The panel's own settings: set by the main window from the saved ones (the
// popup follows without signalling) or changed by the user in the popup
// (the change is signalled, to be saved).

#include "panel/floatingpanel.h"
#include "panel/panelsettingspopup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

void FloatingPanel::setOpacityPercent(int percent)
{
    percent = qBound(MinOpacity, percent, MaxOpacity);
    if (percent == m_popup->opacitySlider()->value())
        setWindowOpacity(percent / 100.0);
    else
        m_popup->opacitySlider()->setValue(percent);
}

int FloatingPanel::opacityPercent() const
{
    return m_popup ? m_popup->opacitySlider()->value() : 97;
}

void FloatingPanel::setShowCopy(bool show)
{
    if (show == m_showCopy)
        return;
    m_showCopy = show;
    {
        const QSignalBlocker blocker(m_popup->showCopyBox());
        m_popup->showCopyBox()->setChecked(show);
    }
    rebuildRows();
}

void FloatingPanel::setShowType(bool show)
{
    if (show == m_showType)
        return;
    m_showType = show;
    {
        const QSignalBlocker blocker(m_popup->showTypeBox());
        m_popup->showTypeBox()->setChecked(show);
    }
    rebuildRows();
}

void FloatingPanel::setTextLines(int lines)
{
    lines = qBound(1, lines, 3);
    if (lines == m_textLines)
        return;
    m_textLines = lines;
    {
        const QSignalBlocker blocker(m_popup->linesGroup());
        m_popup->linesButton(lines)->setChecked(true);
    }
    rebuildRows();
}

void FloatingPanel::setSnapToEdge(bool snap)
{
    if (snap == m_snapToEdge)
        return;
    m_snapToEdge = snap;
    {
        const QSignalBlocker blocker(m_popup->snapBox());
        m_popup->snapBox()->setChecked(snap);
    }
    if (snap && isVisible()) {
        const QPoint snapped = snapPosition(frameGeometry().topLeft());
        if (snapped != frameGeometry().topLeft())
            move(snapped);
    }
}

// ---- the popup -------------------------------------------------------------

void FloatingPanel::onSettingsToggled(bool checked)
{
    if (!checked) {
        m_popup->hide();
        return;
    }
    const QSize hint = m_popup->sizeHint().expandedTo(m_popup->minimumSize());
    m_popup->move(m_settingsButton->mapToGlobal(
        QPoint(m_settingsButton->width() - hint.width(), m_settingsButton->height() + PopupGap)));
    m_popup->adjustSize();
    m_popup->show();
    m_popup->raise();
}

void FloatingPanel::onOpacityStep(int value)
{
    setWindowOpacity(value / 100.0);
    m_popup->opacityLabel()->setText(tr("Opacity: %1%").arg(value));
    emit opacityChanged(value);
}

void FloatingPanel::onShowCopyToggled(bool checked)
{
    if (!checked && !m_popup->showTypeBox()->isChecked()) {
        // One row button always stays.
        const QSignalBlocker blocker(m_popup->showCopyBox());
        m_popup->showCopyBox()->setChecked(true);
        return;
    }
    m_showCopy = checked;
    rebuildRows();
    emit buttonVisibilityChanged();
}

void FloatingPanel::onShowTypeToggled(bool checked)
{
    if (!checked && !m_popup->showCopyBox()->isChecked()) {
        const QSignalBlocker blocker(m_popup->showTypeBox());
        m_popup->showTypeBox()->setChecked(true);
        return;
    }
    m_showType = checked;
    rebuildRows();
    emit buttonVisibilityChanged();
}

void FloatingPanel::onLinesChosen(int lines)
{
    if (lines < 1 || lines > 3 || lines == m_textLines)
        return;
    m_textLines = lines;
    rebuildRows();
    emit textLinesChanged(lines);
}

void FloatingPanel::onSnapToggled(bool checked)
{
    m_snapToEdge = checked;
    if (checked && isVisible()) {
        const QPoint snapped = snapPosition(frameGeometry().topLeft());
        if (snapped != frameGeometry().topLeft())
            move(snapped);
        // The user asked for it: reported even while the main window applies
        // settings.
        emit geometryChanged();
    }
    emit snapToEdgeChanged(checked);
}
