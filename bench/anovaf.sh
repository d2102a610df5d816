#!/bin/sh
# Times anovaf on its largest data set: 10 groups of 100 observations.
# Usage: bench/anovaf.sh [path-to-anovaf]   (default: build/anovaf/anovaf)
set -eu
prog=${1:-build/anovaf/anovaf}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
{
  echo 10
  echo "100 100 100 100 100 100 100 100 100 100"
  g=1
  while [ "$g" -le 10 ]; do
    # 100 values per group: a group shift plus a repeating pattern.
    awk -v g="$g" 'BEGIN { for (j = 1; j <= 100; j++) printf "%s%.3f", (j > 1 ? " " : ""), g * 0.1 + (j * 37 % 101) / 10.0; print "" }'
    g=$((g + 1))
  done
  echo 0.05
} >"$input"
/usr/bin/time -f '%e s %M KB' "$prog" <"$input" >/dev/null
