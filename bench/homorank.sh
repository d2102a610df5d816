#!/bin/sh
# Times homorank at the limits of its data: 10 groups of 100 observations with
# one large outlier (every group large: chi-square branch), and 9 groups of 100
# plus one of 29 with the same outlier (the randomization branch: 9999
# rearrangements of up to 900 ranks). The outlier makes the Walsh averages of
# the centre fall almost all on one side of their mean.
# Usage: bench/homorank.sh [path-to-homorank]   (default: build/homorank/homorank)
set -eu
prog=${1:-build/homorank/homorank}
input=$(mktemp)
trap 'rm -f "$input"' EXIT

# make_input <size of group 10>
make_input() {
  last=$1
  echo 10
  echo "100 100 100 100 100 100 100 100 100 $last"
  g=1
  while [ "$g" -le 10 ]; do
    n=100
    [ "$g" -eq 10 ] && n=$last
    # A group shift plus a repeating pattern; the first value of group 1 is
    # the outlier 1.0e6.
    awk -v g="$g" -v n="$n" 'BEGIN {
      for (j = 1; j <= n; j++) {
        v = (g == 1 && j == 1) ? 1000000 : g * 0.1 + (j * 37 % 101) / 10.0
        printf "%s%.3f", (j > 1 ? " " : ""), v
      }
      print ""
    }'
    g=$((g + 1))
  done
  echo 0.05
}

echo "10 groups of 100, one outlier (chi-square branch):" >&2
make_input 100 >"$input"
/usr/bin/time -f '%e s %M KB' "$prog" <"$input" >/dev/null
echo "9 groups of 100 and one of 29, one outlier (randomization branch):" >&2
make_input 29 >"$input"
/usr/bin/time -f '%e s %M KB' "$prog" <"$input" >/dev/null
echo "9 groups of 100 and one of 29, all observations equal:" >&2
{
  echo 10
  echo "100 100 100 100 100 100 100 100 100 29"
  g=1
  while [ "$g" -le 10 ]; do
    n=100
    [ "$g" -eq 10 ] && n=29
    awk -v n="$n" 'BEGIN { for (j = 1; j <= n; j++) printf "%s2.5", (j > 1 ? " " : ""); print "" }'
    g=$((g + 1))
  done
  echo 0.05
} >"$input"
/usr/bin/time -f '%e s %M KB' "$prog" <"$input" >/dev/null
