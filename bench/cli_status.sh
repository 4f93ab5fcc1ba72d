#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long `tavrin --status` takes to answer, the running Tavrin being asked over the session bus, in a
# private session; and what opening and closing the history window leaves in Tavrin's resident memory.
# Prints the runs' median.
# Usage: bench/cli_status.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
runs="${2:-30}"
tavrin="$build/app/tavrin"
[ -x "$tavrin" ] || { echo "no $tavrin: build it first (cmake --build --preset release)" >&2; exit 1; }

"$here/../tests/e2e/session.sh" -- bash -c '
    set -eu
    tavrin="$1"; runs="$2"
    "$tavrin" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do "$tavrin" --status >/dev/null 2>&1 && break; sleep 0.1; done
    times=()
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$tavrin" --status >/dev/null
        times+=($(( ($(date +%s%N) - start) / 1000 )))
    done
    median=$(printf "%s\n" "${times[@]}" | sort -n | awk "{v[NR] = \$1} END {print v[int((NR + 1) / 2)]}")
    printf "tavrin --status: median %.1f ms over %d runs\n" "$(echo "$median / 1000" | bc -l)" "$runs"

    # The history window opened and closed three times; the memory left behind, after the heap trim.
    close() { # title
        w=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -n1)
        xdotool windowactivate --sync "$w" key alt+F4 2>/dev/null || true
    }
    close "Tavrin Kelomar"
    sleep 8
    rss() { awk "/^VmRSS/ {print \$2}" /proc/$pid/status; }
    before=$(rss)
    for _ in 1 2 3; do
        "$tavrin" --history
        sleep 2
        close 使用历史
        sleep 3
    done
    sleep 5
    after=$(rss)
    printf "history window opened and closed 3 times: RSS %.1f MiB before, %.1f MiB after (%+d KiB)\n" \
        "$(echo "$before / 1024" | bc -l)" "$(echo "$after / 1024" | bc -l)" "$((after - before))"
    "$tavrin" --quit
    wait $pid
' _ "$tavrin" "$runs"
