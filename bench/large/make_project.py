#!/usr/bin/env python3
"""Writes a help project (.hhp, nested .hhc, .hhk) over a chosen set of pages
of the Python library reference, and the same pages joined into one HTML file.

    make_project.py --docs DOCS --out FOLDER --name NAME (--bytes N | --largest N --bytes N)

--bytes N alone takes pages in a fixed pseudo-random order (by a hash of the
page name) until N bytes of HTML are reached, so a larger size holds every
page of a smaller one and pages of the same mix.  --largest P --bytes N takes
P consecutive pages of the size ranking whose sum is closest to N: few, large
pages with many contents entries, like a big API reference.

The contents tree holds, per page, its title (h1) with the h2, h3 and h4 headings
below it, and the API entries (classes, exceptions, functions, methods, attributes) below
the heading they stand under, members below their class.  Prints one line:
name pages html-bytes contents-entries index-entries.
"""

import argparse
import hashlib
import html
import os
import re
import shutil
import sys
from html.parser import HTMLParser

HEADINGS = ("h1", "h2", "h3", "h4")
API_KINDS = {"class", "exception", "function", "method", "attribute"}
CALLABLE_KINDS = {"function", "method"}


class Entry:
    def __init__(self, name, local, level):
        self.name = name
        self.local = local
        self.level = level
        self.children = []


class PageOutline(HTMLParser):
    """Collects the heading and API-entry tree of one Sphinx page."""

    def __init__(self, local):
        super().__init__(convert_charrefs=True)
        self.local = local
        self.roots = []
        self.headings = []  # open heading entries by level 1..4
        self.dl_stack = []  # per open <dl>: its entry once its <dt> was seen
        self.images = set()
        self.heading = None  # [level, anchor, text parts] while inside h1..h4
        self.in_headerlink = False
        self.pending_dt = None  # (kind, id) while inside an API <dt>
        self.descname = None
        self.descname_depth = 0  # open <span>s inside the signature's name
        self.title = None
        self.in_title = False

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "title":
            self.in_title, self.title = True, ""
        elif tag in HEADINGS:
            self.heading = [int(tag[1]), None, []]
        elif tag == "a" and "headerlink" in (a.get("class") or "").split():
            self.in_headerlink = True
            if self.heading is not None and self.heading[1] is None:
                self.heading[1] = (a.get("href") or "").lstrip("#")
        elif tag == "dl":
            self.dl_stack.append([self.dl_kind(a), None])
        elif tag == "dt" and a.get("id") and self.dl_stack:
            kind = self.dl_stack[-1][0]
            if kind in API_KINDS and self.dl_stack[-1][1] is None:
                self.pending_dt = (kind, a["id"])
                self.descname = None
        elif tag == "span" and self.descname_depth:
            self.descname_depth += 1
        elif tag == "span" and self.pending_dt and "sig-name" in (a.get("class") or ""):
            self.descname, self.descname_depth = "", 1
        elif tag == "img" and a.get("src"):
            self.images.add(a["src"])

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False
        elif tag in HEADINGS and self.heading is not None:
            self.close_heading()
        elif tag == "a":
            self.in_headerlink = False
        elif tag == "span" and self.descname_depth:
            self.descname_depth -= 1
        elif tag == "dl" and self.dl_stack:
            self.dl_stack.pop()
        elif tag == "dt" and self.pending_dt:
            self.close_api_entry()

    def handle_data(self, data):
        if self.in_title:
            self.title += data
        if self.heading is not None and not self.in_headerlink:
            self.heading[2].append(data)
        if self.descname_depth:
            self.descname += data

    @staticmethod
    def dl_kind(attrs):
        words = (attrs.get("class") or "").split()
        return words[1] if len(words) > 1 and words[0] == "py" else None

    def close_heading(self):
        level, anchor, parts = self.heading
        self.heading = None
        name = " ".join("".join(parts).split())
        if not name or anchor is None:  # the side bar's headings have no anchor
            return
        local = self.local if level == 1 or not anchor else f"{self.local}#{anchor}"
        entry = Entry(name, local, level)
        del self.headings[level - 1 :]
        parent = self.headings[-1] if self.headings else None
        (parent.children if parent else self.roots).append(entry)
        while len(self.headings) < level - 1:  # a skipped level keeps its place
            self.headings.append(parent)
        self.headings.append(entry)

    def close_api_entry(self):
        kind, ident = self.pending_dt
        self.pending_dt = None
        name = (self.descname or ident.rsplit(".", 1)[-1]).strip()
        if kind in CALLABLE_KINDS:
            name += "()"
        parent = next((d[1] for d in reversed(self.dl_stack[:-1]) if d[1]), None)
        if parent is None:
            parent = next((h for h in reversed(self.headings) if h), None)
        entry = Entry(name, f"{self.local}#{ident}", (parent.level if parent else 0) + 1)
        (parent.children if parent else self.roots).append(entry)
        self.dl_stack[-1][1] = entry


