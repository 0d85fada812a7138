#!/usr/bin/env bash
# End-to-end fault: the real numo on an X server with its data folder on a full tmpfs. The help
# file and the settings file must keep their old bytes, both failures must show as warnings, and
# a save after space is freed must write the new settings. Mounting needs root: anyone else, or
# a root without the right to mount, skips (exit 77).
# Usage: full_disk_e2e.sh <path to numo> [screenshot dir]
set -euo pipefail

numo=$(readlink -f "$1")
shots=${2:-$(pwd)}

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: mounting a tmpfs needs root"
    exit 77
fi
# A mount namespace of its own keeps the mount from the rest of the machine and removes it at
# the end, however the script ends.
if [ -z "${NUMO_FAULTS_NS:-}" ] && unshare -m --propagation private true 2>/dev/null; then
    export NUMO_FAULTS_NS=1
    exec unshare -m --propagation private "$0" "$@"
fi

# shellcheck source-path=SCRIPTDIR source=../e2e/x11_session.sh
source "$(dirname "$(readlink -f "$0")")/../e2e/x11_session.sh"
enter_own_display "$numo" "$shots"
use_private_home
data="$HOME/plim"
ini="$data/numo2.ini"
helpfile="$data/numo2.txt"
step="mount a small tmpfs as the data folder"
mounted=""

cleanup() {
    local rc=$?
    if [ $rc -ne 0 ] && [ $rc -ne 77 ]; then
        mkdir -p "$shots"
        import -window root "$shots/full-disk-failure.png" 2>/dev/null || true
        echo "FAILED at step: $step (screenshot: full-disk-failure.png)" >&2
    fi
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    pid=""
    if [ -n "$mounted" ]; then umount "$data" || true; fi
    stop_session
    exit $rc
}
trap cleanup EXIT

mkdir -p "$data"
if ! mount -t tmpfs -o size=64k,mode=0755 numo-full-disk "$data" 2>/dev/null; then
    echo "SKIP: mounting a tmpfs is not permitted here"
    exit 77
fi
mounted=1

# Earlier files, then a filler that takes every free block: not one more byte fits.
printf 'old\r\n.png\r\nHex Value\r\nString\r\n\r\n' >"$ini"
printf 'an older help text\r\n' >"$helpfile"
cp "$ini" "$work/ini.before"
cp "$helpfile" "$work/help.before"
dd if=/dev/zero of="$data/filler" bs=4k 2>/dev/null || true
if printf x 2>/dev/null >"$data/probe"; then
    echo "the tmpfs is not full" >&2
    exit 1
fi
rm -f "$data/probe"

# A window with exactly this title, visible: $1 is a regular expression for the whole title.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
shows_window() { [ -n "$(window_named "$1")" ]; }

# Closes the message box titled $1 with the keyboard (Enter presses its OK button).
close_message() {
    local box
    box=$(window_named "$1")
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_for 10 "the message '$1' to close" bash -c "! xdotool search --onlyvisible --name '$1' >/dev/null"
}

step="start on the full disk: the window shows and the help file is kept, with a warning"
"$numo" &
pid=$!
wait_for 20 "the main window" shows_window '^Numo Number Converter'
window=$(window_named '^Numo Number Converter')
wait_for 10 "the warning that the help text could not be written" shows_window '^Help$'
cmp "$helpfile" "$work/help.before"
close_message '^Help$'

step="save on the full disk: the settings file is kept, with a warning"
xdotool windowfocus --sync "$window"
replace_prefix "new"
click_save_configuration
wait_for 10 "the warning that the settings could not be saved" shows_window '^Save Configuration$'
cmp "$ini" "$work/ini.before"
cmp "$helpfile" "$work/help.before"
[ "$(find "$data" -mindepth 1 | sort | tr '\n' ' ')" = "$data/filler $ini $helpfile " ]
close_message '^Save Configuration$'

step="space freed: the same change saves (the button stayed enabled)"
rm "$data/filler"
xdotool windowfocus --sync "$window"
click_save_configuration
wait_for 10 "the settings file with the new prefix" \
    file_has_lines "$ini" "new" ".png" "Hex Value" "String" ""
shows_window '^Save Configuration$' && { echo "a warning after a good save" >&2; exit 1; }

echo "full disk: all steps passed"
