"""Drawing primitives of the skin: colours, fonts, anti-aliased shapes, icons.

Shapes are drawn four times larger and scaled down, which gives smooth edges
without depending on anything but Pillow. Every routine is deterministic."""
import math
import os

from PIL import Image, ImageDraw, ImageFont

ACCENT = (1, 204, 236)
ACCENT_DEEP = (0, 120, 150)
WHITE = (255, 255, 255)
TEXT = (208, 208, 208)
MUTED = (135, 135, 135)
INK = (8, 8, 8)            # deepest background (lists, rows)
PANEL = (20, 20, 19)       # side panels
RAISED = (30, 29, 27)      # buttons, cards
RAISED_HI = (48, 47, 45)   # hover
LINE = (46, 46, 44)        # hairlines and borders
DIVIDER = (26, 26, 26)
RED = (232, 52, 64)

SS = 4  # supersampling factor
DROPDOWN_ARROW = 27  # a drop-down's arrow and its divider take this much of the right edge
FUNCTION_ARROW = 28  # the same on the button page's function plates

_FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/TTF",
              "/usr/share/fonts/dejavu"]
_FONT_FILES = {False: "DejaVuSans.ttf", True: "DejaVuSans-Bold.ttf"}
_font_cache = {}


def font(size, bold=False):
    """DejaVu Sans when installed (fonts-dejavu-core); Pillow's own font otherwise."""
    key = (size, bold)
    if key not in _font_cache:
        f = None
        for d in _FONT_DIRS:
            path = os.path.join(d, _FONT_FILES[bold])
            if os.path.exists(path):
                f = ImageFont.truetype(path, size)
                break
        if f is None:
            try:
                f = ImageFont.load_default(size)
            except TypeError:  # Pillow before 10.1 has a single bitmap size
                f = ImageFont.load_default()
        _font_cache[key] = f
    return _font_cache[key]


def printable(text, f):
    """Pillow's own bitmap font, the fallback, knows Latin-1 only."""
    if isinstance(f, ImageFont.FreeTypeFont):
        return text
    return text.encode("latin-1", "replace").decode("latin-1")


_EM_REFERENCE = 2048  # a size large enough that the face's metrics come out unrounded


def gdi_font(height, bold=False):
    """The font a GDI call with this cell height (a positive lfHeight) gives:
    the cell is the face's ascent plus descent, so the em size is the height
    scaled by the em over that sum, rounded to whole pixels as GDI does."""
    reference = font(_EM_REFERENCE, bold)
    if not isinstance(reference, ImageFont.FreeTypeFont):
        return reference
    ascent, descent = reference.getmetrics()
    return font(max(1, round(height * _EM_REFERENCE / (ascent + descent))), bold)


def gdi_text_width(text, height, bold=False):
    """The width GDI gives a line of text (GetTextExtentPoint32): every
    character advances by its own width rounded to whole pixels, without kerning."""
    f = gdi_font(height, bold)
    if not isinstance(f, ImageFont.FreeTypeFont):
        raise RuntimeError("DejaVu Sans is missing (Debian package fonts-dejavu-core): "
                           "captions cannot be measured")
    return sum(round(f.getlength(ch)) for ch in text)


def text_size(draw, text, f):
    box = draw.textbbox((0, 0), text, font=f)
    return box[2] - box[0], box[3] - box[1], box


def draw_text(img, rect, text, f, fill=WHITE, align="center", valign="center"):
    """Draws one line of text into rect = (x, y, w, h)."""
    d = ImageDraw.Draw(img)
    x, y, w, h = rect
    text = printable(text, f)
    tw, th, box = text_size(d, text, f)
    if align == "center":
        tx = x + (w - tw) / 2
    elif align == "right":
        tx = x + w - tw
    else:
        tx = x
    if hasattr(f, "getmetrics"):
        line_h = sum(f.getmetrics())
    else:  # Pillow's bitmap font
        line_h = th
    ty = y + (h - line_h) / 2 if valign == "center" else y
    d.text((round(tx - box[0]), round(ty)), text, font=f, fill=fill)


