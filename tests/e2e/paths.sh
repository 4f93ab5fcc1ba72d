#!/bin/sh
# Starts tavrin as a user would, in an empty home, and checks what it reports and creates.
set -eu
tavrin="$1"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
umask 022

output=$("$tavrin")
echo "$output"

fail() { echo "FAIL: $*" >&2; exit 1; }
echo "$output" | grep -qx "settings: *$home/config/Tavrin/Tavrin.conf" || fail "settings path"
echo "$output" | grep -qx "database: *$home/data/Tavrin/data.db" || fail "database path"
echo "$output" | grep -qx "widget snapshot: *$home/data/group.tavrin/widget-snapshot.json" || fail "snapshot path"
[ "$(stat -c %a "$home/data/Tavrin")" = 700 ] || fail "the data folder is not private"
[ ! -e "$home/config/Tavrin/Tavrin.conf" ] || fail "settings were written without a change"
echo "1 passed, 0 failed"
