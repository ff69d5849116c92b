#!/usr/bin/python3
"""Renders the user guide (help.md with its screenshots) to the PDF the
program opens with F1:  build_help.py OUTPUT_PDF"""
import os
import subprocess
import sys
import tempfile

import markdown

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    output = os.path.abspath(sys.argv[1])
    with open(os.path.join(HERE, "help.md"), encoding="utf-8") as f:
        body = markdown.markdown(f.read(), extensions=["tables", "toc"])
    with open(os.path.join(HERE, "help.css"), encoding="utf-8") as f:
        style = f.read()
    page = ("<!DOCTYPE html><html lang='en'><head><meta charset='utf-8'>"
            "<title>Kestrelon R58 configurator - user guide</title><style>%s</style></head>"
            "<body>%s</body></html>" % (style, body))
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", suffix=".html", dir=HERE, delete=False,
                                     encoding="utf-8") as f:
        f.write(page)
        html = f.name
    try:
        # Relative picture paths resolve against the HTML file's folder.
        subprocess.run(["weasyprint", "--quiet", html, output], check=True)
    finally:
        os.unlink(html)


if __name__ == "__main__":
    main()
