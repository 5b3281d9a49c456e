#!/usr/bin/env python3
"""CPU used by the real program under a private X server, the way a learner uses it, and the
same measure on Tux Typing's game and Klavaro's lesson where those are installed.

Each measure is a window of about 10 seconds; what counts is the CPU time the program and the
X server consumed in it (the sum of every thread's run time from /proc/PID/task/*/schedstat),
given as a share of one core; the median of the runs is reported with the range. CPU time
still depends on the machine's state (on the reference machine a busy machine gave lower
figures than a quiet one): compare figures of one run only.

  - course line: a course line typed at 4 keys a second (the keyboard and hands guide), from
    its third character to the one before its last;
  - practice idle: the course window open, nobody typing (the guides blink);
  - game d10, game d1: a game at difficulty 10 and at 1, nobody typing;
  - game d10 shooting: a game at difficulty 10 whose text is one word, typed at 4 keys a
    second, so a bullet flies about every second;
  - Tux Typing's Fish Cascade (hard and easy, short words), nobody typing;
  - Klavaro's first basic lesson typed at 4 keys a second, then left open.

Usage: bench/cpu_bench.py [PROGRAM] [RUNS]   (default build/release/src/qz, 3 runs)
Not part of ./test: the peers are installed only for this (apt-get install tuxtype klavaro)."""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "e2e"))
from desktop import Display, Program, seeded_workdir, wait_until  # noqa: E402
from scenarios import MENU_SIZE  # noqa: E402

WINDOW_S = 10.0
KEY_DELAY_MS = 250  # 4 keys a second
TUXTYPE = "/usr/games/tuxtype"
KLAVARO = "/usr/bin/klavaro"


