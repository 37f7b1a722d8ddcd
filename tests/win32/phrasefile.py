#!/usr/bin/env python3
"""Writes a data file for the Windows end-to-end checks.

usage: phrasefile.py <path> [<setting>=<json value>...] [-- <mods>:<vk>:<text>[@@<abbreviation>]...]

Each phrase after "--" gets the id 0000000<n>-0000-4000-8000-000000000000 (n
counting from 1), the name p<n>, and its text with \\n standing for a line
break, and the abbreviation after "@@" when one is given; a text with
{cursor} or {input:...} has its placeholders filled in. The settings start the
program minimised, in English, with the one-time import and the close hint
done; name=value pairs add to or override them.
"""
import json
import sys


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    path = argv[1]
    rest = argv[2:]
    settings = {"startMinimized": True, "importedV3": True, "closeHintShown": True,
                "closeHintSeen": True, "showFloatingPanel": False, "language": "en"}
    phrases = []
    in_phrases = False
    for arg in rest:
        if arg == "--":
            in_phrases = True
        elif in_phrases:
            mods, vk, text = arg.split(":", 2)
            text, _, abbreviation = text.partition("@@")
            n = len(phrases) + 1
            phrase = {"id": "%08d-0000-4000-8000-000000000000" % n, "name": "p%d" % n,
                      "text": text.replace("\\n", "\n"), "vk": int(vk, 0),
                      "mods": int(mods, 0), "enabled": True, "lastUsed": 0}
            if abbreviation:
                phrase["abbreviation"] = abbreviation
            if "{cursor}" in text or "{input:" in text:
                phrase["placeholders"] = True
            phrases.append(phrase)
        else:
            name, value = arg.split("=", 1)
            settings[name] = json.loads(value)
    with open(path, "w", encoding="utf-8") as f:
        json.dump({"version": 1, "settings": settings, "phrases": phrases}, f, indent=4,
                  ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv)
