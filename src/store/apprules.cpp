#include "store/apprules.h"

#include <QJsonObject>
#include <QJsonValue>

#include <iterator>

namespace AppRules {

namespace {

struct Named
{
    AppRoad road;
    const char *name;
};

const Named names[] = {
    {AppRoad::Automatic, "automatic"},      {AppRoad::TypeOnly, "type"},
    {AppRoad::PasteCtrlV, "ctrlV"},         {AppRoad::PasteCtrlShiftV, "ctrlShiftV"},
    {AppRoad::PasteShiftInsert, "shiftInsert"}, {AppRoad::Never, "never"},
};

const QString kMatch = QStringLiteral("match");
const QString kRoad = QStringLiteral("road");

} // namespace

QString roadName(AppRoad road)
{
    for (const Named &n : names) {
        if (n.road == road)
            return QString::fromLatin1(n.name);
    }
    return QString();
}

bool roadFromName(const QString &name, AppRoad *road)
{
    for (const Named &n : names) {
        if (name == QLatin1String(n.name)) {
            *road = n.road;
            return true;
        }
    }
    return false;
}

QJsonArray toJson(const QVector<AppRule> &rules)
{
    QJsonArray out;
    for (const AppRule &r : rules)
        out.append(QJsonObject{{kMatch, r.match}, {kRoad, roadName(r.road)}});
    return out;
}

QVector<AppRule> fromJson(const QJsonValue &value)
{
    QVector<AppRule> out;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &item : array) {
        const QJsonObject o = item.toObject();
        AppRule rule;
        rule.match = o.value(kMatch).toString().trimmed();
        if (rule.match.isEmpty() || !roadFromName(o.value(kRoad).toString(), &rule.road))
            continue;
        bool seen = false;
        for (const AppRule &r : qAsConst(out))
            seen = seen || r.match.compare(rule.match, Qt::CaseInsensitive) == 0;
        if (!seen)
            out.append(rule);
    }
    return out;
}

} // namespace AppRules
