#pragma once

// What the dispatcher needs of the program's own windows: the picker, the
// text fields of our own windows (a phrase asked for over them goes straight
// in: keys and a paste sent to ourselves would be served only after the
// insertion was judged), and the window commands a command line carries.
// The widgets implement it; the unit tests record it.

#include "dispatch/remotecommand.h"
#include "insert/placeholders.h"
#include "platform/desktop.h"

#include <QHash>
#include <QPoint>
#include <QVector>

#include <functional>

struct Phrase;

class DispatchUi
{
public:
    virtual ~DispatchUi() = default;

    virtual bool pickerOpen() const = 0;
    // Filled with phrases, opened at a point (physical pixels) and given
    // the keyboard focus.
    virtual void openPicker(const QVector<Phrase> &phrases, bool recentFirst, const QPoint &at) = 0;
    // Closed as Escape closes it (it reports itself dismissed), or hidden
    // without a word because a phrase goes out instead.
    virtual void dismissPicker() = 0;
    virtual void hidePicker() = 0;

    // The field that has the focus in our own window now is the one a
    // phrase chosen next goes into; forgotten otherwise.
    virtual void rememberOwnField(WindowHandle window) = 0;
    virtual void forgetOwnField() = 0;
    // The remembered field, if it is still shown, gets the focus back (the
    // picker took it); false when there is none. Forgets it.
    virtual bool refocusOwnField() = 0;
    // Puts text into the remembered field (given the focus back first), or
    // into the focused field of our own windows, with the caret moved back
    // over caretBack characters; false when no text field took it whole.
    // Forgets the remembered field.
    virtual bool insertIntoOwnField(const QString &text, int caretBack) = 0;

    // --import: the file's phrases merged into the list, the notice shown
    // once the answer (the summary, or why nothing was imported) is sent.
    virtual RemoteCommand::Reply importFile(const QString &path) = 0;
    // Asks for the fields of a phrase (name) before it goes in, all in one
    // small window that takes the keyboard, without waiting for the answer:
    // answered is called once, later, with the answers by label, or with
    // accepted false when the user cancelled (or nothing could be shown).
    using FillInAnswer = std::function<void(bool accepted, const QHash<QString, QString> &answers)>;
    virtual void askFillIns(const QString &name, const QVector<Placeholders::Field> &fields,
                            const FillInAnswer &answered) = 0;

    // Show, ToggleWindow and TogglePanel: the windows see to them.
    virtual void windowCommand(RemoteCommand::Verb verb) = 0;
};
