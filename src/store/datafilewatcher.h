#pragma once

// Says when the data file may have been written by something else and the
// writes have settled: a sync tool's temporary file renamed over it, an
// editor writing it in place, a delete and a re-create. The folder is
// watched as well as the file, since a rename over the file ends the watch
// on it; a slow look at the file's size and time covers folders that send
// no change notices (network shares). The receiver decides what changed:
// our own saves are seen here too.

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class DataFileWatcher final : public QObject
{
    Q_OBJECT

public:
    // Quiet this long after the last change before settled(): a sync tool
    // writes, renames and sets times in a burst.
    static constexpr int SettleMs = 400;
    // A file that keeps changing is looked at anyway after this long.
    static constexpr int LongestDelayMs = 3000;
    // The look at the file's size and time where no notice comes.
    static constexpr int PollMs = 2000;

    explicit DataFileWatcher(const QString &filePath, QObject *parent = nullptr);

    // Watches another file (the data folder moved).
    void setFilePath(const QString &filePath);
    const QString &filePath() const { return m_filePath; }

signals:
    // The file (or its folder) changed and has been quiet for SettleMs.
    void settled();
    // Something in the folder changed (a sync tool's conflict copy may have
    // appeared), quiet for SettleMs.
    void folderSettled();

private:
    void watch();
    void onChange(bool folderOnly);
    void onSettled();
    void poll();
    QString statLine() const;

    QString m_filePath;
    QString m_folder;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_poll;
    QElapsedTimer m_firstChange; // invalid while nothing waits
    bool m_folderChanged = false;
    QString m_lastSeen; // exists, size and time at the last look
};
