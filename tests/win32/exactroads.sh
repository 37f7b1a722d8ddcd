# The main road under Wine where it used to go wrong: held and chorded
# shortcuts, a RichEdit with CR paragraphs, a focused button beside an EDIT,
# a full, a read-only and a password EDIT, slow targets with the user's old
# clipboard, an image on the clipboard, {cursor} under held keys, clipboard
# monitors, a program that renders its clipboard content late or never, a
# target that stops answering, shortcuts no shortcut may have, terminals of
# the PuTTY and kitty kinds, and the rules of the Type-only and paste roads.
# Each text must arrive exactly once or not at all, with the failure
# reported (the program's trace) and lastUsed left alone, and the user's
# clipboard back afterwards (or its loss told).
#
# Sourced by scripts/test-windows.sh, which defines check, wait_for,
# fresh_data_folder, $tool (wintarget.exe), $deployed and $work.

# The text of a report file is exactly $2 now and still a second later: a
# second copy or a stray key would come within that second.
stays() {
    wait_for 10 same_report "$1" "$2" || return 1
    sleep 1
    same_report "$1" "$2"
}
same_report() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
same_bytes() {
    python3 -c 'import sys; sys.exit(0 if open(sys.argv[1], "rb").read() == sys.argv[2].encode() else 1)' "$1" "$2"
}
# lastUsed of phrase n is (1) or is not (0) set.
used() {
    python3 -c '
import json, sys
p = [p for p in json.load(open(sys.argv[1]))["phrases"] if p["id"].startswith("%08d" % int(sys.argv[2]))]
sys.exit(0 if p and (int(p[0]["lastUsed"]) > 0) == (sys.argv[3] == "1") else 1)' "$exact_data/phrases.json" "$1" "$2" 2>/dev/null
}
traced() { grep -qF -- "$1" "$exact_trace"; }
# The last notice the user was shown begins with $1.
last_balloon() { [[ "$(grep '^balloon ' "$exact_trace" | tail -n1)" == "balloon $1"* ]]; }
traced_times() { [ "$(grep -cF -- "$1" "$exact_trace")" -ge "$2" ]; }

# Starts the deployed program on the data file written by phrasefile.py with
# the given phrases (settings first, as name=value, then --), tracing to
# $exact_trace, and waits until it holds the phrases' shortcuts, but those
# given in $exact_refused ("mods:vk" pairs that no shortcut may have).
start_exact() {
    local run=$1
    shift
    exact_data=$(fresh_data_folder) || return 1
    exact_trace=$work/exact-$run.trace
    # Settings, if any, come before "--".
    local settings=() phrases=()
    if [[ " $* " == *" -- "* ]]; then
        while [ "$1" != -- ]; do settings+=("$1"); shift; done
        shift
    fi
    phrases=("$@")
    local shortcuts=() phrase s
    for phrase in "${phrases[@]}"; do
        s=$(cut -d: -f1,2 <<<"$phrase")
        [[ " ${exact_refused:-} " == *" $s "* ]] || shortcuts+=("$s")
    done
    python3 tests/win32/phrasefile.py "$exact_data/phrases.json" "${settings[@]}" -- "${phrases[@]}"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    SCRIVLET_TEST_TRACE=1 wine "$deployed/scrivlet.exe" 2>"$exact_trace" &
    scrivlet_pid=$!
    wait_for 30 wine "$tool" exists scrivlet.exe || return 1
    for s in "${shortcuts[@]}"; do
        wait_for 30 wine "$tool" held "${s%%:*}" "${s#*:}" || return 1
    done
}
stop_exact() {
    wine "$tool" close || true
    kill "$scrivlet_pid" 2>/dev/null || true
    wait "$scrivlet_pid" 2>/dev/null || true
    scrivlet_pid=""
}
# Starts a target (wintarget edit|plain <report> options...) and waits for its
# focus. One that could not take the focus within 20 s is ended and started
# once more (what held the foreground is in the log).
target() {
    local report=$2 pid
    wine "$tool" "$@" &
    pid=$!
    wait_for 20 test -f "$report.ready" && return 0
    echo "# $1 target for $report did not get the focus; started again" >&2
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wine "$tool" "$@" &
    wait_for 20 test -f "$report.ready"
}
next_target() {
    wine "$tool" close || true
    rm -f "$1" "$1".*
}
# Starts a clipboard monitor or owner (wintarget monitor|owner <report>
# options...) and waits until it is in place; its process id in $tool_pid.
clipboard_tool() {
    local report=$2
    wine "$tool" "$@" &
    tool_pid=$!
    wait_for 20 test -f "$report.ready"
}
clipboard_is() { wine "$tool" clip-get "$work/clip.txt" && same_report "$work/clip.txt" "$1"; }
# The text of a report file is exactly $2 and does not change for a second.
arrived_once() { stays "$1" "$2"; }

