#include "platform/desktopbindings.h"

#include "platform/x11/keysymmap.h"

#include <QCoreApplication>

#include <xkbcommon/xkbcommon.h>

namespace {

constexpr int ModAlt = 0x1;
constexpr int ModControl = 0x2;
constexpr int ModShift = 0x4;
constexpr int ModWin = 0x8;

// A word for the shell, in single quotes. sway counts quotes without regard
// to the shell's escapes, keeps backslashes, ends the command at a double
// quote and replaces its own $variables: those characters are made by printf
// from their octal codes, in quotes of their own, so that every quote sway
// sees is paired.
QString shellWord(const QString &word)
{
    QString out = QStringLiteral("'");
    for (const QChar c : word) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('\\') ||
            c == QLatin1Char('$')) {
            out += QStringLiteral("'$(printf '\\%1')'")
                       .arg(QString::number(c.unicode(), 8).rightJustified(3, QLatin1Char('0')));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('\'');
}

} // namespace

namespace DesktopBindings {

QString swayCombination(int mods, int vk)
{
    const quint32 keysym = X11KeyMap::keysymFromVirtualKey(vk);
    char name[64];
    if (keysym == 0 || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
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
    parts << QString::fromLatin1(name);
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

QString swayLines(const QVector<Command> &commands, const QString &program)
{
    QStringList lines;
    for (const Command &command : commands) {
        const QString keys = swayCombination(command.mods, command.vk);
        bool safe = swaySafe(program);
        QStringList words = {shellWord(program)};
        for (const QString &argument : command.arguments) {
            safe = safe && swaySafe(argument);
            words << shellWord(argument);
        }
        if (keys.isEmpty() || !safe) {
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
        // The whole command in double quotes: sway takes it as one word and
        // hands it to the shell as it stands.
        lines << QStringLiteral("bindsym %1 exec \"%2\"").arg(keys, words.join(QLatin1Char(' ')));
    }
    return lines.join(QLatin1Char('\n'));
}

QString commandLines(const QVector<Command> &commands, const QStringList &keyTexts,
                     const QString &program)
{
    QStringList lines;
    for (int i = 0; i < commands.size(); ++i) {
        // Plain shell quoting: no compositor's parser stands between.
        QStringList words = {program};
        words += commands[i].arguments;
        for (QString &word : words)
            word = QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) +
                   QLatin1Char('\'');
        lines << (i < keyTexts.size() ? keyTexts[i] : QString()) + QLatin1String(": ") +
                     words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace DesktopBindings
