#!/usr/bin/python3
"""Generates the program's skin from the layout description: both skin files
(Lan\\skin_En.ini, Lan\\skin_Cs.ini) and every image under skins\\.

Usage: skingen.py PROGRAM_FOLDER [--contact FOLDER]

Nothing is written when a caption does not fit where the program draws it
(captions.py): the exit status is then 1 and each such caption is named.

The output is the same byte for byte on every run: no time stamps, fixed JPEG
settings, PNG files without time chunks."""
import argparse
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import artwork  # noqa: E402
import captions  # noqa: E402
import layout  # noqa: E402
import texts  # noqa: E402
from paint import (ACCENT, ACCENT_DEEP, DROPDOWN_ARROW, LINE, RAISED, RAISED_HI, RED,  # noqa: E402
                   Layer, icon, rgba, vgradient)

SHEET_STATES = (("Main", "main"), ("Over", "over"), ("Down", "down"), ("Disabled", "disabled"))
LANGS = (("En", 0), ("Cs", 1))


class Output:
    """Writes files below the program folder; paths use backslashes as the skin files do."""

    def __init__(self, root):
        self.root = root
        self.written = []

    def path(self, rel):
        p = os.path.join(self.root, *rel.split("\\"))
        os.makedirs(os.path.dirname(p), exist_ok=True)
        self.written.append(rel)
        return p

    def jpeg(self, rel, img):
        img.convert("RGB").save(self.path(rel), "JPEG", quality=95, subsampling=0,
                                optimize=False, progressive=False)

    def png(self, rel, img):
        img.save(self.path(rel), "PNG", optimize=False, compress_level=9)

    def bmp(self, rel, img):
        img.convert("RGB").save(self.path(rel), "BMP")

    def text(self, rel, content):
        data = "\ufeff" + content.replace("\r\n", "\n").replace("\n", "\r\n")
        with open(self.path(rel), "wb") as f:
            f.write(data.encode("utf-16-le"))


# ---------------------------------------------------------------------------
# Looks of the sheet controls, one per state

def look_button(lay, w, h, st, ctl, primary=False):
    if primary:
        fill = {"main": (10, 44, 52), "over": (0, 78, 94), "down": ACCENT_DEEP,
                "disabled": (24, 28, 29)}[st]
        edge = {"main": ACCENT, "over": ACCENT, "down": ACCENT, "disabled": (44, 56, 58)}[st]
    else:
        fill = {"main": RAISED, "over": RAISED_HI, "down": ACCENT_DEEP, "disabled": (22, 22, 21)}[st]
        edge = {"main": (58, 58, 56), "over": (96, 96, 94), "down": ACCENT,
                "disabled": (36, 36, 35)}[st]
    lay.rrect((0, 0, w, h), 4, fill=rgba(fill), outline=rgba(edge), width=1)


def look_tab(lay, w, h, st, ctl):
    fill = {"main": (16, 16, 16), "over": (30, 30, 30), "down": (20, 30, 34),
            "disabled": (14, 14, 14)}[st]
    lay.rrect((0, 0, w, h + 6), 4, fill=rgba(fill))
    line = {"main": (50, 50, 48), "over": (110, 110, 108), "down": ACCENT,
            "disabled": (34, 34, 33)}[st]
    lay.rrect((0, h - (3 if st == "down" else 1), w, h), 0, fill=rgba(line))


def look_icon(lay, w, h, st, ctl):
    col = (175, 175, 175, 255)
    if st == "over":
        lay.rrect((0, 0, w, h), 4, fill=rgba(RED if ctl.opts.get("danger") else RAISED_HI))
        col = (255, 255, 255, 255)
    elif st == "down":
        lay.rrect((0, 0, w, h), 4, fill=rgba(ACCENT_DEEP))
        col = (255, 255, 255, 255)
    elif st == "disabled":
        col = (70, 70, 70, 255)
    s = min(w, h, 22)
    icon(lay, ctl.opts["icon"], (w / 2 - s / 2, h / 2 - s / 2, w / 2 + s / 2, h / 2 + s / 2), col)


