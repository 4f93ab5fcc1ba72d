#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Tavrin with both quiet switches on, beside a sound server of its own (a null sink and source), so
# that footprint.sh measures what watching for calls and full-screen windows costs.
# Usage: bench/with_quiet.sh TAVRIN
set -euo pipefail
mkdir -p "$HOME/.config/Tavrin"
printf '[General]\nTavrin.AppSettings="@ByteArray({\\"quietDuringCalls\\":true,\\"quietDuringFullScreen\\":true})"\n' \
    >"$HOME/.config/Tavrin/Tavrin.conf"
# Ends by itself a few seconds after its last client (Tavrin) is gone.
pulseaudio -n --daemonize=yes --exit-idle-time=5 --use-pid-file=no \
    --load="module-native-protocol-unix auth-anonymous=1" --load="module-null-sink" --load="module-null-source"
exec "$1"
