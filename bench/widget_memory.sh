#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of tavrin-widget after it has run for a while, in a private session (Xvfb, openbox,
# private buses), with a snapshot in place. Prints each run and the median, in MiB.
# Usage: bench/widget_memory.sh [BUILD_DIR] [RUNS] [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
runs="${2:-5}"
seconds="${3:-60}"
widget="$build/widget/tavrin-widget"
[ -x "$widget" ] || { echo "no $widget: build it first (cmake --build --preset release)" >&2; exit 1; }

measure() {
    "$here/../tests/e2e/session.sh" -- bash -c '
        set -e
        folder="$XDG_DATA_HOME/group.tavrin"
        mkdir -p -m 0700 "$folder"
        now=$(date +%s.%N)
        printf "{\"fatiguePercent\":68,\"mode\":\"working\",\"continuousWorkSeconds\":1620,\"todaySeconds\":15960,\"workSeconds\":2700,\"restSeconds\":300,\"updatedAt\":%s}" "$now" >"$folder/widget-snapshot.json"
        "$1" >/dev/null 2>&1 &
        pid=$!
        sleep "$2"
        rss=$(awk "/^VmRSS/ {print \$2}" /proc/$pid/status)
        pss=$(awk "/^Pss:/ {sum += \$2} END {print sum}" /proc/$pid/smaps_rollup)
        kill $pid
        wait $pid 2>/dev/null || true
        echo "$rss $pss"
    ' _ "$widget" "$seconds"
}

results=()
for run in $(seq "$runs"); do
    read -r rss pss < <(measure)
    printf 'run %d: RSS %.1f MiB, PSS %.1f MiB\n' "$run" "$(echo "$rss / 1024" | bc -l)" "$(echo "$pss / 1024" | bc -l)"
    results+=("$rss $pss")
done
printf '%s\n' "${results[@]}" | sort -n | awk -v n="$runs" '
    { rss[NR] = $1; pss[NR] = $2 }
    END { m = int((n + 1) / 2); printf "median RSS %.1f MiB, PSS %.1f MiB over %d runs of '"$seconds"' s\n", rss[m] / 1024, pss[m] / 1024, n }'
