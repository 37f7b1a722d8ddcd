// GNOME custom shortcuts: the accelerators and command lines we write, judged
// by GLib's own parsers, and the writer against gsettings with a private
// dconf (its own bus and home), never the user's.

#include "wayland/gnomeshortcuts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <glib.h>

using namespace GnomeShortcuts;

namespace {

constexpr int ModAlt = 0x1;
constexpr int ModControl = 0x2;
constexpr int ModShift = 0x4;
constexpr int ModWin = 0x8;

const QString ListSchema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
const QString EntrySchema =
    QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:");
const QString Foreign =
    QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/");

// What g_shell_parse_argv makes of a command line; GNOME splits commands so.
QStringList shellWords(const QString &command, bool *ok)
{
    gint argc = 0;
    gchar **argv = nullptr;
    *ok = g_shell_parse_argv(command.toUtf8().constData(), &argc, &argv, nullptr);
    QStringList words;
    for (int i = 0; *ok && i < argc; ++i)
        words << QString::fromUtf8(argv[i]);
    g_strfreev(argv);
    return words;
}

// A string as gsettings prints it, read by GLib.
QString printedString(const QString &printed)
{
    GVariant *value = g_variant_parse(G_VARIANT_TYPE_STRING, printed.toUtf8().constData(), nullptr,
                                      nullptr, nullptr);
    if (!value)
        return QStringLiteral("<not a string: %1>").arg(printed);
    const QString text = QString::fromUtf8(g_variant_get_string(value, nullptr));
    g_variant_unref(value);
    return text;
}

} // namespace

class TestGnomeShortcuts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accelerator_data();
    void accelerator();
    void commandLine_data();
    void commandLine();
    void variantString_data();
    void variantString();
    void parseStringList_data();
    void parseStringList();

    void initTestCase();
    void cleanupTestCase();
    void writesOnlyOurEntries();
    void toolErrors();

private:
    QString gsettings(const QStringList &arguments, bool *ok);
    QProcessEnvironment m_environment;
    QTemporaryDir m_home;
    QProcess m_bus;
};

void TestGnomeShortcuts::accelerator_data()
{
    QTest::addColumn<int>("mods");
    QTest::addColumn<int>("vk");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Control+Alt+1")
        << (ModControl | ModAlt) << 0x31 << QStringLiteral("<Control><Alt>1");
    QTest::newRow("Win+Shift+K") << (ModWin | ModShift) << 0x4B
                                 << QStringLiteral("<Super><Shift>k");
    QTest::newRow("Control+F5") << ModControl << 0x74 << QStringLiteral("<Control>F5");
    QTest::newRow("all four, semicolon") << (ModWin | ModControl | ModAlt | ModShift) << 0xBA
                                         << QStringLiteral("<Super><Control><Alt><Shift>semicolon");
    QTest::newRow("Alt+keypad 0") << ModAlt << 0x60 << QStringLiteral("<Alt>KP_0");
    QTest::newRow("Control+Return") << ModControl << 0x0D << QStringLiteral("<Control>Return");
    QTest::newRow("bare F12") << 0 << 0x7B << QStringLiteral("F12");
    QTest::newRow("mouse button: no name") << ModControl << 0x01 << QString();
    QTest::newRow("unassigned code: no name") << ModControl << 0x07 << QString();
}

void TestGnomeShortcuts::accelerator()
{
    QFETCH(int, mods);
    QFETCH(int, vk);
    QFETCH(QString, expected);
    QCOMPARE(GnomeShortcuts::accelerator(mods, vk), expected);
}

