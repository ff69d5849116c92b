#!/usr/bin/python3
"""Takes the user guide's screenshots from the real program under Wine with the
end-to-end driver, into tools/help/screenshots. Run it after the windows change
(the build only renders what is committed):
    scripts/with-display /usr/bin/python3 tools/help/refresh_screenshots.py"""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

from r58driver import SCREENSHOTS, Program, wine_env  # noqa: E402

PAGES = {"buttons": "7", "sensitivity": "8", "lighting": "9", "library": "99"}


def keep(name):
    shutil.copyfile(os.path.join(SCREENSHOTS, name), os.path.join(HERE, "screenshots", name))


def main():
    subprocess.run(["wineserver", "-k"], env=wine_env(), capture_output=True)
    os.makedirs(os.path.join(HERE, "screenshots"), exist_ok=True)
    program = Program()
    try:
        program.start()
        for page, key in PAGES.items():
            program.click("MAIN", key)
            program.screenshot("main_%s.png" % page)
            keep("main_%s.png" % page)
    finally:
        program.stop()


if __name__ == "__main__":
    main()
