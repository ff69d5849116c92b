"""Drives the real program under Wine as a person would: it starts
KestrelonR58.exe in a fresh per-user folder inside the X server, clicks and
types with real X input (xdotool) at the centres of the skin entries'
rectangles, and reads what happened from the settings file, the libraries and
the device-service simulator's journal."""
import glob
import json
import os
import shutil
import subprocess
import time

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BIN = os.environ.get("R58_PROGRAM_DIR", os.path.join(ROOT, "build", "win", "bin"))

WINE_EXEC = os.path.join(ROOT, "scripts", "wine-exec")
SCREENSHOTS = os.path.join(BIN, "screenshots")
MAIN_TITLE = "Kestrelon R58"
WARNING_TITLE = "Kestrelon_Warning"


def wine_prefix():
    """The Wine prefix this run drives: each test worker has one of its own."""
    return os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))


def in_this_prefix(pid):
    """Whether a process runs in this run's Wine prefix (workers side by side
    each start the same programs)."""
    try:
        with open("/proc/%s/environ" % pid, "rb") as f:
            environment = f.read().split(b"\0")
    except OSError:
        return False
    return ("WINEPREFIX=" + wine_prefix()).encode() in environment


def cpu_ticks(name):
    """Processor time so far of this prefix's processes whose command line names `name`."""
    found = subprocess.run(["pgrep", "-f", name], capture_output=True, text=True).stdout.split()
    total = 0
    for pid in found:
        if not in_this_prefix(pid):
            continue
        try:
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except (OSError, IndexError, ValueError):
            pass
    return total


def wait_idle(name, quiet=0.3, timeout=10.0):
    """Waits until the named processes have used no processor time for `quiet` seconds."""
    end = time.monotonic() + timeout
    last = cpu_ticks(name)
    while time.monotonic() < end:
        time.sleep(quiet)
        now = cpu_ticks(name)
        if now == last:
            return
        last = now


def wait_until(predicate, timeout=15.0, step=0.1, what="condition"):
    """The predicate's first true value; AssertionError after the timeout."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(step)


# -- INI files as the program writes and reads them

def read_ini(path):
    """Sections of an INI file (UTF-16 with BOM or 8-bit): {section: {key: value}},
    names compared without case, the first of a repeated name winning."""
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xff\xfe"):
        text = raw[2:].decode("utf-16-le", "replace")
    elif raw.startswith(b"\xfe\xff"):
        text = raw[2:].decode("utf-16-be", "replace")
    else:
        text = raw.decode("cp1252", "replace")
    sections = {}
    current = None
    for line in text.splitlines():
        stripped = line.strip()
        if stripped.startswith("[") and "]" in stripped:
            name = stripped[1:stripped.index("]")].strip().lower()
            current = None if name in sections else sections.setdefault(name, {})
            continue
        if current is None or "=" not in line:
            continue
        key, value = line.split("=", 1)
        key = key.strip().lower()
        value = value.strip()
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
            value = value[1:-1]
        current.setdefault(key, value)
    return sections


def write_ini_value(path, section, key, value):
    """Sets one key of a UTF-16 INI file the program wrote, adding it at the
    end of its section (or a new section) when missing."""
    with open(path, "rb") as f:
        raw = f.read()
    assert raw.startswith(b"\xff\xfe"), "expected the program's UTF-16 file"
    lines = raw[2:].decode("utf-16-le").split("\r\n")
    current = None
    insert_at = None
    for i, line in enumerate(lines):
        stripped = line.strip()
        if stripped.startswith("["):
            if current == section.lower() and insert_at is None:
                insert_at = i
            current = stripped[1:stripped.index("]")].strip().lower()
            continue
        if current == section.lower() and "=" in line and \
                line.split("=", 1)[0].strip().lower() == key.lower():
            lines[i] = "%s=%s" % (line.split("=", 1)[0], value)
            break
    else:
        if current == section.lower() and insert_at is None:
            insert_at = len(lines)
            while insert_at > 0 and lines[insert_at - 1] == "":
                insert_at -= 1
        if insert_at is None:
            lines[len(lines):] = ["[%s]" % section, "%s=%s" % (key, value), ""]
        else:
            lines.insert(insert_at, "%s=%s" % (key, value))
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))


R58CTL = os.environ.get("R58CTL", os.path.join(ROOT, "build", "native", "bin", "r58ctl"))


def r58ctl(*args, check=True):
    return subprocess.run([R58CTL, *map(str, args)], capture_output=True, text=True, check=check)


def make_settings(path, **global_values):
    """A complete settings file as a first start writes it, with values of the
    global section changed."""
    r58ctl("settings", "init", path)
    for key, value in global_values.items():
        write_ini_value(path, "Setting", key, value)
    return path


class Skin:
    """The program's skin file for a language ("En" or "Cs")."""

    def __init__(self, language="En"):
        self.sections = read_ini(os.path.join(BIN, "Lan", "skin_%s.ini" % language))

    def value(self, section, key):
        return self.sections.get(section.lower(), {}).get(key.lower(), "")

    def entry(self, section, key):
        """(name, (left, top, right, bottom), text) of a position value."""
        value = self.value(section, key)
        name, _, rest = value.partition(",")
        fields = rest.split(",")
        numbers = []
        for f in fields[:4]:
            try:
                numbers.append(int(f))
            except ValueError:
                break
        numbers += [0] * (4 - len(numbers))
        x, y, w, h = numbers
        text = fields[-2] if len(fields) >= 2 else ""
        return name, (x, y, x + w, y + h), text

    def rect(self, section, key):
        return self.entry(section, key)[1]

    def indirect_rect(self, section, formed_key):
        """The rectangle of the entry whose key the formed key ("F3") names."""
        return self.rect(section, self.value(section, formed_key))

    def centre(self, section, key):
        left, top, right, bottom = self.rect(section, key)
        return (left + right) // 2, (top + bottom) // 2


