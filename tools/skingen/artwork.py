"""Pictures of the skin that are not cut from sheets: the default background,
frame, logo, mouse and lighting pictures, profile picture, image-file buttons,
menus, list icons, masks and the slider thumb."""
import math

from PIL import Image, ImageDraw, ImageFilter

from paint import (ACCENT, ACCENT_DEEP, FUNCTION_ARROW, INK, LINE, RAISED_HI, WHITE, Layer,
                   draw_text, font, icon, printable, rgba, vgradient)

RIGHT_PANEL = (18, 18, 17)
LEFT_PANEL_TOP, LEFT_PANEL_BOTTOM = (24, 24, 23), (14, 14, 13)


def background_default(w, h):
    """Dark carbon backdrop with a soft cyan glow: the default window background."""
    img = vgradient(w, h, (26, 28, 30), (10, 10, 10)).convert("RGBA")
    glow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    gd = ImageDraw.Draw(glow)
    gd.ellipse([w * 0.15, -h * 0.35, w * 0.85, h * 0.45], fill=(1, 204, 236, 34))
    glow = glow.filter(ImageFilter.GaussianBlur(90))
    img.alpha_composite(glow)
    # fine diagonal carbon weave
    weave = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    wd = ImageDraw.Draw(weave)
    for x in range(-h, w, 6):
        wd.line([(x, 0), (x + h, h)], fill=(255, 255, 255, 5), width=1)
    img.alpha_composite(weave)
    # two faint speed lines
    lines = Layer(w, h)
    lines.line([(0, h * 0.78), (w, h * 0.62)], (1, 204, 236, 40), 1.2)
    lines.line([(0, h * 0.83), (w, h * 0.70)], (1, 204, 236, 22), 1.0)
    img.alpha_composite(lines.image())
    return img.convert("RGB")


def frame_overlay(w, h, panel_left_x):
    """Frame drawn over the background picture: shadows at the edges, the start of
    the right panel and corner brackets around the page area."""
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for i in range(24):  # shadow along the left panel
        d.line([(i, 0), (i, h)], fill=(0, 0, 0, round(120 * (1 - i / 24))))
    for i in range(24):  # shadow before the right panel
        x = panel_left_x - 1 - i
        d.line([(x, 0), (x, h)], fill=(0, 0, 0, round(120 * (1 - i / 24))))
    # the right panel's first pixels, in the colour the black veil turns into the panel's
    lift = tuple(min(255, round(c * 255 / 225)) for c in RIGHT_PANEL)
    d.rectangle([panel_left_x, 0, w, h], fill=lift + (255,))
    for y in range(70):  # top and bottom vignettes
        a = round(110 * (1 - y / 70))
        d.line([(24, y), (panel_left_x - 25, y)], fill=(0, 0, 0, a))
        d.line([(24, h - 1 - y), (panel_left_x - 25, h - 1 - y)], fill=(0, 0, 0, a))
    return img


def brackets(layer, box, length, color, width=2):
    x0, y0, x1, y1 = box
    for (cx, cy, dx, dy) in ((x0, y0, 1, 1), (x1, y0, -1, 1), (x0, y1, 1, -1), (x1, y1, -1, -1)):
        layer.line([(cx + dx * length, cy), (cx, cy), (cx, cy + dy * length)], color, width)


def wing_mark(layer, x, y, s, color):
    """The Kestrelon mark: a stylised wing."""
    layer.polygon([(x, y + s * 0.72), (x + s * 0.5, y), (x + s, y + s * 0.72),
                   (x + s * 0.5, y + s * 0.5)], color)
    layer.line([(x + s * 0.12, y + s * 0.92), (x + s * 0.88, y + s * 0.92)], color, s * 0.08)


def logo(w, h):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    lay = Layer(w, h)
    wing_mark(lay, 2, 4, 32, rgba(ACCENT))
    img.alpha_composite(lay.image())
    d = ImageDraw.Draw(img)
    f = font(23, True)
    d.text((46, 6), "KESTRELON", font=f, fill=WHITE)
    x = 46 + d.textlength("KESTRELON", font=f) + 8
    d.text((x, 6), "R58", font=f, fill=ACCENT)
    return img


