#!/usr/bin/env python3
"""End-to-end scenarios: the built program under a private X server with a window manager,
driven by synthetic keys sent to the focused window, checked through the files it leaves in its
working folder and through screenshots.

Usage: scenarios.py PROGRAM DATA_DIR SCENARIO"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (  # noqa: E402
    PATIENCE, Display, Program, Timeout, read_bytes, seeded_workdir, wait_until)

TITLE = "QZ Typing Tutor"
TEN_KEYS = [b"Progress", b"TimeTotal", b"coursetext", b"practicetext", b"gametext", b"fontname",
            b"currentlayout", b"enablegame", b"fontsize", b"blinkingcolor"]


def assert_exit(code):
    assert code == 0, "the program ended with %s" % code


def section(ini_bytes, name):
    """The key=value lines of section name (bytes), in file order."""
    lines = re.split(rb"\r\n|\r|\n", ini_bytes)
    inside, entries = False, []
    for line in lines:
        stripped = line.strip()
        if stripped.startswith(b"["):
            inside = stripped[1:stripped.rfind(b"]")].strip().lower() == name.lower()
            continue
        if inside and b"=" in stripped:
            key, value = stripped.split(b"=", 1)
            entries.append((key.strip(), value.strip()))
    return entries


def value_of(ini_bytes, name, key):
    for k, v in section(ini_bytes, name):
        if k.lower() == key.lower():
            return v
    return None


MENU_SIZE = (198, 311)


class Session:
    """One run of the program: start, pick the learner, reach the main menu."""

    def __init__(self, display, program, workdir):
        """program is the executable to start, or None when something else starts it."""
        self.display = display
        self.program = Program(display, program, workdir) if program else None
        self.workdir = workdir

    def menu(self):
        found = [w for w in self.display.windows(TITLE) if self.display.size(w) == MENU_SIZE]
        return found[0] if found else None

    def message_boxes(self):
        """The program's message boxes: windows titled like the program but for the menu."""
        return [w for w in self.display.windows(TITLE) if self.display.size(w) != MENU_SIZE]

    def pick_learner(self, downs=0):
        """OK in the start-up panel. The message boxes shown on the way to the main menu are
        answered with OK; their number is returned with the menu."""
        boxes = 0
        while not self.display.windows("About"):
            wait_until(lambda: self.display.windows("About") or self.message_boxes(), "About")
            if self.message_boxes():
                self.answer_box()
                boxes += 1
        about = self.display.windows("About")[0]
        self.display.wait_active(about, "the start-up panel")
        for _ in range(downs):
            self.display.keys("Down")  # the learner picker has the focus
        self.display.keys("Return")
        self.display.wait_gone("About")
        while True:
            found = wait_until(lambda: self.message_boxes() or self.menu(), "the main menu")
            if found == self.menu():
                return found, boxes
            self.answer_box()
            boxes += 1

    def answer_box(self, key="Return"):
        box = wait_until(self.message_boxes, "a message box")[-1]
        self.display.wait_active(box, "the message box")
        self.display.keys(key)
        wait_until(lambda: box not in self.display.windows(TITLE), "the box to close")

    def close_menu(self, menu):
        """Esc on the main menu, OK on the practice-time report, and the process ends."""
        self.display.wait_active(menu, "the main menu")
        self.display.keys("Escape")
        self.answer_box()
        return self.program.wait_exit()


def first_start(display, program, data):
    workdir = seeded_workdir(data)
    os.remove(os.path.join(workdir, "qzc.ini"))
    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 2, boxes  # no learner: the course and practice texts are not chosen
    display.wait_active(menu, "the main menu")
    display.keys("shift+Tab", "Return")  # Enter on "&Exit", the last button
    session.answer_box()  # the practice-time report
    assert_exit(session.program.wait_exit())
    learner = section(read_bytes(os.path.join(workdir, "qzc.ini")), b"Learner")
    assert [k for k, _ in learner] == TEN_KEYS, learner
    assert b"CurrentUser=Learner" in read_bytes(os.path.join(workdir, "qz.ini"))
    return workdir