def page_sizes(library):
    names = sorted(n for n in os.listdir(library) if n.endswith(".html"))
    return [(n, os.path.getsize(os.path.join(library, n))) for n in names]


def pick_by_hash(pages, target):
    order = sorted(pages, key=lambda p: hashlib.sha1(p[0].encode()).hexdigest())
    chosen, total = [], 0
    for name, size in order:
        if total >= target:
            break
        chosen.append(name)
        total += size
    return chosen


def pick_largest_window(pages, count, target):
    ranked = sorted(pages, key=lambda p: (-p[1], p[0]))
    best = min(
        range(0, max(1, len(ranked) - count + 1)),
        key=lambda i: abs(sum(s for _, s in ranked[i : i + count]) - target),
    )
    return [n for n, _ in ranked[best : best + count]]


def ascii_attr(text):
    """Attribute text with markup escaped and every non-ASCII character as a
    numeric reference, so the file reads the same under any code page."""
    escaped = html.escape(text, quote=True)
    return escaped.encode("ascii", "xmlcharrefreplace").decode("ascii")


def sitemap_item(entry, indent):
    pad = "\t" * indent
    return (
        f'{pad}<LI> <OBJECT type="text/sitemap">\n'
        f'{pad}\t<param name="Name" value="{ascii_attr(entry.name)}">\n'
        f'{pad}\t<param name="Local" value="{ascii_attr(entry.local)}">\n'
        f"{pad}\t</OBJECT>\n"
    )


def write_tree(out, entries, indent):
    out.write("\t" * (indent - 1) + "<UL>\n")
    for entry in entries:
        out.write(sitemap_item(entry, indent))
        if entry.children:
            write_tree(out, entry.children, indent + 1)
    out.write("\t" * (indent - 1) + "</UL>\n")


SITEMAP_HEAD = (
    '<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n</HEAD><BODY>\n'
)


def write_contents(path, roots):
    with open(path, "w", encoding="ascii") as out:
        out.write(SITEMAP_HEAD)
        out.write('<OBJECT type="text/site properties">\n')
        out.write('\t<param name="ImageType" value="Folder">\n</OBJECT>\n')
        write_tree(out, roots, 1)
        out.write("</BODY></HTML>\n")


def walk(entries):
    for entry in entries:
        yield entry
        yield from walk(entry.children)


def write_index(path, roots):
    keywords = sorted(
        {(e.name.lower(), e.name, e.local) for e in walk(roots) if e.level > 1}
    )
    with open(path, "w", encoding="ascii") as out:
        out.write(SITEMAP_HEAD + "<UL>\n")
        for _, name, local in keywords:
            out.write(sitemap_item(Entry(name, local, 1), 1))
        out.write("</UL>\n</BODY></HTML>\n")
    return len(keywords)


