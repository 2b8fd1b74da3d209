#!/usr/bin/env python3
"""Start-up benchmark: from starting the program to its main window's first show.

Zentrope and a minimal Qt Widgets window (bench/minimal_window.cpp) are started
in turn under a private Xvfb with the xcb platform, as users run them. The
window is observed from outside: every POLL ms the X server's top-level windows
are listed and the first viewable one whose _NET_WM_PID is the started process
counts as shown. At that moment the process's CPU time (user + system, from
/proc/PID/stat) is read, then it is ended.

Zentrope runs from a copy in a temporary folder (its settings file lands beside
it) with HOME and the XDG folders pointed there too, and a private cupsd with
one PPD queue stands in for the machine's printing system, so nothing of the
machine's own settings, desktop or printers is read or changed. One unmeasured
run of each program comes first (it writes the settings file and the desktop
registration, as any first start does).

    python3 bench/startup.py [--build build] [--runs 21] [--poll-ms 20]
"""

import argparse
import ctypes
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")


class XWindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int),
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong),
        ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p),
    ]


IS_VIEWABLE = 2
XA_CARDINAL = 6


class Display:
    """Just enough of Xlib to find a process's viewable top-level window."""

    def __init__(self, name):
        x = ctypes.cdll.LoadLibrary("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                           ctypes.POINTER(XWindowAttributes)]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        # A window that vanishes between listing and asking is no reason to exit.
        self._handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self._handler)
        self.x = x
        self.dpy = x.XOpenDisplay(name.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + name)
        self.root = x.XDefaultRootWindow(self.dpy)
        self.pid_atom = x.XInternAtom(self.dpy, b"_NET_WM_PID", 0)

    def _pid(self, w):
        actual_type, fmt = ctypes.c_ulong(), ctypes.c_int()
        n, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if self.x.XGetWindowProperty(self.dpy, w, self.pid_atom, 0, 1, 0, XA_CARDINAL,
                                     ctypes.byref(actual_type), ctypes.byref(fmt), ctypes.byref(n),
                                     ctypes.byref(after), ctypes.byref(data)) != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if n.value == 1 else None
        self.x.XFree(data)
        return pid

    def shown(self, pid):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return False
        found = False
        try:
            for i in range(count.value):
                w = children[i]
                attrs = XWindowAttributes()
                if not self.x.XGetWindowAttributes(self.dpy, w, ctypes.byref(attrs)):
                    continue
                if attrs.map_state == IS_VIEWABLE and not attrs.override_redirect and self._pid(w) == pid:
                    found = True
                    break
        finally:
            if children:
                self.x.XFree(children)
        return found


def cpu_seconds(pid):
    """CPU time of the process so far: its threads' run time in nanoseconds
    (schedstat), plus the children it has waited for (in clock ticks)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # cutime, cstime (fields 16 and 17 of the whole line)
    return total / 1e9 + (int(fields[13]) + int(fields[14])) / CLK_TCK


def loadavg():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def start_xvfb():
    r, w = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(r, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(r)
    return xvfb, ":" + number.decode().strip()


CUPSD_CONF = """Listen {sock}
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultShared No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
DefaultPolicy default
"""

CUPS_FILES_CONF = """ServerRoot {d}
RequestRoot {d}/spool
TempDir {d}/spool/tmp
CacheDir {d}/cache
StateDir {d}/state
ErrorLog {d}/error_log
AccessLog {d}/access_log
PageLog {d}/page_log
Printcap {d}/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
FileDevice No
Sandboxing Relaxed
"""


def start_cups(root, raw_queue=False):
    """A private cupsd with one PPD queue, the default, as a desktop has; with
    raw_queue also a raw queue "Raw" whose jobs go to /dev/null."""
    d = os.path.join(root, "cups")
    for sub in ("spool/tmp", "cache", "state", "ppd"):
        os.makedirs(os.path.join(d, sub), exist_ok=True)
    os.chmod(root, 0o755)
    os.chmod(d, 0o755)
    sock = os.path.join(d, "cups.sock")
    with open(os.path.join(d, "cupsd.conf"), "w") as f:
        f.write(CUPSD_CONF.format(sock=sock))
    with open(os.path.join(d, "cups-files.conf"), "w") as f:
        f.write(CUPS_FILES_CONF.format(d=d).replace("FileDevice No", f"FileDevice {'Yes' if raw_queue else 'No'}"))
    cupsd = subprocess.Popen(["/usr/sbin/cupsd", "-f", "-c", os.path.join(d, "cupsd.conf"),
                              "-s", os.path.join(d, "cups-files.conf")],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, CUPS_SERVER=sock)
    for _ in range(200):
        if os.path.exists(sock) and subprocess.run(["lpstat", "-r"], env=env, capture_output=True).returncode == 0:
            break
        time.sleep(0.05)
    else:
        raise RuntimeError("cupsd did not start")
    # Port 9 (discard): nothing is printed at start-up.
    subprocess.run(["lpadmin", "-p", "Office", "-v", "socket://127.0.0.1:9", "-m",
                    "drv:///sample.drv/generic.ppd", "-o", "printer-is-shared=false", "-E"],
                   env=env, check=True, capture_output=True)
    subprocess.run(["lpadmin", "-d", "Office"], env=env, check=True, capture_output=True)
    if raw_queue:
        subprocess.run(["lpadmin", "-p", "Raw", "-v", "file:///dev/null", "-m", "raw", "-E"],
                       env=env, check=True, capture_output=True)
    return cupsd, sock


def start_session_bus(root):
    """A private D-Bus session bus, as every desktop session has: without one,
    Qt's menu bar starts dbus-launch to look for a global menu."""
    if not shutil.which("dbus-daemon"):
        return None, None
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                            "--address=unix:path=" + os.path.join(root, "bus")],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    return bus, address


