# SPDX-License-Identifier: GPL-3.0-or-later
"""Fake org.gnome.Mutter.IdleMonitor on the session bus. The test sets the idle time it answers; its watches
fire as the idle time set crosses them, as the compositor's do."""

import dbus.service

from fake_service import run

IFACE = "org.gnome.Mutter.IdleMonitor"


class IdleMonitor(dbus.service.Object):
    def __init__(self, bus_name):
        super().__init__(bus_name, "/org/gnome/Mutter/IdleMonitor/Core")
        self.idle_ms = 0
        self.watches = {}  # id -> idle interval in ms, or None for a user-active watch
        self.next_id = 0

    @dbus.service.method(IFACE, in_signature="", out_signature="t")
    def GetIdletime(self):
        return dbus.UInt64(self.idle_ms)

    @dbus.service.method(IFACE, in_signature="t", out_signature="u")
    def AddIdleWatch(self, interval):
        return self.add(int(interval))

    @dbus.service.method(IFACE, in_signature="", out_signature="u")
    def AddUserActiveWatch(self):
        return self.add(None)

    @dbus.service.method(IFACE, in_signature="u", out_signature="")
    def RemoveWatch(self, watch):
        self.watches.pop(int(watch), None)

    @dbus.service.signal(IFACE, signature="u")
    def WatchFired(self, watch):
        pass

    def add(self, interval):
        self.next_id += 1
        self.watches[self.next_id] = interval
        return dbus.UInt32(self.next_id)

    @dbus.service.method("org.tavrin.Test", in_signature="t", out_signature="")
    def SetIdletime(self, milliseconds):
        before, self.idle_ms = self.idle_ms, int(milliseconds)
        for watch, interval in list(self.watches.items()):
            if interval is None and self.idle_ms < before:
                del self.watches[watch]
                self.WatchFired(watch)
            elif interval is not None and before < interval <= self.idle_ms:
                self.WatchFired(watch)


run("session", "org.gnome.Mutter.IdleMonitor", lambda name: [IdleMonitor(name)])
