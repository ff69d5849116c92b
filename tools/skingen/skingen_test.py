#!/usr/bin/python3
"""Checks of the skin generator's output that need an image decoder: the same
bytes on every run, every picture decodes, and the state sheets of a screen
differ from its normal sheet only inside the rectangles of its controls."""
import os
import subprocess
import sys
import tempfile
import unittest

from PIL import Image, ImageChops

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import layout  # noqa: E402


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


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
