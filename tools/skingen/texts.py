"""Texts of the skin in English and Czech: the numbered string table
("FUNC_STRING", keys in upper-case hex) and the warning messages ("WARN_TEXT").
A literal backslash-r-backslash-n breaks a line where the program draws the text."""

NL = "\\r\\n"

# Function codes: the top level 0xA0..0xAB; 0xA8, 0xA9 and 0xAA head the groups
# 0xB0..0xBA, 0xC0..0xC7 and 0xD0..0xD6.
FUNCTIONS = {
    0xA0: ("Left click", "Levé tlačítko"),
    0xA1: ("Right click", "Pravé tlačítko"),
    0xA2: ("Middle click", "Střední tlačítko"),
    0xA3: ("Forward", "Vpřed"),
    0xA4: ("Back", "Zpět"),
    0xA5: ("Double click", "Dvojklik"),
    0xA6: ("Macro…", "Makro…"),
    0xA7: ("Recoil control…", "Kompenzace rázu…"),
    0xA8: ("Multimedia", "Multimédia"),
    0xA9: ("DPI and profiles", "DPI a profily"),
    0xAA: ("Shortcuts", "Zkratky"),
    0xAB: ("Disabled", "Vypnuto"),
    0xB0: ("Play / Pause", "Přehrát / pauza"),
    0xB1: ("Stop", "Zastavit"),
    0xB2: ("Next track", "Další stopa"),
    0xB3: ("Previous track", "Předchozí stopa"),
    0xB4: ("Volume up", "Zesílit"),
    0xB5: ("Volume down", "Zeslabit"),
    0xB6: ("Mute", "Ztlumit"),
    0xB7: ("Media player", "Přehrávač"),
    0xB8: ("E-mail", "E-mail"),
    0xB9: ("Calculator", "Kalkulačka"),
    0xBA: ("This PC", "Tento počítač"),
    0xC0: ("DPI up", "DPI nahoru"),
    0xC1: ("DPI down", "DPI dolů"),
    0xC2: ("DPI cycle", "Střídání DPI"),
    0xC3: ("Sniper (hold)", "Sniper (držet)"),
    0xC4: ("Next profile", "Další profil"),
    0xC5: ("Previous profile", "Předchozí profil"),
    0xC6: ("Profile cycle", "Střídání profilů"),
    0xC7: ("Lighting on / off", "Světlo zap/vyp"),
    0xD0: ("Copy", "Kopírovat"),
    0xD1: ("Cut", "Vyjmout"),
    0xD2: ("Paste", "Vložit"),
    0xD3: ("Undo", "Zpět (úpravy)"),
    0xD4: ("Redo", "Znovu"),
    0xD5: ("Select all", "Vybrat vše"),
    0xD6: ("Show desktop", "Zobrazit plochu"),
}

OTHER_STRINGS = {
    0x10: ("Profile", "Profil"),
    # lighting effects 0..6
    0x40: ("Static", "Statické"),
    0x41: ("Seven-colour flow", "Sedmibarevný tok"),
    0x42: ("Spectrum", "Spektrum"),
    0x43: ("Rainbow wave", "Duhová vlna"),
    0x44: ("Marquee", "Běžící světlo"),
    0x45: ("Breathing", "Dýchání"),
    0x46: ("Reactive", "Reakce na klik"),
    # profile edit menu
    0x30: ("Rename", "Přejmenovat"),
    0x31: ("Import…", "Importovat…"),
    0x32: ("Export…", "Exportovat…"),
    # macro repeat options
    0x60: ("Play once", "Přehrát jednou"),
    0x61: ("Repeat n times", "Opakovat n×"),
    0x62: ("Repeat while held", "Opakovat při držení"),
    0x63: ("Until pressed again", "Do dalšího stisku"),
    # library commands
    0x70: ("Edit", "Upravit"),
    0x71: ("Export", "Exportovat"),
    0x72: ("Delete", "Smazat"),
    0x73: ("New", "Nový"),
    0x74: ("Import", "Importovat"),
    # language names, each in its own language
    0x80: ("Čeština", "Čeština"),
    0x81: ("English", "English"),
    # words of default names
    0x90: ("Macro", "Makro"),
    0x91: ("Recoil", "Ráz"),
}

WARNINGS = {
    11: ("At least one button must stay a left click." + NL +
         "Give another button the left click first.",
         "Alespoň jedno tlačítko musí zůstat levým tlačítkem." + NL +
         "Nejprve nastavte levé tlačítko jinému tlačítku."),
    12: ("All six profile slots are in use." + NL +
         "Delete a profile before you add or import another one.",
         "Všech šest profilů je obsazeno." + NL +
         "Před přidáním nebo importem nejprve některý profil smažte."),
    13: ("The library is full: it holds 100 entries." + NL +
         "Delete an entry you no longer need and try again.",
         "Knihovna je plná: obsahuje 100 položek." + NL +
         "Smažte položku, kterou už nepotřebujete, a zkuste to znovu."),
    14: ("Recording stopped: the macro is full." + NL +
         "The events recorded so far are kept.",
         "Nahrávání skončilo: makro je plné." + NL +
         "Dosud nahrané události zůstávají zachovány."),
    15: ("This action cannot be completed.",
         "Tuto akci nelze dokončit."),
    16: ("Another profile already has this name." + NL +
         "Choose a different name.",
         "Jiný profil už má tento název." + NL +
         "Zvolte jiný název."),
    17: ("A profile can hold at most four macros and recoil patterns." + NL +
         "Free one of the other buttons first.",
         "Profil může mít nejvýše čtyři makra a vzory kompenzace." + NL +
         "Nejprve uvolněte některé jiné tlačítko."),
    18: ("This entry is used by a button of the current profile." + NL +
         "Give that button another function before you delete it.",
         "Tato položka je přiřazena tlačítku aktuálního profilu." + NL +
         "Před smazáním dejte tomu tlačítku jinou funkci."),
    19: ("Reset this profile to factory settings?" + NL +
         "Buttons, sensitivity, lighting and its picture return to their defaults.",
         "Obnovit tento profil na tovární nastavení?" + NL +
         "Tlačítka, citlivost, podsvícení i obrázek se vrátí na výchozí hodnoty."),
}


def func_strings():
    table = dict(FUNCTIONS)
    table.update(OTHER_STRINGS)
    return dict(sorted(table.items()))
