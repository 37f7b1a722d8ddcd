// What the desktop lets the program reach, told to the user (the status
// line, Options' note), and the compositor's own bindings that stand in for
// global shortcuts where a program may not hold them (sway's lines to paste,
// GNOME's custom shortcuts written for the user).

#include "mainwindow/mainwindow.h"

#include "base/hotkey.h"
#include "base/testtrace.h"
#include "hotkeys/hotkeymanager.h"
#include "platform/desktopbindings.h"
#include "platform/session.h"
#ifndef Q_OS_WIN
#endif
#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

bool MainWindow::needsBindings() const
{
    if (!desktop)
        return false;
    const DesktopAbilities roads = desktop->abilities();
    return roads.waylandWindows && !roads.globalShortcuts();
}

void MainWindow::checkBindings()
{
    if (m_bindingsSeen || !needsBindings())
        return;
    m_bindingsSeen = desktop->bindsCommandsOf(QCoreApplication::applicationFilePath());
    if (m_bindingsSeen)
        TestTrace::line(QStringLiteral("bindings found"));
}

void MainWindow::noteCommandFromDesktop(RemoteCommand::Verb verb)
{
    using RemoteCommand::Verb;
    // These are what the bindings run: one came, so the bindings exist.
    if (m_bindingsSeen || !needsBindings() ||
        (verb != Verb::Type && verb != Verb::Picker && verb != Verb::ToggleWindow))
        return;
    m_bindingsSeen = true;
    updateStatusLabel();
}

