#pragma once

// GNOME 43 gives programs no global shortcuts of their own. The user's
// custom keyboard shortcuts (Settings > Keyboard) can run any command line,
// so each of our shortcuts becomes one of them, running the program with
// --type -- NAME, --picker or --toggle-window. They live in dconf under the
// media-keys plugin's schema; we write them with the gsettings tool and touch
// only the entries whose path is ours, so the user's own shortcuts and other
// programs' stay as they are.

#include "platform/desktopbindings.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVector>

namespace GnomeShortcuts {

// The key combination as GNOME writes accelerators ("<Control><Alt>1",
// "<Super><Shift>k", "<Control>F5") from a shortcut as it is stored (MOD_*
// bits and a Windows virtual key); empty when the key has no name there.
QString accelerator(int mods, int vk);

// The command line for GNOME, which splits it as a shell would (but runs no
// shell): every word in single quotes, a phrase's name after "--". Empty when a word holds a
// control character, which the command line could not carry unchanged.
QString commandLine(const QString &program, const QStringList &arguments);

// What Options shows of the commands as custom shortcuts: per command the
// accelerator, two spaces and the command line, one per line.
QString bindingLines(const QVector<DesktopBindings::Command> &commands, const QString &program);

// A string in GVariant's text format, as gsettings reads values; plain ASCII
// (other characters escaped), so no locale stands between.
QString variantString(const QString &text);

// The string list gsettings prints for a key of type "as" ("['a', \"b'c\"]",
// "@as []"); false when text is not one.
bool parseStringList(const QString &text, QStringList *out);

// What a shortcut runs: shown under name in GNOME's settings, pressed as
// (mods, vk), running the program with arguments.
struct Binding
{
    QString name;
    int mods = 0;
    int vk = 0;
    QStringList arguments;
};

// One of our entries as dconf holds it.
struct Entry
{
    QString path;
    QString name;
    QString command;
    QString binding;
};

class Writer
{
public:
    // program: our executable, as the commands name it.
    explicit Writer(const QString &program);

    // For tests and unusual setups: the tool and the environment it runs in.
    void setTool(const QString &gsettings) { m_tool = gsettings; }
    void setEnvironment(const QProcessEnvironment &environment) { m_environment = environment; }

    // Our entries, in the order GNOME lists them.
    bool entries(QVector<Entry> *out);
    // Replaces our entries by these. Nothing is written when one of them
    // cannot be (a key without a name, a control character in an argument).
    bool write(const QVector<Binding> &bindings);
    bool removeAll();

    // The tool's own message, or ours, when a call answered false.
    QString errorString() const { return m_error; }

    static QString pathPrefix();

private:
    bool run(const QStringList &arguments, QString *output = nullptr);
    bool readList(QStringList *paths);
    bool writeList(const QStringList &paths);
    bool readKey(const QString &path, const QString &key, QString *value);
    bool setKey(const QString &path, const QString &key, const QString &value);
    bool resetEntry(const QString &path);

    QString m_program;
    QString m_tool;
    QProcessEnvironment m_environment;
    QString m_error;
};

} // namespace GnomeShortcuts
