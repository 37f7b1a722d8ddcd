#include "base/language.h"
#include "fakes/fakedesktop.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

namespace {

const QStringList languages{QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("ja"),
                            QStringLiteral("ko"),    QStringLiteral("es"),    QStringLiteral("de"),
                            QStringLiteral("ru"),    QStringLiteral("fr"),    QStringLiteral("it")};

// The contexts our windows translate in.
const char *const contexts[] = {"MainWindow",   "PhraseDialog", "SettingsDialog",
                                "PickerWindow", "FloatingPanel", "PhraseRow",
                                "ThemedDialog", "MainTitleBar", "HotkeyEdit"};

// Every text a user can read in our windows, keyed by where it is shown, so
// that two snapshots can be compared place by place.
using Texts = QMap<QString, QString>;

void put(Texts &texts, const QString &key, const QString &text)
{
    if (!text.isEmpty())
        texts.insert(key, text);
}

void collect(Texts &texts, const QString &prefix, QWidget *widget)
{
    if (widget->isWindow())
        put(texts, prefix + QStringLiteral("/title"), widget->windowTitle());
    put(texts, prefix + QStringLiteral("/tip"), widget->toolTip());
    if (auto *label = qobject_cast<QLabel *>(widget))
        put(texts, prefix + QStringLiteral("/label"), label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        put(texts, prefix + QStringLiteral("/button"), button->text());
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        put(texts, prefix + QStringLiteral("/placeholder"), edit->placeholderText());
    if (auto *menu = qobject_cast<QMenu *>(widget))
        put(texts, prefix + QStringLiteral("/menu"), menu->title());
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        for (int i = 0; i < combo->count(); ++i)
            put(texts, prefix + QStringLiteral("/item%1").arg(i), combo->itemText(i));
    if (auto *table = qobject_cast<QTableWidget *>(widget))
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem *header = table->horizontalHeaderItem(i))
                put(texts, prefix + QStringLiteral("/column%1").arg(i), header->text());
    const QList<QAction *> actions = widget->actions();
    for (int i = 0; i < actions.size(); ++i)
        put(texts, prefix + QStringLiteral("/action%1").arg(i), actions.at(i)->text());
}

Texts snapshot()
{
    // Rows a window rebuilt for the new language are gone, not just doomed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidgetList windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows << window;
    const auto name = [](const QWidget *w) {
        return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('.') +
               w->objectName();
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&](const QWidget *a, const QWidget *b) { return name(a) < name(b); });
    Texts texts;
    for (int w = 0; w < windows.size(); ++w) {
        const QString top = QStringLiteral("%1#%2").arg(name(windows.at(w))).arg(w);
        collect(texts, top, windows.at(w));
        const QList<QWidget *> children = windows.at(w)->findChildren<QWidget *>();
        for (int i = 0; i < children.size(); ++i)
            collect(texts,
                    QStringLiteral("%1/%2:%3").arg(top).arg(i).arg(
                        QString::fromLatin1(children.at(i)->metaObject()->className())),
                    children.at(i));
    }
    return texts;
}

// A store with nothing to take over from the 3.0 edition, in `language`.
void settle(PhraseStore &store, const QTemporaryDir &dir, const QString &language)
{
    store.setLegacyFilePath(dir.filePath(QStringLiteral("none.dll")));
    store.settings().importedV3 = true;
    store.settings().language = language;
}

