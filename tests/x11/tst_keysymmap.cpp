#include "base/hotkey.h"
#include "base/keymap.h"
#include "x11/keysymmap.h"

#include <QtTest>

#include <X11/keysym.h>

class KeysymMapTest : public QObject
{
    Q_OBJECT

private slots:
    void bothWays_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<uint>("keysym");
        QTest::newRow("A is grabbed as a") << 0x41 << uint(XK_a);
        QTest::newRow("Z") << 0x5A << uint(XK_z);
        QTest::newRow("0") << 0x30 << uint(XK_0);
        QTest::newRow("9") << 0x39 << uint(XK_9);
        QTest::newRow("F1") << 0x70 << uint(XK_F1);
        QTest::newRow("F13") << 0x7C << uint(XK_F13);
        QTest::newRow("F24") << 0x87 << uint(XK_F24);
        QTest::newRow("Num 0") << 0x60 << uint(XK_KP_0);
        QTest::newRow("Num 9") << 0x69 << uint(XK_KP_9);
        QTest::newRow("Num *") << 0x6A << uint(XK_KP_Multiply);
        QTest::newRow("Num +") << 0x6B << uint(XK_KP_Add);
        QTest::newRow("separator") << 0x6C << uint(XK_KP_Separator);
        QTest::newRow("Num -") << 0x6D << uint(XK_KP_Subtract);
        QTest::newRow("Num .") << 0x6E << uint(XK_KP_Decimal);
        QTest::newRow("Num /") << 0x6F << uint(XK_KP_Divide);
        QTest::newRow("Backspace") << 0x08 << uint(XK_BackSpace);
        QTest::newRow("Tab") << 0x09 << uint(XK_Tab);
        QTest::newRow("Enter") << 0x0D << uint(XK_Return);
        QTest::newRow("Esc") << 0x1B << uint(XK_Escape);
        QTest::newRow("Space") << 0x20 << uint(XK_space);
        QTest::newRow("PageUp") << 0x21 << uint(XK_Prior);
        QTest::newRow("PageDown") << 0x22 << uint(XK_Next);
        QTest::newRow("End") << 0x23 << uint(XK_End);
        QTest::newRow("Home") << 0x24 << uint(XK_Home);
        QTest::newRow("Left") << 0x25 << uint(XK_Left);
        QTest::newRow("Up") << 0x26 << uint(XK_Up);
        QTest::newRow("Right") << 0x27 << uint(XK_Right);
        QTest::newRow("Down") << 0x28 << uint(XK_Down);
        QTest::newRow("Insert") << 0x2D << uint(XK_Insert);
        QTest::newRow("Delete") << 0x2E << uint(XK_Delete);
        QTest::newRow("apps key") << 0x5D << uint(XK_Menu);
        QTest::newRow(";") << 0xBA << uint(XK_semicolon);
        QTest::newRow("=") << 0xBB << uint(XK_equal);
        QTest::newRow(",") << 0xBC << uint(XK_comma);
        QTest::newRow("-") << 0xBD << uint(XK_minus);
        QTest::newRow(".") << 0xBE << uint(XK_period);
        QTest::newRow("/") << 0xBF << uint(XK_slash);
        QTest::newRow("`") << 0xC0 << uint(XK_grave);
        QTest::newRow("[") << 0xDB << uint(XK_bracketleft);
        QTest::newRow("\\") << 0xDC << uint(XK_backslash);
        QTest::newRow("]") << 0xDD << uint(XK_bracketright);
        QTest::newRow("'") << 0xDE << uint(XK_apostrophe);
    }
    void bothWays()
    {
        QFETCH(int, vk);
        QFETCH(uint, keysym);
        QCOMPARE(uint(X11KeyMap::keysymFromVirtualKey(vk)), keysym);
        QCOMPARE(X11KeyMap::virtualKeyFromKeysym(keysym), vk);
    }

    // The keysyms of shifted levels and of the keypad without NumLock name the
    // key, as Windows does.
    void towardsVirtualKeyOnly_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<int>("vk");
        QTest::newRow("upper-case K") << uint(XK_K) << 0x4B;
        QTest::newRow("Shift+Tab") << uint(XK_ISO_Left_Tab) << 0x09;
        QTest::newRow("keypad Enter") << uint(XK_KP_Enter) << 0x0D;
        QTest::newRow("keypad 7 without NumLock") << uint(XK_KP_Home) << 0x24;
        QTest::newRow("keypad 5 without NumLock") << uint(XK_KP_Begin) << 0x0C;
        QTest::newRow("keypad . without NumLock") << uint(XK_KP_Delete) << 0x2E;
        QTest::newRow("!") << uint(XK_exclam) << 0x31;
        QTest::newRow("@") << uint(XK_at) << 0x32;
        QTest::newRow(")") << uint(XK_parenright) << 0x30;
        QTest::newRow(":") << uint(XK_colon) << 0xBA;
        QTest::newRow("+") << uint(XK_plus) << 0xBB;
        QTest::newRow("<") << uint(XK_less) << 0xBC;
        QTest::newRow("_") << uint(XK_underscore) << 0xBD;
        QTest::newRow(">") << uint(XK_greater) << 0xBE;
        QTest::newRow("?") << uint(XK_question) << 0xBF;
        QTest::newRow("~") << uint(XK_asciitilde) << 0xC0;
        QTest::newRow("{") << uint(XK_braceleft) << 0xDB;
        QTest::newRow("|") << uint(XK_bar) << 0xDC;
        QTest::newRow("}") << uint(XK_braceright) << 0xDD;
        QTest::newRow("\"") << uint(XK_quotedbl) << 0xDE;
        QTest::newRow("no code: e acute") << uint(XK_eacute) << 0;
        QTest::newRow("no code: Shift") << uint(XK_Shift_L) << 0;
        QTest::newRow("no code: F25") << uint(XK_F25) << 0;
        QTest::newRow("no code: NoSymbol") << uint(0) << 0;
    }
    void towardsVirtualKeyOnly()
    {
        QFETCH(uint, keysym);
        QFETCH(int, vk);
        QCOMPARE(X11KeyMap::virtualKeyFromKeysym(keysym), vk);
    }

    // Every code with a proper name can be grabbed, and the grabbed keysym
    // reads back as the same code: what is stored is what is grabbed.
    void everyNamedCodeRoundTrips()
    {
        for (int vk = 1; vk < 0x100; ++vk) {
            if (Hotkey::keyName(vk).startsWith(QLatin1String("0x")) && vk != 0x6C)
                continue;
            const quint32 keysym = X11KeyMap::keysymFromVirtualKey(vk);
            QVERIFY2(keysym != 0, qPrintable(Hotkey::keyName(vk)));
            QCOMPARE(X11KeyMap::virtualKeyFromKeysym(keysym), vk);
        }
    }

    // The keysym road and the Qt key road agree, so a key captured with or
    // without its native keysym stores the same code, and a stored code
    // turned into a Qt key grabs the same keysym.
    void agreesWithTheQtKeyTable()
    {
        for (int vk = 1; vk < 0x100; ++vk) {
            const quint32 keysym = X11KeyMap::keysymFromVirtualKey(vk);
            bool keypad = false;
            const int qtKey = KeyMap::qtKeyFromVirtualKey(vk, &keypad);
            if (keysym == 0 || qtKey == 0)
                continue;
            QCOMPARE(KeyMap::virtualKeyFromQtKey(qtKey, keypad),
                     X11KeyMap::virtualKeyFromKeysym(keysym));
            // A shortcut handed over in Qt's terms grabs the key it grabbed
            // when it was named by its stored code.
            QCOMPARE(uint(X11KeyMap::keysymFromQtKey(qtKey, keypad)), uint(keysym));
        }
    }
};

QTEST_GUILESS_MAIN(KeysymMapTest)
#include "tst_keysymmap.moc"
