#!/usr/bin/python3
"""Checks of the skin generator's output that need an image decoder: the same
bytes on every run, every picture decodes, and the state sheets of a screen
differ from its normal sheet only inside the rectangles of its controls; and
of the caption check, which stops the generator on a caption that does not fit."""
import contextlib
import io
import os
import subprocess
import sys
import tempfile
import unittest

from PIL import Image, ImageChops

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import captions  # noqa: E402
import layout  # noqa: E402
import skingen  # noqa: E402
from captions import Caption, Room  # noqa: E402
from paint import gdi_text_width  # noqa: E402


def generate(folder):
    subprocess.run([sys.executable, os.path.join(HERE, "skingen.py"), folder], check=True)


def files_below(root):
    out = {}
    for base, _, names in os.walk(root):
        for n in names:
            p = os.path.join(base, n)
            with open(p, "rb") as f:
                out[os.path.relpath(p, root)] = f.read()
    return out


class SkinOutput(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.first = os.path.join(cls.tmp.name, "first")
        generate(cls.first)
        cls.files = files_below(cls.first)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_second_run_writes_the_same_bytes(self):
        second = os.path.join(self.tmp.name, "second")
        generate(second)
        again = files_below(second)
        self.assertEqual(sorted(self.files), sorted(again))
        changed = [name for name in self.files if self.files[name] != again[name]]
        self.assertEqual(changed, [])

    def test_every_picture_decodes(self):
        pictures = [n for n in self.files if n.lower().endswith((".jpg", ".png", ".bmp"))]
        self.assertGreater(len(pictures), 50)
        for name in pictures:
            with self.subTest(name=name):
                with Image.open(os.path.join(self.first, name)) as img:
                    img.load()
                    self.assertEqual(img.format, {".jpg": "JPEG", ".png": "PNG", ".bmp": "BMP"}[
                        os.path.splitext(name)[1].lower()])

    def test_png_files_carry_no_time(self):
        for name, data in self.files.items():
            if name.endswith(".png"):
                self.assertNotIn(b"tIME", data, name)

    def test_skin_files_are_utf16_with_crlf_lines(self):
        for lang in ("En", "Cs"):
            data = self.files[os.path.join("Lan", "skin_%s.ini" % lang)]
            self.assertTrue(data.startswith(b"\xff\xfe"))
            text = data[2:].decode("utf-16-le")
            self.assertEqual(text.count("\n"), text.count("\r\n"))
            self.assertIn("Čeština", text)

    def test_state_sheets_change_only_inside_controls(self):
        grow = 8  # a JPEG block: compression noise stays within the block of a change
        for win in layout.WINDOWS:
            for screen, stem in win.screens.items():
                rects = [c.rect for c in win.controls
                         if c.screens is None or screen in c.screens]
                main = Image.open(os.path.join(self.first, "skins", *(stem + "_main.jpg").split("\\")))
                for state in ("over", "down", "disabled"):
                    with self.subTest(screen=screen, state=state):
                        other = Image.open(os.path.join(
                            self.first, "skins", *("%s_%s.jpg" % (stem, state)).split("\\")))
                        diff = ImageChops.difference(main.convert("RGB"), other.convert("RGB"))
                        mask = diff.convert("L").point(lambda v: 255 if v > 16 else 0)
                        for x, y, w, h in rects:
                            mask.paste(0, (x - grow, y - grow, x + w + grow, y + h + grow))
                        self.assertIsNone(mask.getbbox())


class CaptionCheck(unittest.TestCase):
    def test_widths_are_those_gdi_gives(self):
        # Measured with GetTextExtentPoint32 under Wine, whose GDI draws these
        # cell heights with DejaVu Sans.
        cases = [("Prostřední tlačítko", 18, False, 137), ("Opakovat při držení", 16, False, 139),
                 ("Importovat", 18, True, 94), ("Knihovna", 21, True, 95),
                 ("Podsvícení", 21, False, 95)]
        for text, height, bold, width in cases:
            with self.subTest(text=text, height=height, bold=bold):
                self.assertEqual(gdi_text_width(text, height, bold), width)

    def test_a_caption_that_does_not_fit_is_reported(self):
        wide = gdi_text_width("Prostřední tlačítko", 18)  # 137
        cases = [
            # where, text, room, lines the box holds (None: one line), fits
            ("exactly as wide", "Prostřední tlačítko", Room(0, wide), None, True),
            ("a pixel short", "Prostřední tlačítko", Room(0, wide - 1), None, False),
            ("short of the arrow", "Prostřední tlačítko", Room(10, 200, "left", 0, 146), None,
             False),
            ("centred beside a frame", "Prostřední tlačítko",
             Room(0, wide + 20, "centre", 15, wide + 20), None, False),
            ("two lines", "Prostřední tlačítko Prostřední tlačítko", Room(0, wide + 5), 54, True),
            ("three lines in two", "a\\r\\nb\\r\\nc", Room(0, 100), 54, False),
            ("one word too wide", "Prostřední", Room(0, 40), 100, False),
        ]
        for where, text, room, box, fits in cases:
            with self.subTest(where=where):
                why = captions.misfit(Caption(where, text, 18, False, room, box))
                if fits:
                    self.assertIsNone(why)
                else:
                    self.assertIsNotNone(why)
                    self.assertIn(where, why)

    def test_the_message_names_the_entry_text_width_and_room(self):
        why = captions.misfit(Caption("[MAIN] 10", "Apply and close", 18, True, Room(0, 60)))
        self.assertEqual(why, '[MAIN] 10: "Apply and close" is %d px wide in 18 px bold, '
                              "its room is 60 px" % gdi_text_width("Apply and close", 18, True))

    def test_the_generator_fails_and_writes_nothing_on_a_caption_that_does_not_fit(self):
        ok = next(c for c in layout.MAIN.controls if (c.section, c.key) == ("MAIN", "10"))
        saved = ok.text
        ok.text = ("OK", "Použít a zavřít okno")
        err = io.StringIO()
        try:
            with tempfile.TemporaryDirectory() as out, contextlib.redirect_stderr(err):
                with self.assertRaises(SystemExit) as stop:
                    skingen.main([out])
                self.assertEqual(os.listdir(out), [])
        finally:
            ok.text = saved
        self.assertEqual(stop.exception.code, 1)
        self.assertIn('skin_Cs.ini [MAIN] 10: "Použít a zavřít okno"', err.getvalue())
        self.assertNotIn("skin_En.ini", err.getvalue())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