def profile_default(w, h):
    img = vgradient(w, h, (34, 36, 38), (12, 12, 12)).convert("RGBA")
    lay = Layer(w, h)
    s = h * 0.5
    wing_mark(lay, (w - s) / 2, (h - s) / 2 - 4, s, rgba(ACCENT))
    brackets(lay, (8, 8, w - 8, h - 8), 14, (255, 255, 255, 60), 2)
    img.alpha_composite(lay.image())
    return img.convert("RGB")


MOUSE_OUTLINE = [(125, 20), (166, 28), (194, 64), (208, 124), (213, 196), (211, 266), (196, 326),
                 (162, 360), (125, 368), (88, 362), (54, 334), (40, 286), (42, 246), (36, 204),
                 (30, 150), (38, 88), (60, 40), (90, 25)]
MOUSE_CALLOUTS = {  # number -> centre of its badge on the mouse picture (250 x 380)
    "1": (84, 104), "2": (166, 104), "3": (125, 44), "6": (125, 146), "5": (20, 196),
    "4": (20, 250),
}


def smooth(points, steps=12):
    """A closed Catmull-Rom curve through the points."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        for k in range(steps):
            t = k / steps
            out.append(tuple(0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t +
                                    (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t * t +
                                    (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t ** 3)
                             for j in range(2)))
    return out


def mouse_picture(w, h):
    """Top view of the R58 with its six programmable buttons numbered as the rows are."""
    body = smooth(MOUSE_OUTLINE)
    cx = 125
    shadow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).polygon([(x + 5, y + 9) for x, y in body], fill=(0, 0, 0, 150))
    shadow = shadow.filter(ImageFilter.GaussianBlur(8))
    lay = Layer(w, h)
    lay.polygon(body, (30, 30, 30, 255))
    lay.polygon([(cx + (x - cx) * 0.94, 196 + (y - 196) * 0.96) for x, y in body], (46, 46, 45, 255))
    lay.polygon([(cx + (x - cx) * 0.80, 230 + (y - 230) * 0.70) for x, y in body], (40, 40, 39, 255))
    # buttons: the split and the edge of the two main buttons
    lay.line([(cx, 22), (cx, 168)], (14, 14, 14, 255), 3)
    lay.line(smooth([(38, 170), (80, 178), (125, 181), (170, 178), (212, 170), (125, 176)], 8)[:30],
             (18, 18, 18, 255), 3)
    # wheel and the top button behind it
    lay.rrect((cx - 10, 60, cx + 10, 114), 9, fill=(16, 16, 16, 255), outline=rgba(ACCENT), width=2)
    for yy in range(68, 108, 6):
        lay.line([(cx - 5, yy), (cx + 5, yy)], (76, 76, 76, 255), 1)
    lay.rrect((cx - 8, 128, cx + 8, 164), 5, fill=(20, 20, 20, 255), outline=(110, 110, 110, 255))
    # side buttons on the thumb side: 5 to the front, 4 behind it
    for y0 in (176, 230):
        lay.rrect((33, y0, 45, y0 + 40), 5, fill=(24, 24, 24, 255), outline=(120, 120, 118, 255))
    # lit logo strip on the palm
    lay.rrect((cx - 24, 300, cx + 24, 306), 3, fill=rgba(ACCENT))
    glow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(glow).rounded_rectangle([cx - 34, 292, cx + 34, 314], 8, fill=(1, 204, 236, 140))
    glow = glow.filter(ImageFilter.GaussianBlur(9))
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    out.alpha_composite(shadow)
    out.alpha_composite(lay.image())
    out.alpha_composite(glow)
    # numbered badges, with short leaders to the side buttons
    lay = Layer(w, h)
    for num, (x, y) in MOUSE_CALLOUTS.items():
        if num in ("4", "5"):
            lay.line([(x + 10, y), (34, y)], rgba(ACCENT), 1.5)
        lay.ellipse((x - 11, y - 11, x + 11, y + 11), fill=(8, 8, 8, 240), outline=rgba(ACCENT), width=2)
    out.alpha_composite(lay.image())
    f = font(13, True)
    for num, (x, y) in MOUSE_CALLOUTS.items():
        draw_text(out, (x - 11, y - 11, 22, 22), num, f, WHITE)
    return out


def light_picture(w, h, labels, side_box):
    """Overlay of the lighting page: R, G and B labels and the lit mouse from the side.
    labels: (text, x, y) in picture coordinates; side_box: where the mouse goes."""
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    f = font(13, True)
    d = ImageDraw.Draw(out)
    for text, x, y in labels:
        d.text((x, y), text, font=f, fill=(160, 160, 160, 255))
    bx, by, bw, bh = side_box
    base = bh - 30
    profile = [(22, base), (22, base - 16), (36, base - 36), (80, base - 58), (150, base - 78),
               (210, base - 70), (250, base - 40), (262, base - 14), (258, base)]
    curve = smooth(profile, 10)
    lay = Layer(bw, bh)
    lay.polygon(curve, (36, 36, 36, 255))
    lay.polygon([(x, y + 6) for x, y in curve if y < base - 8] + [(250, base - 4), (30, base - 4)],
                (44, 44, 43, 255))
    lay.line([(60, base - 46), (64, base - 28)], (18, 18, 18, 255), 2)   # button edge
    lay.rrect((104, base - 40, 128, base - 28), 5, fill=(24, 24, 24, 255),
              outline=(120, 120, 118, 255))                               # side button
    lay.rrect((140, base - 40, 164, base - 28), 5, fill=(24, 24, 24, 255),
              outline=(120, 120, 118, 255))
    lay.line([(22, base + 1), (266, base + 1)], rgba(ACCENT), 3)
    img = lay.image()
    glow = Image.new("RGBA", (bw, bh), (0, 0, 0, 0))
    ImageDraw.Draw(glow).rectangle([24, base - 4, bw - 24, base + 12], fill=(1, 204, 236, 150))
    glow = glow.filter(ImageFilter.GaussianBlur(8))
    side = Image.new("RGBA", (bw, bh), (0, 0, 0, 0))
    side.alpha_composite(glow)
    side.alpha_composite(img)
    out.alpha_composite(side, (bx, by))
    return out


# --- image-file buttons: each returns {state: RGBA image}

STATES = ("normal", "over", "down", "disable")


def function_button(w, h):
    faces = {}
    for st in STATES:
        lay = Layer(w, h)
        fill, edge, chev = {
            "normal": ((24, 24, 24, 240), (70, 70, 68, 255), (170, 170, 170, 255)),
            "over": ((38, 38, 37, 248), rgba(ACCENT), (255, 255, 255, 255)),
            "down": ((0, 82, 100, 250), rgba(ACCENT), (255, 255, 255, 255)),
            "disable": ((20, 20, 20, 200), (44, 44, 44, 255), (80, 80, 80, 255)),
        }[st]
        lay.rrect((0, 0, w, h), 5, fill=fill, outline=edge, width=1)
        lay.line([(w - FUNCTION_ARROW, 8), (w - FUNCTION_ARROW, h - 8)], (70, 70, 70, 255), 1)
        icon(lay, "chevron", (w - 26, 0, w - 2, h), chev)
        faces[st] = lay.image()
    return faces


def label_plate(w, h):
    faces = {}
    for st in STATES:
        lay = Layer(w, h)
        hot = st in ("over", "down")
        lay.rrect((0, 2, w - 14, h - 2), (h - 4) // 2,
                  fill=(30, 30, 29, 230) if not hot else (36, 44, 46, 240),
                  outline=(62, 62, 60, 255) if not hot else rgba(ACCENT), width=1)
        col = (90, 90, 90, 255) if not hot else rgba(ACCENT)
        if st == "disable":
            col = (50, 50, 50, 255)
        lay.line([(w - 13, h / 2), (w - 2, h / 2)], col, 1.5)
        faces[st] = lay.image()
    return faces


def badge(w, h):
    faces = {}
    for st in STATES:
        lay = Layer(w, h)
        if st in ("over", "down"):
            lay.ellipse((1, 1, w - 1, h - 1), fill=rgba(ACCENT_DEEP), outline=rgba(ACCENT), width=2)
        elif st == "disable":
            lay.ellipse((1, 1, w - 1, h - 1), fill=(16, 16, 16, 230), outline=(60, 60, 60, 255), width=2)
        else:
            lay.ellipse((1, 1, w - 1, h - 1), fill=(8, 8, 8, 235), outline=rgba(ACCENT), width=2)
        faces[st] = lay.image()
    return faces


def switch(w, h, on):
    faces = {}
    for st in STATES:
        lay = Layer(w, h)
        if on:
            track = {"normal": ACCENT_DEEP, "over": (0, 150, 180), "down": (0, 100, 124),
                     "disable": (30, 50, 56)}[st]
            edge = ACCENT if st != "disable" else (40, 60, 66)
        else:
            track = {"normal": (40, 40, 40), "over": (52, 52, 52), "down": (34, 34, 34),
                     "disable": (28, 28, 28)}[st]
            edge = (80, 80, 80) if st != "over" else (150, 150, 150)
        lay.rrect((0, 0, w, h), h // 2, fill=rgba(track), outline=rgba(edge), width=1)
        r = h / 2 - 4
        kx = w - h / 2 if on else h / 2
        knob = (255, 255, 255, 255) if st != "disable" else (110, 110, 110, 255)
        lay.ellipse((kx - r, h / 2 - r, kx + r, h / 2 + r), fill=knob)
        faces[st] = lay.image()
    return faces


def settings_button(w, h):
    """Opaque, on the right panel's colour."""
    faces = {}
    for st in STATES:
        img = Image.new("RGBA", (w, h), rgba(RIGHT_PANEL))
        lay = Layer(w, h)
        col = (170, 170, 170, 255)
        if st == "over":
            lay.rrect((0, 0, w, h), 4, fill=rgba(RAISED_HI))
            col = (255, 255, 255, 255)
        elif st == "down":
            lay.rrect((0, 0, w, h), 4, fill=rgba(ACCENT_DEEP))
            col = (255, 255, 255, 255)
        elif st == "disable":
            col = (70, 70, 70, 255)
        icon(lay, "gear", (w / 2 - 9, h / 2 - 9, w / 2 + 9, h / 2 + 9), col)
        img.alpha_composite(lay.image())
        faces[st] = img
    return faces


