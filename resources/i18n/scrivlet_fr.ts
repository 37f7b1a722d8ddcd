<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>Deux règles désignent «&#xa0;%1&#xa0;». Gardez-en une seule.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>Cliquez sur une fenêtre de l&apos;application. Un clic droit annule.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>Aucune fenêtre n&apos;a été choisie.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>Comment les phrases sont insérées dans chaque application. Une application est désignée par sa classe de fenêtre ou son fichier programme, tels qu&apos;affichés par Choisir une fenêtre. Les terminaux ont leurs propres règles, que vous pouvez modifier mais pas retirer.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>Mode d&apos;insertion</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Choisir une fenêtre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>Saisie seule</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Coller avec Ctrl+V</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Coller avec Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Coller avec Shift+Insert</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>Ne jamais insérer ici</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Une des règles propres à Zem Scrivlet. Choisissez-lui un autre mode, ou Retirer pour revenir au sien.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>Pas d&apos;abréviations ici</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>Les raccourcis, le sélecteur et le panneau flottant insèrent toujours des phrases ici&#xa0;; les abréviations tapées ici restent telles quelles. Pour les programmes dont Zem Scrivlet ne sait pas reconnaître les champs de mot de passe.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet est déjà lancé avec sa liste de phrases dans %1 ; il ne peut donc pas utiliser aussi %2. Quittez d&apos;abord la copie en cours, ou omettez --data-dir.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>Le dossier %1 ne peut pas contenir la liste de phrases : il ne peut pas être créé ou n&apos;est pas accessible en écriture, ou il ne vous appartient pas.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>Impossible à associer ici : %1 (une touche sans nom ici, ou un caractère de contrôle dans le nom)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>Remplir «&#xa0;%1&#xa0;»</translation>
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
        <translation>Paramètres du panneau</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>Masquer le panneau</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacité&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>Boutons des lignes</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>Afficher Copier</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>Afficher Saisir</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>Lignes affichées par phrase (max.)</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 lignes</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 lignes</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>Aimanter aux bords de l&apos;écran</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Reprendre les raccourcis</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Suspendre les raccourcis</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>Aucune phrase pour l&apos;instant</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>Les raccourcis sont suspendus&#xa0;: reprenez-les pour saisir du texte.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendus</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>son déclencheur est une expression régulière</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>elle n&apos;a pas de déclencheur</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>son déclencheur contient des espaces ou dépasse 32&#xa0;caractères</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>elle exécute une commande ou un script</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>elle pose une question par un formulaire, une liste ou un choix aléatoire</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>elle insère une image</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>son texte est en HTML ou en Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>elle utilise une autre entrée ou une variable globale</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>elle utilise une variable sans équivalent ici</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>son format de date comporte une partie sans équivalent ici</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>son décalage de date n&apos;est pas un nombre entier de minutes</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>autre fichier, non lu&#xa0;: importez-le séparément</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>elle n&apos;est pas écrite comme prévu</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>elle n&apos;a pas de texte</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>son texte serait trop volumineux</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>son décalage de date est trop éloigné</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>Appuyez sur un raccourci</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>Avec cette disposition de clavier, %1 produit «&#xa0;%2&#xa0;»&#xa0;: utilisé comme raccourci, il empêcherait la saisie de ce caractère dans tous les programmes.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>Avec cette disposition de clavier, AltGr et cette touche produisent «&#xa0;%2&#xa0;». Sous Windows, où AltGr équivaut à Ctrl+Alt, %1 empêcherait la saisie de ce caractère.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert et Ctrl+Insert servent à coller et à copier dans tous les programmes. Choisissez un autre raccourci.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Ajoutez Ctrl, Alt, Shift ou Win pour qu&apos;une simple lettre ne soit pas interceptée.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Avec Shift seul, cette touche saisit ou sélectionne du texte dans tous les programmes. Ajoutez Ctrl, Alt ou Win.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>Avec cette disposition de clavier, %1 produit «&#xa0;%2&#xa0;»&#xa0;: utilisé comme raccourci, il empêcherait la saisie de ce caractère dans tous les programmes. Choisissez un autre raccourci.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 est utilisé par un autre programme</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1, la touche servant à coller dans tous les programmes</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1, qui sans Ctrl, Alt, Shift ou Win empêcherait la saisie avec cette touche</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1, qui avec Shift seul empêcherait la saisie avec cette touche</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1, qui produit «&#xa0;%2&#xa0;» avec cette disposition de clavier</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>Raccourci %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>Sauvegarde des phrases (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>Impossible d&apos;écrire le fichier.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>Phrases exportées.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>Les phrases ont été importées, mais le fichier de données n&apos;a pas pu être enregistré. Elles seront enregistrées lors de votre prochaine modification.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>Phrases importées.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>Aucune nouvelle phrase n&apos;a été importée.

