#!/usr/bin/env python3
"""Writes a fixed corpus of in-model data sets for every program.

    tools/make-corpus.py OUT-DIR [--count N] [--seed S] [--program NAME...]

OUT-DIR/<program>/NNN.in, N data sets per program (default 300), the same
bytes on every run for the same seed. The data sets vary the number of groups
(1 to 10), the group sizes (odd and even, small, mixed, up to each program's
limits, and on both sides of the 30-observation switch of trendrank and
homorank), the values (integers, 2 and 6 decimals, ties, magnitudes from 1e-4
to 1e7, one outlier, all values equal) and the separators (blanks, tabs,
commas, one value a line, answers wrapped over several lines).

Every data set stays inside the data model: at least one group, every group
at least one observation (two for distsearch and cdfplot), group sizes and
totals within the program's limits, levels strictly between 0 and 1, and
|x| <= 1e7 so that no sum of squared deviations can overflow single
precision.
"""

import argparse
import os
import random
import sys

# The programs, in the order of the one list that the build and tools share.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cmake",
                       "programs.txt")) as listing:
    PROGRAMS = listing.read().split()

# name: (largest group, largest total, smallest group, reads a level,
#        reads the tie decimals first, has the 30-observation switch)
LIMITS = {
    "trendrank": (100, 1000, 1, True, False, True),
    "homorank": (100, 1000, 1, True, False, True),
    "multicomp": (50, 500, 1, True, False, False),
    "anovaf": (100, 1000, 1, True, False, False),
    "distsearch": (1000, 10000, 2, False, False, False),
    "cdfplot": (1000, 10000, 2, False, True, False),
    "boxplot": (100, 1000, 1, False, False, False),
}

LEVELS = ["0.05", "0.01", "0.1", "0.5", "0.000340168", "0.025", "0.2",
          "0.001", "0.9", "0.75", "0.3", "0.05"]

VALUE_KINDS = ["int", "dec2", "dec6", "ties", "wide", "outlier", "equal", "small"]
SEPARATORS = ["blank", "blanks", "tab", "comma", "per-line", "wrapped"]

# The runs at the total limit are the slow ones (9999 rearrangements of up to
# 1000 ranks in the unoptimised build), so only these indices get them.
AT_LIMIT = {17, 151, 288}


def fixed(v, decimals):
    """v in fixed notation (never an exponent), at most `decimals` decimals."""
    s = "%.*f" % (decimals, v)
    if s.startswith("-") and float(s) == 0.0:
        s = s[1:]
    return s


