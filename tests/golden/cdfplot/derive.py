#!/usr/bin/env python3
"""Test-only derivation of the expected tables of the distribution-function filter.

An independent re-computation in plain Python (double arithmetic, single
precision rounding by struct packing) of the method, step by step: group means,
residuals, sort, normal fit, tie groups counted over every residual (the
literal quadratic rule, exact integer keys), grid, fitted values through the
normal tail continued fractions, and the F8.3 fields. It was run once to write
the .out files named in CASES.md; the C++ program is never consulted.
  usage: derive.py CASE.in > CASE.out
"""
import math
import os
import sys
from fractions import Fraction

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import f32  # noqa: E402


def normp(x):
    """Q(x) for single x, two continued fractions of depth 28."""
    x = float(x)
    a = abs(x)
    if math.isfinite(x):
        e = f32(math.exp(-(x * x) / 2.0))
    else:
        e = float('nan')
    r = f32(math.sqrt(f32(6.2831855)))
    if a > 3.0 or math.isnan(x):
        b = 0.0
        k = 28.0
        while k >= 1.0:
            b = k / (a + b)
            k -= 1.0
        g = e / ((a + b) * r)
    else:
        b = 0.0
        k = 28.0
        level = 28
        while k >= 1.0:
            s = -1.0 if level % 2 == 0 else 1.0
            b = ((x * k) * x) / (((k + k) + 1.0) + s * b)
            k -= 1.0
            level -= 1
        g = 0.5 - (a * e) / ((1.0 - b) * r)
    if x >= 0.0:
        return f32(g)
    return f32(1.0 - g)


def field_f(v, w, d):
    if math.isnan(v):
        # Only NaNs of invalid operations reach here (sign bit set).
        return '-NaN'.ljust(w)
    return goldenlib.field_f(v, w, d)


def key(v, p):
    q = Fraction(f32(v * p))
    k = math.floor(abs(q) + Fraction(1, 2))
    return k if q >= 0 else -k


def main():
    toks = []
    for line in open(sys.argv[1]):
        toks.append(line.split())
    it = iter(toks)
    m = int(next(it)[0])
    k = int(next(it)[0])
    sizes = [int(t) for t in next(it)] if k > 0 else []
    groups = []
    for n in sizes:
        groups.append([f32(float(t)) for t in next(it)] if n > 0 else [])
    z = []
    for n, xs in zip(sizes, groups):
        if n <= 0:
            continue
        xm = 0.0
        for x in xs:
            xm += x / n
        xm = f32(xm)
        c = f32(math.sqrt(1.0 - 1.0 / n))
        for x in xs:
            z.append(f32((x - xm) / c))
    z.sort()
    n = len(z)
    mm = 0.0
    for v in z:
        mm += v / n
    d = 0.0
    for v in z:
        d += abs(v - mm) / n
    mu = f32(mm)
    sigma = f32(d / f32(math.sqrt(f32(0.63661975))))
    p = 10 ** m if m >= 0 else 0
    # Tie groups by the plain rule: count every residual per group.
    u = [z[0]]
    cum = [0]
    while True:
        kk = key(u[-1], p)
        cum.append(cum[-1] + sum(1 for v in z if key(v, p) == kk))
        if cum[-1] == n:
            break
        u.append(z[cum[-1]])
    big_l = len(u)
    rr = z[-1] - z[0]
    t = []
    tt = -2.0
    for _ in range(14):
        t.append(f32(z[0] + (tt * rr) / 10.0))
        tt += 1.0

    def fit(x):
        if sigma == 0.0:
            zz = float('nan') if (x - mu) == 0.0 else math.copysign(math.inf, x - mu)
        else:
            zz = f32((x - mu) / sigma)
        return f32(1.0 - normp(zz))

    def emp(cnt):
        return f32(cnt / n)

    rows = []
    for k2 in (0, 1):
        rows.append((t[k2], 0.0, fit(t[k2])))
    for l in range(big_l):
        rows.append((u[l], emp(cum[l]), fit(u[l])))
        rows.append((u[l], emp(cum[l + 1]), fit(u[l])))
        if l + 1 < big_l:
            for k2 in range(3, 12):
                if u[l] < t[k2] <= u[l + 1]:
                    rows.append((t[k2], emp(cum[l + 1]), fit(t[k2])))
    for k2 in (12, 13):
        rows.append((t[k2], 1.0, fit(t[k2])))
    out = sys.stdout.buffer
    for r in rows:
        out.write(('  ' + field_f(r[0], 8, 3) + '  ' + field_f(r[1], 8, 3) + '  ' +
                   field_f(r[2], 8, 3)).encode('ascii') + b'\r\n')


main()
