#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A real tavrin left alone, traced: while nobody is there its main thread does not wake every second, and
# input brings the tick back. It counts the main thread's timer wake-ups (a poll that times out) in what the
# trace holds; nothing is timed, so a loaded machine only makes it slower. Run inside session.sh.
set -u
tavrin="$1"
out="$XDG_RUNTIME_DIR/tavrin.out" trace="$XDG_RUNTIME_DIR/poll.trace"
fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }
# command...: up to 120 s, or $patience tenths of a second
until_true() { for _ in $(seq "${patience:-1200}"); do "$@" && return 0; sleep 0.1; done && return 1; }
dashboard() { xdotool search --onlyvisible --name '^Tavrin Kelomar$' 2>/dev/null; }
no_dashboard() { [ -z "$(dashboard)" ]; }
ticks_since() { tail -n +"$(($1 + 1))" "$trace" | grep -c "^$main .*= 0 (Timeout)"; } # the main thread's timer wake-ups
at_least_ticks_since() { [ "$(ticks_since "$2")" -ge "$1" ]; }
# Eight seconds of the trace with at most one wake-up (the widget's minute write may fall in them).
resting() { from=$(wc -l <"$trace") && sleep 8 && [ "$(ticks_since "$from")" -le 1 ]; }

strace -f -qq -e trace=poll,ppoll -o "$trace" "$tavrin" >"$out" 2>&1 & tracer=$!
until_true grep -q '^idle source: *XScreenSaver$' "$out" || fail "tavrin did not start"
main=$(head -n 1 "$trace" | cut -d ' ' -f 1)
until_true dashboard >/dev/null || fail "no dashboard at the first start"
# alt+F4 is lost when it comes while the window manager is still focusing the window: asked again.
for _ in $(seq 20); do xdotool windowactivate --sync "$(dashboard)" key alt+F4 2>/dev/null; patience=30 until_true no_dashboard && break; done
no_dashboard || fail "the dashboard did not close"

# Away from the keyboard: after the 30 s that count as away, the tick rests.
until_true resting || fail "tavrin still wakes every second while nobody is there"
# Back: input, and the tick is back, second by second (the minute's write alone would take three minutes).
from=$(wc -l <"$trace")
xdotool mousemove_relative 5 5
patience=300 until_true at_least_ticks_since 3 "$from" || fail "the tick did not come back after input"

kill "$main" && wait "$tracer"
grep -qx 'terminating' "$out" || fail "tavrin did not end cleanly"
