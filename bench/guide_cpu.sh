#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A break's CPU on two displays, with and without the guided moves, under Xvfb with openbox.
# Usage: bench/guide_cpu.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/release}"
"$here/../tests/e2e/session.sh" --monitors 2 -- "$build/bench/guide_cpu" "${2:-3}"
