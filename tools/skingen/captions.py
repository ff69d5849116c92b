"""Where the program draws every caption of the skin, and the check that each
caption of both skin files fits there.

The program draws a caption with DrawText in the interface face, at a cell
height and weight its control chooses, into a box inside the entry's
rectangle; a caption too long for the box is cut with an ellipsis or clipped.
Each rule below repeats what the window code does (the file is named beside
it): the font, the box, and the part of the face that is free for text (inside
a frame, short of a drop-down's arrow). Captions are measured as GDI measures
them, with the font files the artwork uses (paint.gdi_text_width)."""
import layout
import texts
from paint import DROPDOWN_ARROW, FUNCTION_ARROW, gdi_text_width

PAD = 4  # a caption keeps this far inside a framed face: border, tab edge, row highlight
NL = texts.NL


class Room:
    """The box a caption is drawn into, x0..x1 in the entry's own coordinates,
    its alignment, and the free part of the face v0..v1 the text must stay in."""

    def __init__(self, x0, x1, align="left", v0=None, v1=None):
        self.x0, self.x1, self.align = x0, x1, align
        self.v0 = x0 if v0 is None else v0
        self.v1 = x1 if v1 is None else v1

    def width(self):
        """The widest text that stays in the box and in the free part of the face."""
        if self.align == "centre":
            c = (self.x0 + self.x1) / 2
            return int(min(self.x1 - self.x0, 2 * (c - self.v0), 2 * (self.v1 - c)))
        return min(self.x1, self.v1) - max(self.x0, self.v0)


class Caption:
    """One text as the program draws it. `wrap` is the height of a box the
    text is word-broken in (DT_WORDBREAK), None for a single line."""

    def __init__(self, where, text, height, bold, room, wrap=None):
        self.where, self.text, self.height, self.bold = where, text, height, bold
        self.room, self.wrap = room, wrap


def wrapped_lines(text, height, bold, width):
    """The lines DrawText makes of a word-broken text: each "\\r\\n" starts a
    line, and a line ends before the word that would pass `width`."""
    lines = []
    for para in text.split(NL):
        line = ""
        for word in para.split(" "):
            trial = word if not line else line + " " + word
            if line and gdi_text_width(trial, height, bold) > width:
                lines.append(line)
                line = word
            else:
                line = trial
        lines.append(line)
    return lines


def lines_room(box_height, height):
    """Lines of cell `height` a box holds when the first one is centred in it
    (DrawSkinText: top + (box - height) / 2, rounded toward zero)."""
    return (box_height - int((box_height - height) / 2)) // height


def misfit(c):
    """Why caption c does not fit, or None when it does."""
    font = "%d px%s" % (c.height, " bold" if c.bold else "")
    room = c.room.width()
    if c.wrap is None:
        width = gdi_text_width(c.text, c.height, c.bold)
        if width <= room:
            return None
        return '%s: "%s" is %d px wide in %s, its room is %d px' % (c.where, c.text, width, font,
                                                                     room)
    lines = wrapped_lines(c.text, c.height, c.bold, room)
    for line in lines:
        width = gdi_text_width(line, c.height, c.bold)
        if width > room:
            return '%s: "%s" has a word %d px wide in %s, its room is %d px' % (
                c.where, line, width, font, room)
    holds = lines_room(c.wrap, c.height)
    if len(lines) > holds:
        return '%s: "%s" takes %d lines %d px wide in %s, the box holds %d' % (
            c.where, c.text, len(lines), room, font, holds)
    return None


# ---------------------------------------------------------------------------
# The rules: what each window's code does with its entries.

def by_lang(value, lang):
    return value[lang] if isinstance(value, tuple) else value


def one_line(height, bold=False, align="left", box=(0, 0), free=(0, 0)):
    """A caption on one line. box and free are insets from the entry's left and
    right edges: the text box, and the free part of the face."""
    def rule(ctl, lang, text):
        w = ctl.rect[2]
        room = Room(box[0], w - box[1], align, free[0], w - free[1])
        return [(text, by_lang(height, lang), bold, room, None)]
    return rule


def word_broken(height, bold=False):
    """A text DrawSkinText draws with DT_WORDBREAK into the entry's rectangle."""
    def rule(ctl, lang, text):
        w, h = ctl.rect[2], ctl.rect[3]
        return [(text, by_lang(height, lang), bold, Room(0, w), h)]
    return rule


def framed_button(height=18):
    """A sheet button's caption: centred in the whole button (CBitmapBtn,
    CBitmapBtn2 in their default layout), inside its frame."""
    return one_line(height, align="centre", free=(PAD, PAD))


