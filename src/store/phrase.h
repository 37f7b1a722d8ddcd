#pragma once

// One entry of the phrase list and its JSON object form, shared by the data
// file and backup files.

#include <QJsonObject>
#include <QString>
#include <QtGlobal>

struct Phrase
{
    QString id; // UUID text without braces; never empty once in the list
    QString name;
    QString text; // never empty once in the list
    int vk = 0;   // Windows virtual-key code; 0 = no shortcut
    int mods = 0; // Hotkey::Mod* flags
    bool enabled = true;
    qint64 lastUsed = 0; // seconds since 1970; 0 = never

    // A fresh random identifier in its 36-character form.
    static QString newId();

    // "lastUsed" is written as a decimal string so that 64-bit values survive
    // readers that turn every JSON number into a double.
    QJsonObject toJson() const;
    // Missing or wrongly typed members fall back to their defaults; a missing
    // or empty "id" gets a fresh identifier.
    static Phrase fromJson(const QJsonObject &object);
};
