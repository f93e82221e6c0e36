// Every fault switch: the reply it spoils and how.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "sim/Device.h"

namespace {

struct FaultCase {
  const char* name;
  std::function<void(sim::Faults&)> set;
  const char* command;
  std::function<void(const std::string& reply)> check;
};

size_t Count(const std::string& text, char c) { return static_cast<size_t>(std::count(text.begin(), text.end(), c)); }

class FaultSwitch : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultSwitch, SpoilsTheReply) {
  const FaultCase& c = GetParam();
  sim::Device device(32);
  c.set(device.faults);
  device.Receive(c.command);
  c.check(device.TakeOutput());
}

INSTANTIATE_TEST_SUITE_P(
    All, FaultSwitch,
    ::testing::Values(
        FaultCase{"Silent", [](sim::Faults& f) { f.silent = true; }, "!IC@!DD@!RV@",
                  [](const std::string& r) { EXPECT_EQ(r, ""); }},
        FaultCase{"WrongModel", [](sim::Faults& f) { f.wrongModelId = 39; }, "!IC@",
                  [](const std::string& r) { EXPECT_EQ(r, "39\r"); }},
        FaultCase{"ShortDump", [](sim::Faults& f) { f.shortDump = true; }, "!DD@",
                  [](const std::string& r) {
                    EXPECT_EQ(Count(r, '\n'), 24u);
                    EXPECT_EQ(r.substr(r.size() - 2), "_\r");
                  }},
        FaultCase{"DumpWithoutUnderscore", [](sim::Faults& f) { f.dumpWithoutUnderscore = true; }, "!DD@",
                  [](const std::string& r) {
                    EXPECT_EQ(Count(r, '\n'), 25u);
                    EXPECT_EQ(r.find('_'), std::string::npos);
                    EXPECT_EQ(r.back(), '\r');
                  }},
        FaultCase{"Garbage", [](sim::Faults& f) { f.garbageReply = true; }, "!IC@",
                  [](const std::string& r) {
                    EXPECT_EQ(r.back(), '\r');
                    EXPECT_EQ(r.find_first_of("0123456789"), std::string::npos) << "no number to read";
                  }},
        FaultCase{"NulBytes", [](sim::Faults& f) { f.nulInReply = true; }, "!RV@",
                  [](const std::string& r) {
                    EXPECT_EQ(Count(r, '\0'), 2u);
                    EXPECT_NE(r.front(), '\0');
                    EXPECT_EQ(r.back(), '\r');
                  }},
        FaultCase{"Overlong", [](sim::Faults& f) { f.overlongReply = true; }, "!DD@",
                  [](const std::string& r) {
                    EXPECT_GT(r.size(), 1000u);
                    EXPECT_GT(r.find('_'), 1000u) << "the end mark lies past the first 1000 characters";
                    EXPECT_EQ(r.substr(r.size() - 2), "_\r");
                  }},
        FaultCase{"NoCr", [](sim::Faults& f) { f.replyWithoutCr = true; }, "!IC@",
                  [](const std::string& r) { EXPECT_EQ(r, "32"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaultSwitch, SlowAndSplitRepliesCarryTheirPauses) {
  sim::Device device(32);
  device.faults.slowReplyMs = 2500;
  device.Receive("!IC@");
  std::vector<sim::ReplyPiece> pieces = device.TakeReplies();
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].bytes, "32\r");
  EXPECT_EQ(pieces[0].delayMs, 2500);

  device.faults.splitReply = true;
  device.Receive("!IC@");
  pieces = device.TakeReplies();
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].bytes + pieces[1].bytes, "32\r");
  EXPECT_FALSE(pieces[0].bytes.empty());
  EXPECT_EQ(pieces[0].delayMs, 2500);
  EXPECT_EQ(pieces[1].delayMs, sim::kSplitPauseMs);
}

