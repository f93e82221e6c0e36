// The cutter window's sends: what reaches the device, the waits, the read-back and the failures.
#include <gtest/gtest.h>

#include "tests/cutter/CutterHarness.h"

namespace cutter_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;

const std::string k36Defaults =
    "!HO1 PT3 LL0,0 UR18250,30250 SS100,100 SF10,700 SD0,0 SA10 KO94 KV20 KA15";

TEST(CutterSend, FactoryDefaultsOfCode36GoOutTemporaryAndPermanent) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  w.DsplyFactCom.Choose();
  ASSERT_EQ(h.f.host.LastBox()->title, "Factory Settings");

  w.SendSettingTemp.Press();
  EXPECT_EQ(h.SettingsCommandReceived(), k36Defaults + "@");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.device.Settings().ForceMax, 700);  // the device took it and it was read back
  EXPECT_EQ(w.HiForce.Text(), "700");

  w.DsplyFactCom.Choose();  // unsent again
  h.f.device.ClearReceived();
  w.SendDefault.Press();
  EXPECT_EQ(h.SettingsCommandReceived(), k36Defaults + "UD@");
  EXPECT_EQ(h.f.device.PowerOnSettings().ForceMax, 700);
}

TEST(CutterSend, Code32WithoutLoopAndIdentification46) {
  CutterHarness h(Cutter(32, 46));
  auto& w = h.Window();
  w.DsplyFactCom.Choose();
  w.SendSettingTemp.Press();
  EXPECT_EQ(h.SettingsCommandReceived(),
            "!HO1 PT3 LL0,0 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30 AE0 PN0 CO0 CL2000,60 "
            "PL40,600@");
}

TEST(CutterSend, Code32PermanentCarriesPanelSizeCorneringAndBlankBeforeUD) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  h.Type(w.XScale, "101");
  w.SendDefault.Press();
  const std::string cmd = h.SettingsCommandReceived();
  EXPECT_NE(cmd.find(" UR"), std::string::npos) << cmd;
  EXPECT_NE(cmd.find(" SS101,100 "), std::string::npos) << cmd;
  EXPECT_TRUE(cmd.ends_with(" AS13 UD@")) << cmd;
}

// What the operator typed with blanks inside reaches the device as the number, not its first
// digits.
TEST(CutterSend, BlanksTypedInsideANumberGoOutAsTheWholeNumber) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  h.Type(w.XScale, "1 00");
  h.Type(w.Overcut, "2 0");
  h.Type(w.PanelX, "1 2.5");
  w.SendDefault.Press();
  const std::string cmd = h.SettingsCommandReceived();
  EXPECT_NE(cmd.find(" SS100,"), std::string::npos) << cmd;
  EXPECT_NE(cmd.find(" KV20 "), std::string::npos) << cmd;
  EXPECT_NE(cmd.find(" UR12500,"), std::string::npos) << cmd;
}

TEST(CutterSend, LoopSizeOnlyWithTheLoopOnAndTangentialOnlyForId50) {
  struct Case {
    int id;
    bool loop;
    bool hasAL, hasTangential;
  };
  for (const Case& c : {Case{32, false, false, false}, Case{32, true, true, false},
                        Case{50, false, false, true}, Case{50, true, true, true}}) {
    CutterHarness h(Cutter(32, c.id));
    auto& w = h.Window();
    if (c.loop) w.LoopEnable.SetValue(1);
    w.SendSettingTemp.Press();
    const std::string cmd = h.SettingsCommandReceived();
    SCOPED_TRACE(cmd);
    EXPECT_EQ(cmd.find(" AE1 AL") != std::string::npos, c.hasAL);
    EXPECT_EQ(cmd.find(" PL40,600 TE0 TF120 TL40@") != std::string::npos, c.hasTangential);
    EXPECT_EQ(cmd.find(" TE") != std::string::npos, c.hasTangential);
  }
}

