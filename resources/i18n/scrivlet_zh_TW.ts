<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>有兩條規則指定了「%1」。請只保留一條。</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>請按一下該應用程式的一個視窗。按滑鼠右鍵可停止。</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>未選取任何視窗。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>設定片語如何輸入到各個應用程式。應用程式以視窗類別或程式檔案來指定，與「選取視窗」顯示的一致。終端機有自己的規則，可以變更，但不能移除。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>輸入方式</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>選取視窗</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>僅按鍵輸入</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>以 Ctrl+V 貼上</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>以 Ctrl+Shift+V 貼上</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>以 Shift+Insert 貼上</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>永不在此插入</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Zem Scrivlet 內建的規則之一。可為其選擇其他方式，或按「移除」還原為預設方式。</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>在此不使用縮寫</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>快速鍵、選擇器和浮動面板仍會在此輸入片語；在此輸入的縮寫保持原樣，不會展開。適用於 Zem Scrivlet 無法辨識其密碼欄位的程式。</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet 已在執行，其片語清單位於 %1，因此無法同時使用 %2。請先結束正在執行的執行個體，或移除 --data-dir。</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>資料夾 %1 無法存放片語清單：無法建立或寫入該資料夾，或者它不屬於您。</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>無法在此綁定：%1（此處沒有名稱的按鍵，或名稱中含有控制字元）</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>填寫「%1」</translation>
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
        <translation>面板設定</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>隱藏面板</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度：%1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>列按鈕</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>顯示「複製」</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>顯示「輸入」</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>每個片語最多顯示行數</translation>
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
        <translation>貼齊螢幕邊緣</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>繼續快速鍵</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>暫停快速鍵</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>尚無片語</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>快速鍵已暫停：請繼續快速鍵後再輸入。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>其觸發詞是規則運算式</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>它沒有觸發詞</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>其觸發詞含有空格或超過 32 個字元</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>它會執行命令或指令碼</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>它透過表單、清單或隨機選擇來詢問</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>它會插入圖片</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>其文字是 HTML 或 Markdown</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>它使用了其他項目或全域變數</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>它使用了此處沒有對應項的變數</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>其日期格式中有此處沒有對應項的部分</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>其日期位移不是整數分鐘</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>另一個檔案，未讀取：請單獨匯入</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>其寫法不符合預期</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>它沒有文字</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>其文字會過大</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>其日期位移過遠</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>請按下快速鍵</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>在此鍵盤配置下，%1 會輸入「%2」：若用作快速鍵，所有程式都將無法輸入該字元。</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>在此鍵盤配置下，AltGr 加此鍵會輸入「%2」。在 Windows 上 AltGr 即 Ctrl+Alt，因此 %1 會使該字元無法輸入。</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V、Ctrl+Shift+V、Shift+Insert 和 Ctrl+Insert 在所有程式中用於貼上和複製。請選擇其他快速鍵。</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>請加上 Ctrl、Alt、Shift 或 Win，以免單一字母鍵遭到攔截。</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>僅搭配 Shift 時，此鍵在所有程式中用於輸入或選取文字。請加上 Ctrl、Alt 或 Win。</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>在此鍵盤配置下，%1 會輸入「%2」：若用作快速鍵，所有程式都將無法輸入該字元。請選擇其他快速鍵。</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 已被其他程式占用</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1（所有程式中用於貼上的按鍵）</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1（不搭配 Ctrl、Alt、Shift 或 Win 會使該鍵無法用於輸入）</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1（僅搭配 Shift 會使該鍵無法用於輸入）</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1（在此鍵盤配置下會輸入「%2」）</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>快捷鍵 %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
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
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>片語備份 (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>無法寫入檔案。</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>片語已匯出。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>片語已匯入，但無法儲存資料檔。這些片語會在您下次變更時一併儲存。</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>片語已匯入。</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>沒有匯入任何新片語。

以下片語已略過，因為清單中已有相同的文字：
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>程式並未結束，只是最小化到通知區域。快速鍵和選擇器仍可插入文字。</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>不要再顯示此訊息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>關於 Zem Scrivlet</translation>
    </message>
    <message>
        <source>Zem Scrivlet 3.2</source>
        <translation>Zem Scrivlet 3.2</translation>
    </message>
    <message>
        <source>Copyright © Vantok %1</source>
        <translation>著作權所有 © Vantok %1</translation>
    </message>
    <message>
        <source>Could not change the start-up entry.</source>
        <translation>無法變更啟動項目。</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>無法註冊快速鍵：%1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>搜尋名稱、快速鍵或文字</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>On</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
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
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>設定(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>選項(&amp;O)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>繼續快速鍵</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>暫停快速鍵</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>狀態列(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>浮動面板(&amp;F)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>藍綠</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>檢視說明</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>聯絡我們</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>關於 Zem Scrivlet...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>顯示主視窗</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>浮動面板</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>目標視窗未接受文字。</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>選擇器</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>請先選取一個片語。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…還有 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>已匯入 %n 個新片語。

以下片語已略過，因為清單中已有相同的文字：
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>已從 3.0 版匯入 %n 個片語。</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>前景視窗未及時回應。</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>前景文字欄位為唯讀。</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>前景文字欄位是密碼欄位：片語不會輸入到密碼欄位中。</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>前景文字欄位只接受單行，而此片語有多行。</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>未輸入任何內容：快速鍵按住太久。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>無法還原您原本的剪貼簿內容。</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>您原本的剪貼簿內容有一部分未能保留。</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet 無法開啟讓之後啟動時找到此執行個體的通道（可能被其他程式占用）：再次啟動 Zem Scrivlet 將會開啟第二個執行個體。</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>其他程式占用了此快速鍵，因此它在這裡沒有作用。請關閉該程式或選擇其他快速鍵。</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>片語不會輸入到 %1：這是其在「選項」的「應用程式」中的規則所設定的。</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>快速鍵已暫停。</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>沒有可供輸入的視窗系統。</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>該片語已不存在。</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>沒有名為「%1」的已啟用片語。</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>此 Zem Scrivlet 不認識命令「%1」：它的版本比傳送該命令的版本舊。</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>這是 Wayland 桌面，Zem Scrivlet 在此透過 XWayland 運作：它的快速鍵和片語只能到達 X11 程式的視窗，無法到達 Wayland 程式的視窗。</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Wayland 桌面：片語透過 Zem Scrivlet 自己的虛擬鍵盤送入 Wayland 程式，透過 XWayland 送入 X11 程式。</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>此桌面不允許背景程式使用剪貼簿：片語只會輸入，不會貼上。</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>此桌面沒有全域快捷鍵：請綁定下方的命令。</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>以下片語已匯入，但未帶縮寫，因為其他片語已在使用該縮寫：
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>此桌面不允許任何程式讀取在其他程式中按下的鍵，因此縮寫在此無法展開。請使用快速鍵或選擇器。</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>加入 GNOME</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>從 GNOME 移除</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma 只允許已安裝的 Zem Scrivlet 向其他程式輸入。請執行已安裝的程式，或在 ~/.local/share/applications 中將此程式加入一個桌面項目（.desktop 檔案），其 Exec 行為 %1，並包含 %2 這一行。</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Plasma 桌面：片語透過 KWin 以您的鍵盤配置輸入；若配置缺少某個字元，則改為貼上。</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>快速鍵由 Plasma 的快速鍵服務管理。</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>GNOME 桌面：若您的鍵盤配置包含所需字元，片語會透過 GNOME 合成器的遠端桌面工作階段輸入，否則改為貼上。GNOME 不告知哪個視窗在前景，因此依應用程式設定的規則不適用於 Wayland 程式。</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma 不告知哪個視窗在前景：依應用程式設定的規則不適用。</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME 不允許任何程式註冊快速鍵：請在下方將它們加入為 GNOME 自訂快捷鍵。</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet：開啟選擇器</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet：顯示/隱藏視窗</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>已將 %n 個快速鍵加入為 GNOME 自訂快捷鍵。</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>無法寫入 GNOME 的快速鍵：%1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>已移除 Zem Scrivlet 的 GNOME 自訂快捷鍵。</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>無法移除 GNOME 的快速鍵：%1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>片語可能仍會被貼上：前景視窗尚未接收貼上鍵。請先查看，再重試。</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>片語可能已被貼上：另一個程式先從剪貼簿讀取了它。請先查看，再重試。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>未貼上任何內容：無法取得剪貼簿（其他程式正占用它，或剪貼簿內容所屬的程式沒有回應）。</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>在此桌面上只能到達 X11 程式的視窗：原因請見「選項」。</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma 不允許此 Zem Scrivlet 副本向其他程式輸入：如何允許，請見「選項」。</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>快速鍵須成為 GNOME 自訂快捷鍵才能運作：可在「選項」中加入。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>由 %1 綁定後，快速鍵即可作用於 Wayland 程式：「選項」中列出了所需的行。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>由桌面綁定後，快速鍵即可作用於 Wayland 程式：「選項」中列出了所需的命令。</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>此快速鍵須成為 GNOME 自訂快捷鍵，GNOME 才會執行它：按「確定」後，請在「設定 › 選項」中按「加入 GNOME」。</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 綁定此快速鍵後，它在所有程式中都會生效：按「確定」後，「設定 › 選項」中會列出需加入 %1 設定的行。</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>此桌面不執行任何程式的快速鍵：按「確定」後，「設定 › 選項」中會列出需在桌面鍵盤設定中綁定到此快速鍵的命令。</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>選項…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet：快速鍵已暫停</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>資料夾 %1 並非僅屬於您：它由其他使用者建立，或其他使用者可以寫入。因此 Zem Scrivlet 改為將其通道放在只屬於您的資料夾中；請洽管理員檢查此問題。</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>前景視窗以系統管理員身分執行：片語已取代您的剪貼簿內容。請按 Ctrl+V 貼上。</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>片語可能仍會送達：前景視窗未及時回應。請先查看，再重試。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>未貼上任何內容：前景視窗尚未接收先前貼上的片語，該片語仍在剪貼簿中。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>無法還原您原本的剪貼簿內容：貼上片語的視窗仍未接收該片語。</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>「%1」已存在。

要取代它嗎？</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1（已被「%2」使用）</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>無法準備頁面：無法寫入資料夾 %1。</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>無法啟動瀏覽器來顯示頁面。請自行開啟：
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>未複製</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>未複製：其他程式正占用剪貼簿。</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>未複製：無法設定剪貼簿。</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Zem Scrivlet 自己的視窗在前景：請切換到要輸入片語的視窗，然後再試一次。</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>在終端機和 shell 中搜尋歷史記錄、在瀏覽器中重新整理頁面</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>在瀏覽器和終端機中開新分頁</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>關閉分頁或視窗、在終端機中刪除單字</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>開新視窗或文件</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>尋找文字</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>在瀏覽器中跳至網址列、在終端機中清除畫面</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>其他程式用此組合鍵來%1。</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 開啟選擇器。</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 顯示或隱藏此視窗。</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>您片語的快速鍵也會被占用：%1。</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>這些按鍵綁定後，桌面會為 Zem Scrivlet 執行它們，其他所有程式將無法再使用：</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet 會占用這些按鍵，其他所有程式將無法使用：</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>如果在其他程式中需要它們，請在「選項」中選擇其他按鍵。</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>變更按鍵…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>我知道了</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>搜尋名稱、快速鍵、縮寫和文字。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>縮寫</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>復原刪除</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>新增您的第一個片語：%1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>沒有符合「%1」的片語。</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>已刪除「%1」。</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>其快速鍵 %1 現已屬於「%2」。</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>其快速鍵 %1 現用於開啟選擇器或視窗。</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>其縮寫「%1」現已屬於「%2」。</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>已還原「%1」。</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>已還原「%1」，但不包括其他片語現在使用的內容。</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>本次執行由命令列 (--data-dir) 指定。</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>為片語清單選擇的資料夾 %1 屬於其他使用者，或需透過其他使用者的連結才能到達。在您於「選項」中另選資料夾之前，您的片語會儲存在一般資料夾 %2 中。</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>片語清單所在的資料夾 %1 不存在（磁碟機尚未連接？）。在它出現之前不會儲存任何內容；它出現後您的片語就會顯示。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>資料存放資料夾</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>無法在 %1 中記下新資料夾。您的片語仍保留在 %2 中。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是資料夾。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>資料夾 %1 屬於其他使用者，或需透過其他使用者的連結才能到達：您的片語不會儲存在那裡。</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>無法將您的片語寫入 %1。它們仍保留在原處 %2。</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>%1 中已有一份片語清單：已將其與您的清單合併，您的片語現在儲存在那裡。</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>您的片語現在儲存在 %1 中。</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>來自 %1 的檔案已保留在 %2 中。</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>無法移除舊檔案 %1；它已不再使用。</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>在此處和別處皆有變更：%1。已加入各自的另一個版本，處於停用狀態。</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>在此處已刪除但在別處有變更，因此保留：%1。</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>因其他片語已在使用其快速鍵而不帶快速鍵：%1。</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>因其他片語已在使用其縮寫而不帶縮寫：%1。</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>片語檔案被變更為無法讀取的內容。您的片語保持不變，並會在您下次變更時儲存；檔案原有內容已保留在 %1 中。</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1（已在別處變更）</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>已從檔案更新片語清單。</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>暫不</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>同步程式在您的片語清單旁留下了另一個版本：%1。要將其合併到您的清單中嗎？合併後它會被移至備份資料夾。</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>同步程式在您的片語清單旁留下了 %n 個其他版本：%1。要將它們合併到您的清單中嗎？合併後每個版本都會被移至備份資料夾。</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>同步程式留下了您的片語清單的另一個版本：%1。請開啟視窗進行合併。</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>以下項目無法合併：%1。它們保留在原處。</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>已合併到您的清單中；該複本已移至 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>已將 %n 個版本合併到您的清單中；它們已移至 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>未輸入任何內容：%1 會插入名為 %2 的片語，但該片語不存在。</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>未輸入任何內容：這些片語循環互相插入：%1。</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>未輸入任何內容：片語巢狀插入超過 %1 層：%2。</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>未輸入任何內容：未填寫欄位。</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>匯出為 CSV</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>名稱、文字和縮寫 (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Zem Scrivlet、Espanso 或 Beeftext 的片語 (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Espanso 比對檔 (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Beeftext 匯出檔 (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>此版本無法讀取 Espanso 檔案。</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>沒有匯入任何新片語。</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>已匯入 %n 個新片語。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>有 %n 個項目未匯入，因為本程式無法做到它們所做的事：</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>次數</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>節省</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>片語被輸入的次數</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>您不必輸入的字元數：片語長度減去為其輸入的縮寫長度</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>重設統計</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>節省的字元數：%1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>片語輸入次數：%1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>未輸入任何內容：%1 插入的片語會產生過長的文字。</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>未輸入任何內容：在要求填寫欄位期間，您在另一個視窗中進行了操作，因此縮寫可能已不在文字游標所在的位置。</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>未輸入任何內容：%1 要求填寫超過 %2 個欄位，超出一個視窗所能容納的數量。</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>無法註冊 %n 個快速鍵，其中包括：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>編輯片語</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>新增片語</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>可輸入一行或多行。按 Enter 鍵換行。空白行會保留。</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>啟用此片語</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>選填</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>請填寫要輸入的文字。</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>文字太長。請控制在 100,000 個字元以內。</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>清單中已有此文字。不允許新增重複的片語。</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>此快速鍵已被使用。</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>按 Ctrl、Alt、Shift 或 Win 加一個鍵，或按一個功能鍵，用於快速輸入此片語。留空則使用選擇器。</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>不是預留位置：將依原樣輸入。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>縮寫</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>選填，例如 ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>在任何程式中輸入這些字元，片語就會取代它們。</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>預留位置</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>插入片語時填入 {date}、{time}、{date:FORMAT}、{clipboard} 和 {cursor}。{{ 和 }} 代表大括號。</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>縮寫須為 1 到 32 個字元，且不含空格。</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>其他片語已在使用此縮寫。</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>它用於顯示或隱藏主視窗。</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>它用於開啟選擇器。</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>它屬於「%1」。</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>跟隨大小寫</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>縮寫以首字大寫輸入（;Sig）時，片語以大寫字母開頭；全部大寫輸入（;SIG）時，片語以全大寫輸入。</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>選擇器</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>選擇器設定</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度：%1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>搜尋片語</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>按一下某一行或按 Enter 鍵即可插入。按 Esc 鍵或再按一次此快速鍵即可關閉。</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>沒有相符的片語</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>已匯入 %n 個新片語。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>已略過 %n 個：清單中已有相同的文字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n 個已匯入但未帶縮寫，因為其他片語已在使用該縮寫。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n 個未匯入：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…還有 %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>片語已匯入，但無法儲存資料檔。</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>此版本無法讀取 Espanso 檔案。</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>此檔案不是可讀取的比對檔（%1）。</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>無法匯入此檔案。可匯入的檔案有：備份、Espanso 比對檔、Beeftext 的 JSON 或 CSV，或包含名稱、文字和縮寫的 CSV。</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>無法讀取檔案。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>隨 Windows 啟動</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>啟動時最小化到通知區域</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>顯示/隱藏主視窗</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>開啟選擇器</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>選擇器排序</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>請按下快速鍵</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>已被其他程式占用。請重新設定此快速鍵。</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>按下此快速鍵，選擇器就會出現在文字游標旁。按一下某一行或按 Enter 鍵即可插入。按 Esc 鍵或再按一次此快速鍵即可關閉。</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>最近使用的排在最前面</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>保持清單順序</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>請加上 Ctrl、Alt、Shift 或 Win，以免單一字母鍵遭到攔截。</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>這兩個命令需要使用不同的快速鍵。</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>此快速鍵已被某個片語使用。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>輸入方式…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>縮寫展開</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>立即</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>輸入空格、Tab、Enter 或標點後</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>它屬於「%1」。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>資料存放資料夾</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>變更…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>選擇器設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
</TS>
