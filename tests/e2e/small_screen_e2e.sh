#!/usr/bin/env bash
# End-to-end test on a 1366x768 screen with the windows scaled up (QT_FONT_DPI or
# QT_SCALE_FACTOR from the environment) until their design is larger than the screen: both
# windows lie within the screen, and the binary field, below the visible part, is reached with
# Tab, typed into and converted with Ctrl+Enter. Usage: small_screen_e2e.sh <path to numo>
# [screenshot dir]. Without a display of its own it re-runs itself under xvfb-run.
set -euo pipefail

numo=$(readlink -f "$1")
shots=${2:-$(pwd)}

# shellcheck source=x11_session.sh
source "$(dirname "$(readlink -f "$0")")/x11_session.sh"
export NUMO_X11_SCREEN=1366x768x24
enter_own_display "$numo" "$shots"
scale_factor=${QT_SCALE_FACTOR:-}
use_private_home
if [ -n "$scale_factor" ]; then export QT_SCALE_FACTOR=$scale_factor; fi
step="start"

end_session_on_exit small-screen-failure

# expect_within_screen WINDOW NAME: the window's outer rectangle lies on the screen.
expect_within_screen() {
    local X Y WIDTH HEIGHT screen_width screen_height
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    echo "e2e: $2 at $X,$Y, ${WIDTH}x${HEIGHT} on ${screen_width}x${screen_height}"
    if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt "$screen_width" ] \
        || [ $((Y + HEIGHT)) -gt "$screen_height" ]; then
        echo "$2 reaches beyond the screen" >&2
        return 1
    fi
}

# The text line's design position (15 twips a pixel) times the scale the environment asks for.
scale=$(awk -v dpi="${QT_FONT_DPI:-96}" -v factor="${QT_SCALE_FACTOR:-1}" \
    'BEGIN { print dpi / 96 * factor }')
scaled() { awk -v twips="$1" -v scale="$scale" 'BEGIN { printf "%d", twips / 15 * scale }'; }

step="the main window fits the screen"
start_numo
expect_within_screen "$window" "main window"

step="the binary field is reached with Tab from the text line, typed into and converted"
xdotool mousemove --window "$window" "$(scaled 300)" "$(scaled 2947)" click 1 # Text5
# Tab order: Text5, Text1, Command1, Text2, Text3.
xdotool key --clearmodifiers Tab Tab Tab Tab
type_keys "01001110 01110101 01101101 01101111"
xdotool key --clearmodifiers ctrl+Return # Convert Binary to ASCII
xdotool key --clearmodifiers shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a ctrl+c
expect_clipboard "Numo"

step="the help window fits the screen"
xdotool key --clearmodifiers F1
wait_for 10 "the help window" window_count_is 2
help=$(xdotool search --onlyvisible --class numo | grep -v -x "$window" | head -n 1)
expect_within_screen "$help" "help window"

quit_numo
echo "e2e: all steps passed"
