#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the dev test suite again and again to find tests that fail without a cause, and prints a tally:
# runs, failed runs, and failures per test. The log of every failed run is kept under build/dev/soak/.
#
# Usage: scripts/soak.sh [RUNS] [--busy]
#   RUNS    how many runs of `ctest --preset dev` (default 10)
#   --busy  keep one core busy with a plain loop the whole time, as another program on a loaded machine would
set -u
cd "$(dirname "$0")/.."

runs=10
busy=0
for arg in "$@"; do
    case "$arg" in
        --busy) busy=1 ;;
        *[!0-9]* | '') echo "usage: scripts/soak.sh [RUNS] [--busy]" >&2; exit 2 ;;
        *) runs="$arg" ;;
    esac
done

logs=build/dev/soak
mkdir -p "$logs"
jobs=$(nproc)

spinner=""
if [ "$busy" = 1 ]; then
    sh -c 'while :; do :; done' &
    spinner=$!
fi
trap '[ -n "$spinner" ] && kill "$spinner" 2>/dev/null' EXIT

declare -A failures=()
failed_runs=0
for run in $(seq "$runs"); do
    log="$logs/run-$(date +%Y%m%d-%H%M%S)-$run.log"
    started=$(date +%s)
    if ctest --preset dev -j "$jobs" >"$log" 2>&1; then
        rm -f "$log"
        verdict=passed
    else
        failed_runs=$((failed_runs + 1))
        verdict="FAILED, log: $log"
        # ctest closes with "The following tests FAILED:" and one line per test: "<n> - <name> (Failed)".
        while read -r name; do
            failures[$name]=$((${failures[$name]:-0} + 1))
        done < <(sed -n '/^The following tests FAILED:/,$p' "$log" | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p')
    fi
    printf 'run %d/%d: %s (%d s)\n' "$run" "$runs" "$verdict" $(($(date +%s) - started))
done

echo
printf 'soak: %d runs%s, %d failed\n' "$runs" "$([ "$busy" = 1 ] && echo ' with one core busy')" "$failed_runs"
for name in "${!failures[@]}"; do
    printf '  %-24s failed %d time(s)\n' "$name" "${failures[$name]}"
done
[ "$failed_runs" = 0 ]
