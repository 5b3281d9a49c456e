#!/usr/bin/env python3
"""Start-up time and memory of the real program under a private X server and window manager.

Measures, over several runs in fresh working folders seeded from data/:
  - process start to the start-up panel ("About") mapped;
  - its OK to the main menu mapped;
  - peak resident size after start-up, and during a game at difficulty 10.

Usage: bench/startup_bench.py [PROGRAM] [RUNS]   (default build/release/src/qz, 5 runs)"""

import os
import shutil
import statistics
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "e2e"))
from desktop import Display, Program, seeded_workdir, wait_until  # noqa: E402


def peak_rss_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(display, program, data):
    workdir = seeded_workdir(data)
    try:
        started = time.monotonic()
        run = Program(display, program, workdir)
        about = wait_until(lambda: display.windows("About"), "About", 30, 0.005)[0]
        panel = time.monotonic() - started
        display.wait_active(about)
        display.keys("Return")
        pressed = time.monotonic()
        menu = wait_until(lambda: display.windows("QZ Typing Tutor"), "menu", 30, 0.005)[0]
        to_menu = time.monotonic() - pressed
        rss_start = peak_rss_kib(run.process.pid)

        display.wait_active(menu)
        display.keys("alt+g")
        box = wait_until(lambda: [w for w in display.windows("Input Box")], "difficulty", 30)[0]
        display.wait_active(box)
        display.keys("ctrl+a")
        display.type("10")
        display.keys("Return")
        time.sleep(5)  # let words fall for a while
        rss_game = peak_rss_kib(run.process.pid)
        run.kill()
        return panel, to_menu, rss_start, rss_game
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


def main():
    root = os.path.join(here, "..")
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                              os.path.join(root, "build/release/src/qz"))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    display = Display()
    try:
        results = [one_run(display, program, os.path.join(root, "data")) for _ in range(runs)]
    finally:
        display.close()
    panel, menu, rss_start, rss_game = zip(*results)
    print("start to start-up panel: median %.0f ms" % (statistics.median(panel) * 1000))
    print("OK to main menu:         median %.0f ms" % (statistics.median(menu) * 1000))
    print("peak RSS after start-up: %.1f MiB" % (max(rss_start) / 1024))
    print("peak RSS during a game:  %.1f MiB" % (max(rss_game) / 1024))


if __name__ == "__main__":
    main()