def dropdown(box_left, height=18, codes=()):
    """A drop-down's caption: left aligned from box_left, short of the arrow."""
    base = one_line(height, box=(box_left, 1), free=(0, DROPDOWN_ARROW + PAD))

    def rule(ctl, lang, text):
        shown = [text] + [texts.func_strings()[c][lang] for c in codes]
        return [r for t in shown for r in base(ctl, lang, t)]
    return rule


def cycle_pair(ctl, lang, text):
    """LightingPage: the first word in (10, 30) of the off button, the tail of
    the text in (30, 62) of the on button (SplitCyclePairCaption)."""
    first = text.split(" ")[0]
    tail = 3 if first == "on" else len(first)
    return [(first, 18, False, Room(10, 30, "centre"), None),
            (text[-tail:], 18, False, Room(30, 62, "centre"), None)]


BUTTON_LABEL = one_line(16, align="centre", box=(-13, 0), free=(PAD, 14 + PAD))  # ButtonPage
BADGE = one_line(16, align="centre", box=(4, 0), free=(PAD, PAD))  # ButtonPage
LEFT_CAPTION = dict(box=(3, 1))  # CBitmapBtn, left aligned: 3 pixels in, 1 short of the edge

RULES = {
    # WindowBar, ProfileBar, LibraryPanel, LightingPage (app/)
    ("MAIN", "1"): one_line(21, **LEFT_CAPTION),
    ("MAIN", "5"): one_line(18, align="centre", free=(PAD, DROPDOWN_ARROW + PAD)),
    ("ADVANCE", "9"): one_line(21, True, **LEFT_CAPTION),
    ("ADVANCE", "10"): one_line(21, True, **LEFT_CAPTION),
    ("MOUSE_TEXT", "1"): word_broken(21, True),
    ("SENSITIVITY_TEXT", "4"): one_line(21, True, free=(0, PAD), **LEFT_CAPTION),
    ("MOUSE", "14"): dropdown(7, (15, 18), codes=range(0x40, 0x47)),
    ("LIGHT_SELRECT", "35"): cycle_pair,
    ("MOUSE_TEXT", "2"): word_broken(21, True),
    ("MOUSE_TEXT", "8"): word_broken(21, True),
    # Warning, preferences and colour dialogs (dialogs/)
    ("WARN_POS", "11"): word_broken(21),
    ("OPTION_POS", "11"): word_broken(21),
    ("OPTION_POS", "3"): dropdown(15, codes=(0x80, 0x81)),
    ("COLOR_POS", "11"): word_broken(21),
    # Selection pop-ups (editors/SelMacroDlg_win)
    ("SEL_MACRO_POS", "11"): one_line(21, True),
    ("SEL_MACRO_POS", "12"): one_line(21, True),
    ("SEL_MACRO_POS", "13"): one_line(18),
    ("SEL_MACRO_POS", "4"): dropdown(15, codes=range(0x60, 0x64)),
    # Editors (editors/EditorSkin_win, DlgPressureGunSet_win)
    ("MACRO_EDIT_POS", "26"): one_line(20),
    ("MACRO_EDIT_POS", "40"): word_broken(16),
    ("PRESSUREGUN_EDIT_POS", "30"): one_line(20),
    ("PRESSUREGUN_EDIT_POS", "4"): dropdown(8),
}
for _key in ("7", "8", "9", "99"):  # page tabs: WindowBar, TabFontHeight
    RULES[("MAIN", _key)] = framed_button((16, 18))
for _section, _keys in (("MAIN", ("10", "11", "12", "13", "20")), ("SYNC", ("7", "8")),
                        ("ADVANCE", ("3", "4", "5", "6", "7")), ("WARN_POS", ("2", "3")),
                        ("OPTION_POS", ("2",)), ("COLOR_POS", ("2", "3")),
                        ("SEL_MACRO_POS", ("2", "3")),
                        ("MACRO_EDIT_POS", ("2", "3", "6", "7", "8", "9")),
                        ("PRESSUREGUN_EDIT_POS", ("2", "3"))):
    for _key in _keys:
        RULES[(_section, _key)] = framed_button()
for _i in range(6):
    RULES[("SYNC", str(11 + _i))] = framed_button()  # profile names
    RULES[("MOUSE", str(21 + _i))] = BUTTON_LABEL
    RULES[("MOUSE", str(31 + _i))] = BADGE
for _key in "12356789":  # SensitivityPage
    RULES[("SENSITIVITY_TEXT", _key)] = word_broken(18)
for _key in "3467":  # LightingPage
    RULES[("MOUSE_TEXT", _key)] = word_broken(18)
for _key in ("12", "13", "14"):  # Preference
    RULES[("OPTION_POS", _key)] = word_broken(18)
for _key in ("27", "28", "29", "30", "31", "32", "33", "34", "35", "36"):  # PaintEditorTexts
    RULES[("MACRO_EDIT_POS", _key)] = one_line(16)
for _key in ("31", "32", "33", "34", "35"):
    RULES[("PRESSUREGUN_EDIT_POS", _key)] = one_line(16)