class Layer:
    """An RGBA drawing surface SS times larger than (w, h); paste() scales it down."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def _s(v):
        return v * SS

    def rrect(self, box, r, fill=None, outline=None, width=1):
        x0, y0, x1, y1 = [self._s(v) for v in box]
        self.d.rounded_rectangle([x0, y0, x1 - 1, y1 - 1], radius=r * SS, fill=fill,
                                 outline=outline, width=round(width * SS) if outline else 0)

    def chamfer(self, box, c, fill=None, outline=None, width=1):
        x0, y0, x1, y1 = [self._s(v) for v in box]
        c = c * SS
        pts = [(x0 + c, y0), (x1, y0), (x1, y1 - c), (x1 - c, y1), (x0, y1), (x0, y0 + c)]
        self.d.polygon(pts, fill=fill)
        if outline:
            self.d.line(pts + [pts[0]], fill=outline, width=width * SS, joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1):
        x0, y0, x1, y1 = [self._s(v) for v in box]
        self.d.ellipse([x0, y0, x1 - 1, y1 - 1], fill=fill, outline=outline,
                       width=round(width * SS) if outline else 0)

    def polygon(self, pts, fill):
        self.d.polygon([(self._s(x), self._s(y)) for x, y in pts], fill=fill)

    def line(self, pts, fill, width=1):
        self.d.line([(self._s(x), self._s(y)) for x, y in pts], fill=fill, width=round(width * SS),
                    joint="curve")

    def image(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)

    def paste(self, target, x, y):
        small = self.image()
        base = target.convert("RGBA") if target.mode != "RGBA" else target
        region = base.crop((x, y, x + self.w, y + self.h))
        region.alpha_composite(small)
        if target.mode == "RGBA":
            target.paste(region, (x, y))
        else:
            target.paste(region.convert(target.mode), (x, y))


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def vgradient(w, h, top, bottom):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w, y)], fill=mix(top, bottom, y / max(1, h - 1)))
    return img


# Icons, drawn into a Layer at (x, y) inside a box of size s.

def icon(layer, kind, box, color):
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    s = min(x1 - x0, y1 - y0)
    k = s / 2
    w = max(1.5, s / 10)
    if kind == "close":
        r = k * 0.42
        layer.line([(cx - r, cy - r), (cx + r, cy + r)], color, w)
        layer.line([(cx - r, cy + r), (cx + r, cy - r)], color, w)
    elif kind == "minimise":
        r = k * 0.45
        layer.line([(cx - r, cy + r * 0.2), (cx + r, cy + r * 0.2)], color, w)
    elif kind == "plus":
        r = k * 0.45
        layer.line([(cx - r, cy), (cx + r, cy)], color, w)
        layer.line([(cx, cy - r), (cx, cy + r)], color, w)
    elif kind == "trash":
        r = k * 0.42
        layer.line([(cx - r, cy - r * 0.6), (cx + r, cy - r * 0.6)], color, w)
        layer.line([(cx - r * 0.3, cy - r * 0.9), (cx + r * 0.3, cy - r * 0.9)], color, w)
        layer.polygon([(cx - r * 0.75, cy - r * 0.4), (cx + r * 0.75, cy - r * 0.4),
                       (cx + r * 0.55, cy + r), (cx - r * 0.55, cy + r)], color)
    elif kind == "dots":  # horizontal ellipsis
        r = max(1.3, s / 14)
        for dx in (-k * 0.45, 0, k * 0.45):
            layer.ellipse((cx + dx - r, cy - r, cx + dx + r, cy + r), fill=color)
    elif kind == "vdots":
        r = max(1.3, s / 14)
        for dy in (-k * 0.45, 0, k * 0.45):
            layer.ellipse((cx - r, cy + dy - r, cx + r, cy + dy + r), fill=color)
    elif kind in ("down", "up", "left", "right"):
        r = k * 0.42
        pts = {"down": [(cx - r, cy - r * 0.5), (cx + r, cy - r * 0.5), (cx, cy + r * 0.6)],
               "up": [(cx - r, cy + r * 0.5), (cx + r, cy + r * 0.5), (cx, cy - r * 0.6)],
               "left": [(cx + r * 0.5, cy - r), (cx + r * 0.5, cy + r), (cx - r * 0.6, cy)],
               "right": [(cx - r * 0.5, cy - r), (cx - r * 0.5, cy + r), (cx + r * 0.6, cy)]}[kind]
        layer.polygon(pts, color)
    elif kind == "chevron":
        r = k * 0.32
        layer.line([(cx - r, cy - r * 0.45), (cx, cy + r * 0.45), (cx + r, cy - r * 0.45)],
                   color, w)
    elif kind == "gear":
        ro, ri = k * 0.8, k * 0.58
        pts = []
        for i in range(32):
            a = math.pi * 2 * i / 32
            rr = ro if (i // 2) % 2 == 0 else ri
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        layer.polygon(pts, color)
        layer.ellipse((cx - k * 0.26, cy - k * 0.26, cx + k * 0.26, cy + k * 0.26),
                      fill=(0, 0, 0, 0))
    elif kind == "record":
        layer.ellipse((cx - k * 0.5, cy - k * 0.5, cx + k * 0.5, cy + k * 0.5), fill=color)
    elif kind == "import":
        r = k * 0.45
        layer.line([(cx, cy - r), (cx, cy + r * 0.3)], color, w)
        layer.polygon([(cx - r * 0.5, cy), (cx + r * 0.5, cy), (cx, cy + r * 0.6)], color)
        layer.line([(cx - r, cy + r), (cx + r, cy + r)], color, w)
    elif kind == "export":
        r = k * 0.45
        layer.line([(cx, cy + r * 0.5), (cx, cy - r * 0.2)], color, w)
        layer.polygon([(cx - r * 0.5, cy - r * 0.1), (cx + r * 0.5, cy - r * 0.1),
                       (cx, cy - r * 0.8)], color)
        layer.line([(cx - r, cy + r), (cx + r, cy + r)], color, w)
    elif kind == "pencil":
        r = k * 0.5
        layer.line([(cx - r * 0.7, cy + r * 0.7), (cx + r * 0.6, cy - r * 0.6)], color, w * 1.6)
    else:
        raise ValueError(kind)
