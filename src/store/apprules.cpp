#include "store/apprules.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QSet>

#include <iterator>

namespace AppRules {

namespace {

struct Named
{
    InsertMethod method;
    const char *name;
};

const Named names[] = {
    {InsertMethod::Automatic, "automatic"},
    {InsertMethod::TypeOnly, "type"},
    {InsertMethod::PasteCtrlV, "ctrlV"},
    {InsertMethod::PasteCtrlShiftV, "ctrlShiftV"},
    {InsertMethod::PasteShiftInsert, "shiftInsert"},
    {InsertMethod::Never, "never"},
};

const QString kMatch = QStringLiteral("match");
const QString kRoad = QStringLiteral("road");
const QString kAbbreviations = QStringLiteral("abbreviations");

} // namespace

QString methodName(InsertMethod method)
{
    for (const Named &n : names) {
        if (n.method == method)
            return QString::fromLatin1(n.name);
    }
    return QString();
}

bool methodFromName(const QString &name, InsertMethod *method)
{
    for (const Named &n : names) {
        if (name == QLatin1String(n.name)) {
            *method = n.method;
            return true;
        }
    }
    return false;
}

QJsonArray toJson(const QVector<AppRule> &rules)
{
    QJsonArray out;
    for (const AppRule &r : rules) {
        QJsonObject o{{kMatch, r.match}, {kRoad, methodName(r.method)}};
        // Written only where it says something: files without such rules
        // stay as earlier versions wrote them.
        if (!r.abbreviations)
            o.insert(kAbbreviations, false);
        out.append(o);
    }
    return out;
}

QVector<AppRule> fromJson(const QJsonValue &value)
{
    QVector<AppRule> out;
    const QJsonArray array = value.toArray();
    // The matches so far, case-folded as the comparison without regard to
    // case folds them: a set, so that a file of many rules costs no more
    // than its length.
    QSet<QString> seen;
    for (const QJsonValue &item : array) {
        const QJsonObject o = item.toObject();
        AppRule rule;
        rule.match = o.value(kMatch).toString().trimmed();
        if (rule.match.isEmpty() || !methodFromName(o.value(kRoad).toString(), &rule.method))
            continue;
        rule.abbreviations = o.value(kAbbreviations) != QJsonValue(false);
        const QString folded = rule.match.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        out.append(rule);
    }
    return out;
}

} // namespace AppRules
