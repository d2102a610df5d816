#!/usr/bin/env bash
# Times every program on worst-case data at its data-model limits and prints a
# table of wall time (the median of BENCH_RUNS runs, default 11, in
# milliseconds), the exit status of those runs, and peak memory (GNU time, one
# more run). Data sets: all-distinct values, all-tied values, and distinct
# values with one huge outlier.
#   [BENCH_RUNS=n] bench/run.sh [build-dir]
#       n: runs a row, 1 to 999999999 (default 11); build-dir: default
#       build/release (build it first, e.g. with tools/run-example)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${BENCH_RUNS-11}
# A whole number from 1 to 999999999 (leading zeros allowed), well inside
# the shell's arithmetic.
if ! [[ $runs =~ ^0*[1-9][0-9]{0,8}$ ]]; then
  echo "usage: [BENCH_RUNS=n] bench/run.sh [build-dir]   (n a whole number from 1 to 999999999; got '$runs')" >&2
  exit 2
fi
runs=$((10#$runs))
source tools/lib.sh
for prog in "${programs[@]}"; do
  if [ ! -x "$build/$prog/$prog" ]; then
    echo "bench/run.sh: $build/$prog/$prog is not built; run tools/run-example first" >&2
    exit 2
  fi
done
install_missing time  # GNU time measures the peak memory
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# gen <kind> <sizes...>: the observations of each group on one line.
# kind: distinct (a scrambled lattice, no two values equal), tied (all 5),
# outlier (distinct, the first value of the last group 1e6).
gen() {
  local kind=$1
  shift
  awk -v kind="$kind" -v sizes="$*" 'BEGIN {
    k = split(sizes, n, " ")
    for (g = 1; g <= k; g++) {
      line = ""
      for (j = 1; j <= n[g]; j++) {
        if (kind == "tied") v = 5
        else v = sprintf("%.4f", g * 0.37 + ((j * 7919 + g * 104729) % 100003) / 1000.0)
        if (kind == "outlier" && g == k && j == 1) v = "1000000"
        line = line (j > 1 ? " " : "") v
      }
      print line
    }
  }'
}

rep() { local n=$1 v=$2 s=""; for ((i = 0; i < n; i++)); do s+="$v "; done; echo "${s% }"; }

# dialogue <K> <sizes> <kind> [level]: the typed answers of an interactive program.
dialogue() {
  local k=$1 sizes=$2 kind=$3 level=${4:-}
  echo "$k"
  echo "$sizes"
  gen "$kind" $sizes
  [ -z "$level" ] || echo "$level"
}

printf '%-11s %-44s %9s %10s %5s\n' program "data set" "wall (ms)" "peak (KB)" exit
# measure <program> <label> <input>: one row. The status column is the exit
# status of the timed runs; when they differ, the distinct statuses in
# increasing order, joined by / (0/3).
measure() {
  local prog=$1 label=$2 input=$3 status ms t0 t1 r s
  set +e
  /usr/bin/time -q -f '%M' -o "$tmp/time" "$build/$prog/$prog" <"$input" >/dev/null 2>"$tmp/err"
  : >"$tmp/walls"
  : >"$tmp/statuses"
  for ((r = 0; r < runs; r++)); do
    t0=$EPOCHREALTIME
    "$build/$prog/$prog" <"$input" >/dev/null 2>"$tmp/err"
    s=$?
    t1=$EPOCHREALTIME
    echo "$t0 $t1" >>"$tmp/walls"
    echo "$s" >>"$tmp/statuses"
  done
  set -e
  status=$(sort -n -u "$tmp/statuses" | paste -s -d /)
  ms=$(awk '{ print ($2 - $1) * 1000 }' "$tmp/walls" | sort -g |
    awk '{ v[NR] = $1 } END { printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
  printf '%-11s %-44s %9s %10s %5s\n' "$prog" "$label" "$ms" "$(cat "$tmp/time")" "$status"
}

for kind in distinct tied outlier; do
  rand="29 $(rep 9 100)"
  for prog in trendrank homorank; do
    dialogue 10 "$rand" "$kind" 0.05 >"$tmp/in"
    measure "$prog" "10 groups, 929 obs, permutations, $kind" "$tmp/in"
    dialogue 10 "$(rep 10 100)" "$kind" 0.05 >"$tmp/in"
    measure "$prog" "10 groups of 100, large-sample, $kind" "$tmp/in"
  done
  dialogue 10 "$(rep 10 50)" "$kind" 0.05 >"$tmp/in"
  measure multicomp "10 groups of 50, $kind" "$tmp/in"
  dialogue 10 "$(rep 10 100)" "$kind" 0.05 >"$tmp/in"
  measure anovaf "10 groups of 100, $kind" "$tmp/in"
  dialogue 10 "$(rep 10 1000)" "$kind" >"$tmp/in"
  measure distsearch "10 groups of 1000, $kind" "$tmp/in"
  { echo 3; dialogue 10 "$(rep 10 1000)" "$kind"; } >"$tmp/in"
  measure cdfplot "10 groups of 1000, M = 3, $kind" "$tmp/in"
  dialogue 10 "$(rep 10 100)" "$kind" >"$tmp/in"
  measure boxplot "10 groups of 100, $kind" "$tmp/in"
done
