// The requests that type a phrase, the remembered target window, the pause
// switch, and typing with its report.
//
// The texts here are the ones the main window has always shown the user,
// and keep its translations: they are looked up in its context.

#include "dispatch/phrasedispatcher.h"

#include "base/lettercase.h"
#include "base/testtrace.h"
#include "dispatch/dispatchui.h"
#include "insert/targetwindow.h"
#include "store/phrasestore.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QPointer>
#include <QTextBoundaryFinder>
#include <QTimer>

namespace {

// The text in the typed abbreviation's case, with the caret's way back to
// {cursor} counted again: a capital may be more than one letter (SS).
Placeholders::Expanded withCase(const Placeholders::Expanded &expanded, LetterCase::Pattern pattern,
                                const QLocale &locale)
{
    if (pattern == LetterCase::Pattern::AsWritten)
        return expanded;
    const QString &text = expanded.text;
    int cursor = text.size();
    if (expanded.leftPresses > 0) {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
        graphemes.toEnd();
        for (int i = 0; i < expanded.leftPresses && graphemes.toPreviousBoundary() >= 0; ++i) {
        }
        cursor = qMax(0, graphemes.position());
    }
    Placeholders::Expanded out;
    QString tail;
    if (pattern == LetterCase::Pattern::Capitals) {
        tail = LetterCase::upper(text.mid(cursor), locale);
        out.text = LetterCase::upper(text.left(cursor), locale) + tail;
    } else {
        out.text = LetterCase::capitalised(text, locale);
        const int first = LetterCase::firstLetter(text);
        const int grown = out.text.size() - text.size();
        tail = out.text.mid(first >= 0 && first < cursor ? cursor + grown : cursor);
    }
    out.leftPresses = expanded.leftPresses > 0 ? Placeholders::characterCount(tail) : 0;
    return out;
}

// One more use of p, which put in inserted where the user typed typed (an
// abbreviation; nothing for a shortcut, the picker or the panel).
void countUse(Phrase &p, const QString &inserted, const QString &typed)
{
    p.lastUsed = QDateTime::currentSecsSinceEpoch();
    const qint64 saved =
        qMax(0, Placeholders::characterCount(inserted) - Placeholders::characterCount(typed));
    p.uses = qMin(Phrase::MaxCount, p.uses + 1);
    p.charactersSaved = qMin(Phrase::MaxCount, p.charactersSaved + saved);
}

} // namespace

PhraseDispatcher::PhraseDispatcher(PhraseStore *store, Desktop *desktop, DispatchUi *ui,
                                   QObject *parent)
    : QObject(parent), store(store), desktop(desktop), ui(ui)
{}

PhraseDispatcher::~PhraseDispatcher()
{
    // The stream outlives us with the desktop: it must not call back here.
    if (m_keyStreamOn && desktop && desktop->keyStream())
        desktop->keyStream()->stop();
}

bool PhraseDispatcher::isOwnWindow(WindowHandle window) const
{
    return desktop && window && isOwnProcessWindow(*desktop, window);
}

void PhraseDispatcher::onPickerShortcut()
{
    // Opened now, it would take the keyboard from the text's target.
    if (waitsForTyping([this] { onPickerShortcut(); }))
        return;
    if (ui->pickerOpen()) {
        ui->dismissPicker();
        return;
    }
    m_targetWindow = desktop ? desktop->targets().foregroundWindow() : 0;
    // One of our own windows in front: the phrase goes to the field that has
    // the focus there now, before the picker takes the focus away.
    if (isOwnWindow(m_targetWindow))
        ui->rememberOwnField(m_targetWindow);
    else
        ui->forgetOwnField();
    QPoint point = QCursor::pos();
    if (desktop) {
        // The caret is read once the shortcut's key is up: until then the
        // keyboard grab has taken the focus from the target (X11).
        waitForShortcutKeysUp(*desktop, ShortcutReleaseWaitMs);
        point = caretPosition(*desktop, m_targetWindow);
    }
    ui->openPicker(store->phrases(), store->settings().pickerRecentFirst, point);
}

