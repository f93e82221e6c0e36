#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using platform::FormatNumber;
using platform::LeadingNumber;
using platform::PlainReading;
using platform::RoundHalfEven;
using platform::ToPointDecimal;

struct LeadingCase {
  std::string text;
  double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  const std::vector<LeadingCase> cases = {
      {"25\r", 25},       {"  -3.5x", -3.5},  {"&H7FFF", 32767}, {"&HFFFF", -1},
      {"&H8000", -32768}, {"&h1f", 31},       {"&H1G", 1},       {"&H12345", 0x12345},
      {"&H", 0},          {"&HZ", 0},         {"abc", 0},        {"1.2.3", 1.2},
      {"", 0},            {"+4", 4},          {"-", 0},          {".", 0},
      {".5", 0.5},        {"-.25", -0.25},    {"7.", 7},         {"\n12", 12},
      {"\t 8,9", 8},      {"1e3", 1},         {"- 3", 0},        {"\r25", 0},
      {"0012.50", 12.5},  {"  ", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

// Up to four hexadecimal digits are a 16-bit register as written; more are the number they
// spell, beyond 16 bits, never the value of the first four.
TEST(LeadingNumber, HexadecimalBeyondFourDigitsIsTheWholeNumber) {
  const std::vector<LeadingCase> cases = {
      {"&H10", 16},          {"&H0000", 0},          {"&HFFFF", -1},      {"&H7FFF", 32767},
      {"&H10000", 65536},    {"&H1FFFF", 131071},    {"&H12345", 74565},  {"&HFFFFF", 1048575},
      {"&H0FFFF", 65535},    {"&H12345x", 74565},    {"&HFFFFFFFF", 4294967295.0},
      {"-&H10000", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(LeadingNumber("&H" + std::string(400, 'F')), std::numeric_limits<double>::max());
}

// The settings fields' reader: blanks, tabs and line feeds are skipped wherever they stand; a
// carriage return or any other character still ends the number.
TEST(PlainReading, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
  const std::vector<LeadingCase> cases = {
      {"1 00", 100},      {"2 0", 20},       {"1 2.5", 12.5},    {"- 3", -3},
      {" 1\t2\n3 ", 123}, {"12 . 5", 12.5},  {"+ 4", 4},         {"1 2 x 3", 12},
      {"1.2 .3", 1.2},    {"1\r2", 1},       {"\r12", 0},        {"", 0},
      {"   ", 0},         {"abc 1", 0},      {"&H 1F", 31},      {"&H1 0000", 65536},
      {"300", 300},       {"249.5", 249.5},  {"1e3", 1},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(PlainReading(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumber, OutOfRangeTextGivesAFiniteValue) {
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::vector<std::pair<double, int64_t>> cases = {
      {12.5, 12}, {13.5, 14}, {-2.5, -2},     {-3.5, -4}, {0.5, 0},  {1.5, 2},
      {-0.5, 0},  {2.4999, 2}, {2.5000001, 3}, {-7.6, -8}, {250, 250},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(RoundHalfEven, ValuesBeyondTheRangeAreClampedNotUndefined) {
  EXPECT_EQ(RoundHalfEven(1e30), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(RoundHalfEven(-1e30), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(StoreRounded, RoundsHalvesToEvenAndSaturates) {
  EXPECT_EQ(platform::ToInteger(12.5), 12);
  EXPECT_EQ(platform::ToInteger(13.5), 14);
  EXPECT_EQ(platform::ToInteger(-2.5), -2);
  EXPECT_EQ(platform::ToInteger(1e30), 32767);
  EXPECT_EQ(platform::ToInteger(-1e30), -32768);
  EXPECT_EQ(platform::ToLong(838000.4), 838000);
  EXPECT_EQ(platform::ToLong(1e12), 2147483647);
}

struct FormatCase {
  double value;
  std::string pattern;
  std::string expected;
  char separator = '.';
};

TEST(FormatNumber, PatternsRoundHalvesAwayFromZero) {
  const std::vector<FormatCase> cases = {
      // Binary values just below a decimal half still round as the decimal they stand for.
      {0.55, "0.0", "0.6"},
      {2.675, "0.00", "2.68"},
      {1.005, "0.00", "1.01"},
      {12.345, "#0.00", "12.35"},
      {250.5, "0", "251"},
      {-250.5, "0", "-251"},
      {0.5, "0", "1"},
      {249.49, "0", "249"},
      // Carries into the whole part.
      {9.96, "0.0", "10.0"},
      {0.96, "0.0", "1.0"},
      {999.95, "##0.0", "1000.0"},
      // "#" before the point: only significant digits; "##" shows nothing for zero.
      {0, "##", ""},
      {0.4, "##", ""},
      {7, "##", "7"},
      {12345, "##", "12345"},
      {0, "#0.0", "0.0"},
      {0.25, "##0.00", "0.25"},
      {5, "##0.00", "5.00"},
      {1234.5678, "###0.0", "1234.6"},
      {0.0005, "0.000", "0.001"},
      {-1.25, "0.000", "-1.250"},
      // A value that rounds to zero shows no sign.
      {-0.04, "0.0", "0.0"},
      {-0.0, "0", "0"},
      // Optional digits after the point.
      {static_cast<double>(40.0f / 39.9f), "0.0#####", "1.002506"},
      {1.5, "0.0#####", "1.5"},
      {2, "0.0#####", "2.0"},
      {0.12345675, "0.0#####", "0.123457"},
      // No pattern: the shortest plain form.
      {0.1 + 0.2, "", "0.3"},
      {-12.75, "", "-12.75"},
      {100, "", "100"},
      {0, "", "0"},
      {1e-7, "", "0.0000001"},
      {1e20, "", "100000000000000000000"},
      {1e20, "0", "100000000000000000000"},
      // The regional separator.
      {2.5, "0.0", "2,5", ','},
      {0.25, "", "0,25", ','},
      {3, "0", "3", ','},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern, c.separator), c.expected)
        << c.value << " \"" << c.pattern << '"';
}

TEST(FormatNumber, NonFiniteValuesDoNotCrash) {
  EXPECT_FALSE(FormatNumber(std::numeric_limits<double>::infinity(), "0.0").empty());
  EXPECT_FALSE(FormatNumber(std::nan(""), "").empty());
}

TEST(ToPointDecimal, ReplacesOnlyTheFirstSeparator) {
  const std::vector<std::tuple<std::string, char, std::string>> cases = {
      {"1,25", ',', "1.25"}, {"1,2,3", ',', "1.2,3"}, {"125", ',', "125"},
      {"", ',', ""},         {"1,25", '.', "1,25"},   {"1.25", '.', "1.25"},
  };
  for (const auto& [text, separator, expected] : cases)
    EXPECT_EQ(ToPointDecimal(text, separator), expected) << text;
}

TEST(ToSingle, SaturatesAtTheLargestSingle) {
  EXPECT_EQ(platform::ToSingle(1e40), FLT_MAX);
  EXPECT_EQ(platform::ToSingle(-1e300), -FLT_MAX);
  EXPECT_EQ(platform::ToSingle(std::numeric_limits<double>::infinity()), FLT_MAX);
  EXPECT_EQ(platform::ToSingle(1.5), 1.5f);
}

TEST(IsDecimalNumber, OnlyADecimalAsADeviceWritesIt) {
  for (const char* text : {"12", "-3.5", "+4", " 7 ", "\t8\r", ".5", "7."})
    EXPECT_TRUE(platform::IsDecimalNumber(text)) << text;
  for (const char* text : {"", " ", "-", ".", "1.2.3", "12abc", "&H10", "1e3", "#?~", "- 3"})
    EXPECT_FALSE(platform::IsDecimalNumber(text)) << text;
}

// What each kind of number a command carries may be, and how it is written.
TEST(WireNumber, NeverWritesWhatTheCommandCannotCarry) {
  using platform::WireKind;
  struct Case {
    double value;
    const char* pattern;
    WireKind kind;
    std::optional<std::string> written;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<Case> cases = {
      {1.5, "0.000", WireKind::Single, "1.500"},
      {FLT_MAX, "0", WireKind::Single, "340282346638529000000000000000000000000"},
      {3.4028235e38, "0", WireKind::Single, "340282350000000000000000000000000000000"},  // rounds to FLT_MAX
      {3.403e38, "0", WireKind::Single, std::nullopt},
      {inf, "0.000", WireKind::Single, std::nullopt},
      {-inf, "0", WireKind::Single, std::nullopt},
      {std::nan(""), "0", WireKind::Single, std::nullopt},
      {32767.4, "0", WireKind::Register16, "32767"},
      {32767.5, "0", WireKind::Register16, std::nullopt},
      {-32768.4, "0", WireKind::Register16, "-32768"},
      {-32768.5, "0", WireKind::Register16, std::nullopt},
      {70000, "0", WireKind::Register16, std::nullopt},
      {1.002506, "0.0#####", WireKind::Factor, "1.002506"},
      {4e-7, "0.0#####", WireKind::Factor, std::nullopt},  // written as 0.0
      {0, "0.0#####", WireKind::Factor, std::nullopt},
      {-1.5, "0.0#####", WireKind::Factor, std::nullopt},
      {inf, "0.0#####", WireKind::Factor, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::WireNumber(c.value, c.pattern, c.kind), c.written) << c.value;
}

TEST(IsWireText, ADecimalNumberAloneWhoseValueFits) {
  using platform::WireKind;
  for (const char* text : {"40", "47.5", "-3", "0"})
    EXPECT_TRUE(platform::IsWireText(text, WireKind::Single)) << text;
  const std::string thousand(1000, '9');
  for (const std::string& text : {std::string(""), std::string("abc"), std::string("1e999"),
                                  thousand, std::string("45 "), std::string("&H10"),
                                  "1" + std::string(40, '0')})
    EXPECT_FALSE(platform::IsWireText(text, WireKind::Single)) << text;
}

}  // namespace
