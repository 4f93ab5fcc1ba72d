#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A real tavrin read through the AT-SPI bus with Qt's bridge on, as a screen reader reads it: the dashboard
# chart's first hour, then, during a break, that it started with its message and length, and the time left.
# Run inside session.sh; the reader is the system's Python, which has the D-Bus module.
set -u
tavrin="$1"
read="/usr/bin/python3 $(dirname "$0")/atspi-read.py"
out="$XDG_RUNTIME_DIR/tavrin.out"
fail() { echo "FAIL: $*" >&2; cat "$out" >&2; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$tavrin" >"$out" 2>&1 & pid=$!
# The first start opens the dashboard.
first=$($read "$pid" 今日疲劳曲线 --first-child) || fail "the dashboard's chart cannot be read"
echo "$first" | grep -Eqx '00:00 · 疲劳 [0-9]+%' || fail "the chart's first value reads \"$first\""
"$tavrin" --break-now || fail "--break-now"
started=$($read "$pid" 休息开始) || fail "the break does not say that it started"
echo "$started" | grep -Eqx '.+。休息 [0-9]+ 分 [0-9]+ 秒。' || fail "the break's start reads \"$started\""
left=$($read "$pid" 剩余时间) || fail "the time left cannot be read"
echo "$left" | grep -Eqx '还剩 [0-9]+ 分 [0-9]+ 秒' || fail "the time left reads \"$left\""
kill "$pid" && wait "$pid"
