#!/usr/bin/env bash
# Times the same 1 MB of hexadecimal text through xxd -r -p, python3's bytes.fromhex and
# numo's ConvertHexToDec, one after the other in one run, and prints MB/s and the ratios.
# Usage: bench/peers.sh <path to conversion_bench>
set -euo pipefail
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The benchmark's own input: "C0-A8-00-01-" repeated to 1 MiB.
python3 -c "
import sys
unit = 'C0-A8-00-01-'
sys.stdout.write(unit * ((1 << 20) // len(unit)))" >"$work/hex.txt"
size=$(stat -c %s "$work/hex.txt")

mbps() { python3 -c "print(f'{$size / $1 / 1e6:.0f}')"; }

# Best of five runs of a command, in seconds.
best_of_five() {
    python3 - "$@" <<'PY'
import subprocess, sys, time
best = None
for _ in range(5):
    t = time.perf_counter()
    subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
    d = time.perf_counter() - t
    best = d if best is None else min(best, d)
print(f"{best:.6f}")
PY
}

xxd_s=$(best_of_five sh -c "xxd -r -p '$work/hex.txt'")
py_s=$(python3 - "$work/hex.txt" <<'PY'
import sys, time
data = open(sys.argv[1]).read()
best = None
for _ in range(5):
    t = time.perf_counter()
    bytes.fromhex(data.replace("-", " "))
    d = time.perf_counter() - t
    best = d if best is None else min(best, d)
print(f"{best:.6f}")
PY
)
numo_bps=$("$bench" --benchmark_filter='BM_ConvertHexToDec/1048576$' --benchmark_format=json |
    python3 -c "import json,sys; print(json.load(sys.stdin)['benchmarks'][0]['bytes_per_second'])")
# The benchmark counts 16-bit characters as bytes of input, as the file holds one byte each.
numo_s=$(python3 -c "print(f'{$size / $numo_bps:.6f}')")

printf '%-34s %10s %8s\n' "1 MiB of hex text" "seconds" "MB/s"
printf '%-34s %10s %8s\n' "xxd -r -p (process included)" "$xxd_s" "$(mbps "$xxd_s")"
printf '%-34s %10s %8s\n' "python3 bytes.fromhex" "$py_s" "$(mbps "$py_s")"
printf '%-34s %10s %8s\n' "numo ConvertHexToDec" "$numo_s" "$(mbps "$numo_s")"
python3 -c "print(f'numo is {$xxd_s / $numo_s:.1f}x xxd and {$py_s / $numo_s:.1f}x python3 bytes.fromhex')"