void PhraseDispatcher::onPhraseChosen(const QString &id)
{
    if (waitsForTyping([this, id] { onPhraseChosen(id); }))
        return;
    // Chosen with Enter: its repeats would follow the phrase.
    constexpr int VkReturn = 0x0D;
    m_triggerKeys = {VkReturn};
    typePhrase(id);
}

void PhraseDispatcher::onPickerDismissed()
{
    // Unmapped, the picker leaves the keyboard to nobody until the window
    // manager picks a window, and a key pressed meanwhile (the next letter,
    // a shortcut) is lost: the window it opened over gets it back at once.
    const WindowHandle target = m_targetWindow;
    m_targetWindow = 0;
    if (!desktop) {
        ui->forgetOwnField();
        return;
    }
    if (!ui->refocusOwnField() && target && desktop->targets().isWindow(target) &&
        !isOwnWindow(target))
        desktop->targets().bringToFront(target);
}

void PhraseDispatcher::aimAtWindowInFront()
{
    if (ui->pickerOpen())
        ui->hidePicker();
    ui->forgetOwnField();
    m_targetWindow = desktop ? desktop->targets().foregroundWindow() : 0;
    if (isOwnWindow(m_targetWindow))
        m_targetWindow = 0;
}

void PhraseDispatcher::onPhraseShortcut(const QString &id)
{
    if (waitsForTyping([this, id] { onPhraseShortcut(id); }))
        return;
    aimAtWindowInFront();
    // The shortcut's own key, besides the modifiers, is waited for: a key
    // stuck down elsewhere is not.
    const int index = store->indexOfId(id);
    if (index >= 0)
        m_triggerKeys = {store->phrases().at(index).vk};
    typePhrase(id);
}

void PhraseDispatcher::typeFromPanel(const QString &id, WindowHandle lastExternal)
{
    if (waitsForTyping([this, id, lastExternal] { typeFromPanel(id, lastExternal); }))
        return;
    // The click may have made the panel the foreground window: the target is
    // the window the user was working in before, as the panel saw it.
    ui->forgetOwnField(); // the panel types into other programs only
    WindowHandle candidate = lastExternal;
    if (desktop &&
        (!candidate || !desktop->targets().isWindow(candidate) || isOwnWindow(candidate)))
        candidate = desktop->targets().foregroundWindow();
    m_targetWindow = isOwnWindow(candidate) ? 0 : candidate;
    typePhrase(id);
}

bool PhraseDispatcher::copyPhrase(const QString &id,
                                  const std::function<void(ClipboardPut)> &copied)
{
    const int index = store->indexOfId(id);
    if (index < 0)
        return false;
    const Phrase phrase = store->phrases().at(index);
    const Placeholders::Fields wanted = fillInsOf(phrase);
    const auto copy = [this, id, copied](const QHash<QString, QString> &answers) {
        const int now = store->indexOfId(id);
        if (now < 0)
            return;
        const Placeholders::Expanded expanded = textNow(store->phrases().at(now), answers);
        if (expanded.failure != Placeholders::Failure::None) {
            emit message(failureText(expanded), true);
            return;
        }
        const QString &text = expanded.text;
        // Through the desktop, which knows whether the clipboard took it;
        // without one, read back.
        ClipboardPut put = ClipboardPut::Failed;
        if (desktop) {
            put = desktop->clipboard().putText(text, ClipboardOffer::ForUser);
        } else if (QClipboard *clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(text, QClipboard::Clipboard);
            if (clipboard->text(QClipboard::Clipboard) == text)
                put = ClipboardPut::Put;
        }
        if (copied)
            copied(put);
    };
    if (wanted.fields.isEmpty() || wanted.failure != Placeholders::Failure::None) {
        copy({});
        return true;
    }
    // One window of fields at a time.
    if (waitsForTyping([this, id, copied] { copyPhrase(id, copied); }))
        return true;
    startAsking();
    QPointer<PhraseDispatcher> self(this);
    ui->askFillIns(phrase.name, wanted.fields,
                   [self, copy](bool accepted, const QHash<QString, QString> &answers) {
                       if (!self)
                           return;
                       QTimer::singleShot(0, self, [self, copy, accepted, answers] {
                           self->m_asking = false;
                           if (accepted)
                               copy(answers);
                           if (!self->m_pending.isEmpty())
                               self->carryOutPending();
                       });
                   });
    return true;
}

