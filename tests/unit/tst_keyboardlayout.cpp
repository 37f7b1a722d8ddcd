// Which key, with which modifier keys, types a character exactly: keymaps
// compiled from layout names, so no display is needed. Keycodes are those of
// the evdev keymap (a = 38, y = 29, z = 52, 7 = 16, KP_7 = 79, Shift_L = 50).

#include "platform/x11/keyboardlayout.h"

#include <QtTest>

#include <xkbcommon/xkbcommon-keysyms.h>

namespace {

constexpr quint32 LockMask = 1u << 1;
constexpr quint32 NumLockMask = 1u << 4; // Mod2 in these keymaps
constexpr quint8 None = 0;
constexpr quint8 Shift = StrokeModifier::Shift;
constexpr quint8 AltGr = StrokeModifier::LevelThree;

} // namespace

class KeyboardLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void strokes_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<uint>("lockedMods");
        QTest::addColumn<int>("lockedGroup");
        QTest::addColumn<uint>("character");
        QTest::addColumn<int>("keycode"); // 0: not typeable
        QTest::addColumn<int>("modifiers");

        auto row = [](const char *name, const char *layout, uint mods, int group, char32_t c,
                      int keycode, int modifiers) {
            QTest::newRow(name) << QString::fromLatin1(layout) << mods << group << uint(c)
                                << keycode << modifiers;
        };
        row("us: a plain", "us", 0, 0, U'a', 38, None);
        row("us: A with Shift", "us", 0, 0, U'A', 38, Shift);
        row("us: ! with Shift", "us", 0, 0, U'!', 10, Shift);
        row("us: tab is the Tab key", "us", 0, 0, U'\t', 23, None);
        row("us: é is on no key", "us", 0, 0, U'é', 0, None);
        row("us: Escape acts, never typed", "us", 0, 0, U'\x1b', 0, None);
        row("Caps Lock: H without Shift", "us", LockMask, 0, U'H', 43, None);
        row("Caps Lock: e with Shift", "us", LockMask, 0, U'e', 26, Shift);
        row("Caps Lock: digits as ever", "us", LockMask, 0, U'1', 10, None);
        row("Caps Lock: ! still Shift", "us", LockMask, 0, U'!', 10, Shift);
        row("us,ru second group: a is on no key", "us,ru", 0, 1, U'a', 0, None);
        row("us,ru second group: ф plain", "us,ru", 0, 1, U'ф', 38, None);
        row("us,ru second group: Ф with Shift", "us,ru", 0, 1, U'Ф', 38, Shift);
        row("us,ru first group: a plain", "us,ru", 0, 0, U'a', 38, None);
        row("de: @ with AltGr", "de", 0, 0, U'@', 24, AltGr);
        row("de: z where us has y", "de", 0, 0, U'z', 29, None);
        row("Num Lock: 7 from the main row, not the keypad", "us", NumLockMask, 0, U'7', 16, None);
    }
    void strokes()
    {
        QFETCH(QString, layout);
        QFETCH(uint, lockedMods);
        QFETCH(int, lockedGroup);
        QFETCH(uint, character);
        QFETCH(int, keycode);
        QFETCH(int, modifiers);
        const auto map = KeyboardLayout::fromNames(layout.toLatin1().constData());
        QVERIFY(map && map->isValid());
        LockState state;
        state.lockedMods = lockedMods;
        state.lockedGroup = lockedGroup;
        map->setLockState(state);
        KeyStroke stroke;
        const bool found = map->strokeFor(char32_t(character), &stroke);
        QCOMPARE(found, keycode != 0);
        if (found) {
            QCOMPARE(int(stroke.keycode), keycode);
            QCOMPARE(int(stroke.modifiers), modifiers);
        }
    }

    void modifierKeys()
    {
        const auto de = KeyboardLayout::fromNames("de");
        QCOMPARE(de->modifierKeycode(Shift), 50u);
        const quint32 altGr = de->modifierKeycode(AltGr);
        QVERIFY(altGr == 108 || altGr == 92); // right Alt, or the keymap's own third-level key
    }

    // Ctrl+V with Cyrillic in use: the V key is found in the other group,
    // the group in use first.
    void keysAcrossGroups()
    {
        const auto ruUs = KeyboardLayout::fromNames("ru,us");
        QCOMPARE(ruUs->effectiveGroup(), 0u);
        QCOMPARE(ruUs->keycodesForKeysym(XKB_KEY_v), QVector<quint32>{55});
        QCOMPARE(ruUs->plainKeysym(55), quint32(XKB_KEY_Cyrillic_em));
        LockState second;
        second.lockedGroup = 1;
        ruUs->setLockState(second);
        QCOMPARE(ruUs->plainKeysym(55), quint32(XKB_KEY_v));
    }

    // What AltGr adds to a key: the shortcut editor warns about Ctrl+Alt
    // combinations that stand for these on Windows.
    void levelThreeText_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<quint32>("keycode");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QString>("text");
        QTest::newRow("de: E") << "de" << 26u << false << QString::fromUtf8("€");
        QTest::newRow("de: Q") << "de" << 24u << false << QStringLiteral("@");
        QTest::newRow("pl: A") << "pl" << 38u << false << QString::fromUtf8("ą");
        QTest::newRow("pl: Shift+A") << "pl" << 38u << true << QString::fromUtf8("Ą");
        QTest::newRow("us: E has no third level") << "us" << 26u << false << QString();
        QTest::newRow("de: Return types nothing there") << "de" << 36u << false << QString();
    }
    void levelThreeText()
    {
        QFETCH(QString, layout);
        QFETCH(quint32, keycode);
        QFETCH(bool, shift);
        QFETCH(QString, text);
        const auto map = KeyboardLayout::fromNames(layout.toLatin1().constData());
        QVERIFY(map && map->isValid());
        QCOMPARE(map->levelThreeText(keycode, shift), text);
    }

    void unusedKeysCarryNothing()
    {
        const auto us = KeyboardLayout::fromNames("us");
        const QVector<quint32> unused = us->unusedKeycodes();
        QVERIFY(unused.size() >= 8);
        for (quint32 k : {38u, 50u, 36u, 65u}) // a, Shift_L, Return, space
            QVERIFY(!unused.contains(k));
    }
};

QTEST_APPLESS_MAIN(KeyboardLayoutTest)
#include "tst_keyboardlayout.moc"