def look_dropdown(lay, w, h, st, ctl):
    look_button(lay, w, h, st, ctl)
    col = (255, 255, 255, 255) if st in ("over", "down") else (170, 170, 170, 255)
    if st == "disabled":
        col = (70, 70, 70, 255)
    lay.line([(w - DROPDOWN_ARROW, 7), (w - DROPDOWN_ARROW, h - 7)], (70, 70, 68, 255), 1)
    icon(lay, "chevron", (w - 25, 0, w - 1, h), col)


def look_selector(lay, w, h, st, ctl):
    if st == "down":
        lay.ellipse((0, 0, w, h), fill=(1, 204, 236, 60))
        lay.ellipse((2, 2, w - 2, h - 2), outline=rgba(ACCENT), width=2)
        lay.ellipse((6, 6, w - 6, h - 6), fill=rgba(ACCENT))
    else:
        col = {"main": (96, 96, 94), "over": (220, 220, 220), "disabled": (50, 50, 50)}[st]
        lay.ellipse((3, 3, w - 3, h - 3), outline=rgba(col), width=2)


def look_picture(lay, w, h, st, ctl):
    lay.rrect((0, 0, w, h), 3, fill=(10, 10, 10, 255), outline=rgba(LINE), width=1)


def look_name(lay, w, h, st, ctl):
    if st == "over":
        lay.rrect((0, 0, w, h), 4, fill=(44, 44, 42, 255))


def look_list(lay, w, h, st, ctl):
    lay.rrect((0, 0, w, h), 0, fill=(8, 8, 8, 255))


def look_edit(lay, w, h, st, ctl):
    lay.rrect((0, 0, w, h), 0, fill=(0, 0, 0, 255))


