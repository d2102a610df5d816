#!/bin/sh
# Times distsearch on the largest data set it holds: ten groups of 1000
# observations, 10000 pooled residuals (the quadratic sort and seven distance
# passes). Usage: bench/distsearch.sh [path to the distsearch binary]
set -e
prog=${1:-build/distsearch/distsearch}
data=$(mktemp)
trap 'rm -f "$data"' EXIT
awk 'BEGIN {
  print 10
  print "1000 1000 1000 1000 1000 1000 1000 1000 1000 1000"
  x = 12345
  for (i = 0; i < 10; i++) {
    line = ""
    for (j = 0; j < 1000; j++) {
      x = (x * 1103515245 + 12345) % 2147483648
      line = line sprintf("%.3f ", (x % 100000) / 1000 + i)
    }
    print line
  }
}' > "$data"
echo "distsearch, 10000 residuals:" >&2
/usr/bin/time -f '%e s %M KB' "$prog" < "$data" > /dev/null && echo "exit status 0" >&2
