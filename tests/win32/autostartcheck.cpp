// Sets or clears this program's own start-at-login entry with the program's
// autostart code, so that a script can check the result from outside (the
// Run value with "wine reg query"). Exit code 0 when the change was made.
//   autostartcheck on|off

#include "platform/autostart.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 ||
        (args.at(1) != QLatin1String("on") && args.at(1) != QLatin1String("off")))
        return 64;
    const bool enabled = args.at(1) == QLatin1String("on");
    if (!Autostart::apply(enabled))
        return 1;
    return Autostart::isEnabled() == enabled ? 0 : 2;
}
