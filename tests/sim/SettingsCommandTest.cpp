// The settings command: what each family takes, what the next dump reports, and the stored
// power-on defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/Device.h"

namespace {

std::vector<std::string> Dump(sim::Device& device) {
  device.Receive("!DD@");
  std::string reply = device.TakeOutput();
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t lf; (lf = reply.find('\n', start)) != std::string::npos; start = lf + 1)
    fields.push_back(reply.substr(start, lf - start));
  fields.push_back(reply.substr(start, reply.find('_', start) - start));
  return fields;
}

struct CommandCase {
  const char* name;
  int model;
  int id;
  std::string command;
  std::vector<std::pair<size_t, std::string>> dumped;  // index, value after the command
};

class SettingsCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(SettingsCommand, NextDumpReportsWhatWasSent) {
  const CommandCase& c = GetParam();
  sim::Device device(c.model, c.id);
  device.Receive(c.command);
  EXPECT_EQ(device.TakeOutput(), "") << "a settings command has no reply";
  EXPECT_EQ(device.RejectedTokens(), 0);
  EXPECT_EQ(device.UnknownCommands(), 0);
  std::vector<std::string> fields = Dump(device);
  for (const auto& [index, text] : c.dumped) EXPECT_EQ(fields.at(index), text) << "index " << index;
}

