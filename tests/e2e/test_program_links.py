"""Profiles that follow the program in front: links made with r58ctl, the
device-service simulator alone or beside the configurator, and Wine's own
notepad (linked) and winemine (not linked) clicked with real X input."""
import json
import os
import shutil
import subprocess
import time

import pytest

from r58driver import (BIN, MAIN_TITLE, WINE_EXEC, find_windows, per_user_folder, per_user_root,
                       r58ctl, read_ini, screen_size, screenshot_area, wait_until, wine_env,
                       write_ini_value, xdotool)

NOTEPAD = "C:\\windows\\system32\\notepad.exe"
WINEMINE = "C:\\windows\\system32\\winemine.exe"
NOTEPAD_TITLE = "Untitled - Notepad"
MINE_TITLE = "WineMine"
# Where both programs open (their own settings in the registry): apart from
# each other and above the configurator's centred window.
NOTEPAD_AT = {"iWindowPosX": 40, "iWindowPosY": 40, "iWindowPosDX": 600, "iWindowPosDY": 400}
MINE_AT = {"Xpos": 1300, "Ypos": 100}
IN_NOTEPAD = (340, 120)
IN_MINE = (1360, 75)  # its title bar
OSD_SIZE = (420, 90)  # bottom centre, 120 pixels above the screen's edge
OSD_ACCENT = (1, 204, 236)


def wine(*args):
    subprocess.run([WINE_EXEC, *map(str, args)], env=wine_env(), capture_output=True, timeout=120)


@pytest.fixture(scope="module", autouse=True)
def window_places():
    for key, value in NOTEPAD_AT.items():
        wine("reg", "add", "HKCU\\Software\\Microsoft\\Notepad", "/v", key, "/t", "REG_DWORD",
             "/d", value, "/f")
    for key, value in MINE_AT.items():
        wine("reg", "add", "HKCU\\Software\\Microsoft\\WinMine", "/v", key, "/t", "REG_DWORD",
             "/d", value, "/f")


class Desktop:
    """The programs a test starts beside the service; ended by their ids."""

    def __init__(self):
        self.processes = []

    def start(self, *command):
        self.processes.append(subprocess.Popen([WINE_EXEC, *command], env=wine_env(),
                                               stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))

    def open(self, program, title):
        self.start(program)
        return wait_until(lambda: (find_windows(title) or [None])[0], 30, what=title)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.kill()
                process.wait()


@pytest.fixture
def desktop():
    run = Desktop()
    yield run
    run.stop()
    wine(os.path.join(BIN, "hid.exe"), "--quit")


def linked_settings(path):
    """Six profiles, profile 1 active and current, notepad linked to profile 2."""
    r58ctl("settings", "init", path)
    r58ctl("profile", "use", path, 1)
    write_ini_value(path, "Profile2Setting", "Profil_Name", "Notes")
    added = r58ctl("link", "add", path, 2, NOTEPAD)
    assert '"name": "notepad.exe"' in added.stdout
    return path


def fresh_per_user_folder():
    shutil.rmtree(os.path.join(per_user_root(), "Kestrelon"), ignore_errors=True)
    os.makedirs(per_user_folder())
    return os.path.join(per_user_folder(), "GamingMouse")


def journal():
    path = os.path.join(per_user_folder(), "hid-journal.jsonl")
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def wait_lines(count, timeout=20):
    return wait_until(lambda: len(journal()) >= count and journal(), timeout,
                      what="%d journal lines" % count)


def active_in_file():
    settings = read_ini(os.path.join(per_user_folder(), "GamingMouse"))["setting"]
    return int(settings["active"]), int(settings["current"])


def click(point):
    xdotool("mousemove", *point)
    time.sleep(0.1)
    xdotool("click", 1)


def osd_shot(name, timeout=10):
    """The on-screen display once it shows (it stays 1.5 seconds), taken as
    often as the screen can be read."""
    width, height = screen_size()
    left = (width - OSD_SIZE[0]) // 2
    top = height - OSD_SIZE[1] - 120

    def shown():
        shot = screenshot_area(left, top, left + OSD_SIZE[0], top + OSD_SIZE[1], name)
        accent = sum(1 for p in shot.getdata() if p == OSD_ACCENT)
        return shot if accent >= OSD_SIZE[0] * 3 else None
    return wait_until(shown, timeout, step=0.02, what="the on-screen display")


def test_the_service_follows_the_program_in_front(desktop):
    settings = linked_settings(fresh_per_user_folder())
    before = read_ini(settings)
    desktop.start(os.path.join(BIN, "hid.exe"))
    time.sleep(2)
    # A started program comes to the front by itself.
    desktop.open("notepad", NOTEPAD_TITLE)
    line = wait_lines(1)[0]
    assert line["message"] == "switch"
    assert line["program"].lower() == NOTEPAD.lower()
    assert line["active"] == 2
    assert line["profile"]["name"] == "Notes"
    assert active_in_file() == (2, 2)

    desktop.open("winemine", MINE_TITLE)
    line = wait_lines(2)[1]
    assert (line["message"], line["active"]) == ("return", 1)
    assert line["program"].lower() == WINEMINE.lower()
    assert active_in_file() == (1, 1)

    click(IN_NOTEPAD)
    # The display names the profile: its dark face, the accent bar, white text.
    pixels = list(osd_shot("program_links_osd.png").getdata())
    assert sum(1 for p in pixels if min(p) > 200) > 100, "no text on the display"
    assert sum(1 for p in pixels if max(p) < 40) > len(pixels) // 2
    assert wait_lines(3)[2]["active"] == 2
    assert active_in_file() == (2, 2)
    click(IN_MINE)
    line = wait_lines(4)[3]
    assert (line["message"], line["active"]) == ("return", 1)
    assert active_in_file() == (1, 1)
    time.sleep(1.5)
    assert len(journal()) == 4, "one line per change of the program in front"

    # Nothing but Active and Current was ever written.
    after = read_ini(settings)
    for section in (before, after):
        del section["setting"]["active"], section["setting"]["current"]
    assert after == before


def test_nothing_switches_while_the_configurator_is_open(program, desktop, tmp_path):
    prepared = linked_settings(str(tmp_path / "GamingMouse"))
    program.start(settings_file=prepared)  # it starts the service itself
    desktop.open("notepad", NOTEPAD_TITLE)
    desktop.open("winemine", MINE_TITLE)
    for point in (IN_NOTEPAD, IN_MINE, IN_NOTEPAD):
        click(point)
        time.sleep(1.0)
    assert journal() == []
    assert active_in_file() == (1, 1)

    program.click("MAIN", "12")  # its close button
    assert program.wait_exit(15)
    assert not find_windows(MAIN_TITLE)
    # The first change of the program in front after it closed decides.
    click(IN_MINE)
    time.sleep(1.0)
    click(IN_NOTEPAD)
    line = wait_lines(1)[-1]
    assert (line["message"], line["active"]) == ("switch", 2)
    assert active_in_file() == (2, 2)
