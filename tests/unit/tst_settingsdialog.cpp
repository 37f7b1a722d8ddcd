#include "base/hotkey.h"
#include "dialogs/ordercombobox.h"
#include "dialogs/settingsdialog.h"
#include "hotkeys/hotkeyedit.h"
#include "store/phrasestore.h"
#include "unit/markupprobe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int ctrl = Hotkey::ModControl;
constexpr int alt = Hotkey::ModAlt;
constexpr int shift = Hotkey::ModShift;
constexpr int vkP = 0x50;
constexpr int vkQ = 0x51;
constexpr int vkF1 = 0x70;
constexpr int vkF2 = 0x71;

const QString bare =
    QStringLiteral("Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.");
const QString same = QStringLiteral("The two commands need different shortcuts.");
const QString pasteKey = QStringLiteral(
    "Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose "
    "another shortcut.");
const QString shiftTypes = QStringLiteral(
    "With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or "
    "Win.");
// Named, so the user knows which phrase to change.
const QString used =
    QString::fromUtf8("This shortcut is already used by a phrase. It belongs to “Signature”.");
const QString taken =
    QStringLiteral("Already used by another program. Please set this shortcut again.");

Phrase phraseWith(int mods, int vk, bool enabled)
{
    Phrase p;
    p.id = Phrase::newId();
    p.text = QStringLiteral("text %1 %2").arg(mods).arg(vk);
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

} // namespace

class SettingsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->phrases() << phraseWith(ctrl, vkF1, true) << phraseWith(ctrl, vkF2, false);
        store->phrases()[0].name = QStringLiteral("Signature");
    }

    void validation_data()
    {
        QTest::addColumn<int>("showMods");
        QTest::addColumn<int>("showVk");
        QTest::addColumn<int>("pickerMods");
        QTest::addColumn<int>("pickerVk");
        QTest::addColumn<QString>("message");
        QTest::newRow("defaults") << ctrl << 0x54 << ctrl << 0x52 << QString();
        QTest::newRow("empty picker shortcut") << ctrl << 0x54 << 0 << 0 << bare;
        QTest::newRow("empty show shortcut") << 0 << 0 << ctrl << 0x52 << bare;
        // Shift+P would take "P" from typing everywhere; Shift+F1 takes nothing.
        QTest::newRow("Shift+P") << ctrl << 0x54 << shift << vkP << shiftTypes;
        QTest::newRow("Shift+F1 accepted") << ctrl << 0x54 << shift << 0x70 << QString();
        QTest::newRow("Ctrl+Shift+V for show")
            << (ctrl | shift) << 0x56 << ctrl << 0x52 << pasteKey;
        QTest::newRow("P refused") << ctrl << 0x54 << 0 << vkP << bare;
        QTest::newRow("equal") << (ctrl | alt) << vkQ << (ctrl | alt) << vkQ << same;
        QTest::newRow("Ctrl+V for the picker") << ctrl << 0x54 << ctrl << 0x56 << pasteKey;
        // Equal shortcuts are reported before a phrase that also uses them.
        QTest::newRow("equal and a phrase's") << ctrl << vkF1 << ctrl << vkF1 << same;
        QTest::newRow("enabled phrase's") << ctrl << 0x54 << ctrl << vkF1 << used;
        QTest::newRow("enabled phrase's, show") << ctrl << vkF1 << ctrl << 0x52 << used;
        QTest::newRow("disabled phrase's") << ctrl << 0x54 << ctrl << vkF2 << QString();
    }
    void validation()
    {
        QFETCH(int, showMods);
        QFETCH(int, showVk);
        QFETCH(int, pickerMods);
        QFETCH(int, pickerVk);
        QFETCH(QString, message);
        SettingsDialog dialog(store.get(), false, false);
        dialog.showEdit()->setHotkey(showMods, showVk);
        dialog.pickerEdit()->setHotkey(pickerMods, pickerVk);
        QCOMPARE(dialog.validationMessage(), message);
    }

    void refusedOkKeepsTheDialogOpen()
    {
        SettingsDialog dialog(store.get(), false, false);
        dialog.show();
        dialog.pickerEdit()->clearHotkey();
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget *message = QApplication::activeModalWidget();
            QVERIFY(message);
            QLabel *text = nullptr;
            for (QLabel *label : message->findChildren<QLabel *>())
                if (label->wordWrap())
                    text = label;
            if (text)
                shown = message->windowTitle() + QLatin1Char('|') + text->text();
            QMetaObject::invokeMethod(message, "accept");
        });
        dialog.accept();
        QCOMPARE(shown, QStringLiteral("Options|") + bare);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.pickerEdit()->vk(), 0);
        QCOMPARE(dialog.showEdit()->vk(), 0x54);
    }

    void conflictLabels_data()
    {
        QTest::addColumn<bool>("showFailed");
        QTest::addColumn<bool>("pickerFailed");
        QTest::newRow("none") << false << false;
        QTest::newRow("picker only") << false << true;
        QTest::newRow("show only") << true << false;
    }
    void conflictLabels()
    {
        QFETCH(bool, showFailed);
        QFETCH(bool, pickerFailed);
        SettingsDialog dialog(store.get(), showFailed, pickerFailed);
        dialog.show();
        QCOMPARE(dialog.showConflictLabel()->isVisible(), showFailed);
        QCOMPARE(dialog.pickerConflictLabel()->isVisible(), pickerFailed);
        QVERIFY(dialog.pickerConflictLabel()->text().contains(QLatin1String("#d1242f")));
        QVERIFY(dialog.pickerConflictLabel()->text().contains(taken));
    }

    void orderRoundTrip()
    {
        store->settings().pickerRecentFirst = false;
        store->settings().pickerOpacity = 70;
        SettingsDialog dialog(store.get(), false, false);
        QCOMPARE(dialog.orderBox()->currentText(), QStringLiteral("Keep the list order"));
        QCOMPARE(dialog.settings().pickerRecentFirst, false);
        dialog.orderBox()->setCurrentIndex(
            dialog.orderBox()->findText(QStringLiteral("Recently used on top")));
        const Settings result = dialog.settings();
        QCOMPARE(result.pickerRecentFirst, true);
        QCOMPARE(result.pickerOpacity, 70); // not the dialog's to change
        QCOMPARE(store->settings().pickerRecentFirst, false);
    }

    // The data folder is shown as it is, read-only; its button moves the
    // list through the window and shows the folder then in use, or, for a
    // folder given on the command line, is greyed out with the reason.
    void dataFolderRow()
    {
        SettingsDialog dialog(store.get(), false, false);
        QVERIFY(dialog.dataFolderLine()->isReadOnly());
        QCOMPARE(dialog.dataFolderLine()->text(), QDir::toNativeSeparators(store->dataFolder()));
        QVERIFY(!dialog.dataFolderButton()->isEnabled());
        int asked = 0;
        dialog.setDataFolder(store->dataFolder(), [&asked] {
            ++asked;
            return QStringLiteral("/media/sync/Phrases");
        });
        QVERIFY(dialog.dataFolderButton()->isEnabled());
        dialog.dataFolderButton()->click();
        QCOMPARE(asked, 1);
        QCOMPARE(dialog.dataFolderLine()->text(),
                 QDir::toNativeSeparators(QStringLiteral("/media/sync/Phrases")));
        // Cut in the field, whole in its tip.
        QCOMPARE(dialog.dataFolderLine()->toolTip(), dialog.dataFolderLine()->text());
        dialog.setDataFolder(QStringLiteral("/stick"), nullptr, QStringLiteral("given"));
        QVERIFY(!dialog.dataFolderButton()->isEnabled());
        QCOMPARE(dialog.dataFolderButton()->toolTip(), QStringLiteral("given"));
        dialog.dataFolderButton()->click();
        QCOMPARE(asked, 1);
    }

    void centredAndTallEnoughForTheHint()
    {
        QWidget owner;
        owner.setGeometry(150, 120, 900, 700);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        SettingsDialog dialog(store.get(), true, true, &owner);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(50); // the second fitting, from the zero-delay timer
        QLabel *hint = dialog.hintLabel();
        QVERIFY(hint->height() >= hint->heightForWidth(hint->width()));
        QVERIFY(hint->height() > hint->fontMetrics().lineSpacing()); // it wraps
        QVERIFY(hint->mapTo(&dialog, QPoint(0, hint->height())).y() <= dialog.height());
        QVERIFY(dialog.height() >= dialog.sizeHint().height());
        QVERIFY(dialog.width() >= 520);
        const QPoint centre = owner.frameGeometry().center();
        QCOMPARE(dialog.frameGeometry().topLeft(),
                 QPoint(centre.x() - dialog.width() / 2, centre.y() - dialog.height() / 2));
    }

    // Where no program may read the keys typed in others, the abbreviation
    // setting looks out of use, in both themes, and the dialog says why
    // beside it: a tool tip alone is found by nobody.
    void unavailableAbbreviationsAreGreyedAndSaid_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("Teal") << 1;
        QTest::newRow("Classic") << 0;
    }
    void unavailableAbbreviationsAreGreyedAndSaid()
    {
        QFETCH(int, theme);
        store->settings().uiTheme = theme;
        const QString reason = QStringLiteral("Abbreviations do not expand on this desktop.");
        // The darkest pixel of a widget's left part, where its text is.
        const auto darkest = [](QWidget *w) {
            const QImage image = w->grab().toImage();
            int least = 255;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width() * 2 / 3; ++x)
                    least = qMin(least, qGray(image.pixel(x, y)));
            return least;
        };
        SettingsDialog usable(store.get(), false, false);
        usable.show();
        QVERIFY(QTest::qWaitForWindowExposed(&usable));
        SettingsDialog dialog(store.get(), false, false);
        dialog.setAbbreviationsUnavailable(reason);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.abbreviationBox()->isEnabled());
        const int enabledText = darkest(usable.abbreviationBox());
        const int greyedText = darkest(dialog.abbreviationBox());
        QVERIFY2(greyedText > enabledText + 40,
                 qPrintable(QStringLiteral("%1 against %2").arg(greyedText).arg(enabledText)));
        QLabel *said = nullptr;
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->isVisible() && label->text() == reason)
                said = label;
        }
        QVERIFY(said);
        // Under the setting, not somewhere else in the dialog.
        const QRect box(dialog.abbreviationBox()->mapTo(&dialog, QPoint()),
                        dialog.abbreviationBox()->size());
        const QPoint at = said->mapTo(&dialog, QPoint());
        QVERIFY(at.y() >= box.bottom() && at.y() < box.bottom() + 40);
        QVERIFY(said->height() >= said->heightForWidth(said->width()));
    }

    // What the desktop keeps and what GNOME's tool answered name phrases and
    // files: shown as they stand, never read as markup.
    void userTextIsPlain_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("GNOME's answer") << "binding result";
        QTest::newRow("the desktop note") << "desktop note";
    }
    void userTextIsPlain()
    {
        QFETCH(QString, where);
        const MarkupProbe::Name probe;
        const QString hostile = probe.text();
        SettingsDialog dialog(store.get(), false, false);
        QLabel *label = nullptr;
        if (where == QLatin1String("binding result")) {
            dialog.setBindingActions(
                QStringLiteral("Add"), [&] { return QStringLiteral("Not written: ") + hostile; },
                QStringLiteral("Remove"), [] { return QString(); });
            label = dialog.bindingResultLabel();
        } else {
            dialog.setDesktopNote(QStringLiteral("Run ") + hostile);
            label = dialog.desktopNoteLabel();
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (where == QLatin1String("binding result"))
            dialog.applyBindingsButton()->click();
        QVERIFY(label->isVisible());
        QVERIFY(label->text().endsWith(hostile));
        QVERIFY(!MarkupProbe::showsImage(label));
        QVERIFY(label->height() < 48);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
};

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"
