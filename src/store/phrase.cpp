#include "store/phrase.h"

#include <QJsonValue>
#include <QUuid>

#include <cmath>
#include <limits>

namespace {

const QString kId = QStringLiteral("id");
const QString kName = QStringLiteral("name");
const QString kText = QStringLiteral("text");
const QString kVk = QStringLiteral("vk");
const QString kMods = QStringLiteral("mods");
const QString kEnabled = QStringLiteral("enabled");
const QString kLastUsed = QStringLiteral("lastUsed");
const QString kAbbreviation = QStringLiteral("abbreviation");
const QString kPlaceholders = QStringLiteral("placeholders");
const QString kMatchCase = QStringLiteral("matchCase");
const QString kUses = QStringLiteral("uses");
const QString kCharactersSaved = QStringLiteral("charactersSaved");

// An integer-valued JSON number inside the int range, else the fallback.
int intOr(const QJsonValue &value, int fallback)
{
    if (!value.isDouble())
        return fallback;
    const double d = value.toDouble();
    if (std::trunc(d) != d || d < std::numeric_limits<int>::min() ||
        d > std::numeric_limits<int>::max())
        return fallback;
    return int(d);
}

} // namespace

qint64 Phrase::countOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (std::trunc(d) != d || d < 0 || d > double(MaxCount))
        return 0;
    return qint64(d);
}

QString Phrase::newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool Phrase::isValidAbbreviation(const QString &abbreviation)
{
    if (abbreviation.isEmpty() || abbreviation.size() > MaxAbbreviationLength)
        return false;
    for (const QChar c : abbreviation) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QJsonObject Phrase::toJson() const
{
    QJsonObject o;
    o.insert(kId, id);
    o.insert(kName, name);
    o.insert(kText, text);
    o.insert(kVk, vk);
    o.insert(kMods, mods);
    o.insert(kEnabled, enabled);
    o.insert(kLastUsed, QString::number(lastUsed));
    if (!abbreviation.isEmpty())
        o.insert(kAbbreviation, abbreviation);
    if (placeholders)
        o.insert(kPlaceholders, true);
    if (matchCase)
        o.insert(kMatchCase, true);
    if (uses != 0)
        o.insert(kUses, double(uses));
    if (charactersSaved != 0)
        o.insert(kCharactersSaved, double(charactersSaved));
    return o;
}

QJsonObject Phrase::contentJson() const
{
    QJsonObject o = toJson();
    o.remove(kLastUsed);
    o.remove(kUses);
    o.remove(kCharactersSaved);
    return o;
}

bool Phrase::sameContent(const Phrase &a, const Phrase &b)
{
    return a.contentJson() == b.contentJson();
}

Phrase Phrase::fromJson(const QJsonObject &object)
{
    Phrase p;
    p.id = object.value(kId).toString();
    if (p.id.isEmpty())
        p.id = newId();
    p.name = object.value(kName).toString();
    p.text = object.value(kText).toString();
    p.vk = intOr(object.value(kVk), 0);
    p.mods = intOr(object.value(kMods), 0);
    const QJsonValue enabled = object.value(kEnabled);
    p.enabled = enabled.isBool() ? enabled.toBool() : true;
    const QJsonValue lastUsed = object.value(kLastUsed);
    if (lastUsed.isString()) {
        bool ok = false;
        const qint64 v = lastUsed.toString().toLongLong(&ok, 10);
        p.lastUsed = ok ? v : 0;
    }
    p.abbreviation = object.value(kAbbreviation).toString();
    p.placeholders = object.value(kPlaceholders).toBool(false);
    p.matchCase = object.value(kMatchCase).toBool(false);
    p.uses = countOf(object.value(kUses));
    p.charactersSaved = countOf(object.value(kCharactersSaved));
    return p;
}
