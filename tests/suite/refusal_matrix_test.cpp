// The refusal matrix: every program fed every class of input outside the data
// model (group counts, sizes, totals, cut-off input, bad characters, numbers
// beyond their type, a huge repeat count), and the classes that concern some
// programs only (the level of the four tests, anovaf's overflowing sums, the
// chi-square tail at 0, a standard output or error that takes no byte). Each
// row holds the input, the exit status and the standard output up to the stop,
// or the defined result: the whole output, or its beginning and key lines in
// order.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "anovaf/anovaf.h"
#include "boxplot/boxplot.h"
#include "cdfplot/cdfplot.h"
#include "console/cp932.h"
#include "distsearch/distsearch.h"
#include "homorank/homorank.h"
#include "multicomp/multicomp.h"
#include "support/capture.h"
#include "trendrank/trendrank.h"

namespace {

using Run = int (*)(const con::Io&);

// ---------------------------------------------------------------------------
// Building expected lines (UTF-8 text; widths counted in code page 932 bytes).
// Every line is written from the dialogue texts, the report layouts and the
// free-form output rule (one leading blank; a number is followed by one blank
// unless it is the last item) and converted to code page 932 once. The
// filters print nothing before their first row, so a stop there leaves
// standard output empty.

size_t bytes(const std::string& u8) { return con::to_cp932(u8).size(); }

// A text right-aligned in a field of w bytes (F, I and A fields).
std::string rj(size_t w, const std::string& u8) {
  size_t n = bytes(u8);
  return n >= w ? u8 : std::string(w - n, ' ') + u8;
}

std::string num(long v) { return std::to_string(v); }

using Lines = std::vector<std::string>;

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The bytes a program writes for these lines: code page 932, CR LF each.
std::string cp932(const Lines& lines) {
  std::string out;
  for (const std::string& l : lines) out += con::to_cp932(l) + "\r\n";
  return out;
}

// The group-data dialogue of an interactive program, as its texts print.
struct Talk {
  Lines opening;      // lines before the count prompt
  std::string count;  // the count prompt line (limit 10 inside it)
  std::string sizes;  // the text after the group count (begins with a blank)
  std::string obs;    // the text after i in a group's first prompt line
  std::string level;  // the level prompt line, empty when none is asked
  std::string echo;   // the text after i in a group's echo heading
  bool ten_a_line;    // echo ten values a line in F6.2 instead of five in F11.5
  bool title;         // title and level lines after the echo
};

const char kMore[] = " 個入力してください.";

std::string sizes_line(const Talk& t, long k) { return " " + num(k) + " " + t.sizes; }
std::string obs_line(const Talk& t, int i, long n) { return " 第" + num(i) + " " + t.obs + num(n); }
std::string echo_line(const Talk& t, int i) { return " 第" + num(i) + " " + t.echo; }

// One echo record of the given printed values (already rounded to the field).
std::string echo_row(const Talk& t, std::initializer_list<const char*> values) {
  std::string row;
  for (const char* v : values) row += t.ten_a_line ? " " + rj(6, v) : "  " + rj(11, v);
  return row;
}

// The title block of the comparison program for a level of 0.05.
const Lines kComparisonTitle = {
    " ",
    " ",
    " " + std::string(56, '-'),
    " 多群モデルにおけるノンパラメトリック多重比較法",
    std::string(10, ' ') + " 水準" + " " + rj(7, "0.0500") + " " + "の同時検定と ",
    std::string(3, ' ') + " 信頼係数" + " " + rj(7, "0.9500") + " " + "の同時信頼区間を求める.",
    " ",
};

const Talk kTrend = {{},
                     " 標本の個数(10 以下)を入力して下さい",
                     " 個の標本サイズを入力して下さい",
                     " 標本の観測値を",
                     " 有意水準を入力して下さい. ",
                     " 標本目の観測値は ",
                     false,
                     false};
const Talk kHomo = {{},
                    " 群の個数(10 以下)を入力して下さい",
                    " つの群サイズを入力して下さい",
                    " 群の観測値を",
                    " 有意水準を入力して下さい. ",
                    " 群の観測値は ",
                    false,
                    false};
const Talk kMulti = {{},
                     " 群の個数(10 以下)を入力して下さい",
                     " つの群サイズを入力して下さい",
                     " 群の観測値を",
                     " 有意水準を入力して下さい. ",
                     " 群の観測値は ",
                     true,
                     true};
const Talk kAnova = {{},
                     " 標本の個数(10 以下)を入力して下さい",
                     " 個の標本サイズを入力して下さい",
                     " 標本の観測値を",
                     " 有為水準を入力して下さい. ",
                     " 標本目の観測値は ",
                     false,
                     false};
const Talk kSearch = {{"  分布を探す.", " "},
                      " 標本(群)の個数(10 以下)を入力して下さい",
                      " 個の標本(群)サイズを入力して下さい",
                      " 標本(群)の観測値を",
                      "",
                      " 標本(群)目の観測値は ",
                      false,
                      false};

// The dialogue up to and including the count prompt.
Lines upto_count(const Talk& t) { return t.opening + Lines{t.count}; }

// The dialogue for groups of the given sizes, all read, through the level
// prompt (when the program asks for one).
Lines through_level(const Talk& t, const std::vector<long>& sizes) {
  Lines l = upto_count(t) + Lines{sizes_line(t, static_cast<long>(sizes.size()))};
  for (size_t i = 0; i < sizes.size(); ++i) {
    l = l + Lines{obs_line(t, static_cast<int>(i + 1), sizes[i]), kMore};
  }
  if (!t.level.empty()) l.push_back(t.level);
  return l;
}

// Level lines shared by the rank tests' decisions (level 0.05: 5.00000 percent).
const std::string kLevelLine = "  有意水準 " + rj(10, "5.00000") + " パ－セントで, ";

// ---------------------------------------------------------------------------
// The table.

enum class Match {
  kWhole,  // standard output equals `out`
  kKeys,   // standard output begins with `out`; `keys` follow as whole lines, in order
};

struct Case {
  std::string program;
  std::string cls;  // the class of input
  Run run;
  std::string input;
  int status;
  Lines out;
  Match match = Match::kWhole;
  Lines keys = {};
};

// The classes every program is fed.
const char* const kClasses[] = {
    "k_eleven",
    "k_zero",
    "k_minus_one",
    "size_above_limit",
    "total_above_limit",
    "total_32_bit",
    "size_zero",
    "size_negative",
    "first_size_negative",
    "group_of_one",
    "empty_input",
    "ends_mid_read",
    "bad_character",
    "twenty_digits",
    "real_overflow",
    "repeat_2000000000",
};

// Classes that concern some programs only, with the programs they concern.
struct SomeClass {
  const char* cls;
  std::vector<std::string> programs;
};
const std::vector<std::string> kFourTests = {"trendrank", "homorank", "multicomp", "anovaf"};
const SomeClass kSomeClasses[] = {
    {"level_5", kFourTests},
    {"level_1_5", kFourTests},
    {"level_minus_0_05", kFourTests},
    {"level_0", kFourTests},
    {"level_1", kFourTests},
    {"sums_overflow", {"anovaf"}},
    {"chi_square_zero_k4", {"homorank"}},
    {"chi_square_zero_k6", {"homorank"}},
};

// A line of n repetitions of a size and one last size.
std::string sizes_text(int n, int size, int last) {
  std::string s;
  for (int i = 0; i < n; ++i) s += num(size) + " ";
  return s + num(last) + "\n";
}

// Classes whose stop or prefix is the same for every interactive program.
void add_interactive_common(std::vector<Case>& m, const std::string& p, Run run, const Talk& t,
                            int limit) {
  const std::string level_in = t.level.empty() ? "" : "0.05\n";
  m.push_back({p, "k_eleven", run, "11\n", 8, upto_count(t)});
  // No group leaves nothing to analyse: refused at the same point as a count of 11.
  m.push_back({p, "k_zero", run, "0\n" + level_in, 8, upto_count(t)});
  m.push_back({p, "k_minus_one", run, "-1\n" + level_in, 8, upto_count(t)});
  // The 20-digit count does not fit 32 bits: refused at the read.
  m.push_back({p, "twenty_digits", run, "12345678901234567890\n", 8, upto_count(t)});
  m.push_back({p, "empty_input", run, "", 12, upto_count(t)});
  // A size above the storage is refused right after the size read; the input
  // ends there, so a later refusal would show as end of input instead.
  m.push_back({p, "size_above_limit", run, "2\n" + num(limit + 1) + " 3\n", 8,
               upto_count(t) + Lines{sizes_line(t, 2)}});
  // The total limit (10 times the group limit, or none in multicomp) is
  // reachable only through a size above the group limit: ten groups, nine at
  // the limit and the last one above it, refused at the size read.
  m.push_back({p, "total_above_limit", run, "10\n" + sizes_text(9, limit, limit + 1), 8,
               upto_count(t) + Lines{sizes_line(t, 10)}});
  // Two sizes of -2000000000 read nothing, but their total leaves 32 bits:
  // refused after the second group's (empty) read.
  m.push_back({p, "total_32_bit", run, "2\n-2000000000 -2000000000\n", 8,
               upto_count(t) + Lines{sizes_line(t, 2), obs_line(t, 1, -2000000000), kMore,
                                     obs_line(t, 2, -2000000000), kMore}});
  // Group 1 needs three values and the input ends after two.
  m.push_back({p, "ends_mid_read", run, "2\n3 2\n1 2\n", 12,
               upto_count(t) + Lines{sizes_line(t, 2), obs_line(t, 1, 3), kMore}});
  // 1e999 is beyond single precision: refused at the read that brought it.
  m.push_back({p, "real_overflow", run, "2\n2 3\n1 1e999\n", 8,
               upto_count(t) + Lines{sizes_line(t, 2), obs_line(t, 1, 2), kMore}});

  // "1x" reads as 10 with a warning (status 4) and the run goes on.
  Lines bad = through_level(t, {2, 3}) + Lines{echo_line(t, 1)};
  if (t.ten_a_line) {
    bad = bad + Lines{echo_row(t, {"10.00", "2.00"}), echo_line(t, 2),
                      echo_row(t, {"3.00", "4.00", "5.00"})};
  } else {
    bad = bad + Lines{echo_row(t, {"10.00000", "2.00000"}), echo_line(t, 2),
                      echo_row(t, {"3.00000", "4.00000", "5.00000"})};
  }
  if (t.title) bad = bad + kComparisonTitle;
  m.push_back({p, "bad_character", run, "2\n2 3\n1x 2\n3 4 5\n" + level_in, 4, bad, Match::kKeys});

  // 2000000000*3 fills the two sizes needed, 2000000000*7 the three values.
  Lines rep = through_level(t, {3, 3}) +
              Lines{echo_line(t, 1), echo_row(t, {"1.00000", "2.00000", "3.00000"}),
                    echo_line(t, 2), echo_row(t, {"7.00000", "7.00000", "7.00000"})};
  if (t.ten_a_line) {
    rep = through_level(t, {3, 3}) + Lines{echo_line(t, 1), echo_row(t, {"1.00", "2.00", "3.00"}),
                                           echo_line(t, 2), echo_row(t, {"7.00", "7.00", "7.00"})};
  }
  if (t.title) rep = rep + kComparisonTitle;
  m.push_back({p, "repeat_2000000000", run, "2\n2000000000*3\n1 2 3\n2000000000*7\n" + level_in, 0,
               rep, Match::kKeys});
}

// Dialogue and echo of sizes (3, 0) or (3, -2) with group 1 = 1 2 3, level 0.05.
Lines three_and(const Talk& t, long second) {
  Lines l = through_level(t, {3, second}) + Lines{echo_line(t, 1)};
  l.push_back(t.ten_a_line ? echo_row(t, {"1.00", "2.00", "3.00"})
                           : echo_row(t, {"1.00000", "2.00000", "3.00000"}));
  l.push_back(echo_line(t, 2));
  if (second < 0) l.push_back("");  // a negative count echoes one empty record
  if (t.title) l = l + kComparisonTitle;
  return l;
}

// Dialogue and echo of sizes (-3, 3) with group 2 = 1 2 3, level 0.05: the
// negative first group reads nothing and echoes one empty record.
Lines minus_three_and_three(const Talk& t) {
  Lines l = through_level(t, {-3, 3}) + Lines{echo_line(t, 1), "", echo_line(t, 2)};
  l.push_back(t.ten_a_line ? echo_row(t, {"1.00", "2.00", "3.00"})
                           : echo_row(t, {"1.00000", "2.00000", "3.00000"}));
  if (t.title) l = l + kComparisonTitle;
  return l;
}

// Dialogue and echo of sizes (1, 2) with groups (5) and (1 3), or (1) and (2 3).
Lines one_and_two(const Talk& t, const char* a, const char* b, const char* c) {
  return through_level(t, {1, 2}) +
         Lines{echo_line(t, 1), echo_row(t, {a}), echo_line(t, 2), echo_row(t, {b, c})};
}

// The three size rows of an interactive program, refused after the echo: a
// second group of size 0 or -2, and a first group of size -3. level is the
// typed level line ("0.05\n"), or empty for a program that asks none.
void add_size_refusals(std::vector<Case>& m, const std::string& p, Run run, const Talk& t,
                       const std::string& level) {
  m.push_back({p, "size_zero", run, "2\n3 0\n1 2 3\n" + level, 8, three_and(t, 0)});
  m.push_back({p, "size_negative", run, "2\n3 -2\n1 2 3\n" + level, 8, three_and(t, -2)});
  m.push_back(
      {p, "first_size_negative", run, "2\n-3 3\n1 2 3\n" + level, 8, minus_three_and_three(t)});
}

// The comparison heading at 0.05 with the given percent point.
std::string comparison_heading(const char* percent_point) {
  return "   " + std::string(" 漸近分布の上側") + " " + rj(5, "5.0") + " " + "パーセント点；" +
         rj(7, percent_point);
}

// anovaf report lines up to the verdict for the given printed values.
Lines anova_head(const char* sw, const char* st, const char* between, const std::string& f,
                 const std::string& p, const char* verdict) {
  return {" ",
          "  " + std::string(36, '*') + " ",
          "  観測値が正規分布に従う場合の最良手法 ",
          "  " + std::string(36, '*') + " ",
          "",
          " 級内変動 " + rj(15, sw) + " 総変動 " + rj(15, st),
          "",
          " 級間変動 " + rj(15, between),
          "",
          " F検定統計量の値は " + f + " です ",
          "",
          " F検定の  P 値は " + p + " です",
          "",
          " 有意水準" + rj(10, "0.05000") + " 検定の一様性の帰無仮説は ",
          verdict};
}

std::string anova_group(int j, const char* text, const std::string& value) {
  return "   第" + rj(5, num(j)) + rj(25, text) + "  " + value;
}

std::string anova_total(const char* text, const std::string& value) {
  return rj(20, text) + "  " + value;
}

// The level of the four tests is a probability: 5 (meant as 5 per cent), 1.5
// and -0.05 are refused right after the level read, before the echo; 0 and 1
// are accepted, and the report shows them (`keys0`, `keys1`) after the echo
// of (1 2) and (3 4 5).
void add_levels(std::vector<Case>& m, const std::string& p, Run run, const Talk& t,
                const Lines& keys0, const Lines& keys1) {
  const std::string data = "2\n2 3\n1 2\n3 4 5\n";
  const Lines asked = through_level(t, {2, 3});
  m.push_back({p, "level_5", run, data + "5\n", 8, asked});
  m.push_back({p, "level_1_5", run, data + "1.5\n", 8, asked});
  m.push_back({p, "level_minus_0_05", run, data + "-0.05\n", 8, asked});
  Lines echoed = asked + Lines{echo_line(t, 1)};
  if (t.ten_a_line) {
    echoed = echoed + Lines{echo_row(t, {"1.00", "2.00"}), echo_line(t, 2),
                            echo_row(t, {"3.00", "4.00", "5.00"})};
  } else {
    echoed = echoed + Lines{echo_row(t, {"1.00000", "2.00000"}), echo_line(t, 2),
                            echo_row(t, {"3.00000", "4.00000", "5.00000"})};
  }
  m.push_back({p, "level_0", run, data + "0\n", 0, echoed, Match::kKeys, keys0});
  m.push_back({p, "level_1", run, data + "1\n", 0, echoed, Match::kKeys, keys1});
}

// The rank tests' level line for a level printed as a percentage.
std::string percent_line(const char* percent) {
  return "  有意水準 " + rj(10, percent) + " パ－セントで, ";
}

void add_trendrank(std::vector<Case>& m) {
  const Talk& t = kTrend;
  const std::string p = "trendrank";
  Run run = trendrank::run;
  add_interactive_common(m, p, run, t, 100);
  // Both tests at level 0 keep the null hypothesis (no P value is below 0);
  // at level 1 both P values are at most the level: both rejected.
  add_levels(m, p, run, t,
             {percent_line("0.00000"), "  一様性の帰無仮説は棄却されなかった. ",
              percent_line("0.00000"), "  帰無仮説は棄却されなかった. "},
             {percent_line("100.00000"), "  一様性の帰無仮説は棄却された. ",
              percent_line("100.00000"), "  帰無仮説は棄却され『傾向性がない』が受容された. "});
  // A group with no observation, or a negative size, is refused after the echo.
  // A negative first size would make the rearrangements address positions
  // before the pooled sample: refused after the echo like any size below 1.
  add_size_refusals(m, p, run, t, "0.05\n");
  // A group of one is inside the model: ranks (1 | 2 3), mean ranks 1 and 2.5
  // (already increasing), trend sum 1 + 2·0.25 = 1.5, spread of the ranks 2,
  // normalized 1.5·2/2; differences 1−2, 1−3 give the shift −1.5, raw effects
  // (−1.5·2/3, 1.5·1/3).
  m.push_back({p,
               "group_of_one",
               run,
               "2\n1 2\n1\n2 3\n0.05\n",
               0,
               one_and_two(t, "1.00000", "2.00000", "3.00000"),
               Match::kKeys,
               {" 1.00000000 -1.00000000 -1.00000000", " 2.00000000 0.500000000 0.500000000",
                " 検定統計量の値は " + rj(10, "1.50000") + " です ",
                " 正規化検定統計量は" + rj(10, "1.50000") + " です"}});
}

void add_homorank(std::vector<Case>& m) {
  const Talk& t = kHomo;
  const std::string p = "homorank";
  Run run = homorank::run;
  add_interactive_common(m, p, run, t, 100);
  add_levels(m, p, run, t, {percent_line("0.00000"), "  一様性の帰無仮説は棄却されなかった. "},
             {percent_line("100.00000"), "  一様性の帰無仮説は棄却された. "});
  // Every group of 30 holds 1..30, so every mean rank is (n + 1)/2 and the
  // statistic is exactly 0; the chi-square tail at 0 is 1 (3 and 5 degrees
  // of freedom, whose series has an infinite factor at 0).
  for (int k : {4, 6}) {
    std::string in = num(k) + "\n" + sizes_text(k - 1, 30, 30);
    std::string values;
    for (int v = 1; v <= 30; ++v) values += num(v) + (v < 30 ? " " : "\n");
    for (int i = 0; i < k; ++i) in += values;
    m.push_back({p,
                 "chi_square_zero_k" + num(k),
                 run,
                 in + "0.05\n",
                 0,
                 through_level(t, std::vector<long>(static_cast<size_t>(k), 30)),
                 Match::kKeys,
                 {" 　検定統計量の値は " + rj(10, "0.000") + " です",
                  " 　正規化検定統計量は" + rj(10, "0.00000") + " です",
                  " 　ｐ値は " + rj(8, "1.00000") + " です.", kLevelLine,
                  "  一様性の帰無仮説は棄却されなかった. "}});
  }
  add_size_refusals(m, p, run, t, "0.05\n");
  // Inside the model: ranks 1, 2, 3; mean ranks 1 and 2.5; TR = 1.5 = H (the
  // spread of the ranks is 2); the effect of group 1 is 2·(−1.5)/3.
  m.push_back({p,
               "group_of_one",
               run,
               "2\n1 2\n1\n2 3\n0.05\n",
               0,
               one_and_two(t, "1.00000", "2.00000", "3.00000"),
               Match::kKeys,
               {" 順位", "  " + rj(9, "1.00") + "  " + rj(9, "2.00") + "  " + rj(9, "3.00"),
                " 第1 群の順位の標本平均は　1.00000000", " 第2 群の順位の標本平均は　2.50000000",
                " TRの値は　1.50000000", " 　正規化検定統計量は" + rj(10, "1.50000") + " です",
                "   第 1 群の主効果は,  " + rj(10, "-1.000")}});
}

void add_multicomp(std::vector<Case>& m) {
  const Talk& t = kMulti;
  const std::string p = "multicomp";
  Run run = multicomp::run;
  add_interactive_common(m, p, run, t, 50);
  // The title shows the level and the confidence coefficient 1 - level.
  add_levels(
      m, p, run, t,
      {std::string(10, ' ') + " 水準" + " " + rj(7, "0.0000") + " " + "の同時検定と ",
       std::string(3, ' ') + " 信頼係数" + " " + rj(7, "1.0000") + " " + "の同時信頼区間を求める."},
      {std::string(10, ' ') + " 水準" + " " + rj(7, "1.0000") + " " + "の同時検定と ",
       std::string(3, ' ') + " 信頼係数" + " " + rj(7, "0.0000") + " " +
           "の同時信頼区間を求める."});
  // Empty and negative groups are refused after the title block, before the heading.
  add_size_refusals(m, p, run, t, "0.05\n");
  // A group of one is inside the model: (1) against (2 3): rank sum 1,
  // TR = 1 − 1·4/2, deviation sqrt(2·4/12) = 0.81649661, critical value
  // 0.81649661·1.95996 = 1.600, not rejected; m = 2,
  // trimmed = trunc(1 − 1.6003) = 0, lower = 1, upper = 2; differences −2, −1.
  m.push_back(
      {p, "group_of_one", run, "2\n1 2\n1\n2 3\n0.05\n", 0,
       one_and_two(t, "1.00", "2.00", "3.00") + kComparisonTitle +
           Lines{
               comparison_heading("1.960"), " ", " ( 1 ) 第 1 群と第 2 群との比較",
               "     i. 水準 " + rj(12, "0.0500") + " の同時検定で",
               "       TR( 1, 2 )=" + rj(12, "-1.000"), "       (有意点)=" + rj(15, "1.600"),
               " 　帰無仮説は棄却されない.", "     ii. 信頼係数 " + rj(12, "0.9500") + " の",
               "       同時信頼区間は  [" + rj(12, "-2.0000") + " , " + rj(12, "-1.0000") + ")"}});
}

void add_anovaf(std::vector<Case>& m) {
  const Talk& t = kAnova;
  const std::string p = "anovaf";
  Run run = anovaf::run;
  add_interactive_common(m, p, run, t, 100);
  // P > 0 is kept at level 0 and rejected at level 1.
  add_levels(
      m, p, run, t,
      {" 有意水準" + rj(10, "0.00000") + " 検定の一様性の帰無仮説は ", "  棄却されなかった. "},
      {" 有意水準" + rj(10, "1.00000") + " 検定の一様性の帰無仮説は ", "  棄却された. "});
  // A group with no observation has no mean, a negative size would make the
  // sums of squares negative: refused after the echo, before the report.
  add_size_refusals(m, p, run, t, "0.05\n");
  // (2.5e19 0) and (0 0): the within sum of squares 2·1.25e19² = 3.1e38 still
  // fits single precision, the total 1.875e19² + 3·6.25e18² = 4.7e38 does not:
  // refused before the report.
  m.push_back(
      {p, "sums_overflow", run, "2\n2 2\n2.5e19 0\n0 0\n0.05\n", 8,
       through_level(t, {2, 2}) + Lines{echo_line(t, 1), echo_row(t, {"***********", "0.00000"}),
                                        echo_line(t, 2), echo_row(t, {"0.00000", "0.00000"})}});
  // (5) and (1 3): group means 5 and 2, grand mean 3, within sum of squares 2,
  // total 4 + 4 + 0 = 8, F = 6/(2/1) = 3, P with 1 and 1 degrees of freedom
  // 1/3: not rejected.
  m.push_back({p, "group_of_one", run, "2\n1 2\n5\n1 3\n0.05\n", 0,
               one_and_two(t, "5.00000", "1.00000", "3.00000") +
                   anova_head("2.00000", "8.00000", "6.00000", rj(10, "3.00000"), rj(10, "0.33333"),
                              "  棄却されなかった. ") +
                   Lines{anova_group(1, " 標本の主効果は,", rj(10, "2.00000")),
                         anova_group(2, " 標本の主効果は,", rj(10, "-1.00000")),
                         anova_total(" 全平均は,", rj(10, "3.00000")),
                         anova_total(" 共通分散は,", rj(10, "2.00000")),
                         anova_group(1, " 標本の平均は,", rj(10, "5.00000")),
                         anova_group(2, " 標本の平均は,", rj(10, "2.00000"))}});
}

void add_distsearch(std::vector<Case>& m) {
  const Talk& t = kSearch;
  const std::string p = "distsearch";
  Run run = distsearch::run;
  add_interactive_common(m, p, run, t, 1000);
  // A group needs two observations for a residual (one gives 0/0, which
  // leaves every distance 0): sizes below 2 are refused after the echo.
  add_size_refusals(m, p, run, t, "");
  m.push_back({p, "group_of_one", run, "2\n1 2\n5\n1 3\n", 8,
               one_and_two(t, "5.00000", "1.00000", "3.00000")});
}

// ---------------------------------------------------------------------------
// Filters.

// The 23 rows of the distribution-function table for 1 tie decimal and the groups
// 1 2 3 and 4 6 8 (residuals ±2.4494896, ±1.2247448, 0, 0).
Lines cdf_worked_example() {
  const char* rows[][3] = {
      {"-3.429", "0.000", "0.013"}, {"-2.939", "0.000", "0.028"}, {"-2.449", "0.000", "0.055"},
      {"-2.449", "0.167", "0.055"}, {"-1.960", "0.167", "0.101"}, {"-1.470", "0.167", "0.169"},
      {"-1.225", "0.167", "0.212"}, {"-1.225", "0.333", "0.212"}, {"-0.980", "0.333", "0.262"},
      {"-0.490", "0.333", "0.375"}, {"0.000", "0.333", "0.500"},  {"0.000", "0.333", "0.500"},
      {"0.000", "0.667", "0.500"},  {"0.490", "0.667", "0.625"},  {"0.980", "0.667", "0.738"},
      {"1.225", "0.667", "0.788"},  {"1.225", "0.833", "0.788"},  {"1.470", "0.833", "0.831"},
      {"1.960", "0.833", "0.899"},  {"2.449", "0.833", "0.945"},  {"2.449", "1.000", "0.945"},
      {"2.449", "1.000", "0.945"},  {"2.939", "1.000", "0.972"},
  };
  Lines l;
  for (const auto& r : rows)
    l.push_back("  " + rj(8, r[0]) + "  " + rj(8, r[1]) + "  " + rj(8, r[2]));
  return l;
}

// One box-plot group at x = g (printed positions given) with its five values.
Lines box_group(const char* g, const char* a, const char* b, const char* c, const char* d,
                const char* mn, const char* q1, const char* q2, const char* q3, const char* mx) {
  auto row = [](const char* x, const char* y) { return "  " + rj(10, x) + "  " + rj(10, y); };
  return {row(a, q3), row(b, q3), row(b, q1), row(a, q1), row(a, q3), " ",        row(a, q2),
          row(b, q2), " ",        row(g, mx), row(g, q3), " ",        row(c, mx), row(d, mx),
          " ",        row(g, q1), row(g, mn), " ",        row(c, mn), row(d, mn), " "};
}

void add_cdfplot(std::vector<Case>& m) {
  const std::string p = "cdfplot";
  Run run = cdfplot::run;
  const Lines none;
  const std::string tenth = "1\n10\n" + sizes_text(9, 1000, 1001);
  m.push_back({p, "k_eleven", run, "1\n11\n", 8, none});
  // No group leaves no residual for the table: refused before any row.
  m.push_back({p, "k_zero", run, "1\n0\n", 8, none});
  m.push_back({p, "k_minus_one", run, "1\n-1\n", 8, none});
  m.push_back({p, "size_above_limit", run, "1\n2\n1001 3\n", 8, none});
  // The total limit 10000 is reachable only through a size above 1000.
  m.push_back({p, "total_above_limit", run, tenth, 8, none});
  m.push_back({p, "total_32_bit", run, "1\n2\n-2000000000 -2000000000\n", 8, none});
  // A group of size 0 reads no line and adds no residual: the worked example.
  m.push_back({p, "size_zero", run, "1\n3\n3 0 3\n1 2 3\n4 6 8\n", 0, cdf_worked_example()});
  m.push_back({p, "size_negative", run, "1\n2\n3 -2\n1 2 3\n", 8, none});
  m.push_back({p, "first_size_negative", run, "1\n2\n-3 3\n1 2 3\n", 8, none});
  // A group of one has the residual 0/0: refused after the reads.
  m.push_back({p, "group_of_one", run, "1\n2\n1 2\n5\n1 3\n", 8, none});
  m.push_back({p, "empty_input", run, "", 12, none});
  m.push_back({p, "ends_mid_read", run, "1\n2\n3 2\n1 2\n", 12, none});
  // "8.x" reads as 8.0 with a warning: the worked example, status 4.
  m.push_back({p, "bad_character", run, "1\n2\n3 3\n1 2 3\n4 6 8.x\n", 4, cdf_worked_example()});
  m.push_back({p, "twenty_digits", run, "1\n12345678901234567890\n", 8, none});
  m.push_back({p, "real_overflow", run, "1\n2\n2 3\n1 1e999\n", 8, none});
  m.push_back(
      {p, "repeat_2000000000", run, "1\n2\n2000000000*3\n1 2 3\n4 6 8\n", 0, cdf_worked_example()});
}

void add_boxplot(std::vector<Case>& m) {
  const std::string p = "boxplot";
  Run run = boxplot::run;
  const Lines none;
  // Worked example: 1 2 3 4 5 gives 1.5, 3, 4.5; 1 2.5 7 9 gives 1.375, 4.75, 8.5.
  const Lines worked = box_group("1.000", "0.800", "1.200", "1.050", "0.950", "1.000", "1.500",
                                 "3.000", "4.500", "5.000") +
                       box_group("2.000", "1.800", "2.200", "2.050", "1.950", "1.000", "1.375",
                                 "4.750", "8.500", "9.000");
  m.push_back({p, "k_eleven", run, "11\n", 8, none});
  // No group to draw: refused right after the count read.
  m.push_back({p, "k_zero", run, "0\n", 8, none});
  m.push_back({p, "k_minus_one", run, "-1\n", 8, none});
  m.push_back({p, "size_above_limit", run, "2\n101 3\n", 8, none});
  // The total limit 1000 is reachable only through a size above 100.
  m.push_back({p, "total_above_limit", run, "10\n" + sizes_text(9, 100, 101), 8, none});
  m.push_back({p, "total_32_bit", run, "2\n-2000000000 -2000000000\n", 8, none});
  // A group with no observation has no box: refused after the reads, before any row.
  m.push_back({p, "size_zero", run, "2\n3 0\n1 2 3\n", 8, none});
  m.push_back({p, "size_negative", run, "2\n3 -2\n1 2 3\n", 8, none});
  m.push_back({p, "first_size_negative", run, "2\n-3 3\n1 2 3\n", 8, none});
  // A group of one: the quartile positions held to 1..n, every value 4.
  m.push_back({p, "group_of_one", run, "1\n1\n4\n", 0,
               box_group("1.000", "0.800", "1.200", "1.050", "0.950", "4.000", "4.000", "4.000",
                         "4.000", "4.000")});
  m.push_back({p, "empty_input", run, "", 12, none});
  m.push_back({p, "ends_mid_read", run, "2\n3 2\n1 2\n", 12, none});
  // "2.5x" reads as 2.50 with a warning: the worked example, status 4.
  m.push_back({p, "bad_character", run, "2\n5 4\n5 1 4 2 3\n2.5x 7 1 9\n", 4, worked});
  m.push_back({p, "twenty_digits", run, "12345678901234567890\n", 8, none});
  m.push_back({p, "real_overflow", run, "2\n2 3\n1 1e999\n", 8, none});
  // Sizes 3 and 3; 7 3 5 sorts to the quartiles 3, 5, 7; 2000000000*2 gives 2 2 2.
  m.push_back({p, "repeat_2000000000", run, "2\n2000000000*3\n7 3 5\n2000000000*2\n", 0,
               box_group("1.000", "0.800", "1.200", "1.050", "0.950", "3.000", "3.000", "5.000",
                         "7.000", "7.000") +
                   box_group("2.000", "1.800", "2.200", "2.050", "1.950", "2.000", "2.000", "2.000",
                             "2.000", "2.000")});
}

std::vector<Case> matrix() {
  std::vector<Case> m;
  add_trendrank(m);
  add_homorank(m);
  add_multicomp(m);
  add_anovaf(m);
  add_distsearch(m);
  add_cdfplot(m);
  add_boxplot(m);
  return m;
}

// Splits bytes into lines at CR LF (a last line without CR LF is kept as is).
Lines split_lines(const std::string& s) {
  Lines l;
  size_t b = 0;
  while (b < s.size()) {
    size_t e = s.find("\r\n", b);
    if (e == std::string::npos) {
      l.push_back(s.substr(b));
      break;
    }
    l.push_back(s.substr(b, e - b));
    b = e + 2;
  }
  return l;
}

// Names a row in failure messages (instead of a byte dump of the struct).
void PrintTo(const Case& c, std::ostream* os) { *os << c.program << " / " << c.cls; }

class RefusalMatrix : public testing::TestWithParam<Case> {};

TEST_P(RefusalMatrix, StatusAndOutput) {
  const Case& c = GetParam();
  const testsupport::Captured r = testsupport::capture_run(c.run, c.input);
  const std::string expected = cp932(c.out);
  // Every text above is in the code page; an unknown character would show as '?'.
  ASSERT_EQ(expected.find('?'), std::string::npos);

  EXPECT_EQ(r.status, c.status);
  // A warning, refusal or end of input is reported on standard error; a clean
  // run writes nothing there.
  EXPECT_EQ(r.err.empty(), c.status == 0) << r.err;
  if (c.match == Match::kWhole) {
    EXPECT_EQ(r.out, expected);
    return;
  }
  ASSERT_GE(r.out.size(), expected.size()) << r.out;
  EXPECT_EQ(r.out.substr(0, expected.size()), expected);
  const Lines rest = split_lines(r.out.substr(expected.size()));
  size_t at = 0;
  for (const std::string& key : c.keys) {
    const std::string want = con::to_cp932(key);
    ASSERT_EQ(want.find('?'), std::string::npos);
    size_t k = at;
    while (k < rest.size() && rest[k] != want) ++k;
    EXPECT_LT(k, rest.size()) << "missing, in order: " << key;
    if (k < rest.size()) at = k + 1;
  }
}

std::string case_name(const testing::TestParamInfo<Case>& info) {
  return info.param.program + "_" + info.param.cls;
}

INSTANTIATE_TEST_SUITE_P(EveryProgramEveryClass, RefusalMatrix, testing::ValuesIn(matrix()),
                         case_name);

// The programs of cmake/programs.txt, which the build passes as GR_PROGRAMS
// (the names joined by commas).
std::vector<std::string> listed_programs() {
  std::vector<std::string> names;
  std::istringstream list(GR_PROGRAMS);
  for (std::string name; std::getline(list, name, ',');) names.push_back(name);
  return names;
}

// The table holds each class exactly once for each listed program, and each
// of the other classes once for each program it concerns.
TEST(RefusalMatrixTable, EveryProgramHasEveryClassOnce) {
  const std::vector<Case> m = matrix();
  std::set<std::string> seen;
  for (const Case& c : m) EXPECT_TRUE(seen.insert(c.program + "/" + c.cls).second) << c.cls;
  const std::vector<std::string> programs = listed_programs();
  ASSERT_FALSE(programs.empty());
  size_t rows = 0;
  for (const std::string& prog : programs) {
    for (const char* cls : kClasses) {
      EXPECT_EQ(seen.count(prog + "/" + cls), 1u) << prog << " " << cls;
      ++rows;
    }
  }
  for (const SomeClass& some : kSomeClasses) {
    for (const std::string& prog : some.programs) {
      EXPECT_EQ(seen.count(prog + "/" + some.cls), 1u) << prog << " " << some.cls;
      ++rows;
    }
  }
  EXPECT_EQ(m.size(), rows);
}

// A report that cannot be written is not a clean run: with standard output on
// the full device (every write fails) the run ends with status 16 and says so
// on standard error.
TEST(RefusalMatrixWrite, FullDeviceEndsWithStatus16) {
  std::ofstream full("/dev/full", std::ios::binary);
  ASSERT_TRUE(full.is_open());
  std::istringstream in("2\n3 3\n1 2 3\n4 5 6\n0.05\n");
  std::ostringstream err;
  const con::Io io{in, full, err, false};
  EXPECT_EQ(anovaf::run(io), 16);
  EXPECT_NE(err.str().find("standard output could not be written"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("exit status 16"), std::string::npos) << err.str();
}

// A refusal whose message cannot be written is a lost report too: the example
// data with the level 1.5 is refused (status 8), and with standard error on the
// full device the run ends with status 16 instead.
TEST(RefusalMatrixWrite, FullDeviceForStandardErrorEndsWithStatus16) {
  std::ofstream full("/dev/full", std::ios::binary);
  ASSERT_TRUE(full.is_open());
  std::istringstream in(
      "3\n4 5 3\n12.1 13.4 11.8 12.9\n14.2 15.1 13.7 14.8 15.0\n11.2 10.9 12.3\n1.5\n");
  std::ostringstream out;
  const con::Io io{in, out, full, false};
  EXPECT_EQ(anovaf::run(io), 16);
}

}  // namespace
