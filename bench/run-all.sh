#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints the figures.
set -euo pipefail
status=0
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
for b in "$build"/bench/conversion/conversion_bench "$build"/bench/help/help_bench "$build"/bench/mainwindow/mainwindow_bench; do
    if [ -x "$b" ]; then
        echo "== $(basename "$b")"
        QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" --benchmark_counters_tabular=true
    fi
done
if [ -x "$build/app/numo" ]; then
    echo "== real display"
    "$here/mainwindow/real_display.sh" "$build/app/numo" || status=1
fi
if [ -x "$build/app/numo" ] && [ -x "$build/bench/mainwindow/bare_text_box" ]; then
    echo "== start-up memory on a real display"
    "$here/mainwindow/startup_memory.sh" "$build/app/numo" "$build/bench/mainwindow/bare_text_box" \
        || status=1
fi
if [ -x "$build/bench/conversion/conversion_bench" ]; then
    echo "== peers"
    "$here/peers.sh" "$build/bench/conversion/conversion_bench"
fi
exit $status
