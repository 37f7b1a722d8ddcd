#pragma once

// From a request to text in another program's window, and to what the user
// is told of it. A request is a phrase's global shortcut, the picker's
// shortcut and its choice, the floating panel's Type, an abbreviation typed
// in another program, or a command a later start hands over (--type,
// --picker, ...). The dispatcher settles which phrase and which window,
// keeps one text going out at a time (what comes meanwhile waits in order),
// holds the pause switch, fills in placeholders, applies the rules per
// application, waits for the shortcut's keys, runs the insertion and reports
// its outcome. It knows no widget: the windows reach it through DispatchUi
// and hear from it through its signals.

#include "dispatch/remotecommand.h"
#include "insert/abbreviations.h"
#include "insert/insertion.h"
#include "insert/placeholders.h"
#include "platform/desktop.h"
#include "platform/keystream.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QString>
#include <QVector>

#include <functional>

class DispatchUi;
class PhraseStore;
class QTimer;
struct Phrase;

class PhraseDispatcher final : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(const RemoteCommand::Reply &)>;
    // The picker shortcut: the longest wait for its key to go up, and for
    // the picker (or the field it opened over) to get the keyboard focus.
    static constexpr int ShortcutReleaseWaitMs = 400;
    static constexpr int PickerFocusWaitMs = 600;

    // None is owned; desktop may be null (no window system: nothing is
    // typed, and every request says so).
    PhraseDispatcher(PhraseStore *store, Desktop *desktop, DispatchUi *ui,
                     QObject *parent = nullptr);
    ~PhraseDispatcher() override;

    bool paused() const { return m_paused; }
    // A text is going out now (its waits run the event loop).
    bool typing() const { return m_typing; }
    // The window the next phrase goes to: remembered from the picker's
    // shortcut until the phrase is typed or the picker closes.
    WindowHandle targetWindow() const { return m_targetWindow; }
    void forgetTarget() { m_targetWindow = 0; }
    // Whether window is one of ours.
    bool isOwnWindow(WindowHandle window) const;
    // The text a phrase puts in now: its placeholders filled in where its
    // flag says so (the fields with answers), with the Left presses that put
    // the caret at {cursor}; or the failure that keeps it from going in.
    Placeholders::Expanded textNow(const Phrase &phrase,
                                   const QHash<QString, QString> &answers = {}) const;
    // The fields the phrase asks for before it goes in.
    Placeholders::Fields fillInsOf(const Phrase &phrase) const;
    // What the user is told of a phrase that could not be filled in.
    static QString failureText(const Placeholders::Expanded &failed);

    // The requests.
    void onPhraseShortcut(const QString &id);
    // Opens the picker over the window in front (closes it when open).
    void onPickerShortcut();
    void onPhraseChosen(const QString &id);
    void onPickerDismissed();
    // The panel's Type: into lastExternal, the window of another program
    // the user was in before the click, or else the one in front.
    void typeFromPanel(const QString &id, WindowHandle lastExternal);
    // The panel's Copy, also while paused: copied tells what became of the
    // clipboard, once the phrase's fields are filled in (never, when the user
    // cancels or the phrase cannot be filled in); false when there is no
    // such phrase.
    bool copyPhrase(const QString &id, const std::function<void(ClipboardPut)> &copied);
    // Carries out a command a later start handed over; answer (may be null)
    // gets the outcome once it is known, for --type after the text is in.
    // A request that takes them hears a "waiting" reply every beat while
    // the user fills in fields, its own or those of a phrase before it.
    void carryOut(const RemoteCommand::Request &request, const Answer &answer);
    void setWaitingBeat(int ms) { m_waitingBeatMs = ms; } // tests shorten it
    // Types the phrase into the remembered window (else the one in front);
    // the reason it did not go in, or an empty text when it did. A phrase
    // with fields asks for them first: then this returns an empty text at
    // once with *asked set, and later (may be null) gets the outcome.
    using Typed = std::function<void(const QString &failure)>;
    QString typePhrase(const QString &id, const Typed &later = nullptr, bool *asked = nullptr);
    // The fields of a phrase are being asked for.
    bool asking() const { return m_asking; }
    void togglePause();
    // The abbreviations of the enabled phrases, and the key stream that
    // feeds them: on while there is one and nothing is paused.
    void refreshAbbreviations();
    // The program is ending: the key stream is not started again.
    void shutDown() { m_quitting = true; }

signals:
    // What the user is told of an outcome in passing (a tray balloon);
    // fault for what went wrong, not for news.
    void message(const QString &text, bool fault);
    // What is told in a dialog, once the keyboard is the user's again.
    void notice(const QString &text);
    void pausedChanged(bool paused);
    // A text went out (or did not); commands that waited follow.
    void typingFinished();
    // A phrase went in, and its counts of use grew.
    void phraseUsed(const QString &id);
    // A command a later start handed over is carried out now.
    void commandArrived(RemoteCommand::Verb verb);
    // A window of fields opened: commands that wait behind it are told so.
    void fieldsAsked();

