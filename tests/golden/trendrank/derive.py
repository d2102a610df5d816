#!/usr/bin/env python3
"""Test-only derivation of the trend test program's golden cases.

Test-only and independent of the C++ code: the dialogue and report lines are
written out here from the program's texts and layouts, and the
numbers come from a plain re-implementation of the method in Python doubles
with every single-precision store done by struct (round to nearest even):
the 5^11 generators, the partial permutation, mid-ranks, the isotonic fit,
the trend statistics, the rounding to four decimals, the classic median by
selection sort, the
Hodges-Lehmann effects and the centre (the routines other programs share
are in goldenlib.py). The P values of 9999 repetitions can only be checked
this way; everything else was also checked by hand (CASES.md).

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import (Case, UniformGenerator, ieee_divide, single, fixed_point_text,  # noqa: E402
                       free_form_line, cp932, text_field, integer_field, fixed_point,
                       echo_five_per_record, records, mid_ranks, permute_partially,
                       times_10000_rounded, randomized_decision, median_by_selection,
                       group_effects, centre, grand_mean)


# ---------------------------------------------------------------- generators
def normal_pair(g):
    u1 = g.draw()
    u2 = g.draw()
    l = single(math.log(u1))
    r = single(math.sqrt(-(l + l)))
    a = single(u2 * single(6.2831855))
    return single(r * math.cos(a)), single(r * math.sin(a))


# ---------------------------------------------------------------- statistics
FIT_TOLERANCE = single(1.0e-5)


def weighted_mean(i, j, y, w):
    a = 0.0
    b = 0.0
    for l in range(i, j + 1):
        a += w[l] * y[l]
        b += w[l]
    return ieee_divide(a, b)


def isotonic_fit(y, w):
    k = len(y)
    fit = [0.0] * k
    s = 0
    while s < k:
        g = y[s]
        for j in range(s, k):
            a = weighted_mean(s, j, y, w)
            if a < g:
                g = a
        e = s
        for cand in range(k - 1, s - 1, -1):
            if weighted_mean(s, cand, y, w) - FIT_TOLERANCE <= g:
                e = cand
                break
        for l in range(s, e + 1):
            fit[l] = single(g)
        s = e + 1
    return fit


def trend_statistics(sizes, w, r):
    n = len(r)
    rbar = []
    pos = 0
    for ni in sizes:
        rbar.append(single(ieee_divide(sum(r[pos:pos + ni]), float(ni))))
        pos += ni
    rfit = isotonic_fit(rbar, w)
    c = (n + 1) / 2.0
    s1 = sum(ni * (f - c) ** 2 for ni, f in zip(sizes, rfit))
    s2 = sum(ni * (b - f) ** 2 for ni, b, f in zip(sizes, rbar, rfit))
    return single(s1), single(s2)


def normalised_statistics(r, s1, s2):
    n = len(r)
    c = (n + 1) / 2.0
    d = sum((x - c) ** 2 for x in r)
    return single(ieee_divide(s1 * (n - 1), d)), single(ieee_divide(s2 * (n - 1), d))


def at_least(a, b):
    return a is not None and b is not None and a >= b


def above(a, b):
    return a is not None and b is not None and a > b


# ---------------------------------------------------------------- the tests
def both_tests(groups, generator):
    sizes = [len(g) for g in groups]
    w = [float(n) for n in sizes]
    pool = [x for g in groups for x in g]
    r = mid_ranks(pool)
    s1, s2 = trend_statistics(sizes, w, r)
    t1, t2 = normalised_statistics(r, s1, s2)
    k = len(groups)
    ntot = len(pool)
    results = [s1, t1, s2, t2]
    if all(n >= 30 for n in sizes):
        normal_generator = UniformGenerator(16087, True)
        p = [single(n / ntot) for n in sizes]
        if k % 2 == 1:
            p.append(p[-1])
        s = [single(math.sqrt(x)) for x in p]
        c1 = c2 = 0
        for _ in range(9999):
            y = []
            for h in range((k + 1) // 2):
                z1, z2 = normal_pair(normal_generator)
                y.append(single(z1 / s[2 * h]))
                y.append(single(z2 / s[2 * h + 1]))
            f = isotonic_fit(y[:k], p[:k])
            m = sum(p[i] * y[i] for i in range(k))
            b = sum(p[i] * (f[i] - m) ** 2 for i in range(k))
            v = sum(p[i] * (y[i] - f[i]) ** 2 for i in range(k))
            if b >= t1:
                c1 += 1
            if v >= t2:
                c2 += 1
        p1 = single(c1 / 10000.0)
        p2 = single(c2 / 10000.0)
        results += [p1, p1, p2, p2]
    else:
        m = ntot - sizes[0]
        a1, a2 = times_10000_rounded(s1), times_10000_rounded(s2)
        cge1 = cgt1 = cge2 = cgt2 = 0
        for _ in range(9999):
            u = [generator.draw() for _ in range(m)]
            permute_partially(r, ntot, u, m)
            b1, b2 = (times_10000_rounded(x) for x in trend_statistics(sizes, w, r))
            cge1 += at_least(b1, a1)
            cgt1 += above(b1, a1)
            cge2 += at_least(b2, a2)
            cgt2 += above(b2, a2)
        results += [single(c / 10000.0) for c in (cge1, cgt1, cge2, cgt2)]
    return results


# ---------------------------------------------------------------- output text
class Lines:
    """The lines written so far, as code page 932 bytes without line ends."""

    def __init__(self):
        self.lines = []

    def free(self, *items):
        self.lines.append(free_form_line(*items))

    def rec(self, s):
        self.lines.append(cp932(s) if isinstance(s, str) else s)

    def bytes(self):
        return records(self.lines)


def dialogue(o, k, sizes, data, stop_after=None):
    """Prompts and echo. stop_after: 'k' (refused after the count), 'sizes'
    (refused after the size read), 'eof-in-group:i', or None."""
    o.free('標本の個数(', 10, '以下)を入力して下さい')
    if stop_after == 'k':
        return
    o.free(k, ' 個の標本サイズを入力して下さい')
    if stop_after == 'sizes':
        return
    for i in range(k):
        o.free('第', i + 1, ' 標本の観測値を', sizes[i])
        o.free('個入力してください.')
        if stop_after == 'eof-in-group:%d' % (i + 1):
            return
    o.free('有意水準を入力して下さい. ')
    if stop_after == 'eof-level':
        return
    for i in range(k):
        o.free('第', i + 1, ' 標本目の観測値は ')
        for row in echo_five_per_record(data[i], sizes[i]):
            o.rec(row)


def p_value_line(o, pge, pgt):
    if pge == pgt:
        o.rec(' P 値は ' + fixed_point_text(pge, 8, 5) + ' です.')
    else:
        o.rec(' P 値は ' + fixed_point_text(pgt, 8, 5) + ' から' + fixed_point_text(pge, 8, 5) + ' です.')
    o.rec('')


def whole_run(o, groups, alpha):
    """Everything after the echo, for K >= 1 and every size >= 1."""
    generator = UniformGenerator(1077, False)
    results = both_tests(groups, generator)
    k = len(groups)
    w = [float(len(g)) for g in groups]
    theta = group_effects(groups, median_by_selection)
    eff = isotonic_fit(theta, w)
    for p in range(k):
        o.free(w[p], theta[p], eff[p])
    centre_estimate = centre(groups, theta, median_by_selection)
    est = [single(centre_estimate + e) for e in eff]
    gmean = grand_mean(groups)
    report(o, results, alpha, k, eff, centre_estimate, est, gmean, generator)


def test_block(o, title, stat, nstat, pge, pgt, alpha, rej, acc, generator):
    """One test of the report: its title, the statistic and its normalised
    value, the P value line and the decision."""
    o.free(title)
    o.rec('')
    o.rec(' 検定統計量の値は ' + fixed_point_text(stat, 10, 5) + ' です ')
    o.rec('')
    o.rec(' 正規化検定統計量は' + fixed_point_text(nstat, 10, 5) + ' です')
    o.rec('')
    p_value_line(o, pge, pgt)
    for line in randomized_decision(pge, pgt, alpha, rej, acc, generator):
        o.rec(line)


def report(o, results, alpha, k, eff, centre_estimate, est, gmean, generator):
    o.free()
    o.free(' ********************************** ')
    o.free(' 平均パラメ－タに傾向性がある場合の ')
    o.free('  順位に基づくノンパラメトリック法  ')
    o.free(' ********************************** ')
    test_block(o, ' 帰無仮説が一様性で対立仮説が傾向性の ', results[0], results[1], results[4],
               results[5], alpha,
               ' 一様性の帰無仮説は棄却された. ', ' 一様性の帰無仮説は棄却されなかった. ', generator)
    o.free()
    test_block(o, ' 帰無仮説が一様性で対立仮説が『傾向性がない』の ', results[2], results[3],
               results[6], results[7],
               alpha, ' 帰無仮説は棄却され『傾向性がない』が受容された. ',
               ' 帰無仮説は棄却されなかった. ', generator)
    o.free()
    o.free(' 分布が対称のとき ')
    o.free()

    def group_line(i, label, v):
        o.rec(text_field('第', 5) + integer_field(i, 5) + text_field(label, 25) + b'  '
              + fixed_point(v, 10, 5))

    def overall_line(v):
        o.rec(text_field(' 全平均は,', 20) + b'  ' + fixed_point(v, 10, 5))

    for i in range(k):
        group_line(i + 1, ' 標本の主効果は,', eff[i])
    overall_line(centre_estimate)
    for i in range(k):
        group_line(i + 1, ' 標本の平均は,', est[i])
    o.free()
    o.free(' 分布の対称性が仮定できないとき ')
    o.free()
    for i in range(k):
        group_line(i + 1, ' 標本の主効果は,', eff[i])
    overall_line(gmean)
    for i in range(k):
        group_line(i + 1, ' 標本の平均は,', single(gmean + eff[i]))


# ---------------------------------------------------------------- the cases
def lcg_values(n, seed, scale, offset):
    """Deterministic both_tests data (a small LCG), rounded to two decimals."""
    out = []
    x = seed
    for _ in range(n):
        x = (x * 1103515245 + 12345) % 2147483648
        out.append(round(offset + scale * x / 2147483648.0, 2))
    return out


def values_text(values):
    return ' '.join(repr(v) if isinstance(v, float) else str(v) for v in values)


def full_case(name, groups, alpha, size_lines=None, value_lines=None):
    k = len(groups)
    sizes = [len(g) for g in groups]
    data = [[single(float(v)) for v in g] for g in groups]
    text = '%d\n' % k
    text += (size_lines if size_lines is not None else ' '.join(map(str, sizes))) + '\n'
    for i, g in enumerate(groups):
        text += (value_lines[i] if value_lines else values_text(g)) + '\n'
    text += '%s\n' % alpha
    o = Lines()
    dialogue(o, k, sizes, data)
    whole_run(o, data, single(float(alpha)))
    return text, o.bytes(), 0


def partial_case(text, k, sizes, data, stop_after, status):
    o = Lines()
    dialogue(o, k, sizes, [[single(float(v)) for v in g] for g in data], stop_after)
    return text, o.bytes(), status


def derive_cases():
    out = {}
    out['randomization-small'] = full_case('randomization-small', [[1, 2, 3], [4, 5]], '0.05')
    g30 = [lcg_values(30, 11 + 7 * i, 10.0, off) for i, off in enumerate((0.0, 1.5, 1.0))]
    out['simulation-3x30'] = full_case('simulation-3x30', g30, '0.06')
    out['randomized-decision'] = full_case('randomized-decision',
                                           [[1.5, 2.5, 2.5], [2.5, 4, 1], [3, 6, 5, 2.5]], '0.062')
    out['all-equal'] = full_case('all-equal', [[7, 7, 7], [7, 7, 7, 7], [7, 7, 7, 7, 7]], '0.05',
                                 size_lines='3 4\n5')
    echo_vals = [[1234567.5, -0.000004, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10],
                 [11, 12, 13, 14, 15.125], [0.5, -2]]
    out['echo-widths'] = full_case('echo-widths', echo_vals, '0.05', size_lines='12 5\n2',
                                   value_lines=['1234567.5 -0.000004 1 2 3 4 5\n6 7 8 9 10',
                                                '11 12 13 14 15.125', '0.5,-2'])
    out['grand-mean-decimal'] = full_case('grand-mean-decimal',
                                          [[17.3, 7.8, 1.5], [18.8, 1.2, 8.9, 2.0]], '0.05')
    # K = 0: no group to both_tests, refused right after its read like K = 11.
    out['k-zero'] = partial_case('0\n0.05\n', 0, [], [], 'k', 8)
    out['refuse-k-11'] = partial_case('11\n1 1 1 1 1 1 1 1 1 1 1\n', 11, [], [], 'k', 8)
    out['refuse-size-101'] = partial_case('2\n5 101\n', 2, [5, 101], [], 'sizes', 8)
    out['refuse-size-0'] = partial_case('3\n2 0 1\n1 2\n5\n0.05\n', 3, [2, 0, 1],
                                        [[1, 2], [], [5]], None, 8)
    out['refuse-negative-sizes'] = partial_case('2\n-3 -5\n0.05\n', 2, [-3, -5], [[], []],
                                                None, 8)
    out['end-of-input'] = partial_case('2\n3 2\n1 2 3\n4\n', 2, [3, 2], [[1, 2, 3], []],
                                       'eof-in-group:2', 12)
    return [Case(name, text, expected, status) for name, (text, expected, status) in out.items()]


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