def look_switch(lay, w, h, st, ctl):
    fill = {"main": (36, 36, 35), "over": (46, 46, 45), "down": ACCENT_DEEP, "disabled": (24, 24, 24)}[st]
    edge = {"main": (90, 90, 88), "over": ACCENT, "down": ACCENT, "disabled": (40, 40, 40)}[st]
    lay.rrect((0, 0, w, h), h // 2, fill=rgba(fill), outline=rgba(edge), width=1)


def look_radio(lay, w, h, st, ctl):
    if st == "down":
        lay.ellipse((1, 1, w - 1, h - 1), outline=rgba(ACCENT), width=2)
        lay.ellipse((6, 6, w - 6, h - 6), fill=rgba(ACCENT))
    else:
        col = {"main": (120, 120, 118), "over": (235, 235, 235), "disabled": (55, 55, 55)}[st]
        lay.ellipse((1, 1, w - 1, h - 1), fill=(12, 12, 12, 255), outline=rgba(col), width=2)


def look_record(lay, w, h, st, ctl):
    ring = {"main": (70, 70, 68), "over": (200, 200, 200), "down": RED, "disabled": (40, 40, 40)}[st]
    lay.ellipse((0, 0, w, h), fill=(20, 20, 20, 255), outline=rgba(ring), width=3)
    dot = {"main": (200, 40, 50), "over": (240, 60, 72), "down": (255, 80, 90),
           "disabled": (70, 40, 42)}[st]
    r = w * (0.22 if st != "down" else 0.26)
    if st == "down":
        lay.ellipse((w / 2 - r - 8, h / 2 - r - 8, w / 2 + r + 8, h / 2 + r + 8), fill=(232, 52, 64, 70))
    lay.ellipse((w / 2 - r, h / 2 - r, w / 2 + r, h / 2 + r), fill=rgba(dot))


def look_step(lay, w, h, st, ctl):
    fill = {"main": (40, 40, 39), "over": (66, 66, 64), "down": ACCENT_DEEP, "disabled": (26, 26, 26)}[st]
    lay.rrect((0, 0, w, h), 2, fill=rgba(fill))
    col = (60, 60, 60, 255) if st == "disabled" else (230, 230, 230, 255)
    icon(lay, ctl.opts["icon"], (0, 0, w, h), col)


def look_heading(lay, w, h, st, ctl):
    lay.rrect((0, 0, w, h), 3, fill=(14, 16, 17, 235))
    lay.rrect((0, 5, 4, h - 5), 1, fill=rgba(ACCENT))


def look_swatch(lay, w, h, st, ctl):
    lay.rrect((0, 0, w, h), 3, fill=rgba(ctl.opts["color"]), outline=(70, 70, 70, 255), width=1)


LOOKS = {
    "button": look_button,
    "primary": lambda lay, w, h, st, ctl: look_button(lay, w, h, st, ctl, primary=True),
    "tab": look_tab, "icon": look_icon, "dropdown": look_dropdown, "selector": look_selector,
    "picture": look_picture, "name": look_name, "list": look_list, "edit": look_edit,
    "switch": look_switch, "radio": look_radio, "record": look_record, "step": look_step,
    "heading": look_heading, "swatch": look_swatch,
}
NO_DRAWING = {None, "text", "label", "hidden", "slider", "imagefile", "spectrum", "wheel"}


def draw_control(sheet, ctl, st):
    x, y, w, h = ctl.rect
    if ctl.look == "spectrum":
        sheet.paste(artwork.spectrum(w, h), (x, y))
        return
    if ctl.look == "wheel":
        wheel = artwork.colour_wheel(w)
        region = sheet.crop((x, y, x + w, y + h)).convert("RGBA")
        region.alpha_composite(wheel)
        sheet.paste(region.convert("RGB"), (x, y))
        return
    if ctl.look in NO_DRAWING:
        return
    if ctl.look == "edit":  # a frame around the edit control, which paints its own inside
        frame = Layer(w + 4, h + 4)
        frame.rrect((0, 0, w + 4, h + 4), 3, fill=(0, 0, 0, 255), outline=(70, 70, 68, 255), width=1)
        frame.paste(sheet, x - 2, y - 2)
        return
    lay = Layer(w, h)
    LOOKS[ctl.look](lay, w, h, st, ctl)
    lay.paste(sheet, x, y)


# ---------------------------------------------------------------------------
# Backgrounds of the windows

def picture_area_default():
    """What the main window shows in the picture area with the default background:
    the picture, the frame, then a black veil of alpha 0x1E."""
    _, _, w, h = layout.PICTURE
    img = artwork.background_default(w, h).convert("RGBA")
    img.alpha_composite(artwork.frame_overlay(w, h, layout.RIGHT_PANEL_X - layout.PICTURE[0]))
    return Image.blend(img.convert("RGB"), Image.new("RGB", (w, h), (0, 0, 0)), 0x1E / 255)


def base_main(win):
    w, h = win.size
    img = Image.new("RGB", (w, h), artwork.RIGHT_PANEL)
    img.paste(vgradient(layout.PICTURE[0], h, artwork.LEFT_PANEL_TOP, artwork.LEFT_PANEL_BOTTOM), (0, 0))
    img.paste(picture_area_default(), layout.PICTURE[:2])
    lay = Layer(w, h)
    # profile rows
    for i in range(6):
        top = layout.PROFILE_ROW_TOP + i * layout.PROFILE_ROW_STEP
        lay.rrect((16, top, 297, top + layout.PROFILE_ROW_H), 6, fill=(30, 30, 28, 255),
                  outline=(42, 42, 40, 255), width=1)
    lay.line([(28, 108), (285, 108)], (44, 44, 42, 255), 1)
    # library panel
    lay.line([(1168, 101), (1544, 101)], (50, 50, 48, 255), 1)
    lay.line([(1356, 66), (1356, 94)], (50, 50, 48, 255), 1)
    lay.rrect((1159, 105, 1553, 558), 0, outline=(40, 40, 38, 255), width=1)
    lay.line([(1168, 620), (1544, 620)], (40, 40, 38, 255), 1)
    # window edge and accents
    lay.chamfer((0, 0, w, h), 14, outline=(56, 56, 54, 255), width=1)
    lay.line([(14, 1), (120, 1)], rgba(ACCENT), 2)
    lay.line([(w - 120, h - 1.5), (w - 14, h - 1.5)], rgba(ACCENT), 2)
    lay.paste(img, 0, 0)
    return img


def base_dialog(win):
    w, h = win.size
    img = vgradient(w, h, (30, 30, 29), (18, 18, 17))
    lay = Layer(w, h)
    lay.line([(0, 1), (w, 1)], rgba(ACCENT), 2)
    lay.line([(20, 52.5), (w - 20, 52.5)], (48, 48, 46, 255), 1)
    lay.rrect((0, 0, w, h), 0, outline=(60, 60, 58, 255), width=1)
    if win.name == "warn":
        lay.ellipse((28, 18, 54, 44), fill=rgba(ACCENT))
        lay.rrect((39.5, 23, 42.5, 35), 1, fill=(10, 10, 10, 255))
        lay.ellipse((39.2, 37, 42.8, 40.6), fill=(10, 10, 10, 255))
    lay.paste(img, 0, 0)
    return img


def base_editor(win):
    w, h = win.size
    img = vgradient(w, h, (26, 26, 25), (14, 14, 13))
    lay = Layer(w, h)
    lay.rrect((0, 0, w, 64), 0, fill=(12, 12, 12, 255))
    lay.line([(14, 64), (w - 14, 64)], rgba(ACCENT), 1.5)
    cards = [(20, 80, 404, 500), (410, 80, 574, 460), (588, 80, 1080, 490)] if win.name == "macro" \
        else [(20, 80, 404, 484), (424, 80, 1080, 484)]
    for box in cards:
        lay.rrect(box, 8, fill=(22, 22, 21, 255), outline=(40, 40, 38, 255), width=1)
    if win.name == "recoil":
        lay.rrect((604, 374, 1060, 468), 6, fill=(16, 16, 16, 255), outline=(36, 36, 35, 255), width=1)
    lay.chamfer((0, 0, w, h), 14, outline=(60, 60, 58, 255), width=1)
    lay.paste(img, 0, 0)
    return img


BASES = {"main": base_main, "dialog": base_dialog, "editor": base_editor}


def screen_sheets(win, screen):
    base = BASES[win.base](win)
    sheets = {st: base.copy() for _, st in SHEET_STATES}
    px0 = layout.PICTURE[0]
    px1 = layout.RIGHT_PANEL_X
    for ctl in win.controls:
        if ctl.screens is None or screen in ctl.screens:
            for st in sheets:
                draw_control(sheets[st], ctl, st)
        elif win.name == "main" and not ctl.opts.get("sheet_only"):
            # The side panels look the same behind every page: controls of the
            # other screens that lie there keep their normal look in these sheets.
            x, _, w, _ = ctl.rect
            if x + w <= px0 or x >= px1:
                for st in sheets:
                    draw_control(sheets[st], ctl, "main")
    return sheets


# ---------------------------------------------------------------------------
# Skin files

def check_entry(ctl, win):
    x, y, w, h = ctl.rect
    W, H = win.size
    assert 0 <= x and 0 <= y and x + w <= W and y + h <= H, (ctl.section, ctl.key, ctl.rect)
    for t in ctl.text + (ctl.name,):
        assert "," not in t and "TRUE" not in t, (ctl.section, ctl.key, t)
    assert len(ctl.name) <= 39 and all(len(t) <= 99 for t in ctl.text), (ctl.section, ctl.key)


def skin_file(lang):
    out = ["[GLOBAL]", "FONT=%s" % layout.GLOBAL_FONT, ""]
    for win in layout.WINDOWS:
        for screen, stem in win.screens.items():
            out.append("[%s]" % screen)
            for key, st in SHEET_STATES:
                out.append("%s=%s_%s.jpg" % (key, stem, st))
            if win.mask:
                out.append("Mask=%s" % win.mask)
            out.append("")
    sections = {}
    for win in layout.WINDOWS:
        for ctl in win.controls:
            if ctl.opts.get("sheet_only"):
                continue
            check_entry(ctl, win)
            sections.setdefault(ctl.section, []).append("%s=%s" % (ctl.key, ctl.value(lang)))
    for section, key, target in layout.INDIRECT:
        sections[section].append("%s=%s" % (key, target))
    for section, lines in sections.items():
        out.append("[%s]" % section)
        out.extend(lines)
        out.append("")
    out.append("[FUNC_STRING]")
    for code, pair in texts.func_strings().items():
        out.append("%X=%s" % (code, pair[lang]))
    out.append("")
    out.append("[WARN_TEXT]")
    for num, pair in texts.WARNINGS.items():
        out.append("%d=%s" % (num, pair[lang]))
    out.append("")
    return "\n".join(out)


# ---------------------------------------------------------------------------

def write_sheets(o, contact):
    for win in layout.WINDOWS:
        sets = {}
        for screen, stem in win.screens.items():
            sheets = screen_sheets(win, screen)
            for _, st in SHEET_STATES:
                o.jpeg("skins\\%s_%s.jpg" % (stem, st), sheets[st])
            sets[screen] = sheets
        if win.mask:
            c = 14
            o.bmp("skins\\" + win.mask, artwork.binary_mask(artwork.shape_chamfer(*win.size, c)))
        if contact:
            write_contact(contact, win, sets)


def write_contact(folder, win, sets):
    """One picture per screen: the four sheets in a 2 x 2 grid, half size for the main window."""
    os.makedirs(folder, exist_ok=True)
    for screen, sheets in sets.items():
        w, h = win.size
        scale = 0.5 if w > 1200 else 1.0
        cw, ch = round(w * scale), round(h * scale)
        img = Image.new("RGB", (cw * 2 + 12, ch * 2 + 12), (60, 60, 60))
        for i, (_, st) in enumerate(SHEET_STATES):
            img.paste(sheets[st].resize((cw, ch), Image.LANCZOS), ((i % 2) * (cw + 12), (i // 2) * (ch + 12)))
        img.save(os.path.join(folder, "%s.png" % screen), "PNG")


def write_images(o):
    pw, ph = layout.PICTURE[2], layout.PICTURE[3]
    o.jpeg("skins\\DefaultPic\\BGDef.jpg", artwork.background_default(pw, ph))
    o.png("skins\\DefaultPic\\Frame.png",
          artwork.frame_overlay(pw, ph, layout.RIGHT_PANEL_X - layout.PICTURE[0]))
    o.jpeg("skins\\DefaultPic\\ProfileDef.jpg", artwork.profile_default(168, 112))
    pictures = {c.name: c for w in layout.WINDOWS for c in w.controls if c.section in
                ("MAIN_PIC", "MOUSE_PIC", "PRESSUREGUN_EDIT_POS") and c.name}
    lg = pictures["Logo"].rect
    o.png("skins\\DefaultPic\\" + pictures["Logo"].text[0], artwork.logo(lg[2], lg[3]))
    ms = pictures["Mouse"].rect
    o.png("skins\\DefaultPic\\" + pictures["Mouse"].text[0], artwork.mouse_picture(ms[2], ms[3]))
    li = pictures["Light"].rect
    edits = [c for c in layout.MAIN.controls if c.section == "LIGHT_SELRECT" and c.key in ("31", "32", "33")]
    labels = [(n, c.rect[0] - li[0] - 13, c.rect[1] - li[1]) for n, c in zip("RGB", edits)]
    o.png("skins\\DefaultPic\\" + pictures["Light"].text[0],
          artwork.light_picture(li[2], li[3], labels, (20, 280, 290, 150)))
    ch = pictures["Chart"].rect
    o.png("skins\\" + pictures["Chart"].text[0], artwork.recoil_chart(ch[2], ch[3]))
    st = pictures["Steps"].rect
    o.png("skins\\" + pictures["Steps"].text[0], artwork.recoil_steps(st[2], st[3]))

    # image-file buttons
    makers = {"Main\\Settings": artwork.settings_button, "Mouse\\Function": artwork.function_button,
              "Mouse\\Label": artwork.label_plate, "Mouse\\Badge": artwork.badge,
              "Sensi\\SwitchOff": lambda w, h: artwork.switch(w, h, False),
              "Sensi\\SwitchOn": lambda w, h: artwork.switch(w, h, True)}
    done = set()
    for ctl in layout.MAIN.controls:
        if ctl.look != "imagefile" or ctl.name in done:
            continue
        done.add(ctl.name)
        for st, img in makers[ctl.name](ctl.rect[2], ctl.rect[3]).items():
            o.png("skins\\%s_%s.png" % (ctl.name, st), img)

    # fixed files
    slider = next(c for c in layout.MAIN.controls if c.look == "slider")
    o.png("skins\\ball.png", artwork.ball(slider.rect[3]))
    pair = next(c for c in layout.MAIN.controls if c.section == "LIGHT_SELRECT" and c.key == "35")
    o.bmp("skins\\Btn_Mask2.bmp", artwork.binary_mask(artwork.shape_pill(*pair.rect[2:])))
    sel = next(c for c in layout.MAIN.controls if c.section == "SYNC" and c.key == "21")
    o.bmp("skins\\SYNC_Btn_Mask2.bmp", artwork.binary_mask(artwork.shape_circle(*sel.rect[2:])))
    rec = next(c for c in layout.MACRO.controls if c.key == "5")
    o.bmp("skins\\Btn_Mask4.bmp", artwork.binary_mask(artwork.shape_circle(*rec.rect[2:])))
    tip = artwork.tip_shape(36, 34, 27)
    o.bmp("skins\\tip.bmp", artwork.binary_mask(tip))
    tip_pic = Image.new("RGB", tip.size, (255, 255, 255))
    tip_pic.paste(ACCENT, mask=tip.getchannel("A"))
    o.jpeg("skins\\tip.jpg", tip_pic)
    for kind in ("press", "release", "delay"):
        o.png("skins\\icon_%s.png" % kind, artwork.list_icon(kind))
    for st in ("n", "o", "p"):
        o.jpeg("skins\\btn_more_%s.jpg" % st, artwork.more_button(st))

    # menus
    for name, (w, rh, rows, top, outline) in layout.MENUS.items():
        faces = artwork.menu_faces(w, rh, rows, top)
        if outline:
            edit = next(c for c in layout.MAIN.controls if c.section == "MAIN" and c.key == "6")
            notch = 83 - edit.rect[2] // 2  # the menu opens at the button's right edge - 83
            for img in faces.values():
                artwork.menu_notch(img, top, notch)
            o.bmp("skins\\Menu\\%s_menu.bmp" % name, artwork.menu_outline(w, rh, rows, top, notch))
        o.jpeg("skins\\Menu\\%s_menu_normal.jpg" % name, faces["normal"])
        o.jpeg("skins\\Menu\\%s_menu_over.jpg" % name, faces["over"])
    w, rh, rows = layout.FUNCTION_MENU
    faces = artwork.menu_faces(w, rh, rows, 0, kinds=("normal", "over", "down"))
    for st in ("normal", "over", "down"):
        o.jpeg("skins\\Menu\\function_drop down menu_%s.jpg" % st, faces[st])


def check_captions():
    """Every caption that does not fit where the program draws it, one line
    each, named by its skin file."""
    return ["skin_%s.ini %s" % (name, why) for name, lang in LANGS
            for why in captions.misfits(lang)]


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("program_folder")
    ap.add_argument("--contact", help="folder for contact sheets of every screen")
    args = ap.parse_args(argv)
    misfits = check_captions()
    if misfits:
        for line in misfits:
            print("skingen: caption does not fit: " + line, file=sys.stderr)
        sys.exit(1)
    o = Output(args.program_folder)
    for name, lang in LANGS:
        o.text("Lan\\skin_%s.ini" % name, skin_file(lang))
    write_images(o)
    write_sheets(o, args.contact)


if __name__ == "__main__":
    main()
