<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zem Scrivlet 3.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © Vantok %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not change the start-up entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Shortcuts are paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press one letter, number, or any key to type this phrase quickly. Ctrl, Alt, or Shift can be added. Leave it empty to use the picker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
