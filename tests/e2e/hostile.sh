#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One thing at a time at each path Tavrin keeps: a start runs (and ends cleanly) or says why and exits non-zero,
# never hangs, replaces nothing but its own regular files, follows no link to nothing. Run inside session.sh.
set -u
tavrin="$1"
out="$XDG_RUNTIME_DIR/hostile.out"
export QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }
plant() { # kind path
    mkdir -p "$(dirname "$2")"
    case "$1" in
        empty) : >"$2" && touch -d '1 minute ago' "$2" ;;
        garbage) printf '\001\377 not mine' >"$2" && touch -d '1 minute ago' "$2" ;;
        folder) mkdir "$2" ;;
        fifo) mkfifo "$2" ;;
        dangling) ln -s "$2.nowhere" "$2" ;;
        link) printf '\001\377 not mine' >"$2.target" && ln -s "$2.target" "$2" ;;
        fifolink) mkfifo "$2.fifo" && ln -s "$2.fifo" "$2" ;;
    esac
}
kept() { # kind path: a thing that is no regular file of Tavrin's stands as planted
    case "$1" in
        folder) [ -d "$2" ] ;; fifo) [ -p "$2" ] ;; fifolink) [ -L "$2" ] && [ -p "$2.fifo" ] ;;
        dangling) [ -L "$2" ] && [ ! -e "$2.nowhere" ] ;; *) true ;;
    esac
}
for where in "$XDG_RUNTIME_DIR/tavrin.lock" "$XDG_RUNTIME_DIR/tavrin.socket" "$XDG_CONFIG_HOME/Tavrin/Tavrin.conf" \
    "$XDG_CONFIG_HOME/Tavrin" "$XDG_DATA_HOME/Tavrin/data.db" "$XDG_DATA_HOME/group.tavrin/widget-snapshot.json"; do
    for kind in empty garbage folder fifo dangling link fifolink; do
        rm -rf "$XDG_CONFIG_HOME/Tavrin" "$XDG_DATA_HOME/Tavrin" "$XDG_DATA_HOME/group.tavrin" "$XDG_RUNTIME_DIR"/tavrin.*
        plant "$kind" "$where"
        case="$kind at $where"
        # The export reads the database as it stands: one that holds no history says so and writes nothing.
        if [ "$where" = "$XDG_DATA_HOME/Tavrin/data.db" ] && [ "$kind" != dangling ]; then
            timeout 20 "$tavrin" --export "$XDG_RUNTIME_DIR/export" >"$out" 2>&1
            status=$?
            [ "$status" = 1 ] && [ ! -e "$XDG_RUNTIME_DIR/export/usage.csv" ] || fail "export status $status: $case"
        fi
        "$tavrin" >"$out" 2>&1 &
        pid=$!
        for _ in $(seq 300); do grep -q '^idle source:' "$out" && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        if kill -0 "$pid" 2>/dev/null; then
            grep -q '^idle source:' "$out" || fail "no start and no word: $case"
            kill -TERM "$pid"
            wait "$pid" || fail "no clean end: $case"
        else
            wait "$pid" && fail "gave up without a status: $case"
            grep -q '^Tavrin: ' "$out" || fail "gave up without a reason: $case"
        fi
        [ "$where" = "$XDG_RUNTIME_DIR/tavrin.lock" ] || [ "$where" = "$XDG_RUNTIME_DIR/tavrin.socket" ] ||
            kept "$kind" "$where" || fail "replaced or followed: $case"
    done
done
echo "hostile: every start ran or said why"