exact_roads() {
    local r
    check "scrivlet.exe starts for the exact roads" start_exact a \
        '3:0x31:Hello' '3:0x32:World' '3:0x33:XY' '3:0x34:ABCDEFGHIJKLMNOPQRST' \
        '3:0x35:Ro' '3:0x36:line one\nline two' '5:0x36:Hello {cursor}world'

    r=$work/held.txt
    check "a target that logs its keys has the focus" target plain "$r"
    wine "$tool" hold 3 0x31 1500
    check "Ctrl+Alt+1 held with key repeat types the phrase once, and no 1" stays "$r" "Hello"

    next_target "$r"
    r=$work/chord.txt
    check "the key-logging target has the focus again" target plain "$r"
    wine "$tool" chord 3 0x31 0x32
    check "Ctrl+Alt held for 1 and then 2 types both phrases, no plain 2" stays "$r" "HelloWorld"

    next_target "$r"
    r=$work/rich.txt
    check "a RichEdit holding one<CR>two with (0,6) selected has the focus" \
        target edit "$r" rich 'text=one\rtwo' sel=0,6
    wine "$tool" press 3 0x33
    check "the RichEdit gets XY once: XYo" stays "$r" "XYo"

    next_target "$r"
    r=$work/button.txt
    check "a focused button beside an EDIT" target edit "$r" button
    wine "$tool" press 3 0x33
    sleep 1
    check "the EDIT the user did not focus gets nothing" same_report "$r" ""

    next_target "$r"
    r=$work/limited.txt
    check "an EDIT limited to 10 characters has the focus" target edit "$r" limit=10
    wine "$tool" press 3 0x34
    check "a 20-character phrase is refused" wait_for 10 traced "typed 00000004-0000-4000-8000-000000000000 refused"
    check "the EDIT is left as it was, not cut to 10 characters" same_report "$r" ""
    check "lastUsed of the refused phrase stays 0" used 4 0

    next_target "$r"
    r=$work/readonly.txt
    check "a read-only EDIT holding \"fixed\" has the focus" target edit "$r" readonly text=fixed
    wine "$tool" press 3 0x35
    check "the phrase is refused in the read-only EDIT" wait_for 10 traced "typed 00000005-0000-4000-8000-000000000000 refused"
    check "the read-only EDIT still holds \"fixed\"" same_report "$r" "fixed"
    check "the user is told the field is read-only" traced "balloon The text field in front is read-only"
    check "lastUsed of the read-only attempt stays 0" used 5 0

    next_target "$r"
    r=$work/password.txt
    check "a password EDIT has the focus" target edit "$r" password
    wine "$tool" press 3 0x35
    check "the phrase is refused in the password field, with the reason" \
        wait_for 10 traced "balloon The text field in front is a password field"
    check "the password field is left empty" same_report "$r" ""

    next_target "$r"
    r=$work/slow.txt
    wine "$tool" clip-set "OLD"
    check "a target that takes 400 ms for every key has the focus" target plain "$r" delay=400
    wine "$tool" press 3 0x36
    check "the slow target pastes the phrase, not the old clipboard" \
        wait_for 15 same_bytes "$r" $'line one\r\nline two'
    clipboard_old() { wine "$tool" clip-get "$work/clip.txt" && same_report "$work/clip.txt" "OLD"; }
    check "the user's clipboard text is back afterwards" wait_for 10 clipboard_old

    next_target "$r"
    r=$work/image.txt
    wine "$tool" clip-image
    check "a 2 x 2 image is on the clipboard" wine "$tool" clip-has-image
    check "the key-logging target has the focus for the image check" target plain "$r"
    wine "$tool" press 3 0x36
    check "the multi-line phrase is pasted" wait_for 10 same_bytes "$r" $'line one\r\nline two'
    check "the user's image is on the clipboard again, whole" wait_for 10 wine "$tool" clip-has-image

    # {cursor} with Alt+Shift held (key repeat and all): the caret goes back
    # by message, not by Left presses that Alt would turn into WM_SYSKEYDOWN.
    next_target "$r"
    r=$work/cursor.txt
    check "an EDIT has the focus for the {cursor} phrase" target edit "$r"
    wine "$tool" hold 5 0x36 800
    check "Alt+Shift+6 held puts Hello world in once" stays "$r" "Hello world"
    check "with the caret where {cursor} stood, after Hello" wait_for 5 same_report "$r.sel" "6 6"

    # 800 ms for every key message: our Ctrl+V waits behind the shortcut's
    # own keys, and the user's content must not come back before it is read.
    next_target "$r"
    r=$work/busy.txt
    wine "$tool" clip-set "OLD"
    check "a target that takes 800 ms for every key message has the focus" target plain "$r" busy=800
    wine "$tool" press 3 0x36
    check "the busy target pastes the phrase, not the old clipboard" \
        wait_for 30 same_bytes "$r" $'line one\r\nline two'
    check "the user's clipboard text is back after the busy target's paste" wait_for 10 clipboard_is OLD

    # A target that reads for a second with the clipboard open: the restore
    # waits for it with the user's content kept.
    next_target "$r"
    r=$work/holdclip.txt
    wine "$tool" clip-set "OLD"
    check "a target that holds the clipboard 1 s as it reads has the focus" target plain "$r" holdclip=1000
    wine "$tool" press 3 0x36
    check "the phrase is pasted once" arrived_once "$r" $'line one\r\nline two'
    check "and the user's clipboard text is back" wait_for 10 clipboard_is OLD

    # A clipboard monitor that holds the clipboard open 500 ms after every
    # change: the user's content stays, or comes back; the doubt is told.
    next_target "$r"
    r=$work/monitored.txt
    wine "$tool" clip-set "OLD"
    check "a clipboard monitor that holds the clipboard 500 ms is in place" \
        clipboard_tool monitor "$work/monitor.txt" hold=500
    check "a key-logging target has the focus beside the monitor" target plain "$r"
    wine "$tool" press 3 0x36
    check "the user's clipboard text is there afterwards, not emptied" \
        wait_for 15 clipboard_is OLD
    check "the user is told what became of the phrase" \
        wait_for 10 last_balloon "The phrase may have been pasted"
    # The target records a paste as the clipboard's text, with Windows' line
    # breaks, as for the other pastes here.
    check "the phrase arrived once or not at all" \
        bash -c '[ ! -s "$1" ] || { '"$(declare -f same_bytes)"'; same_bytes "$1" "$2"; } ||
                 { echo "  holds: $(od -c "$1" | head -3)"; false; }' _ "$r" $'line one\r\nline two'

    # A program that renders its content late (1.5 s): Alt pressed meanwhile
    # is waited for before the paste chord, which would otherwise be Ctrl+Alt+V.
    next_target "$r"
    r=$work/late.txt
    check "a program that renders its clipboard content after 1.5 s owns it" \
        clipboard_tool owner "$work/owner.txt" delay=1500
    check "a key-logging target has the focus beside the late owner" target plain "$r"
    wine "$tool" press 3 0x36
    check "the program asks the owner for the user's content" wait_for 10 test -f "$work/owner.txt.asked"
    wine "$tool" hold 0 0xA4 2000 &
    local alt=$!
    check "the phrase is pasted" wait_for 15 same_bytes "$r" $'line one\r\nline two'
    wait "$alt"
    check "by Ctrl+V once Alt was up, not by Ctrl+Alt+V" bash -c \
        "grep -q '^WM_KEYDOWN 86 .* alt=0' '$r.messages' && ! grep -q '^WM_KEYDOWN 86 .* alt=1' '$r.messages'"
    check "the late owner's text is the user's clipboard again" wait_for 10 clipboard_is OLD

    # A program that owns the clipboard and takes no message: reading the
    # user's content gives up, and a shortcut pressed meanwhile is served.
    next_target "$r"
    r=$work/stalled.txt
    check "a program that owns the clipboard and takes no message is in place" \
        clipboard_tool owner "$work/stall.txt" stall
    local staller=$tool_pid
    check "a key-logging target has the focus beside it" target plain "$r"
    wine "$tool" press 3 0x36
    wine "$tool" press 3 0x31
    check "the next shortcut is served within seconds" wait_for 15 same_report "$r" "Hello"
    check "the paste is reported as not made" \
        wait_for 10 traced "balloon Nothing was pasted: the clipboard could not be had"
    kill "$staller" 2>/dev/null || true
    wait "$staller" 2>/dev/null || true

    # A target that takes no message gets nothing, and the next window is served.
    next_target "$r"
    r=$work/hung.txt
    check "a target that stops answering has the focus" target plain "$r" hang=60000
    local hung=$!
    wine "$tool" press 3 0x31
    check "nothing is sent to it, and the user is told" \
        wait_for 10 traced "balloon The window in front did not respond in time"
    local r2=$work/after-hung.txt
    check "another window has the focus" target plain "$r2"
    wine "$tool" press 3 0x32
    check "the other window is served" wait_for 10 same_report "$r2" "World"
    kill "$hung" 2>/dev/null || true
    wait "$hung" 2>/dev/null || true
    check "the hung target got nothing" same_report "$r" ""
    next_target "$r2"
    stop_exact

    # Ctrl+V and Ctrl+Shift+V (the terminals' paste) from an edited data
    # file are never taken from every program, so our own Ctrl+Shift+V
    # reaches a terminal of the kitty kind.
    exact_refused="2:0x56 6:0x56"
    check "scrivlet.exe starts with phrases on Ctrl+V and Ctrl+Shift+V" start_exact b \
        '3:0x36:two\nlines' '2:0x56:SELF' '6:0x56:SHIFTED'
    exact_refused=""
    check "Ctrl+V is not registered" bash -c "! wine '$tool' held 2 0x56"
    check "Ctrl+Shift+V is not registered" bash -c "! wine '$tool' held 6 0x56"
    check "the user is told why" traced "balloon Could not register shortcut: p2 (Ctrl+V), the key that pastes"
    check "and of both" traced "p3 (Ctrl+Shift+V), the key that pastes"
    r=$work/self.txt
    check "the key-logging target has the focus for the Ctrl+V check" target plain "$r"
    wine "$tool" press 3 0x36
    check "the multi-line phrase is pasted, not the Ctrl+V phrase typed" stays "$r" $'two\r\nlines'

    next_target "$r"
    r=$work/kitty.txt
    check "a window of the class kitty has the focus" target plain "$r" class=kitty ctrlshiftv
    wine "$tool" press 3 0x36
    check "kitty gets the phrase by Ctrl+Shift+V, not our Ctrl+Shift+V phrase" \
        stays "$r" $'two\r\nlines'
    check "nobody holds Ctrl+Shift+V afterwards" bash -c "! wine '$tool' held 6 0x56"

    # A terminal of the PuTTY kind pastes with Shift+Insert and would pass a
    # Ctrl+V on to its program as the character 0x16.
    next_target "$r"
    r=$work/putty.txt
    check "a window of the class PuTTY has the focus" target plain "$r" putty
    wine "$tool" press 3 0x36
    check "PuTTY gets the phrase by Shift+Insert, and no control character" \
        stays "$r" $'two\r\nlines'
    stop_exact

    # Abbreviations through the keyboard hook: typed into an EDIT and into a
    # key-logging target, the abbreviation is erased and the phrase is there
    # once; inside a word, and in a password field, what was typed stays.
    check "scrivlet.exe starts with abbreviations" start_exact c \
        '3:0x37:Best regards@@;sig' '3:0x38:two\nlines@@;ml'
    r=$work/abbr-edit.txt
    check "an EDIT has the focus for ;sig" target edit "$r"
    wine "$tool" chord 0 0xBA 0x53 0x49 0x47
    check "the EDIT holds the phrase in place of ;sig" stays "$r" "Best regards"
    check "the expansion is traced" traced "abbreviation ;sig expanded"

    next_target "$r"
    r=$work/abbr-plain.txt
    check "the key-logging target has the focus for ;ml" target plain "$r"
    wine "$tool" chord 0 0xBA 0x4D 0x4C
    check "the key-logging target gets the two lines in place of ;ml" stays "$r" $'two\r\nlines'

    next_target "$r"
    r=$work/abbr-word.txt
    check "the key-logging target has the focus for x;sig" target plain "$r"
    wine "$tool" chord 0 0x58 0xBA 0x53 0x49 0x47
    check "inside a word ;sig stays as typed" stays "$r" "x;sig"

    next_target "$r"
    r=$work/abbr-password.txt
    check "a password EDIT has the focus for ;sig" target edit "$r" password
    wine "$tool" chord 0 0xBA 0x53 0x49 0x47
    check "the password field is left alone" wait_for 10 traced "abbreviation ;sig not here"
    check "and keeps what was typed" stays "$r" ";sig"

    # A field that is no EDIT but tells accessibility tools it is protected,
    # as a browser's password field does.
    next_target "$r"
    r=$work/abbr-protected.txt
    check "a protected field of another kind has the focus for ;sig" target plain "$r" protected
    wine "$tool" chord 0 0xBA 0x53 0x49 0x47
    check "the protected field is left alone" \
        wait_for 10 traced_times "abbreviation ;sig not here" 2
    check "and keeps what was typed there" stays "$r" ";sig"
    stop_exact

    # The user's rules per application: a paste road (windows of the class
    # ClassPaste) and the Type-only road (ClassType). Read-only and password
    # fields take nothing on either; a paste is judged by who read it.
    check "scrivlet.exe starts with a paste rule and a Type-only rule" start_exact d \
        'appRules=[{"match": "ClassPaste", "road": "ctrlV"}, {"match": "ClassType", "road": "type"}]' \
        -- '3:0x31:Ro' '3:0x32:one\ntwo' '3:0x33:one\ntwo'
    local rules=(ClassPaste ClassType)
    local cls
    for cls in "${rules[@]}"; do
        r=$work/ro-$cls.txt
        check "a read-only EDIT under $cls holds \"fixed\"" target edit "$r" readonly text=fixed class=$cls
        wine "$tool" press 3 0x31
        check "$cls: the read-only EDIT is refused, and the user told" \
            wait_for 10 traced_times "balloon The text field in front is read-only" \
            "$([ "$cls" = ClassPaste ] && echo 1 || echo 2)"
        check "$cls: the read-only EDIT still holds \"fixed\"" same_report "$r" "fixed"
        next_target "$r"
        r=$work/pw-$cls.txt
        check "a password EDIT under $cls has the focus" target edit "$r" password class=$cls
        wine "$tool" press 3 0x31
        check "$cls: the password field is refused, and the user told" \
            wait_for 10 traced_times "balloon The text field in front is a password field" \
            "$([ "$cls" = ClassPaste ] && echo 1 || echo 2)"
        check "$cls: the password field is left empty" same_report "$r" ""
        next_target "$r"
    done
    check "lastUsed of the refused phrase stays 0" used 1 0

    # A monitor that opens the clipboard without a window reads the text; the
    # target never pastes: that is no delivery.
    r=$work/nopaste.txt
    check "a monitor without a window is in place" clipboard_tool monitor "$work/monitor-nw.txt" nowindow
    check "a target that never pastes has the focus, under the paste rule" \
        target plain "$r" nopaste class=ClassPaste
    wine "$tool" press 3 0x32
    check "the paste read only by the monitor is not counted as delivered" \
        wait_for 15 traced "typed 00000002-0000-4000-8000-000000000000 refused"
    check "the user is told the phrase may have been pasted" \
        last_balloon "The phrase may have been pasted"
    check "lastUsed of that phrase stays 0" used 2 0
    next_target "$r"

    # A monitor with a window reads first (the EDIT is slow to get to our
    # keys); the EDIT, whose text can be read, shows the lines: delivered, once.
    r=$work/monitored-edit.txt
    check "a monitor with a window is in place" clipboard_tool monitor "$work/monitor-w.txt"
    check "an EDIT has the focus, under the paste rule" target edit "$r" class=ClassPaste busy=300
    wine "$tool" press 3 0x33
    check "the lines arrive once" stays "$r" $'one\r\ntwo'
    check "and are counted as delivered" \
        wait_for 10 traced "typed 00000003-0000-4000-8000-000000000000 accepted"
    check "lastUsed of the pasted phrase is saved" used 3 1
    next_target "$r"
    stop_exact
}

