// The data file written by something other than this program while it runs:
// merged into the running state, never overwritten unseen.

#include "store/phrasemerge.h"
#include "store/phrasestore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

void PhraseStore::rememberBase(const JsonFile::Stamp &stamp)
{
    // Implicitly shared: the base costs nothing until the list changes.
    m_basePhrases = m_phrases;
    m_writtenCounts.clear();
    m_baseSettings = m_settings;
    m_fileStamp = stamp;
}

bool PhraseStore::syncWithFile()
{
    bool writeBack = false;
    const bool news = absorbOutsideChanges(&writeBack);
    bool written = true;
    if (writeBack) {
        createDataFolder();
        written = writeFile();
    }
    if (news)
        emit syncedFromFile();
    return written;
}

bool PhraseStore::fileChangedSinceSeen() const
{
    const QFileInfo info(dataFilePath());
    if (info.exists() != m_fileStamp.exists)
        return true;
    return info.exists() && (info.size() != m_fileStamp.size ||
                             info.lastModified().toMSecsSinceEpoch() != m_fileStamp.modifiedMs);
}

PhraseStore::SyncReport PhraseStore::takeSyncReport()
{
    SyncReport report;
    std::swap(report, m_syncReport);
    return report;
}

bool PhraseStore::absorbOutsideChanges(bool *writeBack)
{
    *writeBack = false;
    const QString path = dataFilePath();
    QByteArray bytes;
    JsonFile::ReadResult read = JsonFile::readBytes(path, &bytes);
    // Deleted (or half way through a delete and re-create): the running
    // state stays, and the next save writes the file again. Not readable
    // now (held open by a sync tool, a folder in its place): looked at
    // again at the next change or save.
    if (read == JsonFile::ReadResult::Missing || read == JsonFile::ReadResult::CannotRead)
        return false;
    const JsonFile::Stamp now = JsonFile::Stamp::of(path, bytes);
    if (now.sameContent(m_fileStamp))
        return false; // our own save, or nothing new: not parsed again
    PhraseJson::Document doc;
    if (read == JsonFile::ReadResult::Ok)
        read = JsonFile::parse(bytes, &doc);
    if (read != JsonFile::ReadResult::Ok) {
        // Half synced, or edited by hand into something that is no list:
        // kept, once, and the running state stays. The file is not written
        // now: a sync tool may be half way and finish it whole in a moment.
        return !now.sameContent(m_damageKept) && keepOutsideDamage(path, bytes, now);
    }
    PhraseMerge::Side theirs = sideOf(std::move(doc));
    *writeBack = mergeIn(theirs);
    // The file as read is the base now: the version the other side and we
    // both have. What the merge kept of ours goes back into the file.
    m_basePhrases = theirs.phrases;
    m_writtenCounts.clear();
    m_baseSettings = theirs.settings;
    m_fileStamp = now;
    m_haveBase = true;
    return true;
}

PhraseMerge::Side PhraseStore::sideOf(PhraseJson::Document &&doc) const
{
    PhraseMerge::Side side;
    side.settings = m_baseSettings; // keys a file lacks are not changes
    side.settings.readJson(doc.settings);
    side.phrases.reserve(doc.phrases.size());
    for (Phrase &p : doc.phrases) {
        if (!p.text.isEmpty())
            side.phrases.append(std::move(p));
    }
    return side;
}

bool PhraseStore::mergeIn(const PhraseMerge::Side &theirs)
{
    const PhraseMerge::Result merged = PhraseMerge::merge(
        {m_basePhrases, m_baseSettings}, {m_phrases, m_settings}, theirs, m_changedElsewhereFormat,
        &m_writtenCounts);
    const QJsonObject before = m_settings.toJson();
    const QJsonObject after = merged.settings.toJson();
    SyncReport &r = m_syncReport;
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.value(it.key()) != it.value() && !r.changedSettings.contains(it.key()))
            r.changedSettings << it.key();
    }
    m_phrases = merged.phrases;
    m_settings = merged.settings;
    r.listChanged = r.listChanged || merged.oursChanged;
    r.changedOnBothSides += merged.changedOnBothSides;
    r.keptChangedElsewhere += merged.keptChangedElsewhere;
    r.withoutShortcut += merged.withoutShortcut;
    r.withoutAbbreviation += merged.withoutAbbreviation;
    return merged.theirsChanged;
}

// A copy, not a move: a sync tool may still be writing the file, and the
// running state replaces it at once anyway.
bool PhraseStore::keepOutsideDamage(const QString &path, const QByteArray &bytes,
                                    const JsonFile::Stamp &stamp)
{
    const QString target = JsonFile::damagedCopyPath(path);
    // A file too large to be read was not read: copied as it is.
    const bool kept =
        bytes.isEmpty() && QFileInfo(path).size() > 0
            ? QFile::copy(path, target) &&
                  QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            : JsonFile::writeAtomically(target, bytes);
    if (!kept)
        return false;
    m_damageKept = stamp;
    m_syncReport.damagedFilesKept.append(target);
    return true;
}
