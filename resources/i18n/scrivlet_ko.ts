<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Two rules name “%1”. Keep one.</source>
        <translation>두 규칙이 “%1”을(를) 지정합니다. 하나만 남기세요.</translation>
    </message>
    <message>
        <source>Click a window of the application. A right click stops.</source>
        <translation>응용 프로그램의 창을 클릭하세요. 마우스 오른쪽 단추를 클릭하면 중지됩니다.</translation>
    </message>
    <message>
        <source>No window was picked.</source>
        <translation>선택한 창이 없습니다.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>How phrases go into each application. An application is named by its window class or its program file, as Pick a window shows it. Terminals have rules of their own, which you can change but not remove.</source>
        <translation>각 응용 프로그램에 문구를 넣는 방법입니다. 응용 프로그램은 [창 선택]에 표시되는 대로 창 클래스나 프로그램 파일로 지정합니다. 터미널에는 자체 규칙이 있으며, 변경할 수는 있지만 제거할 수는 없습니다.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>How phrases go in</source>
        <translation>삽입 방법</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>창 선택</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Type only</source>
        <translation>키 입력만</translation>
    </message>
    <message>
        <source>Paste with Ctrl+V</source>
        <translation>Ctrl+V로 붙여넣기</translation>
    </message>
    <message>
        <source>Paste with Ctrl+Shift+V</source>
        <translation>Ctrl+Shift+V로 붙여넣기</translation>
    </message>
    <message>
        <source>Paste with Shift+Insert</source>
        <translation>Shift+Insert로 붙여넣기</translation>
    </message>
    <message>
        <source>Never insert here</source>
        <translation>여기에는 삽입 안 함</translation>
    </message>
    <message>
        <source>One of Zem Scrivlet&apos;s own rules. Choose another way for it, or Remove to go back to its own.</source>
        <translation>Zem Scrivlet의 기본 규칙입니다. 다른 방법을 선택하거나 [제거]를 눌러 원래대로 되돌리세요.</translation>
    </message>
    <message>
        <source>No abbreviations here</source>
        <translation>여기서는 약어 사용 안 함</translation>
    </message>
    <message>
        <source>Shortcuts, the picker and the panel still put phrases here; abbreviations typed here stay as typed. For programs whose password fields Zem Scrivlet cannot recognise.</source>
        <translation>단축키, 선택기, 플로팅 패널로는 계속 여기에 문구를 넣습니다. 여기서 입력한 약어는 확장되지 않고 입력한 그대로 남습니다. Zem Scrivlet이 암호 입력란을 인식하지 못하는 프로그램에 사용하세요.</translation>
    </message>
</context>
<context>
    <name>CommandClient</name>
    <message>
        <source>Zem Scrivlet already runs with its phrase list in %1, so it cannot use %2 as well. Quit the running copy first, or leave out --data-dir.</source>
        <translation>Zem Scrivlet이 이미 %1의 문구 목록으로 실행 중이므로 %2을(를) 함께 사용할 수 없습니다. 먼저 실행 중인 인스턴스를 종료하거나 --data-dir을 빼세요.</translation>
    </message>
    <message>
        <source>The folder %1 cannot hold the phrase list: it cannot be made or written, or it is not yours.</source>
        <translation>%1 폴더에는 문구 목록을 둘 수 없습니다. 폴더를 만들거나 쓸 수 없거나, 사용자 소유가 아닙니다.</translation>
    </message>
</context>
<context>
    <name>DesktopBindings</name>
    <message>
        <source>Not bindable here: %1 (a key without a name here, or a control character in the name)</source>
        <translation>여기서는 지정할 수 없음: %1 (여기서 이름이 없는 키이거나 이름에 제어 문자가 있음)</translation>
    </message>
</context>
<context>
    <name>FillInDialog</name>
    <message>
        <source>Fill in “%1”</source>
        <translation>“%1” 채우기</translation>
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
        <translation>패널 설정</translation>
    </message>
    <message>
        <source>Hide panel</source>
        <translation>패널 숨기기</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>불투명도: %1%</translation>
    </message>
    <message>
        <source>Row buttons</source>
        <translation>행 단추</translation>
    </message>
    <message>
        <source>Show Copy</source>
        <translation>[복사] 표시</translation>
    </message>
    <message>
        <source>Show Type</source>
        <translation>[입력] 표시</translation>
    </message>
    <message>
        <source>Max display lines per phrase</source>
        <translation>문구당 최대 표시 줄 수</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1줄</translation>
    </message>
    <message>
        <source>2 lines</source>
        <translation>2줄</translation>
    </message>
    <message>
        <source>3 lines</source>
        <translation>3줄</translation>
    </message>
    <message>
        <source>Snap to screen edge</source>
        <translation>화면 가장자리에 맞추기</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>단축키 다시 시작</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>단축키 일시 중지</translation>
    </message>
    <message>
        <source>No phrases yet</source>
        <translation>아직 문구가 없습니다</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Shortcuts are paused: resume them to type.</source>
        <translation>단축키가 일시 중지되었습니다. 입력하려면 단축키를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
