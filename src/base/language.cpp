#include "base/language.h"

#include <QCoreApplication>
#include <QTranslator>

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

const QVector<Choice> &choices()
{
    static const QVector<Choice> table{
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
    };
    return table;
}

bool install(QTranslator *translator, const QString &code)
{
    if (!translator)
        return false;
    QCoreApplication::removeTranslator(translator);
    if (code == QLatin1String("en"))
        return false;
    // The catalogue it holds already (Options applying the language it
    // shows) is not read twice.
    const QString path = QStringLiteral(":/i18n/scrivlet_%1.qm").arg(code);
    if (translator->filePath() != path && !translator->load(path))
        return false;
    return QCoreApplication::installTranslator(translator);
}

} // namespace Language
