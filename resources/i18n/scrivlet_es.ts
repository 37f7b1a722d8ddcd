<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>Dos reglas nombran «%1». Deja solo una.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>Haz clic en una ventana de la aplicación. Un clic derecho cancela.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>No se eligió ninguna ventana.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>Cómo se insertan las frases en cada aplicación. Una aplicación se identifica por su clase de ventana o su archivo de programa, tal como lo muestra Elegir una ventana. Los terminales tienen reglas propias, que puedes cambiar pero no quitar.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>Modo de inserción</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Elegir una ventana</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>Solo escribir</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Pegar con Ctrl+V</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Pegar con Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Pegar con Shift+Insert</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>No insertar nunca aquí</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Una de las reglas propias de Zem Scrivlet. Elige otro modo para ella o presiona Quitar para volver al suyo.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>Sin abreviaturas aquí</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>Los atajos, el selector y el panel flotante siguen insertando frases aquí; las abreviaturas escritas aquí se quedan tal cual. Para programas cuyos campos de contraseña Zem Scrivlet no puede reconocer.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet ya se está ejecutando con su lista de frases en %1, así que no puede usar también %2. Cierra primero la copia en ejecución u omite --data-dir.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>La carpeta %1 no puede contener la lista de frases: no se puede crear ni escribir en ella, o no es tuya.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>No se puede asignar aquí: %1 (una tecla sin nombre aquí o un carácter de control en el nombre)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>Rellenar «%1»</translation>
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
        <translation>Configuración del panel</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>Ocultar panel</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacidad: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>Botones de cada fila</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>Mostrar Copiar</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>Mostrar Escribir</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>Máximo de líneas por frase</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 líneas</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 líneas</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>Ajustar al borde de la pantalla</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Reanudar atajos</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Pausar atajos</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>Aún no hay frases</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>Los atajos están en pausa: reanúdalos para escribir.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>su disparador es una expresión regular</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>no tiene disparador</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>su disparador tiene espacios o supera los 32 caracteres</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>ejecuta un comando o un script</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>pregunta con un formulario, una lista o una elección al azar</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>inserta una imagen</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>su texto es HTML o Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>usa otra entrada o una variable global</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>usa una variable que no tiene equivalente aquí</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>su formato de fecha tiene una parte sin equivalente aquí</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>su desplazamiento de fecha no es un número entero de minutos</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>otro archivo, no leído: impórtalo por separado</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>no está escrita como se esperaba</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>no tiene texto</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>su texto sería demasiado grande</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>su desplazamiento de fecha llega demasiado lejos</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>Presiona un atajo</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>%1 escribe «%2» con esta distribución de teclado: como atajo, impediría escribir ese carácter en todos los programas.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>AltGr con esta tecla escribe «%2» con esta distribución de teclado. En Windows, donde AltGr equivale a Ctrl+Alt, %1 impediría escribir ese carácter.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert y Ctrl+Insert pegan y copian en todos los programas. Elige otro atajo.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Incluye Ctrl, Alt, Shift o Win para que no se capture una letra suelta.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Solo con Shift, esta tecla escribe o selecciona texto en todos los programas. Incluye Ctrl, Alt o Win.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>%1 escribe «%2» con esta distribución de teclado: como atajo, impediría escribir ese carácter en todos los programas. Elige otro atajo.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 ya lo usa otro programa</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1, la tecla que pega en todos los programas</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1, que sin Ctrl, Alt, Shift o Win impediría escribir con esa tecla</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1, que solo con Shift impediría escribir con esa tecla</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1, que escribe «%2» con esta distribución de teclado</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>Atajo %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>Copia de seguridad de frases (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>Frases exportadas.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>Las frases se importaron, pero no se pudo guardar el archivo de datos. Se guardarán con tu próximo cambio.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>Frases importadas.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>No se importó ninguna frase nueva.

Se omitieron las siguientes porque su texto ya está en tu lista:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>El programa no se ha cerrado: solo se minimiza en el área de notificación. Los atajos y el selector siguen insertando texto.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>Acerca de Zem Scrivlet</translation>
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
        <translation>No se pudo cambiar la entrada de inicio automático.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>No se pudo registrar el atajo: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>Buscar por nombre, atajo o texto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Reanudar atajos</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Pausar atajos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>Panel &amp;flotante</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>Ayuda del programa</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>Acerca de Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Mostrar ventana principal</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Panel flotante</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>La ventana de destino no aceptó el texto.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Selector</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>Selecciona primero una frase.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…y %n más</numerusform>
            <numerusform>…y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>Se importó %n frase nueva.

Se omitieron las siguientes porque su texto ya está en tu lista:
%1</numerusform>
            <numerusform>Se importaron %n frases nuevas.

Se omitieron las siguientes porque su texto ya está en tu lista:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>%n frase importada de la versión 3.0.</numerusform>
            <numerusform>%n frases importadas de la versión 3.0.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>La ventana en primer plano no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>El campo de texto en primer plano es de solo lectura.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>El campo de texto en primer plano es de contraseña: las frases no se insertan en campos de contraseña.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>El campo de texto en primer plano admite una sola línea y esta frase tiene varias.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>No se escribió nada: las teclas del atajo se mantuvieron presionadas demasiado tiempo.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>No se pudo restaurar tu portapapeles.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>No se pudo conservar parte de tu portapapeles.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet no pudo abrir el canal por el que un inicio posterior encuentra esta copia (quizá otro programa lo ocupa): si vuelves a iniciar Zem Scrivlet, se abrirá una segunda copia.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>Otro programa usa este atajo, así que aquí no hace nada. Cierra ese programa o elige otro atajo.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>Las frases no se insertan en %1: así lo indica su regla en Opciones, Aplicaciones.</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>Los atajos están en pausa.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>No hay ningún sistema de ventanas en el que escribir.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>La frase ya no existe.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>Ninguna frase activada se llama «%1».</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>Este Zem Scrivlet no conoce la orden «%1»: es una versión anterior a la que la envió.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>Este es un escritorio Wayland, donde Zem Scrivlet funciona a través de XWayland: sus atajos y frases solo llegan a las ventanas de programas X11, no a las de programas Wayland.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Escritorio Wayland: las frases llegan a los programas Wayland mediante un teclado virtual propio de Zem Scrivlet, y a los programas X11 mediante XWayland.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>Este escritorio no deja que ningún programa en segundo plano use el portapapeles: las frases se escriben, nunca se pegan.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>No hay atajos globales en este escritorio: asigne los comandos de abajo.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>Se importaron las siguientes sin su abreviatura, porque otra frase ya la tiene:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>Este escritorio no deja que ningún programa lea las teclas pulsadas en otros programas, así que aquí las abreviaturas no se expanden. Usa los atajos o el selector.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>Añadir a GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>Quitar de GNOME</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma solo deja escribir en otros programas a la copia instalada de Zem Scrivlet. Ejecuta el programa instalado o añade este programa a una entrada de escritorio (archivo .desktop) en ~/.local/share/applications cuya línea Exec sea %1 y que tenga la línea %2.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Escritorio Plasma: las frases se escriben mediante KWin con tu distribución de teclado, y se pegan cuando a la distribución le falta algún carácter.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>El servicio de atajos de Plasma gestiona los atajos.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>Escritorio GNOME: las frases se escriben mediante una sesión de escritorio remoto del compositor de GNOME cuando tu distribución de teclado tiene los caracteres, y si no, se pegan. GNOME no indica qué ventana está en primer plano, así que las reglas por aplicación no se aplican a los programas Wayland.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma no indica qué ventana está en primer plano: las reglas por aplicación no se aplican.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME no deja que ningún programa registre atajos: añádelos abajo como atajos personalizados de GNOME.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: abrir el selector</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: mostrar u ocultar la ventana</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n atajo es ahora un atajo personalizado de GNOME.</numerusform>
            <numerusform>%n atajos son ahora atajos personalizados de GNOME.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>No se pudieron escribir los atajos de GNOME: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Se han quitado los atajos personalizados de GNOME de Zem Scrivlet.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>No se pudieron quitar los atajos de GNOME: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>Puede que la frase aún se pegue: la ventana en primer plano todavía no ha recibido la tecla de pegar. Compruébalo antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>Puede que la frase se haya pegado: otro programa la leyó primero del portapapeles. Compruébalo antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>No se pegó nada: no se pudo acceder al portapapeles (otro programa lo ocupa o el programa al que pertenece su contenido no responde).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>En este escritorio solo se llega a las ventanas de programas X11: Opciones explica por qué.</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma no deja que esta copia de Zem Scrivlet escriba en ningún otro programa: Opciones explica cómo permitirlo.</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>Los atajos funcionan cuando son atajos personalizados de GNOME: Opciones los añade.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>Los atajos llegan a los programas Wayland cuando %1 los asigna: Opciones muestra las líneas.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>Los atajos llegan a los programas Wayland cuando el escritorio los asigna: Opciones muestra los comandos.</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME ejecuta este atajo cuando es uno de sus atajos personalizados: después de Aceptar, presiona Añadir a GNOME en Configuración › Opciones.</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 ejecuta este atajo en todos los programas una vez asignado: después de Aceptar, Configuración › Opciones muestra la línea que debes añadir a la configuración de %1.</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Este escritorio no ejecuta los atajos de ningún programa: después de Aceptar, Configuración › Opciones muestra el comando que debes asignar a este atajo en la configuración de teclado del escritorio.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: atajos en pausa</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>La carpeta %1 no es solo tuya: otro usuario la creó o puede escribir en ella. Por eso Zem Scrivlet guarda su canal en otra carpeta que solo es tuya; pide a tu administrador que lo revise.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>La ventana en primer plano se ejecuta como administrador: la frase ha reemplazado tu portapapeles. Presiona Ctrl+V para pegarla.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>Puede que la frase aún llegue: la ventana en primer plano no respondió a tiempo. Compruébalo antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>No se pegó nada: la ventana en primer plano todavía no ha recibido la frase pegada antes, que sigue en el portapapeles.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>No se pudo restaurar tu portapapeles: la ventana en la que se pegó la frase todavía no la ha recibido.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>«%1» ya existe.

¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (la tiene «%2»)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>No se pudo preparar la página: no se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>No se pudo iniciar ningún navegador para mostrar la página. Ábrela manualmente:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>No copiado</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>No copiado: otro programa ocupa el portapapeles.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>No copiado: no se pudo escribir en el portapapeles.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>La ventana de Zem Scrivlet está en primer plano: cambia a la ventana donde debe ir la frase y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>buscar en el historial en terminales y shells, recargar en navegadores</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>abrir una pestaña nueva en navegadores y terminales</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>cerrar una pestaña o ventana, borrar una palabra en terminales</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>abrir una ventana o un documento nuevo</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>buscar texto</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>guardar</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>ir a la barra de direcciones en navegadores, limpiar la pantalla en terminales</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>Otros programas lo usan para %1.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 abre el selector.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 muestra u oculta esta ventana.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>Los atajos de tus frases también quedan ocupados: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>Una vez asignadas, el escritorio ejecuta estas teclas para Zem Scrivlet y se las quita a todos los demás programas:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet les quita estas teclas a todos los demás programas:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>Si las necesitas allí, elige otras teclas en Opciones.</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>Busca en los nombres, atajos, abreviaturas y textos.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abreviatura</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Deshacer eliminación</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>Agrega tu primera frase: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>Ninguna frase coincide con «%1».</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>Se eliminó «%1».</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>Su atajo %1 ahora es de «%2».</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>Su atajo %1 ahora abre el selector o la ventana.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>Su abreviatura «%1» ahora es de «%2».</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>Se restauró «%1».</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>Se restauró «%1» sin lo que ahora tiene otra frase.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>Indicada en la línea de comandos (--data-dir) para esta ejecución.</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>La carpeta elegida para tu lista de frases, %1, pertenece a otro usuario o se llega a ella mediante un enlace suyo. Tus frases se guardan en la carpeta habitual, %2, hasta que elijas otra en Opciones.</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>La carpeta de tu lista de frases, %1, no está disponible (¿una unidad aún no conectada?). No se guarda nada hasta que lo esté; tus frases aparecerán cuando lo esté.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>No se pudo recordar la nueva carpeta en %1. Tus frases siguen en %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>La carpeta %1 pertenece a otro usuario o se llega a ella mediante un enlace suyo: tus frases no se guardan allí.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>No se pudieron escribir tus frases en %1. Siguen donde estaban, en %2.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>Ya había una lista de frases en %1: se combinó con la tuya, y ahora tus frases se guardan allí.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>Ahora tus frases se guardan en %1.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>El archivo de %1 se conservó en %2.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>No se pudo eliminar el archivo antiguo %1; ya no se usa.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>Cambiadas aquí y en otro lugar: %1. Se añadió la otra versión de cada una, desactivada.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>Eliminadas aquí pero cambiadas en otro lugar, así que se conservan: %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>Sin su atajo, que ya tiene otra frase: %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>Sin su abreviatura, que ya tiene otra frase: %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>El archivo de frases se cambió por algo que no se puede leer. Tus frases siguen como están y se guardarán con tu próximo cambio; lo que contenía el archivo se conservó en %1.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (cambiada en otro lugar)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>La lista de frases se actualizó desde su archivo.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>Un programa de sincronización dejó otra versión de tu lista de frases junto a ella: %1. ¿Quieres combinarla con tu lista? Después se moverá a la carpeta de copias de seguridad.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>Un programa de sincronización dejó %n otra versión de tu lista de frases junto a ella: %1. ¿Quieres combinarla con tu lista? Después se moverá a la carpeta de copias de seguridad.</numerusform>
            <numerusform>Un programa de sincronización dejó %n otras versiones de tu lista de frases junto a ella: %1. ¿Quieres combinarlas con tu lista? Después cada una se moverá a la carpeta de copias de seguridad.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>Un programa de sincronización dejó otra versión de tu lista de frases: %1. Abre la ventana para combinarla.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>No se pudieron combinar: %1. Siguen donde están.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>Combinada con tu lista; la copia se movió a %1.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>Se combinó %n versión con tu lista y se movió a %1.</numerusform>
            <numerusform>Se combinaron %n versiones con tu lista y se movieron a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>No se escribió nada: %1 inserta una frase llamada %2, y no existe ninguna.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>No se escribió nada: estas frases se insertan unas a otras en círculo: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>No se escribió nada: hay frases insertadas unas en otras a más de %1 niveles de profundidad: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>No se escribió nada: no se rellenaron los campos.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>Nombre, texto y abreviatura (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Frases de Zem Scrivlet, Espanso o Beeftext (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Archivo de coincidencias de Espanso (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Exportación de Beeftext (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Esta versión del programa no puede leer archivos de Espanso.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>No se importó ninguna frase nueva.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>Se importó %n frase nueva.</numerusform>
            <numerusform>Se importaron %n frases nuevas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>No se importó %n entrada, porque este programa no puede hacer lo que hace:</numerusform>
            <numerusform>No se importaron %n entradas, porque este programa no puede hacer lo que hacen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Usos</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>Cuántas veces se insertó la frase</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>Caracteres que no tuviste que escribir: la longitud de la frase menos la abreviatura escrita para ella</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Restablecer estadísticas</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>Caracteres ahorrados: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>Frases insertadas: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>No se escribió nada: las frases que inserta %1 formarían un texto demasiado largo.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>No se escribió nada: trabajaste en otra ventana mientras se pedían los campos, así que puede que la abreviatura ya no esté donde está el cursor de texto.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>No se escribió nada: %1 pide más de %2 campos, más de los que caben en una ventana.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>No se pudo registrar %n atajo, entre ellos: %1</numerusform>
            <numerusform>No se pudieron registrar %n atajos, entre ellos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>Editar frase</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>Agregar frase</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>Una o varias líneas. Presiona Enter para empezar una línea nueva. Las líneas en blanco se conservan.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>Activar esta frase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>Indica el texto que se escribirá.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>El texto es demasiado largo. Debe tener menos de 100&#xa0;000 caracteres.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>Este texto ya está en tu lista. No se permiten frases duplicadas.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>Este atajo ya está en uso.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Presiona una tecla junto con Ctrl, Alt, Shift o Win, o una tecla de función, para escribir esta frase rápidamente. Déjalo vacío para usar el selector.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>No es un marcador: se escribe tal cual.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abreviatura</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>Opcional, p. ej. ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>Escribe estos caracteres en cualquier programa y la frase los reemplazará.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>Al insertar la frase se rellenan {date}, {time}, {date:FORMAT}, {clipboard} y {cursor}. {{ y }} representan llaves.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>Una abreviatura tiene de 1 a 32 caracteres, sin espacios.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>Otra frase ya tiene esta abreviatura.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>Muestra u oculta la ventana principal.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>Abre el selector.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Pertenece a «%1».</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Adaptar mayúsculas</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>Si escribes la abreviatura con mayúscula inicial (;Sig), la frase empieza con mayúscula; si la escribes en mayúsculas (;SIG), la frase se inserta en mayúsculas.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>Selector</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Configuración del selector</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Opacidad: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>Buscar frases</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>Haz clic en una línea o presiona Enter para insertarla. Presiona Esc o vuelve a presionar este atajo para cerrar.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>No hay frases que coincidan</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>Se importó %n frase nueva.</numerusform>
            <numerusform>Se importaron %n frases nuevas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>Se omitió %n frase: el mismo texto ya está en tu lista.</numerusform>
            <numerusform>Se omitieron %n frases: el mismo texto ya está en tu lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>Se importó %n frase sin su abreviatura, que ya tiene otra frase.</numerusform>
            <numerusform>Se importaron %n frases sin su abreviatura, que ya tiene otra frase.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>No se importó %n entrada:</numerusform>
            <numerusform>No se importaron %n entradas:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…y %n más</numerusform>
            <numerusform>…y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>Las frases se importaron, pero no se pudo guardar el archivo de datos.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Esta versión del programa no puede leer archivos de Espanso.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>El archivo no es un archivo de coincidencias legible (%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>El archivo no se puede importar. Se pueden importar: una copia de seguridad, un archivo de coincidencias de Espanso, el JSON o CSV de Beeftext, o un CSV de nombre, texto y abreviatura.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Iniciar con Windows</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>Iniciar minimizado en el área de notificación</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>Mostrar/ocultar ventana principal</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>Abrir el selector</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>Orden del selector</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>Presiona un atajo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>Otro programa ya usa este atajo. Vuelve a configurarlo.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>Al presionar este atajo, el selector aparece junto al cursor de texto. Haz clic en una línea o presiona Enter para insertarla. Presiona Esc o vuelve a presionar este atajo para cerrarlo.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>Primero las usadas recientemente</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>Mantener el orden de la lista</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Incluye Ctrl, Alt, Shift o Win para que no se capture una letra suelta.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>Los dos comandos necesitan atajos distintos.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>Una frase ya usa este atajo.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>Modo de inserción…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>Expandir abreviaturas</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Al instante</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>Tras un espacio, Tab, Enter o puntuación</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Pertenece a «%1».</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Configuración del selector</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
