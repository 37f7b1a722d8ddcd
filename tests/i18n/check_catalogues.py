#!/usr/bin/env python3
"""Checks the nine translation catalogues against the code.

Every source text of the code (as lupdate finds it) must be in every
catalogue, translated: none unfinished, obsolete, vanished or empty, the same
placeholders (%1, %2, %n) as the source, plural forms where the source has %n,
a mnemonic marker (&) where the source has one, and no catalogue entry that
the code no longer has.

    check_catalogues.py <lupdate> <source dir> <catalogue dir>
"""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["zh_CN", "zh_TW", "ja", "ko", "es", "de", "ru", "fr", "it"]
PLACEHOLDER = re.compile(r"%(\d+|n)")
MNEMONIC = re.compile(r"&(?!&)\S")


def messages(path):
    """(context, source, comment) -> message element."""
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            out[key] = message
    return out


def code_messages(lupdate, source_dir):
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "code.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", source_dir, "-ts", ts],
                       check=True, stdout=subprocess.DEVNULL)
        found = messages(ts)
        numerus = {k for k, m in found.items() if m.get("numerus") == "yes"}
        return set(found), numerus


def translations(message):
    node = message.find("translation")
    if node is None:
        return None, []
    forms = node.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [node.text or ""]
    return node.get("type"), texts


def check(lupdate, source_dir, catalogue_dir):
    expected, numerus = code_messages(lupdate, source_dir)
    problems = []
    for code in LANGUAGES:
        path = os.path.join(catalogue_dir, f"scrivlet_{code}.ts")
        if not os.path.exists(path):
            problems.append(f"{code}: no catalogue {path}")
            continue
        found = messages(path)
        for key in sorted(expected - set(found)):
            problems.append(f"{code}: missing {key[0]} \"{key[1]}\"")
        for key in sorted(set(found) - expected):
            problems.append(f"{code}: not in the code any more: {key[0]} \"{key[1]}\"")
        for key, message in found.items():
            if key not in expected:
                continue
            context, source, _ = key
            kind, texts = translations(message)
            where = f"{code}: {context} \"{source}\""
            if kind in ("unfinished", "obsolete", "vanished"):
                problems.append(f"{where} is {kind}")
                continue
            if key in numerus and len(texts) < 1:
                problems.append(f"{where} has no plural forms")
            want = sorted(set(PLACEHOLDER.findall(source)))
            for text in texts:
                if not text.strip():
                    problems.append(f"{where} is empty")
                elif sorted(set(PLACEHOLDER.findall(text))) != want:
                    problems.append(f"{where}: placeholders {want} became "
                                    f"{sorted(set(PLACEHOLDER.findall(text)))}")
                elif MNEMONIC.search(source) and not MNEMONIC.search(text):
                    problems.append(f"{where}: the mnemonic marker is gone")
    return problems


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    problems = check(*sys.argv[1:])
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s) in the catalogues")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