QString PhraseDispatcher::typePhrase(const QString &id, const Typed &later, bool *asked)
{
    if (asked)
        *asked = false;
    // Set by the shortcut or the picker that asked for this phrase only.
    const QVector<int> triggerKeys = m_triggerKeys;
    m_triggerKeys.clear();
    if (m_paused)
        return QCoreApplication::translate("MainWindow", "Shortcuts are paused.");
    if (!desktop)
        return QCoreApplication::translate("MainWindow", "There is no window system to type into.");
    const int index = store->indexOfId(id);
    if (index < 0)
        return QCoreApplication::translate("MainWindow", "The phrase is gone.");
    // A copy: typing waits inside nested event loops, and the list may change
    // meanwhile.
    const Phrase phrase = store->phrases().at(index);
    const Placeholders::Fields wanted = fillInsOf(phrase);
    if (wanted.failure == Placeholders::Failure::None && !wanted.fields.isEmpty()) {
        FillIn fillIn;
        fillIn.id = id;
        fillIn.window = m_targetWindow;
        fillIn.ownField = isOwnWindow(desktop->targets().foregroundWindow());
        fillIn.keysOnly = m_keysOnly;
        fillIn.suffix = m_suffix;
        fillIn.typedAbbreviation = m_typedAbbreviation;
        fillIn.later = later;
        askFillIns(phrase, wanted.fields, fillIn);
        if (asked)
            *asked = true;
        return QString();
    }
    const Placeholders::Expanded expanded = textNow(phrase);
    if (expanded.failure != Placeholders::Failure::None) {
        // Nothing of it goes in: a text with a hole is worse than none.
        m_targetWindow = 0;
        const QString text = failureText(expanded);
        TestTrace::line(QStringLiteral("typed %1 refused").arg(id));
        if (!m_keysOnly)
            emit message(text, true);
        return text;
    }
    return typeExpanded(id, inTypedCase(phrase, expanded), triggerKeys);
}

Placeholders::Expanded PhraseDispatcher::inTypedCase(const Phrase &phrase,
                                                     const Placeholders::Expanded &expanded) const
{
    if (!phrase.matchCase || m_typedAbbreviation.isEmpty())
        return expanded;
    return withCase(expanded, LetterCase::patternOf(m_typedAbbreviation, phrase.abbreviation),
                    QLocale());
}

QString PhraseDispatcher::typeExpanded(const QString &id, const Placeholders::Expanded &expanded,
                                       const QVector<int> &triggerKeys)
{
    WindowHandle window = m_targetWindow;
    if (!window || !desktop->targets().isWindow(window) || isOwnWindow(window))
        window = desktop->targets().foregroundWindow();

    // While the text goes out, nested event loops serve the clipboard; a show
    // request from a second start waits until the text is in.
    m_typing = true;
    // One of our own windows in front: the text goes straight into its
    // focused text field. Keys and a paste sent to ourselves would be served
    // only after this call, with the clipboard already put back.
    TargetApp app;
    const bool ownWindowInFront = isOwnWindow(window);
    const InsertResult result = ownWindowInFront
                                    ? typeIntoOwnField(expanded)
                                    : typeIntoTarget(expanded, window, triggerKeys, &app);
    m_typing = false;
    m_targetWindow = 0;
    emit typingFinished();
    if (!m_pending.isEmpty())
        QTimer::singleShot(0, this, &PhraseDispatcher::carryOutPending);
    if (result.delivered())
        m_lastInserted = expanded.text;
    return reportTyping(id, result, app, ownWindowInFront);
}

