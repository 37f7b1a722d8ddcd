// The standard text controls (EDIT, RichEdit, Scintilla) reached by message:
// finding the focused one, putting text into it with proof of what landed,
// and reading one before and after a paste as witness of where the text went.

#include "win/win32services.h"

#include "base/textconvert.h"
#include "win/textcontrolclass.h"

namespace {

bool isScintilla(const QString &name)
{
    return TextControlClass::isScintillaClassName(reinterpret_cast<const char16_t *>(name.utf16()),
                                                  std::size_t(name.size()));
}

// A RichEdit from version 2.0 on keeps a paragraph break as one CR and counts
// it as one unit in its selection, while its WM_GETTEXT gives CR LF. The
// plain EDIT and the RichEdit 1.0 class ("RichEdit") count both characters.
bool countsBreakAsOne(const QString &className)
{
    return className.startsWith(QLatin1String("richedit"), Qt::CaseInsensitive) &&
           className.compare(QLatin1String("richedit"), Qt::CaseInsensitive) != 0;
}

int unitsOf(const QString &text, bool breakAsOne)
{
    return breakAsOne ? text.size() - text.count(QLatin1String("\r\n")) : text.size();
}

// The index in text (as WM_GETTEXT gives it) of the control's position unit.
int indexOfUnit(const QString &text, int unit, bool breakAsOne)
{
    if (!breakAsOne)
        return qBound(0, unit, text.size());
    int i = 0;
    for (int u = 0; u < unit && i < text.size(); ++u)
        i += (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() &&
              text.at(i + 1) == QLatin1Char('\n'))
                 ? 2
                 : 1;
    return i;
}

// Puts back what the selection [from, to) of before held, where after
// differs from before: the same prefix and suffix are left alone.
void takeBack(Win32Api &api, WindowHandle control, bool breakAsOne, const QString &before,
              const QString &after, int from, int to)
{
    QString now;
    if (!api.controlText(control, &now))
        now = after;
    const int keepFront = indexOfUnit(before, from, breakAsOne);
    const int keepBack = before.size() - indexOfUnit(before, to, breakAsOne);
    if (now.size() < keepFront + keepBack || now.left(keepFront) != before.left(keepFront) ||
        now.right(keepBack) != before.right(keepBack))
        return; // more than the selection changed: nothing is guessed
    const QString landed = now.mid(keepFront, now.size() - keepFront - keepBack);
    const int landedFrom = from;
    const int landedTo = from + unitsOf(landed, breakAsOne);
    if (api.setSelection(control, landedFrom, landedTo))
        api.replaceSelection(control, before.mid(keepFront, before.size() - keepFront - keepBack));
}

// What the control holds before and after is the only proof a message
// road has: EM_REPLACESEL answers nothing, a limited field takes part of the
// text, a read-only one may take all of it. Everything but the selection must
// be as it was, the selection replaced by the text, the caret after it.
ControlInsert insertDirect(Win32Api &api, WindowHandle control, const QString &className,
                           const QString &text, ControlRefusal *refusal)
{
    TextFieldTraits traits;
    if (!api.textFieldTraits(control, &traits))
        return ControlInsert::Unchanged; // gone: the keys go where the focus is now
    const QString converted = TextConvert::toCrlf(text);
    *refusal = ControlRefusal::NotResponding;
    if (traits.readOnly) {
        *refusal = ControlRefusal::ReadOnly;
        return ControlInsert::Refused;
    }
    // Its text cannot be read back, so what landed could not be checked.
    if (traits.password) {
        *refusal = ControlRefusal::Password;
        return ControlInsert::Refused;
    }
    if (!traits.multiLine && converted.contains(QLatin1Char('\n'))) {
        *refusal = ControlRefusal::SingleLine;
        return ControlInsert::Refused;
    }

    const bool breakAsOne = countsBreakAsOne(className);
    QString before;
    int start = 0;
    int end = 0;
    if (!api.controlText(control, &before) || !api.selection(control, &start, &end))
        return ControlInsert::Refused;
    // A RichEdit's select-all ends past the text, on its final paragraph mark.
    const int length = unitsOf(before, breakAsOne);
    const int from = qBound(0, qMin(start, end), length);
    const int to = qBound(0, qMax(start, end), length);
    // Not answered in time, the message is still in the control's queue and
    // the text may land whenever it gets to it: nothing more goes out, and
    // the user is told to look rather than that it failed. So when the
    // control answered but its text cannot be read back.
    *refusal = ControlRefusal::Unanswered;
    if (!api.replaceSelection(control, converted))
        return ControlInsert::Refused;

    QString after;
    int nowStart = 0;
    int nowEnd = 0;
    if (!api.controlText(control, &after) || !api.selection(control, &nowStart, &nowEnd))
        return ControlInsert::Refused;
    if (after == before && nowStart == start && nowEnd == end)
        return ControlInsert::Unchanged;
    const int caret = from + unitsOf(converted, breakAsOne);
    const QString expected = before.left(indexOfUnit(before, from, breakAsOne)) + converted +
                             before.mid(indexOfUnit(before, to, breakAsOne));
    if (after == expected && nowStart == caret && nowEnd == caret)
        return ControlInsert::Done;

    // Part of the text, or something else: take it back, by the control's own
    // undo where that restores the text, else by replacing only what changed
    // with what the selection held. Setting the whole text again would lose
    // a RichEdit's formatting and embedded objects, and any field's undo.
    *refusal = ControlRefusal::NotAccepted;
    QString undone;
    if (!api.undo(control) || !api.controlText(control, &undone) || undone != before)
        takeBack(api, control, breakAsOne, before, after, from, to);
    api.setSelection(control, start, end);
    return ControlInsert::Refused;
}

} // namespace

