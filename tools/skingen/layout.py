"""The one layout description of every window: sizes, the screen sheets, and
each control's section, key, rectangle, look and texts (English, Czech).

Both skin files and every sheet are produced from these tables, so a control's
rectangle in the skin file and its pixels in the sheets cannot disagree.

Rules the window code relies on:
- A button's Text is its caption and tool tip; icon buttons have an empty Text.
- Texts hold no commas (the position value is comma-separated).
"""


class Ctl:
    """One position entry. look names the drawing of paint looks (see skingen.py);
    looks None or "text" draw nothing into the sheets."""

    def __init__(self, section, key, rect, look=None, text=("", ""), name="", flag=False,
                 screens=None, **opts):
        self.section = section
        self.key = key
        self.rect = tuple(rect)
        self.look = look
        self.text = text
        self.name = name
        self.flag = flag
        self.screens = screens  # screen sections whose sheets show it (None: the window's all)
        self.opts = opts

    def value(self, lang):
        x, y, w, h = self.rect
        return "%s,%d,%d,%d,%d,%s,%s" % (self.name, x, y, w, h, self.text[lang],
                                       "TRUE" if self.flag else "0")


class Window:
    def __init__(self, name, size, screens, mask=None, base=None):
        self.name = name
        self.size = size
        self.screens = screens  # screen section -> file stem under skins\
        self.mask = mask        # file under skins\ of the outline, or None
        self.base = base        # name of the background painter
        self.controls = []

    def add(self, *ctls):
        self.controls.extend(ctls)


def T(en, cs=None):
    return (en, en if cs is None else cs)


# ---------------------------------------------------------------------------
# Main window: 1560 x 700, shaped. The background picture fills x 313..1169;
# the page area is (421, 155)-(1091, 605).

MAIN_W, MAIN_H = 1560, 700
PICTURE = (313, 0, 856, 700)
PAGE = (421, 155, 670, 450)
RIGHT_PANEL_X = 1152   # the right panel begins inside the picture's frame

MAIN = Window("main", (MAIN_W, MAIN_H),
              {"MOUSESCREEN": "Main\\Buttons", "SENSISCREEN": "Main\\Sensitivity",
               "LIGHTSCREEN": "Main\\Lighting"},
              mask="Main\\Main_mask.bmp", base="main")
B, S, L = "MOUSESCREEN", "SENSISCREEN", "LIGHTSCREEN"

# Window buttons and title (every page)
MAIN.add(
    Ctl("MAIN", "1", (28, 76, 257, 26), "label", T("R58 Control Center", "Ovládací centrum R58"),
        screens=[B]),
    Ctl("MAIN", "2", (1428, 14, 36, 30), "imagefile", name="Main\\Settings"),
    Ctl("MAIN", "3", (1470, 14, 36, 30), "icon", icon="minimise", screens=[B]),
    Ctl("MAIN", "4", (1510, 14, 36, 30), "icon", icon="close", danger=True, screens=[B]),
)

# Page tabs: Buttons, Sensitivity, Lighting, Library
for i, (key, text) in enumerate([("7", T("Buttons", "Tlačítka")),
                                 ("8", T("Sensitivity", "Citlivost")),
                                 ("9", T("Lighting", "Podsvícení")),
                                 ("99", T("Library", "Knihovna"))]):
    MAIN.add(Ctl("MAIN", key, (421 + i * 170, 100, 160, 40), "tab", text, screens=[B]))

# Apply, OK, close: bottom of the right panel, apply is the accent button
MAIN.add(
    Ctl("MAIN", "12", (1160, 636, 124, 40), "button", T("Close", "Zavřít"), screens=[B]),
    Ctl("MAIN", "10", (1294, 636, 124, 40), "button", T("OK", "OK"), screens=[B]),
    Ctl("MAIN", "11", (1428, 636, 124, 40), "primary", T("Apply", "Použít"), screens=[B]),
)

