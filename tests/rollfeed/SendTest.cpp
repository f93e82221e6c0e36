// The roll-feed window's sends: the command bytes, the waits, the read-back and the failures.
#include <gtest/gtest.h>

#include "tests/rollfeed/RollFeedHarness.h"

namespace rollfeed_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;

TEST(RollFeedSend, FactoryDefaultsThenPaneledFeedGoOutAsTheirCommand) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.DsplyFactCom.Choose();
  w.RollButton.SetValue(true);
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.SettingsCommandReceived(),
            "!HO1 RF1 PT3 LL0,0 UR46000,39300 SS100,100 SF10,700 SD0,0 SA10 KO15 KV10 KA30 FG0 "
            "CO0 CL2000,60 AE0 AL15000@");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.device.Settings().RollFeedOn, 1);  // the device took it and it was read back
}

TEST(RollFeedSend, SheetAndUnpaneledFeedSendTheWholeLengthWithoutTheGap) {
  struct Case {
    forms::OptionButton taskhelm::StoogMoa::*option;
    const char* tail;
  };
  for (const Case& c : {Case{&taskhelm::StoogMoa::CutButton, " KA30 CO0 CL2000,60 AE0 AL15000@"},
                        Case{&taskhelm::StoogMoa::RollUnButton,
                             " KA30 CO0 CL2000,60 AE1 AL15000@"}}) {
    RollFeedHarness h;
    auto& w = h.Window();
    w.RollButton.SetValue(true);
    (w.*c.option).SetValue(true);
    w.SendSettingTemp.Press();
    const std::string command = h.SettingsCommandReceived();
    EXPECT_TRUE(command.starts_with("!HO1 RF0 PT3 LL0,0 UR838000,")) << command;
    EXPECT_TRUE(command.ends_with(c.tail)) << command;
    EXPECT_EQ(command.find(" FG"), std::string::npos);
  }
}

TEST(RollFeedSend, PermanentEndsWithBlankUDAndCommitsNothing) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.RollButton.SetValue(true);
  w.Overcut.SetFocus();
  w.Overcut.SetText("33");  // still being typed: Permanent does not take it
  w.SendDefault.Press();
  const std::string command = h.SettingsCommandReceived();
  EXPECT_TRUE(command.starts_with("!HO1 RF1 ")) << command;
  EXPECT_TRUE(command.ends_with(" AL15000 UD@")) << command;
  EXPECT_EQ(command.find(" KV33 "), std::string::npos);
  EXPECT_EQ(h.f.device.PowerOnSettings().RollFeedOn, 1);
}

// What the device reads in the time a send takes, and what remains of a wait.
struct Timed {
  int64_t elapsed;
  std::string command;
};

Timed Press(RollFeedHarness& h, forms::CommandButton& button) {
  h.f.device.ClearReceived();
  const int64_t start = h.f.host.NowMs();
  button.Press();
  return {h.f.host.NowMs() - start, h.SettingsCommandReceived()};
}

TEST(RollFeedSend, TemporaryWaitsFourSecondsMoreUnderTheHourglassPermanentNone) {
  RollFeedHarness h;
  auto& w = h.Window();
  const Timed temporary = Press(h, w.SendSettingTemp);
  ASSERT_FALSE(temporary.command.empty());
  const Timed permanent = Press(h, w.SendDefault);  // "!UD@" alone: the same traffic else
  ASSERT_EQ(h.f.device.Received(), "!IC@!UD@!DD@");
  EXPECT_EQ(temporary.elapsed - permanent.elapsed,
            taskhelm::TemporarySendWaitMs(temporary.command) + 4000);
  EXPECT_NE(std::find(h.f.host.pointerHistory.begin(), h.f.host.pointerHistory.end(),
                      forms::Pointer::Hourglass),
            h.f.host.pointerHistory.end());

  // A full permanent command takes no longer than the store command alone.
  h.Type(w.Overcut, "21");
  const Timed full = Press(h, w.SendDefault);
  EXPECT_TRUE(full.command.ends_with(" UD@"));
  EXPECT_EQ(full.elapsed, permanent.elapsed);
}

TEST(RollFeedSend, AFailedTemporarySendWaitsOnlyForTheCommandThenSaysPlotterError) {
  RollFeedHarness h;
  h.f.UseParallelPort(1);
  h.f.parlink.replies = {"35\r"};       // the model check
  h.f.parlink.writeLimits = {100, 0};  // the settings command does not get through
  const int64_t start = h.f.host.NowMs();
  h.Window().SendSettingTemp.Press();
  const int64_t elapsed = h.f.host.NowMs() - start;
  const std::string command = taskhelm::RollFeedSettingsCommand(h.f.s, taskhelm::SendMode::Temporary);
  EXPECT_GE(elapsed, taskhelm::TemporarySendWaitMs(command));
  EXPECT_LT(elapsed, 4000);
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().title, "Plotter Error");
  EXPECT_EQ(h.f.host.boxes.back().text, "Green light Not ON or Cutter Not Connected to COM0");
  EXPECT_EQ(h.f.host.boxes.back().icon, MsgIcon::Exclamation);
}

TEST(RollFeedSend, AFailedReadBackNamesTheSerialPortAndKeepsWhatWasTyped) {
  RollFeedHarness h;
  auto& w = h.Window();
  h.Type(w.Overcut, "22");
  h.f.device.faults.shortDump = true;
  for (forms::CommandButton* button : {&w.SendSettingTemp, &w.SendDefault}) {
    h.f.host.boxes.clear();
    button->Press();
    ASSERT_FALSE(h.f.host.boxes.empty());
    EXPECT_EQ(h.f.host.boxes.back().title, "Plotter Error");
    EXPECT_EQ(h.f.host.boxes.back().text, "Green light Not ON or Cutter Not Connected to COM1");
    EXPECT_FALSE(h.f.s.SettingsSent);
    EXPECT_EQ(w.Overcut.Text(), "22");
  }
}

// Typed into the loop size and not left: the Temporary button sends the stored size, the
// question before a file send takes the typed one.
TEST(RollFeedSend, TheUpdateFirstQuestionCommitsWhicheverFieldHoldsTheFocus) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.RollUnButton.SetValue(true);
  w.LoopSize.SetFocus();
  w.LoopSize.SetText("20");
  w.SendSettingTemp.Press();
  EXPECT_TRUE(h.SettingsCommandReceived().ends_with(" AL15000@")) << h.SettingsCommandReceived();

  w.LoopSize.SetText("20");  // the read-back showed the stored size again
  ASSERT_FALSE(h.f.s.SettingsSent);
  h.f.device.ClearReceived();
  h.f.host.answers = {MsgAnswer::Yes};
  h.f.host.openFiles = {""};
  w.FileSendCom[0].Choose();
  EXPECT_EQ(h.f.host.boxes.back().title, "Update MarveskK ");
  EXPECT_TRUE(h.SettingsCommandReceived().ends_with(" AL20000@")) << h.SettingsCommandReceived();
  EXPECT_EQ(h.f.device.Settings().LoopSizeSetting, 20000);
}

}  // namespace
}  // namespace rollfeed_tests
