#!/usr/bin/env python3
"""Test-only derivation of the expected distsearch output for the golden cases.

Run once by hand: `python3 derive.py case...` writes <case>.out (and <case>.status
when the run does not end cleanly) next to each <case>.in. It is an independent
re-computation in plain IEEE double arithmetic with each single-precision store
done by packing to a 32-bit float; the texts are typed here from the report
layout. The .in files hold plain numbers, whitespace separated, one read a line.
"""
import math
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from goldenlib import NEG_NAN, f32, div, sj, free, fw, aw, echo_rows, write_case  # noqa: E402


def exp_(v):
    if math.isinf(v):
        return NEG_NAN
    try:
        return math.exp(v)
    except OverflowError:
        return math.inf


# ---- normal upper tail: continued fractions of depth 28 ----
def normp(x):
    a = abs(x)
    if math.isfinite(x):
        e = f32(math.exp(-(x * x) / 2.0))
    else:
        e = NEG_NAN
    r = f32(math.sqrt(f32(6.2831855)))
    if a > 3.0 or math.isnan(x):
        b = 0.0
        for k in range(28, 0, -1):
            b = k / (a + b)
        g = e / ((a + b) * r)
    else:
        b = 0.0
        for k in range(28, 0, -1):
            s = -1.0 if k % 2 == 0 else 1.0
            b = ((x * k) * x) / (((k + k) + 1.0) + s * b)
        g = 0.5 - (a * e) / ((1.0 - b) * r)
    return f32(g) if x >= 0.0 else f32(1.0 - g)


def cnbunp(x):
    v = x * f32(math.sqrt(7.0))
    u1 = f32(v / f32(math.sqrt(5.0)))
    u2 = f32(v / f32(math.sqrt(45.0)))
    return f32(normp(u1) * f32(0.95) + normp(u2) * f32(0.05))


def lgbunp(x):
    u = f32(f32(3.1415927) * x / f32(math.sqrt(3.0)))
    e = f32(exp_(-u))
    return f32(1.0 - 1.0 / (1.0 + e))


def debunp(x):
    u = f32(x * f32(math.sqrt(2.0)))
    if u > 0.0 or math.isnan(u):
        return f32(0.5 * f32(exp_(-u)))
    return f32(1.0 - 0.5 * f32(exp_(u)))


def cob(x, step):
    u = f32(x * f32(math.sqrt(2891.0)) / 50.0)
    p = normp(u)
    if x > step:
        return f32(p * f32(0.98))
    return f32(1.0 - (1.0 - p) * f32(0.98))


def exbunp(x):
    if x < -1.0:
        return 1.0
    return f32(exp_(-x - 1.0))


TAILS = [normp, cnbunp, lgbunp, debunp,
         lambda x: cob(x, f32(2.5942581)), lambda x: cob(x, f32(-2.5942581)), exbunp]
FACTOR_OF_LAW = [0, 1, 2, 3, 4, 4, 5]


def factors(a):
    e1 = f32(math.sqrt(f32(0.63661975)))
    f1 = f32(a / e1)
    f2 = f32(div(a, e1 * f32(1.1) / f32(math.sqrt(f32(1.4)))))
    l2 = f32(math.log(2.0))
    f3 = f32(div(a, (l2 + l2) * f32(math.sqrt(3.0)) / f32(3.1415927)))
    f4 = f32(a * f32(math.sqrt(2.0)))
    q = f32(math.sqrt(2891.0))
    f5 = f32(div(a, e1 * 49.0 / q + 3.0 / q))
    f6 = f32(f32(2.71828) * a / 2.0)
    return [f1, f2, f3, f4, f5, f6]


def ks(tail, z, n, s):
    d = 0.0
    if n <= 0:
        return d
    for i in range(n):
        t = f32(div(z[i], s))
        f = 1.0 - tail(t)
        h1 = abs(f - i / n)
        h2 = abs((i + 1) / n - f)
        h = h1 if h1 > h2 else h2
        if d < h:
            d = f32(h)
    return d


def selection_sort(z, n):
    for i in range(n - 1):
        m, k = z[i], -1
        for j in range(i + 1, n):
            if m > z[j]:
                m, k = z[j], j
        if k >= 0:
            z[k] = z[i]
            z[i] = m


