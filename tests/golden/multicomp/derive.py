#!/usr/bin/env python3
"""Test-only derivation of the expected output of the multiple-comparison program.

Builds every line from the rules of the dialogue and the report in plain
Python: the free-form line shape (leading blank, a blank after a number
unless it is last), the fixed fields (Fw.d rounded half to even on the exact
stored value, Iw), code page 932 texts, single-precision rounding by struct
packing, mid-ranks by counting, W from each mid-rank rounded half up, TR, SD,
the critical value, KK, L, U and the sorted differences. The percent point is
NOT computed: it is given on the command line, taken from the published
tables (K = 2, 3, 4, 5, 10 at 0.05 and 0.01; 0.000 for K = 1; K <= 0 is
refused before it is needed). It was run once to write the .out files listed in CASES.md; the C++
program is never consulted.
  usage: derive.py CASE.in CPOINT > CASE.out
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from goldenlib import f32, sj, free, fw as F, iw as I, blanks as X, record as rec, echo_rows  # noqa: E402


def echo(values, n):
    """q = N/10 (truncated) full records, then one record of the rest when the
    rest is not 0 (an empty record when it is negative)."""
    return b''.join(r + b'\r\n' for r in echo_rows(values, n, 10, 1, 6, 2))


class Refused(Exception):
    pass


def main():
    tokens = open(sys.argv[1]).read().split()
    cpoint = float(sys.argv[2])
    pos = 0

    def take():
        nonlocal pos
        pos += 1
        return tokens[pos - 1]

    out = b''
    try:
        out += free(sj('群の個数('), 10, sj('以下)を入力して下さい'))
        k = int(take())
        if k < 1 or k > 10:
            raise Refused
        out += free(k, sj(' つの群サイズを入力して下さい'))
        sizes = [int(take()) for _ in range(max(k, 0))]
        if any(n > 50 for n in sizes):
            raise Refused
        groups = []
        for i, n in enumerate(sizes, 1):
            out += free(sj('第'), i, sj(' 群の観測値を'), n)
            out += free(sj('個入力してください.'))
            groups.append([f32(float(take())) for _ in range(max(n, 0))])
        out += free(sj('有意水準を入力して下さい. '))
        alpha = f32(float(take()))
        if not 0.0 <= alpha <= 1.0:
            raise Refused
        for i, g in enumerate(groups, 1):
            out += free(sj('第'), i, sj(' 群の観測値は '))
            out += echo(g, sizes[i - 1])
        conf = f32(1.0 - alpha)
        out += free() + free()
        out += free(b'-' * 56)
        out += free(sj('多群モデルにおけるノンパラメトリック多重比較法'))
        out += rec(X(10), sj(' 水準'), X(1), F(alpha, 7, 4), X(1), sj('の同時検定と '))
        out += rec(X(3), sj(' 信頼係数'), X(1), F(conf, 7, 4), X(1), sj('の同時信頼区間を求める.'))
        out += free()
        if k >= 2 and any(n <= 0 for n in sizes):
            raise Refused

        out += rec(X(3), sj(' 漸近分布の上側'), X(1), F(f32(alpha * 100.0), 5, 1), X(1),
                   sj('パーセント点；'), F(cpoint, 7, 3))
        count = 0
        for i in range(1, k):
            for j in range(i + 1, k + 1):
                count += 1
                a, b = groups[i - 1], groups[j - 1]
                n1, n2 = len(a), len(b)
                pool = a + b
                ranks = [f32((sum(1 for z in pool if z <= v) + sum(1 for z in pool if z < v)
                              + 1.0) / 2.0) for v in a]
                w = sum(math.floor(r + 0.5) for r in ranks)
                out += free()
                out += free(sj('( '), count, sj(')'), sj(' 第 '), i, sj('群と第 '), j,
                            sj('群との比較'))
                tr = w - n1 * (n1 + n2 + 1) / 2.0
                sd = f32(math.sqrt(n1 * n2 * (n1 + n2 + 1) / 12.0))
                out += rec(X(5), b'i.', sj(' 水準 '), F(alpha, 12, 4), sj(' の同時検定で'))
                out += rec(X(7), b'TR(', I(i, 2), b',', I(j, 2), b' )=', F(f32(tr), 12, 3))
                p = sd * cpoint
                crit = f32(p)
                out += rec(X(7), sj('(有意点)='), F(crit, 15, 3))
                if abs(tr) > crit:
                    out += rec(X(7), b'|TR(', I(i, 2), b',', I(j, 2), sj(')|>(有意点) により, '))
                    out += rec(X(7), sj('帰無仮説 H('), I(i, 2), b',', I(j, 2),
                               sj(') は棄却された.'))
                else:
                    out += free(sj('　帰無仮説は棄却されない.'))
                m = n1 * n2
                kk = int(f32(m / 2.0 - p))  # truncation toward zero
                lo = max(kk + 1, 1)
                hi = min(m - kk, m)
                d = sorted(f32(x - y) for x in a for y in b)
                out += rec(X(5), b'ii.', sj(' 信頼係数 '), F(conf, 12, 4), sj(' の'))
                out += rec(X(7), sj('同時信頼区間は'), X(2), b'[', F(d[lo - 1], 12, 4), b' , ',
                           F(d[hi - 1], 12, 4), b')')
    except Refused:
        pass
    sys.stdout.buffer.write(out)


main()
