#!/usr/bin/env python3
"""Test-only derivation of the box-plot filter's golden cases.

The expected tables are written from numbers worked out by hand (in the
comments below), never computed from the program: for each group its x
positions (g, g - 0.2, g + 0.2, g + 0.05, g - 0.05, as printed to 3 decimals)
and its five statistics (min, max, Q1, Q2, Q3, as printed), in the
21-statement order of a group. Each row is 2X,F10.3,2X,F10.3 (24 bytes); a
blank statement is " ". A refused run writes nothing, with status 8.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import Case  # noqa: E402


def row(x, y):
    """One row from two fields already printed by hand, right-aligned in 10."""
    return ('  %10s  %10s\r\n' % (x, y)).encode('ascii')


def blank():
    return b' \r\n'


def group(g, left, right, right_cap, left_cap, low, high, q1, q2, q3):
    """The 21 statements of one group: the box, the median bar, the upper
    whisker and its cap, the lower whisker and its cap."""
    return b''.join([
        row(left, q3), row(right, q3), row(right, q1), row(left, q1), row(left, q3), blank(),
        row(left, q2), row(right, q2), blank(),
        row(g, high), row(g, q3), blank(),
        row(right_cap, high), row(left_cap, high), blank(),
        row(g, q1), row(g, low), blank(),
        row(right_cap, low), row(left_cap, low), blank()])


def input_text(lines):
    return ''.join(line + '\n' for line in lines)


def derive_cases():
    # worked-example: 5 1 4 2 3 -> 1 2 3 4 5, positions 1.5, 3, 4.5;
    # 2.5 7 1 9 -> 1 2.5 7 9, Q1 = .75*1+.25*2.5, Q2 = (2.5+7)/2, Q3 = .25*7+.75*9.
    yield Case('worked-example', input_text(['2', '5 4', '5 1 4 2 3', '2.5 7 1 9']),
               group('1.000', '0.800', '1.200', '1.050', '0.950',
                     '1.000', '5.000', '1.500', '3.000', '4.500')
               + group('2.000', '1.800', '2.200', '2.050', '1.950',
                       '1.000', '9.000', '1.375', '4.750', '8.500'), 0)

    # n-three: 7 3 5 -> 3 5 7; positions 1, 2, 3 exactly: the quartiles are the
    # sorted values and both whiskers have length 0.
    yield Case('n-three', input_text(['1', '3', '7 3 5']),
               group('1.000', '0.800', '1.200', '1.050', '0.950',
                     '3.000', '7.000', '3.000', '5.000', '7.000'), 0)

    # equal-observations: 4 1 4 1 4 1 -> 1 1 1 4 4 4; h = 1.75, 3.5, 5.25:
    # Q1 = .25*1+.75*1 = 1, Q2 = (1+4)/2 = 2.5, Q3 = .75*4+.25*4 = 4.
    # Second group all equal: 2 2 2 2 -> every statistic 2.
    yield Case('equal-observations', input_text(['2', '6 4', '4 1 4 1 4 1', '2 2 2 2']),
               group('1.000', '0.800', '1.200', '1.050', '0.950',
                     '1.000', '4.000', '1.000', '2.500', '4.000')
               + group('2.000', '1.800', '2.200', '2.050', '1.950',
                       '2.000', '2.000', '2.000', '2.000', '2.000'), 0)

    # group-ten: group i holds i+2, i, i+1 -> quartiles i, i+1, i+2 (n = 3).
    yield Case('group-ten',
               input_text(['10', ' '.join(['3'] * 10)]
                          + ['%d %d %d' % (i + 2, i, i + 1) for i in range(1, 11)]),
               b''.join(group('%d.000' % i, '%d.800' % (i - 1), '%d.200' % i, '%d.050' % i,
                              '%d.950' % (i - 1), '%d.000' % i, '%d.000' % (i + 2),
                              '%d.000' % i, '%d.000' % (i + 1), '%d.000' % (i + 2))
                        for i in range(1, 11)), 0)

    # clamped-small-groups: one observation 4 -> every statistic 4 (a box of
    # zero height); two observations 3 1 -> 1 3: Q1 at position 1 (0.75 held
    # to 1), Q2 = (1+3)/2, Q3 at position 2 (2.25 held to 2).
    yield Case('clamped-small-groups', input_text(['2', '1 2', '4', '3 1']),
               group('1.000', '0.800', '1.200', '1.050', '0.950',
                     '4.000', '4.000', '4.000', '4.000', '4.000')
               + group('2.000', '1.800', '2.200', '2.050', '1.950',
                       '1.000', '3.000', '1.000', '2.000', '3.000'), 0)

    # too-wide-values: -123456.5 0 2000000 -> Q1 = min = -123456.500 and
    # Q3 = max = 2000000.000 need 11 characters: ten asterisks.
    stars = '*' * 10
    yield Case('too-wide-values', input_text(['1', '3', '-123456.5 0 2000000']),
               group('1.000', '0.800', '1.200', '1.050', '0.950',
                     stars, stars, stars, '0.000', stars), 0)

    # Refusals: nothing on standard output, exit status 8.
    # k-zero and k-negative: no group to draw, refused right after the count read.
    yield Case('refuse-size-zero', input_text(['2', '3 0', '1 2 3']), b'', 8)
    yield Case('refuse-size-negative', input_text(['2', '3 -2', '1 2 3']), b'', 8)
    yield Case('refuse-size-101',
               input_text(['1', '101', ''.join('%d ' % v for v in range(1, 102))]), b'', 8)
    yield Case('refuse-eleven-groups', input_text(['11', ' '.join(['3'] * 11)]), b'', 8)
    yield Case('k-zero', input_text(['0']), b'', 8)
    yield Case('k-negative', input_text(['-3']), b'', 8)


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
