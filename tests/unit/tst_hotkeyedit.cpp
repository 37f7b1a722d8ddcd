#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/keymap.h"
#include "hotkeys/layoutnote.h"
#include "hotkeys/shortcutcapture.h"

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
