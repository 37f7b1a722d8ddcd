#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeymanager.h"
#include "insert/insertion.h"
#include "win/hotkeyrepeat.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The fields registerAll reads, in the shape of the store's records.
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

QVector<int> registeredIds(const FakeDesktop &desktop)
{
    QVector<int> ids;
    for (const auto &call : desktop.hotkeyCalls)
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
        FakeDesktop desktop;
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
        QCOMPARE(registeredIds(desktop), expected);
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("0"));
        QCOMPARE(manager.phraseIdFor(399), QStringLiteral("299"));
        QCOMPARE(manager.phraseIdFor(400), QString());
        QCOMPARE(failures.count(), 0);
        // The stored flags reach the platform unchanged.
        QCOMPARE(desktop.registered.value(399), qMakePair(phrases[299].mods, phrases[299].vk));
    }

    void skippedPhrasesLeaveNoGap()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        const QVector<TestPhrase> phrases{
            phrase(QStringLiteral("a"), Hotkey::ModControl, 0x31),
            phrase(QStringLiteral("off"), Hotkey::ModControl, 0x32, false),
            phrase(QStringLiteral("nokey"), 0, 0),
            phrase(QStringLiteral("b"), Hotkey::ModControl, 0x33),
        };
        manager.registerAll(TestSettings(), phrases, false);

        QCOMPARE(registeredIds(desktop), (QVector<int>{1, 2, 100, 101}));
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("a"));
        QCOMPARE(manager.phraseIdFor(101), QStringLiteral("b"));
    }

    void pausedRegistersOnlyTheShowShortcut()
    {
        FakeDesktop desktop;
        // The picker combination would be refused: paused must not even try.
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x52));
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QSignalSpy show(&manager, &HotkeyManager::showWindowRequested);

        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("a"), 2, 0x31)}, true);

        QCOMPARE(registeredIds(desktop), QVector<int>{1});
        QVERIFY(manager.isPickerRegistered());
        QVERIFY(manager.isShowRegistered());
        QVERIFY(manager.isPaused());
        QCOMPARE(failures.count(), 0);
        QVERIFY(FakeDesktop::postHotkey(1));
        QCOMPARE(show.count(), 1);
    }

    void showShortcutWithoutKeyCountsAsRegistered()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        TestSettings settings;
        settings.showVk = 0;
        settings.showMods = Hotkey::ModControl | Hotkey::ModAlt;

        manager.registerAll(settings, QVector<TestPhrase>(), false);

        QCOMPARE(registeredIds(desktop), QVector<int>{2});
        QVERIFY(manager.isShowRegistered());
        QCOMPARE(failures.count(), 0);
    }

    void failureTexts()
    {
        FakeDesktop desktop;
        desktop.failingHotkeys.insert(
            qMakePair(int(Hotkey::ModControl | Hotkey::ModAlt), 0x5A)); // Ctrl+Alt+Z
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
        QCOMPARE(desktop.registered.value(100), qMakePair(int(Hotkey::ModControl), 0x31));
        QVERIFY(!desktop.registered.contains(101));
        // The refused phrase keeps its id, which is released with the rest.
        QCOMPARE(manager.phraseIdFor(101), QStringLiteral("p2"));
    }

    // Told once: registering the same set again, as every change of the list
    // does, does not repeat the news; a new refusal is news again.
    void refusalsAreToldOnce()
    {
        FakeDesktop desktop;
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x31));
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
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x33));
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
        FakeDesktop desktop;
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x31));
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        QSignalSpy dead(&manager, &HotkeyManager::deadShortcutsChanged);
        const QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), Hotkey::ModControl, 0x31),
                                          phrase(QStringLiteral("p2"), Hotkey::ModControl, 0x32)};
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(desktop.registered.size(), 3);
        QCOMPARE(failures.count(), 1);

        manager.suspend();
        QVERIFY(manager.isSuspended());
        QVERIFY(desktop.registered.isEmpty());
        // Kept for the table's marks while the field has the focus.
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});
        manager.registerAll(TestSettings(), phrases, false);
        QVERIFY(desktop.registered.isEmpty());
        QVERIFY(!manager.retryRefused());
        QVERIFY(desktop.registered.isEmpty());

        manager.resume();
        manager.registerAll(TestSettings(), phrases, false);
        QCOMPARE(desktop.registered.size(), 3);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(dead.count(), 1);
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});
    }

    void refusedRegistrationsAreTriedAgain()
    {
        FakeDesktop desktop;
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x54)); // Ctrl+T
        desktop.failingHotkeys.insert(qMakePair(int(Hotkey::ModControl), 0x31));
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy dead(&manager, &HotkeyManager::deadShortcutsChanged);
        QVector<TestPhrase> phrases{phrase(QStringLiteral("p1"), Hotkey::ModControl, 0x31)};
        manager.registerAll(TestSettings(), phrases, false);
        QVERIFY(!manager.isShowRegistered());
        QCOMPARE(dead.count(), 1);

        QVERIFY(!manager.retryRefused()); // still held
        desktop.failingHotkeys.remove(qMakePair(int(Hotkey::ModControl), 0x54));
        QVERIFY(manager.retryRefused());
        QVERIFY(manager.isShowRegistered());
        QCOMPARE(dead.count(), 2); // the command's state changed
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});

        desktop.failingHotkeys.clear();
        QVERIFY(manager.retryRefused());
        QVERIFY(manager.deadPhraseIds().isEmpty());
        QCOMPARE(desktop.registered.value(100), qMakePair(int(Hotkey::ModControl), 0x31));
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
        FakeDesktop desktop;
        desktop.altGr.insert(0x45, QString::fromUtf8("€"));
        desktop.altGrWithShift.insert(0x51, QString::fromUtf8("Ω"));
        desktop.altGr.insert(0xE2, QStringLiteral("|"));
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("p1"), mods, vk)}, false);
        QCOMPARE(desktop.registered.contains(100), registered);
        QCOMPARE(manager.deadPhraseIds().contains(QStringLiteral("p1")), !registered);
        QCOMPARE(failures.count(), registered ? 0 : 1);
        if (!registered) {
            QVERIFY2(failures.at(0).at(0).toString().startsWith(QStringLiteral("Name p1 (")),
                     qPrintable(failures.at(0).at(0).toString()));
            QVERIFY2(failures.at(0).at(0).toString().contains(reason),
                     qPrintable(failures.at(0).at(0).toString()));
            // Never taken up by the retries either.
            QVERIFY(!manager.retryRefused());
            QVERIFY(!desktop.registered.contains(100));
        }

        // A command's shortcut from the data file alike.
        TestSettings settings;
        settings.pickerVk = vk;
        settings.pickerMods = mods;
        manager.registerAll(settings, QVector<TestPhrase>(), false);
        QCOMPARE(desktop.registered.contains(HotkeyManager::PickerId), registered);
        QCOMPARE(manager.isPickerRegistered(), registered);
    }

    // Our own paste keys are never our shortcuts: Ctrl+Shift+V, the
    // terminals' paste, is refused when it comes from the data file (and
    // told once), so our paste into a terminal meets no shortcut of ours,
    // nothing steps aside and nothing can be lost meanwhile.
    void ownPasteKeyIsNeverOurShortcut()
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
        QVERIFY2(failures.at(0).at(0).toString().startsWith(
                     QStringLiteral("Name p1 (Ctrl+Shift+V), the key that pastes")),
                 qPrintable(failures.at(0).at(0).toString()));
        QCOMPARE(manager.deadPhraseIds(), QSet<QString>{QStringLiteral("p1")});

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

    void pressesBecomeSignals()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        QSignalSpy show(&manager, &HotkeyManager::showWindowRequested);
        QSignalSpy picker(&manager, &HotkeyManager::pickerRequested);
        QSignalSpy typed(&manager, &HotkeyManager::phraseRequested);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("x"), 2, 0x31),
                                                phrase(QStringLiteral("y"), 2, 0x32)},
                            false);

        QVERIFY(FakeDesktop::postHotkey(2));
        QVERIFY(FakeDesktop::postHotkey(101));
        QCOMPARE(picker.count(), 1);
        QCOMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("y"));

        // A registration that is not the manager's is left to Qt.
        desktop.registerHotKey(owner, 500, 0, 0x70);
        QVERIFY(!FakeDesktop::postHotkey(500));
        QVERIFY(!FakeDesktop::postHotkey(500, QByteArrayLiteral("other")));
        QCOMPARE(show.count(), 0);
        QCOMPARE(typed.count(), 1);
    }

    // Presses are handed over only while the manager listens: once it has
    // gone they are left to Qt, and a desktop that went away with a
    // listener set leaves nothing behind among Qt's filters. A press while
    // the one before is still carried out (a text going out serves events)
    // is handed over too, in its turn.
    void pressesReachTheManagerWhileItListens()
    {
        FakeDesktop desktop;
        auto manager = std::make_unique<HotkeyManager>(&desktop, [] { return owner; });
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

    void registerAllReplacesEverything()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return owner; });
        QVector<TestPhrase> phrases{phrase(QStringLiteral("a"), 2, 0x31),
                                    phrase(QStringLiteral("b"), 2, 0x32)};
        manager.registerAll(TestSettings(), phrases, false);
        phrases.removeFirst();
        desktop.hotkeyCalls.clear();

        manager.registerAll(TestSettings(), phrases, false);

        QStringList unregistered;
        for (const auto &call : desktop.hotkeyCalls)
            if (!call.registering)
                unregistered << QString::number(call.id);
        unregistered.sort();
        QCOMPARE(unregistered, (QStringList{QStringLiteral("1"), QStringLiteral("100"),
                                            QStringLiteral("101"), QStringLiteral("2")}));
        QCOMPARE(desktop.registered.keys().size(), 3);
        QCOMPARE(manager.phraseIdFor(100), QStringLiteral("b"));
        QCOMPARE(manager.phraseIdFor(101), QString());

        manager.unregisterAll();
        QVERIFY(desktop.registered.isEmpty());
    }

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

    void withoutWindowNothingReachesThePlatform()
    {
        FakeDesktop desktop;
        HotkeyManager manager(&desktop, [] { return WindowHandle(0); });
        QSignalSpy failures(&manager, &HotkeyManager::registrationFailed);
        manager.registerAll(TestSettings(),
                            QVector<TestPhrase>{phrase(QStringLiteral("a"), 2, 0x31)}, false);
        QVERIFY(desktop.hotkeyCalls.isEmpty());
        QVERIFY(manager.isShowRegistered());
        QVERIFY(manager.isPickerRegistered());
        QCOMPARE(failures.count(), 0);
    }

    void destructorReleasesOnTheRegisteringWindow()
    {
        FakeDesktop desktop;
        WindowHandle current = owner;
        {
            HotkeyManager manager(&desktop, [&current] { return current; });
            manager.registerAll(TestSettings(), QVector<TestPhrase>(), false);
            current = 0; // the window is going away
        }
        QVERIFY(desktop.registered.isEmpty());
        QCOMPARE(desktop.hotkeyCalls.last().owner, owner);
    }
};

QTEST_MAIN(HotkeyManagerTest)
#include "tst_hotkeymanager.moc"
