#include "wayland/gnomeshortcuts.h"

#include "platform/desktopbindings.h"
#include "x11/keysymmap.h"

#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <xkbcommon/xkbcommon.h>

namespace GnomeShortcuts {

namespace {

constexpr int ModAlt = 0x1;
constexpr int ModControl = 0x2;
constexpr int ModShift = 0x4;
constexpr int ModWin = 0x8;

constexpr int ToolTimeoutMs = 10000;

const QString ListSchema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
const QString ListKey = QStringLiteral("custom-keybindings");
const QString EntrySchema =
    QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding");
const QString EntryKeys[] = {QStringLiteral("name"), QStringLiteral("command"),
                             QStringLiteral("binding")};

bool isControl(uint c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

// Reads one quoted string of GVariant's text format at text[*at], leaving
// *at after its closing quote.
bool parseString(const QString &text, int *at, QString *out)
{
    const QChar quote = text[*at];
    QString value;
    int i = *at + 1;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == quote) {
            *at = i + 1;
            *out = value;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            value += c;
            ++i;
            continue;
        }
        if (++i >= text.size())
            return false;
        const QChar e = text[i++];
        switch (e.unicode()) {
        case 'a':
            value += QChar(0x07);
            break;
        case 'b':
            value += QChar(0x08);
            break;
        case 'f':
            value += QChar(0x0c);
            break;
        case 'n':
            value += QChar(0x0a);
            break;
        case 'r':
            value += QChar(0x0d);
            break;
        case 't':
            value += QChar(0x09);
            break;
        case 'v':
            value += QChar(0x0b);
            break;
        case 'u':
        case 'U': {
            const int digits = e == QLatin1Char('u') ? 4 : 8;
            if (i + digits > text.size())
                return false;
            bool ok = false;
            const uint code = text.mid(i, digits).toUInt(&ok, 16);
            if (!ok || code > 0x10ffff || (code >= 0xd800 && code < 0xe000))
                return false;
            value += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
            i += digits;
            break;
        }
        default:
            // Any other escaped character stands for itself (\\ \' \").
            value += e;
            break;
        }
    }
    return false;
}

} // namespace

QString accelerator(int mods, int vk)
{
    const quint32 keysym = X11KeyMap::keysymFromVirtualKey(vk);
    char name[64];
    if (keysym == 0 || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return QString();
    QString out;
    if (mods & ModWin)
        out += QStringLiteral("<Super>");
    if (mods & ModControl)
        out += QStringLiteral("<Control>");
    if (mods & ModAlt)
        out += QStringLiteral("<Alt>");
    if (mods & ModShift)
        out += QStringLiteral("<Shift>");
    return out + QString::fromLatin1(name);
}

QString commandLine(const QString &program, const QStringList &arguments)
{
    // GNOME runs a held custom shortcut's command again at every key repeat:
    // the running copy counts those as the one press they are.
    QStringList words = {program, QStringLiteral("--once")};
    words += DesktopBindings::programArguments(arguments);
    for (QString &word : words) {
        for (const QChar c : qAsConst(word)) {
            if (isControl(c.unicode()))
                return QString();
        }
        // Inside single quotes nothing is special but the quote itself,
        // which ends the quotes, comes escaped and opens them again.
        word = QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) +
               QLatin1Char('\'');
    }
    return words.join(QLatin1Char(' '));
}

QString bindingLines(const QVector<DesktopBindings::Command> &commands, const QString &program)
{
    QStringList lines;
    for (const DesktopBindings::Command &c : commands)
        lines << accelerator(c.mods, c.vk) + QStringLiteral("  ") +
                     commandLine(program, c.arguments);
    return lines.join(QLatin1Char('\n'));
}

QString variantString(const QString &text)
{
    QString out = QStringLiteral("'");
    for (const uint c : text.toUcs4()) {
        if (c == '\\' || c == '\'') {
            out += QLatin1Char('\\');
            out += QChar(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += QChar(c);
        } else if (c <= 0xffff) {
            out += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\U%1").arg(c, 8, 16, QLatin1Char('0'));
        }
    }
    return out + QLatin1Char('\'');
}

bool parseStringList(const QString &text, QStringList *out)
{
    int i = 0;
    auto skipSpace = [&] {
        while (i < text.size() && text[i].isSpace())
            ++i;
    };
    skipSpace();
    // An empty list comes with its type.
    if (text.midRef(i).startsWith(QLatin1String("@as"))) {
        i += 3;
        skipSpace();
    }
    if (i >= text.size() || text[i] != QLatin1Char('['))
        return false;
    ++i;
    QStringList items;
    skipSpace();
    if (i < text.size() && text[i] == QLatin1Char(']')) {
        ++i;
    } else {
        for (;;) {
            skipSpace();
            if (i >= text.size() || (text[i] != QLatin1Char('\'') && text[i] != QLatin1Char('"')))
                return false;
            QString item;
            if (!parseString(text, &i, &item))
                return false;
            items << item;
            skipSpace();
            if (i < text.size() && text[i] == QLatin1Char(',')) {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == QLatin1Char(']')) {
                ++i;
                break;
            }
            return false;
        }
    }
    skipSpace();
    if (i != text.size())
        return false;
    *out = items;
    return true;
}

// --- Writer ----------------------------------------------------------------

Writer::Writer(const QString &program)
    : m_program(program), m_tool(QStringLiteral("gsettings")),
      m_environment(QProcessEnvironment::systemEnvironment())
{}

QString Writer::pathPrefix()
{
    return QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"
                          "zem-scrivlet-");
}

