#!/usr/bin/env python3
"""Measures the program against calibre and the office's own HTML-to-PDF floor
on a large help file, or the program's growth over the 1x/2x/4x series.
Run through compare.sh, which installs what is missing; see bench/large/README.md.
"""

import argparse
import json
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SAMPLE_SECONDS = 0.2
SERIES = ("large-1x", "large-2x", "large-4x")
TIMING_LINE = re.compile(r"^timing:\s*(?P<file>[^:]*\.chm):\s*(?P<pairs>.*)$", re.I | re.M)
TIMING_PAIR = re.compile(r"([A-Za-z_][\w-]*)=([0-9]+(?:\.[0-9]+)?)")


# --- processes and memory ------------------------------------------------


def process_table():
    """pid -> (parent pid, command name, resident kB, CPU seconds) of every process."""
    table = {}
    page_kb = os.sysconf("SC_PAGE_SIZE") // 1024
    ticks = os.sysconf("SC_CLK_TCK")
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        # The command name is in parentheses and may itself hold blanks.
        name = stat[stat.index("(") + 1 : stat.rindex(")")]
        fields = stat[stat.rindex(")") + 2 :].split()
        cpu = (int(fields[11]) + int(fields[12])) / ticks
        table[int(entry)] = (int(fields[1]), name, int(fields[21]) * page_kb, cpu)
    return table


def descendants(table, root):
    children = {}
    for pid, (parent, *_) in table.items():
        children.setdefault(parent, []).append(pid)
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        if pid in table:
            found.append(pid)
        todo.extend(children.get(pid, ()))
    return found


def tree_sample(root):
    """(resident kB of the whole tree, of the office part, CPU seconds by pid).
    The office part is every soffice.bin of the tree with its own children."""
    table = process_table()
    tree = descendants(table, root)
    office = set()
    for pid in tree:
        if table[pid][1] == "soffice.bin":
            office.update(descendants(table, pid))
    whole = sum(table[p][2] for p in tree)
    return whole, sum(table[p][2] for p in office), {p: table[p][3] for p in tree}


class Run:
    def __init__(self, **fields):
        self.__dict__.update(fields)


def measure(command, limit, env=None, log_path=None, cwd=None):
    """Runs the command, samples its process tree every 0.2 s and kills the
    tree when it runs past the limit.  CPU time is the larger of what the
    waited-for processes report and the sum of the samples, since a process
    its parent never waits for is missing from the first."""
    load_before = os.getloadavg()[0]
    log = open(log_path, "w") if log_path else subprocess.DEVNULL
    start = time.monotonic()
    process = subprocess.Popen(
        command, env=env, cwd=cwd, stdout=log, stderr=subprocess.STDOUT, start_new_session=True
    )
    peak_tree = peak_office = 0
    cpu_seen = {}
    over = False
    while True:
        pid, status, usage = os.wait4(process.pid, os.WNOHANG)
        if pid:
            break
        whole, office, cpu = tree_sample(process.pid)
        cpu_seen.update(cpu)
        peak_tree, peak_office = max(peak_tree, whole), max(peak_office, office)
        if time.monotonic() - start > limit and not over:
            over = True
            end_tree(process, set(cpu_seen))
        time.sleep(SAMPLE_SECONDS)
    wall = time.monotonic() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if log_path:
        log.close()
    waited_cpu = usage.ru_utime + usage.ru_stime
    return Run(
        wall=wall,
        cpu=max(waited_cpu, sum(cpu_seen.values())),
        over=over,
        code=process.returncode,
        peak_tree_kb=peak_tree,
        peak_office_kb=peak_office,
        load=(load_before, os.getloadavg()[0]),
    )


def end_tree(process, pids):
    """Ends the processes this run started, by their ids, the root first."""
    for pid in [process.pid] + sorted(pids - {process.pid}):
        try:
            os.kill(pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            pass


# --- PDF facts ---------------------------------------------------------


def pdf_pages(pdf):
    result = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True)
    found = re.search(r"^Pages:\s+(\d+)", result.stdout, re.M)
    return int(found.group(1)) if found else 0


