// What mutter's session types for a keysym, worked out on real keymaps: the
// XKB rules of the system compile them as the compositor would.

#include "wayland/mutterkeysyms.h"

#include <QtTest>

#include <xkbcommon/xkbcommon.h>

namespace {

QByteArray keymapText(const char *layout, const char *variant = "")
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", layout, variant, ""};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    QByteArray text;
    if (keymap) {
        char *string = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
        text = string;
        free(string);
    }
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return text;
}

} // namespace

class TestMutterKeysyms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysyms_data();
    void keysyms();
    void badKeymap();
};

void TestMutterKeysyms::keysyms_data()
{
    QTest::addColumn<QByteArray>("layouts");
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<uint>("character");
    QTest::addColumn<uint>("keysym"); // 0: not typeable

    const QByteArray us = QByteArrayLiteral("us");
    const QByteArray de = QByteArrayLiteral("de");
    const QByteArray usRu = QByteArrayLiteral("us,ru");
    const QByteArray usDe = QByteArrayLiteral("us,de");

    // The first and second levels; line break and tab by their keys.
    QTest::newRow("us a") << us << 0 << false << 0x61u << 0x61u;
    QTest::newRow("us A (Shift)") << us << 0 << false << 0x41u << 0x41u;
    QTest::newRow("us !") << us << 0 << false << 0x21u << 0x21u;
    QTest::newRow("us space") << us << 0 << false << 0x20u << 0x20u;
    QTest::newRow("us line break") << us << 0 << false << 0x0au << 0xff0du;
    QTest::newRow("us tab") << us << 0 << false << 0x09u << 0xff09u;
    // Not on the layout: mutter would drop them.
    QTest::newRow("us e acute") << us << 0 << false << 0xe9u << 0u;
    QTest::newRow("us arrow") << us << 0 << false << 0x2192u << 0u;
    QTest::newRow("us CJK") << us << 0 << false << 0x65e5u << 0u;
    QTest::newRow("us control") << us << 0 << false << 0x01u << 0u;
    QTest::newRow("us carriage return") << us << 0 << false << 0x0du << 0u;
    // Caps Lock turns a letter's case: the other case's keysym types it;
    // digits and punctuation stay.
    QTest::newRow("us caps a") << us << 0 << true << 0x61u << 0x41u;
    QTest::newRow("us caps A") << us << 0 << true << 0x41u << 0x61u;
    QTest::newRow("us caps 1") << us << 0 << true << 0x31u << 0x31u;
    QTest::newRow("us caps !") << us << 0 << true << 0x21u << 0x21u;
    // The third level through ISO_Level3_Shift (AltGr).
    QTest::newRow("de sharp s") << de << 0 << false << 0xdfu << 0xdfu;
    QTest::newRow("de euro (AltGr+e)") << de << 0 << false << 0x20acu << 0x20acu;
    QTest::newRow("de at (AltGr+q)") << de << 0 << false << 0x40u << 0x40u;
    QTest::newRow("de umlaut") << de << 0 << false << 0xf6u << 0xf6u;
    QTest::newRow("de caps umlaut") << de << 0 << true << 0xf6u << 0xd6u;
    // The fourth level is beyond what mutter holds modifiers for.
    QTest::newRow("de inverted question (4th level)") << de << 0 << false << 0xbfu << 0u;
    // Several layouts: the one in effect, or all of them when not known.
    QTest::newRow("us,ru a on us") << usRu << 0 << false << 0x61u << 0x61u;
    QTest::newRow("us,ru a on ru") << usRu << 1 << false << 0x61u << 0u;
    QTest::newRow("us,ru a unknown") << usRu << -1 << false << 0x61u << 0u;
    QTest::newRow("us,ru zhe on ru") << usRu << 1 << false << 0x436u << 0x6d6u;
    QTest::newRow("us,ru zhe unknown") << usRu << -1 << false << 0x436u << 0u;
    QTest::newRow("us,ru digit unknown") << usRu << -1 << false << 0x31u << 0x31u;
    QTest::newRow("us,de y unknown (other key, same result)")
        << usDe << -1 << false << 0x79u << 0x79u;
    QTest::newRow("us,de layout out of range") << usDe << 2 << false << 0x61u << 0u;
}

void TestMutterKeysyms::keysyms()
{
    QFETCH(QByteArray, layouts);
    QFETCH(int, layout);
    QFETCH(bool, caps);
    QFETCH(uint, character);
    QFETCH(uint, keysym);

    const QByteArray text = keymapText(layouts.constData());
    QVERIFY(!text.isEmpty());
    MutterKeysyms keysyms;
    QVERIFY(keysyms.setKeymap(text));
    MutterKeysyms::Locks locks;
    locks.caps = caps;
    QCOMPARE(keysyms.keysymFor(char32_t(character), layout, locks), quint32(keysym));
}

void TestMutterKeysyms::badKeymap()
{
    MutterKeysyms keysyms;
    QVERIFY(keysyms.setKeymap(keymapText("us")));
    // A keymap that does not compile leaves none: nothing counts as typeable.
    QVERIFY(!keysyms.setKeymap(QByteArrayLiteral("xkb_keymap { nonsense }")));
    QVERIFY(!keysyms.hasKeymap());
    QCOMPARE(keysyms.keysymFor(U'a', 0, {}), 0u);
}

QTEST_GUILESS_MAIN(TestMutterKeysyms)
#include "tst_mutterkeysyms.moc"
