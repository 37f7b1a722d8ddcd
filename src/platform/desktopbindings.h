#pragma once

// Lines for a compositor's own key bindings that run the program's command
// line, for desktops where a program may not hold global shortcuts (sway and
// other Wayland compositors): the user pastes them into the compositor's
// configuration. Pure text, tested without a desktop.

#include <QString>
#include <QStringList>
#include <QVector>

namespace DesktopBindings {

struct Command
{
    int mods = 0; // MOD_* bits, as shortcuts are stored
    int vk = 0;
    QStringList arguments;
};

// A command as the desktop's settings list it, under a name the user reads
// there.
struct NamedCommand
{
    QString name;
    Command command;
};

// The words a command runs the program with: a phrase's name goes after
// "--", which ends the options, so that a name that looks like one ("-h",
// "--self-test") is still taken as a name.
inline QStringList programArguments(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments.first() == QLatin1String("--type"))
        return {arguments.first(), QStringLiteral("--"), arguments.last()};
    return arguments;
}

// The key combination in sway's terms ("Mod4+Shift+k"); empty when the key
// has no name there.
QString swayCombination(int mods, int vk);

// Whether sway and the shell can hand the argument over unchanged inside the
// quoted command of a binding: everything but control characters.
bool swaySafe(const QString &argument);

// One "bindsym" line per command, running program with its arguments; a
// command whose key has no name or whose arguments cannot be written safely
// becomes a comment saying so. Quotes, backslashes and dollar signs are made
// by printf in the shell, since sway's own parsing would change them. Every
// line binds the key where it is in the first layout (--to-code), so that it
// fires whichever layout is in use, and once per press (--no-repeat): a held
// key would otherwise run the command again at the keyboard's repeat rate.
QString swayLines(const QVector<Command> &commands, const QString &program);

// The key combination in Hyprland's terms ("SUPER SHIFT, k"); empty when the
// key has no name there.
QString hyprlandCombination(int mods, int vk);

// One "bind =" line per command for Hyprland's configuration, as swayLines.
QString hyprlandLines(const QVector<Command> &commands, const QString &program);

// For compositors whose binding syntax we do not write: one line per command
// with the key combination as the program shows it (keyText), then the
// command for the shell, for the user to bind with the desktop's own tool.
QString commandLines(const QVector<Command> &commands, const QStringList &keyTexts,
                     const QString &program);

} // namespace DesktopBindings