QString MainWindow::roadLine() const
{
    if (Session::detect(QProcessEnvironment::systemEnvironment()) != Session::Kind::X11OnWayland)
        return QString();
    const DesktopAbilities roads = desktop ? desktop->abilities() : DesktopAbilities();
    if (!roads.waylandWindows)
        return tr("Only the windows of X11 programs are reached on this desktop: Options says "
                  "why.");
    if (roads.compositor == Compositor::KWin && roads.keys == DesktopAbilities::Keys::Unavailable)
        return tr("Plasma lets this copy of Zem Scrivlet type into no other program: Options "
                  "says how to allow it.");
    if (roads.globalShortcuts() || m_bindingsSeen)
        return QString();
    if (roads.shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        return tr("Shortcuts work once they are GNOME custom shortcuts: Options adds them.");
    const QString compositor = compositorName();
    if (!compositor.isEmpty())
        return tr("Shortcuts reach Wayland programs once %1 binds them: Options lists the "
                  "lines.")
            .arg(compositor);
    return tr("Shortcuts reach Wayland programs once the desktop binds them: Options lists the "
              "commands.");
}

QString MainWindow::desktopNote() const
{
    if (Session::detect(QProcessEnvironment::systemEnvironment()) != Session::Kind::X11OnWayland)
        return QString();
    const DesktopAbilities roads = desktop ? desktop->abilities() : DesktopAbilities();
    if (!roads.waylandWindows)
        return tr("This is a Wayland desktop, where Zem Scrivlet works through XWayland: its "
                  "shortcuts and phrases reach the windows of X11 programs only, not those of "
                  "Wayland programs.");
    QStringList parts;
    switch (roads.compositor) {
    case Compositor::KWin:
        if (roads.keys == DesktopAbilities::Keys::Unavailable) {
            parts << tr("Plasma lets only the installed Zem Scrivlet type into other programs. "
                        "Run the installed program, or add this program to a desktop entry in "
                        "~/.local/share/applications whose Exec line is %1 and which has the "
                        "line %2.")
                         .arg(QCoreApplication::applicationFilePath(),
                              QStringLiteral("X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input,"
                                             "org_kde_kwin_keystate,"
                                             "org_kde_plasma_window_management"));
        } else {
            parts << tr("Plasma desktop: phrases are typed through KWin in your keyboard layout, "
                        "and pasted where the layout lacks a character.");
        }
        if (roads.shortcuts == DesktopAbilities::Shortcuts::KGlobalAccel)
            parts << tr("Plasma's shortcut service holds the shortcuts.");
        break;
    case Compositor::Mutter:
        parts << tr("GNOME desktop: phrases are typed through a remote desktop session of GNOME's "
                    "compositor where your keyboard layout has the characters, and pasted "
                    "otherwise. GNOME does not say which window is in front, so rules by "
                    "application do not apply to Wayland programs.");
        break;
    default:
        parts << tr("Wayland desktop: phrases reach Wayland programs through a virtual keyboard "
                    "of Zem Scrivlet's own, and X11 programs through XWayland.");
        break;
    }
    if (roads.compositor == Compositor::KWin && !roads.windowsKnown)
        parts << tr("Plasma does not say which window is in front: rules by application do not "
                    "apply.");
    if (!roads.pasting)
        parts << tr("This desktop lets no program in the background use the clipboard: phrases "
                    "are typed, never pasted.");
    if (roads.shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        parts << tr("GNOME lets no program hold shortcuts: add them below as GNOME custom "
                    "shortcuts.");
    else if (!roads.globalShortcuts())
        parts << tr("No global shortcuts on this desktop: bind the commands below.");
    return parts.join(QLatin1Char(' '));
}

QString MainWindow::abbreviationsUnavailable() const
{
    if (desktop && desktop->keyStream())
        return QString();
    return tr("This desktop lets no program read the keys typed in other programs, so "
              "abbreviations do not expand here. Use the shortcuts or the picker.");
}

QString MainWindow::shortcutBindingNote() const
{
    if (!desktop)
        return QString();
    const DesktopAbilities roads = desktop->abilities();
    if (roads.shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        return tr("GNOME runs this shortcut once it is one of its custom shortcuts: after OK, "
                  "press Add to GNOME in Setup › Options.");
    if (roads.globalShortcuts())
        return QString();
    const QString compositor = compositorName();
    if (!compositor.isEmpty())
        return tr("%1 runs this shortcut in every program once it is bound: after OK, Setup › "
                  "Options lists the line to add to the configuration of %1.")
            .arg(compositor);
    return tr("This desktop runs no program's shortcuts: after OK, Setup › Options lists the "
              "command to bind to this shortcut in the desktop's keyboard settings.");
}

QString MainWindow::compositorName()
{
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
        return QStringLiteral("sway");
    if (!qEnvironmentVariableIsEmpty("HYPRLAND_INSTANCE_SIGNATURE"))
        return QStringLiteral("Hyprland");
    return QString();
}

QVector<DesktopBindings::Command> MainWindow::shortcutCommands() const
{
    QVector<DesktopBindings::Command> commands;
    // A combination no shortcut may have (Shift+E from an edited file or a
    // backup) is left out, as HotkeyManager refuses it: bound by the
    // desktop it would be taken from every program just the same.
    const auto allowed = [this](int mods, int vk) {
        return vk && HotkeyManager::refusalOn(desktop, mods, vk) == Hotkey::Refusal::None;
    };
    const Settings &settings = store->settings();
    if (allowed(settings.pickerMods, settings.pickerVk))
        commands.append({settings.pickerMods, settings.pickerVk, {QStringLiteral("--picker")}});
    if (allowed(settings.showMods, settings.showVk))
        commands.append({settings.showMods, settings.showVk, {QStringLiteral("--toggle-window")}});
    for (const Phrase &p : store->phrases()) {
        if (p.enabled && allowed(p.mods, p.vk))
            // After "--": a name that starts with "-" is no option.
            commands.append(
                {p.mods, p.vk, {QStringLiteral("--type"), QStringLiteral("--"), p.name}});
    }
    return commands;
}

QString MainWindow::bindingLines() const
{
    if (!desktop || desktop->abilities().globalShortcuts())
        return QString();
    const QVector<DesktopBindings::Command> commands = shortcutCommands();
    const QString program = QCoreApplication::applicationFilePath();
    // What Options writes into the desktop's settings (GNOME's custom
    // shortcuts), key and command.
    if (desktop->abilities().shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        return desktop->settingsBindingLines(commands, program);
    // The compositor's own syntax where we know it; elsewhere the commands
    // to bind with the desktop's own tool.
    const QString compositor = compositorName();
    if (compositor == QLatin1String("sway"))
        return DesktopBindings::swayLines(commands, program);
    if (compositor == QLatin1String("Hyprland"))
        return DesktopBindings::hyprlandLines(commands, program);
    QStringList keys;
    for (const DesktopBindings::Command &c : qAsConst(commands))
        keys << Hotkey::keyText(c.mods, c.vk);
    return DesktopBindings::commandLines(commands, keys, program);
}

QString MainWindow::writeGnomeShortcuts()
{
    QVector<DesktopBindings::NamedCommand> bindings;
    for (const DesktopBindings::Command &c : shortcutCommands()) {
        QString name;
        if (c.arguments.first() == QLatin1String("--picker"))
            name = tr("Zem Scrivlet: open the picker");
        else if (c.arguments.first() == QLatin1String("--toggle-window"))
            name = tr("Zem Scrivlet: show or hide the window");
        else
            name = tr("Zem Scrivlet: %1").arg(c.arguments.last());
        bindings << DesktopBindings::NamedCommand{name, c};
    }
    QString error;
    const bool written = desktop && desktop->writeSettingsBindings(
                                        bindings, QCoreApplication::applicationFilePath(), &error);
    const QString said =
        written ? tr("%n shortcuts are now GNOME custom shortcuts.", nullptr, bindings.size())
                : tr("GNOME's shortcuts could not be written: %1").arg(error);
    TestTrace::line(QLatin1String("gnome shortcuts ") + said);
    if (written && !bindings.isEmpty()) {
        m_bindingsSeen = true;
        updateStatusLabel();
    }
    return said;
}

QString MainWindow::removeGnomeShortcuts()
{
    QString error;
    const bool removed =
        desktop && desktop->removeSettingsBindings(QCoreApplication::applicationFilePath(), &error);
    const QString said = removed ? tr("Zem Scrivlet's GNOME custom shortcuts are removed.")
                                 : tr("GNOME's shortcuts could not be removed: %1").arg(error);
    TestTrace::line(QLatin1String("gnome shortcuts ") + said);
    if (removed) {
        m_bindingsSeen = false;
        updateStatusLabel();
    }
    return said;
}
