#!/usr/bin/env python3
"""Fills translations into a catalogue from a table, for translators who work
in a text editor rather than in Qt Linguist.

    scripts/fill-translations.py CATALOGUE.ts TABLE.json [--overwrite]

TABLE.json holds one object: each key is an English source text, or
"context\\u0004source" for a text that reads differently in one context; each
value is the translation, or for a text with a count (%n) the list of its
plural forms in the catalogue's order. A message of the catalogue that is
unfinished and found in the table takes the translation and is finished; a
finished one is left alone unless --overwrite. The catalogue is written back;
run scripts/update-translations.sh afterwards to bring it into lupdate's form.
Prints the sources still unfinished.
"""
import json
import sys
import xml.etree.ElementTree as ET


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    catalogue, table_path = argv[1], argv[2]
    overwrite = "--overwrite" in argv[3:]
    with open(table_path, encoding="utf-8") as f:
        table = json.load(f)
    tree = ET.parse(catalogue)
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            finished = translation.get("type") is None
            if finished and not overwrite:
                continue
            text = table.get(name + "\u0004" + source, table.get(source))
            if text is None:
                if not finished:
                    missing.append(f"{name}: {source!r}")
                continue
            if message.get("numerus") == "yes":
                forms = translation.findall("numerusform")
                values = text if isinstance(text, list) else [text]
                for i, form in enumerate(forms):
                    form.text = values[min(i, len(values) - 1)]
            else:
                if isinstance(text, list):
                    text = text[0]
                translation.text = text
            translation.attrib.pop("type", None)
    tree.write(catalogue, encoding="utf-8", xml_declaration=True)
    for line in missing:
        print("unfinished:", line)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
