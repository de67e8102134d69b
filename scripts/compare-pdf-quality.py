#!/usr/bin/python3
"""Converts help files with this program and with calibre and prints what a
reader of the two PDFs sees, as a Markdown table: contents entries of the help
file against outline entries, the document title, pictures whose right edge
runs past the page, the fonts and text colours used, and headings at their
size.

Headings: every h1 to h6 of the help file's pages is looked up in the PDF's
text (pdftohtml's boxes, by its words); its font size there is compared with
the size a browser gives it: a plain "hN { font-size: ... }" rule of the help
file's sheets (px, pt, em or %), else the browser's default (h1 2em, h2 1.5em,
h3 1.17em, h4 1em, h5 0.83em, h6 0.67em of 16 px), within 10%. A heading whose
size comes from a class or an inherited size counts at its element's size, so
the check says how near the PDF comes to plain headings, not to every page.

    scripts/compare-pdf-quality.py --pellin build/bin/pellin --work /tmp/q FILE.chm...

calibre runs through bench/large/calibre_chm.py (calibre-debug), which works
around calibre 6.13's CHM input under root. Either side can be left out with
--only pellin or --only calibre; existing PDFs in the work folder are reused.
"""
import argparse
import glob
import html
import json
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
CALIBRE_WRAPPER = os.path.join(HERE, "..", "bench", "large", "calibre_chm.py")


def run(command, env=None, timeout=900):
    """Runs a command; one that overruns the timeout counts as failed."""
    try:
        return subprocess.run(command, env=env, timeout=timeout, capture_output=True, text=True,
                              errors="replace")
    except subprocess.TimeoutExpired:
        return subprocess.CompletedProcess(command, -1, "", "timed out")


def contents_entries(chm, work):
    """Entries of the help file's contents file(s): text/sitemap objects."""
    folder = os.path.join(work, "extract", os.path.basename(chm))
    if not os.path.isdir(folder):
        run(["extract_chmLib", chm, folder])
    counts = []
    for hhc in glob.glob(os.path.join(folder, "**", "*.hhc"), recursive=True):
        with open(hhc, "rb") as f:
            text = f.read().decode("latin-1")
        counts.append(len(re.findall(r'<object[^>]*type\s*=\s*"?text/sitemap', text, re.I)))
    return max(counts) if counts else 0


def outline_count(pdf):
    result = run(["qpdf", "--json", "--json-key=outlines", pdf])
    try:
        outlines = json.loads(result.stdout).get("outlines", [])
    except json.JSONDecodeError:
        return None

    def count(items):
        return sum(1 + count(item.get("kids", [])) for item in items)

    return count(outlines)


def info_field(pdf, name):
    for line in run(["pdfinfo", pdf]).stdout.splitlines():
        if line.startswith(name + ":"):
            return line[len(name) + 1:].strip()
    return ""


def layout(pdf, work):
    """Pages, pictures and font specifications from pdftohtml's XML."""
    folder = os.path.join(work, "layout-" + os.path.basename(pdf))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    run(["pdftohtml", "-xml", "-zoom", "1", "-q", pdf, os.path.join(folder, "out")])
    try:
        root = ET.parse(os.path.join(folder, "out.xml")).getroot()
    except (ET.ParseError, FileNotFoundError):
        return None
    pictures = cut = 0
    families, colours = set(), set()
    for page in root.iter("page"):
        width = float(page.get("width"))
        for image in page.iter("image"):
            pictures += 1
            if float(image.get("left")) + float(image.get("width")) > width + 1:
                cut += 1
        for font in page.iter("fontspec"):
            families.add(re.sub(r"^[A-Z]{6}\+", "", font.get("family", "")))
            colours.add(font.get("color", "").lower())
    shutil.rmtree(folder, ignore_errors=True)
    return {"pictures": pictures, "cut": cut, "families": sorted(families),
            "colours": sorted(colours)}


BROWSER_HEADING_EM = {1: 2.0, 2: 1.5, 3: 1.17, 4: 1.0, 5: 0.83, 6: 0.67}
PX_PER_PT = 96 / 72


def css_length_pt(value, em_pt):
    """A CSS font size in points; None when it is not a plain length."""
    match = re.fullmatch(r"\s*([\d.]+)\s*(px|pt|em|%)\s*(!important)?\s*", value, re.I)
    if not match:
        return None
    number, unit = float(match.group(1)), match.group(2).lower()
    return {"px": number / PX_PER_PT, "pt": number, "em": number * em_pt,
            "%": number * em_pt / 100}[unit]


def heading_sizes_from_sheets(folder):
    """Sizes the help file's sheets give plain h1..h6 rules, in points."""
    sizes = {}
    files = glob.glob(os.path.join(folder, "**", "*.css"), recursive=True)
    files += glob.glob(os.path.join(folder, "**", "*.htm*"), recursive=True)
    for path in sorted(files):
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        if not path.lower().endswith(".css"):
            text = " ".join(re.findall(r"<style[^>]*>(.*?)</style>", text, re.I | re.S))
        text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
        for selectors, block in re.findall(r"([^{}]+)\{([^{}]*)\}", text):
            size = re.search(r"font-size\s*:\s*([^;]+)", block, re.I)
            if not size:
                continue
            for selector in selectors.split(","):
                name = selector.strip().lower()
                if re.fullmatch(r"h[1-6]", name):
                    level = int(name[1])
                    points = css_length_pt(size.group(1), 12)
                    if points:
                        sizes[level] = points
    return sizes


