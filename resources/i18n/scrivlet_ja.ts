<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>「%1」を指定するルールが 2 つあります。1 つだけ残してください。</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>アプリケーションのウィンドウをクリックしてください。右クリックで中止します。</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>ウィンドウが選択されませんでした。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>各アプリケーションへのフレーズの入れ方です。アプリケーションは、[ウィンドウを選択] で表示されるとおり、ウィンドウ クラスまたはプログラム ファイルで指定します。ターミナルには独自のルールがあり、変更はできますが削除はできません。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>挿入方法</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>ウィンドウを選択</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>キー入力のみ</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Ctrl+V で貼り付け</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Ctrl+Shift+V で貼り付け</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Shift+Insert で貼り付け</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>ここには挿入しない</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Zem Scrivlet 独自のルールです。別の方法を選択するか、[削除] で元の設定に戻してください。</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>ここでは略語を使わない</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>ショートカット、ピッカー、フローティングパネルからは引き続きここにフレーズを挿入します。ここで入力した略語は展開されず、そのまま残ります。Zem Scrivlet がパスワード欄を認識できないプログラム向けです。</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet は既にフレーズ一覧を %1 に置いて実行中のため、%2 を同時に使うことはできません。先に実行中のコピーを終了するか、--data-dir を指定しないでください。</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>フォルダー %1 にはフレーズ一覧を置けません。作成または書き込みができないか、あなたのフォルダーではありません。</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>ここでは割り当てられません: %1（ここで名前のないキー、または名前に制御文字があります）</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>「%1」に入力</translation>
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
        <translation>パネルの設定</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>パネルを隠す</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度: %1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>行のボタン</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>[コピー] を表示</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>[入力] を表示</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>フレーズごとの最大表示行数</translation>
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
        <translation>画面の端に吸着</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>ショートカットを再開</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>ショートカットを一時停止</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>フレーズはまだありません</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>ショートカットは一時停止中です。入力するには再開してください。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>トリガーが正規表現です</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>トリガーがありません</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>トリガーに空白が含まれているか、32 文字を超えています</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>コマンドまたはスクリプトを実行します</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>フォーム、リスト、またはランダム選択で問い合わせます</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>画像を挿入します</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>テキストが HTML または Markdown です</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>別のエントリまたはグローバル変数を使用しています</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>ここに相当するものがない変数を使用しています</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>日付形式に、ここに相当するものがない部分があります</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>日付のオフセットが分単位の整数ではありません</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>別のファイルのため読み込んでいません: 単独でインポートしてください</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>想定どおりに記述されていません</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>テキストがありません</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>テキストが大きくなりすぎます</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>日付のオフセットが離れすぎています</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>ショートカットを押してください</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>このキーボード配列では %1 で「%2」が入力されます。ショートカットにすると、すべてのプログラムでこの文字を入力できなくなります。</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>このキーボード配列では AltGr とこのキーで「%2」が入力されます。AltGr が Ctrl+Alt にあたる Windows では、%1 にするとこの文字を入力できなくなります。</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V、Ctrl+Shift+V、Shift+Insert、Ctrl+Insert はすべてのプログラムで貼り付けとコピーに使われます。別のショートカットを選択してください。</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>文字キーだけでは通常の入力を横取りしてしまうため、Ctrl、Alt、Shift、Win のいずれかを含めてください。</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Shift だけと組み合わせると、このキーはすべてのプログラムで文字の入力や選択に使われます。Ctrl、Alt、Win のいずれかを含めてください。</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>このキーボード配列では %1 で「%2」が入力されます。ショートカットにすると、すべてのプログラムでこの文字を入力できなくなります。別のショートカットを選択してください。</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 は別のプログラムが使用中</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1 (すべてのプログラムで貼り付けに使われるキー)</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1 (Ctrl、Alt、Shift、Win のいずれもないと、このキーで入力できなくなります)</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1 (Shift だけでは、このキーで入力できなくなります)</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1 (このキーボード配列では「%2」が入力されます)</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>ショートカット %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>元に戻す (縮小)</translation>
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
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>フレーズのバックアップ (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>フレーズをエクスポートしました。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>フレーズはインポートされましたが、データ ファイルを保存できませんでした。次回の変更時に保存されます。</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>フレーズをインポートしました。</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>新しいフレーズはインポートされませんでした。

同じテキストが既に一覧にあるため、次のフレーズはスキップされました:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>プログラムは終了していません。通知領域に最小化されただけです。ショートカットとピッカーで引き続きテキストを挿入できます。</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>Zem Scrivlet のバージョン情報</translation>
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
        <translation>自動起動の設定を変更できませんでした。</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>ショートカットを登録できませんでした: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>名前、ショートカット、テキストで検索</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>On</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>設定(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>ショートカットを再開</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>ショートカットを一時停止</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>ステータス バー(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>フローティングパネル(&amp;F)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>ヘルプの表示</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>Zem Scrivlet のバージョン情報...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>メイン ウィンドウを表示</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>フローティングパネル</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>対象ウィンドウがテキストを受け付けませんでした。</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>ピッカー</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>先にフレーズを選択してください。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…ほか %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>%n 件の新しいフレーズをインポートしました。

同じテキストが既に一覧にあるため、次のフレーズはスキップされました:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>バージョン 3.0 から %n 件のフレーズをインポートしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>前面のウィンドウが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>前面の入力欄は読み取り専用です。</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>前面の入力欄はパスワード欄です。パスワード欄にはフレーズを挿入しません。</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>前面の入力欄は 1 行のみですが、このフレーズは複数行です。</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>ショートカットのキーが長く押され続けたため、何も入力しませんでした。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>クリップボードの内容を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>クリップボードの内容の一部を保持できませんでした。</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet は、次回の起動時に実行中のこのコピーを見つけるためのチャネルを開けませんでした (別のプログラムが使用している可能性があります)。Zem Scrivlet をもう一度起動すると、2 つ目のコピーが開きます。</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>このショートカットは別のプログラムが使用しているため、ここでは機能しません。そのプログラムを閉じるか、別のショートカットを選択してください。</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>%1 にはフレーズを挿入しません。[オプション] の [アプリケーション] にあるルールでそう設定されています。</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>ショートカットは一時停止中です。</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>入力先のウィンドウシステムがありません。</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>フレーズはもうありません。</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>「%1」という名前の有効なフレーズはありません。</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>この Zem Scrivlet はコマンド「%1」を知りません。送信したものより古いバージョンです。</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>これは Wayland デスクトップで、Zem Scrivlet は XWayland を介して動作します。ショートカットとフレーズは X11 プログラムのウィンドウにのみ届き、Wayland プログラムのウィンドウには届きません。</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Wayland デスクトップ: フレーズは Zem Scrivlet 独自の仮想キーボードで Wayland のプログラムに、XWayland で X11 のプログラムに届きます。</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>このデスクトップでは、バックグラウンドのプログラムはクリップボードを使えません: フレーズは入力され、貼り付けられることはありません。</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>このデスクトップにはグローバルショートカットがありません: 下のコマンドを割り当ててください。</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>次のフレーズは、略語が既に別のフレーズで使われているため、略語なしでインポートされました:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>このデスクトップでは、ほかのプログラムで押されたキーをどのプログラムも読み取れないため、略語は展開されません。ショートカットかピッカーを使ってください。</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>GNOME に追加</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>GNOME から削除</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma では、ほかのプログラムに入力できるのはインストール済みの Zem Scrivlet だけです。インストール済みのプログラムを実行するか、~/.local/share/applications のデスクトップ エントリ (.desktop ファイル) にこのプログラムを追加してください。そのエントリの Exec 行は %1 とし、%2 の行を含めます。</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Plasma デスクトップ: フレーズは KWin を介してお使いのキーボード配列で入力され、配列にない文字がある場合は貼り付けられます。</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>ショートカットは Plasma のショートカット サービスが管理します。</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>GNOME デスクトップ: フレーズは、キーボード配列に文字がある場合は GNOME のコンポジターのリモート デスクトップ セッションを介して入力され、ない場合は貼り付けられます。GNOME は前面のウィンドウを知らせないため、アプリケーションごとのルールは Wayland のプログラムには適用されません。</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma は前面のウィンドウを知らせません: アプリケーションごとのルールは適用されません。</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME ではどのプログラムもショートカットを登録できません: 下で GNOME のカスタムショートカットとして追加してください。</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: ピッカーを開く</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: ウィンドウの表示/非表示</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>%n 件のショートカットを GNOME のカスタムショートカットにしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>GNOME のショートカットを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Zem Scrivlet の GNOME カスタムショートカットを削除しました。</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>GNOME のショートカットを削除できませんでした: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>フレーズはこれから貼り付けられる可能性があります。前面のウィンドウがまだ貼り付けキーを受け取っていません。確認してからやり直してください。</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>フレーズは貼り付けられた可能性があります。別のプログラムが先にクリップボードから読み取りました。確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>何も貼り付けませんでした。クリップボードを使用できませんでした (別のプログラムが使用しているか、クリップボードの内容の元のプログラムが応答しません)。</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>このデスクトップでは、X11 プログラムのウィンドウにしか届きません。理由は [オプション] を参照してください。</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma では、この Zem Scrivlet はほかのプログラムに入力できません。許可する方法は [オプション] を参照してください。</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>ショートカットは GNOME のカスタムショートカットにすると機能します。[オプション] で追加できます。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>%1 でショートカットを割り当てると、Wayland のプログラムにも届きます。必要な行は [オプション] に示しています。</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>デスクトップでショートカットを割り当てると、Wayland のプログラムにも届きます。必要なコマンドは [オプション] に示しています。</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME では、このショートカットは GNOME のカスタムショートカットにすると機能します。[OK] の後、[設定] › [オプション] で [GNOME に追加] を押してください。</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1 で割り当てると、このショートカットはすべてのプログラムで機能します。[OK] の後、%1 の設定に追加する行が [設定] › [オプション] に表示されます。</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>このデスクトップはどのプログラムのショートカットも実行しません。[OK] の後、デスクトップのキーボード設定でこのショートカットに割り当てるコマンドが [設定] › [オプション] に表示されます。</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>オプション…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: ショートカットは一時停止中</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>フォルダー %1 はあなた専用ではありません。別のユーザーが作成したか、別のユーザーが書き込める状態です。そのため Zem Scrivlet は、あなた専用のフォルダーにチャネルを置きます。管理者に確認を依頼してください。</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>前面のウィンドウは管理者として実行されています。フレーズでクリップボードの内容を置き換えました。Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>フレーズはこれから届く可能性があります。前面のウィンドウが時間内に応答しませんでした。確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>何も貼り付けませんでした。前に貼り付けたフレーズを前面のウィンドウがまだ受け取っておらず、そのフレーズはクリップボードに残っています。</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>クリップボードの内容を元に戻せませんでした。フレーズを貼り付けたウィンドウがまだそのフレーズを受け取っていません。</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>「%1」は既に存在します。

置き換えますか?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (「%2」で使用中)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>ページを準備できませんでした。フォルダー %1 に書き込めません。</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>ページを表示するためのブラウザーを起動できませんでした。次の場所をご自分で開いてください:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピー済み</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>コピー失敗</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>コピーできませんでした。別のプログラムがクリップボードを使用しています。</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>コピーできませんでした。クリップボードに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Zem Scrivlet 自身のウィンドウが前面にあります。フレーズを入れるウィンドウに切り替えてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>ターミナルやシェルでの履歴検索、ブラウザーでの再読み込み</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>ブラウザーやターミナルでの新しいタブ</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>タブやウィンドウを閉じる操作、ターミナルでの単語の削除</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>新しいウィンドウやドキュメントの作成</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>テキストの検索</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>ブラウザーのアドレス バー、ターミナルの画面消去</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>ほかのプログラムでは%1に使われています。</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 でピッカーを開きます。</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 でこのウィンドウを表示/非表示にします。</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>フレーズのショートカットも占有されます: %1。</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>これらのキーは、割り当てるとデスクトップが Zem Scrivlet 用に実行し、ほかのすべてのプログラムでは使えなくなります:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet がこれらのキーを占有するため、ほかのすべてのプログラムでは使えなくなります:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>ほかのプログラムで必要な場合は、[オプション] で別のキーを選択してください。</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>キーを変更…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>名前、ショートカット、略語、テキストを検索します。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>略語</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>削除を元に戻す</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>最初のフレーズを追加してください: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>「%1」に一致するフレーズはありません。</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>「%1」を削除しました。</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>ショートカット %1 は現在「%2」が使用しています。</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>ショートカット %1 は現在、ピッカーまたはウィンドウを開くのに使われています。</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>略語「%1」は現在「%2」が使用しています。</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>「%1」を復元しました。</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>「%1」を復元しました。ただし、現在ほかのフレーズが使用しているものは除きます。</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>今回の実行のためにコマンド ラインで指定されています (--data-dir)。</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>フレーズ一覧用に選んだフォルダー %1 は、別のユーザーのものか、別のユーザーのリンクを経由しています。[オプション] で別のフォルダーを選ぶまで、フレーズは通常のフォルダー %2 に保存されます。</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>フレーズ一覧のフォルダー %1 が見つかりません (ドライブがまだ接続されていない可能性があります)。見つかるまで何も保存されません。見つかるとフレーズが表示されます。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>データ フォルダー</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>新しいフォルダーを %1 に記録できませんでした。フレーズは %2 に残ります。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>フォルダー %1 は、別のユーザーのものか、別のユーザーのリンクを経由しています。フレーズはそこには保存されません。</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>フレーズを %1 に書き込めませんでした。フレーズは元の場所 %2 に残ります。</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>%1 には既にフレーズ一覧がありました。それをあなたの一覧と結合しました。今後フレーズはそこに保存されます。</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>今後フレーズは %1 に保存されます。</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>%1 にあったファイルは %2 に保存しました。</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>古いファイル %1 を削除できませんでした。このファイルはもう使われません。</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>ここと別の場所の両方で変更されました: %1。それぞれのもう一方のバージョンを無効の状態で追加しました。</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>ここで削除されましたが別の場所で変更されたため、残しました: %1。</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>ショートカットが別のフレーズで使われているため、ショートカットなしになりました: %1。</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>略語が別のフレーズで使われているため、略語なしになりました: %1。</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>フレーズ ファイルが読み取れない内容に変更されました。フレーズはそのまま残り、次回の変更時に保存されます。ファイルの内容は %1 に保存しました。</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (別の場所で変更)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>フレーズ一覧をファイルから更新しました。</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>同期プログラムが、フレーズ一覧の横に別のバージョンを残しました: %1。一覧に結合しますか? 結合後、バックアップ フォルダーに移動されます。</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>同期プログラムが、フレーズ一覧の横に別のバージョンを %n 個残しました: %1。一覧に結合しますか? 結合後、それぞれバックアップ フォルダーに移動されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>同期プログラムが、フレーズ一覧の別のバージョンを残しました: %1。結合するにはウィンドウを開いてください。</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>次のファイルは結合できませんでした: %1。元の場所に残ります。</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>一覧に結合しました。コピーは %1 に移動しました。</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>%n 個のバージョンを一覧に結合し、%1 に移動しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>%1 が %2 という名前のフレーズを挿入しますが、そのフレーズがないため、何も入力しませんでした。</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>次のフレーズが互いを循環して挿入しているため、何も入力しませんでした: %1。</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>フレーズの入れ子が %1 段階を超えているため、何も入力しませんでした: %2。</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>フィールドが入力されなかったため、何も入力しませんでした。</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV にエクスポート</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>名前、テキスト、略語 (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Zem Scrivlet、Espanso、Beeftext のフレーズ (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Espanso のマッチ ファイル (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Beeftext のエクスポート (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>このビルドでは Espanso ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>新しいフレーズはインポートされませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n 件の新しいフレーズをインポートしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>このプログラムでは実行できない内容のため、%n 件のエントリをインポートしませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>節約</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>フレーズが挿入された回数</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>入力せずに済んだ文字数: フレーズの長さから、そのために入力した略語の長さを引いたもの</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>統計をリセット</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>節約した文字数: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>フレーズの挿入回数: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>%1 が挿入するフレーズによってテキストが長くなりすぎるため、何も入力しませんでした。</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>フィールドの入力を求めている間に別のウィンドウで作業したため、略語がもうテキスト カーソルの位置にない可能性があり、何も入力しませんでした。</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>%1 は %2 個を超えるフィールドを求めており、1 つのウィンドウに収まらないため、何も入力しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>%n 個のショートカットを登録できませんでした。その一部: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>フレーズの編集</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>フレーズの追加</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>1 行でも複数行でもかまいません。Enter キーで改行します。空行もそのまま残ります。</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>このフレーズを有効にする</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>省略可</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>挿入するテキストを入力してください。</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>テキストが長すぎます。100,000 文字以内にしてください。</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>このテキストは既に一覧にあります。同じ内容のフレーズは登録できません。</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>このショートカットは既に使用されています。</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>Ctrl、Alt、Shift、Win と組み合わせたキーかファンクション キーを押すと、このフレーズをすばやく入力できます。空欄のままにするとピッカーから挿入します。</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>プレースホルダーではありません: そのまま入力されます。</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>略語</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>省略可 (例: ;sig)</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>任意のプログラムでこの文字を入力すると、フレーズに置き換わります。</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>プレースホルダー</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>フレーズの挿入時に {date}、{time}、{date:FORMAT}、{clipboard}、{cursor} を置き換えます。{{ と }} は波かっこを表します。</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>略語は空白を含まない 1～32 文字にしてください。</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>この略語は既に別のフレーズで使われています。</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>メイン ウィンドウの表示/非表示に使われています。</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>ピッカーを開くのに使われています。</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>「%1」で使用されています。</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>大文字小文字を合わせる</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>略語の先頭を大文字で入力すると (;Sig)、フレーズも大文字で始まります。すべて大文字で入力すると (;SIG)、フレーズもすべて大文字で挿入されます。</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>ピッカー</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>ピッカーの設定</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>不透明度: %1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>フレーズを検索</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>行をクリックするか Enter キーを押すと挿入されます。Esc キーを押すか、このショートカットをもう一度押すと閉じます。</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>一致するフレーズはありません</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>%n 件の新しいフレーズをインポートしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>%n 件は、同じテキストが既に一覧にあるためスキップしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n 件は、略語が既に別のフレーズで使われているため、略語なしでインポートしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n 件はインポートしませんでした:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>フレーズはインポートされましたが、データ ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>このビルドでは Espanso ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>このファイルは読み込めるマッチ ファイルではありません (%1)。</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>このファイルはインポートできません。インポートできるのは、バックアップ、Espanso のマッチ ファイル、Beeftext の JSON または CSV、名前・テキスト・略語の CSV です。</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Windows と同時に起動</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>通知領域に最小化した状態で起動</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>メイン ウィンドウの表示/非表示</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>ピッカーを開く</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>ピッカーの並び順</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>ショートカットを押してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>既に別のプログラムで使用されています。このショートカットを設定し直してください。</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>このショートカットを押すと、テキスト カーソルの横にピッカーが表示されます。行をクリックするか Enter キーを押すと挿入されます。Esc キーを押すか、このショートカットをもう一度押すと閉じます。</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>最近使ったものを上に表示</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>一覧の順序のまま</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>文字キーだけでは通常の入力を横取りしてしまうため、Ctrl、Alt、Shift、Win のいずれかを含めてください。</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>2 つのコマンドには別々のショートカットを指定してください。</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>このショートカットは既にフレーズで使用されています。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>挿入方法…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>略語の展開</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>すぐに</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>スペース、Tab、Enter、句読点の後</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>「%1」で使用されています。</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>データ フォルダー</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>ピッカーの設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
