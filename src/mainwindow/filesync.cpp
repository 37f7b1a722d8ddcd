// The data file written by another machine or program while the program
// runs: the store merges it, and the window follows and says what happened.

#include "base/testtrace.h"
#include "mainwindow/mainwindow.h"
#include "store/datafilewatcher.h"
#include "store/phrasestore.h"
#include "theme/theme.h"
#include "theme/themeddialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int SyncNoticeMs = 6000;
// Names in a balloon: a few, then how many more.
constexpr int BalloonNames = 5;

QString names(const QStringList &labels)
{
    QString list = labels.mid(0, BalloonNames).join(QStringLiteral(", "));
    if (labels.size() > BalloonNames)
        list += QLatin1Char(' ') +
                MainWindow::tr("…and %n more", nullptr, labels.size() - BalloonNames);
    return list;
}

// One paragraph for each thing the user should know; empty when the file
// only brought changes that show for themselves.
QString syncNotice(const PhraseStore::SyncReport &r)
{
    QStringList parts;
    if (!r.changedOnBothSides.isEmpty())
        parts << MainWindow::tr("Changed here and elsewhere: %1. The other version of each was "
                                "added, switched off.")
                     .arg(names(r.changedOnBothSides));
    if (!r.keptChangedElsewhere.isEmpty())
        parts << MainWindow::tr("Deleted here but changed elsewhere, so kept: %1.")
                     .arg(names(r.keptChangedElsewhere));
    if (!r.withoutShortcut.isEmpty())
        parts << MainWindow::tr("Without their shortcut, which another phrase has: %1.")
                     .arg(names(r.withoutShortcut));
    if (!r.withoutAbbreviation.isEmpty())
        parts << MainWindow::tr("Without their abbreviation, which another phrase has: %1.")
                     .arg(names(r.withoutAbbreviation));
    if (!r.damagedFilesKept.isEmpty())
        parts << MainWindow::tr("The phrase file was changed into something that cannot be read. "
                                "Your phrases stay as they are and will be saved with your next "
                                "change; what the file held was kept in %1.")
                     .arg(r.damagedFilesKept.constLast());
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace

void MainWindow::watchDataFile()
{
    store->setChangedElsewhereFormat(tr("%1 (changed elsewhere)"));
    buildCopiesNote();
    m_dataFileWatcher = new DataFileWatcher(store->dataFilePath(), this);
    connect(m_dataFileWatcher, &DataFileWatcher::settled, this, &MainWindow::onDataFileSettled);
    connect(m_dataFileWatcher, &DataFileWatcher::folderSettled, this,
            &MainWindow::checkConflictCopies);
    checkConflictCopies();
    // Queued: a merge inside a save runs in the middle of another command,
    // which finishes before the window follows.
    connect(store, &PhraseStore::syncedFromFile, this, &MainWindow::onSyncedFromFile,
            Qt::QueuedConnection);
    // Written since the load (a sync tool catching up at login): no notice
    // will come for it. From the event loop, as after a notice.
    if (store->fileChangedSinceSeen())
        QTimer::singleShot(0, this, &MainWindow::onDataFileSettled);
}

void MainWindow::onDataFileSettled()
{
    if (m_quitting)
        return;
    store->syncWithFile();
}

void MainWindow::onSyncedFromFile()
{
    const PhraseStore::SyncReport report = store->takeSyncReport();
    if (report.isEmpty() || m_quitting)
        return;
    const QStringList &keys = report.changedSettings;
    if (keys.contains(QLatin1String("uiTheme")))
        applyTheme(Theme::normalised(store->settings().uiTheme), false);
    if (keys.contains(QLatin1String("language")))
        applyLanguage(store->settings().language);
    if (std::any_of(keys.begin(), keys.end(), [](const QString &key) {
            return key.startsWith(QLatin1String("floatingPanel"));
        }))
        applyFloatingPanelSettings();
    if (!keys.isEmpty()) {
        updateStatusLabel();
        updateKeysNote();
    }
    if (report.listChanged || !keys.isEmpty()) {
        refreshTable();
        registerShortcuts();
    }
    TestTrace::line(QStringLiteral("data file merged"));
    const QString notice = syncNotice(report);
    if (!notice.isEmpty())
        showBalloon(notice, !report.damagedFilesKept.isEmpty());
    // The balloon may come and go unseen: the window says it too.
    statusBar()->showMessage(
        notice.isEmpty() ? tr("The phrase list was updated from its file.")
                         : QString(notice).replace(QLatin1String("\n\n"), QLatin1String(" ")),
        SyncNoticeMs);
}

void MainWindow::buildCopiesNote()
{
    // Placed last, so first above the table: the user's own list is at stake.
    m_copiesNote = addNoteStrip(&m_copiesLabel, &m_copiesMerge, &m_copiesLater);
    connect(m_copiesMerge, &QPushButton::clicked, this, &MainWindow::mergeConflictCopies);
    connect(m_copiesLater, &QPushButton::clicked, this, [this] {
        m_putOffCopies += m_pendingCopies;
        m_pendingCopies.clear();
        m_copiesNote->hide();
    });
}

void MainWindow::checkConflictCopies()
{
    if (!m_copiesNote || m_quitting)
        return;
    QStringList copies;
    for (const QString &path : store->conflictCopies()) {
        if (!m_putOffCopies.contains(path))
            copies << path;
    }
    if (copies == m_pendingCopies)
        return;
    QStringList fresh;
    for (const QString &path : qAsConst(copies)) {
        if (!m_pendingCopies.contains(path))
            fresh << QFileInfo(path).fileName();
    }
    m_pendingCopies = copies;
    m_copiesMerge->setText(tr("Merge"));
    m_copiesLater->setText(tr("Not now"));
    QStringList names;
    for (const QString &path : qAsConst(copies))
        names << QFileInfo(path).fileName();
    const QString listed = names.join(QStringLiteral(", "));
    m_copiesLabel->setText(
        copies.size() == 1
            ? tr("A sync program left another version of your phrase list beside it: %1. Merge "
                 "it into your list? It is then moved to the backups folder.")
                  .arg(listed)
            : tr("A sync program left %n other versions of your phrase list beside it: %1. "
                 "Merge them into your list? Each is then moved to the backups folder.",
                 nullptr, copies.size())
                  .arg(listed));
    m_copiesNote->setVisible(!copies.isEmpty());
    if (!fresh.isEmpty())
        showBalloon(tr("A sync program left another version of your phrase list: %1. Open the "
                       "window to merge it.")
                        .arg(fresh.join(QStringLiteral(", "))),
                    false);
}

void MainWindow::mergeConflictCopies()
{
    // Local even when the list lives in a synced folder: the copies are
    // this machine's business.
    store->createLocalBackupsFolder();
    const QString keep = store->localBackupsFolder();
    QStringList failed;
    int merged = 0;
    for (const QString &path : qAsConst(m_pendingCopies)) {
        switch (store->mergeConflictCopy(path, keep)) {
        case PhraseStore::CopyMerge::Merged:
            ++merged;
            break;
        case PhraseStore::CopyMerge::NotMoved:
            ++merged;
            m_putOffCopies << path; // merged: not offered again
            break;
        case PhraseStore::CopyMerge::Unreadable:
        case PhraseStore::CopyMerge::NotSaved:
            failed << QFileInfo(path).fileName();
            m_putOffCopies << path;
            break;
        }
    }
    m_pendingCopies.clear();
    m_copiesNote->hide();
    TestTrace::line(QStringLiteral("copies merged %1").arg(merged));
    onSyncedFromFile();
    if (!failed.isEmpty())
        showThemedMessage(this, windowTitle(),
                          tr("These could not be merged: %1. They stay where they are.")
                              .arg(failed.join(QStringLiteral(", "))));
    else
        statusBar()->showMessage(
            (merged == 1
                 ? tr("Merged into your list; the copy was moved to %1.")
                 : tr("Merged %n versions into your list; they were moved to %1.", nullptr, merged))
                .arg(QDir::toNativeSeparators(keep)),
            SyncNoticeMs);
    checkConflictCopies();
}