void TestGnomeShortcuts::commandLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("writable");

    const QString program = QStringLiteral("/usr/bin/zem-scrivlet");
    QTest::newRow("picker") << program << QStringList{QStringLiteral("--picker")} << true;
    QTest::newRow("option words as names")
        << program << QStringList{QStringLiteral("--type"), QStringLiteral("--self-test")} << true;
    QTest::newRow("lone dashes as a name")
        << program << QStringList{QStringLiteral("--type"), QStringLiteral("--")} << true;
    QTest::newRow("name with spaces")
        << program << QStringList{QStringLiteral("--type"), QStringLiteral("My  phrase ")} << true;
    QTest::newRow("quotes and backslashes")
        << program << QStringList{QStringLiteral("--type"), QStringLiteral("it's \"so\" \\ '' \\'")}
        << true;
    QTest::newRow("shell characters")
        << program
        << QStringList{QStringLiteral("--type"),
                       QStringLiteral("$HOME `id` $(id) #x ~ * ? [a] {b,c} ; & | < > ( ) !")}
        << true;
    QTest::newRow("percent") << program
                             << QStringList{QStringLiteral("--type"), QStringLiteral("100% %f %%")}
                             << true;
    QTest::newRow("non-ASCII") << program
                               << QStringList{QStringLiteral("--type"),
                                              QString::fromUtf8("é€ß日 ✓ 😀")}
                               << true;
    QTest::newRow("empty name") << program << QStringList{QStringLiteral("--type"), QString()}
                                << true;
    QTest::newRow("program path with space and quote")
        << QStringLiteral("/opt/Zem's Scrivlet/zem-scrivlet")
        << QStringList{QStringLiteral("--show")} << true;
    QTest::newRow("line break refused")
        << program << QStringList{QStringLiteral("--type"), QStringLiteral("a\nb")} << false;
    QTest::newRow("tab refused") << program
                                 << QStringList{QStringLiteral("--type"), QStringLiteral("a\tb")}
                                 << false;
    QTest::newRow("DEL refused") << program
                                 << QStringList{QStringLiteral("--type"), QStringLiteral("a\x7f")}
                                 << false;
    QTest::newRow("C1 control refused")
        << program << QStringList{QStringLiteral("--type"), QString(QChar(0x85))} << false;
}

void TestGnomeShortcuts::commandLine()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, writable);

    const QString command = GnomeShortcuts::commandLine(program, arguments);
    QCOMPARE(!command.isEmpty(), writable);
    if (!writable)
        return;
    bool ok = false;
    const QStringList words = shellWords(command, &ok);
    QVERIFY2(ok, qPrintable(command));
    // A phrase's name comes after "--", whatever it looks like; GNOME's
    // repeats of a held shortcut count once.
    QStringList expected = QStringList{program, QStringLiteral("--once")} + arguments;
    if (arguments.first() == QLatin1String("--type"))
        expected.insert(3, QStringLiteral("--"));
    QCOMPARE(words, expected);
}

void TestGnomeShortcuts::variantString_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("Zem Scrivlet: greeting");
    QTest::newRow("quotes") << QStringLiteral("it's \"quoted\"");
    QTest::newRow("backslashes") << QStringLiteral("\\ \\\\ \\' \\u0041");
    QTest::newRow("control characters") << QStringLiteral("a\nb\tc\x01");
    QTest::newRow("non-ASCII and beyond the BMP") << QString::fromUtf8("é€ß日 ✓ 😀");
    QTest::newRow("empty") << QString();
}

void TestGnomeShortcuts::variantString()
{
    QFETCH(QString, text);
    const QString literal = GnomeShortcuts::variantString(text);
    for (const QChar c : literal)
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(literal));
    GError *error = nullptr;
    GVariant *value = g_variant_parse(G_VARIANT_TYPE_STRING, literal.toUtf8().constData(), nullptr,
                                      nullptr, &error);
    QVERIFY2(value, error ? error->message : "");
    QCOMPARE(QString::fromUtf8(g_variant_get_string(value, nullptr)), text);
    g_variant_unref(value);
}

void TestGnomeShortcuts::parseStringList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("expected");

    // As GLib prints them, the quotes it picks included.
    const QList<QStringList> lists = {
        {},
        {QStringLiteral("/org/a/"), QStringLiteral("/org/b/")},
        {QStringLiteral("it's"), QStringLiteral("say \"hi\""), QStringLiteral("both ' and \"")},
        {QStringLiteral("back\\slash"), QStringLiteral("line\nbreak\x01"),
         QString::fromUtf8("é日😀")},
    };
    for (const QStringList &list : lists) {
        GPtrArray *strings = g_ptr_array_new_with_free_func(g_free);
        for (const QString &s : list)
            g_ptr_array_add(strings, g_strdup(s.toUtf8().constData()));
        GVariant *value = g_variant_new_strv(reinterpret_cast<const gchar *const *>(strings->pdata),
                                             gssize(strings->len));
        gchar *printed = g_variant_print(value, TRUE);
        const QString text = QString::fromUtf8(printed) + QLatin1Char('\n');
        QTest::newRow(printed) << text << true << list;
        g_free(printed);
        g_variant_unref(g_variant_ref_sink(value));
        g_ptr_array_unref(strings);
    }
    QTest::newRow("bare []") << QStringLiteral("[]") << true << QStringList();
    QTest::newRow("empty") << QString() << false << QStringList();
    QTest::newRow("unclosed list") << QStringLiteral("['a'") << false << QStringList();
    QTest::newRow("unclosed string") << QStringLiteral("['a]") << false << QStringList();
    QTest::newRow("no comma") << QStringLiteral("['a' 'b']") << false << QStringList();
    QTest::newRow("unquoted") << QStringLiteral("[a]") << false << QStringList();
    QTest::newRow("trailing text") << QStringLiteral("['a'] x") << false << QStringList();
    QTest::newRow("short escape") << QStringLiteral("['\\u12']") << false << QStringList();
    QTest::newRow("surrogate escape") << QStringLiteral("['\\ud800']") << false << QStringList();
}

