#!/usr/bin/python3
"""Converts help files with this program and with calibre and prints what a
reader of the two PDFs sees, as a Markdown table: contents entries of the help
file against outline entries, the document title, pictures whose right edge
runs past the page, the fonts and text colours used, and headings at their
size. A second table checks
the pictures' sizes (see picture_sizes), a third how the text flows over
the pages: text past the right margin, words broken inside, headings left
at a page's end (see page_flow).

Headings: every h1 to h6 that chromium shows on the help file's pages is
looked up in the PDF's text (pdftohtml's boxes, by its words); its font size
there is compared with the size chromium computes for it (CSS pixels at 96 per
inch), within 10%. Without chromium the headings' sizes are not checked.

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
import struct
import subprocess
import sys
from collections import Counter
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


def pixel_size(data):
    """Width and height in a PNG, GIF, JPEG or BMP header, else None."""
    if data[:8] == b"\x89PNG\r\n\x1a\n" and len(data) >= 24:
        return struct.unpack(">II", data[16:24])
    if data[:6] in (b"GIF87a", b"GIF89a") and len(data) >= 10:
        return struct.unpack("<HH", data[6:10])
    if data[:2] == b"BM" and len(data) >= 26:
        if struct.unpack("<I", data[14:18])[0] == 12:
            return struct.unpack("<HH", data[18:22])
        width, height = struct.unpack("<ii", data[18:26])
        return width, abs(height)
    at = 2
    while data[:3] == b"\xff\xd8\xff" and at + 9 < len(data) and data[at] == 0xFF:
        marker, length = data[at + 1], struct.unpack(">H", data[at + 2:at + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack(">HH", data[at + 5:at + 9])
            return width, height
        at += 2 + length
    return None


def asked_length(tag, name):
    """A width or height in pixels that an <img> tag asks for (attribute or
    style, px or pt), else None."""
    style = re.search(r'style\s*=\s*["\']([^"\']*)', tag, re.I)
    found = style and re.search(r"(?:^|;)\s*" + name + r"\s*:\s*([\d.]+)\s*(px|pt)", style.group(1),
                                re.I)
    if found:
        return float(found.group(1)) * (4 / 3 if found.group(2).lower() == "pt" else 1)
    found = re.search(name + r'\s*=\s*["\']?\s*([\d.]+)\s*(px|%)?["\'\s/>]', tag, re.I)
    if found and found.group(2) == "%":
        return "%"  # a share of a width the script does not know
    return float(found.group(1)) if found else None


def help_pictures(chm, work):
    """The help file's pictures by pixel size: how many files have each, and
    the sizes in pixels its pages ask for them (one side keeps proportions)."""
    contents_entries(chm, work)  # extracts the help file
    folder = os.path.join(work, "extract", os.path.basename(chm))
    sizes, asked = Counter(), {}
    files = [p for p in glob.glob(os.path.join(folder, "**", "*"), recursive=True)
             if os.path.isfile(p)]
    by_path = {}
    for path in files:
        with open(path, "rb") as f:
            size = pixel_size(f.read(65536))
        if size and size[0] > 0 and size[1] > 0:
            sizes[size] += 1
            by_path[os.path.normcase(os.path.normpath(path)).lower()] = size
    for page in (p for p in files if re.search(r"\.html?$", p, re.I)):
        with open(page, "rb") as f:
            text = f.read().decode("latin-1")
        for tag in re.findall(r"<img\b[^>]*>", text, re.I):
            src = re.search(r'src\s*=\s*["\']?([^"\'\s>]+)', tag, re.I)
            target = src and os.path.normpath(os.path.join(
                os.path.dirname(page), re.sub(r"%20", " ", src.group(1))))
            size = target and by_path.get(os.path.normcase(target).lower())
            width, height = asked_length(tag, "width"), asked_length(tag, "height")
            if height == "%":
                height = None
            if not size or not (width or height) or (width == "%" and not height):
                continue
            if width != "%":
                width = width or height * size[0] / size[1]
                height = height or width * size[1] / size[0]
            asked.setdefault(size, set()).add((width, height))
    return sizes, asked


def picture_sizes(pdf, pictures):
    """Each picture drawn in the PDF, found among the help file's by its pixel
    size (the export keeps a picture's pixels up to 300 per inch of its drawn
    size), against its size at 96 pixels to the inch: at size (within 2%), as
    its page asks (width/height attributes or style), scaled down or up keeping
    its proportions, or squashed (the horizontal and vertical scales more than
    2% apart); "other" are pictures of the PDF the help file does not hold at
    that pixel size (downsampled, or drawn by the page itself)."""
    sizes, asked = pictures
    counts = Counter()
    near = lambda a, b: abs(a - b) <= 0.02 * max(a, b)
    for line in run(["pdfimages", "-list", pdf]).stdout.splitlines()[2:]:
        fields = line.split()
        if len(fields) < 14 or fields[2] not in ("image", "stencil"):
            continue
        width, height = int(fields[3]), int(fields[4])
        x_ppi, y_ppi = float(fields[12]), float(fields[13])
        if (width, height) not in sizes or x_ppi <= 0 or y_ppi <= 0:
            counts["other"] += 1
            continue
        drawn = (width * 96 / x_ppi, height * 96 / y_ppi)
        if near(drawn[0], width) and near(drawn[1], height):
            counts["at size"] += 1
        elif any((w == "%" or near(drawn[0], w)) and near(drawn[1], h)
                 for w, h in asked.get((width, height), ())):
            counts["as the page asks"] += 1
        elif not near(x_ppi, y_ppi):
            counts["squashed"] += 1
        else:
            counts["scaled down" if x_ppi > 96 else "scaled up"] += 1
    return counts


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
        width, height = float(page.get("width")), float(page.get("height"))
        for image in page.iter("image"):
            pictures += 1
            left, top = float(image.get("left")), float(image.get("top"))
            if (left < -1 or top < -1 or left + float(image.get("width")) > width + 1
                    or top + float(image.get("height")) > height + 1):
                cut += 1
        for font in page.iter("fontspec"):
            families.add(re.sub(r"^[A-Z]{6}\+", "", font.get("family", "")))
            colours.add(font.get("color", "").lower())
    shutil.rmtree(folder, ignore_errors=True)
    return {"pictures": pictures, "cut": cut, "families": sorted(families),
            "colours": sorted(colours)}




HEADINGS = {}  # help file -> its headings, found once per run
HEADING_SCRIPT = """<script>
window.addEventListener('load', () => {
  const sizes = [];
  for (const frame of document.querySelectorAll('iframe')) {
    let doc = null;
    try { doc = frame.contentDocument; } catch (e) {}
    if (!doc) continue;
    for (const heading of doc.querySelectorAll('h1,h2,h3,h4,h5,h6')) {
      if (heading.getClientRects().length === 0) continue;
      const style = doc.defaultView.getComputedStyle(heading);
      sizes.push([heading.innerText, parseFloat(style.fontSize)]);
    }
  }
  const out = document.createElement('pre');
  out.id = 'heading-sizes';
  out.textContent = JSON.stringify(sizes);
  document.body.appendChild(out);
});
</script>"""


def words_of(text):
    return re.findall(r"\w+", text.lower())


def browser_headings(folder, pages):
    """(words, size in points) of every shown heading of the pages, as chromium
    computes it, or None without chromium. The pages load into frames of one
    harness page, 40 at a time; names of other hosts do not resolve."""
    if not shutil.which("chromium"):
        return None
    headings = []
    harness = os.path.join(folder, "_headings.html")
    for first in range(0, len(pages), 40):
        frames = "".join(f'<iframe src="{html.escape(os.path.relpath(page, folder))}"></iframe>'
                         for page in pages[first:first + 40])
        with open(harness, "w") as f:
            f.write(f"<html><body>{frames}{HEADING_SCRIPT}</body></html>")
        result = run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                      "--allow-file-access-from-files", "--host-resolver-rules=MAP * ~NOTFOUND",
                      "--dump-dom", "file://" + os.path.abspath(harness)], timeout=300)
        found = re.search(r'<pre id="heading-sizes">(.*?)</pre>', result.stdout, re.S)
        if found:
            for text, px in json.loads(html.unescape(found.group(1))):
                if words_of(text) and px:
                    headings.append((words_of(text), px * 72 / 96))
    if os.path.exists(harness):  # a help file without pages writes none
        os.remove(harness)
    return headings


def help_file_headings(chm, work):
    """(words, expected size in points or None) of every heading of the help
    file's pages: the size chromium gives it, or no size without chromium."""
    if chm in HEADINGS:
        return HEADINGS[chm]
    folder = os.path.join(work, "extract", os.path.basename(chm))
    if not os.path.isdir(folder):
        run(["extract_chmLib", chm, folder])
    pages = sorted(glob.glob(os.path.join(folder, "**", "*.htm*"), recursive=True))
    headings = browser_headings(folder, pages)
    if headings is not None:
        HEADINGS[chm] = headings
        return headings
    headings = []
    for path in pages:
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        for _, inner in re.findall(r"<h([1-6])[^>]*>(.*?)</h\1\s*>", text, re.I | re.S):
            words = words_of(html.unescape(re.sub(r"<[^>]*>", " ", inner)))
            if words:
                headings.append((words, None))
    HEADINGS[chm] = headings
    return headings


