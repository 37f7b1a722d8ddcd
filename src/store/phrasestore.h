#pragma once

// The one owner of the phrase list, the settings and the data folder while
// the program runs. Everything else holds a non-owning pointer to it. It
// never shows a message: every operation reports through its return value.

#include "store/foreignimport.h"
#include "store/jsonfile.h"
#include "store/phrase.h"
#include "store/phrasemerge.h"
#include "store/settings.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class PhraseStore final : public QObject
{
    Q_OBJECT

public:
    // Starts with an empty list and default settings, the language seeded
    // from the system locale; reads nothing until load().
    explicit PhraseStore(const QString &dataFolder, QObject *parent = nullptr);

    const QString &dataFolder() const { return m_dataFolder; }
    QString dataFilePath() const;
    static QString dataFilePathIn(const QString &dataFolder);

    const QVector<Phrase> &phrases() const { return m_phrases; }
    QVector<Phrase> &phrases() { return m_phrases; }
    const Settings &settings() const { return m_settings; }
    Settings &settings() { return m_settings; }
    void setSettings(const Settings &settings) { m_settings = settings; }

    // ---- lookups: linear scans in list order, first match wins ----------

    int indexOfId(const QString &id) const;
    // Empty text finds nothing; compared exactly (case, spaces, line breaks).
    QString findDuplicateText(const QString &text, const QString &excludeId) const;
    // Only enabled phrases take part; vk 0 finds nothing.
    QString findHotkeyConflict(int mods, int vk, const QString &excludeId) const;
    // Equal to the show-window or the picker shortcut.
    bool conflictsWithGlobalHotkey(int mods, int vk) const;
    // The id of the enabled phrase, other than excludeId, whose abbreviation
    // is abbreviation (case counts); empty abbreviation finds nothing.
    QString findAbbreviationConflict(const QString &abbreviation, const QString &excludeId) const;

    // ---- the data file ----------------------------------------------------

    // Creates the data folder and its missing parents readable by the user
    // only, and narrows a data folder that an earlier run left open to
    // others. False when the folder cannot be made.
    bool createDataFolder() const;

    // Clears the list and reads the data file over the current settings. A
    // missing file is a success. A file that cannot be read or parsed is a
    // failure; its bytes are then kept beside it by the next save().
    bool load();
    // The data file as load() reads it, made without a store: on any thread,
    // before the application object exists, and writing nothing.
    struct FileRead
    {
        QString path;
        JsonFile::ReadResult result = JsonFile::ReadResult::Missing;
        PhraseJson::Document document;
        // Taken right after the read, as load() takes it.
        JsonFile::Stamp stamp;
    };
    static FileRead readDataFile(const QString &dataFolder);
    // load() over a read made before; a read of another file than this
    // store's is not used, and the store's file is read instead.
    bool load(FileRead read);
    // Rewrites the whole data file atomically (creating the data folder
    // first). False leaves the old file.
    bool save();
    // Where the bytes of a damaged data file went, once save() kept them.
    const QString &keptDamagedFile() const { return m_keptDamagedFile; }

    // ---- the data file written by something else ----------------------------
    // A synced folder, another machine or an editor may write the file while
    // the program runs. A file that is no longer what the program last read
    // or wrote is merged three ways with the running state by phrase id
    // (PhraseMerge), never overwritten; the base is the content last loaded
    // or taken in from outside.

    // What the merges since the last takeSyncReport() did, for a notice.
    struct SyncReport
    {
        bool listChanged = false;         // the running list follows the file
        QStringList changedSettings;      // the keys of the settings that follow it
        QStringList changedOnBothSides;   // ours kept, theirs added disabled
        QStringList keptChangedElsewhere; // deleted here, changed there: kept
        QStringList withoutShortcut;      // incoming phrases that lost theirs
        QStringList withoutAbbreviation;
        QStringList damagedFilesKept; // broken files from outside, kept aside
        bool isEmpty() const
        {
            return !listChanged && changedSettings.isEmpty() && changedOnBothSides.isEmpty() &&
                   keptChangedElsewhere.isEmpty() && withoutShortcut.isEmpty() &&
                   withoutAbbreviation.isEmpty() && damagedFilesKept.isEmpty();
        }
    };
    // Looks at the data file now: unchanged since the last load or save (our
    // own save included), nothing happens; written by something else, it is
    // merged into the running state and, when the merge kept something of
    // ours the file lacks, written back; broken, its bytes are kept aside
    // and the running state stays (the next save writes it). Gone, nothing
    // happens: the next save writes the file again. Emits syncedFromFile()
    // when the report has something to say. False when a merged file could
    // not be written back (the merge stays in the running state).
    bool syncWithFile();
    // Whether the data file's presence, size or time differ from the last
    // load, save or sync: one look at the folder entry, nothing read. For a
    // change that came before anything watched the file.
    bool fileChangedSinceSeen() const;
    SyncReport takeSyncReport();
    // The name of the disabled copy a merge adds for a phrase changed on
    // both sides; %1 is the phrase's name. Translated by the window.
    void setChangedElsewhereFormat(const QString &format) { m_changedElsewhereFormat = format; }

    // ---- copies a sync tool left beside the data file ------------------------
    // When two machines change the file before they meet, a sync tool keeps
    // one version as the file and the other as a copy beside it under a name
    // of its own (Syncthing's phrases.sync-conflict-..., a cloud drive's
    // "phrases (... conflicted copy ...)", OneDrive's phrases-MACHINE).

    static bool isConflictCopyName(const QString &fileName);
    // The copies in the data folder now, by name. Only regular files of the
    // user's own: a link or another user's file is not ours to read.
    QStringList conflictCopies() const;
    enum class CopyMerge
    {
        Merged,     // merged, saved, and the copy moved into keepFolder
        Unreadable, // not a phrase list: nothing changed
        NotSaved,   // merged into the running list, the data file not written
        NotMoved    // merged and saved; the copy stays where it was
    };
    // Merges the copy into the running state three ways against the base
    // when the program has one (the file loaded or taken in last), as Import
    // does when not; saves; then moves the copy into keepFolder so that it is
    // not offered again. *movedTo receives its new path.
    CopyMerge mergeConflictCopy(const QString &path, const QString &keepFolder,
                                QString *movedTo = nullptr);

signals:
    // A merge changed the running state or has something to tell: a
    // queued receiver takes the report and shows what changed.
    void syncedFromFile();

public:
    // ---- where the data file lives ------------------------------------------

    // Switches to another folder and reads or writes nothing: what was last
    // loaded or saved stays the base, so the next syncWithFile() merges the
    // file there into the running list.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    // Whether createDataFolder() makes a missing data folder (the usual
    // folder, --data-dir). A folder chosen elsewhere is not made: a synced
    // drive not mounted yet would get an empty list of its own, so nothing
    // is saved until it is there.
    void setMayCreateDataFolder(bool may) { m_mayCreateDataFolder = may; }
    bool dataFolderMissing() const;
    // The folder for what stays on this machine and is never synced (the
    // backups): the usual data folder, or the folder of a portable run.
    // Starts as the data folder.
    const QString &localFolder() const { return m_localFolder; }
    void setLocalFolder(const QString &folder) { m_localFolder = folder; }
    QString localBackupsFolder() const;
    // Makes the backups folder, readable by the user only; false when it
    // cannot be had.
    bool createLocalBackupsFolder() const;

    enum class MoveResult
    {
        Moved,       // written there; the file here removed
        Merged,      // a list was there: merged with the running one, written
        SameFolder,  // nothing to do
        NotAFolder,  // missing, or a file
        NotOwned,    // another user's folder, or a link of theirs: refused
        CannotWrite, // nothing changed: this folder and its file stay in use
    };
    struct MoveReport
    {
        QString oldFileLeft;   // the old file, which could not go, is still here
        QString oldFileBackup; // where the old file went, after a merge
    };
    // Moves the list to folder. With no data file there, the running list
    // is written there and the old file removed. With one (a synced folder
    // another machine filled), it is merged three ways with the running list
    // as a file changed outside (what was last saved is the base), the
    // result written there, and the old file moved into the local backups
    // folder. Changes the old file got meanwhile are merged in first; an old
    // file that changes during the move stays where it is. When the new file
    // cannot be written, nothing changes. Emits syncedFromFile() when the
    // merge has something to say.
    MoveResult moveDataFolder(const QString &folder, MoveReport *report = nullptr);

    // ---- backups ----------------------------------------------------------

    bool exportBackup(const QString &path) const;
    // Appends every phrase whose text is new, with a fresh id and without a
    // shortcut or an abbreviation that would collide, then saves. *error
    // becomes "read" or "format" when the file cannot be opened or is not a
    // JSON object; *skipped receives one label per duplicate, in file order,
    // and *withoutAbbreviation one per phrase that lost its abbreviation
    // (taken by another enabled phrase, or not a valid one), with, in the
    // same place of *abbreviationHolders, the label of the phrase that has it
    // (empty for one that is not valid).
    bool importBackup(const QString &path, QString *error = nullptr, QStringList *skipped = nullptr,
                      QStringList *withoutAbbreviation = nullptr,
                      QStringList *abbreviationHolders = nullptr);

    // What an import of any file brought, for the notice and the command
    // line's summary.
    struct ImportReport
    {
        ForeignImport::Format format = ForeignImport::Format::Unknown;
        QString error; // "read", "format" (and the reader's words), "save"
        int added = 0;
        QStringList skipped; // the same text is in the list already
        QStringList withoutAbbreviation;
        QStringList abbreviationHolders;
        QVector<ForeignImport::Note> notes; // entries not imported, and why
        int moreNotes = 0;                  // more of them, beyond ForeignImport::MaxNotes
    };
    // Reads a backup, an Espanso match file, Beeftext's JSON or CSV or a
    // plain CSV (ForeignImport::detect), merges its phrases as importBackup
    // does and saves. False with report->error when the file could not be
    // read ("read"), was no file of these ("format": nothing merged) or the
    // data file could not be written ("save": the phrases are merged).
    bool importFile(const QString &path, ImportReport *report);
    // name,text,abbreviation with a header (ForeignImport::writeCsv).
    bool exportCsv(const QString &path) const;

    // The short label that names a phrase in a message (a skipped one in
    // the import notice, the holder of a shortcut or abbreviation): its name,
    // or the start of its text when it has none, as one plain line of at
    // most 40 characters.
    static QString phraseLabel(const Phrase &phrase);
    // The first SkippedListed labels, one a line, then moreFormat on a line
    // of its own when there are more. A %1 in moreFormat stands for how many
    // were left out; a caller with plural forms puts the count in itself.
    static constexpr int SkippedListed = 20;
    static QString skippedListing(const QStringList &labels,
                                  const QString &moreFormat = defaultMoreFormat());
    static QString defaultMoreFormat();

    // ---- the 3.0 edition's data file ---------------------------------------

    // Reads the old file once per data file (guarded by importedV3), appends
    // at most 30 phrases and saves. Returns how many were appended.
    int importLegacy();
    const QString &legacyFilePath() const { return m_legacyFilePath; }
    void setLegacyFilePath(const QString &path) { m_legacyFilePath = path; }
    // Where the 3.0 edition kept its file: the fixed Windows path, or inside
    // the Wine prefix it ran under elsewhere.
    static QString defaultLegacyFilePath();
    static QString legacyFilePathFor(bool windows, const QString &winePrefix, const QString &home);

private:
    // The merge of imported phrases into the list, the same for every kind
    // of file: a text already in the list is skipped (phrases of one entry,
    // given the same number in entries, are not duplicates of each other),
    // a colliding shortcut or abbreviation is dropped. Saves nothing.
    void mergeImported(QVector<Phrase> phrases, const QVector<int> &entries, int *added,
                       QStringList *skipped, QStringList *withoutAbbreviation,
                       QStringList *abbreviationHolders);

    bool keepDamagedFile();
    // Merges the file into the running state when it is no longer what the
    // program last read or wrote; *writeBack is set when the file lacks
    // something the merge kept. True when there is news for the report.
    bool absorbOutsideChanges(bool *writeBack);
    bool keepOutsideDamage(const QString &path, const QByteArray &bytes,
                           const JsonFile::Stamp &stamp);
    // What a move of the data folder may have to put back.
    struct Snapshot
    {
        QString dataFolder;
        bool mayCreateDataFolder;
        QVector<Phrase> phrases;
        Settings settings;
        QVector<Phrase> basePhrases;
        Settings baseSettings;
        PhraseMerge::WrittenCounts writtenCounts;
        JsonFile::Stamp fileStamp;
        bool haveBase;
        JsonFile::Stamp damageKept;
        SyncReport syncReport;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot &state);
    void retireOldFile(const QString &oldPath, const JsonFile::Stamp &oldStamp, bool adopted,
                       MoveReport *told);
    // A file's content as one side of a merge.
    PhraseMerge::Side sideOf(PhraseJson::Document &&doc) const;
    // Merges theirs into the running state against the base, adding to the
    // sync report; true when theirs lacks something the merge kept.
    bool mergeIn(const PhraseMerge::Side &theirs);
    void rememberBase(const JsonFile::Stamp &stamp);
    bool writeFile();

    QString m_dataFolder;
    QString m_localFolder;
    bool m_mayCreateDataFolder = true;
    QVector<Phrase> m_phrases;
    Settings m_settings;
    QString m_legacyFilePath;
    // Set when load() met a file it could not use, cleared once its bytes are
    // kept: the first save must not destroy what the user had.
    bool m_mustKeepDamaged = false;
    QString m_keptDamagedFile;

    // The base of a merge: the content last loaded or taken in from a file
    // written outside, the version both sides have. Our own saves do not
    // move it.
    QVector<Phrase> m_basePhrases;
    Settings m_baseSettings;
    // The counts of our writes since the base: the other side may have
    // built on any of them.
    PhraseMerge::WrittenCounts m_writtenCounts;
    // The file as we last read or wrote it: anything else is news.
    JsonFile::Stamp m_fileStamp;
    bool m_haveBase = false;      // a valid file was loaded or taken in
    JsonFile::Stamp m_damageKept; // a broken file from outside already kept
    SyncReport m_syncReport;
    QString m_changedElsewhereFormat = QStringLiteral("%1 (changed elsewhere)");
};
