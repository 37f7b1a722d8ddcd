#include "app/selftest.h"

#include "insert/textconvert.h"
#include "store/phrasestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SelfTest {

QString scratchFolder()
{
    return QDir::tempPath() + QLatin1String("/vt-sc-selftest");
}

bool resetScratchFolder(const QString &path)
{
    const QFileInfo info(path);
    // The folder sits in a shared temporary folder where anyone may have put
    // a link by that name; recursing through it would delete their target.
    if (info.isSymLink() || (info.exists() && !info.isDir())) {
        if (!QFile::remove(path))
            return false;
    } else if (info.exists()) {
        // removeRecursively deletes links inside as links.
        if (!QDir(path).removeRecursively())
            return false;
    }
    return QDir().mkpath(path);
}

int run()
{
    const QString folder = scratchFolder();
    // A failure here shows up as code 9 or 10, when the files cannot be written.
    resetScratchFolder(folder);

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

} // namespace SelfTest
