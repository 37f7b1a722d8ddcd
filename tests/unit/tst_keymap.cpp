#include "base/hotkey.h"
#include "base/keycombination.h"
#include "base/keymap.h"

#include <QtTest>

class KeyMapTest : public QObject
{
    Q_OBJECT

private slots:
    // Keys that map both ways between Windows codes and Qt keys.
    void bothWays_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("A") << 0x41 << int(Qt::Key_A) << false;
        QTest::newRow("Z") << 0x5A << int(Qt::Key_Z) << false;
        QTest::newRow("0") << 0x30 << int(Qt::Key_0) << false;
        QTest::newRow("9") << 0x39 << int(Qt::Key_9) << false;
        QTest::newRow("F1") << 0x70 << int(Qt::Key_F1) << false;
        QTest::newRow("F24") << 0x87 << int(Qt::Key_F24) << false;
        QTest::newRow("Num 0") << 0x60 << int(Qt::Key_0) << true;
        QTest::newRow("Num 9") << 0x69 << int(Qt::Key_9) << true;
        QTest::newRow("Num *") << 0x6A << int(Qt::Key_Asterisk) << true;
        QTest::newRow("Num +") << 0x6B << int(Qt::Key_Plus) << true;
        QTest::newRow("Num -") << 0x6D << int(Qt::Key_Minus) << true;
        QTest::newRow("Num .") << 0x6E << int(Qt::Key_Period) << true;
        QTest::newRow("Num /") << 0x6F << int(Qt::Key_Slash) << true;
        QTest::newRow("Backspace") << 0x08 << int(Qt::Key_Backspace) << false;
        QTest::newRow("Tab") << 0x09 << int(Qt::Key_Tab) << false;
        QTest::newRow("Enter") << 0x0D << int(Qt::Key_Return) << false;
        QTest::newRow("Esc") << 0x1B << int(Qt::Key_Escape) << false;
        QTest::newRow("Space") << 0x20 << int(Qt::Key_Space) << false;
        QTest::newRow("PageUp") << 0x21 << int(Qt::Key_PageUp) << false;
        QTest::newRow("PageDown") << 0x22 << int(Qt::Key_PageDown) << false;
        QTest::newRow("End") << 0x23 << int(Qt::Key_End) << false;
        QTest::newRow("Home") << 0x24 << int(Qt::Key_Home) << false;
        QTest::newRow("Left") << 0x25 << int(Qt::Key_Left) << false;
        QTest::newRow("Down") << 0x28 << int(Qt::Key_Down) << false;
        QTest::newRow("Insert") << 0x2D << int(Qt::Key_Insert) << false;
        QTest::newRow("Delete") << 0x2E << int(Qt::Key_Delete) << false;
        QTest::newRow(";") << 0xBA << int(Qt::Key_Semicolon) << false;
        QTest::newRow("=") << 0xBB << int(Qt::Key_Equal) << false;
        QTest::newRow(",") << 0xBC << int(Qt::Key_Comma) << false;
        QTest::newRow("-") << 0xBD << int(Qt::Key_Minus) << false;
        QTest::newRow(".") << 0xBE << int(Qt::Key_Period) << false;
        QTest::newRow("/") << 0xBF << int(Qt::Key_Slash) << false;
        QTest::newRow("`") << 0xC0 << int(Qt::Key_QuoteLeft) << false;
        QTest::newRow("[") << 0xDB << int(Qt::Key_BracketLeft) << false;
        QTest::newRow("\\") << 0xDC << int(Qt::Key_Backslash) << false;
        QTest::newRow("]") << 0xDD << int(Qt::Key_BracketRight) << false;
        QTest::newRow("'") << 0xDE << int(Qt::Key_Apostrophe) << false;
    }
    void bothWays()
    {
        QFETCH(int, vk);
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QCOMPARE(KeyMap::virtualKeyFromQtKey(qtKey, keypad), vk);
        bool isKeypad = !keypad;
        QCOMPARE(KeyMap::qtKeyFromVirtualKey(vk, &isKeypad), qtKey);
        QCOMPARE(isKeypad, keypad);

        // The stored shortcut becomes the same key in Qt's terms with every
        // set of modifiers, and comes back to the same stored values.
        for (int mods = 0; mods <= Hotkey::ModMask; ++mods) {
            const KeyCombination combination = KeyCombination::fromStored(mods, vk);
            QCOMPARE(int(combination.key()), qtKey);
            QCOMPARE(combination.isKeypad(), keypad);
            QCOMPARE(combination.has(Qt::ControlModifier), bool(mods & Hotkey::ModControl));
            QCOMPARE(combination.has(Qt::AltModifier), bool(mods & Hotkey::ModAlt));
            QCOMPARE(combination.has(Qt::ShiftModifier), bool(mods & Hotkey::ModShift));
            QCOMPARE(combination.has(Qt::MetaModifier), bool(mods & Hotkey::ModWin));
            QCOMPARE(combination.storedKey(), vk);
            QCOMPARE(combination.storedModifiers(), mods);
        }
    }

    // What Qt reports for shifted keys and keypad keys without NumLock names
    // the key Windows reports, never a code of its own.
    void towardsVirtualKeyOnly_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("vk");
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << false << 0x09;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 0x0D;
        QTest::newRow("keypad Home") << int(Qt::Key_Home) << true << 0x24;
        QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << true << 0x2E;
        QTest::newRow("!") << int(Qt::Key_Exclam) << false << 0x31;
        QTest::newRow(")") << int(Qt::Key_ParenRight) << false << 0x30;
        QTest::newRow("* over 8") << int(Qt::Key_Asterisk) << false << 0x38;
        QTest::newRow(":") << int(Qt::Key_Colon) << false << 0xBA;
        QTest::newRow("+ over =") << int(Qt::Key_Plus) << false << 0xBB;
        QTest::newRow("_") << int(Qt::Key_Underscore) << false << 0xBD;
        QTest::newRow("?") << int(Qt::Key_Question) << false << 0xBF;
        QTest::newRow("~") << int(Qt::Key_AsciiTilde) << false << 0xC0;
        QTest::newRow("|") << int(Qt::Key_Bar) << false << 0xDC;
        QTest::newRow("\"") << int(Qt::Key_QuoteDbl) << false << 0xDE;
        QTest::newRow("no code: volume") << int(Qt::Key_VolumeUp) << false << 0;
        QTest::newRow("no code: accented letter") << int(Qt::Key_Eacute) << false << 0;
        QTest::newRow("no code: F25") << int(Qt::Key_F25) << false << 0;
        QTest::newRow("no code: lone Shift") << int(Qt::Key_Shift) << false << 0;
    }
    void towardsVirtualKeyOnly()
    {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, vk);
        QCOMPARE(KeyMap::virtualKeyFromQtKey(qtKey, keypad), vk);
    }

    // Every code keyName gives a proper name has a Qt key, so a stored
    // shortcut can always be shown and matched again (0x6C has no Qt key).
    void everyNamedCodeHasAQtKey()
    {
        for (int vk = 1; vk < 0x100; ++vk) {
            if (vk == 0x6C || Hotkey::keyName(vk).startsWith(QLatin1String("0x")))
                continue;
            bool keypad = false;
            const int qtKey = KeyMap::qtKeyFromVirtualKey(vk, &keypad);
            QVERIFY2(qtKey != 0, qPrintable(Hotkey::keyName(vk)));
            QCOMPARE(KeyMap::virtualKeyFromQtKey(qtKey, keypad), vk);
        }
    }

    // Every code the data file can hold either has a key in Qt's terms and
    // comes back from it unchanged, modifiers and keypad included, or has
    // none and travels as its own code, which only a backend that knows it
    // registers: a shortcut is never turned into another key on its way to
    // the window system, nor lost on the one that registered it before.
    void everyStoredCodeRoundTrips()
    {
        int convertible = 0;
        for (int vk = -1; vk <= 0x1FF; ++vk) {
            bool keypad = false;
            const bool hasQtKey = vk > 0 && KeyMap::qtKeyFromVirtualKey(vk, &keypad) != 0;
            for (const int mods : {0, Hotkey::ModControl | Hotkey::ModAlt, Hotkey::ModMask,
                                   Hotkey::ModWin | Hotkey::ModShift | 0x4000}) {
                const KeyCombination combination = KeyCombination::fromStored(mods, vk);
                const QByteArray row = Hotkey::keyText(mods, vk).toUtf8();
                QVERIFY2(combination.isEmpty() == (vk <= 0), row.constData());
                if (vk <= 0) {
                    QCOMPARE(combination.storedKey(), 0);
                    QCOMPARE(combination.storedModifiers(), 0);
                    continue;
                }
                QCOMPARE(combination.storedKey(), vk);
                QCOMPARE(combination.storedModifiers(), mods & Hotkey::ModMask);
                QCOMPARE(combination.isKeypad(), keypad);
                QVERIFY2((combination.key() != 0) == hasQtKey, row.constData());
                QVERIFY2((combination.nativeKey() != 0) == !hasQtKey, row.constData());
                if (!hasQtKey)
                    QCOMPARE(combination.toCombined(), 0);
                // The same key with other modifiers is another combination.
                if (mods != 0)
                    QVERIFY(combination != KeyCombination::fromStored(0, vk));
            }
            convertible += hasQtKey;
        }
        // Letters, digits, F1 to F24, the keypad digits and the named keys.
        QCOMPARE(convertible, 26 + 10 + 24 + 10 + 35);
        // A combination made in Qt's terms is the one read from the file.
        QCOMPARE(KeyCombination(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier),
                 KeyCombination::fromStored(Hotkey::ModControl | Hotkey::ModAlt, 0x4B));
    }

    // How the combination reads as one int, the form KGlobalAccel keeps.
    void combined_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("combined");
        QTest::newRow("Ctrl+Alt+K")
            << 3 << 0x4B << int(Qt::ControlModifier | Qt::AltModifier | Qt::Key_K);
        QTest::newRow("Win+Shift+F5")
            << 12 << 0x74 << int(Qt::MetaModifier | Qt::ShiftModifier | Qt::Key_F5);
        QTest::newRow("Ctrl+Num 5")
            << 2 << 0x65 << int(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_5);
        QTest::newRow("Ctrl+5") << 2 << 0x35 << int(Qt::ControlModifier | Qt::Key_5);
        QTest::newRow("Alt+Num /")
            << 1 << 0x6F << int(Qt::AltModifier | Qt::KeypadModifier | Qt::Key_Slash);
        QTest::newRow("F13 alone") << 0 << 0x7C << int(Qt::Key_F13);
        QTest::newRow("no key") << 3 << 0 << 0;
        QTest::newRow("separator, no Qt key") << 2 << 0x6C << 0;
        QTest::newRow("the <> key, no Qt key") << 2 << 0xE2 << 0;
    }
    void combined()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(int, combined);
        QCOMPARE(KeyCombination::fromStored(mods, vk).toCombined(), combined);
    }
};

QTEST_GUILESS_MAIN(KeyMapTest)
#include "tst_keymap.moc"
