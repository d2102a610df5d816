// Free-form statements, free-form reads, messages and the exit status, and the
// conversion of program texts to code page 932.
#include "console/console.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "console/cp932.h"
#include "support/capture.h"

namespace {

// Runs a body on the given input; keeps both output streams and the status.
using Outcome = testsupport::Captured;

Outcome run(const std::string& input, const std::function<void(con::Console&)>& body) {
  return testsupport::capture(input, body);
}

TEST(FreeFormOutput, ItemsBlanksAndLineEnds) {
  Outcome r = run("", [](con::Console& c) {
    c.write({"A(", int32_t{10}, "B"});
    c.write({int32_t{3}, " C"});
    c.write({});
    c.write({3.5f, -1.0f, 0.05f});
    c.write({"x", int32_t{1}, " y", int32_t{5}});
    c.put_line("");
  });
  EXPECT_EQ(r.out,
            " A(10 B\r\n"
            " 3  C\r\n"
            " \r\n"
            " 3.50000000 -1.00000000 5.00000007e-02\r\n"
            " x1  y5\r\n"
            "\r\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
}

struct IntCase {
  const char* input;
  int64_t count;
  std::vector<int32_t> expected;  // starting from all 7s
  int warnings;
};

TEST(FreeFormInput, IntegersSeparatorsNullsSlashAndRepeats) {
  const IntCase cases[] = {
      {"1 2 3\n", 3, {1, 2, 3}, 0},
      {"3 4\n5\n", 3, {3, 4, 5}, 0},  // one read over two lines
      {"1,2\t3\n", 3, {1, 2, 3}, 0},
      {"\n\n 4\n", 1, {4}, 0},        // empty lines skipped
      {"1,,3\n", 3, {1, 7, 3}, 0},    // null item unchanged
      {",5\n", 2, {7, 5}, 0},         // leading comma: null
      {"1 /\n9\n", 3, {1, 7, 7}, 0},  // slash ends the read
      {"3*4\n", 3, {4, 4, 4}, 0},
      {"2* 9\n", 3, {7, 7, 9}, 0},          // r* : r null items
      {"2000000000*1\n", 3, {1, 1, 1}, 0},  // lazily consumed
      {"12a\n", 1, {120}, 1},
      {"3.0\n", 1, {300}, 1},
      {"-2147483648\n", 1, {-2147483648LL}, 0},
      {"+5\n", 1, {5}, 0},
      {"1 2 3 4\n", 2, {1, 2}, 0},
      {"1\r\n2", 2, {1, 2}, 0},  // CR LF, last line without LF
  };
  for (const auto& c : cases) {
    std::vector<int32_t> v(c.expected.size(), 7);
    Outcome r = run(c.input, [&](con::Console& k) { k.read_ints(v.data(), c.count); });
    EXPECT_EQ(v, c.expected) << c.input;
    EXPECT_EQ(r.status, c.warnings ? 4 : 0) << c.input;
  }
}

TEST(FreeFormInput, EachReadStartsOnAFreshLine) {
  int32_t a = 0, b = 0, none = 7;
  float x = 0.0f;
  Outcome r = run("1 99\n2 98\n2.5\n", [&](con::Console& k) {
    k.read_int(a);
    k.read_ints(&none, 0);  // a read of no items takes no line
    k.read_int(b);
    k.read_real(x);
  });
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(x, 2.5f);
  EXPECT_EQ(none, 7);
  EXPECT_EQ(r.status, 0);
}

TEST(FreeFormInput, RealsRoundOnceToSingle) {
  const struct {
    const char* input;
    float expected;
    int status;
  } cases[] = {
      {"0.05\n", 0.05f, 0},
      {"1e-3\n", 0.001f, 0},
      {"1.5D2\n", 150.0f, 0},
      {"-.5\n", -0.5f, 0},
      {".005\n", 0.005f, 0},  // zeros after the point are not leading zeros: kept
      {"-.005\n", -0.005f, 0},
      {"1e-50\n", 0.0f, 0},  // underflow accepted
      {"3.4028235e38\n", 3.4028235e38f, 0},
      {"1x5\n", 105.0f, 4},  // bad character read as 0
      {"1.2.3\n", 1.203f, 4},
  };
  for (const auto& c : cases) {
    float v = 9.0f;
    Outcome r = run(c.input, [&](con::Console& k) { k.read_real(v); });
    EXPECT_EQ(v, c.expected) << c.input;
    EXPECT_EQ(r.status, c.status) << c.input;
  }
}

TEST(FreeFormInput, RangeErrorsStopWithStatus8) {
  const char* inputs[] = {"99999999999\n", "2147483648\n", "-2147483649\n",
                          "0*5\n",         "-3*5\n",       "99999999999*1\n"};
  for (const char* in : inputs) {
    int32_t v = 0;
    bool after = false;
    Outcome r = run(in, [&](con::Console& k) {
      k.read_int(v);
      after = true;
    });
    EXPECT_EQ(r.status, 8) << in;
    EXPECT_FALSE(after) << in;
    EXPECT_NE(r.err.find("error"), std::string::npos) << in;
  }
  float x = 0.0f;
  EXPECT_EQ(run("1e999\n", [&](con::Console& k) { k.read_real(x); }).status, 8);
  EXPECT_EQ(run("3.5e38\n", [&](con::Console& k) { k.read_real(x); }).status, 8);
}

TEST(FreeFormInput, EndOfInputStopsWithStatus12) {
  int32_t v[3] = {};
  bool after = false;
  Outcome r = run("1 2\n", [&](con::Console& k) {
    k.read_ints(v, 3);
    after = true;
  });
  EXPECT_EQ(r.status, 12);
  EXPECT_FALSE(after);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1], 2);
  EXPECT_EQ(run("", [&](con::Console& k) { k.read_int(v[0]); }).status, 12);
  EXPECT_EQ(run("\n\n", [&](con::Console& k) { k.read_int(v[0]); }).status, 12);
}

