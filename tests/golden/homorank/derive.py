#!/usr/bin/env python3
"""Writes the homorank golden cases (.in, .out, .status) from an independent
re-implementation of the method in Python: the generator, the partial
permutation, mid-ranks, TR, H, the normal and chi-square tails, the medians (by
sorting), the rank estimates, the decision and every report line with its
layout. Single precision is emulated by rounding through struct ('f').
Run once from this directory: python3 derive.py
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from goldenlib import (NEG_NAN, Urand, f32, sj, free_line, fw, iw, aw, echo_rows,  # noqa: E402
                       records, write_case)


def read_single(text):
    return f32(float(text))


def permut(r, n, u, m):
    q = n
    qf = float(n)
    for t in range(m):
        j = int(qf * u[t]) + 1
        if j == q + 1:
            j = 1
        r[j - 1], r[q - 1] = r[q - 1], r[j - 1]
        q -= 1
        qf -= 1.0


# ---------------------------------------------------------------- statistics
def midranks(p):
    n = len(p)
    out = []
    for a in range(n):
        le = sum(1 for b in range(n) if p[b] <= p[a])
        lt = sum(1 for b in range(n) if p[b] < p[a])
        out.append(f32((le + lt + 1.0) / 2.0))
    return out


def trnst(sizes, r, n):
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
        q = f32(s) / ni
        rbar.append(f32(q))
        tr = f32(tr + ni * ((q - c) * (q - c)))
    return tr, rbar


def rtstat(r, n, tr):
    c = (n + 1) / 2.0
    d = 0.0
    for v in r:
        d += (v - c) * (v - c)
    if d == 0.0:
        return NEG_NAN
    return f32((tr * (n - 1)) / d)


def round4(s):
    p = f32(s * 10000.0)
    return int(math.floor(abs(p) + 0.5)) * (1 if p >= 0 else -1)


def normp(x):
    if math.isnan(x) or math.isinf(x):
        return NEG_NAN
    a = abs(x)
    e = f32(math.exp(-(x * x) / 2.0))
    r = f32(math.sqrt(6.2831854820251465))
    if a > 3.0:
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


def chi2_power(x, j):
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
        sq = f32(sq * sq)


def fprod(n, start):
    p, f = 1.0, start
    for _ in range(n):
        p *= f
        f += 2.0
    return p


def chi2p(nu, x):
    if math.isnan(x):
        return NEG_NAN
    if x == 0.0:
        return 1.0  # the whole mass lies above 0
    m = (nu + 1) // 2 if nu >= -1 else -((-(nu + 1)) // 2)
    odd = nu > 0 and nu % 2 == 1
    if odd:
        z = f32(math.sqrt(x))
        q = normp(z)
        s = q + q
        if nu == 1:
            return f32(s)
        e = f32(math.exp(-x / 2.0))
        r = f32(math.sqrt(x * 6.2831854820251465))
        c = f32(e / r)
        for j in range(1, m):
            t = f32((chi2_power(x, j) * c) / fprod(j, 1.0))
            s += t + t
        return f32(s)
    e = f32(math.exp(-x / 2.0))
    if nu == 2:
        return e
    c2 = f32(e / 2.0)
    s = e
    for j in range(1, m):
        t = f32((chi2_power(x, j) * c2) / fprod(j, 2.0))
        s += t + t
    return f32(s)


def median(values):
    """The sample median: the two middle order statistics, added in double,
    halved, rounded to single. Sorting gives the same order statistics."""
    n = len(values)
    if n == 0:
        return 0.0
    s = sorted(values)
    v = (n + 1) // 2
    t = (n + 2) // 2
    return f32((s[v - 1] + s[t - 1]) / 2.0)


def effects(groups, ntot):
    k = len(groups)
    d = [[0.0] * k for _ in range(k)]
    for i in range(k - 1):
        for j in range(i + 1, k):
            diffs = [f32(a - b) for a in groups[i] for b in groups[j]]
            med = median(diffs)
            d[i][j] = med
            d[j][i] = -med
    theta = []
    for p in range(k):
        s = 0.0
        for q in range(k):
            s += d[p][q] * len(groups[q]) / float(ntot)
        theta.append(f32(s))
    return theta


def centre(groups, theta):
    e = [f32(x - theta[g]) for g, grp in enumerate(groups) for x in grp]
    walsh = []
    for a in range(len(e)):
        for b in range(a, len(e)):
            walsh.append(f32((e[a] + e[b]) / 2.0))
    return median(walsh)


def grand_mean(groups, ntot):
    mean = 0.0
    for grp in groups:
        n = len(grp)
        if n == 0:
            continue
        even = n - n % 2
        s = mean
        for j in range(even):
            s += grp[j] / float(ntot)
        if even > 0:
            mean = f32(s)
        if n % 2 == 1:
            mean = f32(mean + grp[n - 1] / float(ntot))
    return mean


# ---------------------------------------------------------------- layouts
def rows(values, lead, w, d):
    """The values five to a record, each as `lead` blanks and Fw.d."""
    return echo_rows(values, len(values), 5, lead, w, d)


# ---------------------------------------------------------------- the run
def dialogue(k, sizes, groups, alpha_text):
    lines = [free_line('群の個数(', 10, '以下)を入力して下さい'),
             free_line(k, ' つの群サイズを入力して下さい')]
    for i in range(max(k, 0)):
        lines.append(free_line('第', i + 1, ' 群の観測値を', sizes[i]))
        lines.append(free_line('個入力してください.'))
    lines.append(free_line('有意水準を入力して下さい. '))
    for i in range(max(k, 0)):
        lines.append(free_line('第', i + 1, ' 群の観測値は '))
        # A negative size leaves one empty remainder record unless it is a
        # multiple of 5.
        lines.extend(echo_rows(groups[i], sizes[i], 5, 2, 11, 5))
    return lines


def homorank(k, sizes, groups, alpha):
    """The lines after the dialogue, for a data set inside the model."""
    gen = Urand()
    lines = []
    ntot = sum(sizes)
    pool = [x for g in groups for x in g]
    r = midranks(pool)
    lines.append(free_line())
    lines.append(free_line('順位'))
    lines.extend(rows(r, 2, 9, 2))
    tr, rbar = trnst(sizes, r, ntot)
    for i in range(k):
        lines.append(free_line('第', i + 1, '群の順位の標本平均は　', rbar[i]))
    lines.append(free_line('TRの値は　', tr))
    h = rtstat(r, ntot, tr)
    if all(n >= 30 for n in sizes):
        pge = pgt = chi2p(k - 1, h)
        draws = 0
    else:
        a = round4(tr)
        m = ntot - sizes[0]
        cge = cgt = 0
        for _ in range(9999):
            if m >= 1:
                u = [gen.draw() for _ in range(m)]
                permut(r, ntot, u, m)
            t, _ = trnst(sizes, r, ntot)
            at = round4(t)
            cge += at >= a
            cgt += at > a
        pge = f32(cge / 10000.0)
        pgt = f32(cgt / 10000.0)
        draws = 9999 * m
    theta = effects(groups, ntot)
    cen = centre(groups, theta)
    est = [f32(cen + th) for th in theta]
    gmean = grand_mean(groups, ntot)

    lines += [free_line(), free_line(), free_line(' ' + '-' * 41 + ' '),
              free_line(' 一様性のノンパラメトリック検定と順位推定 '), free_line()]
    lines.append(sj(' 　検定統計量の値は ') + fw(tr, 10, 3) + sj(' です'))
    lines.append(sj(' 　正規化検定統計量は') + fw(h, 10, 5) + sj(' です'))
    lines.append(b'')
    if pge == pgt:
        lines.append(sj(' 　ｐ値は ') + fw(pge, 8, 5) + sj(' です.'))
    else:
        lines.append(sj(' 　ｐ値は ') + fw(pgt, 8, 5) + sj(' から') + fw(pge, 8, 5) + sj(' です.'))
    lines.append(free_line())
    level = sj('  有意水準 ') + fw(f32(alpha * 100.0), 10, 5) + sj(' パ－セントで, ')
    reject = free_line(' 一様性の帰無仮説は棄却された. ')
    accept = free_line(' 一様性の帰無仮説は棄却されなかった. ')
    note = {'pge': pge, 'pgt': pgt, 'tr': tr, 'h': h, 'draws_before_decision': draws}
    if pge <= alpha:
        lines += [level, reject]
        note['decision'] = 'reject'
    elif pgt < pge and pgt < alpha:
        hh = (alpha - pgt) / (pge - pgt)
        u = gen.draw()
        lines += [free_line(' ランザミザ－ション検定によって '), level]
        lines.append(reject if u <= hh else accept)
        note['decision'] = 'randomized u=%r h=%r' % (u, hh)
    else:
        lines += [level, accept]
        note['decision'] = 'accept'
    lines += [free_line(), free_line('*********点推定*********')]
    for i in range(k):
        lines.append(aw('第', 5) + iw(i + 1, 2) + aw(' 群の主効果は,', 14) + b'  ' + fw(theta[i], 10, 3))
    lines.append(free_line('(1) 分布に対称性を仮定できるとき'))
    lines.append(aw(' 全平均は,', 19) + b'  ' + fw(cen, 12, 3))
    for i in range(k):
        lines.append(aw('第', 5) + iw(i + 1, 2) + aw(' 群の平均は,', 12) + b'  ' + fw(est[i], 12, 3))
    lines.append(free_line('(2) 分布に対称性を仮定できないとき'))
    lines.append(aw(' 全平均は,', 19) + b'  ' + fw(gmean, 12, 3))
    for i in range(k):
        lines.append(aw('第', 5) + iw(i + 1, 2) + aw(' 群の平均は,', 12) + b'  ' +
                     fw(f32(gmean + theta[i]), 12, 3))
    note.update(theta=theta, centre=cen, gmean=gmean)
    return lines, note


def write_lines(name, input_text, lines, status=0, note=None):
    write_case(name, records(lines), status, input_text)
    print(name, note if note is not None else '')


def full_case(name, alpha_text, groups_text):
    """groups_text: one string of observations per group (as typed)."""
    groups = [[read_single(t) for t in g.split()] for g in groups_text]
    sizes = [len(g) for g in groups]
    k = len(groups)
    alpha = read_single(alpha_text)
    text = '%d\n%s\n' % (k, ' '.join(map(str, sizes)))
    text += ''.join(g + '\n' for g in groups_text) + alpha_text + '\n'
    lines = dialogue(k, sizes, groups, alpha_text)
    more, note = homorank(k, sizes, groups, alpha)
    write_lines(name, text, lines + more, 0, note)


def no_groups_case(name, k):
    """K <= 0: no group to test, refused right after the count read: the count
    prompt alone, status 8."""
    lines = [free_line('群の個数(', 10, '以下)を入力して下さい')]
    write_lines(name, '%d\n0.05\n' % k, lines, 8)


def main():
    # (a) the worked example: ranks 1..5, TR 7.5, H 3.0, randomization branch.
    full_case('two-groups-example', '0.05', ['1 2 3', '4 5'])

    # (b) two groups of 30: the chi-square branch (nu = 1), pge = pgt.
    g1 = ' '.join('%.1f' % (10.0 + ((i * 37) % 53) / 4.0) for i in range(30))
    g2 = ' '.join('%.1f' % (11.5 + ((i * 29) % 47) / 4.0) for i in range(30))
    full_case('chi-square-two-by-30', '0.05', [g1, g2])

    # (b2) three groups of 30, 30 and 31 (nu = 2, the even series).
    g3 = ' '.join('%.2f' % (3.0 + ((i * 13) % 31) / 8.0) for i in range(31))
    g4 = ' '.join('%.2f' % (2.5 + ((i * 17) % 29) / 8.0) for i in range(30))
    g5 = ' '.join('%.2f' % (3.5 + ((i * 11) % 37) / 8.0) for i in range(30))
    full_case('chi-square-three-groups', '0.10', [g4, g5, g3])

    # (b3) four groups of 30 to 32 (nu = 3, the odd series with one term).
    g6 = ' '.join('%.2f' % (4.0 + ((i * 13) % 31) / 7.0) for i in range(30))
    g7 = ' '.join('%.2f' % (4.6 + ((i * 17) % 29) / 7.0) for i in range(31))
    g8 = ' '.join('%.2f' % (3.9 + ((i * 11) % 37) / 7.0) for i in range(32))
    g9 = ' '.join('%.2f' % (5.5 + ((i * 7) % 23) / 7.0) for i in range(30))
    full_case('chi-square-four-groups', '0.05', [g6, g7, g8, g9])

    # (c) ties: pooled 5 5 7 | 7 9 | 5 9 12.5 get shared mid-ranks.
    full_case('ties-mid-ranks', '0.05', ['5 5 7', '7 9', '5 9 12.5'])

    # (d) all observations equal: TR 0, H NaN, pge 0.9999, pgt 0, randomized.
    full_case('all-equal', '0.05', ['4.25 4.25', '4.25 4.25 4.25', '4.25 4.25'])

    # (d2) all equal with two groups of 30: H NaN through the chi-square tail.
    full_case('all-equal-chi-square', '0.05', [' '.join(['2'] * 30), ' '.join(['2'] * 30)])

    # (e) group 10 in I2, TR of a million or more as asterisks (chi-square).
    groups = [' '.join(str(100 * i + j) for j in range(1, 101)) for i in range(10)]
    full_case('ten-groups-separated', '0.01', groups)

    # (f) TR * 10000 far above 2^31 in the randomization branch (one group of 29).
    groups = [' '.join(str(100 * i + j) for j in range(1, 101)) for i in range(9)]
    groups.append(' '.join(str(900 + j) for j in range(1, 30)))
    full_case('huge-statistic-randomization', '0.05', groups)

    # (g) refusals after the echo: a size of 0, a negative size.
    text = '2\n3 0\n1 2 3\n0.05\n'
    lines = dialogue(2, [3, 0], [[1.0, 2.0, 3.0], []], '0.05')
    write_lines('refuse-size-zero', text, lines, 8)
    text = '2\n-3 2\n4 5\n0.05\n'
    lines = dialogue(2, [-3, 2], [[], [4.0, 5.0]], '0.05')
    write_lines('refuse-size-negative', text, lines, 8)

    # (h) K = 0: no groups, refused right after the count read.
    no_groups_case('no-groups', 0)
    # (h2) the most negative K (K - 1 lies outside 32 bits): refused the same way.
    no_groups_case('k-most-negative', -2147483648)


if __name__ == '__main__':
    main()
