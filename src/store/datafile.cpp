// The data file: load, save, and keeping a damaged file before the first
// save overwrites it.

#include "store/jsonfile.h"
#include "store/phrasestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

PhraseStore::FileRead PhraseStore::readDataFile(const QString &dataFolder)
{
    FileRead read;
    read.path = dataFilePathIn(dataFolder);
    QByteArray bytes;
    read.result = JsonFile::read(read.path, &read.document, &bytes);
    if (read.result != JsonFile::ReadResult::Missing)
        read.stamp = JsonFile::Stamp::of(read.path, bytes);
    return read;
}

bool PhraseStore::load()
{
    return load(readDataFile(m_dataFolder));
}

bool PhraseStore::load(FileRead read)
{
    if (read.path != dataFilePath())
        read = readDataFile(m_dataFolder);
    m_phrases.clear();
    PhraseJson::Document &doc = read.document;
    switch (read.result) {
    case JsonFile::ReadResult::Missing:
        rememberBase(JsonFile::Stamp());
        return true;
    case JsonFile::ReadResult::CannotRead:
    case JsonFile::ReadResult::NotAnObject:
        // Nothing of it is the base: a file that appears whole later is
        // merged in as all new.
        m_mustKeepDamaged = true;
        rememberBase(read.stamp);
        m_basePhrases.clear();
        return false;
    case JsonFile::ReadResult::Ok:
        break;
    }

    m_settings.readJson(doc.settings);
    m_phrases.reserve(doc.phrases.size());
    for (Phrase &p : doc.phrases) {
        if (!p.text.isEmpty())
            m_phrases.append(std::move(p));
    }
    rememberBase(read.stamp);
    m_haveBase = true;
    return true;
}

bool PhraseStore::createDataFolder() const
{
    const auto userOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (!m_mayCreateDataFolder && !QFileInfo(m_dataFolder).isDir())
        return false;
    // Missing folders are made one at a time, each user-only before anything
    // goes in, the way XDG asks for folders a program creates itself.
    QStringList missing;
    QString path = QDir::cleanPath(QDir(m_dataFolder).absolutePath());
    while (!QFileInfo::exists(path)) {
        missing.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    for (const QString &folder : qAsConst(missing)) {
        if (!QDir().mkdir(folder) && !QFileInfo(folder).isDir())
            return false;
        QFile::setPermissions(folder, userOnly);
    }
    // Only the data folder itself is narrowed: its parents may be shared
    // with other programs (~/.local/share).
    const QFileInfo info(m_dataFolder);
    if (!info.isDir())
        return false;
    if (info.permissions() & others)
        return QFile::setPermissions(m_dataFolder, userOnly);
    return true;
}

bool PhraseStore::save()
{
    createDataFolder();
    if (m_mustKeepDamaged && !keepDamagedFile())
        return false;
    // What another machine or program wrote since is merged in first: a
    // save never replaces what it has not seen.
    bool writeBack = false;
    const bool news = absorbOutsideChanges(&writeBack);
    const bool written = writeFile();
    if (news)
        emit syncedFromFile();
    return written;
}

bool PhraseStore::writeFile()
{
    const QJsonObject settings = m_settings.toJson();
    const QString path = dataFilePath();
    const QByteArray bytes = PhraseJson::write(m_phrases, &settings);
    if (!JsonFile::writeAtomically(path, bytes))
        return false;
    // Our own file: not a new base. The other machine's next version may
    // well be made from the file before ours, and an edit made here since
    // must then meet its edit as a change on both sides, not be undone.
    m_fileStamp = JsonFile::Stamp::of(path, bytes);
    m_writtenCounts.wrote(m_phrases);
    return true;
}

// Moves the file that load() could not use out of the way under a dated
// name, so that no save ever replaces what the user had. When it can be
// neither renamed nor copied, saving stays refused for this run.
bool PhraseStore::keepDamagedFile()
{
    const QString path = dataFilePath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        m_mustKeepDamaged = false; // gone since load(): nothing to keep
        return true;
    }
    const QString target = JsonFile::damagedCopyPath(path);
    if (!QFile::rename(path, target) && !QFile::copy(path, target))
        return false;
    // Private like the data file it was, whatever mode it came with.
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_mustKeepDamaged = false;
    m_keptDamagedFile = target;
    return true;
}
