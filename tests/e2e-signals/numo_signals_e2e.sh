#!/usr/bin/env bash
# End-to-end test of how numo ends on the signals a session sends: SIGTERM, SIGINT and SIGHUP
# end it as closing its main window does, with the same exit status, and a save under way
# leaves no temporary file in the data folder. Usage: numo_signals_e2e.sh <path to numo>
# NUMO_SIGNAL_SAVE_ROUNDS (default 5) sets how many saves are interrupted.
# Without a display of its own it re-runs itself under xvfb-run.
set -euo pipefail

numo=$(readlink -f "$1")

# shellcheck source=../e2e/x11_session.sh
source "$(dirname "$(readlink -f "$0")")/../e2e/x11_session.sh"
enter_own_display "$numo"
step="start"
finish() {
    local rc=$?
    [ $rc -eq 0 ] || echo "FAILED at step: $step" >&2
    stop_session
    exit $rc
}
trap finish EXIT

fail() {
    echo "$*" >&2
    exit 1
}

# Waits (bounded) for the running numo to end and sets $status to its exit status.
status=""
wait_for_exit() {
    wait_for 20 "numo to exit" bash -c "! kill -0 $pid 2>/dev/null"
    status=0
    wait "$pid" || status=$?
    pid=""
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
echo "normal close: exit status $normal"

for signal in TERM INT HUP; do
    step="SIG$signal ends numo as a close does"
    fresh_start
    kill -s "$signal" "$pid"
    wait_for_exit
    [ "$status" = "$normal" ] || fail "SIG$signal: exit status $status, a normal close gives $normal"
    expect_only_data_files
done

# A save started from the suffix field and Save Configuration, SIGTERM sent right after the
# click: whether the save ran before the signal was handled or not, the settings file is whole
# or absent and no temporary file is left.
for round in $(seq "${NUMO_SIGNAL_SAVE_ROUNDS:-5}"); do
    step="SIGTERM during a save, round $round"
    fresh_start
    click_at 9367 2302 # Text8, the suffix: a change enables Save Configuration
    type_keys "$round"
    click_save_configuration
    kill -s TERM "$pid"
    wait_for_exit
    [ "$status" = "$normal" ] || fail "exit status $status during a save, a normal close gives $normal"
    expect_only_data_files
    ini="$HOME/plim/numo2.ini"
    if [ -f "$ini" ]; then
        [ "$(sed -n 2p "$ini")" = ".gif$round"$'\r' ] || fail "settings file not whole: $(od -c "$ini")"
    fi
done

step="done"
echo "signals e2e ok"