void TestGnomeShortcuts::parseStringList()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QStringList, expected);
    QStringList parsed = {QStringLiteral("untouched")};
    QCOMPARE(GnomeShortcuts::parseStringList(text, &parsed), valid);
    if (valid)
        QCOMPARE(parsed, expected);
    else
        QCOMPARE(parsed, QStringList{QStringLiteral("untouched")});
}

// --- against gsettings and dconf ----------------------------------------------

void TestGnomeShortcuts::initTestCase()
{
    QVERIFY(m_home.isValid());
    const QString home = m_home.path();
    QVERIFY(QDir(home).mkpath(QStringLiteral("config")));
    QVERIFY(QDir(home).mkpath(QStringLiteral("runtime")));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("dconf"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // dconf's service is started by this bus, in this environment.
    m_bus.setProcessEnvironment(environment);
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    if (!m_bus.waitForStarted(5000))
        QSKIP("dbus-daemon is not installed");
    QVERIFY(m_bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!address.isEmpty());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    m_environment = environment;
}

void TestGnomeShortcuts::cleanupTestCase()
{
    if (m_bus.state() != QProcess::NotRunning) {
        m_bus.terminate();
        m_bus.waitForFinished(3000);
    }
}

QString TestGnomeShortcuts::gsettings(const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(QStringLiteral("gsettings"), arguments);
    *ok = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
          process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void TestGnomeShortcuts::writesOnlyOurEntries()
{
    bool ok = false;
    gsettings({QStringLiteral("help")}, &ok);
    if (!ok)
        QSKIP("gsettings is not installed");
    gsettings({QStringLiteral("list-keys"), ListSchema}, &ok);
    if (!ok)
        QSKIP("the media-keys schema is not installed");

    // The user's own shortcut, which must survive.
    gsettings({QStringLiteral("set"), EntrySchema + Foreign, QStringLiteral("name"),
               QStringLiteral("'Terminal'")},
              &ok);
    QVERIFY(ok);
    gsettings({QStringLiteral("set"), ListSchema, QStringLiteral("custom-keybindings"),
               QLatin1Char('[') + GnomeShortcuts::variantString(Foreign) + QLatin1Char(']')},
              &ok);
    QVERIFY(ok);

    const QString program = QStringLiteral("/usr/bin/zem-scrivlet");
    Writer writer(program);
    writer.setEnvironment(m_environment);
    const QString phrase = QString::fromUtf8("it's \"$HOME\" ✓");
    const QVector<Binding> two = {
        {QStringLiteral("Zem Scrivlet: ") + phrase,
         ModControl | ModAlt,
         0x31,
         {QStringLiteral("--type"), phrase}},
        {QStringLiteral("Zem Scrivlet: picker"),
         ModWin | ModShift,
         0x4B,
         {QStringLiteral("--picker")}},
    };
    QVERIFY2(writer.write(two), qPrintable(writer.errorString()));

    const QString first = Writer::pathPrefix() + QStringLiteral("0/");
    const QString second = Writer::pathPrefix() + QStringLiteral("1/");
    QStringList list;
    QVERIFY(GnomeShortcuts::parseStringList(
        gsettings({QStringLiteral("get"), ListSchema, QStringLiteral("custom-keybindings")}, &ok),
        &list));
    QCOMPARE(list, (QStringList{Foreign, first, second}));
    QCOMPARE(printedString(gsettings(
                 {QStringLiteral("get"), EntrySchema + first, QStringLiteral("binding")}, &ok)),
             QStringLiteral("<Control><Alt>1"));
    // The stored command splits back into the arguments.
    QVector<Entry> entries;
    QVERIFY2(writer.entries(&entries), qPrintable(writer.errorString()));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].name, QStringLiteral("Zem Scrivlet: ") + phrase);
    QCOMPARE(entries[1].binding, QStringLiteral("<Super><Shift>k"));
    QCOMPARE(shellWords(entries[0].command, &ok),
             (QStringList{program, QStringLiteral("--once"), QStringLiteral("--type"),
                          QStringLiteral("--"), phrase}));

    // One fewer: the second entry goes, keys and all.
    QVERIFY2(writer.write({two[1]}), qPrintable(writer.errorString()));
    QVERIFY(GnomeShortcuts::parseStringList(
        gsettings({QStringLiteral("get"), ListSchema, QStringLiteral("custom-keybindings")}, &ok),
        &list));
    QCOMPARE(list, (QStringList{Foreign, first}));
    QCOMPARE(shellWords(
                 printedString(gsettings(
                     {QStringLiteral("get"), EntrySchema + first, QStringLiteral("command")}, &ok)),
                 &ok),
             (QStringList{program, QStringLiteral("--once"), QStringLiteral("--picker")}));
    QCOMPARE(printedString(gsettings(
                 {QStringLiteral("get"), EntrySchema + second, QStringLiteral("name")}, &ok)),
             QString());

    // A binding that cannot be written leaves everything as it was.
    QVERIFY(!writer.write({{QStringLiteral("bad"), ModControl, 0x07, {}}}));
    QVERIFY(writer.errorString().contains(QStringLiteral("no name")));
    QVERIFY(writer.entries(&entries));
    QCOMPARE(entries.size(), 1);

    QVERIFY2(writer.removeAll(), qPrintable(writer.errorString()));
    QVERIFY(GnomeShortcuts::parseStringList(
        gsettings({QStringLiteral("get"), ListSchema, QStringLiteral("custom-keybindings")}, &ok),
        &list));
    QCOMPARE(list, QStringList{Foreign});
    QCOMPARE(printedString(gsettings(
                 {QStringLiteral("get"), EntrySchema + Foreign, QStringLiteral("name")}, &ok)),
             QStringLiteral("Terminal"));
    QVERIFY(writer.entries(&entries));
    QVERIFY(entries.isEmpty());
    // It all went to the private dconf database.
    QVERIFY(QFile::exists(m_home.path() + QStringLiteral("/config/dconf/user")));
}

