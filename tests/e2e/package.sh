#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
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
# What Debian's own checker finds: nothing at all, errors, warnings or otherwise.
lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian"; }
grep -E '^[EWIP]: ' "$work/lintian.log" >&2 && fail "lintian has remarks"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libqt6dbus6 libsqlite3-0 libxss1 libcanberra0 \
    libwayland-client0 qt6-qpa-plugins fonts-noto-cjk sound-theme-freedesktop; do
    echo "$depends" | grep -q "\\b$needed\\b" || fail "Depends lacks $needed: $depends"
done
# The charts are painted by Tavrin: no chart library, and none of the OpenGL it would pull in.
! echo "$depends" | grep -Eq 'libqt6charts6|libqt6opengl6' || fail "Depends still has a chart library: $depends"
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
    /usr/share/icons/hicolor/512x512/apps/tavrin.png /usr/share/metainfo/org.tavrin.Tavrin.metainfo.xml \
    /usr/share/man/man1/tavrin.1.gz /usr/share/man/man1/tavrin-widget.1.gz \
    /usr/share/man/zh_CN/man1/tavrin.1.gz /usr/share/man/zh_CN/man1/tavrin-widget.1.gz \
    /usr/share/bash-completion/completions/tavrin /usr/share/dbus-1/interfaces/org.tavrin.Tavrin1.xml \
    /usr/share/doc/tavrin/copyright /usr/share/doc/tavrin/changelog.gz; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
    [ -e "$root$file" ] || fail "$file was not installed"
done
desktop-file-validate "$root/usr/share/applications/tavrin.desktop" "$root/usr/share/applications/tavrin-widget.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.tavrin.Tavrin.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
# The completion offers the options tavrin --help lists.
for option in $("$root/usr/bin/tavrin" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -q -- "$option" "$root/usr/share/bash-completion/completions/tavrin" || fail "completion lacks $option"
done
grep -qx 'Exec=tavrin' "$root/usr/share/applications/tavrin.desktop" || fail "tavrin.desktop Exec"

# The installed tavrin starts headless in a fresh home, counts as installed, and, asked to start at login,
# registers its own absolute path; it ends cleanly on SIGTERM.
prefix="$root/usr"
home="$work/home"
mkdir -p -m 0700 "$home" "$home/config/Tavrin" "$home/data" "$home/runtime"
printf '[General]\nTavrin.AppSettings="@ByteArray({\\"launchAtStartup\\":true})"\n' >"$home/config/Tavrin/Tavrin.conf"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" XDG_DATA_DIRS="$prefix/share" PATH="$prefix/bin:$PATH" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
    QT_QPA_PLATFORM=offscreen tavrin >"$home/out" 2>&1 &
pid=$!
entry="$home/config/autostart/tavrin.desktop"
for _ in $(seq 100); do [ -e "$entry" ] && break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null || { cat "$home/out" >&2; fail "the installed tavrin did not keep running"; }
kill "$pid"; wait "$pid" || fail "the installed tavrin did not end cleanly"
[ -e "$entry" ] || { cat "$home/out" >&2; fail "no autostart entry"; }
grep -qx "Exec=$(readlink -f "$prefix/bin/tavrin")" "$entry" || { cat "$entry" "$home/out" >&2; fail "autostart Exec"; }

dpkg --root="$root" --force-depends --force-not-root -r tavrin >>"$work/dpkg.log" 2>&1 || fail "dpkg -r"
[ ! -e "$root/usr/bin/tavrin" ] || fail "removal left the program"
echo "1 passed, 0 failed"
