#!/bin/sh
# Times cdfplot on its largest table: 10 groups of 1000 observations whose
# 10000 residuals are all distinct at M = 3 decimals, so every residual is its
# own tie group (20004 + 9 rows). Prints the time and the peak memory.
# usage: sh bench/cdfplot.sh [path to the cdfplot program]
set -e
prog=${1:-build/cdfplot/cdfplot}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Group g holds 10k, k = 0..998 (in a scrambled order), and 1000g + 19990, so
# its mean is 5005 + g: each group's residuals sit on its own offset of a
# lattice of step 10/c, c = sqrt(0.999), and no two residuals lie within 1.
awk 'BEGIN {
  print 3; print 10
  s = ""; for (g = 0; g < 10; g++) s = s " 1000"; print s
  for (g = 0; g < 10; g++) {
    line = ""
    for (j = 0; j < 999; j++) line = line " " 10 * ((j * 389) % 999)
    print line " " (1000 * g + 19990)
  }
}' > "$dir/in"
/usr/bin/time -f '%e s %M KB' "$prog" < "$dir/in" > "$dir/out"
echo "rows: $(wc -l < "$dir/out") (all distinct: 20013)"
