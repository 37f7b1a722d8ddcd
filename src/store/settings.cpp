#include "store/settings.h"

#include <QJsonValue>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

struct BoolKey
{
    const char *key;
    bool Settings::*member;
};

struct IntKey
{
    const char *key;
    int Settings::*member;
};

const BoolKey boolKeys[] = {
    {"startWithWindows", &Settings::startWithWindows},
    {"startMinimized", &Settings::startMinimized},
    {"closeHintShown", &Settings::closeHintShown},
    {"closeHintSeen", &Settings::closeHintSeen},
    {"importedV3", &Settings::importedV3},
    {"pickerRecentFirst", &Settings::pickerRecentFirst},
    {"showFloatingPanel", &Settings::showFloatingPanel},
    {"floatingPanelShowCopy", &Settings::floatingPanelShowCopy},
    {"floatingPanelShowType", &Settings::floatingPanelShowType},
    {"floatingPanelSnapToEdge", &Settings::floatingPanelSnapToEdge},
    {"abbreviationsAfterDelimiter", &Settings::abbreviationsAfterDelimiter},
    {"keysNoteSeen", &Settings::keysNoteSeen},
};

const IntKey intKeys[] = {
    {"showVk", &Settings::showVk},
    {"showMods", &Settings::showMods},
    {"pickerVk", &Settings::pickerVk},
    {"pickerMods", &Settings::pickerMods},
    {"pickerOpacity", &Settings::pickerOpacity},
    {"nameColumnWidth", &Settings::nameColumnWidth},
    {"hotkeyColumnWidth", &Settings::hotkeyColumnWidth},
    {"enabledColumnWidth", &Settings::enabledColumnWidth},
    {"floatingPanelOpacity", &Settings::floatingPanelOpacity},
    {"floatingPanelX", &Settings::floatingPanelX},
    {"floatingPanelY", &Settings::floatingPanelY},
    {"floatingPanelHeight", &Settings::floatingPanelHeight},
    {"floatingPanelWidth", &Settings::floatingPanelWidth},
    {"floatingPanelTextLines", &Settings::floatingPanelTextLines},
    {"uiTheme", &Settings::uiTheme},
    {"mainWindowX", &Settings::mainWindowX},
    {"mainWindowY", &Settings::mainWindowY},
    {"mainWindowWidth", &Settings::mainWindowWidth},
    {"mainWindowHeight", &Settings::mainWindowHeight},
};

static_assert(3 + std::size(boolKeys) + std::size(intKeys) == Settings::keyCount,
              "every setting has a key");

const QString kLanguage = QStringLiteral("language");
const QString kAppRules = QStringLiteral("appRules");
const QString kBackupFolder = QStringLiteral("backupFolder");

bool readInt(const QJsonValue &value, int *out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (std::trunc(d) != d || d < std::numeric_limits<int>::min() ||
        d > std::numeric_limits<int>::max())
        return false;
    *out = int(d);
    return true;
}

} // namespace

QJsonObject Settings::toJson() const
{
    QJsonObject o;
    o.insert(kLanguage, language);
    for (const BoolKey &k : boolKeys)
        o.insert(QLatin1String(k.key), this->*k.member);
    for (const IntKey &k : intKeys)
        o.insert(QLatin1String(k.key), this->*k.member);
    o.insert(kAppRules, AppRules::toJson(appRules));
    o.insert(kBackupFolder, backupFolder);
    return o;
}

void Settings::readJson(const QJsonObject &object)
{
    if (object.isEmpty())
        return;
    const QJsonValue lang = object.value(kLanguage);
    if (lang.isString())
        language = lang.toString();
    const QJsonValue folder = object.value(kBackupFolder);
    if (folder.isString())
        backupFolder = folder.toString();
    for (const BoolKey &k : boolKeys) {
        const QJsonValue v = object.value(QLatin1String(k.key));
        if (v.isBool())
            this->*k.member = v.toBool();
    }
    for (const IntKey &k : intKeys)
        readInt(object.value(QLatin1String(k.key)), &(this->*k.member));
    // Of the rules, the well-formed ones; the rest of the file is read as ever.
    const QJsonValue rules = object.value(kAppRules);
    if (rules.isArray())
        appRules = AppRules::fromJson(rules);
    applyRanges();
}

void Settings::applyRanges()
{
    const Settings defaults;
    if (pickerOpacity < 60 || pickerOpacity > 100)
        pickerOpacity = defaults.pickerOpacity;
    if (floatingPanelTextLines < 1 || floatingPanelTextLines > 3)
        floatingPanelTextLines = defaults.floatingPanelTextLines;
    if (uiTheme != 0 && uiTheme != 1)
        uiTheme = defaults.uiTheme;
}

void Settings::applyChanges(const Settings &from, const Settings &to)
{
    const QJsonObject before = from.toJson();
    const QJsonObject after = to.toJson();
    QJsonObject changes;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        if (before.value(it.key()) != it.value())
            changes.insert(it.key(), it.value());
    }
    readJson(changes);
}
