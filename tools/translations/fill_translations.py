#!/usr/bin/env python3
"""Fills the interface translations from the glossary.

After `cmake --build build --target kestrova_resources_lupdate` has collected the source texts
into resources/translations/kestrova_<lang>.ts, this writes each text's translation from the
glossaries resources/translations/glossary/*.json (one per window or area, each
{"source text": {"fr": ..., "de": ..., "it": ..., "es": ..., "nl": ...}}) and marks it finished. English keeps the source texts. Texts missing from the glossary are listed and
left unfinished, so the interface shows them in English until someone translates them.

    python3 tools/translations/fill_translations.py
"""
import json
import pathlib
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parents[2]
FOLDER = ROOT / "resources" / "translations"
LANGS = ["en", "fr", "de", "it", "es", "nl"]


def main() -> int:
    glossary = {}
    for part in sorted((FOLDER / "glossary").glob("*.json")):
        glossary.update(json.loads(part.read_text(encoding="utf-8")))
    missing = set()
    for lang in LANGS:
        path = FOLDER / f"kestrova_{lang}.ts"
        tree = ET.parse(path)
        for message in tree.getroot().iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            if lang == "en":
                text = source
            else:
                text = glossary.get(source, {}).get(lang)
            if text is None:
                missing.add(source)
                translation.text = None
                translation.set("type", "unfinished")
                continue
            translation.text = text
            translation.attrib.pop("type", None)
        ET.indent(tree, space="    ")
        with open(path, "wb") as out:
            out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            tree.write(out, encoding="utf-8", xml_declaration=False)
            out.write(b"\n")
    for source in sorted(missing):
        print(f"untranslated: {source!r}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
