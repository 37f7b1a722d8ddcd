#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {
namespace {

QString entryPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
    if (config.isEmpty())
        return QString();
    return config + QLatin1String("/autostart/VantokScrivlet.desktop");
}

// The Exec= line of an entry, still escaped as it is in the file.
QString execLine(const QByteArray &contents)
{
    for (const QByteArray &line : contents.split('\n')) {
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5)).trimmed();
    }
    return QString();
}

} // namespace

bool apply(bool enabled, const QString &executablePath)
{
    const QString path = entryPath();
    if (path.isEmpty())
        return false;
    if (!enabled)
        return !QFile::exists(path) || QFile::remove(path);

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QString contents =
        QLatin1String("[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Zem Scrivlet\n"
                      "Comment=Put stored phrases into other programs' windows\n"
                      "Exec=") +
        desktopExec(executablePath) +
        QLatin1String("\n"
                      "Icon=scrivlet\n"
                      "Terminal=false\n"
                      "StartupNotify=false\n"
                      "X-GNOME-Autostart-enabled=true\n");
    // Written whole or not at all: a half-written entry could start something
    // else at the next login.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(contents.toUtf8());
    return file.commit();
}

bool isEnabled()
{
    const QString path = entryPath();
    return !path.isEmpty() && QFile::exists(path);
}

QString storedCommand()
{
    QFile file(entryPath());
    if (entryPath().isEmpty() || !file.open(QIODevice::ReadOnly))
        return QString();
    return execLine(file.readAll());
}

} // namespace Autostart
