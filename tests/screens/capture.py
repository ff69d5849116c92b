"""Takes the fixed, named set of screenshots of the real program into a
folder: the pages in both languages, hover states, open menus, the secondary
dialogs and both editors.

Run it inside the X server and Wine prefix it is meant for (DISPLAY,
WINEPREFIX, R58_PROGRAM_DIR and R58CTL as for the end-to-end tests);
scripts/compare-screens gives each capture a server and a prefix of its own.
Every shot is taken only once the capture's processes and its X server have
been idle and the area has stayed the same for a while; a shot that never
settles is saved and reported as a problem."""
import argparse
import os
import sys
import time
import traceback

from PIL import ImageChops, ImageGrab

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import r58driver as d  # noqa: E402
from test_library_panel import list_row_point, open_row_menu  # noqa: E402
from test_preferences import PREFERENCES_TITLE  # noqa: E402
from test_sensitivity_page import COLOUR_TITLE  # noqa: E402

TABS = {"buttons": "7", "sensitivity": "8", "library": "99", "lighting": "9"}
LIBRARY_TABS = {"macros": "9", "patterns": "10"}
LANGUAGE_IDS = {"En": 1, "Cs": 0}
FREE_SPOT = (600, 640)  # a spot of the main window where a click does nothing
STEADY_GAP = 0.3
STEADY_SPAN = 1.1
STEADY_LIMIT = 8.0
# The system's tool tips: shown 0.5 s after the pointer stops, hidden 5 s later.
TIP_DELAY = 1.0
TIP_LIFE = 4.5
HOLD_TRIES = 3
ROW_HOVER_WAIT = 0.8  # four turns of the main window's 200 ms hover timer

# The macros of the library panel and the pop-up; the first has events, so
# that the macro editor opened on it shows a list.
MACROS = [
    (3, "Reload", [(0x15, 1), (0xFF, 40), (0x15, 0)], 0),
    (7, "Burst", [(0x14, 1), (0xFF, 50), (0x14, 0), (0xFF, 50), (0x2F, 1), (0xFF, 30),
                  (0x2F, 0)], 2),
    (1, "Jump crouch", [(0x2C, 1), (0xFF, 20), (0x2C, 0)], 1),
]


# -- waiting for a known state

def own_processes():
    """Processes of this capture's Wine prefix, and the X server's when known."""
    mark = ("WINEPREFIX=" + d.wine_prefix()).encode()
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f:
                if mark in f.read().split(b"\0"):
                    found.append(pid)
        except OSError:
            continue
    if os.environ.get("R58_XVFB_PID"):
        found.append(os.environ["R58_XVFB_PID"])
    return found


def processor_ticks(pids):
    total = 0
    for pid in pids:
        try:
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (OSError, IndexError, ValueError):
            continue
    return total


def wait_quiet(quiet=0.25, timeout=10.0):
    """Until the capture's own processes have used no processor time for `quiet`
    seconds: painting, timers that do work and window changes are done."""
    end = time.monotonic() + timeout
    last = processor_ticks(own_processes())
    while time.monotonic() < end:
        time.sleep(quiet)
        now = processor_ticks(own_processes())
        if now == last:
            return
        last = now


def union(rects):
    """The smallest (left, top, right, bottom) holding every (x, y, w, h)."""
    return (min(x for x, _, _, _ in rects), min(y for _, y, _, _ in rects),
            max(x + w for x, _, w, _ in rects), max(y + h for _, y, _, h in rects))