Les phrases suivantes ont été ignorées, car le même texte figure déjà dans votre liste&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>Le programme n&apos;est pas fermé&#xa0;: il est seulement réduit dans la zone de notification. Les raccourcis et le sélecteur continuent d&apos;insérer du texte.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>À propos de Zem Scrivlet</translation>
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
        <translation>Impossible de modifier l&apos;entrée de démarrage automatique.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>Impossible d&apos;enregistrer le raccourci&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>Rechercher un nom, un raccourci ou un texte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Reprendre les raccourcis</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Suspendre les raccourcis</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>&amp;Panneau flottant</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>Aide du logiciel</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>À propos de Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Panneau flottant</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>La fenêtre cible n&apos;a pas accepté le texte.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Sélecteur</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>Sélectionnez d&apos;abord une phrase.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…et %n autre</numerusform>
            <numerusform>…et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>%n nouvelle phrase a été importée.

Les phrases suivantes ont été ignorées, car le même texte figure déjà dans votre liste&#xa0;:
%1</numerusform>
            <numerusform>%n nouvelles phrases ont été importées.

Les phrases suivantes ont été ignorées, car le même texte figure déjà dans votre liste&#xa0;:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>%n phrase importée depuis la version 3.0.</numerusform>
            <numerusform>%n phrases importées depuis la version 3.0.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>La fenêtre au premier plan n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>Le champ de texte au premier plan est en lecture seule.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>Le champ de texte au premier plan est un champ de mot de passe&#xa0;: les phrases ne sont pas insérées dans les champs de mot de passe.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>Le champ de texte au premier plan n&apos;accepte qu&apos;une ligne, et cette phrase en compte plusieurs.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: les touches du raccourci ont été maintenues enfoncées trop longtemps.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>Votre presse-papiers n&apos;a pas pu être restauré.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>Une partie de votre presse-papiers n&apos;a pas pu être conservée.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet n&apos;a pas pu ouvrir le canal par lequel un lancement ultérieur trouve cette instance (un autre programme l&apos;occupe peut-être)&#xa0;: relancer Zem Scrivlet ouvrira une deuxième instance.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>Un autre programme utilise ce raccourci, il est donc sans effet ici. Fermez ce programme ou choisissez un autre raccourci.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>Les phrases ne sont pas insérées dans %1&#xa0;: ainsi le veut sa règle dans Options, Applications.</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>Les raccourcis sont suspendus.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>Aucun système de fenêtres dans lequel saisir.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>La phrase n&apos;existe plus.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>Aucune phrase activée ne s&apos;appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>Ce Zem Scrivlet ne connaît pas la commande «&#xa0;%1&#xa0;»&#xa0;: c&apos;est une version plus ancienne que celle qui l&apos;a envoyée.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>Ceci est un bureau Wayland, où Zem Scrivlet fonctionne via XWayland&#xa0;: ses raccourcis et ses phrases n&apos;atteignent que les fenêtres des programmes X11, pas celles des programmes Wayland.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Bureau Wayland : les phrases atteignent les programmes Wayland par un clavier virtuel propre à Zem Scrivlet, et les programmes X11 par XWayland.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>Ce bureau ne laisse aucun programme en arrière-plan utiliser le presse-papiers : les phrases sont tapées, jamais collées.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>Pas de raccourcis globaux sur ce bureau : associez les commandes ci-dessous.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>Les phrases suivantes ont été importées sans leur abréviation, déjà utilisée par une autre phrase&#xa0;:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>Ce bureau ne laisse aucun programme lire les touches tapées dans d&apos;autres programmes, les abréviations ne sont donc pas développées ici. Utilisez les raccourcis ou le sélecteur.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>Ajouter à GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>Retirer de GNOME</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma ne laisse que la copie installée de Zem Scrivlet taper dans d&apos;autres programmes. Lancez le programme installé, ou ajoutez ce programme à une entrée de bureau (fichier .desktop) dans ~/.local/share/applications dont la ligne Exec est %1 et qui contient la ligne %2.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Bureau Plasma&#xa0;: les phrases sont tapées via KWin dans votre disposition de clavier, et collées lorsqu&apos;il manque un caractère à la disposition.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>Le service de raccourcis de Plasma gère les raccourcis.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>Bureau GNOME&#xa0;: les phrases sont tapées via une session de bureau à distance du compositeur de GNOME lorsque votre disposition de clavier possède les caractères, et collées sinon. GNOME n&apos;indique pas quelle fenêtre est au premier plan, les règles par application ne s&apos;appliquent donc pas aux programmes Wayland.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma n&apos;indique pas quelle fenêtre est au premier plan&#xa0;: les règles par application ne s&apos;appliquent pas.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME ne laisse aucun programme enregistrer de raccourcis&#xa0;: ajoutez-les ci-dessous comme raccourcis personnalisés de GNOME.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet&#xa0;: ouvrir le sélecteur</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet&#xa0;: afficher ou masquer la fenêtre</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n raccourci est désormais un raccourci personnalisé de GNOME.</numerusform>
            <numerusform>%n raccourcis sont désormais des raccourcis personnalisés de GNOME.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>Impossible d&apos;écrire les raccourcis de GNOME&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Les raccourcis personnalisés de GNOME créés par Zem Scrivlet ont été retirés.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>Impossible de retirer les raccourcis de GNOME&#xa0;: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>La phrase peut encore être collée&#xa0;: la fenêtre au premier plan n&apos;a pas encore reçu la touche de collage. Vérifiez avant de réessayer.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>La phrase a peut-être été collée&#xa0;: un autre programme l&apos;a lue le premier dans le presse-papiers. Vérifiez avant de réessayer.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>Rien n&apos;a été collé&#xa0;: le presse-papiers n&apos;était pas disponible (un autre programme l&apos;occupe, ou le programme à qui appartient son contenu ne répond pas).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>Sur ce bureau, seules les fenêtres des programmes X11 sont atteintes&#xa0;: Options explique pourquoi.</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma ne laisse cette copie de Zem Scrivlet taper dans aucun autre programme&#xa0;: Options explique comment l&apos;autoriser.</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>Les raccourcis fonctionnent une fois devenus des raccourcis personnalisés de GNOME&#xa0;: Options permet de les ajouter.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>Les raccourcis atteignent les programmes Wayland une fois que %1 les associe&#xa0;: Options liste les lignes.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>Les raccourcis atteignent les programmes Wayland une fois que le bureau les associe&#xa0;: Options liste les commandes.</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME exécute ce raccourci une fois qu&apos;il fait partie de ses raccourcis personnalisés&#xa0;: après OK, cliquez sur Ajouter à GNOME dans Configuration › Options.</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 exécute ce raccourci dans tous les programmes une fois qu&apos;il est associé&#xa0;: après OK, Configuration › Options indique la ligne à ajouter à la configuration de %1.</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Ce bureau n&apos;exécute les raccourcis d&apos;aucun programme&#xa0;: après OK, Configuration › Options indique la commande à associer à ce raccourci dans les paramètres de clavier du bureau.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet&#xa0;: raccourcis suspendus</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>Le dossier %1 n&apos;est pas à vous seul&#xa0;: un autre utilisateur l&apos;a créé, ou peut y écrire. Zem Scrivlet place donc son canal dans un dossier qui n&apos;appartient qu&apos;à vous&#xa0;; demandez à votre administrateur d&apos;examiner la question.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>La fenêtre au premier plan s&apos;exécute en tant qu&apos;administrateur&#xa0;: la phrase a remplacé votre presse-papiers. Appuyez sur Ctrl+V pour la coller.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>La phrase peut encore arriver&#xa0;: la fenêtre au premier plan n&apos;a pas répondu à temps. Vérifiez avant de réessayer.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>Rien n&apos;a été collé&#xa0;: la fenêtre au premier plan n&apos;a pas encore reçu la phrase collée précédemment, qui est toujours dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>Votre presse-papiers n&apos;a pas pu être restauré&#xa0;: la fenêtre dans laquelle la phrase a été collée ne l&apos;a toujours pas reçue.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.

Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (utilisée par «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>La page n&apos;a pas pu être préparée&#xa0;: le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>Aucun navigateur n&apos;a pu être lancé pour afficher la page. Ouvrez-la vous-même&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>Non copié</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>Non copié&#xa0;: un autre programme occupe le presse-papiers.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>Non copié&#xa0;: impossible d&apos;écrire dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>La fenêtre de Zem Scrivlet est au premier plan&#xa0;: passez à la fenêtre dans laquelle la phrase doit être insérée, puis réessayez.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>la recherche dans l&apos;historique des terminaux et des shells, le rechargement des pages dans les navigateurs</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>l&apos;ouverture d&apos;un nouvel onglet dans les navigateurs et les terminaux</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>la fermeture d&apos;un onglet ou d&apos;une fenêtre, la suppression d&apos;un mot dans les terminaux</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>l&apos;ouverture d&apos;une nouvelle fenêtre ou d&apos;un nouveau document</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>la recherche de texte</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>l&apos;enregistrement</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>la barre d&apos;adresse des navigateurs, l&apos;effacement de l&apos;écran dans les terminaux</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>D&apos;autres programmes l&apos;utilisent pour %1.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 ouvre le sélecteur.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 affiche ou masque cette fenêtre.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>Les raccourcis de vos phrases sont aussi réservés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>Une fois ces touches associées, le bureau les exécute pour Zem Scrivlet et les retire alors à tous les autres programmes&#xa0;:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet retire ces touches à tous les autres programmes&#xa0;:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>Si vous en avez besoin dans ces programmes, choisissez d&apos;autres touches dans Options.</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>Recherche dans les noms, les raccourcis, les abréviations et les textes.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abréviation</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>Ajoutez votre première phrase&#xa0;: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>Aucune phrase ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>Phrase «&#xa0;%1&#xa0;» supprimée.</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>Son raccourci %1 appartient désormais à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>Son raccourci %1 ouvre désormais le sélecteur ou la fenêtre.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>Son abréviation «&#xa0;%1&#xa0;» appartient désormais à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>Phrase «&#xa0;%1&#xa0;» restaurée.</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>Phrase «&#xa0;%1&#xa0;» restaurée, sans ce qu&apos;une autre phrase possède désormais.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>Indiqué sur la ligne de commande (--data-dir) pour cette exécution.</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>Le dossier choisi pour votre liste de phrases, %1, appartient à un autre utilisateur, ou est atteint par un lien lui appartenant. Vos phrases sont conservées dans le dossier habituel, %2, jusqu&apos;à ce que vous en choisissiez un autre dans Options.</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>Le dossier de votre liste de phrases, %1, est absent (un lecteur pas encore connecté ?). Rien n&apos;est enregistré tant qu&apos;il est absent ; vos phrases apparaîtront dès qu&apos;il sera là.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>Le nouveau dossier n&apos;a pas pu être mémorisé dans %1. Vos phrases restent dans %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>Le dossier %1 appartient à un autre utilisateur, ou est atteint par un lien lui appartenant : vos phrases n&apos;y sont pas conservées.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>Vos phrases n&apos;ont pas pu être écrites dans %1. Elles restent là où elles étaient, dans %2.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>Une liste de phrases se trouvait déjà dans %1 : elle a été fusionnée avec la vôtre, et vos phrases y sont désormais conservées.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>Vos phrases sont désormais conservées dans %1.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>Le fichier de %1 a été conservé dans %2.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>L&apos;ancien fichier %1 n&apos;a pas pu être supprimé ; il n&apos;est plus utilisé.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>Modifiées ici et ailleurs : %1. L&apos;autre version de chacune a été ajoutée, désactivée.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>Supprimées ici mais modifiées ailleurs, donc conservées : %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>Sans leur raccourci, déjà utilisé par une autre phrase : %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>Sans leur abréviation, déjà utilisée par une autre phrase : %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>Le fichier des phrases a été modifié en un contenu illisible. Vos phrases restent telles quelles et seront enregistrées lors de votre prochaine modification ; le contenu du fichier a été conservé dans %1.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (modifiée ailleurs)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>La liste de phrases a été mise à jour depuis son fichier.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>Un programme de synchronisation a laissé une autre version de votre liste de phrases à côté d&apos;elle : %1. Voulez-vous la fusionner avec votre liste ? Elle sera ensuite déplacée dans le dossier des sauvegardes.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>Un programme de synchronisation a laissé %n autre version de votre liste de phrases à côté d&apos;elle : %1. Voulez-vous la fusionner avec votre liste ? Elle sera ensuite déplacée dans le dossier des sauvegardes.</numerusform>
            <numerusform>Un programme de synchronisation a laissé %n autres versions de votre liste de phrases à côté d&apos;elle : %1. Voulez-vous les fusionner avec votre liste ? Chacune sera ensuite déplacée dans le dossier des sauvegardes.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>Un programme de synchronisation a laissé une autre version de votre liste de phrases : %1. Ouvrez la fenêtre pour la fusionner.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>Ces fichiers n&apos;ont pas pu être fusionnés : %1. Ils restent là où ils sont.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>Fusionnée avec votre liste ; la copie a été déplacée dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>%n version a été fusionnée avec votre liste et déplacée dans %1.</numerusform>
            <numerusform>%n versions ont été fusionnées avec votre liste et déplacées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: %1 insère une phrase nommée %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: ces phrases s&apos;insèrent les unes les autres en boucle&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: des phrases sont insérées les unes dans les autres sur plus de %1&#xa0;niveaux&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: les champs n&apos;ont pas été remplis.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>Nom, texte et abréviation (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Phrases de Zem Scrivlet, Espanso ou Beeftext (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Fichier de correspondances Espanso (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Export Beeftext (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Cette version du programme ne peut pas lire les fichiers Espanso.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>Aucune nouvelle phrase n&apos;a été importée.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n nouvelle phrase importée.</numerusform>
            <numerusform>%n nouvelles phrases importées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>%n entrée n&apos;a pas été importée, car ce programme ne sait pas faire ce qu&apos;elle fait&#xa0;:</numerusform>
            <numerusform>%n entrées n&apos;ont pas été importées, car ce programme ne sait pas faire ce qu&apos;elles font&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usages</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gagnés</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>Nombre de fois où la phrase a été insérée</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>Caractères que vous n&apos;avez pas eu à taper&#xa0;: la longueur de la phrase, moins l&apos;abréviation tapée pour elle</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>Caractères économisés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>Phrases insérées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: les phrases qu&apos;insère %1 donneraient un texte beaucoup trop long.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: vous avez travaillé dans une autre fenêtre pendant que les champs étaient demandés, l&apos;abréviation n&apos;est donc peut-être plus là où se trouve le curseur de texte.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: %1 demande plus de %2 champs, plus qu&apos;une fenêtre n&apos;en contient.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>Impossible d&apos;enregistrer %n raccourci, dont&#xa0;: %1</numerusform>
            <numerusform>Impossible d&apos;enregistrer %n raccourcis, dont&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>Modifier la phrase</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>Ajouter une phrase</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>Une ou plusieurs lignes. Appuyez sur Enter pour commencer une nouvelle ligne. Les lignes vides sont conservées.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>Activer cette phrase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>Saisissez le texte à taper.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>Le texte est trop long. Il ne doit pas dépasser 100&#xa0;000 caractères.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>Ce texte figure déjà dans votre liste. Les phrases en double ne sont pas autorisées.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>Ce raccourci est déjà utilisé.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Appuyez sur une touche avec Ctrl, Alt, Shift ou Win, ou sur une touche de fonction, pour saisir rapidement cette phrase. Laissez vide pour utiliser le sélecteur.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>Pas une variable&#xa0;: tapé tel quel.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abréviation</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>Facultatif, par ex. ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>Tapez ces caractères dans n&apos;importe quel programme, et la phrase les remplace.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>Remplace {date}, {time}, {date:FORMAT}, {clipboard} et {cursor} lors de l&apos;insertion de la phrase. {{ et }} représentent les accolades.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>Une abréviation compte de 1 à 32 caractères, sans espace.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>Une autre phrase a déjà cette abréviation.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>Il affiche ou masque la fenêtre principale.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>Il ouvre le sélecteur.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Phrase concernée&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Adapter la casse</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>Si l&apos;abréviation est tapée avec une majuscule (;Sig), la phrase commence par une majuscule&#xa0;; si elle est tapée en majuscules (;SIG), la phrase est insérée en majuscules.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>Sélecteur</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Paramètres du sélecteur</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacité&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>Rechercher des phrases</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>Cliquez sur une ligne ou appuyez sur Enter pour l&apos;insérer. Appuyez sur Esc ou de nouveau sur le raccourci pour fermer.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>Aucune phrase correspondante</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n nouvelle phrase a été importée.</numerusform>
            <numerusform>%n nouvelles phrases ont été importées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>%n phrase ignorée&#xa0;: le même texte figure déjà dans votre liste.</numerusform>
            <numerusform>%n phrases ignorées&#xa0;: le même texte figure déjà dans votre liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n phrase importée sans son abréviation, déjà utilisée par une autre phrase.</numerusform>
            <numerusform>%n phrases importées sans leur abréviation, déjà utilisée par une autre phrase.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n entrée non importée&#xa0;:</numerusform>
            <numerusform>%n entrées non importées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…et %n autre</numerusform>
            <numerusform>…et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>Les phrases ont été importées, mais le fichier de données n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Cette version du programme ne peut pas lire les fichiers Espanso.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>Le fichier n&apos;est pas un fichier de correspondances lisible (%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>Ce fichier ne peut pas être importé. Peuvent l&apos;être&#xa0;: une sauvegarde, un fichier de correspondances Espanso, le JSON ou le CSV de Beeftext, ou un CSV de nom, texte et abréviation.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Démarrer avec Windows</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Démarrer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>Démarrer réduit dans la zone de notification</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>Afficher/masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>Ouvrir le sélecteur</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>Ordre du sélecteur</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>Appuyez sur un raccourci</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>Déjà utilisé par un autre programme. Veuillez redéfinir ce raccourci.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>Appuyez sur ce raccourci pour afficher le sélecteur à côté du curseur de texte. Cliquez sur une ligne ou appuyez sur Enter pour l&apos;insérer. Appuyez sur Esc ou de nouveau sur ce raccourci pour le fermer.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>Récemment utilisées en premier</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>Conserver l&apos;ordre de la liste</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Ajoutez Ctrl, Alt, Shift ou Win pour qu&apos;une simple lettre ne soit pas interceptée.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>Les deux commandes doivent avoir des raccourcis différents.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>Ce raccourci est déjà utilisé par une phrase.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>Mode d&apos;insertion…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>Développer les abréviations</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Immédiatement</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>Après un espace, Tab, Enter ou un signe de ponctuation</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Il appartient à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Paramètres du sélecteur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
