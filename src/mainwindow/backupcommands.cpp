// File > Export and Import: the file dialogs, the store's backup operations
// and what the user is told.

#include "mainwindow/mainwindow.h"

#include "store/phrasestore.h"
#include "theme/themeddialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

QString MainWindow::exportFileName(const QString &chosen, const QString &suffix)
{
    // A name typed without a suffix gets the backup's one, whatever the
    // dialog did with it: Qt's own dialog adds it, a desktop's may not. "."
    // alone at the end is no suffix either.
    const QFileInfo info(chosen);
    if (chosen.isEmpty() || info.fileName().isEmpty() || !info.suffix().isEmpty())
        return chosen;
    return chosen.endsWith(QLatin1Char('.')) ? chosen + suffix : chosen + QLatin1Char('.') + suffix;
}

QString MainWindow::backupStartFolder(const QString &remembered)
{
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    // Not every home has its documents folder: the dialog would open in the
    // working folder then.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void MainWindow::rememberBackupFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (folder.isEmpty() || folder == store->settings().backupFolder)
        return;
    store->settings().backupFolder = folder;
    store->save();
}

void MainWindow::exportBackup()
{
    const QString path =
        askExportPath(tr("Export"), tr("Phrase backup (*.json)"), QStringLiteral("json"));
    if (!path.isEmpty())
        exportBackupTo(path);
}

