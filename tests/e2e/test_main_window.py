"""The main window used like a person: tabs, window commands, dragging,
reset and background picture."""
import os

from PIL import Image, ImageChops

from r58driver import (BIN, WARNING_TITLE, answer_file_dialog, find_windows, per_user_root,
                       screen_size, wait_until, window_geometry, xdotool)

PAGE_AREA = (421, 155, 1091, 605)
TABS = {"buttons": "7", "sensitivity": "8", "library": "99", "lighting": "9"}


def page_area(image):
    return image.crop(PAGE_AREA)


def differs(a, b):
    return ImageChops.difference(a, b).getbbox() is not None


def test_window_has_the_masks_size_and_is_centred(program):
    program.start()
    mask = Image.open(os.path.join(BIN, "skins", "Main", "Main_mask.bmp"))
    assert program.size() == mask.size
    x, y = program.origin()
    screen_w, screen_h = screen_size()
    assert abs(x - (screen_w - mask.size[0]) // 2) <= 1
    assert abs(y - (screen_h - mask.size[1]) // 2) <= 1


def test_each_tab_shows_its_own_page(program):
    program.start()
    pages = {}
    first = None
    for name, key in TABS.items():
        program.click("MAIN", key)
        shot = program.screenshot()
        first = first or shot
        pages[name] = page_area(shot)
    names = list(pages)
    for i, a in enumerate(names):
        for b in names[i + 1:]:
            assert differs(pages[a], pages[b]), "%s and %s look the same" % (a, b)
    # Back to the first tab: the whole window as before, tabs included.
    program.click("MAIN", TABS["buttons"])
    assert not differs(program.screenshot(), first)


def test_apply_sends_the_profile_on_screen_once(program):
    program.start()
    program.click("SYNC", "2")  # the second profile's picture
    program.click("MAIN", "11")
    lines = program.wait_journal(1)
    program.settle(1.0)
    lines = program.journal()
    assert len(lines) == 1
    assert lines[0]["message"] == "apply"
    assert lines[0]["active"] == 1
    assert lines[0]["profile"]["name"] == program.settings()["profile1setting"]["profil_name"]
    assert program.settings()["setting"]["active"] == "1"
    assert program.running()


def test_apply_and_close_sends_then_ends(program):
    program.start()
    program.click("MAIN", "10")
    assert program.wait_exit(15)
    assert len(program.wait_journal(1)) == 1


def test_close_escape_and_enter(program):
    program.start()
    before = program.read_bytes("GamingMouse")
    program.key("Return")
    assert program.running(), "Enter closed the window"
    program.click("SYNC", "3")  # a change that closing must not save
    program.key("Escape")
    assert program.wait_exit(10)
    assert program.read_bytes("GamingMouse") == before

    program.start()
    before = program.read_bytes("GamingMouse")
    program.click("MAIN", "12")
    assert program.wait_exit(10)
    assert program.read_bytes("GamingMouse") == before
    assert program.journal() == []


def test_a_press_on_a_free_spot_drags_the_window(program):
    program.start()
    x, y = program.origin()
    program.drag((600, 640), (500, 600))
    # The last moves of the drag may reach the window a moment after the release.
    target = (x - 100, y - 40)
    try:
        wait_until(lambda: program.origin() == target, 5, what="the window to follow the drag")
    except AssertionError:
        assert program.origin() == target  # says where it stopped


def test_reset_asks_first_and_tells_the_service(program):
    program.start()
    before = program.read_bytes("GamingMouse")
    program.click("MAIN", TABS["lighting"])
    program.click("MAIN", "13")
    warning = program.wait_dialog(WARNING_TITLE)
    # OK stands 69 pixels right of its place in the two-button layout.
    wx, wy, _, _ = window_geometry(warning)
    left, top, right, bottom = program.skin.rect("WARN_POS", "2")
    xdotool("mousemove", wx + (left + right) // 2 + 69, wy + (top + bottom) // 2)
    xdotool("click", 1)
    wait_until(lambda: not find_windows(WARNING_TITLE), 10, what="the warning to close")
    lines = program.wait_journal(1)
    assert [line["message"] for line in lines] == ["reset"]
    assert program.read_bytes("GamingMouse") == before


def test_background_picture_is_shown_and_cancel_restores_the_default(program, tmp_path):
    program.start()
    program.click("MAIN", TABS["lighting"])
    default = program.screenshot().crop((320, 10, 1160, 690))
    # A plain red picture in a folder the program can reach.
    picture = os.path.join(per_user_root(), "red.jpg")
    Image.new("RGB", (320, 240), (200, 20, 20)).save(picture, quality=95)

    program.click("MAIN", "20")
    choose_file(program, picture)
    shown = program.screenshot().crop((320, 10, 1160, 690))
    red, green, blue = shown.getpixel((40, 640))
    assert red > 120 and green < 60 and blue < 60, (red, green, blue)

    program.click("MAIN", "20")
    dialog = program.wait_dialog("Open")
    program.settle(1.0)
    xdotool("windowactivate", "--sync", dialog)
    xdotool("key", "Escape")
    wait_until(lambda: not find_windows("Open"), 10, what="the file dialog to close")
    program.settle(1.0)
    after = program.screenshot("background_default.png").crop((320, 10, 1160, 690))
    assert not differs(after, default), ImageChops.difference(after, default).getbbox()


def choose_file(program, unix_path):
    """Types a path into the system's open dialog as a person would."""
    answer_file_dialog(unix_path, titles=("Open",))


def test_pages_in_both_languages_are_photographed(program, tmp_path):
    """Screenshots of every page for the eye, in English and in Czech."""
    from r58driver import Program, Skin, make_settings
    for language, lan_id in (("En", 1), ("Cs", 0)):
        settings = make_settings(str(tmp_path / ("GamingMouse" + language)), lan_id=lan_id)
        run = program if language == "En" else Program("Cs")
        run.skin = Skin(language)
        run.start(settings_file=settings)
        shots = []
        for name, key in TABS.items():
            run.click("MAIN", key)
            shots.append(run.screenshot("main_%s_%s.png" % (name, language)))
        # Every page shows the skin, not an unpainted window.
        for shot in shots:
            assert len(shot.getcolors(1 << 16) or range(70000)) > 50
        run.stop()
