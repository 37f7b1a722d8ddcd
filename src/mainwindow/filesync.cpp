// The data file written by another machine or program while the program
// runs: the store merges it, and the window follows and says what happened.

#include "base/testtrace.h"
#include "mainwindow/mainwindow.h"
#include "store/datafilewatcher.h"
#include "store/phrasestore.h"
#include "theme/theme.h"

#include <QStatusBar>

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
    m_dataFileWatcher = new DataFileWatcher(store->dataFilePath(), this);
    connect(m_dataFileWatcher, &DataFileWatcher::settled, this, &MainWindow::onDataFileSettled);
    // Queued: a merge inside a save runs in the middle of another command,
    // which finishes before the window follows.
    connect(store, &PhraseStore::syncedFromFile, this, &MainWindow::onSyncedFromFile,
            Qt::QueuedConnection);
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
    statusBar()->showMessage(notice.isEmpty() ? tr("The phrase list was updated from its file.")
                                              : QString(notice).replace(QLatin1String("\n\n"),
                                                                        QLatin1String(" ")),
                             SyncNoticeMs);
}
