#!/usr/bin/env python3
"""Instructions the program executes while a course line is typed at 4 keys a second, and
while the course window stands open with nobody typing, counted by callgrind: the same
measures as cpu_bench.py's first two rows, but a count that other work on the machine does
not disturb, so two builds can be compared on a busy machine.

The program runs under valgrind with instrumentation off until the course window is up and
its first two characters are typed; then the count covers the rest of the line short of its
last character and the second after it, and, dumped apart, 10 seconds of nobody typing.

Usage: bench/typing_instructions.py [PROGRAM] [RUNS]   (default build/release/src/qz, 1 run)
QZ_KEEP_CALLGRIND=1 keeps the dumps for callgrind_annotate."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

from cpu_bench import WINDOW_S, idle, qz_session, type_keys
from desktop import Display, seeded_workdir, wait_until


def dumped_instructions(out_dir, pid):
    """Dumps the count since the last dump and returns its instructions."""
    before = set(glob.glob(os.path.join(out_dir, "callgrind.out.*")))
    subprocess.run(["callgrind_control", "--dump", str(pid)], check=True, capture_output=True)
    dump = wait_until(lambda: set(glob.glob(os.path.join(out_dir, "callgrind.out.*"))) - before,
                      "the callgrind dump").pop()
    with open(dump) as text:
        for line in text:
            if line.startswith(("summary:", "totals:")):
                return int(line.split()[1])
    raise AssertionError("no count in " + dump)


def run_once(program, data):
    display = Display()
    workdir = seeded_workdir(data)
    out_dir = tempfile.mkdtemp(prefix="qz-callgrind-")
    wrapper = os.path.join(out_dir, "qz-under-callgrind")
    with open(wrapper, "w") as script:
        script.write("#!/bin/sh\nexec valgrind --tool=callgrind --instr-atstart=no "
                     "--callgrind-out-file=%s/callgrind.out.%%p %s\n" % (out_dir, program))
    os.chmod(wrapper, 0o755)
    try:
        course = open(os.path.join(workdir, "qzcourse.txt"), "rb").read().splitlines()
        line = course[0].decode("latin-1").strip(" \t")
        run, _ = qz_session(display, wrapper, workdir)
        pid = run.process.pid
        display.keys("alt+c")
        window = display.wait_window("Course", 120)
        display.wait_active(window)
        display.run("xdotool", "type", line[:2])  # loads the compose table, as in cpu_bench
        idle(2.0)
        for step in ("--instr=on", "--zero"):
            subprocess.run(["callgrind_control", step, str(pid)], check=True,
                           capture_output=True)
        type_keys(display, line[2:-1])
        idle(1.0)  # the last keys handled
        typed = dumped_instructions(out_dir, pid)
        idle()
        idle_count = dumped_instructions(out_dir, pid)
        run.kill()
        return {"course line, %d keys" % (len(line) - 3): typed,
                "practice window open, idle %.0f s" % WINDOW_S: idle_count}
    finally:
        display.close()
        shutil.rmtree(workdir, ignore_errors=True)
        if os.environ.get("QZ_KEEP_CALLGRIND"):
            print("callgrind dumps kept in", out_dir)
        else:
            shutil.rmtree(out_dir, ignore_errors=True)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                              os.path.join(root, "build/release/src/qz"))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    results = [run_once(program, os.path.join(root, "data")) for _ in range(runs)]
    print("instructions of the program (callgrind), %d run(s)" % runs)
    for what in results[0]:
        print("  %-38s %s" % (what, "  ".join("{:,}".format(r[what]) for r in results)))


if __name__ == "__main__":
    main()