// True when the installed catalogue has its own words for text in one of our
// contexts: a widget still showing the English text then missed the switch.
bool hasTranslation(const QString &text)
{
    const QByteArray source = text.toUtf8();
    for (const char *context : contexts) {
        const QString translated = QCoreApplication::translate(context, source.constData());
        if (translated != text)
            return true;
    }
    return false;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void cataloguesAreEmbedded_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : languages)
            QTest::newRow(qPrintable(code)) << code;
    }
    void cataloguesAreEmbedded()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/scrivlet_%1.qm").arg(code)));
        QVERIFY(!translator.isEmpty());
        const QString help = translator.translate("MainWindow", "&Help");
        QVERIFY(!help.isEmpty());
        QVERIFY(help != QLatin1String("&Help"));
        QVERIFY2(help.contains(QLatin1Char('&')), qPrintable(help));
    }

    // Every window we own says its texts again when the language changes:
    // the new language everywhere it has its own words, then English exactly
    // as before.
    void everyWindowFollowsTheLanguage_data() { cataloguesAreEmbedded_data(); }
    void everyWindowFollowsTheLanguage()
    {
        QFETCH(QString, code);
        QTemporaryDir dir;
        PhraseStore store(dir.path());
        settle(store, dir, QStringLiteral("en"));
        FakeDesktop desktop;
        QTranslator translator;
        MainWindow window(&store, &translator, &desktop);
        window.applyLanguage(QStringLiteral("en"));
        const Texts english = snapshot();
        QVERIFY(english.size() > 40);
        const QString keys = english.keys().join(QLatin1Char(' '));
        for (const char *window : {"MainWindow.", "PickerWindow."})
            QVERIFY2(keys.contains(QLatin1String(window)), window);
        // The tray menu and the title bar are in it too.
        QVERIFY(english.values().contains(QStringLiteral("Show main window")));
        QVERIFY(english.values().contains(QStringLiteral("Minimize")));

        window.applyLanguage(code);
        const Texts translated = snapshot();
        for (const QString &key : translated.keys())
            if (!english.contains(key))
                qWarning() << "only after the switch:" << key << translated.value(key);
        QCOMPARE(translated.keys(), english.keys());
        int changed = 0;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (translated.value(it.key()) != it.value())
                ++changed;
            else
                QVERIFY2(!hasTranslation(it.value()),
                         qPrintable(QStringLiteral("still English at %1: %2")
                                        .arg(it.key(), it.value())));
        }
        QVERIFY(changed > 30);

        window.applyLanguage(QStringLiteral("en"));
        const Texts again = snapshot();
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            QCOMPARE(again.value(it.key()), it.value());
    }

    // The program starts with the catalogue in place before any window is
    // built and tells nobody afterwards: each window says its words in the
    // language as it is built, exactly as when told of a change.
    void windowsBuiltInTheLanguageSayItFromTheStart_data() { cataloguesAreEmbedded_data(); }
    void windowsBuiltInTheLanguageSayItFromTheStart()
    {
        QFETCH(QString, code);
        QTemporaryDir dir;
        PhraseStore store(dir.path());
        settle(store, dir, code);
        FakeDesktop desktop;
        QTranslator translator;
        QVERIFY(Language::install(&translator, code));
        MainWindow window(&store, &translator, &desktop);
        const Texts built = snapshot();
        window.applyLanguage(code);
        const Texts told = snapshot();
        QCOMPARE(built.keys(), told.keys());
        for (auto it = told.cbegin(); it != told.cend(); ++it)
            QCOMPARE(built.value(it.key()), it.value());
        QCoreApplication::removeTranslator(&translator);
    }

    void pluralForms_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("few");
        QTest::addColumn<int>("many");
        QTest::newRow("ru") << QStringLiteral("ru") << 1 << 3 << 5;
        QTest::newRow("de") << QStringLiteral("de") << 1 << 2 << 2;
    }
    // The count lands in the sentence in the form the language gives it.
    void pluralForms()
    {
        QFETCH(QString, code);
        QFETCH(int, one);
        QFETCH(int, few);
        QFETCH(int, many);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/scrivlet_%1.qm").arg(code)));
        const char *source = "Imported %n phrases from version 3.0.";
        const QString a = translator.translate("MainWindow", source, nullptr, one);
        const QString b = translator.translate("MainWindow", source, nullptr, few);
        const QString c = translator.translate("MainWindow", source, nullptr, many);
        QVERIFY(!a.isEmpty() && !b.isEmpty() && !c.isEmpty());
        QVERIFY2(a != b, qPrintable(a));
        if (few != many)
            QVERIFY2(b != c, qPrintable(b));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
