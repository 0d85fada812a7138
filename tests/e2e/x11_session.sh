# Shared steps for driving the real numo binary on an X server with xdotool and reading the
# clipboard with xclip. Sourced by the end-to-end test and the screenshot script; expects
# $numo (the binary) and sets $pid and $window.

pid=""
window=""
work=""

# Re-runs the calling script under its own Xvfb server unless it already runs under one; the
# screen is NUMO_X11_SCREEN (WIDTHxHEIGHTxDEPTH), 1280x1024x24 unless set.
# Call as: enter_own_display "$@"
enter_own_display() {
    if [ -z "${NUMO_X11_INNER:-}" ]; then
        export NUMO_X11_INNER=1
        exec xvfb-run -a -s "-screen 0 ${NUMO_X11_SCREEN:-1280x1024x24}" "$0" "$@"
    fi
}

# A fresh home folder (so a fresh data folder) and runtime folder, removed by stop_session.
use_private_home() {
    work=$(mktemp -d)
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
}

# Ends a running numo and removes the private home.
stop_session() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    if [ -n "$work" ]; then rm -rf "$work"; fi
}

# On exit: a failure leaves a screenshot NAME.png in $shots and names the $step it failed at;
# the session ends either way. Call as: end_session_on_exit NAME
end_session_on_exit() {
    failure_shot=$1
    trap end_session EXIT
}
end_session() {
    local rc=$?
    if [ $rc -ne 0 ]; then
        mkdir -p "$shots"
        import -window root "$shots/$failure_shot.png" 2>/dev/null || true
        echo "FAILED at step: $step (screenshot: $failure_shot.png)" >&2
    fi
    stop_session
    exit $rc
}

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
# Positions are the controls' design positions in twips. The window is laid out at 15 twips a
# pixel and then scaled with the screen's device pixel ratio (a larger font DPI makes the whole
# window larger), so a position is turned into pixels by the width the window really has.

CLIENT_WIDTH_TWIPS=10980 # the main window's design width
window_width=$((CLIENT_WIDTH_TWIPS / 15))
px() { echo $(($1 * window_width / CLIENT_WIDTH_TWIPS)); }

# Reads the main window's width in pixels from the X server.
measure_window() {
    local WIDTH=""
    eval "$(xdotool getwindowgeometry --shell "$window" | grep '^WIDTH=')"
    [ -n "$WIDTH" ] && window_width=$WIDTH
}

start_numo() {
    "$numo" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --class numo | head -n 1)
    [ -n "$window" ]
    xdotool windowfocus --sync "$window"
    measure_window
}

# Waits (bounded) for the running numo to end and sets $status to its exit status.
status=""
wait_for_exit() {
    wait_for 20 "numo to exit" bash -c "! kill -0 $pid 2>/dev/null"
    status=0
    wait "$pid" 2>/dev/null || status=$?
    pid=""
}

# Ends numo as the session manager does at log-out; it saves nothing on exit anyway.
quit_numo() {
    kill -TERM "$pid"
    wait_for_exit
}

# click_at LEFT TOP (twips, inside the main window)
click_at() {
    xdotool mousemove --window "$window" "$(px "$1")" "$(px "$2")" click 1
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

# List items are chosen as a keyboard user does: a click on the list's top edge gives it the
# focus, Home selects the first item, Down moves one item on, Enter runs the list's double-click
# handler. Nothing depends on how high a row is in the font the window got.
choose_list_item() { # LEFT (twips) INDEX
    click_at "$1" 540
    xdotool key --clearmodifiers Home
    local i
    for ((i = 0; i < $2; i++)); do xdotool key --clearmodifiers Down; done
    xdotool key --clearmodifiers Return
}
choose_naming_value() { choose_list_item 7200 "$1"; } # List1 item 0, 1, 2
choose_entry_mode() { choose_list_item 8900 "$1"; }   # List2 item 0, 1

type_keys() { xdotool type --delay 60 "$1"; }

# Opens the help window with the Help button and sets $help to it.
help=""
open_help() {
    click_help
    wait_for 10 "the help window" window_count_is 2
    help=$(xdotool search --onlyvisible --class numo | grep -v -x "$window" | head -n 1)
    xdotool windowfocus --sync "$help"
}

# Types WORD into the help window's search box and presses Enter.
search_help() {
    xdotool mousemove --window "$help" "$(px 2000)" "$(px 300)" click 1 # Form2 Text2
    type_keys "$1"
    xdotool key Return
}
