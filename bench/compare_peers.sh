#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tavrin's footprint beside the break reminders in Debian's archive, each measured by footprint.sh under
# the same conditions, as a Markdown table (also written to build/release/bench/footprint.md). The peers
# are installed first if they are missing.
# Usage: bench/compare_peers.sh [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
runs="${1:-3}"
tavrin="$here/../build/release/app/tavrin"
[ -x "$tavrin" ] || { echo "no $tavrin: build it first (cmake --build --preset release)" >&2; exit 1; }
peers=(workrave safeeyes rsibreak)
missing=()
for peer in "${peers[@]}"; do command -v "$peer" >/dev/null || missing+=("$peer"); done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

out="$here/../build/release/bench/footprint.md"
mkdir -p "$(dirname "$out")"
{
    echo "| program | tray icon after | RSS MiB | PSS MiB | CPU s in 120 s | idle CPU % of a core | written B/min idle | wake-ups/min idle | syscalls/s idle | syscalls/s active |"
    echo "|---|---|---|---|---|---|---|---|---|---|"
    "$here/footprint.sh" --runs "$runs" tavrin -- "$tavrin"
    "$here/footprint.sh" --runs "$runs" "tavrin, 免打扰 on" -- "$here/with_quiet.sh" "$tavrin"
    for peer in "${peers[@]}"; do
        "$here/footprint.sh" --runs "$runs" "$peer $(dpkg-query -W -f '${Version}' "$peer")" -- "$peer"
    done
} | tee "$out"
