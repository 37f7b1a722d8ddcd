#include "dispatch/remotecommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>
#include <vector>

namespace RemoteCommand {

namespace {

struct VerbName
{
    Verb verb;
    const char *option; // on the command line
    const char *wire;   // in a request
};

const VerbName verbs[] = {
    {Verb::Type, "--type", "type"},
    {Verb::Picker, "--picker", "picker"},
    {Verb::ToggleWindow, "--toggle-window", "toggle-window"},
    {Verb::TogglePanel, "--toggle-panel", "toggle-panel"},
    {Verb::Pause, "--pause", "pause"},
    {Verb::Resume, "--resume", "resume"},
    {Verb::List, "--list", "list"},
    {Verb::Import, "--import", "import"},
    {Verb::Probe, nullptr, "probe"},
};

const char showBytes[] = "show";

} // namespace

namespace {

// The toolkit's own options (Qt's, and its X11 plugin's), which it takes out
// of the arguments itself once the application object is built. Qt reads
// "--name" as "-name".
struct ToolkitOption
{
    const char *name;
    bool takesValue;
    bool takesInlineValue; // also written -name=value
};

const ToolkitOption toolkitOptions[] = {
    {"-platform", true, false},
    {"-platformpluginpath", true, false},
    {"-platformtheme", true, false},
    {"-plugin", true, false},
    {"-qwindowgeometry", true, false},
    {"-qwindowtitle", true, false},
    {"-qwindowicon", true, false},
    {"-geometry", true, false},
    {"-title", true, false},
    {"-icon", true, false},
    {"-session", true, false},
    {"-style", true, true},
    {"-stylesheet", true, true},
    {"-display", true, false},
    {"-name", true, false},
    {"-visual", true, false},
    {"-im", true, false},
    {"-qmljsdebugger", false, true},
    {"-reverse", false, false},
    {"-widgetcount", false, false},
    {"-testability", false, false},
    {"-nograb", false, false},
    {"-dograb", false, false},
    {"-sync", false, false},
};

// The options that are ours besides the commands.
const char *const plainOptions[] = {"--data-dir", "--help",      "--in-tray",
                                    "--once",     "--self-test", "--version"};

// -1 for no toolkit option; else its index. *inlineForm when written with
// "=value".
int toolkitOption(const QString &argument, bool *inlineForm)
{
    QString word = argument;
    if (word.startsWith(QLatin1String("--")))
        word.remove(0, 1);
    for (int i = 0; i < int(std::size(toolkitOptions)); ++i) {
        const QLatin1String name(toolkitOptions[i].name);
        if (word == name) {
            *inlineForm = false;
            return i;
        }
        if (toolkitOptions[i].takesInlineValue && word.startsWith(name) &&
            word.midRef(name.size()).startsWith(QLatin1Char('='))) {
            *inlineForm = true;
            return i;
        }
    }
    return -1;
}

// Edit distance with adjacent transpositions (a typed "--tpye" is one slip),
// on words short enough to be options.
int editDistance(const QString &a, const QString &b)
{
    const int n = a.size();
    const int m = b.size();
    std::vector<std::vector<int>> d(size_t(n + 1), std::vector<int>(size_t(m + 1)));
    for (int i = 0; i <= n; ++i)
        d[size_t(i)][0] = i;
    for (int j = 0; j <= m; ++j)
        d[0][size_t(j)] = j;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            int best = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                                 d[size_t(i - 1)][size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                best = std::min(best, d[size_t(i - 2)][size_t(j - 2)] + 1);
            d[size_t(i)][size_t(j)] = best;
        }
    }
    return d[size_t(n)][size_t(m)];
}

// The option of ours that a mistyped one most likely meant; empty when none
// is close.
QString nearestOption(const QString &word)
{
    if (word.size() < 4 || word.size() > 40)
        return QString();
    QString typed = word.toLower();
    if (!typed.startsWith(QLatin1String("--")))
        typed.prepend(QLatin1Char('-'));
    QString best;
    int bestDistance = 3; // at most two slips
    const auto consider = [&](const char *option) {
        const QString candidate = QLatin1String(option);
        const int distance = editDistance(typed, candidate);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    };
    for (const VerbName &v : verbs) {
        if (v.option)
            consider(v.option);
    }
    for (const char *option : plainOptions)
        consider(option);
    return best;
}

} // namespace

