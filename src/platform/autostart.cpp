#include "platform/autostart.h"

#include <QCoreApplication>
#include <QDir>

namespace Autostart {

QString runCommand(const QString &nativePath)
{
    if (nativePath.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + nativePath + QLatin1Char('"');
    return nativePath;
}

QString desktopExec(const QString &path)
{
    // Characters that make the desktop-entry rules require a quoted argument,
    // and the ones that must be escaped with a backslash inside the quotes.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");

    bool needsQuotes = false;
    for (const QChar c : path) {
        if (reserved.contains(c)) {
            needsQuotes = true;
            break;
        }
    }

    QString arg;
    arg.reserve(path.size() + 8);
    if (needsQuotes)
        arg += QLatin1Char('"');
    for (const QChar c : path) {
        if (needsQuotes && escapedInQuotes.contains(c))
            arg += QLatin1Char('\\');
        // A lone % would start a field code such as %f.
        if (c == QLatin1Char('%'))
            arg += QLatin1Char('%');
        arg += c;
    }
    if (needsQuotes)
        arg += QLatin1Char('"');

    // The value is a desktop-entry string too, whose own escapes come on top:
    // every backslash is doubled once more, and line breaks cannot appear raw.
    QString value;
    value.reserve(arg.size() + 8);
    for (const QChar c : arg) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else
            value += c;
    }
    return value;
}

bool apply(bool enabled)
{
    return apply(enabled, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
}

} // namespace Autostart
