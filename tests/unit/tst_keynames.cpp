#include "base/hotkey.h"

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
    // typing keys without a modifier or with Shift alone (Shift+E types
    // "E", Shift+Left selects), and a Ctrl+Alt combination that types a
    // character with AltGr where AltGr is Ctrl+Alt (the caller names the
    // character there). What stored files rely on stays: Ctrl+Alt+1,
    // Shift+F5, Ctrl+Shift+letters.
    void refusal_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<QString>("altGr");
        QTest::addColumn<int>("refusal");
        const int none = int(Hotkey::Refusal::None);
        const int paste = int(Hotkey::Refusal::PasteKey);
        const int bare = int(Hotkey::Refusal::NoModifier);
        const int shifted = int(Hotkey::Refusal::ShiftTypes);
        const int altGr = int(Hotkey::Refusal::AltGrCharacter);
        const QString euro = QString::fromUtf8("€");
        const int shift = Hotkey::ModShift;
        const int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
        QTest::newRow("Ctrl+V") << 2 << 0x56 << QString() << paste;
        QTest::newRow("Shift+Insert") << 4 << 0x2D << QString() << paste;
        QTest::newRow("Ctrl+Insert") << 2 << 0x2D << QString() << paste;
        QTest::newRow("Ctrl+Shift+V") << 6 << 0x56 << QString() << paste;
        QTest::newRow("Ctrl+Alt+V") << 3 << 0x56 << QString() << none;
        QTest::newRow("Ctrl+Shift+Insert") << 6 << 0x2D << QString() << none;
        QTest::newRow("Insert alone") << 0 << 0x2D << QString() << bare;
        QTest::newRow("a letter alone") << 0 << 0x41 << QString() << bare;
        QTest::newRow("a digit alone") << 0 << 0x31 << QString() << bare;
        QTest::newRow("Space alone") << 0 << 0x20 << QString() << bare;
        QTest::newRow("F1 alone") << 0 << 0x70 << QString() << none;
        QTest::newRow("F24 alone") << 0 << 0x87 << QString() << none;
        const QVector<QPair<const char *, int>> typing = {
            {"A", 0x41},     {"Z", 0x5A},     {"1", 0x31},        {"Space", 0x20},
            {";", 0xBA},     {"'", 0xDE},     {"<> key", 0xE2},   {"Num 5", 0x65},
            {"Num *", 0x6A}, {"Enter", 0x0D}, {"Tab", 0x09},      {"Backspace", 0x08},
            {"Left", 0x25},  {"Home", 0x24},  {"PageDown", 0x22}, {"Delete", 0x2E}};
        for (const auto &key : typing)
            QTest::addRow("Shift+%s", key.first) << shift << key.second << QString() << shifted;
        QTest::newRow("Shift+A with a stray bit")
            << (shift | 0x4000) << 0x41 << QString() << shifted;
        QTest::newRow("Shift+F5") << shift << 0x74 << QString() << none;
        QTest::newRow("Shift+F13") << shift << 0x7C << QString() << none;
        QTest::newRow("Shift+Pause") << shift << 0x13 << QString() << none;
        QTest::newRow("Ctrl+Shift+A") << 6 << 0x41 << QString() << none;
        QTest::newRow("Alt+Shift+A") << 5 << 0x41 << QString() << none;
        QTest::newRow("Win+Shift+Left") << 12 << 0x25 << QString() << none;
        QTest::newRow("Win+1") << 8 << 0x31 << QString() << none;
        QTest::newRow("Ctrl+Alt+1") << ctrlAlt << 0x31 << QString() << none;
        QTest::newRow("Ctrl+Alt+E, AltGr types it") << ctrlAlt << 0x45 << euro << altGr;
        QTest::newRow("Ctrl+Alt+Shift+E, AltGr types it")
            << (ctrlAlt | shift) << 0x45 << euro << altGr;
        QTest::newRow("Ctrl+E, no AltGr") << 2 << 0x45 << euro << none;
        QTest::newRow("Ctrl+Alt+Win+E, no AltGr") << (ctrlAlt | 8) << 0x45 << euro << none;
        QTest::newRow("no key") << 0 << 0 << euro << none;
        QTest::newRow("Ctrl+V with a stray bit") << 0x4002 << 0x56 << QString() << paste;
    }
    void refusal()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(QString, altGr);
        QFETCH(int, refusal);
        QCOMPARE(int(Hotkey::refusal(mods, vk, altGr)), refusal);
        if (altGr.isEmpty())
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
