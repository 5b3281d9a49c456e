#!/usr/bin/env python3
"""End-to-end scenarios: the built program under a private X server with a window manager,
driven by synthetic keys sent to the focused window, checked through the files it leaves in its
working folder and through screenshots.

Usage: scenarios.py PROGRAM DATA_DIR SCENARIO"""

import os
import re
import sqlite3
import shutil
import signal
import subprocess
import sys
import tempfile
import time

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


MENU_SIZE = (198, 385)
# What the sanitized program may hold at the main menu: a few times its usual need, far below
# the gigabytes that drawing keys in 3000-point fonts took.
MEMORY_LIMIT_MIB = 400


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

    def open_window(self, menu, key, caption):
        """A menu button by its accelerator; the window it opens must then have the focus."""
        self.display.wait_active(menu, "the main menu")
        self.display.keys(key)
        window = self.display.wait_window(caption)
        self.display.wait_active(window, "the window '%s'" % caption)
        return window

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
    """Without qzc.ini the run is a new learner's: nothing to warn about, and the section
    written at shutdown works, so the second start is as clean and its keyboard blinks red."""
    workdir = seeded_workdir(data)
    os.remove(os.path.join(workdir, "qzc.ini"))
    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 0, boxes
    display.wait_active(menu, "the main menu")
    display.keys("shift+Tab", "Return")  # Enter on "&Exit", the last button
    session.answer_box()  # the practice-time report
    assert_exit(session.program.wait_exit())
    learner = dict(section(read_bytes(os.path.join(workdir, "qzc.ini")), b"Learner"))
    assert list(learner) == TEN_KEYS, learner
    assert (learner[b"coursetext"], learner[b"currentlayout"], learner[b"blinkingcolor"]) == (
        b"qzcourse.txt", b"0", b"255"), learner
    assert b"CurrentUser=Learner" in read_bytes(os.path.join(workdir, "qz.ini"))

    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 0, boxes
    session.open_window(menu, "alt+s", "Sentence Drills")
    keyboard = display.wait_window("Virtual Keyboard")
    wait_until(lambda: has_colour(display, keyboard, "rgb(255,0,0)"), "a key blinking red", 10)
    display.keys("Escape")
    display.wait_gone("Sentence Drills")
    assert_exit(session.close_menu(menu))
    return workdir


def leave_course(display, session, window):
    """Answers the speed warning if it came up after a line, then Esc leaves the course."""
    try:  # synthetic keys are fast: "Can you really type so fast?  Do be patient."
        wait_until(session.message_boxes, "the speed warning", timeout=PATIENCE / 4)
        session.answer_box()
    except Timeout:
        pass
    display.wait_active(window, "the course after the line")
    display.keys("Escape")
    display.wait_gone("Course")


def type_course_line(display, session, menu, line):
    """The course opened from the main menu, line (bytes) typed and ended, and left."""
    leave_course(display, session, finish_course_line(display, session, menu, line))


def course_progress(display, program, data):
    workdir = seeded_workdir(data)
    course = [line for line in read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()]
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))

    for expected_progress, line in ((1, course[0]), (2, course[1])):
        session = Session(display, program, workdir)
        menu, boxes = session.pick_learner()
        assert boxes == 0, boxes
        type_course_line(display, session, menu, line)
        # Saved with the line: a lost display or a kill from here on loses nothing.
        assert value_of(read_bytes(qzc), b"Learner", b"Progress") == b"%d" % expected_progress
        assert_exit(session.close_menu(menu))
        progress = int(value_of(read_bytes(qzc), b"Learner", b"Progress"))
        assert progress == expected_progress, (progress, expected_progress)
    time_after = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))
    assert time_after > time_before, (time_before, time_after)
    return workdir


def open_progress(display, session, menu, picture):
    """Alt+R from the main menu, a picture of the Progress window, and Esc closes it."""
    window = session.open_window(menu, "alt+r", "Progress")
    shot = read_bytes(display.crop(window, display.temp(picture)))
    display.keys("Escape")
    display.wait_gone("Progress")
    return shot


def progress_window(display, program, data):
    workdir = seeded_workdir(data)
    stats = os.path.join(workdir, "qzstats.db")
    line = read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()[0]

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    # The window's chart library is loaded with the window, not with the program.
    maps = "/proc/%d/maps" % session.program.process.pid
    assert b"libQt6Charts" not in read_bytes(maps), "the chart library is loaded at start-up"
    empty = open_progress(display, session, menu, "progress-empty.png")
    assert b"libQt6Charts" in read_bytes(maps)
    assert not os.path.exists(stats), "looking must not create the statistics file"

    type_course_line(display, session, menu, line)

    connection = sqlite3.connect(stats)
    try:
        rows = connection.execute(
            "SELECT learners.name, kind, course_line, chars, errors, duration_ms,"
            " keys_per_minute, accuracy FROM results JOIN learners"
            " ON learners.id = results.learner_id").fetchall()
    finally:
        connection.close()
    assert len(rows) == 1, rows
    name, kind, course_line, chars, errors, duration, keys_per_minute, accuracy = rows[0]
    typed = len(line.strip(b" \t"))
    assert (name, kind, course_line, chars, errors) == ("Learner", 1, 1, typed, 0), rows
    assert keys_per_minute == chars * 60000 // duration and accuracy == 100, rows

    shown = open_progress(display, session, menu, "progress-line.png")
    assert shown != empty, "the Progress window does not show the line"
    assert_exit(session.close_menu(menu))
    return workdir


