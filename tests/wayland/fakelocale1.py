#!/usr/bin/python3
# systemd's locale service as far as a compositor reads it: the X11 keyboard
# layout. mutter takes its keymap from here when no shell sets one, so a
# headless mutter gets the layout a test names.
#   fakelocale1.py LAYOUT [VARIANT]   on the bus DBUS_SYSTEM_BUS_ADDRESS names;
#   prints "READY" once the name is owned.
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

XML = """
<node>
  <interface name="org.freedesktop.locale1">
    <property name="Locale" type="as" access="read"/>
    <property name="VConsoleKeymap" type="s" access="read"/>
    <property name="VConsoleKeymapToggle" type="s" access="read"/>
    <property name="X11Layout" type="s" access="read"/>
    <property name="X11Model" type="s" access="read"/>
    <property name="X11Variant" type="s" access="read"/>
    <property name="X11Options" type="s" access="read"/>
  </interface>
</node>
"""

values = {
    "Locale": GLib.Variant("as", ["LANG=C.UTF-8"]),
    "VConsoleKeymap": GLib.Variant("s", ""),
    "VConsoleKeymapToggle": GLib.Variant("s", ""),
    "X11Layout": GLib.Variant("s", sys.argv[1]),
    "X11Model": GLib.Variant("s", "pc105"),
    "X11Variant": GLib.Variant("s", sys.argv[2] if len(sys.argv) > 2 else ""),
    "X11Options": GLib.Variant("s", ""),
}


def get_property(connection, sender, path, interface, name):
    return values.get(name)


def acquired(connection, name):
    print("READY", flush=True)


bus = Gio.bus_get_sync(Gio.BusType.SYSTEM)
info = Gio.DBusNodeInfo.new_for_xml(XML)
bus.register_object("/org/freedesktop/locale1", info.interfaces[0], None, get_property, None)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.locale1", Gio.BusNameOwnerFlags.NONE,
                               acquired, lambda *a: sys.exit(1))
GLib.MainLoop().run()
