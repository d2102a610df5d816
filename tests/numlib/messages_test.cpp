// Condition lines of the integration library: level and unit control, the
// layout of the line, the status banner and where each unit leads.
#include "numlib/messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "numlib/console_sink.h"
#include "numlib/library.h"
#include "numlib/real_line_quadrature.h"

namespace {

struct Capture : numlib::MessageSink {
  std::vector<std::string> lines;
  void line(int32_t unit, std::string_view bytes) override {
    lines.push_back(std::to_string(unit) + "|" + std::string(bytes));
  }
};

const numlib::ClassificationCode kCode = {{'G', '2', ' ', ' '}, {'3', '-', ' ', ' '},
                                          {'3', '1', ' ', ' '}, {'-', '0', ' ', ' '},
                                          {'1', '0', ' ', ' '}, {'1', ' ', ' ', ' '}};

TEST(WriteConditionMessage, SilentUntilLevelSet) {
  numlib::Library lib;
  Capture cap;
  lib.sink = &cap;
  for (int32_t condition : {0, 1000, 25000, 30000}) {
    numlib::write_condition_message(lib, condition, kCode);
  }
  EXPECT_TRUE(cap.lines.empty());
}

TEST(WriteConditionMessage, LevelsAndLayout) {
  struct Case {
    int32_t level, unit, condition;
    const char* expected;  // "" when nothing is written
  };
  const Case cases[] = {
      {0, 6, 0, "6| **** NUML ( G23-31-0101 ) CONDITION     0 ****"},
      {0, 6, 1000, "6| **** NUML ( G23-31-0101 ) CONDITION  1000 ****"},
      {1, 6, 30000, "6| **** NUML ( G23-31-0101 ) CONDITION 30000 ****"},
      {1, 6, 0, ""},
      {1, 6, 9999, ""},
      {1, 6, 10000, "6| **** NUML ( G23-31-0101 ) CONDITION 10000 ****"},
      {2, 6, 13000, ""},
      {2, 0, 23000, "0| **** NUML ( G23-31-0101 ) CONDITION 23000 ****"},
      {3, 6, 25000, ""},
      {0, 6, 123456, "6| **** NUML ( G23-31-0101 ) CONDITION ***** ****"},
      {-1, 6, 30000, ""},
      // Products beyond 32 bits are held: a huge level prints nothing.
      {300000, 6, 30000, ""},
      {-300000, 6, 30000, ""},
  };
  for (const Case& c : cases) {
    numlib::Library lib;
    Capture cap;
    lib.sink = &cap;
    numlib::set_message_level(lib, c.level, c.unit);
    numlib::write_condition_message(lib, c.condition, kCode);
    if (c.expected[0] == '\0') {
      EXPECT_TRUE(cap.lines.empty()) << c.level << " " << c.condition;
    } else {
      ASSERT_EQ(cap.lines.size(), 1u) << c.level << " " << c.condition;
      EXPECT_EQ(cap.lines[0], c.expected);
    }
  }
}

TEST(SetMessageLevel, NegativeLevelKeepsUnit) {
  numlib::Library lib;
  numlib::set_message_level(lib, 0, 0);
  numlib::set_message_level(lib, -1, 9);
  EXPECT_EQ(lib.message_level, -10000);
  EXPECT_EQ(lib.message_unit, 0);
}

TEST(WriteStatusBanner, Lines) {
  numlib::Library lib;
  Capture cap;
  lib.sink = &cap;
  numlib::write_status_banner(lib);
  const std::vector<std::string> six = {"6|0", "6| *****  LIBRARY STATUS ( NUML  V5.1L00 )  *****",
                                        "6|"};
  EXPECT_EQ(cap.lines, six);

  cap.lines.clear();
  lib.message_unit = -6;
  numlib::write_status_banner(lib);
  const std::vector<std::string> minus = {
      "-6|0", "-6| *****  LIBRARY STATUS ( NUML  V5.1L00 )  *****", "-6|",
      "6|0 *****  MESSAGE UNIT WAS NEGATIVE, SIGN CHANGED"};
  EXPECT_EQ(cap.lines, minus);
  EXPECT_EQ(lib.message_unit, 6);
  EXPECT_EQ(cap.lines[3].size(), 2u + 1u + 47u);

  lib.message_unit = INT32_MIN;  // the sign change stays within 32 bits
  numlib::write_status_banner(lib);
  EXPECT_EQ(lib.message_unit, INT32_MAX);
}

// The quadrature reports through the routine at the end of every call.
TEST(WriteConditionMessage, AfterEveryQuadrature) {
  auto lib = std::make_unique<numlib::Library>();
  Capture cap;
  lib->sink = &cap;
  numlib::set_message_level(*lib, 0, 6);
  numlib::integrate_real_line(
      *lib, [](double) { return 0.0; }, -1.0, 0.0, 0, 0);
  numlib::integrate_real_line(
      *lib, [](double) { return 0.0; }, 1e-8, 1e-8, 20, 645);
  const std::vector<std::string> lines = {"6| **** NUML ( G23-31-0101 ) CONDITION 30000 ****",
                                          "6| **** NUML ( G23-31-0101 ) CONDITION     0 ****"};
  EXPECT_EQ(cap.lines, lines);
}

// The console sink: unit 6 to standard output, 0 to standard error, others nowhere.
TEST(ConsoleSink, Units) {
  std::istringstream in;
  std::ostringstream out, err;
  con::Io io{in, out, err};
  int status = con::run_program(io, [&err](con::Console& c) {
    numlib::ConsoleSink sink(c, err);
    numlib::Library lib;
    lib.sink = &sink;
    numlib::set_message_level(lib, 0, 6);
    numlib::write_condition_message(lib, 0, kCode);
    numlib::set_message_level(lib, 0, 0);
    numlib::write_condition_message(lib, 1000, kCode);
    numlib::set_message_level(lib, 0, 7);
    numlib::write_condition_message(lib, 2000, kCode);
    numlib::set_message_level(lib, 0, -6);
    numlib::write_condition_message(lib, 3000, kCode);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str(), " **** NUML ( G23-31-0101 ) CONDITION     0 ****\r\n");
  EXPECT_EQ(err.str(), " **** NUML ( G23-31-0101 ) CONDITION  1000 ****\r\n");
}

}  // namespace