void TestGnomeShortcuts::toolErrors()
{
    QVector<Entry> entries;
    Writer missingTool(QStringLiteral("/usr/bin/zem-scrivlet"));
    missingTool.setEnvironment(m_environment);
    missingTool.setTool(QStringLiteral("/nonexistent/gsettings"));
    QVERIFY(!missingTool.entries(&entries));
    QVERIFY(!missingTool.write({}));
    QVERIFY(missingTool.errorString().contains(QStringLiteral("could not be run")));

    // Without the schema (another one is installed), gsettings' own message
    // comes back.
    const QString schemas = m_home.path() + QStringLiteral("/data/glib-2.0/schemas");
    QVERIFY(QDir().mkpath(schemas));
    QFile xml(schemas + QStringLiteral("/org.example.other.gschema.xml"));
    QVERIFY(xml.open(QIODevice::WriteOnly));
    xml.write("<schemalist><schema id=\"org.example.other\" path=\"/org/example/other/\">"
              "<key name=\"k\" type=\"b\"><default>false</default></key></schema></schemalist>");
    xml.close();
    if (QProcess::execute(QStringLiteral("glib-compile-schemas"), {schemas}) != 0)
        QSKIP("glib-compile-schemas is not installed");
    QProcessEnvironment noSchemas = m_environment;
    noSchemas.insert(QStringLiteral("XDG_DATA_DIRS"), m_home.path() + QStringLiteral("/data"));
    noSchemas.remove(QStringLiteral("GSETTINGS_SCHEMA_DIR"));
    Writer noSchema(QStringLiteral("/usr/bin/zem-scrivlet"));
    noSchema.setEnvironment(noSchemas);
    QVERIFY(!noSchema.entries(&entries));
    QVERIFY2(noSchema.errorString().contains(QStringLiteral("No such schema")),
             qPrintable(noSchema.errorString()));
}

QTEST_GUILESS_MAIN(TestGnomeShortcuts)
#include "tst_gnomeshortcuts.moc"
