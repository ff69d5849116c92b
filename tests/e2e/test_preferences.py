"""The preferences dialog used like a person: the language switches the whole
window in place, Cancel goes back, OK keeps it and the next apply stores it."""
import shutil

from PIL import ImageChops

from r58driver import (Program, Skin, screenshot_window, click_window_at, find_windows,
                       untitled_windows, wait_until, window_geometry)

PREFERENCES_TITLE = "Kestrelon_Preference"


def differs(a, b):
    return ImageChops.difference(a, b).getbbox() is not None


def settled_screenshot(program, name):
    """The window after every page value has been shown once: another profile
    selected and the first one again."""
    program.click("SYNC", "2")
    program.click("SYNC", "1")
    return program.screenshot(name)


def open_preferences(program):
    program.click("MAIN", "2")
    dialog = program.wait_dialog(PREFERENCES_TITLE)
    program.settle(0.8)
    return dialog


def pick_language(program, dialog, language):
    """Opens the language menu and picks a language: its rows are Czech, then English."""
    open_language_menu(program, dialog)
    left, _, _, bottom = program.skin.rect("OPTION_POS", "3")
    row = 0 if language == "Cs" else 1
    click_window_at(dialog, (left + 60, bottom + row * 33 + 16))
    wait_until(lambda: not language_menus(program, dialog), 10, what="the language menu to close")
    program.settle(1.5)
    program.skin = Skin(language)


def language_menus(program, dialog):
    """Menus hanging from the language button's bottom-left corner."""
    program.park()
    x, y, _, _ = window_geometry(dialog)
    left, _, _, bottom = program.skin.rect("OPTION_POS", "3")
    return [m for m in untitled_windows() if m[:2] == (x + left, y + bottom)]


def open_language_menu(program, dialog):
    """A click on the language button, and the one menu it opens."""
    program.park()
    click_window_at(dialog, program.skin.centre("OPTION_POS", "3"))
    return wait_until(lambda: language_menus(program, dialog), 10, what="the language menu")


def close_preferences(program, dialog, key):
    """"1" is the close button, "2" OK."""
    click_window_at(dialog, program.skin.centre("OPTION_POS", key))
    wait_until(lambda: not find_windows(PREFERENCES_TITLE), 10, what="the preferences to close")
    program.settle(1.5)


def test_language_switches_in_place_cancel_restores_and_ok_keeps(program, tmp_path):
    program.start()
    english = settled_screenshot(program, "language_main_En.png")

    dialog = open_preferences(program)
    screenshot_window(dialog, "preferences_En.png")
    pick_language(program, dialog, "Cs")
    program.park()
    screenshot_window(dialog, "preferences_Cs.png")
    czech_preview = program.screenshot("language_main_Cs_preview.png")
    # Beside the dialog too: the tabs are left of it.
    tabs = (421, 100, 751, 140)
    assert differs(czech_preview.crop(tabs), english.crop(tabs)), "the window kept its language"
    close_preferences(program, dialog, "1")  # close: back to English
    program.skin = Skin("En")
    # The control the close button stood over may show its hover until the
    # parked pointer's leave reaches it.
    wait_until(lambda: not differs(program.screenshot("language_main_En_after_cancel.png"), english),
               5, what="the window in English again")
    assert program.settings()["setting"]["lan_id"] == "1"

    dialog = open_preferences(program)
    pick_language(program, dialog, "Cs")
    close_preferences(program, dialog, "2")  # OK keeps Czech

    def shown_in_czech():
        shot = program.screenshot("language_main_Cs.png")
        return shot if differs(shot.crop(tabs), english.crop(tabs)) else None
    czech = wait_until(shown_in_czech, 10, what="the window in Czech")
    assert program.settings()["setting"]["lan_id"] == "1", "written before the apply"
    program.click("MAIN", "11")
    program.wait_journal(1)
    assert program.settings()["setting"]["lan_id"] == "0"

    # A start on that file looks exactly like the window switched in place.
    settings = str(tmp_path / "GamingMouse")
    shutil.copyfile(program.file("GamingMouse"), settings)
    program.stop()
    fresh = Program("Cs")
    try:
        fresh.start(settings_file=settings)
        started = settled_screenshot(fresh, "language_main_Cs_started.png")
        box = ImageChops.difference(started, czech).getbbox()
        assert box is None, box
    finally:
        fresh.stop()


def test_picking_the_language_shown_changes_nothing(program):
    program.start()
    english = settled_screenshot(program, "language_same_before.png")
    dialog = open_preferences(program)
    before = screenshot_window(dialog, "preferences_same_language.png")

    # A click on the dialog's background closes the language menu.
    assert len(open_language_menu(program, dialog)) == 1
    screenshot_window(dialog, "preferences_language_menu.png")
    click_window_at(dialog, (100, 250))
    wait_until(lambda: language_menus(program, dialog) == [], 10, what="the language menu to close")

    pick_language(program, dialog, "En")
    assert not differs(screenshot_window(dialog, "preferences_same_language_after.png"), before)
    close_preferences(program, dialog, "2")
    wait_until(lambda: not differs(program.screenshot(), english), 5, what="the window unchanged")
