#!/usr/bin/env python3
"""Keeps the shelf of public help files and its provenance list.

  shelf.py harvest OWNER/NAME GITDIR [--max N]   copy the help files of a fetched snapshot
  shelf.py missing                                print what the shelf lacks, restore what a snapshot still has
  shelf.py info FILE.chm                          print the generator guess, language id and contents count
  shelf.py refresh                                guess every file's generator and language id again

The shelf folder is $PELLIN_SHELF (default /work/shelf); the provenance list is provenance.tsv beside
this script. Standard library only; `extract_chmLib` (libchm-bin) reads the help files.
"""
import hashlib
import html
import os
import re
import struct
import subprocess
import sys
import tempfile
from collections import Counter
from pathlib import Path

HERE = Path(__file__).resolve().parent
PROVENANCE = HERE / "provenance.tsv"
SHELF = Path(os.environ.get("PELLIN_SHELF", "/work/shelf"))
MIRRORS = Path(os.environ.get("PELLIN_MIRRORS", "/work/.mirror"))
COLUMNS = ["shelf_name", "sha256", "size", "repository", "path", "commit", "generator", "language_id"]
MAX_BYTES = 4 * 1024 * 1024  # snapshots leave out files of this size and more


def read_provenance():
    if not PROVENANCE.exists():
        return []
    lines = PROVENANCE.read_text(encoding="utf-8").splitlines()
    return [dict(zip(COLUMNS, line.split("\t"))) for line in lines[1:] if line.strip()]


def write_provenance(rows):
    rows = sorted(rows, key=lambda r: r["shelf_name"].lower())
    text = "\t".join(COLUMNS) + "\n" + "".join("\t".join(r[c] for c in COLUMNS) + "\n" for r in rows)
    PROVENANCE.write_text(text, encoding="utf-8")


def git(gitdir, *args, binary=False):
    out = subprocess.run(["git", f"--git-dir={gitdir}", *args], capture_output=True, check=False)
    return out.stdout if binary else out.stdout.decode("utf-8", "replace")


# --- reading a help file -------------------------------------------------------------------------


def system_entries(data):
    """The records of a #SYSTEM entry: {code: bytes}, first record of each code."""
    records, pos = {}, 4
    while pos + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, pos)
        records.setdefault(code, data[pos + 4 : pos + 4 + length])
        pos += 4 + length
    return records


GENERATOR_PATTERNS = [
    (re.compile(rb"<meta[^>]+name=[\"']?generator[\"']?[^>]+content=[\"']([^\"'>]{2,80})", re.I), None),
    (re.compile(rb"<meta[^>]+content=[\"']([^\"'>]{2,80})[\"'][^>]+name=[\"']?generator", re.I), None),
    (re.compile(rb"Generated (?:on [^<]{0,60} )?(?:for [^<]{0,60} )?by[^<]{0,40}doxygen", re.I), b"Doxygen"),
    (re.compile(rb"Sandcastle|MSHelp:|TopicType|SHFB", re.I), b"Sandcastle"),
    (re.compile(rb"content=[\"']?Word\.Document", re.I), b"Microsoft Word"),
    (re.compile(rb"RoboHelp", re.I), b"RoboHelp"),
    (re.compile(rb"Help ?& ?Manual|helpman_", re.I), b"Help & Manual"),
    (re.compile(rb"HelpNDoc", re.I), b"HelpNDoc"),
    (re.compile(rb"DocBook XSL", re.I), b"DocBook XSL"),
]


def page_generator(folder):
    """The generator most pages name (meta tag or a generator's footprint), else ''."""
    votes = Counter()
    pages = sorted(p for p in folder.rglob("*") if p.suffix.lower() in (".htm", ".html") and p.is_file())
    for page in pages[:60]:
        head = page.read_bytes()[:20000]
        for pattern, name in GENERATOR_PATTERNS:
            found = pattern.search(head)
            if found:
                votes[html.unescape((name or found.group(1)).decode("latin-1")).strip()] += 1
                break
    return votes.most_common(1)[0][0] if votes else ""


def without_comments(text):
    """A contents file's text without its HTML comments, which a reader of it skips."""
    return re.sub(r"<!--.*?-->", " ", text, flags=re.S)


def contents_entries(folder):
    """Entries of the contents files that name a page: (entries, distinct pages)."""
    entries, pages = 0, set()
    for hhc in folder.rglob("*"):
        if hhc.suffix.lower() != ".hhc" or not hhc.is_file():
            continue
        text = without_comments(hhc.read_bytes().decode("latin-1"))
        for obj in re.finditer(r"<object[^>]*text/sitemap[^>]*>(.*?)</object>", text, re.I | re.S):
            local = re.search(r"name=\"?local\"?\s+value=\"([^\"]*)\"", obj.group(1), re.I)
            if local and local.group(1).strip():
                entries += 1
                pages.add(html.unescape(local.group(1)).split("#")[0].lower())
    return entries, len(pages)


def info(chm):
    """generator guess, language id (hex), contents entries, distinct contents pages."""
    with tempfile.TemporaryDirectory(prefix="shelf-info-") as tmp:
        folder = Path(tmp)
        try:
            subprocess.run(["extract_chmLib", str(chm), tmp], capture_output=True, timeout=120, check=False)
        except subprocess.TimeoutExpired:
            return "unreadable", "", 0, 0
        system = folder / "#SYSTEM"
        records = system_entries(system.read_bytes()) if system.exists() else {}
        compiler = records.get(9, b"").split(b"\0")[0].decode("latin-1").strip()
        if system.exists() and 9 not in records:
            compiler = "no compiler string"
        lcid = struct.unpack_from("<I", records[4])[0] if len(records.get(4, b"")) >= 4 else None
        if lcid is None:
            header = Path(chm).read_bytes()[:0x18]
            lcid = struct.unpack_from("<I", header, 0x14)[0] if header[:4] == b"ITSF" else 0
        pages = page_generator(folder)
        generator = "; ".join(x for x in (compiler, pages) if x) or "unknown"
        entries, distinct = contents_entries(folder)
        return generator.replace("\t", " "), f"0x{lcid:04x}", entries, distinct


