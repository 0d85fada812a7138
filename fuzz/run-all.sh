#!/usr/bin/env bash
# Runs every fuzz target of a build folder for the given seconds, starting from the seed
# corpus; new inputs go to a scratch corpus, crashes to fuzz/findings/.
# Usage: fuzz/run-all.sh <folder with the *_fuzz binaries> [seconds]
set -euo pipefail
bin=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
findings="$here/findings"
mkdir -p "$findings"
status=0
for target in "$bin"/*_fuzz; do
    name=$(basename "$target" _fuzz)
    scratch=$(mktemp -d)
    echo "== $name (${seconds}s)"
    if ! "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "$scratch" "$here/corpus/$name" 2>"$scratch.log"; then
        tail -n 30 "$scratch.log"
        status=1
    else
        grep -E "stat::number_of_executed_units|Done" "$scratch.log" | tail -n 2
    fi
    rm -rf "$scratch" "$scratch.log"
done
exit $status
