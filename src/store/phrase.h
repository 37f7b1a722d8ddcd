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
    // Typed in another program, these characters are replaced by the text;
    // empty = none. Written only when set, so files without them read and
    // write as before.
    QString abbreviation;
    // The text's {placeholders} are filled in when it is inserted; without
    // the flag every brace is literal.
    bool placeholders = false;
    // The typed abbreviation's case carries over: typed with a capital, the
    // text starts with one; typed in capitals, the text goes in capitals.
    bool matchCase = false;
    // How often the phrase went in, and how many characters the user did
    // not have to type for it. Like lastUsed, a record of use and not of
    // what the user wrote: never part of the content. Written only when not
    // zero.
    qint64 uses = 0;
    qint64 charactersSaved = 0;

    static constexpr int MaxAbbreviationLength = 32;
    // 1 to 32 characters, none of them white space.
    static bool isValidAbbreviation(const QString &abbreviation);

    // A fresh random identifier in its 36-character form.
    static QString newId();

    // The largest count a file may hold: integers past it lose precision in
    // readers that turn every JSON number into a double.
    static constexpr qint64 MaxCount = (qint64(1) << 53) - 1;
    // A count read from a file: a whole number from 0 to MaxCount, else 0.
    static qint64 countOf(const QJsonValue &value);

    // "lastUsed" is written as a decimal string so that 64-bit values survive
    // readers that turn every JSON number into a double.
    QJsonObject toJson() const;
    // Every member but the record of use (lastUsed, uses, charactersSaved),
    // in toJson()'s form: what the user wrote, as opposed to how the phrase
    // was used. Members added later take part without changes here.
    QJsonObject contentJson() const;
    static bool sameContent(const Phrase &a, const Phrase &b);
    // Missing or wrongly typed members fall back to their defaults; a missing
    // or empty "id" gets a fresh identifier.
    static Phrase fromJson(const QJsonObject &object);
};

// Its members are all relocatable: a list of thousands grows, or is copied
// into a larger block, by moving its bytes instead of copying each phrase
// (four reference counts each).
Q_DECLARE_TYPEINFO(Phrase, Q_MOVABLE_TYPE);