class Capture:
    """Saves named shots into a folder and keeps the problems met."""

    def __init__(self, folder, only=None):
        self.folder = folder
        self.only = set(only or ())
        self.taken = []
        self.problems = []
        os.makedirs(folder, exist_ok=True)

    def wanted(self, name):
        return not self.only or name in self.only

    def grab(self, box):
        width, height = d.screen_size()
        box = (max(box[0], 0), max(box[1], 0), min(box[2], width), min(box[3], height))
        return ImageGrab.grab(bbox=box, xdisplay=os.environ.get("DISPLAY"))

    def settled(self, box):
        """The screen area once grabs a moment apart have stayed equal for
        STEADY_SPAN, longer than a caret's blink; (image, settled)."""
        wait_quiet()
        run_start, last = time.monotonic(), self.grab(box)
        end = run_start + STEADY_LIMIT
        while time.monotonic() < end:
            time.sleep(STEADY_GAP)
            wait_quiet()
            now = self.grab(box)
            if ImageChops.difference(last, now).getbbox() is not None:
                run_start, last = time.monotonic(), now
            elif time.monotonic() - run_start >= STEADY_SPAN:
                return now, True
        return last, False

    def save(self, name, image):
        image.save(os.path.join(self.folder, name + ".png"))
        self.taken.append(name)

    def shoot(self, name, box):
        """A still state: the screen area `box` once it has stopped changing."""
        if not self.wanted(name):
            return
        image, settled = self.settled(box)
        if not settled:
            self.problems.append("%s: still changing after %.0f s" % (name, STEADY_LIMIT))
        self.save(name, image)

    def window(self, name, window):
        self.shoot(name, window_box(window))

    def hold(self, name, enter, box, leave):
        """A state the pointer brings about (a hover, an open menu). A tool tip
        shows half a second after the pointer stops and goes five seconds later:
        the state gets time for its tip, is shot while the tip stands, and is
        entered anew when the windows shown changed during the shot or the
        tip's time ran out. `enter` returns once the pointer has stopped, `box`
        gives the area from the windows shown, `leave` undoes `enter`."""
        if not self.wanted(name):
            return
        for _ in range(HOLD_TRIES):
            enter()
            stopped = time.monotonic()
            time.sleep(TIP_DELAY)
            windows = shown_windows()
            image, settled = self.settled(box())
            in_time = time.monotonic() - stopped < TIP_LIFE
            same_windows = shown_windows() == windows
            leave()
            if settled and in_time and same_windows:
                self.save(name, image)
                return
        self.problems.append("%s: no steady shot in %d tries" % (name, HOLD_TRIES))


def window_box(window, others=()):
    """The screen area of a window and of other windows (menus, tips) on it or beside it."""
    return union([d.window_geometry(window)] + [d.window_geometry(w) for w in others])


# -- the program's windows

def shown_windows():
    """The visible top-level windows of the program and the editor launcher."""
    found = set(d.program_windows())
    out = d.xdotool("search", "--onlyvisible", "--class", "editor_launcher.exe")
    return found | {int(w) for w in out.split()}


def new_windows(before, timeout=10.0, what="a new window"):
    """The visible windows that were not there before, once one has come."""
    return d.wait_until(lambda: sorted(shown_windows() - before), timeout, what=what)


def wait_back_to(before, timeout=10.0):
    """Until only the windows that were there before show (a menu, tip or dialog closed)."""
    d.wait_until(lambda: not (shown_windows() - before), timeout, what="the windows to close")


def main_window_settings(folder, language):
    path = os.path.join(folder, "GamingMouse" + language)
    return d.make_settings(path, lan_id=LANGUAGE_IDS[language])


def library_files(folder):
    macros = d.write_macro_library(os.path.join(folder, "MacroSetting"), MACROS)
    patterns = os.path.join(folder, "BulletSetting")
    d.r58ctl("pattern", "init", patterns)
    return {"MacroSetting": macros, "BulletSetting": patterns}


def start_program(fixtures, language):
    program = d.Program(language)
    program.start(settings_file=main_window_settings(fixtures, language),
                  files=library_files(fixtures))
    program.park()
    return program


def close_menu(program, before):
    """A click on a free spot of the window closes an open menu."""
    program.click_at(FREE_SPOT)
    program.park()
    wait_back_to(before)


def state_of(capture, program, name, enter, leave):
    """The main window and the windows `enter` brought up, held as Capture.hold does."""
    before = shown_windows()
    capture.hold(name, enter, lambda: window_box(program.window, shown_windows() - before),
                 lambda: leave(before))


def hover(capture, program, name, point):
    """The window with the pointer resting on a client point."""
    def leave(before):
        program.park()
        wait_back_to(before)
    state_of(capture, program, name, lambda: program.move(point), leave)


def menu(capture, program, name, open_menu, park=True):
    """The window with a menu `open_menu` opened; the pointer parked unless it
    has to stay (a submenu)."""
    def enter():
        before = shown_windows()
        open_menu()
        if park:
            program.park()
        new_windows(before, what=name)
    state_of(capture, program, name, enter, lambda before: close_menu(program, before))


# -- the shots

