#pragma once

// Base of the program's own dialogs and of the picker: a frameless dialog with
// the themed title bar above a content area. The native frame keeps resizing
// and snapping (see platform/windowframe.h).

#include <QDialog>

class DialogTitleBar;
class QPushButton;
class QVBoxLayout;

class ThemedDialog : public QDialog
{
    Q_OBJECT

public:
    // Builds the chrome, takes the window icon and applies the theme of the
    // application property "uiTheme".
    explicit ThemedDialog(QWidget *parent = nullptr);

    // Teal for 1, Classic otherwise: re-themes the title bar and sets the
    // dialog's sheet.
    void applyTheme(int theme);
    // Adds (once) the checkable title-bar action button and returns it.
    QPushButton *addTitleBarAction();

    DialogTitleBar *dialogTitleBar() const { return titleBar; }
    bool isTeal() const { return teal == 1; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

    // Subclasses put their content here.
    QVBoxLayout *bodyLayout = nullptr;

private:
    DialogTitleBar *titleBar = nullptr;
    QWidget *body = nullptr;
    int teal = 1;
    bool nativeStylesApplied = false;
    bool minimumFitted = false; // for the current style sheet and texts
};

// The themed message dialog with one "OK" button; modal. Returns the result.
int showThemedMessage(QWidget *parent, const QString &title, const QString &text);
