// The identification and dump parsers, on replies as the device writes them and as it should not.
#include <gtest/gtest.h>

#include <string>

#include "link/Identify.h"

namespace taskhelm {
namespace {

// A dump of `count` values: value 0 is "1", the others i * 10, then "_" and CR.
std::string Dump(int count, char end = '_') {
  std::string text = "1\n";
  for (int i = 1; i < count - 1; ++i) text += std::to_string(i * 10) + "\n";
  text += std::to_string((count - 1) * 10);
  text += end;
  text += "\r";
  return text;
}

struct IdCase {
  int16_t raw;
  int16_t model;
};

TEST(ModelFromDeviceId, MapsEveryIdentificationNumber) {
  const IdCase cases[] = {{46, 32}, {48, 32}, {49, 32}, {50, 32}, {54, 32}, {47, 36}, {53, 35},
                          {0, 0},   {32, 32}, {38, 38}, {42, 42}, {43, -1}, {44, -1}, {45, -1},
                          {51, -1}, {52, -1}, {55, -1}, {-1, -1}, {300, -1}};
  for (const IdCase& c : cases) EXPECT_EQ(ModelFromDeviceId(c.raw), c.model) << c.raw;
}

TEST(ParseIdentification, ReadsTheLeadingNumberRoundedHalvesToEven) {
  EXPECT_EQ(ParseIdentification("50\r"), 50);
  EXPECT_EQ(ParseIdentification("32.5\r"), 32);
  EXPECT_EQ(ParseIdentification("33.5\r"), 34);
  EXPECT_EQ(ParseIdentification("junk\r"), 0);
  EXPECT_EQ(ParseIdentification(std::string("\0\0\r", 3)), 0);
  EXPECT_EQ(ParseIdentification("99999999999\r"), 32767);  // saturates, never wraps
  EXPECT_EQ(ModelFromDeviceId(ParseIdentification(std::string(1 << 20, '7') + "\r")), -1);
}

struct DumpCase {
  int16_t model;
  int values;  // values the model's dump carries
};

class DumpLayout : public ::testing::TestWithParam<DumpCase> {};

TEST_P(DumpLayout, ReadsEveryValueAndLeavesTheRest) {
  const DumpCase c = GetParam();
  DeviceParameterArray p;
  p.fill(-7);
  ASSERT_EQ(ParseDump(c.model, Dump(c.values), p), DumpParse::Ok);
  EXPECT_EQ(p[0], 1);
  for (int i = 1; i < c.values; ++i) EXPECT_EQ(p[static_cast<size_t>(i)], i * 10) << i;
  for (size_t i = static_cast<size_t>(c.values); i < p.size(); ++i) EXPECT_EQ(p[i], -7) << i;
}

TEST_P(DumpLayout, OneLineFeedTooFewIsAWrongCount) {
  const DumpCase c = GetParam();
  DeviceParameterArray p{};
  EXPECT_EQ(ParseDump(c.model, Dump(c.values - 1), p), DumpParse::TooFewValues);
}

TEST_P(DumpLayout, NoEndMarkIsASilentFailure) {
  const DumpCase c = GetParam();
  DeviceParameterArray p{};
  EXPECT_EQ(ParseDump(c.model, Dump(c.values, '\r'), p), DumpParse::NoEnd);
}

INSTANTIATE_TEST_SUITE_P(Families, DumpLayout,
                         ::testing::Values(DumpCase{32, 26}, DumpCase{36, 26}, DumpCase{39, 26},
                                           DumpCase{42, 26}, DumpCase{33, 18}, DumpCase{34, 18},
                                           DumpCase{40, 18}, DumpCase{41, 18}, DumpCase{35, 24}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

TEST(ParseDump, FirstValueIsTheOneCharacterBeforeItsLineFeed) {
  DeviceParameterArray p{};
  std::string dump = Dump(26);
  dump.replace(0, 1, "xx7");
  ASSERT_EQ(ParseDump(32, dump, p), DumpParse::Ok);
  EXPECT_EQ(p[0], 7);
}

TEST(ParseDump, ModelWithoutLayoutTakesTheNumberBeforeTheEndMark) {
  DeviceParameterArray p{};
  p.fill(3);
  ASSERT_EQ(ParseDump(47, "12\n34_\r", p), DumpParse::Ok);
  EXPECT_EQ(p[0], 12);  // "12\n34" read by the leading-number rule
  EXPECT_EQ(p[1], 3);
}

TEST(ParseDump, OnlyTheFirstThousandCharactersCount) {
  DeviceParameterArray p{};
  std::string dump = Dump(26);
  std::string padded = dump.substr(0, dump.size() - 2) + std::string(1200, ' ') + "_\r";
  EXPECT_EQ(ParseDump(32, padded, p), DumpParse::NoEnd);
  std::string padding(1200, '9');
  EXPECT_EQ(ParseDump(32, padding, p), DumpParse::TooFewValues);
}

TEST(ParseDump, GarbageAndNulBytesNeverBreakIt) {
  DeviceParameterArray p{};
  std::string nuls(300, '\0');
  EXPECT_EQ(ParseDump(32, nuls, p), DumpParse::TooFewValues);
  std::string mixed = Dump(26);
  mixed[5] = '\0';
  mixed.insert(8, "garbage");
  EXPECT_EQ(ParseDump(32, mixed, p), DumpParse::NotANumber);
  EXPECT_EQ(ParseDump(32, "", p), DumpParse::TooFewValues);
}

// The right line structure with values that are not numbers is no read-out: line noise must not
// pass for settings of 0.
TEST(ParseDump, ValuesThatAreNotNumbersFailTheDump) {
  auto noisy = [](std::string text) {
    std::string out;
    for (char c : text) out += std::string{c, '\0'};
    return out;
  };
  auto replaced = [](size_t line, const std::string& value) {
    std::string dump = Dump(26);
    size_t start = 0;
    for (size_t i = 0; i < line; ++i) start = dump.find('\n', start) + 1;
    return dump.replace(start, dump.find_first_of("\n_", start) - start, value);
  };
  const std::pair<std::string, DumpParse> cases[] = {
      {noisy(Dump(26)), DumpParse::NotANumber},
      {replaced(0, "x"), DumpParse::NotANumber},
      {replaced(3, ""), DumpParse::NotANumber},
      {replaced(3, "12abc"), DumpParse::NotANumber},
      {replaced(3, "-"), DumpParse::NotANumber},
      {replaced(25, "?"), DumpParse::NotANumber},  // the value before "_"
      {replaced(3, " -12.5 "), DumpParse::Ok},
      {replaced(3, "7\r"), DumpParse::Ok},
      {replaced(25, ".5"), DumpParse::Ok},
  };
  for (const auto& [dump, expected] : cases) {
    DeviceParameterArray p{};
    EXPECT_EQ(ParseDump(32, dump, p), expected) << dump;
  }
}

}  // namespace
}  // namespace taskhelm
