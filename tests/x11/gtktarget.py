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
view = Gtk.TextView()
window.add(view)
buffer = view.get_buffer()
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
