#!/usr/bin/env python3
"""Reports on a run of the program over the shelf (see run-shelf.sh).

  report.py --shelf DIR --out DIR [--out DIR ...] [--hh pellin-hh]

Per help file: the job's status and failure reason (run log), its time (timing line), the contents
entries (the .hhc files pellin-hh writes), the topic starts in the PDF (named destinations
"PellinTopicN", in page order), its outline entries, pages, and signs of garbled text (pdftotext).
Prints a summary table; writes report.tsv into the first --out folder. Several --out folders (runs
over parts of the shelf) are read as one run. Standard library only; needs poppler-utils and qpdf.
"""
import argparse
import html
import json
import os
import re
import subprocess
import sys
import tempfile
import urllib.parse
from collections import Counter
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from shelf import contents_entries, read_provenance, without_comments  # noqa: E402

CYRILLIC_LCIDS = {0x0402, 0x0419, 0x0422, 0x0423, 0x042F, 0x043F, 0x0440, 0x0444, 0x0450, 0x0C1A, 0x201A}
CJK_LCIDS = {0x0404, 0x0411, 0x0412, 0x0804, 0x0C04, 0x1004, 0x1404}
GREEK_ARABIC_HEBREW = {0x0408, 0x0401, 0x040D, 0x0429}
MOJIBAKE = re.compile("[ÂÃÐÑØÙâäåæçèéï][\u0080-\u00bf\u2018-\u203a\u0152\u0153\u0160\u0161\u0178\u017d\u017e\u0192\u02c6\u02dc\u20ac\u2122]")


def run(args, timeout=120):
    try:
        done = subprocess.run(args, capture_output=True, timeout=timeout, check=False)
        return done.stdout.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return ""


def read_runs(outs):
    """status, result text, seconds, note and timing per help file name, and the process's fate."""
    jobs, exits = {}, []
    for out in outs:
        log = out / "run.log"
        for line in log.read_text("utf-8", "replace").splitlines() if log.exists() else []:
            parts = line.rstrip("\r").split(" => ", 2)
            if len(parts) == 3:
                jobs.setdefault(Path(parts[1]).name, {}).update(status=parts[0], result=parts[2])
        console = out / "console.txt"
        for line in console.read_text("utf-8", "replace").splitlines() if console.exists() else []:
            m = re.match(r"\[\d+/\d+\] (.+?)( -> (.+?)| failed: (.*?)| skipped.*?)(?: \(([\d. a-z]+)\))?(?:; (.*))?$", line)
            if m:
                job = jobs.setdefault(m.group(1), {})
                job["seconds"] = seconds(m.group(5) or "")
                job["note"] = m.group(6) or ""
                # A run stopped before its end writes no run log: the progress line tells.
                if m.group(3):
                    job.setdefault("status", "Success")
                    job.setdefault("result", str(out / m.group(3)))
                elif m.group(4):
                    job.setdefault("status", "Failure")
                    job.setdefault("result", m.group(4))
            m = re.match(r"timing: (.+?): (.*)$", line)
            if m:
                jobs.setdefault(m.group(1), {})["timing"] = m.group(2)
        exit_file = out / "exit.txt"
        if exit_file.exists():
            rc, start, end = exit_file.read_text().split()
            cores = [c.name for c in out.iterdir() if c.name.startswith("core")]
            exits.append((int(rc), (int(end) - int(start)) / 1e9, cores))
    return jobs, exits


def seconds(text):
    total = 0.0
    for value, unit in re.findall(r"([\d.]+) (h|min|s)", text):
        total += float(value) * {"h": 3600, "min": 60, "s": 1}[unit]
    return total


def pdf_facts(pdf):
    """pages, topic starts, topic order breaks, outline entries."""
    info = run(["pdfinfo", str(pdf)])
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1)) if "Pages:" in info else 0
    starts = {}
    for m in re.finditer(r"^\s*(\d+) \[ XYZ\s+\S+\s+(\S+).*\] \"PellinTopic(\d+)\"$", run(["pdfinfo", "-dests", str(pdf)]), re.M):
        y = float(m.group(2)) if m.group(2) != "null" else 0.0
        starts[int(m.group(3))] = (int(m.group(1)), -y)
    places = [starts[n] for n in sorted(starts)]
    breaks = sum(1 for a, b in zip(places, places[1:]) if b < a)
    try:
        tree = json.loads(run(["qpdf", "--json", "--json-key=outlines", str(pdf)]) or "{}").get("outlines", [])
    except json.JSONDecodeError:
        tree = []
    outline, stack = 0, list(tree)
    while stack:
        entry = stack.pop()
        outline += 1
        stack.extend(entry.get("kids", []))
    return pages, len(starts), breaks, outline


def garbled(pdf, lcid):
    """'' for clean text, else what looks wrong; and the text's length."""
    text = run(["pdftotext", "-enc", "UTF-8", str(pdf), "-"], timeout=300)
    letters = sum(1 for c in text if c.isalpha()) or 1
    signs = []
    replacement = text.count("\ufffd")
    if replacement > 5 and replacement / letters > 0.002:
        signs.append(f"U+FFFD x{replacement}")
    mojibake = len(MOJIBAKE.findall(text))
    if mojibake > 5 and mojibake / letters > 0.002:
        signs.append(f"mojibake x{mojibake}")
    questions = len(re.findall(r"\?{3,}|(?:\? ){3,}", text))
    if questions > 3:
        signs.append(f"'???' runs x{questions}")
    latin1 = sum(1 for c in text if "\u00c0" <= c <= "\u00ff")
    if lcid in CYRILLIC_LCIDS | CJK_LCIDS | GREEK_ARABIC_HEBREW and latin1 > 50 and latin1 / letters > 0.15:
        native = sum(1 for c in text if ord(c) >= 0x370)
        if native < latin1:
            signs.append(f"Latin-1 letters x{latin1} in a non-Latin file")
    if letters < 20:
        signs.append("no text")
    return ", ".join(signs), len(text)


