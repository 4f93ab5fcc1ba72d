# SPDX-License-Identifier: GPL-3.0-or-later
"""Fake org.gnome.Mutter.IdleMonitor on the session bus. The test sets the idle time it answers."""

import dbus.service

from fake_service import run

IFACE = "org.gnome.Mutter.IdleMonitor"


class IdleMonitor(dbus.service.Object):
    def __init__(self, bus_name):
        super().__init__(bus_name, "/org/gnome/Mutter/IdleMonitor/Core")
        self.idle_ms = 0

    @dbus.service.method(IFACE, in_signature="", out_signature="t")
    def GetIdletime(self):
        return dbus.UInt64(self.idle_ms)

    @dbus.service.method("org.tavrin.Test", in_signature="t", out_signature="")
    def SetIdletime(self, milliseconds):
        self.idle_ms = int(milliseconds)


run("session", "org.gnome.Mutter.IdleMonitor", lambda name: [IdleMonitor(name)])
