#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# tavrin as a command against a running Tavrin on the session's private bus: every command, the exit
# statuses, the D-Bus errors and the pace of --watch. Run inside session.sh.
set -u
tavrin="$1"
out="$XDG_RUNTIME_DIR/cli.out"
fail() { echo "FAIL: $*" >&2; cat "$out" >&2 2>/dev/null; exit 1; }
member() { # name: from the JSON status
    "$tavrin" --status --json | python3 -c "import json, sys; v = json.load(sys.stdin)['$1']; print(json.dumps(v))"
}
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
shown() { [ "$(windows "$1")" -ge 1 ]; }
class_is() { [ "$(member class)" = "\"$1\"" ]; }
until_true() { # command...: up to 60 s, for a loaded machine; a condition that holds ends the wait at once
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    return 1
}
call() { # method args...: a raw D-Bus call, its error name if any
    method=$1
    shift
    dbus-send --session --print-reply --dest=org.tavrin.Tavrin /org/tavrin/Tavrin "org.tavrin.Tavrin1.$method" "$@" 2>&1 |
        grep -o 'org\.tavrin\.Tavrin1\.Error\.[A-Za-z]*' || true
}

# Nothing runs yet: a command for it is status 1 and starts nothing; a usage error is 2.
# The command runs in a session of its own, so that whatever it might start is found by that session's id,
# never by name among the machine's other processes.
sid="$XDG_RUNTIME_DIR/command.sid"
setsid -w sh -c 'echo $$ >"$1"; shift; exec "$@"' sh "$sid" "$tavrin" --status >"$out" 2>&1
[ $? = 1 ] && grep -q 'Tavrin 没有在运行' "$out" || fail "--status without Tavrin is not 1"
! pgrep -s "$(cat "$sid")" >/dev/null || fail "a command started Tavrin"
dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.tavrin.Tavrin | grep -q 'boolean false' || fail "a command started Tavrin on the bus"
for bad in "--pause 0" "--pause soon" "--pause +5" "--pause 5e1" "--meeting maybe" "--status --quit" "--json" "--frobnicate" "-style"; do
    # shellcheck disable=SC2086
    "$tavrin" $bad >"$out" 2>&1
    [ $? = 2 ] || fail "'$bad' is not a usage error"
done

