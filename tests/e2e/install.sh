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
home="$prefix/home"
mkdir -p -m 0700 "$home" "$home/config/Tavrin" "$home/data" "$home/runtime"
printf '[General]\nTavrin.AppSettings="@ByteArray({\\"launchAtStartup\\":true})"\n' >"$home/config/Tavrin/Tavrin.conf"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" XDG_DATA_DIRS="$prefix/share" PATH="$prefix/bin:$PATH" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
    QT_QPA_PLATFORM=offscreen tavrin >"$home/out" 2>&1 &
pid=$!
for _ in $(seq 50); do [ -e "$home/config/autostart/tavrin.desktop" ] && break; sleep 0.1; done
kill "$pid"; wait "$pid" || true
entry="$home/config/autostart/tavrin.desktop"
[ -e "$entry" ] || { cat "$home/out" >&2; fail "no autostart entry"; }
grep -qx "Exec=$(readlink -f "$prefix/bin/tavrin")" "$entry" || { cat "$entry" >&2; fail "autostart Exec"; }
echo "1 passed, 0 failed"
