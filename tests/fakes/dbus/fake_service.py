# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared start-up for the fake D-Bus services: owns a well-known name on the chosen bus and runs a
GLib main loop until terminated. Run with /usr/bin/python3 (Debian's python3-dbus)."""

import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib


def run(bus_kind, name, make_objects):
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SystemBus() if bus_kind == "system" else dbus.SessionBus()
    bus_name = dbus.service.BusName(name, bus, do_not_queue=True)
    objects = make_objects(bus_name)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    print("ready", flush=True)
    loop.run()
    del objects
    sys.exit(0)
