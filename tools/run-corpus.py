#!/usr/bin/env python3
"""Runs every build of the programs on every data set of a corpus and
compares standard output (bytes) and exit status across the builds.

    tools/run-corpus.py CORPUS-DIR --builds NAME=DIR... --programs NAME...
                        [--jobs N]

CORPUS-DIR/<program>/*.in are the data sets; DIR/<program>/<program> the
program of a build. The first build is the reference. On a difference names
the first data set (programs in the order given, data sets in name order),
both exit statuses and the first differing line of both outputs, and exits 1;
otherwise prints a one-line summary and exits 0.
"""

import argparse
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

TIMEOUT = 600  # seconds a single run may take


def run(binary, path):
    with open(path, "rb") as f:
        try:
            p = subprocess.run([binary], stdin=f, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            return b"", "timed out"
    return p.stdout, p.returncode


def compare(builds, prog, path):
    """None when every build agrees, else (other build, ref out, ref status,
    other out, other status); also the reference status."""
    ref_name, ref_dir = builds[0]
    ref_out, ref_status = run(os.path.join(ref_dir, prog, prog), path)
    for name, folder in builds[1:]:
        out, status = run(os.path.join(folder, prog, prog), path)
        if out != ref_out or status != ref_status:
            return (name, ref_out, ref_status, out, status), ref_status
    return None, ref_status


def shown(line):
    # Code page 932 text as readable characters, control bytes escaped.
    if line is None:
        return "(no such line)"
    return repr(line.decode("cp932", "backslashreplace"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("corpus")
    ap.add_argument("--builds", nargs="+", required=True)
    ap.add_argument("--programs", nargs="+", required=True)
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 4)
    args = ap.parse_args()
    builds = [tuple(b.split("=", 1)) for b in args.builds]

    work = []
    for prog in args.programs:
        folder = os.path.join(args.corpus, prog)
        for name in sorted(os.listdir(folder)):
            if name.endswith(".in"):
                work.append((prog, os.path.join(folder, name)))
    # Threads suffice: the time goes to the child processes.
    with ThreadPoolExecutor(args.jobs) as pool:
        results = list(pool.map(lambda w: compare(builds, *w), work))

    differing = [(w, r[0]) for w, r in zip(work, results) if r[0] is not None]
    nonzero = sum(1 for r in results if r[1] != 0)
    names = [b[0] for b in builds]
    if differing:
        (prog, path), (other, a, sa, b, sb) = differing[0]
        print("compare-builds: %d of %d data sets differ between builds; first: %s"
              % (len(differing), len(work), path))
        counts = {}
        for (p, _), _ in differing:
            counts[p] = counts.get(p, 0) + 1
        print("  data sets that differ: " +
              ", ".join("%s %d" % (p, counts[p]) for p in args.programs if p in counts))
        print("  exit status: %s %s, %s %s" % (names[0], sa, other, sb))
        la, lb = a.split(b"\n"), b.split(b"\n")
        width = max(len(names[0]), len(other)) + 1
        for n in range(max(len(la), len(lb))):
            x = la[n] if n < len(la) else None
            y = lb[n] if n < len(lb) else None
            if x != y:
                print("  first differing line %d:" % (n + 1))
                print("    %-*s %s" % (width, names[0] + ":", shown(x)))
                print("    %-*s %s" % (width, other + ":", shown(y)))
                break
        return 1
    per = {prog: sum(1 for w in work if w[0] == prog) for prog in args.programs}
    print("compare-builds: %d data sets (%s per program, %d programs), %d builds (%s): "
          "same output and exit status on every one (%d with a non-zero status)"
          % (len(work), "/".join(sorted({str(v) for v in per.values()})),
             len(args.programs), len(builds), ", ".join(names), nonzero))
    return 0


if __name__ == "__main__":
    sys.exit(main())
