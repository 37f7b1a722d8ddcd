// The one-time import of the 3.0 edition's phrases: fixed-size records with
// GB18030 text.

#include "store/phrasestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTextCodec>

#include <cstring>

namespace {

constexpr int recordSize = 3024;
constexpr int vkOffset = 20;
constexpr int flagsOffset = 22;
constexpr int textOffset = 24;
constexpr int textSize = 3000;
constexpr int maxRecords = 30;
constexpr int nameLength = 20;

quint16 readLe16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

// Old flags: Shift 1, Ctrl 2, Alt 4 in the low byte.
int modsFromLegacy(quint16 flags)
{
    int mods = 0;
    if (flags & 0x1)
        mods |= 4;
    if (flags & 0x2)
        mods |= 2;
    if (flags & 0x4)
        mods |= 1;
    return mods;
}

QString nameFor(const QString &text)
{
    QString name = text.left(text.indexOf(QLatin1Char('\n'))).trimmed();
    if (name.size() > nameLength)
        name.truncate(name.at(nameLength - 1).isHighSurrogate() ? nameLength - 1 : nameLength);
    return name.isEmpty() ? QStringLiteral("\u672a\u547d\u540d") : name; // "untitled"
}

} // namespace

QString PhraseStore::legacyFilePathFor(bool windows, const QString &winePrefix, const QString &home)
{
    const QString tail = QStringLiteral("/Zem Free Scrivlet/vtdt.dll");
    if (windows)
        return QLatin1String("C:/ProgramData") + tail;
    const QString prefix = winePrefix.isEmpty() ? home + QLatin1String("/.wine") : winePrefix;
    return prefix + QLatin1String("/drive_c/ProgramData") + tail;
}

QString PhraseStore::defaultLegacyFilePath()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return legacyFilePathFor(QSysInfo::kernelType() == QLatin1String("winnt"),
                             env.value(QStringLiteral("WINEPREFIX")), QDir::homePath());
}

int PhraseStore::importLegacy()
{
    if (m_settings.importedV3)
        return 0;
    m_settings.importedV3 = true;

    QFile file(m_legacyFilePath);
    // Only a regular file is read: a named pipe would block the start-up
    // for ever, a device might never end.
    if (!QFileInfo(m_legacyFilePath).isFile() || !file.open(QIODevice::ReadOnly)) {
        save();
        return 0;
    }

    QTextCodec *codec = QTextCodec::codecForName("GB18030");
    if (!codec)
        codec = QTextCodec::codecForLocale();

    int count = 0;
    QByteArray record(recordSize, '\0');
    while (!file.atEnd() && count < maxRecords) {
        if (file.read(record.data(), recordSize) != recordSize)
            break;
        const char *r = record.constData();
        const quint16 vk = readLe16(r + vkOffset);
        if (vk == 0)
            break;
        const char *text = r + textOffset;
        const char *end = static_cast<const char *>(memchr(text, 0, textSize));
        const int length = end ? int(end - text) : textSize;
        // Invalid byte sequences decode to replacement characters.
        const QString decoded = codec->toUnicode(text, length).trimmed();
        if (decoded.isEmpty())
            continue;

        Phrase p;
        p.id = Phrase::newId();
        p.text = decoded;
        p.name = nameFor(decoded);
        p.vk = vk;
        p.mods = modsFromLegacy(readLe16(r + flagsOffset) & 0xFF);
        if (!findHotkeyConflict(p.mods, p.vk, QString()).isEmpty() ||
            conflictsWithGlobalHotkey(p.mods, p.vk)) {
            p.vk = 0;
            p.mods = 0;
        }
        m_phrases.append(std::move(p));
        ++count;
    }
    save();
    return count;
}
