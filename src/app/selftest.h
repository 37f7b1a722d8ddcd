#pragma once

#include <QString>

namespace SelfTest {

// Exit codes: 0 all passed; 4 typing conversion, 5 typing size, 6 loading an
// empty store, 7 shortcut conflict search, 8 global shortcut conflict,
// 9 backup export, 10 backup import after export.
int run();

// QDir::tempPath() + "/vt-sc-selftest".
QString scratchFolder();

// Empties the scratch folder and creates it again. A symbolic link at that
// place is removed itself; what it points to is never touched.
bool resetScratchFolder(const QString &path);

} // namespace SelfTest
