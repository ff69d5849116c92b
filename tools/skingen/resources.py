#!/usr/bin/python3
"""Images compiled into the program's resources: the program icon (220), the
scroll-bar skin (bitmap 215, 81 x 27), the submenu arrow (bitmap 216, 13 x 17)
and the picking cursor (225). Usage: resources.py OUTPUT_FOLDER"""
import os
import struct
import sys

from PIL import Image, ImageDraw

ACCENT = (1, 204, 236)
DARK = (30, 29, 27)


def dib_entry(img):
    """A 32-bit bottom-up DIB with its AND mask, as icon and cursor files hold them."""
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rgba = img.convert("RGBA")
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = rgba.getpixel((x, y))
            xor += bytes((b, g, r, a))
    row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(row)
        for x in range(w):
            if rgba.getpixel((x, y))[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def icon_file(images, cursor_hotspot=None):
    kind = 2 if cursor_hotspot else 1
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for img in images:
        blob = dib_entry(img)
        w, h = img.size
        a, b = cursor_hotspot if cursor_hotspot else (1, 32)
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def program_icon(size):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = size / 32.0
    d.rounded_rectangle([1 * s, 1 * s, 31 * s, 31 * s], radius=7 * s, fill=DARK + (255,))
    # A stylised bird's wing: two strokes in the accent colour.
    d.polygon([(6 * s, 22 * s), (16 * s, 7 * s), (26 * s, 22 * s), (16 * s, 17 * s)],
              fill=ACCENT + (255,))
    d.line([(9 * s, 26 * s), (23 * s, 26 * s)], fill=ACCENT + (255,), width=max(1, int(2 * s)))
    return img


def scroll_bar_skin():
    """9 x 3 cells of 9 x 9 pixels. Rows: normal, hover, pressed. Columns 0..3 serve
    a vertical bar (first arrow, last arrow, thumb, track), 4..7 a horizontal one
    in the same order; column 8 is unused."""
    img = Image.new("RGB", (81, 27), (8, 8, 8))
    d = ImageDraw.Draw(img)
    arrow = [(70, 70, 70), (150, 150, 150), ACCENT]
    thumb = [(60, 60, 60), (110, 110, 110), ACCENT]
    for row in range(3):
        y = row * 9
        for horizontal in (0, 1):
            x = horizontal * 36
            for i in range(4):  # crisp triangles, one scan line at a time
                if horizontal:
                    d.line([(x + 3 + i, y + 4 - i), (x + 3 + i, y + 4 + i)], fill=arrow[row])
                    d.line([(x + 14 - i, y + 4 - i), (x + 14 - i, y + 4 + i)], fill=arrow[row])
                else:
                    d.line([(x + 4 - i, y + 3 + i), (x + 4 + i, y + 3 + i)], fill=arrow[row])
                    d.line([(x + 13 - i, y + 6 - i), (x + 13 + i, y + 6 - i)], fill=arrow[row])
            tx = x + 18
            if horizontal:
                d.rectangle([tx, y + 2, tx + 8, y + 6], fill=thumb[row])
                d.line([(tx + 9, y + 4), (tx + 17, y + 4)], fill=(26, 26, 26))
            else:
                d.rectangle([tx + 2, y, tx + 6, y + 8], fill=thumb[row])
                d.line([(tx + 13, y), (tx + 13, y + 8)], fill=(26, 26, 26))
    return img


def submenu_arrow():
    """Drawn with black as the transparent colour, so the background is black."""
    img = Image.new("RGB", (13, 17), (0, 0, 0))
    ImageDraw.Draw(img).polygon([(4, 4), (9, 8), (4, 12)], fill=ACCENT)
    return img


def pick_cursor():
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([4, 4, 27, 27], outline=(255, 255, 255, 255), width=2)
    d.line([(16, 0), (16, 31)], fill=(0, 0, 0, 255), width=1)
    d.line([(0, 16), (31, 16)], fill=(0, 0, 0, 255), width=1)
    return img


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "program.ico"), "wb") as f:
        f.write(icon_file([program_icon(32), program_icon(16), program_icon(48)]))
    with open(os.path.join(out, "pick.cur"), "wb") as f:
        f.write(icon_file([pick_cursor()], cursor_hotspot=(16, 16)))
    scroll_bar_skin().save(os.path.join(out, "scrollbar.bmp"))
    submenu_arrow().save(os.path.join(out, "submenu_arrow.bmp"))


if __name__ == "__main__":
    main()