namespace {

// One option word: "--name=value" carries its value inline.
struct OptionWord
{
    QString name;
    QString inlineValue;
    bool hasInline = false;
};

OptionWord splitOption(const QString &argument)
{
    OptionWord option;
    option.name = argument;
    const int equals = argument.indexOf(QLatin1Char('='));
    if (argument.startsWith(QLatin1String("--")) && equals > 2) {
        option.name = argument.left(equals);
        option.inlineValue = argument.mid(equals + 1);
        option.hasInline = true;
    }
    return option;
}

// What the words read so far hold beyond the command line itself, judged
// once they are all read (judged()).
struct WordsSeen
{
    bool help = false;
    bool version = false;
    QString command; // the command line of the command found, for messages
    // The first word that no option takes, or the first unknown option: an
    // error unless the self-test or the help runs. Judged at the end, when
    // the command it stands beside is known.
    QString stray;
    QString unknownOption;

    void strayWord(const QString &word)
    {
        if (stray.isEmpty() && unknownOption.isEmpty())
            stray = word;
    }
};

CommandLine failed(CommandLine line, const QString &error)
{
    line.action = CommandLine::Action::Error;
    line.error = error;
    return line;
}

// The phrase's name after --type: its inline value, the next word, or the
// word after a "--". False, with *error, when there is none.
bool readPhraseName(const QStringList &arguments, int *i, const OptionWord &option, QString *name,
                    QString *error, bool file = false)
{
    const QString command = file ? QStringLiteral("--import") : QStringLiteral("--type");
    name->clear();
    if (option.hasInline) {
        *name = option.inlineValue;
    } else if (*i + 1 < arguments.size()) {
        const QString &next = arguments.at(++*i);
        if (next == QLatin1String("--")) {
            *name = *i + 1 < arguments.size() ? arguments.at(++*i) : QString();
        } else if (next.startsWith(QLatin1Char('-'))) {
            *error = file ? QStringLiteral("“%1” is an option, not a file: a file whose name "
                                           "starts with “-” goes after “--”, as in --import -- %1")
                                .arg(next)
                          : QStringLiteral("“%1” is an option, not a phrase's name: a name that "
                                           "starts with “-” goes after “--”, as in --type -- %1")
                                .arg(next);
            return false;
        } else {
            *name = next;
        }
    }
    if (name->isEmpty()) {
        *error = file ? QStringLiteral("--import needs a file, as in --import FILE.")
                      : QStringLiteral("--type needs the name of a phrase.");
        return false;
    }
    return true;
}

// The self-test or a command for the running copy (verb), with what it
// takes. False, with *error, when it is malformed.
bool readCommand(const QStringList &arguments, int *i, const OptionWord &option,
                 const VerbName *verb, CommandLine *line, QString *error)
{
    if (!verb) {
        if (option.hasInline) {
            *error = QStringLiteral("--self-test takes no value.");
            return false;
        }
        line->action = CommandLine::Action::SelfTest;
        return true;
    }
    line->action = CommandLine::Action::Command;
    line->request.verb = verb->verb;
    line->request.name.clear();
    if (verb->verb == Verb::Type)
        return readPhraseName(arguments, i, option, &line->request.name, error);
    if (verb->verb == Verb::Import)
        return readPhraseName(arguments, i, option, &line->request.name, error, true);
    if (option.hasInline) {
        *error = QStringLiteral("%1 takes no value.").arg(option.name);
        return false;
    }
    return true;
}

// The folder after --data-dir: its inline value or the next word. False,
// with *error, when there is none or it was given before.
bool readDataDir(const QStringList &arguments, int *i, const OptionWord &option, CommandLine *line,
                 QString *error)
{
    if (!line->dataDir.isEmpty()) {
        *error = QStringLiteral("--data-dir is given twice.");
        return false;
    }
    QString folder = option.inlineValue;
    if (!option.hasInline && *i + 1 < arguments.size()) {
        const QString &next = arguments.at(*i + 1);
        // An option word is never taken for the folder: a folder whose name
        // starts with "-" is written --data-dir=./-name.
        if (!next.startsWith(QLatin1Char('-'))) {
            folder = next;
            ++*i;
        }
    }
    if (folder.isEmpty()) {
        *error = QStringLiteral("--data-dir needs a folder, as in --data-dir DIR.");
        return false;
    }
    line->dataDir = folder;
    return true;
}

// One option word at arguments[*i], with the words after it that it takes
// (*i moves past them). False, with *error, when it is malformed.
bool readOption(const QStringList &arguments, int *i, CommandLine *line, WordsSeen *seen,
                QString *error)
{
    const QString &argument = arguments.at(*i);
    const OptionWord option = splitOption(argument);
    const struct
    {
        const char *name;
        bool *set;
    } flags[] = {{"--help", &seen->help},
                 {"-h", &seen->help},
                 {"--version", &seen->version},
                 {"--in-tray", &line->inTray},
                 {"--once", &line->request.once}};
    for (const auto &flag : flags) {
        if (option.name != QLatin1String(flag.name))
            continue;
        if (option.hasInline) {
            *error = QStringLiteral("%1 takes no value.").arg(option.name);
            return false;
        }
        *flag.set = true;
        return true;
    }
    if (option.name == QLatin1String("--data-dir"))
        return readDataDir(arguments, i, option, line, error);
    const bool selfTest = option.name == QLatin1String("--self-test");
    const VerbName *verb = nullptr;
    for (const VerbName &v : verbs) {
        if (v.option && option.name == QLatin1String(v.option))
            verb = &v;
    }
    if (!verb && !selfTest) {
        bool inlineForm = false;
        const int toolkit = toolkitOption(argument, &inlineForm);
        if (toolkit < 0) {
            if (seen->stray.isEmpty() && seen->unknownOption.isEmpty())
                seen->unknownOption = option.name;
            return true;
        }
        if (toolkitOptions[toolkit].takesValue && !inlineForm) {
            if (*i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value.").arg(argument);
                return false;
            }
            ++*i;
        }
        return true;
    }
    if (!seen->command.isEmpty()) {
        *error = QStringLiteral("Only one command at a time: %1 and %2.")
                     .arg(option.name, seen->command);
        return false;
    }
    const int first = *i;
    if (!readCommand(arguments, i, option, verb, line, error))
        return false;
    seen->command = arguments.mid(first, *i - first + 1).join(QLatin1Char(' '));
    return true;
}

// The command line once every word is read: the help wins, the self-test runs
// whatever else is given, then unknown options and stray words are errors.
CommandLine judged(CommandLine line, const WordsSeen &seen)
{
    if (seen.help) {
        line.action = CommandLine::Action::Help;
        line.error.clear();
        return line;
    }
    if (line.action == CommandLine::Action::SelfTest)
        return line;
    if (!seen.unknownOption.isEmpty()) {
        const QString meant = nearestOption(seen.unknownOption);
        return failed(line, meant.isEmpty()
                                ? QStringLiteral("Unknown option “%1”.").arg(seen.unknownOption)
                                : QStringLiteral("Unknown option “%1”: did you mean %2?")
                                      .arg(seen.unknownOption, meant));
    }
    if (!seen.stray.isEmpty()) {
        if (line.action != CommandLine::Action::Command)
            return failed(line,
                          QStringLiteral("Unexpected “%1”: to put a phrase in, use --type NAME.")
                              .arg(seen.stray));
        const QString option =
            seen.command.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('='), 0, 0);
        if (line.request.verb == Verb::Import)
            return failed(line, QStringLiteral("--import takes one file: “%1” is a word too many.")
                                    .arg(seen.stray));
        if (line.request.verb == Verb::Type)
            return failed(
                line, QStringLiteral("--type takes one name: “%1” is a word too many (a name "
                                     "of several words goes in quotes, as in --type \"%2 %1\").")
                          .arg(seen.stray, line.request.name));
        return failed(
            line,
            QStringLiteral("%1 takes no name: “%2” is a word too many.").arg(option, seen.stray));
    }
    if (seen.version) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    if (line.request.once && line.action != CommandLine::Action::Command)
        return failed(line,
                      QStringLiteral("--once goes with a command, such as --once --type NAME."));
    return line;
}

} // namespace