def words_of(text):
    return re.findall(r"\w+", text.lower())


def help_file_headings(chm, work):
    """(words, expected size in points) of every heading of the help file's pages."""
    folder = os.path.join(work, "extract", os.path.basename(chm))
    if not os.path.isdir(folder):
        run(["extract_chmLib", chm, folder])
    sheet_sizes = heading_sizes_from_sheets(folder)
    headings = []
    for path in glob.glob(os.path.join(folder, "**", "*.htm*"), recursive=True):
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        for level, inner in re.findall(r"<h([1-6])[^>]*>(.*?)</h\1\s*>", text, re.I | re.S):
            words = words_of(html.unescape(re.sub(r"<[^>]*>", " ", inner)))
            if words:
                level = int(level)
                headings.append((words, sheet_sizes.get(level, 12 * BROWSER_HEADING_EM[level])))
    return headings


def headings_at_size(chm, pdf, work):
    """Headings found in the PDF's text, and of them those within 10% of their size."""
    folder = os.path.join(work, "headings-" + os.path.basename(pdf))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    run(["pdftohtml", "-xml", "-zoom", "1", "-q", "-i", pdf, os.path.join(folder, "out")])
    try:
        root = ET.parse(os.path.join(folder, "out.xml")).getroot()
    except (ET.ParseError, FileNotFoundError):
        return None
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    font_sizes = {font.get("id"): float(font.get("size")) for font in root.iter("fontspec")}
    lines = {}
    for text in root.iter("text"):
        words = tuple(words_of("".join(text.itertext())))
        if words:
            lines.setdefault(words, []).append(font_sizes.get(text.get("font"), 0))
    found = right = 0
    for words, expected in help_file_headings(chm, work):
        sizes = lines.get(tuple(words))
        if not sizes:
            continue
        found += 1
        if any(abs(size - expected) <= 0.1 * expected for size in sizes):
            right += 1
    return found, right


def convert_pellin(args, chm, target):
    source = os.path.join(args.work, "source", os.path.basename(chm))
    os.makedirs(os.path.dirname(source), exist_ok=True)
    shutil.copyfile(chm, source)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    options = f"-P:Source={source},Target={os.path.dirname(target)},PureConsole=1,Quiet=1"
    run([args.pellin, options])


def convert_calibre(args, chm, target):
    tmp = os.path.join(args.work, "calibre-tmp")
    os.makedirs(tmp, exist_ok=True)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    env = dict(os.environ, TMPDIR=tmp, QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox",
               QT_QPA_PLATFORM="offscreen")
    run(["calibre-debug", "-e", CALIBRE_WRAPPER, chm, target], env=env)


def measure(pdf, work):
    if not os.path.isfile(pdf):
        return None
    facts = {"outline": outline_count(pdf), "title": info_field(pdf, "Title"),
             "pages": info_field(pdf, "Pages")}
    facts.update(layout(pdf, work) or {})
    return facts


def cell(facts):
    if facts is None:
        return "failed", "", "", "", ""
    fonts = ", ".join(f for f in facts.get("families", []) if f)
    colours = len([c for c in facts.get("colours", []) if c != "#000000"])
    headings = facts.get("headings")
    sized = f"{headings[1]} of {headings[0]}" if headings else "none found"
    return (f"{facts['outline']}", facts["title"] or "(none)",
            f"{facts.get('cut', '?')} of {facts.get('pictures', '?')}",
            f"{fonts}; {colours} colour(s) besides black", sized)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pellin", default=os.path.join(HERE, "..", "build", "bin", "pellin"))
    parser.add_argument("--work", required=True)
    parser.add_argument("--only", default="pellin,calibre")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    sides = args.only.split(",")
    print("| file | contents entries | side | outline entries | Title | pictures cut at the "
          "right | fonts; colours | headings at their size | pages |")
    print("|---|---|---|---|---|---|---|---|---|")
    for chm in args.files:
        name = os.path.splitext(os.path.basename(chm))[0]
        entries = contents_entries(chm, args.work)
        for side, convert in (("pellin", convert_pellin), ("calibre", convert_calibre)):
            if side not in sides:
                continue
            pdf = os.path.join(args.work, side, name + ".pdf")
            if not os.path.isfile(pdf):
                convert(args, chm, pdf)
            facts = measure(pdf, args.work)
            if facts:
                facts["headings"] = headings_at_size(chm, pdf, args.work)
            outline, title, cut, fonts, sized = cell(facts)
            pages = facts["pages"] if facts else ""
            print(f"| {name} | {entries} | {side} | {outline} | {title} | {cut} | {fonts} | "
                  f"{sized} | {pages} |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
