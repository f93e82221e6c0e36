// How the cutter window opens the calibration and adjustment windows: Calibrate with its
// questions, Filtering, Cornering, and the pen-down adjustment chord.
#include <gtest/gtest.h>

#include "calibration/Calib.h"
#include "calibration/CornerForm.h"
#include "calibration/Openers.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/cutter/CutterHarness.h"

namespace calibration_tests {
namespace {

using cutter_tests::Cutter;
using cutter_tests::CutterHarness;
using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;

TEST(Calibrate, QuestionsBeforeTheCalibrationWindow) {
  struct Row {
    const char* name;
    bool sent;
    int16_t tractor;
    std::deque<MsgAnswer> answers;
    bool sendFails;
    const char* titles;  // of the boxes shown, in order
    bool opened;
  };
  const Row rows[] = {
      {"settings sent", true, 0, {}, false, "", true},
      {"update declined", false, 0, {MsgAnswer::No}, false, "Update cutter ", true},
      {"updated", false, 0, {MsgAnswer::Yes}, false, "Update cutter ", true},
      // The read-back after the update is not answered: the port layer's time-out, the dump
      // reader's and the window's own failure box.
      {"update failed", false, 0, {MsgAnswer::Yes}, true,
       "Update cutter |ERROR|rendix48|Cutter Error", false},
      {"tractor, Y only", true, 1, {MsgAnswer::Yes}, false, "Tractor Calibration", true},
      {"tractor, stop", true, 1, {MsgAnswer::No}, false, "Tractor Calibration", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CutterHarness h(Cutter(32));
    h.f.s.SettingsSent = row.sent;
    h.f.s.TractorFeed = row.tractor;
    h.f.host.answers = row.answers;
    if (row.sendFails) h.f.device.faults.silentCommands.insert("DD");
    h.f.host.Run([&] { h.Window().CalPltrCom.Choose(); });
    EXPECT_EQ(BoxTitles(h.f.host), row.titles);
    EXPECT_EQ(h.f.host.shownForms.back() == "Calib", row.opened);
    if (row.tractor) {
      EXPECT_EQ(h.f.host.boxes[0].text,
                "X-axis calibration is not allowed with tractor\r\n"
                "feed.  Do you want to calibrate only the Y-axis?");
      EXPECT_EQ(h.f.host.boxes[0].icon, MsgIcon::Question);
      EXPECT_EQ(h.f.host.boxes[0].buttons, MsgButtons::YesNo);
    }
  }
}

TEST(Calibrate, StopsAtAWrongModelAndWhenThePortWillNotOpen) {
  CutterHarness wrong(Cutter(32));
  wrong.f.s.SettingsSent = true;
  wrong.f.device.faults.wrongModelId = 39;
  wrong.f.host.Run([&] { wrong.Window().CalPltrCom.Choose(); });
  EXPECT_NE(wrong.f.host.shownForms.back(), "Calib");

  CutterHarness h(Cutter(32));
  h.f.s.SettingsSent = true;
  // The cable comes off once the device has identified itself.
  h.f.host.onPump = [&] {
    if (h.f.device.Received().find("!IC@") != std::string::npos) h.f.line.Unplug(1);
  };
  h.f.host.Run([&] { h.Window().CalPltrCom.Choose(); });
  EXPECT_NE(h.f.host.shownForms.back(), "Calib");
  ASSERT_NE(h.f.host.LastBox(), nullptr);
  EXPECT_EQ(h.f.host.LastBox()->text, "Could not open COM1");
  EXPECT_EQ(h.f.host.LastBox()->title, "ERROR");
  EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::Exclamation);
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
}

// A calibration set makes the cutter window show what the device now holds at its next paint.
TEST(Calibrate, TheSettingsWindowRedisplaysAfterASet) {
  CutterHarness h(Cutter(36));
  h.f.s.SettingsSent = true;
  h.f.host.modalOperators["Calib"] = [](forms::Form& form) {
    auto& w = static_cast<taskhelm::Calib&>(form);
    w.XMeas.SetFocus();
    w.XMeas.SetText("16.1");
    w.YMeas.SetFocus();
    w.YMeas.SetText("27.8");
    w.SetCal[0].SetFocus();
    w.SetCal[0].Press();
    w.CalDone.Press();
  };
  h.f.host.Run([&] { h.Window().CalPltrCom.Choose(); });
  EXPECT_NE(h.f.device.Received().find("!MC0.993789,1.007194@!DD@"), std::string::npos);
  EXPECT_FLOAT_EQ(h.f.s.XScaleCal, 0.993789f);
  EXPECT_TRUE(h.f.s.DeviceSettingsRead);
  h.Window().Repaint();
  EXPECT_FALSE(h.f.s.DeviceSettingsRead);
}

TEST(Filtering, TheCutterReadsTheDeviceFirst) {
  for (bool answered : {true, false}) {
    CutterHarness h(Cutter(36));
    if (!answered) h.f.device.faults.silentCommands.insert("OS");
    h.f.host.Run([&] { h.Window().DisplayFilter.Choose(); });
    EXPECT_EQ(h.f.device.Received().substr(0, 4), "!OS@");
    EXPECT_EQ(h.f.host.shownForms.back() == "FilterForm", answered);
    if (!answered) {
      EXPECT_EQ(h.f.host.LastBox()->text, "Communication Error");
    }
  }
}

TEST(Cornering, TheDisplayAndTheHiddenItemUseTheCorneringWindow) {
  CutterHarness h(Cutter(32));
  auto& corner = h.f.app.Window<taskhelm::CornerForm>();
  for (int16_t mode : {4, 7, 13}) {
    h.f.s.CorneringMode = mode;
    h.Window().ShowParam();
    EXPECT_EQ(corner.Speedy.Value(), mode == 4);
    EXPECT_EQ(h.f.s.CorneringMode, mode == 4 ? 4 : 13);
  }
  h.f.host.Run([&] { taskhelm::ShowCornering(h.f.app); });
  EXPECT_EQ(h.f.host.shownForms.back(), "CornerForm");
}

TEST(PenAdjustment, CtrlAltMFromAFieldOrTheWindow) {
  struct Row {
    forms::Control* (*target)(taskhelm::Dru71Set&);
    int shift;
    bool opens;
  };
  auto hiForce = [](taskhelm::Dru71Set& w) -> forms::Control* { return &w.HiForce; };
  auto window = [](taskhelm::Dru71Set&) -> forms::Control* { return nullptr; };
  const Row rows[] = {
      {hiForce, forms::CtrlKey | forms::AltKey, true},
      {hiForce, forms::CtrlKey | forms::AltKey | forms::ShiftKey, true},
      {window, forms::CtrlKey | forms::AltKey, true},
      {hiForce, forms::AltKey, false},
      {hiForce, forms::CtrlKey, false},
  };
  for (const Row& row : rows) {
    CutterHarness h(Cutter(32));
    auto& w = h.Window();
    forms::Control* target = row.target(w);
    if (target) target->SetFocus();
    h.f.host.Run([&] { w.DispatchKeyDown(target, 'M', row.shift); });
    EXPECT_EQ(h.f.host.shownForms.back() == "PenAdj", row.opens) << row.shift;
  }
}

}  // namespace
}  // namespace calibration_tests
