#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a running program's accessible tree through AT-SPI, as a screen reader does, and prints once it is there
# (for up to two minutes) the description of the node with the given name, or with --first-child the name of
# that node's first child. Usage: atspi-read.py PID NAME [--first-child]
import sys
import time

import dbus

pid, wanted, first_child = int(sys.argv[1]), sys.argv[2], "--first-child" in sys.argv
address = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
bus = dbus.bus.BusConnection(address)
get = lambda node, key: bus.get_object(*node).Get("org.a11y.atspi.Accessible", key, dbus_interface=dbus.PROPERTIES_IFACE)
children = lambda node: [tuple(c) for c in bus.get_object(*node).GetChildren(dbus_interface="org.a11y.atspi.Accessible")]


def find(node):
    if get(node, "Name") == wanted:
        return get(children(node)[0], "Name") if first_child else get(node, "Description")
    return next(filter(None, map(find, children(node))), None)


deadline = time.monotonic() + 120
daemon = bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus")
while time.monotonic() < deadline:
    try:  # the tree changes while it is read: then it is read again
        for app in children(("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")):
            found = daemon.GetConnectionUnixProcessID(app[0]) == pid and find(app)
            if found:
                sys.exit(print(found))
    except (dbus.DBusException, IndexError):
        pass
    time.sleep(0.2)
sys.exit(1)
