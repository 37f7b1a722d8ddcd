#!/usr/bin/python3
# A GTK 3 text view in a process of its own, for the caret checks of the
# end-to-end tests: GTK programs publish their caret on the accessibility bus
# but, unlike Qt ones, give up the focus while another client grabs the
# keyboard. Speaks the protocol of x11target.cpp (one line per message, text
# as base64 of UTF-8):
#   out: "READY <window id>", "TEXT <b64>" after every change, "OK",
#        "CARET x y w h" (the text cursor, screen pixels) answering "caret";
#   in:  "clear", "settext <b64>" (caret at the end), "activate", "caret",
#        "text" (a TEXT report now), "quit".
# With the argument "password" the window holds a password entry instead.
# With "standin=HOW" GTK publishes nothing on the accessibility bus and the
# script publishes its window's objects there itself, as a program that
# misbehaves on the bus would (see StandIn).
# With "rereads=MS[,MS...]" (Wayland) the text view pastes as a browser's page
# does: it reads the clipboard, goes about other work for MS milliseconds,
# reads it again, and pastes only when both reads agree. The n-th paste
# pauses for the n-th MS, the last one for the rest. Each read is a fresh
# wl-paste: GTK would answer the second from what it kept of the first.
import base64
import os
import subprocess
import sys

STANDIN = next((a[len("standin="):] for a in sys.argv[1:] if a.startswith("standin=")), None)
if STANDIN:
    os.environ["NO_AT_BRIDGE"] = "1"  # read as GTK starts

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import GdkX11, Gio, GLib, Gtk  # noqa: E402,F401


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def b64(text):
    return base64.b64encode(text.encode("utf-8")).decode("ascii")


window = Gtk.Window(title="scrivlet-gtk-target")
window.set_default_size(600, 400)
if "password" in sys.argv[1:]:
    # An entry that hides what is typed, with the text view's few calls.
    entry = Gtk.Entry()
    entry.set_visibility(False)
    view = entry

    class EntryBuffer:
        def get_text(self, start, end, hidden):
            return entry.get_text()

        def get_start_iter(self):
            return None

        def get_end_iter(self):
            return None

        def set_text(self, text):
            entry.set_text(text)

        def place_cursor(self, where):
            entry.set_position(-1)

        def connect(self, signal, handler):
            entry.connect(signal, lambda e: handler(self))

    buffer = EntryBuffer()
else:
    view = Gtk.TextView()
    buffer = view.get_buffer()
window.add(view)
buffer.connect(
    "changed",
    lambda b: say("TEXT " + b64(b.get_text(b.get_start_iter(), b.get_end_iter(), True))),
)


PAUSES = next(([int(ms) for ms in a[len("rereads="):].split(",")]
               for a in sys.argv[1:] if a.startswith("rereads=")), [])
pastes = [0]


def read_clipboard():
    try:
        run = subprocess.run(["wl-paste", "--no-newline"], capture_output=True, timeout=5)
    except (OSError, subprocess.TimeoutExpired):
        return None
    return run.stdout.decode("utf-8", "replace") if run.returncode == 0 else None


def paste_twice_read(_view):
    view.stop_emission_by_name("paste-clipboard")
    first = read_clipboard()
    pause = PAUSES[min(pastes[0], len(PAUSES) - 1)]
    pastes[0] += 1

    def second():
        if first is not None and read_clipboard() == first:
            buffer.insert_at_cursor(first)
        return False

    GLib.timeout_add(pause, second)


if PAUSES:
    view.connect("paste-clipboard", paste_twice_read)


def caret():
    where = view.get_iter_location(buffer.get_iter_at_mark(buffer.get_insert()))
    x, y = view.buffer_to_window_coords(Gtk.TextWindowType.WIDGET, where.x, where.y)
    _, ox, oy = view.get_window(Gtk.TextWindowType.WIDGET).get_origin()
    return "CARET %d %d %d %d" % (ox + x, oy + y, max(where.width, 1), where.height)


def on_input(source, condition):
    line = sys.stdin.readline()
    if not line:
        Gtk.main_quit()
        return False
    line = line.strip()
    if line == "clear":
        buffer.set_text("")
        say("OK")
    elif line.startswith("settext "):
        buffer.set_text(base64.b64decode(line[8:]).decode("utf-8"))
        buffer.place_cursor(buffer.get_end_iter())
        say("OK")
    elif line == "activate":
        window.present()
        view.grab_focus()
        if standin:
            standin.announce()
        say("OK")
    elif line == "caret":
        say(caret())
    elif line == "text":
        say("TEXT " + b64(buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)))
    elif line == "quit":
        Gtk.main_quit()
    return True


