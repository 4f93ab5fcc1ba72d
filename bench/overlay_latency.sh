#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from show() to the break overlay being on screen on two displays, under Xvfb with openbox.
# Usage: bench/overlay_latency.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
"$here/../tests/e2e/session.sh" --monitors 2 -- "$build/bench/overlay_latency" "${2:-15}"