// One command unanswered or cut short; the others answer whole, also within one command line.
TEST(FaultSwitch, PerCommandSilenceAndShortReplies) {
  struct Case {
    std::string silent, shortened;
    size_t kept;  // values the shortened reply keeps
    std::string commands, output;
  };
  const std::vector<Case> cases = {
      {"OC", "", 0, "!OC@!IC@", "50\r"},
      {"", "OC", 3, "!OC@!IC@", "100,12,80\r50\r"},
      {"", "OS", 0, "!OS@", "\r"},  // nothing left of a one-value reply
      {"", "SO", 3, "!SO@!RA@", "112,-97,104\r0,0\r"},
      {"", "SO", 9, "!SO@", "112,-97,104,-88\r"},  // more than it has: whole
      {"", "SO", 1, "!SO@", "112\r"},
      {"DD", "", 0, "!MC1.01,1@!DD@!MC@", ""},
      // By its whole text: only that command goes silent.
      {"IC", "", 0, "!IC@!OS@", "1\r"},
      {"ZO0", "", 0, "!ZO0@!IC@", "50\r"},
  };
  for (const Case& c : cases) {
    sim::Device device(32, 50);
    if (!c.silent.empty()) device.faults.silentCommands.insert(c.silent);
    if (!c.shortened.empty()) device.faults.shortReplies[c.shortened] = c.kept;
    device.Receive(c.commands);
    EXPECT_EQ(device.TakeOutput(), c.output) << c.commands;
  }
}

// One command's reply replaced by other bytes; its CR still follows, the others answer as ever.
TEST(FaultSwitch, PerCommandReplacedReplies) {
  sim::Device device(32, 50);
  device.faults.replacedReplies["OC"] = std::string("\0" "85,29", 6);
  device.faults.replacedReplies["ZO0"] = ",";
  device.Receive("!OC@!ZO0@!IC@");
  EXPECT_EQ(device.TakeOutput(), std::string("\0" "85,29\r,\r50\r", 12));
}

TEST(FaultSwitch, CtsLowAndSilenceAlsoCoverEcho) {
  sim::Device device(32);
  EXPECT_TRUE(device.Cts());
  device.faults.ctsLow = true;
  EXPECT_FALSE(device.Cts());

  device.SetMode(sim::ReceiveMode::Echo);
  device.faults.garbageReply = true;
  device.Receive("A");
  EXPECT_EQ(device.TakeOutput(), "?");
  device.faults.silent = true;
  device.Receive("A");
  EXPECT_EQ(device.TakeOutput(), "");
}

TEST(FaultNames, SetByName) {
  struct Case {
    std::string switchText;
    bool ok;
    std::function<bool(const sim::Faults&)> holds;
  };
  const std::vector<Case> cases = {
      {"silent", true, [](const sim::Faults& f) { return f.silent; }},
      {"wrong-model", true, [](const sim::Faults& f) { return f.wrongModelId == 39; }},
      {"wrong-model=40", true, [](const sim::Faults& f) { return f.wrongModelId == 40; }},
      {"short-dump", true, [](const sim::Faults& f) { return f.shortDump; }},
      {"no-underscore", true, [](const sim::Faults& f) { return f.dumpWithoutUnderscore; }},
      {"garbage", true, [](const sim::Faults& f) { return f.garbageReply; }},
      {"nul", true, [](const sim::Faults& f) { return f.nulInReply; }},
      {"overlong", true, [](const sim::Faults& f) { return f.overlongReply; }},
      {"no-cr", true, [](const sim::Faults& f) { return f.replyWithoutCr; }},
      {"slow=700", true, [](const sim::Faults& f) { return f.slowReplyMs == 700; }},
      {"slow", true, [](const sim::Faults& f) { return f.slowReplyMs > 0; }},
      {"split", true, [](const sim::Faults& f) { return f.splitReply; }},
      {"cts-low", true, [](const sim::Faults& f) { return f.ctsLow; }},
      {"silent-command=OC", true, [](const sim::Faults& f) { return f.silentCommands.contains("OC"); }},
      {"silent-command=ZO0", true, [](const sim::Faults& f) { return f.silentCommands.contains("ZO0"); }},
      {"short-reply=SO:2", true, [](const sim::Faults& f) { return f.shortReplies.at("SO") == 2; }},
      {"short-reply=", false, nullptr},
      {"short-reply=SO", false, nullptr},
      {"short-reply=SO:-1", false, nullptr},
      {"garbled-reply=OS", true,
       [](const sim::Faults& f) { return f.replacedReplies.at("OS") == sim::kGarbage; }},
      {"garbled-reply=", false, nullptr},
      {"silent-command=", false, nullptr},
      {"slow=-5", false, nullptr},
      {"slow=x", false, nullptr},
      {"silent=1", false, nullptr},
      {"wrong-model=", false, nullptr},
      {"loud", false, nullptr},
  };
  for (const Case& c : cases) {
    sim::Faults faults;
    std::string error;
    EXPECT_EQ(sim::SetFault(faults, c.switchText, 32, error), c.ok) << c.switchText;
    if (c.ok) {
      EXPECT_TRUE(c.holds(faults)) << c.switchText;
    } else {
      EXPECT_FALSE(error.empty()) << c.switchText;
    }
  }
}

}  // namespace