void MainWindow::exportCsv()
{
    const QString path = askExportPath(
        tr("Export to CSV"), tr("Name, text and abbreviation (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        exportCsvTo(path);
}

QString MainWindow::askExportPath(const QString &title, const QString &filter,
                                  const QString &suffix)
{
    QFileDialog dialog(this, title, backupStartFolder(store->settings().backupFolder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds it before it asks whether to replace a file, so that
    // its question is about the file that will be written.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = exportFileName(chosen, suffix);
    // A dialog that left the suffix off asked about another name, if at all:
    // the file that is there is not replaced without a word.
    if (path != chosen && QFileInfo::exists(path) &&
        !showNotice(tr("“%1” already exists.\n\nReplace it?").arg(QFileInfo(path).fileName()),
                    true))
        return QString();
    rememberBackupFolder(path);
    return path;
}

bool MainWindow::exportCsvTo(const QString &path)
{
    if (!store->exportCsv(path)) {
        showThemedMessage(this, windowTitle(), tr("Could not write the file."));
        return false;
    }
    statusBar()->showMessage(tr("Phrases exported."), BackupNoticeMs);
    return true;
}

bool MainWindow::exportBackupTo(const QString &path)
{
    if (!store->exportBackup(path)) {
        showThemedMessage(this, windowTitle(), tr("Could not write the file."));
        return false;
    }
    statusBar()->showMessage(tr("Phrases exported."), BackupNoticeMs);
    return true;
}

void MainWindow::importBackup()
{
    // Every kind first, so that a file of another tool is seen at once.
    const QStringList filters{
        tr("Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)"),
        tr("Phrase backup (*.json)"),
        tr("Espanso match file (*.yml *.yaml)"),
        tr("Beeftext export (*.json *.csv)"),
        tr("Name, text and abbreviation (*.csv)"),
        tr("All files (*)")};
    QFileDialog dialog(this, tr("Import"), backupStartFolder(store->settings().backupFolder),
                       filters.join(QLatin1String(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    rememberBackupFolder(path);
    importBackupFrom(path);
}

bool MainWindow::importAndRefresh(const QString &path, PhraseStore::ImportReport *report)
{
    const bool saved = store->importFile(path, report);
    if (saved || report->error == QLatin1String("save")) {
        // The merged phrases are in the list whether or not the file was
        // written: the table and the shortcuts show what the program now
        // holds, and the next successful save writes them.
        refreshTable();
        registerShortcuts();
    }
    return saved;
}

void MainWindow::importBackupFrom(const QString &path)
{
    PhraseStore::ImportReport report;
    if (!importAndRefresh(path, &report)) {
        showImportFailure(report);
        return;
    }
    showImportNotice(report);
}

RemoteCommand::Reply MainWindow::importForCommand(const QString &path)
{
    PhraseStore::ImportReport report;
    if (!importAndRefresh(path, &report)) {
        // Said where it was asked for; the window says it too when the
        // phrases are in but not saved, as that concerns the list here.
        if (report.error == QLatin1String("save"))
            QTimer::singleShot(0, this, [this, report] { showImportFailure(report); });
        return {false, RemoteCommand::importFailure(report.error)};
    }
    QTimer::singleShot(0, this, [this, report] { showImportNotice(report); });
    return {true, RemoteCommand::importSummary(report)};
}

void MainWindow::showImportFailure(const PhraseStore::ImportReport &report)
{
    if (report.error == QLatin1String("save"))
        showThemedMessage(this, windowTitle(),
                          tr("The phrases were imported, but the data file could not be saved. "
                             "They will be saved with your next change."));
    else if (report.error == QLatin1String("format: no-yaml"))
        showThemedMessage(this, windowTitle(), tr("Espanso files cannot be read in this build."));
    else
        showThemedMessage(this, windowTitle(), tr("Could not read the file."));
}

void MainWindow::showImportNotice(const PhraseStore::ImportReport &report)
{
    const QStringList &skipped = report.skipped;
    QStringList withoutAbbreviation = report.withoutAbbreviation;
    const QStringList &holders = report.abbreviationHolders;
    if (skipped.isEmpty() && withoutAbbreviation.isEmpty() && report.notes.isEmpty()) {
        statusBar()->showMessage(tr("Phrases imported."), BackupNoticeMs);
        return;
    }
    const auto listingOf = [this](const QStringList &labels) {
        const int hidden = qMax(0, labels.size() - PhraseStore::SkippedListed);
        return PhraseStore::skippedListing(labels, tr("…and %n more", nullptr, hidden));
    };
    QString notice;
    const int added = report.added;
    if (!skipped.isEmpty()) {
        if (added < 1)
            notice = tr("No new phrases were imported.\n\nThese were skipped because the same "
                        "text is already in your list:\n%1")
                         .arg(listingOf(skipped));
        else
            notice = tr("Imported %n new phrase(s).\n\nThese were skipped because the same text "
                        "is already in your list:\n%1",
                        nullptr, added)
                         .arg(listingOf(skipped));
    } else if (!report.notes.isEmpty()) {
        notice = added < 1 ? tr("No new phrases were imported.")
                           : tr("Imported %n new phrase(s).", nullptr, added);
    }
    if (!withoutAbbreviation.isEmpty()) {
        if (!notice.isEmpty())
            notice += QStringLiteral("\n\n");
        // Each with the phrase that has its abbreviation, where one does.
        for (int i = 0; i < withoutAbbreviation.size() && i < holders.size(); ++i) {
            if (!holders.at(i).isEmpty())
                withoutAbbreviation[i] =
                    tr("%1 (“%2” has it)").arg(withoutAbbreviation.at(i), holders.at(i));
        }
        notice += tr("These were imported without their abbreviation, which another phrase "
                     "already has:\n%1")
                      .arg(listingOf(withoutAbbreviation));
    }
    // What could not come over, every entry with why, in a box that scrolls:
    // a file of another tool may leave hundreds.
    QString details;
    if (!report.notes.isEmpty()) {
        notice +=
            QStringLiteral("\n\n") +
            tr("%n entries were not imported, as this program cannot do what they do:", nullptr,
               report.notes.size() + report.moreNotes);
        details = ForeignImport::noteLines(report.notes).join(QLatin1Char('\n'));
        // A file may leave millions: the first ones are kept, the rest counted.
        if (report.moreNotes > 0)
            details += QLatin1Char('\n') + tr("…and %n more", nullptr, report.moreNotes);
    }
    showNotice(notice, false, details);
}