# The data file replaced by a sync tool's rename while the program runs: the
# new phrase's shortcut types it and the changed phrase types its new text.
data_file_roads() {
    local r
    check "scrivlet.exe starts before its data file is replaced" start_exact s '3:0x31:before'
    python3 tests/win32/phrasefile.py "$exact_data/phrases.json.sync-tmp" \
        -- '3:0x31:after' '3:0x37:added'
    mv -f "$exact_data/phrases.json.sync-tmp" "$exact_data/phrases.json"
    check "the new phrase's Ctrl+Alt+7 is held within 10 s" wait_for 10 wine "$tool" held 3 0x37
    r=$work/replaced-new.txt
    check "a target has the focus for the new phrase" target plain "$r"
    wine "$tool" press 3 0x37
    check "the new phrase types its text" stays "$r" "added"
    next_target "$r"
    r=$work/replaced-changed.txt
    check "a target has the focus for the changed phrase" target plain "$r"
    wine "$tool" press 3 0x31
    check "the changed phrase types its new text" stays "$r" "after"
    next_target "$r"
    stop_exact
}

# A list kept in a folder given on the command line (portable use): the
# program started with --data-dir holds that list's shortcut and types its
# phrase, --list lists it, and the usual data folder stays empty.
data_dir_road() {
    local usual portable r
    usual=$(fresh_data_folder) || return 1
    portable=$work/portable\ list
    rm -rf "$portable" && mkdir -p "$portable"
    python3 tests/win32/phrasefile.py "$portable/phrases.json" -- '3:0x37:From the stick'
    local folder
    folder=$(winepath -w "$portable" 2>/dev/null | tr -d '\r')
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wine "$deployed/scrivlet.exe" --data-dir "$folder" 2>/dev/null &
    scrivlet_pid=$!
    check "scrivlet.exe started with --data-dir holds that list's shortcut" \
        wait_for 30 wine "$tool" held 3 0x37
    r=$work/portable.txt
    check "an EDIT has the focus for the portable list" target edit "$r"
    wine "$tool" press 3 0x37
    check "the phrase of the list in the folder given is typed" stays "$r" "From the stick"
    check "--data-dir with --list lists that list" bash -c \
        "[ \"\$(timeout 60 wine '$deployed/scrivlet.exe' --data-dir '$folder' --list | tr -d '\r')\" = p1 ]"
    check "nothing was written to the usual data folder" \
        test -z "$(ls -A "$usual")"
    next_target "$r"
    stop_exact
}

