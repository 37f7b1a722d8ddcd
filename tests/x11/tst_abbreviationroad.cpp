// Abbreviations end to end: the real program in a private X session, the
// abbreviation typed with xdotool into a Tk text and a GTK text view, and
// the phrase in its place, exactly, under Caps Lock and another layout too.
// Nothing expands inside a word, in a password entry, in a program that does
// not say in time what its field is, while paused or in our own window;
// BackSpace right after takes the phrase back; "after a delimiter" keeps the
// delimiter. A phrase with fields asks for them in a window of its own, from
// an abbreviation and from the command line alike, and puts the answers in
// once; cancelled, it puts nothing in.

#include "app/commandclient.h"
#include "prerequisite.h"
#include "x11/datafile.h"
#include "x11/texttarget.h"
#include "x11/tracedprogram.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

using namespace ProgramDriver;

namespace {

const QString python = QStringLiteral("/usr/bin/python3");
const QString signature = QStringLiteral("Best regards,\nZem Scrivlet\nSupport desk");
const QString address = QString::fromUtf8("Große Straße 5, Zürich ✓");
const QString pwPhrase = QStringLiteral("the phrase");
// The same field twice is asked for once; the choice is a list.
const QString letter =
    QStringLiteral("Dear {input:Name}, {choice:Greeting:Hello|Hi} from {input:Name}.");
const QString letterFilled = QStringLiteral("Dear Ada, Hi from Ada.");

QJsonObject abbreviated(const QString &id, const QString &text, const QString &abbreviation)
{
    QJsonObject p = phrase(id, text, 0, 0);
    p.insert(QStringLiteral("abbreviation"), abbreviation);
    return p;
}

} // namespace

