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
    """Four 27 x 27 cells (up arrow, down arrow, thumb) over a track strip, 81 x 27."""
    img = Image.new("RGB", (81, 27), DARK)
    d = ImageDraw.Draw(img)
    d.polygon([(8, 17), (13, 9), (18, 17)], fill=ACCENT)          # up
    d.polygon([(35, 9), (40, 17), (45, 9)], fill=ACCENT)          # down
    d.rounded_rectangle([58, 3, 76, 23], radius=4, fill=(90, 90, 90))  # thumb
    return img


def submenu_arrow():
    img = Image.new("RGB", (13, 17), (255, 255, 255))
    ImageDraw.Draw(img).polygon([(3, 3), (10, 8), (3, 13)], fill=ACCENT)
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
