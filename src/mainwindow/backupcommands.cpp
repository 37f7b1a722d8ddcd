// File > Export and Import: the file dialogs, the store's backup operations
// and what the user is told.

#include "mainwindow/mainwindow.h"

#include "store/phrasestore.h"
#include "theme/themeddialog.h"

#include <QFileDialog>
#include <QStatusBar>

void MainWindow::exportBackup()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export"), QString(), tr("Phrase backup (*.json)"));
    if (!path.isEmpty())
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
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import"), QString(), tr("Phrase backup (*.json)"));
    if (!path.isEmpty())
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
