"""The lighting page used like a person: swatches, the colour field, typed
values, the effect menu, cycle slots, colour cycling and brightness, checked
in the settings file, the journal and on screen."""
from PIL import ImageChops

from r58driver import apply_and_read, colour_value, menu_row_point, slider_point, white_pixels

LIGHTING_TAB = "9"
EFFECT_ROW = 33
WHITE = (255, 255, 255)


def open_page(program):
    program.start()
    program.click("MAIN", LIGHTING_TAB)
    program.wait_still()


def choose_effect(program, effect):
    program.click("MOUSE", "14")
    program.settle(0.4)
    program.click_at(menu_row_point(program.skin.rect("MOUSE", "14"), effect, EFFECT_ROW))
    program.settle(0.6)


def effect_colours(profile):
    return [profile["light_color%d" % i] for i in range(7)]


def preview(program, shot):
    return shot.getpixel(program.skin.centre("MOUSE", "15"))


def test_swatch_9_makes_every_effect_colour_green(program):
    open_page(program)
    program.click("LIGHT_SELRECT", "9")
    shot = program.screenshot("lighting_static_green.png")
    assert preview(program, shot) == (0, 255, 0)
    profile, sent = apply_and_read(program, 1)
    assert effect_colours(profile) == ["65280"] * 7
    assert sent["lighting"]["colors"] == ["#00FF00"] * 7
    assert profile["light_cycle0"] == "255", "the cycle colours stay"


def test_the_colour_field_gives_the_colour_shown_under_the_pointer(program):
    open_page(program)
    left, top, right, bottom = program.skin.rect("LIGHT_SELRECT", "30")
    point = (left + (right - left) // 3, top + (bottom - top) // 3)
    seen = program.screenshot().getpixel(point)
    program.click_at(point)
    program.settle(0.4)
    shot = program.screenshot()
    assert preview(program, shot) == seen
    profile, _ = apply_and_read(program, 1)
    assert effect_colours(profile) == [str(colour_value(seen))] * 7


def test_a_typed_red_value_is_kept_to_255(program):
    open_page(program)
    program.click("LIGHT_SELRECT", "9")  # red 0, green 255
    program.click("LIGHT_SELRECT", "31")  # the red edit
    program.key("End", "shift+Home")
    program.type("300")
    program.settle(1.6)  # the typed values apply a second after the last key
    shot = program.screenshot("lighting_typed_red.png")
    assert preview(program, shot) == (255, 255, 0)
    profile, _ = apply_and_read(program, 1)
    assert effect_colours(profile) == [str(255 + 255 * 256)] * 7


def test_effect_1_marks_the_clicked_cycle_slot(program):
    open_page(program)
    choose_effect(program, 1)
    program.click("LIGHT_SELRECT", "44")  # slot 4
    shot = program.screenshot("lighting_effect1_slot4.png")
    slot4 = program.skin.rect("LIGHT_SELRECT", "44")
    slot1 = program.skin.rect("LIGHT_SELRECT", "41")
    middle = (slot4[1] + slot4[3]) // 2
    assert shot.getpixel((slot4[0] - 1, middle)) == WHITE
    assert shot.getpixel((slot4[2], middle)) == WHITE
    assert shot.getpixel((slot1[0] - 1, middle)) != WHITE
    # The preview shows cycle colour 3 (yellow); the edits are hidden.
    assert preview(program, shot) == (255, 255, 0)
    edit = program.skin.rect("LIGHT_SELRECT", "31")
    assert set(shot.crop(edit).getdata()) == {(0x2A, 0x2A, 0x2A)}
    # Swatches take no clicks with this effect.
    program.click("LIGHT_SELRECT", "9")
    profile, sent = apply_and_read(program, 1)
    assert profile["light_type"] == "1"
    assert profile["light_bright_colorid"] == "3"
    assert effect_colours(profile) == ["255"] * 7
    assert sent["lighting"]["effect"] == 1


def test_brightness_0_switches_off_and_disables_the_effect_button(program):
    open_page(program)
    button = program.skin.rect("MOUSE", "14")
    below = (button[0], button[3], button[2], button[3] + EFFECT_ROW * 7)
    program.drag(slider_point(program.skin, "1", 5, 0, 5), slider_point(program.skin, "1", 0, 0, 5))
    before = program.screenshot("lighting_off.png")
    program.click("MOUSE", "14")
    program.settle(0.4)
    closed = program.screenshot(park=False)
    assert ImageChops.difference(before.crop(below), closed.crop(below)).getbbox() is None, \
        "the effect menu opened while the lighting is off"
    profile, sent = apply_and_read(program, 1)
    assert profile["enable_light"] == "0" and profile["light_bright"] == "0"
    assert sent["lighting"]["on"] is False

    program.drag(slider_point(program.skin, "1", 0, 0, 5), slider_point(program.skin, "1", 1, 0, 5))
    program.click("MOUSE", "14")
    program.settle(0.4)
    opened = program.screenshot("lighting_effect_menu.png", park=False)
    assert ImageChops.difference(before.crop(below), opened.crop(below)).getbbox() is not None
    program.click_at(menu_row_point(button, 2, EFFECT_ROW))
    program.settle(0.6)
    profile, sent = apply_and_read(program, 2)
    assert profile["enable_light"] == "1" and profile["light_bright"] == "1"
    assert profile["light_type"] == "2"


def test_colour_cycling_hides_the_colour_choice_and_its_label_goes_with_the_pair(program):
    open_page(program)
    label = program.skin.rect("MOUSE_TEXT", "7")
    assert white_pixels(program.screenshot(), label) > 10
    program.click("LIGHT_SELRECT", "35")  # cycling on
    cycling = program.screenshot("lighting_cycling.png")
    edit = program.skin.rect("LIGHT_SELRECT", "31")
    assert set(cycling.crop(edit).getdata()) == {(0x2A, 0x2A, 0x2A)}
    program.click("LIGHT_SELRECT", "9")  # no effect while cycling
    profile, sent = apply_and_read(program, 1)
    assert profile["cycle_enable"] == "1"
    assert effect_colours(profile) == ["255"] * 7

    choose_effect(program, 2)
    shot = program.screenshot("lighting_effect2.png")
    assert white_pixels(shot, label) == 0, "the cycle label stayed without its pair"
    pair = program.skin.rect("LIGHT_SELRECT", "35")
    assert ImageChops.difference(cycling.crop(pair), shot.crop(pair)).getbbox() is not None, \
        "the cycle pair stayed with an effect that has no cycling"
    profile, _ = apply_and_read(program, 2)
    assert profile["light_type"] == "2"
