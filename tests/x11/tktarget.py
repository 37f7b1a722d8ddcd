#!/usr/bin/python3
# A Tk text widget in a process of its own, as a paste target for the
# end-to-end tests: Tk reads the clipboard its own way (UTF8_STRING at once, no
# TARGETS). Speaks the protocol of x11target.cpp (one line per message, text
# as base64 of UTF-8):
#   out: "READY <window id>", "TEXT <b64>" after every change, "OK";
#   in:  "clear", "activate", "text", "quit".
import base64
import sys
import threading
import tkinter

root = tkinter.Tk()
root.title("scrivlet-tk-target")
root.geometry("600x400+40+40")
text = tkinter.Text(root)
text.pack(fill="both", expand=True)
lines = []
lock = threading.Lock()


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def content():
    # Tk keeps a final newline of its own.
    return text.get("1.0", "end-1c")


def report(_event=None):
    say("TEXT " + base64.b64encode(content().encode("utf-8")).decode("ascii"))
    text.edit_modified(False)


def read_input():
    for line in sys.stdin:
        with lock:
            lines.append(line.strip())
    with lock:
        lines.append("quit")


def poll():
    with lock:
        pending = lines[:]
        del lines[:]
    for line in pending:
        if line == "clear":
            text.delete("1.0", "end")
            say("OK")
        elif line == "activate":
            root.lift()
            root.focus_force()
            text.focus_set()
            say("OK")
        elif line == "text":
            report()
        elif line == "quit":
            root.destroy()
            return
    root.after(10, poll)


text.bind("<<Modified>>", lambda e: report() if text.edit_modified() else None)
threading.Thread(target=read_input, daemon=True).start()
text.focus_set()
root.update()
root.after(100, lambda: say("READY %d" % int(root.wm_frame(), 16)))
root.after(10, poll)
root.mainloop()
