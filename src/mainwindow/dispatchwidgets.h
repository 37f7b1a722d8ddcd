#pragma once

// The dispatcher's way into the widgets: the picker, the text fields of our
// own windows, and the main window's commands.

#include "dispatch/dispatchui.h"

#include <QPointer>

class MainWindow;
class PhraseStore;
class QWidget;

class DispatchWidgets final : public DispatchUi
{
public:
    // None is owned; desktop may be null.
    DispatchWidgets(MainWindow *window, PhraseStore *store, Desktop *desktop)
        : window(window), store(store), desktop(desktop)
    {}

    bool pickerOpen() const override;
    void openPicker(const QVector<Phrase> &phrases, bool recentFirst, const QPoint &at) override;
    void dismissPicker() override;
    void hidePicker() override;
    void rememberOwnField(WindowHandle window) override;
    void forgetOwnField() override { m_ownField = nullptr; }
    bool refocusOwnField() override;
    bool insertIntoOwnField(const QString &text, int caretBack) override;
    void windowCommand(RemoteCommand::Verb verb) override;
    RemoteCommand::Reply importFile(const QString &path) override;
    void askFillIns(const QString &name, const QVector<Placeholders::Field> &fields,
                    const FillInAnswer &answered) override;

private:
    // Gives field the focus in its window, and that window the keyboard.
    void focusField(QWidget *field);

    MainWindow *window;
    PhraseStore *store;
    Desktop *desktop;
    // The focused field of our own window when the picker opened over it.
    QPointer<QWidget> m_ownField;
};
