#!/usr/bin/env python3
"""Checks every translation against the texts of the sources as lupdate finds them now.

usage: check-translations.py LUPDATE SOURCE-FOLDER TRANSLATION-FOLDER

lupdate updates a copy of each translations/ringle_*.ts; the check fails, naming the texts, when an
entry is unfinished (a new or changed text, or one never translated), is no longer in the sources,
or when a translation's placeholders (%1, %n, ...), accelerator mark or closing ellipsis differ from
its English text. A tr() whose context lupdate cannot tell fails too: its text would never be
translated.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:[1-9][0-9]?|n)")
# "&Quit" marks Q as the accelerator; "&&" is a plain ampersand and "A & B" has none.
ACCELERATOR = re.compile(r"(?<!&)&(?=[^&\s])")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def shown(text):
    """The text on one line, cut after 100 characters."""
    line = text.replace("\n", "\\n")
    return '"' + (line if len(line) <= 100 else line[:99] + "\u2026") + '"'


def entry_name(context, source):
    return f"{context}: {shown(source)}"


def problems_of(message, context):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    name = entry_name(context, source)
    kind = translation.get("type") if translation is not None else "unfinished"
    if kind in ("vanished", "obsolete"):
        return [f"no longer in the sources: {name}"]
    forms = [form.text or "" for form in translation.findall("numerusform")] or [translation.text or ""]
    if kind == "unfinished" or any(not form.strip() for form in forms):
        return [f"not translated: {name}"]
    found = []
    for form in forms:
        if placeholders(form) != placeholders(source):
            found.append(f"placeholders {' '.join(placeholders(source)) or 'none'} in English but "
                         f"{' '.join(placeholders(form)) or 'none'} in {shown(form)}: {name}")
        if len(ACCELERATOR.findall(form)) != len(ACCELERATOR.findall(source)):
            found.append(f"accelerator mark (&) differs in {shown(form)}: {name}")
        if source.endswith("\u2026") != form.endswith("\u2026"):
            found.append(f"closing ellipsis (\u2026) differs in {shown(form)}: {name}")
    return found


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    lupdate, sources, folder = sys.argv[1:]
    originals = sorted(glob.glob(os.path.join(folder, "ringle_*.ts")))
    if not originals:
        print(f"check-translations: no ringle_*.ts in {folder}", file=sys.stderr)
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = [shutil.copy(original, work) for original in originals]
        # Obsolete entries are kept here, so that they can be named.
        run = subprocess.run([lupdate, "-locations", "none", "-extensions", "cpp,h", "-source-language", "en",
                              sources, "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr, file=sys.stderr)
            return 1
        for line in (run.stdout + run.stderr).splitlines():
            if "cannot be called without context" in line:
                problems.append(f"lupdate cannot tell whose text this is: {line}")
        for original, copy in zip(originals, copies):
            shown = os.path.relpath(original, os.path.dirname(os.path.abspath(folder)))
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    problems += [f"{shown}: {p}" for p in problems_of(message, name)]
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s): run scripts/update-translations, then translate the entries "
              "in Qt Linguist (linguist-qt6).")
        return 1
    print(f"translations complete: {', '.join(os.path.basename(o) for o in originals)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