# --- filling the shelf ---------------------------------------------------------------------------


def commit_holding(gitdir, path, blob):
    """A commit whose tree has `blob` at `path`."""
    for commit in git(gitdir, "log", "--all", "--format=%H", f"--find-object={blob}").split():
        if git(gitdir, "rev-parse", f"{commit}:{path}").strip() == blob:
            return commit
    return ""


def chm_blobs(gitdir, limit):
    """(path, blob, commit) of the help files in the newest commit, else the newest of each path."""
    head = git(gitdir, "rev-parse", "HEAD").strip()
    found = []
    for line in git(gitdir, "ls-tree", "-r", "-l", "-z", "HEAD").split("\0"):
        meta, _, path = line.partition("\t")
        if path.lower().endswith(".chm"):
            found.append((path, meta.split()[2], head))
    if not found:
        seen = set()
        for line in git(gitdir, "rev-list", "--all", "--objects").splitlines():
            blob, _, path = line.partition(" ")
            if path.lower().endswith(".chm") and path not in seen:
                seen.add(path)
                found.append((path, blob, commit_holding(gitdir, path, blob)))
    return found[:limit]


def shelf_name(repo, path, taken):
    short = repo.split("/")[1]
    parts = path.split("/")
    name = f"{short}--{parts[-1]}"
    if name.lower() in taken and len(parts) > 1:
        name = f"{short}--{parts[-2]}-{parts[-1]}"
    while name.lower() in taken:
        name = name[:-4] + "_.chm"
    return re.sub(r"[^\w.+-]", "_", name)


def harvest(repo, gitdir, limit):
    rows = read_provenance()
    known = {r["sha256"] for r in rows}
    taken = {r["shelf_name"].lower() for r in rows}
    SHELF.mkdir(parents=True, exist_ok=True)
    added = 0
    for path, blob, commit in chm_blobs(gitdir, limit):
        size = git(gitdir, "cat-file", "-s", blob).strip()
        if not size.isdigit() or int(size) >= MAX_BYTES or int(size) < 512:
            continue
        data = git(gitdir, "cat-file", "blob", blob, binary=True)
        if len(data) != int(size) or not data.startswith(b"ITSF"):
            continue  # absent from the snapshot, a Git LFS pointer or not a help file
        digest = hashlib.sha256(data).hexdigest()
        if digest in known:
            continue
        name = shelf_name(repo, path, taken)
        target = SHELF / name
        target.write_bytes(data)
        generator, lcid, _, _ = info(target)
        rows.append(dict(zip(COLUMNS, [name, digest, size, repo, path, commit, generator, lcid])))
        known.add(digest)
        taken.add(name.lower())
        added += 1
        print(f"{name}\t{size}\t{generator}\t{lcid}")
    write_provenance(rows)
    print(f"{repo}: {added} added, {len(rows)} on the shelf", file=sys.stderr)


def refresh():
    rows = read_provenance()
    for row in rows:
        gitdir = snapshot(row["repository"])
        if gitdir.exists() and (SHELF / row["shelf_name"]).exists():
            blob = git(gitdir, "hash-object", str(SHELF / row["shelf_name"])).strip()
            if git(gitdir, "rev-parse", f"{row['commit']}:{row['path']}").strip() != blob:
                row["commit"] = commit_holding(gitdir, row["path"], blob) or row["commit"]
        if (SHELF / row["shelf_name"]).exists():
            row["generator"], row["language_id"], _, _ = info(SHELF / row["shelf_name"])
    write_provenance(rows)


def snapshot(repo):
    """The git folder of a fetched repository's snapshot (which may not exist)."""
    gitdir = MIRRORS / repo.replace("/", "+") / "repo"
    return gitdir / ".git" if (gitdir / ".git").is_dir() else gitdir


def missing():
    """Restores absent files from snapshots still on disk; lists the repositories still to fetch."""
    to_fetch, restored, ok = set(), 0, 0
    for row in read_provenance():
        target = SHELF / row["shelf_name"]
        if target.exists() and hashlib.sha256(target.read_bytes()).hexdigest() == row["sha256"]:
            ok += 1
            continue
        gitdir = snapshot(row["repository"])
        data = git(gitdir, "show", f"{row['commit']}:{row['path']}", binary=True) if gitdir.exists() else b""
        if data and hashlib.sha256(data).hexdigest() == row["sha256"]:
            SHELF.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            restored += 1
        else:
            to_fetch.add(row["repository"])
    print(f"{ok} present, {restored} restored from snapshots, {len(to_fetch)} repositories to fetch", file=sys.stderr)
    for repo in sorted(to_fetch):
        print(f"github:{repo}")
    return 0 if not to_fetch else 3


def main(argv):
    if len(argv) >= 3 and argv[0] == "harvest":
        limit = int(argv[argv.index("--max") + 1]) if "--max" in argv else 12
        harvest(argv[1], argv[2], limit)
        return 0
    if argv[:1] == ["missing"]:
        return missing()
    if argv[:1] == ["refresh"]:
        refresh()
        return 0
    if len(argv) == 2 and argv[0] == "info":
        print("\t".join(str(x) for x in info(argv[1])))
        return 0
    print(__doc__, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