def count_outline(items):
    return sum(1 + count_outline(item.get("kids", [])) for item in items)


def outline_depth(items):
    return max((1 + outline_depth(item.get("kids", [])) for item in items), default=0)


def pdf_outline(pdf):
    result = subprocess.run(
        ["qpdf", "--json", "--json-key=outlines", pdf], capture_output=True, text=True
    )
    try:
        outlines = json.loads(result.stdout).get("outlines", [])
    except ValueError:
        return 0, 0
    return count_outline(outlines), outline_depth(outlines)


def add_pdf_facts(run, pdf):
    run.pdf = pdf if pdf and os.path.isfile(pdf) else None
    run.pages = pdf_pages(pdf) if run.pdf else 0
    run.outline, run.depth = pdf_outline(pdf) if run.pdf else (0, 0)
    if run.over:
        run.status = "over the limit"
    elif not run.pdf:
        run.status = f"failed (exit {run.code}, no PDF)"
    else:
        run.status = "ok" if run.code == 0 else f"ok (exit {run.code})"
    return run


# --- the three converters ---------------------------------------------------


def parse_timings(text):
    """Per-job phase timings the program prints with Timings=1, any key=seconds pairs."""
    jobs = []
    for line in TIMING_LINE.finditer(text):
        pairs = [(k, float(v)) for k, v in TIMING_PAIR.findall(line.group("pairs"))]
        jobs.append((line.group("file").strip(), pairs))
    return jobs


def run_program(args, chm, work):
    name = os.path.splitext(os.path.basename(chm))[0]
    source, target, tmp = (os.path.join(work, f"pellin-{name}-{d}") for d in ("src", "out", "tmp"))
    for folder in (source, target, tmp):
        os.makedirs(folder)
    shutil.copy(chm, source)
    options = (
        f"-P:Source={source}/*.chm,Target={target},PureConsole=1,ThreadsCount=1,Timings=1,"
        f"LogFile={target}/run.log"
    )
    env = dict(os.environ, TMPDIR=tmp)
    log = os.path.join(work, f"pellin-{name}.log")
    run = measure([args.pellin, options], args.limit, env=env, log_path=log)
    with open(log, errors="replace") as f:
        run.timings = parse_timings(f.read())
    run.log = log
    return add_pdf_facts(run, os.path.join(target, f"{name}.pdf"))


def run_calibre(args, chm, work):
    name = os.path.splitext(os.path.basename(chm))[0]
    target = os.path.join(work, f"calibre-{name}.pdf")
    tmp = os.path.join(work, f"calibre-{name}-tmp")
    os.makedirs(tmp)
    env = dict(
        os.environ,
        TMPDIR=tmp,
        QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox",
        QT_QPA_PLATFORM="offscreen",
    )
    wrapper = os.path.join(os.path.dirname(os.path.abspath(__file__)), "calibre_chm.py")
    log = os.path.join(work, f"calibre-{name}.log")
    run = measure(["calibre-debug", "-e", wrapper, chm, target], args.limit, env=env, log_path=log)
    run.timings, run.log = [], log
    return add_pdf_facts(run, target)


def run_floor(args, chm, work):
    """The joined pages through the office's own HTML import and PDF export,
    in a Writer text document like the program's, with a profile of its own
    that a small warm-up conversion has already created."""
    name = os.path.splitext(os.path.basename(chm))[0]
    joined = os.path.join(os.path.dirname(chm), name, "library", "joined.html")
    if not os.path.isfile(joined):
        return None
    profile = os.path.join(work, f"floor-{name}-profile")
    target = os.path.join(work, f"floor-{name}")
    os.makedirs(target)
    base = [
        args.soffice,
        "--headless",
        "--norestore",
        f"-env:UserInstallation=file://{profile}",
        "--infilter=HTML (StarWriter)",
        "--convert-to",
        "pdf:writer_pdf_Export",
        "--outdir",
    ]
    warm = os.path.join(work, "warm.html")
    with open(warm, "w") as f:
        f.write("<html><body><h1>warm</h1></body></html>\n")
    measure(base + [os.path.join(work, "warm-out"), warm], args.limit)
    log = os.path.join(work, f"floor-{name}.log")
    run = measure(base + [target, joined], args.limit, log_path=log)
    run.timings, run.log = [], log
    return add_pdf_facts(run, os.path.join(target, "joined.pdf"))


