#pragma once

// The title bar of every themed dialog: icon, title, an optional action button
// and a close button. Dragging it moves the dialog.

#include "theme/titlebardrag.h"

#include <QWidget>

class QHBoxLayout;
class QIcon;
class QLabel;
class QPushButton;

class DialogTitleBar final : public QWidget
{
    Q_OBJECT

public:
    explicit DialogTitleBar(QWidget *parent = nullptr);

    void setTitleText(const QString &text);
    // An empty icon hides the icon label.
    void setTitleIcon(const QIcon &icon);
    void applyTheme(bool teal);
    // Adds the checkable action button once; later calls return the same one.
    QPushButton *addActionButton(bool teal);

    QPushButton *closeButton() const { return close; }
    QPushButton *actionButton() const { return action; }
    QLabel *titleLabel() const { return title; }
    bool hasActionButton() const { return actionMode; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setTexts();

    QHBoxLayout *row = nullptr;
    QLabel *icon = nullptr;
    QLabel *title = nullptr;
    QPushButton *action = nullptr;
    QPushButton *close = nullptr;
    bool actionMode = false;
    TitleBarDrag drag;
};
