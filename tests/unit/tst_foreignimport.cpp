// The readers of other tools' files: what each entry becomes, what is left
// out and why, and files made to hurt (deep, aliased, huge, not UTF-8).

#include "store/foreignimport.h"

#include <QElapsedTimer>
#include <QtTest>

#include <clocale>
#include <ctime>

using ForeignImport::Format;
using ForeignImport::Reason;

Q_DECLARE_METATYPE(ForeignImport::Reason)
Q_DECLARE_METATYPE(ForeignImport::Format)

namespace {

// The phrases as "abbreviation=text" (with "[p]" before the text when the
// placeholders flag is set), one a line.
QString shape(const ForeignImport::Result &r)
{
    QStringList lines;
    for (const Phrase &p : r.phrases)
        lines << p.abbreviation + QLatin1Char('=') +
                     (p.placeholders ? QStringLiteral("[p]") : QString()) +
                     (p.matchCase ? QStringLiteral("[case]") : QString()) + p.text;
    return lines.join(QLatin1Char('\n'));
}

QByteArray yamlEntry(const char *entry)
{
    return QByteArray("matches:\n") + entry;
}

} // namespace

class ForeignImportTest : public QObject
{
    Q_OBJECT

private slots:
    // Each row is rendered by the C library's strftime and by Qt with the
    // translated format, at a time with every field distinct: the two must
    // agree, so a wrong letter (minutes for months) cannot pass.
    void dateFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("ISO date") << "%Y-%m-%d"
                                  << "yyyy-MM-dd"
                                  << "";
        QTest::newRow("short year") << "%d.%m.%y"
                                    << "dd.MM.yy"
                                    << "";
        QTest::newRow("unpadded") << "%-d/%-m %-H:%-M:%-S"
                                  << "d/M H:m:s"
                                  << "";
        QTest::newRow("names") << "%A, %B %-d"
                               << "dddd, MMMM d"
                               << "";
        QTest::newRow("short names") << "%a %b %h"
                                     << "ddd MMM MMM"
                                     << "";
        QTest::newRow("12-hour") << "%I:%M %p"
                                 << "hh:mm AP"
                                 << "";
        QTest::newRow("composites") << "%F %T %R %D"
                                    << "yyyy-MM-dd HH:mm:ss HH:mm MM/dd/yy"
                                    << "";
        QTest::newRow("literal words quoted") << "Week of %b %d"
                                              << "'Week of 'MMM dd"
                                              << "";
        QTest::newRow("a quote in the text") << "It's %H"
                                             << "'It''s 'HH"
                                             << "";
        QTest::newRow("percent") << "100%% at %H"
                                 << "'100% at 'HH"
                                 << "";
        // Our placeholder reads a sign after the format's last colon as
        // the start of an offset: that sign goes in quotes.
        QTest::newRow("minus after a colon") << "%H:-%M"
                                             << "HH:'-'mm"
                                             << "";
        QTest::newRow("plus after a colon, in words") << "at %H:+x"
                                                      << "'at 'HH:'+x'"
                                                      << "";
        QTest::newRow("12-hour without AM/PM") << "%I:%M"
                                               << ""
                                               << "%I";
        QTest::newRow("day of year") << "%j"
                                     << ""
                                     << "%j";
        QTest::newRow("space-padded day") << "%e"
                                          << ""
                                          << "%e";
        QTest::newRow("brace") << "{%Y}"
                               << ""
                               << "{";
        QTest::newRow("line break") << "%Y\n%m"
                                    << ""
                                    << "\\n";
        QTest::newRow("trailing percent") << "%Y%"
                                          << ""
                                          << "%";
        QTest::newRow("empty") << ""
                               << ""
                               << "\"\"";
    }
    void dateFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, qt);
        QFETCH(QString, unknown);
        QString said;
        QCOMPARE(ForeignImport::qtDateFormat(format, &said), qt);
        QCOMPARE(said, unknown);
        if (qt.isEmpty())
            return;