TEST(FreeFormInput, LongLineIsReadWhole) {
  std::string line(1 << 20, ' ');
  line += "5\n";
  int32_t v = 0;
  Outcome r = run(line, [&](con::Console& k) { k.read_int(v); });
  EXPECT_EQ(v, 5);
  EXPECT_EQ(r.status, 0);
}

TEST(Messages, AtMostFiveWarningLinesAllCounted) {
  int32_t v = 0;
  Outcome r = run("1aaaaaaa\n", [&](con::Console& k) { k.read_int(v); });
  EXPECT_EQ(v, 10000000);
  EXPECT_EQ(r.status, 4);
  size_t lines = 0, pos = 0;
  while ((pos = r.err.find("warning", pos)) != std::string::npos) ++lines, ++pos;
  EXPECT_EQ(lines, 5u);
  EXPECT_NE(r.err.find("1001  4  7\r\n"), std::string::npos);  // summary counts all seven
  EXPECT_NE(r.err.find("line 1, column 2"), std::string::npos);
  // A token of a million letters for a real: each counted, five printed, read as 0.
  float x = 1.0f;
  Outcome bulk = run(std::string(1000000, 'a') + "\n", [&](con::Console& k) { k.read_real(x); });
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(bulk.status, 4);
  EXPECT_NE(bulk.err.find("1001  4  1000000\r\n"), std::string::npos);
  EXPECT_NE(bulk.err.find("line 1, column 5:"), std::string::npos);
  EXPECT_EQ(bulk.err.find("line 1, column 6:"), std::string::npos);
}

// A write that fails (a full disk, a closed pipe: here a stream with no
// buffer) stops the run at that line with status 16, said on standard error.
TEST(Messages, FailedOutputStopsWithStatus16) {
  std::istringstream in;
  std::ostream lost(nullptr);
  std::ostringstream err;
  bool after = false;
  const int status = con::run_program(con::Io{in, lost, err, false}, [&](con::Console& c) {
    c.write({"report"});
    after = true;
  });
  EXPECT_EQ(status, 16);
  EXPECT_FALSE(after);
  EXPECT_NE(err.str().find("standard output could not be written"), std::string::npos);
  EXPECT_NE(err.str().find("1007  16  1\r\n"), std::string::npos);  // reported once
}

// Memory that runs out outside the run's own frame (while the standard
// streams are set up, or the summary is written) ends with status 16 and the
// out-of-memory message, not an abort.
TEST(Messages, OutOfMemoryBeforeTheRunEndsWithStatus16) {
  testing::internal::CaptureStderr();
  const int status = con::main_stdio([](const con::Io&) -> int { throw std::bad_alloc(); });
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 16);
  EXPECT_NE(err.find("fault 1007 (severity 16): out of memory; the run stops\r\n"),
            std::string::npos);
  EXPECT_NE(err.find("exit status 16\r\n"), std::string::npos);
}

TEST(Messages, HighBytesAreBadCharactersAndLinesEndWithCrLf) {
  int32_t v = 0;
  Outcome r = run("1\x82\x4f\n", [&](con::Console& k) { k.read_int(v); });
  EXPECT_EQ(v, 100);
  EXPECT_NE(r.err.find("byte 0x82"), std::string::npos);
  EXPECT_EQ(r.err.find('\n'), r.err.find("\r\n") + 1);
}

TEST(Messages, RefusalStopsWithStatus8AndKeepsEarlierOutput) {
  Outcome r = run("", [](con::Console& c) {
    c.write({"before"});
    c.refuse("the size 0 of group 1 cannot be used");
    c.write({"after"});
  });
  EXPECT_EQ(r.out, " before\r\n");
  EXPECT_EQ(r.status, 8);
  EXPECT_NE(r.err.find("the size 0 of group 1"), std::string::npos);
}

TEST(ToCp932, CodePage932Bytes) {
  EXPECT_EQ(con::to_cp932("　"), "\x81\x40");  // ideographic space
  EXPECT_EQ(con::to_cp932("－"), "\x81\x7c");  // full-width hyphen-minus
  EXPECT_EQ(con::to_cp932("『』"), "\x81\x77\x81\x78");
  EXPECT_EQ(con::to_cp932("；"), "\x81\x47");
  EXPECT_EQ(con::to_cp932("標本の個数(").size(), 11u);
  EXPECT_EQ(con::to_cp932("以下)を入力して下さい").size(), 21u);
  EXPECT_EQ(con::to_cp932(" 個の標本サイズを入力して下さい").size(), 31u);
  EXPECT_EQ(con::to_cp932("個入力してください.").size(), 19u);
  EXPECT_EQ(con::to_cp932("有意水準を入力して下さい. ").size(), 26u);
  EXPECT_EQ(con::to_cp932("標").substr(0, 2), "\x95\x57");
}

}  // namespace
