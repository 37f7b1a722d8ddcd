#pragma once

// The main window's title bar: icon, title, minimise, maximise/restore and
// close. Dragging it moves the window; a double-click asks to maximise.

#include "theme/titlebardrag.h"

#include <QWidget>

class QIcon;
class QLabel;
class QPushButton;

class MainTitleBar final : public QWidget
{
    Q_OBJECT

public:
    explicit MainTitleBar(QWidget *parent = nullptr);

    void setTitleText(const QString &text);
    void setTitleIcon(const QIcon &icon);
    void applyTheme(int theme);
    void setMaximizedState(bool maximized);

signals:
    void minimizeRequested();
    void maximizeRequested();
    void closeRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor glyphColour() const;
    void updateMaximizeButton();
    void setTexts();
    bool isMaximized() const;

    QLabel *icon = nullptr;
    QLabel *title = nullptr;
    QPushButton *minimize = nullptr;
    QPushButton *maximize = nullptr;
    QPushButton *close = nullptr;
    TitleBarDrag drag;
    bool maximized = false;
};
