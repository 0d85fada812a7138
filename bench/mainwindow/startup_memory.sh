#!/usr/bin/env bash
# Resident memory of the real numo at start on a real X server (Xvfb with xcb, not offscreen),
# beside a bare Qt Widgets window with one QPlainTextEdit (bare_text_box), empty and showing one
# line (which loads the text engine that shapes it), all started in turns and read from /proc
# once their window shows and has been painted: medians of VmRSS and VmHWM, and numo's ratios.
# Floor: at most 1.10 times the empty box's window. Exits 1 when over it.
# Usage: bench/mainwindow/startup_memory.sh <path to numo> <path to bare_text_box> [pairs]
set -euo pipefail

numo=$(readlink -f "$1")
bare=$(readlink -f "$2")
pairs=${3:-7}

# shellcheck source-path=SCRIPTDIR source=../../tests/e2e/x11_session.sh
source "$(dirname "$(readlink -f "$0")")/../../tests/e2e/x11_session.sh"
enter_own_display "$numo" "$bare" "$pairs"
use_private_home
trap stop_session EXIT

measure() { # OUTPUT PROGRAM [ARGUMENT]: appends "VmRSS VmHWM" in KiB once its window shows
    local output=$1
    shift
    "$@" &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    sleep 0.5 # painted
    awk '/^VmRSS/ { rss = $2 } /^VmHWM/ { hwm = $2 } END { print rss, hwm }' \
        "/proc/$pid/status" >>"$output"
    quit_numo
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

: >"$work/numo"
: >"$work/bare"
: >"$work/bare-text"
for ((i = 0; i < pairs; i++)); do
    measure "$work/numo" "$numo"
    measure "$work/bare" "$bare"
    measure "$work/bare-text" "$bare" --text
done

over=0
for column in 1 2; do
    name=$( ((column == 1)) && echo VmRSS || echo VmHWM)
    n=$(cut -d' ' -f"$column" "$work/numo" | median)
    b=$(cut -d' ' -f"$column" "$work/bare" | median)
    ratio=$(awk -v n="$n" -v b="$b" 'BEGIN { printf "%.3f", n / b }')
    t=$(cut -d' ' -f"$column" "$work/bare-text" | median)
    echo "$name at start, median of $pairs: numo $(mib "$n"), bare window with one text box" \
        "$(mib "$b"): ${ratio}x; the same box showing one line $(mib "$t"):" \
        "$(awk -v n="$n" -v t="$t" 'BEGIN { printf "%.3f", n / t }')x"
    if awk -v r="$ratio" 'BEGIN { exit !(r > 1.10) }'; then
        echo "  over the floor of 1.10x"
        over=1
    fi
done
exit $over