class StandIn:
    """The window's accessible objects, published on the accessibility bus by
    hand: one application (six for "silent") whose focused object /obj/1 is
    a password field, announced as focused at the start. How it answers:
      late     every question correctly, but 3 s after it was asked;
      silent   never, from six connections of the process;
      hostile  at once, with the wrong types (a struct where the states'
               numbers belong, a string for the role), 100,000 objects
               where one was asked for, and a flood of focus announcements,
               some of them ill-typed, with every question.
    Questions from the registry itself are left to GDBus (an error)."""

    ROOT = "/org/a11y/atspi/accessible/root"
    FOCUSED = (1 << 12) | (1 << 7)  # focused, editable
    PASSWORD_ROLE = 40

    def __init__(self, how):
        self.how = how
        self.kept = []  # unanswered questions stay alive
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
            GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.buses = []
        for _ in range(6 if how == "silent" else 1):
            bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
            bus.call_sync(
                "org.a11y.atspi.Registry", self.ROOT, "org.a11y.atspi.Socket", "Embed",
                GLib.Variant("((so))", ((bus.get_unique_name(), self.ROOT),)),
                GLib.VariantType("((so))"), Gio.DBusCallFlags.NONE, 10000, None)
            self.registry = bus.call_sync(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "GetNameOwner", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)),
                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
            bus.add_filter(self.filter)
            self.buses.append(bus)
        self.announce()

    def announce(self):
        for bus in self.buses:
            bus.emit_signal(None, "/obj/1", "org.a11y.atspi.Event.Object", "StateChanged",
                            GLib.Variant("(siiva{sv})", ("focused", 1, 0, GLib.Variant("i", 0), {})))

    def flood(self, bus):
        for n in range(2000):
            bus.emit_signal(None, "/obj/%d" % (n % 50 + 2), "org.a11y.atspi.Event.Object",
                            "StateChanged",
                            GLib.Variant("(siiva{sv})", ("focused", 1, 0, GLib.Variant("i", 0), {})))
            bus.emit_signal(None, "/obj/1", "org.a11y.atspi.Event.Object", "StateChanged",
                            GLib.Variant("((ss)u)", (("focused", "x"), 1)))

    # Runs on GDBus's own thread, for every message that comes in.
    def filter(self, bus, message, incoming):
        if (not incoming or message.get_message_type() != Gio.DBusMessageType.METHOD_CALL
                or message.get_sender() == self.registry):
            return message
        if self.how == "silent":
            self.kept.append(message)
        elif self.how == "late":
            self.kept.append(message)
            GLib.timeout_add(3000, self.answer, bus, message)
        else:
            self.answer(bus, message)
            self.flood(bus)
        return None

    def answer(self, bus, message):
        member = message.get_member()
        hostile = self.how == "hostile"
        reply = Gio.DBusMessage.new_method_reply(message)
        if member == "GetMatches":
            found = [(bus.get_unique_name(), "/obj/1")]
            if hostile:
                found += [(bus.get_unique_name(), "/obj/%d" % n) for n in range(100000)]
            reply.set_body(GLib.Variant("(a(so))", (found,)))
        elif member == "GetState":
            reply.set_body(GLib.Variant("(a(uu))", ([(self.FOCUSED, 0)],)) if hostile
                           else GLib.Variant("(au)", ([self.FOCUSED, 0],)))
        elif member == "GetRole":
            reply.set_body(GLib.Variant("(s)", ("password",)) if hostile
                           else GLib.Variant("(u)", (self.PASSWORD_ROLE,)))
        elif member == "Get" and hostile:
            reply.set_body(GLib.Variant("(v)", (GLib.Variant("(ii)", (1, 2)),)))
        else:
            reply = Gio.DBusMessage.new_method_error_literal(
                message, "org.freedesktop.DBus.Error.UnknownMethod", member)
        bus.send_message(reply, Gio.DBusSendMessageFlags.NONE)
        return False


standin = StandIn(STANDIN) if STANDIN else None

GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
window.connect("destroy", Gtk.main_quit)
window.show_all()
view.grab_focus()

def ready():
    # A Wayland window has no X id: 0 stands for it.
    gdk_window = window.get_window()
    say("READY %d" % (gdk_window.get_xid() if hasattr(gdk_window, "get_xid") else 0))
    return False


GLib.timeout_add(100, ready)
Gtk.main()
