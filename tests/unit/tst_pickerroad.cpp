// The picker road over the recording desktop: the picker shortcut opens the
// picker at the caret of the window in front, the choice is typed there, and
// the shortcuts that hide it.

#include "base/hotkey.h"
#include "dispatch/phrasedispatcher.h"
#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeymanager.h"
#include "mainwindow/mainwindow.h"
#include "picker/pickerwindow.h"
#include "store/phrasestore.h"

#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr WindowHandle editor = 0x500;
constexpr WindowHandle editorText = 0x501;
constexpr quint32 editorThread = 7;

void press(int id)
{
    QVERIFY(FakeDesktop::postHotkey(id));
}

Phrase phrase(const QString &name, const QString &text, int vk = 0)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.vk = vk;
    p.mods = vk ? Hotkey::ModControl | Hotkey::ModAlt : 0;
    return p;
}

} // namespace

class PickerRoadTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        store->phrases() << phrase(QStringLiteral("Greeting"), QStringLiteral("Hello there"), 0x31)
                         << phrase(QStringLiteral("Grüße"), QStringLiteral("Viele Grüße"));
        desktop = std::make_unique<FakeDesktop>();
        FakeDesktop::Window top;
        top.pid = 4242;
        top.thread = editorThread;
        desktop->addWindow(editor, top);
        FakeDesktop::Window text = top;
        text.clientOrigin = QPoint(200, 100);
        desktop->addWindow(editorText, text);
        desktop->guiInfo.insert(editorThread,
                                GuiThreadInfo{editorText, editorText, QRect(10, 20, 2, 16)});
        desktop->foreground = editor;
        desktop->cursor = QPoint(600, 500);
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
        store.reset();
        dir.reset();
    }

    void opensAtTheCaretAndTypesTheChoiceThere()
    {
        build();
        PickerWindow *picker = window->picker();
        press(HotkeyManager::PickerId);
        QVERIFY(picker->isVisible());
        QCOMPARE(window->dispatcher()->targetWindow(), editor);
        // 6 pixels below the caret's bottom edge.
        QCOMPARE(picker->pos(), QPoint(210, 142));
        QVERIFY(desktop->calls.contains(QStringLiteral("activateOwnWindow %1 %2")
                                            .arg(QString::number(picker->winId(), 16))
                                            .arg(PhraseDispatcher::PickerFocusWaitMs)));

        QTest::keyClicks(picker->searchBox(), QStringLiteral("gr"));
        QTest::sendKeyEvent(QTest::Click, picker->searchBox(), Qt::Key_Udiaeresis,
                            QStringLiteral("ü"), Qt::NoModifier);
        QCOMPARE(picker->results().size(), 1);
        QTest::keyClick(picker->searchBox(), Qt::Key_Return);
        QVERIFY(!picker->isVisible());
        QCOMPARE(desktop->typedText(), QStringLiteral("Viele Grüße"));
        QVERIFY(desktop->calls.contains(QStringLiteral("setForegroundWindow 500")));
        // The picker had the focus: the keys went to the editor's field only
        // once it was in front again, none of them to our own window.
        QCOMPARE(desktop->windows[editorText].text, QStringLiteral("Viele Grüße"));
        QVERIFY(desktop->keysToNowhere.isEmpty());
        QVERIFY(store->phrases().at(1).lastUsed > 0);
    }

    void caretIsReadOnceTheShortcutKeyIsUp_data()
    {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<int>("waitedMs");
        QTest::newRow("released after 30 ms") << 30 << 30;
        QTest::newRow("held on: not waited for longer than 400 ms") << 100000 << 400;
    }
    void caretIsReadOnceTheShortcutKeyIsUp()
    {
        QFETCH(int, heldMs);
        QFETCH(int, waitedMs);
        build();
        desktop->calls.clear();
        const quint32 start = desktop->now;
        desktop->nonModifierHeldUntil = start + quint32(heldMs);
        press(HotkeyManager::PickerId);
        QCOMPARE(int(desktop->now - start), waitedMs);
        const int caretQuery = desktop->calls.indexOf(QStringLiteral("guiThreadInfo 7"));
        QVERIFY(caretQuery >
                desktop->calls.lastIndexOf(QRegularExpression(QStringLiteral("^sleep"))));
        QCOMPARE(window->picker()->pos(), QPoint(210, 142));
    }

    void shortcutsThatHideThePicker()
    {
        build();
        PickerWindow *picker = window->picker();
        press(HotkeyManager::PickerId);
        QVERIFY(picker->isVisible());
        desktop->foreground = 0;
        press(HotkeyManager::PickerId);
        QVERIFY(!picker->isVisible());
        // The second press sends the picker away: the window it opened over
        // has the keyboard again, and nothing was typed.
        QCOMPARE(desktop->foreground, editor);
        QCOMPARE(window->dispatcher()->targetWindow(), WindowHandle(0));
        QCOMPARE(desktop->typedText(), QString());

        desktop->foreground = editor;
        press(HotkeyManager::PickerId);
        QVERIFY(picker->isVisible());
        press(HotkeyManager::FirstPhraseId);
        QVERIFY(!picker->isVisible());
        QCOMPARE(desktop->typedText(), QStringLiteral("Hello there"));
        QCOMPARE(desktop->windows[editorText].text, QStringLiteral("Hello there"));
        QVERIFY(desktop->keysToNowhere.isEmpty());
    }

    void opacityIsStoredAtEveryStep()
    {
        store->settings().pickerOpacity = 80;
        build();
        QSlider *slider = window->picker()->opacitySlider();
        QCOMPARE(slider->value(), 80);
        QVERIFY(!QFile::exists(store->dataFilePath())); // nothing to save at start-up
        slider->setValue(79);
        slider->setValue(78);
        PhraseStore reread(dir->path());
        QVERIFY(reread.load());
        QCOMPARE(reread.settings().pickerOpacity, 78);
    }

private:
    void build() { window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get()); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<FakeDesktop> desktop;
    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(PickerRoadTest)
#include "tst_pickerroad.moc"
