// Moving the data file to another folder (a synced one), or adopting the
// list another machine left there.

#include "store/datalocation.h"
#include "store/phrasestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The file's stamp as it is now (the bytes hashed); not existing when it
// cannot be read.
JsonFile::Stamp stampNow(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return JsonFile::Stamp();
    return JsonFile::Stamp::of(path, file.readAll());
}

} // namespace

bool PhraseStore::dataFolderMissing() const
{
    return !QFileInfo(m_dataFolder).isDir();
}

QString PhraseStore::localBackupsFolder() const
{
    return DataLocation::backupsFolder(m_localFolder);
}

bool PhraseStore::createLocalBackupsFolder() const
{
    const QString folder = localBackupsFolder();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
}

PhraseStore::Snapshot PhraseStore::snapshot() const
{
    return {m_dataFolder,  m_mayCreateDataFolder, m_phrases,       m_settings,
            m_basePhrases, m_baseSettings,        m_writtenCounts, m_fileStamp,
            m_haveBase,    m_damageKept,          m_syncReport};
}

void PhraseStore::restore(const Snapshot &state)
{
    m_dataFolder = state.dataFolder;
    m_mayCreateDataFolder = state.mayCreateDataFolder;
    m_phrases = state.phrases;
    m_settings = state.settings;
    m_basePhrases = state.basePhrases;
    m_baseSettings = state.baseSettings;
    m_writtenCounts = state.writtenCounts;
    m_fileStamp = state.fileStamp;
    m_haveBase = state.haveBase;
    m_damageKept = state.damageKept;
    m_syncReport = state.syncReport;
}

// The old file goes only as the program last saw it: a sync that wrote it
// during the move keeps it where it is. Beside a list adopted in the new
// folder, it is kept in the local backups.
void PhraseStore::retireOldFile(const QString &oldPath, const JsonFile::Stamp &oldStamp,
                                bool adopted, MoveReport *told)
{
    if (!QFileInfo::exists(oldPath))
        return;
    if (!stampNow(oldPath).sameContent(oldStamp)) {
        told->oldFileLeft = oldPath;
        return;
    }
    if (!adopted) {
        if (!QFile::remove(oldPath))
            told->oldFileLeft = oldPath;
        return;
    }
    const QString name =
        QStringLiteral("phrases-%1.json")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString kept = JsonFile::freePathIn(localBackupsFolder(), name);
    if (createLocalBackupsFolder() && JsonFile::moveFile(oldPath, kept))
        told->oldFileBackup = kept;
    else
        told->oldFileLeft = oldPath;
}

PhraseStore::MoveResult PhraseStore::moveDataFolder(const QString &folder, MoveReport *report)
{
    MoveReport ignored;
    MoveReport &told = report ? *report : ignored;
    told = MoveReport();
    const QString target = DataLocation::absoluteFolder(folder);
    if (DataLocation::sameFolder(target, m_dataFolder))
        return MoveResult::SameFolder;
    switch (DataLocation::checkFolder(target)) {
    case DataLocation::FolderCheck::Usable:
        break;
    case DataLocation::FolderCheck::Missing:
    case DataLocation::FolderCheck::NotAFolder:
        return MoveResult::NotAFolder;
    case DataLocation::FolderCheck::NotOwned:
        return MoveResult::NotOwned;
    }

    // A file load() could not use stays in the old folder under its own
    // name, as it would at the first save there.
    if (m_mustKeepDamaged && !keepDamagedFile())
        return MoveResult::CannotWrite;
    // What the old file got from elsewhere since it was last seen comes
    // along.
    bool writeBack = false;
    absorbOutsideChanges(&writeBack);

    // Everything the move touches, for going back when the new file cannot
    // be written.
    const QString oldPath = dataFilePath();
    const Snapshot before = snapshot();

    m_dataFolder = target;
    m_mayCreateDataFolder = true;
    const QFileInfo there(dataFilePath());
    const bool adopted = there.exists() || there.isSymLink();
    // The file there is the other side of a three-way merge against the
    // base, as a file changed outside is: a list another machine synced
    // there keeps what it changed, and so does ours.
    if (adopted)
        absorbOutsideChanges(&writeBack);
    createDataFolder(); // narrowed to the user
    if (!writeFile()) {
        restore(before);
        return MoveResult::CannotWrite;
    }
    retireOldFile(oldPath, before.fileStamp, adopted, &told);
    if (!m_syncReport.isEmpty())
        emit syncedFromFile();
    return adopted ? MoveResult::Merged : MoveResult::Moved;
}
