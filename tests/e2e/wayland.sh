#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# tavrin and tavrin-widget in a Wayland session without XWayland (weston's headless backend): both run on
# Qt's Wayland plugin instead of aborting, tavrin says once what that means, and both end on SIGTERM.
# Usage: wayland.sh TAVRIN TAVRIN_WIDGET
set -u
work=$(mktemp -d)
trap 'kill $weston $bus 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$work"/*.out >&2; exit 1; }
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=tavrin-test HOME="$work" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent
# Tavrin's source language, whatever the machine's: its log lines below are matched as written.
export LANG=C.UTF-8 LANGUAGE=zh_CN && unset LC_ALL LC_MESSAGES
# A private session bus, so that a break can be asked for from the shell.
dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 >"$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p "$work/bus")"
bus=$(sed -n 2p "$work/bus")
unset DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston.out" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

"$1" >"$work/tavrin.out" 2>&1 &
tavrin=$!
"$2" >"$work/widget.out" 2>&1 &
widget=$!
for _ in $(seq 150); do grep -q '^idle source' "$work/tavrin.out" && break; sleep 0.1; done
sleep 1
kill -0 "$tavrin" 2>/dev/null || fail "tavrin did not keep running"
kill -0 "$widget" 2>/dev/null || fail "tavrin-widget did not keep running"
[ "$(grep -c '^Tavrin: 没有 XWayland' "$work/tavrin.out")" = 1 ] || fail "the native Wayland run was not reported once"
# A break on Qt's Wayland plugin, which cannot set a window's opacity: asked for nothing, it says nothing.
"$1" --break-now || fail "--break-now"
resting() { "$1" --status --json | grep -q '"mode":"resting"'; }
for _ in $(seq 300); do resting "$1" && break; sleep 0.1; done
resting "$1" || fail "no break on Wayland"
[ "$(grep -c 'window opacity' "$work/tavrin.out")" = 0 ] || fail "opacity was asked of a platform that cannot set it"
kill -TERM "$tavrin" "$widget"
wait "$tavrin" || fail "tavrin did not end cleanly"
wait "$widget"
echo "1 passed, 0 failed"
