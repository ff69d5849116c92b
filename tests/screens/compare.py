"""Pixel-for-pixel comparison of two folders of screenshots.

Every PNG of either folder is a shot, named by its file name. A shot differs
when any channel of any pixel differs or when the sizes differ (pixels inside
one image and outside the other count as differing). For each differing shot
a diff image is written: the second folder's shot dimmed, the differing
pixels in magenta and their bounding box framed in yellow."""
import argparse
import os
import sys
from dataclasses import dataclass

from PIL import Image, ImageChops, ImageDraw

DIFF_COLOUR = (255, 0, 255)
FRAME_COLOUR = (255, 255, 0)
FRAME_MARGIN = 3
DIM = 0.35


@dataclass
class ShotDifference:
    name: str
    pixels: int
    box: tuple  # (left, top, right, bottom), right and bottom exclusive
    sizes: tuple  # ((w, h) of the first, (w, h) of the second)
    diff_image: str = ""


@dataclass
class Comparison:
    identical: list
    differing: list  # ShotDifference
    only_first: list
    only_second: list

    def clean(self):
        """True when both folders hold the same shots and every one is identical."""
        return bool(self.identical) and not (self.differing or self.only_first or
                                             self.only_second)


def shot_names(folder):
    if not os.path.isdir(folder):
        return set()
    return {n for n in os.listdir(folder) if n.lower().endswith(".png")}


def _on_canvas(image, size):
    """The image as RGBA on a transparent canvas of `size`: outside the image
    the alpha is 0, inside it is 255, so that a size change shows as a change."""
    canvas = Image.new("RGBA", size, (0, 0, 0, 0))
    canvas.paste(image.convert("RGBA"), (0, 0))
    return canvas


def difference_mask(first, second):
    """A mask over the union of both sizes: 255 where any channel differs, else 0."""
    size = (max(first.width, second.width), max(first.height, second.height))
    delta = ImageChops.difference(_on_canvas(first, size), _on_canvas(second, size))
    bands = delta.split()
    strongest = bands[0]
    for band in bands[1:]:
        strongest = ImageChops.lighter(strongest, band)
    return strongest.point(lambda v: 255 if v else 0)


def diff_image(second, mask):
    """The second shot dimmed in grey, differing pixels bright, the box framed."""
    base = Image.new("RGB", mask.size, (0, 0, 0))
    base.paste(second.convert("L").point(lambda v: int(v * DIM)).convert("RGB"), (0, 0))
    base.paste(Image.new("RGB", mask.size, DIFF_COLOUR), (0, 0), mask)
    box = mask.getbbox()
    if box:
        left, top, right, bottom = box
        frame = (left - FRAME_MARGIN, top - FRAME_MARGIN, right - 1 + FRAME_MARGIN,
                 bottom - 1 + FRAME_MARGIN)
        ImageDraw.Draw(base).rectangle(frame, outline=FRAME_COLOUR)
        # The frame never hides a differing pixel.
        base.paste(Image.new("RGB", mask.size, DIFF_COLOUR), (0, 0), mask)
    return base


def compare_shot(first_path, second_path):
    """None when identical, else (pixels, box, mask, second image, sizes)."""
    with Image.open(first_path) as a, Image.open(second_path) as b:
        first, second = a.copy(), b.copy()
    mask = difference_mask(first, second)
    box = mask.getbbox()
    if box is None:
        return None
    pixels = mask.histogram()[255]
    return pixels, box, mask, second, (first.size, second.size)


def compare_folders(first, second, diff_folder=None):
    """Compares the shots of two folders; writes a diff image per differing
    shot into diff_folder when given."""
    a, b = shot_names(first), shot_names(second)
    result = Comparison([], [], sorted(a - b), sorted(b - a))
    if diff_folder:
        os.makedirs(diff_folder, exist_ok=True)
    for name in sorted(a & b):
        found = compare_shot(os.path.join(first, name), os.path.join(second, name))
        if found is None:
            result.identical.append(name)
            continue
        pixels, box, mask, second_image, sizes = found
        difference = ShotDifference(name, pixels, box, sizes)
        if diff_folder:
            difference.diff_image = os.path.join(diff_folder, name)
            diff_image(second_image, mask).save(difference.diff_image)
        result.differing.append(difference)
    return result


def report_lines(result, first_label="first", second_label="second"):
    lines = []
    for d in result.differing:
        size = "" if d.sizes[0] == d.sizes[1] else "  size %dx%d -> %dx%d" % (
            d.sizes[0] + d.sizes[1])
        lines.append("DIFFERS  %-34s %7d pixels  box x %d..%d y %d..%d%s%s" % (
            d.name, d.pixels, d.box[0], d.box[2] - 1, d.box[1], d.box[3] - 1, size,
            "  " + d.diff_image if d.diff_image else ""))
    for name in result.only_first:
        lines.append("MISSING  %-34s only in %s" % (name, first_label))
    for name in result.only_second:
        lines.append("MISSING  %-34s only in %s" % (name, second_label))
    total = len(result.identical) + len(result.differing)
    lines.append("%d shots compared: %d identical, %d differ; %d only in %s, %d only in %s" % (
        total, len(result.identical), len(result.differing), len(result.only_first), first_label,
        len(result.only_second), second_label))
    if not total:
        lines.append("no shot in common: nothing was compared")
    return lines


def main(argv=None):
    parser = argparse.ArgumentParser(description="Compares two folders of screenshots pixel for "
                                     "pixel; exit status 0 only when every shot is identical.")
    parser.add_argument("first")
    parser.add_argument("second")
    parser.add_argument("--diff", help="folder for the diff images")
    args = parser.parse_args(argv)
    result = compare_folders(args.first, args.second, args.diff)
    for line in report_lines(result, args.first, args.second):
        print(line)
    return 0 if result.clean() else 1


if __name__ == "__main__":
    sys.exit(main())
