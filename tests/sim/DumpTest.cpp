// The settings dump of every model: its grammar and what it reports of a factory-new machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/Device.h"

namespace {

std::string Ask(sim::Device& device, const std::string& command) {
  device.Receive(command);
  return device.TakeOutput();
}

// The values of a dump reply, checked against the grammar: LF-separated, "_" then CR at the end.
std::vector<std::string> DumpFields(const std::string& reply) {
  EXPECT_GE(reply.size(), 3u);
  EXPECT_EQ(reply.substr(reply.size() - 2), "_\r");
  EXPECT_EQ(reply.find('\r'), reply.size() - 1) << "one CR, at the end";
  std::vector<std::string> fields;
  std::string body = reply.substr(0, reply.size() - 2);
  size_t start = 0;
  for (size_t lf; (lf = body.find('\n', start)) != std::string::npos; start = lf + 1)
    fields.push_back(body.substr(start, lf - start));
  fields.push_back(body.substr(start));
  return fields;
}

struct DumpCase {
  int model;
  size_t count;
  // A few factory values by index, as the device writes them.
  std::vector<std::pair<size_t, std::string>> values;
};

class DumpGrammar : public ::testing::TestWithParam<DumpCase> {};

TEST_P(DumpGrammar, CountsSingleDigitFirstValueAndFactoryValues) {
  const DumpCase& c = GetParam();
  sim::Device device(c.model);
  std::vector<std::string> fields = DumpFields(Ask(device, "!DD@"));
  ASSERT_EQ(fields.size(), c.count);
  EXPECT_EQ(fields[0].size(), 1u) << "value 0 is one digit";
  for (const std::string& f : fields) {
    ASSERT_FALSE(f.empty());
    EXPECT_EQ(f.find_first_not_of("-0123456789."), std::string::npos) << f;
  }
  for (const auto& [index, text] : c.values) EXPECT_EQ(fields.at(index), text) << "index " << index;
  // The dump also fits the parallel port's 256-byte read.
  EXPECT_LT(Ask(device, "!DD@").size(), 256u);
}

INSTANTIATE_TEST_SUITE_P(
    AllModels, DumpGrammar,
    ::testing::Values(
        // Cutters: 26 values; 25 is the width (the 520: its cornering mode).
        DumpCase{32, 26, {{0, "1"}, {1, "838000"}, {2, "30000"}, {9, "200"}, {18, "30000"}, {25, "30000"}}},
        DumpCase{36, 26, {{1, "18250"}, {2, "30250"}, {9, "700"}, {10, "94"}, {12, "15"}, {25, "30000"}}},
        DumpCase{39, 26, {{7, "5"}, {8, "40"}, {10, "47"}, {25, "13"}}},
        DumpCase{42, 26, {{9, "2000"}, {11, "40"}, {13, "1"}, {14, "1"}}},
        DumpCase{47, 26, {{1, "18250"}, {10, "94"}}},
        // Roll-feed cutter: 24 values.
        DumpCase{35, 24, {{1, "46000"}, {2, "39300"}, {9, "700"}, {17, "0"}, {23, "15000"}}},
        // Pen plotters: 18 values; 8 is the keypad speed in cm/s, 11 the sensor.
        DumpCase{33, 18, {{2, "72000"}, {7, "20"}, {8, "76.2"}, {10, "175"}, {11, "1"}}},
        DumpCase{34, 18, {{8, "76.2"}, {11, "0"}}},
        DumpCase{40, 18, {{2, "86000"}, {11, "1"}}},
        DumpCase{41, 18, {{2, "86000"}, {11, "0"}, {12, "0"}}}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

TEST(Dump, FactoryCalibrationFactorsAreCloseToOne) {
  sim::Device device(36);
  std::vector<std::string> fields = DumpFields(Ask(device, "!DD@"));
  for (size_t i = 15; i <= 16; ++i) {
    double factor = std::stod(fields[i]);
    EXPECT_NEAR(factor, 1.0, 0.01);
    EXPECT_NE(fields[i], "1") << "the factory pair is measured, not exactly 1";
  }
}

TEST(Dump, ModelWithoutFamilyIsRefused) {
  for (int code : {31, 37, 38, 43, 44, 45, 46, 48}) EXPECT_THROW(sim::Device{code}, std::invalid_argument) << code;
}

TEST(Dump, IdentificationDefaultsToTheModelCode) {
  sim::Device plain(36);
  EXPECT_EQ(Ask(plain, "!IC@"), "36\r");
  sim::Device variant(36, 47);
  EXPECT_EQ(Ask(variant, "!IC@"), "47\r");
  EXPECT_EQ(variant.Model(), 36);
}

}  // namespace
