#!/usr/bin/python3
"""Renders how the windows look with the generated skin, approximately as the
program composes them (sheets, faces, captions, drawn texts and pictures), so
the skin can be judged without running the program.

Usage: preview.py PROGRAM_FOLDER OUTPUT_FOLDER [En|Cs]"""
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout  # noqa: E402
import texts  # noqa: E402
from paint import ACCENT, draw_text, gdi_font  # noqa: E402

TABLE_A = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (0, 255, 255), (255, 0, 255), (255, 255, 0),
           (255, 255, 255)]
DPI = ["600", "1200", "2000", "3000", "4000", "5000", "7000"]
DEFAULT_CODES = [0xA0, 0xA1, 0xA2, 0xC2, 0xA4, 0xA3]


class Preview:
    def __init__(self, root, lang):
        self.root = root
        self.lang = lang

    def image(self, rel):
        return Image.open(os.path.join(self.root, "skins", *rel.split("\\")))

    def sheet(self, win, screen, state):
        return self.image("%s_%s.jpg" % (win.screens[screen], state)).convert("RGB")

    def text(self, img, ctl, height, bold=False, fill=(255, 255, 255), align="left", text=None):
        t = ctl.text[self.lang] if text is None else text
        x, y, w, h = ctl.rect
        f = gdi_font(height, bold)
        d = ImageDraw.Draw(img)
        lines = []
        for para in t.split("\\r\\n"):
            line = ""
            for word in para.split(" "):
                trial = (line + " " + word).strip()
                if line and d.textlength(trial, font=f) > w:
                    lines.append(line)
                    line = word
                else:
                    line = trial
            lines.append(line)
        lh = round(height * 0.95)
        top = y + (h - lh * len(lines)) // 2
        for i, line in enumerate(lines):
            draw_text(img, (x, top + i * lh, w, lh), line, f, fill, align=align)

    def face(self, img, win, screen, ctl, state="main", rect=None):
        x, y, w, h = rect or ctl.rect
        img.paste(self.sheet(win, screen, state).crop((x, y, x + w, y + h)), (x, y))

    def caption(self, img, ctl, height=18, fill=(208, 208, 208), align="center", bold=False,
                text=None, offset=0):
        x, y, w, h = ctl.rect
        c = layout.Ctl(ctl.section, ctl.key, (x + offset, y, w - abs(offset), h), text=ctl.text)
        self.text(img, c, height, bold, fill, align, text)

    def imagefile(self, img, ctl, state="normal"):
        pic = self.image("%s_%s.png" % (ctl.name, state)).convert("RGBA")
        base = img.convert("RGBA")
        base.alpha_composite(pic, ctl.rect[:2])
        img.paste(base.convert("RGB"))

    def picture(self, img, ctl, folder="DefaultPic\\"):
        pic = self.image(folder + ctl.text[0]).convert("RGBA").resize(ctl.rect[2:])
        base = img.convert("RGBA")
        base.alpha_composite(pic, ctl.rect[:2])
        img.paste(base.convert("RGB"))

    def slider(self, img, ctl, frac):
        x, y, w, h = ctl.rect
        d = ImageDraw.Draw(img)
        d.rectangle([x, y + h // 2 - 1, x + w - 1, y + h // 2 + 1], fill=(0x4D, 0x4D, 0x4D))
        ball = self.image("ball.png").convert("RGBA")
        base = img.convert("RGBA")
        base.alpha_composite(ball, (x + round((w - ball.width) * frac), y + h - ball.height))
        img.paste(base.convert("RGB"))

    # -- the main window

    def main_page(self, page):
        win = layout.MAIN
        screen = {"buttons": "MOUSESCREEN", "sensitivity": "SENSISCREEN",
                  "lighting": "LIGHTSCREEN"}[page]
        img = self.sheet(win, screen, "main")
        get = {(c.section, c.key): c for c in win.controls if not c.opts.get("sheet_only")}
        tab_key = {"buttons": "7", "sensitivity": "8", "lighting": "9"}[page]
        for ctl in win.controls:
            if ctl.opts.get("sheet_only"):
                continue
            if ctl.section == "MAIN" and ctl.key in ("7", "8", "9", "99"):
                self.face(img, win, "MOUSESCREEN", ctl, "down" if ctl.key == tab_key else "main")
                self.caption(img, ctl, 16 if self.lang == 0 else 18,
                             (255, 255, 255) if ctl.key == tab_key else (208, 208, 208))
        # profile bar
        prof = self.image("DefaultPic\\ProfileDef.jpg").convert("RGB")
        for i in range(1, 7):
            pic = get[("SYNC", str(i))]
            img.paste(prof.resize(pic.rect[2:]), pic.rect[:2])
            if i == 1:
                self.face(img, win, "MOUSESCREEN", get[("SYNC", "21")], "down")
            self.caption(img, get[("SYNC", str(10 + i))])
        for key in ("7", "8"):
            self.caption(img, get[("SYNC", key)])
        self.caption(img, get[("MAIN", "1")], 21, (255, 255, 255), "left", offset=3)
        for key in ("10", "11", "12"):
            self.caption(img, get[("MAIN", key)])
        self.imagefile(img, get[("MAIN", "2")])
        self.picture(img, get[("MAIN_PIC", "LOGO")])
        # library panel
        self.caption(img, get[("ADVANCE", "9")], 21, (255, 255, 255), "left", True, offset=3)
        self.caption(img, get[("ADVANCE", "10")], 21, (255, 255, 255), "left", True, offset=3)
        for key in "34567":
            self.caption(img, get[("ADVANCE", key)])
        lst = get[("ADVANCE", "8")]
        d = ImageDraw.Draw(img)
        names = [texts.OTHER_STRINGS[0x90][self.lang] + " %d" % (n + 1) for n in range(4)]
        more = self.image("btn_more_n.jpg").convert("RGB")
        for n, name in enumerate(names):
            x, y = lst.rect[0], lst.rect[1] + n * 41
            d.rectangle([x, y, x + lst.rect[2] - 1, y + 40], fill=(8, 8, 8))
            if n == 1:
                d.rectangle([x + 1, y + 1, x + lst.rect[2] - 2, y + 39], outline=ACCENT, width=2)
            else:
                d.line([(x + 20, y + 40), (x + lst.rect[2] - 20, y + 40)], fill=(26, 26, 26))
            draw_text(img, (x + 20, y + 12, 260, 18), name, gdi_font(18), (255, 255, 255), "left", "top")
            if n == 0:
                draw_text(img, (x + 200, y + 12, 60, 18), "1", gdi_font(18), (135, 135, 135), "left", "top")
            img.paste(more, (x + 359, y + 9))

        if page == "buttons":
            self.text(img, get[("MOUSE_TEXT", "1")], 21, True)
            self.caption(img, get[("MAIN", "5")])
            self.picture(img, get[("MOUSE_PIC", "Mouse")])
            for r in range(6):
                self.imagefile(img, get[("MOUSE", str(31 + r))], "over" if r == 2 else "normal")
                self.caption(img, get[("MOUSE", str(31 + r))], 16, (255, 255, 255), offset=4)
                self.imagefile(img, get[("MOUSE", str(21 + r))], "over" if r == 2 else "normal")
                lab = get[("MOUSE", str(21 + r))]
                self.caption(img, layout.Ctl("", "", (lab.rect[0] - 13, lab.rect[1], lab.rect[2], lab.rect[3]),
                                             text=lab.text), 16, (255, 255, 255))
                fn = get[("MOUSE", str(1 + r))]
                self.imagefile(img, fn)
                self.caption(img, fn, 18, (208, 208, 208), "left",
                             text=texts.FUNCTIONS[DEFAULT_CODES[r]][self.lang], offset=13)
        elif page == "sensitivity":
            d.rectangle([541, 253, 541 + 429, 255], fill=(0x4D, 0x4D, 0x4D))
            self.face(img, win, screen, get[("SENSITIVITY_TEXT", "4")])
            self.caption(img, get[("SENSITIVITY_TEXT", "4")], 21, (255, 255, 255), "left", True, offset=14)
            for key in "12567389":
                self.text(img, get[("SENSITIVITY_TEXT", key)], 18)
            for k in range(7):
                x, y, w, h = get[("SENSITIVITY", str(21 + k))].rect
                d.rectangle([x, y, x + w - 1, y + h - 1], fill=TABLE_A[k])
                self.text(img, get[("SENSITIVITY", str(41 + k))], 18, True, align="center", text=DPI[k])
                self.text(img, get[("SENSITIVITY", str(1 + k))], 18, True, align="center", text=DPI[k],
                          fill=(255, 255, 255) if k == 3 else (0x36, 0x36, 0x36))
            for k in range(4):
                self.text(img, get[("SENSITIVITY", str(50 + k))], 18, True, align="center",
                          text="%dHz" % [125, 250, 500, 1000][k],
                          fill=(255, 255, 255) if k == 2 else (0x36, 0x36, 0x36))
            for key, frac in (("3", 0.5), ("4", 2 / 3), ("5", 4 / 9), ("6", 2 / 9), ("7", 3 / 9)):
                self.slider(img, get[("SLIDERS", key)], frac)
            self.imagefile(img, get[("SENSITIVITY", "61")])
            self.imagefile(img, get[("SENSITIVITY", "64 ")])
        else:
            x, y, w, h = get[("MOUSE", "15")].rect
            d.rounded_rectangle([x, y, x + w - 1, y + h - 1], 2, fill=(255, 0, 0), outline=(255, 255, 255))
            self.picture(img, get[("MOUSE_PIC", "Light")])
            for key, val in (("31", "255"), ("32", "0"), ("33", "0")):
                x, y, w, h = get[("LIGHT_SELRECT", key)].rect
                d.rectangle([x, y, x + w - 1, y + h - 1], fill=(0x2A, 0x2A, 0x2A))
                draw_text(img, (x + 2, y, w - 4, h), val, gdi_font(15), (255, 255, 255), "left")
            for key in "3467":
                self.text(img, get[("MOUSE_TEXT", key)], 18)
            for key in "28":
                self.text(img, get[("MOUSE_TEXT", key)], 21, True)
            eff = get[("MOUSE", "14")]
            self.caption(img, eff, 15 if self.lang == 0 else 18, align="left", offset=7)
            pair = get[("LIGHT_SELRECT", "35")]
            word = pair.text[self.lang].split(" ")[0]
            on = pair.text[self.lang][-3:] if word == "on" else pair.text[self.lang][-len(word):]
            x, y, w, h = pair.rect
            draw_text(img, (x + 30, y, 32, h), on, gdi_font(16), (255, 255, 255))
            self.slider(img, get[("SLIDERS", "1")], 1.0)
            self.slider(img, get[("SLIDERS", "2")], 0.5)
            for key in ("13", "20"):
                self.caption(img, get[("MAIN", key)])
        return img

    # -- dialogs

    def dialog(self, win, screen, extra=None):
        img = self.sheet(win, screen, "main")
        for ctl in win.controls:
            if ctl.opts.get("sheet_only") and screen not in ctl.screens:
                continue
            if ctl.screens is not None and screen not in ctl.screens:
                continue
            if ctl.look in ("button", "primary", "dropdown") and ctl.text[self.lang]:
                self.caption(img, ctl, 18, align="left" if ctl.look == "dropdown" else "center",
                             offset=12 if ctl.look == "dropdown" else 0)
            elif ctl.look == "text" and ctl.text[self.lang] and not ctl.text[0].endswith(".png"):
                heading = ctl.key == {"macro": "26", "recoil": "30"}.get(win.name, "11")
                if win.name == "select" and ctl.key == "12":
                    continue
                if win.name == "macro" and ctl.key == "42":
                    continue
                self.text(img, ctl, 21 if heading else 18)
            elif ctl.look == "text" and ctl.text[0].endswith(".png"):
                self.picture(img, ctl, "")
        if extra:
            extra(img, win)
        return img


def render(root, out, lang_name="En"):
    lang = 0 if lang_name == "En" else 1
    p = Preview(root, lang)
    os.makedirs(out, exist_ok=True)
    for page in ("buttons", "sensitivity", "lighting"):
        p.main_page(page).save(os.path.join(out, "main_%s_%s.png" % (page, lang_name)))

    def warn(img, win):
        msg = layout.Ctl("", "", win.controls[2].rect, text=texts.WARNINGS[19])
        p.text(img, msg, 18)

    def color(img, win):
        c = {x.key: x for x in win.controls}
        p.text(img, c["12"], 18, align="right", text="1200 DPI: ")
        x, y, w, h = c["21"].rect
        ImageDraw.Draw(img).rounded_rectangle([x - 1, y - 1, x + w, y + h], 2, fill=(0, 255, 0),
                                              outline=(255, 255, 255))

    def select(img, win):
        c = {x.key: x for x in win.controls}
        x, y, w, h = c["6"].rect
        d = ImageDraw.Draw(img)
        for n in range(3):
            ry = y + n * 40
            if n == 0:
                d.rectangle([x + 1, ry + 1, x + w - 2, ry + 38], outline=ACCENT, width=2)
            else:
                d.line([(x + 20, ry + 38), (x + w - 20, ry + 38)], fill=(26, 26, 26))
            draw_text(img, (x + 25, ry, w - 30, 40), texts.OTHER_STRINGS[0x90][lang] + " %d" % (n + 1),
                      gdi_font(18), (255, 255, 255), "left")

    def macro(img, win):
        c = {x.key: x for x in win.controls}
        x, y, w, h = c["22"].rect
        d = ImageDraw.Draw(img)
        rows = [("press", "A"), ("delay", "50 ms"), ("release", "A"), ("delay", "120 ms"),
                ("press", "Left button")]
        for n, (ic, t) in enumerate(rows):
            ry = y + n * 30
            d.rectangle([x, ry + 1, x + w - 1, ry + 28], fill=(0, 120, 220) if n == 2 else (30, 29, 27))
            d.line([(x + 20, ry + 29), (x + w - 20, ry + 29)], fill=(26, 26, 26))
            icon_img = p.image("icon_%s.png" % ic).convert("RGBA")
            base = img.convert("RGBA")
            base.alpha_composite(icon_img, (x + 20, ry + 8))
            img.paste(base.convert("RGB"))
            draw_text(img, (x + 28 + 14 + 20, ry + 6, 200, 18), t, gdi_font(16), (253, 253, 253), "left", "top")
        p.face(img, win, "MACRO_EDIT_SCREEN", c["10"], "down")
        p.face(img, win, "MACRO_EDIT_SCREEN", c["13"], "down")

    def recoil(img, win):
        c = {x.key: x for x in win.controls}
        n = 3
        x0, y0 = c["20"].rect[:2]
        col = img.crop((x0, y0, x0 + 44, y0 + 80))
        for k in range(n):
            dx = k * (390 // n)
            img.paste(col, (x0 + dx, y0))
            for key, val in (("20", "100"), ("21", "0"), ("22", "-4")):
                x, y, w, h = c[key].rect
                draw_text(img, (x + dx + 2, y, w - 2, h), val, gdi_font(16), (255, 255, 255), "left")

    extras = {"warn": warn, "color": color, "select": select, "macro": macro, "recoil": recoil}
    for win in layout.WINDOWS[1:]:
        for screen in win.screens:
            p.dialog(win, screen, extras.get(win.name)).save(
                os.path.join(out, "%s_%s.png" % (screen, lang_name)))


if __name__ == "__main__":
    render(sys.argv[1], sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else "En")
