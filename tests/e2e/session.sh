#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a private desktop session and tears the session down afterwards:
#   Xvfb (one screen, or two monitors with --monitors 2), openbox, optionally a trayer tray (--tray),
#   a private session bus and a private bus standing in for the system bus, and fresh HOME/XDG folders.
# Only the processes started here are ended, by their PIDs.
#
#   The desktop's language is Chinese, Tavrin's source language, unless TAVRIN_LANGUAGE names another (en for
#   the English pictures): LANGUAGE, over the machine's locale, or C.UTF-8 (which every machine has) in place of
#   a plain C, which would ignore LANGUAGE.
# Usage: session.sh [--monitors N] [--tray] -- COMMAND [ARG...]
set -u
case "${LC_ALL:-${LC_MESSAGES:-${LANG:-C}}}" in
    C | POSIX) export LANG=C.UTF-8 && unset LC_ALL LC_MESSAGES ;;
esac
export LANGUAGE="${TAVRIN_LANGUAGE:-zh_CN}"

monitors=1
tray=0
while [ $# -gt 0 ]; do
    case "$1" in
        --monitors) monitors="$2"; shift 2 ;;
        --tray) tray=1; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-session.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        # dbus-daemon --fork is not our child; wait for it by polling.
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

fail() { echo "session.sh: $*" >&2; exit 1; }
# Waits up to 60 s for a condition: long enough for a loaded machine, and a condition that holds ends it.
until_true() {
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    return 1
}

# X server: let it pick a free display number and tell us.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
until_true test -s "$work/display" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n1 "$work/display")"

if [ "$monitors" = 2 ]; then
    xrandr --setmonitor left 960/254x1080/286+0+0 screen >/dev/null
    xrandr --setmonitor right 960/254x1080/286+960+0 none >/dev/null
fi

# Buses: a session bus, and a second one that plays the system bus for fake services.
read_bus() {
    dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 >"$work/$1.bus" 2>/dev/null ||
        fail "dbus-daemon did not start"
    pids+=("$(sed -n 2p "$work/$1.bus")")
}
read_bus session
read_bus system
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p "$work/session.bus")"
export DBUS_SYSTEM_BUS_ADDRESS="$(sed -n 1p "$work/system.bus")"

export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 0700 "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
export XDG_SESSION_TYPE=x11 XDG_CURRENT_DESKTOP=openbox QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

# openbox runs its --startup command once it has grabbed its key bindings and manages windows; the root
# window's _NET_SUPPORTING_WM_CHECK comes earlier, when an Alt+F4 would still go nowhere.
openbox --sm-disable --startup "touch $work/openbox.ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
until_true test -e "$work/openbox.ready" || { cat "$work/openbox.log" >&2; fail "openbox did not start"; }

if [ "$tray" = 1 ]; then
    trayer --edge top --align right --widthtype pixel --width 120 --height 28 --transparent false \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    # The tray is up when its window is.
    until_true sh -c 'xwininfo -root -tree 2>/dev/null | grep -qi trayer' ||
        { cat "$work/trayer.log" >&2; fail "trayer did not start"; }
fi

"$@"
