#!/usr/bin/python3
# A browser's text area as a paste target for the end-to-end tests: serves a
# page whose only element is a focused textarea on a loopback port of its own,
# starts the browser on it in a fresh profile, and reports the textarea's value
# after every input (the page posts it back). Speaks the protocol of
# x11target.cpp (one line per message, text as base64 of UTF-8):
#   out: "READY <window id>", "TEXT <b64>" after every change, "OK", or
#        "FAIL" when the keyboard could not be put where a command asked;
#   in:  "clear", "activate", "text", "quit".
# "activate" answers OK only once the page itself says that it has the
# keyboard and the textarea has the focus: a browser's own address bar
# takes a paste too, so a test pressing keys on a mere hope would count a
# paste into the bar as one into the page.
# With "login" the page is a long one, as a sign-in page at the end of an
# article: a form with a text field user1 and a password field pass1, 3,000
# paragraphs, then a form with user2 and pass2; the browser publishes the
# page on the accessibility bus. TEXT is then the four values joined by "|";
# "focus <id>" puts the keyboard in one, and is answered as "activate".
# usage: browsertarget.py chromium|firefox [login]
import base64
import http.server
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time

# The page's title, which the browser puts on its window: this target's own,
# for a target of an earlier test may still be open with its browser, and
# its window, found by a title they shared, took the keys meant for this one.
TITLE = "scrivlet-browser-target-%d" % os.getpid()
PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>%s</title></head>
<body style="margin:0">
<textarea id="t" style="width:100%%;height:95vh" autofocus></textarea>
<script>
const t = document.getElementById("t");
// The keys reach the element only when the browser gives them to the page
// (not to its own bar or a panel) and the page to the element.
function focused(e) { return document.hasFocus() && document.activeElement === e; }
function post(path, body) {
  return fetch(path, {method: "POST", body: body, headers: {"Content-Type": "text/plain;charset=utf-8"}});
}
t.addEventListener("input", () => post("/value", t.value));
async function commands() {
  for (;;) {
    try {
      const r = await fetch("/command");
      const c = await r.text();
      if (c === "clear") { t.value = ""; t.focus(); await post("/value", ""); await post("/done", ""); }
      else if (c === "focus") { t.focus(); await post("/done", focused(t) ? "focused" : ""); }
      else if (c === "text") { await post("/value", t.value); }
    } catch (e) { await new Promise(r => setTimeout(r, 100)); }
  }
}
post("/loaded", "").then(commands);
t.focus();
</script></body></html>""" % TITLE

LOGIN_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>%s</title></head>
<body style="margin:0">
<form id="top"><input id="user1"><input id="pass1" type="password"></form>
<form id="bottom"><input id="user2"><input id="pass2" type="password"></form>
<script>
const ids = ["user1", "pass1", "user2", "pass2"];
// The paragraphs between the forms, as the body's own children: the fields
// lie one level below all of them.
const bottom = document.getElementById("bottom");
for (let i = 0; i < 3000; i++) {
  const p = document.createElement("p");
  p.textContent = "Paragraph " + i + " of a long article.";
  document.body.insertBefore(p, bottom);
}
function post(path, body) {
  return fetch(path, {method: "POST", body: body, headers: {"Content-Type": "text/plain;charset=utf-8"}});
}
function values() { return ids.map(id => document.getElementById(id).value).join("|"); }
function focused(e) { return document.hasFocus() && document.activeElement === e; }
for (const id of ids)
  document.getElementById(id).addEventListener("input", () => post("/value", values()));
async function commands() {
  for (;;) {
    try {
      const r = await fetch("/command");
      const c = await r.text();
      if (c === "clear") {
        for (const id of ids) document.getElementById(id).value = "";
        document.getElementById("user1").focus();
        await post("/value", values()); await post("/done", "");
      } else if (c === "focus") { await post("/done", document.hasFocus() ? "focused" : ""); }
      else if (c.startsWith("focus ")) {
        const e = document.getElementById(c.slice(6));
        e.focus();
        await post("/done", focused(e) ? "focused" : "");
      } else if (c === "text") { await post("/value", values()); }
    } catch (e) { await new Promise(r => setTimeout(r, 100)); }
  }
}
post("/loaded", "").then(commands);
document.getElementById("user1").focus();
</script></body></html>""" % TITLE

out_lock = threading.Lock()
commands = queue.Queue()
done = threading.Event()
answer = [""]  # the body of the page's last /done
loaded = threading.Event()


