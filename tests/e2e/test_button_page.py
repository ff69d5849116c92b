"""The button page used like a person: function menus and their submenus,
the primary-function rule, and the macro and pattern pop-ups, with the
results read from the settings file and the simulator's journal."""
from r58driver import (FUNCTION_ROW, assign_through_popup, SELECT_SIZE, WARNING_TITLE, choose_in_popup, click_screen,
                       confirm_popup, find_windows, hover_into_submenu, open_function_menu,
                       pick_function, pick_in_submenu, press_warning_ok, screenshot_area,
                       screenshot_window, select_popup_point, settings_dump, wait_until,
                       wait_window_of_size, window_geometry, window_gone, write_macro_library,
                       xdotool)

MACRO_CODE, PATTERN_CODE = 0xA6, 0xA7
BURST = [(0x14, 1), (0xFF, 50), (0x14, 0)]


def macro_library(tmp_path):
    """"Reload" (number 3, plays once) and "Burst" (number 7, repeats while
    held, three events)."""
    return write_macro_library(str(tmp_path / "MacroSetting"), [
        (3, "Reload", [(0x15, 1), (0x15, 0)], 0), (7, "Burst", BURST, 2)])


def bright_pixels(shot, box):
    """Pixels of white text in a box of a screenshot."""
    return sum(1 for p in shot.crop(box).convert("L").getdata() if p > 200)


def apply_and_read(program):
    program.click("MAIN", "11")
    profile = program.wait_journal(1)[-1]["profile"]
    return profile["buttons"], settings_dump(program.file("GamingMouse"))["profiles"][0]["buttons"]


def test_menu_and_submenu_picks_reach_the_settings_and_the_device(program):
    program.start()
    # Row 2: "Double click", the sixth item.
    pick_function(program, 1, 5)
    # Row 3: through the DPI group into its submenu, photographed with both open.
    menu = open_function_menu(program, 2)
    submenu = hover_into_submenu(menu, 9)
    program.settle(0.6)
    program.screenshot("button_page_menu_submenu.png", park=False)
    # The menus reach below the window: the screen around them.
    left, top = menu
    shot = screenshot_area(left, top, submenu[0] + 220, submenu[1] + 9 * FUNCTION_ROW,
                           "function_menu_submenu.png")
    sx, sy = submenu[0] - left, submenu[1] - top
    # The submenu's eight rows stand beside the DPI row, the page below them.
    assert bright_pixels(shot, (sx, sy, sx + 200, sy + FUNCTION_ROW)) > 20
    assert bright_pixels(shot, (sx, sy + 8 * FUNCTION_ROW, sx + 200, sy + 9 * FUNCTION_ROW)) == 0
    pick_in_submenu(submenu, 9, 3)  # "Sniper (hold)"
    journal, stored = apply_and_read(program)
    assert journal[1]["code"] == 0xA5
    assert journal[2]["code"] == 0xC3
    assert stored[1]["code"] == 0xA5 and stored[2]["code"] == 0xC3
    # The other rows keep their functions.
    assert [b["code"] for b in journal[3:6]] == [0xC2, 0xA4, 0xA3]


def test_taking_the_primary_function_from_its_only_button_is_refused(program):
    program.start()
    pick_function(program, 0, 1)  # "Right click" for the only "Left click" button
    press_warning_ok(program)
    pick_function(program, 0, 0)  # picking "Left click" again is accepted silently
    program.settle(1.0)
    assert not find_windows(WARNING_TITLE)
    journal, stored = apply_and_read(program)
    assert journal[0]["code"] == 0xA0 and stored[0]["code"] == 0xA0


def test_a_macro_chosen_in_the_pop_up_is_copied_into_the_slot_by_the_apply(program, tmp_path):
    program.start(files={"MacroSetting": macro_library(tmp_path)})
    pick_function(program, 4, 6)  # row 5: "Macro…"
    popup = wait_window_of_size(SELECT_SIZE)
    choose_in_popup(program, popup, 1)  # "Burst"
    # "Repeat n times" from the repeat menu, then a count past the limit.
    click_screen(select_popup_point(popup, program.skin, "4"))
    px, py, pw, ph = window_geometry(popup)
    left, _, _, bottom = program.skin.rect("SEL_MACRO_POS", "4")
    repeat_n_times = (px + left + 40, py + bottom + 33 + 16)  # the menu's second row
    xdotool("mousemove", *repeat_n_times)
    program.settle(0.5)
    screenshot_area(px, py, px + pw, py + ph + 4 * 33, "popup_macro_repeat_menu.png")
    click_screen(repeat_n_times)
    click_screen(select_popup_point(popup, program.skin, "5"))
    xdotool("key", "ctrl+a", "BackSpace")
    xdotool("type", "--delay", 60, "20")
    program.settle(0.5)
    screenshot_window(popup, "popup_macro.png")
    confirm_popup(program, popup)

    journal, stored = apply_and_read(program)
    assert journal[4]["code"] == MACRO_CODE
    number = journal[4]["library"]
    assert stored[4]["library"] == number
    assert journal[4]["count"] == len(BURST)
    assert [tuple(e) for e in stored[4]["events"]] == BURST
    assert (stored[4]["repeat_type"], stored[4]["repeat_times"]) == (1, 15)


def test_left_alone_the_macro_pop_up_gives_the_macros_own_repeat(program, tmp_path):
    program.start(files={"MacroSetting": macro_library(tmp_path)})
    assign_through_popup(program, 3, 6, 1)
    _, stored = apply_and_read(program)
    assert stored[3]["code"] == MACRO_CODE
    assert (stored[3]["repeat_type"], stored[3]["repeat_times"]) == (2, 0)


def test_a_pattern_chosen_in_the_pop_up_is_applied(program):
    program.start()
    pick_function(program, 5, 7)  # row 6: "Recoil control…"
    popup = wait_window_of_size(SELECT_SIZE)
    choose_in_popup(program, popup, 2)  # "TOMPSON"
    program.settle(0.3)
    screenshot_window(popup, "popup_pattern.png")
    confirm_popup(program, popup)
    journal, stored = apply_and_read(program)
    assert journal[5]["code"] == PATTERN_CODE
    assert journal[5]["library"] == 2
    assert journal[5]["count"] == 5  # one shot: five events
    assert stored[5]["events"][0] == [2 + 2, 1]  # fired with the code of number 2


def test_cancelling_the_pop_up_changes_nothing(program, tmp_path):
    program.start(files={"MacroSetting": macro_library(tmp_path)})
    pick_function(program, 4, 6)
    popup = wait_window_of_size(SELECT_SIZE)
    choose_in_popup(program, popup, 1)
    click_screen(select_popup_point(popup, program.skin, "2"))
    wait_until(lambda: window_gone(popup), 10, what="the pop-up to close")
    journal, _ = apply_and_read(program)
    assert journal[4]["code"] == 0xA4
