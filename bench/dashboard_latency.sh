#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from the request to the dashboard's first painted frame (its chart included), under Xvfb with openbox.
# Usage: bench/dashboard_latency.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
"$here/../tests/e2e/session.sh" -- "$build/bench/dashboard_latency" "${2:-15}"
