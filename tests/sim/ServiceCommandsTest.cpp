// The device's queries and service commands, the framing of commands on the wire, echo mode and
// the hooks for raw data.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "sim/Device.h"

namespace {

std::string Ask(sim::Device& device, const std::string& command) {
  device.Receive(command);
  return device.TakeOutput();
}

size_t Values(const std::string& reply) {
  return static_cast<size_t>(std::count(reply.begin(), reply.end(), ',')) + 1;
}

struct QueryCase {
  int model;
  int id;
  std::string command;
  std::string reply;   // exact, or empty to check only the value count
  size_t values;       // comma-separated values expected
  size_t lptLength;    // the parallel read length the program uses: the reply fits it
};

TEST(Queries, EveryQueryAnswersInItsFormat) {
  const std::vector<QueryCase> cases = {
      {32, 32, "!IC@", "32\r", 1, 4},
      {32, 50, "!IC@", "50\r", 1, 4},
      {32, 32, "!RV@", "R/V ROM 4.21\r", 1, 20},
      {36, 36, "!VR@", "5.12\r", 1, 6},
      {36, 36, "!MF0@", "1048576\r", 1, 10},
      {36, 36, "!OK@", "1\r", 1, 2},
      {33, 33, "!OK@", "0\r", 1, 2},
      {32, 32, "!MV@", "36\r", 1, 3},
      {39, 39, "!MV@", "24\r", 1, 3},
      {36, 36, "!MS@", "0\r", 1, 3},
      {33, 33, "!FS@", "0\r", 1, 4},
      {34, 34, "!FS@", "255\r", 1, 4},
      {36, 36, "!OS@", "1\r", 1, 3},
      {32, 32, "!OC@", "100,12,80,5\r", 4, 25},
      {39, 39, "!OC@", "55,29\r", 2, 25},
      {33, 33, "!OP@", "", 8, 100},
      {32, 50, "!SO@", "", 4, 20},
      {32, 50, "!RA@", "0,0\r", 2, 20},
      {32, 32, "!ZO0@", "", 12, 100},
      {32, 32, "!ZO1@", "", 12, 100},
      {32, 32, "!ZF0@", "", 4, 100},
      {32, 32, "!ZF1@", "", 4, 100},
      {32, 32, "!ZJ@", "", 4, 100},
      {32, 32, "!VT0@", "", 5, 60},
      {32, 32, "!VT1@", "", 5, 60},
      {32, 32, "!ZD0@", "", 8, 100},
      {32, 32, "!ZD16,17@", "", 2, 100},
      {32, 32, "!ZL5,10,1,1,16,,17@", "", 12, 100},
  };
  for (const QueryCase& c : cases) {
    sim::Device device(c.model, c.id);
    std::string reply = Ask(device, c.command);
    ASSERT_FALSE(reply.empty()) << c.command;
    EXPECT_EQ(reply.back(), '\r') << c.command;
    if (!c.reply.empty()) {
      EXPECT_EQ(reply, c.reply) << c.command;
    }
    EXPECT_EQ(Values(reply), c.values) << c.command << " -> " << reply;
    EXPECT_LE(reply.size(), c.lptLength) << c.command << " -> " << reply;
    EXPECT_EQ(device.UnknownCommands() + device.RejectedTokens(), 0) << c.command;
  }
}

// A command that sets something, then the query that shows it.
TEST(Queries, SetThenReadBack) {
  struct Case {
    int model;
    std::vector<std::string> set;
    std::string query;
    std::string reply;
  };
  const std::vector<Case> cases = {
      {36, {"!MS1@"}, "!MS@", "1\r"},
      {36, {"!MS1@", "!MS0@"}, "!MS@", "0\r"},
      {36, {"!SM0@"}, "!OS@", "0\r"},
      {39, {"!CC85,29@"}, "!OC@", "85,29\r"},
      {32, {"!CC100,12,40,5 TP@ PU0,1250 !CC100,12,48,5 TP@ PU0,2500"}, "!OC@", "100,12,48,5\r"},
      {32, {"!CC90,11@"}, "!OC@", "90,11,80,5\r"},
      {32, {"!CC60,10,90,7@", "!CC@"}, "!OC@", "100,12,80,5\r"},
      {32, {"!CC60,8,60,2.5@"}, "!OC@", "60,8,60,2.5\r"},
      {33, {"!PC1,2,3,4,5,6,7,8@"}, "!OP@", "1,2,3,4,5,6,7,8\r"},
      {32, {"!RA12,-7@"}, "!RA@", "12,-7\r"},
      {32, {"!RA12,-7@", "!CS@"}, "!RA@", "0,0\r"},
      {32, {"!ZS0,1.000,2.000,3.000,4.000,5.000,6.000,7.000,8.000,9.000,10.000,11.000,12.000@\r"}, "!ZO0@",
       "1.000,2.000,3.000,4.000,5.000,6.000,7.000,8.000,9.000,10.000,11.000,12.000\r"},
      {32, {"!ZF0,1,2,3,4@", " !ZF1,5,6,7,8@"}, "!ZF1@", "5,6,7,8\r"},
      {32, {"!ZJ1,2,3,4,0,0@"}, "!ZJ@", "1,2,3,4\r"},
      {32, {"!ZR-1,-1,-1,-1@"}, "!ZD0@", "-154,-74,-154,-74,-154,-74,-154,-74\r"},
  };
  for (const Case& c : cases) {
    sim::Device device(c.model);
    for (const std::string& command : c.set) EXPECT_EQ(Ask(device, command), "") << command;
    EXPECT_EQ(Ask(device, c.query), c.reply) << c.set.front();
    EXPECT_EQ(device.UnknownCommands() + device.RejectedTokens(), 0) << c.set.front();
  }
}

// A servo set that does not carry the program's format is refused and changes nothing.
TEST(Queries, ServoSetsOutOfFormatAreRefused) {
  const std::vector<std::string> refused = {
      "!ZS0,1.25,0.015,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r",
      "!ZS0,1,250,0.015,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r",
      "!ZS2,1.250,0.015,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r",
      "!ZF0,,,,@",
      "!ZJ1,2,3,4@",
      "!ZJ1,2,3,4,0,1@",
      "!ZJ,,,,0,0@",
      "!ZL5,10,1,1,16,17,18@",
      "!ZL5,10,2,1,16,,17@",
      "!TA3,0,10,5@",
      "!TD5@",
  };
  for (const std::string& command : refused) {
    sim::Device device(32);
    const sim::ServiceData before = device.Service();
    EXPECT_EQ(Ask(device, command), "") << command;
    EXPECT_EQ(device.RejectedTokens(), 1) << command;
    EXPECT_EQ(device.Service().servo, before.servo) << command;
    EXPECT_EQ(device.Service().protection, before.protection) << command;
    EXPECT_EQ(device.Service().jam, before.jam) << command;
    EXPECT_EQ(device.Service().disturbanceTest, before.disturbanceTest) << command;
  }
  sim::Device device(32);
  device.Receive("!TA1,0,12,5@");
  EXPECT_EQ(device.Service().accelTest, (std::array<int, 3>{1, 12, 5}));
}

// One command can be switched silent, or to a reply list cut short, without touching the others.
TEST(Queries, PerCommandMutingAndShortReplies) {
  sim::Device device(32);
  std::string error;
  ASSERT_TRUE(sim::SetFault(device.faults, "silent-command=ZF1", 32, error)) << error;
  ASSERT_TRUE(sim::SetFault(device.faults, "short-reply=ZO0:5", 32, error)) << error;
  EXPECT_EQ(Ask(device, "!ZF1@"), "");
  EXPECT_EQ(Ask(device, "!ZF0@"), "40,25,120,95\r");
  EXPECT_EQ(Ask(device, "!ZO0@"), "1.250,0.015,4.500,0.850,0.300\r");
  EXPECT_EQ(Values(Ask(device, "!ZO1@")), 12u);
  for (const char* bad : {"silent-command", "short-reply=ZO0", "short-reply=ZO0:x", "short-reply=:3"})
    EXPECT_FALSE(sim::SetFault(device.faults, bad, 32, error)) << bad;
}

TEST(Queries, CalibrationFactorsShowInTheDumpAndSurvivePowerCycle) {
  sim::Device device(36);
  device.Receive("!MC1.002506,0.998@");
  device.PowerCycle();
  std::string dump = Ask(device, "!DD@");
  EXPECT_NE(dump.find("\n1.002506\n0.998\n"), std::string::npos) << dump;
  device.Receive("!MC@");
  EXPECT_DOUBLE_EQ(device.Settings().XScaleCal, 1.0);
  device.Receive("!FC1.01,1.02@");
  EXPECT_DOUBLE_EQ(device.Settings().YFactoryCal, 1.02);
  device.Receive("!FC@");
  EXPECT_DOUBLE_EQ(device.Settings().XFactoryCal, sim::Device(36).Settings().XFactoryCal);
  device.Receive("!MC0,1@");
  EXPECT_EQ(device.RejectedTokens(), 1) << "a factor of 0 is refused";
}

TEST(Queries, PenDacAndPenPosition) {
  sim::Device device(33);
  device.Receive("!PF300@");
  EXPECT_EQ(device.Service().penDac, 255);
  device.Receive("!PF0@!DP@");
  EXPECT_EQ(device.Service().penDac, 0);
  EXPECT_TRUE(device.Service().penDown);
  device.Receive("!UP@");
  EXPECT_FALSE(device.Service().penDown);
}

TEST(Queries, SensorTestTakesOneByteOfRepetitions) {
  struct Case {
    const char* command;
    int runs;
    int rejected;
  };
  const std::vector<Case> cases = {
      {"!TS7@", 7, 0}, {"!TS0@", 0, 0}, {"!TS255@", 255, 0},
      {"!TS300@", 0, 1}, {"!TS-2@", 0, 1}, {"!TS2.5@", 0, 1}, {"!TSx@", 0, 1},
  };
  for (const Case& c : cases) {
    sim::Device device(33);
    EXPECT_EQ(Ask(device, c.command), "") << c.command;
    EXPECT_EQ(device.Service().sensorTestRuns, c.runs) << c.command;
    EXPECT_EQ(device.RejectedTokens(), c.rejected) << c.command;
    EXPECT_EQ(device.UnknownCommands(), 0) << c.command;
  }
}

TEST(Queries, ValuesTypedWithLettersAreRefused) {
  sim::Device device(32, 50);
  device.Receive("!RA12,abc@");
  EXPECT_EQ(Ask(device, "!RA@"), "0,0\r");
  EXPECT_EQ(device.RejectedTokens(), 1);
}

TEST(Framing, CommandsAcrossPiecesAndBetweenOtherBytes) {
  sim::Device device(32);
  for (char c : std::string("!I")) device.Receive(std::string(1, c));
  device.Receive("C@");
  EXPECT_EQ(device.TakeOutput(), "32\r");
  device.Receive("PU0,1250 \r\n!IC@ PD;!RV@");
  EXPECT_EQ(device.TakeOutput(), "32\rR/V ROM 4.21\r");
  EXPECT_EQ(device.Received(), "!IC@PU0,1250 \r\n!IC@ PD;!RV@");
  EXPECT_EQ(device.Sent(), "32\r32\rR/V ROM 4.21\r");
}

// "!ZP0,0" has no "@": the next command, a line end or a quiet line ends it.
TEST(Framing, CommandWithoutTerminator) {
  sim::Device device(32);
  device.Receive("!ZP100,-100@");
  EXPECT_EQ(device.Service().rawPwm[0], 100);

  device.Receive("!ZP0,0");
  EXPECT_TRUE(device.CommandPending());
  EXPECT_EQ(device.Service().rawPwm[0], 100);
  device.LineIdle();
  EXPECT_FALSE(device.CommandPending());
  EXPECT_EQ(device.Service().rawPwm[0], 0);

  device.Receive("!ZP5,5@!ZP0,0!IC@");
  EXPECT_EQ(device.Service().rawPwm[1], 0);
  EXPECT_EQ(device.TakeOutput(), "32\r");
  EXPECT_EQ(device.UnknownCommands(), 0);
}

TEST(Framing, DisturbanceTestAndTangentialQueryShareTheirLetters) {
  sim::Device device(32, 50);
  for (const char* command : {"!TD1@", "!TD2@", "!TD0@", "!TD129@", "!TD130@"}) EXPECT_EQ(Ask(device, command), "");
  EXPECT_EQ(device.Service().disturbanceTest, 130);
  EXPECT_EQ(Ask(device, "!TD@"), "0,120,40\r");
}

TEST(EchoMode, EchoesEveryByteUntilSwitchedOff) {
  sim::Device device(35);
  device.SetMode(sim::ReceiveMode::Echo);
  EXPECT_EQ(Ask(device, "A!IC@"), "A!IC@");
  device.PowerCycle();
  EXPECT_EQ(device.Mode(), sim::ReceiveMode::Commands);
  EXPECT_EQ(Ask(device, "!IC@"), "35\r");
}

TEST(RawData, PlotDataGoesToItsHandlerAndCommandsStillWork) {
  sim::Device device(32);
  std::string plot;
  device.SetPlotDataHandler([&](sim::Device&, std::string_view bytes) {
    plot += bytes;
    return bytes.size();
  });
  device.Receive("IN;PU0,0;PD100,100;!IC@PU;");
  EXPECT_EQ(plot, "IN;PU0,0;PD100,100;PU;");
  EXPECT_EQ(device.TakeOutput(), "32\r");
}

TEST(RawData, FirmwareModeHandsEveryByteToItsHandlerUntilItLeaves) {
  sim::Device device(32);
  std::string packets;
  device.SetFirmwareHandler([&](sim::Device& d, std::string_view bytes) {
    size_t end = bytes.find('E');
    size_t took = end == std::string_view::npos ? bytes.size() : end + 1;
    packets += bytes.substr(0, took);
    d.SendRaw(std::string(1, '\x06'));
    if (end != std::string_view::npos) d.SetMode(sim::ReceiveMode::Commands);
    return took;
  });
  device.Receive(std::string("!RF@\x00\xaa\x55!IC@", 11));
  EXPECT_EQ(device.Mode(), sim::ReceiveMode::Firmware);
  device.Receive("xE!IC@");
  EXPECT_EQ(packets, std::string("\x00\xaa\x55!IC@xE", 9));
  EXPECT_EQ(device.TakeOutput(), "\x06\x06" "32\r");
}

}  // namespace
