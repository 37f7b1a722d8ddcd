// What the command line prints: the help, the names of --list, and the
// outcome of --import as a few lines.

#include "dispatch/remotecommand.h"
#include "store/foreignimport.h"

#include <QCoreApplication>
#include <QStringList>

namespace RemoteCommand {

QString usage()
{
    return QStringLiteral(
        "Usage: scrivlet [COMMAND]\n"
        "Without a command: start Zem Scrivlet, or show the window of the copy that runs.\n"
        "  --in-tray         start in the tray, without showing the window\n"
        "  --data-dir DIR    keep the phrase list in the folder DIR for this run\n"
        "                    (portable use; goes with any command)\n"
        "  --self-test       check the program's own logic and exit (0: all passed)\n"
        "  --version         print the version and exit\n"
        "  --help, -h        print this help and exit\n"
        "Commands, carried out by the running copy:\n"
        "  --type NAME       put the enabled phrase named NAME into the window in front,\n"
        "                    as its shortcut would; waits until it is in (exit status 0)\n"
        "                    or did not go in (exit status 1, the reason on stderr).\n"
        "                    A NAME that starts with \"-\" goes after \"--\": --type -- NAME\n"
        "  --picker          open the picker beside the text cursor\n"
        "  --toggle-window   show or hide the main window\n"
        "  --toggle-panel    show or hide the floating panel\n"
        "  --pause           pause the shortcuts\n"
        "  --resume          take the shortcuts up again\n"
        "  --list            print the enabled phrases' names, one a line (control\n"
        "                    characters in a name as \\xHH or \\uHHHH)\n"
        "  --import FILE     add the phrases of FILE (a backup, an Espanso match file,\n"
        "                    Beeftext's JSON or CSV, or a CSV of name,text,abbreviation);\n"
        "                    prints what was imported and what was not and why.\n"
        "                    With no copy running, the data file takes them directly\n"
        "  --once            with a command bound to a desktop shortcut: the same command\n"
        "                    again within 0.6 s, as a held key repeats it, counts once\n"
        "With no copy running, --type and --picker start one in the tray first.\n");
}

QString printable(const QString &text, bool keepLines, bool escapeBackslash)
{
    const auto hex = [](ushort value, int digits) {
        return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    };
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029 ||
                             (escapeBackslash && u == '\\');
        if (!control || (keepLines && u == '\n'))
            out += c;
        else if (u <= 0xFF)
            out += QLatin1String("\\x") + hex(u, 2);
        else
            out += QLatin1String("\\u") + hex(u, 4);
    }
    return out;
}

QString listing(const QVector<Phrase> &phrases)
{
    QStringList names;
    for (const Phrase &p : phrases) {
        if (p.enabled && !p.name.isEmpty())
            names << printable(p.name, false);
    }
    return names.join(QLatin1Char('\n'));
}

QString importSummary(const PhraseStore::ImportReport &report)
{
    // Written out in full, each with its count, so that the catalogues hold
    // them as texts with plural forms.
    QStringList parts;
    parts << QCoreApplication::translate("RemoteCommand", "Imported %n new phrase(s).", nullptr,
                                         report.added);
    if (!report.skipped.isEmpty())
        parts << QCoreApplication::translate("RemoteCommand",
                                             "%n skipped: the same text is already in your list.",
                                             nullptr, report.skipped.size());
    if (!report.withoutAbbreviation.isEmpty())
        parts << QCoreApplication::translate(
            "RemoteCommand", "%n imported without their abbreviation, which another phrase has.",
            nullptr, report.withoutAbbreviation.size());
    QString summary = parts.join(QLatin1Char(' '));
    if (!report.notes.isEmpty()) {
        const QStringList lines = ForeignImport::noteLines(report.notes);
        // The notes beyond those the report keeps are counted with the hidden.
        const int hidden = qMax(0, lines.size() - PhraseStore::SkippedListed) + report.moreNotes;
        summary += QLatin1Char('\n') +
                   QCoreApplication::translate("RemoteCommand", "%n not imported:", nullptr,
                                               lines.size() + report.moreNotes) +
                   QLatin1Char('\n') +
                   PhraseStore::skippedListing(lines, QCoreApplication::translate("RemoteCommand",
                                                                                  "…and %n more",
                                                                                  nullptr, hidden));
    }
    return summary;
}

QString importFailure(const QString &error)
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("RemoteCommand", text);
    };
    if (error == QLatin1String("save"))
        return tr("The phrases were imported, but the data file could not be saved.");
    if (error == QLatin1String("format: no-yaml"))
        return tr("Espanso files cannot be read in this build.");
    if (error.startsWith(QLatin1String("format: line ")))
        return tr("The file is not a match file that can be read (%1).")
            .arg(error.mid(int(qstrlen("format: "))));
    if (error.startsWith(QLatin1String("format")))
        return tr("The file is not one that can be imported: a backup, an Espanso match file, "
                  "Beeftext's JSON or CSV, or a CSV of name, text and abbreviation.");
    return tr("Could not read the file.");
}

} // namespace RemoteCommand
