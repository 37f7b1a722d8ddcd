#include "store/datafilewatcher.h"

#include <QFileInfo>

DataFileWatcher::DataFileWatcher(const QString &filePath, QObject *parent)
    : QObject(parent), m_watcher(this)
{
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &DataFileWatcher::onSettled);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { onChange(false); });
    // Any name in the folder: the file renamed over, deleted, created.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { onChange(true); });
    connect(&m_poll, &QTimer::timeout, this, &DataFileWatcher::poll);
    m_poll.start(PollMs);
    setFilePath(filePath);
}

void DataFileWatcher::setFilePath(const QString &filePath)
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_filePath = filePath;
    m_folder = QFileInfo(filePath).absolutePath();
    m_lastSeen = statLine();
    watch();
}

// A watch on the file ends when it is renamed over or deleted: it is set
// again whenever the file is there.
void DataFileWatcher::watch()
{
    if (!m_watcher.directories().contains(m_folder) && QFileInfo(m_folder).isDir())
        m_watcher.addPath(m_folder);
    if (!m_watcher.files().contains(m_filePath) && QFileInfo(m_filePath).isFile())
        m_watcher.addPath(m_filePath);
}

QString DataFileWatcher::statLine() const
{
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return QString();
    return QString::number(info.size()) + QLatin1Char(' ') +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

void DataFileWatcher::onChange(bool folderOnly)
{
    watch();
    // A change in the folder may be the file renamed over: settled() comes
    // for every change, folderSettled() for those in the folder too.
    if (folderOnly)
        m_folderChanged = true;
    if (!m_firstChange.isValid())
        m_firstChange.start();
    const qint64 waited = m_firstChange.elapsed();
    m_settle.start(waited >= LongestDelayMs ? 0 : SettleMs);
}

void DataFileWatcher::onSettled()
{
    m_firstChange.invalidate();
    watch();
    m_lastSeen = statLine();
    const bool folder = m_folderChanged;
    m_folderChanged = false;
    emit settled();
    if (folder)
        emit folderSettled();
}

void DataFileWatcher::poll()
{
    watch();
    if (!m_settle.isActive() && statLine() != m_lastSeen)
        onChange(false);
}