# Profile bar (left panel): six rows of selector dot, picture and name
PROFILE_ROW_TOP, PROFILE_ROW_STEP, PROFILE_ROW_H = 118, 80, 68
for i in range(1, 7):
    top = PROFILE_ROW_TOP + (i - 1) * PROFILE_ROW_STEP
    MAIN.add(
        Ctl("SYNC", str(20 + i), (26, top + 24, 20, 20), "selector", screens=[B]),
        Ctl("SYNC", str(i), (56, top + 6, 84, 56), "picture", screens=[B]),
        Ctl("SYNC", str(10 + i), (150, top + 18, 137, 32), "name",
            T("Profile %d" % i, "Profil %d" % i), screens=[B]),
    )
MAIN.add(
    Ctl("SYNC", "7", (16, 614, 137, 36), "button", T("Import", "Importovat"), icon="import",
        screens=[B]),
    Ctl("SYNC", "8", (161, 614, 137, 36), "button", T("Export", "Exportovat"), icon="export",
        screens=[B]),
)

# Library panel (right panel)
MAIN.add(
    Ctl("ADVANCE", "9", (1168, 60, 184, 38), "label", T("Macros", "Makra"), screens=[B]),
    Ctl("ADVANCE", "10", (1360, 60, 184, 38), "label", T("Recoil", "Zpětný ráz"), screens=[B]),
    Ctl("ADVANCE", "8", (1160, 106, 392, 451), "list", screens=[B]),
)
for i, (key, text) in enumerate([("3", T("New", "Nový")), ("4", T("Edit", "Upravit")),
                                 ("5", T("Delete", "Smazat")), ("6", T("Import", "Import")),
                                 ("7", T("Export", "Export"))]):
    MAIN.add(Ctl("ADVANCE", key, (1160 + i * 80, 570, 72, 34), "button", text, screens=[B]))

# Button page: heading, profile controls, mouse picture and six assignment rows
MAIN.add(
    Ctl("MOUSE_TEXT", "1", (441, 168, 340, 34), "text",
        T("Button assignment", "Přiřazení tlačítek")),
    Ctl("MAIN", "5", (797, 170, 180, 32), "dropdown", T("Profile 1", "Profil 1"), screens=[B]),
    Ctl("MAIN", "6", (981, 170, 28, 32), "icon", icon="dots", screens=[B]),
    Ctl("MAIN", "15", (1013, 170, 28, 32), "icon", icon="plus", screens=[B]),
    Ctl("MAIN", "14", (1045, 170, 26, 32), "icon", icon="trash", screens=[B]),
    Ctl("MOUSE_PIC", "Mouse", (451, 214, 250, 380), "text", T("mouse.png"), name="Mouse"),
    Ctl("MAIN_PIC", "LOGO", (28, 26, 257, 40), "text", T("logo.png"), name="Logo"),
)

# Row r stands for button slot r; the rows are placed in the order of the
# numbers on the mouse (slot 4 is button 6, the top button).
ROW_NUMBERS = ["1", "2", "3", "6", "4", "5"]
ROW_PLACE = [0, 1, 2, 5, 3, 4]
ROW_LABELS = [T("Left button", "Levé tlačítko"), T("Right button", "Pravé tlačítko"),
              T("Wheel button", "Kolečko"), T("Top button", "Horní tlačítko"),
              T("Side back", "Boční zadní"), T("Side front", "Boční přední")]
ROW_TOP, ROW_STEP = 226, 62
for r in range(6):
    y = ROW_TOP + ROW_PLACE[r] * ROW_STEP
    MAIN.add(
        Ctl("MOUSE", str(31 + r), (731, y + 6, 28, 28), "imagefile", T(ROW_NUMBERS[r]),
            name="Mouse\\Badge"),
        Ctl("MOUSE", str(21 + r), (767, y + 6, 138, 28), "imagefile", ROW_LABELS[r],
            name="Mouse\\Label"),
        Ctl("MOUSE", str(1 + r), (909, y + 3, 162, 34), "imagefile", name="Mouse\\Function"),
    )
# Indirect keys: F1..F6 name the function buttons' entries, F21..F26 the labels'.
INDIRECT = [("MOUSE", "F%d" % (1 + r), str(1 + r)) for r in range(6)] + \
           [("MOUSE", "F%d" % (21 + r), str(21 + r)) for r in range(6)]