# Entries whose Text is not drawn in their rectangle: file names of pictures,
# and the macro editor's delay suffix, which is read from the Name.
NOT_DRAWN = {("MOUSE_PIC", "Mouse"), ("MOUSE_PIC", "Light"), ("MAIN_PIC", "LOGO"),
             ("PRESSUREGUN_EDIT_POS", "11"), ("PRESSUREGUN_EDIT_POS", "12"),
             ("MACRO_EDIT_POS", "42")}


def entry_captions(lang):
    """Every entry's own caption, as the program draws it, and the entries
    with a caption no rule covers."""
    out, unknown = [], []
    for win in layout.WINDOWS:
        for ctl in win.controls:
            text = ctl.text[lang]
            spot = (ctl.section, ctl.key)
            if ctl.opts.get("sheet_only") or not text or spot in NOT_DRAWN:
                continue
            if spot not in RULES:
                unknown.append("[%s] %s" % spot)
                continue
            for t, height, bold, room, wrap in RULES[spot](ctl, lang, text):
                out.append(Caption("[%s] %s" % spot, t, height, bold, room, wrap))
    return out, unknown


def entry(section, key):
    return next(c for w in layout.WINDOWS for c in w.controls
                if (c.section, c.key) == (section, key) and not c.opts.get("sheet_only"))


def function_names(lang):
    """What a function button can show: an assignable function, or a macro's
    or pattern's default name (the word and a number up to 100)."""
    table = texts.func_strings()
    codes = [c for c in range(0xA0, 0xAC) if c not in (0xA6, 0xA7, 0xA8, 0xA9, 0xAA)]
    codes += list(range(0xB0, 0xBB)) + list(range(0xC0, 0xC8)) + list(range(0xD0, 0xD7))
    return [table[c][lang] for c in codes] + [table[w][lang] + " 100" for w in (0x90, 0x91)]


def menu_row(menu_width, offset, arrow=False):
    """A row of a pop-up menu (CBtnMenu, CBitmapListBtn): left aligned from the
    caption offset; a row with a submenu stops 28 pixels short of the edge."""
    return Room(offset, menu_width - (28 if arrow else 0), "left", 0, menu_width - PAD)


def string_captions(lang):
    """Texts of the numbered table where the program draws them."""
    table = texts.func_strings()
    out = []
    widths = {}  # ButtonPage: left aligned 10 pixels in, short of the plate's arrow
    for r in range(6):
        widths.setdefault(entry("MOUSE", str(1 + r)).rect[2], []).append(str(1 + r))
    for w, keys in widths.items():
        room = Room(10, w, "left", 0, w - FUNCTION_ARROW - PAD)
        where = "function button [MOUSE] %s" % ",".join(keys)
        out += [Caption(where, t, 18, False, room) for t in function_names(lang)]
    width = layout.FUNCTION_MENU[0]  # ButtonPage::OpenFunctionMenu
    heads = {0xA8, 0xA9, 0xAA}
    for code in list(range(0xA0, 0xAC)) + list(range(0xB0, 0xBB)) + list(range(0xC0, 0xC8)) + \
            list(range(0xD0, 0xD7)):
        out.append(Caption("function menu, %X" % code, table[code][lang], 18, False,
                           menu_row(width, 5, code in heads)))
    menus = [("Light", 5, 17, range(0x40, 0x47)),            # LightingPage::OpenEffectMenu
             ("Profile_Edit", 5, 18, range(0x30, 0x33)),     # ProfileBar::OpenEditMenu
             ("Profile_Edit", 5, 18, range(0x70, 0x73)),     # CListBoxMacroName::OpenRowMenu
             ("lan", 15, 18, (0x80, 0x81)),                  # CPreference::OpenLanguageMenu
             ("loop", 12, 18, range(0x60, 0x64))]            # CSelEntryDlg::OpenRepeatMenu
    for name, offset, height, codes in menus:
        width = layout.MENUS[name][0]
        for code in codes:
            out.append(Caption("%s menu, %X" % (name, code), table[code][lang], height, False,
                               menu_row(width, offset)))
    box = entry("WARN_POS", "12")  # CWarnDlg: the warning's text in entry 12
    for num, pair in texts.WARNINGS.items():
        out.append(Caption("[WARN_TEXT] %d in [WARN_POS] 12" % num, pair[lang], 18, False,
                           Room(0, box.rect[2]), box.rect[3]))
    return out


def misfits(lang):
    """Why each caption of the skin file of `lang` that does not fit does not."""
    drawn, unknown = entry_captions(lang)
    found = ["%s: no rule in captions.py says how the program draws it" % u for u in unknown]
    for c in drawn + string_captions(lang):
        why = misfit(c)
        if why and why not in found:
            found.append(why)
    return found
