#include "base/keymap.h"
#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/layoutnote.h"
#include "hotkeys/shortcutcapture.h"
#include "platform/desktop.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

class HotkeyEditTest : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyAndReadOnly()
    {
        HotkeyEdit edit;
        QVERIFY(edit.isReadOnly());
        QVERIFY(!edit.isClearButtonEnabled());
        QCOMPARE(edit.placeholderText(), QStringLiteral("Press a shortcut"));
        QCOMPARE(edit.mods(), 0);
        QCOMPARE(edit.vk(), 0);
    }

    // Ctrl+Alt+E types "€" where AltGr is Ctrl+Alt: the note under the
    // editor says so, and only for Ctrl+Alt (with or without Shift); there
    // the combination is refused, as a stored one is.
    void layoutNote_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<bool>("noted");
        QTest::newRow("Ctrl+Alt+E") << 3 << 0x45 << true;
        QTest::newRow("Ctrl+Alt+Shift+E") << 7 << 0x45 << true;
        QTest::newRow("Ctrl+Alt+1, nothing there") << 3 << 0x31 << false;
        QTest::newRow("Ctrl+E") << 2 << 0x45 << false;
        QTest::newRow("Ctrl+Alt+Win+E") << 11 << 0x45 << false;
        QTest::newRow("no shortcut") << 3 << 0 << false;
    }
    void layoutNote()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(bool, noted);
        FakeDesktop desktop;
        desktop.altGr.insert(0x45, QString::fromUtf8("€"));
        QWidget host;
        HotkeyEdit edit(&host);
        LayoutNote note(&edit, &host);
        edit.setHotkey(mods, vk);
        QVERIFY(edit.layoutNote().isEmpty()); // no keyboard to ask yet
        QVERIFY(edit.refusal() != Hotkey::Refusal::AltGrCharacter);
        edit.setDesktop(&desktop);
        note.refresh();
        QCOMPARE(edit.layoutNote().contains(QString::fromUtf8("“€”")), noted);
        QCOMPARE(edit.refusal() == Hotkey::Refusal::AltGrCharacter, noted);
        QCOMPARE(edit.takenCharacter(), noted ? QString::fromUtf8("€") : QString());
        QCOMPARE(note.isVisibleTo(&host), noted);
        edit.clearHotkey(); // the note follows the editor
        QVERIFY(!note.isVisibleTo(&host));
    }

    void modifiersWaitForTheKey()
    {
        HotkeyEdit edit;
        QTest::keyPress(&edit, Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(edit.text(), QString());
        QTest::keyPress(&edit, Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(edit.text(), QString());
        QTest::keyClick(&edit, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(edit.text(), QStringLiteral("Ctrl+Alt+K"));
        QCOMPARE(edit.mods(), 3);
        QCOMPARE(edit.vk(), 0x4B);
    }

    void captures_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("F13 alone") << int(Qt::Key_F13) << 0 << "F13";
        QTest::newRow("F24") << int(Qt::Key_F24) << int(Qt::ShiftModifier) << "Shift+F24";
        QTest::newRow("keypad digit")
            << int(Qt::Key_5) << int(Qt::KeypadModifier | Qt::ControlModifier) << "Ctrl+Num 5";
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << "Num -";
        QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << "Ctrl+-";
        QTest::newRow("shifted punctuation names its key")
            << int(Qt::Key_Colon) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Ctrl+Shift+;";
        QTest::newRow("shifted digit")
            << int(Qt::Key_Exclam) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << "Ctrl+Shift+1";
        QTest::newRow("backspace is a key") << int(Qt::Key_Backspace) << 0 << "Backspace";
        QTest::newRow("meta is Win") << int(Qt::Key_Home) << int(Qt::MetaModifier) << "Win+Home";
        QTest::newRow("keypad navigation") << int(Qt::Key_End) << int(Qt::KeypadModifier) << "End";
    }
    void captures()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        HotkeyEdit edit;
        QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit.text(), text);
    }

    void keyWithoutCodeIsIgnored()
    {
        HotkeyEdit edit;
        edit.setHotkey(2, 0x41);
        QTest::keyClick(&edit, Qt::Key_VolumeMute, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Eacute);
        QCOMPARE(edit.text(), QStringLiteral("Ctrl+A"));
        QCOMPARE(edit.vk(), 0x41);
    }

    void escapeClearsAndKeepsTheDialogOpen()
    {
        QDialog dialog;
        auto *edit = new HotkeyEdit(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(edit);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        edit->setFocus();
        edit->setHotkey(6, 0x4B);
        QCOMPARE(edit->text(), QStringLiteral("Ctrl+Shift+K"));

        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(edit->vk(), 0);
        QCOMPARE(edit->mods(), 0);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(edit, Qt::Key_Return); // Enter is captured, not "accept"
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit->text(), QStringLiteral("Enter"));
    }

    // The program's shortcuts stand aside exactly while a field has the
    // focus, whichever way the focus goes: to another field, away, with the
    // dialog hidden, or with the field gone.
    void focusSuspendsTheProgramsShortcuts()
    {
        ShortcutCapture *capture = ShortcutCapture::instance();
        // What the fields of the cases before have left to say.
        QCoreApplication::processEvents();
        QSignalSpy changes(capture, &ShortcutCapture::activeChanged);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *other = new QLineEdit(&window); // first: it gets the focus on show
        auto *first = new HotkeyEdit(&window);
        auto *second = new HotkeyEdit(&window);
        layout->addWidget(other);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!capture->active());

        first->setFocus();
        QVERIFY(capture->active());
        second->setFocus(); // one field to the next: no gap
        QVERIFY(capture->active());
        QCOMPARE(changes.count(), 1);
        QTest::qWait(10);
        QCOMPARE(changes.count(), 1);
        other->setFocus();
        QVERIFY(!capture->active());
        QTRY_COMPARE(changes.count(), 2);

        second->setFocus();
        window.hide();
        QVERIFY(!capture->active());
        QTRY_COMPARE(changes.count(), 4);

        QWidget another;
        auto *field = new HotkeyEdit(&another);
        another.show();
        QVERIFY(QTest::qWaitForWindowActive(&another));
        field->setFocus();
        QVERIFY(capture->active());
        delete field;
        QVERIFY(!capture->active());
        QTRY_COMPARE(changes.count(), 6);
        QCOMPARE(changes.last().at(0).toBool(), false);
    }

    // While a field has the focus the keyboard is kept for its window, so
    // that another program's shortcut comes to the field; it is let go
    // whichever way the focus goes, and never left kept.
    void keyboardIsKeptOnlyWhileAFieldHasTheFocus()
    {
        FakeDesktop desktop;
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *other = new QLineEdit(&window);
        auto *first = new HotkeyEdit(&window);
        auto *second = new HotkeyEdit(&window);
        for (HotkeyEdit *field : {first, second}) {
            field->setDesktop(&desktop);
            layout->addWidget(field);
        }
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const WindowHandle handle = window.winId();
        QCOMPARE(desktop.keptFor, WindowHandle(0));

        first->setFocus();
        QCOMPARE(desktop.keptFor, handle);
        QVERIFY(first->holdsKeyboard());
        second->setFocus();
        QCOMPARE(desktop.keptFor, handle);
        QVERIFY(!first->holdsKeyboard());
        other->setFocus();
        QCOMPARE(desktop.keptFor, WindowHandle(0));
        QVERIFY(!desktop.shortcuts().holdsKeyboard());

        second->setFocus();
        window.hide();
        QCOMPARE(desktop.keptFor, WindowHandle(0));

        QWidget another;
        auto *field = new HotkeyEdit(&another);
        field->setDesktop(&desktop);
        another.show();
        QVERIFY(QTest::qWaitForWindowActive(&another));
        field->setFocus();
        QCOMPARE(desktop.keptFor, another.winId());
        delete field;
        QCOMPARE(desktop.keptFor, WindowHandle(0));
        QVERIFY(!desktop.shortcuts().holdsKeyboard());
        another.hide();

        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Where the keyboard cannot be kept the field still works.
        desktop.keepKeyboardFails = true;
        first->setFocus();
        QVERIFY(!first->holdsKeyboard());
        QTest::keyClick(first, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(first->text(), QStringLiteral("Ctrl+K"));
        other->setFocus();
        QCOMPARE(desktop.keptFor, WindowHandle(0));
        QVERIFY(!desktop.shortcuts().holdsKeyboard());
    }

    // A combination another program holds is named as held, in the field,
    // and stays the value; one the field refuses anyway is not asked about.
    void heldElsewhere_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asked");
        const int ctrlAlt = int(Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("held") << int(Qt::Key_S) << ctrlAlt
                              << "Ctrl+Alt+S is held by another program" << true;
        QTest::newRow("free") << int(Qt::Key_D) << ctrlAlt << "Ctrl+Alt+D" << true;
        QTest::newRow("held, but a bare letter") << int(Qt::Key_S) << 0 << "S" << false;
        QTest::newRow("held function key")
            << int(Qt::Key_F9) << 0 << "F9 is held by another program" << true;
    }
    void heldElsewhere()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, asked);
        FakeDesktop desktop;
        desktop.failingHotkeys << qMakePair(3, 0x53) << qMakePair(0, 0x53) << qMakePair(0, 0x78);
        HotkeyEdit edit;
        edit.setDesktop(&desktop);
        QSignalSpy changed(&edit, &HotkeyEdit::hotkeyChanged);
        QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.isHeldElsewhere(), text.contains(QLatin1String("held")));
        const QStringList questions = desktop.calls.filter(QStringLiteral("hotkeyHeldElsewhere"));
        QCOMPARE(questions.size(), asked ? 1 : 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(edit.vk() != 0); // still the value
        // Asked at the Windows edge by the codes the field keeps.
        if (asked)
            QCOMPARE(questions.first(),
                     QStringLiteral("hotkeyHeldElsewhere %1 %2").arg(edit.mods()).arg(edit.vk()));

        // Set from elsewhere (Clear, a stored phrase): its name again.
        edit.setHotkey(edit.mods(), edit.vk());
        QVERIFY(!edit.isHeldElsewhere());
        QVERIFY(!edit.text().contains(QLatin1String("held")));
    }

    // Where the held combination never reaches the field (Windows), the
    // keyboard watch hands it over while the field waits; told after the
    // focus moved on, it changes nothing.
    void heldPressHandedOver_data()
    {
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("vk");
        QTest::addColumn<bool>("held");
        QTest::newRow("letter") << 3 << 0x53 << true;
        QTest::newRow("keypad digit") << 3 << 0x65 << true;
        QTest::newRow("key Qt has no name for (ISO <>)") << 3 << 0xE2 << true;
        QTest::newRow("Win+Shift function key") << 0xC << 0x7B << true;
        // Refused by the field whoever holds it: named, not said to be held.
        QTest::newRow("Shift with a letter") << 4 << 0x53 << false;
    }
    void heldPressHandedOver()
    {
        QFETCH(int, mods);
        QFETCH(int, vk);
        QFETCH(bool, held);
        FakeDesktop desktop;
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *field = new HotkeyEdit(&window);
        auto *other = new QLineEdit(&window);
        field->setDesktop(&desktop);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QVERIFY(desktop.onHeldPress);
        const auto handOver = desktop.onHeldPress;
        handOver(mods, vk);
        // The hook's codes come back unchanged from their way through the
        // key combination.
        QCOMPARE(field->vk(), vk);
        QCOMPARE(field->mods(), mods);
        QCOMPARE(field->isHeldElsewhere(), held);
        const QString name = Hotkey::keyText(mods, vk);
        QCOMPARE(field->text(), held ? name + QStringLiteral(" is held by another program") : name);
        other->setFocus();
        handOver(3, 0x44);
        QCOMPARE(field->vk(), vk);
    }

    void setAndClear()
    {
        HotkeyEdit edit;
        edit.setHotkey(3, 0);
        QCOMPARE(edit.text(), QString());
        edit.setHotkey(8, 0x70);
        QCOMPARE(edit.text(), QStringLiteral("Win+F1"));
        edit.clearHotkey();
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.mods(), 0);
    }
};

QTEST_MAIN(HotkeyEditTest)
#include "tst_hotkeyedit.moc"