# The completion: a folder with a space is one word; after a command only --json, and only where it fits.
completion="$(dirname "$0")/../../packaging/completion/tavrin"
mkdir -p "$XDG_RUNTIME_DIR/my folder"
complete_words() { # words...: what the completion offers for the last one
    (cd "$XDG_RUNTIME_DIR" && bash -c '. "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tavrin
        printf "%s|" "${COMPREPLY[@]}"' "$completion" "$@")
}
[ "$(complete_words tavrin --export my)" = "my folder|" ] || fail "completion: $(complete_words tavrin --export my)"
[ "$(complete_words tavrin --quit "")" = "|" ] || fail "completion after --quit: $(complete_words tavrin --quit "")"
[ "$(complete_words tavrin --status "")" = "--json|" ] || fail "completion after --status"

# Someone at the mouse, so that Tavrin counts and its status changes every second.
(while :; do xdotool mousemove_relative -- 3 3; sleep 0.3; xdotool mousemove_relative -- -3 -3; sleep 0.3; done) &
user=$!
trap 'kill $user 2>/dev/null' EXIT
# Qt's own options start Tavrin as they start any Qt program.
"$tavrin" -platform xcb --style=Fusion >"$XDG_RUNTIME_DIR/tavrin.out" 2>&1 &
pid=$!
until_true "$tavrin" --status >/dev/null 2>&1 || fail "Tavrin did not answer"

# The status, then every command and what it changes.
line=$("$tavrin" --status) || fail "--status"
echo "$line" | grep -Eq '^(工作中|空闲) · 疲劳 [0-9]*% · 今日 [0-9]* 分钟 · 距离休息 4[45] 分钟$' || fail "status line: $line"
until_true class_is working && [ "$(member pausedUntil)" = null ] || fail "fresh status"
before=$(date +%s)
"$tavrin" --pause 30 || fail "--pause 30"
after=$(date +%s)
[ "$(member class)" = '"paused"' ] || fail "paused class"
paused=$(member pausedUntil)
[ "$paused" -ge $((before + 1800)) ] && [ "$paused" -le $((after + 1800)) ] || fail "pausedUntil $paused"
# Until 14:30, or past midnight until 明天 00:10.
"$tavrin" --status | grep -Eq '提醒已暂停，至(明天)? [0-9][0-9]:[0-9][0-9]$' || fail "paused line: $("$tavrin" --status)"
"$tavrin" --pause tomorrow && [ "$(date -d "@$(member pausedUntil)" +%H:%M)" = 00:00 ] || fail "--pause tomorrow"
"$tavrin" --resume && [ "$(member pausedUntil)" = null ] || fail "--resume"
"$tavrin" --meeting on && [ "$(member meeting)" = true ] && [ "$(member class)" = '"meeting"' ] || fail "--meeting on"
"$tavrin" --meeting toggle && [ "$(member meeting)" = false ] || fail "--meeting toggle"
"$tavrin" --meeting off && [ "$(member meeting)" = false ] || fail "--meeting off"
for which in history settings dashboard; do
    "$tavrin" "--$which" || fail "--$which"
done
until_true shown 使用历史 && until_true shown 'Tavrin 设置' || fail "windows did not open"
"$tavrin" --history && [ "$(windows 使用历史)" = 1 ] || fail "a second --history opened a second window"

# Bad arguments straight on the bus get an error, and Tavrin carries on.
[ "$(call Pause uint32:0)" = org.tavrin.Tavrin1.Error.InvalidArgument ] || fail "Pause 0 was not refused"
[ "$(call Pause uint32:4294967295)" = org.tavrin.Tavrin1.Error.InvalidArgument ] || fail "a huge pause was not refused"
[ "$(call OpenWindow string:nothing)" = org.tavrin.Tavrin1.Error.InvalidArgument ] || fail "a bad window was not refused"
# A name of 100 000 characters is named in the error, cut.
said=$(dbus-send --session --print-reply --dest=org.tavrin.Tavrin /org/tavrin/Tavrin org.tavrin.Tavrin1.OpenWindow \
    "string:$(head -c 100000 /dev/zero | tr '\0' x)" 2>&1)
[ "${#said}" -lt 400 ] && [ "${said#*xxxxxxxxxx}" != "$said" ] || fail "the error repeats ${#said} characters"
kill -0 "$pid" || fail "Tavrin did not survive bad arguments"

# --watch: a line at once, then a line per change of what a bar shows and none without one. Its first line
# answers the question and may repeat a change heard while asking.
"$tavrin" --watch >"$out" &
watch=$!
printed() { [ "$(wc -l <"$out")" -ge "$1" ]; }
until_true printed 1 || fail "--watch printed nothing"
for command in "--pause 30" --resume "--pause 30"; do
    lines=$(wc -l <"$out")
    "$tavrin" $command && until_true printed $((lines + 1)) || fail "--watch printed no line for $command"
done
"$tavrin" --resume
kill "$watch"
python3 - "$out" <<'CHECK' || fail "--watch lines are not JSON, one per change"
import json, sys
lines = [json.loads(line) for line in open(sys.argv[1])]
assert all(a != b for a, b in zip(lines[1:], lines[2:])), "the same status twice"
CHECK

"$tavrin" --break-now && until_true shown Tavrin || fail "--break-now"

# --quit saves and ends Tavrin; a --watch running then ends with it.
"$tavrin" --watch >"$out" &
watch=$!
until_true test -s "$out" || fail "--watch did not start" # it listens before it prints
"$tavrin" --quit || fail "--quit"
wait "$pid" || fail "Tavrin did not end cleanly after --quit"
grep -qx terminating "$XDG_RUNTIME_DIR/tavrin.out" || fail "no save on --quit"
wait "$watch"
[ $? = 1 ] || fail "--watch did not end when Tavrin quit"
echo "1 passed, 0 failed"