# --- menus

def menu_faces(w, rh, rows, top, kinds=("normal", "over")):
    h = top + rows * rh
    faces = {}
    for kind in kinds:
        img = Image.new("RGB", (w, h), (22, 22, 21))
        lay = Layer(w, h)
        for i in range(rows):
            y0 = top + i * rh
            if kind == "over":
                lay.rrect((3, y0 + 2, w - 3, y0 + rh - 2), 3, fill=(40, 46, 48, 255))
                lay.rrect((3, y0 + 5, 6, y0 + rh - 5), 1, fill=rgba(ACCENT))
            elif kind == "down":
                lay.rrect((3, y0 + 2, w - 3, y0 + rh - 2), 3, fill=(0, 84, 102, 255))
            else:
                lay.line([(10, y0 + rh - 0.5), (w - 10, y0 + rh - 0.5)], (38, 38, 37, 255), 1)
        lay.rrect((0, top, w, h), 4, outline=(64, 64, 62, 255), width=1)
        lay.line([(4, top + 0.5), (w - 4, top + 0.5)], rgba(ACCENT), 1)
        base = img.convert("RGBA")
        base.alpha_composite(lay.image())
        faces[kind] = base.convert("RGB")
    return faces


def menu_outline(w, rh, rows, top, notch_x):
    """Outline of a menu with a notch pointing up at its opener: black inside."""
    h = top + rows * rh
    img = Image.new("RGB", (w, h), (255, 255, 255))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, top, w - 1, h - 1], radius=4, fill=(0, 0, 0))
    d.polygon([(notch_x - top - 1, top), (notch_x, 0), (notch_x + top + 1, top)], fill=(0, 0, 0))
    return img


