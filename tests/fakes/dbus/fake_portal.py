# SPDX-License-Identifier: GPL-3.0-or-later
"""Fake XDG desktop portal settings on the session bus: answers color-scheme as the portal does (a variant
inside a variant) and lets the test change it, which emits SettingChanged."""

import dbus
import dbus.service

from fake_service import run

SETTINGS = "org.freedesktop.portal.Settings"


class Portal(dbus.service.Object):
    def __init__(self, bus_name):
        super().__init__(bus_name, "/org/freedesktop/portal/desktop")
        self.scheme = 1

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        if (namespace, key) != ("org.freedesktop.appearance", "color-scheme"):
            raise dbus.exceptions.DBusException("Requested setting not found",
                                                name="org.freedesktop.portal.Error.NotFound")
        return dbus.UInt32(self.scheme, variant_level=2)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    @dbus.service.method("org.tavrin.Test", in_signature="u", out_signature="")
    def SetColorScheme(self, scheme):
        self.scheme = int(scheme)
        self.SettingChanged("org.freedesktop.appearance", "color-scheme", dbus.UInt32(self.scheme))


run("session", "org.freedesktop.portal.Desktop", lambda name: [Portal(name)])