def dropped_lines(display, program, data):
    """Lines skipped with Enter or left with Esc add their time; lines dropped with an arrow or
    left with the close box add none, however long the learner spent on them."""
    workdir = seeded_workdir(data)
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = value_of(read_bytes(qzc), b"Learner", b"TimeTotal")
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    session.open_window(menu, "alt+c", "Course")
    for drop in ("Return", "Right", "Escape"):
        display.type("fff")  # every course line starts so
        time.sleep(1)
        display.keys(drop)
    display.wait_gone("Course")
    wait_until(lambda: int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal")) >=
               int(time_before) + 2000, "the skipped and left lines' time saved at once")
    session.open_window(menu, "alt+c", "Course")
    display.type("fff")
    time.sleep(1)
    display.keys("alt+F4")  # the close box, through the window manager
    display.wait_gone("Course")
    time.sleep(1)  # in the menu
    assert_exit(session.close_menu(menu))
    added = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal")) - int(time_before)
    assert 2000 <= added < 3500, added  # about a second for each of Enter and Esc
    return workdir


def killed_while_saving(display, program, data):
    """A kill while qz.ini is being saved leaves the old file or the new one, never a mixture.
    Hundreds of registered layouts make a save long enough to be caught in the middle: the
    kill comes as soon as the file is seen to change, or a little later."""
    workdir = seeded_workdir(data)
    qz = os.path.join(workdir, "qz.ini")
    count = 400
    old = (b"[LAYOUTNAMES]\r\n" + b"".join(b"S%d=Layout %d\r\n" % (k, k) for k in range(1, count + 1))
           + b"[LAYOUTFILENAMES]\r\n" + b"".join(b"S%d=us.key\r\n" % k for k in range(1, count + 1))
           + b"[SETTING]\r\nCurrentUser=Learner\r\n")

    def run(kill_after=None):
        with open(qz, "wb") as handle:
            handle.write(old)
        session = Session(display, program, workdir)
        menu, _ = session.pick_learner()
        display.wait_active(menu, "the main menu")
        display.keys("Escape")
        box = wait_until(session.message_boxes, "the practice-time report")[-1]
        display.wait_active(box, "the practice-time report")
        stamp = file_stamp(qz)
        display.keys("Return")
        if kill_after is None:
            assert_exit(session.program.wait_exit())
        else:
            wait_until(lambda: file_stamp(qz) != stamp, "qz.ini to change", 20, 0.0005)
            time.sleep(kill_after)
            session.program.signal(signal.SIGKILL)
            session.program.wait_exit()
        return read_bytes(qz)

    new = run()
    assert new != old and new.count(b"=us.key") == count, new[:200]
    for kill_after in (0, 0, 0.002, 0.01, 0.05):
        left = run(kill_after)
        assert left in (old, new), "a mixture after a kill %.3f s in: %r" % (kill_after, left[:300])
    return workdir


def file_stamp(path):
    try:
        status = os.stat(path)
        return (status.st_ino, status.st_mtime_ns, status.st_size)
    except FileNotFoundError:
        return None


# Places in the Options window (client coordinates) that the scenario clicks.
USERS_BOX, ADD_USER = (140, 247), (80, 284)
LAYOUT_NAME, SECOND_LAYOUT_FILE, REGISTER, OPTIONS_OK = (151, 193), (51, 256), (151, 305), (104, 392)
LAYOUT_BOX = (151, 66)


def keyboard_picture(display, session, menu, path):
    """Opens the sentence drills and returns a picture of the keyboard below them."""
    drills = session.open_window(menu, "alt+s", "Sentence Drills")
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
    options = session.open_window(menu, "alt+o", "Options")
    display.click(options, *USERS_BOX)
    display.type("Zoe")
    display.click(options, *ADD_USER)
    session.answer_box()  # "The new user will have the settings of the current user. ..."
    display.wait_gone("Options")
    assert_exit(session.close_menu(menu))
    assert value_of(read_bytes(qzc), b"Zoe", b"TimeTotal") == b"5"

    session = Session(display, program, workdir)
    menu, _ = session.pick_learner(downs=1)  # Learner, Zoe
    options = session.open_window(menu, "alt+o", "Options")
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


# Places in a line practice window (client coordinates): the second word typed, the typing
# box right of any text, the rows of the sample and of the typing box.
TYPED_WORD, TYPING_BOX_END = (48, 112), (500, 112)
SAMPLE_ROWS, TYPED_ROWS = (4, 84), (100, 180)


def line_pictures(display, window):
    """Where the characters of the sample and of the typing box begin, each row from its first
    character on: the same when the box shows the sample's characters, each under its own."""
    path = display.crop(window, display.temp("line.png"))
    width, height = display.size(window)
    gray = subprocess.run(["convert", path, "-colorspace", "Gray", "-depth", "8", "gray:-"],
                          capture_output=True, check=True).stdout

    def glyph_starts(rows):
        dark = [any(gray[y * width + x] < 90 for y in range(*rows))
                for x in range(12, width - 12)]
        return [x for x in range(1, len(dark)) if dark[x] and not dark[x - 1]]

    return glyph_starts(SAMPLE_ROWS), glyph_starts(TYPED_ROWS)


def dead_keys_in_course(display, program, data):
    """On the US international keyboard, dead acute then e gives \xe9: the course compares it
    like any key, so the line is typed without a single red character and its next key ends
    it. What a middle click would paste never reaches the typing box."""
    workdir = seeded_workdir(data)
    with open(os.path.join(workdir, "qzcourse.txt"), "wb") as course:
        course.write(b"caf\xe9 au lait\r\nsecond line\r\n")
    display.set_keyboard("us", "intl")
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    window = session.open_window(menu, "alt+c", "Course")
    display.type("caf")
    display.keys("dead_acute", "e")
    display.type(" au")
    # A middle click pastes the selection on this desktop; the typing box must refuse it.
    double_click(display, window, *TYPED_WORD)  # selects "au"
    display.click(window, *TYPING_BOX_END)
    display.run("xdotool", "click", "2")
    display.type(" lait")
    wait_until(lambda: has_colour(display, window, "rgb(0,0,128)"), "the typed line")
    assert not has_colour(display, window, "rgb(255,0,0)"), "a character counted wrong"
    sample, typed = line_pictures(display, window)
    # The caret may stand after the last character.
    assert typed[:len(sample)] == sample and len(typed) <= len(sample) + 1, (
        "the typing box does not show the sample's characters", sample, typed)
    display.keys("space")  # the key after the last character ends the line
    leave_course(display, session, window)
    assert_exit(session.close_menu(menu))
    progress = value_of(read_bytes(os.path.join(workdir, "qzc.ini")), b"Learner", b"Progress")
    assert progress == b"1", progress
    return workdir


