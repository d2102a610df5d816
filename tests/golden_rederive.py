#!/usr/bin/env python3
"""Re-derives one program's golden cases and compares them with the committed ones.

  golden_rederive.py PYTHON GOLDEN_DIR WORK_DIR

Runs GOLDEN_DIR/derive.py WORK_DIR (WORK_DIR is emptied first), then fails
when a derived .in/.out/.status file differs from the committed one in any
byte, when a committed case file has no derivation, when the script derives a
file that is not committed, or when a case has no line in CASES.md.
"""
import os
import re
import shutil
import subprocess
import sys

CASE_SUFFIXES = ('.in', '.out', '.status')


def case_files(directory):
    return sorted(f for f in os.listdir(directory) if f.endswith(CASE_SUFFIXES))


def main():
    if len(sys.argv) != 4:
        sys.exit('usage: golden_rederive.py PYTHON GOLDEN_DIR WORK_DIR')
    python, golden, work = sys.argv[1:]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    run = subprocess.run([python, os.path.join(golden, 'derive.py'), work])
    if run.returncode != 0:
        sys.exit('derive.py ended with status %d' % run.returncode)
    committed, derived = set(case_files(golden)), set(case_files(work))
    faults = []
    for name in sorted(committed - derived):
        faults.append('committed but not derived: ' + name)
    for name in sorted(derived - committed):
        faults.append('derived but not committed: ' + name)
    for name in sorted(committed & derived):
        with open(os.path.join(golden, name), 'rb') as a, open(os.path.join(work, name), 'rb') as b:
            old, new = a.read(), b.read()
        if old != new:
            at = next((i for i, (x, y) in enumerate(zip(old, new)) if x != y), min(len(old), len(new)))
            faults.append('%s differs from its derivation at byte %d' % (name, at))
    with open(os.path.join(golden, 'CASES.md'), encoding='utf-8') as fh:
        notes = fh.read()
    for case in sorted({os.path.splitext(f)[0] for f in committed | derived}):
        if not re.search(r'(?m)^(- `?|\| )%s\b' % re.escape(case), notes):
            faults.append('no line for %s in CASES.md' % case)
    for fault in faults:
        print(fault)
    if faults:
        sys.exit(1)
    print('%d files re-derived byte for byte' % len(derived))


if __name__ == '__main__':
    main()