# --- output ------------------------------------------------------------------


def fixture_summary(chm):
    """name pages html-bytes entries keywords chm-bytes, as build-fixture.sh wrote it."""
    summary = os.path.splitext(chm)[0] + ".txt"
    if os.path.isfile(summary):
        with open(summary) as f:
            words = f.read().split()
        if len(words) >= 6:
            return {"pages": int(words[1]), "html": int(words[2]), "entries": int(words[3])}
    return None


def describe_fixture(chm):
    facts = fixture_summary(chm)
    size = os.path.getsize(chm)
    if not facts:
        return f"{os.path.basename(chm)}: {size / 1e6:.1f} MB"
    return (
        f"{os.path.basename(chm)}: {facts['pages']} pages, {facts['html'] / 1e6:.1f} MB of HTML, "
        f"{facts['entries']} contents entries, CHM {size / 1e6:.1f} MB"
    )


def ratio(value, base):
    return f"{value / base:.2f}" if base else "-"


def print_table(rows):
    """rows: (label, Run); ratios are against the program's row."""
    base = next((r for label, r in rows if label == "pellin"), None)
    header = (
        f"{'converter':<10} {'wall s':>8} {'cpu s':>8} {'peak MB':>8} {'office MB':>9} {'pages':>6} "
        f"{'outline':>7} {'depth':>5} {'load':>11}  status"
    )
    print(header)
    print("-" * len(header))
    for label, r in rows:
        load = f"{r.load[0]:.1f}->{r.load[1]:.1f}"
        print(
            f"{label:<10} {r.wall:>8.1f} {r.cpu:>8.1f} {r.peak_tree_kb / 1024:>8.0f} {r.peak_office_kb / 1024:>9.0f}"
            f" {r.pages:>6} {r.outline:>7} {r.depth:>5} {load:>11}  {r.status}"
        )
    if base:
        for label, r in rows:
            if label != "pellin":
                limit_note = " (the program ran over the limit: at least this)" if base.over else ""
                print(
                    f"program/{label}: wall time {ratio(base.wall, r.wall)}, "
                    f"cpu time {ratio(base.cpu, r.cpu)}, "
                    f"peak memory {ratio(base.peak_tree_kb, r.peak_tree_kb)}{limit_note}"
                )


def print_timings(label, run):
    for chm, pairs in getattr(run, "timings", []):
        total = sum(v for _, v in pairs)
        phases = "  ".join(f"{k} {v:.2f}" for k, v in pairs)
        print(f"{label} phases, {chm}: {phases}  (sum {total:.2f} s)")


def growth(first, last, size_ratio):
    return math.log(last / first) / math.log(size_ratio)


def print_series(results):
    """results: (name, Run, html bytes or None) in series order."""
    print(f"{'fixture':<10} {'HTML MB':>8} {'wall s':>8} {'cpu s':>8} {'s per MB':>9} {'office MB':>9} "
          f"{'pages':>6} {'load':>11}  status")
    for name, r, html in results:
        mb = html / 1e6 if html else 0
        per = f"{r.wall / mb:.1f}" if mb and not r.over else "-"
        load = f"{r.load[0]:.1f}->{r.load[1]:.1f}"
        print(f"{name:<10} {mb:>8.1f} {r.wall:>8.1f} {r.cpu:>8.1f} {per:>9} {r.peak_office_kb / 1024:>9.0f} "
              f"{r.pages:>6} {load:>11}  {r.status}")
    first = results[0]
    if first[1].over or first[1].cpu <= 0:
        return
    for name, r, html in results[1:]:
        nominal = 2 if name.endswith("2x") else 4
        bound = "at least " if r.over else ""
        real = f", real HTML ratio {html / first[2]:.2f}" if html and first[2] else ""
        print(
            f"growth 1x->{name[-2:]}: exponent {bound}{growth(first[1].wall, r.wall, nominal):.2f} "
            f"on wall time, {bound}{growth(first[1].cpu, r.cpu, nominal):.2f} on cpu time "
            f"(log(t/t1)/log({nominal}){real})"
        )


