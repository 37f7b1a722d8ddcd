#pragma once

// The side of a command-line start ("scrivlet --type NAME", ...) that hands
// the command to the running copy and waits for its answer. Needs a core
// application, not a display.

#include "dispatch/remotecommand.h"

namespace CommandClient {

// How long --type may take in the running copy: the wait for the keys to be
// up, the typing or paste, and the target's reply, with room to spare.
constexpr int AnswerTimeoutMs = 30000;
// How long a copy started for --type or --picker may take to open its
// channel.
constexpr int StartTimeoutMs = 10000;

// Writes text and a line break to standard output or error (on Windows, to
// the console the program was started from).
// ownText: the program's own words (the usage), whose backslashes are
// shown as written; anything else shows them escaped, as printable() does.
void print(bool error, const QString &text, bool ownText = false);

// The exit status: 0 done, 1 not done (the reason on stderr). The answer's
// text (--list) goes to stdout.
int run(const RemoteCommand::Request &request, const QString &serverName);

} // namespace CommandClient