def measure(command, env, display, poll):
    start = time.monotonic()
    p = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        tick = start
        while True:
            tick += poll
            time.sleep(max(0.0, tick - time.monotonic()))
            if display.shown(p.pid):
                seconds = time.monotonic() - start
                cpu = cpu_seconds(p.pid)
                return seconds, cpu
            if p.poll() is not None:
                raise RuntimeError(f"{command[0]} ended before showing a window (exit {p.returncode})")
            if time.monotonic() - start > 30:
                raise RuntimeError(f"{command[0]} showed no window within 30 s")
    finally:
        if p.poll() is None:
            p.send_signal(signal.SIGTERM)
        p.wait()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(here, "..", "build"), help="the build folder")
    ap.add_argument("--runs", type=int, default=21, help="measured runs of each program")
    ap.add_argument("--poll-ms", type=float, default=20.0, help="how often the windows are looked at")
    args = ap.parse_args()

    zentrope = os.path.join(args.build, "src", "zentrope")
    minimal = os.path.join(args.build, "bench", "minimal_window")
    for p in (zentrope, minimal):
        if not os.access(p, os.X_OK):
            sys.exit(f"{p} is missing: build the targets zentrope and minimal_window")

    print(f"load average before: {loadavg()}")
    root = tempfile.mkdtemp(prefix="zentrope-startup-")
    xvfb = cupsd = bus = None
    try:
        app_dir = os.path.join(root, "app")
        os.makedirs(app_dir)
        program = os.path.join(app_dir, "zentrope")
        shutil.copy2(zentrope, program)
        home = os.path.join(root, "home")
        runtime = os.path.join(root, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        xvfb, display_name = start_xvfb()
        cupsd, sock = start_cups(root)
        bus, bus_address = start_session_bus(root)
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
        env.pop("PRINTER", None)
        env.pop("LPDEST", None)
        env.update(DISPLAY=display_name, QT_QPA_PLATFORM="xcb", HOME=home, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), CUPS_SERVER=sock)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        if bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = bus_address
        display = Display(display_name)
        poll = args.poll_ms / 1000.0

        # "label" is the minimal window with one line of text: the least that
        # loads the font system, which any window with text pays before it shows.
        # "main window" has a menu, a toolbar and a text box: the least a
        # program like this one shows.
        programs = {"minimal": [minimal], "label": [minimal, "--label"], "main window": [minimal, "--main"],
                    "zentrope": [program]}
        results = {name: [] for name in programs}
        for name, command in programs.items():
            measure(command, env, display, poll)  # first start, not counted
        for i in range(args.runs):
            order = list(programs) if i % 2 == 0 else list(reversed(programs))
            for name in order:
                results[name].append(measure(programs[name], env, display, poll))

        med = {name: (statistics.median(t for t, _ in r), statistics.median(c for _, c in r))
               for name, r in results.items()}
        print(f"{args.runs} runs each, alternating, window polled every {args.poll_ms:g} ms")
        for name in programs:
            t, c = med[name]
            times = sorted(t for t, _ in results[name])
            print(f"{name:>11}: median {t * 1000:6.0f} ms to first show (min {times[0] * 1000:.0f}, "
                  f"max {times[-1] * 1000:.0f}), CPU by then {c * 1000:.0f} ms")
        print(f"    ratio: {med['zentrope'][0] / med['minimal'][0]:.2f} x the minimal window, "
              f"{med['zentrope'][0] / med['label'][0]:.2f} x the window with a label")
        z, m = med["zentrope"], med["main window"]
        print(f"    against the main window with a menu, a toolbar and a text box: wall {z[0] / m[0]:.2f} x, "
              f"CPU {z[1] / m[1]:.2f} x")
        print(f"load average after: {loadavg()}")
    finally:
        for server in (cupsd, bus):
            if server:
                server.terminate()
                server.wait()
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
