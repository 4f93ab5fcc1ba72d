#!/bin/sh
# Installs the build into a throwaway prefix and checks what lands there, and that the installed
# tavrin counts as installed for its login item.
# Usage: install.sh BUILD_DIR
set -eu
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tavrin bin/tavrin-widget share/applications/tavrin.desktop \
    share/applications/tavrin-widget.desktop share/icons/hicolor/512x512/apps/tavrin.png share/icons/hicolor/32x32/apps/tavrin.png; do
    [ -e "$prefix/$file" ] || fail "missing $file"
done
grep -qx 'Exec=tavrin' "$prefix/share/applications/tavrin.desktop" || fail "tavrin.desktop Exec"
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/tavrin.desktop"
    desktop-file-validate "$prefix/share/applications/tavrin-widget.desktop"
fi
# The installed tavrin, asked to start at login, registers itself by its absolute path.
. "$(dirname "$0")/installed_login_item.sh"
check_installed_login_item "$prefix" "$prefix/home"
echo "1 passed, 0 failed"
