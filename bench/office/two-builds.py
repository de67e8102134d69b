#!/usr/bin/python3
"""Converts each help file with two builds of the program, one process per
file and build, turn about, and prints each side's processor time (the
program, its decompiler, page reader and office together) and wall time,
with the second build's ratio to the first. Processor time is the measure:
it changes little when other work shares the machine.

    bench/office/two-builds.py --before OLD/bin/pellin --after build/bin/pellin \
        [--rounds 2] FILE.chm...

Each side's best round counts. Pages of both PDFs are printed, so a change
in the layout shows beside a change in speed.
"""
import argparse
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def pages(pdf):
    try:
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, timeout=60).stdout
    except subprocess.TimeoutExpired:
        return 0
    for line in info.splitlines():
        if line.startswith("Pages:"):
            return int(line.split()[1])
    return 0


def convert(program, chm, work):
    """(processor seconds, wall seconds, pages) of one conversion; pages 0 on failure."""
    source = os.path.join(work, "source")
    target = os.path.join(work, "target")
    for folder in (source, target):
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    shutil.copy(chm, source)
    before_cpu, before_wall = children_cpu(), time.monotonic()
    subprocess.run([program, f"-P:Source={source}/*.chm,Target={target},PureConsole=1,"
                             "Quiet=1,ThreadsCount=1"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   env=dict(os.environ, TMPDIR=work))
    cpu, wall = children_cpu() - before_cpu, time.monotonic() - before_wall
    pdf = os.path.join(target, os.path.splitext(os.path.basename(chm))[0] + ".pdf")
    return cpu, wall, pages(pdf) if os.path.isfile(pdf) else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--before", required=True)
    parser.add_argument("--after", required=True)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    print("| file | processor s: before | after | ratio | wall s: before | after | "
          "pages: before | after |")
    print("|---|---|---|---|---|---|---|---|")
    totals = [0.0, 0.0]
    with tempfile.TemporaryDirectory() as work:
        for chm in args.files:
            best = [None, None]
            for _ in range(args.rounds):
                for side, program in enumerate((args.before, args.after)):
                    result = convert(os.path.abspath(program), chm, work)
                    if best[side] is None or result[0] < best[side][0]:
                        best[side] = result
            (cpu0, wall0, pages0), (cpu1, wall1, pages1) = best
            totals[0] += cpu0
            totals[1] += cpu1
            name = os.path.splitext(os.path.basename(chm))[0]
            print(f"| {name} | {cpu0:.1f} | {cpu1:.1f} | {cpu1 / cpu0:.2f} | {wall0:.1f} | "
                  f"{wall1:.1f} | {pages0} | {pages1} |", flush=True)
    print(f"| all | {totals[0]:.1f} | {totals[1]:.1f} | {totals[1] / totals[0]:.2f} | | | | |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
