<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>Due regole indicano «%1». Tienine una sola.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>Fai clic su una finestra dell&apos;applicazione. Un clic destro annulla.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>Non è stata scelta nessuna finestra.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>Come le frasi vengono inserite in ciascuna applicazione. Un&apos;applicazione è indicata dalla sua classe di finestra o dal suo file di programma, come li mostra Scegli una finestra. I terminali hanno regole proprie, che puoi modificare ma non rimuovere.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>Modalità di inserimento</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Scegli una finestra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>Solo digitazione</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Incolla con Ctrl+V</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Incolla con Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Incolla con Shift+Insert</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>Non inserire mai qui</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Una delle regole proprie di Zem Scrivlet. Scegli un&apos;altra modalità, oppure Rimuovi per tornare alla sua.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>Nessuna abbreviazione qui</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>Le scorciatoie, il selettore e il pannello mobile continuano a inserire frasi qui; le abbreviazioni digitate qui restano come sono. Per i programmi di cui Zem Scrivlet non riesce a riconoscere i campi password.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet è già in esecuzione con il suo elenco delle frasi in %1, quindi non può usare anche %2. Chiudi prima la copia in esecuzione, oppure ometti --data-dir.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>La cartella %1 non può contenere l&apos;elenco delle frasi: non è possibile crearla o scriverci, oppure non è tua.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>Non assegnabile qui: %1 (un tasto senza nome qui o un carattere di controllo nel nome)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>Compila «%1»</translation>
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
        <translation>Impostazioni del pannello</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>Nascondi pannello</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacità: %1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>Pulsanti delle righe</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>Mostra Copia</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>Mostra Digita</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>Righe massime per frase</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 riga</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 righe</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 righe</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>Aggancia ai bordi dello schermo</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Riprendi scorciatoie</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Sospendi scorciatoie</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>Ancora nessuna frase</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Digita</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>Le scorciatoie sono sospese: riprendile per digitare.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sospese</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>il suo attivatore è un&apos;espressione regolare</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>non ha un attivatore</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>il suo attivatore contiene spazi o supera i 32 caratteri</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>esegue un comando o uno script</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>chiede con un modulo, un elenco o una scelta casuale</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>inserisce un&apos;immagine</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>il suo testo è HTML o Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>usa un&apos;altra voce o una variabile globale</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>usa una variabile che qui non ha equivalenti</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>il suo formato di data ha una parte che qui non ha equivalenti</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>il suo scostamento di data non è un numero intero di minuti</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>un altro file, non letto: importalo a parte</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>non è scritta come previsto</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>non ha testo</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>il suo testo sarebbe troppo grande</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>il suo scostamento di data è troppo lontano</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>Premi una scorciatoia</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>Con questo layout di tastiera %1 digita «%2»: come scorciatoia, impedisce di digitare quel carattere in tutti i programmi.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>Con questo layout di tastiera, AltGr con questo tasto digita «%2». In Windows, dove AltGr equivale a Ctrl+Alt, %1 impedirebbe di digitare quel carattere.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert e Ctrl+Insert incollano e copiano in tutti i programmi. Scegli un&apos;altra scorciatoia.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Includi Ctrl, Alt, Shift o Win, in modo che una singola lettera non venga intercettata.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Con il solo Shift, questo tasto digita o seleziona testo in tutti i programmi. Includi Ctrl, Alt o Win.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>Con questo layout di tastiera %1 digita «%2»: come scorciatoia, impedirebbe di digitare quel carattere in tutti i programmi. Scegli un&apos;altra scorciatoia.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 è già in uso in un altro programma</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1, il tasto che incolla in tutti i programmi</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1, che senza Ctrl, Alt, Shift o Win impedirebbe di digitare con quel tasto</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1, che con il solo Shift impedirebbe di digitare con quel tasto</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1, che con questo layout di tastiera digita «%2»</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>Scorciatoia %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>Backup delle frasi (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>Frasi esportate.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>Le frasi sono state importate, ma non è stato possibile salvare il file di dati. Verranno salvate alla prossima modifica.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>Frasi importate.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>Non è stata importata nessuna frase nuova.

Le seguenti sono state ignorate perché il loro testo è già nel tuo elenco:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>Il programma non è stato chiuso: viene solo ridotto a icona nell&apos;area di notifica. Le scorciatoie e il selettore continuano a inserire il testo.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>Informazioni su Zem Scrivlet</translation>
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
        <translation>Impossibile modificare la voce di avvio automatico.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>Impossibile registrare la scorciatoia: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>Cerca per nome, scorciatoia o testo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Riprendi scorciatoie</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Sospendi scorciatoie</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>&amp;Pannello mobile</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde petrolio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>Guida del programma</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>Informazioni su Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Mostra finestra principale</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Pannello mobile</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>La finestra di destinazione non ha accettato il testo.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Selettore</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>Seleziona prima una frase.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attiva</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…e ancora %n</numerusform>
            <numerusform>…e altre %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>È stata importata %n frase nuova.

Le seguenti sono state ignorate perché il loro testo è già nel tuo elenco:
%1</numerusform>
            <numerusform>Sono state importate %n frasi nuove.

Le seguenti sono state ignorate perché il loro testo è già nel tuo elenco:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>%n frase importata dalla versione 3.0.</numerusform>
            <numerusform>%n frasi importate dalla versione 3.0.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>La finestra in primo piano non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>Il campo di testo in primo piano è di sola lettura.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>Il campo di testo in primo piano è un campo password: le frasi non vengono inserite nei campi password.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>Il campo di testo in primo piano accetta una sola riga, ma questa frase ne ha più di una.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>Non è stato digitato nulla: i tasti della scorciatoia sono stati tenuti premuti troppo a lungo.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>Impossibile ripristinare il contenuto degli appunti.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>Impossibile conservare parte del contenuto degli appunti.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet non è riuscito ad aprire il canale con cui un avvio successivo trova questa copia (forse lo occupa un altro programma): se avvii di nuovo Zem Scrivlet, si aprirà una seconda copia.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>Un altro programma usa già questa scorciatoia, quindi qui non ha effetto. Chiudi quel programma o scegli un&apos;altra scorciatoia.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>Le frasi non vengono inserite in %1: lo stabilisce la sua regola in Opzioni, Applicazioni.</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>Le scorciatoie sono sospese.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>Non c&apos;è alcun sistema a finestre in cui digitare.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>La frase non esiste più.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>Nessuna frase attivata si chiama «%1».</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>Questo Zem Scrivlet non conosce il comando «%1»: è una versione precedente a quella che lo ha inviato.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>Questo è un desktop Wayland, dove Zem Scrivlet funziona tramite XWayland: le sue scorciatoie e frasi raggiungono solo le finestre dei programmi X11, non quelle dei programmi Wayland.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Desktop Wayland: le frasi raggiungono i programmi Wayland tramite una tastiera virtuale di Zem Scrivlet e i programmi X11 tramite XWayland.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>Questo desktop non consente ad alcun programma in background di usare gli appunti: le frasi vengono digitate, mai incollate.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>Nessuna scorciatoia globale su questo desktop: assegna i comandi qui sotto.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>Le seguenti sono state importate senza la loro abbreviazione, già usata da un&apos;altra frase:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>Questo desktop non consente ad alcun programma di leggere i tasti premuti in altri programmi, quindi qui le abbreviazioni non vengono espanse. Usa le scorciatoie o il selettore.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>Aggiungi a GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>Rimuovi da GNOME</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma consente di digitare in altri programmi solo alla copia installata di Zem Scrivlet. Avvia il programma installato, oppure aggiungi questo programma a una voce desktop (file .desktop) in ~/.local/share/applications la cui riga Exec sia %1 e che contenga la riga %2.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Desktop Plasma: le frasi vengono digitate tramite KWin con il tuo layout di tastiera e incollate quando al layout manca un carattere.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>Le scorciatoie sono gestite dal servizio delle scorciatoie di Plasma.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>Desktop GNOME: le frasi vengono digitate tramite una sessione di desktop remoto del compositor di GNOME quando il tuo layout di tastiera ha i caratteri, altrimenti vengono incollate. GNOME non indica quale finestra è in primo piano, quindi le regole per applicazione non valgono per i programmi Wayland.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma non indica quale finestra è in primo piano: le regole per applicazione non valgono.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME non consente ad alcun programma di registrare scorciatoie: aggiungile qui sotto come scorciatoie personalizzate di GNOME.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: apri il selettore</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: mostra o nascondi la finestra</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n scorciatoia è ora una scorciatoia personalizzata di GNOME.</numerusform>
            <numerusform>%n scorciatoie sono ora scorciatoie personalizzate di GNOME.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>Impossibile scrivere le scorciatoie di GNOME: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Le scorciatoie personalizzate di GNOME di Zem Scrivlet sono state rimosse.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>Impossibile rimuovere le scorciatoie di GNOME: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>La frase potrebbe ancora essere incollata: la finestra in primo piano non ha ancora ricevuto il tasto per incollare. Controlla prima di riprovare.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>La frase potrebbe essere stata incollata: un altro programma l&apos;ha letta per primo dagli appunti. Controlla prima di riprovare.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>Non è stato incollato nulla: gli appunti non erano disponibili (li occupa un altro programma, oppure il programma a cui appartiene il loro contenuto non risponde).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>Su questo desktop si raggiungono solo le finestre dei programmi X11: Opzioni spiega perché.</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma non consente a questa copia di Zem Scrivlet di digitare in altri programmi: Opzioni spiega come consentirlo.</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>Le scorciatoie funzionano una volta diventate scorciatoie personalizzate di GNOME: puoi aggiungerle in Opzioni.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>Le scorciatoie raggiungono i programmi Wayland quando %1 le assegna: Opzioni elenca le righe.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>Le scorciatoie raggiungono i programmi Wayland quando il desktop le assegna: Opzioni elenca i comandi.</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME esegue questa scorciatoia quando è una delle sue scorciatoie personalizzate: dopo OK, premi Aggiungi a GNOME in Impostazioni › Opzioni.</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 esegue questa scorciatoia in tutti i programmi una volta assegnata: dopo OK, Impostazioni › Opzioni mostra la riga da aggiungere alla configurazione di %1.</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Questo desktop non esegue le scorciatoie di alcun programma: dopo OK, Impostazioni › Opzioni mostra il comando da assegnare a questa scorciatoia nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opzioni…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: scorciatoie sospese</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>La cartella %1 non è solo tua: l&apos;ha creata un altro utente, o un altro utente può scriverci. Zem Scrivlet tiene quindi il suo canale in una cartella solo tua; chiedi all&apos;amministratore di verificare.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>La finestra in primo piano è eseguita come amministratore: la frase ha sostituito il contenuto degli appunti. Premi Ctrl+V per incollarla.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>La frase potrebbe ancora arrivare: la finestra in primo piano non ha risposto in tempo. Controlla prima di riprovare.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>Non è stato incollato nulla: la finestra in primo piano non ha ancora ricevuto la frase incollata in precedenza, che si trova ancora negli appunti.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>Impossibile ripristinare il contenuto degli appunti: la finestra in cui è stata incollata la frase non l&apos;ha ancora ricevuta.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>«%1» esiste già.

Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (usata da «%2»)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>Impossibile preparare la pagina: non è possibile scrivere nella cartella %1.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>Impossibile avviare un browser per mostrare la pagina. Aprila manualmente:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>Non copiato</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>Non copiato: un altro programma occupa gli appunti.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>Non copiato: impossibile scrivere negli appunti.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>La finestra di Zem Scrivlet è in primo piano: passa alla finestra in cui deve andare la frase, poi riprova.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>cercare nella cronologia di terminali e shell, ricaricare la pagina nei browser</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>aprire una nuova scheda nei browser e nei terminali</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>chiudere una scheda o una finestra, eliminare una parola nei terminali</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>aprire una nuova finestra o un nuovo documento</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>cercare testo</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>salvare</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>andare alla barra degli indirizzi nei browser, pulire lo schermo nei terminali</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>Altri programmi la usano per %1.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 apre il selettore.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 mostra o nasconde questa finestra.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>Sono occupate anche le scorciatoie delle tue frasi: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>Una volta assegnati, il desktop esegue questi tasti per Zem Scrivlet e da quel momento li sottrae a tutti gli altri programmi:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet sottrae questi tasti a tutti gli altri programmi:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>Se ti servono lì, scegli altri tasti in Opzioni.</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>Cambia tasti…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>Cerca nei nomi, nelle scorciatoie, nelle abbreviazioni e nei testi.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abbreviazione</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annulla eliminazione</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>Aggiungi la tua prima frase: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>Nessuna frase corrisponde a «%1».</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>Frase «%1» eliminata.</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>La sua scorciatoia %1 ora appartiene a «%2».</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>La sua scorciatoia %1 ora apre il selettore o la finestra.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>La sua abbreviazione «%1» ora appartiene a «%2».</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>Frase «%1» ripristinata.</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>Frase «%1» ripristinata senza ciò che ora ha un&apos;altra frase.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>Indicata nella riga di comando (--data-dir) per questa esecuzione.</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>La cartella scelta per il tuo elenco delle frasi, %1, appartiene a un altro utente, o vi si arriva tramite un suo collegamento. Le tue frasi sono conservate nella cartella abituale, %2, finché non ne scegli un&apos;altra in Opzioni.</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>La cartella del tuo elenco delle frasi, %1, non c&apos;è (un&apos;unità non ancora collegata?). Non viene salvato nulla finché non ci sarà; le tue frasi compariranno quando ci sarà.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Cartella dei dati</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>Non è stato possibile memorizzare la nuova cartella in %1. Le tue frasi restano in %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>La cartella %1 appartiene a un altro utente, o vi si arriva tramite un suo collegamento: le tue frasi non vengono conservate lì.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>Non è stato possibile scrivere le tue frasi in %1. Restano dov&apos;erano, in %2.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>In %1 c&apos;era già un elenco delle frasi: è stato unito al tuo, e ora le tue frasi sono conservate lì.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>Ora le tue frasi sono conservate in %1.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>Il file di %1 è stato conservato in %2.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>Non è stato possibile rimuovere il vecchio file %1; non viene più usato.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>Modificate qui e altrove: %1. L&apos;altra versione di ciascuna è stata aggiunta, disattivata.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>Eliminate qui ma modificate altrove, quindi conservate: %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>Senza la loro scorciatoia, già usata da un&apos;altra frase: %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>Senza la loro abbreviazione, già usata da un&apos;altra frase: %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>Il file delle frasi è stato modificato in qualcosa che non si può leggere. Le tue frasi restano come sono e verranno salvate alla prossima modifica; il contenuto del file è stato conservato in %1.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (modificata altrove)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>L&apos;elenco delle frasi è stato aggiornato dal suo file.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>Un programma di sincronizzazione ha lasciato un&apos;altra versione del tuo elenco delle frasi accanto a esso: %1. Vuoi unirla al tuo elenco? Verrà poi spostata nella cartella dei backup.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>Un programma di sincronizzazione ha lasciato %n altra versione del tuo elenco delle frasi accanto a esso: %1. Vuoi unirla al tuo elenco? Verrà poi spostata nella cartella dei backup.</numerusform>
            <numerusform>Un programma di sincronizzazione ha lasciato %n altre versioni del tuo elenco delle frasi accanto a esso: %1. Vuoi unirle al tuo elenco? Ciascuna verrà poi spostata nella cartella dei backup.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>Un programma di sincronizzazione ha lasciato un&apos;altra versione del tuo elenco delle frasi: %1. Apri la finestra per unirla.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>Non è stato possibile unire questi file: %1. Restano dove sono.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>Unita al tuo elenco; la copia è stata spostata in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>%n versione è stata unita al tuo elenco e spostata in %1.</numerusform>
            <numerusform>%n versioni sono state unite al tuo elenco e spostate in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>Non è stato digitato nulla: %1 inserisce una frase chiamata %2, che non esiste.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>Non è stato digitato nulla: queste frasi si inseriscono a vicenda in un ciclo: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>Non è stato digitato nulla: frasi inserite in altre frasi per più di %1 livelli: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>Non è stato digitato nulla: i campi non sono stati compilati.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>Nome, testo e abbreviazione (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Frasi di Zem Scrivlet, Espanso o Beeftext (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>File di match di Espanso (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Esportazione di Beeftext (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Questa versione del programma non può leggere i file di Espanso.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>Non è stata importata nessuna frase nuova.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>Importata %n nuova frase.</numerusform>
            <numerusform>Importate %n nuove frasi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>%n voce non è stata importata, perché questo programma non sa fare ciò che fa:</numerusform>
            <numerusform>%n voci non sono state importate, perché questo programma non sa fare ciò che fanno:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usi</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Risparmiati</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>Quante volte la frase è stata inserita</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>Caratteri che non hai dovuto digitare: la lunghezza della frase, meno l&apos;abbreviazione digitata per inserirla</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>Caratteri risparmiati: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>Frasi inserite: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>Non è stato digitato nulla: le frasi inserite da %1 darebbero un testo troppo lungo.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>Non è stato digitato nulla: hai lavorato in un&apos;altra finestra mentre venivano richiesti i campi, quindi l&apos;abbreviazione potrebbe non trovarsi più dove si trova il cursore di testo.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>Non è stato digitato nulla: %1 chiede più di %2 campi, più di quanti ne contenga una finestra.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>Impossibile registrare %n scorciatoia, tra cui: %1</numerusform>
            <numerusform>Impossibile registrare %n scorciatoie, tra cui: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>Modifica frase</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>Aggiungi frase</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>Una o più righe. Premi Enter per andare a capo. Le righe vuote vengono mantenute.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>Attiva questa frase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facoltativo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>Inserisci il testo da digitare.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>Il testo è troppo lungo. Deve contenere meno di 100.000 caratteri.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>Questo testo è già nel tuo elenco. Le frasi duplicate non sono consentite.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>Questa scorciatoia è già in uso.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Premi un tasto insieme a Ctrl, Alt, Shift o Win, oppure un tasto funzione, per digitare rapidamente questa frase. Lascia vuoto per usare il selettore.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>Non è un segnaposto: viene digitato così com&apos;è.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abbreviazione</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>Facoltativo, ad es. ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>Digita questi caratteri in qualsiasi programma e la frase li sostituisce.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Segnaposto</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>All&apos;inserimento della frase sostituisce {date}, {time}, {date:FORMAT}, {clipboard} e {cursor}. {{ e }} indicano le parentesi graffe.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>Un&apos;abbreviazione ha da 1 a 32 caratteri, senza spazi.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>Un&apos;altra frase ha già questa abbreviazione.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>Mostra o nasconde la finestra principale.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>Apre il selettore.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Appartiene a «%1».</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Adatta maiuscole</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>Se digiti l&apos;abbreviazione con l&apos;iniziale maiuscola (;Sig), la frase inizia con la maiuscola; se la digiti tutta in maiuscolo (;SIG), la frase viene inserita in maiuscolo.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>Selettore</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Impostazioni del selettore</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacità: %1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>Cerca frasi</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>Fai clic su una riga o premi Enter per inserirla. Premi Esc o di nuovo questa scorciatoia per chiudere.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>Nessuna frase corrispondente</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>È stata importata %n frase nuova.</numerusform>
            <numerusform>Sono state importate %n frasi nuove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>%n frase ignorata: lo stesso testo è già nel tuo elenco.</numerusform>
            <numerusform>%n frasi ignorate: lo stesso testo è già nel tuo elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n frase importata senza la sua abbreviazione, già usata da un&apos;altra frase.</numerusform>
            <numerusform>%n frasi importate senza la loro abbreviazione, già usata da un&apos;altra frase.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n voce non importata:</numerusform>
            <numerusform>%n voci non importate:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…e ancora %n</numerusform>
            <numerusform>…e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>Le frasi sono state importate, ma non è stato possibile salvare il file di dati.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Questa versione del programma non può leggere i file di Espanso.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>Il file non è un file di match leggibile (%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>Il file non può essere importato. Si possono importare: un backup, un file di match di Espanso, il JSON o il CSV di Beeftext, oppure un CSV di nome, testo e abbreviazione.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Avvia con Windows</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>Avvia ridotto a icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>Mostra/nascondi finestra principale</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>Apri il selettore</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>Ordine del selettore</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>Premi una scorciatoia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>Un altro programma usa già questa scorciatoia. Impostala di nuovo.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>Quando premi questa scorciatoia, il selettore compare accanto al cursore di testo. Fai clic su una riga o premi Enter per inserirla. Premi Esc o di nuovo questa scorciatoia per chiuderlo.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>Usate di recente in cima</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>Mantieni l&apos;ordine dell&apos;elenco</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Includi Ctrl, Alt, Shift o Win, in modo che una singola lettera non venga intercettata.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>I due comandi richiedono scorciatoie diverse.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>Questa scorciatoia è già usata da una frase.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>Modalità di inserimento…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>Espandi abbreviazioni</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Subito</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>Dopo uno spazio, Tab, Enter o punteggiatura</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Appartiene a «%1».</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Cartella dei dati</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Impostazioni del selettore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
