"""The folder comparison on small made-up shots: what it counts, where it says
the difference is, the diff image, and when it passes."""
import os

import pytest
from PIL import Image

import compare

GREY = (90, 100, 110)


def shot(folder, name, size=(40, 30), pixels=None):
    image = Image.new("RGB", size, GREY)
    for point, colour in (pixels or {}).items():
        image.putpixel(point, colour)
    os.makedirs(folder, exist_ok=True)
    image.save(os.path.join(folder, name))


# (what, second shot's size, second shot's changed pixels, differing pixels, box)
CASES = [
    ("one channel by one", (40, 30), {(7, 5): (91, 100, 110)}, 1, (7, 5, 8, 6)),
    ("blue only", (40, 30), {(0, 0): (90, 100, 111)}, 1, (0, 0, 1, 1)),
    ("two far corners", (40, 30), {(0, 29): (0, 0, 0), (39, 0): (255, 255, 255)}, 2,
     (0, 0, 40, 30)),
    ("one column wider", (41, 30), {}, 30, (40, 0, 41, 30)),
    ("one row shorter", (40, 29), {}, 40, (0, 29, 40, 30)),
]


@pytest.mark.parametrize("what,size,pixels,count,box", CASES, ids=[c[0] for c in CASES])
def test_a_difference_is_counted_and_boxed(tmp_path, what, size, pixels, count, box):
    first, second, diffs = str(tmp_path / "a"), str(tmp_path / "b"), str(tmp_path / "d")
    shot(first, "page.png")
    shot(second, "page.png", size, pixels)
    shot(first, "same.png")
    shot(second, "same.png")
    result = compare.compare_folders(first, second, diffs)
    assert not result.clean()
    assert result.identical == ["same.png"]
    [difference] = result.differing
    assert (difference.name, difference.pixels, difference.box) == ("page.png", count, box)
    assert difference.sizes == ((40, 30), size)
    assert sorted(os.listdir(diffs)) == ["page.png"]


def test_the_diff_image_lights_exactly_the_differing_pixels(tmp_path):
    first, second, diffs = str(tmp_path / "a"), str(tmp_path / "b"), str(tmp_path / "d")
    shot(first, "menu.png", size=(60, 60))
    shot(second, "menu.png", size=(60, 60), pixels={(30, 30): (91, 100, 110),
                                                    (33, 31): (200, 0, 0)})
    compare.compare_folders(first, second, diffs)
    image = Image.open(os.path.join(diffs, "menu.png")).convert("RGB")
    assert image.size == (60, 60)
    lit = {(x, y) for x in range(60) for y in range(60)
           if image.getpixel((x, y)) == compare.DIFF_COLOUR}
    assert lit == {(30, 30), (33, 31)}
    # Away from the frame the shot is dimmed, not erased.
    dimmed = image.getpixel((5, 50))
    assert dimmed[0] == dimmed[1] == dimmed[2] and 0 < dimmed[0] < min(GREY)
    # The frame stands three pixels outside the box.
    assert image.getpixel((27, 27)) == compare.FRAME_COLOUR
    assert image.getpixel((36, 34)) == compare.FRAME_COLOUR
    assert image.getpixel((31, 31)) != compare.FRAME_COLOUR


def test_missing_shots_are_named_on_their_side(tmp_path):
    first, second = str(tmp_path / "a"), str(tmp_path / "b")
    for name in ("both.png", "only_first.png"):
        shot(first, name)
    for name in ("both.png", "only_second.png"):
        shot(second, name)
    result = compare.compare_folders(first, second)
    assert (result.only_first, result.only_second) == (["only_first.png"], ["only_second.png"])
    assert result.identical == ["both.png"]
    assert not result.clean()
    text = "\n".join(compare.report_lines(result, "base", "current"))
    assert "only_first.png" in text and "only in base" in text
    assert "only_second.png" in text and "only in current" in text


def test_a_shot_saved_again_compares_equal(tmp_path):
    """Equality is of pixels, not of files: the same pixels written once as
    RGBA and once as RGB with another compression are identical."""
    first, second = str(tmp_path / "a"), str(tmp_path / "b")
    shot(first, "dialog.png", pixels={(3, 4): (1, 2, 3)})
    os.makedirs(second)
    image = Image.open(os.path.join(first, "dialog.png")).convert("RGBA")
    image.save(os.path.join(second, "dialog.png"), compress_level=1)
    assert compare.compare_folders(first, second).clean()


@pytest.mark.parametrize("layout,status", [
    ({"a": ["x.png", "y.png"], "b": ["x.png", "y.png"]}, 0),
    ({"a": ["x.png"], "b": ["x.png", "y.png"]}, 1),
    ({"a": [], "b": []}, 1),  # nothing captured is no pass
])
def test_exit_status(tmp_path, capsys, layout, status):
    for side, names in layout.items():
        os.makedirs(str(tmp_path / side), exist_ok=True)
        for name in names:
            shot(str(tmp_path / side), name)
    assert compare.main([str(tmp_path / "a"), str(tmp_path / "b")]) == status


def test_a_differing_shot_fails_the_exit_status_and_is_reported(tmp_path, capsys):
    shot(str(tmp_path / "a"), "tab.png")
    shot(str(tmp_path / "b"), "tab.png", pixels={(39, 29): (0, 0, 0)})
    assert compare.main([str(tmp_path / "a"), str(tmp_path / "b"), "--diff",
                         str(tmp_path / "d")]) == 1
    out = capsys.readouterr().out
    assert "DIFFERS  tab.png" in out and "1 pixels" in out and "x 39..39 y 29..29" in out