def course_progress(display, program, data):
    workdir = seeded_workdir(data)
    course = [line for line in read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()]
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))

    for expected_progress, line in ((1, course[0]), (2, course[1])):
        session = Session(display, program, workdir)
        menu, boxes = session.pick_learner()
        assert boxes == 0, boxes
        window = finish_course_line(display, session, menu, line)
        try:  # synthetic keys are fast: "Can you really type so fast?  Do be patient."
            wait_until(session.message_boxes, "the speed warning", timeout=PATIENCE / 4)
            session.answer_box()
        except Timeout:
            pass
        display.wait_active(window, "the course after the warning")
        display.keys("Escape")
        display.wait_gone("Course")
        assert_exit(session.close_menu(menu))
        progress = int(value_of(read_bytes(qzc), b"Learner", b"Progress"))
        assert progress == expected_progress, (progress, expected_progress)
    time_after = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))
    assert time_after > time_before, (time_before, time_after)
    return workdir


# Places in the Options window (client coordinates) that the scenario clicks.
USERS_BOX, ADD_USER = (140, 247), (80, 284)
LAYOUT_NAME, SECOND_LAYOUT_FILE, REGISTER, OPTIONS_OK = (151, 193), (51, 256), (151, 305), (104, 392)


def keyboard_picture(display, session, menu, path):
    """Opens the sentence drills and returns a picture of the keyboard below them."""
    display.wait_active(menu, "the main menu")
    display.keys("alt+s")
    drills = display.wait_window("Sentence Drills")
    keyboard = display.wait_window("Virtual Keyboard")
    wait_until(lambda: display.pixel(*display.position(keyboard)) != (0, 0, 0), "keys drawn")
    picture = read_bytes(display.crop(keyboard, path))
    display.wait_active(drills, "the sentence drills")
    display.keys("Escape")
    display.wait_gone("Sentence Drills")
    return picture, display.size(keyboard)


def options_learner_and_layout(display, program, data):
    workdir = seeded_workdir(data)
    qz, qzc = os.path.join(workdir, "qz.ini"), os.path.join(workdir, "qzc.ini")

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    us_keyboard = keyboard_picture(display, session, menu, display.temp("us.png"))
    display.wait_active(menu, "the main menu")
    display.keys("alt+o")
    options = display.wait_window("Options")
    display.wait_active(options, "the Options window")
    display.click(options, *USERS_BOX)
    display.type("Zoe")
    display.click(options, *ADD_USER)
    session.answer_box()  # "The new user will have the settings of the current user. ..."
    display.wait_gone("Options")
    assert_exit(session.close_menu(menu))
    assert value_of(read_bytes(qzc), b"Zoe", b"TimeTotal") == b"5"

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner(downs=1)  # Learner, Zoe
    display.wait_active(menu, "the main menu")
    display.keys("alt+o")
    options = display.wait_window("Options")
    display.wait_active(options, "the Options window")
    display.keys("ctrl+Tab", "ctrl+Tab")  # the "Keyboard Layout" page
    display.click(options, *LAYOUT_NAME)
    display.type("Mine")
    display.click(options, *SECOND_LAYOUT_FILE)  # de.key, after colemak.key
    display.click(options, *REGISTER)
    display.click(options, *OPTIONS_OK)
    display.wait_gone("Options")
    german_keyboard = keyboard_picture(display, session, menu, display.temp("de.png"))
    assert german_keyboard != us_keyboard, "the keyboard did not change with the layout"
    assert_exit(session.close_menu(menu))

    assert b"CurrentUser=Zoe" in read_bytes(qz), read_bytes(qz)
    names = section(read_bytes(qz), b"LAYOUTNAMES")
    files = section(read_bytes(qz), b"LAYOUTFILENAMES")
    assert names[-1] == (b"S%d" % len(names), b"Mine"), names
    assert files[-1] == (b"S%d" % len(files), b"de.key"), files
    assert value_of(read_bytes(qzc), b"Zoe", b"currentlayout") == b"%d" % (len(names) - 1)
    assert value_of(read_bytes(qzc), b"Learner", b"currentlayout") == b"0"
    return workdir


def guides_beside_practice(display, program, data):
    """The keyboard stands 15 px below the practice window's frame and the hands 5 px beside
    the keyboard's frame, all three above the practice window; a click on them leaves the
    keys with the practice window."""
    workdir = seeded_workdir(data)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    display.wait_active(menu, "the main menu")
    display.keys("alt+s")
    drills = display.wait_window("Sentence Drills")
    guides = [display.wait_window(name) for name in ("Virtual Keyboard", "Left", "Right")]
    display.wait_active(drills, "the sentence drills")

    def placed():
        practice, board, left, right = (display.frame(w) for w in [drills] + guides)
        return (board[1] == practice[3] + 15 and left[1] == right[1] == board[1]
                and left[2] + 5 == board[0] and board[2] + 5 == right[0])

    wait_until(placed, "the guides clear of the practice window's frame")
    stack = display.stacking()
    assert all(stack.index(g) > stack.index(drills) for g in guides), stack
    for guide in guides:
        display.click(guide, 20, 20)
    display.type("~")  # no practice line starts with it: red and underlined
    wait_until(lambda: has_colour(display, drills, "rgb(255,0,0)"), "the typed character")
    display.keys("Escape")
    display.wait_gone("Sentence Drills")
    assert_exit(session.close_menu(menu))
    return workdir


