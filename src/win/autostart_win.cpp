#include "platform/autostart.h"

#include <QDir>
#include <QSettings>

namespace Autostart {
namespace {

const QString runKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString valueName = QStringLiteral("VantokScrivlet");

} // namespace

bool apply(bool enabled, const QString &executablePath)
{
    QSettings run(runKey, QSettings::NativeFormat);
    if (enabled)
        run.setValue(valueName, runCommand(QDir::toNativeSeparators(executablePath)));
    else
        run.remove(valueName);
    run.sync();
    return run.status() == QSettings::NoError;
}

bool isEnabled()
{
    return QSettings(runKey, QSettings::NativeFormat).contains(valueName);
}

QString storedCommand()
{
    return QSettings(runKey, QSettings::NativeFormat).value(valueName).toString();
}

} // namespace Autostart