class AbbreviationRoadTest : public QObject
{
    Q_OBJECT

public:
    explicit AbbreviationRoadTest(X11Session *session) : session(session), program(session) {}

private:
    bool startProgram(bool afterDelimiter)
    {
        QJsonObject brackets = abbreviated(QStringLiteral("br"), QStringLiteral("(<{cursor}>)"),
                                           QStringLiteral(";br"));
        brackets.insert(QStringLiteral("placeholders"), true);
        QJsonObject form = abbreviated(QStringLiteral("form"), letter, QStringLiteral(";form"));
        form.insert(QStringLiteral("name"), QStringLiteral("Letter"));
        form.insert(QStringLiteral("placeholders"), true);
        const QJsonArray list{abbreviated(QStringLiteral("sig"), signature, QStringLiteral(";sig")),
                              abbreviated(QStringLiteral("addr"), address, QStringLiteral("addr#")),
                              brackets,
                              abbreviated(QStringLiteral("peace"), QString::fromUtf8("Мир вам"),
                                          QString::fromUtf8(";мир")),
                              abbreviated(QStringLiteral("pw"), pwPhrase, QStringLiteral(";pw")),
                              form};
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("startMinimized"), true},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true},
                                   {QStringLiteral("abbreviationsAfterDelimiter"), afterDelimiter}};
        const QString file = dataFilePath();
        return QDir().mkpath(QFileInfo(file).path()) && writeDataFile(file, settings, list) &&
               program.start() && program.waitFor(QStringLiteral("idle"));
    }

    bool run(const QString &tool, const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(session->environment());
        p.start(tool, arguments);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    // Typed as the user would, one key after another.
    bool type(const QString &text, int delayMs = 40)
    {
        return run(QStringLiteral("xdotool"),
                   {QStringLiteral("type"), QStringLiteral("--clearmodifiers"),
                    QStringLiteral("--delay"), QString::number(delayMs), text});
    }
    bool key(const QString &name)
    {
        return run(QStringLiteral("xdotool"), {QStringLiteral("key"), name});
    }

    std::unique_ptr<TextTarget> target(const QString &script, const QStringList &extra = {})
    {
        auto t = std::make_unique<TextTarget>(session);
        t->setProgram(python, QStringList{X11Session::programPath(script)} + extra);
        if (!t->start(30000) || !t->clear() || !t->activate())
            return nullptr;
        return t;
    }

    // The target holds expected and keeps it for a while: nothing more comes.
    static bool holds(TextTarget &t, const QString &expected)
    {
        if (!t.waitForText(expected, 10000))
            return false;
        QTest::qWait(400);
        return t.fetchText() == expected;
    }

    // Our window of fields for the phrase Letter, once it has the keyboard.
    bool fillInWindowHasTheKeyboard()
    {
        const QString title = QString::fromUtf8("Fill in “Letter”");
        Window window = 0;
        return waitUntil(
            [&] {
                window = window ? window : visibleWindowNamed(title);
                return window && focusIsIn(xlib, window);
            },
            10000);
    }

    X11Session *session;
    TracedProgram program;
    Display *xlib = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(session->startSessionBus());
        QVERIFY(startProgram(false));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
    }

    void cleanupTestCase()
    {
        program.kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void expands_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        for (const QString &script :
             {QStringLiteral("tktarget.py"), QStringLiteral("gtktarget.py")}) {
            QTest::newRow(qPrintable(script + QStringLiteral(": three lines")))
                << script << QStringLiteral("Hi ;sig") << QStringLiteral("Hi ") + signature;
            QTest::newRow(qPrintable(script + QStringLiteral(": non-ASCII line")))
                << script << QStringLiteral("(addr#") << QStringLiteral("(") + address;
            QTest::newRow(qPrintable(script + QStringLiteral(": not inside a word")))
                << script << QStringLiteral("x;sig") << QStringLiteral("x;sig");
        }
    }
    void expands()
    {
        QFETCH(QString, script);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const auto t = target(script);
        QVERIFY(t);
        QVERIFY(type(typed));
        QVERIFY2(holds(*t, expected), qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
    }

    // BackSpace right after an expansion brings the abbreviation back.
    void backSpaceUndoes()
    {
        const auto t = target(QStringLiteral("tktarget.py"));
        QVERIFY(t);
        const int before = program.count(QStringLiteral("abbreviation ;sig expanded"));
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY(program.waitFor(QStringLiteral("abbreviation ;sig expanded"), before + 1));
        QVERIFY(holds(*t, signature));
        QVERIFY(key(QStringLiteral("BackSpace")));
        QVERIFY2(holds(*t, QStringLiteral(";sig")), qPrintable(t->text()));
    }

    // The fields are asked for before anything goes in: typed into our
    // window, which has the keyboard, they land in the editor once, and the
    // editor has the keyboard back. Escape puts nothing in (the abbreviation
    // stays as typed) and gives the keyboard back all the same.
    void fillIns_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::addColumn<bool>("filledIn");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("thinkMs"); // how long the user takes over the fields
        QTest::newRow("abbreviation, filled in")
            << false << true << QStringLiteral("Note: ") + letterFilled << 0;
        QTest::newRow("abbreviation, Escape")
            << false << false << QStringLiteral("Note: ;form") << 0;
        QTest::newRow("--type, filled in")
            << true << true << QStringLiteral("Note: ") + letterFilled << 0;
        QTest::newRow("--type, Escape") << true << false << QStringLiteral("Note: ") << 0;
        // Longer than the command line waits for a text to go out: it hears
        // that the fields are open, and reports what the text did.
        QTest::newRow("--type, filled in after the command's limit")
            << true << true << QStringLiteral("Note: ") + letterFilled
            << CommandClient::AnswerTimeoutMs + 3000;
    }
    void fillIns()
    {
        QFETCH(bool, fromCommandLine);
        QFETCH(bool, filledIn);
        QFETCH(QString, expected);
        QFETCH(int, thinkMs);
        const auto t = target(QStringLiteral("tktarget.py"));
        QVERIFY(t);
        const int asked = program.count(QStringLiteral("fill-ins of form asked"));
        QProcess command;
        if (fromCommandLine) {
            QVERIFY(type(QStringLiteral("Note: ")));
            QVERIFY(t->waitForText(QStringLiteral("Note: ")));
            command.setProcessEnvironment(session->environment());
            command.start(QStringLiteral(SCRIVLET_EXE),
                          {QStringLiteral("--type"), QStringLiteral("Letter")});
        } else {
            QVERIFY(type(QStringLiteral("Note: ;form")));
        }
        QVERIFY2(program.waitFor(QStringLiteral("fill-ins of form asked"), asked + 1),
                 qPrintable(program.trace().right(2000)));
        QVERIFY2(fillInWindowHasTheKeyboard(), qPrintable(program.trace().right(2000)));
        QTest::qWait(thinkMs);
        if (filledIn) {
            // The name first, then the second of the choices.
            QVERIFY(type(QStringLiteral("Ada")));
            QVERIFY(key(QStringLiteral("Tab")));
            QVERIFY(key(QStringLiteral("Down")));
            QVERIFY(key(QStringLiteral("Return")));
        } else {
            QVERIFY(type(QStringLiteral("Ada")));
            QVERIFY(key(QStringLiteral("Escape")));
        }
        QVERIFY2(holds(*t, expected), qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
        if (fromCommandLine) {
            QVERIFY(waitUntil([&] { return command.state() == QProcess::NotRunning; }, 20000));
            QCOMPARE(command.exitStatus(), QProcess::NormalExit);
            QCOMPARE(command.exitCode(), filledIn ? 0 : 1);
            const QString said = QString::fromUtf8(command.readAllStandardError());
            QVERIFY2(said.contains(QStringLiteral("not filled in")) != filledIn, qPrintable(said));
        }
        // The editor has the keyboard back: what is typed next lands there.
        QVERIFY(waitUntil([&] { return focusIsIn(xlib, Window(t->window())); }, 5000));
        QVERIFY(type(QStringLiteral("!")));
        QVERIFY2(holds(*t, expected + QLatin1Char('!')), qPrintable(t->text()));
    }

    // Caps Lock on (xdotool types the letters as written all the same), a
    // German layout, and a Russian second layout in use: the keys are read
    // as the layout makes them, and the phrase lands exactly.
    void capsLockAndOtherLayouts()
    {
        const auto t = target(QStringLiteral("tktarget.py"));
        QVERIFY(t);
        QVERIFY(key(QStringLiteral("Caps_Lock")));
        QVERIFY(type(QStringLiteral(" ;sig")));
        const bool caps = holds(*t, QStringLiteral(" ") + signature);
        QVERIFY(key(QStringLiteral("Caps_Lock")));
        QVERIFY2(caps, qPrintable(t->text()));

        QVERIFY(t->clear());
        QVERIFY(run(QStringLiteral("setxkbmap"), {QStringLiteral("de")}));
        QTest::qWait(300);
        QVERIFY(type(QStringLiteral(" addr#")));
        const bool german = holds(*t, QStringLiteral(" ") + address);
        QVERIFY(run(QStringLiteral("setxkbmap"), {QStringLiteral("us")}));
        QVERIFY2(german, qPrintable(t->text() + QLatin1Char('\n') + program.trace()));

        // Russian as the second layout, and the active one: the keys are
        // read in the group in use.
        QVERIFY(t->clear());
        QVERIFY(
            run(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("us,ru")}));
        QVERIFY(key(QStringLiteral("ISO_Next_Group")));
        QTest::qWait(300);
        QVERIFY(type(QString::fromUtf8("да ;мир ;sig")));
        const bool second = holds(*t, QString::fromUtf8("да Мир вам ") + signature);
        QVERIFY(run(QStringLiteral("setxkbmap"), {QStringLiteral("us")}));
        QVERIFY2(second, qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
    }

    // A GTK password entry: seen as it takes the focus, and, for a program
    // started while the entry had it already, asked of GTK directly.
    void notInAPasswordEntry()
    {
        const auto t = target(QStringLiteral("gtktarget.py"), {QStringLiteral("password")});
        QVERIFY(t);
        const int before = program.count(QStringLiteral("abbreviation ;sig not here"));
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY2(program.waitFor(QStringLiteral("abbreviation ;sig not here"), before + 1),
                 qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
        QVERIFY(holds(*t, QStringLiteral(";sig")));

        QVERIFY(startProgram(false));
        QVERIFY(t->clear());
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY2(program.waitFor(QStringLiteral("abbreviation ;sig not here")),
                 qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
        QVERIFY(holds(*t, QStringLiteral(";sig")));
    }

    // Programs that misbehave on the accessibility bus, their focused field
    // a password field: one that answers only after the limit, one that
    // never answers from six connections, one that answers at once with the
    // wrong types and far too much, flooding the bus with focus
    // announcements. None is taken for a text field, the question ends, and
    // the program goes on.
    void misbehavingProgramsOnTheBus_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("answers late") << QStringLiteral("late");
        QTest::newRow("never answers") << QStringLiteral("silent");
        QTest::newRow("wrong types, floods") << QStringLiteral("hostile");
    }
    void misbehavingProgramsOnTheBus()
    {
        QFETCH(QString, how);
        const auto t = target(QStringLiteral("gtktarget.py"), {QStringLiteral("standin=") + how});
        QVERIFY(t);
        const int before = program.count(QStringLiteral("abbreviation ;sig not here"));
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY2(program.waitFor(QStringLiteral("abbreviation ;sig not here"), before + 1),
                 qPrintable(t->text() + QLatin1Char('\n') + program.trace().right(2000)));
        QVERIFY(holds(*t, QStringLiteral(";sig")));
        QVERIFY(program.running());
    }

    // A sign-in form at the end of a long article in Chromium (its page on
    // the accessibility bus): each password field, before and after 3,000
    // paragraphs, keeps what was typed, and each text field of the same page
    // gets the phrase. The field is known from the browser's own word on
    // its focus, however long the page.
    void passwordFieldsOfALongPage()
    {
        SCRIVLET_REQUIRE(QFileInfo::exists(QStringLiteral("/usr/bin/chromium")),
                         "Chromium is not installed here");
        auto page = std::make_unique<TextTarget>(session);
        page->setProgram(python, {X11Session::programPath(QStringLiteral("browsertarget.py")),
                                  QStringLiteral("chromium"), QStringLiteral("login")});
        QVERIFY(page->start(60000));
        QVERIFY(page->activate(10000));
        QVERIFY(page->command("clear", 10000));
        QVERIFY(page->waitForText(QStringLiteral("|||")));
        const QString typed = QStringLiteral("x ;pw ");
        const QString expanded = QStringLiteral("x ") + pwPhrase + QLatin1Char(' ');
        QStringList values{QString(), QString(), QString(), QString()};
        const QStringList fields{QStringLiteral("user1"), QStringLiteral("pass1"),
                                 QStringLiteral("user2"), QStringLiteral("pass2")};
        for (int i = 0; i < fields.size(); ++i) {
            const bool password = fields.at(i).startsWith(QLatin1String("pass"));
            int notHere = program.count(QStringLiteral("abbreviation ;pw not here"));
            QVERIFY(page->command("focus " + fields.at(i).toLatin1(), 10000));
            QVERIFY(type(typed));
            values[i] = password ? typed : expanded;
            // On a loaded machine the browser may still name the field
            // before as focused when the keys come, and the program keeps
            // out of a field it cannot tell from a password field, as it
            // must; or the news of the move to this field comes after the
            // first keys, and what was typed before it is forgotten, as at
            // any move. Either way the keys stay as typed. Once the
            // browser's tree has followed, the same keys expand: the text
            // field is tried again then, never a password field.
            for (int retry = 0;
                 !password && retry < 2 && !page->waitForText(values.join(QLatin1Char('|')), 3000);
                 ++retry) {
                QStringList raw = values;
                raw[i] = typed;
                QVERIFY(page->waitForText(raw.join(QLatin1Char('|')), 5000));
                QVERIFY(run(QStringLiteral("xdotool"),
                            {QStringLiteral("key"), QStringLiteral("--repeat"),
                             QString::number(typed.size()), QStringLiteral("BackSpace")}));
                raw[i].clear();
                QVERIFY(page->waitForText(raw.join(QLatin1Char('|')), 5000));
                notHere = program.count(QStringLiteral("abbreviation ;pw not here"));
                QVERIFY(type(typed));
            }
            QVERIFY2(page->waitForText(values.join(QLatin1Char('|')), 15000),
                     qPrintable(fields.at(i) + QStringLiteral(": ") + page->text() +
                                QLatin1Char('\n') + program.trace().right(2000)));
            if (password)
                QVERIFY(program.waitFor(QStringLiteral("abbreviation ;pw not here"), notHere + 1));
        }
        QTest::qWait(400);
        QCOMPARE(page->fetchText(), values.join(QLatin1Char('|')));
    }

    void notWhilePaused()
    {
        const auto t = target(QStringLiteral("tktarget.py"));
        QVERIFY(t);
        QVERIFY(run(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--pause")}));
        QVERIFY(type(QStringLiteral(";sig")));
        const bool untouched = holds(*t, QStringLiteral(";sig"));
        QVERIFY(run(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--resume")}));
        QVERIFY(untouched);
        // And again once resumed.
        QVERIFY(t->clear());
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY(holds(*t, signature));
    }

    // Typed in our own main window's search box: it stays as typed.
    void notInOurOwnWindow()
    {
        const int before = program.count(QStringLiteral("abbreviation ;sig not here"));
        QVERIFY(run(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--toggle-window")}));
        QVERIFY(program.waitFor(QStringLiteral("window shown")));
        QTest::qWait(500);
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY2(program.waitFor(QStringLiteral("abbreviation ;sig not here"), before + 1),
                 qPrintable(program.trace()));
        QVERIFY(run(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--toggle-window")}));
    }

    // Typed at full speed: the keys that come while a phrase goes out wait
    // for it, so each of the five abbreviations is replaced where it stood,
    // the rest of the text lands as typed, once, and what follows ";br"
    // goes to its {cursor}.
    void burstAtFullSpeed_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("Tk") << QStringLiteral("tktarget.py");
        QTest::newRow("GTK") << QStringLiteral("gtktarget.py");
    }
    void burstAtFullSpeed()
    {
        QFETCH(QString, script);
        const auto t = target(script);
        QVERIFY(t);
        const auto expansions = [this] {
            int n = 0;
            for (const char *a : {";sig", "addr#", ";br"})
                n +=
                    program.count(QStringLiteral("abbreviation %1 expanded").arg(QLatin1String(a)));
            return n;
        };
        const int before = expansions();
        const QString typed = QStringLiteral(
            "Hello all ;sig Quick note: the parcel goes to addr# today. Please check the "
            "list ;br items and reply soon, then ;sig again. Ship it to addr# before noon, "
            "thanks a lot and see you all at the meeting on Friday.");
        QVERIFY(typed.size() >= 200);
        const QString expected =
            QStringLiteral("Hello all ") + signature +
            QStringLiteral(" Quick note: the parcel goes to ") + address +
            QStringLiteral(" today. Please check the list (< items and reply soon, then ") +
            signature + QStringLiteral(" again. Ship it to ") + address +
            QStringLiteral(" before noon, thanks a lot and see you all at the meeting on "
                           "Friday.>)");
        QVERIFY(type(typed, 0));
        QVERIFY2(holds(*t, expected), qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
        QCOMPARE(expansions(), before + 5);
    }

    void afterADelimiter()
    {
        QVERIFY(startProgram(true));
        const auto t = target(QStringLiteral("tktarget.py"));
        QVERIFY(t);
        const int before = program.count(QStringLiteral("abbreviation ;sig expanded"));
        QVERIFY(type(QStringLiteral(";sig ")));
        QVERIFY(program.waitFor(QStringLiteral("abbreviation ;sig expanded"), before + 1));
        QVERIFY(type(QStringLiteral("no;sig\t")));
        QVERIFY2(holds(*t, signature + QStringLiteral(" no;sig\t")),
                 qPrintable(t->text() + QLatin1Char('\n') + program.trace()));
        QVERIFY(t->clear());
        QVERIFY(type(QStringLiteral(";sig")));
        QVERIFY(holds(*t, QStringLiteral(";sig"))); // no delimiter yet

        // The delimiter goes after the phrase, and the caret back to its
        // {cursor}: what is typed next lands there.
        QVERIFY(key(QStringLiteral("Escape"))); // a new word: ";sig" stays behind
        QVERIFY(t->clear());
        const int brackets = program.count(QStringLiteral("abbreviation ;br expanded"));
        QVERIFY(type(QStringLiteral(";br ")));
        QVERIFY(program.waitFor(QStringLiteral("abbreviation ;br expanded"), brackets + 1));
        QVERIFY(type(QStringLiteral("x")));
        QVERIFY2(holds(*t, QStringLiteral("(<x>) ")), qPrintable(t->text()));
        QVERIFY(startProgram(false));
    }
};

SCRIVLET_X11_TEST_MAIN(AbbreviationRoadTest)
#include "tst_abbreviationroad.moc"
