"""Drives the real program as a learner would: a private X server, a fresh working folder
seeded from data/, synthetic keys through the XTEST extension, and windows found by their
captions. Nothing here sleeps blindly: every wait polls for a condition with a deadline."""

import os
import shutil
import subprocess
import tempfile
import time


class Timeout(AssertionError):
    pass


def wait_until(condition, what, timeout=20.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    raise Timeout("timed out waiting for " + what)


class Display:
    """A private Xvfb server on a free display number."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        # Xvfb picks a free display itself and reports its number, so parallel runs never race
        # for one.
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            self.server.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
        wait_until(lambda: subprocess.run(["xdpyinfo", "-display", self.name],
                                          capture_output=True).returncode == 0, "Xvfb", 10)

    def env(self):
        env = {key: value for key, value in os.environ.items() if key != "QT_QPA_PLATFORM"}
        env["DISPLAY"] = self.name
        env["QT_QPA_PLATFORM"] = "xcb"
        env["LSAN_OPTIONS"] = "suppressions=" + os.path.join(os.path.dirname(
            os.path.abspath(__file__)), "lsan.supp")
        return env

    def run(self, *args):
        return subprocess.run(list(args), env=self.env(), capture_output=True, text=True)

    def windows(self, caption):
        """Ids of the visible windows whose caption is exactly caption."""
        result = self.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % caption)
        return [line for line in result.stdout.split() if line]

    def wait_window(self, caption, timeout=20.0):
        try:
            return wait_until(lambda: self.windows(caption), "window '%s'" % caption, timeout)[0]
        except Timeout:
            names = self.run("xdotool", "search", "--name", ".", "getwindowname", "%@").stdout
            raise Timeout("no window '%s'; windows: %s" % (caption, names.split("\n")))

    def wait_gone(self, caption, timeout=20.0):
        wait_until(lambda: not self.windows(caption), "window '%s' to close" % caption, timeout)

    def size(self, window):
        result = self.run("xdotool", "getwindowgeometry", window)
        for line in result.stdout.splitlines():
            if "Geometry:" in line:
                width, height = line.split()[-1].split("x")
                return int(width), int(height)
        return (0, 0)

    def position(self, window):
        result = self.run("xdotool", "getwindowgeometry", window)
        for line in result.stdout.splitlines():
            if "Position:" in line:
                x, y = line.split()[1].split(",")
                return int(x), int(y)
        raise AssertionError("window %s has no position" % window)

    def click(self, window, x, y):
        """A left click at (x, y) of the window's client area."""
        left, top = self.position(window)
        self.run("xdotool", "mousemove", "--sync", str(left + x), str(top + y), "click", "1")

    def crop(self, window, path):
        """A screenshot of the window alone."""
        left, top = self.position(window)
        width, height = self.size(window)
        self.run("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                 "+repage", path)
        return path

    def focus(self, window):
        self.run("xdotool", "windowfocus", "--sync", window)

    def keys(self, window, *keys):
        self.focus(window)
        self.run("xdotool", "key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, window, text):
        self.focus(window)
        self.run("xdotool", "type", "--clearmodifiers", "--delay", "30", text)

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

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(5)
        except subprocess.TimeoutExpired:
            self.server.kill()


class Program:
    """The built program started in a working folder."""

    started = []  # every program started, for the output of a failed scenario

    def __init__(self, display, executable, workdir):
        Program.started.append(self)
        self.display = display
        self.process = subprocess.Popen([executable], cwd=workdir, env=display.env(),
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def wait_exit(self, timeout=20.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
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
