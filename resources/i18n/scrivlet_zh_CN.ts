<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>有两条规则指定了“%1”。请只保留一条。</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>请单击该应用程序的一个窗口。右键单击可停止。</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>未选择任何窗口。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>设置短语如何输入到各个应用程序。应用程序按窗口类或程序文件来指定，与“选择窗口”显示的一致。终端有自己的规则，可以更改，但不能移除。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>输入方式</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>选择窗口</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>仅按键输入</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>用 Ctrl+V 粘贴</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>用 Ctrl+Shift+V 粘贴</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>用 Shift+Insert 粘贴</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>从不在此插入</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Zem Scrivlet 自带的规则之一。可为其选择其他方式，或单击“移除”恢复其默认方式。</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>在此不使用缩写</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>快捷键、选择器和浮动面板仍会在此输入短语；在此键入的缩写保持原样，不会展开。适用于 Zem Scrivlet 无法识别其密码框的程序。</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet 已在运行，其短语列表位于 %1，因此无法同时使用 %2。请先退出正在运行的实例，或去掉 --data-dir。</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>文件夹 %1 无法存放短语列表：无法创建或写入该文件夹，或者它不属于您。</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>无法在此绑定：%1（此处没有名称的按键，或名称中含有控制字符）</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>填写“%1”</translation>
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
        <translation>面板设置</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>隐藏面板</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度：%1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>行按钮</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>显示“复制”</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>显示“输入”</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>每条短语最多显示行数</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 行</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2 行</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3 行</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>吸附到屏幕边缘</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>恢复快捷键</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>暂停快捷键</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>还没有短语</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>快捷键已暂停：请恢复快捷键后再输入。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>其触发词是正则表达式</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>它没有触发词</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>其触发词含有空格或超过 32 个字符</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>它会运行命令或脚本</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>它通过表单、列表或随机选择来询问</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>它会插入图片</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>其文本是 HTML 或 Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>它使用了其他条目或全局变量</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>它使用了此处没有对应项的变量</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>其日期格式中有此处没有对应项的部分</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>其日期偏移不是整数分钟</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>另一个文件，未读取：请单独导入</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>其写法不符合预期</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>它没有文本</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>其文本会过大</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>其日期偏移过远</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>请按下快捷键</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>在此键盘布局下，%1 会输入“%2”：若用作快捷键，所有程序中都将无法输入该字符。</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>在此键盘布局下，AltGr 加此键会输入“%2”。在 Windows 上 AltGr 即 Ctrl+Alt，因此 %1 会使该字符无法输入。</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V、Ctrl+Shift+V、Shift+Insert 和 Ctrl+Insert 在所有程序中用于粘贴和复制。请选择其他快捷键。</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>请加上 Ctrl、Alt、Shift 或 Win，以免单个字母键被占用。</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>仅带 Shift 时，此键在所有程序中用于输入或选择文本。请加上 Ctrl、Alt 或 Win。</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>在此键盘布局下，%1 会输入“%2”：若用作快捷键，所有程序中都将无法输入该字符。请选择其他快捷键。</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 已被其他程序占用</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1（所有程序中用于粘贴的键）</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1（不带 Ctrl、Alt、Shift 或 Win 会使该键无法用于输入）</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1（仅带 Shift 会使该键无法用于输入）</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1（在此键盘布局下会输入“%2”）</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>快捷键 %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>短语备份 (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>短语已导出。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>短语已导入，但无法保存数据文件。这些短语将在您下次更改时一并保存。</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>短语已导入。</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>未导入任何新短语。

以下短语已跳过，因为列表中已有相同的文本：
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>程序并未退出，只是最小化到了通知区域。快捷键和选择器仍可插入文本。</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>不再显示此提示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>关于 Zem Scrivlet</translation>
    </message>
    <message>
        <source>Zem Scrivlet 3.2</source>
        <translation>Zem Scrivlet 3.2</translation>
    </message>
    <message>
        <source>Copyright © Vantok %1</source>
        <translation>版权所有 © Vantok %1</translation>
    </message>
    <message>
        <source>Could not change the start-up entry.</source>
        <translation>无法更改启动项。</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>无法注册快捷键：%1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>搜索名称、快捷键或文本</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>On</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>设置(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>恢复快捷键</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>暂停快捷键</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>浮动面板(&amp;F)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青绿</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>关于 Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>显示主窗口</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>浮动面板</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>目标窗口未接受文本。</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>选择器</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>请先选择一个短语。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…还有 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>已导入 %n 个新短语。

以下短语已跳过，因为列表中已有相同的文本：
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>已从 3.0 版导入 %n 个短语。</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>前台窗口未及时响应。</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>前台文本框为只读。</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>前台文本框是密码框：短语不会输入到密码框中。</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>前台文本框只接受单行，而此短语有多行。</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>未输入任何内容：快捷键按住时间过长。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>无法恢复您原来的剪贴板内容。</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>您原来的剪贴板内容有一部分未能保留。</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet 无法打开供之后启动时找到此实例的通道（可能被其他程序占用）：再次启动 Zem Scrivlet 将会打开第二个实例。</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>其他程序占用了此快捷键，因此它在这里不起作用。请关闭该程序或选择其他快捷键。</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>短语不会输入到 %1：这是其在“选项”的“应用程序”中的规则所设定的。</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>快捷键已暂停。</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>没有可供输入的窗口系统。</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>该短语已不存在。</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>没有名为“%1”的已启用短语。</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>此 Zem Scrivlet 不认识命令“%1”：它的版本比发送该命令的版本旧。</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>这是 Wayland 桌面，Zem Scrivlet 在此通过 XWayland 工作：它的快捷键和短语只能到达 X11 程序的窗口，无法到达 Wayland 程序的窗口。</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Wayland 桌面：短语通过 Zem Scrivlet 自己的虚拟键盘送入 Wayland 程序，通过 XWayland 送入 X11 程序。</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>此桌面不允许后台程序使用剪贴板：短语只会键入，不会粘贴。</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>此桌面没有全局快捷键：请绑定下面的命令。</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>以下短语已导入，但未带缩写，因为其他短语已在使用该缩写：
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>此桌面不允许任何程序读取在其他程序中按下的键，因此缩写在此无法展开。请使用快捷键或选择器。</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>添加到 GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>从 GNOME 移除</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma 只允许已安装的 Zem Scrivlet 向其他程序输入。请运行已安装的程序，或在 ~/.local/share/applications 中将此程序添加到一个桌面项（.desktop 文件），其 Exec 行为 %1，并包含 %2 这一行。</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Plasma 桌面：短语通过 KWin 按您的键盘布局键入；若布局缺少某个字符，则改为粘贴。</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>快捷键由 Plasma 的快捷键服务管理。</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>GNOME 桌面：若您的键盘布局包含所需字符，短语通过 GNOME 合成器的远程桌面会话键入，否则改为粘贴。GNOME 不告知哪个窗口在前台，因此按应用程序设置的规则不适用于 Wayland 程序。</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma 不告知哪个窗口在前台：按应用程序设置的规则不适用。</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME 不允许任何程序注册快捷键：请在下方将它们添加为 GNOME 自定义快捷键。</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet：打开选择器</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet：显示/隐藏窗口</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>已将 %n 个快捷键添加为 GNOME 自定义快捷键。</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>无法写入 GNOME 的快捷键：%1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>已移除 Zem Scrivlet 的 GNOME 自定义快捷键。</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>无法移除 GNOME 的快捷键：%1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>短语可能仍会被粘贴：前台窗口尚未接收粘贴键。请先查看，再重试。</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>短语可能已被粘贴：另一个程序先从剪贴板读取了它。请先查看，再重试。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>未粘贴任何内容：无法获取剪贴板（其他程序正占用它，或剪贴板内容所属的程序没有响应）。</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>在此桌面上只能到达 X11 程序的窗口：原因见“选项”。</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma 不允许此 Zem Scrivlet 副本向其他程序输入：如何允许，请见“选项”。</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>快捷键须成为 GNOME 自定义快捷键才能生效：可在“选项”中添加。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>由 %1 绑定后，快捷键即可作用于 Wayland 程序：“选项”中列出了所需的行。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>由桌面绑定后，快捷键即可作用于 Wayland 程序：“选项”中列出了所需的命令。</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>此快捷键须成为 GNOME 自定义快捷键，GNOME 才会执行它：单击“确定”后，请在“设置 › 选项”中单击“添加到 GNOME”。</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 绑定此快捷键后，它在所有程序中都会生效：单击“确定”后，“设置 › 选项”中会列出需添加到 %1 配置中的行。</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>此桌面不运行任何程序的快捷键：单击“确定”后，“设置 › 选项”中会列出需在桌面键盘设置中绑定到此快捷键的命令。</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>选项…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet：快捷键已暂停</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>文件夹 %1 并非仅属于您：它由其他用户创建，或其他用户可以写入。因此 Zem Scrivlet 改为将其通道放在只属于您的文件夹中；请让管理员检查此问题。</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>前台窗口以管理员身份运行：短语已替换您的剪贴板内容。请按 Ctrl+V 粘贴。</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>短语可能仍会送达：前台窗口未及时响应。请先查看，再重试。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>未粘贴任何内容：前台窗口尚未接收先前粘贴的短语，该短语仍在剪贴板中。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>无法恢复您原来的剪贴板内容：粘贴短语的窗口仍未接收该短语。</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>“%1”已存在。

要替换它吗？</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1（已被“%2”使用）</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>无法准备页面：无法写入文件夹 %1。</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>无法启动浏览器来显示页面。请自行打开：
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>未复制</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>未复制：其他程序正占用剪贴板。</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>未复制：无法设置剪贴板。</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Zem Scrivlet 自己的窗口在前台：请切换到要输入短语的窗口，然后重试。</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>在终端和 shell 中搜索历史记录、在浏览器中刷新页面</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>在浏览器和终端中新建标签页</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>关闭标签页或窗口、在终端中删除单词</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>新建窗口或文档</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>查找文本</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>在浏览器中定位到地址栏、在终端中清屏</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>其他程序用此组合键来%1。</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 打开选择器。</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 显示或隐藏此窗口。</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>您的短语快捷键也会被占用：%1。</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>这些键绑定后，桌面会为 Zem Scrivlet 执行它们，其他所有程序将无法再使用：</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet 会占用这些键，其他所有程序将无法使用：</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>如果在其他程序中需要它们，请在“选项”中选择其他键。</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>更改按键…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>搜索名称、快捷键、缩写和文本。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>缩写</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>撤销删除</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>添加您的第一个短语：%1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>没有与“%1”匹配的短语。</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>已删除“%1”。</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>其快捷键 %1 现已属于“%2”。</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>其快捷键 %1 现用于打开选择器或窗口。</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>其缩写“%1”现已属于“%2”。</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>已恢复“%1”。</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>已恢复“%1”，但不包括其他短语现在使用的内容。</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>本次运行由命令行 (--data-dir) 指定。</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>为短语列表选择的文件夹 %1 属于其他用户，或需通过其他用户的链接才能到达。在您于“选项”中另选文件夹之前，您的短语将保存在常用文件夹 %2 中。</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>短语列表所在的文件夹 %1 不存在（驱动器尚未连接？）。在它出现之前不会保存任何内容；它出现后您的短语就会显示。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>数据文件夹</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>无法在 %1 中记下新文件夹。您的短语仍保留在 %2 中。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>文件夹 %1 属于其他用户，或需通过其他用户的链接才能到达：您的短语不会保存在那里。</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>无法将您的短语写入 %1。它们仍保留在原处 %2。</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>%1 中已有一个短语列表：已将其与您的列表合并，您的短语现在保存在那里。</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>您的短语现在保存在 %1 中。</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>来自 %1 的文件已保留在 %2 中。</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>无法删除旧文件 %1；它已不再使用。</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>在此处和别处均有更改：%1。已添加各自的另一个版本，处于停用状态。</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>在此处已删除但在别处有更改，因此保留：%1。</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>因其他短语已在使用其快捷键而不带快捷键：%1。</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>因其他短语已在使用其缩写而不带缩写：%1。</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>短语文件被更改为无法读取的内容。您的短语保持不变，并将在您下次更改时保存；文件原有内容已保留在 %1 中。</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1（已在别处更改）</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>已从文件更新短语列表。</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>暂不</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>同步程序在您的短语列表旁留下了另一个版本：%1。要将其合并到您的列表中吗？合并后它将被移至备份文件夹。</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>同步程序在您的短语列表旁留下了 %n 个其他版本：%1。要将它们合并到您的列表中吗？合并后每个版本都将被移至备份文件夹。</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>同步程序留下了您的短语列表的另一个版本：%1。请打开窗口进行合并。</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>以下内容无法合并：%1。它们保留在原处。</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>已合并到您的列表中；该副本已移至 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>已将 %n 个版本合并到您的列表中；它们已移至 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>未输入任何内容：%1 会插入名为 %2 的短语，但该短语不存在。</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>未输入任何内容：这些短语循环相互插入：%1。</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>未输入任何内容：短语嵌套插入超过 %1 层：%2。</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>未输入任何内容：未填写字段。</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>导出为 CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>名称、文本和缩写 (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Zem Scrivlet、Espanso 或 Beeftext 的短语 (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Espanso 匹配文件 (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Beeftext 导出文件 (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>此版本无法读取 Espanso 文件。</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>未导入任何新短语。</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>已导入 %n 个新短语。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>有 %n 个条目未导入，因为本程序无法实现它们的功能：</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>节省</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>短语被输入的次数</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>您无需键入的字符数：短语长度减去为其键入的缩写长度</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>节省的字符数：%1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>短语输入次数：%1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>未输入任何内容：%1 插入的短语会生成过长的文本。</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>未输入任何内容：在要求填写字段期间，您在另一个窗口中进行了操作，因此缩写可能已不在文本光标所在的位置。</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>未输入任何内容：%1 要求填写超过 %2 个字段，超出一个窗口所能容纳的数量。</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>无法注册 %n 个快捷键，其中包括：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>编辑短语</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>添加短语</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>可输入一行或多行。按 Enter 键换行。空行会保留。</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>启用此短语</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>请填写要输入的文本。</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>文本太长。请控制在 100,000 个字符以内。</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>列表中已有此文本。不允许添加重复的短语。</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>此快捷键已被使用。</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>按 Ctrl、Alt、Shift 或 Win 加一个键，或按一个功能键，用于快速输入此短语。留空则使用选择器。</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>不是占位符：将按原样输入。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>缩写</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>可选，例如 ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>在任意程序中键入这些字符，短语就会替换它们。</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>占位符</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>插入短语时填入 {date}、{time}、{date:FORMAT}、{clipboard} 和 {cursor}。{{ 和 }} 表示花括号。</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>缩写须为 1 到 32 个字符，且不含空格。</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>其他短语已在使用此缩写。</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>它用于显示或隐藏主窗口。</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>它用于打开选择器。</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>它属于“%1”。</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>跟随大小写</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>缩写以首字母大写键入（;Sig）时，短语以大写字母开头；全部大写键入（;SIG）时，短语以全大写输入。</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>选择器</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>选择器设置</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度：%1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>搜索短语</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>单击某一行或按 Enter 键即可插入。按 Esc 键或再次按下此快捷键即可关闭。</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>没有匹配的短语</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>已导入 %n 个新短语。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>已跳过 %n 个：列表中已有相同的文本。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n 个已导入但未带缩写，因为其他短语已在使用该缩写。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n 个未导入：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>短语已导入，但无法保存数据文件。</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>此版本无法读取 Espanso 文件。</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>该文件不是可读取的匹配文件（%1）。</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>无法导入该文件。可导入的文件有：备份、Espanso 匹配文件、Beeftext 的 JSON 或 CSV，或者包含名称、文本和缩写的 CSV。</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>无法读取文件。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>随 Windows 启动</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>启动时最小化到通知区域</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>显示/隐藏主窗口</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>打开选择器</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>选择器排序</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>请按下快捷键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>已被其他程序占用。请重新设置此快捷键。</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>按下此快捷键，选择器就会出现在文本光标旁边。单击某一行或按 Enter 键即可插入。按 Esc 键或再次按下此快捷键即可关闭。</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>最近使用的排在最前</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>保持列表顺序</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>请加上 Ctrl、Alt、Shift 或 Win，以免单个字母键被占用。</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>这两个命令需要使用不同的快捷键。</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>此快捷键已被某个短语使用。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>输入方式…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>缩写展开</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>立即</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>输入空格、Tab、Enter 或标点后</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>它属于“%1”。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>数据文件夹</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>选择器设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
