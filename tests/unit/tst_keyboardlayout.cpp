// Which key, with which modifier keys, types a character exactly: keymaps
// compiled from layout names, so no display is needed. Keycodes are those of
// the evdev keymap (a = 38, y = 29, z = 52, 7 = 16, KP_7 = 79, Shift_L = 50).

#include "x11/keyboardlayout.h"

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

        // Z sits on different keys in the two groups: the group in use
        // decides which comes first, also after the same symbol was asked
        // for in the other group.
        const auto usDe = KeyboardLayout::fromNames("us,de");
        QCOMPARE(usDe->keycodesForKeysym(XKB_KEY_z), (QVector<quint32>{52, 29}));
        usDe->setLockState(second);
        QCOMPARE(usDe->keycodesForKeysym(XKB_KEY_z), (QVector<quint32>{29, 52}));
        usDe->setLockState(LockState());
        QCOMPARE(usDe->keycodesForKeysym(XKB_KEY_z), (QVector<quint32>{52, 29}));
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

    // A keyboard whose lock state or group is known only in part (KWin
    // without its lock report, several layouts without the switcher's
    // answer): a character counts only where every possible state types it
    // with the same keys.
    void strokesInEveryState_data()
    {
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QVector<quint32>>("lockedMods"); // one state per entry
        QTest::addColumn<qint32>("group");                // -1: every group
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typeable");
        const QVector<quint32> capsUnknown{0, LockMask};
        const QVector<quint32> capsOff{0};
        const QVector<quint32> capsOn{LockMask};
        QTest::newRow("letters, Caps Lock unknown") << "us" << capsUnknown << 0 << "abc" << false;
        QTest::newRow("digits and signs, Caps Lock unknown")
            << "us" << capsUnknown << 0 << "42 + 7 = 49!" << true;
        QTest::newRow("letters, Caps Lock off") << "us" << capsOff << 0 << "Hello" << true;
        QTest::newRow("letters, Caps Lock on") << "us" << capsOn << 0 << "Hello" << true;
        QTest::newRow("a line break") << "us" << capsUnknown << 0 << "1\n2\t3" << true;
        QTest::newRow("Latin, group unknown") << "us,ru" << capsOff << -1 << "a" << false;
        QTest::newRow("digits, group unknown") << "us,ru" << capsOff << -1 << "123" << true;
        QTest::newRow("Cyrillic, second group in use")
            << "us,ru" << capsOff << 1 << QStringLiteral("да") << true;
        QTest::newRow("Latin, second group in use") << "us,ru" << capsOff << 1 << "a" << false;
        QTest::newRow("not in the layout") << "de" << capsOff << 0 << QStringLiteral("é") << false;
    }
    void strokesInEveryState()
    {
        QFETCH(QString, layouts);
        QFETCH(QVector<quint32>, lockedMods);
        QFETCH(qint32, group);
        QFETCH(QString, text);
        QFETCH(bool, typeable);
        const auto map = KeyboardLayout::fromNames(layouts.toLatin1().constData());
        QVERIFY(map && map->isValid());
        QVector<LockState> states;
        for (qint32 g = 0; g < qint32(map->groupCount()); ++g) {
            if (group >= 0 && g != group)
                continue;
            for (quint32 mods : lockedMods) {
                LockState s;
                s.lockedMods = mods;
                s.lockedGroup = g;
                states << s;
            }
        }
        QVector<char32_t> characters;
        for (const uint c : text.toUcs4())
            characters << char32_t(c);
        QVector<KeyStroke> strokes;
        QCOMPARE(map->strokesInEveryState(states, characters, &strokes), typeable);
        if (typeable)
            QCOMPARE(strokes.size(), characters.size());
    }
};

QTEST_APPLESS_MAIN(KeyboardLayoutTest)
#include "tst_keyboardlayout.moc"
