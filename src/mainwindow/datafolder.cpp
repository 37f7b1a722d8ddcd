// Where the phrase list lives: Options' Data folder…, and what start-up found
// of the folder chosen before.

#include "base/testtrace.h"
#include "mainwindow/mainwindow.h"
#include "store/datafilewatcher.h"
#include "store/phrasestore.h"
#include "theme/themeddialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int FolderNoticeMs = 8000;

// Options, when the move comes from there: its questions and answers stand
// over it.
QWidget *over(QWidget *window, QDialog *options)
{
    return options ? static_cast<QWidget *>(options) : window;
}

} // namespace

void MainWindow::setDataLocation(const DataLocation::Choice &choice)
{
    m_dataLocation = choice;
    QString notice;
    if (!choice.refusedFolder.isEmpty())
        notice = tr("The folder chosen for your phrase list, %1, belongs to another user, or is "
                    "reached through a link of theirs. Your phrases are kept in the usual "
                    "folder, %2, until you choose another one in Options.")
                     .arg(QDir::toNativeSeparators(choice.refusedFolder),
                          QDir::toNativeSeparators(store->dataFolder()));
    else if (choice.fromPointer && store->dataFolderMissing())
        notice = tr("The folder of your phrase list, %1, is not there (a drive not connected "
                    "yet?). Nothing is saved until it is; your phrases appear when it does.")
                     .arg(QDir::toNativeSeparators(store->dataFolder()));
    if (!notice.isEmpty())
        QTimer::singleShot(0, this, [this, notice] { showBalloon(notice, true); });
}

QString MainWindow::chooseDataFolder()
{
    QFileDialog dialog(over(this, m_settingsDialog), tr("Data folder"), store->dataFolder());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return store->dataFolder();
    return moveDataFolder(dialog.selectedFiles().constFirst());
}

QString MainWindow::moveDataFolder(const QString &folder)
{
    const QString from = QDir::toNativeSeparators(store->dataFolder());
    const QString to = QDir::toNativeSeparators(DataLocation::absoluteFolder(folder));
    // Portable: the folder is the command line's, and nothing is written
    // beside the program's usual one.
    if (m_dataLocation.fromCommandLine)
        return store->dataFolder();
    const QString oldFolder = store->dataFolder();
    if (DataLocation::sameFolder(folder, oldFolder))
        return oldFolder;
    // Remembered first, on this machine only, beside the program's usual
    // folder: a move the next start would not know of would leave it with
    // an empty list.
    if (!DataLocation::writePointer(store->localFolder(), DataLocation::absoluteFolder(folder))) {
        showThemedMessage(over(this, m_settingsDialog), windowTitle(),
                          tr("The new folder could not be remembered in %1. Your phrases stay "
                             "in %2.")
                              .arg(QDir::toNativeSeparators(store->localFolder()), from));
        return oldFolder;
    }
    PhraseStore::MoveReport report;
    const PhraseStore::MoveResult result = store->moveDataFolder(folder, &report);
    QString failure;
    switch (result) {
    case PhraseStore::MoveResult::SameFolder:
        return store->dataFolder();
    case PhraseStore::MoveResult::NotAFolder:
        failure = tr("%1 is not a folder.").arg(to);
        break;
    case PhraseStore::MoveResult::NotOwned:
        failure = tr("The folder %1 belongs to another user, or is reached through a link of "
                     "theirs: your phrases are not kept there.")
                      .arg(to);
        break;
    case PhraseStore::MoveResult::CannotWrite:
        failure = tr("Your phrases could not be written to %1. They stay where they were, in %2.")
                      .arg(to, from);
        break;
    case PhraseStore::MoveResult::Moved:
    case PhraseStore::MoveResult::Merged:
        break;
    }
    if (!failure.isEmpty()) {
        DataLocation::writePointer(store->localFolder(), oldFolder);
        showThemedMessage(over(this, m_settingsDialog), windowTitle(), failure);
        return store->dataFolder();
    }
    TestTrace::line(QStringLiteral("data folder moved"));
    if (m_dataFileWatcher)
        m_dataFileWatcher->setFilePath(store->dataFilePath());
    refreshTable();
    registerShortcuts();
    // A synced folder may hold a sync tool's copies already.
    m_putOffCopies.clear();
    checkConflictCopies();

    QStringList said;
    if (result == PhraseStore::MoveResult::Merged)
        said << tr("A phrase list was already in %1: it was merged with yours, and your phrases "
                   "are kept there now.")
                    .arg(to);
    else
        said << tr("Your phrases are kept in %1 now.").arg(to);
    if (!report.oldFileBackup.isEmpty())
        said << tr("The file from %1 was kept in %2.")
                    .arg(from, QDir::toNativeSeparators(report.oldFileBackup));
    if (!report.oldFileLeft.isEmpty())
        said << tr("The old file %1 could not be removed; it is no longer used.")
                    .arg(QDir::toNativeSeparators(report.oldFileLeft));
    if (said.size() == 1 && result == PhraseStore::MoveResult::Moved)
        statusBar()->showMessage(said.constFirst(), FolderNoticeMs);
    else
        showThemedMessage(over(this, m_settingsDialog), windowTitle(),
                          said.join(QStringLiteral("\n\n")));
    return store->dataFolder();
}