def start_game(display, menu):
    """"&Game" from the main menu at difficulty 10; the game must then have the focus, its
    words must fall and the letters typed must reach it, with no click in between."""
    display.wait_active(menu, "the main menu")
    display.keys("alt+g")
    game = display.wait_window("Game")
    box = display.wait_window("Input Box")
    display.wait_active(box, "the difficulty box")
    display.keys("ctrl+a")
    display.type("10")
    display.keys("Return")
    display.wait_gone("Input Box")
    display.wait_active(game, "the game after its difficulty box")
    wait_until(lambda: has_colour(display, game, "rgb(255,255,0)"), "falling words", interval=0.3)
    display.type("j")  # every word starts with it: its first letter turns red
    wait_until(lambda: has_colour(display, game, "rgb(255,0,0)"), "the game to take a letter",
               interval=0.2)
    return game


def j_words_game_text(workdir):
    """A game text of 676 words that all start with j, for a game that takes its first key."""
    letters = "abcdefghijklmnopqrstuvwxyz"
    words = ["j" + a + b for a in letters for b in letters]
    with open(os.path.join(workdir, "qzgame.txt"), "wb") as text:
        text.write(" ".join(words).encode("ascii") + b"\r\n")


def game_running_at_exit(display, program, data):
    workdir = seeded_workdir(data)
    j_words_game_text(workdir)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    game = start_game(display, menu)
    display.keys("Escape")  # pause: "Do you want to exit?"
    session.answer_box("y")
    display.wait_gone("Game")
    start_game(display, menu)
    display.click(menu, 20, -10)  # the main menu's title bar, above the game
    assert_exit(session.close_menu(menu))  # the running game's worker is stopped and joined
    return workdir


def has_colour(display, window, colour):
    path = display.crop(window, display.temp("game.png"))
    result = display.run("convert", path, "-fill", "black", "+opaque", colour,
                         "-format", "%[fx:mean]", "info:")
    try:
        return float(result.stdout.strip() or 0) > 0
    except ValueError:
        return False


def first_course_line(workdir):
    return read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()[0]


def finish_course_line(display, session, menu, line):
    """Opens the course, types line and the key that ends it; the course stays open, and the
    speed warning may be up."""
    display.wait_active(menu, "the main menu")
    display.keys("alt+c")
    course = display.wait_window("Course")
    display.wait_active(course, "the course")
    display.type(line.decode("latin-1").strip(" \t"))

    def clock_runs():
        return has_colour(display, course, "rgb(0,0,255)")  # the blue "V" mark

    wait_until(clock_runs, "the line's clock")
    display.keys("space")
    wait_until(lambda: session.message_boxes() or not clock_runs(), "the end of the line")
    return course


def session_end(display, program, data):
    """A termination signal ends the program as closing the main menu does, but without the
    practice-time report: SIGTERM after a finished course line, with the course and perhaps
    the speed warning still up, keeps Progress and TimeTotal; SIGTERM with a game running and
    SIGHUP at the start-up panel end it with status 0 too."""
    workdir = seeded_workdir(data)
    j_words_game_text(workdir)
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    finish_course_line(display, session, menu, first_course_line(workdir))
    session.program.signal(signal.SIGTERM)
    assert_exit(session.program.wait_exit())
    learner = read_bytes(qzc)
    assert value_of(learner, b"Learner", b"Progress") == b"1", learner
    assert int(value_of(learner, b"Learner", b"TimeTotal")) > time_before, learner

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    start_game(display, menu)
    session.program.signal(signal.SIGTERM)
    assert_exit(session.program.wait_exit())

    session = Session(display, program, workdir)
    display.wait_active(display.wait_window("About"), "the start-up panel")
    session.program.signal(signal.SIGHUP)
    assert_exit(session.program.wait_exit())
    assert value_of(read_bytes(qzc), b"Learner", b"Progress") == b"1"
    return workdir


