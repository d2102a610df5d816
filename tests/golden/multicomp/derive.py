#!/usr/bin/env python3
"""Test-only derivation of the multiple-comparison program's golden cases.

Builds every line from the rules of the dialogue and the report in plain
Python: the free-form line shape (leading blank, a blank after a number
unless it is last), the fixed fields (Fw.d rounded half to even on the exact
stored value, Iw), code page 932 texts, single-precision rounding by struct
packing, mid-ranks by counting, W from each mid-rank rounded half up, TR, SD,
the critical value, KK, L, U and the sorted differences. The upper percent
point of the range law is NOT computed here: each case carries it in CASES
below, with where it was taken from. The C++ program is never consulted.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import (Case, single, cp932, free_form_record, fixed_point,  # noqa: E402
                       integer_field, blanks, record, records, echo_rows, mid_ranks,
                       token_reader, Refused, EndOfInput)

# The percent points, to three decimals, of the range of K independent
# standard normal variables divided by sqrt(2) (so that K = 2 gives the
# two-sided normal point), read from published tables of the studentized
# range with infinite degrees of freedom, divided by sqrt(2) and rounded: at
# 0.05, q = 2.7718, 3.3145, 4.4741 for K = 2, 3, 10; at 0.01, q = 4.4028 for
# K = 4 (checked once by integrating K phi(z) (Phi(z + q) - Phi(z))^(K - 1)).
AT_5_PERCENT = {2: 1.960, 3: 2.344, 10: 3.164}
AT_1_PERCENT = {4: 3.113}
# The percent point is 0 for one group (no range) and for a level of 1.
NO_RANGE = 0.000
# For K = 2 the point is the two-sided normal point, the c with
# erfc(c / sqrt(2)) = level; at the level 0.000340168 it is 3.58262 (found
# once by bisection with math.erfc, and with mpmath), typed as 3.583.
TWO_GROUPS_AT_0_000340168 = 3.583
# Refused runs end before the percent point is needed.
NOT_REACHED = None

# name, percent point, input lines as typed
CASES = [
    ('pair-example', AT_5_PERCENT[2], ['2', '3 3', '1 2 3', '4 5 6', '0.05']),
    ('ties-ten', AT_5_PERCENT[3],
     ['3', '10 10 3', '1 2 3 4 5 6 7 8 9 10', '6 7 8 9 10 11 12 13 14 15', '20 21 22', '0.05']),
    ('three-groups-mixed', AT_5_PERCENT[3],
     ['3', '5 4 6', '1.2 3.4 2.2 5.1 4.4', '2.9 6.3 5.5 7.1', '10.5 12.25 11 9.75 13 14.5',
      '0.05']),
    ('ten-groups', AT_5_PERCENT[10],
     ['10', '12 3 2 2 2 2 2 2 2 3', '1.5 2.5 -0.75 3 4 1234.5 0.125 -99.995 2 1 0.5 7',
      '2 3 4', '3.5 4.5', '4 5', '5 6.5', '6 7', '7 8', '8 9.25', '9 10', '10 11 12', '0.05']),
    ('four-groups-one-percent', AT_1_PERCENT[4],
     ['4', '4 4 4 4', '1 2 3 4', '2 3 4 5', '5 6 7 8', '9 10 11 12', '0.01']),
    ('one-group', NO_RANGE, ['1', '4', '3 1 4 1', '0.05']),
    ('k-zero', NOT_REACHED, ['0', '0.05']),
    ('level-one', NO_RANGE, ['2', '2 2', '1 2', '4 8', '1']),
    ('interval-index-boundary', TWO_GROUPS_AT_0_000340168,
     ['2', '11 50', '0.0 1.3 2.6 3.9 5.2 6.5 7.8 9.1 10.4 11.7 13.0',
      '0.7 2.0 3.3 4.6 5.9 7.2 8.5 9.8 11.1 12.4 13.7 15.0 16.3 17.6 1.9 3.2 4.5 5.8 7.1 8.4 '
      '9.7 11.0 12.3 13.6 14.9 16.2 17.5 1.8 3.1 4.4 5.7 7.0 8.3 9.6 10.9 12.2 13.5 14.8 16.1 '
      '17.4 1.7 3.0 4.3 5.6 6.9 8.2 9.5 10.8 12.1 13.4',
      '0.000340168']),
    ('refuse-eleven-groups', NOT_REACHED, ['11']),
    ('refuse-size-51', NOT_REACHED, ['2', '3 51']),
    ('refuse-size-zero', NOT_REACHED, ['2', '0 3', '4 5 6', '0.05']),
    ('refuse-size-negative', NOT_REACHED, ['3', '2 -3 2', '1 2', '3 4', '0.05']),
    ('end-of-input', NOT_REACHED, ['2', '3 3', '1 2 3', '4 5']),
]


def derive(text, percent_point):
    """Returns (stdout bytes, exit status) of a run on the typed text."""
    next_token = token_reader(text)
    out = b''
    try:
        out += free_form_record(cp932('群の個数('), 10, cp932('以下)を入力して下さい'))
        k = int(next_token())
        if k < 1 or k > 10:
            raise Refused
        out += free_form_record(k, cp932(' つの群サイズを入力して下さい'))
        sizes = [int(next_token()) for _ in range(max(k, 0))]
        if any(n > 50 for n in sizes):
            raise Refused
        groups = []
        for i, n in enumerate(sizes, 1):
            out += free_form_record(cp932('第'), i, cp932(' 群の観測値を'), n)
            out += free_form_record(cp932('個入力してください.'))
            groups.append([single(float(next_token())) for _ in range(max(n, 0))])
        out += free_form_record(cp932('有意水準を入力して下さい. '))
        alpha = single(float(next_token()))
        if not 0.0 <= alpha <= 1.0:
            raise Refused
        for i, g in enumerate(groups, 1):
            out += free_form_record(cp932('第'), i, cp932(' 群の観測値は '))
            # ten to a record, each field 1 blank and F6.2
            out += records(echo_rows(g, sizes[i - 1], 10, 1, 6, 2))
        confidence = single(1.0 - alpha)
        out += free_form_record() + free_form_record()
        out += free_form_record(b'-' * 56)
        out += free_form_record(cp932('多群モデルにおけるノンパラメトリック多重比較法'))
        out += record(blanks(10), cp932(' 水準'), blanks(1), fixed_point(alpha, 7, 4), blanks(1),
                      cp932('の同時検定と '))
        out += record(blanks(3), cp932(' 信頼係数'), blanks(1), fixed_point(confidence, 7, 4),
                      blanks(1), cp932('の同時信頼区間を求める.'))
        out += free_form_record()
        if k >= 2 and any(n <= 0 for n in sizes):
            raise Refused

        out += record(blanks(3), cp932(' 漸近分布の上側'), blanks(1),
                      fixed_point(single(alpha * 100.0), 5, 1), blanks(1),
                      cp932('パーセント点；'), fixed_point(percent_point, 7, 3))
        count = 0
        for i in range(1, k):
            for j in range(i + 1, k + 1):
                count += 1
                a, b = groups[i - 1], groups[j - 1]
                n1, n2 = len(a), len(b)
                pool = a + b
                ranks = mid_ranks(pool)[:n1]
                w = sum(math.floor(r + 0.5) for r in ranks)
                out += free_form_record()
                out += free_form_record(cp932('( '), count, cp932(')'), cp932(' 第 '), i,
                                        cp932('群と第 '), j, cp932('群との比較'))
                tr = w - n1 * (n1 + n2 + 1) / 2.0
                sd = single(math.sqrt(n1 * n2 * (n1 + n2 + 1) / 12.0))
                out += record(blanks(5), b'i.', cp932(' 水準 '), fixed_point(alpha, 12, 4),
                              cp932(' の同時検定で'))
                out += record(blanks(7), b'TR(', integer_field(i, 2), b',', integer_field(j, 2),
                              b' )=', fixed_point(single(tr), 12, 3))
                p = sd * percent_point
                critical = single(p)
                out += record(blanks(7), cp932('(有意点)='), fixed_point(critical, 15, 3))
                if abs(tr) > critical:
                    out += record(blanks(7), b'|TR(', integer_field(i, 2), b',',
                                  integer_field(j, 2), cp932(')|>(有意点) により, '))
                    out += record(blanks(7), cp932('帰無仮説 H('), integer_field(i, 2), b',',
                                  integer_field(j, 2), cp932(') は棄却された.'))
                else:
                    out += free_form_record(cp932('　帰無仮説は棄却されない.'))
                m = n1 * n2
                kk = int(single(m / 2.0 - p))  # truncation toward zero
                lower = max(kk + 1, 1)
                upper = min(m - kk, m)
                differences = sorted(single(x - y) for x in a for y in b)
                out += record(blanks(5), b'ii.', cp932(' 信頼係数 '),
                              fixed_point(confidence, 12, 4), cp932(' の'))
                out += record(blanks(7), cp932('同時信頼区間は'), blanks(2), b'[',
                              fixed_point(differences[lower - 1], 12, 4), b' , ',
                              fixed_point(differences[upper - 1], 12, 4), b')')
    except Refused:
        return out, 8
    except EndOfInput:
        return out, 12
    return out, 0


def derive_cases():
    for name, percent_point, lines in CASES:
        text = ''.join(line + '\n' for line in lines)
        out, status = derive(text, percent_point)
        yield Case(name, text, out, status)


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
