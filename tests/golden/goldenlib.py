"""Shared, test-only helpers of the scripts that derive the golden cases.

Only layout and utility code lives here: single-precision rounding, IEEE
division, code page 932 text, the free-form statement shape and its number
text, the Fw.d / Iw / Aw fields, CR LF records, echo rows, the 5^11 uniform
generator, and the writing of a program's cases. Every script keeps its own
independent computation of the results.

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


def echo_rows(values, n, per_row, lead, w, d):
    """The echo of n values, per_row to a record, each field `lead` blanks and
    Fw.d: int(n / per_row) full records (truncated toward zero), then one of
    the rest when it is not 0 (an empty record when it is negative). Returns
    the records without line ends."""
    full = int(n / per_row)
    rest = n - per_row * full
    rows = []
    for r in range(full):
        rows.append(b''.join(blanks(lead) + fixed_point(v, w, d)
                             for v in values[per_row * r:per_row * r + per_row]))
    if rest != 0:
        rows.append(b''.join(blanks(lead) + fixed_point(v, w, d)
                             for v in values[per_row * full:per_row * full + max(rest, 0)]))
    return rows


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
