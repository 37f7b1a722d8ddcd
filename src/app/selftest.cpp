#include "app/selftest.h"

#include "base/textconvert.h"
#include "store/datalocation.h"
#include "store/phrasestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QTemporaryDir>
#endif

namespace SelfTest {

namespace {

#ifdef Q_OS_UNIX

// Removes everything inside the folder open at dirFd, never following a
// link (a link is removed itself). False when something could not go.
bool emptyFolder(int dirFd, int depth = 0)
{
    if (depth > 32)
        return false; // not what an earlier run left
    const int listFd = ::dup(dirFd);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return false;
    }
    bool ok = true;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        struct stat st;
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            ok = sub >= 0 && emptyFolder(sub, depth + 1) && ok;
            if (sub >= 0)
                ::close(sub);
            ok = ::unlinkat(dirFd, name, AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(dirFd, name, 0) == 0 && ok;
        }
    }
    ::closedir(dir);
    return ok;
}

// The fixed folder, made or found as this user's own and private, and
// emptied; false (and nothing touched that is not ours) otherwise.
bool claimFixedFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const bool made = ::mkdir(name.constData(), 0700) == 0;
    if (!made && errno != EEXIST)
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false; // a link, a file, or nothing we may open
    struct stat st;
    // Ours, and nobody else could have put anything in it: an earlier run of
    // an older version left it 0755.
    bool ours = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
                (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    if (ours)
        ours = ::fchmod(fd, 0700) == 0 && (made || emptyFolder(fd));
    ::close(fd);
    return ours;
}

QString makePrivateFolder()
{
    QByteArray pattern = QFile::encodeName(SelfTest::scratchFolder()) + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return QString();
    return QFile::decodeName(pattern);
}

bool removePrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = emptyFolder(fd);
    ::close(fd);
    return emptied && ::rmdir(name.constData()) == 0;
}

#else

// The temporary folder is the user's own here (in the user's profile).
bool claimFixedFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction())
        return false;
    if (info.exists() && (!info.isDir() || !QDir(path).removeRecursively()))
        return false;
    return QDir().mkpath(path);
}

QString makePrivateFolder()
{
    QTemporaryDir dir(SelfTest::scratchFolder() + QLatin1String("-XXXXXX"));
    dir.setAutoRemove(false);
    return dir.isValid() ? dir.path() : QString();
}

bool removePrivateFolder(const QString &path)
{
    return QDir(path).removeRecursively();
}

#endif

} // namespace

QString scratchFolder()
{
    return QDir::tempPath() + QLatin1String("/vt-sc-selftest");
}

Scratch::Scratch()
{
    const QString fixed = scratchFolder();
    if (claimFixedFolder(fixed)) {
        m_path = fixed;
        return;
    }
    m_fallback = true;
    m_path = makePrivateFolder();
}

Scratch::~Scratch()
{
    // A private folder nobody else could find is not left behind; the fixed
    // one stays for the user to look at, as it always did.
    if (m_fallback && !m_path.isEmpty())
        removePrivateFolder(m_path);
}

int run()
{
    const Scratch scratch;
    const QString &folder = scratch.path();
    // Without a folder of our own nothing is written: the export is what
    // cannot be done.
    if (folder.isEmpty())
        return 9;

    if (TextConvert::toTypingText(QStringLiteral("A\r\nB\n")) != QLatin1String("A\rB\r"))
        return 4;
    if (TextConvert::typingTextByteSize(QStringLiteral("ab")) != 4)
        return 5;

    PhraseStore store(folder);
    // Never read another edition's file from here.
    store.setLegacyFilePath(QString());
    if (!store.load())
        return 6;

    store.settings().showVk = 84;
    store.settings().showMods = 2;
    store.settings().pickerVk = 32;
    store.settings().pickerMods = 3;
    Phrase phrase;
    phrase.id = QStringLiteral("1");
    phrase.name = QStringLiteral("Hello");
    phrase.text = QStringLiteral("world");
    phrase.vk = 65;
    phrase.mods = 2;
    store.phrases().append(phrase);

    if (store.findHotkeyConflict(2, 65, QString()).isEmpty())
        return 7;
    if (!store.conflictsWithGlobalHotkey(2, 84))
        return 8;

    const QString backup = folder + QLatin1String("/backup.json");
    if (!store.exportBackup(backup))
        return 9;
    store.phrases().clear();
    QString error;
    if (!store.importBackup(backup, &error) || store.phrases().size() != 1)
        return 10;
    return 0;
}

int checkDataFolder(const QString &folder)
{
    const PhraseStore store(folder);
    // Looked at before anything is made or narrowed: another user's folder,
    // or a link of theirs, is left as it is.
    DataLocation::FolderCheck check = DataLocation::checkFolder(folder);
    if (check == DataLocation::FolderCheck::Missing && store.createDataFolder())
        check = DataLocation::checkFolder(folder);
    if (check != DataLocation::FolderCheck::Usable || !store.createDataFolder() ||
        !DataLocation::canWriteIn(folder))
        return 11;
    return 0;
}

} // namespace SelfTest
