#include "app/language.h"

namespace Language {

QString defaultLanguage(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese: {
        const QLocale::Country c = locale.country();
        const bool traditional = locale.script() == QLocale::TraditionalHanScript ||
                                 c == QLocale::Taiwan || c == QLocale::HongKong ||
                                 c == QLocale::Macau;
        return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    case QLocale::Japanese:
        return QStringLiteral("ja");
    case QLocale::Korean:
        return QStringLiteral("ko");
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Russian:
        return QStringLiteral("ru");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::Italian:
        return QStringLiteral("it");
    default:
        return QStringLiteral("en");
    }
}

} // namespace Language