# ---- output forms ----
def dout(a, n):
    """(5(2X,F11.5)) echo of n values."""
    return b''.join(r + b'\r\n' for r in echo_rows(a, n, 5, 2, 11, 5))


LABELS = ['正規分布との距離は', '混合正規分布との距離は', 'ロジスティック分布との距離は',
          '両側指数分布との距離は', '大きな異常値混合分布との距離は', '小さな異常値混合分布との距離は',
          '指数分布との距離は']
NAMES = ['正規分布', '混合正規分布', 'ロジスティック分布', '両側指数分布',
         '大きな異常値をもつ混合分布', '小さな異常値をもつ混合分布', '指数分布']


class EndOfInput(Exception):
    pass


class Refused(Exception):
    pass


def derive(lines):
    """Returns (stdout bytes, exit status) for the typed lines."""
    out = bytearray()
    pos = [0]

    def read(count, conv):
        vals = []
        while len(vals) < count:
            if pos[0] >= len(lines):
                raise EndOfInput
            vals += [conv(t) for t in lines[pos[0]].split()]
            pos[0] += 1
        return vals[:count]

    try:
        out += free(sj(' 分布を探す.'))
        out += free()
        out += free(sj('標本(群)の個数('), 10, sj('以下)を入力して下さい'))
        k = read(1, int)[0]
        if k < 1 or k > 10:
            raise Refused
        out += free(k, sj(' 個の標本(群)サイズを入力して下さい'))
        sizes = read(max(k, 0), int)
        if any(s > 1000 for s in sizes):
            raise Refused
        x = []
        ntotal = 0
        for i in range(max(k, 0)):
            out += free(sj('第'), i + 1, sj(' 標本(群)の観測値を'), sizes[i])
            out += free(sj('個入力してください.'))
            x.append([f32(float(t)) for t in read(max(sizes[i], 0), str)])
            ntotal += sizes[i]
        for i in range(max(k, 0)):
            out += free(sj('第'), i + 1, sj(' 標本(群)目の観測値は '))
            out += dout(x[i], sizes[i])
        # A group of fewer than two observations has no usable residual.
        if any(s < 2 for s in sizes):
            raise Refused
    except EndOfInput:
        return bytes(out), 12
    except Refused:
        return bytes(out), 8

    # group means and pooled residuals
    z = []
    for i in range(max(k, 0)):
        n = sizes[i]
        if n <= 0:
            continue
        s = 0.0
        for v in x[i]:
            s += v / n
        xm = f32(s)
        c = f32(math.sqrt(1.0 - 1.0 / n))
        for v in x[i]:
            z.append(f32(div(v - xm, c)))
    # search
    a = 0.0
    if ntotal > 0:
        s = 0.0
        for i in range(ntotal):
            s += abs(z[i]) / ntotal
        a = f32(s)
    out += free()
    out += free(sj(' 調整観測値は '))
    out += dout(z, ntotal)
    out += free() + free()
    out += free(b'-' * 43)
    out += free(sj('分布探索'))
    out += free()
    selection_sort(z, ntotal)
    f = factors(a)
    dist = [ks(TAILS[law], z, ntotal, f[FACTOR_OF_LAW[law]]) for law in range(7)]
    # report
    for law in range(7):
        out += b'  ' + aw(LABELS[law], 30) + fw(dist[law], 10, 5) + b'\r\n'
    m = []
    for d in dist:
        p = f32(d * 100000.0)
        m.append(int(Decimal(p).to_integral_value(rounding='ROUND_HALF_UP')))
    best = m.index(min(m))
    out += free()
    out += free(sj('\u3000データが最も近い分布は'))
    out += free(sj('\u3000' * 9), sj(NAMES[best]).ljust(30))
    return bytes(out), 0


def main():
    for case in sys.argv[1:]:
        with open(case + '.in', encoding='ascii') as fh:
            lines = fh.read().splitlines()
        out, status = derive(lines)
        write_case(case, out, status)
        print(case, 'status', status)


if __name__ == '__main__':
    main()
