#pragma once

// The floating panel's settings popup: opacity, which row buttons show, the
// lines per phrase and edge snapping. It only holds the controls; the panel
// sets their texts and decides what a change means.

#include <QFrame>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

class PanelSettingsPopup final : public QFrame
{
    Q_OBJECT

public:
    static constexpr int Width = 228; // the narrowest it gets

    explicit PanelSettingsPopup(QWidget *parent);

    QLabel *opacityLabel() const { return m_opacityLabel; }
    QSlider *opacitySlider() const { return m_opacitySlider; }
    QLabel *buttonsLabel() const { return m_buttonsLabel; }
    QCheckBox *showCopyBox() const { return m_showCopy; }
    QCheckBox *showTypeBox() const { return m_showType; }
    QLabel *linesLabel() const { return m_linesLabel; }
    // The radio buttons for 1, 2 and 3 lines carry those numbers as ids.
    QButtonGroup *linesGroup() const { return m_linesGroup; }
    QRadioButton *linesButton(int lines) const;
    QCheckBox *snapBox() const { return m_snap; }

private:
    QLabel *m_opacityLabel = nullptr;
    QSlider *m_opacitySlider = nullptr;
    QLabel *m_buttonsLabel = nullptr;
    QCheckBox *m_showCopy = nullptr;
    QCheckBox *m_showType = nullptr;
    QLabel *m_linesLabel = nullptr;
    QButtonGroup *m_linesGroup = nullptr;
    QCheckBox *m_snap = nullptr;
};
