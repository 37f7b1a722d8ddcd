#include "platform/desktopbindings.h"

#include "x11/keysymmap.h"

#include <QCoreApplication>

#include <xkbcommon/xkbcommon.h>

namespace {

constexpr int ModAlt = 0x1;
constexpr int ModControl = 0x2;
constexpr int ModShift = 0x4;
constexpr int ModWin = 0x8;

// A word for the shell, in single quotes, with the characters that the
// compositor's parser would take for its own (made) by printf from their
// octal codes, in quotes of their own. The codes have no leading zero: sway's
// config file reader ends a string at "\0" (the same line given to swaymsg
// is not unescaped at all, and "\47" means the same to both and to printf).
QString shellWord(const QString &word, const QString &made)
{
    QString out = QStringLiteral("'");
    for (const QChar c : word) {
        if (made.contains(c)) {
            out += QStringLiteral("'$(printf '\\%1')'").arg(QString::number(c.unicode(), 8));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('\'');
}

// The key's name in XKB's terms ("k", "F5", "semicolon"); empty when none.
QString keyName(int vk)
{
    const quint32 keysym = X11KeyMap::keysymFromVirtualKey(vk);
    char name[64];
    if (keysym == 0 || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return QString();
    return QString::fromLatin1(name);
}

// One binding line per command: line(command, shell) writes it around the
// quoted command, or answers nothing where the key has no name. A comment
// stands where no line can be written safely.
template <typename Line>
QString bindingLines(const QVector<DesktopBindings::Command> &commands, const QString &program,
                     const QString &made, Line line)
{
    QStringList lines;
    for (const DesktopBindings::Command &command : commands) {
        bool safe = DesktopBindings::swaySafe(program);
        QStringList words = {shellWord(program, made)};
        for (const QString &argument : DesktopBindings::programArguments(command.arguments)) {
            safe = safe && DesktopBindings::swaySafe(argument);
            words << shellWord(argument, made);
        }
        const QString written = safe ? line(command, words.join(QLatin1Char(' '))) : QString();
        if (written.isEmpty()) {
            // The comment is one line too: control characters become spaces.
            QString said = command.arguments.join(QLatin1Char(' '));
            for (QChar &c : said) {
                if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                    c = QLatin1Char(' ');
            }
            lines << QLatin1String("# ") +
                         QCoreApplication::translate(
                             "DesktopBindings",
                             "Not bindable here: %1 (a key without a name here, or a control "
                             "character in the name)")
                             .arg(said);
            continue;
        }
        lines << written;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

namespace DesktopBindings {

QString swayCombination(int mods, int vk)
{
    const QString name = keyName(vk);
    if (name.isEmpty())
        return QString();
    QStringList parts;
    if (mods & ModWin)
        parts << QStringLiteral("Mod4");
    if (mods & ModControl)
        parts << QStringLiteral("Ctrl");
    if (mods & ModAlt)
        parts << QStringLiteral("Mod1");
    if (mods & ModShift)
        parts << QStringLiteral("Shift");
    parts << name;
    return parts.join(QLatin1Char('+'));
}

bool swaySafe(const QString &argument)
{
    for (const QChar c : argument) {
        // A line break would end the binding; the shell drops a trailing
        // one that printf makes.
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

// sway counts quotes without regard to the shell's escapes, unescapes
// backslashes in its config file (not in swaymsg), ends the command at a
// double quote and replaces its own $variables. The whole command goes in
// double quotes: sway takes it as one word and hands it to the shell as it
// stands.
QString swayLines(const QVector<Command> &commands, const QString &program)
{
    return bindingLines(
        commands, program, QStringLiteral("'\"\\$"),
        [](const Command &command, const QString &shell) {
            const QString keys = swayCombination(command.mods, command.vk);
            if (keys.isEmpty())
                return QString();
            return QStringLiteral("bindsym --to-code --no-repeat %1 exec \"%2\"").arg(keys, shell);
        });
}

QString hyprlandCombination(int mods, int vk)
{
    const QString name = keyName(vk);
    if (name.isEmpty())
        return QString();
    QStringList parts;
    if (mods & ModWin)
        parts << QStringLiteral("SUPER");
    if (mods & ModControl)
        parts << QStringLiteral("CTRL");
    if (mods & ModAlt)
        parts << QStringLiteral("ALT");
    if (mods & ModShift)
        parts << QStringLiteral("SHIFT");
    return parts.join(QLatin1Char(' ')) + QLatin1String(", ") + name;
}

// Hyprland hands the rest of the line after "exec," to the shell as it
// stands, but takes # for a comment, replaces its $variables and evaluates
// what stands between {{ and }}; a comma is made too, so that no version
// splits the command at it. Its bindings neither repeat (only "binde" does)
// nor depend on the layout in use (keys are found in the first layout).
QString hyprlandLines(const QVector<Command> &commands, const QString &program)
{
    return bindingLines(commands, program, QStringLiteral("'\"\\$#,{}"),
                        [](const Command &command, const QString &shell) {
                            const QString keys = hyprlandCombination(command.mods, command.vk);
                            if (keys.isEmpty())
                                return QString();
                            return QStringLiteral("bind = %1, exec, %2").arg(keys, shell);
                        });
}

QString commandLines(const QVector<Command> &commands, const QStringList &keyTexts,
                     const QString &program)
{
    QStringList lines;
    for (int i = 0; i < commands.size(); ++i) {
        // Plain shell quoting: no compositor's parser stands between. The
        // compositor's binding tool may run the command again while the keys
        // are held: the running copy counts that as one press.
        QStringList words = {program, QStringLiteral("--once")};
        words += DesktopBindings::programArguments(commands[i].arguments);
        for (QString &word : words)
            word = QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) +
                   QLatin1Char('\'');
        lines << (i < keyTexts.size() ? keyTexts[i] : QString()) + QLatin1String(": ") +
                     words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace DesktopBindings
