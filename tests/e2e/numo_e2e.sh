#!/usr/bin/env bash
# End-to-end test: starts the real numo binary on an X server, types and clicks with xdotool,
# and reads the real clipboard with xclip; then ends it with the signals a session sends.
# Usage: numo_e2e.sh <path to numo> [screenshot dir]. NUMO_SIGNAL_SAVE_ROUNDS (default 5) sets
# how many saves a SIGTERM interrupts.
# Without a display of its own it re-runs itself under xvfb-run.
set -euo pipefail

numo=$(readlink -f "$1")
shots=${2:-$(pwd)}

# shellcheck source=x11_session.sh
source "$(dirname "$(readlink -f "$0")")/x11_session.sh"
enter_own_display "$numo" "$shots"
use_private_home
step="start"

end_session_on_exit e2e-failure

# --- the session ----------------------------------------------------------------------------

step="first start shows the window"
start_numo
ini="$HOME/plim/numo2.ini"
wait_for 10 "help file written at start-up" test -s "$HOME/plim/numo2.txt"

step="text conversion: B gives a66.gif once ASCII Value is chosen"
choose_naming_value 0
click_text_line
type_keys "B"
click_convert_text
expect_clipboard "a66.gif"

step="hex value chosen: the next conversion uses it"
choose_naming_value 1
click_convert_text
expect_clipboard "a42.gif"

step="single-key session: every key converts at once"
choose_entry_mode 0
click_text_line
type_keys "C"
expect_clipboard "a43.gif"
type_keys "z"
expect_clipboard "a7A.gif"

step="save configuration writes the four settings"
replace_prefix "p"
click_save_configuration
wait_for 10 "settings file with the saved values" \
    file_has_lines "$ini" "p" ".gif" "Hex Value" "Single Key" ""

step="copy as: the hexadecimal field's bytes as a C array from its context menu"
click_at 3487 6187 # Text2
xdotool key --clearmodifiers ctrl+a
type_keys "8C 00 FF FF"
xdotool key --clearmodifiers Menu a Down Down Down Down Return # Copy as, the fifth entry
expect_clipboard "{ 0x8C, 0x00, 0xFF, 0xFF }"

step="byte inspector: ctrl+i in the hexadecimal field, a reading copied from the keyboard"
xdotool key --clearmodifiers ctrl+a
type_keys "8C00FFFF"
xdotool key --clearmodifiers Home ctrl+i # the bytes from the caret's byte on
wait_for 10 "the byte inspector" window_count_is 2
inspector=$(xdotool search --onlyvisible --class numo | grep -v -x "$window" | head -n 1)
xdotool windowfocus --sync "$inspector"
xdotool key --clearmodifiers Down Down Down Down ctrl+c # Unsigned 32-bit, big-endian
expect_clipboard "2348875775"
xdotool key --clearmodifiers Escape
wait_for 10 "the byte inspector closed" window_count_is 1

step="help: search a word with Enter and see it marked"
open_help
search_help "binary"
xdotool mousemove --window "$help" "$(px 4000)" "$(px 3000)" click 1  # Form2 Text1
xdotool key --clearmodifiers ctrl+a ctrl+c
wait_for 10 "the marked help text on the clipboard" clipboard_has "<<binary>> (such as sniffer captures)"
clipboard_has "Binary" && { echo "an unmarked 'Binary' is left in the help text" >&2; exit 1; }

step="random typing, pasting and editing in every field, then every conversion"
# Bash's own generator, seeded, so a failure replays: NUMO_E2E_SEED=N.
RANDOM=${NUMO_E2E_SEED:-26}
echo "e2e: random input with seed ${NUMO_E2E_SEED:-26}"
# Sets $text to LENGTH characters of every kind the fields meet. It runs in this shell: a
# subshell would reseed the generator and the run would not replay.
random_text() {
    local alphabet='0123456789abcdefABCDEF .-:,x01éü€Ω漢' i
    text=""
    for ((i = 0; i < $1; i++)); do text+=${alphabet:RANDOM % ${#alphabet}:1}; done
}
xdotool windowfocus --sync "$window"
for field in 5107 6187 7987 4027 2947; do # Text1, Text2, Text3, Text4, Text5
    click_at 3487 "$field"
    for _ in 1 2; do
        random_text $((RANDOM % 3000))
        first=$text
        random_text 40
        printf '%s\n%s' "$first" "$text" | xclip -selection clipboard
        xdotool key --clearmodifiers ctrl+v
        random_text 8
        xdotool type --delay 20 -- "$text" # the text may start with "-"
        xdotool key --clearmodifiers Left Left BackSpace shift+Home Delete ctrl+z ctrl+shift+z End
    done
    click_at 7747 "$field" # the field's button
done
kill -0 "$pid" || { echo "numo ended during the random input" >&2; exit 1; }

step="restart shows the saved values"
quit_numo
start_numo
click_text_line
type_keys "B"
expect_clipboard "p42.gif"
quit_numo

# --- the signals a session sends: SIGTERM, SIGINT and SIGHUP end numo as closing its main
# window does, with the same exit status, and a save under way leaves no temporary file.

fail() {
    echo "$*" >&2
    exit 1
}

# The data folder holds the help file, the settings file once saved, and nothing else.
expect_only_data_files() {
    local path
    for path in "$HOME"/plim/* "$HOME"/plim/.[!.]*; do
        case ${path##*/} in
            numo2.txt | numo2.ini | '*' | '.[!.]*') ;;
            *) fail "stray file in the data folder: ${path##*/}" ;;
        esac
    done
    [ -f "$HOME/plim/numo2.txt" ] || fail "the help file is missing"
}

# A fresh home, numo started on it, and its help file written.
fresh_start() {
    stop_session
    use_private_home
    start_numo
    wait_for 10 "help file written at start-up" test -s "$HOME/plim/numo2.txt"
}

step="a normal close: Ctrl+Q in the help window closes every window"
fresh_start
open_help
xdotool key ctrl+q
wait_for_exit
normal=$status
expect_only_data_files

for signal in TERM INT HUP; do
    step="SIG$signal ends numo as a close does"
    fresh_start
    kill -s "$signal" "$pid"
    wait_for_exit
    [ "$status" = "$normal" ] || fail "SIG$signal: exit status $status, a close gives $normal"
    expect_only_data_files
done

# SIGTERM right after a click on Save Configuration: whether the save ran before the signal was
# handled or not, the settings file is whole or absent and no temporary file is left.
for round in $(seq "${NUMO_SIGNAL_SAVE_ROUNDS:-5}"); do
    step="SIGTERM during a save, round $round"
    fresh_start
    click_at 9367 2302 # Text8, the suffix: a change enables Save Configuration
    type_keys "$round"
    click_save_configuration
    kill -s TERM "$pid"
    wait_for_exit
    [ "$status" = "$normal" ] || fail "exit status $status during a save, a close gives $normal"
    expect_only_data_files
    ini="$HOME/plim/numo2.ini"
    if [ -f "$ini" ]; then
        [ "$(sed -n 2p "$ini")" = ".gif$round"$'\r' ] || fail "settings file not whole: $(od -c "$ini")"
    fi
done

echo "e2e: all steps passed"
