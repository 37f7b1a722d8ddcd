#pragma once

// The picker order box of the Options dialog. Its arrow is painted over the
// style's own as a teal box with a white chevron, in both themes, so that the
// box reads as a choice even where the base style draws a faint arrow.

#include <QComboBox>

class OrderComboBox final : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};
