#!/usr/bin/env bash
# End-to-end test: starts the real numo binary on an X server, types and clicks with xdotool,
# and reads the real clipboard with xclip. Usage: numo_e2e.sh <path to numo> [screenshot dir]
# Without a display of its own it re-runs itself under xvfb-run.
set -euo pipefail

numo=$(readlink -f "$1")
shots=${2:-$(pwd)}

if [ -z "${NUMO_E2E_INNER:-}" ]; then
    export NUMO_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$numo" "$shots"
fi

work=$(mktemp -d)
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
pid=""
window=""
step="start"

cleanup() {
    local rc=$?
    if [ $rc -ne 0 ]; then
        mkdir -p "$shots"
        import -window root "$shots/e2e-failure.png" 2>/dev/null || true
        echo "FAILED at step: $step (screenshot: e2e-failure.png)" >&2
    fi
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
    exit $rc
}
trap cleanup EXIT

# --- waiting: every wait polls for a condition and gives up after a bound -------------------

# wait_for SECONDS DESCRIPTION COMMAND...: runs COMMAND every 50 ms until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if [ $SECONDS -ge $deadline ]; then
            echo "timed out after ${seconds}s waiting for: $what" >&2
            return 1
        fi
        sleep 0.05
    done
}

clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null || true)" = "$1" ]; }
clipboard_has() { xclip -o -selection clipboard 2>/dev/null | grep -q -F -- "$1"; }
file_has_lines() {
    local file=$1
    shift
    [ -f "$file" ] || return 1
    [ "$(cat "$file")" = "$(printf '%s\r\n' "$@")" ]
}
window_count_is() { [ "$(xdotool search --onlyvisible --class numo 2>/dev/null | wc -l)" -eq "$1" ]; }

expect_clipboard() {
    wait_for 10 "clipboard '$1' (it holds '$(xclip -o -selection clipboard 2>/dev/null || true)')" \
        clipboard_is "$1"
}

# --- user steps -----------------------------------------------------------------------------
# Positions are the controls' design positions in twips, 15 twips a pixel.

px() { echo $(($1 / 15)); }

start_numo() {
    "$numo" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --class numo | head -n 1)
    [ -n "$window" ]
    xdotool windowfocus --sync "$window"
}

quit_numo() {
    xdotool windowclose "$window" 2>/dev/null || kill "$pid"
    wait_for 10 "numo to exit" bash -c "! kill -0 $pid 2>/dev/null"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# click_at LEFT TOP (twips, inside the main window)
click_at() {
    xdotool mousemove --window "$window" "$(px "$1")" "$(px "$2")" click 1
}

double_click_at() {
    xdotool mousemove --window "$window" "$(px "$1")" "$(px "$2")" click --repeat 2 --delay 60 1
}

# Centres of the controls used here.
click_text_line() { click_at 3487 2947; }      # Text5
click_convert_text() { click_at 7747 2947; }   # Command3
click_save_configuration() { click_at 10327 787; } # Command7
click_help() { click_at 10327 247; }           # Command8
replace_prefix() {                             # Text7
    click_at 7267 2302
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 "$1"
}

# List items: the lists show their first items from the top; the first item sits just under
# the list's top edge and each following item one item height lower.
list_item_y() { echo $((480 + 60 + $1 * ITEM_HEIGHT_TWIPS + ITEM_HEIGHT_TWIPS / 2)); }
ITEM_HEIGHT_TWIPS=${ITEM_HEIGHT_TWIPS:-210}
choose_naming_value() { double_click_at 7200 "$(list_item_y "$1")"; } # List1 item 0, 1, 2
choose_entry_mode() { double_click_at 8900 "$(list_item_y "$1")"; }   # List2 item 0, 1

type_keys() { xdotool type --delay 60 "$1"; }

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

step="help: search a word with Enter and see it marked"
click_help
wait_for 10 "the help window" window_count_is 2
help=$(xdotool search --onlyvisible --class numo | grep -v -x "$window" | head -n 1)
xdotool windowfocus --sync "$help"
xdotool mousemove --window "$help" "$(px 2000)" "$(px 300)" click 1   # Form2 Text2
type_keys "binary"
xdotool key Return
xdotool mousemove --window "$help" "$(px 4000)" "$(px 3000)" click 1  # Form2 Text1
xdotool key --clearmodifiers ctrl+a ctrl+c
wait_for 10 "the marked help text on the clipboard" clipboard_has "<<binary>> (such as sniffer captures)"
clipboard_has "Binary" && { echo "an unmarked 'Binary' is left in the help text" >&2; exit 1; }

step="restart shows the saved values"
quit_numo
start_numo
click_text_line
type_keys "B"
expect_clipboard "p42.gif"
quit_numo

echo "e2e: all steps passed"
