#pragma once

// Application-wide filter for the plain dialogs that do not derive from
// ThemedDialog (message boxes, input dialogs): on their first show it gives
// them a tidy native frame, widens message boxes until the title fits, and
// centres them on their parent. It also makes a minimised dialog take the
// main window with it, and keeps every dialog of a window (themed ones too)
// off the task bar. It never consumes an event.

#include <QObject>

class QDialog;

class DialogChrome final : public QObject
{
    Q_OBJECT

public:
    explicit DialogChrome(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The width a message box needs for its title beside the caption buttons.
    static int neededMessageBoxWidth(const QDialog *dialog);

private:
    void tidy(QDialog *dialog);
};
