#!/usr/bin/python3
# A terminal emulator as a target for the end-to-end tests: starts the
# terminal running this same script as a recorder, which puts its terminal in
# raw mode and appends every byte it reads to a file, and reports that file's
# bytes after every change. Speaks the protocol of x11target.cpp (one line per
# message, text as base64; here the raw bytes as the terminal sent them):
#   out: "READY <window id>", "TEXT <b64>" after every change, "OK";
#   in:  "clear", "activate", "text", "quit".
# usage: termtarget.py xterm|lxterminal
#        termtarget.py --record <file>      (inside the terminal)
import base64
import os
import subprocess
import sys
import tempfile
import threading
import time
import tty

TITLE = "scrivlet-terminal-target"


def record(path):
    # Raw: every byte as the terminal sends it, no line editing, no echo.
    tty.setraw(sys.stdin.fileno())
    with open(path, "ab", buffering=0) as out:
        out.write(b"")
        open(path + ".ready", "w").close()
        while True:
            data = os.read(sys.stdin.fileno(), 4096)
            if not data:
                return 0
            out.write(data)


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def main():
    if sys.argv[1] == "--record":
        return record(sys.argv[2])
    terminal = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="scrivlet-term-")
    path = os.path.join(folder, "bytes")
    open(path, "wb").close()
    inner = [sys.executable, os.path.abspath(__file__), "--record", path]
    env = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8")
    if terminal == "xterm":
        command = ["xterm", "-T", TITLE, "-u8", "-geometry", "80x24+40+40", "-e"] + inner
    else:
        command = [terminal, "-t", TITLE, "--geometry=80x24", "-e", " ".join(inner)]
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        for _ in range(300):
            if os.path.exists(path + ".ready"):
                break
            time.sleep(0.05)
        # Asked again until the window shows, as the browser target does:
        # "search --sync" once came back empty within seconds while xterm
        # started (xdotool gives up at an X error, such as a window that goes
        # away during its walk of the tree).
        found = []
        deadline = time.monotonic() + 30
        while not found and time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                                   capture_output=True, text=True, timeout=30).stdout.split()
            if not found:
                time.sleep(0.1)
        if not found:
            return 1
        window = found[-1]
        subprocess.run(["xdotool", "windowactivate", "--sync", window],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        say("READY %s" % window)

        lock = threading.Lock()
        last = [b""]

        def report(force=False):
            with open(path, "rb") as f:
                data = f.read()
            with lock:
                if force or data != last[0]:
                    last[0] = data
                    say("TEXT " + base64.b64encode(data).decode("ascii"))

        def watch():
            while child.poll() is None:
                report()
                time.sleep(0.02)

        threading.Thread(target=watch, daemon=True).start()
        for line in sys.stdin:
            line = line.strip()
            if line == "clear":
                open(path, "wb").close()
                report(True)
                say("OK")
            elif line == "activate":
                subprocess.run(["xdotool", "windowactivate", "--sync", window],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                say("OK")
            elif line == "text":
                report(True)
            elif line == "quit":
                break
    finally:
        child.terminate()
        try:
            child.wait(10)
        except subprocess.TimeoutExpired:
            child.kill()
    return 0


if __name__ == "__main__":
    sys.exit(main())
