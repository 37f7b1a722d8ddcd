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
import base64
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import GdkX11, GLib, Gtk  # noqa: E402,F401


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
        say("OK")
    elif line == "caret":
        say(caret())
    elif line == "text":
        say("TEXT " + b64(buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)))
    elif line == "quit":
        Gtk.main_quit()
    return True


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
