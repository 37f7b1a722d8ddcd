// The lines Options offers for a compositor's own bindings: the keys in the
// compositor's names, and the command written so that sway's parsing and the
// shell hand every argument over unchanged (checked end to end under sway by
// the Wayland tests; here the exact text).

#include "platform/desktopbindings.h"

#include <QtTest>

class TestDesktopBindings final : public QObject
{
    Q_OBJECT

private slots:
    void combinations_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Win+Shift+letter") << (0x8 | 0x4) << 0x4B << "Mod4+Shift+k";
        QTest::newRow("Ctrl+Alt+digit") << (0x2 | 0x1) << 0x31 << "Ctrl+Mod1+1";
        QTest::newRow("function key") << 0x2 << 0x74 << "Ctrl+F5";
        QTest::newRow("punctuation") << 0x2 << 0xBA << "Ctrl+semicolon";
        QTest::newRow("keypad") << 0x1 << 0x6B << "Mod1+KP_Add";
        QTest::newRow("no name") << 0x2 << 0xFF << "";
    }

    void combinations()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(QString, expected);
        QCOMPARE(DesktopBindings::swayCombination(mods, vk), expected);
    }

    // Every line binds the key where the first layout has it (--to-code)
    // and runs once per press (--no-repeat); the name comes after "--".
    void lines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        const QString start = QStringLiteral(
            "bindsym --to-code --no-repeat Ctrl+Mod1+1 exec \"'/usr/bin/scrivlet' '--type' '--' ");
        QTest::newRow("plain") << "Greeting" << start + QStringLiteral("'Greeting'\"");
        QTest::newRow("spaces and separators")
            << "a, b; c" << start + QStringLiteral("'a, b; c'\"");
        QTest::newRow("option word") << "--help" << start + QStringLiteral("'--help'\"");
        // Quotes, backslashes and dollars come from printf, each in quotes of
        // its own, so that sway sees only paired quotes and no variable; their
        // codes start with no "\0", where sway's config reader would end the
        // string.
        QTest::newRow("apostrophe")
            << "it's" << start + QStringLiteral("'it'$(printf '\\47')'s'\"");
        QTest::newRow("double quote, backslash, dollar")
            << "\"\\$"
            << start +
                   QStringLiteral("''$(printf '\\42')''$(printf '\\134')''$(printf '\\44')''\"");
        QTest::newRow("non-ASCII") << "Grüße 日本" << start + QStringLiteral("'Grüße 日本'\"");
    }

    void lines()
    {
        QFETCH(QString, name);
        QFETCH(QString, line);
        const QString out =
            DesktopBindings::swayLines({{0x2 | 0x1, 0x31, {QStringLiteral("--type"), name}}},
                                       QStringLiteral("/usr/bin/scrivlet"));
        QCOMPARE(out, line);
    }

    // Hyprland's form: its modifiers, and # and $ (its comment and
    // variables), braces (its {{ }} expressions) and commas made by printf as
    // well.
    void hyprland()
    {
        QCOMPARE(DesktopBindings::hyprlandCombination(0x8 | 0x4, 0x4B),
                 QStringLiteral("SUPER SHIFT, k"));
        QCOMPARE(DesktopBindings::hyprlandCombination(0, 0x74), QStringLiteral(", F5"));
        const QString out = DesktopBindings::hyprlandLines(
            {{0x2 | 0x1, 0x31, {QStringLiteral("--type"), QStringLiteral("#1, $x it's")}},
             {0x2, 0xFF, {QStringLiteral("--picker")}},
             {0x2, 0x32, {QStringLiteral("--type"), QStringLiteral("{{1 + 1}}")}}},
            QStringLiteral("/usr/bin/scrivlet"));
        const QStringList lines = out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("bind = CTRL ALT, 1, exec, '/usr/bin/scrivlet' '--type' "
                                          "'--' ''$(printf '\\43')'1'$(printf '\\54')' '$(printf "
                                          "'\\44')'x it'$(printf '\\47')'s'"));
        QVERIFY(lines[1].startsWith(QLatin1String("# ")));
        QCOMPARE(lines[2], QStringLiteral("bind = CTRL, 2, exec, '/usr/bin/scrivlet' '--type' '--' "
                                          "''$(printf '\\173')''$(printf '\\173')'1 + 1'$(printf "
                                          "'\\175')''$(printf '\\175')''"));
    }

    // Elsewhere the commands stand alone, quoted for a shell.
    void commandLinesForOtherDesktops()
    {
        const QString out = DesktopBindings::commandLines(
            {{0x2, 0x4B, {QStringLiteral("--picker")}},
             {0x3, 0x31, {QStringLiteral("--type"), QStringLiteral("it's \"x\" $y")}}},
            {QStringLiteral("Ctrl+K"), QStringLiteral("Ctrl+Alt+1")},
            QStringLiteral("/usr/bin/scrivlet"));
        QCOMPARE(out,
                 QStringLiteral("Ctrl+K: '/usr/bin/scrivlet' '--once' '--picker'\n"
                                "Ctrl+Alt+1: '/usr/bin/scrivlet' '--once' '--type' '--' "
                                "'it'\\''s \"x\" "
                                "$y'"));
    }

    // A line break would end the binding early, and a key without a name
    // cannot be bound: a comment says so, and the other lines stand.
    void unbindableCommandsBecomeComments()
    {
        const QString out = DesktopBindings::swayLines(
            {{0x2, 0x4B, {QStringLiteral("--picker")}},
             {0x2, 0x4C, {QStringLiteral("--type"), QStringLiteral("two\nlines")}},
             {0x2, 0xFF, {QStringLiteral("--toggle-window")}}},
            QStringLiteral("/usr/bin/scrivlet"));
        const QStringList lines = out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0],
                 QStringLiteral("bindsym --to-code --no-repeat Ctrl+k exec \"'/usr/bin/scrivlet' "
                                "'--picker'\""));
        QVERIFY(lines[1].startsWith(QLatin1String("# ")));
        QVERIFY(lines[2].startsWith(QLatin1String("# ")));
        QVERIFY(lines[2].contains(QLatin1String("--toggle-window")));
    }
};

QTEST_GUILESS_MAIN(TestDesktopBindings)
#include "tst_desktopbindings.moc"