private:
    // The window in front becomes the target, as for a phrase's shortcut:
    // none when it is ours (its focused field takes the text then).
    void aimAtWindowInFront();
    // A request that comes while a text goes out (the waits of typing let
    // in commands, shortcuts and clicks) waits for it: true when it was put
    // in line. Two texts never interleave, and each goes where the user
    // looks once the one before is in.
    bool waitsForTyping(std::function<void()> request);
    void carryOutPending();
    // A window of fields opens now; what comes meanwhile waits for it.
    void startAsking();
    // answer, with a beat of "waiting" replies while fields are asked for,
    // until the answer itself goes.
    Answer sayingWaiting(const Answer &answer);
    // carryOut once the command is known for a new press, not a repeat.
    void carryOutNow(const RemoteCommand::Request &request, const Answer &told);
    // The fields are asked for; the phrase goes in with the answers, into
    // window, after erase BackSpaces and followed by suffix (an abbreviation
    // still typed out there).
    struct FillIn
    {
        QString id;
        WindowHandle window = 0;
        bool ownField = false;
        bool keysOnly = false;
        int erase = 0;
        QString suffix;
        QString typedAbbreviation;
        Typed later;
    };
    void askFillIns(const Phrase &phrase, const QVector<Placeholders::Field> &fields,
                    const FillIn &fillIn);
    // The target of a phrase whose fields were answered, ready for its
    // text: there still, and the abbreviation typed for it erased; else why
    // not.
    QString clearWayTo(const FillIn &fillIn);
    void fillInsAnswered(const FillIn &fillIn, bool accepted,
                         const QHash<QString, QString> &answers);
    // The text in the case of the abbreviation typed for it, where the
    // phrase matches case.
    Placeholders::Expanded inTypedCase(const Phrase &phrase,
                                       const Placeholders::Expanded &expanded) const;
    // typePhrase once its text is known.
    QString typeExpanded(const QString &id, const Placeholders::Expanded &expanded,
                         const QVector<int> &triggerKeys);
    // typePhrase's two roads and its report.
    InsertResult typeIntoOwnField(const Placeholders::Expanded &expanded);
    InsertResult typeIntoTarget(const Placeholders::Expanded &expanded, WindowHandle window,
                                const QVector<int> &triggerKeys, TargetApp *app);
    QString reportTyping(const QString &id, const InsertResult &result, const TargetApp &app,
                         bool ownWindowInFront);
    // The message an insertion's outcome calls for; returns its text (empty
    // when there is nothing to say). application names the target in the
    // note for a rule that refused it.
    QString reportInsertion(const InsertResult &result, const QString &application);
    // One more look at the user's clipboard content kept for a paste still
    // on its way; tells what became of it once done.
    void pollClipboardKeeper();

    void onTypedKey(const TypedKey &key);
    AbbreviationMatcher::Action feedAbbreviations(const TypedKey &key);
    void carryOutAbbreviation(const AbbreviationMatcher::Action &action);
    // Erases what the action names (and extraErase characters typed after
    // it), then puts its phrase in; false when nothing was erased.
    bool replaceAbbreviation(const AbbreviationMatcher::Action &action, WindowHandle window,
                             int extraErase);
    // The keys that came while an abbreviation was replaced, in order: the
    // first `retyped` were erased with it and go in again; held ones are let
    // through; each feeds the abbreviations in turn.
    // Returns how many keys came meanwhile.
    int finishAbbreviations(WindowHandle window, int retyped, bool replaceMore);
    // An abbreviation whose phrase has fields: false when it is not, or
    // when it was seen to (asked for, or refused).
    bool abbreviationAsks(const AbbreviationMatcher::Action &action, WindowHandle window);

    PhraseStore *store;
    Desktop *desktop;
    DispatchUi *ui;

    bool m_paused = false;
    bool m_quitting = false;
    bool m_typing = false;
    // The user is asked for a phrase's fields: requests wait as for typing.
    bool m_asking = false;
    // A key or a click went to another program while the fields were asked
    // for: the caret there may have moved off the abbreviation.
    bool m_workedElsewhere = false;
    WindowHandle m_targetWindow = 0;
    // The keys of the shortcut that asked for the phrase under way (its
    // modifiers aside): nothing goes out while one is held.
    QVector<int> m_triggerKeys;
    // The phrase under way follows keys already sent: no message road.
    bool m_keysOnly = false;
    // Typed right after the phrase under way, before the caret goes back to
    // its {cursor}: the delimiter that ended an abbreviation.
    QString m_suffix;
    // The abbreviation as typed that asked for the phrase under way: its
    // case may carry over, and it was typed in place of the text.
    QString m_typedAbbreviation;
    // What the last delivered phrase put in, placeholders filled in.
    QString m_lastInserted;
    // The caret went back into the last phrase: BackSpace can no longer
    // take the phrase back whole.
    bool m_caretMoved = false;
    // The user's clipboard content while a paste of ours is still on its
    // way: looked at again every ClipboardKeeper::PollMs until it is back.
    ClipboardKeeper m_clipboardKeeper;
    QTimer *m_keeperTimer = nullptr;

    AbbreviationMatcher m_abbreviations;
    // Wipes what was typed when no key has come for a while.
    QTimer *m_abbreviationIdle = nullptr;
    bool m_keyStreamOn = false;
    bool m_expanding = false;
    // The key stream holds back the keys typed while an abbreviation is
    // replaced; they wait here until it is done.
    bool m_keyHold = false;
    QVector<TypedKey> m_pendingKeys;
    QString m_abbreviationNotice; // why a phrase did not go in, shown after

    // Requests that came while a text was going out, in order.
    QQueue<std::function<void()>> m_pending;
    // A held desktop shortcut's repeats (commands with --once), told from
    // new presses as they come, on a clock that only goes forward.
    RemoteCommand::RepeatFilter m_repeats;
    QElapsedTimer m_commandClock;
    // The last press that came with --once, numbered, and its outcome once
    // it is carried out: its repeats are answered with that outcome, and
    // those that come before it is known wait for it (with the press they
    // repeat: a later press may come meanwhile).
    quint64 m_oncePress = 0;
    bool m_onceDone = false;
    RemoteCommand::Reply m_onceReply;
    QVector<QPair<quint64, Answer>> m_onceWaiting;
    int m_waitingBeatMs = RemoteCommand::WaitingBeatMs;
};
