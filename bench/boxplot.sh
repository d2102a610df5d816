#!/bin/sh
# Times boxplot on its largest input: 10 groups of 100 observations, each
# group sorted by the quadratic selection sort. Prints the time and the peak
# memory.
# usage: sh bench/boxplot.sh [path to the boxplot program]
set -e
prog=${1:-build/boxplot/boxplot}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
awk 'BEGIN {
  print 10
  s = ""; for (g = 0; g < 10; g++) s = s " 100"; print s
  for (g = 0; g < 10; g++) {
    line = ""
    for (j = 0; j < 100; j++) line = line sprintf(" %.3f", ((j * 37 + g * 11) % 100) / 7)
    print line
  }
}' > "$dir/in"
/usr/bin/time -f '%e s %M KB' "$prog" < "$dir/in" > "$dir/out"
echo "rows: $(wc -l < "$dir/out") (10 groups of 21: 210)"