# Places in the designer (client coordinates) that the scenario clicks.
FIRST_CHARACTER_BOX, DEFINE_KEY, SAVE, CLOSE = (128, 33), (52, 183), (118, 312), (195, 312)


def double_click(display, window, x, y):
    left, top = display.position(window)
    display.run("xdotool", "mousemove", "--sync", str(left + x), str(top + y),
                "click", "--repeat", "2", "--delay", "80", "1")


def designer_font_colour(display, program, data):
    """Behind the Options window's password (empty), the designer's font chooser gives the
    key's first character a colour; "Define key" and "Save" put that colour into the file."""
    workdir = seeded_workdir(data)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    options = session.open_window(menu, "alt+o", "Options")
    display.keys("ctrl+Tab", "ctrl+Tab", "alt+v")  # "Ad&vanced setting >>"
    password = display.wait_window("Password Dialog")
    display.wait_active(password, "the password dialog")
    display.keys("Return")
    designer = display.wait_window("Define VK & VH")
    display.wait_active(designer, "the designer")

    double_click(display, designer, *FIRST_CHARACTER_BOX)
    chooser = display.wait_window("Font")
    display.wait_active(chooser, "the font chooser")
    display.keys("alt+c", "r", "Return")  # "&Color:" Red
    display.wait_gone("Font")
    display.wait_active(designer, "the designer after the font chooser")
    display.click(designer, *DEFINE_KEY)
    display.click(designer, *SAVE)
    save = display.wait_window("Save As")
    display.wait_active(save, "the save dialog")
    display.type(os.path.join(workdir, "mine"))
    display.keys("Return")
    display.wait_gone("Save As")
    saved = os.path.join(workdir, "mine.key")
    wait_until(lambda: os.path.exists(saved), "the saved layout")
    display.click(designer, *CLOSE)
    display.wait_gone("Define VK & VH")
    display.wait_active(options, "the Options window after the designer")
    display.keys("Escape")
    display.wait_gone("Options")
    assert_exit(session.close_menu(menu))

    layout = read_bytes(saved)
    assert len(layout) == 20508, len(layout)
    count = int.from_bytes(layout[8:12], "little")  # the designer shows the last key
    first_font = 28 + (count - 1) * 340 + 20
    colour = int.from_bytes(layout[first_font:first_font + 4], "little")
    assert colour == 0x0000FF, hex(colour)  # red, 0x00BBGGRR
    return workdir


def start_game(display, menu):
    """"&Game" from the main menu at difficulty 10; the game must then have the focus, its
    words must fall and the letters typed must reach it, with no click in between."""
    display.wait_active(menu, "the main menu")
    display.keys("alt+g")
    game = display.wait_window("Game")
    box = display.wait_window("Input Box")
    display.wait_active(box, "the difficulty box")
    stacking = display.stacking()  # the playfield shows behind the box, not the menu
    assert stacking.index(str(int(game))) > stacking.index(str(int(menu))), stacking
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
    game = start_game(display, menu)
    # A minimised game comes back for the next one and takes the keys (start_game checks).
    display.run("xdotool", "windowminimize", "--sync", str(int(game)))
    display.click(menu, 20, -10)
    start_game(display, menu)
    display.click(menu, 20, -10)  # the main menu's title bar, above the game
    assert_exit(session.close_menu(menu))  # the running game's worker is stopped and joined
    stats = os.path.join(workdir, "qzstats.db")
    if os.path.exists(stats):  # a game left by the exit is abandoned, not recorded
        games = sqlite3.connect(stats).execute(
            "SELECT count(*) FROM results WHERE difficulty IS NOT NULL").fetchone()[0]
        assert games == 0, games
    return workdir


def open_paragraph_drills(display, menu, lines=None):
    """Alt+P from the main menu, the number of lines asked for answered (lines, or the number
    offered), and the drills' window with the focus."""
    display.wait_active(menu, "the main menu")
    display.keys("alt+p")
    box = display.wait_window("Input Box")
    display.wait_active(box, "the lines box")
    if lines:
        display.keys("ctrl+a")
        display.type(lines)
    display.keys("Return")
    window = display.wait_window("Paragraph Drills")
    display.wait_active(window, "the paragraph drills")
    return window


def paragraph_drill(display, program, data):
    """The first page shows as the window opens (it is drawn before the window is shown), and
    a wrong character shows red in the typing rows."""
    workdir = seeded_workdir(data)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    window = open_paragraph_drills(display, menu)  # the 3 lines offered
    wait_until(lambda: has_colour(display, window, "rgb(128,0,128)"), "the row numbers")
    display.type("~")  # no drill line starts with it
    wait_until(lambda: has_colour(display, window, "rgb(255,0,0)"), "the typed character")
    display.keys("Escape")
    display.wait_gone("Paragraph Drills")
    assert_exit(session.close_menu(menu))
    return workdir