def menu_notch(img, top, notch_x):
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, img.width, top - 1], fill=(255, 255, 255))
    d.polygon([(notch_x - top - 1, top), (notch_x, 0), (notch_x + top + 1, top)], fill=ACCENT)


# --- small pictures

def list_icon(kind, s=14):
    lay = Layer(s, s)
    if kind == "press":
        lay.line([(s / 2, 1), (s / 2, s - 5)], rgba(ACCENT), 2)
        lay.polygon([(s / 2 - 4, s - 8), (s / 2 + 4, s - 8), (s / 2, s - 3)], rgba(ACCENT))
        lay.line([(2, s - 1.5), (s - 2, s - 1.5)], rgba(ACCENT), 1.6)
    elif kind == "release":
        lay.line([(s / 2, s - 3), (s / 2, 5)], (200, 200, 200, 255), 2)
        lay.polygon([(s / 2 - 4, 7), (s / 2 + 4, 7), (s / 2, 1)], (200, 200, 200, 255))
        lay.line([(2, s - 1.5), (s - 2, s - 1.5)], (200, 200, 200, 255), 1.6)
    else:
        lay.ellipse((1, 1, s - 1, s - 1), outline=(255, 176, 32, 255), width=1.6)
        lay.line([(s / 2, 3.5), (s / 2, s / 2), (s - 4, s / 2)], (255, 176, 32, 255), 1.5)
    return lay.image()


