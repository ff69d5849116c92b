#!/usr/bin/python3
"""Takes the user guide's screenshots from the real program under Wine with the
end-to-end driver, into tools/help/screenshots. Run it after the windows change
(the build only renders what is committed):
    scripts/with-display /usr/bin/python3 tools/help/refresh_screenshots.py"""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from r58driver import (FUNCTION_ROW, SCREENSHOTS, Program, hover_into_submenu,  # noqa: E402
                       click_window_at, find_windows, open_function_menu, screenshot_area,
                       screenshot_window, wait_until, wine_env)

PAGES = {"buttons": "7", "sensitivity": "8", "lighting": "9"}
COLOUR_TITLE = "Kestrelon_Infomation"
PREFERENCES_TITLE = "Kestrelon_Preference"
EDITOR_TITLE = "Kestrelon_Macro"


def keep(name):
    shutil.copyfile(os.path.join(SCREENSHOTS, name), os.path.join(HERE, "screenshots", name))


def shoot_function_menu(program):
    """The function menu of the third row with its DPI submenu open."""
    program.click("MAIN", "7")
    menu = open_function_menu(program, 2)
    submenu = hover_into_submenu(menu, 9)
    # Taken before the hovered item's tool tip shows (half a second).
    program.settle(0.15)
    screenshot_area(menu[0], menu[1], submenu[0] + 220, submenu[1] + 9 * FUNCTION_ROW,
                    "function_menu.png")
    keep("function_menu.png")
    program.click("MAIN", "7")  # a click elsewhere closes the menu


def shoot_dialog(program, page, opener, title, name, positions=None):
    """A dialog opened from the main window, photographed and closed again with
    its close button (key "1" of its positions section)."""
    if page:
        program.click(*page)
    program.click(*opener)
    dialog = program.wait_dialog(title, 30)
    program.settle(1.0)
    screenshot_window(dialog, name)
    keep(name)
    if positions:
        click_window_at(dialog, program.skin.centre(positions, "1"))
        wait_until(lambda: not find_windows(title), 10, what=title + " to close")


def main():
    subprocess.run(["wineserver", "-k"], env=wine_env(), capture_output=True)
    os.makedirs(os.path.join(HERE, "screenshots"), exist_ok=True)
    program = Program()
    try:
        program.start()
        for page, key in PAGES.items():
            program.click("MAIN", key)
            program.screenshot("main_%s.png" % page)
            keep("main_%s.png" % page)
        program.click("MAIN", "99")
        program.click("ADVANCE", "10")  # the recoil patterns: eight built in
        program.screenshot("main_patterns.png")
        keep("main_patterns.png")
        program.click("ADVANCE", "9")
        shoot_function_menu(program)
        shoot_dialog(program, ("MAIN", "8"), ("SENSITIVITY", "22"), COLOUR_TITLE,
                     "colour_picker.png", "COLOR_POS")
        shoot_dialog(program, None, ("MAIN", "2"), PREFERENCES_TITLE, "preferences.png",
                     "OPTION_POS")
        # The last one stays open: stopping the program closes it.
        shoot_dialog(program, ("MAIN", "99"), ("ADVANCE", "3"), EDITOR_TITLE, "macro_editor.png")
    finally:
        program.stop()


if __name__ == "__main__":
    main()