def activate(window):
    """Brings the window to the front with the keyboard in the textarea: a new
    browser window may keep the keys in its own bar however the page asks for
    the focus, and a click into the textarea, which fills the page, settles
    it."""
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.run(["xdotool", "windowactivate", "--sync", str(window)], **quiet)
    subprocess.run(["xdotool", "mousemove", "--window", str(window), "450", "300",
                    "click", "1"], **quiet)


def ask(command, timeout=10):
    """Has the page carry out command; its answer, None when it gave none
    in time."""
    done.clear()
    answer[0] = ""
    commands.put(command)
    return answer[0] if done.wait(timeout) else None


def focus(window, command):
    """Puts the keyboard where command says, and keeps trying (the window
    brought forward, a click into the page) until the page says it is
    there: at its very start a browser may still give the keys to its own
    bar, whatever the page asked. False when it never got there."""
    deadline = time.monotonic() + 8
    while True:
        if ask(command, max(0.5, deadline - time.monotonic())) == "focused":
            return True
        if time.monotonic() > deadline:
            return False
        activate(window)
        time.sleep(0.1)


def say(line):
    with out_lock:
        sys.stdout.write(line + "\n")
        sys.stdout.flush()


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def reply(self, body=b"", kind="text/plain"):
        self.send_response(200)
        self.send_header("Content-Type", kind + ";charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path == "/":
            self.reply((LOGIN_PAGE if LOGIN else PAGE).encode("utf-8"), "text/html")
        elif self.path == "/command":
            try:
                command = commands.get(timeout=20)
            except queue.Empty:
                command = ""
            self.reply(command.encode("utf-8"))
        else:
            self.send_error(404)

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        if self.path == "/value":
            say("TEXT " + base64.b64encode(body).decode("ascii"))
        elif self.path == "/done":
            answer[0] = body.decode("utf-8", "replace")
            done.set()
        elif self.path == "/loaded":
            loaded.set()
        self.reply()


def window_id():
    # The browser's top-level window, found by the page title it shows (once
    # it shows it: the page may report itself loaded before the browser has
    # named its window).
    for _ in range(300):
        # Whole: the title of the target of process 12 begins that of 123.
        found = subprocess.run(["xdotool", "search", "--name", "^%s( |$)" % TITLE],
                               capture_output=True, text=True).stdout.split()
        if found:
            return int(found[-1])
        time.sleep(0.1)
    return 0


LOGIN = "login" in sys.argv[2:]


def main():
    browser = sys.argv[1] if len(sys.argv) > 1 else "chromium"
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/" % server.server_address[1]
    profile = tempfile.mkdtemp(prefix="scrivlet-browser-")
    if browser == "chromium":
        command = ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run",
                   "--no-default-browser-check", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--disable-quic",
                   "--disable-features=Translate,MediaRouter", "--password-store=basic",
                   "--ozone-platform=x11", "--user-data-dir=" + profile,
                   "--window-position=0,0", "--window-size=900,600", "--app=" + url]
        if LOGIN:
            # The page on the accessibility bus, as with a screen reader.
            command.insert(1, "--force-renderer-accessibility")
    else:
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            for key, value in (("browser.shell.checkDefaultBrowser", "false"),
                               ("browser.startup.homepage_override.mstone", '"ignore"'),
                               ("datareporting.policy.dataSubmissionEnabled", "false"),
                               ("toolkit.telemetry.reportingpolicy.firstRun", "false"),
                               ("browser.aboutwelcome.enabled", "false"),
                               ("app.update.enabled", "false"),
                               ("browser.tabs.warnOnClose", "false")):
                prefs.write('user_pref("%s", %s);\n' % (key, value))
        command = ["firefox-esr", "--no-remote", "--profile", profile, "--new-instance",
                   "--width", "900", "--height", "600", url]
    env = dict(os.environ)
    env.setdefault("MOZ_DISABLE_CONTENT_SANDBOX", "1")
    if LOGIN:
        env["ACCESSIBILITY_ENABLED"] = "1"  # as a desktop with accessibility on says
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        if not loaded.wait(60):
            return 1
        window = window_id()
        if not window:
            return 1
        activate(window)
        say("READY %d" % window)
        for line in sys.stdin:
            line = line.strip()
            if line == "clear":
                say("OK" if ask(line) is not None else "FAIL")
            elif line == "activate" or line.startswith("focus "):
                if line == "activate":
                    activate(window)
                say("OK" if focus(window, "focus" if line == "activate" else line) else "FAIL")
            elif line == "text":
                commands.put("text")
            elif line == "quit":
                break
    finally:
        child.terminate()
        try:
            child.wait(10)
        except subprocess.TimeoutExpired:
            child.kill()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
