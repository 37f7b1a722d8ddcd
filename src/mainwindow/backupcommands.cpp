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

QString MainWindow::exportFileName(const QString &chosen)
{
    // A name typed without a suffix gets the backup's one, whatever the
    // dialog did with it: Qt's own dialog adds it, a desktop's may not. "."
    // alone at the end is no suffix either.
    const QFileInfo info(chosen);
    if (chosen.isEmpty() || info.fileName().isEmpty() || !info.suffix().isEmpty())
        return chosen;
    return chosen.endsWith(QLatin1Char('.')) ? chosen + QLatin1String("json")
                                             : chosen + QLatin1String(".json");
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
    QFileDialog dialog(this, tr("Export"), backupStartFolder(store->settings().backupFolder),
                       tr("Phrase backup (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds it before it asks whether to replace a file, so that
    // its question is about the file that will be written.
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = exportFileName(chosen);
    // A dialog that left the suffix off asked about another name, if at all:
    // the file that is there is not replaced without a word.
    if (path != chosen && QFileInfo::exists(path) &&
        !showNotice(tr("“%1” already exists.\n\nReplace it?").arg(QFileInfo(path).fileName()),
                    true))
        return;
    rememberBackupFolder(path);
    exportBackupTo(path);
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
    QFileDialog dialog(this, tr("Import"), backupStartFolder(store->settings().backupFolder),
                       tr("Phrase backup (*.json)") + QLatin1String(";;") + tr("All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    rememberBackupFolder(path);
    importBackupFrom(path);
}

void MainWindow::importBackupFrom(const QString &path)
{
    const int before = store->phrases().size();
    QString error;
    QStringList skipped;
    QStringList withoutAbbreviation;
    QStringList holders;
    const bool saved = store->importBackup(path, &error, &skipped, &withoutAbbreviation, &holders);
    if (!saved && !error.isEmpty()) {
        showThemedMessage(this, windowTitle(), tr("Could not read the file."));
        return;
    }
    // The merged phrases are in the list whether or not the file was
    // written: the table and the shortcuts show what the program now holds,
    // and the next successful save writes them.
    refreshTable();
    registerShortcuts();
    if (!saved) {
        showThemedMessage(this, windowTitle(),
                          tr("The phrases were imported, but the data file could not be saved. "
                             "They will be saved with your next change."));
        return;
    }

    if (skipped.isEmpty() && withoutAbbreviation.isEmpty()) {
        statusBar()->showMessage(tr("Phrases imported."), BackupNoticeMs);
        return;
    }
    const auto listingOf = [this](const QStringList &labels) {
        const int hidden = qMax(0, labels.size() - PhraseStore::SkippedListed);
        return PhraseStore::skippedListing(labels, tr("…and %n more", nullptr, hidden));
    };
    QString notice;
    if (!skipped.isEmpty()) {
        const int added = store->phrases().size() - before;
        if (added < 1)
            notice = tr("No new phrases were imported.\n\nThese were skipped because the same "
                        "text is already in your list:\n%1")
                         .arg(listingOf(skipped));
        else
            notice = tr("Imported %n new phrase(s).\n\nThese were skipped because the same text "
                        "is already in your list:\n%1",
                        nullptr, added)
                         .arg(listingOf(skipped));
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
    showNotice(notice);
}
