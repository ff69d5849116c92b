"""The profile bar used like a person: add, select, rename, the drop-down and
the edit menu, export and import through the system's file dialogs, and
profile pictures."""
import os

from PIL import Image, ImageChops

from r58driver import (WARNING_TITLE, answer_file_dialog, cancel_file_dialog, click_window_at,
                       find_windows, per_user_root, read_ini, settings_with_profiles,
                       untitled_windows, wait_until, windows_path)

# Profile rows: picture "SYNC" row + 1, name "SYNC" row + 11.
def picture_key(row):
    return str(row + 1)


def name_key(row):
    return str(row + 11)


def profile_section(settings, slot):
    return settings["profile%ssetting" % settings["setting"][str(slot)]]


def close_warning(program):
    """OK of the one-button warning; the warning must be open."""
    warning = program.wait_dialog(WARNING_TITLE)
    program.settle(0.5)
    click_window_at(warning, program.skin.centre("WARN_POS", "2"))
    wait_until(lambda: not find_windows(WARNING_TITLE), 10, what="the warning to close")


def apply(program, lines_before):
    program.click("MAIN", "11")
    return program.wait_journal(lines_before + 1)[-1]


def rename_current(program, row, text, key="Return"):
    """A double click on the name opens the name edit over it; the text is
    typed once the edit shows."""
    name = program.skin.rect("SYNC", name_key(row))
    before = program.screenshot().crop(name)
    program.double_click_at(program.skin.centre("SYNC", name_key(row)))
    wait_until(lambda: ImageChops.difference(program.screenshot().crop(name), before).getbbox(),
               10, what="the name edit")
    program.settle(0.3)
    program.type(text)
    program.key(key)


def menus_below(program, key):
    """The popup menus hanging from the bottom-left corner of "MAIN" `key`,
    as (left, top, width, height) in the window's client coordinates; tool
    tips are elsewhere."""
    program.park()
    left, _, _, bottom = program.skin.rect("MAIN", key)
    ox, oy = program.origin()
    return [(x - ox, y - oy, w, h) for x, y, w, h in untitled_windows()
            if (x - ox, y - oy) == (left, bottom)]


def test_add_select_rename_and_apply(program, tmp_path):
    program.start(settings_file=settings_with_profiles(str(tmp_path / "GamingMouse"), 4))
    program.click("MAIN", "15")  # add: the new profile becomes the current one
    wait_until(lambda: program.settings()["setting"]["totle"] == "5", 10, what="the added profile")
    assert program.settings()["setting"]["current"] == "4"

    program.click("SYNC", picture_key(0))
    line = apply(program, 0)
    assert line["active"] == 0

    program.click("SYNC", picture_key(4))
    rename_current(program, 4, "Sniper")
    assert program.running(), "Enter closed the window"
    line = apply(program, 1)
    settings = program.settings()
    assert settings["setting"]["active"] == "4"
    assert profile_section(settings, 4)["profil_name"] == "Sniper"
    assert line["active"] == 4
    assert line["profile"]["name"] == "Sniper"
    program.screenshot("profile_bar_renamed.png")


def test_a_duplicate_name_is_refused_and_escape_cancels(program):
    program.start()
    rename_current(program, 0, "Profile 2")
    close_warning(program)
    rename_current(program, 0, "Never stored", key="Escape")
    assert program.running(), "Escape in the name edit closed the window"
    apply(program, 0)
    settings = program.settings()
    assert profile_section(settings, 0)["profil_name"] == "Profile 1"
    assert profile_section(settings, 1)["profil_name"] == "Profile 2"

    # Renaming to its own name changes nothing and warns nothing.
    rename_current(program, 0, "Profile 1")
    program.settle(1.0)
    assert not find_windows(WARNING_TITLE)

    # The edit menu's rename puts the edit over the drop-down.
    program.click("MAIN", "6")
    right, bottom = program.skin.rect("MAIN", "6")[2:]
    program.click_at((right - 83 + 40, bottom + 5 + 12))  # "Rename"
    program.settle(0.5)
    program.type("From the menu")
    program.key("Return")
    apply(program, 1)
    assert profile_section(program.settings(), 0)["profil_name"] == "From the menu"


