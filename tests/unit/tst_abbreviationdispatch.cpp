// Abbreviations from the key stream to the target, over the recording
// services: the stream runs only while it can matter, a match is erased and
// the phrase goes in on the target's road, and the places where nothing may
// expand stay untouched.

#include "dispatch/phrasedispatcher.h"
#include "fakes/recordingdesktop.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
constexpr WindowHandle Editor = 0x500;
} // namespace

class AbbreviationDispatchTest : public QObject
{
    Q_OBJECT

private:
    void build(bool withAbbreviation = true)
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        Phrase p;
        p.id = QStringLiteral("sig");
        p.text = QStringLiteral("Best regards {date:yyyy}");
        p.placeholders = true;
        if (withAbbreviation)
            p.abbreviation = QStringLiteral(";sig");
        store->phrases() << p;
        desktop = std::make_unique<RecordingDesktop>();
        desktop->targetsFake.windows = {Editor};
        desktop->targetsFake.front = Editor;
        window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get());
    }
    QString typedAfter(const QString &keys)
    {
        desktop->keyboardFake.typed.clear();
        desktop->log.calls.clear();
        desktop->keyStreamFake.type(keys);
        QCoreApplication::processEvents(); // the expansion is carried out from the event loop
        return desktop->keyboardFake.typed;
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<RecordingDesktop> desktop;
    QTranslator translator;
    std::unique_ptr<MainWindow> window;

private slots:
    void cleanup()
    {
        window.reset();
        desktop.reset();
    }

    void expandsOnTheTargetsRoad()
    {
        build();
        QVERIFY(desktop->keyStreamFake.running());
        const QString year = QString::number(QDate::currentDate().year());
        QCOMPARE(typedAfter(QStringLiteral("x ;sig")), QStringLiteral("Best regards ") + year);
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}),
                 (QStringList{QStringLiteral("pressKey BackSpace 4"),
                              QStringLiteral("typeText Best regards ") + year}));
        // BackSpace right after takes it back: the user's BackSpace took one
        // character, ours the rest, and the abbreviation is typed again.
        typedAfter(QStringLiteral("\b"));
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey"), QStringLiteral("typeText")}),
                 (QStringList{QStringLiteral("pressKey BackSpace 16"),
                              QStringLiteral("typeText ;sig")}));
    }

    void nothingWhereItMayNot()
    {
        build();
        desktop->caretFake.field = FieldKind::Password;
        QCOMPARE(typedAfter(QStringLiteral(";sig")), QString());
        QVERIFY(desktop->callsOf({QStringLiteral("pressKey")}).isEmpty());
        desktop->caretFake.field = FieldKind::Unknown;

        desktop->targetsFake.ownWindows = {Editor};
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), QString());
        desktop->targetsFake.ownWindows.clear();

        TargetApp app;
        app.className = app.preferred = QStringLiteral("Editor");
        desktop->targetsFake.apps.insert(Editor, app);
        store->settings().appRules = {AppRule{QStringLiteral("Editor"), InsertMethod::Never}};
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), QString());
        store->settings().appRules.clear();

        // Paused, the stream is off; resumed, it runs again.
        window->dispatcher()->togglePause();
        QVERIFY(!desktop->keyStreamFake.running());
        window->dispatcher()->togglePause();
        QVERIFY(desktop->keyStreamFake.running());
        QVERIFY(!typedAfter(QStringLiteral(" ;sig")).isEmpty());
    }

    // The field is asked of the window the keys went to, and its answer is
    // awaited up to the limit: a check that took the silence for a text
    // field would type into the password. A program that answers only after
    // the limit is not taken for a text field either: no abbreviation
    // expands there, while a shortcut the user pressed still puts its phrase
    // in (a slow program is no sign of a password field). A program that
    // shows no tree at all answers Unknown; there the user's rule decides,
    // and "No abbreviations here" keeps the phrase's shortcut.
    void fieldOfTheWindowInFront()
    {
        build();
        constexpr WindowHandle Login = 0x600;
        constexpr WindowHandle Tk = 0x700;
        constexpr WindowHandle Busy = 0x800;
        desktop->targetsFake.windows << Login << Tk << Busy;
        desktop->caretFake.fields.insert(Editor, {FieldKind::Text, 0});
        desktop->caretFake.fields.insert(Login, {FieldKind::Password, 400});
        desktop->caretFake.fields.insert(Tk, {FieldKind::Unknown, 0});
        desktop->caretFake.fields.insert(Busy, {FieldKind::Password, FieldAnswerLimitMs + 500});
        TargetApp tk;
        tk.className = tk.preferred = QStringLiteral("Tk");
        desktop->targetsFake.apps.insert(Tk, tk);
        const QString phrase =
            QStringLiteral("Best regards ") + QString::number(QDate::currentDate().year());

        desktop->targetsFake.front = Login;
        const quint32 before = desktop->log.now;
        QCOMPARE(typedAfter(QStringLiteral(";sig")), QString());
        QVERIFY(desktop->callsOf({QStringLiteral("pressKey")}).isEmpty());
        QVERIFY(desktop->log.now - before >= 400); // the answer was waited for

        desktop->targetsFake.front = Busy;
        const quint32 asked = desktop->log.now;
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), QString());
        QVERIFY(desktop->callsOf({QStringLiteral("pressKey")}).isEmpty());
        QCOMPARE(desktop->log.now - asked, quint32(FieldAnswerLimitMs));
        window->dispatcher()->typePhrase(QStringLiteral("sig"));
        QCOMPARE(desktop->keyboardFake.typed, phrase);

        desktop->targetsFake.front = Editor;
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), phrase);

        desktop->targetsFake.front = Tk;
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), phrase);
        store->settings().appRules = {
            AppRule{QStringLiteral("Tk"), InsertMethod::Automatic, false}};
        QCOMPARE(typedAfter(QStringLiteral(" ;sig")), QString());
        QVERIFY(desktop->callsOf({QStringLiteral("pressKey")}).isEmpty());
        window->dispatcher()->typePhrase(
            QStringLiteral("sig")); // a shortcut, the picker, the panel
        QCOMPARE(desktop->keyboardFake.typed, phrase);
        store->settings().appRules.clear();
    }

    // What was typed is forgotten after five seconds without a key: the rest
    // of an abbreviation typed later is a new word.
    void pauseForgets()
    {
        build();
        QCOMPARE(typedAfter(QStringLiteral(" ;si")), QString());
        desktop->log.now += AbbreviationMatcher::IdleMs;
        QCOMPARE(typedAfter(QStringLiteral("g")), QString());
        QCOMPARE(typedAfter(QStringLiteral(" ;si")), QString());
        desktop->log.now += AbbreviationMatcher::IdleMs - 1;
        QVERIFY(!typedAfter(QStringLiteral("g")).isEmpty());
    }

    // Keys typed while a phrase goes out: those that reached the target
    // before the hold are erased with the abbreviation and typed again after
    // the phrase; held ones are let through in order, and an abbreviation
    // among them is replaced in turn; keys that come as the hold ends are
    // seen to before it does.
    void keysTypedMeanwhile()
    {
        build();
        FakeKeyStream &stream = desktop->keyStreamFake;
        stream.canHold = true;
        stream.typedBeforeHold = QStringLiteral(" ok");
        stream.heldBySync = QStringLiteral(" ;sig");
        stream.heldLate = QStringLiteral("!");
        const QString phrase =
            QStringLiteral("Best regards ") + QString::number(QDate::currentDate().year());
        typedAfter(QStringLiteral(";sig"));
        const QStringList names{QStringLiteral("hold"), QStringLiteral("pressKey"),
                                QStringLiteral("typeText"), QStringLiteral("pass"),
                                QStringLiteral("release")};
        QCOMPARE(desktop->callsOf(names),
                 (QStringList{QStringLiteral("hold"), QStringLiteral("pressKey BackSpace 7"),
                              QStringLiteral("typeText ") + phrase, QStringLiteral("typeText  "),
                              QStringLiteral("typeText o"), QStringLiteral("typeText k"),
                              QStringLiteral("pass  "), QStringLiteral("pass ;"),
                              QStringLiteral("pass s"), QStringLiteral("pass i"),
                              QStringLiteral("pass g"), QStringLiteral("pressKey BackSpace 4"),
                              QStringLiteral("typeText ") + phrase, QStringLiteral("pass !"),
                              QStringLiteral("release")}));

        // A click that reached the target after the abbreviation: what it
        // holds there is unknown, so nothing is erased; held keys still go on.
        stream.typedBeforeHold.clear();
        stream.heldBySync = QStringLiteral("x");
        desktop->log.calls.clear();
        desktop->keyStreamFake.type(QStringLiteral(" ;sig"));
        stream.sink(TypedKey{TypedKey::Break, QString()});
        QCoreApplication::processEvents();
        QCOMPARE(desktop->callsOf(names),
                 (QStringList{QStringLiteral("hold"), QStringLiteral("pass x"),
                              QStringLiteral("release")}));

        // The hold lost on the way (the keyboard taken by another program):
        // the held keys went on at a moment nobody knows, so an abbreviation
        // among them is left as typed.
        stream.heldBySync = QStringLiteral(" ;sig");
        stream.passes = false;
        desktop->log.calls.clear();
        typedAfter(QStringLiteral(" ;sig"));
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey")}),
                 QStringList{QStringLiteral("pressKey BackSpace 4")});
    }

    // Typed with a capital or in capitals, a phrase that follows the case
    // goes in so, its caret still where {cursor} stood; every use counts
    // with the characters the user did not type.
    void caseFollowsAndUsesCount()
    {
        build();
        Phrase p;
        p.id = QStringLiteral("straße");
        p.text = QStringLiteral("straße {cursor}nach süden");
        p.placeholders = true;
        p.abbreviation = QStringLiteral(";str");
        p.matchCase = true;
        store->phrases() << p;
        window->dispatcher()->refreshAbbreviations();
        const auto counts = [this] {
            const Phrase &q = store->phrases().at(store->indexOfId(QStringLiteral("straße")));
            return QPair<qint64, qint64>(q.uses, q.charactersSaved);
        };

        const QStringList keys{QStringLiteral("pressKey BackSpace 4"),
                               QStringLiteral("pressKey Left 10")};
        QCOMPARE(typedAfter(QStringLiteral(" ;Str")), QStringLiteral("Straße nach süden"));
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey")}), keys);
        QCOMPARE(counts(), qMakePair(qint64(1), qint64(17 - 4)));
        QCOMPARE(typedAfter(QStringLiteral(" ;STR")), QStringLiteral("STRASSE NACH SÜDEN"));
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey")}), keys);
        QCOMPARE(typedAfter(QStringLiteral(" ;str")), QStringLiteral("straße nach süden"));
        QCOMPARE(desktop->callsOf({QStringLiteral("pressKey")}), keys);
        // Only the phrase that asks for it: ";SIG" is nobody's.
        QCOMPARE(typedAfter(QStringLiteral(" ;SIG")), QString());
        QCOMPARE(counts(), qMakePair(qint64(3), qint64(3 * 13 + 1)));
        // Saved with the list, and back after a restart.
        PhraseStore again(dir->path());
        QVERIFY(again.load());
        const Phrase &q = again.phrases().at(again.indexOfId(QStringLiteral("straße")));
        QCOMPARE(q.uses, 3);
        QCOMPARE(q.charactersSaved, 3 * 13 + 1);
        // From the panel, as from a shortcut or the picker, nothing was typed
        // in its place: the whole text is saved.
        window->dispatcher()->typeFromPanel(QStringLiteral("straße"), Editor);
        QCOMPARE(counts(), qMakePair(qint64(4), qint64(3 * 13 + 1 + 17)));
    }

    // No phrase with an abbreviation: no key is read at all.
    void noStreamWithoutAbbreviations()
    {
        build(false);
        QVERIFY(!desktop->keyStreamFake.running());
    }
};

QTEST_MAIN(AbbreviationDispatchTest)
#include "tst_abbreviationdispatch.moc"
