#!/usr/bin/env python3
"""Test-only derivation of the expected tables of the distribution-function filter.

An independent re-computation in plain Python (double arithmetic, single
precision rounding by struct packing) of the method, step by step: group means,
residuals, sort, normal fit, tie groups counted over every residual (the
literal quadratic rule, exact integer keys), grid, fitted values through the
normal tail continued fractions (goldenlib.normal_upper_tail), and the F8.3
fields; and the refusals (status 8, nothing on standard output). The C++
program is never consulted.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import math
import os
import sys
from fractions import Fraction

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import (Case, single, normal_upper_tail, token_reader, Refused,  # noqa: E402
                       EndOfInput, pooled_residuals)

# name, input lines as typed
CASES = [
    ('worked-example', ['1', '2', '3 3', '1 2 3', '4 6 8']),
    ('all-one-tie', ['-1', '2', '3 3', '1 2 3', '4 6 8']),
    ('two-values-one-key', ['0', '2', '2 2', '0 1', '0 0.5']),
    ('half-way-key', ['1', '2', '2 2', '-0.17677669 0.17677669', '-0.21 0.21']),
    ('key-beyond-32-bits', ['9', '1', '2', '0 6']),
    ('grid-between-steps', ['2', '2', '5 4', '5 1 4 2 3', '2.5 7 1 9']),
    ('sigma-zero', ['1', '1', '2', '5 5']),
    ('size-zero-group-skipped', ['1', '3', '3 0 3', '1 2 3', '4 6 8']),
    ('refuse-m-ten', ['10', '1', '2', '1 2']),
    ('refuse-group-of-one', ['1', '2', '1 3', '5', '1 2 3']),
    ('refuse-size-negative', ['1', '2', '3 -2', '1 2 3']),
    ('refuse-no-groups', ['1', '0']),
    ('refuse-all-groups-empty', ['1', '2', '0 0']),
    ('refuse-size-1001', ['1', '1', '1001', ''.join('%d ' % v for v in range(1, 1002))]),
    ('refuse-eleven-groups', ['1', '11', '2 2 2 2 2 2 2 2 2 2 2']),
]


def fixed_point_text(v, w, d):
    if math.isnan(v):
        # Only NaNs of invalid operations reach here (sign bit set).
        return '-NaN'.ljust(w)
    return goldenlib.fixed_point_text(v, w, d)


def tie_key(v, p):
    """The residual times 10^M, rounded half away from zero, exactly."""
    q = Fraction(single(v * p))
    k = math.floor(abs(q) + Fraction(1, 2))
    return k if q >= 0 else -k


def read_data(text):
    """M, the sizes and the groups of a typed input, or Refused (status 8) for
    data the method cannot use, or EndOfInput (status 12)."""
    next_token = token_reader(text)
    m = int(next_token())
    if m > 9:
        raise Refused  # 10^M must fit 32 bits
    k = int(next_token())
    if k < 1 or k > 10:
        raise Refused
    sizes = [int(next_token()) for _ in range(k)]
    if any(n < 0 or n == 1 or n > 1000 for n in sizes) or all(n == 0 for n in sizes):
        raise Refused  # a group of one has the residual 0/0; a group of 0 is skipped
    groups = [[single(float(next_token())) for _ in range(n)] for n in sizes]
    return m, sizes, groups


def derive(text):
    """Returns (stdout bytes, exit status) of a run on the typed text."""
    try:
        m, sizes, groups = read_data(text)
    except Refused:
        return b'', 8
    except EndOfInput:
        return b'', 12
    residuals = pooled_residuals(groups)
    residuals.sort()
    n = len(residuals)
    mean = 0.0
    for v in residuals:
        mean += v / n
    mean_deviation = 0.0
    for v in residuals:
        mean_deviation += abs(v - mean) / n
    mu = single(mean)
    sigma = single(mean_deviation / single(math.sqrt(single(0.63661975))))
    p = 10 ** m if m >= 0 else 0
    # Tie groups by the plain rule: count every residual per group.
    steps = [residuals[0]]
    counts_up_to = [0]
    while True:
        key_of_step = tie_key(steps[-1], p)
        counts_up_to.append(counts_up_to[-1] + sum(1 for v in residuals if tie_key(v, p) == key_of_step))
        if counts_up_to[-1] == n:
            break
        steps.append(residuals[counts_up_to[-1]])
    step_count = len(steps)
    spread = residuals[-1] - residuals[0]
    grid = []
    grid_step = -2.0
    for _ in range(14):
        grid.append(single(residuals[0] + (grid_step * spread) / 10.0))
        grid_step += 1.0

    def fitted(x):
        if sigma == 0.0:
            standardized = float('nan') if (x - mu) == 0.0 else math.copysign(math.inf, x - mu)
        else:
            standardized = single((x - mu) / sigma)
        return single(1.0 - normal_upper_tail(standardized))

    def empirical(cnt):
        return single(cnt / n)

    rows = []
    for g in (0, 1):
        rows.append((grid[g], 0.0, fitted(grid[g])))
    for s in range(step_count):
        rows.append((steps[s], empirical(counts_up_to[s]), fitted(steps[s])))
        rows.append((steps[s], empirical(counts_up_to[s + 1]), fitted(steps[s])))
        if s + 1 < step_count:
            for g in range(3, 12):
                if steps[s] < grid[g] <= steps[s + 1]:
                    rows.append((grid[g], empirical(counts_up_to[s + 1]), fitted(grid[g])))
    for g in (12, 13):
        rows.append((grid[g], 1.0, fitted(grid[g])))
    return b''.join(('  ' + fixed_point_text(r[0], 8, 3) + '  ' + fixed_point_text(r[1], 8, 3)
                     + '  ' + fixed_point_text(r[2], 8, 3)).encode('ascii') + b'\r\n'
                    for r in rows), 0


def derive_cases():
    for name, lines in CASES:
        text = ''.join(line + '\n' for line in lines)
        out, status = derive(text)
        yield Case(name, text, out, status)


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
