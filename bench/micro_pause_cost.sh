#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What micro-pauses cost: tavrin on two displays with them off, and on with a card up for the whole minute of
# measurement (a 60-second micro-pause nobody takes), in a private session. Prints each run's resident memory
# and CPU over 20 s as a share of one core, then the medians.
# Usage: bench/micro_pause_cost.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
runs="${2:-3}"
tavrin="$build/app/tavrin"
[ -x "$tavrin" ] || { echo "no $tavrin: build it first (cmake --build --preset release)" >&2; exit 1; }

measure() { # off|on
    "$here/../tests/e2e/session.sh" --monitors 2 -- bash -c '
        set -e
        mkdir -p -m 0700 "$XDG_CONFIG_HOME/Tavrin"
        if [ "$2" = on ]; then
            printf "[General]\nTavrin.AppSettings=\"{\\\\\"microPauses\\\\\":true,\\\\\"microPauseSeconds\\\\\":60}\"\n" \
                >"$XDG_CONFIG_HOME/Tavrin/Tavrin.conf"
        fi
        "$1" >/dev/null 2>&1 &
        pid=$!
        sleep 10
        if [ "$2" = on ]; then "$1" --micro-pause; fi
        sleep 2
        ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
        before=$(ticks)
        sleep 20
        after=$(ticks)
        rss=$(awk "/^VmRSS/ {print \$2}" /proc/$pid/status)
        kill $pid
        wait $pid 2>/dev/null || true
        echo "$rss $((after - before))"
    ' _ "$tavrin" "$1"
}

for mode in off on; do
    results=()
    for run in $(seq "$runs"); do
        read -r rss ticks < <(measure "$mode")
        printf '%s, run %d: RSS %.1f MiB, CPU %.2f %% of a core\n' "$mode" "$run" "$(echo "$rss / 1024" | bc -l)" \
            "$(echo "$ticks / 20" | bc -l)"
        results+=("$rss $ticks")
    done
    printf '%s\n' "${results[@]}" | sort -n | awk -v n="$runs" -v mode="$mode" '
        { rss[NR] = $1; cpu[NR] = $2 }
        END { m = int((n + 1) / 2); printf "%s: median RSS %.1f MiB\n", mode, rss[m] / 1024 }'
    printf '%s\n' "${results[@]}" | awk '{print $2}' | sort -n | awk -v n="$runs" -v mode="$mode" '
        { cpu[NR] = $1 } END { m = int((n + 1) / 2); printf "%s: median CPU %.2f %% of a core\n", mode, cpu[m] / 20 }'
done