</context>
<context>
    <name>ForeignImport</name>
    <message>
        <source>its trigger is a regular expression</source>
        <translation>트리거가 정규식입니다</translation>
    </message>
    <message>
        <source>it has no trigger</source>
        <translation>트리거가 없습니다</translation>
    </message>
    <message>
        <source>its trigger has spaces or is longer than 32 characters</source>
        <translation>트리거에 공백이 있거나 32자를 넘습니다</translation>
    </message>
    <message>
        <source>it runs a command or a script</source>
        <translation>명령이나 스크립트를 실행합니다</translation>
    </message>
    <message>
        <source>it asks with a form, a list or a random choice</source>
        <translation>양식, 목록 또는 무작위 선택으로 묻습니다</translation>
    </message>
    <message>
        <source>it inserts an image</source>
        <translation>이미지를 삽입합니다</translation>
    </message>
    <message>
        <source>its text is HTML or Markdown</source>
        <translation>텍스트가 HTML 또는 Markdown입니다</translation>
    </message>
    <message>
        <source>it uses another entry or a global variable</source>
        <translation>다른 항목이나 전역 변수를 사용합니다</translation>
    </message>
    <message>
        <source>it uses a variable that has no equivalent here</source>
        <translation>여기에 대응하는 것이 없는 변수를 사용합니다</translation>
    </message>
    <message>
        <source>its date format has a part with no equivalent here</source>
        <translation>날짜 형식에 여기에 대응하는 것이 없는 부분이 있습니다</translation>
    </message>
    <message>
        <source>its date offset is not in whole minutes</source>
        <translation>날짜 오프셋이 분 단위 정수가 아닙니다</translation>
    </message>
    <message>
        <source>another file, not read: import it on its own</source>
        <translation>다른 파일이어서 읽지 않았습니다: 따로 가져오세요</translation>
    </message>
    <message>
        <source>it is not written as expected</source>
        <translation>예상한 형식으로 작성되지 않았습니다</translation>
    </message>
    <message>
        <source>it has no text</source>
        <translation>텍스트가 없습니다</translation>
    </message>
    <message>
        <source>its text would be too large</source>
        <translation>텍스트가 너무 커집니다</translation>
    </message>
    <message>
        <source>its date offset is too far away</source>
        <translation>날짜 오프셋이 너무 멉니다</translation>
    </message>
</context>
<context>
    <name>HotkeyEdit</name>
    <message>
        <source>Press a shortcut</source>
        <translation>단축키를 누르세요</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it takes that character away from typing in every program.</source>
        <translation>%1 키는 이 키보드 레이아웃에서 “%2” 문자를 입력합니다. 단축키로 지정하면 모든 프로그램에서 이 문자를 입력할 수 없게 됩니다.</translation>
    </message>
    <message>
        <source>AltGr with this key types “%2” on this keyboard layout. On Windows, where AltGr is Ctrl+Alt, %1 would take that character away from typing.</source>
        <translation>이 키보드 레이아웃에서 AltGr와 이 키를 함께 누르면 “%2” 문자가 입력됩니다. AltGr가 Ctrl+Alt로 처리되는 Windows에서는 %1 키를 지정하면 이 문자를 입력할 수 없게 됩니다.</translation>
    </message>
    <message>
        <source>Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every program. Choose another shortcut.</source>
        <translation>Ctrl+V, Ctrl+Shift+V, Shift+Insert 및 Ctrl+Insert는 모든 프로그램에서 붙여넣기와 복사에 쓰입니다. 다른 단축키를 선택하세요.</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>문자 키만 지정하면 일반 입력을 가로채므로 Ctrl, Alt, Shift 또는 Win 키를 포함하세요.</translation>
    </message>
    <message>
        <source>With Shift alone, this key types or selects text in every program. Include Ctrl, Alt, or Win.</source>
        <translation>Shift만 함께 누르면 이 키는 모든 프로그램에서 텍스트를 입력하거나 선택합니다. Ctrl, Alt 또는 Win 키를 포함하세요.</translation>
    </message>
    <message>
        <source>%1 types “%2” on this keyboard layout: as a shortcut, it would take that character away from typing in every program. Choose another shortcut.</source>
        <translation>%1 키는 이 키보드 레이아웃에서 “%2” 문자를 입력합니다. 단축키로 지정하면 모든 프로그램에서 이 문자를 입력할 수 없게 됩니다. 다른 단축키를 선택하세요.</translation>
    </message>
    <message>
        <source>%1 is held by another program</source>
        <translation>%1 키는 다른 프로그램에서 사용 중</translation>
    </message>
</context>
<context>
    <name>HotkeyManager</name>
    <message>
        <source>%1, the key that pastes in every program</source>
        <translation>%1 (모든 프로그램에서 붙여넣기에 쓰이는 키)</translation>
    </message>
    <message>
        <source>%1, which without Ctrl, Alt, Shift or Win would take the key from typing</source>
        <translation>%1 (Ctrl, Alt, Shift 또는 Win 없이 지정하면 이 키로 입력할 수 없게 됨)</translation>
    </message>
    <message>
        <source>%1, which with Shift alone would take the key from typing</source>
        <translation>%1 (Shift만 함께 지정하면 이 키로 입력할 수 없게 됨)</translation>
    </message>
    <message>
        <source>%1, which types “%2” on this keyboard layout</source>
        <translation>%1 (이 키보드 레이아웃에서 “%2” 문자를 입력함)</translation>
    </message>
</context>
<context>
    <name>KWinShortcuts</name>
    <message>
        <source>Shortcut %1</source>
        <translation>단축키 %1</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Phrase backup (*.json)</source>
        <translation>문구 백업 (*.json)</translation>
    </message>
    <message>
        <source>Could not write the file.</source>
        <translation>파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Phrases exported.</source>
        <translation>문구를 내보냈습니다.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved. They will be saved with your next change.</source>
        <translation>문구를 가져왔지만 데이터 파일을 저장하지 못했습니다. 다음에 변경할 때 저장됩니다.</translation>
    </message>
    <message>
        <source>Phrases imported.</source>
        <translation>문구를 가져왔습니다.</translation>
    </message>
    <message>
        <source>No new phrases were imported.

These were skipped because the same text is already in your list:
%1</source>
        <translation>가져온 새 문구가 없습니다.

