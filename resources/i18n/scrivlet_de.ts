<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>Zwei Regeln gelten für „%1“. Behalten Sie nur eine.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>Klicken Sie auf ein Fenster der Anwendung. Ein Rechtsklick bricht ab.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>Es wurde kein Fenster ausgewählt.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>Wie Textbausteine in die einzelnen Anwendungen gelangen. Eine Anwendung wird über ihre Fensterklasse oder ihre Programmdatei benannt, so wie „Fenster auswählen“ sie anzeigt. Für Terminals gibt es eigene Regeln, die Sie ändern, aber nicht entfernen können.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>Art des Einfügens</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Fenster auswählen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>Nur eingeben</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Mit Ctrl+V einfügen</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Mit Ctrl+Shift+V einfügen</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Mit Shift+Insert einfügen</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>Hier nie einfügen</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Eine der eigenen Regeln von Zem Scrivlet. Wählen Sie dafür eine andere Art oder „Entfernen“, um zur ursprünglichen zurückzukehren.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>Hier keine Abkürzungen</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>Tastenkürzel, die Auswahlliste und das schwebende Fenster fügen hier weiterhin Textbausteine ein; hier getippte Abkürzungen bleiben, wie sie getippt wurden. Für Programme, deren Kennwortfelder Zem Scrivlet nicht erkennen kann.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet läuft bereits mit seiner Textbausteinliste in %1 und kann daher nicht zusätzlich %2 verwenden. Beenden Sie zuerst die laufende Kopie, oder lassen Sie --data-dir weg.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>Der Ordner %1 kann die Textbausteinliste nicht aufnehmen: Er kann nicht angelegt oder beschrieben werden, oder er gehört nicht Ihnen.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>Hier nicht zuweisbar: %1 (eine Taste ohne Namen hier oder ein Steuerzeichen im Namen)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>„%1“ ausfüllen</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Panel settings</source>
        <translation>Fenstereinstellungen</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Deckkraft: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>Schaltflächen je Zeile</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>„Kopieren“ anzeigen</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>„Eingeben“ anzeigen</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>Höchstens angezeigte Zeilen je Textbaustein</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 Zeilen</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 Zeilen</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>Am Bildschirmrand einrasten</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Tastenkürzel fortsetzen</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Tastenkürzel anhalten</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>Noch keine Textbausteine</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Eingeben</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>Die Tastenkürzel sind angehalten: Setzen Sie sie fort, um einzugeben.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>sein Auslöser ist ein regulärer Ausdruck</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>er hat keinen Auslöser</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>sein Auslöser enthält Leerzeichen oder ist länger als 32 Zeichen</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>er führt einen Befehl oder ein Skript aus</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>er fragt mit einem Formular, einer Liste oder einer Zufallsauswahl</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>er fügt ein Bild ein</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>sein Text ist HTML oder Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>er verwendet einen anderen Eintrag oder eine globale Variable</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>er verwendet eine Variable, für die es hier keine Entsprechung gibt</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>sein Datumsformat enthält einen Teil, für den es hier keine Entsprechung gibt</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>sein Datumsversatz ist keine ganze Zahl von Minuten</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>eine andere Datei, nicht gelesen: Importieren Sie sie einzeln</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>er ist nicht wie erwartet geschrieben</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>er hat keinen Text</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>sein Text wäre zu groß</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>sein Datumsversatz reicht zu weit</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>Tastenkürzel drücken</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>%1 erzeugt auf diesem Tastaturlayout „%2“: Als Tastenkürzel verhindert es die Eingabe dieses Zeichens in allen Programmen.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>AltGr mit dieser Taste erzeugt auf diesem Tastaturlayout „%2“. Unter Windows, wo AltGr Ctrl+Alt entspricht, würde %1 die Eingabe dieses Zeichens verhindern.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert und Ctrl+Insert dienen in jedem Programm zum Einfügen und Kopieren. Wählen Sie ein anderes Tastenkürzel.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Verwenden Sie zusätzlich Ctrl, Alt, Shift oder Win, damit kein einzelner Buchstabe abgefangen wird.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Nur mit Shift gibt diese Taste in jedem Programm Text ein oder wählt Text aus. Verwenden Sie zusätzlich Ctrl, Alt oder Win.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>%1 erzeugt auf diesem Tastaturlayout „%2“: Als Tastenkürzel würde es die Eingabe dieses Zeichens in allen Programmen verhindern. Wählen Sie ein anderes Tastenkürzel.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 ist von einem anderen Programm belegt</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1, das in jedem Programm zum Einfügen dient</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1, das ohne Ctrl, Alt, Shift oder Win die Eingabe mit dieser Taste verhindern würde</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1, das nur mit Shift die Eingabe mit dieser Taste verhindern würde</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1, das auf diesem Tastaturlayout „%2“ erzeugt</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>Tastenkürzel %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>Textbaustein-Sicherung (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>Textbausteine exportiert.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>Die Textbausteine wurden importiert, aber die Datendatei konnte nicht gespeichert werden. Sie werden bei Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>Textbausteine importiert.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>Es wurden keine neuen Textbausteine importiert.

Folgende wurden übersprungen, weil derselbe Text bereits in Ihrer Liste steht:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>Das Programm wurde nicht beendet, sondern nur in den Infobereich minimiert. Tastenkürzel und die Auswahlliste fügen weiterhin Text ein.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>Info über Zem Scrivlet</translation>
    </message>
    <message>
        <source>Zem Scrivlet 3.2</source>
        <translation>Zem Scrivlet 3.2</translation>
    </message>
    <message>
        <source>Copyright © Vantok %1</source>
        <translation>Copyright © Vantok %1</translation>
    </message>
    <message>
        <source>Could not change the start-up entry.</source>
        <translation>Der Autostart-Eintrag konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>Das Tastenkürzel konnte nicht registriert werden: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>Name, Tastenkürzel oder Text suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Tastenkürzel fortsetzen</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Tastenkürzel anhalten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>Schwebendes &amp;Fenster</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>Programmhilfe</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>Info über Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Schwebendes Fenster</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>Das Zielfenster hat den Text nicht angenommen.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Auswahlliste</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>Wählen Sie zuerst einen Textbaustein aus.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…und %n weiterer</numerusform>
            <numerusform>…und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>%n neuer Textbaustein wurde importiert.

Folgende wurden übersprungen, weil derselbe Text bereits in Ihrer Liste steht:
%1</numerusform>
            <numerusform>%n neue Textbausteine wurden importiert.

Folgende wurden übersprungen, weil derselbe Text bereits in Ihrer Liste steht:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>%n Textbaustein aus Version 3.0 importiert.</numerusform>
            <numerusform>%n Textbausteine aus Version 3.0 importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>Das Fenster im Vordergrund hat nicht rechtzeitig reagiert.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>Das Textfeld im Vordergrund ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>Das Textfeld im Vordergrund ist ein Kennwortfeld: In Kennwortfelder werden keine Textbausteine eingefügt.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>Das Textfeld im Vordergrund ist einzeilig, dieser Textbaustein hat aber mehrere Zeilen.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>Es wurde nichts eingegeben: Die Tasten des Tastenkürzels wurden zu lange gedrückt gehalten.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>Ihre Zwischenablage konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>Ein Teil Ihrer Zwischenablage konnte nicht bewahrt werden.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet konnte den Kanal nicht öffnen, über den ein späterer Start diese Instanz findet (vielleicht belegt ihn ein anderes Programm): Ein erneuter Start von Zem Scrivlet öffnet eine zweite Instanz.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>Ein anderes Programm belegt dieses Tastenkürzel, daher wirkt es hier nicht. Schließen Sie das Programm oder wählen Sie ein anderes Tastenkürzel.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>In %1 werden keine Textbausteine eingefügt: So legt es die zugehörige Regel unter „Optionen“, „Anwendungen“ fest.</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>Die Tastenkürzel sind angehalten.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>Es gibt kein Fenstersystem, in das getippt werden könnte.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>Den Textbaustein gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>Kein aktivierter Textbaustein heißt „%1“.</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>Dieses Zem Scrivlet kennt den Befehl „%1“ nicht: Es ist älter als die Version, die ihn gesendet hat.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>Dies ist ein Wayland-Desktop, auf dem Zem Scrivlet über XWayland arbeitet: Seine Tastenkürzel und Textbausteine erreichen nur die Fenster von X11-Programmen, nicht die von Wayland-Programmen.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Wayland-Desktop: Phrasen erreichen Wayland-Programme über eine eigene virtuelle Tastatur von Zem Scrivlet und X11-Programme über XWayland.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>Dieser Desktop lässt kein Programm im Hintergrund die Zwischenablage nutzen: Phrasen werden getippt, nie eingefügt.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>Keine globalen Tastenkürzel auf diesem Desktop: Weisen Sie die Befehle unten zu.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>Folgende wurden ohne ihre Abkürzung importiert, die bereits ein anderer Textbaustein verwendet:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>Dieser Desktop lässt kein Programm die in anderen Programmen gedrückten Tasten lesen, daher werden Abkürzungen hier nicht ersetzt. Verwenden Sie die Tastenkürzel oder die Auswahlliste.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>Zu GNOME hinzufügen</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>Aus GNOME entfernen</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma lässt nur das installierte Zem Scrivlet in andere Programme tippen. Starten Sie das installierte Programm oder tragen Sie dieses Programm in einen Desktop-Eintrag in ~/.local/share/applications ein, dessen Exec-Zeile %1 lautet und der die Zeile %2 enthält.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Plasma-Desktop: Textbausteine werden über KWin in Ihrem Tastaturlayout getippt und dort eingefügt, wo dem Layout ein Zeichen fehlt.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>Die Tastenkürzel werden vom Tastenkürzel-Dienst von Plasma verwaltet.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>GNOME-Desktop: Textbausteine werden über eine Remote-Desktop-Sitzung des GNOME-Compositors getippt, wenn Ihr Tastaturlayout die Zeichen enthält, und sonst eingefügt. GNOME teilt nicht mit, welches Fenster im Vordergrund ist, daher gelten Regeln für Anwendungen nicht für Wayland-Programme.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma teilt nicht mit, welches Fenster im Vordergrund ist: Regeln für Anwendungen gelten nicht.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME lässt kein Programm Tastenkürzel belegen: Fügen Sie sie unten als eigene Tastenkürzel von GNOME hinzu.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: Auswahlliste öffnen</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: Fenster ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n Tastenkürzel ist jetzt ein eigenes Tastenkürzel von GNOME.</numerusform>
            <numerusform>%n Tastenkürzel sind jetzt eigene Tastenkürzel von GNOME.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>Die Tastenkürzel von GNOME konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Die eigenen Tastenkürzel von Zem Scrivlet in GNOME wurden entfernt.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>Die Tastenkürzel von GNOME konnten nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>Der Textbaustein wird eventuell noch eingefügt: Das Fenster im Vordergrund hat den Tastendruck zum Einfügen noch nicht angenommen. Sehen Sie nach, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>Der Textbaustein wurde eventuell eingefügt: Ein anderes Programm hat ihn zuerst aus der Zwischenablage gelesen. Sehen Sie nach, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>Es wurde nichts eingefügt: Die Zwischenablage war nicht verfügbar (ein anderes Programm belegt sie, oder das Programm, von dem ihr Inhalt stammt, antwortet nicht).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>Auf diesem Desktop werden nur die Fenster von X11-Programmen erreicht: Warum, steht in den Optionen.</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma lässt diese Kopie von Zem Scrivlet in kein anderes Programm tippen: Wie Sie es erlauben, steht in den Optionen.</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>Tastenkürzel wirken erst als eigene Tastenkürzel von GNOME: In den Optionen können Sie sie hinzufügen.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>Tastenkürzel erreichen Wayland-Programme, sobald %1 sie zuweist: Die Zeilen dafür stehen in den Optionen.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>Tastenkürzel erreichen Wayland-Programme, sobald der Desktop sie zuweist: Die Befehle dafür stehen in den Optionen.</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME führt dieses Tastenkürzel erst aus, wenn es eines seiner eigenen Tastenkürzel ist: Klicken Sie nach „OK“ unter „Einstellungen › Optionen“ auf „Zu GNOME hinzufügen“.</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 führt dieses Tastenkürzel in jedem Programm aus, sobald es zugewiesen ist: Nach „OK“ finden Sie unter „Einstellungen › Optionen“ die Zeile, die Sie der Konfiguration von %1 hinzufügen.</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Dieser Desktop führt keine Tastenkürzel von Programmen aus: Nach „OK“ finden Sie unter „Einstellungen › Optionen“ den Befehl, den Sie diesem Tastenkürzel in den Tastatureinstellungen des Desktops zuweisen.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Optionen…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: Tastenkürzel angehalten</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>Der Ordner %1 gehört nicht Ihnen allein: Ein anderer Benutzer hat ihn angelegt oder darf darin schreiben. Zem Scrivlet legt seinen Kanal stattdessen in einem Ordner ab, der nur Ihnen gehört; bitten Sie Ihren Administrator, dem nachzugehen.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>Das Fenster im Vordergrund läuft als Administrator: Der Textbaustein hat Ihre Zwischenablage ersetzt. Drücken Sie Ctrl+V, um ihn einzufügen.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>Der Textbaustein kommt eventuell noch an: Das Fenster im Vordergrund hat nicht rechtzeitig reagiert. Sehen Sie nach, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>Es wurde nichts eingefügt: Das Fenster im Vordergrund hat den zuvor eingefügten Textbaustein noch nicht angenommen; er liegt weiterhin in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>Ihre Zwischenablage konnte nicht wiederhergestellt werden: Das Fenster, in das der Textbaustein eingefügt wurde, hat ihn immer noch nicht angenommen.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>„%1“ ist bereits vorhanden.

Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (verwendet von „%2“)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>Die Seite konnte nicht vorbereitet werden: In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>Es konnte kein Browser gestartet werden, um die Seite anzuzeigen. Öffnen Sie sie selbst:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>Nicht kopiert</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>Nicht kopiert: Ein anderes Programm belegt die Zwischenablage.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>Nicht kopiert: Die Zwischenablage konnte nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Ein Fenster von Zem Scrivlet selbst ist im Vordergrund: Wechseln Sie zu dem Fenster, in das der Textbaustein eingefügt werden soll, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>die Verlaufssuche in Terminals und Shells, das Neuladen in Browsern</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>einen neuen Tab in Browsern und Terminals</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>das Schließen eines Tabs oder Fensters, das Löschen eines Worts in Terminals</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>ein neues Fenster oder Dokument</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>die Textsuche</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>das Speichern</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>die Adressleiste in Browsern, das Leeren des Bildschirms in Terminals</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>Andere Programme nutzen diese Tasten für %1.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 öffnet die Auswahlliste.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 blendet dieses Fenster ein oder aus.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>Auch die Tastenkürzel Ihrer Textbausteine sind belegt: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>Der Desktop führt diese Tasten für Zem Scrivlet aus, sobald sie zugewiesen sind, und entzieht sie dann allen anderen Programmen:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet entzieht diese Tasten allen anderen Programmen:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>Falls Sie sie dort brauchen, wählen Sie in den Optionen andere Tasten.</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>Ändern…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>Durchsucht Namen, Tastenkürzel, Abkürzungen und Texte.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abkürzung</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Löschen rückgängig machen</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>Fügen Sie Ihren ersten Textbaustein hinzu: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>Kein Textbaustein passt zu „%1“.</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>„%1“ gelöscht.</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>Sein Tastenkürzel %1 gehört jetzt zu „%2“.</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>Sein Tastenkürzel %1 öffnet jetzt die Auswahlliste oder das Fenster.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>Seine Abkürzung „%1“ gehört jetzt zu „%2“.</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>„%1“ wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>„%1“ wurde wiederhergestellt, jedoch ohne das, was inzwischen ein anderer Textbaustein hat.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>Für diesen Start in der Befehlszeile angegeben (--data-dir).</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>Der für Ihre Textbausteinliste gewählte Ordner %1 gehört einem anderen Benutzer oder wird über eine Verknüpfung dieses Benutzers erreicht. Ihre Textbausteine werden im üblichen Ordner %2 aufbewahrt, bis Sie in den Optionen einen anderen wählen.</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>Der Ordner Ihrer Textbausteinliste, %1, ist nicht vorhanden (ist ein Laufwerk noch nicht verbunden?). Bis er verfügbar ist, wird nichts gespeichert; Ihre Textbausteine erscheinen, sobald er es ist.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>Der neue Ordner konnte nicht in %1 vermerkt werden. Ihre Textbausteine bleiben in %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer oder wird über eine Verknüpfung dieses Benutzers erreicht: Ihre Textbausteine werden dort nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>Ihre Textbausteine konnten nicht nach %1 geschrieben werden. Sie bleiben, wo sie waren, in %2.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>In %1 lag bereits eine Textbausteinliste: Sie wurde mit Ihrer zusammengeführt, und Ihre Textbausteine werden jetzt dort aufbewahrt.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>Ihre Textbausteine werden jetzt in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>Die Datei aus %1 wurde in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>Die alte Datei %1 konnte nicht entfernt werden; sie wird nicht mehr verwendet.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>Hier und anderswo geändert: %1. Die jeweils andere Fassung wurde deaktiviert hinzugefügt.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>Hier gelöscht, aber anderswo geändert, daher behalten: %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>Ohne ihr Tastenkürzel, das ein anderer Textbaustein hat: %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>Ohne ihre Abkürzung, die ein anderer Textbaustein hat: %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>Die Textbausteindatei wurde so geändert, dass sie nicht mehr gelesen werden kann. Ihre Textbausteine bleiben, wie sie sind, und werden bei Ihrer nächsten Änderung gespeichert; der Inhalt der Datei wurde in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (anderswo geändert)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>Die Textbausteinliste wurde aus ihrer Datei aktualisiert.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>Ein Synchronisierungsprogramm hat neben Ihrer Textbausteinliste eine andere Fassung davon hinterlassen: %1. Möchten Sie sie mit Ihrer Liste zusammenführen? Danach wird sie in den Sicherungsordner verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>Ein Synchronisierungsprogramm hat neben Ihrer Textbausteinliste %n andere Fassung davon hinterlassen: %1. Möchten Sie sie mit Ihrer Liste zusammenführen? Danach wird sie in den Sicherungsordner verschoben.</numerusform>
            <numerusform>Ein Synchronisierungsprogramm hat neben Ihrer Textbausteinliste %n andere Fassungen davon hinterlassen: %1. Möchten Sie sie mit Ihrer Liste zusammenführen? Danach wird jede in den Sicherungsordner verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>Ein Synchronisierungsprogramm hat eine andere Fassung Ihrer Textbausteinliste hinterlassen: %1. Öffnen Sie das Fenster, um sie zusammenzuführen.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>Folgende konnten nicht zusammengeführt werden: %1. Sie bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>Mit Ihrer Liste zusammengeführt; die Kopie wurde nach %1 verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>%n Fassung wurde mit Ihrer Liste zusammengeführt und nach %1 verschoben.</numerusform>
            <numerusform>%n Fassungen wurden mit Ihrer Liste zusammengeführt und nach %1 verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>Es wurde nichts eingegeben: %1 fügt einen Textbaustein namens %2 ein, und diesen gibt es nicht.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>Es wurde nichts eingegeben: Diese Textbausteine fügen sich gegenseitig im Kreis ein: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>Es wurde nichts eingegeben: Textbausteine sind mehr als %1 Ebenen tief ineinander eingefügt: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>Es wurde nichts eingegeben: Die Felder wurden nicht ausgefüllt.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>Name, Text und Abkürzung (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Textbausteine von Zem Scrivlet, Espanso oder Beeftext (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Espanso-Match-Datei (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Beeftext-Export (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Espanso-Dateien können in dieser Programmversion nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>Es wurden keine neuen Textbausteine importiert.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n neuer Textbaustein wurde importiert.</numerusform>
            <numerusform>%n neue Textbausteine wurden importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>%n Eintrag wurde nicht importiert, da dieses Programm nicht kann, was er tut:</numerusform>
            <numerusform>%n Einträge wurden nicht importiert, da dieses Programm nicht kann, was sie tun:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Erspart</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>Wie oft der Textbaustein eingefügt wurde</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>Zeichen, die Sie nicht tippen mussten: die Länge des Textbausteins abzüglich der dafür getippten Abkürzung</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>Ersparte Zeichen: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>Eingefügte Textbausteine: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>Es wurde nichts eingegeben: Die Textbausteine, die %1 einfügt, würden einen viel zu langen Text ergeben.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>Es wurde nichts eingegeben: Sie haben in einem anderen Fenster gearbeitet, während die Felder abgefragt wurden, daher steht die Abkürzung möglicherweise nicht mehr dort, wo sich der Textcursor befindet.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>Es wurde nichts eingegeben: %1 fragt nach mehr als %2 Feldern, mehr als ein Fenster fasst.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>%n Tastenkürzel konnte nicht registriert werden, darunter: %1</numerusform>
            <numerusform>%n Tastenkürzel konnten nicht registriert werden, darunter: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>Textbaustein bearbeiten</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>Textbaustein hinzufügen</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>Eine oder mehrere Zeilen. Mit Enter beginnen Sie eine neue Zeile. Leerzeilen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>Diesen Textbaustein aktivieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>Geben Sie den einzufügenden Text ein.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>Der Text ist zu lang. Er darf höchstens 100.000 Zeichen umfassen.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>Dieser Text ist bereits in Ihrer Liste. Doppelte Textbausteine sind nicht zulässig.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>Dieses Tastenkürzel wird bereits verwendet.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Drücken Sie eine Taste mit Ctrl, Alt, Shift oder Win oder eine Funktionstaste, um diesen Textbaustein schnell einzugeben. Lassen Sie das Feld leer, um die Auswahlliste zu verwenden.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>Kein Platzhalter: wird unverändert eingegeben.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abkürzung</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>Optional, etwa ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>Geben Sie diese Zeichen in einem beliebigen Programm ein, und der Textbaustein ersetzt sie.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>{date}, {time}, {date:FORMAT}, {clipboard} und {cursor} beim Einfügen des Textbausteins ausfüllen. {{ und }} stehen für geschweifte Klammern.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>Eine Abkürzung hat 1 bis 32 Zeichen, ohne Leerzeichen.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>Ein anderer Textbaustein hat bereits diese Abkürzung.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>Es blendet das Hauptfenster ein oder aus.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>Es öffnet die Auswahlliste.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Vergeben an „%1“.</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Großschreibung übernehmen</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>Mit großem Anfangsbuchstaben getippt (;Sig), beginnt der Textbaustein mit einem Großbuchstaben; ganz in Großbuchstaben getippt (;SIG), wird er in Großbuchstaben eingefügt.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>Auswahlliste</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Einstellungen der Auswahlliste</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Deckkraft: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>Textbausteine suchen</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>Klicken Sie auf eine Zeile oder drücken Sie Enter, um sie einzufügen. Zum Schließen drücken Sie Esc oder erneut das Tastenkürzel.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>Keine passenden Textbausteine</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n neuer Textbaustein wurde importiert.</numerusform>
            <numerusform>%n neue Textbausteine wurden importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>%n Textbaustein wurde übersprungen: Derselbe Text steht bereits in Ihrer Liste.</numerusform>
            <numerusform>%n Textbausteine wurden übersprungen: Derselbe Text steht bereits in Ihrer Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n Textbaustein wurde ohne seine Abkürzung importiert, die bereits ein anderer Textbaustein hat.</numerusform>
            <numerusform>%n Textbausteine wurden ohne ihre Abkürzung importiert, die bereits ein anderer Textbaustein hat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n Eintrag wurde nicht importiert:</numerusform>
            <numerusform>%n Einträge wurden nicht importiert:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…und %n weiterer</numerusform>
            <numerusform>…und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>Die Textbausteine wurden importiert, aber die Datendatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Espanso-Dateien können in dieser Programmversion nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>Die Datei ist keine lesbare Match-Datei (%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>Die Datei kann nicht importiert werden. Importieren lassen sich: eine Sicherung, eine Espanso-Match-Datei, JSON oder CSV von Beeftext oder eine CSV-Datei mit Name, Text und Abkürzung.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Mit Windows starten</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>Minimiert im Infobereich starten</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>Hauptfenster ein-/ausblenden</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>Auswahlliste öffnen</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>Reihenfolge der Auswahlliste</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>Tastenkürzel drücken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>Wird bereits von einem anderen Programm verwendet. Bitte legen Sie dieses Tastenkürzel neu fest.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>Wenn Sie dieses Tastenkürzel drücken, erscheint die Auswahlliste neben dem Textcursor. Klicken Sie auf eine Zeile oder drücken Sie Enter, um sie einzufügen. Zum Schließen drücken Sie Esc oder erneut dieses Tastenkürzel.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>Zuletzt verwendete zuerst</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>Reihenfolge der Liste beibehalten</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Verwenden Sie zusätzlich Ctrl, Alt, Shift oder Win, damit kein einzelner Buchstabe abgefangen wird.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>Die beiden Befehle benötigen unterschiedliche Tastenkürzel.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>Dieses Tastenkürzel wird bereits von einem Textbaustein verwendet.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>Art des Einfügens…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>Abkürzungen ersetzen</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>Nach Leerzeichen, Tab, Enter oder Satzzeichen</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Es gehört zu „%1“.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Einstellungen der Auswahlliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
