#!/usr/bin/python3
"""Writes the fuzz targets' seed corpora (tests/fuzz/corpus/<target>/) from
files the program and r58ctl write, each cut to fit the 16 KB input limit.
The inputs of earlier findings that stand beside them stay. Run again after
the file formats change:
    tests/fuzz/make_seeds.py build/native/bin/r58ctl build/native/bin/Lan/skin_En.ini"""
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
LIMIT = 16384


def utf16(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


def utf8(text):
    return b"\xef\xbb\xbf" + text.encode("utf-8")


def read_utf16(path):
    with open(path, "rb") as f:
        return f.read()[2:].decode("utf-16-le")


def sections(text):
    """{section: [lines]} in file order."""
    out, current = {}, None
    for line in text.split("\r\n"):
        if line.startswith("["):
            current = out.setdefault(line.strip("[]"), [])
        elif current is not None and line:
            current.append(line)
    return out


def build(parts):
    return "".join("[%s]\r\n%s\r\n\r\n" % (name, "\r\n".join(lines)) for name, lines in parts)


def six_different_profiles(default, with_buttons):
    """Six profiles that differ in every field the file keeps, in shuffled sections."""
    rng = random.Random(58)
    numbers = [3, 0, 5, 1, 4, 2]
    head = ["Totle=6", "Current=2", "Active=4", "Show_TrayIcon=1", "Show_OSD=0", "lan_id=0",
            "BGFilesPath=C:\\Pictures\\bg.jpg"] + ["%d=%d" % (i, n) for i, n in enumerate(numbers)]
    parts = [("Setting", head)]
    profile = default["Profile0Setting"]
    for i, n in enumerate(numbers):
        lines = []
        for line in profile:
            key, _, value = line.partition("=")
            if key == "Profil_Name":
                value = ["Arena", "Sniper", "Žluťoučký kůň", "MOBA", "", "Racing 2"][i]
            elif key.startswith("ButtonAssigned"):
                if not with_buttons or key not in ("ButtonAssigned0", "ButtonAssigned%d" % (i % 7)):
                    continue
            elif value.lstrip("-").isdigit():
                value = str(rng.randint(0, 9))
            lines.append("%s=%s" % (key, value))
        parts.append(("Profile%dSetting" % n, lines))
    return build(parts)


def main():
    r58ctl, skin_file = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp()
    corpus = os.path.join(HERE, "corpus")
    seeds = {}

    def seed(target, name, data):
        assert len(data) <= LIMIT, (target, name, len(data))
        seeds.setdefault(target, []).append((name, data))

    gm = os.path.join(work, "GamingMouse")
    subprocess.run([r58ctl, "settings", "init", gm], check=True, capture_output=True)
    default = sections(read_utf16(gm))
    one = build([("Setting", default["Setting"]), ("Profile0Setting", default["Profile0Setting"])])
    one = one.replace("Totle=6", "Totle=1")
    six = six_different_profiles(default, with_buttons=False)
    six_buttons = six_different_profiles(default, with_buttons=True)
    repairs = build([("Setting", ["Totle=2", "0=7", "1=0"]), ("Profile0Setting", ["Profil_Name=Second"]),
                     ("Profile7Setting", ["Profil_Name=First"])])
    reset = build([("Setting", ["Totle=0"]), ("Profile0Setting", ["Profil_Name=Old"])])
    for target in ("settings", "journal", "ini"):
        seed(target, "one_profile_utf16", utf16(one))
        seed(target, "six_profiles_utf8", utf8(six))
        seed(target, "six_profiles_buttons_utf8", utf8(six_buttons))
        seed(target, "renumbered", utf16(repairs))
        seed(target, "reset", utf16(reset))
    seed("ini", "ansi", b"[Setting]\r\nTotle=3\r\nName=caf\xe9\r\n\r\n[Other]\r\nk = \"quoted\"\r\n")

    profile = build([("ProfileSetting", default["Profile0Setting"])])
    seed("profile", "exported_utf16", utf16(profile))
    seed("profile", "names_only", utf8(build([("ProfileSetting", ["Profil_Name=Imported", "DPI_Cur=9"])])))

    lib = os.path.join(work, "BulletSetting")
    subprocess.run([r58ctl, "pattern", "init", lib], check=True, capture_output=True)
    export = os.path.join(work, "pattern.mmac")
    subprocess.run([r58ctl, "pattern", "export", lib, "2", export], check=True, capture_output=True)
    with open(lib, "rb") as f:
        library = f.read()
    with open(export, "rb") as f:
        record = f.read()
    # Odd first byte: the pattern library; even: the macro library.
    seed("library", "patterns_with_export", b"\x01" + library[1:] + b"\0\0\0\0" + record)
    macro_lib = utf16(build([("Setting", ["Total=2", "0=4", "1=0"]),
                             ("MacroProfile4", ["Name=Reload", "ReaptType=1", "ReaptTimes=3"]),
                             ("MacroProfile0", ["Name=Jump"])]))
    macro_record = utf16(build([("MacroProfile", ["Name=Jump", "ReaptType=0", "ReaptTimes=0"])]))
    seed("library", "macros_with_export", macro_lib + b"\0\0\0\0" + macro_record)

    skin = read_utf16(skin_file)
    values = [line.split("=", 1)[1] for line in skin.split("\r\n") if "=" in line]
    seed("skin", "entries", "\n".join(values[:60]).encode("utf-16-le"))
    seed("skin", "entry", "Btn,10,20,30,40,Play,TRUE".encode("utf-16-le"))
    func = sections(skin)["FUNC_STRING"]
    seed("skin", "func_strings", utf16(build([("FUNC_STRING", func)]))[:LIMIT])

    for text in ("0", "123", "-42", "0x1F", "-0x7fffffffffffffff", "-9223372036854775808",
                 "9223372036854775807", "0x-5", "--5"):
        seed("number", text.replace("-", "m"), text.encode())

    for target, files in seeds.items():
        folder = os.path.join(corpus, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in files:
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
    shutil.rmtree(work)


if __name__ == "__main__":
    main()
