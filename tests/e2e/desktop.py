"""Drives the real program as a learner would: a private X server with a window manager
(openbox), a fresh working folder seeded from data/, and synthetic keys through the XTEST
extension that go to whatever window has the focus, as a learner's keys do. Windows are found
by their captions. Nothing here sleeps blindly: every wait polls for a condition with a
deadline."""

import os
import random
import shutil
import signal
import subprocess
import tempfile
import time


# How long a wait may last: long, because other work may share the machine's processors; a
# wait ends as soon as its condition holds.
PATIENCE = 60.0


class Timeout(AssertionError):
    pass


def wait_until(condition, what, timeout=PATIENCE, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    raise Timeout("timed out waiting for " + what)


def start_xvfb(width, height):
    """An Xvfb server on a display number of its own; returns (process, ':N').

    The number is drawn at random from a wide range rather than taken as the lowest free one:
    the lowest free number is exactly the one that a server of another run is giving up at
    that moment, and a client could then reach the old server's leftovers (or none). The
    server's lock file settles a clash, and a clash is simply retried.

    The server offers only its built-in core fonts, whatever font packages the machine has, so
    that the core-font programs a scenario clicks into (xsm) lay out the same everywhere."""
    for _ in range(50):
        number = random.randrange(100, 30000)
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % (width, height), "-nolisten", "tcp", "-fp", "built-ins"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            ready = reader.readline().strip()  # written once the server accepts clients
        if ready == str(number) and server.poll() is None:
            return server, ":%d" % number
        server.kill()
        server.wait()
    raise RuntimeError("no Xvfb display could be started")


class Display:
    """A private X server with openbox as its window manager."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        self.home = tempfile.mkdtemp(prefix="qz-e2e-home-")
        self.session_env, self.session_processes = {}, []
        # A server and window manager that do not come up (seen now and then on a loaded
        # machine) are replaced by a fresh pair; the last failure shows the manager's own words.
        for _ in range(3):
            self.server, self.name = start_xvfb(width, height)
            self.wm_log = open(os.path.join(self.home, "openbox.log"), "wb")
            # openbox with its installed defaults: an empty home keeps a personal setup out.
            # QZ_E2E_WM_DEBUG=1 has it log why it focuses, places and stacks each window.
            debug = ["--debug"] if os.environ.get("QZ_E2E_WM_DEBUG") else []
            self.wm = subprocess.Popen(["openbox", "--sm-disable"] + debug, env=self.env(),
                                       stdout=self.wm_log, stderr=subprocess.STDOUT)

            def ready_or_gone():
                if self.wm.poll() is not None:
                    return "gone"
                return "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout

            try:
                if wait_until(ready_or_gone, "the window manager", PATIENCE / 3) is True:
                    return
            except Timeout:
                pass
            output = self.wm_output()
            self.close(keep_home=True)
        shutil.rmtree(self.home, ignore_errors=True)
        raise Timeout("the window manager did not start: " + output[-2000:])

    def env(self):
        drop = ("QT_QPA_PLATFORM", "SESSION_MANAGER", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                "XDG_DATA_HOME", "LANGUAGE", "LC_ALL", "LC_MESSAGES")
        env = {key: value for key, value in os.environ.items() if key not in drop}
        env["LANG"] = "C.UTF-8"  # the program speaks English unless a scenario says otherwise
        env.update(self.session_env)
        env["DISPLAY"] = self.name
        env["HOME"] = self.home
        env["QT_QPA_PLATFORM"] = "xcb"
        env["LSAN_OPTIONS"] = "suppressions=" + os.path.join(os.path.dirname(
            os.path.abspath(__file__)), "lsan.supp")
        return env

    def start_accessibility_bus(self):
        """A private session bus with the accessibility bus on it, as on a desktop where a
        screen reader runs: programs started afterwards tell it what they show."""
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               env=self.env(), stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
        self.session_processes.append(bus)
        self.session_env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self.session_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.session_processes.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=self.env(),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def temp(self, name):
        """A path for a scratch file of this display's run."""
        return os.path.join(self.home, name)

    def run(self, *args):
        # The tools in a locale this machine has: xdotool types no umlaut in a missing one.
        return subprocess.run(list(args), env=dict(self.env(), LANG="C.UTF-8"),
                              capture_output=True, text=True)

    def set_keyboard(self, *layout):
        """The X keyboard layout, as setxkbmap takes it (for example "us", "intl")."""
        result = self.run("setxkbmap", *layout)
        assert result.returncode == 0, result.stderr

    # Windows.

    def windows(self, caption):
        """Ids of the visible windows whose caption is exactly caption."""
        result = self.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % caption)
        return [line for line in result.stdout.split() if line]

    def wait_window(self, caption, timeout=PATIENCE):
        try:
            return wait_until(lambda: self.windows(caption), "window '%s'" % caption, timeout)[0]
        except Timeout:
            names = self.run("xdotool", "search", "--name", ".", "getwindowname", "%@").stdout
            raise Timeout("no window '%s'; windows: %s" % (caption, names.split("\n")))

    def wait_gone(self, caption, timeout=PATIENCE):
        wait_until(lambda: not self.windows(caption), "window '%s' to close" % caption, timeout)

    def active(self):
        """The window that has the focus (the window manager's active window), or None."""
        result = self.run("xdotool", "getactivewindow")
        return result.stdout.strip() or None

    def wait_active(self, window, what=None, timeout=PATIENCE):
        """Waits until window has the focus: the window manager gave it, nobody forced it."""
        try:
            wait_until(lambda: self.active() == window, what or "window %s to be active" % window,
                       timeout)
        except Timeout:
            active = self.active()
            name = self.run("xdotool", "getwindowname", active).stdout.strip() if active else ""
            raise Timeout("%s is not active; the focus is on %s '%s'" % (
                what or window, active, name))

    def stacking(self):
        """Managed windows from bottom to top, as decimal ids."""
        result = self.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        ids = result.stdout.split("#")[-1].replace(",", " ").split()
        return [str(int(value, 16)) for value in ids]

    def geometry(self, window):
        """(x, y, width, height) of the window's client area on the screen."""
        # xwininfo, not xdotool: xdotool counts the frame's offset twice once a window manager
        # has put the window into a frame.
        info = {}
        for line in self.run("xwininfo", "-id", window).stdout.splitlines():
            key, _, value = line.strip().partition(":")
            info[key] = value.strip()
        try:
            return tuple(int(info[key]) for key in (
                "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        except (KeyError, ValueError):
            raise AssertionError("window %s has no geometry" % window)

    def size(self, window):
        """(width, height) of the client area; (0, 0) once the window is gone."""
        try:
            return self.geometry(window)[2:]
        except AssertionError:
            return (0, 0)

    def position(self, window):
        """The screen position of the window's client area."""
        return self.geometry(window)[:2]

    def frame(self, window):
        """(left, top, right, bottom) of the window's outer frame on the screen, right and
        bottom exclusive: the client area grown by the frame the window manager put round it."""
        left, top, width, height = self.geometry(window)
        result = self.run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
        extents = [0, 0, 0, 0]
        if "=" in result.stdout:
            extents = [int(v) for v in result.stdout.split("=")[1].replace(",", " ").split()]
        frame_left, frame_right, frame_top, frame_bottom = extents
        return (left - frame_left, top - frame_top, left + width + frame_right,
                top + height + frame_bottom)

    # A learner's hands.

    def click(self, window, x, y):
        """A left click at (x, y) of the window's client area."""
        left, top = self.position(window)
        place = "x:%d y:%d " % (left + x, top + y)
        # A move with --sync to where the pointer already is waits for ever.
        if not self.run("xdotool", "getmouselocation").stdout.startswith(place):
            self.run("xdotool", "mousemove", "--sync", str(left + x), str(top + y))
        self.run("xdotool", "click", "1")

    def keys(self, *keys):
        """Key presses for the focused window."""
        self.run("xdotool", "key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, text):
        """Typing for the focused window."""
        self.run("xdotool", "type", "--clearmodifiers", "--delay", "30", text)

    # Pictures.

    def crop(self, window, path):
        """A screenshot of the window's client area alone."""
        left, top, width, height = self.geometry(window)
        self.run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                 "+repage", path)
        return path

    def screenshot(self, path):
        self.run("import", "-window", "root", path)
        return path

    def pixel(self, x, y):
        """(r, g, b) of the screen pixel at x, y."""
        result = self.run("import", "-window", "root", "-crop", "1x1+%d+%d" % (x, y), "txt:-")
        for line in result.stdout.splitlines():
            if line.startswith("0,0:"):
                values = line.split("(")[1].split(")")[0].split(",")
                return tuple(int(float(v)) for v in values[:3])
        raise AssertionError("no pixel read: " + result.stderr)

    def wm_output(self):
        self.wm_log.flush()
        with open(os.path.join(self.home, "openbox.log"), "rb") as log:
            return log.read().decode("utf-8", "replace")

    def close(self, keep_home=False):
        # The server goes last and is waited for, so that its display number is free again
        # only once nothing of it is left.
        for process in self.session_processes[::-1] + [self.wm, self.server]:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.wm_log.close()
        if not keep_home:
            shutil.rmtree(self.home, ignore_errors=True)


class Program:
    """The built program started in a working folder."""

    started = []  # every program started, for the output of a failed scenario

    def __init__(self, display, executable, workdir, env=None):
        Program.started.append(self)
        self.display = display
        self.process = subprocess.Popen([executable], cwd=workdir, env=env or display.env(),
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def peak_memory_mib(self):
        """The most memory the process has held so far (VmHWM), in MiB."""
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        raise AssertionError("no VmHWM for the program")

    def blocked_signals(self):
        """The signals the program's main thread holds back (SigBlk), as a bit mask."""
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("SigBlk:"):
                    return int(line.split()[1], 16)
        return 0

    def signal(self, number=signal.SIGTERM):
        self.process.send_signal(number)

    def wait_exit(self, timeout=PATIENCE):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Timeout("the program did not end")

    def output(self):
        self.kill()
        return self.process.stdout.read().decode("utf-8", "replace")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def seeded_workdir(data_dir):
    workdir = tempfile.mkdtemp(prefix="qz-e2e-")
    for name in os.listdir(data_dir):
        source = os.path.join(data_dir, name)
        if os.path.isfile(source):
            shutil.copy(source, workdir)
    return workdir


def read_bytes(path):
    with open(path, "rb") as handle:
        return handle.read()