def logout(display, program, data):
    """Logging out under a session manager (xsm, which starts the program as a client of the
    session) saves as closing the main menu does and ends the program with status 0, with the
    course and the speed warning still up."""
    workdir = seeded_workdir(data)
    log = display.temp("program.log")
    with open(os.path.join(display.home, ".xsmstartup"), "w") as startup:
        startup.write("sh -c 'cd %s && %s >%s 2>&1; echo status $? >>%s'\n" % (
            workdir, program, log, log))
    manager = subprocess.Popen(["xsm"], env=display.env(), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        session = Session(display, None, workdir)
        menu, _ = session.pick_learner()
        finish_course_line(display, session, menu, first_course_line(workdir))
        xsm = display.wait_window("xsm: Default")
        display.run("xdotool", "windowactivate", "--sync", xsm)  # the desktop's logout
        left, top, _, _ = display.geometry(xsm)
        display.run("xdotool", "mousemove", "--sync", str(left + 160), str(top + 48),
                    "mousedown", "1", "mousemove", "--sync", str(left + 160), str(top + 68),
                    "mouseup", "1")  # "Shutdown", "With Checkpoint"
        dialog = display.wait_window("Shutdown")
        display.click(dialog, 150, 18)
        display.type("tutor")  # the session's name
        display.click(dialog, 48, 137)  # its "Shutdown" button
        wait_until(lambda: "status" in read_bytes(log).decode("latin-1"), "the program's end")
        assert read_bytes(log).decode("latin-1").splitlines()[-1] == "status 0"
    finally:
        manager.kill()
        manager.wait()
    learner = read_bytes(os.path.join(workdir, "qzc.ini"))
    assert value_of(learner, b"Learner", b"Progress") == b"1", learner
    assert int(value_of(learner, b"Learner", b"TimeTotal")) > 5, learner
    return workdir


def damaged_files(display, program, data):
    workdir = seeded_workdir(data)
    junk = b"\x00\xff\x01garbage\r\n[LAYOUTNAMES\r\n"
    qz = os.path.join(workdir, "qz.ini")
    with open(qz, "rb") as handle:
        original = handle.read()
    with open(qz, "wb") as handle:
        handle.write(junk + original)
    us = os.path.join(workdir, "us.key")
    with open(us, "rb") as handle:
        truncated = handle.read()[:20000]
    with open(us, "wb") as handle:
        handle.write(truncated)
    os.remove(os.path.join(workdir, "qzcourse.txt"))
    before = {name: read_bytes(os.path.join(workdir, name)) for name in os.listdir(workdir)}

    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 2, boxes  # the truncated layout and the missing course file
    assert_exit(session.close_menu(menu))

    after = {name: read_bytes(os.path.join(workdir, name)) for name in os.listdir(workdir)}
    assert set(after) == set(before), (set(before) ^ set(after))
    for name, content in before.items():
        if name not in ("qz.ini", "qzc.ini"):
            assert after[name] == content, name
    assert after["qz.ini"].startswith(junk), after["qz.ini"][:40]
    learner = section(after["qzc.ini"], b"Learner")
    assert [k for k, _ in learner] == TEN_KEYS, learner

    # A folder in place of qz.ini cannot be read: the message names the problem.
    os.remove(qz)
    os.mkdir(qz)
    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes >= 1, boxes
    display.wait_active(menu, "the main menu")
    display.keys("Escape")
    session.answer_box()  # the practice-time report
    def box_or_end():
        return "ended" if session.program.process.poll() is not None else session.message_boxes()

    while wait_until(box_or_end, "a box or the end") != "ended":
        session.answer_box()  # "Unable to write to ..." at shutdown
    assert_exit(session.program.wait_exit())
    assert os.path.isdir(qz)
    return workdir


def main():
    program, data, scenario = sys.argv[1], sys.argv[2], sys.argv[3]
    display = Display()
    workdir = None
    try:
        workdir = globals()[scenario](display, program, data)
        print("1 passed, 0 failed")
        return 0
    except (AssertionError, Timeout) as failure:
        handle, shot = tempfile.mkstemp(prefix="qz-e2e-%s-" % scenario, suffix=".png")
        os.close(handle)
        display.screenshot(shot)
        import traceback
        traceback.print_exc()
        for started in Program.started:
            print("--- program output:\n" + started.output()[-6000:])
        print("--- window manager output:\n" + display.wm_output()[-3000:])
        print("FAILED %s: %r (screenshot %s)" % (scenario, failure, shot))
        print("0 passed, 1 failed")
        return 1
    finally:
        display.close()
        if workdir:
            shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