# --- main ------------------------------------------------------------------


def resolve_fixture(args, name):
    if name.endswith(".chm") and os.path.isfile(name):
        return os.path.abspath(name)
    chm = os.path.join(args.fixtures, f"{name}.chm")
    if not os.path.isfile(chm):
        sys.exit(f"compare: {chm} is missing; run bench/large/build-fixture.sh {name}")
    return chm


def measure_one(args, chm, work):
    print(describe_fixture(chm), flush=True)
    rows = []
    runners = {"pellin": run_program, "calibre": run_calibre, "floor": run_floor}
    for label in args.only:
        print(f"  running {label} (limit {args.limit:.0f} s)...", flush=True)
        run = runners[label](args, chm, work)
        if run is None:
            print(f"  {label}: nothing to convert for this fixture")
            continue
        rows.append((label, run))
    print()
    print_table(rows)
    for label, run in rows:
        print_timings(label, run)
    for label, run in rows:
        if run.status.startswith("failed"):
            print(f"{label} log: {run.log}")


def measure_series(args, work):
    results = []
    for name in SERIES:
        chm = resolve_fixture(args, name)
        print(describe_fixture(chm), flush=True)
        run = run_program(args, chm, work)
        facts = fixture_summary(chm)
        results.append((name, run, facts["html"] if facts else None))
        print(f"  {run.wall:.1f} s, {run.status}", flush=True)
    print()
    print_series(results)
    for name, run, _ in results:
        print_timings(f"pellin {name}", run)


def parse_arguments():
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.dirname(os.path.dirname(here))
    parser = argparse.ArgumentParser(description="Measures large help files.")
    parser.add_argument("fixture", nargs="?", default="large-1x",
                        help="fixture name in the fixture folder, or a .chm path")
    parser.add_argument("--build", default=os.path.join(repo, "build"))
    parser.add_argument("--fixtures", default=os.path.join(here, "out"))
    parser.add_argument("--limit", type=float, default=1200, help="seconds per conversion")
    parser.add_argument("--series", action="store_true",
                        help="the program alone on large-1x, large-2x and large-4x")
    parser.add_argument("--only", default="pellin,calibre,floor",
                        help="comma-separated rows: pellin, calibre, floor")
    parser.add_argument("--keep", action="store_true", help="keep the PDFs and logs")
    parser.add_argument("--soffice", default="soffice")
    args = parser.parse_args()
    args.only = [w for w in args.only.split(",") if w]
    unknown = set(args.only) - {"pellin", "calibre", "floor"}
    if unknown:
        parser.error(f"unknown rows: {', '.join(sorted(unknown))}")
    args.pellin = os.path.join(args.build, "bin", "pellin")
    return args


def main():
    args = parse_arguments()
    if ("pellin" in args.only or args.series) and not os.access(args.pellin, os.X_OK):
        sys.exit(f"compare: build the program first: {args.pellin} is missing")
    work = tempfile.mkdtemp(prefix="pellin-large-")
    try:
        print(f"load before: {' '.join(f'{x:.2f}' for x in os.getloadavg())} "
              f"on {os.cpu_count()} cores", flush=True)
        if args.series:
            measure_series(args, work)
        else:
            measure_one(args, resolve_fixture(args, args.fixture), work)
    finally:
        if args.keep:
            print(f"PDFs and logs kept in {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
