// Copies of the data file that a sync tool left beside it: found, merged
// into the running list on the user's word, and moved out of the way.

#include "store/phrasestore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <algorithm>

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
    // phrases<separator><anything with "conflict">.json, or
    // phrases-<machine>.json, in any case. Compared by hand: this runs at
    // every start, and a pattern would load and compile the regular
    // expression engine for it, half a megabyte of the program's memory.
    const QLatin1String stem("phrases");
    const QLatin1String suffix(".json");
    if (fileName.size() < stem.size() + 1 + suffix.size() ||
        !fileName.startsWith(stem, Qt::CaseInsensitive) ||
        !fileName.endsWith(suffix, Qt::CaseInsensitive))
        return false;
    // No sync tool writes a control character into a name; one inside (a
    // line break) is refused, as the patterns of before refused it.
    if (std::any_of(fileName.begin(), fileName.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return false;
    const QChar separator = fileName.at(stem.size());
    const QStringView middle = QStringView(fileName).mid(
        stem.size() + 1, fileName.size() - stem.size() - 1 - suffix.size());
    if (QLatin1String(" ._([-").contains(separator) &&
        middle.contains(QLatin1String("conflict"), Qt::CaseInsensitive))
        return true;
    const auto machineCharacter = [](QChar c) {
        const ushort u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
               u == '_' || u == '-';
    };
    return separator == QLatin1Char('-') && !middle.isEmpty() &&
           std::all_of(middle.begin(), middle.end(), machineCharacter);
}

QStringList PhraseStore::conflictCopies() const
{
    QStringList copies;
    // Every name looked at, judged here: QDir's name filters are patterns
    // too. Only the names that can be copies become file infos: the data
    // folder may be a synced folder of thousands of files, and this runs
    // whenever something in it settles.
    QDirIterator entries(m_dataFolder, QDir::Files | QDir::System | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        if (isConflictCopyName(entries.fileName()) && isOwnRegularFile(entries.fileInfo()))
            copies << entries.filePath();
    }
    std::sort(copies.begin(), copies.end());
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