def more_button(state, w=16, h=22):
    img = Image.new("RGB", (w, h), INK)
    lay = Layer(w, h)
    col = {"n": (150, 150, 150, 255), "o": (255, 255, 255, 255), "p": rgba(ACCENT)}[state]
    if state == "o":
        lay.rrect((0, 0, w, h), 3, fill=(36, 36, 36, 255))
    if state == "p":
        lay.rrect((0, 0, w, h), 3, fill=(0, 60, 74, 255))
    icon(lay, "vdots", (0, 0, w, h), col)
    base = img.convert("RGBA")
    base.alpha_composite(lay.image())
    return base.convert("RGB")


def ball(s):
    lay = Layer(s, s)
    lay.ellipse((0, 0, s, s), fill=(0, 0, 0, 90))
    lay.ellipse((1, 1, s - 1, s - 1), fill=(245, 245, 245, 255), outline=rgba(ACCENT), width=2)
    lay.ellipse((s / 2 - 2.5, s / 2 - 2.5, s / 2 + 2.5, s / 2 + 2.5), fill=rgba(ACCENT))
    return lay.image()


def tip_shape(w, h, body_h):
    """The value tip: a rounded bubble with a pointer down to the slider thumb."""
    lay = Layer(w, h)
    lay.rrect((0, 0, w, body_h), 6, fill=(0, 0, 0, 255))
    lay.polygon([(w / 2 - 6, body_h - 1), (w / 2 + 6, body_h - 1), (w / 2, h)], (0, 0, 0, 255))
    return lay.image()


def binary_mask(shape_rgba):
    """A mask picture: black where the shape is, pure white outside."""
    a = shape_rgba.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    img = Image.new("RGB", shape_rgba.size, (255, 255, 255))
    img.paste((0, 0, 0), mask=a)
    return img


def shape_circle(w, h):
    lay = Layer(w, h)
    lay.ellipse((0, 0, w, h), fill=(0, 0, 0, 255))
    return lay.image()