def test_drop_down_lists_the_profiles_and_a_second_click_only_closes_it(program, tmp_path):
    program.start(settings_file=settings_with_profiles(str(tmp_path / "GamingMouse"), 4))
    left, _, _, bottom = program.skin.rect("MAIN", "5")
    assert menus_below(program, "5") == []

    program.click("MAIN", "5")
    program.screenshot("profile_drop_down.png")
    menus = menus_below(program, "5")
    assert len(menus) == 1, "no menu below the drop-down"
    assert menus[0][3] == 4 * 25, "the menu has %d rows of 25" % (menus[0][3] / 25)

    program.click("MAIN", "5")  # a second click only closes the menu
    program.settle(0.8)
    assert menus_below(program, "5") == []

    program.click("MAIN", "5")  # the next one opens it again; the third row is picked
    assert len(menus_below(program, "5")) == 1
    program.click_at((left + 60, bottom + 2 * 25 + 12))
    program.settle(0.6)
    assert menus_below(program, "5") == [], "the pick left the menu open"
    assert apply(program, 0)["active"] == 2

    # Rows beyond the four profiles show nothing and do not react.
    shot = program.screenshot("profile_bar_four_profiles.png")
    for row in (4, 5):
        program.click("SYNC", picture_key(row))
        program.double_click_at(program.skin.centre("SYNC", name_key(row)))
        program.settle(0.5)
    program.type("x")
    assert apply(program, 1)["active"] == 2
    settings = program.settings()
    assert settings["setting"]["totle"] == "4"
    assert [profile_section(settings, i)["profil_name"] for i in range(4)] == \
        ["Profile %d" % (i + 1) for i in range(4)]
    row5 = shot.crop(program.skin.rect("SYNC", picture_key(4)))
    row1 = shot.crop(program.skin.rect("SYNC", picture_key(0)))
    assert ImageChops.difference(row5, row1).getbbox() is not None, "row 5 shows a picture"


def test_export_and_import_through_the_file_dialogs(program, tmp_path):
    program.start(settings_file=settings_with_profiles(str(tmp_path / "GamingMouse"), 5))
    rename_current(program, 0, "Sniper")
    apply(program, 0)
    exported = os.path.join(per_user_root(), "Sniper.ini")
    if os.path.exists(exported):
        os.remove(exported)

    program.click("SYNC", "8")  # export the current profile
    assert answer_file_dialog(exported) == "Save As"
    wait_until(lambda: os.path.exists(exported), 10, what="the exported file")
    source = profile_section(program.settings(), 0)
    assert read_ini(exported)["profilesetting"] == source

    program.click("SYNC", picture_key(2))
    program.click("SYNC", "7")  # import into the third profile
    assert answer_file_dialog(exported) == "Open"
    settings = wait_until(
        lambda: (lambda s: profile_section(s, 2)["profil_name"] == "Sniper(1)" and s)(
            program.settings()), 10, what="the imported profile")
    imported = dict(profile_section(settings, 2))
    assert imported.pop("profil_name") == "Sniper(1)"
    assert imported == {k: v for k, v in source.items() if k != "profil_name"}
    assert settings["setting"]["current"] == "2"
    assert settings["setting"]["totle"] == "5"
    sections = [settings["setting"][str(i)] for i in range(5)]
    assert len(set(sections)) == 5, sections

    # Six profiles: the edit menu's import and the add button are refused.
    program.click("MAIN", "15")
    wait_until(lambda: program.settings()["setting"]["totle"] == "6", 10, what="the sixth profile")
    before = program.read_bytes("GamingMouse")
    program.click("MAIN", "6")
    right, bottom = program.skin.rect("MAIN", "6")[2:]
    program.screenshot("profile_edit_menu.png", park=False)
    program.click_at((right - 83 + 40, bottom + 5 + 25 + 12))  # "Import…"
    close_warning(program)
    program.click("MAIN", "15")
    close_warning(program)
    assert program.read_bytes("GamingMouse") == before
    assert not find_windows("Open")


def test_profile_picture_is_chosen_and_shown(program):
    program.start()
    picture = os.path.join(per_user_root(), "red-profile.jpg")
    Image.new("RGB", (168, 112), (210, 20, 20)).save(picture, quality=95)
    left, top, right, bottom = program.skin.rect("SYNC", picture_key(0))
    default = program.screenshot().crop((left, top, right, bottom))

    program.double_click_at(program.skin.centre("SYNC", picture_key(0)))
    answer_file_dialog(picture, titles=("Open",))
    shot = program.screenshot("profile_picture.png")
    r, g, b = shot.getpixel(((left + right) // 2, (top + bottom) // 2))
    assert r > 150 and g < 70 and b < 70, (r, g, b)
    assert ImageChops.difference(shot.crop((left, top, right, bottom)), default).getbbox()

    # A double click on another profile's picture selects it first; a
    # cancelled chooser changes nothing.
    program.double_click_at(program.skin.centre("SYNC", picture_key(1)))
    cancel_file_dialog(titles=("Open",))
    line = apply(program, 0)
    assert line["active"] == 1
    settings = program.settings()
    assert profile_section(settings, 0)["syncfilespath"] == windows_path(picture)
    assert profile_section(settings, 1)["syncfilespath"] == ""
