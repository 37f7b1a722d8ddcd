<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>«%1» указано в двух правилах. Оставьте одно.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>Щелкните окно приложения. Щелчок правой кнопкой — отмена.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>Окно не выбрано.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>Как фразы вставляются в каждое приложение. Приложение определяется классом окна или файлом программы — так, как их показывает «Выбрать окно». Для терминалов есть собственные правила: их можно изменить, но не удалить.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>Способ вставки</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Выбрать окно</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>Только ввод</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Вставка через Ctrl+V</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Вставка через Ctrl+Shift+V</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Вставка через Shift+Insert</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>Никогда не вставлять сюда</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Одно из собственных правил Zem Scrivlet. Выберите для него другой способ или нажмите «Удалить», чтобы вернуть исходный.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>Здесь без сокращений</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>Сочетания клавиш, список выбора и плавающая панель по-прежнему вставляют сюда фразы; набранные здесь сокращения остаются как есть. Для программ, в которых Zem Scrivlet не может распознать поля паролей.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Программа Zem Scrivlet уже запущена со списком фраз в %1, поэтому не может использовать ещё и %2. Сначала закройте запущенную копию или не указывайте --data-dir.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>Папка %1 не подходит для списка фраз: её не удаётся создать или записать в неё, или она принадлежит не вам.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>Здесь не назначить: %1 (клавиша без имени здесь или управляющий символ в имени)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>Заполнение «%1»</translation>
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
        <translation>Параметры панели</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>Скрыть панель</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Непрозрачность: %1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>Кнопки строк</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>Показывать «Копировать»</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>Показывать «Ввести»</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>Не более строк на фразу</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 строка</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 строки</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 строки</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>Прилипать к краю экрана</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Возобновить сочетания клавиш</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Приостановить сочетания клавиш</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>Фраз пока нет</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Ввести</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>Сочетания клавиш приостановлены: возобновите их, чтобы вводить фразы.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>её триггер — регулярное выражение</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>у неё нет триггера</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>её триггер содержит пробелы или длиннее 32 символов</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>она выполняет команду или скрипт</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>она задаёт вопрос формой, списком или случайным выбором</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>она вставляет изображение</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>её текст — HTML или Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>она использует другую запись или глобальную переменную</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>она использует переменную, которой здесь нет аналога</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>в её формате даты есть часть, которой здесь нет аналога</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>её смещение даты не равно целому числу минут</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>это другой файл, он не прочитан: импортируйте его отдельно</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>она записана не так, как ожидалось</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>у неё нет текста</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>её текст был бы слишком большим</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>её смещение даты слишком велико</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>Нажмите сочетание клавиш</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>В этой раскладке клавиатуры %1 вводит «%2»: если сделать это сочетанием клавиш, этот символ нельзя будет ввести ни в одной программе.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>В этой раскладке клавиатуры AltGr с этой клавишей вводит «%2». В Windows, где AltGr — это Ctrl+Alt, сочетание %1 не даст вводить этот символ.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert и Ctrl+Insert служат для вставки и копирования во всех программах. Выберите другое сочетание клавиш.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Добавьте Ctrl, Alt, Shift или Win, чтобы не перехватывать нажатия отдельных букв.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Только с Shift эта клавиша вводит или выделяет текст во всех программах. Добавьте Ctrl, Alt или Win.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>В этой раскладке клавиатуры %1 вводит «%2»: если сделать это сочетанием клавиш, этот символ нельзя будет ввести ни в одной программе. Выберите другое сочетание клавиш.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 занято другой программой</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1 — клавиша вставки во всех программах</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1 — без Ctrl, Alt, Shift или Win эта клавиша стала бы недоступна для ввода</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1 — только с Shift эта клавиша стала бы недоступна для ввода</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1 — в этой раскладке клавиатуры вводит «%2»</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>Сочетание клавиш %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>Резервная копия фраз (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>Фразы экспортированы.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>Фразы импортированы, но сохранить файл данных не удалось. Они будут сохранены при следующем изменении.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>Фразы импортированы.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>Новые фразы не импортированы.

Следующие фразы пропущены, так как такой же текст уже есть в вашем списке:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>Программа не закрыта, а только свернута в область уведомлений. Сочетания клавиш и список выбора по-прежнему вставляют текст.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>О программе Zem Scrivlet</translation>
    </message>
    <message>
        <source>Zem Scrivlet 3.2</source>
        <translation>Zem Scrivlet 3.2</translation>
    </message>
    <message>
        <source>Copyright © Vantok %1</source>
        <translation>© Vantok, %1</translation>
    </message>
    <message>
        <source>Could not change the start-up entry.</source>
        <translation>Не удалось изменить параметр автозапуска.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>Не удалось зарегистрировать сочетание клавиш: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>Поиск по названию, сочетанию клавиш или тексту</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>Возобновить сочетания клавиш</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>Приостановить сочетания клавиш</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>&amp;Плавающая панель</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классическое</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Бирюзовое</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>Справка по программе</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>О программе Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Показать главное окно</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>Плавающая панель</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>Целевое окно не приняло текст.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Список выбора</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>Сначала выберите фразу.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включена</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…и еще %n фраза</numerusform>
            <numerusform>…и еще %n фразы</numerusform>
            <numerusform>…и еще %n фраз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>Импортирована %n новая фраза.

Следующие фразы пропущены, так как такой же текст уже есть в вашем списке:
%1</numerusform>
            <numerusform>Импортировано %n новые фразы.

Следующие фразы пропущены, так как такой же текст уже есть в вашем списке:
%1</numerusform>
            <numerusform>Импортировано %n новых фраз.

Следующие фразы пропущены, так как такой же текст уже есть в вашем списке:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>Импортирована %n фраза из версии 3.0.</numerusform>
            <numerusform>Импортировано %n фразы из версии 3.0.</numerusform>
            <numerusform>Импортировано %n фраз из версии 3.0.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>Активное окно не ответило вовремя.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>Активное текстовое поле доступно только для чтения.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>Активное текстовое поле предназначено для пароля: в поля паролей фразы не вставляются.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>Активное текстовое поле однострочное, а в этой фразе несколько строк.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>Ничего не введено: клавиши сочетания удерживались слишком долго.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>Не удалось восстановить содержимое буфера обмена.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>Часть содержимого буфера обмена не удалось сохранить.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Программе Zem Scrivlet не удалось открыть канал, по которому следующий запуск находит эту копию (возможно, его заняла другая программа): повторный запуск Zem Scrivlet откроет вторую копию.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>Это сочетание клавиш занято другой программой, поэтому здесь оно не работает. Закройте ту программу или выберите другое сочетание клавиш.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>Фразы не вставляются в %1: так задано его правилом в окне «Параметры», «Приложения».</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>Сочетания клавиш приостановлены.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>Нет оконной системы, в которую можно вводить текст.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>Этой фразы больше нет.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>Нет включённой фразы с именем «%1».</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>Этот Zem Scrivlet не знает команды «%1»: это более старая версия, чем та, что её отправила.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>Это рабочий стол Wayland, где Zem Scrivlet работает через XWayland: его сочетания клавиш и фразы доходят только до окон программ X11, но не до окон программ Wayland.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Рабочий стол Wayland: фразы попадают в программы Wayland через собственную виртуальную клавиатуру Zem Scrivlet, а в программы X11 — через XWayland.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>Этот рабочий стол не даёт фоновым программам пользоваться буфером обмена: фразы набираются, а не вставляются.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>На этом рабочем столе нет глобальных сочетаний клавиш: назначьте команды ниже.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>Следующие фразы импортированы без сокращения, так как такое сокращение уже есть у другой фразы:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>Этот рабочий стол не даёт программам читать клавиши, нажатые в других программах, поэтому сокращения здесь не раскрываются. Используйте сочетания клавиш или список выбора.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>Добавить в GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>Удалить из GNOME</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma позволяет вводить текст в другие программы только установленной копии Zem Scrivlet. Запустите установленную программу или добавьте эту программу в ярлык (файл .desktop) в каталоге ~/.local/share/applications со строкой Exec, равной %1, и строкой %2.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Рабочий стол Plasma: фразы набираются через KWin в вашей раскладке клавиатуры и вставляются, если в раскладке нет какого-либо символа.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>Сочетания клавиш регистрируются в службе сочетаний клавиш Plasma.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>Рабочий стол GNOME: фразы набираются через сеанс удалённого рабочего стола композитора GNOME, если в вашей раскладке клавиатуры есть нужные символы, а иначе вставляются. GNOME не сообщает, какое окно активно, поэтому правила для приложений не действуют в программах Wayland.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma не сообщает, какое окно активно: правила для приложений не действуют.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME не позволяет программам регистрировать сочетания клавиш: добавьте их ниже как пользовательские сочетания клавиш GNOME.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: открыть список выбора</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: показать или скрыть окно</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n сочетание клавиш добавлено в пользовательские сочетания клавиш GNOME.</numerusform>
            <numerusform>%n сочетания клавиш добавлены в пользовательские сочетания клавиш GNOME.</numerusform>
            <numerusform>%n сочетаний клавиш добавлено в пользовательские сочетания клавиш GNOME.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>Не удалось записать сочетания клавиш GNOME: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Пользовательские сочетания клавиш GNOME, созданные Zem Scrivlet, удалены.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>Не удалось удалить сочетания клавиш GNOME: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>Фраза ещё может вставиться: активное окно пока не приняло клавишу вставки. Проверьте, прежде чем повторять.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>Фраза, возможно, уже вставлена: другая программа первой прочитала её из буфера обмена. Проверьте, прежде чем повторять.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>Ничего не вставлено: буфер обмена недоступен (его заняла другая программа или не отвечает программа, которой принадлежит его содержимое).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>На этом рабочем столе доступны только окна программ X11: причина указана в окне «Параметры».</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma не позволяет этой копии Zem Scrivlet вводить текст в другие программы: как это разрешить, указано в окне «Параметры».</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>Сочетания клавиш заработают, когда станут пользовательскими сочетаниями клавиш GNOME: их можно добавить в окне «Параметры».</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>Сочетания клавиш будут работать в программах Wayland, когда %1 их назначит: нужные строки перечислены в окне «Параметры».</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>Сочетания клавиш будут работать в программах Wayland, когда рабочий стол их назначит: нужные команды перечислены в окне «Параметры».</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME выполняет это сочетание клавиш, только когда оно входит в его пользовательские сочетания клавиш: после «ОК» откройте «Настройка › Параметры» и нажмите «Добавить в GNOME».</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 выполняет это сочетание клавиш во всех программах, когда оно назначено: после «ОК» строку, которую нужно добавить в конфигурацию %1, можно найти в разделе «Настройка › Параметры».</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Этот рабочий стол не выполняет сочетания клавиш программ: после «ОК» команду, которую нужно назначить этому сочетанию клавиш в настройках клавиатуры рабочего стола, можно найти в разделе «Настройка › Параметры».</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Параметры…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: сочетания клавиш приостановлены</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>Папка %1 принадлежит не только вам: её создал другой пользователь, или другие пользователи могут в неё записывать. Поэтому Zem Scrivlet хранит свой канал в папке, принадлежащей только вам; попросите администратора разобраться в этом.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>Активное окно запущено от имени администратора: фраза заменила содержимое буфера обмена. Нажмите Ctrl+V, чтобы вставить её.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>Фраза ещё может появиться: активное окно не ответило вовремя. Проверьте, прежде чем повторять.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>Ничего не вставлено: активное окно ещё не приняло ранее вставленную фразу, и она по-прежнему в буфере обмена.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>Не удалось восстановить содержимое буфера обмена: окно, в которое вставлялась фраза, так и не приняло её.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>«%1» уже существует.

Заменить?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (есть у «%2»)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>Не удалось подготовить страницу: нет доступа на запись в папку %1.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>Не удалось запустить браузер, чтобы показать страницу. Откройте её сами:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>Не скопировано</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>Не скопировано: буфер обмена занят другой программой.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>Не скопировано: не удалось записать в буфер обмена.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Активно собственное окно Zem Scrivlet: переключитесь в окно, куда нужно вставить фразу, и повторите попытку.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>поиска по истории в терминалах и оболочках, перезагрузки страницы в браузерах</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>открытия новой вкладки в браузерах и терминалах</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>закрытия вкладки или окна, удаления слова в терминалах</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>создания нового окна или документа</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>поиска текста</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>сохранения</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>перехода в адресную строку в браузерах, очистки экрана в терминалах</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>Другие программы используют это сочетание для %1.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 открывает список выбора.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 показывает или скрывает это окно.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>Также заняты сочетания клавиш ваших фраз: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>Когда эти клавиши назначены, рабочий стол выполняет их для Zem Scrivlet и забирает у всех остальных программ:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet забирает эти клавиши у всех остальных программ:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>Если они нужны вам там, выберите другие клавиши в окне «Параметры».</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>Поиск по названиям, сочетаниям клавиш, сокращениям и текстам.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Сокращение</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Отменить удаление</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>Добавьте первую фразу: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>Нет фраз, соответствующих «%1».</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>Фраза «%1» удалена.</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>Сочетание клавиш %1 теперь принадлежит фразе «%2».</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>Сочетание клавиш %1 теперь открывает список выбора или окно.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>Сокращение «%1» теперь принадлежит фразе «%2».</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>Фраза «%1» восстановлена.</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>Фраза «%1» восстановлена без того, что теперь есть у другой фразы.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>Указана в командной строке (--data-dir) для этого запуска.</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>Папка, выбранная для вашего списка фраз, %1, принадлежит другому пользователю или доступна через его ссылку. Ваши фразы хранятся в обычной папке, %2, пока вы не выберете другую в окне «Параметры».</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>Папки вашего списка фраз, %1, нет на месте (диск ещё не подключён?). Пока она не появится, ничего не сохраняется; ваши фразы появятся вместе с ней.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Папка данных</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>Не удалось запомнить новую папку в %1. Ваши фразы остаются в %2.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 — не папка.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>Папка %1 принадлежит другому пользователю или доступна через его ссылку: ваши фразы там не хранятся.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>Не удалось записать ваши фразы в %1. Они остаются там, где были, в %2.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>В %1 уже был список фраз: он объединён с вашим, и теперь ваши фразы хранятся там.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>Теперь ваши фразы хранятся в %1.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>Файл из %1 сохранён в %2.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>Не удалось удалить старый файл %1; он больше не используется.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>Изменены здесь и в другом месте: %1. Другая версия каждой добавлена выключенной.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>Удалены здесь, но изменены в другом месте, поэтому сохранены: %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>Без сочетания клавиш, которое есть у другой фразы: %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>Без сокращения, которое есть у другой фразы: %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>Файл фраз изменён так, что его невозможно прочитать. Ваши фразы остаются как есть и будут сохранены при следующем изменении; содержимое файла сохранено в %1.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (изменена в другом месте)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>Список фраз обновлён из его файла.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>Программа синхронизации оставила рядом с вашим списком фраз другую его версию: %1. Объединить её с вашим списком? Затем она будет перемещена в папку резервных копий.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>Программа синхронизации оставила рядом с вашим списком фраз %n другую его версию: %1. Объединить их с вашим списком? Затем каждая будет перемещена в папку резервных копий.</numerusform>
            <numerusform>Программа синхронизации оставила рядом с вашим списком фраз %n другие его версии: %1. Объединить их с вашим списком? Затем каждая будет перемещена в папку резервных копий.</numerusform>
            <numerusform>Программа синхронизации оставила рядом с вашим списком фраз %n других его версий: %1. Объединить их с вашим списком? Затем каждая будет перемещена в папку резервных копий.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>Программа синхронизации оставила другую версию вашего списка фраз: %1. Откройте окно, чтобы объединить её.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>Не удалось объединить: %1. Они остаются на месте.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>Объединено с вашим списком; копия перемещена в %1.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>%n версия объединена с вашим списком и перемещена в %1.</numerusform>
            <numerusform>%n версии объединены с вашим списком и перемещены в %1.</numerusform>
            <numerusform>%n версий объединено с вашим списком и перемещено в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>Ничего не введено: %1 вставляет фразу с именем %2, а такой фразы нет.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>Ничего не введено: эти фразы по кругу вставляют друг друга: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>Ничего не введено: глубина вложения фраз друг в друга больше %1: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>Ничего не введено: поля не заполнены.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>Имя, текст и сокращение (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Фразы Zem Scrivlet, Espanso или Beeftext (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Файл совпадений Espanso (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Экспорт Beeftext (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Эта сборка программы не умеет читать файлы Espanso.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>Новые фразы не импортированы.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>Импортирована %n новая фраза.</numerusform>
            <numerusform>Импортированы %n новые фразы.</numerusform>
            <numerusform>Импортировано %n новых фраз.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>%n запись не импортирована, так как эта программа не умеет делать то, что она делает:</numerusform>
            <numerusform>%n записи не импортированы, так как эта программа не умеет делать то, что они делают:</numerusform>
            <numerusform>%n записей не импортировано, так как эта программа не умеет делать то, что они делают:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Вставки</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Экономия</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>Сколько раз фраза была вставлена</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>Символы, которые не пришлось вводить: длина фразы минус введённое для неё сокращение</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>Сэкономлено символов: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>Вставлено фраз: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>Ничего не введено: фразы, которые вставляет %1, дали бы слишком длинный текст.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>Ничего не введено: пока запрашивались поля, вы работали в другом окне, поэтому сокращение, возможно, уже не там, где находится текстовый курсор.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>Ничего не введено: %1 запрашивает больше %2 полей — больше, чем помещается в одном окне.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>Не удалось зарегистрировать %n сочетание клавиш, среди них: %1</numerusform>
            <numerusform>Не удалось зарегистрировать %n сочетания клавиш, среди них: %1</numerusform>
            <numerusform>Не удалось зарегистрировать %n сочетаний клавиш, среди них: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>Изменение фразы</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>Добавление фразы</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>Одна строка или несколько. Чтобы начать новую строку, нажмите Enter. Пустые строки сохраняются.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>Включить эту фразу</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Необязательно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>Введите текст фразы.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>Текст слишком длинный. Допускается не более 100&#xa0;000 символов.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>Этот текст уже есть в вашем списке. Повторяющиеся фразы не допускаются.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>Это сочетание клавиш уже используется.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Нажмите клавишу с Ctrl, Alt, Shift или Win либо функциональную клавишу, чтобы быстро вводить эту фразу. Оставьте поле пустым, чтобы вставлять фразу через список выбора.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>Не заполнитель: вводится как есть.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Сокращение</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>Необязательно, например ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>Введите эти символы в любой программе, и фраза заменит их.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Заполнители</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>При вставке фразы подставлять {date}, {time}, {date:FORMAT}, {clipboard} и {cursor}. {{ и }} обозначают фигурные скобки.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>Сокращение: от 1 до 32 символов, без пробелов.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>У другой фразы уже есть это сокращение.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>Оно показывает или скрывает главное окно.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>Оно открывает список выбора.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Оно принадлежит фразе «%1».</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Повторять регистр</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>Если сокращение введено с заглавной буквы (;Sig), фраза начинается с заглавной; если оно введено заглавными (;SIG), фраза вставляется заглавными буквами.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>Список выбора</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Параметры списка выбора</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>Непрозрачность: %1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>Поиск фраз</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>Чтобы вставить строку, щелкните ее или нажмите Enter. Чтобы закрыть список, нажмите Esc или еще раз нажмите то же сочетание клавиш.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>Нет подходящих фраз</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>Импортирована %n новая фраза.</numerusform>
            <numerusform>Импортировано %n новые фразы.</numerusform>
            <numerusform>Импортировано %n новых фраз.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>Пропущена %n фраза: такой же текст уже есть в вашем списке.</numerusform>
            <numerusform>Пропущено %n фразы: такой же текст уже есть в вашем списке.</numerusform>
            <numerusform>Пропущено %n фраз: такой же текст уже есть в вашем списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n фраза импортирована без сокращения, так как оно уже есть у другой фразы.</numerusform>
            <numerusform>%n фразы импортированы без сокращения, так как оно уже есть у другой фразы.</numerusform>
            <numerusform>%n фраз импортировано без сокращения, так как оно уже есть у другой фразы.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n запись не импортирована:</numerusform>
            <numerusform>%n записи не импортированы:</numerusform>
            <numerusform>%n записей не импортировано:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…и еще %n запись</numerusform>
            <numerusform>…и еще %n записи</numerusform>
            <numerusform>…и еще %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>Фразы импортированы, но сохранить файл данных не удалось.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>Эта сборка программы не умеет читать файлы Espanso.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>Файл не является читаемым файлом совпадений (%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>Этот файл нельзя импортировать. Импортировать можно резервную копию, файл совпадений Espanso, JSON или CSV из Beeftext либо CSV с именем, текстом и сокращением.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Запускать вместе с Windows</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>При запуске сворачивать в область уведомлений</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>Показать/скрыть главное окно</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>Открыть список выбора</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>Порядок в списке выбора</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>Нажмите сочетание клавиш</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>Уже используется другой программой. Задайте сочетание клавиш заново.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>При нажатии этого сочетания клавиш рядом с текстовым курсором появляется список выбора. Чтобы вставить строку, щелкните ее или нажмите Enter. Чтобы закрыть список, нажмите Esc или еще раз нажмите это сочетание клавиш.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>Сначала недавно использованные</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>Как в списке фраз</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>Добавьте Ctrl, Alt, Shift или Win, чтобы не перехватывать нажатия отдельных букв.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>Для этих двух команд нужны разные сочетания клавиш.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>Это сочетание клавиш уже назначено фразе.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>Способ вставки…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>Раскрытие сокращений</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Сразу</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>После пробела, Tab, Enter или знака препинания</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>Оно принадлежит фразе «%1».</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Папка данных</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>Параметры списка выбора</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
