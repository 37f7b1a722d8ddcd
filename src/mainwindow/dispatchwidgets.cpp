#include "mainwindow/dispatchwidgets.h"

#include "dialogs/fillindialog.h"
#include "dispatch/phrasedispatcher.h"
#include "insert/targetwindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/textwidgetinsert.h"
#include "picker/pickerwindow.h"
#include "store/phrasestore.h"

#include <QApplication>

bool DispatchWidgets::pickerOpen() const
{
    return window->picker()->isVisible();
}

void DispatchWidgets::openPicker(const QVector<Phrase> &phrases, bool recentFirst, const QPoint &at)
{
    PickerWindow *picker = window->picker();
    picker->setPhrases(phrases, recentFirst);
    // Above one of our modal dialogs the picker is a modal window itself:
    // opened last, it is the one window that takes keys and clicks.
    picker->setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal
                                                                : Qt::NonModal);
    picker->showAt(at);
    // A window manager may keep the focus where the user was typing; the
    // picker asks for it outright. Refused, it still takes clicks.
    if (desktop) {
        const WindowHandle handle = WindowHandle(picker->winId());
        desktop->ownWindows().placeOwnWindow(handle, physicalFrame(picker->windowHandle()));
        desktop->ownWindows().activateOwnWindow(handle, PhraseDispatcher::PickerFocusWaitMs);
    }
}

void DispatchWidgets::dismissPicker()
{
    window->picker()->dismiss();
}

void DispatchWidgets::hidePicker()
{
    window->picker()->hide();
}

void DispatchWidgets::rememberOwnField(WindowHandle handle)
{
    // The window's own record of its focus outlives the keyboard grab of
    // the shortcut, which may have taken the application's focus away.
    m_ownField = QApplication::focusWidget();
    if (QWidget *top = QWidget::find(WId(handle))) {
        if (QWidget *field = top->window()->focusWidget())
            m_ownField = field;
    }
}

void DispatchWidgets::focusField(QWidget *field)
{
    QWidget *top = field->window();
    top->activateWindow();
    field->setFocus(Qt::OtherFocusReason);
    if (desktop)
        desktop->ownWindows().activateOwnWindow(WindowHandle(top->winId()),
                                                PhraseDispatcher::PickerFocusWaitMs);
}

bool DispatchWidgets::refocusOwnField()
{
    const QPointer<QWidget> field = m_ownField;
    m_ownField = nullptr;
    if (!field || !field->isVisible())
        return false;
    focusField(field);
    return true;
}

bool DispatchWidgets::insertIntoOwnField(const QString &text, int caretBack)
{
    const QPointer<QWidget> remembered = m_ownField;
    m_ownField = nullptr;
    // Guarded: the wait for the focus below runs the event loop.
    const QPointer<QWidget> field =
        remembered && remembered->isVisible() ? remembered.data() : QApplication::focusWidget();
    // The picker had the focus: it goes back where the user was.
    if (remembered && field == remembered)
        focusField(field);
    if (!insertIntoTextWidget(field, text))
        return false;
    moveCursorBack(field, caretBack);
    return true;
}

RemoteCommand::Reply DispatchWidgets::importFile(const QString &path)
{
    return window->importForCommand(path);
}

void DispatchWidgets::windowCommand(RemoteCommand::Verb verb)
{
    switch (verb) {
    case RemoteCommand::Verb::Show:
        window->showMainWindow();
        break;
    case RemoteCommand::Verb::ToggleWindow:
        window->onShowHotkey();
        break;
    case RemoteCommand::Verb::TogglePanel:
        window->toggleFloatingPanel(!store->settings().showFloatingPanel);
        break;
    default:
        break;
    }
}

void DispatchWidgets::askFillIns(const QString &name, const QVector<Placeholders::Field> &fields,
                                 const FillInAnswer &answered)
{
    // Not modal to the main window, and no loop of its own: the dispatcher
    // hears the answer from the event loop, where shortcuts keep arriving
    // (and wait their turn).
    auto *dialog = new FillInDialog(name, fields);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Above one of our modal dialogs it is a modal window itself, as the
    // picker is.
    dialog->setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal
                                                                : Qt::NonModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answered](int result) {
        answered(result == QDialog::Accepted, dialog->answers());
    });
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    // A window manager may keep the focus in the program the user was
    // typing in; the window asks for it outright, as the picker does.
    if (desktop)
        desktop->ownWindows().activateOwnWindow(WindowHandle(dialog->winId()),
                                                PhraseDispatcher::PickerFocusWaitMs);
}
