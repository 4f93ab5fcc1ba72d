#!/bin/sh
# A real tavrin in a private session: what it reports and creates, a second launch, and SIGTERM.
# Run inside session.sh.
set -u
tavrin="$1"
out="$XDG_RUNTIME_DIR/first.out"
fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }
wait_for() { # pattern
    for _ in $(seq 100); do grep -q "$1" "$out" 2>/dev/null && return 0; sleep 0.1; done
    fail "no line matching '$1'"
}

umask 022
"$tavrin" >"$out" 2>&1 &
pid=$!
wait_for '^idle source: *XScreenSaver$'

grep -qx "settings: *$XDG_CONFIG_HOME/Tavrin/Tavrin.conf" "$out" || fail "settings path"
grep -qx "database: *$XDG_DATA_HOME/Tavrin/data.db" "$out" || fail "database path"
grep -qx "widget snapshot: *$XDG_DATA_HOME/group.tavrin/widget-snapshot.json" "$out" || fail "snapshot path"
[ "$(stat -c %a "$XDG_DATA_HOME/Tavrin")" = 700 ] || fail "the data folder is not private"
[ ! -e "$XDG_CONFIG_HOME/Tavrin/Tavrin.conf" ] || fail "settings were written without a change"

# There is no tray here: Tavrin runs on, and its dashboard is the way in.
dashboards() { xdotool search --onlyvisible --name '^Tavrin Kelomar$' 2>/dev/null | wc -l; }
wait_dashboards() { # count
    for _ in $(seq 100); do [ "$(dashboards)" = "$1" ] && return 0; sleep 0.1; done
    fail "expected $1 dashboard window(s), saw $(dashboards)"
}
wait_dashboards 1
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Tavrin Kelomar$')" key alt+F4
wait_dashboards 0
kill -0 "$pid" || fail "closing the dashboard ended tavrin"

# A second launch hands over to the first and leaves at once; the first opens its dashboard again.
"$tavrin" >/dev/null 2>&1
[ $? = 0 ] || fail "second launch did not exit 0"
wait_for '^reopen requested$'
wait_dashboards 1
kill -0 "$pid" || fail "the first instance is gone"

# SIGTERM ends the event loop cleanly: the terminate handler runs and the exit status is 0.
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
grep -qx 'terminating' "$out" || fail "the terminate handler did not run"
echo "1 passed, 0 failed"