# A phrase with a field: its shortcut opens the window of fields, which has
# the keyboard; Enter types the phrase with the answer into the EDIT that was
# in front, once, and Escape types nothing and gives that EDIT the keyboard
# back, so that the next phrase lands there too.
fill_in_road() {
    local r id=00000001-0000-4000-8000-000000000000
    check "scrivlet.exe starts with a phrase that asks for a name" \
        start_exact f '3:0x38:Hi {input:Name}.'
    r=$work/fields.txt
    check "an EDIT has the focus for the phrase with a field" target edit "$r"
    wine "$tool" press 3 0x38
    check "the window of fields opens with the keyboard" wait_for 20 wine "$tool" front "Fill in"
    for vk in 0x41 0x44 0x41 0x0D; do wine "$tool" press 0 $vk; done
    check "Enter types the phrase with the answer into the EDIT, once" stays "$r" "Hi ada."
    wine "$tool" press 3 0x38
    check "the window of fields opens again" wait_for 20 wine "$tool" front "Fill in"
    wine "$tool" press 0 0x42
    wine "$tool" press 0 0x1B
    check "Escape closes it" wait_for 20 traced "fill-ins of $id cancelled"
    check "and types nothing" stays "$r" "Hi ada."
    wine "$tool" press 3 0x38
    check "the window of fields opens a third time" wait_for 20 wine "$tool" front "Fill in"
    for vk in 0x43 0x0D; do wine "$tool" press 0 $vk; done
    check "after Escape the EDIT had the keyboard back: the next phrase lands there" \
        stays "$r" "Hi ada.Hi c."
    next_target "$r"
    stop_exact
}