INSTANTIATE_TEST_SUITE_P(
    Families, SettingsCommand,
    ::testing::Values(
        CommandCase{"Cutter32Temporary", 32, 46,
                    "!HO0 PT3 LL0,0 SS90,110 SF20,350 SD5,7 SA12 KO25 KV30 KA45 AE1 AL22000 PN1 CO0 "
                    "CL2100,70 PL45,650@",
                    {{0, "0"}, {3, "90"}, {4, "110"}, {5, "5"}, {6, "7"}, {7, "12"}, {8, "20"}, {9, "350"},
                     {10, "25"}, {11, "30"}, {12, "45"}, {17, "1"}, {18, "22000"}, {19, "1"}, {20, "0"},
                     {21, "2100"}, {22, "70"}, {23, "45"}, {24, "650"}}},
        CommandCase{"Cutter36NoBlankBeforeUD", 36, 36,
                    "!HO1 PT3 LL0,0 UR18000,30000 SS100,100 SF10,900 SD0,0 SA8 KO90 KV22 KA16UD@",
                    {{1, "18000"}, {2, "30000"}, {9, "900"}, {7, "8"}, {10, "90"}, {11, "22"}, {12, "16"}}},
        CommandCase{"Cutter39Cornering", 39, 39, "!HO1 PT3 LL0,0 UR17000,23000 AS4 UD@", {{1, "17000"}, {25, "4"}}},
        CommandCase{"RollFeed", 35, 35,
                    "!HO1 RF1 PT3 LL0,0 UR46000,39300 SS100,100 SF10,700 SD0,0 SA10 KO15 KV10 KA30 FG-250 "
                    "CO1 CL1800,90 AE1 AL16000@",
                    {{17, "1"}, {18, "-250"}, {19, "1"}, {20, "1800"}, {21, "90"}, {22, "1"}, {23, "16000"}}},
        CommandCase{"RollFeedStoredFlag", 35, 35, "!HO1 RF-1 PT3 LL0,0 UD@", {{17, "1"}}},
        CommandCase{"PenPlotter33", 33, 33,
                    "!HO1 PT3 LL0,0 UR40000,70000 SS100,100 SF12,150 SD0,0 SA15 PV50.8 ES0 FS255 FG120@",
                    {{1, "40000"}, {2, "70000"}, {7, "15"}, {8, "50.8"}, {9, "12"}, {10, "150"}, {11, "0"},
                     {12, "120"}}},
        CommandCase{"PenPlotter41", 41, 41, "!HO1 PT3 LL0,0 UR46000,86000 PV2.54 FG-1000 UD@",
                    {{8, "2.54"}, {12, "-1000"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsCommand, TangentialTokensOnlyOnTheTangentialMachine) {
  const std::string command = "!HO1 PT3 LL0,0 TE1 TF150 TL30@";
  sim::Device tangential(32, 50);
  tangential.Receive(command);
  tangential.Receive("!TD@");
  EXPECT_EQ(tangential.TakeOutput(), "1,150,30\r");

  sim::Device plain(32, 46);
  plain.Receive(command);
  EXPECT_EQ(plain.RejectedTokens(), 3);
  plain.Receive("!TD@");
  EXPECT_EQ(plain.TakeOutput(), "") << "only the tangential machine answers !TD@";
}

TEST(SettingsCommand, RefusedTokensLeaveTheSettingsAndTheRestApplies) {
  struct Case {
    int model;
    std::string command;
  };
  const std::vector<Case> cases = {
      {36, "!HO1 PV50.8 KO50@"},     // a pen-plotter token on a cutter
      {33, "!HO1 KO50 FG50@"},       // a cutter token on a pen plotter
      {36, "!HO1 UR18000 KO50@"},    // a pair with one value
      {36, "!HO1 SA1,2 KO50@"},      // one value given two
      {36, "!HO1 SAx KO50@"},        // no number
      {36, "!HO1 SA1.2.3 KO50@"},    // no number either
      {33, "!HO1 PV50,8 FG50@"},     // a decimal comma makes two values
      {36, "!HO5 KO50@"},            // the origin is 0 or 1
  };
  for (const Case& c : cases) {
    sim::Device device(c.model);
    sim::DeviceSettings before = device.Settings();
    device.Receive(c.command);
    EXPECT_EQ(device.RejectedTokens(), 1) << c.command;
    sim::DeviceSettings expected = before;
    (c.model == 33 ? expected.FrameGap : expected.BladeOffset) = 50;
    EXPECT_EQ(device.Settings(), expected) << c.command;
  }
}

TEST(SettingsCommand, FlagsAndRoundingAsTheDeviceStoresThem) {
  sim::Device device(32);
  device.Receive("!HO1 AE-1 PN-1 CO1 SA12.5 KO14.4@");
  EXPECT_EQ(device.Settings().AutoLoopOn, 1);
  EXPECT_EQ(device.Settings().PounceOn, 1);
  EXPECT_EQ(device.Settings().AccelSetting, 13);
  EXPECT_EQ(device.Settings().BladeOffset, 14);
}

// Temporary settings last until the device is switched off; "UD" makes them its defaults.
TEST(SettingsCommand, StoredDefaultsSurviveAPowerCycle) {
  struct Case {
    const char* name;
    std::vector<std::string> commands;
    int offsetAfterPowerCycle;
  };
  const std::vector<Case> cases = {
      {"temporary", {"!HO1 PT3 LL0,0 KO50@"}, 94},
      {"permanent with blank", {"!HO1 PT3 LL0,0 KO50 UD@"}, 50},
      {"permanent without blank", {"!HO1 PT3 LL0,0 KO50UD@"}, 50},
      {"store alone", {"!HO1 PT3 LL0,0 KO50@", "!UD@"}, 50},
      {"store then change", {"!HO1 KO50@", "!UD@", "!HO1 KO60@"}, 50},
  };
  for (const Case& c : cases) {
    sim::Device device(36);
    for (const std::string& command : c.commands) device.Receive(command);
    EXPECT_NE(device.Settings().BladeOffset, 94) << c.name;
    device.PowerCycle();
    EXPECT_EQ(device.Settings().BladeOffset, c.offsetAfterPowerCycle) << c.name;
    EXPECT_EQ(Dump(device).at(10), std::to_string(c.offsetAfterPowerCycle)) << c.name;
  }
}

TEST(SettingsCommand, UnknownCommandsGetNoReplyAndAreCounted) {
  sim::Device device(32);
  for (const char* command : {"!QQ@", "!IC5@", "!@", "!x@", "!FS@", "!RF@"}) {
    device.Receive(command);
    EXPECT_EQ(device.TakeOutput(), "") << command;
  }
  EXPECT_EQ(device.UnknownCommands(), 6) << "FS is a pen-plotter query; RF needs firmware receive";
}

}  // namespace
