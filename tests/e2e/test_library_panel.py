"""The library panel used like a person: row menus, the command buttons, the
system's file dialogs and the pattern tab, with the results read from the
library files."""
import os
import time

from r58driver import (WARNING_TITLE, assign_through_popup, click_screen, find_windows,
                       per_user_root, press_warning_ok, r58ctl, read_ini, screenshot_area,
                       type_path_into_dialog, wait_until, write_macro_file, write_macro_library)

NAME_ROW = 41
MORE_LEFT, MORE_SIZE = 359, (16, 22)
# The row menu: 25-pixel rows below a 5-pixel top, 83 pixels left of the
# "more" button's right edge.
MENU_ROW, MENU_TOP, MENU_FROM_RIGHT = 25, 5, 83
EDIT, EXPORT, DELETE = 0, 1, 2
BUTTONS = {"new": "3", "edit": "4", "delete": "5", "import": "6", "export": "7"}


def macro_library(tmp_path):
    """"Reload" (number 3) and "Burst" (number 7, repeats while held)."""
    return write_macro_library(str(tmp_path / "MacroSetting"), [
        (3, "Reload", [(0x15, 1), (0x15, 0)], 0), (7, "Burst", [(0x14, 1), (0x14, 0)], 2)])


def pattern_library(tmp_path):
    """The eight built-in patterns and a user pattern "Spray" at position 8."""
    library = str(tmp_path / "BulletSetting")
    r58ctl("pattern", "init", library)
    spray = write_macro_file(str(tmp_path / "spray.mmac"), "Spray",
                             [(3, 1), (0xFF, 1), (3, 0), (0xFF, 30), (12, 50 * 256 + 10)],
                             section="BulletProfile", shots=-1)
    r58ctl("pattern", "import", library, spray)
    return library


def library_names(program, name):
    sections = read_ini(program.file(name))
    total = int(sections["setting"]["total"])
    prefix = "macroprofile" if name == "MacroSetting" else "bulletprofile"
    return [sections[prefix + sections["setting"][str(i)]].get("name", "") for i in range(total)]


def list_row_point(program, row, x=150):
    left, top, _, _ = program.skin.rect("ADVANCE", "8")
    return left + x, top + row * NAME_ROW + NAME_ROW // 2


def open_row_menu(program, row):
    """Clicks the row's "more" button; the menu's origin in screen coordinates."""
    left, top, _, _ = program.skin.rect("ADVANCE", "8")
    more_top = top + row * NAME_ROW + 9
    program.click_at((left + MORE_LEFT + MORE_SIZE[0] // 2, more_top + MORE_SIZE[1] // 2))
    program.settle(0.6)
    return program.to_screen((left + MORE_LEFT + MORE_SIZE[0] - MENU_FROM_RIGHT,
                              more_top + MORE_SIZE[1]))


def row_command(program, row, command):
    mx, my = open_row_menu(program, row)
    click_screen((mx + 40, my + MENU_TOP + command * MENU_ROW + MENU_ROW // 2))


def bright_pixels(shot, row):
    """White text pixels in the name part of a list row."""
    band = shot.crop((20, row * NAME_ROW + 8, 280, row * NAME_ROW + 34)).convert("L")
    return sum(1 for p in band.getdata() if p > 180)


def no_window_comes(title, seconds=2.5):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if find_windows(title):
            return False
        time.sleep(0.2)
    return True


def test_a_macro_in_use_is_not_deleted_and_an_unused_one_is(program, tmp_path):
    program.start(files={"MacroSetting": macro_library(tmp_path)})
    # Burst for row 5 (the mouse's button 4) through the pop-up.
    assign_through_popup(program, 4, 6, 1)
    program.settle(0.5)
    mx, my = open_row_menu(program, 1)
    ox, oy = program.origin()
    left, top, right, bottom = program.skin.rect("ADVANCE", "8")
    screenshot_area(ox + left, oy + top, ox + right, oy + bottom + 40, "library_row_menu.png")
    click_screen((mx + 40, my + MENU_TOP + DELETE * MENU_ROW + MENU_ROW // 2))
    before = program.read_bytes("MacroSetting")
    press_warning_ok(program)
    assert program.read_bytes("MacroSetting") == before
    assert library_names(program, "MacroSetting") == ["Reload", "Burst"]

    row_command(program, 0, DELETE)
    wait_until(lambda: library_names(program, "MacroSetting") == ["Burst"], 10,
               what="Reload to be deleted")
    assert not find_windows(WARNING_TITLE)


def test_export_through_the_save_dialog_and_import_through_the_open_dialog(program, tmp_path):
    program.start(files={"MacroSetting": macro_library(tmp_path)})
    # With no row highlighted, export opens no dialog.
    program.click("ADVANCE", BUTTONS["export"])
    assert no_window_comes("Save As")

    exported = os.path.join(per_user_root(), "burst-export.mac")
    if os.path.exists(exported):
        os.remove(exported)
    program.click_at(list_row_point(program, 1))
    program.click("ADVANCE", BUTTONS["export"])
    type_path_into_dialog("Save As", exported)
    wait_until(lambda: os.path.exists(exported), 10, what="the export file")
    record = read_ini(exported)["macroprofile"]
    assert record["name"] == "Burst"
    assert record["reapttype"] == "2"

    program.click("ADVANCE", BUTTONS["import"])
    type_path_into_dialog("Open", exported)
    wait_until(lambda: len(library_names(program, "MacroSetting")) == 3, 10, what="the import")
    assert library_names(program, "MacroSetting") == ["Reload", "Burst", "Burst-1"]
    sections = read_ini(program.file("MacroSetting"))
    # The smallest free number, with the exported events and repeat.
    assert sections["setting"]["2"] == "0"
    assert sections["macroprofile0"]["macro"] == sections["macroprofile7"]["macro"]
    assert sections["macroprofile0"]["reapttype"] == "2"


def test_pattern_tab_protects_the_built_in_patterns(program, tmp_path):
    macros = macro_library(tmp_path)
    program.start(files={"MacroSetting": macros, "BulletSetting": pattern_library(tmp_path)})
    macro_bytes = program.read_bytes("MacroSetting")
    program.click("ADVANCE", "10")
    ox, oy = program.origin()
    left, top, right, bottom = program.skin.rect("ADVANCE", "8")
    shot = screenshot_area(ox + left, oy + top, ox + right, oy + bottom, "library_patterns.png")
    # Nine names drawn, the tenth place empty.
    assert bright_pixels(shot, 8) > 20
    assert bright_pixels(shot, 9) == 0

    before = program.read_bytes("BulletSetting")
    row_command(program, 0, DELETE)  # VECTOR, built in
    assert no_window_comes(WARNING_TITLE)
    assert program.read_bytes("BulletSetting") == before

    # With no highlighted row the delete button does nothing.
    program.click("ADVANCE", BUTTONS["delete"])
    program.settle(1.0)
    assert program.read_bytes("BulletSetting") == before

    program.click_at(list_row_point(program, 8))  # Spray, the user's
    program.click("ADVANCE", BUTTONS["delete"])
    wait_until(lambda: "Spray" not in library_names(program, "BulletSetting"), 10,
               what="Spray to be deleted")
    assert library_names(program, "BulletSetting") == [
        "VECTOR", "UZI", "TOMPSON", "UNP9", "AKR", "M16", "SCAR-L", "M4"]
    assert program.read_bytes("MacroSetting") == macro_bytes
