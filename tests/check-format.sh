#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree is not clang-formatted; lists the files.
set -eu
formatter="$1"
bad=0
for file in $(find app shared widget tests bench tools -name '*.cpp' -o -name '*.h' 2>/dev/null); do
    if ! "$formatter" --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (run make format)"
        bad=1
    fi
done
exit $bad