// ---- TextControls -----------------------------------------------------------

WindowHandle Win32Services::focusedControl(WindowHandle target)
{
    return Win32Road::findTextControl(api, target);
}

ControlInsert Win32Services::insertByMessage(WindowHandle control, const QString &text,
                                             ControlRefusal *refusal)
{
    // Scintilla takes EM_REPLACESEL but reports its text otherwise: typed.
    QString className;
    if (!control || !api.className(control, &className) || isScintilla(className))
        return ControlInsert::Unchanged;
    return insertDirect(api, control, className, text, refusal);
}

bool Win32Services::pasteClipboard(WindowHandle control)
{
    witnessField(control);
    pasteGoesOut();
    return api.paste(control);
}

bool Win32Services::placeCaretBefore(WindowHandle control, const QString &tail)
{
    QString className;
    int start = 0;
    int end = 0;
    if (!api.className(control, &className) || !api.selection(control, &start, &end))
        return false;
    const int caret =
        qMax(start, end) - unitsOf(TextConvert::toCrlf(tail), countsBreakAsOne(className));
    return caret >= 0 && api.setSelection(control, caret, caret);
}

// ---- the field as witness of a paste ------------------------------------------

void Win32Services::witnessField(WindowHandle field)
{
    m_witness = Witness();
    QString className;
    TextFieldTraits traits;
    if (!field || !api.className(field, &className) || isScintilla(className) ||
        !api.textFieldTraits(field, &traits) || traits.password)
        return;
    Witness w;
    w.field = field;
    w.className = className;
    if (api.controlText(field, &w.text) && api.selection(field, &w.start, &w.end))
        m_witness = w;
}

// Another program read the text first, so the target's own reading could
// not be seen: what its field holds now says whether the paste landed.
PasteFetch Win32Services::judgeByField()
{
    const Witness w = m_witness;
    QString now;
    if (!w.field || !api.controlText(w.field, &now))
        return PasteFetch::Unsure;
    if (now == w.text)
        return PasteFetch::NotFetched;
    const bool one = countsBreakAsOne(w.className);
    const int length = unitsOf(w.text, one);
    const int from = qBound(0, qMin(w.start, w.end), length);
    const int to = qBound(0, qMax(w.start, w.end), length);
    const QString expected = w.text.left(indexOfUnit(w.text, from, one)) + m_offered +
                             w.text.mid(indexOfUnit(w.text, to, one));
    return now == expected ? PasteFetch::Fetched : PasteFetch::Unsure;
}

// ---- finding the control ------------------------------------------------------

bool Win32Road::isTextControl(Win32Api &api, WindowHandle window)
{
    if (!window)
        return false;
    QString name;
    if (!api.className(window, &name))
        return false;
    return TextControlClass::isTextControlClassName(
        reinterpret_cast<const char16_t *>(name.utf16()), std::size_t(name.size()));
}

WindowHandle Win32Road::findTextControl(Win32Api &api, WindowHandle target)
{
    WindowHandle w = (target && api.isWindow(target)) ? target : api.foregroundWindow();
    if (!w)
        return 0;
    if (isTextControl(api, w))
        return w;

    quint32 thread = api.windowThreadProcessId(w, nullptr);
    if (!api.isWindow(w)) {
        const WindowHandle fg = api.foregroundWindow();
        thread = fg ? api.windowThreadProcessId(fg, nullptr) : 0;
    }
    // GetGUIThreadInfo names another thread's focus without our input
    // attached to it, which could leave us waiting on a hung thread.
    WindowHandle candidate = 0;
    GuiThreadInfo info;
    if (thread && api.guiThreadInfo(thread, &info))
        candidate = info.focus;
    // Another child that takes text is not the user's choice: a focused
    // button beside an EDIT must not send the text into the EDIT.
    return isTextControl(api, candidate) ? candidate : 0;
}