같은 텍스트가 이미 목록에 있어 다음 문구를 건너뛰었습니다:
%1</translation>
    </message>
    <message>
        <source>The program has not quit. It only minimizes to the notification area. Hotkeys and the picker still insert text.</source>
        <translation>프로그램이 종료되지 않았습니다. 알림 영역으로 최소화되었을 뿐입니다. 단축키와 선택기로 계속 텍스트를 삽입할 수 있습니다.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>다시 표시 안 함</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>About Zem Scrivlet</source>
        <translation>Zem Scrivlet 정보</translation>
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
        <translation>자동 시작 항목을 변경할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not register shortcut: %1</source>
        <translation>단축키를 등록할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet</source>
        <translation>Zem Scrivlet</translation>
    </message>
    <message>
        <source>Search name, shortcut, or text</source>
        <translation>이름, 단축키 또는 텍스트 검색</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>On</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>S&amp;etup</source>
        <translation>설정(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>옵션(&amp;O)...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Resume shortcuts</source>
        <translation>단축키 다시 시작</translation>
    </message>
    <message>
        <source>Pause shortcuts</source>
        <translation>단축키 일시 중지</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>상태 표시줄(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Floating panel</source>
        <translation>플로팅 패널(&amp;F)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>클래식</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Software Help</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>About Zem Scrivlet...</source>
        <translation>Zem Scrivlet 정보...</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>기본 창 표시</translation>
    </message>
    <message>
        <source>Floating panel</source>
        <translation>플로팅 패널</translation>
    </message>
    <message>
        <source>The target window did not accept the text.</source>
        <translation>대상 창이 텍스트를 받아들이지 않았습니다.</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>선택기</translation>
    </message>
    <message>
        <source>Select a phrase first.</source>
        <translation>먼저 문구를 선택하세요.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).

These were skipped because the same text is already in your list:
%1</source>
        <translation>
            <numerusform>새 문구 %n개를 가져왔습니다.

같은 텍스트가 이미 목록에 있어 다음 문구를 건너뛰었습니다:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n phrases from version 3.0.</source>
        <translation>
            <numerusform>버전 3.0에서 문구 %n개를 가져왔습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window in front did not respond in time.</source>
        <translation>맨 앞의 창이 제때 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The text field in front is read-only.</source>
        <translation>맨 앞 창의 입력란은 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>The text field in front is a password field: phrases are not put into password fields.</source>
        <translation>맨 앞 창의 입력란은 암호 입력란입니다. 암호 입력란에는 문구를 넣지 않습니다.</translation>
    </message>
    <message>
        <source>The text field in front takes one line, and this phrase has several.</source>
        <translation>맨 앞 창의 입력란은 한 줄만 받지만 이 문구는 여러 줄입니다.</translation>
    </message>
    <message>
        <source>Nothing was typed: the shortcut&apos;s keys were held down too long.</source>
        <translation>입력하지 않았습니다. 단축키를 너무 오래 누르고 있었습니다.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back.</source>
        <translation>클립보드의 이전 내용을 복원하지 못했습니다.</translation>
    </message>
    <message>
        <source>Part of your clipboard could not be kept.</source>
        <translation>클립보드의 이전 내용 중 일부를 유지하지 못했습니다.</translation>
    </message>
    <message>
        <source>Zem Scrivlet could not open the channel by which a later start finds this copy (another program may hold it): starting Zem Scrivlet again will open a second copy.</source>
        <translation>Zem Scrivlet에서 나중에 실행할 때 이 인스턴스를 찾는 데 쓰는 채널을 열지 못했습니다(다른 프로그램이 사용 중일 수 있음). Zem Scrivlet을 다시 실행하면 인스턴스가 하나 더 열립니다.</translation>
    </message>
    <message>
        <source>Another program holds this shortcut, so it does nothing here. Close that program or choose another shortcut.</source>
        <translation>다른 프로그램이 이 단축키를 사용 중이라 여기서는 작동하지 않습니다. 해당 프로그램을 닫거나 다른 단축키를 선택하세요.</translation>
    </message>
    <message>
        <source>Phrases are not put into %1: so says its rule in Options, Applications.</source>
        <translation>%1에는 문구를 넣지 않습니다. [옵션]의 [응용 프로그램]에 있는 규칙에 따른 것입니다.</translation>
    </message>
    <message>
        <source>Shortcuts are paused.</source>
        <translation>단축키가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>There is no window system to type into.</source>
        <translation>입력할 창 시스템이 없습니다.</translation>
    </message>
    <message>
        <source>The phrase is gone.</source>
        <translation>문구가 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>No enabled phrase is named “%1”.</source>
        <translation>이름이 “%1”인 사용 중인 문구가 없습니다.</translation>
    </message>
    <message>
        <source>This Zem Scrivlet does not know the command “%1”: it is an older version than the one that sent it.</source>
        <translation>이 Zem Scrivlet는 “%1” 명령을 알지 못합니다. 명령을 보낸 것보다 오래된 버전입니다.</translation>
    </message>
    <message>
        <source>This is a Wayland desktop, where Zem Scrivlet works through XWayland: its shortcuts and phrases reach the windows of X11 programs only, not those of Wayland programs.</source>
        <translation>이 데스크톱은 Wayland이며 Zem Scrivlet는 XWayland를 통해 동작합니다. 단축키와 문구는 X11 프로그램의 창에만 전달되고 Wayland 프로그램의 창에는 전달되지 않습니다.</translation>
    </message>
    <message>
        <source>Wayland desktop: phrases reach Wayland programs through a virtual keyboard of Zem Scrivlet&apos;s own, and X11 programs through XWayland.</source>
        <translation>Wayland 데스크톱: 문구는 Zem Scrivlet 자체 가상 키보드로 Wayland 프로그램에, XWayland로 X11 프로그램에 전달됩니다.</translation>
    </message>
    <message>
        <source>This desktop lets no program in the background use the clipboard: phrases are typed, never pasted.</source>
        <translation>이 데스크톱은 백그라운드 프로그램이 클립보드를 쓰지 못하게 합니다: 문구는 입력되며 붙여넣지 않습니다.</translation>
    </message>
    <message>
        <source>No global shortcuts on this desktop: bind the commands below.</source>
        <translation>이 데스크톱에는 전역 단축키가 없습니다: 아래 명령을 지정하세요.</translation>
    </message>
    <message>
        <source>These were imported without their abbreviation, which another phrase already has:
%1</source>
        <translation>다음 문구는 다른 문구가 이미 같은 약어를 사용하고 있어 약어 없이 가져왔습니다:
%1</translation>
    </message>
    <message>
        <source>This desktop lets no program read the keys typed in other programs, so abbreviations do not expand here. Use the shortcuts or the picker.</source>
        <translation>이 데스크톱은 어떤 프로그램도 다른 프로그램에서 누른 키를 읽지 못하게 하므로 여기서는 약어가 확장되지 않습니다. 단축키나 선택기를 사용하세요.</translation>
    </message>
    <message>
        <source>Add to GNOME</source>
        <translation>GNOME에 추가</translation>
    </message>
    <message>
        <source>Remove from GNOME</source>
        <translation>GNOME에서 제거</translation>
    </message>
    <message>
        <source>Plasma lets only the installed Zem Scrivlet type into other programs. Run the installed program, or add this program to a desktop entry in ~/.local/share/applications whose Exec line is %1 and which has the line %2.</source>
        <translation>Plasma에서는 설치된 Zem Scrivlet만 다른 프로그램에 입력할 수 있습니다. 설치된 프로그램을 실행하거나, ~/.local/share/applications에 있는 데스크톱 항목(.desktop 파일)에 이 프로그램을 추가하세요. 이 항목의 Exec 줄은 %1(으)로 하고 %2 줄을 넣어야 합니다.</translation>
    </message>
    <message>
        <source>Plasma desktop: phrases are typed through KWin in your keyboard layout, and pasted where the layout lacks a character.</source>
        <translation>Plasma 데스크톱: 문구는 KWin을 통해 현재 키보드 레이아웃으로 입력되며, 레이아웃에 없는 문자가 있으면 붙여넣습니다.</translation>
    </message>
    <message>
        <source>Plasma&apos;s shortcut service holds the shortcuts.</source>
        <translation>단축키는 Plasma의 단축키 서비스가 관리합니다.</translation>
    </message>
    <message>
        <source>GNOME desktop: phrases are typed through a remote desktop session of GNOME&apos;s compositor where your keyboard layout has the characters, and pasted otherwise. GNOME does not say which window is in front, so rules by application do not apply to Wayland programs.</source>
        <translation>GNOME 데스크톱: 키보드 레이아웃에 해당 문자가 있으면 문구는 GNOME 컴포지터의 원격 데스크톱 세션을 통해 입력되고, 없으면 붙여넣습니다. GNOME은 맨 앞의 창이 무엇인지 알려 주지 않으므로 응용 프로그램별 규칙은 Wayland 프로그램에 적용되지 않습니다.</translation>
    </message>
    <message>
        <source>Plasma does not say which window is in front: rules by application do not apply.</source>
        <translation>Plasma는 맨 앞의 창이 무엇인지 알려 주지 않습니다: 응용 프로그램별 규칙이 적용되지 않습니다.</translation>
    </message>
    <message>
        <source>GNOME lets no program hold shortcuts: add them below as GNOME custom shortcuts.</source>
        <translation>GNOME에서는 어떤 프로그램도 단축키를 등록할 수 없습니다: 아래에서 GNOME 사용자 설정 단축키로 추가하세요.</translation>
    </message>
    <message>
        <source>Zem Scrivlet: open the picker</source>
        <translation>Zem Scrivlet: 선택기 열기</translation>
    </message>
    <message>
        <source>Zem Scrivlet: show or hide the window</source>
        <translation>Zem Scrivlet: 창 표시/숨기기</translation>
    </message>
    <message>
        <source>Zem Scrivlet: %1</source>
        <translation>Zem Scrivlet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts are now GNOME custom shortcuts.</source>
        <translation>
            <numerusform>단축키 %n개를 GNOME 사용자 설정 단축키로 추가했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be written: %1</source>
        <translation>GNOME 단축키를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s GNOME custom shortcuts are removed.</source>
        <translation>Zem Scrivlet의 GNOME 사용자 설정 단축키를 제거했습니다.</translation>
    </message>
    <message>
        <source>GNOME&apos;s shortcuts could not be removed: %1</source>
        <translation>GNOME 단축키를 제거할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The phrase may still be pasted: the window in front has not yet taken the paste key. Look before you try again.</source>
        <translation>문구가 아직 붙여넣어질 수 있습니다. 맨 앞의 창이 아직 붙여넣기 키를 받지 않았습니다. 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The phrase may have been pasted: another program read it from the clipboard first. Look before you try again.</source>
        <translation>문구가 붙여넣어졌을 수 있습니다. 다른 프로그램이 먼저 클립보드에서 읽었습니다. 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard could not be had (another program holds it, or the program whose content it is does not answer).</source>
        <translation>붙여넣지 않았습니다. 클립보드를 사용할 수 없었습니다(다른 프로그램이 사용 중이거나, 클립보드 내용을 제공한 프로그램이 응답하지 않음).</translation>
    </message>
    <message>
        <source>Only the windows of X11 programs are reached on this desktop: Options says why.</source>
        <translation>이 데스크톱에서는 X11 프로그램의 창에만 전달됩니다. 이유는 [옵션]에서 확인하세요.</translation>
    </message>
    <message>
        <source>Plasma lets this copy of Zem Scrivlet type into no other program: Options says how to allow it.</source>
        <translation>Plasma에서는 이 Zem Scrivlet이 다른 프로그램에 입력할 수 없습니다. 허용하는 방법은 [옵션]에서 확인하세요.</translation>
    </message>
    <message>
        <source>Shortcuts work once they are GNOME custom shortcuts: Options adds them.</source>
        <translation>단축키는 GNOME 사용자 설정 단축키로 추가해야 작동합니다. [옵션]에서 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once %1 binds them: Options lists the lines.</source>
        <translation>%1에서 단축키를 지정하면 Wayland 프로그램에서도 작동합니다. 필요한 줄은 [옵션]에 나열되어 있습니다.</translation>
    </message>
    <message>
        <source>Shortcuts reach Wayland programs once the desktop binds them: Options lists the commands.</source>
        <translation>데스크톱에서 단축키를 지정하면 Wayland 프로그램에서도 작동합니다. 필요한 명령은 [옵션]에 나열되어 있습니다.</translation>
    </message>
    <message>
        <source>GNOME runs this shortcut once it is one of its custom shortcuts: after OK, press Add to GNOME in Setup › Options.</source>
        <translation>GNOME은 이 단축키가 GNOME 사용자 설정 단축키여야 실행합니다. [확인]을 누른 뒤 [설정] › [옵션]에서 [GNOME에 추가]를 누르세요.</translation>
    </message>
    <message>
        <source>%1 runs this shortcut in every program once it is bound: after OK, Setup › Options lists the line to add to the configuration of %1.</source>
        <translation>%1에서 지정하면 이 단축키가 모든 프로그램에서 작동합니다. [확인]을 누른 뒤 [설정] › [옵션]에서 %1 설정에 추가할 줄을 확인하세요.</translation>
    </message>
    <message>
        <source>This desktop runs no program&apos;s shortcuts: after OK, Setup › Options lists the command to bind to this shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>이 데스크톱은 프로그램의 단축키를 실행하지 않습니다. [확인]을 누른 뒤 [설정] › [옵션]에서 명령을 확인하고, 데스크톱 키보드 설정에서 그 명령을 이 단축키에 지정하세요.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>옵션…</translation>
    </message>
    <message>
        <source>Zem Scrivlet: shortcuts are paused</source>
        <translation>Zem Scrivlet: 단축키 일시 중지됨</translation>
    </message>
    <message>
        <source>The folder %1 is not yours alone: another user made it, or may write in it. Zem Scrivlet keeps its channel in a folder of your own instead; ask your administrator to look into it.</source>
        <translation>%1 폴더는 사용자 전용이 아닙니다. 다른 사용자가 만들었거나 다른 사용자가 쓸 수 있습니다. 그래서 Zem Scrivlet은 대신 사용자 전용 폴더에 채널을 둡니다. 관리자에게 확인을 요청하세요.</translation>
    </message>
    <message>
        <source>The window in front runs as administrator: the phrase has replaced your clipboard. Press Ctrl+V to paste it.</source>
        <translation>맨 앞의 창이 관리자 권한으로 실행 중입니다. 문구가 클립보드 내용을 대체했습니다. Ctrl+V를 눌러 붙여넣으세요.</translation>
    </message>
    <message>
        <source>The phrase may still arrive: the window in front did not answer in time. Look before you try again.</source>
        <translation>문구가 아직 전달될 수 있습니다. 맨 앞의 창이 제때 응답하지 않았습니다. 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the window in front has not yet taken the phrase pasted before, which is still on the clipboard.</source>
        <translation>붙여넣지 않았습니다. 맨 앞의 창이 이전에 붙여넣은 문구를 아직 받지 않았으며, 그 문구는 아직 클립보드에 있습니다.</translation>
    </message>
    <message>
        <source>Your clipboard could not be put back: the window the phrase was pasted into has still not taken it.</source>
        <translation>클립보드의 이전 내용을 복원하지 못했습니다. 문구를 붙여넣은 창이 아직도 문구를 받지 않았습니다.</translation>
    </message>
    <message>
        <source>“%1” already exists.

Replace it?</source>
        <translation>“%1”이(가) 이미 있습니다.

바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>%1 (“%2” has it)</source>
        <translation>%1 (“%2”에서 사용 중)</translation>
    </message>
    <message>
        <source>The page could not be prepared: the folder %1 cannot be written.</source>
        <translation>페이지를 준비할 수 없습니다. %1 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>No browser could be started to show the page. Open it yourself:
%1</source>
        <translation>페이지를 표시할 브라우저를 시작할 수 없습니다. 직접 여세요:
%1</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Not copied</source>
        <translation>복사 안 됨</translation>
    </message>
    <message>
        <source>Not copied: another program holds the clipboard.</source>
        <translation>복사하지 못했습니다. 다른 프로그램이 클립보드를 사용 중입니다.</translation>
    </message>
    <message>
        <source>Not copied: the clipboard could not be set.</source>
        <translation>복사하지 못했습니다. 클립보드를 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Zem Scrivlet&apos;s own window is in front: switch to the window the phrase should go into, then try again.</source>
        <translation>Zem Scrivlet 자체 창이 맨 앞에 있습니다. 문구를 넣을 창으로 전환한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>history search in terminals and shells, reload in browsers</source>
        <translation>터미널과 셸의 기록 검색, 브라우저의 새로 고침</translation>
    </message>
    <message>
        <source>a new tab in browsers and terminals</source>
        <translation>브라우저와 터미널의 새 탭</translation>
    </message>
    <message>
        <source>closing a tab or window, deleting a word in terminals</source>
        <translation>탭이나 창 닫기, 터미널의 단어 삭제</translation>
    </message>
    <message>
        <source>a new window or document</source>
        <translation>새 창이나 새 문서</translation>
    </message>
    <message>
        <source>finding text</source>
        <translation>텍스트 찾기</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>the address bar in browsers, clearing the screen in terminals</source>
        <translation>브라우저의 주소 표시줄, 터미널의 화면 지우기</translation>
    </message>
    <message>
        <source>Other programs use it for %1.</source>
        <translation>다른 프로그램에서는 이 키를 %1에 사용합니다.</translation>
    </message>
    <message>
        <source>%1 opens the picker.</source>
        <translation>%1 키는 선택기를 엽니다.</translation>
    </message>
    <message>
        <source>%1 shows or hides this window.</source>
        <translation>%1 키는 이 창을 표시하거나 숨깁니다.</translation>
    </message>
    <message>
        <source>Your phrases&apos; shortcuts are taken too: %1.</source>
        <translation>문구의 단축키도 마찬가지입니다: %1.</translation>
    </message>
    <message>
        <source>The desktop runs these keys for Zem Scrivlet once they are bound, and then takes them from every other program:</source>
        <translation>이 키를 지정하면 데스크톱이 Zem Scrivlet을 위해 실행하며, 다른 모든 프로그램에서는 쓸 수 없게 됩니다:</translation>
    </message>
    <message>
        <source>Zem Scrivlet takes these keys from every other program:</source>
        <translation>Zem Scrivlet이 다른 모든 프로그램에서 이 키를 가로챕니다:</translation>
    </message>
    <message>
        <source>If you need them there, choose other keys in Options.</source>
        <translation>다른 프로그램에서 이 키가 필요하면 [옵션]에서 다른 키를 선택하세요.</translation>
    </message>
    <message>
        <source>Change keys…</source>
        <translation>키 변경…</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>알겠습니다</translation>
    </message>
    <message>
        <source>Searches the names, shortcuts, abbreviations and texts.</source>
        <translation>이름, 단축키, 약어, 텍스트를 검색합니다.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>약어</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>삭제 취소</translation>
    </message>
    <message>
        <source>Add your first phrase: %1</source>
        <translation>첫 문구를 추가하세요: %1</translation>
    </message>
    <message>
        <source>No phrase matches “%1”.</source>
        <translation>“%1”과(와) 일치하는 문구가 없습니다.</translation>
    </message>
    <message>
        <source>Deleted “%1”.</source>
        <translation>“%1”을(를) 삭제했습니다.</translation>
    </message>
    <message>
        <source>Its shortcut %1 is now “%2”’s.</source>
        <translation>단축키 %1은(는) 이제 “%2”에서 사용합니다.</translation>
    </message>
    <message>
        <source>Its shortcut %1 now opens the picker or the window.</source>
        <translation>단축키 %1은(는) 이제 선택기나 창을 여는 데 쓰입니다.</translation>
    </message>
    <message>
        <source>Its abbreviation “%1” is now “%2”’s.</source>
        <translation>약어 “%1”은(는) 이제 “%2”에서 사용합니다.</translation>
    </message>
    <message>
        <source>Restored “%1”.</source>
        <translation>“%1”을(를) 복원했습니다.</translation>
    </message>
    <message>
        <source>Restored “%1” without what another phrase now has.</source>
        <translation>“%1”을(를) 복원했지만, 지금 다른 문구가 사용하는 항목은 제외했습니다.</translation>
    </message>
    <message>
        <source>Given on the command line (--data-dir) for this run.</source>
        <translation>이번 실행에 한해 명령줄(--data-dir)로 지정되었습니다.</translation>
    </message>
    <message>
        <source>The folder chosen for your phrase list, %1, belongs to another user, or is reached through a link of theirs. Your phrases are kept in the usual folder, %2, until you choose another one in Options.</source>
        <translation>문구 목록용으로 선택한 폴더 %1은(는) 다른 사용자의 것이거나 다른 사용자의 링크를 거쳐 연결됩니다. [옵션]에서 다른 폴더를 선택할 때까지 문구는 기본 폴더 %2에 보관됩니다.</translation>
    </message>
    <message>
        <source>The folder of your phrase list, %1, is not there (a drive not connected yet?). Nothing is saved until it is; your phrases appear when it does.</source>
        <translation>문구 목록 폴더 %1이(가) 없습니다(드라이브가 아직 연결되지 않았나요?). 폴더가 생길 때까지 아무것도 저장되지 않으며, 폴더가 생기면 문구가 나타납니다.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>데이터 폴더</translation>
    </message>
    <message>
        <source>The new folder could not be remembered in %1. Your phrases stay in %2.</source>
        <translation>새 폴더를 %1에 기록하지 못했습니다. 문구는 %2에 그대로 있습니다.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1은(는) 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user, or is reached through a link of theirs: your phrases are not kept there.</source>
        <translation>%1 폴더는 다른 사용자의 것이거나 다른 사용자의 링크를 거쳐 연결됩니다. 문구를 그곳에 보관하지 않습니다.</translation>
    </message>
    <message>
        <source>Your phrases could not be written to %1. They stay where they were, in %2.</source>
        <translation>문구를 %1에 쓰지 못했습니다. 문구는 원래 있던 %2에 그대로 있습니다.</translation>
    </message>
    <message>
        <source>A phrase list was already in %1: it was merged with yours, and your phrases are kept there now.</source>
        <translation>%1에 이미 문구 목록이 있었습니다. 사용자의 목록과 병합했으며, 이제 문구는 그곳에 보관됩니다.</translation>
    </message>
    <message>
        <source>Your phrases are kept in %1 now.</source>
        <translation>이제 문구는 %1에 보관됩니다.</translation>
    </message>
    <message>
        <source>The file from %1 was kept in %2.</source>
        <translation>%1에 있던 파일은 %2에 보관했습니다.</translation>
    </message>
    <message>
        <source>The old file %1 could not be removed; it is no longer used.</source>
        <translation>이전 파일 %1을(를) 제거하지 못했습니다. 이 파일은 더 이상 사용되지 않습니다.</translation>
    </message>
    <message>
        <source>Changed here and elsewhere: %1. The other version of each was added, switched off.</source>
        <translation>여기와 다른 곳에서 모두 변경됨: %1. 각각의 다른 버전을 사용 안 함 상태로 추가했습니다.</translation>
    </message>
    <message>
        <source>Deleted here but changed elsewhere, so kept: %1.</source>
        <translation>여기서 삭제했지만 다른 곳에서 변경되어 유지함: %1.</translation>
    </message>
    <message>
        <source>Without their shortcut, which another phrase has: %1.</source>
        <translation>다른 문구가 같은 단축키를 사용하고 있어 단축키 없이 둠: %1.</translation>
    </message>
    <message>
        <source>Without their abbreviation, which another phrase has: %1.</source>
        <translation>다른 문구가 같은 약어를 사용하고 있어 약어 없이 둠: %1.</translation>
    </message>
    <message>
        <source>The phrase file was changed into something that cannot be read. Your phrases stay as they are and will be saved with your next change; what the file held was kept in %1.</source>
        <translation>문구 파일이 읽을 수 없는 내용으로 변경되었습니다. 문구는 그대로 유지되며 다음에 변경할 때 저장됩니다. 파일에 있던 내용은 %1에 보관했습니다.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (다른 곳에서 변경됨)</translation>
    </message>
    <message>
        <source>The phrase list was updated from its file.</source>
        <translation>파일에서 문구 목록을 업데이트했습니다.</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>병합</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list beside it: %1. Merge it into your list? It is then moved to the backups folder.</source>
        <translation>동기화 프로그램이 문구 목록 옆에 다른 버전을 남겼습니다: %1. 목록에 병합할까요? 병합한 후에는 백업 폴더로 옮겨집니다.</translation>
    </message>
    <message numerus="yes">
        <source>A sync program left %n other versions of your phrase list beside it: %1. Merge them into your list? Each is then moved to the backups folder.</source>
        <translation>
            <numerusform>동기화 프로그램이 문구 목록 옆에 다른 버전 %n개를 남겼습니다: %1. 목록에 병합할까요? 병합한 후에는 각각 백업 폴더로 옮겨집니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>A sync program left another version of your phrase list: %1. Open the window to merge it.</source>
        <translation>동기화 프로그램이 문구 목록의 다른 버전을 남겼습니다: %1. 병합하려면 창을 여세요.</translation>
    </message>
    <message>
        <source>These could not be merged: %1. They stay where they are.</source>
        <translation>다음은 병합하지 못했습니다: %1. 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>Merged into your list; the copy was moved to %1.</source>
        <translation>목록에 병합했습니다. 사본은 %1(으)로 옮겼습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n versions into your list; they were moved to %1.</source>
        <translation>
            <numerusform>버전 %n개를 목록에 병합하고 %1(으)로 옮겼습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was typed: %1 puts in a phrase named %2, and there is none.</source>
        <translation>입력하지 않았습니다. %1에서 %2(이)라는 문구를 넣는데, 그런 문구가 없습니다.</translation>
    </message>
    <message>
        <source>Nothing was typed: these phrases put in each other in a circle: %1.</source>
        <translation>입력하지 않았습니다. 다음 문구들이 서로를 순환하며 넣습니다: %1.</translation>
    </message>
    <message>
        <source>Nothing was typed: phrases put in other phrases more than %1 deep: %2.</source>
        <translation>입력하지 않았습니다. 문구 안에 문구를 넣은 깊이가 %1단계를 넘습니다: %2.</translation>
    </message>
    <message>
        <source>Nothing was typed: the fields were not filled in.</source>
        <translation>입력하지 않았습니다. 필드를 채우지 않았습니다.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV로 내보내기</translation>
    </message>
    <message>
        <source>Name, text and abbreviation (*.csv)</source>
        <translation>이름, 텍스트, 약어 (*.csv)</translation>
    </message>
    <message>
        <source>Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml *.yaml *.csv)</source>
        <translation>Zem Scrivlet, Espanso 또는 Beeftext 문구 (*.json *.yml *.yaml *.csv)</translation>
    </message>
    <message>
        <source>Espanso match file (*.yml *.yaml)</source>
        <translation>Espanso 매치 파일 (*.yml *.yaml)</translation>
    </message>
    <message>
        <source>Beeftext export (*.json *.csv)</source>
        <translation>Beeftext 내보내기 파일 (*.json *.csv)</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>이 빌드에서는 Espanso 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>No new phrases were imported.</source>
        <translation>가져온 새 문구가 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>새 문구 %n개를 가져왔습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not imported, as this program cannot do what they do:</source>
        <translation>
            <numerusform>이 프로그램이 할 수 없는 일을 하는 항목 %n개를 가져오지 않았습니다:</numerusform>
        </translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>횟수</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>절약</translation>
    </message>
    <message>
        <source>How often the phrase went in</source>
        <translation>문구가 입력된 횟수</translation>
    </message>
    <message>
        <source>Characters you did not have to type: the phrase&apos;s length, less the abbreviation typed for it</source>
        <translation>입력하지 않아도 된 문자 수: 문구의 길이에서 이를 위해 입력한 약어의 길이를 뺀 값</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>통계 초기화</translation>
    </message>
    <message>
        <source>Characters saved: %1</source>
        <translation>절약한 문자 수: %1</translation>
    </message>
    <message>
        <source>Phrases went in: %1</source>
        <translation>문구 입력 횟수: %1</translation>
    </message>
    <message>
        <source>Nothing was typed: the phrases that %1 puts in would make a text far too long.</source>
        <translation>입력하지 않았습니다. %1에서 넣는 문구들로 인해 텍스트가 너무 길어집니다.</translation>
    </message>
    <message>
        <source>Nothing was typed: you worked in another window while the fields were asked for, so the abbreviation may no longer be where the text cursor is.</source>
        <translation>입력하지 않았습니다. 필드 입력을 요청하는 동안 다른 창에서 작업했으므로 약어가 더 이상 텍스트 커서 위치에 없을 수 있습니다.</translation>
    </message>
    <message>
        <source>Nothing was typed: %1 asks for more than %2 fields, more than one window holds.</source>
        <translation>입력하지 않았습니다. %1에서 %2개가 넘는 필드를 묻는데, 한 창에 담을 수 있는 것보다 많습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Could not register %n shortcuts, among them: %1</source>
        <translation>
            <numerusform>단축키 %n개를 등록할 수 없습니다. 그 일부: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhraseDialog</name>
    <message>
        <source>Edit phrase</source>
        <translation>문구 편집</translation>
    </message>
    <message>
        <source>Add phrase</source>
        <translation>문구 추가</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>One line or many lines. Press Enter to start a new line. Blank lines are kept.</source>
        <translation>한 줄 또는 여러 줄을 입력할 수 있습니다. Enter 키를 누르면 줄이 바뀝니다. 빈 줄도 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Enable this phrase</source>
        <translation>이 문구 사용</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>선택 사항</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Enter the text to type.</source>
        <translation>삽입할 텍스트를 입력하세요.</translation>
    </message>
    <message>
        <source>The text is too long. Keep it under 100,000 characters.</source>
        <translation>텍스트가 너무 깁니다. 100,000자 이하로 줄이세요.</translation>
    </message>
    <message>
        <source>This text is already in your list. Duplicate phrases are not allowed.</source>
        <translation>이 텍스트는 이미 목록에 있습니다. 중복된 문구는 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>This shortcut is already used.</source>
        <translation>이 단축키는 이미 사용 중입니다.</translation>
    </message>
    <message>
        <source>Press a key with Ctrl, Alt, Shift, or Win, or a function key, to type this phrase quickly. Leave it empty to use the picker.</source>
        <translation>이 문구를 빠르게 입력하려면 Ctrl, Alt, Shift 또는 Win 키와 함께 다른 키를 누르거나 기능 키를 누르세요. 선택기를 사용하려면 비워 두세요.</translation>
    </message>
    <message>
        <source>Not a placeholder: typed as it stands.</source>
        <translation>자리 표시자가 아닙니다: 그대로 입력됩니다.</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>약어</translation>
    </message>
    <message>
        <source>Optional, such as ;sig</source>
        <translation>선택 사항, 예: ;sig</translation>
    </message>
    <message>
        <source>Type these characters in any program, and the phrase replaces them.</source>
        <translation>아무 프로그램에서나 이 문자를 입력하면 문구로 바뀝니다.</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>자리 표시자</translation>
    </message>
    <message>
        <source>Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} when the phrase is inserted. {{ and }} stand for braces.</source>
        <translation>문구를 삽입할 때 {date}, {time}, {date:FORMAT}, {clipboard}, {cursor}를 채웁니다. {{ 및 }}는 중괄호를 나타냅니다.</translation>
    </message>
    <message>
        <source>An abbreviation is 1 to 32 characters, without spaces.</source>
        <translation>약어는 공백 없이 1~32자여야 합니다.</translation>
    </message>
    <message>
        <source>Another phrase already has this abbreviation.</source>
        <translation>다른 문구가 이미 이 약어를 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>It shows or hides the main window.</source>
        <translation>기본 창을 표시하거나 숨기는 단축키입니다.</translation>
    </message>
    <message>
        <source>It opens the picker.</source>
        <translation>선택기를 여는 단축키입니다.</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>“%1”에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>대소문자 맞추기</translation>
    </message>
    <message>
        <source>Typed with a capital (;Sig), the phrase starts with one; typed in capitals (;SIG), it goes in in capitals.</source>
        <translation>약어의 첫 글자를 대문자로 입력하면(;Sig) 문구도 대문자로 시작하고, 모두 대문자로 입력하면(;SIG) 문구도 모두 대문자로 입력됩니다.</translation>
    </message>
