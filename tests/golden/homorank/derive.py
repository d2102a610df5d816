#!/usr/bin/env python3
"""Test-only derivation of the rank homogeneity test program's golden cases,
from an independent re-implementation of the method in Python: the generator, the partial
permutation, mid-ranks, TR, H, the normal and chi-square tails, the medians (by
sorting), the rank estimates, the decision and every report line with its
layout. Single precision is emulated by rounding through struct ('f'). The
routines other programs share are in goldenlib.py.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import goldenlib  # noqa: E402
from goldenlib import (Case, NEGATIVE_NAN, UniformGenerator, single, cp932,  # noqa: E402
                       free_form_line, fixed_point, integer_field, text_field, echo_rows,
                       echo_five_per_record, records, normal_upper_tail, mid_ranks,
                       permute_partially, times_10000_rounded, randomized_decision,
                       median_by_sorting, group_effects, centre, grand_mean)


def read_single(text):
    return single(float(text))


# ---------------------------------------------------------------- statistics
def rank_sums_statistic(sizes, r, n):
    """TR stored in single after each group; mean ranks stored in single."""
    tr = 0.0
    c = (n + 1) / 2.0
    pos = 0
    rbar = []
    for ni in sizes:
        s = 0.0
        for a in range(ni):
            s += r[pos + a]
        pos += ni
        q = single(s) / ni
        rbar.append(single(q))
        tr = single(tr + ni * ((q - c) * (q - c)))
    return tr, rbar


def normalised_statistic(r, n, tr):
    c = (n + 1) / 2.0
    d = 0.0
    for v in r:
        d += (v - c) * (v - c)
    if d == 0.0:
        return NEGATIVE_NAN
    return single((tr * (n - 1)) / d)


def power_by_single_squares(x, j):
    if j == 1:
        return x
    if j == 2:
        return x * x
    power, sq = 1.0, x
    while True:
        if j & 1:
            power *= sq
        j >>= 1
        if j == 0:
            return power
        sq = single(sq * sq)


def step_two_product(n, start):
    p, f = 1.0, start
    for _ in range(n):
        p *= f
        f += 2.0
    return p


def chi_square_upper_tail(nu, x):
    if math.isnan(x):
        return NEGATIVE_NAN
    if x == 0.0:
        return 1.0  # the whole mass lies above 0
    m = (nu + 1) // 2 if nu >= -1 else -((-(nu + 1)) // 2)
    odd = nu > 0 and nu % 2 == 1
    if odd:
        z = single(math.sqrt(x))
        q = normal_upper_tail(z)
        s = q + q
        if nu == 1:
            return single(s)
        e = single(math.exp(-x / 2.0))
        r = single(math.sqrt(x * 6.2831854820251465))
        c = single(e / r)
        for j in range(1, m):
            t = single((power_by_single_squares(x, j) * c) / step_two_product(j, 1.0))
            s += t + t
        return single(s)
    e = single(math.exp(-x / 2.0))
    if nu == 2:
        return e
    c2 = single(e / 2.0)
    s = e
    for j in range(1, m):
        t = single((power_by_single_squares(x, j) * c2) / step_two_product(j, 2.0))
        s += t + t
    return single(s)


# ---------------------------------------------------------------- the run
def dialogue(k, sizes, groups, alpha_text):
    lines = [free_form_line('群の個数(', 10, '以下)を入力して下さい'),
             free_form_line(k, ' つの群サイズを入力して下さい')]
    for i in range(max(k, 0)):
        lines.append(free_form_line('第', i + 1, ' 群の観測値を', sizes[i]))
        lines.append(free_form_line('個入力してください.'))
    lines.append(free_form_line('有意水準を入力して下さい. '))
    for i in range(max(k, 0)):
        lines.append(free_form_line('第', i + 1, ' 群の観測値は '))
        # A negative size leaves one empty remainder record unless it is a
        # multiple of 5.
        lines.extend(echo_five_per_record(groups[i], sizes[i]))
    return lines


def analysis_lines(k, sizes, groups, alpha):
    """The lines after the dialogue, for a data set inside the model."""
    generator = UniformGenerator()
    lines = []
    ntot = sum(sizes)
    pool = [x for g in groups for x in g]
    r = mid_ranks(pool)
    lines.append(free_form_line())
    lines.append(free_form_line('順位'))
    lines.extend(echo_rows(r, len(r), 5, 2, 9, 2))
    tr, rbar = rank_sums_statistic(sizes, r, ntot)
    for i in range(k):
        lines.append(free_form_line('第', i + 1, '群の順位の標本平均は　', rbar[i]))
    lines.append(free_form_line('TRの値は　', tr))
    h = normalised_statistic(r, ntot, tr)
    if all(n >= 30 for n in sizes):
        pge = pgt = chi_square_upper_tail(k - 1, h)
        draws = 0
    else:
        a = times_10000_rounded(tr)
        m = ntot - sizes[0]
        cge = cgt = 0
        for _ in range(9999):
            if m >= 1:
                u = [generator.draw() for _ in range(m)]
                permute_partially(r, ntot, u, m)
            t, _ = rank_sums_statistic(sizes, r, ntot)
            at = times_10000_rounded(t)
            cge += at >= a
            cgt += at > a
        pge = single(cge / 10000.0)
        pgt = single(cgt / 10000.0)
        draws = 9999 * m
    theta = group_effects(groups, median_by_sorting)
    centre_estimate = centre(groups, theta, median_by_sorting)
    est = [single(centre_estimate + th) for th in theta]
    gmean = grand_mean(groups)

    lines += [free_form_line(), free_form_line(), free_form_line(' ' + '-' * 41 + ' '),
              free_form_line(' 一様性のノンパラメトリック検定と順位推定 '), free_form_line()]
    lines.append(cp932(' 　検定統計量の値は ') + fixed_point(tr, 10, 3) + cp932(' です'))
    lines.append(cp932(' 　正規化検定統計量は') + fixed_point(h, 10, 5) + cp932(' です'))
    lines.append(b'')
    if pge == pgt:
        lines.append(cp932(' 　ｐ値は ') + fixed_point(pge, 8, 5) + cp932(' です.'))
    else:
        lines.append(cp932(' 　ｐ値は ') + fixed_point(pgt, 8, 5) + cp932(' から') + fixed_point(pge, 8, 5) + cp932(' です.'))
    lines.append(free_form_line())
    lines += randomized_decision(pge, pgt, alpha, ' 一様性の帰無仮説は棄却された. ',
                                 ' 一様性の帰無仮説は棄却されなかった. ', generator)
    lines += [free_form_line(), free_form_line('*********点推定*********')]
    for i in range(k):
        lines.append(text_field('第', 5) + integer_field(i + 1, 2) + text_field(' 群の主効果は,', 14) + b'  ' + fixed_point(theta[i], 10, 3))
    lines.append(free_form_line('(1) 分布に対称性を仮定できるとき'))
    lines.append(text_field(' 全平均は,', 19) + b'  ' + fixed_point(centre_estimate, 12, 3))
    for i in range(k):
        lines.append(text_field('第', 5) + integer_field(i + 1, 2) + text_field(' 群の平均は,', 12) + b'  ' + fixed_point(est[i], 12, 3))
    lines.append(free_form_line('(2) 分布に対称性を仮定できないとき'))
    lines.append(text_field(' 全平均は,', 19) + b'  ' + fixed_point(gmean, 12, 3))
    for i in range(k):
        lines.append(text_field('第', 5) + integer_field(i + 1, 2) + text_field(' 群の平均は,', 12) + b'  ' +
                     fixed_point(single(gmean + theta[i]), 12, 3))
    return lines


def add_case(cases, name, input_text, lines, status=0):
    cases.append(Case(name, input_text, records(lines), status))


def full_case(cases, name, alpha_text, groups_text):
    """groups_text: one string of observations per group (as typed)."""
    groups = [[read_single(t) for t in g.split()] for g in groups_text]
    sizes = [len(g) for g in groups]
    k = len(groups)
    alpha = read_single(alpha_text)
    text = '%d\n%s\n' % (k, ' '.join(map(str, sizes)))
    text += ''.join(g + '\n' for g in groups_text) + alpha_text + '\n'
    lines = dialogue(k, sizes, groups, alpha_text)
    more = analysis_lines(k, sizes, groups, alpha)
    add_case(cases, name, text, lines + more)


def no_groups_case(cases, name, k):
    """K <= 0: no group to test, refused right after the count read: the count
    prompt alone, status 8."""
    lines = [free_form_line('群の個数(', 10, '以下)を入力して下さい')]
    add_case(cases, name, '%d\n0.05\n' % k, lines, 8)


def derive_cases():
    cases = []
    # (a) the worked example: ranks 1..5, TR 7.5, H 3.0, randomization branch.
    full_case(cases, 'two-groups-example', '0.05', ['1 2 3', '4 5'])

    # (b) two groups of 30: the chi-square branch (nu = 1), pge = pgt.
    g1 = ' '.join('%.1f' % (10.0 + ((i * 37) % 53) / 4.0) for i in range(30))
    g2 = ' '.join('%.1f' % (11.5 + ((i * 29) % 47) / 4.0) for i in range(30))
    full_case(cases, 'chi-square-two-by-30', '0.05', [g1, g2])

    # (b2) three groups of 30, 30 and 31 (nu = 2, the even series).
    g3 = ' '.join('%.2f' % (3.0 + ((i * 13) % 31) / 8.0) for i in range(31))
    g4 = ' '.join('%.2f' % (2.5 + ((i * 17) % 29) / 8.0) for i in range(30))
    g5 = ' '.join('%.2f' % (3.5 + ((i * 11) % 37) / 8.0) for i in range(30))
    full_case(cases, 'chi-square-three-groups', '0.10', [g4, g5, g3])

    # (b3) four groups of 30 to 32 (nu = 3, the odd series with one term).
    g6 = ' '.join('%.2f' % (4.0 + ((i * 13) % 31) / 7.0) for i in range(30))
    g7 = ' '.join('%.2f' % (4.6 + ((i * 17) % 29) / 7.0) for i in range(31))
    g8 = ' '.join('%.2f' % (3.9 + ((i * 11) % 37) / 7.0) for i in range(32))
    g9 = ' '.join('%.2f' % (5.5 + ((i * 7) % 23) / 7.0) for i in range(30))
    full_case(cases, 'chi-square-four-groups', '0.05', [g6, g7, g8, g9])

    # (c) ties: pooled 5 5 7 | 7 9 | 5 9 12.5 get shared mid-ranks.
    full_case(cases, 'ties-mid-ranks', '0.05', ['5 5 7', '7 9', '5 9 12.5'])

    # (d) all observations equal: TR 0, H NaN, pge 0.9999, pgt 0, randomized.
    full_case(cases, 'all-equal', '0.05', ['4.25 4.25', '4.25 4.25 4.25', '4.25 4.25'])

    # (d2) all equal with two groups of 30: H NaN through the chi-square tail.
    full_case(cases, 'all-equal-chi-square', '0.05', [' '.join(['2'] * 30), ' '.join(['2'] * 30)])

    # (e) group 10 in I2, TR of a million or more as asterisks (chi-square).
    groups = [' '.join(str(100 * i + j) for j in range(1, 101)) for i in range(10)]
    full_case(cases, 'ten-groups-separated', '0.01', groups)

    # (f) TR * 10000 far above 2^31 in the randomization branch (one group of 29).
    groups = [' '.join(str(100 * i + j) for j in range(1, 101)) for i in range(9)]
    groups.append(' '.join(str(900 + j) for j in range(1, 30)))
    full_case(cases, 'huge-statistic-randomization', '0.05', groups)

    # (g) refusals after the echo: a size of 0, a negative size.
    text = '2\n3 0\n1 2 3\n0.05\n'
    lines = dialogue(2, [3, 0], [[1.0, 2.0, 3.0], []], '0.05')
    add_case(cases, 'refuse-size-zero', text, lines, 8)
    text = '2\n-3 2\n4 5\n0.05\n'
    lines = dialogue(2, [-3, 2], [[], [4.0, 5.0]], '0.05')
    add_case(cases, 'refuse-size-negative', text, lines, 8)

    # (h) K = 0: no groups, refused right after the count read.
    no_groups_case(cases, 'no-groups', 0)
    # (h2) the most negative K (K - 1 lies outside 32 bits): refused the same way.
    no_groups_case(cases, 'k-most-negative', -2147483648)


    return cases


if __name__ == '__main__':
    goldenlib.main(__file__, derive_cases)
