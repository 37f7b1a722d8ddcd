#include "platform/desktopbindings.h"

// Windows programs hold global shortcuts themselves: there is nothing to bind
// elsewhere.
namespace DesktopBindings {

QString swayCombination(int, int)
{
    return QString();
}

bool swaySafe(const QString &)
{
    return false;
}

QString swayLines(const QVector<Command> &, const QString &)
{
    return QString();
}

QString hyprlandCombination(int, int)
{
    return QString();
}

QString hyprlandLines(const QVector<Command> &, const QString &)
{
    return QString();
}

QString commandLines(const QVector<Command> &, const QStringList &, const QString &)
{
    return QString();
}

} // namespace DesktopBindings
