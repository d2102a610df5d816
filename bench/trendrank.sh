#!/usr/bin/env bash
# Times trendrank at the limits of its data: 10 groups with one below 30 so the
# randomization branch runs (9999 rearrangements of up to 900 ranks), the same
# with one outlier of 1e6 (nearly every Walsh average then lies on one side of
# their mean), 1000 observations (simulation), and all observations equal.
# Usage: bench/trendrank.sh [path/to/trendrank]   (default build/trendrank/trendrank)
set -euo pipefail
prog=${1:-build/trendrank/trendrank}
[ -x "$prog" ] || { echo "no program at $prog (build it first)" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The randomization branch needs one group below 30, so with ten groups of at
# most 100 it sees at most 929 observations; the full 1000 takes the simulation
# branch. Both are timed.
gen() {  # $1 = sizes, $2 = outlier (empty for none), $3 = constant value (empty for spread)
  awk -v sizes="$1" -v outlier="$2" -v constant="$3" 'BEGIN {
    n = split(sizes, s, " ");
    print n; print sizes;
    x = 12345;
    for (i = 1; i <= n; i++) {
      line = "";
      for (j = 1; j <= s[i]; j++) {
        x = (x * 1103515245 + 12345) % 2147483648;
        v = (constant != "") ? constant : sprintf("%.3f", i * 0.05 + x / 2147483648.0);
        if (outlier != "" && i == 1 && j == 1) v = outlier;
        line = line (j > 1 ? " " : "") v;
      }
      print line;
    }
    print "0.05";
  }'
}

run() {  # $1 = label, $2 = input file
  local t
  t=$( { /usr/bin/time -f '%e s %M KB' "$prog" < "$2" > /dev/null; } 2>&1 | tail -n 1)
  printf '%-52s %s\n' "$1" "$t"
}

gen "100 100 100 100 100 100 100 100 100 29" "" "" > "$tmp/rand.in"
gen "29 100 100 100 100 100 100 100 100 100" "" "" > "$tmp/rand-first-small.in"
gen "100 100 100 100 100 100 100 100 100 29" "1e6" "" > "$tmp/rand-outlier.in"
gen "100 100 100 100 100 100 100 100 100 100" "" "" > "$tmp/sim.in"
gen "100 100 100 100 100 100 100 100 100 100" "1e6" "" > "$tmp/sim-outlier.in"
gen "100 100 100 100 100 100 100 100 100 29" "" "5" > "$tmp/rand-equal.in"

run "randomization, 929 observations (829 rearranged)" "$tmp/rand.in"
run "randomization, 929 observations (900 rearranged)" "$tmp/rand-first-small.in"
run "randomization, 929 observations, outlier 1e6" "$tmp/rand-outlier.in"
run "simulation, 1000 observations" "$tmp/sim.in"
run "simulation, 1000 observations, outlier 1e6" "$tmp/sim-outlier.in"
run "randomization, 929 equal observations" "$tmp/rand-equal.in"
