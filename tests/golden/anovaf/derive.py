#!/usr/bin/env python3
"""Test-only derivation of the one-way analysis of variance program's golden cases.

Every line is written from the dialogue and report layouts; the report values
of whole-number data are typed as they print, worked out by hand (see CASES.md
for the arithmetic), and those of decimal data come from the model of the
stores at the end. It never runs the program.

  usage: python3 derive.py [OUTDIR]   (default: this folder)
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..'))
import goldenlib  # noqa: E402
from goldenlib import Case, cp932, text_field, integer_field, records, echo_slices  # noqa: E402

CASES = []


# Byte lengths of the stored texts, checked before anything is written.
LENGTHS = {
    "標本の個数(": 11, "以下)を入力して下さい": 21, " 個の標本サイズを入力して下さい": 31,
    "第": 2, " 標本の観測値を": 15, "個入力してください.": 19,
    "有為水準を入力して下さい. ": 26, " 標本目の観測値は ": 18,
    " 標本の主効果は,": 16, " 標本の平均は,": 14, " 全平均は,": 10, " 共通分散は,": 12,
}
for text, n in LENGTHS.items():
    assert len(cp932(text)) == n, text


def five_digit_integer(v):
    return integer_field(v, 5)


def right_aligned(s, w):  # a fixed field already rounded by hand: right-aligned
    b = s.encode()
    assert len(b) <= w
    return b" " * (w - len(b)) + b


def left_aligned(s, w):  # Inf / NaN at the left of the field
    return s.encode() + b" " * (w - len(s))


def report_field(s, w):
    return left_aligned(s, w) if s.lstrip("-") in ("NaN", "Inf") else right_aligned(s, w)


def dialogue(sizes_typed, groups, k):
    """Prompts and echo; groups[i] is the list of echoed value texts, sizes as typed."""
    out = [cp932(" 標本の個数(10 以下)を入力して下さい"),
           cp932(" %d  個の標本サイズを入力して下さい" % k)]
    for i in range(max(k, 0)):
        out.append(cp932(" 第%d  標本の観測値を%d" % (i + 1, sizes_typed[i])))
        out.append(cp932(" 個入力してください."))
    out.append(cp932(" 有為水準を入力して下さい. "))
    for i in range(max(k, 0)):
        out.append(cp932(" 第%d  標本目の観測値は " % (i + 1)))
        for row in echo_slices(groups[i], sizes_typed[i], 5):
            out.append(b"".join(b"  " + right_aligned(v, 11) for v in row))
    return out


def report(sw, st, between, f, p, alpha, rejected, effects, gm, var, means):
    out = [b" ",
           cp932("  ************************************ "),
           cp932("  観測値が正規分布に従う場合の最良手法 "),
           cp932("  ************************************ "),
           b"",
           cp932(" 級内変動 ") + report_field(sw, 15) + cp932(" 総変動 ") + report_field(st, 15),
           b"",
           cp932(" 級間変動 ") + report_field(between, 15),
           b"",
           cp932(" F検定統計量の値は ") + report_field(f, 10) + cp932(" です "),
           b"",
           cp932(" F検定の  P 値は ") + report_field(p, 10) + cp932(" です"),
           b"",
           cp932(" 有意水準") + report_field(alpha, 10) + cp932(" 検定の一様性の帰無仮説は "),
           cp932("  棄却された. ") if rejected else cp932("  棄却されなかった. ")]
    for j, e in enumerate(effects, 1):
        out.append(text_field("第", 5) + five_digit_integer(j) + text_field(" 標本の主効果は,", 25) + b"  " + report_field(e, 10))
    out.append(text_field(" 全平均は,", 20) + b"  " + report_field(gm, 10))
    out.append(text_field(" 共通分散は,", 20) + b"  " + report_field(var, 10))
    for j, m in enumerate(means, 1):
        out.append(text_field("第", 5) + five_digit_integer(j) + text_field(" 標本の平均は,", 25) + b"  " + report_field(m, 10))
    return out


def add_case(name, input_lines, lines, status=0):
    CASES.append(Case(name, "\n".join(input_lines) + "\n", records(lines), status))


# worked example: SW 4, ST 17.5, F 13.5, P 0.0213116 -> 0.02131, rejected.
add_case("worked-example", ["2", "3 3", "1 2 3", "4 5 6", "0.05"],
      dialogue([3, 3], [["1.00000", "2.00000", "3.00000"], ["4.00000", "5.00000", "6.00000"]], 2)
      + report("4.00000", "17.50000", "13.50000", "13.50000", "0.02131", "0.05000", True,
               ["-1.50000", "1.50000"], "3.50000", "1.00000", ["2.00000", "5.00000"]))

# (b) a group of size 0 between (1, 3) and (4, 5, 6): it has no mean, so the
# run is refused after the echo (the empty group shows its heading and no
# row), before the first report line; exit status 8.
add_case("empty-group", ["3", "2 0 3", "1 3", "4 5 6", "0.05"],
      dialogue([2, 0, 3], [["1.00000", "3.00000"], [], ["4.00000", "5.00000", "6.00000"]], 3),
      8)

# (c) one observation per group (2), (4), (9): SW 0, NT - K = 0, so F, P and
# the common variance are 0/0 (-NaN); not rejected.
add_case("one-per-group", ["3", "1 1 1", "2", "4", "9", "0.05"],
      dialogue([1, 1, 1], [["2.00000"], ["4.00000"], ["9.00000"]], 3)
      + report("0.00000", "26.00000", "26.00000", "-NaN", "-NaN", "0.05000", False,
               ["-3.00000", "-1.00000", "4.00000"], "5.00000", "-NaN",
               ["2.00000", "4.00000", "9.00000"]))

# (d) ten groups (i, i + 2): XM = i + 1, GM 6.5, SW 20, ST 185, between 165,
# F = (165/9)/2 = 9.16667 with 9 and 10 df, P = 0.000908 -> 0.00091.
tens = [["%d.00000" % i, "%d.00000" % (i + 2)] for i in range(1, 11)]
add_case("ten-groups", ["10", "2 2 2 2 2 2 2 2 2 2"] + ["%d %d" % (i, i + 2) for i in range(1, 11)]
      + ["0.05"],
      dialogue([2] * 10, tens, 10)
      + report("20.00000", "185.00000", "165.00000", "9.16667", "0.00091", "0.05000", True,
               ["%.5f" % (i - 5.5) for i in range(1, 11)], "6.50000", "2.00000",
               ["%d.00000" % (i + 1) for i in range(1, 11)]))

# A negative size: the group reads nothing and its echo is one empty record;
# then the run is refused, before the first report line; exit status 8.
add_case("negative-size", ["2", "3 -2", "1 2 3", "0.05"],
      dialogue([3, -2], [["1.00000", "2.00000", "3.00000"], []], 2), 8)

# A single group (1, 2, 4): ST = SW, so MSB = 0/0 and F, P are -NaN.
add_case("one-group", ["1", "3", "1 2 4", "0.05"],
      dialogue([3], [["1.00000", "2.00000", "4.00000"]], 1)
      + report("4.66667", "4.66667", "0.00000", "-NaN", "-NaN", "0.05000", False,
               ["0.00000"], "2.33333", "2.33333", ["2.33333"]))

# K = 0: no group to analyse, refused right after the count read (the count
# prompt alone); exit status 8.
add_case("k-zero", ["0", "0.05"], [cp932(" 標本の個数(10 以下)を入力して下さい")], 8)

# Refusals: the prompts printed before the read that brought the value, then
# nothing more on standard output; exit status 8.
add_case("refuse-eleven-groups", ["11"],
      [cp932(" 標本の個数(10 以下)を入力して下さい")], 8)
add_case("refuse-size-101", ["2", "3 101"],
      [cp932(" 標本の個数(10 以下)を入力して下さい"), cp932(" 2  個の標本サイズを入力して下さい")], 8)


# ------------------------------------------------------------ decimal data
# For decimal data the report values come from this model of the stores
# rather than by hand: every sum in double, the grand total, SW and ST stored
# in single after each group's even part, an odd group's last term added to
# the stored value; MSB in single; the F divisor SW / (NT - K) kept in double.
from goldenlib import single, fixed_point_text  # noqa: E402


def decimal_model(groups):
    """groups: lists of observations as typed (text). Returns the report
    values as they print and the echo texts."""
    x = [[single(float(v)) for v in g] for g in groups]
    k, nt = len(x), sum(len(g) for g in x)
    gm, xm = 0.0, []
    for g in x:
        even = len(g) - len(g) % 2
        s, total = 0.0, gm
        for v in g[:even]:
            s, total = s + v, total + v
        gm = single(total)
        if even < len(g):
            s, gm = s + g[-1], single(gm + g[-1])
        xm.append(single(single(s) / len(g)))
    gm = single(gm / nt)
    sw = st = 0.0
    for g, m in zip(x, xm):
        even = len(g) - len(g) % 2
        w, t = sw, st
        for v in g[:even]:
            w, t = w + (v - m) ** 2, t + (v - gm) ** 2
        sw, st = single(w), single(t)
        if even < len(g):
            sw, st = single(sw + (g[-1] - m) ** 2), single(st + (g[-1] - gm) ** 2)
    msb = single((st - sw) / (k - 1))
    f = single(msb / (sw / (nt - k)))
    p = lambda v: fixed_point_text(v, 10, 5).strip()  # noqa: E731
    return dict(echo=[[fixed_point_text(v, 11, 5).strip() for v in g] for g in x],
                sw="%.5f" % sw, st="%.5f" % st, between="%.5f" % single(st - sw), f=p(f),
                effects=[p(single(m - gm)) for m in xm], gm=p(gm),
                var=p(single(sw / (nt - k))), means=[p(m) for m in xm])


def decimal_case(name, groups, level, pvalue, rejected):
    v = decimal_model(groups)
    sizes = [len(g) for g in groups]
    add_case(name, [str(len(groups)), " ".join(map(str, sizes))] + [" ".join(g) for g in groups]
          + [level],
          dialogue(sizes, v["echo"], len(groups))
          + report(v["sw"], v["st"], v["between"], v["f"], pvalue, "%.5f" % float(level),
                   rejected, v["effects"], v["gm"], v["var"], v["means"]))


# F = 41.067 / (0.825 / 3) = 149.33447 with the divisor in double (149.33449
# if it were rounded to single); P with 1 and 3 df 0.0011799 (mpmath.betainc,
# checked once): 0.00118, rejected.
decimal_case("f-divisor-in-double", [["2.9", "3.8"], ["9.6", "8.7", "9.3"]], "0.05",
             "0.00118", True)

# Sizes 10 11 9: the odd groups' last squares land on the stored SW and ST:
# ST 3695.05078 and between 43.73926 (not 3695.05054 and 43.73901); F 0.16172
# with 2 and 27 df, P 0.8514996 (mpmath.betainc, checked once): 0.85150.
decimal_case("odd-groups-stored-sums", [
    "36.19 37.08 47.91 44.48 53.52 37.45 66.08 50.61 58.74 63.59".split(),
    "25.48 45.78 56.39 42.44 63.90 49.85 53.64 50.93 39.20 69.96 50.64".split(),
    "30.38 53.68 32.57 67.90 39.97 51.78 48.22 55.87 43.39".split()], "0.05", "0.85150", False)


if __name__ == '__main__':
    goldenlib.main(__file__, lambda: CASES)
