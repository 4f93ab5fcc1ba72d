# Sourced by install.sh and package.sh. check_installed_login_item PREFIX HOME: the tavrin installed
# under PREFIX (PREFIX/bin, PREFIX/share) starts headless in a fresh HOME, counts as installed, and,
# asked to start at login, registers its own absolute path; it ends cleanly on SIGTERM.
check_installed_login_item() {
    prefix="$1"
    home="$2"
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
}
