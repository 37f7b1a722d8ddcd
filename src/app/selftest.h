#pragma once

#include <QString>

namespace SelfTest {

// Exit codes: 0 all passed; 4 typing conversion, 5 typing size, 6 loading an
// empty store, 7 shortcut conflict search, 8 global shortcut conflict,
// 9 backup export (or no scratch folder at all), 10 backup import after
// export; with --data-dir, 11 when that folder cannot hold the list.
int run();

// --data-dir's folder, for a start or the self-test: 0 when it is made (with
// its missing parents, user-only), is the user's own and a file can be
// written in it; 11 otherwise.
int checkDataFolder(const QString &folder);

// QDir::tempPath() + "/vt-sc-selftest".
QString scratchFolder();

// The folder the checks write in. The temporary folder is shared: another
// user may have made a folder by that name, or put links there, so that our
// files land where they point. The fixed folder is used only when it is this
// user's own and open to nobody else (made here with mode 0700, or left so
// by an earlier run), and is emptied first without following a link;
// otherwise a fresh private folder (mkdtemp) is used, and removed when done.
// Nothing found at the fixed name that is not ours is touched.
class Scratch final
{
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    // Empty when no private folder could be had.
    const QString &path() const { return m_path; }
    // True when the fixed folder could not be used.
    bool isFallback() const { return m_fallback; }

private:
    QString m_path;
    bool m_fallback = false;
};

} // namespace SelfTest
