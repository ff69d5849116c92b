"""The macro and recoil editors opened from the main window's library panel
("ADVANCE" 3 new, 4 edit) and used like a person: a macro recorded from real
keys and a click, a delay edited in place and a group moved, a built-in
recoil pattern stepped down; each saved into its library file."""
from r58driver import EDITOR_TITLE, Editor, library_entries
from test_editor_windows import (assert_delay_edited_and_click_moved_up,
                                 assert_recorded_a_b_click, edit_delay_and_move_click_up,
                                 record_a_b_click_and_save, step_vertical_down_three_times_and_save)

PANEL = "ADVANCE"
NEW, EDIT, LIST, MACRO_TAB, PATTERN_TAB = "3", "4", "8", "9", "10"


def open_editor(program, key):
    program.click(PANEL, key)
    editor = Editor.attach(program.wait_dialog(EDITOR_TITLE, 30))
    editor.settle(1.0)
    return editor


def highlight_first_row(program):
    left, top, right, _ = program.skin.rect(PANEL, LIST)
    program.click_at(((left + right) // 2, top + 20))
    program.settle(0.3)


def test_macro_recorded_edited_and_saved_through_the_main_window(program):
    program.start()
    program.click(PANEL, MACRO_TAB)
    editor = open_editor(program, NEW)
    record_a_b_click_and_save(editor, "main_macro_editor_recorded.png")
    editor.gone()
    entries = library_entries("macro", program.file("MacroSetting"))
    assert len(entries) == 1
    assert_recorded_a_b_click(entries[0])
    recorded = entries[0]
    program.screenshot("main_macro_list_after_save.png")

    highlight_first_row(program)
    editor = open_editor(program, EDIT)
    edit_delay_and_move_click_up(editor, "main_macro_delay_editor.png")
    editor.gone()
    entries = library_entries("macro", program.file("MacroSetting"))
    assert len(entries) == 1
    assert_delay_edited_and_click_moved_up(entries[0], recorded)
    assert program.running()


def test_built_in_pattern_stepped_and_saved_through_the_main_window(program):
    program.start()
    program.click(PANEL, PATTERN_TAB)
    highlight_first_row(program)
    editor = open_editor(program, EDIT)
    step_vertical_down_three_times_and_save(editor, "main_recoil_editor_stepped.png")
    editor.gone()
    entry = library_entries("pattern", program.file("BulletSetting"))[0]
    assert entry["name"] == "VECTOR"
    assert entry["events"][4] == [0x0C, 50 * 256 + 30]
