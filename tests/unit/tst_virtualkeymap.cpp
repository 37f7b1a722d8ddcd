// The keymap of our own virtual keyboard, read back by xkbcommon as a
// compositor and every client read it: each character of a text has a key
// that types exactly that character.

#include "wayland/virtualkeymap.h"

#include <QtTest>

#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace {

struct Keymap
{
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context{
        xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), &xkb_context_unref};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{nullptr, &xkb_keymap_unref};
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state{nullptr, &xkb_state_unref};

    explicit Keymap(const QByteArray &text)
    {
        keymap.reset(xkb_keymap_new_from_string(context.get(), text.constData(),
                                                XKB_KEYMAP_FORMAT_TEXT_V1,
                                                XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (keymap)
            state.reset(xkb_state_new(keymap.get()));
    }

    // What the presses type, as a client turns key codes into text.
    QString typed(const QVector<quint32> &presses) const
    {
        QString out;
        for (quint32 code : presses) {
            const xkb_keysym_t sym = xkb_state_key_get_one_sym(state.get(), code + 8);
            if (sym == XKB_KEY_Return) {
                out += QLatin1Char('\n');
                continue;
            }
            const char32_t c = xkb_keysym_to_utf32(sym);
            out += QString::fromUcs4(&c, 1);
        }
        return out;
    }
};

QString distinctCjk(int count)
{
    QString s;
    for (int i = 0; i < count; ++i)
        s += QChar(0x4e00 + i * 7);
    return s;
}

} // namespace

class VirtualKeymapTest : public QObject
{
    Q_OBJECT

private slots:
    void typesEveryTextExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed"); // what arrives, when not the text itself
        QTest::newRow("ASCII") << QStringLiteral("ls -la /tmp && echo \"done\" | ~`'") << QString();
        QTest::newRow("Latin-1 and beyond")
            << QString::fromUtf8("Grüße, façade, Ærø — €5 ✓ Ωμέγα Ёжик") << QString();
        QTest::newRow("120 CJK") << distinctCjk(120) << QString();
        QTest::newRow("emoji outside the BMP")
            << QString::fromUtf8("ok 😀👍🏽 𝄞") << QString();
        QTest::newRow("three lines and a tab") << QStringLiteral("one\n\ttwo\nthree") << QString();
        QTest::newRow("CR LF is one line break")
            << QStringLiteral("a\r\nb\rc") << QStringLiteral("a\nb\nc");
        QTest::newRow("combining marks stay as they are")
            << QString::fromUtf8("e\u0301 n\u0303") << QString();
    }
    void typesEveryTextExactly()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        VirtualKeymap map;
        bool changed = false;
        QVERIFY(map.prepare(text, &changed));
        QVERIFY(changed);
        QVERIFY(map.covers(text));
        const Keymap keymap(map.keymapText());
        QVERIFY2(keymap.keymap, map.keymapText().constData());
        const QVector<quint32> presses = map.presses(text);
        for (quint32 code : presses)
            QVERIFY(code >= VirtualKeymap::FirstKeycode); // never a real key's code
        QCOMPARE(keymap.typed(presses), typed.isEmpty() ? text : typed);
    }

    // The paste chords: V and Insert are in every map, and the chord's
    // modifier bits are XKB's own Control and Shift, which a client reads by
    // name, whatever else the map holds.
    void pasteKeysAndModifiers()
    {
        VirtualKeymap map;
        bool changed = false;
        QVERIFY(map.prepare(QStringLiteral("日本"), &changed));
        const Keymap keymap(map.keymapText());
        QVERIFY(keymap.keymap);
        QCOMPARE(xkb_state_key_get_one_sym(keymap.state.get(), VirtualKeymap::PasteVKeycode + 8),
                 xkb_keysym_t(XKB_KEY_v));
        QCOMPARE(xkb_state_key_get_one_sym(keymap.state.get(), VirtualKeymap::InsertKeycode + 8),
                 xkb_keysym_t(XKB_KEY_Insert));
        xkb_state_update_mask(keymap.state.get(),
                              VirtualKeymap::ControlBit | VirtualKeymap::ShiftBit, 0, 0, 0, 0, 0);
        QVERIFY(xkb_state_mod_name_is_active(keymap.state.get(), XKB_MOD_NAME_CTRL,
                                             XKB_STATE_MODS_EFFECTIVE) > 0);
        QVERIFY(xkb_state_mod_name_is_active(keymap.state.get(), XKB_MOD_NAME_SHIFT,
                                             XKB_STATE_MODS_EFFECTIVE) > 0);
        // With the modifiers down the key still gives v: the client sees Ctrl+Shift+V.
        QCOMPARE(xkb_state_key_get_one_sym(keymap.state.get(), VirtualKeymap::PasteVKeycode + 8),
                 xkb_keysym_t(XKB_KEY_v));
    }

    // The map is uploaded again only when a text needs a key it lacks; when
    // full, the keys of characters the text does not need make room.
    void changesOnlyWhenATextNeedsIt()
    {
        VirtualKeymap map;
        bool changed = false;
        QVERIFY(map.prepare(QStringLiteral("hello"), &changed));
        QVERIFY(changed);
        QVERIFY(map.prepare(QStringLiteral("hole"), &changed));
        QVERIFY(!changed);
        QVERIFY(map.prepare(QStringLiteral("help"), &changed));
        QVERIFY(changed);
        QCOMPARE(map.size(), 5); // h e l o p

        // Full: a text of characters never seen takes the old ones' keys,
        // and keeps its own.
        const QString many = distinctCjk(VirtualKeymap::Capacity - 5);
        QVERIFY(map.prepare(many, &changed));
        QCOMPARE(map.size(), VirtualKeymap::Capacity);
        const QString next = QStringLiteral("xyz") + many.left(10);
        QVERIFY(map.prepare(next, &changed));
        QVERIFY(changed);
        QVERIFY(map.covers(next));
        QCOMPARE(map.size(), VirtualKeymap::Capacity);
        const Keymap keymap(map.keymapText());
        QVERIFY(keymap.keymap);
        QCOMPARE(keymap.typed(map.presses(next)), next);
    }

    void refusesWhatNoKeyTypes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("escape") << QStringLiteral("a\x1b[2Jb");
        QTest::newRow("backspace") << QStringLiteral("ab\bc");
        QTest::newRow("unpaired surrogate") << (QStringLiteral("a") + QChar(0xd83d));
        QTest::newRow("more characters than keys") << distinctCjk(VirtualKeymap::Capacity + 1);
    }
    void refusesWhatNoKeyTypes()
    {
        QFETCH(QString, text);
        VirtualKeymap map;
        bool changed = true;
        QVERIFY(!map.prepare(text, &changed));
        QVERIFY(!changed);
        QVERIFY(map.presses(text).isEmpty());
    }
};

QTEST_GUILESS_MAIN(VirtualKeymapTest)
#include "tst_virtualkeymap.moc"