def shape_pill(w, h):
    lay = Layer(w, h)
    lay.rrect((0, 0, w, h), h // 2, fill=(0, 0, 0, 255))
    return lay.image()


def shape_chamfer(w, h, c):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(img).polygon([(c, 0), (w - 1, 0), (w - 1, h - 1 - c), (w - 1 - c, h - 1),
                                 (0, h - 1), (0, c)], fill=(0, 0, 0, 255))
    return img


def recoil_chart(w, h):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    lay = Layer(w, h)
    lay.rrect((0, 0, w, h), 8, fill=(12, 12, 12, 230), outline=rgba(LINE), width=1)
    cx, cy = w * 0.5, h * 0.42
    for r in (10, 22):
        lay.ellipse((cx - r, cy - r, cx + r, cy + r), outline=(200, 200, 200, 180), width=1.2)
    lay.line([(cx - 34, cy), (cx - 12, cy)], (200, 200, 200, 180), 1.2)
    lay.line([(cx + 12, cy), (cx + 34, cy)], (200, 200, 200, 180), 1.2)
    # spray without compensation: climbs and drifts
    pts = [(cx + 14 * math.sin(i * 0.55) + i * 1.5, cy - i * 8.5) for i in range(1, 12)]
    for x, y in pts:
        if y > 8:
            lay.ellipse((x - 3, y - 3, x + 3, y + 3), fill=(232, 52, 64, 200))
    # compensation: the pull that holds the spray on target
    path = [(cx, cy + 30 + i * 10) for i in range(0, 9)]
    lay.line([(cx - 6 * math.sin(i * 0.55), y) for i, (x, y) in enumerate(path)], rgba(ACCENT), 2.5)
    end = path[-1]
    lay.polygon([(end[0] - 7, end[1] - 4), (end[0] + 7, end[1] - 4), (end[0], end[1] + 8)], rgba(ACCENT))
    img.alpha_composite(lay.image())
    return img


def recoil_steps(w, h):
    """How a pattern works, without words: each shot waits its interval, then the
    mouse is pulled by a horizontal and a vertical step."""
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    lay = Layer(w, h)
    lay.rrect((0, 0, w, h), 8, fill=(14, 14, 14, 255), outline=rgba(LINE), width=1)
    y = 64
    xs = [70 + i * 120 for i in range(5)]
    lay.line([(30, y), (w - 30, y)], (70, 70, 68, 255), 1.5)
    moves = [(-14, 58), (8, 70), (-6, 50), (12, 64), (-4, 40)]
    for i, x in enumerate(xs):
        if i + 1 < len(xs):  # interval bracket
            x1 = xs[i + 1]
            lay.line([(x + 10, y - 24), (x + 10, y - 30), (x1 - 10, y - 30), (x1 - 10, y - 24)],
                     (120, 120, 118, 255), 1.2)
        lay.rrect((x - 9, y - 5, x + 9, y + 5), 4, fill=rgba(ACCENT))
        dx, dy = moves[i]
        lay.line([(x, y + 14), (x + dx, y + 14 + dy)], (232, 52, 64, 255), 2.2)
        ex, ey = x + dx, y + 14 + dy
        lay.polygon([(ex - 6, ey - 6), (ex + 6, ey - 6), (ex, ey + 5)], (232, 52, 64, 255))
    # legend: interval, horizontal and vertical steps with their ranges
    ly = h - 58
    lay.line([(30, ly - 14), (w - 30, ly - 14)], (40, 40, 38, 255), 1)
    lay.rrect((40, ly + 8, 58, ly + 18), 4, fill=rgba(ACCENT))
    lay.line([(230, ly + 13), (262, ly + 13)], (232, 52, 64, 255), 2.2)
    lay.polygon([(226, ly + 13), (234, ly + 7), (234, ly + 19)], (232, 52, 64, 255))
    lay.polygon([(266, ly + 13), (258, ly + 7), (258, ly + 19)], (232, 52, 64, 255))
    lay.line([(430, ly), (430, ly + 22)], (232, 52, 64, 255), 2.2)
    lay.polygon([(424, ly + 20), (436, ly + 20), (430, ly + 28)], (232, 52, 64, 255))
    out.alpha_composite(lay.image())
    d = ImageDraw.Draw(out)
    f = font(14)
    for i in range(4):
        x0, x1 = xs[i] + 10, xs[i + 1] - 10
        tw = d.textlength("ms", font=f)
        d.text(((x0 + x1 - tw) / 2, y - 50), "ms", font=f, fill=(150, 150, 148, 255))
    d.text((68, ly + 4), printable("0 … 999 ms", f), font=f, fill=(200, 200, 198, 255))
    d.text((276, ly + 4), printable("−50 … 50", f), font=f, fill=(200, 200, 198, 255))
    d.text((446, ly + 4), printable("−50 … 0", f), font=f, fill=(200, 200, 198, 255))
    return out


def colour_wheel(s):
    """Hue around the centre, white at the centre, full colour at the rim; transparent
    outside the disc, with a one-pixel soft edge."""
    import colorsys
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    px = img.load()
    c = (s - 1) / 2
    r = s / 2 - 1
    for y in range(s):
        for x in range(s):
            dx, dy = x - c, y - c
            d = math.hypot(dx, dy)
            if d > r + 1:
                continue
            hue = (math.atan2(-dy, dx) / (2 * math.pi)) % 1.0
            rr, gg, bb = colorsys.hsv_to_rgb(hue, min(1.0, d / r), 1.0)
            a = 255 if d <= r else round(255 * (r + 1 - d))
            px[x, y] = (round(rr * 255), round(gg * 255), round(bb * 255), a)
    return img


def spectrum(w, h):
    """Hue left to right; white at the top, full colour in the middle, black at the bottom."""
    import colorsys
    img = Image.new("RGB", (w, h))
    px = img.load()
    for x in range(w):
        hue = x / (w - 1) if x < w - 12 else None
        for y in range(h):
            t = y / (h - 1)
            if hue is None:  # greys at the right end
                g = round(255 * (1 - t))
                px[x, y] = (g, g, g)
                continue
            rr, gg, bb = colorsys.hsv_to_rgb(hue * 0.97, 1.0, 1.0)
            base = (rr * 255, gg * 255, bb * 255)
            if t < 0.5:
                k = t / 0.5
                col = tuple(255 + (c - 255) * k for c in base)
            else:
                k = (t - 0.5) / 0.5
                col = tuple(c * (1 - k) for c in base)
            px[x, y] = tuple(round(c) for c in col)
    return img
