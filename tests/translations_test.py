#!/usr/bin/env python3
"""Every text the program marks for translation has a finished German and French translation
that keeps its placeholders (%1, %2 ...), and no two accelerators (&x) of one translation
context share a letter.
    translations_test.py <lupdate> <source folder> <translations folder>"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def text_of(element):
    """The element's text with lupdate's <byte value="xd"/> turned back into characters."""
    parts = [element.text or ""]
    for child in element:
        parts.append(chr(int(child.get("value").lstrip("x"), 16)) + (child.tail or ""))
    return "".join(parts)


def accelerator(text):
    found = re.search(r"&([^&\s])", text.replace("&&", ""))
    return found.group(1).lower() if found else None


def problems(ts_file):
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.find("name").text
        letters = {}
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            forms = [text_of(form) for form in translation.iter("numerusform")]
            text = " ".join(forms) if forms else text_of(translation)
            if (translation.get("type") in ("unfinished", "vanished", "obsolete") or not text or
                    not all(forms)):
                found.append("%s: %r has no translation" % (name, source))
                continue
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                found.append("%s: %r keeps not the placeholders of %r" % (name, text, source))
            letter = accelerator(text)
            if letter and letters.setdefault(letter, text) != text:
                found.append("%s: %r and %r share the accelerator %s" %
                             (name, letters[letter], text, letter))
    return found


def main():
    lupdate, sources, translations = sys.argv[1:4]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in sorted(Path(translations).glob("qz_*.ts")):
            # The committed file brought up to date with the sources: new texts show up as
            # unfinished, texts no longer in the sources as vanished.
            current = Path(scratch) / ts.name
            shutil.copy(ts, current)
            subprocess.run([lupdate, "-silent", "-locations", "none", sources, "-ts",
                            str(current)], check=True)
            failures += ["%s: %s" % (ts.name, p) for p in problems(current)]
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
