#!/usr/bin/python3
"""Fails when a translation is behind the sources or unfinished.

Usage: check_translations.py LUPDATE SOURCE_FOLDER TS_FILE...

For each .ts file, lupdate takes the sources' texts into a copy of it, as
`--target dorvane_lupdate` would. The copy must come out the same as the
file: a text of the code missing from the file, or one the code no longer
has, shows as a difference. Then every message must be translated: not
unfinished, not empty, every plural form given, the same %1..%9 and %n as
its source, one & (a keyboard accelerator) where the source has one, and
in a file filter ("Word Files (*.doc)|*.doc") the same patterns.
lupdate must not warn: a warning means a text's context is not the one the
code asks for, so its translation would never be shown.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:[1-9]|n|L[1-9])")
ACCELERATOR = re.compile(r"&(?!&)\S")


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def keys(ts):
    return sorted((name, m.findtext("source"), m.findtext("comment") or "") for name, m in messages(ts))


def problems(ts):
    found = []
    for context, message in messages(ts):
        source = message.findtext("source")
        where = f"{context}: {source!r}"
        translation = message.find("translation")
        kind = translation.get("type")
        if kind:
            found.append(f"{where} is {kind}")
            continue
        forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
            else [translation.text or ""]
        for text in forms:
            if not text.strip():
                found.append(f"{where} has an empty translation")
            elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                found.append(f"{where} -> {text!r}: the placeholders differ")
            elif bool(ACCELERATOR.search(source)) != bool(ACCELERATOR.search(text)):
                found.append(f"{where} -> {text!r}: the keyboard accelerator (&) is missing or extra")
            elif "|*" in source and text.split("|")[1::2] != source.split("|")[1::2]:
                found.append(f"{where} -> {text!r}: the file patterns of the filter differ")
    return found


def main():
    lupdate, sources, *files = sys.argv[1:]
    failed = False
    for ts in map(Path, files):
        with tempfile.TemporaryDirectory() as work:
            copy = Path(work) / ts.name
            shutil.copyfile(ts, copy)
            run = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", sources, "-ts", str(copy)],
                                 capture_output=True, text=True)
            # A warning such as "lacks Q_OBJECT macro" means lupdate filed a
            # text under another context than the code looks it up in: its
            # translation would never be found.
            if run.returncode != 0 or run.stderr.strip():
                print(f"{ts.name}: lupdate failed or warned\n{run.stdout}{run.stderr}")
                failed = True
                continue
            before, after = keys(ts), keys(copy)
            for key in sorted(set(after) - set(before)):
                print(f"{ts.name}: not in the file yet: {key[0]}: {key[1]!r}")
                failed = True
            for key in sorted(set(before) - set(after)):
                print(f"{ts.name}: no longer in the code: {key[0]}: {key[1]!r}")
                failed = True
        for problem in problems(ts):
            print(f"{ts.name}: {problem}")
            failed = True
    if failed:
        print("Run `cmake --build build --target dorvane_lupdate` and translate what is unfinished.")
    return 1 if failed else 0


sys.exit(main())
