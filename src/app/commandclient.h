#pragma once

// The side of a command-line start ("scrivlet --type NAME", ...) that hands
// the command to the running copy and waits for its answer. Needs a core
// application, not a display.

#include "dispatch/remotecommand.h"

namespace CommandClient {

// How long --type may take in the running copy: the wait for the keys to be
// up, the typing or paste, and the target's reply, with room to spare. While
// the copy waits for the user instead (a phrase's fields), it says so every
// RemoteCommand::WaitingBeatMs, and each time this wait begins again.
constexpr int AnswerTimeoutMs = 30000;
// A window of fields left open is not waited for without end: after this
// long the command says what the copy waits for, and ends.
constexpr int WaitOnUserLimitMs = 10 * 60 * 1000;
// How long a copy started for --type or --picker may take to open its
// channel.
constexpr int StartTimeoutMs = 10000;
// How long the running copy may take to say which folder it uses (it may
// be typing a phrase).
constexpr int ProbeTimeoutMs = 3000;

// Writes text and a line break to standard output or error (on Windows, to
// the console the program was started from).
// ownText: the program's own words (the usage), whose backslashes are
// shown as written; anything else shows them escaped, as printable() does.
void print(bool error, const QString &text, bool ownText = false);

// The exit status: 0 done, 1 not done (the reason on stderr). The answer's
// text (--list) goes to stdout. dataFolder is where this start finds the
// data file (--list without a running copy reads it); commandLineFolder is
// set for --data-dir, which a copy started for the command is given too, and
// which a copy running with another folder is not given the command for.
int run(const RemoteCommand::Request &request, const QString &serverName, const QString &dataFolder,
        bool commandLineFolder);

// With --data-dir: the folder the copy that runs keeps its list in, when it
// is another one than dataFolder; empty when no copy runs, or it uses that
// folder.
QString runningElsewhere(const QString &serverName, const QString &dataFolder);
// What a start with --data-dir is told when a copy runs with another folder.
QString elsewhereMessage(const QString &runningFolder, const QString &dataFolder);

} // namespace CommandClient