def pages(capture, program, language):
    for page, key in (("buttons", TABS["buttons"]), ("sensitivity", TABS["sensitivity"])):
        program.click("MAIN", key)
        program.park()
        capture.window("page-%s-%s" % (page, language), program.window)
    program.click("MAIN", TABS["library"])
    for name in ("macros", "patterns"):
        program.click("ADVANCE", LIBRARY_TABS[name])
        program.park()
        capture.window("page-library-%s-%s" % (name, language), program.window)
    program.click("ADVANCE", LIBRARY_TABS["macros"])
    program.click("MAIN", TABS["lighting"])
    program.park()
    capture.window("page-lighting-%s" % language, program.window)


def function_submenu(program):
    # The row's hover follows the pointer only while the main window is active,
    # and the menu takes that away: the pointer rests on the row's button until
    # the row is lit, so that the menu always opens over a lit row.
    program.move(program.skin.centre("MOUSE", program.skin.value("MOUSE", "F3")))
    program.settle(ROW_HOVER_WAIT)
    menu_origin = d.open_function_menu(program, 2)
    d.hover_into_submenu(menu_origin, 9)  # "DPI and profiles", ending on its first child


def button_page_states(capture, program):
    program.click("MAIN", TABS["buttons"])
    program.park()
    skin = program.skin
    hover(capture, program, "hover-tab", skin.centre("MAIN", TABS["sensitivity"]))
    hover(capture, program, "hover-function-button", skin.centre("MOUSE", "1"))
    hover(capture, program, "hover-assignment-row", skin.centre("MOUSE", "22"))
    hover(capture, program, "hover-profile-name", skin.centre("SYNC", "12"))
    menu(capture, program, "menu-function-submenu", lambda: function_submenu(program), park=False)
    menu(capture, program, "menu-profile-drop-down", lambda: program.click("MAIN", "5"))


def sensitivity_page_states(capture, program):
    program.click("MAIN", TABS["sensitivity"])
    program.park()
    # The pointer speed's thumb at its value 5 of 1..10: the value tip shows above it.
    hover(capture, program, "hover-slider-tip", d.slider_point(program.skin, "5", 5, 1, 10))
    menu(capture, program, "menu-sensitivity-level",
         lambda: program.click("SENSITIVITY", "4"))  # the shown level's value


def library_states(capture, program):
    program.click("MAIN", TABS["library"])
    program.click("ADVANCE", LIBRARY_TABS["macros"])
    program.park()
    hover(capture, program, "hover-library-row", list_row_point(program, 1))
    menu(capture, program, "menu-library-row", lambda: open_row_menu(program, 0))


def lighting_states(capture, program):
    program.click("MAIN", TABS["lighting"])
    program.park()
    menu(capture, program, "menu-lighting-effect", lambda: program.click("MOUSE", "14"))


def dialog_shot(capture, name, before, what):
    """The one new window, shot alone; returned for closing it."""
    [window] = new_windows(before, what=what)
    d.xdotool("mousemove", 0, 0)
    capture.window(name, window)
    return window


def dialogs(capture, program):
    program.click("MAIN", TABS["buttons"])
    program.park()
    before = shown_windows()
    d.pick_function(program, 0, 1)  # "Right click" for the only "Left click" button
    dialog_shot(capture, "dialog-warning-notice", before, "the warning")
    d.press_warning_ok(program)
    wait_back_to(before)

    program.click("MAIN", TABS["lighting"])
    program.click("MAIN", "13")  # reset asks first
    warning = dialog_shot(capture, "dialog-warning-question", before, "the reset question")
    d.click_window_at(warning, program.skin.centre("WARN_POS", "1"))  # close: no reset
    wait_back_to(before)

    program.click("MAIN", TABS["buttons"])
    program.park()
    for name, item in (("popup-macro", 6), ("popup-pattern", 7)):
        d.pick_function(program, 4, item)
        popup = dialog_shot(capture, name, before, "the selection pop-up")
        d.click_screen(d.select_popup_point(popup, program.skin, "2"))  # cancel
        wait_back_to(before)

    program.click("MAIN", TABS["sensitivity"])
    program.click("SENSITIVITY", "22")  # level 1's colour
    picker = dialog_shot(capture, "dialog-colour-picker", before, COLOUR_TITLE)
    d.click_window_at(picker, program.skin.centre("COLOR_POS", "2"))  # cancel
    wait_back_to(before)

    program.click("MAIN", "2")
    preferences = dialog_shot(capture, "dialog-preferences", before, PREFERENCES_TITLE)
    with_dialog = shown_windows()

    def open_language_menu():
        d.click_window_at(preferences, program.skin.centre("OPTION_POS", "3"))
        program.park()
        new_windows(with_dialog, what="the language menu")

    def close_language_menu():
        d.click_window_at(preferences, (100, 250))  # the dialog's background
        program.park()
        wait_back_to(with_dialog)

    capture.hold("dialog-preferences-language-menu", open_language_menu,
                 lambda: window_box(preferences, shown_windows() - with_dialog),
                 close_language_menu)
    d.click_window_at(preferences, program.skin.centre("OPTION_POS", "1"))  # close
    wait_back_to(before)


