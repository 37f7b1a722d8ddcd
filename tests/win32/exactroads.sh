# The main road under Wine where it used to go wrong: held and chorded
# shortcuts, a RichEdit with CR paragraphs, a focused button beside an EDIT,
# a full, a read-only and a password EDIT, a slow target with the user's old
# clipboard, an image on the clipboard, a phrase on Ctrl+V, and a terminal of
# the PuTTY kind. Each text must
# arrive exactly once or not at all, with the failure reported (the program's
# trace) and lastUsed left alone, and the user's clipboard back afterwards.
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
traced_times() { [ "$(grep -cF -- "$1" "$exact_trace")" -ge "$2" ]; }

# Starts the deployed program on the data file written by phrasefile.py with
# the given phrases, tracing to $exact_trace, and waits until it holds the
# shortcuts given as "mods:vk" pairs.
start_exact() {
    local run=$1
    shift
    exact_data=$(fresh_data_folder) || return 1
    exact_trace=$work/exact-$run.trace
    local shortcuts=()
    local phrase
    for phrase in "$@"; do shortcuts+=("${phrase%:*}"); done
    python3 tests/win32/phrasefile.py "$exact_data/phrases.json" -- "$@"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    SCRIVLET_TEST_TRACE=1 wine "$deployed/scrivlet.exe" 2>"$exact_trace" &
    scrivlet_pid=$!
    wait_for 30 wine "$tool" exists scrivlet.exe || return 1
    local s
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
# Starts a target (wintarget edit|plain <report> options...) and waits for its focus.
target() {
    local report=$2
    wine "$tool" "$@" &
    wait_for 20 test -f "$report.ready"
}
next_target() {
    wine "$tool" close || true
    rm -f "$1" "$1".*
}

exact_roads() {
    local r
    check "scrivlet.exe starts for the exact roads" start_exact a \
        '3:0x31:Hello' '3:0x32:World' '3:0x33:XY' '3:0x34:ABCDEFGHIJKLMNOPQRST' \
        '3:0x35:Ro' '3:0x36:line one\nline two'

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
    stop_exact

    check "scrivlet.exe starts with a phrase on Ctrl+V" start_exact b '3:0x36:two\nlines' '2:0x56:SELF'
    r=$work/self.txt
    check "the key-logging target has the focus for the Ctrl+V check" target plain "$r"
    wine "$tool" press 3 0x36
    check "the multi-line phrase is pasted, not the Ctrl+V phrase typed" stays "$r" $'two\r\nlines'

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
}
