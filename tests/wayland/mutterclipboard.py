#!/usr/bin/python3
# The user's clipboard and keyboard on a headless mutter, which lets no other
# client read or set the clipboard nor press keys: through a remote desktop
# session of mutter's own.
#   mutterclipboard.py own TEXT [TYPE=VALUE ...]   owns the clipboard with
#                                 TEXT (and the other types given), prints
#                                 "READY" and its session's path, serves it
#                                 until its input ends
#   mutterclipboard.py read [TYPE]   prints what the clipboard holds (UTF-8,
#                                 or the type given)
#   mutterclipboard.py types      prints the clipboard's types, one a line
#   mutterclipboard.py hold CODE MS   holds the key of evdev CODE for MS
#                                 milliseconds (prints "DOWN" once it is)
import os
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

NAME = "org.gnome.Mutter.RemoteDesktop"
SESSION = NAME + ".Session"
MIME = "text/plain;charset=utf-8"
bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, iface, method, sig=None, params=(), reply=None, fds=False):
    args = GLib.Variant(sig, params) if sig else None
    kind = GLib.VariantType(reply) if reply else None
    if fds:
        return bus.call_with_unix_fd_list_sync(NAME, path, iface, method, args, kind,
                                               Gio.DBusCallFlags.NONE, 5000, None, None)
    return bus.call_sync(NAME, path, iface, method, args, kind, Gio.DBusCallFlags.NONE, 5000, None)


path = call("/org/gnome/Mutter/RemoteDesktop", NAME, "CreateSession", reply="(o)").unpack()[0]
owner_types = []


def on_owner(connection, sender, object_path, interface, signal, params):
    if signal == "SelectionOwnerChanged":
        types = params.unpack()[0].get("mime-types", [])
        owner_types[:] = types[0] if isinstance(types, tuple) else types


# mutter names the owner's types as soon as the clipboard is enabled.
bus.signal_subscribe(NAME, SESSION, "SelectionOwnerChanged", path, None,
                     Gio.DBusSignalFlags.NONE, on_owner)
call(path, SESSION, "Start")
call(path, SESSION, "EnableClipboard", "(a{sv})", ({},))
# The first key of a session is lost, and a selection set before any key
# reaches clients late: a harmless key first.
call(path, SESSION, "NotifyKeyboardKeycode", "(ub)", (42, True))
call(path, SESSION, "NotifyKeyboardKeycode", "(ub)", (42, False))

if sys.argv[1] == "hold":
    code = int(sys.argv[2])
    call(path, SESSION, "NotifyKeyboardKeycode", "(ub)", (code, True))
    print("DOWN", flush=True)
    GLib.usleep(int(sys.argv[3]) * 1000)
    call(path, SESSION, "NotifyKeyboardKeycode", "(ub)", (code, False))
    sys.exit(0)

if sys.argv[1] == "types":
    context = GLib.MainContext.default()
    for _ in range(300):
        if owner_types:
            break
        context.iteration(False)
        GLib.usleep(10000)
    print("\n".join(owner_types))
    sys.exit(0)

if sys.argv[1] == "read":
    mime = sys.argv[2] if len(sys.argv) > 2 else MIME
    result, fds = call(path, SESSION, "SelectionRead", "(s)", (mime,), reply="(h)", fds=True)
    fd = fds.get(result.unpack()[0])
    os.set_blocking(fd, True)  # the owner writes from another process
    data = b""
    while True:
        chunk = os.read(fd, 65536)
        if not chunk:
            break
        data += chunk
    os.close(fd)
    sys.stdout.buffer.write(data)
    sys.exit(0)

text = sys.argv[2].encode("utf-8")
formats = {MIME: text, "text/plain": text, "UTF8_STRING": text}
for extra in sys.argv[3:]:
    kind, _, value = extra.partition("=")
    formats[kind] = value.encode("utf-8")


def on_signal(connection, sender, object_path, interface, signal, params):
    if signal != "SelectionTransfer":
        return
    mime, serial = params.unpack()
    result, fds = call(path, SESSION, "SelectionWrite", "(u)", (serial,), reply="(h)", fds=True)
    fd = fds.get(result.unpack()[0])
    ok = True
    try:
        os.write(fd, formats.get(mime, b""))
    except OSError:
        ok = False
    os.close(fd)
    call(path, SESSION, "SelectionWriteDone", "(ub)", (serial, ok))


bus.signal_subscribe(NAME, SESSION, None, path, None, Gio.DBusSignalFlags.NONE, on_signal)
loop = GLib.MainLoop()


def ready():
    call(path, SESSION, "SetSelection", "(a{sv})",
         ({"mime-types": GLib.Variant("as", list(formats))},))
    print("READY " + path, flush=True)
    return False


def input_ended(channel, condition):
    loop.quit()
    return False


GLib.timeout_add(50, ready)
GLib.io_add_watch(GLib.IOChannel.unix_new(0), GLib.IO_IN | GLib.IO_HUP, input_ended)
loop.run()
