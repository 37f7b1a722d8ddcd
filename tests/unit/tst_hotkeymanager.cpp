// The shortcut manager's rules over the recording shortcut service, which
// speaks the service's own terms (KeyCombination) and reports presses from
// the event loop as every backend does; then, on the Windows simulator, only
// what is the Windows backend's own: RegisterHotKey, WM_HOTKEY among Qt's
// native events, and the repeats Wine posts.

#include "fakes/fakedesktop.h"
#include "fakes/recordingdesktop.h"
#include "hotkeys/hotkeymanager.h"
#include "insert/insertion.h"
#include "win/hotkeyrepeat.h"

#include <QKeySequence>
#include <QSignalSpy>
#include <QtTest>

// QCOMPARE's words for a combination.
char *toString(const KeyCombination &c)
{
    const QString text = c.key() != 0 ? QKeySequence(c.toCombined()).toString()
                                      : QStringLiteral("native 0x%1, modifiers 0x%2")
                                            .arg(c.nativeKey(), 0, 16)
                                            .arg(int(c.modifiers()), 0, 16);
    return qstrdup(qPrintable(text));
}

namespace {

// The fields registerAll reads, in the shape of the store's records, which
// keep the data file's codes.
struct TestSettings
{
    int showVk = 0x54; // Ctrl+T
    int showMods = Hotkey::ModControl;
    int pickerVk = 0x52; // Ctrl+R
    int pickerMods = Hotkey::ModControl;
};

struct TestPhrase
{
    QString id;
    QString name;
    int vk = 0;
    int mods = 0;
    bool enabled = true;
};

constexpr WindowHandle owner = 0x42;

TestPhrase phrase(const QString &id, int mods, int vk, bool enabled = true)
{
    return {id, QStringLiteral("Name %1").arg(id), vk, mods, enabled};
}

KeyCombination ctrl(Qt::Key key)
{
    return KeyCombination(key, Qt::ControlModifier);
}

QVector<int> registeredIds(const FakeShortcuts &shortcuts)
{
    QVector<int> ids;
    for (const auto &call : shortcuts.calls)
        if (call.registering)
            ids << call.id;
    return ids;
}

} // namespace

class HotkeyManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void phraseIdsAreHandedOutInListOrderUpTo300()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QVector<TestPhrase> phrases;
        // 301 distinct combinations: modifier sets over F1 to F24.
        for (int i = 0; i < 301; ++i)
            phrases << phrase(QString::number(i), i / 24, 0x70 + i % 24);

        manager.registerAll(TestSettings(), phrases, false);

        QVector<int> expected{1, 2};
        for (int id = 100; id <= 399; ++id)
            expected << id;
        QCOMPARE(registeredIds(shortcuts), expected);
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("0"));
        QCOMPARE(manager.phraseIdFor(399), QStringLiteral("299"));
        QCOMPARE(manager.phraseIdFor(400), QString());
        QCOMPARE(failures.count(), 0);
        // The stored flags reach the service as the combination they name.
        QCOMPARE(shortcuts.registered.value(HotkeyManager::ShowId), ctrl(Qt::Key_T));
        QCOMPARE(shortcuts.registered.value(100), KeyCombination(Qt::Key_F1, Qt::NoModifier));
        // 299: MOD_SHIFT | MOD_WIN over F12.
        QCOMPARE(shortcuts.registered.value(399),
                 KeyCombination(Qt::Key_F12, Qt::ShiftModifier | Qt::MetaModifier));
    }

    void skippedPhrasesLeaveNoGap()
    {
        RecordingDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        const QVector<TestPhrase> phrases{
            phrase(QStringLiteral("a"), Hotkey::ModControl, 0x31),
            phrase(QStringLiteral("off"), Hotkey::ModControl, 0x32, false),
            phrase(QStringLiteral("nokey"), 0, 0),
            phrase(QStringLiteral("b"), Hotkey::ModControl, 0x33),
        };
        manager.registerAll(TestSettings(), phrases, false);

        QCOMPARE(registeredIds(desktop.shortcutsFake), (QVector<int>{1, 2, 100, 101}));
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("a"));
        QCOMPARE(manager.phraseIdFor(101), QStringLiteral("b"));
    }

    void pausedRegistersOnlyTheShowShortcut()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        // The picker combination would be refused: paused must not even try.
        shortcuts.takenByOthers << ctrl(Qt::Key_R);
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QSignalSpy show(&manager, &HotkeyManager::showWindowRequested);

        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("a"), 2, 0x31)}, true);

        QCOMPARE(registeredIds(shortcuts), QVector<int>{1});
        QVERIFY(manager.isPickerRegistered());
        QVERIFY(manager.isShowRegistered());
        QVERIFY(manager.isPaused());
        QCOMPARE(failures.count(), 0);
        QVERIFY(shortcuts.pressAndDeliver(1));
        QCOMPARE(show.count(), 1);
    }

    void showShortcutWithoutKeyCountsAsRegistered()
    {
        RecordingDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        TestSettings settings;
        settings.showVk = 0;
        settings.showMods = Hotkey::ModControl | Hotkey::ModAlt;

        manager.registerAll(settings, QVector<TestPhrase>(), false);

        QCOMPARE(registeredIds(desktop.shortcutsFake), QVector<int>{2});
        QVERIFY(manager.isShowRegistered());
        QCOMPARE(failures.count(), 0);
    }

    void failureTexts()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        shortcuts.takenByOthers << KeyCombination(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        TestSettings settings;
        settings.showVk = 0x5A;
        settings.showMods = Hotkey::ModControl | Hotkey::ModAlt;
        QVector<TestPhrase> phrases{
            {QStringLiteral("p1"), QStringLiteral("Greeting"), 0x31, Hotkey::ModControl, true},
            {QStringLiteral("p2"), QStringLiteral("Farewell"), 0x31, Hotkey::ModControl, true},
        };

        manager.registerAll(settings, phrases, false);

        QVERIFY(!manager.isShowRegistered());
        QVERIFY(manager.isPickerRegistered());
        QCOMPARE(failures.count(), 2);
        QCOMPARE(failures.at(0).at(0).toString(), QStringLiteral("Ctrl+Alt+Z"));
        // The first holder keeps the combination; the later one is named.
        QCOMPARE(failures.at(1).at(0).toString(), QStringLiteral("Farewell (Ctrl+1)"));
        QCOMPARE(shortcuts.registered.value(100), ctrl(Qt::Key_1));
        QVERIFY(!shortcuts.registered.contains(101));
        // The refused phrase keeps its id, which is released with the rest.
        QCOMPARE(manager.phraseIdFor(101), QStringLiteral("p2"));
    }

    // Told once: registering the same set again, as every change of the list
    // does, does not repeat the news; a new refusal is news again.
    void refusalsAreToldOnce()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        shortcuts.takenByOthers << ctrl(Qt::Key_1);
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QSignalSpy dead(&manager, &HotkeyManager::deadShortcutsChanged);
        QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), Hotkey::ModControl, 0x31),
                                    phrase(QStringLiteral("p2"), Hotkey::ModControl, 0x32)};
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(dead.count(), 1);
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});

        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(dead.count(), 1);

        // Moved to another taken combination: news.
        shortcuts.takenByOthers << ctrl(Qt::Key_3);
        phrases[0].vk = 0x33;
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 2);
        // Paused, no phrase is dead.
        manager.registerAll(TestSettings(), phrases, true);
        QVERIFY(manager.deadPhraseIds().isEmpty());
        QCOMPARE(dead.count(), 2);
    }

    // A shortcut field in focus: every combination is let go, nothing is
    // taken up meanwhile, and afterwards all is as before, without telling
    // the user again of a combination another program holds.
    void suspensionLetsEverythingGoAndTellsNothingTwice()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        shortcuts.takenByOthers << ctrl(Qt::Key_1);
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QSignalSpy dead(&manager, &HotkeyManager::deadShortcutsChanged);
        const QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), Hotkey::ModControl, 0x31),
                                          phrase(QStringLiteral("p2"), Hotkey::ModControl, 0x32)};
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(shortcuts.registered.size(), 3);
        QCOMPARE(failures.count(), 1);

        manager.suspend();
        QVERIFY(manager.isSuspended());
        QVERIFY(shortcuts.registered.isEmpty());
        // Kept for the table's marks while the field has the focus.
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});
        manager.registerAll(TestSettings(), phrases, false);
        QVERIFY(shortcuts.registered.isEmpty());
        QVERIFY(!manager.retryRefused());
        QVERIFY(shortcuts.registered.isEmpty());

        manager.resume();
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(shortcuts.registered.size(), 3);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(dead.count(), 1);
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});
    }

    void refusedRegistrationsAreTriedAgain()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        shortcuts.takenByOthers << ctrl(Qt::Key_T) << ctrl(Qt::Key_1);
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy dead(&manager, &HotkeyManager::deadShortcutsChanged);
        QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), Hotkey::ModControl, 0x31)};
        manager.registerAll(TestSettings(), phrases, false);
        QVERIFY(!manager.isShowRegistered());
        QCOMPARE(dead.count(), 1);

        QVERIFY(!manager.retryRefused()); // still held
        shortcuts.takenByOthers.removeAll(ctrl(Qt::Key_T));
        QVERIFY(manager.retryRefused());
        QVERIFY(manager.isShowRegistered());
        QCOMPARE(dead.count(), 2); // the command's state changed
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});

        shortcuts.takenByOthers.clear();
        QVERIFY(manager.retryRefused());
        QVERIFY(manager.deadPhraseIds().isEmpty());
        QCOMPARE(shortcuts.registered.value(100), ctrl(Qt::Key_1));
        QVERIFY(!manager.retryRefused()); // nothing left to try
    }

    // Combinations the shortcut editor refuses can still come from a
    // backup, the old edition's import or an edited data file: they are
    // never taken from every program, and the user is told why. Here AltGr
    // is Ctrl+Alt, and AltGr+E types "€".
    void combinationsNoShortcutMayHave_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("reason");
        const int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
        QTest::newRow("a bare letter") << 0 << 0x41 << false << "from typing";
        QTest::newRow("Ctrl+V") << int(Hotkey::ModControl) << 0x56 << false << "pastes";
        QTest::newRow("Shift+Insert") << int(Hotkey::ModShift) << 0x2D << false << "pastes";
        QTest::newRow("F5 alone") << 0 << 0x74 << true << "";
        QTest::newRow("Ctrl+Shift+V")
            << int(Hotkey::ModControl | Hotkey::ModShift) << 0x56 << false << "pastes";
        QTest::newRow("Shift+E") << int(Hotkey::ModShift) << 0x45 << false << "from typing";
        QTest::newRow("Shift+Left") << int(Hotkey::ModShift) << 0x25 << false << "from typing";
        QTest::newRow("Shift+F5") << int(Hotkey::ModShift) << 0x74 << true << "";
        QTest::newRow("Ctrl+Alt+E") << ctrlAlt << 0x45 << false << QString::fromUtf8("“€”");
        QTest::newRow("Ctrl+Alt+Shift+E")
            << (ctrlAlt | Hotkey::ModShift) << 0x45 << false << QString::fromUtf8("“€”");
        QTest::newRow("Ctrl+Alt+1") << ctrlAlt << 0x31 << true << "";
        // The layout is asked by the key and Shift the shortcut holds.
        QTest::newRow("Ctrl+Alt+Q, a character with Shift only") << ctrlAlt << 0x51 << true << "";
        QTest::newRow("Ctrl+Alt+Shift+Q")
            << (ctrlAlt | Hotkey::ModShift) << 0x51 << false << QString::fromUtf8("“Ω”");
        QTest::newRow("Ctrl+Alt+<, a key Qt has no name for")
            << ctrlAlt << 0xE2 << false << QStringLiteral("“|”");
        QTest::newRow("Ctrl+Shift+E")
            << int(Hotkey::ModControl | Hotkey::ModShift) << 0x45 << true << "";
    }
    void combinationsNoShortcutMayHave()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(bool, registered);
        QFETCH(QString, reason);
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        shortcuts.altGrCtrlAlt = true;
        shortcuts.altGr << qMakePair(KeyCombination(Qt::Key_E, Qt::NoModifier),
                                     QString::fromUtf8("€"))
                        << qMakePair(KeyCombination(Qt::Key_Q, Qt::ShiftModifier),
                                     QString::fromUtf8("Ω"))
                        << qMakePair(KeyCombination::fromStored(0, 0xE2), QStringLiteral("|"));
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("p1"), mods, vk)}, false);
        QCOMPARE(shortcuts.registered.contains(100), registered);
        if (registered)
            QCOMPARE(shortcuts.registered.value(100), KeyCombination::fromStored(mods, vk));
        QCOMPARE(manager.deadPhraseIds().contains(QStringLiteral("p1")), !registered);
        QCOMPARE(failures.count(), registered ? 0 : 1);
        if (!registered) {
            QVERIFY2(failures.at(0).at(0).toString().startsWith(QStringLiteral("Name p1 (")),
                     qPrintable(failures.at(0).at(0).toString()));
            QVERIFY2(failures.at(0).at(0).toString().contains(reason),
                     qPrintable(failures.at(0).at(0).toString()));
            // Never taken up by the retries either.
            QVERIFY(!manager.retryRefused());
            QVERIFY(!shortcuts.registered.contains(100));
        }

        // A command's shortcut from the data file alike.
        TestSettings settings;
        settings.pickerVk = vk;
        settings.pickerMods = mods;
        manager.registerAll(settings, QVector<TestPhrase>(), false);
        QCOMPARE(shortcuts.registered.contains(HotkeyManager::PickerId), registered);
        QCOMPARE(manager.isPickerRegistered(), registered);
    }

    // Our own paste keys are never our shortcuts: Ctrl+Shift+V, the
    // terminals' paste, is refused when it comes from the data file, told
    // once and never tried again, so our paste into a terminal meets no
    // shortcut of ours (what the Windows backend then does is below).
    void ownPasteKeyIsNeverOurShortcut()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        constexpr int ctrlShiftV = Hotkey::ModControl | Hotkey::ModShift;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        const QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), ctrlShiftV, 0x56)};
        manager.registerAll(TestSettings(), phrases, false);
        QVERIFY(!shortcuts.registered.contains(100));
        QCOMPARE(failures.count(), 1);
        QVERIFY2(failures.at(0).at(0).toString().startsWith(
                     QStringLiteral("Name p1 (Ctrl+Shift+V), the key that pastes")),
                 qPrintable(failures.at(0).at(0).toString()));
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});
        QVERIFY(!manager.retryRefused());

        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 1);
        const KeyCombination paste(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        for (const auto &call : qAsConst(shortcuts.calls))
            QVERIFY(call.combination != paste);
        QVERIFY(shortcuts.registered.contains(HotkeyManager::ShowId));
        QVERIFY(shortcuts.registered.contains(HotkeyManager::PickerId));
    }

    void pressesBecomeSignals()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy show(&manager, &HotkeyManager::showWindowRequested);
        QSignalSpy picker(&manager, &HotkeyManager::pickerRequested);
        QSignalSpy typed(&manager, &HotkeyManager::phraseRequested);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("x"), 2, 0x31),
                                                phrase(QStringLiteral("y"), 2, 0x32)},
                            false);

        shortcuts.press(2);
        shortcuts.press(101);
        // Reported from the event loop, not from within the press.
        QCOMPARE(picker.count(), 0);
        shortcuts.deliverPresses();
        QCOMPARE(picker.count(), 1);
        QCOMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("y"));

        // A registration that is not the manager's sets off nothing.
        QVERIFY(shortcuts.registerShortcut(owner, 500, KeyCombination(Qt::Key_F1, {})));
        QVERIFY(shortcuts.pressAndDeliver(500));
        QCOMPARE(show.count(), 0);
        QCOMPARE(picker.count(), 1);
        QCOMPARE(typed.count(), 1);
    }

    // Presses are handed over only while the manager listens: once it has
    // gone nobody takes them. A press while the one before is still carried
    // out (a text going out serves events) is handed over too, in its turn.
    void pressesReachTheManagerWhileItListens()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        auto manager = std::make_unique<HotkeyManager>(&desktop, [] { return owner; });
        QVERIFY(shortcuts.listens());
        manager->registerAll(TestSettings(),
                             QVector<TestPhrase>{phrase(QStringLiteral("x"), 2, 0x31),
                                                 phrase(QStringLiteral("y"), 2, 0x32)},
                             false);
        QStringList order;
        connect(manager.get(), &HotkeyManager::phraseRequested, manager.get(),
                [&order, &shortcuts](const QString &id) {
                    order << id + QStringLiteral(" begins");
                    if (id == QLatin1String("x"))
                        QVERIFY(shortcuts.pressAndDeliver(101));
                    order << id + QStringLiteral(" ends");
                });
        QVERIFY(shortcuts.pressAndDeliver(100));
        QCOMPARE(order, (QStringList{QStringLiteral("x begins"), QStringLiteral("y begins"),
                                     QStringLiteral("y ends"), QStringLiteral("x ends")}));

        // The manager gone, a registration of the desktop's: nobody takes it,
        // nor a press made while the manager still listened.
        shortcuts.press(101);
        manager.reset();
        QVERIFY(!shortcuts.listens());
        QVERIFY(shortcuts.registerShortcut(owner, 100, ctrl(Qt::Key_1)));
        QVERIFY(!shortcuts.pressAndDeliver(100));
        QCOMPARE(order.size(), 4);
    }

    void registerAllReplacesEverything()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        HotkeyManager manager(&desktop, [] { return owner; });
        QVector<TestPhrase> phrases{phrase(QStringLiteral("a"), 2, 0x31),
                                    phrase(QStringLiteral("b"), 2, 0x32)};
        manager.registerAll(TestSettings(), phrases, false);
        phrases.removeFirst();
        shortcuts.calls.clear();

        manager.registerAll(TestSettings(), phrases, false);

        QStringList unregistered;
        for (const auto &call : qAsConst(shortcuts.calls))
            if (!call.registering)
                unregistered << QString::number(call.id);
        unregistered.sort();
        QCOMPARE(unregistered, (QStringList{QStringLiteral("1"), QStringLiteral("100"),
                                            QStringLiteral("101"), QStringLiteral("2")}));
        QCOMPARE(shortcuts.registered.keys().size(), 3);
        QCOMPARE(shortcuts.registered.value(100), ctrl(Qt::Key_2));
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("b"));
        QCOMPARE(manager.phraseIdFor(101), QString());

        manager.unregisterAll();
        QVERIFY(shortcuts.registered.isEmpty());
    }

    void withoutWindowNothingReachesThePlatform()
    {
        RecordingDesktop desktop;
        HotkeyManager manager(&desktop, [] { return WindowHandle(0); });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("a"), 2, 0x31)}, false);
        QVERIFY(desktop.shortcutsFake.calls.isEmpty());
        QVERIFY(manager.isShowRegistered());
        QVERIFY(manager.isPickerRegistered());
        QCOMPARE(failures.count(), 0);
    }

    void destructorReleasesOnTheRegisteringWindow()
    {
        RecordingDesktop desktop;
        FakeShortcuts &shortcuts = desktop.shortcutsFake;
        WindowHandle current = owner;
        {
            HotkeyManager manager(&desktop, [&current] { return current; });
            manager.registerAll(TestSettings(), QVector<TestPhrase>(), false);
            current = 0; // the window is going away
        }
        QVERIFY(shortcuts.registered.isEmpty());
        QVERIFY(!shortcuts.calls.last().registering);
        QCOMPARE(shortcuts.calls.last().owner, owner);
        QVERIFY(!shortcuts.listens());
    }

    // ---- The Windows backend's edge, on the Windows simulator ----------------

    // On Windows every stored code is registered as it is, those Qt has no
    // key for included (the ISO keyboard's <> key, the keypad's separator,
    // media and OEM keys): naming shortcuts in Qt's terms loses none.
    void everyStoredKeyReachesRegisterHotKeyUnchanged()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        const int ctrlShift = Hotkey::ModControl | Hotkey::ModShift;
        const QVector<int> keys{0xE2, 0x6C, 0xAD, 0xB3, 0xDF, 0x4B, 0x65, 0xBA};
        QVector<TestPhrase> phrases;
        for (int vk : keys)
            phrases << phrase(QString::number(vk), ctrlShift, vk);
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 0);
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(desktop.registered.value(100 + i), qMakePair(ctrlShift, keys.at(i)));
    }

    // Ctrl+Shift+V goes out as our paste while another program takes it: the
    // backend lets go of our registrations on the paste chord for the paste
    // and must take them back, and with none of ours there (the manager
    // refused it above) there is nothing to lose.
    void pasteChordTakenMeanwhileLosesNoneOfOurs()
    {
        FakeDesktop desktop;
        constexpr int ctrlShiftV = Hotkey::ModControl | Hotkey::ModShift;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("p1"), ctrlShiftV, 0x56)},
                            false);
        QVERIFY(!desktop.registered.contains(100));
        QCOMPARE(failures.count(), 1);

        FakeDesktop::Window target;
        target.className = QStringLiteral("Terminal");
        target.thread = 7;
        target.pid = 700;
        target.pasteKey = PasteKey::CtrlShiftV;
        desktop.addWindow(0x10, target);
        // Another program takes Ctrl+Shift+V while the paste goes out: none
        // of ours was on it.
        desktop.afterInput = [&] { desktop.failingHotkeys.insert(qMakePair(ctrlShiftV, 0x56)); };
        InsertPlan road;
        road.method = InsertMethod::PasteCtrlShiftV;
        road.pasteKey = PasteKey::CtrlShiftV;
        QVERIFY(insertText(desktop, QStringLiteral("ls -l"), 0x10, road).delivered());
        QCOMPARE(desktop.windows[0x10].text, QStringLiteral("ls -l"));
        QCOMPARE(failures.count(), 1);
        QVERIFY(desktop.registered.contains(HotkeyManager::ShowId));
        QVERIFY(desktop.registered.contains(HotkeyManager::PickerId));
        QVERIFY(!manager.retryRefused());
    }

    // WM_HOTKEY reaches the manager through Qt's native event filters, taken
    // only for a registration made through the service and only while a
    // handler is set; everything else is left to Qt, and a desktop that went
    // away with a listener set leaves nothing behind among Qt's filters. A
    // press while the one before is still carried out is handed over too.
    void hotKeyMessagesNotOursAreLeftToQt()
    {
        FakeDesktop desktop;
        auto manager = std::make_unique<HotkeyManager>(&desktop, [] { return owner; });
        QSignalSpy typed(manager.get(), &HotkeyManager::phraseRequested);
        manager->registerAll(TestSettings(),
                             QVector<TestPhrase>{phrase(QStringLiteral("x"), 2, 0x31),
                                                 phrase(QStringLiteral("y"), 2, 0x32)},
                             false);
        QStringList order;
        connect(manager.get(), &HotkeyManager::phraseRequested, manager.get(),
                [&order](const QString &id) {
                    order << id + QStringLiteral(" begins");
                    if (id == QLatin1String("x"))
                        QVERIFY(FakeDesktop::postHotkey(101));
                    order << id + QStringLiteral(" ends");
                });
        QVERIFY(FakeDesktop::postHotkey(100));
        QCOMPARE(order, (QStringList{QStringLiteral("x begins"), QStringLiteral("y begins"),
                                     QStringLiteral("y ends"), QStringLiteral("x ends")}));

        // Registered on our window by something else, or another event.
        desktop.registerHotKey(owner, 500, 0, 0x70);
        QVERIFY(!FakeDesktop::postHotkey(500));
        QVERIFY(!FakeDesktop::postHotkey(500, QByteArrayLiteral("other")));
        QCOMPARE(typed.count(), 2);

        // The manager gone, a registration of the desktop's: nobody takes it.
        manager.reset();
        QVERIFY(
            desktop.shortcuts().registerShortcut(owner, 100, KeyCombination::fromStored(2, 0x31)));
        QVERIFY(!FakeDesktop::postHotkey(100));

        {
            FakeDesktop gone;
            QVERIFY(
                gone.shortcuts().registerShortcut(owner, 1, KeyCombination::fromStored(2, 0x33)));
            gone.shortcuts().setPressHandler([](int) {});
            QVERIFY(FakeDesktop::postHotkey(1));
        }
        QVERIFY(!FakeDesktop::postHotkey(1));
    }

    // A held shortcut where every key repeat comes as a press (Wine posts
    // them despite MOD_NOREPEAT): one press, one action. The key's release,
    // as the keyboard hook saw it in the order of events, divides presses;
    // repeats still queued when the release is seen stay repeats.
    void repeatsOfAHeldShortcut_data()
    {
        QTest::addColumn<QString>("events"); // "p<time>" a press, "u<time>" the key up
        QTest::addColumn<QString>("accepted");
        QTest::newRow("held with repeats, released") << "p0 p250 p283 p316 u1500"
                                                     << "1 0 0 0";
        QTest::newRow("repeats handled after the release was seen") << "p0 u1500 p250 p283 p316"
                                                                    << "1 0 0 0";
        QTest::newRow("two presses") << "p0 u80 p400 u480"
                                     << "1 1";
        QTest::newRow("the second press handled after both releases") << "p0 u80 u480 p400"
                                                                      << "1 1";
        QTest::newRow("a tap within one millisecond, then a press") << "p0 u0 p900"
                                                                    << "1 1";
        QTest::newRow("a repeat in the release's millisecond") << "p0 p1500 u1500"
                                                               << "1 0";
        QTest::newRow("time wraps") << "p4294967200 p4294967290 u20 p60"
                                    << "1 0 1";
    }
    void repeatsOfAHeldShortcut()
    {
        QFETCH(QString, events);
        QFETCH(QString, accepted);
        HotkeyRepeats repeats;
        QStringList got;
        for (const QString &e : events.split(QLatin1Char(' '))) {
            const unsigned time = e.mid(1).toUInt();
            if (e.startsWith(QLatin1Char('u')))
                repeats.keyUp(0x31, time);
            else
                got << QString::number(int(repeats.accept(100, 0x31, time)));
        }
        QCOMPARE(got.join(QLatin1Char(' ')), accepted);
        // Another key's release divides nothing.
        HotkeyRepeats other;
        QVERIFY(other.accept(100, 0x31, 0));
        other.keyUp(0x32, 10);
        QVERIFY(!other.accept(100, 0x31, 20));
    }
};

QTEST_MAIN(HotkeyManagerTest)
#include "tst_hotkeymanager.moc"