TEST(CutterSend, TheFocusedFieldIsCommittedButNotTheTangentialBoxes) {
  CutterHarness h(Cutter(32, 50));
  auto& w = h.Window();
  w.CutEnable.SetValue(1);  // tag-board cutout: the cut and blank boxes can be edited
  w.CutLength.SetFocus();
  w.CutLength.SetText("1234");
  w.SendSettingTemp.Press();
  EXPECT_NE(h.SettingsCommandReceived().find(" CL1234,60 "), std::string::npos);
  EXPECT_EQ(h.f.device.Settings().CutLengthSetting, 1234);

  w.TanLength.SetFocus();
  w.TanLength.SetText("77");
  h.f.device.ClearReceived();
  w.SendSettingTemp.Press();
  EXPECT_TRUE(h.SettingsCommandReceived().ends_with(" TL40@")) << h.SettingsCommandReceived();
}

TEST(CutterSend, WaitsBeforeTheReadBack) {
  for (int model : {36, 32}) {
    SCOPED_TRACE(model);
    CutterHarness h(Cutter(model));
    auto& w = h.Window();
    auto elapsed = [&](forms::CommandButton& button) {
      int64_t start = h.f.host.NowMs();
      button.Press();
      return h.f.host.NowMs() - start;
    };
    const int64_t temporary = elapsed(w.SendSettingTemp);
    const std::string command = h.SettingsCommandReceived();
    ASSERT_FALSE(command.empty());
    const int64_t permanent = elapsed(w.SendDefault);  // "!UD@" alone, the same traffic else
    EXPECT_EQ(permanent - temporary, 1400 - static_cast<int64_t>(command.size() + 1));
  }
}

TEST(CutterSend, WaitRuleHasItsFloor) {
  struct Case {
    size_t length;
    int wait;
  };
  for (const Case& c : {Case{0, 64}, Case{62, 64}, Case{63, 64}, Case{64, 65}, Case{97, 98}})
    EXPECT_EQ(taskhelm::TemporarySendWaitMs(std::string(c.length, 'x')), c.wait) << c.length;
}

TEST(CutterSend, ReadBackFailureIsACutterErrorNamingThePort) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  h.Type(w.Overcut, "22");
  h.f.device.faults.shortDump = true;
  const int beeps = h.f.host.beeps;
  for (forms::CommandButton* button : {&w.SendSettingTemp, &w.SendDefault}) {
    h.f.host.boxes.clear();
    button->Press();
    ASSERT_FALSE(h.f.host.boxes.empty());
    const auto& box = h.f.host.boxes.back();
    EXPECT_EQ(box.title, "Cutter Error");
    EXPECT_EQ(box.text, "Green light Not ON or Cutter Not Connected to COM1");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_FALSE(h.f.s.SettingsSent);
    EXPECT_EQ(w.Overcut.Text(), "22");
  }
  EXPECT_GE(h.f.host.beeps, beeps + 2);
}

TEST(CutterSend, SendFailureOnTheParallelPortNamesIt) {
  CutterHarness h(Cutter(36));
  h.f.UseParallelPort(1);
  h.f.parlink.replies = {"36\r"};        // the model check
  h.f.parlink.writeLimits = {100, 0};  // the settings command does not get through
  h.f.host.answers = {MsgAnswer::OK};
  h.Window().SendSettingTemp.Press();
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().title, "Cutter Error");
  EXPECT_EQ(h.f.host.boxes.back().text, "Green light Not ON or Cutter Not Connected to LPT1");
}

TEST(CutterSend, UpdateDisplayShowsWhatTheDeviceHolds) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  h.Type(w.HiForce, "650");
  h.f.device.Settings().ForceMax = 333;
  w.UpdateDisplay.Press();
  EXPECT_EQ(w.HiForce.Text(), "333");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_TRUE(w.EnglishButton.HasFocus());
}

}  // namespace
}  // namespace cutter_tests