</context>
<context>
    <name>PickerWindow</name>
    <message>
        <source>Picker</source>
        <translation>선택기</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>선택기 설정</translation>
    </message>
    <message>
        <source>Opacity: %1%</source>
        <translation>불투명도: %1%</translation>
    </message>
    <message>
        <source>Search phrases</source>
        <translation>문구 검색</translation>
    </message>
    <message>
        <source>Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close.</source>
        <translation>줄을 클릭하거나 Enter 키를 누르면 삽입됩니다. Esc 키를 누르거나 이 단축키를 다시 누르면 닫힙니다.</translation>
    </message>
    <message>
        <source>No matching phrases</source>
        <translation>일치하는 문구 없음</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message numerus="yes">
        <source>Imported %n new phrase(s).</source>
        <translation>
            <numerusform>새 문구 %n개를 가져왔습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped: the same text is already in your list.</source>
        <translation>
            <numerusform>%n개는 같은 텍스트가 이미 목록에 있어 건너뛰었습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n imported without their abbreviation, which another phrase has.</source>
        <translation>
            <numerusform>%n개는 다른 문구가 이미 같은 약어를 사용하고 있어 약어 없이 가져왔습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not imported:</source>
        <translation>
            <numerusform>%n개를 가져오지 않았습니다:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <translation>
            <numerusform>…외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>The phrases were imported, but the data file could not be saved.</source>
        <translation>문구를 가져왔지만 데이터 파일을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Espanso files cannot be read in this build.</source>
        <translation>이 빌드에서는 Espanso 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is not a match file that can be read (%1).</source>
        <translation>읽을 수 있는 매치 파일이 아닙니다(%1).</translation>
    </message>
    <message>
        <source>The file is not one that can be imported: a backup, an Espanso match file, Beeftext&apos;s JSON or CSV, or a CSV of name, text and abbreviation.</source>
        <translation>가져올 수 있는 파일이 아닙니다. 가져올 수 있는 파일은 백업, Espanso 매치 파일, Beeftext의 JSON 또는 CSV, 이름·텍스트·약어로 된 CSV입니다.</translation>
    </message>
    <message>
        <source>Could not read the file.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Windows 시작 시 실행</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <source>Start minimized to the tray</source>
        <translation>알림 영역에 최소화된 상태로 실행</translation>
    </message>
    <message>
        <source>Show/hide main window</source>
        <translation>기본 창 표시/숨기기</translation>
    </message>
    <message>
        <source>Open the picker</source>
        <translation>선택기 열기</translation>
    </message>
    <message>
        <source>Picker order</source>
        <translation>선택기 정렬 순서</translation>
    </message>
    <message>
        <source>Press a shortcut</source>
        <translation>단축키를 누르세요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Already used by another program. Please set this shortcut again.</source>
        <translation>다른 프로그램에서 이미 사용 중입니다. 이 단축키를 다시 설정하세요.</translation>
    </message>
    <message>
        <source>Press this shortcut and the picker appears beside the text cursor. Click a line, or press Enter, to insert it. Press Esc, or press this shortcut again, to close it.</source>
        <translation>이 단축키를 누르면 텍스트 커서 옆에 선택기가 나타납니다. 줄을 클릭하거나 Enter 키를 누르면 삽입됩니다. Esc 키를 누르거나 이 단축키를 다시 누르면 닫힙니다.</translation>
    </message>
    <message>
        <source>Recently used on top</source>
        <translation>최근 사용한 항목을 위에 표시</translation>
    </message>
    <message>
        <source>Keep the list order</source>
        <translation>목록 순서 유지</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.</source>
        <translation>문자 키만 지정하면 일반 입력을 가로채므로 Ctrl, Alt, Shift 또는 Win 키를 포함하세요.</translation>
    </message>
    <message>
        <source>The two commands need different shortcuts.</source>
        <translation>두 명령에 서로 다른 단축키를 지정해야 합니다.</translation>
    </message>
    <message>
        <source>This shortcut is already used by a phrase.</source>
        <translation>이 단축키는 이미 문구에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>How phrases go in…</source>
        <translation>삽입 방법…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Abbreviations expand</source>
        <translation>약어 확장</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>즉시</translation>
    </message>
    <message>
        <source>After a space, Tab, Enter or punctuation</source>
        <translation>공백, Tab, Enter 또는 문장 부호 뒤</translation>
    </message>
    <message>
        <source>It belongs to “%1”.</source>
        <translation>“%1”에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>데이터 폴더</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>변경…</translation>
    </message>
</context>
<context>
    <name>ThemedDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Picker settings</source>
        <translation>선택기 설정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
