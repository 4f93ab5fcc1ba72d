#!/bin/sh
# Builds the Debian package from a build tree, checks its metadata, installs it into a clean throwaway
# root with dpkg, starts the installed tavrin there and removes the package again.
# Usage: package.sh BUILD_DIR
set -eu
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/out/tavrin_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = tavrin ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6charts6 libqt6svg6 libqt6dbus6 libsqlite3-0 libxss1 libcanberra0 \
    libwayland-client0 qt6-qpa-plugins fonts-noto-cjk sound-theme-freedesktop; do
    echo "$depends" | grep -q "\\b$needed\\b" || fail "Depends lacks $needed: $depends"
done
# Every dependency is a package this (Debian 12) machine has, so the package installs as it is.
echo "$depends" | tr ',' '\n' | sed 's/|.*//; s/(.*//; s/ //g' | while read -r name; do
    [ -n "$name" ] || continue
    dpkg-query -W -f '${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
        fail "dependency $name is not installed here"
done

# A clean root: an empty dpkg database and nothing else.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The libraries live in the real system, not in the throwaway root: their dependencies cannot be met there.
dpkg --root="$root" --force-depends --force-not-root -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log" >&2; fail "dpkg -i"; }
dpkg --root="$root" -L tavrin >"$work/files"
for file in /usr/bin/tavrin /usr/bin/tavrin-widget /usr/share/applications/tavrin.desktop \
    /usr/share/applications/tavrin-widget.desktop /usr/share/icons/hicolor/48x48/apps/tavrin.png \
    /usr/share/icons/hicolor/512x512/apps/tavrin.png; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
    [ -e "$root$file" ] || fail "$file was not installed"
done

# The installed tavrin starts, counts as installed, and registers itself to start at login.
. "$(dirname "$0")/installed_login_item.sh"
check_installed_login_item "$root/usr" "$work/home"

dpkg --root="$root" --force-depends --force-not-root -r tavrin >>"$work/dpkg.log" 2>&1 || fail "dpkg -r"
[ ! -e "$root/usr/bin/tavrin" ] || fail "removal left the program"
echo "1 passed, 0 failed"
