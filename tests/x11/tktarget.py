#!/usr/bin/python3
# A Tk text widget in a process of its own, as a paste target for the
# end-to-end tests: Tk reads the clipboard its own way (UTF8_STRING at once, no
# TARGETS). Speaks the protocol of x11target.cpp (one line per message, text
# as base64 of UTF-8):
#   out: "READY <window id>", "TEXT <b64>" after every change, "OK";
#   in:  "clear", "activate", "text", "quit".
# With "rereads MS[,MS...]" it pastes as a browser's page does: it reads the
# text, goes about other work for MS milliseconds without a word to the
# clipboard's owner, reads the text again, and pastes only when both reads
# agree (a browser drops a paste whose clipboard changed while it was under
# way). The n-th paste pauses for the n-th MS, the last one for the rest.
# usage: tktarget.py [rereads MS[,MS...]]
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


PAUSES = [int(ms) for ms in sys.argv[2].split(",")] if sys.argv[1:2] == ["rereads"] else []
pastes = [0]


def read_clipboard():
    try:
        return root.clipboard_get(type="UTF8_STRING")
    except tkinter.TclError:
        return None


def paste_when_unchanged(first):
    if first is not None and read_clipboard() == first:
        text.insert("insert", first)


def paste_twice_read(_event):
    first = read_clipboard()
    pause = PAUSES[min(pastes[0], len(PAUSES) - 1)]
    pastes[0] += 1
    root.after(pause, lambda: paste_when_unchanged(first))
    return "break"


if PAUSES:
    text.bind("<<Paste>>", paste_twice_read)
text.bind("<<Modified>>", lambda e: report() if text.edit_modified() else None)
threading.Thread(target=read_input, daemon=True).start()
text.focus_set()
root.update()
root.after(100, lambda: say("READY %d" % int(root.wm_frame(), 16)))
root.after(10, poll)
root.mainloop()