CODE_PAGES = {0x0404: "cp950", 0x0411: "cp932", 0x0412: "cp949", 0x0804: "gbk", 0x0408: "cp1253", 0x041F: "cp1254",
              0x042A: "cp1258", 0x0405: "cp1250", 0x0415: "cp1250", 0x0418: "cp1250"}


def decoded(data, lcid):
    """Text of a contents file: UTF-8 when valid, else the language's code page."""
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        page = "cp1251" if lcid in CYRILLIC_LCIDS else CODE_PAGES.get(lcid, "cp1252")
        return data.decode(page, "replace")


def contents_of(chm, hh, lcid):
    """contents entries and distinct pages named, and how many of those the decompiled file has."""
    with tempfile.TemporaryDirectory(prefix="shelf-hh-") as tmp:
        run([hh, "-timeout=120", "-decompile", tmp, str(chm)], timeout=180)
        folder = Path(tmp)
        entries, pages = contents_entries(folder)
        present = {str(p.relative_to(folder)).lower() for p in folder.rglob("*") if p.is_file()}
        named = set()
        for hhc in folder.rglob("*"):
            if hhc.suffix.lower() == ".hhc" and hhc.is_file():
                base = hhc.parent.relative_to(folder)
                for local in re.findall(r"name=\"?local\"?\s+value=\"([^\"#]+)",
                                       without_comments(decoded(hhc.read_bytes(), lcid)), re.I):
                    local = urllib.parse.unquote(html.unescape(local)).replace("\\", "/").split("::/")[-1]
                    named.add(os.path.normpath(str(base / local.lstrip("/"))).lower())
        return entries, pages, len(named & present)


def reason_group(result):
    text = re.sub(r"/\S+", "<path>", result)
    text = re.sub(r"\d+", "N", text)
    return text[:90]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--shelf", type=Path, required=True)
    parser.add_argument("--out", type=Path, action="append", required=True)
    parser.add_argument("--hh", default="pellin-hh")
    args = parser.parse_args()
    jobs, exits = read_runs(args.out)
    lcids = {r["shelf_name"]: int(r["language_id"], 16) for r in read_provenance() if r["language_id"]}
    rows, reasons = [], Counter()
    counts = Counter()
    for chm in sorted(args.shelf.glob("*.chm")):
        job = jobs.get(chm.name, {})
        status = job.get("status", "not run")
        row = {"file": chm.name, "status": status, "seconds": job.get("seconds", 0.0), "note": job.get("note", "")}
        lcid = lcids.get(chm.name, 0)
        row["entries"], row["contents_pages"], row["pages_present"] = contents_of(chm, args.hh, lcid)
        row.update(pdf_pages=0, topics=0, order_breaks=0, outline=0, garbled="", text_chars=0)
        if status == "Success":
            pdf = Path(job["result"])
            row["pdf_pages"], row["topics"], row["order_breaks"], row["outline"] = pdf_facts(pdf)
            row["garbled"], row["text_chars"] = garbled(pdf, lcid)
            counts["converted"] += 1
            if row["topics"] < row["pages_present"]:
                counts["topic loss"] += 1
            if row["order_breaks"]:
                counts["order broken"] += 1
            if row["garbled"]:
                counts["garbled"] += 1
            counts["pages"] += row["pdf_pages"]
        elif status == "Failure":
            counts["failed"] += 1
            reasons[reason_group(job.get("result", ""))] += 1
        else:
            counts["not run"] += 1
        row["result"] = job.get("result", "") if status != "Success" else ""
        row["timing"] = job.get("timing", "")
        rows.append(row)
    columns = list(rows[0]) if rows else []
    with open(args.out[0] / "report.tsv", "w", encoding="utf-8") as tsv:
        tsv.write("\t".join(columns) + "\n")
        for row in rows:
            tsv.write("\t".join(str(row[c]).replace("\t", " ") for c in columns) + "\n")
    # timeout(1) ends with 124 at the limit, 137 after its killing signal, 143 when it is stopped itself.
    stopped = sum(1 for rc, _, _ in exits if rc in (124, 137, 143))
    crashed = [f"exit {rc}" + (f", {' '.join(cores)}" if cores else "") for rc, _, cores in exits if (rc >= 128 and rc not in (137, 143)) or cores]
    wall = sum(w for _, w, _ in exits)
    print(f"| help files | {len(rows)} |")
    print(f"| converted | {counts['converted']} |")
    print(f"| failed | {counts['failed']} |")
    for reason, n in reasons.most_common():
        print(f"|   {reason} | {n} |")
    print(f"| not run | {counts['not run']} |")
    print(f"| process crashed | {'; '.join(crashed) if crashed else 'no'} |")
    print(f"| process stopped (time limit or by hand) | {stopped} |")
    print(f"| topic loss (PDF topic starts < contents pages present) | {counts['topic loss']} |")
    print(f"| topic order broken | {counts['order broken']} |")
    print(f"| garbled text | {counts['garbled']} |")
    print(f"| PDF pages | {counts['pages']} |")
    print(f"| total time (wall) | {wall:.0f} s; jobs {sum(r['seconds'] for r in rows):.0f} s |")
    print(f"per file: {args.out[0] / 'report.tsv'}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
