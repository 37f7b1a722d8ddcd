// Copies of the data file that a sync tool left beside it: found, merged
// into the running list on the user's word, and moved out of the way.

#include "store/phrasestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

// Only what the user owns is read: in a shared folder another local user
// could plant a "copy" to slip phrases (and shortcuts) into the list.
bool isOwnRegularFile(const QFileInfo &info)
{
    if (info.isSymLink() || !info.isFile())
        return false;
#ifndef Q_OS_WIN
    return info.ownerId() == uint(getuid());
#else
    return true;
#endif
}

} // namespace

bool PhraseStore::isConflictCopyName(const QString &fileName)
{
    // phrases<anything with "conflict">.json, or phrases-<machine>.json.
    static const QRegularExpression conflict(
        QStringLiteral("^phrases[ ._(\\[-].*conflict.*\\.json$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression machine(QStringLiteral("^phrases-[A-Za-z0-9_-]+\\.json$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return conflict.match(fileName).hasMatch() || machine.match(fileName).hasMatch();
}

QStringList PhraseStore::conflictCopies() const
{
    QStringList copies;
    const QDir folder(m_dataFolder);
    const QFileInfoList entries =
        folder.entryInfoList({QStringLiteral("phrases*.json"), QStringLiteral("PHRASES*.JSON")},
                             QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (isConflictCopyName(info.fileName()) && isOwnRegularFile(info) &&
            !copies.contains(info.absoluteFilePath()))
            copies << info.absoluteFilePath();
    }
    return copies;
}

PhraseStore::CopyMerge PhraseStore::mergeConflictCopy(const QString &path,
                                                      const QString &keepFolder, QString *movedTo)
{
    if (!isOwnRegularFile(QFileInfo(path)))
        return CopyMerge::Unreadable;
    bool saved = false;
    if (m_haveBase) {
        PhraseJson::Document doc;
        if (JsonFile::read(path, &doc) != JsonFile::ReadResult::Ok)
            return CopyMerge::Unreadable;
        // The copy is not a version both sides share: the base stays.
        mergeIn(sideOf(std::move(doc)));
        saved = save();
    } else {
        QString error;
        saved = importBackup(path, &error);
        if (!error.isEmpty())
            return CopyMerge::Unreadable;
        m_syncReport.listChanged = true;
    }
    if (!saved)
        return CopyMerge::NotSaved;
    QDir().mkpath(keepFolder);
    const QString target = JsonFile::freePathIn(keepFolder, QFileInfo(path).fileName());
    if (!JsonFile::moveFile(path, target))
        return CopyMerge::NotMoved;
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (movedTo)
        *movedTo = target;
    return CopyMerge::Merged;
}