def has_colour(display, window, colour, fuzz="0%"):
    path = display.crop(window, display.temp("game.png"))
    result = display.run("convert", path, "-fuzz", fuzz, "-fill", "black", "+opaque", colour,
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
    course = session.open_window(menu, "alt+c", "Course")
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
    SIGHUP at the start-up panel end it with status 0 too, and so does SIGTERM the moment the
    program's own code runs. A learner file that cannot be written then is told on standard
    error, with status 1."""
    workdir = seeded_workdir(data)
    j_words_game_text(workdir)
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))

    early = Program(display, program, workdir)
    wait_until(lambda: early.blocked_signals() & (1 << (signal.SIGTERM - 1)),
               "the program to hold its signals", interval=0)
    early.signal(signal.SIGTERM)
    assert_exit(early.wait_exit())

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

    os.remove(qzc)
    os.mkdir(qzc)
    session = Session(display, program, workdir)
    session.pick_learner()
    session.program.signal(signal.SIGTERM)
    assert session.program.wait_exit() == 1
    assert "Unable to write to " + qzc in session.program.output()
    return workdir


def lost_display(display, program, data):
    """The X server goes away (a crash, or Xwayland ending with the session) after a finished
    course line: the program ends, and the line's Progress and time are in qzc.ini."""
    workdir = seeded_workdir(data)
    qzc = os.path.join(workdir, "qzc.ini")
    time_before = int(value_of(read_bytes(qzc), b"Learner", b"TimeTotal"))
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    type_course_line(display, session, menu, first_course_line(workdir))
    display.server.kill()
    display.server.wait()
    session.program.wait_exit()  # with Qt's status for a broken connection
    learner = read_bytes(qzc)
    assert value_of(learner, b"Learner", b"Progress") == b"1", learner
    assert int(value_of(learner, b"Learner", b"TimeTotal")) > time_before, learner
    return workdir


def in_free_corner(display, window):
    """The window raised and moved to the screen's top left corner, where no window of the
    tutor stands."""
    wait_until(lambda: window in display.stacking(), "the window manager to frame a window")
    display.run("xdotool", "windowactivate", "--sync", window)
    display.run("xdotool", "windowmove", "--sync", window, "0", "0")
    wait_until(lambda: display.frame(window)[:2] == (0, 0), "a window in the corner")
    return window


def shutdown_with_checkpoint(display, xsm):
    """xsm's "Shutdown" menu button pressed and released on "With Checkpoint"; returns the
    dialog that asks for the session's name. The menu pops up once xsm has read the press, so
    a release sent too soon misses it: the gesture is repeated until the dialog comes."""
    left, top, _, _ = display.geometry(xsm)
    for _ in range(3):
        display.run("xdotool", "mousemove", "--sync", str(left + 121), str(top + 35),
                    "mousedown", "1")
        time.sleep(0.5)
        display.run("xdotool", "mousemove", "--sync", str(left + 121), str(top + 53),
                    "mouseup", "1")
        try:
            return display.wait_window("Shutdown", timeout=10)
        except Timeout:
            pass
    return display.wait_window("Shutdown")


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
        # The desktop's logout, in xsm's windows moved clear of the tutor's; the positions
        # are those of its widgets in the server's built-in font.
        xsm = in_free_corner(display, display.wait_window("xsm: Default"))
        dialog = in_free_corner(display, shutdown_with_checkpoint(display, xsm))
        display.click(dialog, 150, 12)
        display.type("tutor")  # the session's name
        display.click(dialog, 32, 107)  # its "Shutdown" button
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
    new_files = set(after) - set(before)
    assert set(before) <= set(after) and all(n.endswith(".lock") for n in new_files), new_files
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
        session.answer_box("Escape")
    assert_exit(session.program.wait_exit())  # a file that could not be read is not written
    assert os.path.isdir(qz)
    return workdir


def files_that_hang_or_exhaust(display, program, data):
    """A layout whose fonts claim 3000 points, then named pipes in place of the layout and the
    game text: each start reaches the main menu with one message and the program's small
    memory, and a game over the pipe reports it instead of waiting for a writer."""
    workdir = seeded_workdir(data)
    us = os.path.join(workdir, "us.key")
    layout = bytearray(read_bytes(us))
    for key in range(60):
        for font in range(4):
            at = 28 + key * 340 + 20 + font * 80
            layout[at + 4:at + 8] = (-4000).to_bytes(4, "little", signed=True)  # height
            layout[at + 72:at + 76] = (3000).to_bytes(4, "little")  # size in points
    with open(us, "wb") as handle:
        handle.write(layout)
    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 1, boxes  # "Invalid layout: ... what loading keyboard"
    peak = session.program.peak_memory_mib()
    assert peak < MEMORY_LIMIT_MIB, "%.0f MiB at the main menu" % peak
    assert_exit(session.close_menu(menu))

    for name in ("us.key", "qzgame.txt"):
        os.remove(os.path.join(workdir, name))
        os.mkfifo(os.path.join(workdir, name))
    session = Session(display, program, workdir)
    menu, boxes = session.pick_learner()
    assert boxes == 1, boxes  # "File access denied what loading keyboard"
    display.wait_active(menu, "the main menu")
    display.keys("alt+g")
    display.wait_window("Game")
    session.answer_box()  # "File access denied"
    peak = session.program.peak_memory_mib()
    assert peak < MEMORY_LIMIT_MIB, "%.0f MiB at the main menu" % peak
    display.click(menu, 20, -10)  # the main menu's title bar
    assert_exit(session.close_menu(menu))
    return workdir


def set_learner_font_size(workdir, size):
    path = os.path.join(workdir, "qzc.ini")
    ini = re.sub(rb"(?m)^fontsize=\d+", b"fontsize=%d" % size, read_bytes(path), count=1)
    with open(path, "wb") as out:
        out.write(ini)


def caret_columns(display, window):
    """The x of each pixel column of the typing box that holds the caret, with its top row:
    the caret is drawn in the inverse of the box's background, which no glyph's edge has."""
    path = display.crop(window, display.temp("caret.png"))
    width, _ = display.size(window)
    pixels = subprocess.run(["convert", path, "-depth", "8", "rgb:-"],
                            capture_output=True, check=True).stdout
    at = (TYPED_ROWS[0] + 4) * width * 3 + 12 * 3  # the box's margin, never written on
    caret = bytes(255 - value for value in pixels[at:at + 3])
    columns = {}
    for y in range(*TYPED_ROWS):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            if row[x * 3:x * 3 + 3] == caret:
                columns.setdefault(x, y)
    return sorted(columns.items())


def type_until_changed(display, window, keys, before):
    """keys pressed, and the caret's columns once they are no longer before."""
    display.keys(*keys)
    return wait_until(lambda: (lambda now: now if now != before else None)(
        caret_columns(display, window)), "the caret to move")


# An 80-character course line that needs three rows at 24 points on an 800-pixel screen.
THREE_ROW_LINE = b"When the last of the long summer evenings faded at dusk, all of my friends came."
KEY_NAMES = {" ": "space", ",": "comma", ".": "period"}


def large_font_line(display, program, data):
    """At 24 points on an 800x600 screen the course line takes three rows. Both boxes keep the
    row being typed in view, each typed character under its sample character; a character
    typed wrong at a row's end and at the line's end shows red; Backspace from the start of a
    row back to the end of the one above leaves one caret."""
    workdir = seeded_workdir(data)
    with open(os.path.join(workdir, "qzcourse.txt"), "wb") as course:
        course.write((THREE_ROW_LINE + b"\r\n") * 2)
    set_learner_font_size(workdir, 24)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    window = session.open_window(menu, "alt+c", "Course")
    text = THREE_ROW_LINE.decode("ascii")
    carets = wait_until(lambda: caret_columns(display, window), "the caret")
    first_row = carets[0][1]
    typed = 0
    while carets[0][1] == first_row:  # up to the first row's last character
        ch = KEY_NAMES.get(text[typed], text[typed])
        carets = type_until_changed(display, window, [ch], carets)
        typed += 1
    carets = type_until_changed(display, window, ["BackSpace"], carets)
    assert len(carets) == 1 and carets[0][1] == first_row, ("two carets", carets)
    display.type("~")
    wait_until(lambda: has_colour(display, window, "rgb(255,0,0)"), "the row's last typed")
    display.keys("BackSpace")
    display.type(text[typed - 1:-1] + "~")  # the line's last "." typed wrong
    wait_until(lambda: has_colour(display, window, "rgb(255,0,0)"), "the line's last typed")

    def typed_under_sample():
        # Glyphs at fractional places may round a pixel apart on the two backgrounds; a box
        # shifted as a whole would put most of them off. The caret stands after the last, the
        # "~" in place of the ".".
        sample, typed_starts = line_pictures(display, window)
        near = [min(abs(x - t) for t in typed_starts) for x in sample] if typed_starts else []
        return (sample and len(typed_starts) == len(sample) + 1
                and sum(n <= 1 for n in near) >= len(near) - 1
                and near.count(0) > len(near) * 3 // 4)

    wait_until(typed_under_sample, "the typed line under the sample's last row")
    display.keys("space")  # ends the line
    leave_course(display, session, window)
    assert_exit(session.close_menu(menu))
    return workdir


def options_keep_practice_windows(display, program, data):
    """With a practice font above 18 points, Options "OK" widens the practice windows to the
    screen; five of them leave the drills' frame where the first put it."""
    workdir = seeded_workdir(data)
    set_learner_font_size(workdir, 20)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()

    def drills_frame():
        drills = session.open_window(menu, "alt+s", "Sentence Drills")
        frame = display.frame(drills)
        display.keys("Escape")
        display.wait_gone("Sentence Drills")
        return frame

    frames = []
    for _ in range(5):
        options = session.open_window(menu, "alt+o", "Options")
        display.click(options, *OPTIONS_OK)
        display.wait_gone("Options")
        frames.append(drills_frame())
    assert len(set(frames)) == 1, frames
    assert_exit(session.close_menu(menu))
    return workdir


def paragraph_page_turn(display, program, data):
    """Ten rows ended with Enter turn the page; the typing ruler, lime once the drill started,
    is still shown on the new page."""
    workdir = seeded_workdir(data)
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    window = open_paragraph_drills(display, menu, "12")
    display.keys(*["Return"] * 10)
    wait_until(lambda: display.windows("Paragraph Drills") and has_colour(
        display, window, "rgb(128,0,128)"), "the new page")
    time.sleep(0.5)  # the page's paints have reached the screen
    # The ruler's smoothed strokes are lime at their middle.
    assert has_colour(display, window, "rgb(0,255,0)", "15%"), "the ruler is gone on the new page"
    display.keys("Escape")
    display.wait_gone("Paragraph Drills")
    assert_exit(session.close_menu(menu))
    return workdir


def screen_reader(display, program, data):
    """A screen reader reads the course's sample and what is typed, with the caret after it and a
    wrong character as misspelt, and finds the paragraph drills' typed row focused."""
    display.start_accessibility_bus()
    workdir = seeded_workdir(data)
    line = first_course_line(workdir).decode("latin-1")
    typed = line[:2] + ("x" if line[2] != "x" else "y")
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    window = session.open_window(menu, "alt+c", "Course")
    display.type(typed)
    wait_until(lambda: has_colour(display, window, "rgb(0,0,128)"), "the typed characters")
    os.environ.update(display.env())  # the accessibility client reads its bus from here
    import pyatspi

    def boxes():
        found = {}
        for app in pyatspi.Registry.getDesktop(0):
            for node in pyatspi.findAllDescendants(app, lambda n: n.name in ("Sample", "Typing")):
                text = node.queryText()
                found[node.name] = (text.getText(0, -1), text.caretOffset, node.getRole(),
                                    text.getAttributeRun(2, False)[0])
        return found if len(found) == 2 and found["Typing"][0] == typed else None

    found = wait_until(boxes, "the boxes read by a screen reader")
    assert found["Sample"][0] == line.rstrip("\r\n"), found
    assert found["Typing"][1:3] == (3, pyatspi.ROLE_TEXT), found
    assert "invalid:spelling" in found["Typing"][3], found
    display.keys("Escape")
    display.wait_gone("Course")
    def typing_focused(node):
        return node.name == "Typing" and node.getState().contains(pyatspi.STATE_FOCUSED)

    open_paragraph_drills(display, menu)  # the painted page's typed row takes the focus
    wait_until(lambda: any(pyatspi.findDescendant(app, typing_focused)
                           for app in pyatspi.Registry.getDesktop(0)) or None,
               "the paragraph drills' typed row with the focus")
    display.keys("Escape")
    display.wait_gone("Paragraph Drills")
    assert_exit(session.close_menu(menu))
    return workdir


def accessible_names():
    """The names of everything a screen reader finds on the desktop."""
    import pyatspi
    names = set()
    for app in pyatspi.Registry.getDesktop(0):
        names.update(node.name for node in pyatspi.findAllDescendants(app, lambda n: n.name))
    return names


def adaptive_focus(display, program, data):
    """Two course lines typed with k for every j: the adaptive drills then practise j, and the
    Progress window names the confusion, as a screen reader reads them."""
    display.start_accessibility_bus()
    workdir = seeded_workdir(data)
    course = read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    for line in course[:2]:
        type_course_line(display, session, menu, line.replace(b"j", b"k"))
    os.environ.update(display.env())  # the accessibility client reads its bus from here

    def named(prefix):
        return [name for name in accessible_names() if name.startswith(prefix)] or None

    session.open_window(menu, "alt+a", "Adaptive Drills")
    focus = wait_until(lambda: named("Focus: j "), "the drills' focus on j")
    assert focus[0].startswith("Focus: j  100 % wrong"), focus
    display.crop(display.wait_window("Adaptive Drills"), display.temp("adaptive.png"))
    display.keys("Escape")
    display.wait_gone("Adaptive Drills")
    session.open_window(menu, "alt+r", "Progress")
    wait_until(lambda: named("typed k for j "), "the confusion in the Progress window")
    display.keys("Escape")
    display.wait_gone("Progress")
    assert_exit(session.close_menu(menu))
    return workdir


def help_window(display, program, data):
    """With no application that shows rich text, Help shows the help in the program's own
    window, read by a screen reader as text, not as markup. On an 800x600 screen it fits, frame
    and all, as Progress does. Opened from the start-up panel, it comes above the panel with the
    focus, and Esc gives the panel back."""
    display.start_accessibility_bus()
    display.session_env["XDG_DATA_DIRS"] = display.temp("no-applications")
    workdir = seeded_workdir(data)
    session = Session(display, program, workdir)
    about = display.wait_window("About")
    display.wait_active(about, "the start-up panel")
    # Placed by the program, so Qt drops the learner list down under its box, not off it.
    assert display.geometry(about) == ((800 - 299) // 2, (600 - 258) // 2, 299, 258)
    display.click(about, 20, 130)  # its "Help" link
    shown = display.wait_window("Help")
    display.wait_active(shown, "the help above the start-up panel")
    stacking = display.stacking()
    assert stacking.index(str(int(shown))) > stacking.index(str(int(about))), stacking
    display.keys("Escape")
    display.wait_gone("Help")
    menu, _ = session.pick_learner()
    session.open_window(menu, "alt+h", "Help")
    os.environ.update(display.env())  # the accessibility client reads its bus from here
    import pyatspi

    def help_text():
        def text_of(node):
            try:
                return node.queryText().getText(0, -1)
            except NotImplementedError:
                return ""

        for app in pyatspi.Registry.getDesktop(0):
            for node in pyatspi.findAllDescendants(app, lambda n: "Getting started" in text_of(n)):
                return text_of(node)
        return None

    text = wait_until(help_text, "the help's text")
    assert "\\par" not in text and "rtf1" not in text, text[:200]
    display.crop(display.wait_window("Help"), display.temp("help.png"))
    # Help, open now, and Progress, at their first opening and Progress at its second.
    for key, caption in ((None, "Help"), ("alt+r", "Progress"), ("alt+r", "Progress")):
        if key:
            session.open_window(menu, key, caption)
        frame = display.frame(display.wait_window(caption))
        assert min(frame) >= 0 and frame[2] <= 800 and frame[3] <= 600, (caption, frame)
        display.keys("Escape")
        display.wait_gone(caption)
    assert_exit(session.close_menu(menu))
    return workdir


# Wayland compositors that run in a window of an X display.
COMPOSITORS = {
    "weston": ["weston", "--backend=x11-backend.so", "--use-pixman", "--idle-time=0",
               "--socket=%(socket)s", "--width=%(width)d", "--height=%(height)d"],
    # On the session bus of the display (start_accessibility_bus).
    "mutter": ["mutter", "--nested", "--wayland", "--no-x11", "--wayland-display=%(socket)s"],
}


def start_compositor(display, name):
    """A Wayland compositor in a window of the X display, focused, so that the keys sent to the
    display reach its Wayland clients; returns the environment of a program that finds only
    that compositor."""
    runtime = display.temp("runtime")
    os.mkdir(runtime, 0o700)
    # A window mapped while openbox is still starting may never be managed (seen with weston,
    # which maps its window within milliseconds): a compositor whose window does not get the
    # focus is started again.
    for attempt in range(3):
        values = {"width": display.width, "height": display.height, "socket": "qz-%d" % attempt}
        compositor = subprocess.Popen(
            [part % values for part in COMPOSITORS[name]],
            env=dict(display.env(), XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        display.session_processes.append(compositor)
        try:
            wait_until(lambda: os.path.exists(os.path.join(runtime, values["socket"])) and
                       display.active(), name + "'s window", PATIENCE / 3)  # the only one
            break
        except Timeout:
            if attempt == 2:
                raise
            compositor.kill()
            compositor.wait()
    env = {k: v for k, v in display.env().items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=values["socket"])
    # Qt's Wayland platform plugin leaks its keyboard maps and buffers of a library it
    # unloads at exit, where no suppression can name them; the scenarios on X check leaks.
    env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    return env


def colour_box(path, colour):
    """(left, top, right, bottom) round the pixels of colour in the picture, or None."""
    result = subprocess.run(["convert", path, "-fuzz", "1%", "-fill", "black", "+opaque", colour,
                             "-fill", "white", "-opaque", colour, "-format", "%@", "info:"],
                            capture_output=True, text=True)
    width, height, left, top = (list(map(int, re.findall(r"\d+", result.stdout))) + [0] * 4)[:4]
    return (left, top, left + width, top + height) if width > 1 else None


def wayland_guides(display, program, data, compositor="weston"):
    """Where only Wayland is reachable the program runs as a Wayland client: the keyboard
    stands below the course, and typed keys reach the course while it shows."""
    display.start_accessibility_bus()
    env = start_compositor(display, compositor)
    workdir = seeded_workdir(data)
    line = first_course_line(workdir).decode("latin-1")
    started = Program(display, program, workdir, env)
    os.environ.update(display.env())  # the accessibility client reads its bus from here
    import pyatspi

    def active(name):
        for app in pyatspi.Registry.getDesktop(0):
            for frame in app:
                if frame.name == name and frame.getState().contains(pyatspi.STATE_ACTIVE):
                    return frame
        return None

    def typed(frame):
        for node in pyatspi.findAllDescendants(frame, lambda n: n.name == "Typing"):
            return node.queryText().getText(0, -1)
        return None

    for caption, key in (("About", "Return"), (TITLE, "alt+c")):
        wait_until(lambda: active(caption), "'%s' to be active" % caption)
        display.keys(key)
    course = wait_until(lambda: active("Course"), "the course to be active")
    shot = display.temp("wayland.png")
    keyboard = wait_until(lambda: colour_box(display.screenshot(shot), "rgb(128,128,0)"),
                          "the keyboard")
    display.type(line[:3])
    wait_until(lambda: typed(course) == line[:3], "the typed characters in the course")
    assert active("Course"), "the course lost the focus"
    box = colour_box(display.screenshot(shot), "rgb(254,254,219)")  # the typing box
    assert box and keyboard[1] > box[3] and keyboard[0] < (box[0] + box[2]) / 2 < keyboard[2], (
        keyboard, box)
    display.keys("Escape")
    wait_until(lambda: active(TITLE), "the main menu")
    display.keys("Escape")
    wait_until(lambda: (active(TITLE) or course).getRole() == pyatspi.ROLE_ALERT,
               "the practice-time report")
    display.keys("Return")
    assert_exit(started.wait_exit())
    return workdir


def wayland_guides_gnome(display, program, data):
    """As wayland_guides, on GNOME's compositor, which closes a popup that does not touch its
    parent."""
    return wayland_guides(display, program, data, "mutter")


def translated_windows(display, program, data):
    """Under a German and then a French locale the start-up panel, the main menu, the course
    window and the practice-time report speak the learner's language, as a screen reader
    reads them."""
    display.start_accessibility_bus()
    os.environ.update(display.env())  # the accessibility client reads its bus from here

    def shown(texts):
        names = accessible_names()
        return all(any(text in name for name in names) for text in texts) or None

    for lang, panel, menu_text, course, report in (
            ("de_DE.UTF-8", "Info", "Satzübungen", "Kurs", "Die Übungszeit beträgt"),
            ("fr_FR.UTF-8", ".* propos", "Exercices libres", "Cours", "Le temps d’exercice")):
        workdir = seeded_workdir(data)
        display.session_env["LANG"] = lang
        session = Session(display, program, workdir)
        display.wait_active(display.wait_window(panel), "the start-up panel")
        display.keys("Return")
        menu = wait_until(session.menu, "the main menu")
        wait_until(lambda: shown([menu_text]), "the menu's buttons in " + lang)
        display.crop(menu, display.temp("menu-%s.png" % lang[:2]))
        window = session.open_window(menu, "alt+k" if lang[:2] == "de" else "alt+c", course)
        display.keys("Escape")
        display.wait_gone(course)
        display.wait_active(menu, "the main menu")
        display.keys("Escape")
        wait_until(session.message_boxes, "the practice-time report")
        wait_until(lambda: shown([report]), "the report in " + lang)
        session.answer_box()
        assert_exit(session.program.wait_exit())
    display.session_env.pop("LANG")
    return workdir


def layout_brings_content(display, program, data):
    """"German QWERTZ" chosen in the Options window, and Yes to its course and texts: qzc.ini
    names them, and the course opens on the German course's first line."""
    display.start_accessibility_bus()
    workdir = seeded_workdir(data)
    qzc = os.path.join(workdir, "qzc.ini")
    session = Session(display, program, workdir)
    menu, _ = session.pick_learner()
    options = session.open_window(menu, "alt+o", "Options")
    display.keys("ctrl+Tab", "ctrl+Tab")  # the "Keyboard Layout" page
    display.click(options, *LAYOUT_BOX)  # the list opens on "US QWERTY"
    display.keys("Down", "Down", "Down", "Down", "Return")  # "German QWERTZ"
    session.answer_box()  # "Use the German course and texts as well?": Yes
    display.click(options, *OPTIONS_OK)
    display.wait_gone("Options")
    learner = dict(section(read_bytes(qzc), b"Learner"))
    assert (learner[b"coursetext"], learner[b"practicetext"], learner[b"gametext"],
            learner[b"currentlayout"]) == (b"qzcourse-de.txt", b"qz-de.txt", b"qzgame-de.txt",
                                           b"4"), learner

    session.open_window(menu, "alt+c", "Course")
    os.environ.update(display.env())  # the accessibility client reads its bus from here
    import pyatspi

    def sample():
        for app in pyatspi.Registry.getDesktop(0):
            for node in pyatspi.findAllDescendants(app, lambda n: n.name == "Sample"):
                return node.queryText().getText(0, -1)
        return None

    first = read_bytes(os.path.join(workdir, "qzcourse-de.txt")).split(b"\r\n")[0]
    wait_until(lambda: sample() == first.decode("cp1252"), "the German course's first line")
    display.keys("Escape")
    display.wait_gone("Course")
    assert_exit(session.close_menu(menu))
    return workdir


def two_instances(display, program, data):
    """Two instances in one working folder: the second may not run for the learner the first
    runs for, and picks another; ended together by SIGTERM, both save their learner. Each
    learner's Progress is written as "007" beforehand, which a save writes back as "7"."""
    workdir = seeded_workdir(data)
    qzc = os.path.join(workdir, "qzc.ini")
    learner = read_bytes(qzc).replace(b"Progress=0", b"Progress=007")
    both = learner + learner.replace(b"[Learner]", b"[Zoe]")
    qz = os.path.join(workdir, "qz.ini")
    settings = read_bytes(qz)  # the panel offers its CurrentUser first: Learner
    for run in range(20):
        for path, content in ((qzc, both), (qz, settings)):
            with open(path, "wb") as out:
                out.write(content)
        first = Session(display, program, workdir)
        first.pick_learner()
        second = Session(display, program, workdir)
        # The second panel opens behind the first menu: a click gives it the keys.
        for keys in ([["Return"]] if run == 0 else []) + [["Down", "Return"]]:
            about = display.wait_window("About")
            display.click(about, 150, 160)
            display.wait_active(about, "the second start-up panel")
            display.keys(*keys)
            if keys == ["Return"]:
                second.answer_box()  # "Learner is practising in another window ..."
        wait_until(lambda: len([w for w in display.windows(TITLE)
                                if display.size(w) == MENU_SIZE]) == 2, "the second menu")
        for session in (first, second):
            session.program.signal(signal.SIGTERM)
        for session in (first, second):
            assert_exit(session.program.wait_exit())
        saved = read_bytes(qzc)
        for name in (b"Learner", b"Zoe"):
            assert value_of(saved, name, b"Progress") == b"7", (run, saved)
    return workdir


def installed(display, program, data):
    """The Debian package of the build, which lintian passes and whose dependencies this
    machine can meet, unpacked into a throw-away root and started from its menu entry in an
    empty home: it makes and seeds ~/.local/share/qz-typing-tutor, keeps the learner's progress
    there and finds its Progress module under its prefix."""
    destdir = tempfile.mkdtemp(prefix="qz-e2e-install-")
    try:
        build = os.path.dirname(os.path.dirname(program))
        subprocess.run(["cpack", "-G", "DEB", "-B", destdir], cwd=build, check=True,
                       capture_output=True)
        package = [os.path.join(destdir, name) for name in os.listdir(destdir)
                   if name.endswith(".deb")][0]
        for check in (["lintian", "--fail-on", "error", package],
                      ["apt-get", "install", "--simulate", package]):
            result = subprocess.run(check, capture_output=True, text=True)
            assert result.returncode == 0, (check, result.stdout[-2000:], result.stderr[-2000:])
        subprocess.run(["dpkg-deb", "-x", package, destdir + "/root"], check=True)
        prefix = destdir + "/root/usr"
        # Under the prefix ~/.local, share/qz-typing-tutor is the working folder: no seed file
        # may be installed right there, over the learner's own.
        assert not os.path.exists(prefix + "/share/qz-typing-tutor/qz.ini")
        with open(prefix + "/share/applications/qz-typing-tutor.desktop") as entry:
            command = [line[5:].strip() for line in entry if line.startswith("Exec=")][0]
        version = subprocess.run([prefix + "/bin/qz-typing-tutor", "--version"], env={},
                                 capture_output=True, text=True, check=True).stdout
        assert re.fullmatch(r"qz-typing-tutor \d+\.\d+\n", version), version
        wrong = subprocess.run([prefix + "/bin/qz-typing-tutor", "--bogus"], env={},
                               capture_output=True, text=True)
        assert wrong.returncode == 2 and wrong.stderr.startswith("Usage: "), wrong
        display.session_env["PATH"] = prefix + "/bin:" + os.environ["PATH"]
        session = Session(display, command, display.home)
        menu, boxes = session.pick_learner()
        assert boxes == 0, boxes
        workdir = os.path.join(display.home, ".local/share/qz-typing-tutor")
        for name in os.listdir(data):
            assert read_bytes(os.path.join(workdir, name)) == read_bytes(os.path.join(data, name))
        line = read_bytes(os.path.join(workdir, "qzcourse.txt")).splitlines()[0]
        type_course_line(display, session, menu, line)
        open_progress(display, session, menu, "progress-installed.png")
        maps = read_bytes("/proc/%d/maps" % session.program.process.pid)
        assert (prefix + "/lib/qz-typing-tutor/modules/libqz_progress.so").encode() in maps
        assert_exit(session.close_menu(menu))
        assert value_of(read_bytes(os.path.join(workdir, "qzc.ini")), b"Learner",
                        b"Progress") == b"1"
        assert not os.path.exists(os.path.join(display.home, "qz.ini"))
    finally:
        shutil.rmtree(destdir, ignore_errors=True)


# Scenarios on a screen other than 1024x768.
SCREENS = {"large_font_line": (800, 600), "help_window": (800, 600)}


def main():
    program, data, scenario = sys.argv[1], sys.argv[2], sys.argv[3]
    display = Display(*SCREENS.get(scenario, ()))
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
