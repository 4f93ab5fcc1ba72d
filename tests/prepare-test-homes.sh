#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: prepare-test-homes.sh ROOT HOME...
# Empties ROOT and makes each HOME with private config, data and runtime folders.
set -eu
root="$1"
shift
rm -rf "$root"
mkdir -p -m 0700 "$root"
for home in "$@"; do
    mkdir -p -m 0700 "$home" "$home/config" "$home/data" "$home/runtime"
done