def write_project(path, name, files, default_topic):
    with open(path, "w", encoding="ascii") as out:
        out.write("[OPTIONS]\n")
        out.write(f"Compiled file={name}.chm\nContents file={name}.hhc\n")
        out.write(f"Index file={name}.hhk\nDefault topic={default_topic}\n")
        out.write(f"Title=Python library reference ({name})\n")
        out.write("Language=0x409 English (United States)\n")
        out.write("Full-text search=No\nBinary TOC=No\nBinary Index=No\n\n[FILES]\n")
        for f in files:
            out.write(f + "\n")


# Debian's pages name their installed place as canonical address; a help file
# built from them must not point into the machine that built it.
CANONICAL = re.compile(r'\s*<link rel="canonical" href="file://[^"]*"\s*/?>')


def read_page(path):
    with open(path, encoding="utf-8") as f:
        return CANONICAL.sub("", f.read())


BODY = re.compile(r"<body[^>]*>(.*)</body>", re.S | re.I)


def write_joined(path, docs_library, pages):
    """All pages' bodies in contents order under one head with the style sheets."""
    with open(path, "w", encoding="utf-8") as out:
        out.write('<!DOCTYPE html>\n<html><head><meta charset="utf-8" />\n')
        out.write("<title>Python library reference, joined</title>\n")
        for sheet in ("pydoctheme.css", "pygments.css"):
            out.write(f'<link rel="stylesheet" href="../_static/{sheet}" type="text/css" />\n')
        out.write("</head><body>\n")
        for page in pages:
            match = BODY.search(read_page(os.path.join(docs_library, page)))
            out.write(f"<!-- {page} -->\n{match.group(1) if match else ''}\n")
        out.write("</body></html>\n")


def copy_file(docs, folder, relative):
    target = os.path.join(folder, relative)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(os.path.join(docs, relative), target)


def build(args):
    library = os.path.join(args.docs, "library")
    pages = page_sizes(library)
    if args.largest:
        chosen = pick_largest_window(pages, args.largest, args.bytes)
        chosen.sort()
    else:
        chosen = pick_by_hash(pages, args.bytes)
    folder = os.path.join(args.out, args.name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "library"))

    roots, files, images = [], [], set()
    for page in chosen:
        outline = PageOutline(f"library/{page}")
        text = read_page(os.path.join(library, page))
        outline.feed(text)
        if not outline.roots:  # a page without headings still gets its entry
            title = (outline.title or page).split(" \u2014 Python")[0].strip()
            outline.roots = [Entry(title, f"library/{page}", 1)]
        roots.extend(outline.roots)
        images |= {os.path.normpath(os.path.join("library", s)) for s in outline.images}
        with open(os.path.join(folder, "library", page), "w", encoding="utf-8") as f:
            f.write(text)
        files.append(f"library/{page}")

    for sub in ("_static",):
        for entry in sorted(os.listdir(os.path.join(args.docs, sub))):
            copy_file(args.docs, folder, f"{sub}/{entry}")
            files.append(f"{sub}/{entry}")
    for image in sorted(images):
        if not image.startswith("..") and os.path.isfile(os.path.join(args.docs, image)):
            if image not in files:
                copy_file(args.docs, folder, image)
                files.append(image)

    write_contents(os.path.join(folder, f"{args.name}.hhc"), roots)
    keywords = write_index(os.path.join(folder, f"{args.name}.hhk"), roots)
    write_project(os.path.join(folder, f"{args.name}.hhp"), args.name, files, files[0])
    write_joined(os.path.join(folder, "library", "joined.html"), library, chosen)
    html_bytes = sum(s for n, s in pages if n in set(chosen))
    entries = sum(1 for _ in walk(roots))
    print(f"{args.name} {len(chosen)} {html_bytes} {entries} {keywords}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--docs", required=True, help="the html folder of python3.x-doc")
    parser.add_argument("--out", required=True)
    parser.add_argument("--name", required=True)
    parser.add_argument("--bytes", type=int, required=True, help="HTML bytes to reach")
    parser.add_argument("--largest", type=int, default=0, help="number of large pages")
    build(parser.parse_args())


if __name__ == "__main__":
    sys.exit(main())