# Sensitivity page: seven level columns over the divider (541..971)
LEVEL_X0, LEVEL_W = 541, 430
THUMB = 18


def level_col(k):
    x0 = LEVEL_X0 + round(k * LEVEL_W / 7)
    x1 = LEVEL_X0 + round((k + 1) * LEVEL_W / 7)
    return x0, x1 - x0


MAIN.add(Ctl("SENSITIVITY_TEXT", "4", (441, 164, 330, 34), "heading",
             T("Sensitivity levels", "Úrovně citlivosti"), screens=[S]))
for k in range(7):
    x, w = level_col(k)
    cx = x + w // 2
    MAIN.add(
        Ctl("SENSITIVITY", str(21 + k), (cx - 18, 208, 36, 12), "text"),
        Ctl("SENSITIVITY", str(41 + k), (x, 224, w, 26), "text"),
        Ctl("SENSITIVITY", str(1 + k), (x + 2, 284, w - 4, 26), "hidden", screens=[S]),
    )
c0 = level_col(0)
c6 = level_col(6)
cx0, cx6 = c0[0] + c0[1] // 2, c6[0] + c6[1] // 2
MAIN.add(
    Ctl("SENSITIVITY", "8", (LEVEL_X0, 204, LEVEL_W, 108), "text"),
    Ctl("SLIDERS", "3", (cx0 - THUMB // 2, 262, cx6 - cx0 + THUMB, THUMB), "slider", screens=[S]),
    Ctl("SENSITIVITY_TEXT", "1", (LEVEL_X0, 314, LEVEL_W, 22), "text",
        T("Click the highlighted value to change it", "Kliknutím na zvýrazněnou hodnotu ji změníte")),
)
# Polling rate: four stops under a slider
POLL_X, POLL_W = 661, 400
MAIN.add(
    Ctl("SENSITIVITY_TEXT", "2", (441, 346, 210, 24), "text", T("Polling rate", "Frekvence hlášení")),
    Ctl("SLIDERS", "4", (POLL_X, 348, POLL_W, THUMB), "slider", screens=[S]),
    Ctl("SENSITIVITY", "54", (POLL_X - 30, 368, POLL_W + 60, 26), "text"),
)
for k in range(4):
    cx = POLL_X + THUMB // 2 + round(k * (POLL_W - THUMB) / 3)
    MAIN.add(Ctl("SENSITIVITY", str(50 + k), (cx - 36, 370, 72, 22), "hidden", screens=[S]))
MAIN.add(
    Ctl("SENSITIVITY_TEXT", "3", (441, 404, 630, 24), "text",
        T("Pointer and scrolling", "Ukazatel a posouvání")),
    Ctl("SENSITIVITY_TEXT", "5", (441, 437, 210, 24), "text", T("Pointer speed", "Rychlost ukazatele")),
    Ctl("SLIDERS", "5", (POLL_X, 440, POLL_W, THUMB), "slider", screens=[S]),
    Ctl("SENSITIVITY_TEXT", "6", (441, 471, 210, 24), "text", T("Scroll speed", "Rychlost posouvání")),
    Ctl("SLIDERS", "6", (POLL_X, 474, POLL_W, THUMB), "slider", screens=[S]),
    Ctl("SENSITIVITY_TEXT", "7", (441, 505, 210, 24), "text", T("Double-click speed", "Rychlost dvojkliku")),
    Ctl("SLIDERS", "7", (POLL_X, 508, POLL_W, THUMB), "slider", screens=[S]),
    Ctl("SENSITIVITY", "61", (441, 540, 56, 26), "imagefile", name="Sensi\\SwitchOff"),
    Ctl("SENSITIVITY", "62", (441, 540, 56, 26), "imagefile", name="Sensi\\SwitchOn"),
    Ctl("SENSITIVITY_TEXT", "8", (509, 541, 560, 24), "text",
        T("Enhance pointer precision", "Zvýšit přesnost ukazatele")),
    Ctl("SENSITIVITY", "63", (441, 574, 56, 26), "imagefile", name="Sensi\\SwitchOff"),
    Ctl("SENSITIVITY", "64 ", (441, 574, 56, 26), "imagefile", name="Sensi\\SwitchOn"),
    Ctl("SENSITIVITY_TEXT", "9", (509, 575, 560, 24), "text",
        T("Scroll one screen at a time", "Posouvat po celých stránkách")),
)

# Lighting page: effect, brightness and speed on the left, colour on the right
SWATCHES = [(140, 0, 0), (200, 0, 0), (255, 0, 0), (255, 30, 0), (255, 135, 0), (255, 210, 50),
            (255, 255, 0), (150, 255, 0), (0, 255, 0), (20, 130, 20), (140, 140, 140),
            (70, 70, 70), (60, 45, 145), (125, 50, 150), (150, 0, 255), (255, 0, 255),
            (255, 50, 150), (255, 200, 255), (10, 0, 150), (0, 20, 255), (30, 140, 255),
            (0, 255, 255), (210, 210, 210), (255, 255, 255)]
MAIN.add(
    Ctl("MOUSE_TEXT", "2", (441, 164, 290, 34), "text", T("Lighting effect", "Světelný efekt")),
    Ctl("MOUSE_TEXT", "3", (441, 206, 290, 22), "text", T("Effect", "Efekt")),
    Ctl("MOUSE", "14", (441, 230, 250, 34), "dropdown", T("Static", "Statické"), screens=[L]),
    Ctl("MOUSE_TEXT", "4", (441, 280, 290, 22), "text", T("Brightness", "Jas")),
    Ctl("SLIDERS", "1", (441, 306, 250, THUMB), "slider", screens=[L]),
    Ctl("MOUSE_TEXT", "6", (441, 338, 290, 22), "text", T("Speed", "Rychlost")),
    Ctl("SLIDERS", "2", (441, 364, 250, THUMB), "slider", screens=[L]),
    Ctl("MOUSE_TEXT", "7", (441, 402, 180, 28), "text", T("Colour cycling", "Střídání barev")),
    Ctl("LIGHT_SELRECT", "35", (629, 402, 62, 28), "switch", T("on off", "I O"), screens=[L]),
    Ctl("MOUSE_PIC", "Light", PAGE, "text", T("light.png"), name="Light"),
    Ctl("MOUSE_TEXT", "8", (761, 164, 310, 34), "text", T("Colour", "Barva")),
    Ctl("MOUSE", "15", (761, 222, 92, 24), "text"),
    Ctl("LIGHT_SELRECT", "31", (882, 226, 33, 16), "text"),
    Ctl("LIGHT_SELRECT", "32", (943, 226, 33, 16), "text"),
    Ctl("LIGHT_SELRECT", "33", (1006, 226, 33, 16), "text"),
    Ctl("LIGHT_SELRECT", "30", (761, 256, 310, 110), "spectrum", screens=[L]),
)
for n in range(24):
    MAIN.add(Ctl("LIGHT_SELRECT", str(1 + n), (761 + (n % 12) * 26, 376 + (n // 12) * 26, 22, 22),
                 "swatch", screens=[L], color=SWATCHES[n]))
MAIN.add(Ctl("LIGHT_SELRECT", "40", (757, 440, 318, 40), "text"))
for i in range(7):
    MAIN.add(Ctl("LIGHT_SELRECT", str(41 + i), (763 + i * 44, 448, 38, 24), "text"))
MAIN.add(
    Ctl("MAIN", "20", (761, 560, 150, 34), "button", T("Background…", "Pozadí…"), screens=[L]),
    Ctl("MAIN", "13", (921, 560, 150, 34), "button", T("Reset profile", "Obnovit profil"),
        screens=[L]),
)

# ---------------------------------------------------------------------------
# Dialogs

WARN = Window("warn", (460, 240), {"WARN_SCREEN": "Dialogs\\Warn", "WARN_SCREEN2": "Dialogs\\Warn2"},
              base="dialog")
OK_W = 116
WARN_OK_X = (460 - OK_W) // 2
WARN.add(
    Ctl("WARN_POS", "1", (418, 10, 32, 28), "icon", icon="close", danger=True),
    Ctl("WARN_POS", "11", (64, 16, 350, 30), "text", T("Notice", "Upozornění")),
    Ctl("WARN_POS", "12", (28, 62, 404, 108), "text"),
    # In the two-button layout the program moves OK 69 pixels to the right.
    Ctl("WARN_POS", "2", (WARN_OK_X, 188, OK_W, 36), "primary", T("OK"), screens=["WARN_SCREEN"]),
    Ctl("WARN_POS", "2", (WARN_OK_X + 69, 188, OK_W, 36), "primary", T("OK"),
        screens=["WARN_SCREEN2"], sheet_only=True),
    Ctl("WARN_POS", "3", (WARN_OK_X - 69, 188, OK_W, 36), "button", T("Cancel", "Zrušit"),
        screens=["WARN_SCREEN2"]),
)

OPTION = Window("option", (460, 280), {"OPTION_SCREEN": "Dialogs\\Options"}, base="dialog")
OPTION.add(
    Ctl("OPTION_POS", "1", (418, 10, 32, 28), "icon", icon="close", danger=True),
    Ctl("OPTION_POS", "11", (28, 16, 370, 30), "text", T("Preferences", "Předvolby")),
    Ctl("OPTION_POS", "12", (28, 78, 140, 30), "text", T("Language", "Jazyk")),
    Ctl("OPTION_POS", "3", (180, 76, 252, 34), "dropdown", T("English", "Čeština")),
    Ctl("OPTION_POS", "13", (28, 126, 404, 48), "text",
        T("The new language is shown at once. OK keeps it.",
          "Nový jazyk se projeví hned. OK ho ponechá.")),
    Ctl("OPTION_POS", "14", (28, 182, 404, 24), "text", T("Kestrelon R58")),
    Ctl("OPTION_POS", "2", (316, 228, OK_W, 36), "primary", T("OK")),
)

COLOR = Window("color", (400, 470), {"DPICOLOR_SCREEN": "Dialogs\\Color"}, base="dialog")
COLOR.add(
    Ctl("COLOR_POS", "1", (358, 10, 32, 28), "icon", icon="close", danger=True),
    Ctl("COLOR_POS", "11", (24, 14, 320, 32), "text", T("Level colour", "Barva úrovně")),
    Ctl("COLOR_POS", "12", (24, 58, 260, 24), "text"),
    Ctl("COLOR_POS", "21", (292, 59, 84, 22), "text"),
    Ctl("COLOR_POS", "20", (60, 98, 280, 280), "wheel"),
    Ctl("COLOR_POS", "2", (144, 410, OK_W, 36), "button", T("Cancel", "Zrušit")),
    Ctl("COLOR_POS", "3", (268, 410, OK_W, 36), "primary", T("OK")),
)

SELECT = Window("select", (400, 540), {"SEL_MACRO_SCREEN": "Dialogs\\Select"}, base="dialog")
SELECT.add(
    Ctl("SEL_MACRO_POS", "1", (358, 10, 32, 28), "icon", icon="close", danger=True),
    Ctl("SEL_MACRO_POS", "11", (24, 14, 320, 32), "text", T("Choose a macro", "Vyberte makro")),
    Ctl("SEL_MACRO_POS", "12", (24, 14, 320, 32), "text",
        T("Choose a recoil pattern", "Vyberte vzor kompenzace")),
    Ctl("SEL_MACRO_POS", "6", (24, 58, 352, 360), "list"),
    Ctl("SEL_MACRO_POS", "13", (24, 432, 84, 34), "text", T("Repeat", "Opakování")),
    Ctl("SEL_MACRO_POS", "4", (112, 432, 196, 34), "dropdown", T("Play once", "Přehrát jednou")),
    Ctl("SEL_MACRO_POS", "5", (318, 436, 58, 26), "edit"),
    Ctl("SEL_MACRO_POS", "2", (136, 486, OK_W, 36), "button", T("Cancel", "Zrušit")),
    Ctl("SEL_MACRO_POS", "3", (260, 486, OK_W, 36), "primary", T("OK")),
)

# ---------------------------------------------------------------------------
# Editors: 1100 x 560, both with the macro editor's outline.

ED_W, ED_H = 1100, 560
MACRO = Window("macro", (ED_W, ED_H), {"MACRO_EDIT_SCREEN": "Editor\\Macro"},
               mask="Editor\\Editor_mask.bmp", base="editor")
MACRO.add(
    Ctl("MACRO_EDIT_POS", "26", (32, 16, 600, 34), "text", T("Macro editor", "Editor makra")),
    Ctl("MACRO_EDIT_POS", "1", (1050, 12, 36, 30), "icon", icon="close", danger=True),
    Ctl("MACRO_EDIT_POS", "27", (32, 90, 360, 24), "text", T("Name", "Název")),
    Ctl("MACRO_EDIT_POS", "19", (32, 118, 360, 30), "edit"),
    # Delay rows read "<prefix><number> <suffix>": the prefix (name of 22) is empty.
    Ctl("MACRO_EDIT_POS", "22", (32, 164, 360, 330), "list"),
    Ctl("MACRO_EDIT_POS", "42", (976, 156, 30, 26), "text", T("ms"), name="ms"),
    Ctl("MACRO_EDIT_POS", "5", (442, 164, 96, 96), "record"),
    Ctl("MACRO_EDIT_POS", "6", (420, 286, 140, 34), "button", T("Modify", "Změnit")),
    Ctl("MACRO_EDIT_POS", "7", (420, 328, 140, 34), "button", T("Delete", "Smazat")),
    Ctl("MACRO_EDIT_POS", "8", (420, 370, 140, 34), "button", T("Move up", "Nahoru")),
    Ctl("MACRO_EDIT_POS", "9", (420, 412, 140, 34), "button", T("Move down", "Dolů")),
    Ctl("MACRO_EDIT_POS", "28", (600, 90, 460, 24), "text", T("Delays", "Prodlevy")),
    Ctl("MACRO_EDIT_POS", "32", (600, 242, 460, 24), "text", T("Repeat", "Opakování")),
    Ctl("MACRO_EDIT_POS", "40", (600, 414, 468, 64), "text",
        T("Press the red button and use the keyboard or mouse." + "\\r\\n" +
          "Press it again to stop recording.",
          "Stiskněte červené tlačítko a použijte klávesnici nebo myš." + "\\r\\n" +
          "Dalším stiskem nahrávání ukončíte.")),
    Ctl("MACRO_EDIT_POS", "20", (900, 156, 70, 26), "edit"),
    Ctl("MACRO_EDIT_POS", "21", (900, 308, 70, 26), "edit"),
    Ctl("MACRO_EDIT_POS", "2", (812, 504, 120, 36), "button", T("Cancel", "Zrušit")),
    Ctl("MACRO_EDIT_POS", "3", (944, 504, 124, 36), "primary", T("Save", "Uložit")),
)
for i, text in enumerate([T("Record real delays", "Skutečné prodlevy"),
                          T("Fixed delay (ms)", "Pevná prodleva (ms)"),
                          T("No delays", "Bez prodlev")]):
    y = 122 + i * 34
    MACRO.add(Ctl("MACRO_EDIT_POS", str(10 + i), (600, y + 2, 22, 22), "radio"),
              Ctl("MACRO_EDIT_POS", str(29 + i), (632, y, 260, 26), "text", text))
for i, text in enumerate([T("Play once", "Přehrát jednou"), T("Repeat n times", "Opakovat n×"),
                          T("Repeat while held", "Opakovat při držení"),
                          T("Until pressed again", "Do dalšího stisku")]):
    y = 274 + i * 34
    MACRO.add(Ctl("MACRO_EDIT_POS", str(13 + i), (600, y + 2, 22, 22), "radio"),
              Ctl("MACRO_EDIT_POS", str(33 + i), (632, y, 260, 26), "text", text))

RECOIL = Window("recoil", (ED_W, ED_H), {"PRESSUREGUN_EDIT_SCREEN": "Editor\\Recoil"},
                base="editor")
# Shot column 0 of the editing band; the program shifts column k by k * (390 / n).
BOX_X, BOX_W, STEP_W = 620, 30, 12
RECOIL.add(
    Ctl("PRESSUREGUN_EDIT_POS", "30", (32, 16, 600, 34), "text",
        T("Recoil pattern editor", "Editor vzorů kompenzace")),
    Ctl("PRESSUREGUN_EDIT_POS", "1", (1050, 12, 36, 30), "icon", icon="close", danger=True),
    Ctl("PRESSUREGUN_EDIT_POS", "31", (32, 90, 360, 24), "text", T("Name", "Název")),
    Ctl("PRESSUREGUN_EDIT_POS", "19", (32, 118, 360, 30), "edit"),
    Ctl("PRESSUREGUN_EDIT_POS", "32", (32, 162, 200, 24), "text", T("Shots", "Výstřely")),
    Ctl("PRESSUREGUN_EDIT_POS", "4", (32, 190, 120, 30), "dropdown", T("1")),
    Ctl("PRESSUREGUN_EDIT_POS", "11", (32, 236, 360, 236), "text", T("Editor\\recoil_chart.png"),
        name="Chart"),
    Ctl("PRESSUREGUN_EDIT_POS", "12", (440, 96, 624, 262), "text", T("Editor\\recoil_steps.png"),
        name="Steps"),
    Ctl("PRESSUREGUN_EDIT_POS", "33", (440, 382, 160, 22), "text", T("Interval (ms)", "Interval (ms)")),
    Ctl("PRESSUREGUN_EDIT_POS", "34", (440, 410, 160, 22), "text", T("Horizontal", "Vodorovně")),
    Ctl("PRESSUREGUN_EDIT_POS", "35", (440, 438, 160, 22), "text", T("Vertical", "Svisle")),
    Ctl("PRESSUREGUN_EDIT_POS", "20", (BOX_X, 382, BOX_W, 22), "edit"),
    Ctl("PRESSUREGUN_EDIT_POS", "9", (BOX_X + BOX_W + 1, 382, STEP_W, 11), "step", icon="up"),
    Ctl("PRESSUREGUN_EDIT_POS", "10", (BOX_X + BOX_W + 1, 393, STEP_W, 11), "step", icon="down"),
    Ctl("PRESSUREGUN_EDIT_POS", "21", (BOX_X, 410, BOX_W, 22), "edit"),
    Ctl("PRESSUREGUN_EDIT_POS", "8", (BOX_X + BOX_W + 1, 410, STEP_W, 11), "step", icon="right"),
    Ctl("PRESSUREGUN_EDIT_POS", "7", (BOX_X + BOX_W + 1, 421, STEP_W, 11), "step", icon="left"),
    Ctl("PRESSUREGUN_EDIT_POS", "22", (BOX_X, 438, BOX_W, 22), "edit"),
    Ctl("PRESSUREGUN_EDIT_POS", "5", (BOX_X + BOX_W + 1, 438, STEP_W, 11), "step", icon="up"),
    Ctl("PRESSUREGUN_EDIT_POS", "6", (BOX_X + BOX_W + 1, 449, STEP_W, 11), "step", icon="down"),
    Ctl("PRESSUREGUN_EDIT_POS", "2", (812, 504, 120, 36), "button", T("Cancel", "Zrušit")),
    Ctl("PRESSUREGUN_EDIT_POS", "3", (944, 504, 124, 36), "primary", T("Save", "Uložit")),
)

WINDOWS = [MAIN, WARN, OPTION, COLOR, SELECT, MACRO, RECOIL]

# Pop-up menus: name -> (width, row height, rows drawn, top margin, with outline)
MENUS = {
    "Profile": (180, 25, 6, 0, False),
    "Profile_Edit": (120, 25, 3, 5, True),
    "DPI": (90, 24, 8, 0, False),
    "lan": (252, 33, 2, 0, False),
    "loop": (196, 33, 4, 0, False),
    "PressureGun": (120, 24, 8, 0, False),
    "Light": (250, 33, 7, 0, False),
}
FUNCTION_MENU = (200, 24, 12)  # "function_drop down menu": width, row height, rows

GLOBAL_FONT = "Segoe UI"