namespace {

bool isOurs(const QString &path)
{
    static const QRegularExpression ours(QLatin1Char('^') +
                                         QRegularExpression::escape(Writer::pathPrefix()) +
                                         QStringLiteral("[0-9]+/$"));
    return ours.match(path).hasMatch();
}

} // namespace

bool Writer::run(const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    QEventLoop loop;
    QObject::connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(ToolTimeoutMs, &loop, &QEventLoop::quit);
    process.start(m_tool, arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.error() == QProcess::FailedToStart) {
        m_error = QStringLiteral("%1 could not be run: %2").arg(m_tool, process.errorString());
        return false;
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        m_error = QStringLiteral("%1 did not answer").arg(m_tool);
        return false;
    }
    const QString error = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error =
            error.isEmpty()
                ? QStringLiteral("%1 failed (exit code %2)").arg(m_tool).arg(process.exitCode())
                : error;
        return false;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return true;
}

bool Writer::readList(QStringList *paths)
{
    QString output;
    if (!run({QStringLiteral("get"), ListSchema, ListKey}, &output))
        return false;
    if (!parseStringList(output, paths)) {
        m_error = QStringLiteral("unexpected answer from gsettings: %1").arg(output.trimmed());
        return false;
    }
    return true;
}

bool Writer::writeList(const QStringList &paths)
{
    QStringList literals;
    for (const QString &path : paths)
        literals << variantString(path);
    return run({QStringLiteral("set"), ListSchema, ListKey,
                QLatin1Char('[') + literals.join(QStringLiteral(", ")) + QLatin1Char(']')});
}

bool Writer::readKey(const QString &path, const QString &key, QString *value)
{
    QString output;
    if (!run({QStringLiteral("get"), EntrySchema + QLatin1Char(':') + path, key}, &output))
        return false;
    output = output.trimmed();
    int at = 0;
    if (output.isEmpty() || (output[0] != QLatin1Char('\'') && output[0] != QLatin1Char('"')) ||
        !parseString(output, &at, value) || at != output.size()) {
        m_error = QStringLiteral("unexpected answer from gsettings: %1").arg(output);
        return false;
    }
    return true;
}

bool Writer::setKey(const QString &path, const QString &key, const QString &value)
{
    return run(
        {QStringLiteral("set"), EntrySchema + QLatin1Char(':') + path, key, variantString(value)});
}

bool Writer::resetEntry(const QString &path)
{
    for (const QString &key : EntryKeys) {
        if (!run({QStringLiteral("reset"), EntrySchema + QLatin1Char(':') + path, key}))
            return false;
    }
    return true;
}

bool Writer::entries(QVector<Entry> *out)
{
    QStringList paths;
    if (!readList(&paths))
        return false;
    QVector<Entry> found;
    for (const QString &path : qAsConst(paths)) {
        if (!isOurs(path))
            continue;
        Entry entry;
        entry.path = path;
        if (!readKey(path, EntryKeys[0], &entry.name) ||
            !readKey(path, EntryKeys[1], &entry.command) ||
            !readKey(path, EntryKeys[2], &entry.binding))
            return false;
        found << entry;
    }
    *out = found;
    return true;
}

bool Writer::write(const QVector<Binding> &bindings)
{
    // Everything is checked before anything is written.
    QVector<Entry> wanted;
    for (int i = 0; i < bindings.size(); ++i) {
        const Binding &binding = bindings[i];
        Entry entry;
        entry.path = pathPrefix() + QString::number(i) + QLatin1Char('/');
        entry.name = binding.name;
        entry.binding = accelerator(binding.mods, binding.vk);
        entry.command = commandLine(m_program, binding.arguments);
        if (entry.binding.isEmpty()) {
            m_error = QStringLiteral("%1: GNOME has no name for the key").arg(binding.name);
            return false;
        }
        if (entry.command.isEmpty()) {
            m_error = QStringLiteral("%1: a control character in the command").arg(binding.name);
            return false;
        }
        wanted << entry;
    }
    QStringList paths;
    if (!readList(&paths))
        return false;
    QStringList kept;
    QStringList stale;
    for (const QString &path : qAsConst(paths))
        (isOurs(path) ? stale : kept) << path;
    // The entries first, then the list that makes GNOME bind them.
    for (const Entry &entry : qAsConst(wanted)) {
        if (!setKey(entry.path, EntryKeys[0], entry.name) ||
            !setKey(entry.path, EntryKeys[1], entry.command) ||
            !setKey(entry.path, EntryKeys[2], entry.binding))
            return false;
        kept << entry.path;
        stale.removeAll(entry.path);
    }
    if (!writeList(kept))
        return false;
    for (const QString &path : qAsConst(stale)) {
        if (!resetEntry(path))
            return false;
    }
    return true;
}

bool Writer::removeAll()
{
    return write({});
}

} // namespace GnomeShortcuts
