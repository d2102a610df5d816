#!/bin/sh
# Times multicomp on its largest data set: 10 groups of 50 observations (the
# percent point for K = 10 and 45 pairs of 2500 sorted differences), once with
# distinct values and once with every value tied, and once more with a level
# of 0 (the percent-point search runs its full 200 + 27 equations).
# Usage: bench/multicomp.sh [path-to-multicomp]   (default: build/multicomp/multicomp)
set -eu
prog=${1:-build/multicomp/multicomp}
input=$(mktemp)
times=$(mktemp)
trap 'rm -f "$input" "$times"' EXIT
data() {
  echo 10
  echo "50 50 50 50 50 50 50 50 50 50"
  awk -v kind="$1" 'BEGIN {
    for (g = 1; g <= 10; g++) {
      line = ""
      for (j = 1; j <= 50; j++) {
        v = (kind == "tied") ? 5 : g * 0.37 + ((j * 7919 + g * 104729) % 1009) / 10.0
        line = line sprintf("%s%.2f", (j > 1 ? " " : ""), v)
      }
      print line
    }
  }'
  echo "$2"
}
for run in "distinct 0.05" "tied 0.05" "distinct 0"; do
  set -- $run
  data "$1" "$2" >"$input"
  /usr/bin/time -f '%e s %M KB' -o "$times" "$prog" <"$input" >/dev/null
  printf '%-9s level %-5s %s\n' "$1" "$2" "$(cat "$times")"
done
