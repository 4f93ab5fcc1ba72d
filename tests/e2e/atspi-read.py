#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads one node of a running program's accessible tree through AT-SPI, as a screen reader does, and prints
# what it finds once it is there (for up to two minutes): the description of the node with the given name, or,
# with --first-child, the name of that node's first child.
# Usage: atspi-read.py PID NAME [--first-child]
import sys
import time

import dbus

pid, wanted, first_child = int(sys.argv[1]), sys.argv[2], "--first-child" in sys.argv
address = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(dbus_interface="org.a11y.Bus")
bus = dbus.bus.BusConnection(address)
ACCESSIBLE = "org.a11y.atspi.Accessible"


def get(node, key):
    return bus.get_object(*node).Get(ACCESSIBLE, key, dbus_interface="org.freedesktop.DBus.Properties")


def children(node):
    return [tuple(child) for child in bus.get_object(*node).GetChildren(dbus_interface=ACCESSIBLE)]


def find(node):
    if get(node, "Name") == wanted:
        return get(children(node)[0], "Name") if first_child else get(node, "Description")
    for child in children(node):
        found = find(child)
        if found:
            return found
    return None


deadline = time.monotonic() + 120
daemon = bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus")
while time.monotonic() < deadline:
    try:
        for app in children(("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")):
            if daemon.GetConnectionUnixProcessID(app[0]) == pid:
                found = find(app)
                if found:
                    print(found)
                    sys.exit(0)
    except (dbus.DBusException, IndexError):
        pass  # the tree changes while it is read: read it again
    time.sleep(0.2)
sys.exit(1)
