#!/bin/sh
# Writes the expected outputs of the box-plot golden cases from hand-derived
# numbers: for each group its x positions (g, a = g-0.2, b = g+0.2,
# c = g+0.05, d = g-0.05, as printed to 3 decimals) and its five statistics
# (min, max, Q1, Q2, Q3, as printed), in the 21-statement order of a group.
# Each row is 2X,F10.3,2X,F10.3 (24 bytes); a blank statement is " ".
# usage: sh expected.sh   (run in this directory)

row() { printf '  %10s  %10s\r\n' "$1" "$2"; }
blank() { printf ' \r\n'; }
# group G A B C D MIN MAX Q1 Q2 Q3
group() {
  g=$1 a=$2 b=$3 c=$4 d=$5 mn=$6 mx=$7 q1=$8 q2=$9 q3=${10}
  row "$a" "$q3"; row "$b" "$q3"; row "$b" "$q1"; row "$a" "$q1"; row "$a" "$q3"; blank
  row "$a" "$q2"; row "$b" "$q2"; blank
  row "$g" "$mx"; row "$g" "$q3"; blank
  row "$c" "$mx"; row "$d" "$mx"; blank
  row "$g" "$q1"; row "$g" "$mn"; blank
  row "$c" "$mn"; row "$d" "$mn"; blank
}

# worked-example: 5 1 4 2 3 -> 1 2 3 4 5, positions 1.5, 3, 4.5;
# 2.5 7 1 9 -> 1 2.5 7 9, Q1 = .75*1+.25*2.5, Q2 = (2.5+7)/2, Q3 = .25*7+.75*9.
{
  group 1.000 0.800 1.200 1.050 0.950 1.000 5.000 1.500 3.000 4.500
  group 2.000 1.800 2.200 2.050 1.950 1.000 9.000 1.375 4.750 8.500
} > worked-example.out

# n-three: 7 3 5 -> 3 5 7; positions 1, 2, 3 exactly: the quartiles are the
# sorted values and both whiskers have length 0.
group 1.000 0.800 1.200 1.050 0.950 3.000 7.000 3.000 5.000 7.000 > n-three.out

# equal-observations: 4 1 4 1 4 1 -> 1 1 1 4 4 4; h = 1.75, 3.5, 5.25:
# Q1 = .25*1+.75*1 = 1, Q2 = (1+4)/2 = 2.5, Q3 = .75*4+.25*4 = 4.
# Second group all equal: 2 2 2 2 -> every statistic 2.
{
  group 1.000 0.800 1.200 1.050 0.950 1.000 4.000 1.000 2.500 4.000
  group 2.000 1.800 2.200 2.050 1.950 2.000 2.000 2.000 2.000 2.000
} > equal-observations.out

# k-zero and k-negative: no group to draw, refused right after the count read
# (below, with the other refusals).

# group-ten: group i holds i+2, i, i+1 -> quartiles i, i+1, i+2 (n = 3).
{
  for i in 1 2 3 4 5 6 7 8 9 10; do
    group "$i.000" "$((i - 1)).800" "$i.200" "$i.050" "$((i - 1)).950" \
      "$i.000" "$((i + 2)).000" "$i.000" "$((i + 1)).000" "$((i + 2)).000"
  done
} > group-ten.out

# clamped-small-groups: one observation 4 -> every statistic 4 (a box of zero
# height); two observations 3 1 -> 1 3: Q1 at position 1 (0.75 held to 1),
# Q2 = (1+3)/2, Q3 at position 2 (2.25 held to 2).
{
  group 1.000 0.800 1.200 1.050 0.950 4.000 4.000 4.000 4.000 4.000
  group 2.000 1.800 2.200 2.050 1.950 1.000 3.000 1.000 2.000 3.000
} > clamped-small-groups.out

# too-wide-values: -123456.5 0 2000000 -> Q1 = min = -123456.500 and
# Q3 = max = 2000000.000 need 11 characters: ten asterisks.
group 1.000 0.800 1.200 1.050 0.950 '**********' '**********' '**********' 0.000 '**********' \
  > too-wide-values.out

# Refusals: nothing on standard output, exit status 8.
for c in refuse-size-zero refuse-size-negative refuse-size-101 refuse-eleven-groups k-zero \
    k-negative; do
  : > $c.out
  echo 8 > $c.status
done