def editor(capture, fixtures, kind, name):
    run = d.Editor()
    try:
        run.open(kind, 0, files=library_files(fixtures))
        run.park()
        capture.window(name, run.window)
    finally:
        run.stop()


# Each session starts the program afresh; its shots, in order.
def main_window_session(language, parts):
    def run(capture, fixtures):
        program = start_program(fixtures, language)
        try:
            for part in parts:
                part(capture, program)
        finally:
            program.stop()
    return run


def english_states(capture, program):
    pages(capture, program, "En")
    button_page_states(capture, program)
    sensitivity_page_states(capture, program)
    library_states(capture, program)
    lighting_states(capture, program)


def czech_pages(capture, program):
    pages(capture, program, "Cs")


def page_names(language):
    return ["page-%s-%s" % (p, language) for p in (
        "buttons", "sensitivity", "library-macros", "library-patterns", "lighting")]


SESSIONS = [
    ("main window in English", main_window_session("En", [english_states]),
     page_names("En") + ["hover-tab", "hover-function-button", "hover-assignment-row",
                         "hover-profile-name", "menu-function-submenu",
                         "menu-profile-drop-down", "hover-slider-tip", "menu-sensitivity-level",
                         "hover-library-row", "menu-library-row", "menu-lighting-effect"]),
    ("main window in Czech", main_window_session("Cs", [czech_pages]), page_names("Cs")),
    ("dialogs", main_window_session("En", [dialogs]),
     ["dialog-warning-notice", "dialog-warning-question", "popup-macro", "popup-pattern",
      "dialog-colour-picker", "dialog-preferences", "dialog-preferences-language-menu"]),
    ("macro editor", lambda c, f: editor(c, f, "macro", "editor-macro"), ["editor-macro"]),
    ("recoil editor", lambda c, f: editor(c, f, "pattern", "editor-recoil"), ["editor-recoil"]),
]

SHOT_NAMES = [name for _, _, names in SESSIONS for name in names]


def capture_all(folder, only=None):
    """Runs every session (or those holding the `only` shots); the problems met."""
    capture = Capture(folder, only)
    fixtures = os.path.join(folder, "_fixtures")
    os.makedirs(fixtures, exist_ok=True)
    for title, run, names in SESSIONS:
        wanted = [n for n in names if capture.wanted(n)]
        if not wanted:
            continue
        started = time.monotonic()
        try:
            run(capture, fixtures)
        except Exception:  # the session's remaining shots are missing; the others go on
            capture.problems.append("%s: %s" % (title, traceback.format_exc().strip()))
        missing = [n for n in wanted if n not in capture.taken]
        if missing:
            capture.problems.append("%s: not taken: %s" % (title, ", ".join(missing)))
        print("%-24s %2d shots  %5.1f s" % (title, len(wanted) - len(missing),
                                             time.monotonic() - started), flush=True)
    return capture.problems


def main(argv=None):
    parser = argparse.ArgumentParser(description="Captures the program's screenshots.")
    parser.add_argument("folder")
    parser.add_argument("--only", nargs="*", choices=SHOT_NAMES, metavar="SHOT",
                        help="just these shots (their sessions run whole)")
    args = parser.parse_args(argv)
    problems = capture_all(args.folder, args.only)
    with open(os.path.join(args.folder, "_problems.txt"), "w") as f:
        f.write("".join(p + "\n" for p in problems))
    for problem in problems:
        print("PROBLEM  " + problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
