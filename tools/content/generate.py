#!/usr/bin/env python3
"""Writes Kestrova's shipped documents into languages/<Lang>/ from the sources beside this script.

For each language (En, Fr, De, It, Es, Nl):
  Kestrova_Task1_<sfx>.html … Kestrova_Task4_<sfx>.html   report templates: the layout of
      reports/TaskN.html (with the shared head and foot parts) and the texts of
      reports/<lang>.json ({{key}} markers)
  Kestrova_About_<sfx>.html, Kestrova_Video-instructions_<sfx>.html,
  Kestrova_Publications_<sfx>.html                        pages/<Lang>/<name>.html
  Kestrova_Instruction-book_<sfx>.pdf                     pages/<Lang>/Instruction-book.html,
      printed with kestrova-docprinter (only with --printer)

In every source "{{style:NAME}}" is replaced by style/NAME.css and "{{lang}}" by the language
code, so each shipped file is self-contained (no link to anything outside it).

  generate.py [--printer PATH --work DIR]   write the files (and print the books)
  generate.py --languages En,Fr --reports-only   a part only
  generate.py --check                       compare instead of writing; exit 1 if any file is
                                            missing or differs from what the sources give
"""

import argparse
import html
import json
import os
import pathlib
import re
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
LANGUAGES_DIR = ROOT / "languages"

# Sub-folder, file suffix and language code, in the order of the program's language index.
LANGUAGES = [("En", "_en", "en"), ("Fr", "_fr", "fr"), ("De", "_de", "de"),
             ("It", "_it", "it"), ("Es", "_es", "es"), ("Nl", "_nl", "nl")]
TASKS = ["Task1", "Task2", "Task3", "Task4"]
PAGES = ["About", "Video-instructions", "Publications"]
BOOK = "Instruction-book"

MARKER = re.compile(r"\{\{([A-Za-z0-9_:.-]+)\}\}")


class SourceError(Exception):
    pass


def read(path):
    return path.read_text(encoding="utf-8")


def expand(source, origin, code, texts=None, used=None, task=None, parts="reports"):
    """Replaces the markers of one source; texts maps report text keys to plain text.

    "{{part:NAME}}" takes in <parts>/NAME.part.html (what the reports, or the pages of all
    languages, share), and in the report of task N a key "task.X" stands for "tN.X".
    """
    def replace(match):
        key = match.group(1)
        if key == "lang":
            return code
        if key.startswith("part:"):
            part = HERE / parts / (key[len("part:"):] + ".part.html")
            if not part.exists():
                raise SourceError(f"{origin}: no part {part.name}")
            return expand(read(part), part.name, code, texts, used, task, parts).rstrip("\n")
        if key.startswith("task.") and task is not None:
            key = f"t{task}." + key[len("task."):]
        if key.startswith("style:"):
            css = HERE / "style" / (key[len("style:"):] + ".css")
            if not css.exists():
                raise SourceError(f"{origin}: no stylesheet {css.name}")
            return read(css).strip()
        if texts is None or key not in texts:
            raise SourceError(f"{origin}: no text for {{{{{key}}}}} in {code}")
        if used is not None:
            used.add(key)
        return html.escape(texts[key], quote=False)
    return MARKER.sub(replace, source)


def planned_files(languages, reports_only):
    """(target path, content) of every generated HTML file, and the books to print."""
    files = []
    books = []
    for folder, suffix, code in LANGUAGES:
        if folder not in languages:
            continue
        texts_path = HERE / "reports" / f"{code}.json"
        texts = json.loads(read(texts_path))
        used = set()
        for number, task in enumerate(TASKS, start=1):
            layout = HERE / "reports" / f"{task}.html"
            content = expand(read(layout), layout.name, code, texts, used, number)
            files.append((LANGUAGES_DIR / folder / f"Kestrova_{task}{suffix}.html", content))
        unused = sorted(set(texts) - used)
        if unused:
            raise SourceError(f"{texts_path.name}: texts used by no layout: {', '.join(unused)}")
        if reports_only:
            continue
        for page in PAGES:
            source = HERE / "pages" / folder / f"{page}.html"
            files.append((LANGUAGES_DIR / folder / f"Kestrova_{page}{suffix}.html",
                          expand(read(source), f"{folder}/{source.name}", code, parts="pages")))
        source = HERE / "pages" / folder / f"{BOOK}.html"
        books.append((folder, suffix,
                      expand(read(source), f"{folder}/{source.name}", code, parts="pages")))
    return files, books


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--printer", help="path of kestrova-docprinter (prints the books)")
    parser.add_argument("--work", default=str(ROOT / "build" / "content-work"),
                        help="folder for the expanded book sources")
    parser.add_argument("--languages", default=",".join(f for f, _, _ in LANGUAGES),
                        help="comma-separated sub-folders to handle (default: all six)")
    parser.add_argument("--reports-only", action="store_true",
                        help="only the report templates")
    args = parser.parse_args()

    try:
        files, books = planned_files(args.languages.split(","), args.reports_only)
    except (SourceError, OSError, json.JSONDecodeError) as error:
        print(f"error: {error}", file=sys.stderr)
        return 1

    if args.check:
        stale = [str(path.relative_to(ROOT)) for path, content in files
                 if not path.exists() or read(path) != content]
        stale += [f"languages/{folder}/Kestrova_{BOOK}{suffix}.pdf (missing)"
                  for folder, suffix, _ in books
                  if not (LANGUAGES_DIR / folder / f"Kestrova_{BOOK}{suffix}.pdf").exists()]
        for name in stale:
            print(f"out of date: {name}", file=sys.stderr)
        if stale:
            print("run: cmake --build build --target kestrova_content", file=sys.stderr)
        return 1 if stale else 0

    for path, content in files:
        path.parent.mkdir(parents=True, exist_ok=True)
        if not path.exists() or read(path) != content:
            path.write_text(content, encoding="utf-8")
            print(f"wrote {path.relative_to(ROOT)}")

    if not args.printer:
        print("instruction books not printed (no --printer)")
        return 0
    work = pathlib.Path(args.work)
    jobs = []
    for folder, suffix, content in books:
        source = work / folder / f"Kestrova_{BOOK}{suffix}.html"
        source.parent.mkdir(parents=True, exist_ok=True)
        source.write_text(content, encoding="utf-8")
        jobs += [str(source), str(LANGUAGES_DIR / folder / f"Kestrova_{BOOK}{suffix}.pdf")]
    # Printing needs no screen; the web engine's sandbox cannot run as root.
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env.setdefault("QTWEBENGINE_DISABLE_SANDBOX", "1")
    env.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu")
    # The book keeps margins of 18 mm on every page.
    return subprocess.run([args.printer, "--margins", "18"] + jobs, env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
