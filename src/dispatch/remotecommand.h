#pragma once

// The commands a later start hands to the running copy ("scrivlet --type
// NAME", "--picker", ...) and the copy's answer, as they travel over the
// single-instance channel. A request is one line of JSON; the plain "show"
// of earlier versions (and anything that is not a request) still asks for
// the window, so that either end may be the older one. No platform code: the
// channel carries bytes.

#include "store/phrase.h"
#include "store/phrasestore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace RemoteCommand {

enum class Verb
{
    Show, // a plain second start: show the window
    Type,
    Picker,
    ToggleWindow,
    TogglePanel,
    Pause,
    Resume,
    List,
    Unknown, // a well-formed request this version does not know: refused
    Probe,   // is a copy running? Answered, nothing done (a copy started in the tray asks)
    Import,  // a file of phrases: ours, Espanso's, Beeftext's, a CSV
};

struct Request
{
    Verb verb = Verb::Show;
    // The phrase's name, for Type; the file's absolute path, for Import (the
    // start that sends it resolves a relative one in its own folder); the
    // command's, for Unknown.
    QString name;
    // --once: the command is a desktop's shortcut, which some desktops run
    // again for every key repeat while it is held (GNOME's custom
    // shortcuts): the same command coming again soon after counts once.
    bool once = false;
    // The sender takes "waiting" replies (see Reply::waiting) and waits on
    // while they come. Set by this version's command line; an older one
    // leaves it out and is never sent one.
    bool waitsOnUser = false;
};

// Tells a held shortcut's repeats from new presses, for commands that come
// with --once: the same command again within RepeatWindowMs of the last one
// is a repeat, and each repeat keeps the window open, as a held key's
// repeats come one after another. The window outlasts a desktop's delay
// before the first repeat (GNOME's is 500 ms); a person pressing the same
// shortcut twice that fast gets one insertion. Time is the caller's.
class RepeatFilter
{
public:
    static constexpr qint64 RepeatWindowMs = 600;
    // True when the request is a new press (or needs no filter at all).
    bool isNewPress(const Request &request, qint64 nowMs);

private:
    Verb m_verb = Verb::Show;
    QString m_name;
    qint64 m_lastMs = 0;
    bool m_seen = false;
};

struct Reply
{
    bool ok = false;
    QString text; // the answer (List) or what went wrong
    // Not the answer yet: the copy waits for the user (a phrase's fields
    // are being filled in), and says so again every WaitingBeatMs while it
    // does; the answer follows. A person may take minutes, which no fixed
    // limit of the sender's fits, while a copy that hangs stops saying it.
    bool waiting = false;
};
// How often a copy that waits for the user says so.
constexpr int WaitingBeatMs = 5000;

// What the program's arguments (the program's own path first) ask for.
struct CommandLine
{
    enum class Action
    {
        Start,    // start, or hand over to the running copy
        SelfTest, // --self-test
        Help,     // --help, -h
        Version,  // --version
        Command,  // a command for the running copy: request
        Error,    // a malformed command line: error says why
    };
    Action action = Action::Start;
    bool inTray = false; // --in-tray, for Start
    // --data-dir DIR: the folder of the data file for this run, as given
    // (relative to the current folder); empty for the usual one. Goes with
    // Start, Command and SelfTest.
    QString dataDir;
    Request request;
    QString error;
};
// Option words are never taken for a phrase's name: a name that starts with
// "-" goes after "--" (--type -- NAME), and after a lone "--" nothing is an
// option. --once may go with any command (see Request::once). The toolkit's
// own options (-platform, -style, -session, ...) are left to it; any other
// option, and any word no option takes, is an error, so that a typo in a
// script or a desktop's binding fails instead of showing the window.
// --self-test runs wherever it stands and whatever else is given.
CommandLine parseArguments(const QStringList &arguments);
// The options, for --help and error messages.
QString usage();
// What --list prints: the enabled phrases' names, one a line, in list order,
// each printable().
QString listing(const QVector<Phrase> &phrases);
// text for a terminal: control characters (and the line and paragraph
// separators) as \xHH or \uHHHH, so that a name can neither send an escape
// sequence nor pass for two lines, and the backslash itself as \x5C, so
// that a name holding the four characters "\x0A" never reads as one with a
// line break. Line feeds stay when keepLines is true. A text that is
// printable already (a listing) keeps its backslashes with
// escapeBackslash false: its escapes are not escaped again.
QString printable(const QString &text, bool keepLines = true, bool escapeBackslash = true);

// The longest request and reply read, in bytes.
constexpr int MaxMessageBytes = 1 << 20;

// Show is sent as the four bytes earlier versions send.
QByteArray encode(const Request &request);
// Anything that is not a well-formed request is a plain "show"; a
// well-formed one with a command this version does not know is Unknown.
Request decode(const QByteArray &bytes);
// True once bytes hold a whole message (a request or reply line, or the
// plain "show" followed by the end of the stream, which the caller sees).
bool isComplete(const QByteArray &bytes);

QByteArray encodeReply(const Reply &reply);
// False for bytes that are no reply: the copy that answered is older and
// takes only "show".
bool decodeReply(const QByteArray &bytes, Reply *reply);
// True when bytes begin with a whole "waiting" reply line.
bool isWaitingReply(const QByteArray &bytes);

// What --import prints and the running copy answers: the counts, then the
// entries not imported, each with why (at most PhraseStore::SkippedListed).
QString importSummary(const PhraseStore::ImportReport &report);
// Why an import failed, for report->error.
QString importFailure(const QString &error);

// Whether the running copy's answer is awaited (Type waits for the text to
// be in) and, with no copy running, whether one is started in the tray first.
bool waitsForOutcome(Verb verb);
bool startsACopy(Verb verb);

} // namespace RemoteCommand
