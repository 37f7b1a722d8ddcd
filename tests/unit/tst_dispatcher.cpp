// From a request to its outcome without a widget: the dispatcher over the
// recording desktop and windows. Which window a phrase goes to, what is
// recorded as used, and the order in which requests that meet a text going
// out are carried out.

#include "dispatch/phrasedispatcher.h"
#include "fakes/fakedispatchui.h"
#include "fakes/recordingdesktop.h"
#include "store/phrasestore.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr WindowHandle Editor = 0x500; // another program's window
constexpr WindowHandle Other = 0x600;

Phrase makePhrase(const QString &name, const QString &text, int vk = 0)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.mods = vk ? 0x2 : 0;
    p.vk = vk;
    return p;
}

RemoteCommand::Request command(RemoteCommand::Verb verb, const QString &name = QString(),
                               bool once = false)
{
    RemoteCommand::Request r;
    r.verb = verb;
    r.name = name;
    r.once = once;
    return r;
}

} // namespace

class DispatcherTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<RecordingDesktop> desktop;
    std::unique_ptr<FakeDispatchUi> ui;
    std::unique_ptr<PhraseDispatcher> dispatcher;

    void build()
    {
        ui = std::make_unique<FakeDispatchUi>(desktop->log);
        dispatcher = std::make_unique<PhraseDispatcher>(store.get(), desktop.get(), ui.get());
    }
    // Answers into said as "<who> <ok>".
    PhraseDispatcher::Answer answer(QStringList &said, const QString &who)
    {
        return [&said, who](const RemoteCommand::Reply &reply) {
            said << QStringLiteral("%1 %2").arg(who).arg(reply.ok);
        };
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        store->phrases() << makePhrase(QStringLiteral("First"), QStringLiteral("first text"), 0x31)
                         << makePhrase(QStringLiteral("Second"), QStringLiteral("second text"))
                         << makePhrase(QStringLiteral("Third"), QStringLiteral("third text"));
        desktop = std::make_unique<RecordingDesktop>();
        desktop->targetsFake.windows = {Editor, Other};
        desktop->targetsFake.front = Editor;
        desktop->hasKeyStream = false;
    }
    void cleanup()
    {
        dispatcher.reset();
        ui.reset();
        desktop.reset();
        store.reset();
        dir.reset();
    }

    void phraseShortcutTypesIntoTheWindowInFront()
    {
        build();
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        dispatcher->onPhraseShortcut(store->phrases().at(0).id);
        QCOMPARE(desktop->keyboardFake.typedInto.value(Editor), QStringLiteral("first text"));
        QVERIFY(desktop->log.calls.contains(QStringLiteral("bringToFront 500")));
        QCOMPARE(dispatcher->targetWindow(), WindowHandle(0));
        PhraseStore reread(dir->path());
        QVERIFY(reread.load());
        QVERIFY(reread.phrases().at(0).lastUsed >= before);
    }

    void unknownPhraseDoesNothing()
    {
        build();
        QCOMPARE(dispatcher->typePhrase(QStringLiteral("gone")),
                 QStringLiteral("The phrase is gone."));
        QVERIFY(desktop->log.calls.isEmpty());
        QVERIFY(!QFile::exists(store->dataFilePath()));
    }

    // What did not arrive is not recorded as used; the elevated window's
    // phrase waits on the clipboard, and the user is told to paste it.
    void undeliveredPhrasesAreNotUsed_data()
    {
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("elevated target") << true << QStringLiteral("first text");
        QTest::newRow("keys held") << false << QStringLiteral("the user's");
    }
    void undeliveredPhrasesAreNotUsed()
    {
        QFETCH(bool, elevated);
        QFETCH(QString, clipboard);
        if (elevated)
            desktop->targetsFake.privileged.insert(Editor);
        else
            desktop->keyboardFake.modifierHeldUntil = 0xFFFFFFFF;
        build();
        QStringList told;
        connect(dispatcher.get(), &PhraseDispatcher::message,
                [&told](const QString &text, bool) { told << text; });
        dispatcher->onPhraseShortcut(store->phrases().at(0).id);
        QCOMPARE(desktop->keyboardFake.typed, QString());
        QCOMPARE(desktop->clipboardFake.content, clipboard);
        QCOMPARE(store->phrases().at(0).lastUsed, qint64(0));
        QVERIFY(!QFile::exists(store->dataFilePath()));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.at(0).contains(elevated ? QStringLiteral("Ctrl+V")
                                              : QStringLiteral("held down too long")),
                 qPrintable(told.at(0)));
    }

    // A command that comes while a text goes out (the wait loops serve the
    // channel) waits for it: the texts never interleave, and the commands
    // are carried out and answered in the order they came, a window command
    // among them in its turn; a command of a newer version is refused.
    void commandsWaitForTheTextGoingOut()
    {
        build();
        QStringList said;
        desktop->keyboardFake.afterTyping = [&] {
            if (said.contains(QStringLiteral("asked")))
                return;
            said << QStringLiteral("asked");
            dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Second")),
                                 answer(said, QStringLiteral("second")));
            dispatcher->carryOut(command(RemoteCommand::Verb::Show),
                                 answer(said, QStringLiteral("show")));
            dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Third")),
                                 answer(said, QStringLiteral("third")));
        };
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("First")),
                             answer(said, QStringLiteral("first")));
        QTRY_COMPARE(said, (QStringList{QStringLiteral("asked"), QStringLiteral("first 1"),
                                        QStringLiteral("second 1"), QStringLiteral("show 1"),
                                        QStringLiteral("third 1")}));
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("first textsecond textthird text"));
        QCOMPARE(desktop->callsOf({QStringLiteral("typeText"), QStringLiteral("windowCommand")}),
                 (QStringList{
                     QStringLiteral("typeText first text"), QStringLiteral("typeText second text"),
                     QStringLiteral("windowCommand %1").arg(int(RemoteCommand::Verb::Show)),
                     QStringLiteral("typeText third text")}));
        desktop->keyboardFake.afterTyping = nullptr;

        RemoteCommand::Reply refused{true, QString()};
        RemoteCommand::Request newer = command(RemoteCommand::Verb::Unknown, QStringLiteral("fly"));
        dispatcher->carryOut(newer, [&refused](const RemoteCommand::Reply &r) { refused = r; });
        QVERIFY(!refused.ok);
        QVERIFY2(refused.text.contains(QStringLiteral("“fly”")), qPrintable(refused.text));
    }

    // Pause asked for while a text goes out takes its turn: the text under
    // way is finished, and a phrase asked for after the pause is refused.
    void pauseWhileTyping()
    {
        build();
        QStringList said;
        QStringList why;
        desktop->keyboardFake.afterTyping = [&] {
            if (said.contains(QStringLiteral("asked")))
                return;
            said << QStringLiteral("asked");
            dispatcher->carryOut(command(RemoteCommand::Verb::Pause),
                                 answer(said, QStringLiteral("pause")));
            dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Second")),
                                 [&](const RemoteCommand::Reply &reply) {
                                     said << QStringLiteral("second %1").arg(reply.ok);
                                     why << reply.text;
                                 });
        };
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("First")),
                             answer(said, QStringLiteral("first")));
        QTRY_COMPARE(said, (QStringList{QStringLiteral("asked"), QStringLiteral("first 1"),
                                        QStringLiteral("pause 1"), QStringLiteral("second 0")}));
        QCOMPARE(why, QStringList{QStringLiteral("Shortcuts are paused.")});
        QVERIFY(dispatcher->paused());
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("first text"));
    }

    // A phrase's shortcut pressed while another phrase goes out (the
    // backends' waits let the press in) follows that text into the window
    // in front: the two never interleave, and a command that comes after
    // the press is still kept behind it.
    void shortcutPressedWhileTyping()
    {
        build();
        QStringList said;
        desktop->keyboardFake.afterTyping = [&] {
            if (said.contains(QStringLiteral("asked")))
                return;
            said << QStringLiteral("asked");
            dispatcher->onPhraseShortcut(store->phrases().at(1).id);
            dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Third")),
                                 answer(said, QStringLiteral("third")));
        };
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("First")),
                             answer(said, QStringLiteral("first")));
        QTRY_COMPARE(said, (QStringList{QStringLiteral("asked"), QStringLiteral("first 1"),
                                        QStringLiteral("third 1")}));
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("first textsecond textthird text"));
    }

    // GNOME runs a held custom shortcut's command again at every key
    // repeat: with --once, the repeats (while the text goes out and right
    // after it) are the press that was carried out, and answered as it was:
    // one that comes while the text goes out waits for its outcome. A
    // script's plain commands all count.
    void heldDesktopShortcutPutsThePhraseInOnce()
    {
        build();
        const auto type = [](const QString &name, bool once) {
            return command(RemoteCommand::Verb::Type, name, once);
        };
        QStringList said;
        desktop->keyboardFake.afterTyping = [&] {
            if (said.contains(QStringLiteral("asked")))
                return;
            said << QStringLiteral("asked");
            dispatcher->carryOut(type(QStringLiteral("First"), true),
                                 answer(said, QStringLiteral("repeat")));
        };
        dispatcher->carryOut(type(QStringLiteral("First"), true),
                             answer(said, QStringLiteral("press")));
        dispatcher->carryOut(type(QStringLiteral("First"), true),
                             answer(said, QStringLiteral("repeat")));
        QTRY_COMPARE(said, (QStringList{QStringLiteral("asked"), QStringLiteral("press 1"),
                                        QStringLiteral("repeat 1"), QStringLiteral("repeat 1")}));
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("first text"));
        desktop->keyboardFake.afterTyping = nullptr;

        // A press that failed: its repeats fail alike, and say why.
        QStringList why;
        for (int i = 0; i < 2; ++i) {
            dispatcher->carryOut(type(QStringLiteral("Missing"), true),
                                 [&why](const RemoteCommand::Reply &reply) {
                                     why << QStringLiteral("%1 %2").arg(reply.ok).arg(reply.text);
                                 });
        }
        QCOMPARE(why.size(), 2);
        QVERIFY2(why.at(0).startsWith(QLatin1String("0 ")) && why.at(1) == why.at(0),
                 qPrintable(why.join(QLatin1Char('|'))));

        // Another shortcut is a press of its own; plain commands are never
        // taken for repeats.
        dispatcher->carryOut(type(QStringLiteral("Second"), true), nullptr);
        dispatcher->carryOut(type(QStringLiteral("Second"), false), nullptr);
        QTRY_COMPARE(desktop->keyboardFake.typed,
                     QStringLiteral("first textsecond textsecond text"));
    }

    // The picker remembers the window it opened over; gone by the time a
    // phrase is chosen, the phrase goes to the window in front instead, and
    // a picker closed without a choice brings forward only a window that
    // still exists.
    void pickerTargetGone_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("a phrase chosen") << true;
        QTest::newRow("closed without one") << false;
    }
    void pickerTargetGone()
    {
        QFETCH(bool, chosen);
        build();
        dispatcher->onPickerShortcut();
        QVERIFY(ui->open);
        QCOMPARE(dispatcher->targetWindow(), Editor);
        desktop->targetsFake.windows.remove(Editor);
        desktop->targetsFake.front = Other;
        desktop->log.calls.clear();
        ui->open = false;
        if (chosen)
            dispatcher->onPhraseChosen(store->phrases().at(1).id);
        else
            dispatcher->onPickerDismissed();
        QCOMPARE(desktop->keyboardFake.typedInto.value(Other),
                 chosen ? QStringLiteral("second text") : QString());
        QCOMPARE(desktop->keyboardFake.typedInto.value(Editor), QString());
        QVERIFY2(!desktop->log.calls.contains(QStringLiteral("bringToFront 500")),
                 qPrintable(desktop->log.calls.join(QLatin1Char('|'))));
        QCOMPARE(dispatcher->targetWindow(), WindowHandle(0));
    }

    // One of our own windows in front: the phrase goes into its focused
    // field, never to the desktop's keys; with no text field to take it,
    // the command says why.
    void ownWindowTakesThePhraseInItsField()
    {
        desktop->targetsFake.ownWindows = {Other};
        desktop->targetsFake.front = Other;
        build();
        dispatcher->onPhraseShortcut(store->phrases().at(0).id);
        QCOMPARE(ui->fieldText, QStringLiteral("first text"));
        QCOMPARE(desktop->keyboardFake.typed, QString());
        ui->fieldTakes = false;
        RemoteCommand::Reply reply{true, QString()};
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Second")),
                             [&reply](const RemoteCommand::Reply &r) { reply = r; });
        QVERIFY(!reply.ok);
        QVERIFY2(reply.text.startsWith(QStringLiteral("Zem Scrivlet's own window is in front")),
                 qPrintable(reply.text));
        QCOMPARE(desktop->keyboardFake.typed, QString());
    }

    // A phrase with fields: they are asked for once (nested ones too, the
    // same label once) and nothing goes out meanwhile; requests that come
    // while the window of fields is open wait for it, and the phrase goes
    // to the window that was in front with the answers taken as text.
    void fillInsAskedThenTyped()
    {
        Phrase form = makePhrase(QStringLiteral("Form"),
                                 QStringLiteral("Dear {input:Name}, {choice:Tone:warm|cold} "
                                                "{phrase:Sig}"),
                                 0x32);
        form.placeholders = true;
        Phrase sig = makePhrase(QStringLiteral("Sig"), QStringLiteral("{input:Name}!"));
        sig.placeholders = true;
        sig.enabled = false; // a part of others counts all the same
        store->phrases() << form << sig;
        build();
        QStringList said;
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Form")),
                             answer(said, QStringLiteral("form")));
        QVERIFY(dispatcher->asking());
        QVERIFY(desktop->log.calls.contains(QStringLiteral("askFillIns Form: Name,Tone")));
        QVERIFY(desktop->keyboardFake.typed.isEmpty());
        QVERIFY(said.isEmpty()); // answered once the text is in
        // The user's focus is in our window of fields now.
        desktop->targetsFake.front = Other;
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Second")),
                             answer(said, QStringLiteral("second")));
        dispatcher->onPhraseShortcut(store->phrases().at(0).id);
        QCoreApplication::processEvents();
        QVERIFY(desktop->keyboardFake.typed.isEmpty());

        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("{Sam} {phrase:Sig}")},
                          {QStringLiteral("Tone"), QStringLiteral("cold")}});
        QTRY_COMPARE(said, (QStringList{QStringLiteral("form 1"), QStringLiteral("second 1")}));
        QTRY_COMPARE(desktop->keyboardFake.typed,
                     QStringLiteral("Dear {Sam} {phrase:Sig}, cold {Sam} {phrase:Sig}!"
                                    "second textfirst text"));
        // Into the window that was in front when it was asked for.
        QVERIFY(desktop->keyboardFake.typedInto.value(Editor).startsWith(QStringLiteral("Dear")));
        QVERIFY(desktop->keyboardFake.typedInto.value(Other).isEmpty());
        QVERIFY(!dispatcher->asking());
    }

    // A person filling in fields may take longer than a sender's limit:
    // senders that take it hear "waiting" while the fields are open, their
    // own or a phrase's before theirs, and then their answer, once; a
    // sender that does not (an older version) hears only its answer.
    void commandsHearWaitingWhileFieldsAreOpen()
    {
        Phrase form = makePhrase(QStringLiteral("Form"), QStringLiteral("Hi {input:Name}"));
        form.placeholders = true;
        store->phrases() << form;
        build();
        dispatcher->setWaitingBeat(40);
        QStringList heard;
        const auto hears = [&heard](const QString &who) {
            return [&heard, who](const RemoteCommand::Reply &reply) {
                heard << who + (reply.waiting ? QStringLiteral(" waiting")
                                              : QStringLiteral(" %1").arg(reply.ok));
            };
        };
        RemoteCommand::Request type = command(RemoteCommand::Verb::Type, QStringLiteral("Form"));
        type.waitsOnUser = true;
        dispatcher->carryOut(type, hears(QStringLiteral("form")));
        QCOMPARE(heard, QStringList{QStringLiteral("form waiting")}); // as the window opens
        type.name = QStringLiteral("Second");
        dispatcher->carryOut(type, hears(QStringLiteral("second")));
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Third")),
                             hears(QStringLiteral("third")));
        QVERIFY(dispatcher->asking());
        QTRY_VERIFY(heard.count(QStringLiteral("form waiting")) >= 2 &&
                    heard.count(QStringLiteral("second waiting")) >= 2);
        QVERIFY(!heard.join(QLatin1Char(',')).contains(QStringLiteral("third")));

        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("Ada")}});
        QTRY_VERIFY(heard.contains(QStringLiteral("third 1")));
        const QStringList answers = heard.filter(QRegularExpression(QStringLiteral(" [01]$")));
        QCOMPARE(answers, (QStringList{QStringLiteral("form 1"), QStringLiteral("second 1"),
                                       QStringLiteral("third 1")}));
        const int said = heard.size();
        QTest::qWait(200);
        QCOMPARE(heard.size(), said); // nothing after the answer
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("Hi Adasecond textthird text"));
    }

    // Escape: nothing typed, the command told so, the target given its
    // focus back, and what waited goes on.
    void fillInsCancelled()
    {
        Phrase form = makePhrase(QStringLiteral("Form"), QStringLiteral("Hi {input:Name:Sam}"));
        form.placeholders = true;
        store->phrases() << form;
        build();
        RemoteCommand::Reply told{true, QString()};
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Form")),
                             [&told](const RemoteCommand::Reply &r) { told = r; });
        QCOMPARE(ui->askedFields.size(), 1);
        QCOMPARE(ui->askedFields.at(0).defaultText, QStringLiteral("Sam"));
        QStringList said;
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Third")),
                             answer(said, QStringLiteral("third")));
        desktop->log.calls.clear();
        ui->answer(false);
        QTRY_COMPARE(said, QStringList{QStringLiteral("third 1")});
        QVERIFY(!told.ok);
        QCOMPARE(told.text, QStringLiteral("Nothing was typed: the fields were not filled in."));
        QCOMPARE(desktop->keyboardFake.typed, QStringLiteral("third text"));
        QCOMPARE(desktop->log.calls.value(0), QStringLiteral("bringToFront 500"));
    }

    // A phrase that names one missing, itself, or too deep a chain: nothing
    // of it is typed, and the message names the chain.
    void nestedPhrasesRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QStringLiteral("a {phrase:Gone}")
                                 << QStringLiteral("Nothing was typed: “Outer” puts in a phrase "
                                                   "named “Gone”, and there is none.");
        QTest::newRow("cycle") << QStringLiteral("{phrase:Inner}")
                               << QStringLiteral("Nothing was typed: these phrases put in each "
                                                 "other in a circle: “Outer” → “Inner” → "
                                                 "“Outer”.");
        QTest::newRow("fields after a fault ask nothing")
            << QStringLiteral("{input:Name} {phrase:Gone}")
            << QStringLiteral("Nothing was typed: “Outer” puts in a phrase named “Gone”, and "
                              "there is none.");
        QString fields;
        for (int i = 0; i <= Placeholders::MaxFields; ++i)
            fields += QStringLiteral("{input:F%1}").arg(i);
        QTest::newRow("more fields than a window holds")
            << fields
            << QStringLiteral("Nothing was typed: “Outer” asks for more than 50 fields, more than "
                              "one window holds.");
    }
    void nestedPhrasesRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        Phrase outer = makePhrase(QStringLiteral("Outer"), text, 0x33);
        outer.placeholders = true;
        Phrase inner = makePhrase(QStringLiteral("Inner"), QStringLiteral("{phrase:Outer}"));
        inner.placeholders = true;
        store->phrases() << outer << inner;
        build();
        QSignalSpy messages(dispatcher.get(), &PhraseDispatcher::message);
        RemoteCommand::Reply told{true, QString()};
        dispatcher->carryOut(command(RemoteCommand::Verb::Type, QStringLiteral("Outer")),
                             [&told](const RemoteCommand::Reply &r) { told = r; });
        QVERIFY(!told.ok);
        QCOMPARE(told.text, message);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), message);
        QVERIFY(desktop->keyboardFake.typed.isEmpty());
        QVERIFY(!dispatcher->asking());
        // The panel's Copy leaves the clipboard alone.
        QVERIFY(dispatcher->copyPhrase(outer.id, [](ClipboardPut) { QFAIL("copied"); }));
        QVERIFY(desktop->callsOf({QStringLiteral("put")}).isEmpty());
    }

    // The panel's Copy asks too, and copies the answers.
    void copyAsksForFields()
    {
        Phrase form = makePhrase(QStringLiteral("Form"), QStringLiteral("Hi {input:Name}"));
        form.placeholders = true;
        store->phrases() << form;
        build();
        QVector<ClipboardPut> copied;
        QVERIFY(dispatcher->copyPhrase(form.id, [&copied](ClipboardPut put) { copied << put; }));
        QVERIFY(dispatcher->asking());
        ui->answer(false);
        QTRY_VERIFY(!dispatcher->asking());
        QVERIFY(copied.isEmpty());
        QVERIFY(dispatcher->copyPhrase(form.id, [&copied](ClipboardPut put) { copied << put; }));
        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("Ann")}});
        QTRY_COMPARE(copied.size(), 1);
        QCOMPARE(desktop->clipboardFake.content, QStringLiteral("Hi Ann"));
    }

    // An abbreviation whose phrase has fields stays as typed until they are
    // filled in; then it is erased in the target and the phrase typed with
    // its delimiter, in the case the abbreviation was typed in, and the use
    // counts what the abbreviation saved. Escape leaves it as typed.
    void abbreviationAsksFirst()
    {
        Phrase form = makePhrase(QStringLiteral("Form"), QStringLiteral("Hi {input:Name}"));
        form.placeholders = true;
        form.abbreviation = QStringLiteral(";hi");
        form.matchCase = true;
        store->phrases() << form;
        desktop->hasKeyStream = true;
        build();
        dispatcher->refreshAbbreviations();
        desktop->keyStreamFake.type(QStringLiteral(";hi"));
        QTRY_VERIFY(dispatcher->asking());
        QVERIFY(desktop->callsOf({QStringLiteral("pressKey")}).isEmpty());
        ui->answer(false);
        QTRY_VERIFY(!dispatcher->asking());
        QVERIFY(
            desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}).isEmpty());

        desktop->keyStreamFake.type(QStringLiteral(" ;hi"));
        QTRY_VERIFY(dispatcher->asking());
        // Typed into the window of fields: no abbreviation there.
        constexpr WindowHandle fieldsWindow = 0x900;
        desktop->targetsFake.ownWindows.insert(fieldsWindow);
        desktop->targetsFake.windows.insert(fieldsWindow);
        const WindowHandle target = desktop->targetsFake.front;
        desktop->targetsFake.front = fieldsWindow;
        desktop->keyStreamFake.type(QStringLiteral(" ;hi"));
        desktop->targetsFake.front = target;
        desktop->log.calls.clear();
        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("Ann")}});
        QTRY_COMPARE(desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}),
                     (QStringList{QStringLiteral("pressKey BackSpace 3"),
                                  QStringLiteral("typeText Hi Ann")}));
        QCOMPARE(desktop->log.calls.value(0), QStringLiteral("bringToFront 500"));
        QVERIFY(!dispatcher->asking());
        const Phrase &used = store->phrases().at(store->indexOfId(form.id));
        QCOMPARE(used.uses, 1);
        QCOMPARE(used.charactersSaved, 6 - 3);

        desktop->keyStreamFake.type(QStringLiteral(" ;HI"));
        QTRY_VERIFY(dispatcher->asking());
        desktop->log.calls.clear();
        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("Ann")}});
        QTRY_COMPARE(desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}),
                     (QStringList{QStringLiteral("pressKey BackSpace 3"),
                                  QStringLiteral("typeText HI ANN")}));

        // A key that went to the target meanwhile (the user copied
        // something there for a field): the caret may have moved off the
        // abbreviation, so nothing is erased and nothing typed.
        desktop->keyStreamFake.type(QStringLiteral(" ;hi"));
        QTRY_VERIFY(dispatcher->asking());
        desktop->keyStreamFake.sink(TypedKey{TypedKey::Break, QString()});
        desktop->log.calls.clear();
        ui->answer(true, {{QStringLiteral("Name"), QStringLiteral("Ann")}});
        QTRY_VERIFY(!dispatcher->asking());
        QVERIFY(
            desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}).isEmpty());
    }
};

QTEST_MAIN(DispatcherTest)
#include "tst_dispatcher.moc"