def cpu_ns(pid):
    """Run time of all the live threads of pid, in nanoseconds."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as stat:
                total += int(stat.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that just ended
    return total


class Window:
    """Measures the CPU share of the program and of the X server over what runs inside."""

    def __init__(self, program_pid, server_pid):
        self.pids = (program_pid, server_pid)

    def __enter__(self):
        self.before = [cpu_ns(pid) for pid in self.pids]
        self.started = time.monotonic()
        return self

    def __exit__(self, *exc):
        wall = time.monotonic() - self.started
        used = [cpu_ns(pid) - before for pid, before in zip(self.pids, self.before)]
        self.shares = tuple(100.0 * ns / 1e9 / wall for ns in used)
        return False


def type_keys(display, text):
    """Types text into the focused window at 4 keys a second (xdotool types to the focus)."""
    display.run("xdotool", "type", "--delay", str(KEY_DELAY_MS), text)


def idle(seconds=WINDOW_S):
    time.sleep(seconds)


def keys_for(seconds):
    return int(seconds * 1000 / KEY_DELAY_MS)


# The program.

def qz_session(display, program, workdir):
    for _ in range(3):
        run = Program(display, program, workdir)
        # On a busy machine a client is now and then refused by the X server at once.
        wait_until(lambda: display.windows("About") or run.process.poll() is not None,
                   "the start-up panel", 30)
        if run.process.poll() is None:
            break
    about = display.wait_window("About", 30)
    display.wait_active(about)
    display.keys("Return")
    display.wait_gone("About")
    menu = wait_until(lambda: [w for w in display.windows("QZ Typing Tutor")
                               if display.size(w) == MENU_SIZE], "the main menu", 30)[0]
    display.wait_active(menu)
    return run, menu


def qz_game(display, menu, difficulty):
    display.wait_active(menu)
    display.keys("alt+g")
    game = display.wait_window("Game")
    box = display.wait_window("Input Box")
    display.wait_active(box)
    display.keys("ctrl+a")
    display.type(str(difficulty))
    display.keys("Return")
    display.wait_gone("Input Box")
    display.wait_active(game)
    idle(1.0)  # the first paint of the playfield is not what is measured
    return game


def qz_leave_game(display):
    display.keys("Escape")
    question = wait_until(lambda: [w for w in display.windows("QZ Typing Tutor")
                                   if display.size(w) != MENU_SIZE], "the exit question")[0]
    display.wait_active(question)
    display.keys("y")
    display.wait_gone("Game")


def qz_run(program, data):
    results = {}
    display = Display()
    workdir = seeded_workdir(data)
    try:
        course = open(os.path.join(workdir, "qzcourse.txt"), "rb").read().splitlines()
        line = course[0].decode("latin-1").strip(" \t")
        run, menu = qz_session(display, program, workdir)
        pids = (run.process.pid, display.server.pid)

        display.keys("alt+c")
        course_window = display.wait_window("Course")
        display.wait_active(course_window)
        # The first key typed into a text box loads the keyboard's compose table, once per
        # run: what is measured is the typing after it.
        display.run("xdotool", "type", line[:2])
        idle(1.0)
        with Window(*pids) as window:
            # Short of the last character: Esc then leaves the line instead of completing it.
            type_keys(display, line[2:-1])
        results["course line, 4 keys/s"] = window.shares
        with Window(*pids) as window:
            idle()
        results["practice window open, idle"] = window.shares
        display.keys("Escape")
        display.wait_gone("Course")

        for difficulty in (10, 1):
            qz_game(display, menu, difficulty)
            with Window(*pids) as window:
                idle()
            results["game d%d" % difficulty] = window.shares
            qz_leave_game(display)
        run.kill()

        # One word over and over, so that typing it shoots the oldest falling word.
        with open(os.path.join(workdir, "qzgame.txt"), "w") as text:
            text.write("\n".join(["fall"] * 400) + "\n")
        run, menu = qz_session(display, program, workdir)
        pids = (run.process.pid, display.server.pid)
        qz_game(display, menu, 10)
        with Window(*pids) as window:
            type_keys(display, "fall" * (keys_for(WINDOW_S) // 4))
        results["game d10, shooting a word a second"] = window.shares
        run.kill()
    finally:
        display.close()
        shutil.rmtree(workdir, ignore_errors=True)
    return results


# The peers, driven through their own menus by the places of their buttons.

class Peer:
    def __init__(self, display, argv):
        self.home = tempfile.mkdtemp(prefix="qz-peer-")
        env = {key: value for key, value in display.env().items()
               if not key.startswith("XDG_")}
        env.update(HOME=self.home, SDL_AUDIODRIVER="dummy")
        self.process = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def tuxtype_run():
    results = {}
    for level, place in (("hard", (470, 248)), ("easy", (466, 128))):
        display = Display()
        display.run("xdotool", "mousemove", "5", "760")  # the pointer would pick a menu entry
        peer = Peer(display, [TUXTYPE])
        try:
            window = display.wait_window("Tux Typing", 30)
            idle(3.0)  # the menu's fade-in
            display.click(window, 500, 128)  # Fish Cascade
            idle(1.5)
            display.click(window, *place)
            idle(1.5)
            display.keys("Return")  # the first word list, Short Words
            idle(1.0)
            display.run("xdotool", "mousemove", "5", "760")
            idle(1.0)
            with Window(peer.process.pid, display.server.pid) as measured:
                idle()
            results["game (Fish Cascade, %s)" % level] = measured.shares
        finally:
            peer.close()
            display.close()
    return results


def klavaro_run():
    results = {}
    display = Display()
    peer = Peer(display, [KLAVARO])
    try:
        menu = display.wait_window("Klavaro - Main menu", 30)
        idle(1.0)
        display.click(menu, 160, 100)  # 1 - Basic course
        lesson = display.wait_window("Klavaro - Basic Course", 30)
        display.wait_active(lesson)
        display.keys("space")  # "Press any key to start the exercise."
        idle(1.0)
        pids = (peer.process.pid, display.server.pid)
        # The first lesson drills f and j; wrong keys advance as right ones do.
        with Window(*pids) as window:
            type_keys(display, ("fjfjf jfjfj " * 4)[:keys_for(WINDOW_S)])
        results["lesson typed, 4 keys/s"] = window.shares
        with Window(*pids) as window:
            idle()
        results["lesson open, idle"] = window.shares
    finally:
        peer.close()
        display.close()
    return results


def summary(shares):
    values = sorted(shares)
    text = "%.2f %%" % statistics.median(values)
    if len(values) > 1:
        text += " (%.2f-%.2f)" % (values[0], values[-1])
    return text


def report(name, runs):
    print(name)
    for what in runs[0]:
        program = [run[what][0] for run in runs]
        server = [run[what][1] for run in runs]
        print("  %-38s program %-22s X server %s" % (what, summary(program), summary(server)))


def main():
    root = os.path.join(here, "..")
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                              os.path.join(root, "build/release/src/qz"))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    print("share of one core, median of %d runs (range); %d cores, load average %s" %
          (runs, os.cpu_count(), open("/proc/loadavg").read().split()[0]))
    report("this program", [qz_run(program, os.path.join(root, "data")) for _ in range(runs)])
    if os.path.exists(TUXTYPE):
        report("Tux Typing", [tuxtype_run() for _ in range(runs)])
    else:
        print("Tux Typing: not installed, skipped")
    if os.path.exists(KLAVARO):
        report("Klavaro", [klavaro_run() for _ in range(runs)])
    else:
        print("Klavaro: not installed, skipped")


if __name__ == "__main__":
    main()