InsertResult PhraseDispatcher::typeIntoOwnField(const Placeholders::Expanded &expanded)
{
    InsertResult result;
    m_caretMoved = expanded.leftPresses > 0;
    if (ui->insertIntoOwnField(expanded.text, expanded.leftPresses))
        result.outcome = InsertOutcome::Delivered;
    return result;
}

InsertResult PhraseDispatcher::typeIntoTarget(const Placeholders::Expanded &expanded,
                                              WindowHandle window, const QVector<int> &triggerKeys,
                                              TargetApp *app)
{
    // The field the picker was opened over is no target here.
    ui->forgetOwnField();
    // The application's road: the user's rules, then the terminals'.
    InsertPlan road;
    if (window && desktop->targets().targetApplication(window, app))
        road = InsertPlans::resolve(*app, store->settings().appRules);
    road.keysOnly = m_keysOnly;
    // The abbreviation's delimiter and the caret's way back to {cursor} go
    // with the text: each key only once the user's keys are up, and only
    // into the target.
    InsertExtras extras;
    extras.suffix = m_suffix;
    extras.caretBack = expanded.leftPresses;
    extras.triggerKeys = triggerKeys;
    extras.keeper = &m_clipboardKeeper;
    const InsertResult result = insertText(*desktop, expanded.text, window, road, extras);
    if (m_clipboardKeeper.waiting()) {
        if (!m_keeperTimer) {
            m_keeperTimer = new QTimer(this);
            m_keeperTimer->setInterval(ClipboardKeeper::PollMs);
            connect(m_keeperTimer, &QTimer::timeout, this, &PhraseDispatcher::pollClipboardKeeper);
        }
        m_keeperTimer->start();
    }
    m_caretMoved = result.caretMoved;
    return result;
}

QString PhraseDispatcher::reportTyping(const QString &id, const InsertResult &result,
                                       const TargetApp &app, bool ownWindowInFront)
{
    if (ownWindowInFront && !result.delivered()) {
        // Typed from a command or a shortcut while one of our windows was in
        // front without a text field to take it: not the fault of a target.
        const QString notice = QCoreApplication::translate(
            "MainWindow",
            "Zem Scrivlet's own window is in front: switch to the window the phrase should "
            "go into, then try again.");
        emit message(notice, true);
        TestTrace::line(QStringLiteral("typed %1 refused").arg(id));
        return notice;
    }
    const QString notice = reportInsertion(result, app.preferred);
    if (!result.delivered()) {
        TestTrace::line(QStringLiteral("typed %1 refused").arg(id));
        return notice.isEmpty() ? QCoreApplication::translate(
                                      "MainWindow", "The target window did not accept the text.")
                                : notice;
    }
    const int now = store->indexOfId(id);
    if (now < 0) {
        TestTrace::line(QStringLiteral("typed %1 accepted").arg(id));
        return QString(); // deleted while its text was being typed
    }
    countUse(store->phrases()[now], m_lastInserted, m_typedAbbreviation);
    const bool saved = store->save();
    emit phraseUsed(id);
    TestTrace::line(QStringLiteral("typed %1 accepted %2")
                        .arg(id, saved ? QStringLiteral("saved") : QStringLiteral("unsaved")));
    return QString();
}

void PhraseDispatcher::togglePause()
{
    m_paused = !m_paused;
    m_abbreviations.clear();
    emit pausedChanged(m_paused);
}