def sizes_for(rng, i, k, limits):
    maxn, maxtot, minn, _, _, switch = limits
    if i in AT_LIMIT:
        # The limits: every group at its largest size if the total allows,
        # otherwise the total filled up (the last group taking the rest).
        k = 10
        if switch and i == min(AT_LIMIT):
            # Rearrangement branch at the total limit: one group below 30.
            sizes = [29] + [min(maxn, (maxtot - 29) // 9)] * 9
        else:
            sizes = [min(maxn, maxtot // k)] * k
        return k, sizes
    cap = min(maxn, maxtot // k)
    shapes = ["small", "mixed", "odd-even", "same", "wide-range"]
    weights = [4, 4, 3, 2, 1]
    if switch:
        shapes += ["large-sample", "near-switch"]
        weights += [2, 2]
    if maxn >= 1000:
        shapes += ["big"]
        weights += [1]
    shape = rng.choices(shapes, weights)[0]
    lo = minn
    if shape == "small":
        sizes = [rng.randint(lo, min(cap, 10)) for _ in range(k)]
    elif shape == "mixed":
        sizes = [rng.randint(lo, min(cap, 40)) for _ in range(k)]
    elif shape == "odd-even":
        # Alternating parity, an odd size after the first group included.
        sizes = []
        for g in range(k):
            n = rng.randint(lo, min(cap, 25))
            if (n % 2 == 0) != (g % 2 == 0):
                n = n + 1 if n + 1 <= cap else n - 1
            sizes.append(max(lo, n))
    elif shape == "same":
        sizes = [rng.randint(lo, min(cap, 30))] * k
    elif shape == "wide-range":
        sizes = [rng.randint(lo, cap) for _ in range(k)]
    elif shape == "large-sample":
        # Every group at least 30: the large-sample branch.
        top = min(cap, 60)
        sizes = [rng.randint(30, max(30, top)) for _ in range(k)]
    elif shape == "near-switch":
        # 29, 30 and 31 side by side; with one 29 the small-sample branch.
        sizes = [rng.choice([29, 30, 31]) for _ in range(k)]
        if rng.random() < 0.5:
            sizes = [max(n, 30) for n in sizes]
    else:  # big
        sizes = [rng.randint(lo, min(cap, 1000)) for _ in range(k)]
    # Keep the total within the limit (lowering the largest groups first).
    while sum(sizes) > maxtot:
        j = sizes.index(max(sizes))
        sizes[j] = max(lo, sizes[j] - (sum(sizes) - maxtot))
    return k, sizes


def group_values(rng, kind, sizes):
    """The observations of each group as text, by value kind."""
    k = len(sizes)
    shift_mode = rng.choice(["none", "up", "down", "random"])
    shifts = []
    for g in range(k):
        if shift_mode == "none":
            shifts.append(0.0)
        elif shift_mode == "up":
            shifts.append(g * rng.uniform(0.2, 2.0))
        elif shift_mode == "down":
            shifts.append(-g * rng.uniform(0.2, 2.0))
        else:
            shifts.append(rng.uniform(-3.0, 3.0))
    negative = rng.random() < 0.25
    groups = []
    if kind == "int":
        base = rng.choice([0, 10, 100, 1000])
        spread = rng.choice([3, 10, 50, 500])
        for g, n in enumerate(sizes):
            off = int(round(shifts[g] * spread / 3))
            groups.append([str((-1 if negative else 1) * base + off +
                               rng.randint(-spread, spread)) for _ in range(n)])
    elif kind in ("dec2", "dec6", "small"):
        decimals = 2 if kind == "dec2" else 6
        if kind == "small":
            centre, sd = rng.choice([(0.0005, 0.0002), (0.003, 0.001), (0.02, 0.01)])
        else:
            centre = rng.choice([0.0, 1.0, 12.5, 100.0, 2500.0])
            sd = rng.choice([0.1, 1.0, 5.0, 50.0])
        if negative:
            centre = -centre
        for g, n in enumerate(sizes):
            groups.append([fixed(rng.gauss(centre + shifts[g] * sd, sd), decimals)
                           for _ in range(n)])
    elif kind == "ties":
        pool = sorted({round(rng.uniform(-5 if negative else 0, 20), 1)
                       for _ in range(rng.randint(2, 6))})
        for g, n in enumerate(sizes):
            groups.append([fixed(rng.choice(pool), 1) for _ in range(n)])
    elif kind == "wide":
        # Magnitudes from 1e-4 to 1e7, about seven significant digits.
        for g, n in enumerate(sizes):
            row = []
            for _ in range(n):
                e = rng.randint(-4, 6)
                v = rng.uniform(1.0, 9.999999) * 10.0 ** e
                if negative and rng.random() < 0.3:
                    v = -v
                row.append(fixed(v, max(0, 6 - e)))
            groups.append(row)
    elif kind == "outlier":
        for g, n in enumerate(sizes):
            groups.append([fixed(rng.gauss(50.0 + shifts[g], 2.0), 2) for _ in range(n)])
        g = rng.randrange(k)
        j = rng.randrange(sizes[g])
        big = rng.choice([1e5, 1e6, 1e7])
        groups[g][j] = fixed(big if rng.random() < 0.7 else -big, 0)
    else:  # equal
        v = rng.choice(["7", "3.25", "0.0001", "10000000", "-2.5", "0"])
        groups = [[v] * n for n in sizes]
    return groups


def answer(rng, items, sep):
    """The lines of one read (an answer) holding `items`."""
    if sep == "per-line":
        return list(items)
    if sep == "wrapped":
        lines, j = [], 0
        while j < len(items):
            step = rng.randint(1, 12)
            chunk = items[j:j + step]
            j += step
            glue = rng.choice([" ", "  ", "\t", ",", ", ", " , "])
            lines.append(glue.join(chunk))
        return lines
    if sep == "blank":
        return [" ".join(items)]
    if sep == "blanks":
        text = ""
        for idx, it in enumerate(items):
            text += (" " * rng.randint(1 if idx else 0, 3)) + it
        return [text + " " * rng.randint(0, 2)]
    if sep == "tab":
        return ["\t".join(items)]
    return [rng.choice([",", ", "]).join(items)]  # comma


def data_set(rng, i, name):
    limits = LIMITS[name]
    has_level, has_decimals = limits[3], limits[4]
    k = i % 10 + 1
    k, sizes = sizes_for(rng, i, k, limits)
    kind = VALUE_KINDS[i % len(VALUE_KINDS)] if i % 3 else rng.choice(VALUE_KINDS)
    sep = rng.choice(SEPARATORS)
    lines = []
    if has_decimals:
        lines.append(str(i % 10))
    lines.append(str(k))
    lines += answer(rng, [str(n) for n in sizes], sep)
    for row in group_values(rng, kind, sizes):
        lines += answer(rng, row, sep)
    if has_level:
        lines.append(LEVELS[i % len(LEVELS)] if i % 2 else rng.choice(LEVELS))
    return "\n".join(lines) + "\n"


def main():
    ap = argparse.ArgumentParser(description="Write the cross-build corpus.")
    ap.add_argument("out")
    ap.add_argument("--count", type=int, default=300)
    ap.add_argument("--seed", type=int, default=12031)
    ap.add_argument("--program", nargs="*", default=list(PROGRAMS))
    args = ap.parse_args()
    unknown = [name for name in PROGRAMS if name not in LIMITS]
    if unknown:
        sys.exit("make-corpus.py: no data-model limits for " + " ".join(unknown))
    for p, name in enumerate(PROGRAMS):
        if name not in args.program:
            continue
        # One generator per program, seeded from its place in the list, so
        # that one program's corpus does not depend on which others are made.
        rng = random.Random(args.seed * 100 + p)
        folder = os.path.join(args.out, name)
        os.makedirs(folder, exist_ok=True)
        for i in range(args.count):
            with open(os.path.join(folder, "%03d.in" % i), "w", newline="\n") as f:
                f.write(data_set(rng, i, name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
