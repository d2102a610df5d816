#!/usr/bin/env python3
"""Test-only derivation of the distribution-search program's golden cases.

It is an independent re-computation in plain IEEE double arithmetic with each
single-precision store done by packing to a 32-bit float; the texts are typed
here from the report layout. The inputs hold plain numbers, whitespace
separated, one read a line.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import math
import os
import sys
from decimal import Decimal

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import (Case, NEGATIVE_NAN, single, ieee_divide, cp932, free_form_record,  # noqa: E402
                       fixed_point, text_field, records, echo_five_per_record,
                       normal_upper_tail, pooled_residuals, Refused, EndOfInput)

# name, input lines as typed
CASES = [
    ('skewed', ['2', '6 5', '1.2 0.8 5.6 1.1 0.9 2.3', '3.1 2.8 9.7 3.3 2.9']),
    ('group-of-one', ['3', '4 1 3', '2.5 3.5 1.0 4.0', '7.25', '10 12 17']),
    ('ten-groups', ['10', '3 4 5 3 4 5 3 4 5 7', '12.1 14.3 11.8', '20.5 19.7 22.4 21.0',
                    '5.5 6.1 4.9 5.2 7.8', '-3.2 -1.1 -2.6', '101.5 99.8 100.2 103.9',
                    '0.25 0.5 0.125 0.75 0.375', '45 47 52', '8.8 9.1 8.4 12.6',
                    '33.3 31.1 30.9 32.2 35.0', '1.5 1.6 1.4 1.5', '1.9 3.3 1.2']),
    ('no-groups', ['0']),
    ('constant-groups', ['2', '3 3', '5 5 5', '2 2 2']),
    ('empty-and-negative-sizes', ['3', '3 0 -2', '1 2 6']),
    ('groups-of-two-and-three', ['3', '2 3 3', '4.7 6.1', '12.4 9.8 15.3', '0.35 1.9 0.82']),
    ('refuse-eleven-groups', ['11']),
    ('refuse-size-1001', ['2', '5 1001']),
    ('end-of-input', ['2', '3 3', '1 2 3']),
    ('mean-in-pooling-order', ['6', '5 5 2 3 2 2', '0.54 0.49 0.54 0.13 -0.96',
                               '0.24 -1.3 1.05 0.32 -0.46', '-1.13 -1.12', '1.56 -0.34 -0.39',
                               '0.0010000791 -0.0010000791', '1.0701341e-09 -1.0701341e-09']),
]


def exp_or_nan(v):
    """exp in double, with the invalid-operation NaN for an infinite argument."""
    if math.isinf(v):
        return NEGATIVE_NAN
    try:
        return math.exp(v)
    except OverflowError:
        return math.inf


def normal_mixture_tail(x):
    v = x * single(math.sqrt(7.0))
    u1 = single(v / single(math.sqrt(5.0)))
    u2 = single(v / single(math.sqrt(45.0)))
    return single(normal_upper_tail(u1) * single(0.95) + normal_upper_tail(u2) * single(0.05))


def logistic_tail(x):
    u = single(single(3.1415927) * x / single(math.sqrt(3.0)))
    e = single(exp_or_nan(-u))
    return single(1.0 - 1.0 / (1.0 + e))


def double_exponential_tail(x):
    u = single(x * single(math.sqrt(2.0)))
    if u > 0.0 or math.isnan(u):
        return single(0.5 * single(exp_or_nan(-u)))
    return single(1.0 - 0.5 * single(exp_or_nan(u)))


def outlier_mixture_tail(x, step):
    u = single(x * single(math.sqrt(2891.0)) / 50.0)
    p = normal_upper_tail(u)
    if x > step:
        return single(p * single(0.98))
    return single(1.0 - (1.0 - p) * single(0.98))


def exponential_tail(x):
    if x < -1.0:
        return 1.0
    return single(exp_or_nan(-x - 1.0))


# The upper tails of the seven reference laws, in report order (large and
# small outliers differ in the step of the mixture), and the scale factor
# each one uses.
TAILS = [normal_upper_tail, normal_mixture_tail, logistic_tail, double_exponential_tail,
         lambda x: outlier_mixture_tail(x, single(2.5942581)),
         lambda x: outlier_mixture_tail(x, single(-2.5942581)), exponential_tail]
SCALE_FACTOR_OF_LAW = [0, 1, 2, 3, 4, 4, 5]


def scale_factors(a):
    e1 = single(math.sqrt(single(0.63661975)))
    f1 = single(a / e1)
    f2 = single(ieee_divide(a, e1 * single(1.1) / single(math.sqrt(single(1.4)))))
    l2 = single(math.log(2.0))
    f3 = single(ieee_divide(a, (l2 + l2) * single(math.sqrt(3.0)) / single(3.1415927)))
    f4 = single(a * single(math.sqrt(2.0)))
    q = single(math.sqrt(2891.0))
    f5 = single(ieee_divide(a, e1 * 49.0 / q + 3.0 / q))
    f6 = single(single(2.71828) * a / 2.0)
    return [f1, f2, f3, f4, f5, f6]


def ks_distance(tail, z, n, s):
    """The Kolmogorov-Smirnov distance of the sorted z, scaled by s, to a law."""
    d = 0.0
    if n <= 0:
        return d
    for i in range(n):
        t = single(ieee_divide(z[i], s))
        f = 1.0 - tail(t)
        h1 = abs(f - i / n)
        h2 = abs((i + 1) / n - f)
        h = h1 if h1 > h2 else h2
        if d < h:
            d = single(h)
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
LABELS = ['正規分布との距離は', '混合正規分布との距離は', 'ロジスティック分布との距離は',
          '両側指数分布との距離は', '大きな異常値混合分布との距離は', '小さな異常値混合分布との距離は',
          '指数分布との距離は']
NAMES = ['正規分布', '混合正規分布', 'ロジスティック分布', '両側指数分布',
         '大きな異常値をもつ混合分布', '小さな異常値をもつ混合分布', '指数分布']


def derive(lines):
    """Returns (stdout bytes, exit status) for the typed lines."""
    out = bytearray()
    pos = [0]

    def read_values(count, conv):
        """One read of count values: it takes whole lines, and what its last
        line holds beyond them is dropped (unlike goldenlib.token_reader,
        which reads across lines and keeps what is left for the next read)."""
        vals = []
        while len(vals) < count:
            if pos[0] >= len(lines):
                raise EndOfInput
            vals += [conv(t) for t in lines[pos[0]].split()]
            pos[0] += 1
        return vals[:count]

    try:
        out += free_form_record(cp932(' 分布を探す.'))
        out += free_form_record()
        out += free_form_record(cp932('標本(群)の個数('), 10, cp932('以下)を入力して下さい'))
        k = read_values(1, int)[0]
        if k < 1 or k > 10:
            raise Refused
        out += free_form_record(k, cp932(' 個の標本(群)サイズを入力して下さい'))
        sizes = read_values(max(k, 0), int)
        if any(s > 1000 for s in sizes):
            raise Refused
        x = []
        total_size = 0
        for i in range(max(k, 0)):
            out += free_form_record(cp932('第'), i + 1, cp932(' 標本(群)の観測値を'), sizes[i])
            out += free_form_record(cp932('個入力してください.'))
            x.append([single(float(t)) for t in read_values(max(sizes[i], 0), str)])
            total_size += sizes[i]
        for i in range(max(k, 0)):
            out += free_form_record(cp932('第'), i + 1, cp932(' 標本(群)目の観測値は '))
            out += records(echo_five_per_record(x[i], sizes[i]))
        # A group of fewer than two observations has no usable residual.
        if any(s < 2 for s in sizes):
            raise Refused
    except EndOfInput:
        return bytes(out), 12
    except Refused:
        return bytes(out), 8

    z = pooled_residuals(x)
    # search; the mean absolute residual runs over the residuals in pooling
    # order, before they are sorted for the distances
    a = 0.0
    if total_size > 0:
        s = 0.0
        for i in range(total_size):
            s += abs(z[i]) / total_size
        a = single(s)
    out += free_form_record()
    out += free_form_record(cp932(' 調整観測値は '))
    out += records(echo_five_per_record(z, total_size))
    out += free_form_record() + free_form_record()
    out += free_form_record(b'-' * 43)
    out += free_form_record(cp932('分布探索'))
    out += free_form_record()
    selection_sort(z, total_size)
    f = scale_factors(a)
    dist = [ks_distance(TAILS[law], z, total_size, f[SCALE_FACTOR_OF_LAW[law]]) for law in range(7)]
    # report
    for law in range(7):
        out += b'  ' + text_field(LABELS[law], 30) + fixed_point(dist[law], 10, 5) + b'\r\n'
    m = []
    for d in dist:
        p = single(d * 100000.0)
        m.append(int(Decimal(p).to_integral_value(rounding='ROUND_HALF_UP')))
    best = m.index(min(m))
    out += free_form_record()
    out += free_form_record(cp932('\u3000データが最も近い分布は'))
    out += free_form_record(cp932('\u3000' * 9), cp932(NAMES[best]).ljust(30))
    return bytes(out), 0


def derive_cases():
    for name, lines in CASES:
        out, status = derive(lines)
        yield Case(name, ''.join(line + '\n' for line in lines), out, status)


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