namespace {

// What the user is told of an outcome; empty for a delivered one.
QString outcomeText(const InsertResult &result, const QString &application)
{
    QString text;
    switch (result.outcome) {
    case InsertOutcome::Delivered:
        break;
    case InsertOutcome::NotAccepted:
        text =
            QCoreApplication::translate("MainWindow", "The target window did not accept the text.");
        break;
    case InsertOutcome::NotResponding:
        text = QCoreApplication::translate("MainWindow",
                                           "The window in front did not respond in time.");
        break;
    case InsertOutcome::ReadOnlyField:
        text = QCoreApplication::translate("MainWindow", "The text field in front is read-only.");
        break;
    case InsertOutcome::PasswordField:
        text = QCoreApplication::translate(
            "MainWindow", "The text field in front is a password field: phrases are not put into "
                          "password fields.");
        break;
    case InsertOutcome::SingleLineField:
        text = QCoreApplication::translate(
            "MainWindow", "The text field in front takes one line, and this phrase has several.");
        break;
    case InsertOutcome::KeysHeld:
        text = QCoreApplication::translate(
            "MainWindow", "Nothing was typed: the shortcut's keys were held down too long.");
        break;
    case InsertOutcome::LeftOnClipboard:
        text = QCoreApplication::translate(
            "MainWindow", "The window in front runs as administrator: the phrase has replaced "
                          "your clipboard. Press Ctrl+V to paste it.");
        break;
    case InsertOutcome::NotHere:
        text = QCoreApplication::translate(
                   "MainWindow",
                   "Phrases are not put into %1: so says its rule in Options, Applications.")
                   .arg(application);
        break;
    case InsertOutcome::MayHaveArrived:
        text = result.clipboardNotRestored
                   ? QCoreApplication::translate(
                         "MainWindow",
                         "The phrase may still be pasted: the window in front has not yet taken "
                         "the paste key. Look before you try again.")
                   : QCoreApplication::translate(
                         "MainWindow",
                         "The phrase may have been pasted: another program read it from the "
                         "clipboard first. Look before you try again.");
        break;
    case InsertOutcome::PasteQueued:
        text = QCoreApplication::translate(
            "MainWindow", "The phrase may still be pasted: the window in front has not yet taken "
                          "the paste key. Look before you try again.");
        break;
    case InsertOutcome::MayStillArrive:
        text = QCoreApplication::translate(
            "MainWindow", "The phrase may still arrive: the window in front did not answer in "
                          "time. Look before you try again.");
        break;
    case InsertOutcome::EarlierPasteWaiting:
        text = QCoreApplication::translate(
            "MainWindow", "Nothing was pasted: the window in front has not yet taken the phrase "
                          "pasted before, which is still on the clipboard.");
        break;
    case InsertOutcome::ClipboardUnavailable:
        text = QCoreApplication::translate(
            "MainWindow", "Nothing was pasted: the clipboard could not be had (another program "
                          "holds it, or the program whose content it is does not answer).");
        break;
    }
    return text;
}

} // namespace

QString PhraseDispatcher::reportInsertion(const InsertResult &result, const QString &application)
{
    QString text = outcomeText(result, application);
    // The user's clipboard is theirs: what could not be kept is said, too.
    QString clipboard;
    if (result.clipboardNotRestored)
        clipboard =
            QCoreApplication::translate("MainWindow", "Your clipboard could not be put back.");
    else if (result.clipboardLostFormats > 0)
        clipboard =
            QCoreApplication::translate("MainWindow", "Part of your clipboard could not be kept.");
    if (!clipboard.isEmpty())
        text = text.isEmpty() ? clipboard : text + QLatin1Char(' ') + clipboard;
    // The user's own rule refusing is news, not a fault.
    const bool fault = (!result.delivered() && result.outcome != InsertOutcome::NotHere) ||
                       result.clipboardNotRestored;
    if (!text.isEmpty())
        emit message(text, fault);
    return text;
}

void PhraseDispatcher::pollClipboardKeeper()
{
    // Never while a text goes out: that insertion looks itself.
    if (m_typing || !desktop)
        return;
    InsertResult result;
    if (!m_clipboardKeeper.poll(*desktop, &result))
        return;
    m_keeperTimer->stop();
    if (result.clipboardNotRestored)
        emit message(QCoreApplication::translate(
                         "MainWindow",
                         "Your clipboard could not be put back: the window the phrase was pasted "
                         "into has still not taken it."),
                     true);
    else if (result.clipboardLostFormats > 0)
        emit message(
            QCoreApplication::translate("MainWindow", "Part of your clipboard could not be kept."),
            false);
}
