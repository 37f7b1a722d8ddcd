#include "panel/panelsettingspopup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QLabel *sectionLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("settingsLabel"));
    return label;
}

} // namespace

PanelSettingsPopup::PanelSettingsPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("settingsPopup"));
    // At least this wide; wider where the texts need it (larger fonts, longer
    // translations), so that no word is cut off.
    setMinimumWidth(Width);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);

    m_opacityLabel = sectionLabel(this);
    m_opacitySlider = new QSlider(Qt::Horizontal, this);
    m_opacitySlider->setObjectName(QStringLiteral("opacitySlider"));
    m_opacitySlider->setRange(60, 100);
    m_opacitySlider->setValue(97);
    m_opacitySlider->setFixedHeight(22);
    layout->addWidget(m_opacityLabel);
    layout->addWidget(m_opacitySlider);
    layout->addSpacing(4);

    m_buttonsLabel = sectionLabel(this);
    m_showCopy = new QCheckBox(this);
    m_showCopy->setChecked(true);
    m_showType = new QCheckBox(this);
    m_showType->setChecked(true);
    layout->addWidget(m_buttonsLabel);
    layout->addWidget(m_showCopy);
    layout->addWidget(m_showType);
    layout->addSpacing(4);

    m_linesLabel = sectionLabel(this);
    layout->addWidget(m_linesLabel);
    auto *linesRow = new QWidget(this);
    auto *rowLayout = new QHBoxLayout(linesRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(10);
    m_linesGroup = new QButtonGroup(this);
    m_linesGroup->setExclusive(true);
    for (int lines = 1; lines <= 3; ++lines) {
        auto *button = new QRadioButton(linesRow);
        m_linesGroup->addButton(button, lines);
        rowLayout->addWidget(button);
    }
    rowLayout->addStretch(1);
    m_linesGroup->button(2)->setChecked(true);
    layout->addWidget(linesRow);

    m_snap = new QCheckBox(this);
    m_snap->setChecked(true);
    layout->addWidget(m_snap);
    hide();
}

QRadioButton *PanelSettingsPopup::linesButton(int lines) const
{
    return qobject_cast<QRadioButton *>(m_linesGroup->button(lines));
}
