#pragma once

// The program's data file as the end-to-end tests write and read it, with Qt
// Core alone: the X11 and the Wayland tests share it.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace ProgramDriver {

// The program's data folder and file under the test session's XDG_DATA_HOME.
inline QString dataFolder()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Vantok/Scrivlet");
}
inline QString dataFilePath()
{
    return dataFolder() + QStringLiteral("/phrases.json");
}

inline QJsonObject phrase(const QString &id, const QString &text, int mods, int vk)
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("name"), id},
                       {QStringLiteral("text"), text},
                       {QStringLiteral("vk"), vk},
                       {QStringLiteral("mods"), mods},
                       {QStringLiteral("enabled"), true},
                       {QStringLiteral("lastUsed"), QStringLiteral("0")}};
}

inline QByteArray dataFileBytes(const QJsonObject &settings, const QJsonArray &phrases)
{
    const QJsonObject root{{QStringLiteral("version"), 1},
                           {QStringLiteral("settings"), settings},
                           {QStringLiteral("phrases"), phrases}};
    return QJsonDocument(root).toJson();
}

// The settings of a test's data file: started into the tray, in English,
// the one-time import done.
inline QJsonObject quietSettings()
{
    return QJsonObject{{QStringLiteral("startMinimized"), true},
                       {QStringLiteral("importedV3"), true},
                       {QStringLiteral("language"), QStringLiteral("en")}};
}

inline bool writeDataFile(const QString &path, const QJsonObject &settings,
                          const QJsonArray &phrases)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(dataFileBytes(settings, phrases)) > 0;
}

inline QJsonObject storedSettings(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("settings"))
        .toObject();
}

} // namespace ProgramDriver
