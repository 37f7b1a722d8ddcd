#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeymanager.h"

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
        int id = 1;
        QVERIFY(manager.nativeEventFilter(FakeDesktop::hotkeyEventType(), &id, nullptr));
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
        const QByteArray type = FakeDesktop::hotkeyEventType();

        int id = 2;
        QVERIFY(manager.nativeEventFilter(type, &id, nullptr));
        id = 101;
        QVERIFY(manager.nativeEventFilter(type, &id, nullptr));
        QCOMPARE(picker.count(), 1);
        QCOMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("y"));

        // A registration that is not the manager's is left to Qt.
        desktop.registerHotKey(owner, 500, 0, 0x70);
        id = 500;
        QVERIFY(!manager.nativeEventFilter(type, &id, nullptr));
        QVERIFY(!manager.nativeEventFilter(QByteArrayLiteral("other"), &id, nullptr));
        QCOMPARE(show.count(), 0);
        QCOMPARE(typed.count(), 1);
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

QTEST_GUILESS_MAIN(HotkeyManagerTest)
#include "tst_hotkeymanager.moc"
