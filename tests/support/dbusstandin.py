#!/usr/bin/python3
# Stands in for logind and the desktop's notification daemon on the session bus it is given (a
# test's private bus): it answers PowerOff and Notify and prints each call as one line. With the
# argument "refuse", PowerOff is refused as polkit refuses it.
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

REFUSE = sys.argv[1:] == ["refuse"]


class Login(dbus.service.Object):
    @dbus.service.method("org.freedesktop.login1.Manager", in_signature="b", out_signature="")
    def PowerOff(self, interactive):
        print("PowerOff", bool(interactive), flush=True)
        if REFUSE:
            raise dbus.exceptions.DBusException(
                "Access denied", name="org.freedesktop.DBus.Error.AccessDenied")


class Notifications(dbus.service.Object):
    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i",
                         out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        print("Notify", app, summary, body.replace("\n", "|"), int(hints.get("urgency", -1)),
              flush=True)
        return 1


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
names = [dbus.service.BusName(n, bus) for n in ("org.freedesktop.login1", "org.freedesktop.Notifications")]
Login(bus, "/org/freedesktop/login1")
Notifications(bus, "/org/freedesktop/Notifications")
print("ready", flush=True)
GLib.MainLoop().run()
