"""Shared, test-only helpers of the scripts that derive the golden cases.

Layout and utility code: single-precision rounding, IEEE division, code page
932 text, the free-form statement shape and its number text, the Fw.d / Iw /
Aw fields, CR LF records, echo rows, the 5^11 uniform generator, the token
reader of a typed input, and the writing of a program's cases. And the model
routines that more than one program uses the same way: the normal upper
tail, mid-ranks, the partial permutation of the randomization tests and the
rounding of their statistics, the randomized decision, the two medians, the
Hodges-Lehmann group effects, the centre and the grand mean, and the pooled
residuals. All of it is written from the method, never from the C++ code.

Each tests/golden/<program>/derive.py is called one way,
    python3 derive.py [OUTDIR]
and writes every case of its program (<case>.in, <case>.out, and
<case>.status when the status is not 0) into OUTDIR, by default its own
folder. It imports this library with
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
    import goldenlib
and ends with goldenlib.main(__file__, derive_cases).
"""
import collections
import math
import os
import struct
import sys

# The NaN of an invalid operation (0/0, inf - inf): sign bit set.
NEGATIVE_NAN = struct.unpack('<d', bytes.fromhex('000000000000f8ff'))[0]


def single(x):
    """Rounds a double to single precision, nearest even; NaN and Inf are
    kept, a value that rounds beyond the largest single becomes +-Inf."""
    if math.isnan(x) or math.isinf(x):
        return x
    try:
        return struct.unpack('<f', struct.pack('<f', x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


def ieee_divide(a, b):
    """IEEE division in double: 0/0 is the sign-set NaN, x/0 is +-Inf."""
    if b == 0.0:
        if a == 0.0 or math.isnan(a):
            return NEGATIVE_NAN
        return math.copysign(math.inf, a) * math.copysign(1.0, b)
    return a / b


# ---------------------------------------------------------------- texts
def cp932(text):
    """A text as code page 932 bytes."""
    return text.encode('cp932')


def nonfinite_text(x):
    """The text of NaN or Inf, signed by the sign bit."""
    if math.isnan(x):
        return '-NaN' if math.copysign(1.0, x) < 0 else 'NaN'
    return '-Inf' if x < 0 else 'Inf'


def free_form_number(x):
    """Free-form text of a single: nine significant digits, fixed notation for
    0.1 <= |x| < 1e9, exponent form otherwise and for zero (signed)."""
    if math.isnan(x) or math.isinf(x):
        return nonfinite_text(x)
    if x == 0.0:
        return ('-' if math.copysign(1.0, x) < 0 else '') + '0.000000000e+00'
    e = '%.8e' % x
    exp = int(e[e.index('e') + 1:])
    if 0.1 <= abs(x) < 1e9 and -1 <= exp <= 8:
        s = '%.*f' % (8 - exp, x)
        return s if '.' in s else s + '.'
    return e


def free_form_line(*items):
    """One free-form statement without its CR LF: a leading blank, then the
    items; bytes are stored texts, str texts are encoded, an int or a float is
    a number followed by one blank unless it is the last item."""
    out = b' '
    for idx, it in enumerate(items):
        if isinstance(it, bytes):
            out += it
        elif isinstance(it, str):
            out += cp932(it)
        else:
            out += (str(it) if isinstance(it, int) else free_form_number(it)).encode()
            if idx != len(items) - 1:
                out += b' '
    return out


def free_form_record(*items):
    """One free-form statement with its CR LF."""
    return free_form_line(*items) + b'\r\n'


# ---------------------------------------------------------------- fields
def fixed_point_text(x, w, d):
    """Fw.d as text: half to even on the exact value, no minus on a value that
    prints as zero, asterisks when too wide, NaN/Inf at the left."""
    if math.isnan(x) or math.isinf(x):
        return nonfinite_text(x).ljust(w)
    s = '%.*f' % (d, x)
    if s.startswith('-') and set(s[1:]) <= set('0.'):
        s = s[1:]
    return '*' * w if len(s) > w else s.rjust(w)


def fixed_point(x, w, d):
    """Fw.d as bytes."""
    return fixed_point_text(x, w, d).encode()


def integer_text(v, w):
    """Iw as text: right-aligned, asterisks when too wide."""
    s = str(v)
    return '*' * w if len(s) > w else s.rjust(w)


def integer_field(v, w):
    """Iw as bytes."""
    return integer_text(v, w).encode()


def text_field(text, w):
    """Aw of a text (str is encoded): the first w bytes, or blanks on the left."""
    b = cp932(text) if isinstance(text, str) else text
    return b[:w] if len(b) >= w else b' ' * (w - len(b)) + b


def blanks(n):
    """nX."""
    return b' ' * n


# ---------------------------------------------------------------- records
def record(*parts):
    """One fixed-layout record: its parts and CR LF."""
    return b''.join(parts) + b'\r\n'


def records(lines):
    """Lines without line ends, each closed by CR LF."""
    return b''.join(line + b'\r\n' for line in lines)


def echo_slices(values, n, per_row):
    """How an echo of n values splits into records of per_row: int(n / per_row)
    full records (truncated toward zero), then one of the remaining values
    when their count is not 0 (an empty one when it is negative). Returns
    the values of each record."""
    full = int(n / per_row)
    remainder = n - per_row * full
    slices = [values[per_row * r:per_row * r + per_row] for r in range(full)]
    if remainder != 0:
        slices.append(values[per_row * full:per_row * full + max(remainder, 0)])
    return slices


def echo_rows(values, n, per_row, lead, w, d):
    """The echo of n values, per_row to a record (split as echo_slices does),
    each field `lead` blanks and Fw.d. Returns the records without line
    ends."""
    return [b''.join(blanks(lead) + fixed_point(v, w, d) for v in row)
            for row in echo_slices(values, n, per_row)]


def echo_five_per_record(values, n):
    """The echo of a group's n observations as the dialogues write it: five to
    a record, each field 2 blanks and F11.5. Records without line ends."""
    return echo_rows(values, n, 5, 2, 11, 5)


# ---------------------------------------------------------------- generator
class UniformGenerator:
    """The 5^11 multiplicative generator: x <- x * 48828125 mod 2^31, drawn as
    x / 2^31 rounded to single. With `replace`, a draw of exactly 0 or 1 is
    replaced by the next one."""

    def __init__(self, seed=1077, replace=False):
        self.x = seed
        self.replace = replace

    def step(self):
        self.x = (self.x * 48828125) % 2147483648
        return single(self.x / 2147483648.0)

    def draw(self):
        u = self.step()
        if self.replace and (u == 0.0 or u == 1.0):
            u = self.step()
        return u


# ---------------------------------------------------------------- input
class Refused(Exception):
    """The run refuses data the method cannot use: status 8."""


class EndOfInput(Exception):
    """A read found the input at its end: status 12."""


def token_reader(text):
    """The reader of a typed input taken as one stream of blank-separated
    tokens, line ends included: each call returns the next token as text and
    raises EndOfInput when none is left."""
    tokens = text.split()
    position = 0

    def next_token():
        nonlocal position
        if position >= len(tokens):
            raise EndOfInput
        position += 1
        return tokens[position - 1]

    return next_token


# ---------------------------------------------------------------- normal law
def normal_upper_tail(x):
    """Q(x), the upper tail of the standard normal law at x, as the programs
    compute it in single precision: exp(-x^2 / 2) and sqrt(2 pi) stored in
    single, the continued fraction for large x (|x| > 3) or the one for small
    x, each of depth 28, and the result stored in single. A NaN or infinite x
    gives the NaN of an invalid operation."""
    x = float(x)
    if math.isnan(x) or math.isinf(x):
        return NEGATIVE_NAN
    a = abs(x)
    e = single(math.exp(-(x * x) / 2.0))
    r = single(math.sqrt(single(6.2831855)))
    b = 0.0
    if a > 3.0:
        for k in range(28, 0, -1):
            b = k / (a + b)
        g = e / ((a + b) * r)
    else:
        for k in range(28, 0, -1):
            s = -1.0 if k % 2 == 0 else 1.0
            b = ((x * k) * x) / (((k + k) + 1.0) + s * b)
        g = 0.5 - (a * e) / ((1.0 - b) * r)
    return single(g) if x >= 0.0 else single(1.0 - g)


# ---------------------------------------------------------------- ranks
def mid_ranks(values):
    """The mid-rank of each value among all of them, by counting: (the number
    of values <= it, plus the number < it, plus 1) / 2, stored in single."""
    out = []
    for a in values:
        le = sum(1 for b in values if b <= a)
        lt = sum(1 for b in values if b < a)
        out.append(single((le + lt + 1.0) / 2.0))
    return out


def permute_partially(r, n, u, m):
    """The partial random permutation of a randomization test, in place on
    the first n entries of r: for each of the m uniforms u[t], the position
    j = int(q u[t]) + 1 among the q = n, n - 1, ... entries not yet fixed (q + 1,
    from a draw of 1, is taken as 1) changes places with position q."""
    q = n
    for t in range(m):
        j = int(q * u[t]) + 1
        if j == q + 1:
            j = 1
        r[j - 1], r[q - 1] = r[q - 1], r[j - 1]
        q -= 1


def times_10000_rounded(s):
    """A statistic compared by the randomization tests: s * 10000 stored in
    single, rounded half away from zero (a float); None for NaN, which
    compares as neither larger nor equal."""
    p = single(s * 10000.0)
    if math.isnan(p):
        return None
    return math.copysign(math.floor(abs(p) + 0.5), p)


def randomized_decision(pge, pgt, alpha, reject, accept, generator):
    """The decision lines of a test with P value between pgt (of the larger
    statistics) and pge (of those at least as large), at the level alpha:
    rejected when pge <= alpha; when pgt < pge and pgt < alpha, rejected if
    one uniform draw is <= (alpha - pgt) / (pge - pgt), announced as a
    randomization test; accepted otherwise. reject and accept are the texts
    of the two outcomes. Returns the lines without line ends."""
    level = (cp932('  有意水準 ') + fixed_point(single(alpha * 100.0), 10, 5)
             + cp932(' パ－セントで, '))
    if pge <= alpha:
        return [level, free_form_line(reject)]
    if pgt < pge and pgt < alpha:
        h = (alpha - pgt) / (pge - pgt)
        u = generator.draw()
        return [free_form_line(' ランザミザ－ション検定によって '), level,
                free_form_line(reject if u <= h else accept)]
    return [level, free_form_line(accept)]


# ---------------------------------------------------------------- estimates
def median_by_selection(x):
    """The sample median by the classic method, literally: the values are
    split at their mean (summed as x / n in double), the larger part is put
    in order by selection sort only as far as the middle, and the two middle
    order statistics, added in double and halved, are stored in single; 0
    for no value. Kept apart from median_by_sorting: with zeros of both
    signs, or NaN values, the two can pick other elements (of 0, -0, 1 this
    one gives 0, the sort -0)."""
    n = len(x)
    if n == 0:
        return 0.0
    m = 0.0
    for v in x:
        m += v / n
    lo = [v for v in x if v <= m]
    up = [v for v in x if not (v <= m)]
    k, j = len(lo), len(up)
    v, t = (n + 1) // 2, (n + 2) // 2
    if k > j:
        for w in range(k - v + 1):
            best, at = lo[w], -1
            for i in range(w + 1, k):
                if lo[i] > best:
                    best, at = lo[i], i
            if at >= 0:
                lo[w], lo[at] = lo[at], lo[w]
        return single((lo[k - t] + lo[k - v]) / 2.0)
    if k < j:
        for w in range(t - k):
            best, at = up[w], -1
            for i in range(w + 1, j):
                if up[i] < best:
                    best, at = up[i], i
            if at >= 0:
                up[w], up[at] = up[at], up[w]
        return single((up[v - k - 1] + up[t - k - 1]) / 2.0)
    a = lo[0]
    for i in range(1, k):
        if lo[i] > a:
            a = lo[i]
    b = up[0]
    for i in range(1, j):
        if up[i] < b:
            b = up[i]
    return single((a + b) / 2.0)


def median_by_sorting(values):
    """The sample median from a full sort: the two middle order statistics,
    added in double, halved, stored in single; 0 for no value."""
    n = len(values)
    if n == 0:
        return 0.0
    s = sorted(values)
    v = (n + 1) // 2
    t = (n + 2) // 2
    return single((s[v - 1] + s[t - 1]) / 2.0)


def group_effects(groups, median):
    """The Hodges-Lehmann estimates of the group effects: for each pair of
    groups i < j the median of all differences x - y (x of i, y of j, each
    stored in single) is the shift of i over j (its negative that of j over
    i); the effect of group p is the sum over q of that shift times n_q / N,
    stored in single. median is the median routine of the program."""
    k = len(groups)
    ntot = sum(len(g) for g in groups)
    d = [[0.0] * k for _ in range(k)]
    for i in range(k - 1):
        for j in range(i + 1, k):
            med = median([single(a - b) for a in groups[i] for b in groups[j]])
            d[i][j] = med
            d[j][i] = -med
    effects = []
    for p in range(k):
        s = 0.0
        for q in range(k):
            s += d[p][q] * len(groups[q]) / ntot
        effects.append(single(s))
    return effects


def centre(groups, effects, median):
    """The centre when the law is symmetric: the median of the Walsh averages
    (e_a + e_b) / 2, a <= b, of the observations less their group effects,
    every value stored in single."""
    e = [single(x - effects[g]) for g, grp in enumerate(groups) for x in grp]
    walsh = [single((e[a] + e[b]) / 2.0) for a in range(len(e)) for b in range(a, len(e))]
    return median(walsh)


def grand_mean(groups):
    """The grand mean when the law need not be symmetric: x / N summed in
    double group by group, stored in single after each group's even part,
    an odd group's last term added to the stored value and stored again."""
    ntot = float(sum(len(g) for g in groups))
    mean = 0.0
    for g in groups:
        n = len(g)
        even = n - n % 2
        s = mean
        for j in range(even):
            s += g[j] / ntot
        if even > 0:
            mean = single(s)
        if n % 2 == 1:
            mean = single(mean + g[n - 1] / ntot)
    return mean


def pooled_residuals(groups):
    """The residuals of all groups in group order: each observation less its
    group mean (x / n summed in double, stored in single), divided by
    sqrt(1 - 1 / n) stored in single, the quotient stored in single. An empty
    group adds nothing."""
    residuals = []
    for xs in groups:
        n = len(xs)
        if n == 0:
            continue
        xm = 0.0
        for x in xs:
            xm += x / n
        xm = single(xm)
        c = single(math.sqrt(1.0 - 1.0 / n))
        for x in xs:
            residuals.append(single(ieee_divide(x - xm, c)))
    return residuals


# ---------------------------------------------------------------- files
# One golden case: its name, the input as typed (text), the expected standard
# output (bytes) and the expected exit status.
Case = collections.namedtuple('Case', 'name input output status')


def write_case(directory, case):
    """Writes <name>.in, <name>.out and, when the status is not 0,
    <name>.status into the directory (a stale .status is removed)."""
    path = os.path.join(directory, case.name)
    with open(path + '.in', 'wb') as fh:
        fh.write(case.input.encode('ascii'))
    with open(path + '.out', 'wb') as fh:
        fh.write(case.output)
    if case.status:
        with open(path + '.status', 'w') as fh:
            fh.write('%d\n' % case.status)
    elif os.path.exists(path + '.status'):
        os.remove(path + '.status')


def main(script, derive_cases):
    """The command line of every derive.py: `derive.py [OUTDIR]` writes every
    case that derive_cases() returns into OUTDIR (default: the script's own
    folder)."""
    args = sys.argv[1:]
    if len(args) > 1 or (args and args[0].startswith('-')):
        sys.stderr.write('usage: %s [OUTDIR]\n' % os.path.basename(script))
        sys.exit(2)
    directory = args[0] if args else os.path.dirname(os.path.abspath(script))
    os.makedirs(directory, exist_ok=True)
    cases = list(derive_cases())
    names = [case.name for case in cases]
    duplicates = sorted({name for name in names if names.count(name) > 1})
    if duplicates:
        sys.exit('cases derived twice: ' + ', '.join(duplicates))
    for case in cases:
        write_case(directory, case)