CommandLine parseArguments(const QStringList &arguments)
{
    CommandLine line;
    WordsSeen seen;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            seen.strayWord(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true; // nothing after it is an option
            continue;
        }
        QString error;
        if (!readOption(arguments, &i, &line, &seen, &error))
            return failed(line, error);
    }
    return judged(line, seen);
}

QByteArray encode(const Request &request)
{
    if (request.verb == Verb::Show)
        return QByteArray(showBytes);
    QJsonObject object;
    for (const VerbName &v : verbs) {
        if (v.verb == request.verb)
            object.insert(QStringLiteral("command"), QLatin1String(v.wire));
    }
    if (request.verb == Verb::Type)
        object.insert(QStringLiteral("name"), request.name);
    if (request.verb == Verb::Import)
        object.insert(QStringLiteral("path"), request.name);
    // Written only when set: an older copy reads the rest as before.
    if (request.once)
        object.insert(QStringLiteral("once"), true);
    if (request.waitsOnUser)
        object.insert(QStringLiteral("waitsOnUser"), true);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

Request decode(const QByteArray &bytes)
{
    Request request;
    const int end = bytes.indexOf('\n');
    if (end < 0 || !bytes.startsWith('{'))
        return request;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes.left(end), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return request;
    const QJsonObject object = document.object();
    const QString command = object.value(QStringLiteral("command")).toString();
    request.verb = Verb::Unknown;
    request.name = command;
    for (const VerbName &v : verbs) {
        if (command != QLatin1String(v.wire))
            continue;
        request.name.clear();
        if (v.verb == Verb::Type) {
            const QJsonValue name = object.value(QStringLiteral("name"));
            if (!name.isString() || name.toString().isEmpty()) {
                request.name = command;
                return request; // a type without a name: not one we can do
            }
            request.name = name.toString();
        }
        if (v.verb == Verb::Import) {
            // Only a whole path: a relative one would be read in this
            // copy's folder, not the sender's.
            const QJsonValue path = object.value(QStringLiteral("path"));
            if (!path.isString() || !QDir::isAbsolutePath(path.toString()) ||
                path.toString().contains(QChar(0))) {
                request.name = command;
                return request;
            }
            request.name = path.toString();
        }
        request.verb = v.verb;
        request.once = object.value(QStringLiteral("once")).toBool(false);
        request.waitsOnUser = object.value(QStringLiteral("waitsOnUser")).toBool(false);
    }
    return request;
}

bool RepeatFilter::isNewPress(const Request &request, qint64 nowMs)
{
    if (!request.once)
        return true;
    const bool repeat = m_seen && request.verb == m_verb && request.name == m_name &&
                        nowMs >= m_lastMs && nowMs - m_lastMs < RepeatWindowMs;
    m_seen = true;
    m_verb = request.verb;
    m_name = request.name;
    m_lastMs = nowMs;
    return !repeat;
}

bool isComplete(const QByteArray &bytes)
{
    return bytes.contains('\n') || bytes.size() >= MaxMessageBytes;
}

QByteArray encodeReply(const Reply &reply)
{
    // Without "ok": whoever took it for the answer would fail, not succeed.
    if (reply.waiting)
        return QByteArrayLiteral("{\"waiting\":true}\n");
    const QJsonObject object{{QStringLiteral("ok"), reply.ok},
                             {QStringLiteral("text"), reply.text}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

bool decodeReply(const QByteArray &bytes, Reply *reply)
{
    const int end = bytes.indexOf('\n');
    if (end < 0)
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes.left(end), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("waiting")).toBool(false)) {
        *reply = Reply();
        reply->waiting = true;
        return true;
    }
    if (!object.value(QStringLiteral("ok")).isBool())
        return false;
    reply->ok = object.value(QStringLiteral("ok")).toBool();
    reply->text = object.value(QStringLiteral("text")).toString();
    reply->waiting = false;
    return true;
}

bool isWaitingReply(const QByteArray &bytes)
{
    Reply reply;
    return decodeReply(bytes, &reply) && reply.waiting;
}

bool waitsForOutcome(Verb verb)
{
    return verb != Verb::Show;
}

bool startsACopy(Verb verb)
{
    return verb == Verb::Type || verb == Verb::Picker;
}

} // namespace RemoteCommand
