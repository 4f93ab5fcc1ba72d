# SPDX-License-Identifier: GPL-3.0-or-later
"""Fake org.freedesktop.login1 on the (private) system bus: Inhibit hands out the write end of a pipe, so
the fake sees when the client closes its last copy; the test drives PrepareForSleep."""

import os
import select

import dbus.service

from fake_service import run

MANAGER = "org.freedesktop.login1.Manager"


class Manager(dbus.service.Object):
    def __init__(self, bus_name):
        super().__init__(bus_name, "/org/freedesktop/login1")
        self.inhibitors = []  # (read end, what, who, why, mode)

    @dbus.service.method(MANAGER, in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        read_end, write_end = os.pipe()
        self.inhibitors.append((read_end, what, who, why, mode))
        handle = dbus.types.UnixFd(write_end)  # dbus-python dups the descriptor
        os.close(write_end)
        return handle

    @dbus.service.signal(MANAGER, signature="b")
    def PrepareForSleep(self, start):
        pass

    @dbus.service.method("org.tavrin.Test", in_signature="b", out_signature="")
    def EmitPrepareForSleep(self, start):
        self.PrepareForSleep(start)

    @dbus.service.method("org.tavrin.Test", in_signature="", out_signature="as")
    def HeldInhibitors(self):
        """The inhibitors whose every copy is still open, as 'what/who/mode'."""
        held = []
        for read_end, what, who, _why, mode in self.inhibitors:
            readable, _, _ = select.select([read_end], [], [], 0)
            if not readable:  # EOF would make it readable
                held.append("%s/%s/%s" % (what, who, mode))
        return held


run("system", "org.freedesktop.login1", lambda name: [Manager(name)])