def text_layout(pdf, work):
    """pdftohtml's XML of the PDF's text (no pictures), or None."""
    folder = os.path.join(work, "text-" + os.path.basename(pdf))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    run(["pdftohtml", "-xml", "-zoom", "1", "-q", "-i", pdf, os.path.join(folder, "out")])
    try:
        return ET.parse(os.path.join(folder, "out.xml")).getroot()
    except (ET.ParseError, FileNotFoundError):
        return None
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def headings_at_size(chm, pdf, work):
    """Headings found in the PDF's text, and of them those within 10% of their size."""
    root = text_layout(pdf, work)
    if root is None:
        return None
    font_sizes = {font.get("id"): float(font.get("size")) for font in root.iter("fontspec")}
    lines = {}
    for text in root.iter("text"):
        words = tuple(words_of("".join(text.itertext())))
        if words:
            lines.setdefault(words, []).append(font_sizes.get(text.get("font"), 0))
    found = right = 0
    for words, expected in help_file_headings(chm, work):
        sizes = lines.get(tuple(words))
        if not sizes or expected is None:
            continue
        found += 1
        if any(abs(size - expected) <= 0.1 * expected for size in sizes):
            right += 1
    return found, right


def help_file_words(chm, work):
    """Every word of the text of the help file's pages, in lower case."""
    folder = os.path.join(work, "extract", os.path.basename(chm))
    if not os.path.isdir(folder):
        run(["extract_chmLib", chm, folder])
    words = set()
    for path in glob.glob(os.path.join(folder, "**", "*.htm*"), recursive=True):
        with open(path, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        text = re.sub(r"<(script|style)\b.*?</\1\s*>", " ", text, flags=re.I | re.S)
        words.update(words_of(html.unescape(re.sub(r"<[^>]*>", " ", text))))
    return words


def page_flow(chm, pdf, work, right_margin_pt=28.35):
    """Pages that end in a heading of the help file (stranded headings), words
    split over two lines of one column whose halves are not both words of the
    help file while the whole is (broken words), and pages with text right of
    the text area (the office's HTML pages keep 1 cm on the right). A stranded
    heading is the page's last line, in a font larger than the body's."""
    root = text_layout(pdf, work)
    if root is None:
        return None
    headings = {tuple(words) for words, _ in help_file_headings(chm, work)}
    vocabulary = help_file_words(chm, work)
    pages = list(root.iter("page"))
    font_sizes = {font.get("id"): float(font.get("size")) for font in root.iter("fontspec")}
    body_size = Counter(font_sizes.get(text.get("font"), 0) for text in root.iter("text"))
    body_size = body_size.most_common(1)[0][0] if body_size else 0
    stranded, broken, past = 0, 0, 0
    for number, page in enumerate(pages):
        lines = []
        for text in page.iter("text"):
            box = [float(text.get(k)) for k in ("left", "top", "width", "height")]
            lines.append((box, words_of("".join(text.itertext())),
                          font_sizes.get(text.get("font"), 0)))
        lines = [line for line in lines if line[1]]
        if not lines:
            continue
        if any(box[0] + box[2] > float(page.get("width")) - right_margin_pt + 2
               for box, _, _ in lines):
            past += 1
        bottom = max(box[1] for box, _, _ in lines)
        last = sorted((line for line in lines if abs(line[0][1] - bottom) < 2),
                      key=lambda line: line[0][0])
        if (number + 1 < len(pages) and tuple(w for _, words, _ in last for w in words) in headings
                and all(size > body_size for _, _, size in last)):
            stranded += 1
        for box, words, _ in lines:
            below = [other for other in lines if abs(other[0][0] - box[0]) < 1
                     and 0 < other[0][1] - box[1] < 1.6 * box[3]]
            if not below:
                continue
            head, tail = words[-1], min(below, key=lambda line: line[0][1])[1][0]
            if (head + tail in vocabulary
                    and not (head in vocabulary and tail in vocabulary)):
                broken += 1
    return {"pages": len(pages), "stranded": stranded, "broken": broken, "past": past}


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
    sizes, flows = [], []
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
            if facts:
                sizes.append((name, side, facts, picture_sizes(pdf, help_pictures(chm, args.work))))
                flows.append((name, side, page_flow(chm, pdf, args.work)))
    print("\n| file | side | pictures placed | at size | as the page asks | scaled down | "
          "scaled up | squashed | other | past the page edge |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for name, side, facts, counts in sizes:
        placed = sum(counts.values())
        columns = " | ".join(str(counts[k]) for k in ("at size", "as the page asks", "scaled down",
                                                      "scaled up", "squashed", "other"))
        print(f"| {name} | {side} | {placed} | {columns} | {facts.get('cut', '?')} |")
    print("\n| file | side | pages | pages with text past the margin | broken words | "
          "stranded headings |")
    print("|---|---|---|---|---|---|")
    for name, side, flow in flows:
        if flow:
            print(f"| {name} | {side} | {flow['pages']} | {flow['past']} | {flow['broken']} | "
                  f"{flow['stranded']} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