#ifdef __GLIBC__
        // 2024-03-07 (a Thursday) 15:04:05: every field differs.
        std::setlocale(LC_TIME, "C");
        std::tm tm{};
        tm.tm_year = 124;
        tm.tm_mon = 2;
        tm.tm_mday = 7;
        tm.tm_hour = 15;
        tm.tm_min = 4;
        tm.tm_sec = 5;
        tm.tm_wday = 4;
        char buffer[256];
        const size_t n = std::strftime(buffer, sizeof buffer, format.toUtf8().constData(), &tm);
        const QDateTime at(QDate(2024, 3, 7), QTime(15, 4, 5));
        QCOMPARE(QLocale::c().toString(at, qt), QString::fromUtf8(buffer, int(n)));
#endif
    }

    void offsets_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("none") << qint64(0) << "" << true;
        QTest::newRow("a day") << qint64(86400) << "+1d" << true;
        QTest::newRow("two days back") << qint64(-172800) << "-2d" << true;
        QTest::newRow("an hour and a half") << qint64(5400) << "+1h30m" << true;
        QTest::newRow("all units") << qint64(90060) << "+1d1h1m" << true;
        QTest::newRow("a week as days") << qint64(604800) << "+7d" << true;
        QTest::newRow("seconds") << qint64(30) << "" << false;
        QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << "" << false;
    }
    void offsets()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        bool whole = !ok;
        QCOMPARE(ForeignImport::offsetText(seconds, &whole), text);
        QCOMPARE(whole, ok);
    }

    void csv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("records"); // fields joined by |, records by ;
        QTest::addColumn<QString>("error");
        QTest::newRow("CRLF") << QByteArray("a,b\r\nc,d\r\n") << "a|b;c|d"
                              << "";
        QTest::newRow("LF, no last break") << QByteArray("a,b\nc,d") << "a|b;c|d"
                                           << "";
        QTest::newRow("quoted comma and quotes")
            << QByteArray("\"x,y\",\"he said \"\"hi\"\"\"\n") << "x,y|he said \"hi\""
            << "";
        QTest::newRow("break inside quotes") << QByteArray("\"one\r\ntwo\",z\n") << "one\ntwo|z"
                                             << "";
        QTest::newRow("carriage returns inside quotes")
            << QByteArray("\"a\rb\r\r\nc\"\n") << "a\nb\n\nc"
            << "";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "a,b\n")
                                         << "a|b"
                                         << "";
        QTest::newRow("empty fields") << QByteArray(",,\n") << "||"
                                      << "";
        QTest::newRow("quote left open") << QByteArray("a,\"open\nb\n") << ""
                                         << "quote";
        QTest::newRow("not UTF-8") << QByteArray("a,\xff\n") << ""
                                   << "utf8";
        QTest::newRow("nothing") << QByteArray() << ""
                                 << "";
    }
    void csv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, records);
        QFETCH(QString, error);
        QVector<QStringList> read;
        QString said;
        QCOMPARE(Csv::parse(bytes, &read, &said), error.isEmpty());
        QCOMPARE(said, error);
        QStringList joined;
        for (const QStringList &r : qAsConst(read))
            joined << r.join(QLatin1Char('|'));
        QCOMPARE(joined.join(QLatin1Char(';')), records);
    }

    // A field of many megabytes, and a quote that never closes at the
    // start of one: read in one pass.
    void csvHugeFields()
    {
        const QByteArray big(8 << 20, 'x');
        QVector<QStringList> read;
        QVERIFY(Csv::parse("\"" + big + "\",b\n", &read));
        QCOMPARE(read.size(), 1);
        QCOMPARE(read.at(0).at(0).size(), big.size());
        QVERIFY(!Csv::parse("a,\"" + big, &read));
        QVERIFY(read.isEmpty());
    }

    // What File > Export to CSV writes, the plain CSV reader gives back.
    void csvRoundTrip()
    {
        QVector<Phrase> phrases;
        const QStringList texts{QStringLiteral("plain"), QStringLiteral("a, b and \"c\""),
                                QStringLiteral("two\nlines"), QString::fromUtf8("Grüße ✓ 你好"),
                                QStringLiteral(" leading and trailing ")};
        for (int i = 0; i < texts.size(); ++i) {
            Phrase p;
            p.name = i % 2 ? QStringLiteral("Name, %1").arg(i) : QString();
            p.text = texts.at(i);
            p.abbreviation = i == 1 ? QString() : QStringLiteral(";a%1\"").arg(i);
            phrases << p;
        }
        const QByteArray bytes = ForeignImport::writeCsv(phrases);
        QCOMPARE(ForeignImport::detect(QStringLiteral("export.csv"), bytes), Format::PlainCsv);
        ForeignImport::Result result;
        QVERIFY(ForeignImport::readCsv(bytes, Format::PlainCsv, &result));
        QVERIFY(result.notes.isEmpty());
        QCOMPARE(result.phrases.size(), phrases.size());
        for (int i = 0; i < phrases.size(); ++i) {
            QCOMPARE(result.phrases.at(i).name, phrases.at(i).name);
            QCOMPARE(result.phrases.at(i).text, phrases.at(i).text);
            QCOMPARE(result.phrases.at(i).abbreviation, phrases.at(i).abbreviation);
        }
    }

    void detect_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Format>("format");
        QTest::newRow("our backup")
            << "b.json" << QByteArray("{\"phrases\": []}") << Format::Backup;
        QTest::newRow("Beeftext's by shape, any name")
            << "combos.txt" << QByteArray("\xEF\xBB\xBF {\"combos\": []}") << Format::BeeftextJson;
        QTest::newRow("YAML by suffix")
            << "base.YML" << QByteArray("matches: []") << Format::Espanso;
        QTest::newRow("YAML written as a flow mapping")
            << "base.yaml" << QByteArray("{matches: []}") << Format::Espanso;
        QTest::newRow("YAML by content")
            << "base" << QByteArray("matches:\n  - trigger: a") << Format::Espanso;
        QTest::newRow("plain CSV by header")
            << "p.csv" << QByteArray("Abbreviation,Text,Name\r\n") << Format::PlainCsv;
        QTest::newRow("Beeftext CSV")
            << "p.csv" << QByteArray("kw,snippet,name\n") << Format::BeeftextCsv;
        QTest::newRow("something else") << "notes.doc" << QByteArray("hello") << Format::Unknown;
    }
    void detect()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Format, format);
        QCOMPARE(ForeignImport::detect(name, bytes), format);
    }

    // One Espanso entry each: the phrases it gives, or why it gives none.
    void espansoEntries_data()
    {
        QTest::addColumn<QByteArray>("yaml");
        QTest::addColumn<QString>("phrases");
        QTest::addColumn<int>("reason"); // -1: none
        QTest::addColumn<QString>("entry");
        const int none = -1;
        QTest::newRow("plain") << yamlEntry("  - trigger: ':a'\n    replace: 'x {y}'\n")
                               << ":a=x {y}" << none << "";
        QTest::newRow("case follows the trigger")
            << yamlEntry("  - trigger: ':a'\n    replace: x\n    propagate_case: true\n"
                         "    word: true\n")
            << ":a=[case]x" << none << "";
        QTest::newRow("case as written") << yamlEntry("  - trigger: ':a'\n    replace: x\n"
                                                      "    propagate_case: false\n")
                                         << ":a=x" << none << "";
        QTest::newRow("each trigger its own phrase")
            << yamlEntry("  - triggers: [':a', ':b']\n    replace: same\n") << ":a=same\n:b=same"
            << none << "";
        QTest::newRow("a trigger written twice is one phrase")
            << yamlEntry("  - trigger: ':a'\n    triggers: [':a', ':b', ':a']\n    replace: same\n")
            << ":a=same\n:b=same" << none << "";
        QTest::newRow("a sign after a colon in the date format")
            << yamlEntry("  - trigger: ':d'\n    replace: '{{d}}'\n    vars:\n"
                         "      - name: d\n        type: date\n        params:\n"
                         "          format: '%H:-%M'\n          offset: 86399913600\n")
            << ":d=[p]{date:HH:'-'mm:+999999d}" << none << "";
        QTest::newRow("an offset of a million days")
            << yamlEntry("  - trigger: ':d'\n    replace: '{{d}}'\n    vars:\n"
                         "      - name: d\n        type: date\n        params:\n"
                         "          format: '%H'\n          offset: -86400000000\n")
            << "" << int(Reason::DateOffsetRange) << ":d";
        {
            // A short echo used very often: a few bytes that would grow
            // into a text of many megabytes.
            QByteArray many;
            for (int i = 0; i < 200000; ++i)
                many += "{{e}}";
            QTest::newRow("an echo used very often")
                << yamlEntry("  - trigger: ':e'\n    replace: '" + many +
                             "'\n    vars:\n      - name: e\n        type: echo\n"
                             "        params:\n          echo: "
                             "0123456789012345678901234567890123456789\n")
                << "" << int(Reason::TooLarge) << ":e";
        }
        QTest::newRow("date, braces doubled")
            << yamlEntry("  - trigger: ':d'\n    replace: '{x} {{ d }}'\n    vars:\n"
                         "      - name: d\n        type: date\n        params:\n"
                         "          format: '%Y'\n          offset: -3600\n")
            << ":d=[p]{{x}} {date:yyyy:-1h}" << none << "";
        QTest::newRow("clipboard and cursor")
            << yamlEntry("  - trigger: ':c'\n    replace: '{{c}}$|$ and $|$'\n    vars:\n"
                         "      - name: c\n        type: clipboard\n")
            << ":c=[p]{clipboard}{cursor} and $|$" << none << "";
        QTest::newRow("echo alone stays literal")
            << yamlEntry("  - trigger: ':e'\n    replace: 'A {{e}}'\n    vars:\n"
                         "      - name: e\n        type: echo\n        params:\n"
                         "          echo: '{b}'\n")
            << ":e=A {b}" << none << "";
        QTest::newRow("echo beside a placeholder")
            << yamlEntry("  - trigger: ':e'\n    replace: '{{e}}$|$'\n    vars:\n"
                         "      - name: e\n        type: echo\n        params:\n"
                         "          echo: '{b}'\n")
            << ":e=[p]{{b}}{cursor}" << none << "";
        QTest::newRow("shell") << yamlEntry("  - trigger: ':s'\n    replace: '{{o}}'\n    vars:\n"
                                            "      - name: o\n        type: shell\n")
                               << "" << int(Reason::ShellOrScript) << ":s";
        QTest::newRow("an unused script still runs there")
            << yamlEntry("  - trigger: ':s'\n    replace: 'x'\n    vars:\n"
                         "      - name: o\n        type: script\n")
            << "" << int(Reason::ShellOrScript) << ":s";
        QTest::newRow("regex") << yamlEntry("  - regex: ':h(\\d)'\n    replace: x\n") << ""
                               << int(Reason::RegexTrigger) << ":h(\\d)";
        QTest::newRow("form") << yamlEntry("  - trigger: ':f'\n    form: 'Hi [[n]]'\n") << ""
                              << int(Reason::Form) << ":f";
        QTest::newRow("form field") << yamlEntry("  - trigger: ':f'\n    replace: '{{f.n}}'\n")
                                    << "" << int(Reason::Form) << ":f";
        QTest::newRow("image") << yamlEntry("  - trigger: ':i'\n    image_path: a.png\n") << ""
                               << int(Reason::Image) << ":i";
        QTest::newRow("html") << yamlEntry("  - trigger: ':h'\n    html: '<b>x</b>'\n") << ""
                              << int(Reason::RichText) << ":h";
        QTest::newRow("a global variable") << yamlEntry("  - trigger: ':g'\n    replace: '{{g}}'\n")
                                           << "" << int(Reason::NestedMatch) << ":g";
        QTest::newRow("an unknown type")
            << yamlEntry("  - trigger: ':u'\n    replace: '{{u}}'\n    vars:\n"
                         "      - name: u\n        type: teleport\n")
            << "" << int(Reason::UnknownVariable) << ":u";
        QTest::newRow("a date format we cannot say")
            << yamlEntry("  - trigger: ':d'\n    replace: '{{d}}'\n    vars:\n"
                         "      - name: d\n        type: date\n        params:\n"
                         "          format: '%U'\n")
            << "" << int(Reason::DateFormat) << ":d";
        QTest::newRow("an offset in seconds")
            << yamlEntry("  - trigger: ':d'\n    replace: '{{d}}'\n    vars:\n"
                         "      - name: d\n        type: date\n        params:\n"
                         "          format: '%H'\n          offset: 30\n")
            << "" << int(Reason::DateOffset) << ":d";
        QTest::newRow("no text") << yamlEntry("  - trigger: ':n'\n") << "" << int(Reason::EmptyText)
                                 << ":n";
        QTest::newRow("no trigger, named by its label")
            << yamlEntry("  - label: Lost\n    replace: x\n") << "" << int(Reason::NoTrigger)
            << "Lost";
        QTest::newRow("a trigger with a space") << yamlEntry("  - trigger: 'a b'\n    replace: x\n")
                                                << "" << int(Reason::BadTrigger) << "a b";
        QTest::newRow("not a mapping")
            << yamlEntry("  - just words\n") << "" << int(Reason::Malformed) << "#1";
        QTest::newRow("replace is a list") << yamlEntry("  - trigger: ':l'\n    replace: [a]\n")
                                           << "" << int(Reason::Malformed) << ":l";
        QTest::newRow("a name with an escape sequence, made one plain line")
            << yamlEntry("  - trigger: \"\\e[31m\\nX\"\n    form: y\n") << "" << int(Reason::Form)
            << "[31m X";
    }
    void espansoEntries()
    {
        if (!ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        QFETCH(QByteArray, yaml);
        QFETCH(QString, phrases);
        QFETCH(int, reason);
        QFETCH(QString, entry);
        ForeignImport::Result result;
        QVERIFY2(ForeignImport::readEspanso(yaml, &result), qPrintable(result.error));
        QCOMPARE(shape(result), phrases);
        if (reason < 0) {
            QVERIFY(result.notes.isEmpty());
            return;
        }
        QCOMPARE(result.notes.size(), 1);
        QCOMPARE(int(result.notes.at(0).reason), reason);
        QCOMPARE(result.notes.at(0).entry, entry);
    }

    // Files made to hurt: each is refused whole, or read, quickly.
    void hostileYaml_data()
    {
        QTest::addColumn<QByteArray>("yaml");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("error");
        QTest::newRow("deep flow nesting")
            << QByteArray("matches: ") + QByteArray(100000, '[') << false << "nested too deeply";
        QByteArray block = "matches:\n";
        for (int i = 0; i < 200; ++i)
            block += QByteArray(2 * i + 2, ' ') + "- \n";
        QTest::newRow("deep block nesting") << block << false << "nested too deeply";
        QTest::newRow("alias bomb") << QByteArray("a: &a [x, x, x, x, x, x, x, x, x]\n"
                                                  "b: &b [*a, *a, *a, *a, *a, *a, *a, *a, *a]\n"
                                                  "c: &c [*b, *b, *b, *b, *b, *b, *b, *b, *b]\n"
                                                  "matches: [*c, *c, *c, *c, *c, *c, *c, *c, *c]\n")
                                    << false << "aliases are not read";
        QTest::newRow("not UTF-8")
            << QByteArray("matches:\n  - trigger: \"\xC3\x28\"\n") << false << "";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEm\0a\0", 6) << false << "";
        QTest::newRow("a list at the top") << QByteArray("- a\n- b\n") << false << "format";
        QTest::newRow("matches not a list")
            << QByteArray("imports: [a.yml]\nmatches: 3\n") << false << "format";
        QTest::newRow("tab indentation") << QByteArray("matches:\n\t- trigger: a\n") << false << "";
        QTest::newRow("empty") << QByteArray() << true << "";
        QTest::newRow("second document ignored")
            << QByteArray("matches: []\n---\n- [[[\n") << true << "";
        QTest::newRow("too large")
            << QByteArray(int(ForeignImport::MaxFileBytes) + 1, ' ') << false << "size";
    }
    void hostileYaml()
    {
        if (!ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        QFETCH(QByteArray, yaml);
        QFETCH(bool, read);
        QFETCH(QString, error);
        ForeignImport::Result result;
        QCOMPARE(ForeignImport::readEspanso(yaml, &result), read);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        if (!read)
            QVERIFY(result.phrases.isEmpty() && result.notes.isEmpty());
    }

    // A replace of many megabytes and many thousands of entries: read
    // whole, in time that grows with the file and no faster.
    void largeYaml()
    {
        if (!ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        const QByteArray big(4 << 20, 'x');
        ForeignImport::Result result;
        QVERIFY(ForeignImport::readEspanso(
            "matches:\n  - trigger: ':big'\n    replace: \"" + big + "\"\n", &result));
        QCOMPARE(result.phrases.size(), 1);
        QCOMPARE(result.phrases.at(0).text.size(), big.size());
    }

    // What a file gives is bounded however it is written: the text all its
    // phrases hold together, and the notes (the rest only counted).
    void boundedOutput_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("phrases");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("more");
        QTest::addColumn<Reason>("reason"); // of the first note
        {
            // A large text shared by a hundred triggers, then a small entry.
            QByteArray triggers;
            for (int i = 0; i < 100; ++i)
                triggers += (i ? ", ':t" : "':t") + QByteArray::number(i) + '\'';
            QTest::newRow("many triggers of a large text")
                << Format::Espanso
                << "matches:\n  - triggers: [" + triggers +
                       "]\n    replace: " + QByteArray(1 << 20, 'x') +
                       "\n  - trigger: ':s'\n    replace: small\n"
                << 1 << 1 << 0 << Reason::TooLarge;
        }
        {
            // A hundred entries of a million characters each, every one
            // made of a thousand references to a thousand characters.
            QByteArray refs;
            for (int i = 0; i < 1000; ++i)
                refs += "{{e}}";
            const QByteArray echo(1000, 'y');
            QByteArray yaml = "matches:\n";
            for (int i = 0; i < 100; ++i)
                yaml += "  - trigger: ':m" + QByteArray::number(i) + "'\n    replace: '" + refs +
                        "'\n    vars:\n      - name: e\n        type: echo\n"
                        "        params:\n          echo: " +
                        echo + "\n";
            const int fit = int(ForeignImport::MaxTextTotal / 1000000);
            QTest::newRow("many entries that each grow")
                << Format::Espanso << yaml << fit << 100 - fit << 0 << Reason::TooLarge;
        }
        QByteArray ones = "matches: [1";
        for (int i = 0; i < 1500; ++i)
            ones += ",1";
        QTest::newRow("entries that are no mappings")
            << Format::Espanso << ones + "]\n"
            << 0 << ForeignImport::MaxNotes << 501 << Reason::Malformed;
        QByteArray lines;
        for (int i = 0; i < 1500; ++i)
            lines += "a\n";
        QTest::newRow("Beeftext rows of one field")
            << Format::BeeftextCsv << lines << 0 << ForeignImport::MaxNotes << 500
            << Reason::Malformed;
    }
    void boundedOutput()
    {
        QFETCH(Format, format);
        QFETCH(QByteArray, bytes);
        QFETCH(int, phrases);
        QFETCH(int, notes);
        QFETCH(int, more);
        QFETCH(Reason, reason);
        if (format == Format::Espanso && !ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        ForeignImport::Result result;
        QVERIFY(format == Format::Espanso ? ForeignImport::readEspanso(bytes, &result)
                                          : ForeignImport::readCsv(bytes, format, &result));
        QCOMPARE(result.phrases.size(), phrases);
        QCOMPARE(result.notes.size(), notes);
        QCOMPARE(result.moreNotes, more);
        QCOMPARE(result.notes.at(0).reason, reason);
        qint64 total = 0;
        for (const Phrase &p : qAsConst(result.phrases))
            total += p.text.size();
        QVERIFY(total <= ForeignImport::MaxTextTotal);
    }

    // Beeftext's variables: the ones we have become ours, the others keep
    // the combo out.
    void beeftextSnippets_data()
    {
        QTest::addColumn<QString>("snippet");
        QTest::addColumn<QString>("text"); // with [p] for placeholders; empty: left out
        QTest::addColumn<QString>("detail");
        QTest::newRow("plain, braces literal") << "a {b}"
                                               << "a {b}"
                                               << "";
        QTest::newRow("clipboard and cursor") << "#{clipboard} {x}#{cursor}"
                                              << "[p]{clipboard} {{x}}{cursor}"
                                              << "";
        QTest::newRow("date and time") << "#{date} #{time}"
                                       << "[p]{date} {time}"
                                       << "";
        QTest::newRow("dateTime") << "#{dateTime:dd/MM/yyyy}"
                                  << "[p]{date:dd/MM/yyyy}"
                                  << "";
        QTest::newRow("dateTime shifted") << "#{dateTime:-1w:HH\\:mm}"
                                          << "[p]{date:HH:mm:-1w}"
                                          << "";
        QTest::newRow("shift in years") << "#{dateTime:+1y:yyyy}"
                                        << ""
                                        << "dateTime:+1y:yyyy";
        QTest::newRow("two signs") << "#{dateTime:+1d-2h:HH}"
                                   << ""
                                   << "dateTime:+1d-2h:HH";
        QTest::newRow("week number") << "#{dateTime:ww}"
                                     << ""
                                     << "dateTime:ww";
        QTest::newRow("never closed") << "#{clipboard"
                                      << "#{clipboard"
                                      << "";
        QTest::newRow("another combo") << "#{combo:sig}"
                                       << ""
                                       << "combo";
        QTest::newRow("upper") << "#{upper:sig}"
                               << ""
                               << "upper";
        QTest::newRow("input") << "#{input:Name}"
                               << ""
                               << "input";
        QTest::newRow("powershell") << "#{powershell:C:\\a.ps1}"
                                    << ""
                                    << "powershell";
        QTest::newRow("environment") << "#{envVar:HOME}"
                                     << ""
                                     << "envVar";
    }
    void beeftextSnippets()
    {
        QFETCH(QString, snippet);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        const QJsonObject combo{{QStringLiteral("keyword"), QStringLiteral("kw")},
                                {QStringLiteral("snippet"), snippet},
                                {QStringLiteral("name"), QStringLiteral("N")}};
        const QJsonObject file{{QStringLiteral("fileFormatVersion"), 8},
                               {QStringLiteral("combos"), QJsonArray{combo}}};
        ForeignImport::Result result;
        QVERIFY(ForeignImport::readBeeftextJson(QJsonDocument(file).toJson(), &result));
        if (text.isEmpty()) {
            QVERIFY(result.phrases.isEmpty());
            QCOMPARE(result.notes.size(), 1);
            QCOMPARE(result.notes.at(0).reason, Reason::BeeftextVariable);
            QCOMPARE(result.notes.at(0).detail, detail);
            QCOMPARE(result.notes.at(0).entry, QStringLiteral("kw"));
            return;
        }
        QVERIFY(result.notes.isEmpty());
        QCOMPARE(shape(result), QStringLiteral("kw=") + text);
        QCOMPARE(result.phrases.at(0).name, QStringLiteral("N"));
    }

    // The first file format called its members otherwise.
    void beeftextFirstFormat()
    {
        ForeignImport::Result result;
        QVERIFY(ForeignImport::readBeeftextJson(
            "{\"combos\": [{\"comboText\": \"old\", \"substitutionText\": \"text\", "
            "\"enabled\": false}, 7]}",
            &result));
        QCOMPARE(shape(result), QStringLiteral("old=text"));
        QVERIFY(!result.phrases.at(0).enabled);
        QCOMPARE(result.phrases.at(0).name, QStringLiteral("old"));
        QCOMPARE(result.notes.size(), 1);
        QCOMPARE(result.notes.at(0).reason, Reason::Malformed);
        ForeignImport::Result none;
        QVERIFY(!ForeignImport::readBeeftextJson("{\"combos\": {}}", &none));
    }
};

QTEST_GUILESS_MAIN(ForeignImportTest)
#include "tst_foreignimport.moc"
