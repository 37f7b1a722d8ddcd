#include "hotkeys/hotkey.h"

#include <QtTest>

class KeyNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void keyText_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<QString>("text");
        QTest::newRow("ctrl shift k") << 6 << 0x4B << "Ctrl+Shift+K";
        QTest::newRow("win f1") << 8 << 0x70 << "Win+F1";
        QTest::newRow("ctrl alt num 8") << 3 << 0x68 << "Ctrl+Alt+Num 8";
        QTest::newRow("all four, fixed order") << 15 << 0x31 << "Ctrl+Alt+Shift+Win+1";
        QTest::newRow("no key, any mods") << 15 << 0 << "";
        QTest::newRow("no mods") << 0 << 0x77 << "F8";
        QTest::newRow("shift num 5") << 4 << 0x65 << "Shift+Num 5";
        QTest::newRow("win apps key") << 8 << 0x5D << "Win+0x5d";
        QTest::newRow("unknown bits ignored") << 0x4002 << 0x41 << "Ctrl+A";
    }
    void keyText()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(QString, text);
        QCOMPARE(Hotkey::keyText(mods, vk), text);
    }

    // What a shortcut may not be: the keys that paste and copy everywhere,
    // and typing keys without a modifier.
    void refusal_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("refusal");
        const int none = int(Hotkey::Refusal::None);
        const int paste = int(Hotkey::Refusal::PasteKey);
        const int bare = int(Hotkey::Refusal::NoModifier);
        QTest::newRow("Ctrl+V") << 2 << 0x56 << paste;
        QTest::newRow("Shift+Insert") << 4 << 0x2D << paste;
        QTest::newRow("Ctrl+Insert") << 2 << 0x2D << paste;
        QTest::newRow("Ctrl+Alt+V") << 3 << 0x56 << none;
        QTest::newRow("Ctrl+Shift+Insert") << 6 << 0x2D << none;
        QTest::newRow("Insert alone") << 0 << 0x2D << bare;
        QTest::newRow("a letter alone") << 0 << 0x41 << bare;
        QTest::newRow("a digit alone") << 0 << 0x31 << bare;
        QTest::newRow("Space alone") << 0 << 0x20 << bare;
        QTest::newRow("F1 alone") << 0 << 0x70 << none;
        QTest::newRow("F24 alone") << 0 << 0x87 << none;
        QTest::newRow("Shift+A") << 4 << 0x41 << none;
        QTest::newRow("Win+1") << 8 << 0x31 << none;
        QTest::newRow("no key") << 0 << 0 << none;
        QTest::newRow("Ctrl+V with a stray bit") << 0x4002 << 0x56 << paste;
    }
    void refusal()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(int, refusal);
        QCOMPARE(int(Hotkey::refusal(mods, vk)), refusal);
    }

    void keyName_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<QString>("name");
        QTest::newRow("A") << 0x41 << "A";
        QTest::newRow("Z") << 0x5A << "Z";
        QTest::newRow("0") << 0x30 << "0";
        QTest::newRow("9") << 0x39 << "9";
        QTest::newRow("F1") << 0x70 << "F1";
        QTest::newRow("F13") << 0x7C << "F13";
        QTest::newRow("F24") << 0x87 << "F24";
        QTest::newRow("Num 0") << 0x60 << "Num 0";
        QTest::newRow("Num 9") << 0x69 << "Num 9";
        QTest::newRow("separator has no name") << 0x6C << "0x6c";
        QTest::newRow("left shift has no name") << 0xA0 << "0xa0";
        QTest::newRow("clear, no padding") << 0x0C << "0xc";
        QTest::newRow("backspace") << 0x08 << "Backspace";
        QTest::newRow("esc") << 0x1B << "Esc";
        QTest::newRow("page down") << 0x22 << "PageDown";
        QTest::newRow("delete") << 0x2E << "Delete";
        QTest::newRow("num /") << 0x6F << "Num /";
        QTest::newRow("grave") << 0xC0 << "`";
        QTest::newRow("backslash") << 0xDC << "\\";
        QTest::newRow("quote") << 0xDE << "'";
        QTest::newRow("lower-case letters are not letters") << 0x61 << "Num 1";
        QTest::newRow("past F24") << 0x88 << "0x88";
    }
    void keyName()
    {
        QFETCH(int, vk);
        QFETCH(QString, name);
        QCOMPARE(Hotkey::keyName(vk), name);
    }

    void sameHotkey_data()
    {
        QTest::addColumn<int>("m1");
        QTest::addColumn<int>("v1");
        QTest::addColumn<int>("m2");
        QTest::addColumn<int>("v2");
        QTest::addColumn<bool>("same");
        QTest::newRow("equal") << 2 << 0x31 << 2 << 0x31 << true;
        QTest::newRow("two empty values") << 0 << 0 << 0 << 0 << false;
        QTest::newRow("ctrl+1 vs ctrl+shift+1") << 2 << 0x31 << 6 << 0x31 << false;
        QTest::newRow("other key") << 2 << 0x31 << 2 << 0x32 << false;
        QTest::newRow("first empty") << 2 << 0 << 2 << 0 << false;
    }
    void sameHotkey()
    {
        QFETCH(int, m1);
        QFETCH(int, v1);
        QFETCH(int, m2);
        QFETCH(int, v2);
        QFETCH(bool, same);
        QCOMPARE(Hotkey::sameHotkey(m1, v1, m2, v2), same);
    }

    void modifiers()
    {
        QCOMPARE(Hotkey::modsFromQt(Qt::ControlModifier | Qt::AltModifier), 3);
        QCOMPARE(Hotkey::modsFromQt(Qt::ShiftModifier | Qt::MetaModifier), 12);
        QCOMPARE(Hotkey::modsFromQt(Qt::KeypadModifier | Qt::GroupSwitchModifier), 0);
        QCOMPARE(Hotkey::modsFromQt(Qt::KeypadModifier | Qt::ControlModifier), 2);
        QVERIFY(!Hotkey::hasModifier(0));
        QVERIFY(!Hotkey::hasModifier(0x10));
        QVERIFY(Hotkey::hasModifier(8));
    }
};

QTEST_GUILESS_MAIN(KeyNamesTest)
#include "tst_keynames.moc"
