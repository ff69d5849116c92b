"""The macro and recoil editors used like a person, each opened alone by the
test launcher as the library panel opens them: recording from real keys and
a real click through KBHook.dll, the in-place delay editor, moving a group,
stepping a recoil pattern, and a new macro in a full library."""
import os

import pytest

from r58driver import (EDITOR_TITLE, MACRO_POS, RECOIL_POS, WARNING_TITLE, Editor, find_windows,
                       library_entries, write_full_macro_library)

KEY_A, KEY_B, LEFT_BUTTON, DELAY, MOVE = 0x14, 0x2F, 1, 0xFF, 0x0C


@pytest.fixture
def editor():
    run = Editor()
    yield run
    run.stop()


def assert_recorded_a_b_click(entry):
    """A, B and a left click, each pressed and released, with the real delays
    between them; nothing of the record button's clicks."""
    events = entry["events"]
    shape = [(code, value) for code, value in events[0::2]]
    assert shape == [(KEY_A, 1), (KEY_A, 0), (KEY_B, 1), (KEY_B, 0),
                     (LEFT_BUTTON, 1), (LEFT_BUTTON, 0)], \
        "KBHook.dll is missing or reported other events: %s" % events
    delays = events[1::2]
    assert len(delays) == 5 and all(code == DELAY for code, _ in delays), events
    assert all(1 <= value <= 10000 for _, value in delays), "implausible delays: %s" % events
    assert entry["count"] == 11


def record_a_b_click_and_save(editor, screenshot=None):
    editor.record_keys_and_a_click("a", "b")
    if screenshot:
        editor.screenshot(screenshot)
    editor.click(MACRO_POS, "3")


def edit_delay_and_move_click_up(editor, screenshot=None):
    """On the recorded macro: the first delay becomes 250 in place, then the
    click's group moves above B's."""
    editor.click_macro_row(1)
    editor.click(MACRO_POS, "6")
    editor.type("250")
    if screenshot:
        editor.screenshot(screenshot)
    editor.key("Return")
    editor.click_macro_row(8)
    editor.click(MACRO_POS, "8")
    editor.click(MACRO_POS, "3")


def assert_delay_edited_and_click_moved_up(entry, recorded):
    events = entry["events"]
    assert events[1] == [DELAY, 250]
    # The moved group was the last one: it got a 50 ms delay after it.
    assert entry["count"] == recorded["count"] + 1
    assert events[4:8] == recorded["events"][8:11] + [[DELAY, 50]]
    assert events[8:12] == recorded["events"][4:8]
    assert events[:1] + events[2:4] == recorded["events"][:1] + recorded["events"][2:4]


def step_vertical_down_three_times_and_save(editor, screenshot=None):
    for _ in range(3):
        editor.click(RECOIL_POS, "6")
        editor.settle(0.5)  # apart, so that no two clicks make a double click
    if screenshot:
        editor.screenshot(screenshot)
    editor.click(RECOIL_POS, "3")


def test_recorded_keys_and_click_are_saved_in_order(editor):
    editor.open("macro")
    # Enter and Escape never close the editor.
    editor.key("Escape")
    editor.key("Return")
    assert find_windows(EDITOR_TITLE)
    record_a_b_click_and_save(editor, "editor_macro_recorded.png")
    assert editor.exit_code() == 0
    entries = library_entries("macro", editor.file("MacroSetting"))
    assert [e["name"] for e in entries] == ["Macro 1"]
    assert_recorded_a_b_click(entries[0])


def test_delay_edited_in_place_and_group_moved_up(editor, tmp_path):
    editor.open("macro")
    record_a_b_click_and_save(editor)
    assert editor.exit_code() == 0
    recorded = library_entries("macro", editor.file("MacroSetting"))[0]
    saved = str(tmp_path / "MacroSetting")
    os.replace(editor.file("MacroSetting"), saved)

    editor.open("macro", 0, files={"MacroSetting": saved})
    edit_delay_and_move_click_up(editor, "editor_macro_delay_editor.png")
    assert editor.exit_code() == 0
    entries = library_entries("macro", editor.file("MacroSetting"))
    assert len(entries) == 1
    assert_delay_edited_and_click_moved_up(entries[0], recorded)


def test_cancel_leaves_the_library_as_it_was(editor):
    editor.open("macro")
    editor.record_keys_and_a_click("a")
    editor.click(MACRO_POS, "2")
    assert editor.exit_code() == 1
    assert not os.path.exists(editor.file("MacroSetting"))


def test_built_in_pattern_stepped_down_and_saved(editor):
    editor.open("pattern", 0)  # "VECTOR", vertical step -27
    step_vertical_down_three_times_and_save(editor, "editor_recoil_stepped.png")
    assert editor.exit_code() == 0
    entry = library_entries("pattern", editor.file("BulletSetting"))[0]
    assert entry["name"] == "VECTOR"
    assert entry["shots"] == 1
    assert entry["events"][4] == [MOVE, 50 * 256 + 30]


def test_new_macro_in_a_full_library_warns_and_opens_nothing(editor, tmp_path):
    full = str(tmp_path / "MacroSetting")
    write_full_macro_library(full)
    with open(full, "rb") as f:
        before = f.read()
    editor.launch("macro", -1, files={"MacroSetting": full})
    editor.window = editor.wait_dialog(WARNING_TITLE, 30)
    editor.settle(1.0)
    editor.screenshot("editor_full_library_warning.png")
    assert not find_windows(EDITOR_TITLE)
    editor.click("WARN_POS", "2")
    assert editor.exit_code() == 1
    assert not find_windows(EDITOR_TITLE)
    assert editor.read_bytes("MacroSetting") == before
    assert len(library_entries("macro", editor.file("MacroSetting"))) == 100
