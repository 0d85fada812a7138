#!/usr/bin/env bash
# Big input on a real X server (Xvfb with xcb, not offscreen): pastes 1 MB and 100 KB of
# hexadecimal into the hexadecimal field, clicks "Convert Hex to Dec and Bin" and reports the
# time until the window answers the next event; then idles 10 s with the caret in each filled
# field and reports the CPU it used, and the peak resident memory of the run.
# Floors on a 2-core machine: 1 MB at most 1 s, 100 KB at most 150 ms, idle CPU at most 1% of a
# core in every field. Exits 1 when a figure is over its floor.
# Usage: bench/mainwindow/real_display.sh <path to numo> [idle seconds]
set -euo pipefail

numo=$(readlink -f "$1")
idle=${2:-10}

# shellcheck source=../../tests/e2e/x11_session.sh
source "$(dirname "$(readlink -f "$0")")/../../tests/e2e/x11_session.sh"
enter_own_display "$numo" "$idle"
use_private_home
trap stop_session EXIT

over=0
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
now() { date +%s%N; }
floor() { # FIGURE LIMIT WHAT
    if awk -v f="$1" -v l="$2" 'BEGIN { exit !(f > l) }'; then
        echo "  over the floor of $2: $3"
        over=1
    fi
}

baseline=0
run() { # BYTES LIMIT_MS (0: this run measures the cost of measuring)
    local bytes=$1 limit=$2
    start_numo
    # Numo owns the clipboard, so that a read of it is answered only when its event loop runs.
    choose_naming_value 0
    click_text_line
    type_keys "B"
    click_convert_text
    expect_clipboard "a66.gif"

    python3 -c "import sys; sys.stdout.write(('C0-A8-00-01-' * ($bytes // 12 + 1))[:$bytes])" \
        >"$work/paste.txt"
    xclip -selection primary -i "$work/paste.txt"
    click_at 3487 6187           # Text2
    xdotool click 2              # pastes the primary selection where the pointer is
    xclip -o -selection clipboard >/dev/null # the paste is done

    local before after
    # Command4, "Convert Hex to Dec and Bin", pressed; the clock starts before its release,
    # which runs the conversion, so it includes starting xdotool.
    xdotool mousemove --window "$window" "$(px 7747)" "$(px 6187)" mousedown 1
    before=$(now)
    xdotool mouseup 1
    xclip -o -selection clipboard >/dev/null # answered once the click has been handled
    xclip -o -selection clipboard >/dev/null # and once more, after what it posted (painting)
    after=$(now)
    local ms=$(((after - before) / 1000000))
    if [ "$limit" -eq 0 ]; then
        baseline=$ms
        echo "$bytes bytes of hexadecimal: answered after $ms ms, the cost of measuring" \
            "(starting xdotool and xclip, round trips through the X server)"
    else
        echo "$bytes bytes of hexadecimal: converted and painted, next event answered after" \
            "$ms ms, $((ms - baseline)) ms net of the cost of measuring"
        floor "$((ms - baseline))" "$limit" "ms net"
    fi

    local field
    for field in "Text5 2947" "Text1 5107" "Text2 6187" "Text3 7200"; do
        set -- $field
        click_at 3487 "$2"
        xclip -o -selection clipboard >/dev/null
        local t0 t1 w0 w1
        t0=$(ticks)
        w0=$(now)
        sleep "$idle"
        t1=$(ticks)
        w1=$(now)
        local percent
        percent=$(awk -v t="$((t1 - t0))" -v hz="$(getconf CLK_TCK)" -v ns="$((w1 - w0))" \
            'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }')
        echo "  idle with the caret in $1: $percent% of a core"
        floor "$percent" 1 "% of a core"
    done
    echo "  peak resident memory: $(awk '/VmHWM/ {printf "%.0f MiB", $2 / 1024}' "/proc/$pid/status")"
    quit_numo
}

run 1024 0
run 1048576 1000
run 102400 150
exit $over