def per_user_root():
    """%APPDATA% of the Wine prefix."""
    prefix = wine_prefix()
    found = [p for p in glob.glob(os.path.join(prefix, "drive_c", "users", "*", "AppData", "Roaming"))
             if os.sep + "Public" + os.sep not in p]
    if not found:
        raise AssertionError("no user folder in the Wine prefix " + prefix)
    return found[0]


def per_user_folder():
    return os.path.join(per_user_root(), "Kestrelon", "R58")


def windows_path(unix_path):
    return subprocess.run(["winepath", "-w", unix_path], env=wine_env(), capture_output=True,
                          text=True, check=True).stdout.strip()


def wine_env():
    env = dict(os.environ)
    env["WINEPREFIX"] = wine_prefix()
    env.setdefault("WINEDEBUG", "-all")
    return env


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout


def find_windows(title):
    """X window ids of visible windows with exactly this title."""
    out = xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
    return [int(w) for w in out.split()]


def screen_size():
    out = subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
    for line in out.splitlines():
        if "dimensions:" in line:
            w, h = line.split()[1].split("x")
            return int(w), int(h)
    raise AssertionError("no X screen")


def window_geometry(window):
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    if "X" not in values:
        raise AssertionError("window %s is gone" % window)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


class Program:
    """One run of the configuration program in a fresh per-user folder."""

    def __init__(self, language="En"):
        self.skin = Skin(language)
        self.process = None
        self.window = None

    # -- life

    def start(self, settings_file=None, files=None):
        """Starts the program on an empty per-user folder, or on the given
        settings file (a path to copy) and further files {name: path}."""
        self.quit_simulator()
        shutil.rmtree(os.path.join(per_user_root(), "Kestrelon"), ignore_errors=True)
        os.makedirs(per_user_folder(), exist_ok=True)
        if settings_file:
            shutil.copyfile(settings_file, self.file("GamingMouse"))
        for name, path in (files or {}).items():
            shutil.copyfile(path, self.file(name))
        if not settings_file and not files:
            os.rmdir(per_user_folder())
        self.process = subprocess.Popen([WINE_EXEC, os.path.join(BIN, "KestrelonR58.exe")],
                                        env=wine_env(), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_until(lambda: (find_windows(MAIN_TITLE) or [None])[0], 30,
                                 what="the main window")
        # The window is shown once built and completes its other pages after
        # the first paint: wait until that work is done.
        wait_until(lambda: os.path.exists(self.file("GamingMouse")), 15, what="the settings file")
        self.settle()
        wait_idle("KestrelonR58.exe")
        return self

    def settle(self, seconds=0.6):
        time.sleep(seconds)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=15):
        try:
            self.process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        if self.running():
            # The device service's close request ends the program as its close
            # button does; one still showing a modal dialog is ended.
            send_to_program("close")
            if not self.wait_exit(5):
                self.process.kill()
                self.process.wait()
        self.quit_simulator()

    def quit_simulator(self):
        subprocess.run([WINE_EXEC, os.path.join(BIN, "hid.exe"), "--quit"], env=wine_env(),
                       capture_output=True, timeout=60)

    # -- where things are

    def origin(self):
        x, y, _, _ = window_geometry(self.window)
        return x, y

    def size(self):
        _, _, w, h = window_geometry(self.window)
        return w, h

    def to_screen(self, point):
        ox, oy = self.origin()
        return ox + point[0], oy + point[1]

    # -- input

    def move(self, point):
        xdotool("mousemove", *self.to_screen(point))

    def click_at(self, point, button=1):
        x, y = self.to_screen(point)
        xdotool("mousemove", x, y)
        time.sleep(0.05)
        xdotool("click", button)

    def click(self, section, key, button=1):
        self.click_at(self.skin.centre(section, key), button)
        self.settle(0.4)

    def double_click_at(self, point):
        x, y = self.to_screen(point)
        xdotool("mousemove", x, y)
        time.sleep(0.05)
        xdotool("click", "--repeat", 2, "--delay", 60, 1)

    def drag(self, start, end, steps=8):
        sx, sy = self.to_screen(start)
        ex, ey = self.to_screen(end)
        xdotool("mousemove", sx, sy)
        time.sleep(0.05)
        xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            time.sleep(0.03)
            xdotool("mousemove", sx + (ex - sx) * i // steps, sy + (ey - sy) * i // steps)
        time.sleep(0.1)
        xdotool("mouseup", 1)
        self.settle(0.4)

    def key(self, *names):
        xdotool("key", *names)
        self.settle(0.3)

    def type(self, text):
        xdotool("type", "--delay", 40, text)
        self.settle(0.3)

    # -- results

    def file(self, name):
        return os.path.join(per_user_folder(), name)

    def read_bytes(self, name):
        with open(self.file(name), "rb") as f:
            return f.read()

    def settings(self):
        return read_ini(self.file("GamingMouse"))

    def journal(self):
        path = self.file("hid-journal.jsonl")
        if not os.path.exists(path):
            return []
        with open(path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]

    def wait_journal(self, count, timeout=15):
        return wait_until(lambda: len(self.journal()) >= count and self.journal(), timeout,
                          what="%d journal lines" % count)

    def park(self):
        """The pointer away from the window, so that no hover or tooltip shows."""
        xdotool("mousemove", 0, 0)
        time.sleep(0.3)

    def screenshot(self, name=None, park=True):
        """The window's client area as the screen shows it; saved under the
        program folder's screenshots when named."""
        if park:
            self.park()
        x, y = self.origin()
        w, h = self.size()
        return screenshot_area(x, y, x + w, y + h, name or "_last.png")

    def wait_still(self, timeout=10.0):
        """The window once it has stopped changing: two screenshots in a row
        alike (a page that is still being painted differs between them)."""
        last = self.screenshot()
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            time.sleep(0.2)
            shot = self.screenshot()
            if shot.tobytes() == last.tobytes():
                return shot
            last = shot
        raise AssertionError("the window kept changing for %.0f s" % timeout)

    def wait_dialog(self, title, timeout=15):
        return wait_until(lambda: (find_windows(title) or [None])[0], timeout, what=title)


# -- the macro and recoil editors

EDITOR_TITLE = "Kestrelon_Macro"
MACRO_POS = "MACRO_EDIT_POS"
RECOIL_POS = "PRESSUREGUN_EDIT_POS"
MACRO_ROW_HEIGHT = 30


class Editor(Program):
    """An editor window: opened alone by the test launcher on the per-user
    libraries (open), or found after the main window opened it (attach)."""

    @classmethod
    def attach(cls, window):
        editor = cls()
        editor.window = window
        return editor

    def open(self, kind, position=-1, files=None):
        """Starts editor_launcher.exe ("macro" or "pattern") on a fresh
        per-user folder holding `files` {name: path}; returns once the editor
        shows."""
        self.launch(kind, position, files)
        self.window = wait_until(lambda: (find_windows(EDITOR_TITLE) or [None])[0], 30,
                                 what="the editor window")
        self.settle(1.0)
        return self

    def launch(self, kind, position=-1, files=None):
        shutil.rmtree(os.path.join(per_user_root(), "Kestrelon"), ignore_errors=True)
        os.makedirs(per_user_folder(), exist_ok=True)
        for name, path in (files or {}).items():
            shutil.copyfile(path, self.file(name))
        self.process = subprocess.Popen(
            [WINE_EXEC, os.path.join(BIN, "editor_launcher.exe"), kind, str(position)],
            env=wine_env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def exit_code(self, timeout=15):
        assert self.wait_exit(timeout), "the editor did not close"
        return self.process.returncode

    def stop(self):
        if self.running():
            # The editors close only through their own buttons; a scenario's
            # end needs nothing of the launcher but its end.
            self.process.kill()
            self.process.wait()

    def gone(self, timeout=10):
        wait_until(lambda: not find_windows(EDITOR_TITLE), timeout, what="the editor to close")

    def macro_row(self, row):
        """The centre of a row of the macro editor's event list."""
        left, top, right, _ = self.skin.rect(MACRO_POS, "22")
        return left + 60, top + row * MACRO_ROW_HEIGHT + MACRO_ROW_HEIGHT // 2

    def click_macro_row(self, row):
        self.click_at(self.macro_row(row))
        self.settle(0.3)

    def record_keys_and_a_click(self, *keys):
        """Record on, the keys typed, a left click on the hint text (away from
        the record button), record off."""
        self.click(MACRO_POS, "5")
        for key in keys:
            self.key(key)
        left, top, _, bottom = self.skin.rect(MACRO_POS, "40")
        self.click_at((left + 40, (top + bottom) // 2))
        self.settle(0.4)
        self.click(MACRO_POS, "5")


def library_entries(kind, path):
    """The entries of a library file as r58ctl lists them ("macro" or "pattern")."""
    return json.loads(r58ctl(kind, "list", path).stdout)


def write_full_macro_library(path, count=100):
    """A macro library file of `count` empty macros, numbers 0..count-1."""
    lines = ["[Setting]", "Total=%d" % count] + ["%d=%d" % (i, i) for i in range(count)]
    for i in range(count):
        lines += ["[MacroProfile%d]" % i, "Name=Full %d" % i]
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))


# -- sliders, menus, profiles and other windows

BALL_WIDTH = None


def slider_point(skin, key, value, minimum, maximum):
    """The client point of "SLIDERS" `key` at which a press and release posts `value`."""
    global BALL_WIDTH
    if BALL_WIDTH is None:
        BALL_WIDTH = Image.open(os.path.join(BIN, "skins", "ball.png")).size[0]
    left, top, right, bottom = skin.rect("SLIDERS", key)
    travel = right - left - BALL_WIDTH
    x = left + BALL_WIDTH // 2 + round((value - minimum) * travel / (maximum - minimum))
    return x, (top + bottom) // 2


def menu_row_point(button_rect, row, row_height, inset=24):
    """The client point of row `row` of a menu dropped under a button."""
    left, _, _, bottom = button_rect
    return left + inset, bottom + row * row_height + row_height // 2


def profile_section(settings, index):
    """The settings section of profile `index` (by its section number)."""
    number = settings["setting"].get(str(index), str(index))
    return settings["profile%ssetting" % number]


def send_to_program(*args):
    """hid.exe --send ... as the device service would."""
    subprocess.run([WINE_EXEC, os.path.join(BIN, "hid.exe"), "--send", *map(str, args)],
                   env=wine_env(), capture_output=True, timeout=60)


def colour_value(rgb):
    """A settings colour (red in the low byte) from an (r, g, b) pixel."""
    r, g, b = rgb[:3]
    return r + g * 256 + b * 65536


def apply_and_read(program, count, index=0):
    """Presses apply and waits for the journal's `count`-th line: the settings
    section of profile `index` and the profile the service got."""
    program.click("MAIN", "11")
    lines = program.wait_journal(count)
    return profile_section(program.settings(), index), lines[-1]["profile"]


def white_pixels(image, rect):
    """Pixels of nearly white drawing (text, frames) inside a rectangle."""
    return sum(1 for p in image.crop(rect).getdata() if min(p) > 200)



# -- pop-ups, menus and file dialogs (button page and library panel)

PROGRAM_CLASS = "kestrelonr58.exe"


def program_windows():
    """X window ids of the program's visible windows."""
    out = xdotool("search", "--onlyvisible", "--class", PROGRAM_CLASS)
    return [int(w) for w in out.split()]


def wait_window_of_size(size, timeout=15):
    """The program's visible window of exactly this size (the pop-ups have no title)."""
    def found():
        for w in program_windows():
            try:
                if window_geometry(w)[2:] == tuple(size):
                    return w
            except AssertionError:
                continue
        return None
    return wait_until(found, timeout, what="a %dx%d window" % tuple(size))


def window_gone(window):
    try:
        window_geometry(window)
    except AssertionError:
        return True
    return window not in program_windows()


def click_screen(point, button=1):
    xdotool("mousemove", point[0], point[1])
    time.sleep(0.1)
    xdotool("click", button)
    time.sleep(0.4)


def type_path_into_dialog(title, unix_path):
    """Types a path into the system's open or save dialog as a person would."""
    dialog = wait_until(lambda: (find_windows(title) or [None])[0], 15, what=title)
    time.sleep(1.0)
    xdotool("windowactivate", "--sync", dialog)
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, windows_path(unix_path))
    xdotool("key", "Return")
    wait_until(lambda: not find_windows(title), 15, what="the file dialog to close")
    time.sleep(1.0)


def event_list_hex(events):
    """A 92-event list [(code, value), ...] in the library files' struct form:
    the 368 bytes as upper-case hex, then their sum modulo 256."""
    data = bytearray(368)
    for i, (code, value) in enumerate(events):
        data[4 * i] = code
        data[4 * i + 2] = value & 0xFF
        data[4 * i + 3] = value >> 8
    return data.hex().upper() + "%02X" % (sum(data) % 256)


def write_macro_file(path, name, events, repeat_type=0, repeat_times=0, section="MacroProfile",
                     shots=None):
    """A single-record export file (.mac, or .mmac with section "BulletProfile")."""
    lines = ["[%s]" % section, "Name=%s" % name, "Macro=%s" % event_list_hex(events),
             "ReaptTimes=%d" % repeat_times, "ReaptType=%d" % repeat_type]
    if shots is not None:
        lines.append("BulletNum=%d" % shots)
    with open(path, "w", encoding="cp1252", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    return path


def settings_dump(path):
    """The settings file as r58ctl reads it (JSON)."""
    return json.loads(r58ctl("settings", "dump", path).stdout)


def screenshot_window(window, name=None):
    """A window as the screen shows it, saved under the screenshots folder when named."""
    x, y, w, h = window_geometry(window)
    return screenshot_area(x, y, x + w, y + h, name or "_window.png")


def screenshot_area(left, top, right, bottom, name):
    """A rectangle of the screen, saved under the screenshots folder."""
    if name.startswith("_"):
        # Scratch shots of workers running side by side must not overwrite each other.
        root, ext = os.path.splitext(name)
        name = "%s-%s%s" % (root, os.environ.get("PYTEST_XDIST_WORKER", "main"), ext)
    path = os.path.join(SCREENSHOTS, name)
    os.makedirs(SCREENSHOTS, exist_ok=True)
    subprocess.run(["import", "-window", "root", "-crop",
                    "%dx%d+%d+%d" % (right - left, bottom - top, left, top), "+repage", path],
                   check=True, capture_output=True)
    return Image.open(path).convert("RGB")


# The button page's function menu: 24-pixel rows, 200 pixels wide, opening at
# the top-right corner of the row's function button; a group's submenu opens
# beside its row.
FUNCTION_ROW = 24
FUNCTION_WIDTH = 200
# The selection pop-ups ("SEL_MACRO_POS"): list rows of 40 pixels.
SELECT_SIZE = (400, 540)
SELECT_ROW = 40


def function_menu_origin(program, row):
    """Screen point of the function menu of assignment row 0..5."""
    left, top, right, bottom = program.skin.indirect_rect("MOUSE", "F%d" % (row + 1))
    return program.to_screen((right, top))


def open_function_menu(program, row):
    program.click_at(program.skin.centre("MOUSE", program.skin.value("MOUSE", "F%d" % (row + 1))))
    time.sleep(0.6)
    return function_menu_origin(program, row)


def hover_into_submenu(menu_origin, item):
    """Moves the pointer onto a group item of an open function menu, along its
    row into the submenu that opens beside it; the submenu's origin."""
    mx, my = menu_origin
    item_y = my + item * FUNCTION_ROW + FUNCTION_ROW // 2
    for x in range(mx + FUNCTION_WIDTH // 2, mx + FUNCTION_WIDTH + 60, 20):
        xdotool("mousemove", x, item_y)
        time.sleep(0.05)
    return mx + FUNCTION_WIDTH, my + item * FUNCTION_ROW


def pick_in_submenu(submenu_origin, menu_item, child):
    """From the group's row down the submenu to a child, and a click on it."""
    sx, sy = submenu_origin
    child_y = sy + child * FUNCTION_ROW + FUNCTION_ROW // 2
    for y in range(sy + FUNCTION_ROW // 2, child_y + 1, 6):
        xdotool("mousemove", sx + 60, y)
        time.sleep(0.03)
    click_screen((sx + FUNCTION_WIDTH // 2, child_y))


def pick_function(program, row, item, child=None):
    """Opens row's function menu and picks item (index 0..11), or the child of
    a group item by moving through the item into its submenu, as a person would."""
    origin = open_function_menu(program, row)
    mx, my = origin
    if child is None:
        click_screen((mx + FUNCTION_WIDTH // 2, my + item * FUNCTION_ROW + FUNCTION_ROW // 2))
        return
    pick_in_submenu(hover_into_submenu(origin, item), item, child)


def select_popup_point(popup, skin, key, dx=None, dy=None):
    """Screen point inside a pop-up's "SEL_MACRO_POS" entry (its centre by default)."""
    px, py, _, _ = window_geometry(popup)
    left, top, right, bottom = skin.rect("SEL_MACRO_POS", key)
    x = left + (right - left) // 2 if dx is None else left + dx
    y = top + (bottom - top) // 2 if dy is None else top + dy
    return px + x, py + y


def choose_in_popup(program, popup, list_row):
    """Clicks a row of the pop-up's list."""
    click_screen(select_popup_point(popup, program.skin, "6", dx=120,
                                    dy=list_row * SELECT_ROW + SELECT_ROW // 2))


def confirm_popup(program, popup):
    click_screen(select_popup_point(popup, program.skin, "3"))
    wait_until(lambda: window_gone(popup), 10, what="the pop-up to close")


def write_macro_library(path, records):
    """A macro library file of records (number, name, events, repeat type) in
    list order; buttons refer to the numbers, not the positions."""
    text = ["[Setting]", "Total=%d" % len(records)]
    text += ["%d=%d" % (i, r[0]) for i, r in enumerate(records)]
    for number, name, events, repeat_type in records:
        text += ["[MacroProfile%d]" % number, "Name=" + name, "Macro=" + event_list_hex(events),
                 "ReaptTimes=0", "ReaptType=%d" % repeat_type]
    with open(path, "w", encoding="cp1252", newline="\r\n") as f:
        f.write("\n".join(text) + "\n")
    return path


def press_warning_ok(program):
    """OK of the warning dialog, once it shows; waits for it to close."""
    warning = program.wait_dialog(WARNING_TITLE)
    wx, wy, _, _ = window_geometry(warning)
    left, top, right, bottom = program.skin.rect("WARN_POS", "2")
    click_screen((wx + (left + right) // 2, wy + (top + bottom) // 2))
    wait_until(lambda: not find_windows(WARNING_TITLE), 10, what="the warning to close")


def assign_through_popup(program, row, item, list_row):
    """Picks "Macro…" (item 6) or "Recoil control…" (item 7) for an assignment
    row and confirms a row of the pop-up's list."""
    pick_function(program, row, item)
    popup = wait_window_of_size(SELECT_SIZE)
    choose_in_popup(program, popup, list_row)
    confirm_popup(program, popup)



# -- other windows of the program and the system's file dialogs

def click_window_at(window, point, button=1):
    """A click at `point` in the client coordinates of another window."""
    x, y, _, _ = window_geometry(window)
    xdotool("mousemove", x + point[0], y + point[1])
    time.sleep(0.05)
    xdotool("click", button)
    time.sleep(0.4)


def _file_dialog(titles):
    """The first of the system's file dialogs with one of these titles that
    appears, activated: (window, title)."""
    dialog, title = wait_until(
        lambda: next(((w[0], t) for t in titles for w in [find_windows(t)] if w), None), 20,
        what="a file dialog")
    time.sleep(1.0)
    xdotool("windowactivate", "--sync", dialog)
    return dialog, title


def answer_file_dialog(unix_path, titles=("Open", "Save As")):
    """Types a full path into the system's open or save dialog, as a person
    would, and confirms it; the title of the dialog that was answered."""
    _, title = _file_dialog(titles)
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 20, windows_path(unix_path))
    xdotool("key", "Return")
    wait_until(lambda: not find_windows(title), 15, what="the file dialog to close")
    time.sleep(1.0)
    return title


def cancel_file_dialog(titles=("Open", "Save As")):
    _, title = _file_dialog(titles)
    xdotool("key", "Escape")
    wait_until(lambda: not find_windows(title), 15, what="the file dialog to close")
    time.sleep(0.5)


def settings_with_profiles(path, count, **global_values):
    """A first start's settings file with only the first `count` profiles, the
    first one current and active."""
    r58ctl("settings", "init", path)
    for index in range(5, count - 1, -1):
        r58ctl("profile", "delete", path, index)
    values = {"Current": 0, "Active": 0}
    values.update(global_values)
    for key, value in values.items():
        write_ini_value(path, "Setting", key, value)
    return path


def untitled_windows():
    """Geometries (x, y, width, height) of the visible windows without a
    title, such as the program's popup menus; the root window left out."""
    found = []
    for w in xdotool("search", "--onlyvisible", "--name", "").split():
        if xdotool("getwindowname", w).strip():
            continue
        try:
            geometry = window_geometry(int(w))
        except AssertionError:
            continue
        if geometry[:2] != (0, 0) or geometry[2:] != screen_size():
            found.append(geometry)
    return found
