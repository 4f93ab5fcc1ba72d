#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A real tavrin in a private session: what it reports and creates, a second launch, then Ctrl+Q and SIGTERM
# with the dashboard open. Each run must end with status 0: under the sanitizers a leak report at exit
# does not. Run inside session.sh.
set -u
tavrin="$1"
out="$XDG_RUNTIME_DIR/tavrin.out"
fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }
wait_for() { # pattern
    for _ in $(seq 300); do grep -q "$1" "$out" 2>/dev/null && return 0; sleep 0.1; done
    fail "no line matching '$1'"
}
dashboards() { xdotool search --onlyvisible --name '^Tavrin Kelomar$' 2>/dev/null; }
wait_dashboards() { # count
    for _ in $(seq 300); do [ "$(dashboards | wc -l)" = "$1" ] && return 0; sleep 0.1; done
    fail "expected $1 dashboard window(s), saw $(dashboards | wc -l)"
}
close_dashboard() {
    for _ in $(seq 10); do
        xdotool windowactivate --sync "$(dashboards)" key alt+F4 2>/dev/null
        for _ in $(seq 30); do [ -z "$(dashboards)" ] && return 0; sleep 0.1; done
    done
}
start() {
    "$tavrin" >"$out" 2>&1 &
    pid=$!
    wait_for '^idle source: *XScreenSaver$'
    wait_dashboards 1
}
ended_cleanly() { # how
    wait "$pid"
    status=$?
    [ "$status" = 0 ] || fail "exit status $status after $1"
    grep -qx 'terminating' "$out" || fail "the terminate handler did not run after $1"
}

umask 022
start
# This session's system bus has no logind: no sleep handling, said once.
[ "$(grep -c '^Tavrin: 无法监听系统睡眠' "$out")" = 1 ] || fail "the missing logind was not reported once"
grep -qx "settings: *$XDG_CONFIG_HOME/Tavrin/Tavrin.conf" "$out" || fail "settings path"
grep -qx "database: *$XDG_DATA_HOME/Tavrin/data.db" "$out" || fail "database path"
grep -qx "widget snapshot: *$XDG_DATA_HOME/group.tavrin/widget-snapshot.json" "$out" || fail "snapshot path"
[ "$(stat -c %a "$XDG_DATA_HOME/Tavrin")" = 700 ] || fail "the data folder is not private"
[ ! -e "$XDG_CONFIG_HOME/Tavrin/Tavrin.conf" ] || fail "settings were written without a change"

# There is no tray here: closing the dashboard leaves Tavrin running, and a second launch hands over to it
# and leaves at once; the first opens its dashboard again.
close_dashboard # the window manager's alt+F4, again while a first one was lost (a window still being focused)
wait_dashboards 0
kill -0 "$pid" || fail "closing the dashboard ended tavrin"
"$tavrin" >/dev/null 2>&1 || fail "second launch did not exit 0"
wait_for '^reopen requested$'
wait_dashboards 1

for _ in $(seq 10); do # again while a first one was lost, as with alt+F4
    xdotool windowactivate --sync "$(dashboards)" key ctrl+q 2>/dev/null
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break 2; sleep 0.1; done
done
ended_cleanly "Ctrl+Q"
start
kill -TERM "$pid"
ended_cleanly "SIGTERM"

# One Tavrin whichever way each start reaches the session: with the bus or without it, in either order.
bus="$DBUS_SESSION_BUS_ADDRESS"
nobus=unix:path=/nonexistent
for order in "$nobus $bus" "$bus $nobus" "$nobus $nobus"; do
    first=${order%% *}
    second=${order#* }
    DBUS_SESSION_BUS_ADDRESS="$first" start
    DBUS_SESSION_BUS_ADDRESS="$second" timeout 60 "$tavrin" >/dev/null 2>&1 ||
        fail "a second launch did not hand over and exit 0 ($order)"
    wait_for '^reopen requested$'
    kill -TERM "$pid"
    ended_cleanly "SIGTERM ($order)"
done

# Five starts at once, with and without the bus: one stays, the others hand over and leave.
pids=""
for n in 1 2 3 4 5; do
    if [ $((n % 2)) = 0 ]; then address="$nobus"; else address="$bus"; fi
    DBUS_SESSION_BUS_ADDRESS="$address" "$tavrin" >"$XDG_RUNTIME_DIR/start-$n.out" 2>&1 &
    pids="$pids $!"
done
alive() { n=0; for p in $pids; do kill -0 "$p" 2>/dev/null && n=$((n + 1)); done; echo "$n"; }
for _ in $(seq 600); do [ "$(alive)" = 1 ] && break; sleep 0.1; done
[ "$(alive)" = 1 ] || fail "$(alive) of five concurrent starts kept running"
for p in $pids; do kill -TERM "$p" 2>/dev/null; done
for p in $pids; do wait "$p" || fail "a concurrent start did not end cleanly"; done
export DBUS_SESSION_BUS_ADDRESS="$nobus"
# With options tavrin is a command: the export needs no running Tavrin; a folder that cannot be written is
# status 1, a wrong option 2.
"$tavrin" --export "$XDG_RUNTIME_DIR/export" >"$out" 2>&1 || fail "export"
head -n1 "$XDG_RUNTIME_DIR/export/breaks.csv" | grep -q '^started_at,ended_at,duration_s,skipped,trigger' ||
    fail "breaks.csv header"
"$tavrin" --export /proc/no-such-folder >"$out" 2>&1
[ $? = 1 ] && grep -q '导出失败' "$out" || fail "an unwritable folder is not status 1 with a message"
echo "1 passed, 0 failed"
