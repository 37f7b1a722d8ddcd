#include "base/language.h"

#include <QtTest>

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("zh_CN") << QLocale(QStringLiteral("zh_CN")) << "zh_CN";
        QTest::newRow("zh_TW") << QLocale(QStringLiteral("zh_TW")) << "zh_TW";
        QTest::newRow("zh_HK") << QLocale(QStringLiteral("zh_HK")) << "zh_TW";
        QTest::newRow("zh_MO") << QLocale(QStringLiteral("zh_MO")) << "zh_TW";
        QTest::newRow("Hong Kong, simplified script")
            << QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::HongKong)
            << "zh_TW";
        QTest::newRow("Singapore, simplified")
            << QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::Singapore)
            << "zh_CN";
        QTest::newRow("Singapore, traditional")
            << QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Singapore)
            << "zh_TW";
        QTest::newRow("zh_Hant_US") << QLocale(QStringLiteral("zh_Hant_US")) << "zh_TW";
        QTest::newRow("ja") << QLocale(QStringLiteral("ja_JP")) << "ja";
        QTest::newRow("ko") << QLocale(QStringLiteral("ko_KR")) << "ko";
        QTest::newRow("es_MX") << QLocale(QStringLiteral("es_MX")) << "es";
        QTest::newRow("de_AT") << QLocale(QStringLiteral("de_AT")) << "de";
        QTest::newRow("ru") << QLocale(QStringLiteral("ru_RU")) << "ru";
        QTest::newRow("fr_CA") << QLocale(QStringLiteral("fr_CA")) << "fr";
        QTest::newRow("it") << QLocale(QStringLiteral("it_IT")) << "it";
        QTest::newRow("pt_BR") << QLocale(QStringLiteral("pt_BR")) << "en";
        QTest::newRow("en_GB") << QLocale(QStringLiteral("en_GB")) << "en";
        QTest::newRow("C") << QLocale::c() << "en";
    }
    void defaultLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, code);
        QCOMPARE(Language::defaultLanguage(locale), code);
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
