"""The sensitivity page used like a person: the level and polling sliders,
the toggles, the level menu, the level colours and the service's level
message, checked in the settings file, the journal and on screen."""
from PIL import ImageChops

from r58driver import (apply_and_read, click_window_at, colour_value, find_windows,
                       menu_row_point, profile_section, send_to_program, slider_point,
                       wait_until, white_pixels, screenshot_window)

SENSITIVITY_TAB = "8"
COLOUR_TITLE = "Kestrelon_Infomation"


def open_page(program):
    program.start()
    program.click("MAIN", SENSITIVITY_TAB)
    program.wait_still()


def level_rect(program, level):
    return program.skin.rect("SENSITIVITY", str(1 + level))


def test_level_and_polling_sliders_reach_the_file_and_the_service(program):
    open_page(program)
    program.drag(slider_point(program.skin, "3", 3, 0, 6), slider_point(program.skin, "3", 5, 0, 6))
    program.drag(slider_point(program.skin, "4", 2, 0, 3), slider_point(program.skin, "4", 0, 0, 3))
    shot = program.screenshot("sensitivity_level5_125hz.png")
    # The active level's value is white in its rectangle, the others grey.
    assert white_pixels(shot, level_rect(program, 5)) > 10
    assert white_pixels(shot, level_rect(program, 3)) == 0
    assert white_pixels(shot, program.skin.rect("SENSITIVITY", "50")) > 10
    assert white_pixels(shot, program.skin.rect("SENSITIVITY", "52")) == 0

    profile, sent = apply_and_read(program, 1)
    assert profile["dpi_cur"] == "5"
    assert profile["pollrate_value"] == "0"
    assert sent["dpi_level"] == 5
    assert sent["polling_hz"] == 125


def test_page_scrolling_disables_the_scroll_speed_slider(program):
    open_page(program)
    speed_9 = slider_point(program.skin, "6", 9, 1, 10)
    program.click("SENSITIVITY", "63")
    program.click_at(speed_9)
    program.settle(0.4)
    program.click("SENSITIVITY", "61")
    profile, sent = apply_and_read(program, 1)
    assert profile["scroll_page"] == "1"
    assert profile["scroll_speed"] == "3", "a disabled slider took the click"
    assert profile["mouse_enhance"] == "1"
    assert sent["scroll_page"] is True and sent["enhance"] is True

    program.click("SENSITIVITY", "64")  # the "on" partner now stands there
    program.click_at(speed_9)
    program.settle(0.4)
    program.click("SENSITIVITY", "62")
    profile, sent = apply_and_read(program, 2)
    assert profile["scroll_page"] == "0"
    assert profile["scroll_speed"] == "9"
    assert profile["mouse_enhance"] == "0"


def pick_in_wheel(program, points, button_key, shot_name=None):
    """Clicks the points (offsets from the wheel's centre), then the button;
    returns the preview's colour on screen before the button."""
    dialog = program.wait_dialog(COLOUR_TITLE)
    program.settle(0.5)
    left, top, right, bottom = program.skin.rect("COLOR_POS", "20")
    centre = ((left + right) // 2, (top + bottom) // 2)
    clicked = []
    for dx, dy in points:
        clicked.append((centre[0] + dx, centre[1] + dy))
        click_window_at(dialog, clicked[-1])
    program.park()
    shot = screenshot_window(dialog, shot_name)
    preview = shot.getpixel(program.skin.centre("COLOR_POS", "21"))
    if left <= clicked[-1][0] < right and top <= clicked[-1][1] < bottom:
        # The preview shows the colour of the wheel where the last click was.
        assert preview == shot.getpixel(clicked[-1]), (preview, shot.getpixel(clicked[-1]))
    click_window_at(dialog, program.skin.centre("COLOR_POS", button_key))
    wait_until(lambda: not find_windows(COLOUR_TITLE), 10, what="the colour picker to close")
    program.settle(0.4)
    return preview


def test_a_picked_level_colour_is_kept_on_ok_only(program):
    open_page(program)
    program.click("SENSITIVITY", "22")  # level 1's colour field, green
    preview = pick_in_wheel(program, [(-90, 40), (100, 0)], "3", "colour_picker.png")
    red, green, blue = preview
    assert red > 200 and green < 160 and blue < 160, preview
    # The field shows the new colour at once.
    field = program.screenshot().getpixel(program.skin.centre("SENSITIVITY", "22"))
    assert field == preview

    program.click("SENSITIVITY", "23")  # level 2, blue: Cancel
    pick_in_wheel(program, [(0, -100)], "2")
    program.click("SENSITIVITY", "25")  # level 4: the close button
    pick_in_wheel(program, [(60, 60)], "1")
    program.click("SENSITIVITY", "26")  # level 5: OK after a click beside the wheel
    assert pick_in_wheel(program, [(-185, 0)], "3") == (255, 255, 0)

    profile, _ = apply_and_read(program, 1)
    assert profile["dpi_color1"] == str(colour_value(preview))
    assert profile["dpi_color2"] == "16711680"
    assert profile["dpi_color4"] == "16711935"
    assert profile["dpi_color5"] == "65535"
    assert program.running()


def test_a_level_turned_off_in_the_level_menu_takes_no_colour(program):
    open_page(program)
    # Only the shown level's rectangle opens the menu: level 1's does nothing.
    program.click_at(program.skin.centre("SENSITIVITY", "2"))
    program.settle(0.6)
    program.click_at(menu_row_point(level_rect(program, 1), 0, 24))
    program.settle(0.4)

    # The menu hangs below the level.
    left, _, right, bottom = level_rect(program, 3)
    area = (left, bottom, right, bottom + 24 * 8)
    closed = program.screenshot().crop(area)
    program.click_at(program.skin.centre("SENSITIVITY", "4"))  # level 3, the shown one

    def menu_shown():
        shot = program.screenshot("sensitivity_level_menu.png", park=False)
        return shot if ImageChops.difference(shot.crop(area), closed).getbbox() else None
    menu = wait_until(menu_shown, 10, what="the level menu")
    program.click_at(menu_row_point(level_rect(program, 3), 0, 24))  # "X"
    program.settle(0.6)
    program.click("SENSITIVITY", "24")  # level 3's colour field
    program.settle(1.5)
    assert not find_windows(COLOUR_TITLE), "the colour picker opened for a level that is off"

    profile, sent = apply_and_read(program, 1)
    assert profile["dpi_value3"] == "0"
    assert profile["dpi_value1"] == "2"
    assert sent["dpi"][3] == 0
    # The menu was on screen below the level, and is gone.
    after = program.screenshot()
    assert ImageChops.difference(menu.crop(area), after.crop(area)).getbbox() is not None


def test_the_service_moves_the_shown_level_of_the_current_profile_only(program):
    open_page(program)
    send_to_program("dpi", 0, 5)
    wait_until(lambda: white_pixels(program.screenshot(), level_rect(program, 5)) > 10, 10,
               what="level 5 on screen")
    before = program.screenshot("sensitivity_service_level5.png")
    assert white_pixels(before, level_rect(program, 3)) == 0

    send_to_program("dpi", 1, 2)
    send_to_program("dpi", 0, 7)  # no such level
    send_to_program("dpi", 6, 1)  # no such profile in use
    program.settle(1.0)
    after = program.screenshot()
    assert ImageChops.difference(before, after).getbbox() is None

    program.click("MAIN", "11")
    program.wait_journal(1)
    settings = program.settings()
    assert profile_section(settings, 0)["dpi_cur"] == "5"
    assert profile_section(settings, 1)["dpi_cur"] == "2"
