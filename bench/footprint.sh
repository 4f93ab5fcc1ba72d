#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The footprint of a tray program in a private desktop (Xvfb, openbox, a trayer tray, private buses, an
# empty home), as a person would leave it: started, its windows closed, then left alone.
#
# Per run it measures: time from start to the icon in the tray; CPU time over the first 120 s and the
# share of one core in the idle minute from 60 s to 120 s; bytes written to storage in that minute;
# resident memory (RSS and PSS) at 120 s; wake-ups per minute in that idle minute (context switches of all
# its threads, from /proc, without a tracer attached); then system calls per second over 60 s idle and over
# 20 s of pointer movement (strace -c, all threads). Prints one line per run and the medians.
#
# Usage: bench/footprint.sh [--runs N] NAME -- COMMAND [ARG...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
runs=3
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        *) break ;;
    esac
done
name="$1"; shift
[ "$1" = "--" ] && shift

# Storage writes are only counted on a real file system: keep the private home off tmpfs.
export TMPDIR="${BENCH_TMPDIR:-$here/../build/bench-tmp}"
mkdir -p "$TMPDIR"

measure() {
    "$here/../tests/e2e/session.sh" --tray -- bash -c '
        set -u
        ticks=$(getconf CLK_TCK)
        cpu() { awk -v t="$ticks" "{print (\$14 + \$15) / t}" /proc/$pid/stat; }
        written() { awk "/^write_bytes/ {print \$2}" /proc/$pid/io; }
        wakeups() { cat /proc/$pid/task/*/status | awk "/ctxt_switches/ {sum += \$2} END {print sum}"; }
        panel=""
        for _ in $(seq 100); do
            panel=$(xdotool search --class trayer 2>/dev/null | while read -r w; do
                [ "$(xdotool getwindowname "$w")" = panel ] && echo "$w"; done | head -n1)
            [ -n "$panel" ] && break; sleep 0.05
        done
        # trayer keeps a 1x1 window of its own in the panel: icons are the larger children.
        icons() { xwininfo -children -id "$panel" 2>/dev/null | grep "^ *0x" | grep -vc " 1x1+" || true; }
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 &
        pid=$!
        tray=n/a
        for _ in $(seq 3000); do
            if [ "$(icons)" -gt 0 ]; then tray=$(echo "$(date +%s.%N) - $start" | bc -l); break; fi
            sleep 0.01
        done
        if [ -n "${FOOTPRINT_TRAY_ONLY:-}" ]; then
            kill $pid 2>/dev/null; wait $pid 2>/dev/null
            echo "$tray 0 0 0 0 0 0 0 0"
            exit 0
        fi
        # Close whatever windows it opened at start (a dashboard, a welcome box), as a user would.
        sleep 5
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            case "$(xprop -id "$w" WM_CLASS 2>/dev/null)" in *trayer*|*Openbox*|*openbox*) continue ;; esac
            xdotool windowactivate --sync "$w" key alt+F4 2>/dev/null || true
        done
        elapsed() { echo "$(date +%s.%N) - $start" | bc -l; }
        half=$((${FOOTPRINT_SECONDS:-120} / 2))
        sleep "$(echo "$half - $(elapsed)" | bc -l)"
        cpu60=$(cpu); w60=$(written); k60=$(wakeups)
        sleep "$(echo "2 * $half - $(elapsed)" | bc -l)"
        cpu120=$(cpu); w120=$(written); k120=$(wakeups)
        rss=$(awk "/^VmRSS/ {print \$2}" /proc/$pid/status)
        pss=$(awk "/^Pss:/ {sum += \$2} END {print sum}" /proc/$pid/smaps_rollup)
        calls() { awk "/ total\$/ {print \$(NF-2)}" "$1"; }
        timeout -s INT "${FOOTPRINT_IDLE_STRACE:-60}" strace -c -f -p "$pid" -o "$TMPDIR/idle.$$" >/dev/null 2>&1 || true
        ( while :; do xdotool mousemove_relative -- 4 4; sleep 0.05; xdotool mousemove_relative -- -4 -4; sleep 0.05; done ) &
        mover=$!
        timeout -s INT "${FOOTPRINT_STRACE:-20}" strace -c -f -p "$pid" -o "$TMPDIR/active.$$" >/dev/null 2>&1 || true
        kill $mover
        idle_calls=$(calls "$TMPDIR/idle.$$"); active_calls=$(calls "$TMPDIR/active.$$")
        rm -f "$TMPDIR/idle.$$" "$TMPDIR/active.$$"
        kill $pid 2>/dev/null; wait $pid 2>/dev/null
        echo "$tray $rss $pss $cpu120 $(echo "($cpu120 - $cpu60) / $half * 100" | bc -l) $(((w120 - w60) * 60 / half)) $(echo "${idle_calls:-0} / ${FOOTPRINT_IDLE_STRACE:-60}" | bc -l) $(echo "${active_calls:-0} / ${FOOTPRINT_STRACE:-20}" | bc -l) $(((k120 - k60) * 60 / half))"
    ' _ "$@"
}

results=()
for run in $(seq "$runs"); do
    line=$(measure "$@" | tail -n1)
    read -r tray rss pss cpu idle bytes sidle sactive wakes <<<"$line"
    printf '%s run %d: tray %s s, RSS %.1f MiB, PSS %.1f MiB, CPU %.2f s in 120 s, idle %.3f %% of a core, %d B written/min, %d wake-ups/min idle, %.2f syscalls/s idle, %.1f active\n' \
        "$name" "$run" "$tray" "$(echo "$rss / 1024" | bc -l)" "$(echo "$pss / 1024" | bc -l)" "$cpu" "$idle" "$bytes" "$wakes" "$sidle" "$sactive" >&2
    results+=("$line")
done
median() { # column
    printf '%s\n' "${results[@]}" | awk -v c="$1" '{print $c}' | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
tray=$(median 1)
case "$tray" in n/a) ;; *) tray=$(printf '%.2f s' "$tray") ;; esac
printf '| %s | %s | %.1f | %.1f | %.2f | %.3f | %d | %d | %.2f | %.1f |\n' "$name" "$tray" \
    "$(echo "$(median 2) / 1024" | bc -l)" "$(echo "$(median 3) / 1024" | bc -l)" "$(median 4)" "$(median 5)" \
    "$(median 6)" "$(median 9)" "$(median 7)" "$(median 8)"
