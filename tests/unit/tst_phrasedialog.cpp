#include "base/hotkey.h"
#include "dialogs/fillindialog.h"
#include "dialogs/phrasedialog.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/layoutnote.h"
#include "store/phrasestore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int ctrl = Hotkey::ModControl;
const QString ownId = QStringLiteral("aaaaaaaa-0000-0000-0000-000000000001");

const QString emptyText = QStringLiteral("Enter the text to type.");
const QString tooLong = QStringLiteral("The text is too long. Keep it under 100,000 characters.");
const QString duplicate =
    QStringLiteral("This text is already in your list. Duplicate phrases are not allowed.");
// The message names what holds the combination, so the user knows where to
// change it.
const QString taken = QString::fromUtf8("This shortcut is already used. It belongs to “Hello”.");
const QString takenByShow =
    QStringLiteral("This shortcut is already used. It shows or hides the main window.");
const QString takenByPicker = QStringLiteral("This shortcut is already used. It opens the picker.");
const QString pasteKey = QStringLiteral(
    "Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose "
    "another shortcut.");
const QString shiftTypes = QStringLiteral(
    "With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or "
    "Win.");
const QString bare =
    QStringLiteral("Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.");

Phrase makePhrase(const QString &id, const QString &text, int mods, int vk, bool enabled)
{
    Phrase p;
    p.id = id;
    p.text = text;
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

// Closes the modal message the dialog opens and remembers what it said.
struct MessageCloser
{
    QString title;
    QString text;
    void arm()
    {
        QTimer::singleShot(0, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            title = modal->windowTitle();
            const auto labels = modal->findChildren<QLabel *>();
            for (QLabel *label : labels)
                if (label->wordWrap())
                    text = label->text();
            QMetaObject::invokeMethod(modal, "accept");
        });
    }
};

} // namespace

class PhraseDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        store = std::make_unique<PhraseStore>(dir.path());
        // Ctrl+T and Ctrl+R are the command shortcuts of the default settings.
        store->phrases() << makePhrase(ownId, QStringLiteral("Hello"), ctrl, 0x31, true)
                         << makePhrase(QStringLiteral("b"), QStringLiteral("Disabled text"), ctrl,
                                       0x32, false)
                         << makePhrase(QStringLiteral("c"), QStringLiteral("Keyless"), 0, 0, true);
    }

    void validation_data()
    {
        QTest::addColumn<bool>("withStore");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("message");

        const QString fresh = QStringLiteral("new");
        const QString ok;
        QTest::newRow("three blank lines")
            << true << fresh << QStringLiteral("\n\n\n") << 0 << 0 << true << emptyText;
        QTest::newRow("spaces and tabs")
            << true << fresh << QStringLiteral(" \t \r\n ") << 0 << 0 << true << emptyText;
        QTest::newRow("100,000 characters")
            << true << fresh << QString(100000, QLatin1Char('x')) << 0 << 0 << true << ok;
        QTest::newRow("100,001 characters")
            << true << fresh << QString(100001, QLatin1Char('x')) << 0 << 0 << true << tooLong;
        QTest::newRow("own id excluded")
            << true << ownId << QStringLiteral("Hello") << ctrl << 0x31 << true << ok;
        QTest::newRow("duplicate of an enabled phrase")
            << true << fresh << QStringLiteral("Hello") << 0 << 0 << true << duplicate;
        QTest::newRow("duplicate of a disabled phrase")
            << true << fresh << QStringLiteral("Disabled text") << 0 << 0 << true << duplicate;
        QTest::newRow("case differs")
            << true << fresh << QStringLiteral("hello") << 0 << 0 << true << ok;
        QTest::newRow("trailing space differs")
            << true << fresh << QStringLiteral("Hello ") << 0 << 0 << true << ok;
        QTest::newRow("shortcut of an enabled phrase")
            << true << fresh << QStringLiteral("x") << ctrl << 0x31 << true << taken;
        QTest::newRow("own flag does not matter")
            << true << fresh << QStringLiteral("x") << ctrl << 0x31 << false << taken;
        QTest::newRow("shortcut of a disabled phrase")
            << true << fresh << QStringLiteral("x") << ctrl << 0x32 << true << ok;
        QTest::newRow("show/hide shortcut")
            << true << fresh << QStringLiteral("x") << ctrl << 0x54 << true << takenByShow;
        QTest::newRow("picker shortcut")
            << true << fresh << QStringLiteral("x") << ctrl << 0x52 << true << takenByPicker;
        QTest::newRow("picker key, other modifiers")
            << true << fresh << QStringLiteral("x") << (ctrl | Hotkey::ModAlt) << 0x52 << true
            << ok;
        QTest::newRow("Ctrl+V") << true << fresh << QStringLiteral("x") << ctrl << 0x56 << true
                                << pasteKey;
        QTest::newRow("Shift+Insert") << false << fresh << QStringLiteral("x") << Hotkey::ModShift
                                      << 0x2D << true << pasteKey;
        QTest::newRow("Ctrl+Shift+V") << true << fresh << QStringLiteral("x")
                                      << (ctrl | Hotkey::ModShift) << 0x56 << true << pasteKey;
        QTest::newRow("a bare letter")
            << true << fresh << QStringLiteral("x") << 0 << 0x41 << true << bare;
        QTest::newRow("Shift and a letter") << true << fresh << QStringLiteral("x")
                                            << Hotkey::ModShift << 0x41 << true << shiftTypes;
        QTest::newRow("Shift and a function key")
            << true << fresh << QStringLiteral("x") << Hotkey::ModShift << 0x74 << true << ok;
        QTest::newRow("a bare function key")
            << true << fresh << QStringLiteral("x") << 0 << 0x75 << true << ok;
        QTest::newRow("no store: duplicate and taken shortcut pass")
            << false << fresh << QStringLiteral("Hello") << ctrl << 0x54 << true << ok;
        QTest::newRow("no store: empty text")
            << false << fresh << QStringLiteral("  ") << 0 << 0 << true << emptyText;
        QTest::newRow("no store: too long")
            << false << fresh << QString(100001, QLatin1Char(' ')) + QLatin1Char('x') << 0 << 0
            << true << tooLong;
        QTest::newRow("empty text and taken shortcut")
            << true << fresh << QString() << ctrl << 0x31 << true << emptyText;
    }
    void validation()
    {
        QFETCH(bool, withStore);
        QFETCH(QString, id);
        QFETCH(QString, text);
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(bool, enabled);
        QFETCH(QString, message);
        PhraseDialog dialog(makePhrase(id, text, mods, vk, enabled),
                            withStore ? store.get() : nullptr, true);
        QCOMPARE(dialog.validationMessage(), message);
    }

    // Abbreviations: valid ones only, and none an enabled phrase has (case
    // counts); a disabled phrase's, or this one's own, is free.
    void abbreviations()
    {
        store->phrases()[0].abbreviation = QStringLiteral(";sig");
        store->phrases()[1].abbreviation = QStringLiteral(";off");
        const auto message = [this](const QString &id, const QString &abbreviation, bool enabled) {
            PhraseDialog dialog(makePhrase(id, QStringLiteral("fresh text"), 0, 0, enabled),
                                store.get(), true);
            dialog.abbreviationEdit()->setText(abbreviation);
            return dialog.validationMessage();
        };
        const QString fresh = QStringLiteral("new");
        const QString taken = QString::fromUtf8(
            "Another phrase already has this abbreviation. It belongs to “Hello”.");
        const QString invalid =
            QStringLiteral("An abbreviation is 1 to 32 characters, without spaces.");
        QCOMPARE(message(fresh, QStringLiteral(";sig"), true), taken);
        QCOMPARE(message(fresh, QStringLiteral(";sig"), false), QString());
        QCOMPARE(message(ownId, QStringLiteral(";sig"), true), QString());
        QCOMPARE(message(fresh, QStringLiteral(";SIG"), true), QString());
        QCOMPARE(message(fresh, QStringLiteral(";off"), true), QString());
        QCOMPARE(message(fresh, QStringLiteral("a b"), true), invalid);
        QCOMPARE(message(fresh, QStringLiteral("a\tb"), true), invalid);
        store->phrases()[0].abbreviation.clear();
        store->phrases()[1].abbreviation.clear();

        // The flag and the abbreviation come back from the widgets; a brace
        // that is no placeholder is marked while the flag is on.
        Phrase p = makePhrase(fresh, QStringLiteral("Hi {name}, {date}"), 0, 0, true);
        p.abbreviation = QStringLiteral("hi#");
        p.placeholders = true;
        p.matchCase = true;
        PhraseDialog dialog(p, store.get(), false);
        QCOMPARE(dialog.phrase().abbreviation, QStringLiteral("hi#"));
        QVERIFY(dialog.phrase().placeholders);
        QVERIFY(dialog.phrase().matchCase);
        dialog.matchCaseBox()->setChecked(false);
        QVERIFY(!dialog.phrase().matchCase);
        const auto underlined = [&dialog](int position) {
            const QTextBlock block = dialog.textEdit()->document()->firstBlock();
            for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
                if (position >= r.start && position < r.start + r.length)
                    return r.format.underlineStyle() == QTextCharFormat::WaveUnderline;
            }
            return false;
        };
        QVERIFY(underlined(4));   // {name}
        QVERIFY(!underlined(12)); // {date}
        dialog.placeholdersBox()->setChecked(false);
        QVERIFY(!underlined(4));
    }

    // The phrase that holds the shortcut or abbreviation is named as one
    // plain, short line, whatever its name holds; the message shows it as
    // text, not markup.
    void namesTheHolderSafely_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("plain") << "Address"
                               << "Address";
        QTest::newRow("markup") << "<img src=x><b>Bold</b>"
                                << "<img src=x><b>Bold</b>";
        QTest::newRow("control characters")
            << QString::fromUtf8("Two\nlines\x1b[2J\u202Eevil") << "Two lines [2Jevil";
        QTest::newRow("very long") << QString(300, QLatin1Char('n'))
                                   << QString(40, QLatin1Char('n')) + QStringLiteral("...");
        QTest::newRow("no name: the start of its text") << QString() << "Hello";
    }
    void namesTheHolderSafely()
    {
        QFETCH(QString, name);
        QFETCH(QString, label);
        store->phrases()[0].name = name;
        store->phrases()[0].abbreviation = QStringLiteral(";sig");
        Phrase fresh = makePhrase(QStringLiteral("new"), QStringLiteral("x"), ctrl, 0x31, true);
        fresh.abbreviation = QStringLiteral(";sig");
        PhraseDialog dialog(fresh, store.get(), false);
        const QString byName = QString::fromUtf8("It belongs to “%1”.").arg(label);
        QCOMPARE(dialog.validationMessage(),
                 QStringLiteral("This shortcut is already used. ") + byName);
        dialog.hotkeyEdit()->clearHotkey();
        QCOMPARE(dialog.validationMessage(),
                 QStringLiteral("Another phrase already has this abbreviation. ") + byName);

        dialog.show();
        MessageCloser closer;
        closer.arm();
        dialog.accept();
        QVERIFY(closer.text.endsWith(byName));
        store->phrases()[0].name.clear();
        store->phrases()[0].abbreviation.clear();
    }

    // Add and Edit open with the focus in Name: typing starts there, not in
    // the shortcut field, where every letter would become a shortcut.
    void focusStartsInName_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }
    void focusStartsInName()
    {
        QFETCH(bool, editing);
        PhraseDialog dialog(store->phrases().first(), store.get(), editing);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.nameEdit());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Addr"));
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Addr"));
        QCOMPARE(dialog.hotkeyEdit()->vk(), 0x31);
        // Tab goes on to the fields from the top, not to the buttons below
        // the name.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.hotkeyEdit());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past Clear
        QCOMPARE(QApplication::focusWidget(), dialog.abbreviationEdit());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.matchCaseBox()); // beside it
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.textEdit());
    }

    // A combination no shortcut may have is told beside the field as soon as
    // it is pressed, in red, and the note goes once a usable one is pressed.
    void refusalIsToldBesideTheField_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("note");
        QTest::newRow("another bare letter") << int(Qt::Key_P) << 0 << bare;
        QTest::newRow("Shift and a letter")
            << int(Qt::Key_P) << int(Qt::ShiftModifier) << shiftTypes;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << pasteKey;
        QTest::newRow("Ctrl+Alt+P clears it")
            << int(Qt::Key_P) << int(Qt::ControlModifier | Qt::AltModifier) << QString();
        QTest::newRow("a function key clears it") << int(Qt::Key_F8) << 0 << QString();
        QTest::newRow("Escape clears it") << int(Qt::Key_Escape) << 0 << QString();
    }
    void refusalIsToldBesideTheField()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, note);
        PhraseDialog dialog(makePhrase(QStringLiteral("new"), QString(), 0, 0, true), store.get(),
                            false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!dialog.layoutNote()->isVisible());
        dialog.hotkeyEdit()->setFocus();
        QTest::keyClick(dialog.hotkeyEdit(), Qt::Key_O);
        QCOMPARE(dialog.hotkeyEdit()->text(), QStringLiteral("O"));
        QVERIFY(dialog.layoutNote()->isVisible());
        QCOMPARE(dialog.layoutNote()->text(), bare);
        QVERIFY(dialog.layoutNote()->isRefusal());
        // Beside the field: right under its row, above the hint.
        QVERIFY(dialog.layoutNote()->geometry().top() >= dialog.hotkeyEdit()->geometry().bottom());
        QVERIFY(dialog.layoutNote()->geometry().top() - dialog.hotkeyEdit()->geometry().bottom() <
                dialog.hotkeyEdit()->height());

        QTest::keyClick(dialog.hotkeyEdit(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(dialog.layoutNote()->isVisible(), !note.isEmpty());
        if (!note.isEmpty()) {
            QCOMPARE(dialog.layoutNote()->text(), note);
            QVERIFY(dialog.layoutNote()->isRefusal());
        }
        QCOMPARE(dialog.layoutNote()->textFormat(), Qt::PlainText);
    }

    void refusedOkKeepsTheDialogOpenWithItsInput()
    {
        PhraseDialog dialog(makePhrase(QStringLiteral("new"), QString(), 0, 0, true), store.get(),
                            false);
        dialog.textEdit()->setPlainText(QStringLiteral("Hello"));
        dialog.nameEdit()->setText(QStringLiteral("Greeting"));
        dialog.show();
        MessageCloser closer;
        closer.arm();
        dialog.accept();
        QCOMPARE(closer.title, QStringLiteral("Add phrase"));
        QCOMPARE(closer.text, duplicate);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.textEdit()->toPlainText(), QStringLiteral("Hello"));
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Greeting"));
    }

    void acceptedPhraseComesFromTheWidgets()
    {
        Phrase original = makePhrase(ownId, QStringLiteral("Hello"), ctrl, 0x31, true);
        original.name = QStringLiteral("Greeting");
        original.lastUsed = 12345;
        PhraseDialog dialog(original, store.get(), true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit phrase"));
        QCOMPARE(dialog.hotkeyEdit()->text(), QStringLiteral("Ctrl+1"));
        dialog.nameEdit()->setText(QStringLiteral("  Hi  "));
        dialog.textEdit()->setPlainText(QStringLiteral("  two\n\nlines  "));
        dialog.enabledBox()->setChecked(false);
        dialog.show();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Phrase edited = dialog.phrase();
        QCOMPARE(edited.id, ownId);
        QCOMPARE(edited.name, QStringLiteral("Hi"));
        QCOMPARE(edited.text, QStringLiteral("  two\n\nlines  "));
        QCOMPARE(edited.mods, ctrl);
        QCOMPARE(edited.vk, 0x31);
        QVERIFY(!edited.enabled);
        QCOMPARE(edited.lastUsed, qint64(0));
        QCOMPARE(dialog.nameEdit()->maxLength(), 40);
    }

    // Imported texts hold characters the plain-text editor would change on
    // the way out; an OK must not rewrite them, and an edit keeps them.
    void textRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typedAtEnd");
        QTest::addColumn<QString>("saved");
        const QString nbsp = QString(QChar(0x00A0));
        const QString lineSep = QString(QChar(0x2028));
        const QString mixed = QStringLiteral("a") + nbsp + QStringLiteral("b\r\nc\rd") + lineSep +
                              QStringLiteral("e\nf");
        QTest::newRow("untouched: every unit as stored") << mixed << QString() << mixed;
        QTest::newRow("edited: no-break space and line separator kept, breaks as LF")
            << mixed << QStringLiteral("!")
            << QStringLiteral("a") + nbsp + QStringLiteral("b\nc\nd") + lineSep +
                   QStringLiteral("e\nf!");
        QTest::newRow("edited: a new line typed")
            << QStringLiteral("x") << QStringLiteral("\ny") << QStringLiteral("x\ny");
    }
    void textRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typedAtEnd);
        QFETCH(QString, saved);
        PhraseDialog dialog(makePhrase(ownId, stored, 0, 0, true), nullptr, true);
        if (!typedAtEnd.isEmpty()) {
            dialog.textEdit()->moveCursor(QTextCursor::End);
            for (QChar c : typedAtEnd) {
                if (c == QLatin1Char('\n'))
                    QTest::keyClick(dialog.textEdit(), Qt::Key_Return);
                else
                    QTest::keyClicks(dialog.textEdit(), QString(c));
            }
        }
        QCOMPARE(dialog.phrase().text, saved);
    }

    // Where the desktop keeps things, the editor says so in notes of two
    // lines and more: they push the text down, never over it, and the
    // hint that promises abbreviations gives way to the reason.
    void notesTakeTheirRoom()
    {
        PhraseDialog dialog(makePhrase(ownId, QStringLiteral("x"), 0, 0, true), nullptr, false);
        const QString promise =
            QStringLiteral("Type these characters in any program, and the phrase replaces them.");
        QCOMPARE(dialog.abbreviationHintLabel()->text(), promise);
        QVERIFY(dialog.shortcutNoteLabel()->isHidden());
        dialog.setShortcutNote(QStringLiteral("sway runs this shortcut in every program once it "
                                              "is bound: after OK, Setup › Options lists the line "
                                              "to add to the configuration of sway."));
        const QString reason = QStringLiteral(
            "This desktop lets no program read the keys typed in other programs, so abbreviations "
            "do not expand here. Use the shortcuts or the picker.");
        dialog.setAbbreviationsUnavailable(reason);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.abbreviationHintLabel()->text(), reason);
        QVERIFY(dialog.shortcutNoteLabel()->isVisible());
        // Top to bottom, each visible part below the one before it.
        QList<QWidget *> parts;
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            if (w->isVisible() && w->parentWidget() == dialog.textEdit()->parentWidget())
                parts << w;
        }
        std::sort(parts.begin(), parts.end(),
                  [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        for (int i = 1; i < parts.size(); ++i) {
            if (parts[i]->x() >= parts[i - 1]->geometry().right())
                continue; // side by side (the Clear button)
            QVERIFY2(parts[i]->y() >= parts[i - 1]->geometry().bottom(),
                     qPrintable(QStringLiteral("%1 over %2")
                                    .arg(QLatin1String(parts[i]->metaObject()->className()),
                                         QLatin1String(parts[i - 1]->metaObject()->className()))));
        }
        for (QLabel *label : {dialog.shortcutNoteLabel(), dialog.abbreviationHintLabel()})
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }

    // The window of fields: keyboard first (the first field has the focus,
    // Enter fills in, Escape cancels), defaults and choices offered, and
    // labels from imported phrases shown as plain text on one line.
    void fillInWindow_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::newRow("Enter") << true;
        QTest::newRow("Escape") << false;
    }
    void fillInWindow()
    {
        QFETCH(bool, enter);
        Placeholders::Field name;
        name.label = QStringLiteral("<b>Name</b>\x01\n") + QString(500, QLatin1Char('x'));
        name.defaultText = QStringLiteral("Sam");
        Placeholders::Field tone;
        tone.kind = Placeholders::Field::Choice;
        tone.label = QStringLiteral("Tone");
        tone.choices = QStringList{QStringLiteral("warm"), QStringLiteral("a\tb")};
        FillInDialog dialog(QStringLiteral("Letter"), {name, tone});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *first = qobject_cast<QLineEdit *>(dialog.editorFor(name.label));
        QVERIFY(first);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->text(), QStringLiteral("Sam"));
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            if (!label->text().contains(QStringLiteral("Name")))
                continue;
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(!label->text().contains(QLatin1Char('\n')));
            QVERIFY(!label->text().contains(QChar(0x01)));
            QVERIFY(label->text().size() <= 81);
        }
        QTest::keyClicks(first, QStringLiteral("Ann {x}"));
        auto *choices = qobject_cast<QComboBox *>(dialog.editorFor(QStringLiteral("Tone")));
        QVERIFY(choices);
        QCOMPARE(choices->itemText(1), QStringLiteral("a b"));
        choices->setCurrentIndex(1);
        QTest::keyClick(first, enter ? Qt::Key_Return : Qt::Key_Escape);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), enter ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(dialog.answers().value(name.label), QStringLiteral("Ann {x}"));
        QCOMPARE(dialog.answers().value(QStringLiteral("Tone")), QStringLiteral("a\tb"));
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<PhraseStore> store;
};

QTEST_MAIN(PhraseDialogTest)
#include "tst_phrasedialog.moc"
