// The pen-plotter window's sends: the command on the wire, the read-back with the mark skip, the
// waits, the failures and the sensor test.
#include <gtest/gtest.h>

#include <functional>

#include "tests/penplotter/PenPlotterHarness.h"
#include "tests/support/ReplyFaults.h"

namespace penplotter_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;
using taskhelm::P870Set;

struct CommandCase {
  const char* name;
  int model;
  std::function<void(PenPlotterHarness&, P870Set&)> operate;
  const char* command;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class Command : public ::testing::TestWithParam<CommandCase> {};

// From the factory settings, what the operator does, then the temporary command on the wire.
TEST_P(Command, ReachesTheDeviceByteForByte) {
  const CommandCase& c = GetParam();
  PenPlotterHarness h(StartedOn(c.model));
  auto& w = h.Window();
  w.DsplyFactCom.Choose();
  if (c.operate) c.operate(h, w);
  h.f.device.ClearReceived();
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.SettingsCommandReceived(), c.command);
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.device.RejectedTokens(), 0);
}

const std::string k33 = "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 SF10,175 SD0,0 SA20 PV76.2";

INSTANTIATE_TEST_SUITE_P(
    Models, Command,
    ::testing::Values(
        CommandCase{"Code33Defaults", 33, nullptr, "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 "
                                                   "SF10,175 SD0,0 SA20 PV76.2 ES1 FS0 FG0@"},
        CommandCase{"EveryFourthFrame", 33,
                    [](PenPlotterHarness&, P870Set& w) { w.Mark4thButton.SetValue(true); },
                    "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 SF10,175 SD0,0 SA20 PV76.2 ES1 FS3 "
                    "FG0@"},
        CommandCase{"SensorDisabled", 33,
                    [](PenPlotterHarness&, P870Set& w) { w.MarkNoneButton.SetValue(true); },
                    "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 SF10,175 SD0,0 SA20 PV76.2 ES0 "
                    "FS255 FG0@"},
        CommandCase{"Code41HasNoSensorTokens", 41, nullptr,
                    "!HO1 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV76.2 FG0@"},
        CommandCase{"Code40SpeedAndGapTyped", 40,
                    [](PenPlotterHarness& h, P870Set& w) {
                      h.f.s.KeypadSpeed = 20;  // set on the plotter's keypad
                      w.MarkNoneButton.SetValue(true);
                      h.Type(w.Gap, "-250");
                    },
                    "!HO1 PT3 LL0,0 UR46000,86000 SS100,100 SF10,175 SD0,0 SA20 PV50.8 ES0 "
                    "FS255 FG-250@"},
        CommandCase{"FocusedFieldIsCommitted", 34,
                    [](PenPlotterHarness&, P870Set& w) {
                      w.HiForce.SetFocus();
                      w.HiForce.SetText("300");  // held to 275 before the command is built
                    },
                    "!HO1 PT3 LL0,0 UR46000,72000 SS100,100 SF10,275 SD0,0 SA20 PV76.2 FG0@"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Send, DecimalPointOnTheWireWhateverTheRegionalSeparator) {
  PenPlotterHarness h(StartedOn(33));
  h.f.app.regional.sDecimal = ',';
  auto& w = h.Window();
  h.f.s.KeypadSpeed = 20;
  w.MetricButton.SetValue(true);
  w.SendSettingTemp.Press();
  EXPECT_NE(h.SettingsCommandReceived().find(" PV50.8 "), std::string::npos)
      << h.SettingsCommandReceived();
  EXPECT_EQ(w.Speed.Text(), "50,8") << "the box shows the operator's separator";
}

// Temporary, then Permanent with nothing changed ("!UD@" alone): the same read-back, so the
// difference in time is the temporary send's wait, and nothing waits after the permanent one.
TEST(Send, OnlyTheTemporaryWaitsAndBothReadBackTheMarkSkip) {
  struct Case {
    int model;
    const char* readBack;
  };
  for (const Case& c : {Case{33, "!DD@!FS@"}, Case{41, "!DD@"}}) {
    SCOPED_TRACE(c.model);
    PenPlotterHarness h(StartedOn(c.model));
    auto& w = h.Window();
    auto elapsed = [&](forms::CommandButton& button) {
      const int64_t start = h.f.host.NowMs();
      button.Press();
      return h.f.host.NowMs() - start;
    };
    const int64_t temporary = elapsed(w.SendSettingTemp);
    const std::string command = h.SettingsCommandReceived();
    EXPECT_EQ(h.f.device.Received(), "!IC@" + command + c.readBack);
    h.f.device.ClearReceived();
    const int64_t permanent = elapsed(w.SendDefault);
    EXPECT_EQ(h.f.device.Received(), std::string("!IC@!UD@") + c.readBack);
    EXPECT_EQ(temporary - permanent, taskhelm::TemporarySendWaitMs(command));
  }
}

// A mark-skip reply without its number is none: the skip in force stays, and the next send
// carries it again rather than a skip read as 0.
TEST(Send, AGarbledMarkSkipReplyKeepsTheSkipInForce) {
  for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
    SCOPED_TRACE(fault.name);
    PenPlotterHarness h(StartedOn(33));
    auto& w = h.Window();
    w.Mark4thButton.SetValue(true);
    w.SendSettingTemp.Press();
    EXPECT_EQ(h.f.s.MarkSkip, 3);
    testing_support::GarbleReply(h.f.device, "FS", "!FS@", fault);
    w.SendSettingTemp.Press();
    EXPECT_EQ(h.f.s.MarkSkip, 3);
    EXPECT_TRUE(w.Mark4thButton.Value());
    for (const auto& box : h.f.host.boxes) EXPECT_EQ(box.title, "Temporary") << box.text;
    h.f.device.ClearReceived();
    w.SendSettingTemp.Press();
    EXPECT_NE(h.SettingsCommandReceived().find(" ES1 FS3 "), std::string::npos)
        << h.SettingsCommandReceived();
  }
}

TEST(Send, PermanentEndsWithUDAndTheDeviceKeepsIt) {
  PenPlotterHarness h(StartedOn(40));
  auto& w = h.Window();
  h.Type(w.XScale, "101");
  w.SendDefault.Press();
  EXPECT_TRUE(h.SettingsCommandReceived().ends_with(" ES1 FS0 FG0 UD@"))
      << h.SettingsCommandReceived();
  EXPECT_TRUE(h.f.device.Received().ends_with("UD@!DD@!FS@"));
  EXPECT_EQ(h.f.device.PowerOnSettings().ScaleX, 101);
  EXPECT_TRUE(h.f.s.SettingsSent);
}

TEST(Send, FailuresArePlotterErrorsNamingThePortInUse) {
  struct Case {
    const char* name;
    std::function<void(PenPlotterHarness&)> fault;
    const char* text;
  };
  const Case cases[] = {
      {"ReadBackFails", [](PenPlotterHarness& h) { h.f.device.faults.shortDump = true; },
       "Green light Not ON or Plotter Not Connected to COM1"},
      {"ParallelSendFails",
       [](PenPlotterHarness& h) {
         h.f.UseParallelPort(1);
         h.f.parlink.replies = {"33\r"};      // the model check
         h.f.parlink.writeLimits = {100, 0};  // the settings command does not get through
       },
       "Green light Not ON or Plotter Not Connected to LPT1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PenPlotterHarness h(StartedOn(33));
    auto& w = h.Window();
    h.Type(w.XScale, "102");
    c.fault(h);
    const int beeps = h.f.host.beeps;
    w.SendSettingTemp.Press();
    ASSERT_FALSE(h.f.host.boxes.empty());
    EXPECT_EQ(h.f.host.boxes.back().title, "Plotter Error");
    EXPECT_EQ(h.f.host.boxes.back().text, c.text);
    EXPECT_EQ(h.f.host.boxes.back().icon, MsgIcon::Exclamation);
    EXPECT_GT(h.f.host.beeps, beeps);
    EXPECT_FALSE(h.f.s.SettingsSent);
  }
}

TEST(Send, ADeviceSilentAfterTheModelCheckIsNoResponseThenAPlotterError) {
  PenPlotterHarness h(StartedOn(41));
  h.f.UseParallelPort(2);
  h.f.parlink.replies = {"41\r"};  // the model check answers, the read-back does not
  const bool sent = h.f.s.SettingsSent;
  h.Window().SendSettingTemp.Press();
  ASSERT_EQ(h.f.host.boxes.size(), 3u);  // the question, then the two failures
  EXPECT_EQ(h.f.host.boxes[1].text, "No Response");
  EXPECT_EQ(h.f.host.boxes[2].title, "Plotter Error");
  EXPECT_EQ(h.f.host.boxes[2].text, "Green light Not ON or Plotter Not Connected to LPT2");
  EXPECT_EQ(h.f.s.SettingsSent, sent) << "a failure leaves the sent state as it was";
}

TEST(SensorTest, SendsTheHeldCountAndReportsAFailure) {
  struct Case {
    const char* typed;
    const char* command;
    int runs;
  };
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  w.SensorTestButton.SetEnabled(true);  // hidden, and disabled while the sensor is on
  for (const Case& c :
       {Case{"300", "!TS255@", 255}, Case{"-2", "!TS0@", 0}, Case{"7", "!TS7@", 7}}) {
    h.f.device.ClearReceived();
    w.RepsText.SetText(c.typed);
    w.SensorTestButton.Press();
    EXPECT_EQ(h.f.device.Received(), c.command);
    EXPECT_EQ(h.f.device.Service().sensorTestRuns, c.runs);
    EXPECT_EQ(w.RepsText.Text(), c.typed);
  }
  EXPECT_EQ(h.f.device.RejectedTokens(), 0);
  EXPECT_TRUE(h.f.host.boxes.empty());

  h.f.UseParallelPort(1);
  h.f.parlink.writeLimits = {0};
  w.SensorTestButton.Press();
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().title, "Plotter Error");
}

}  // namespace
}  // namespace penplotter_tests
