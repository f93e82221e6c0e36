// The roll-feed window's opening, activation, unit switch and help file.
#include <gtest/gtest.h>

#include <fstream>

#include "setup/Config.h"
#include "tests/rollfeed/RollFeedHarness.h"

namespace rollfeed_tests {
namespace {

TEST(RollFeedWindow, StartUpShowsItForModel35WithItsCaptionsAndMenus) {
  RollFeedHarness h;
  auto& w = h.Window();
  EXPECT_TRUE(h.f.host.IsShown("StoogMoa"));
  EXPECT_EQ(w.Caption(), "MarveskK Plotter/Cutter Taskhelm");
  EXPECT_EQ(w.SendSettingLab.Caption(), "Send Settings to MarveskK ");
  EXPECT_EQ(w.RollButton.Caption(), "Paneled Roll Feed");
  EXPECT_EQ(w.CutButton.Caption(), "Sheet (no Roll Feed)");
  EXPECT_EQ(w.Frame3D9.Caption(), "Tagboard Features");
  EXPECT_EQ(w.GapLab.Caption(), "Gap (mils)");
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &w.RollUnButton, &w.Frame2, &w.UpdateDisplay})
    EXPECT_TRUE(c->Visible()) << c->Name();
  EXPECT_TRUE(w.OptSep1.Visible() && w.FlashUpdate.Visible() && w.DisplayFilter.Visible());
  EXPECT_EQ(w.FlashUpdate.Caption(), "Install New Firmware Version ");
  EXPECT_EQ(w.DsplyKnifeCom.Caption(), "&Blade Holder Status");
  EXPECT_EQ(w.MinAngleFloor, 30);
  EXPECT_EQ(w.Wording.UpdateTitle, "Update MarveskK ");
  EXPECT_EQ(w.Wording.PortTestTitle, "MarveskK Port Test");
  EXPECT_TRUE(w.EnglishButton.HasFocus());
  EXPECT_TRUE(w.KeyPreview());  // the service chords work from any field
  EXPECT_TRUE(h.f.s.PlotterPresent && h.f.s.LastPresentState == 1 && h.f.s.LastModel == 35);
}

TEST(RollFeedWindow, OpensInMetricWithMetricLabelsAndValues) {
  RollFeedHarness h(RollFeed(), /*metric=*/true);
  auto& w = h.Window();
  EXPECT_TRUE(w.MetricButton.Value());
  EXPECT_TRUE(w.MetricButton.HasFocus());
  EXPECT_EQ(w.PanelXLab.Caption(), "X-Axis (cm)");
  EXPECT_EQ(w.LoopSizeLab.Caption(), "Loop Size (cm)");
  EXPECT_EQ(w.GapLab.Caption(), "Gap (mm)");
  EXPECT_EQ(w.CutLengthLab.Caption(), "Cut (mm)");
  EXPECT_EQ(w.PanelY.Text(), "99.8");  // 39300 mils
  EXPECT_EQ(w.LoopSize.Text(), "38.1");
}

TEST(RollFeedWindow, UnitSwitchRewritesTheBoxesAndKeepsTheSentState) {
  RollFeedHarness h;
  auto& w = h.Window();
  h.f.device.Settings().FrameGap = 250;
  h.ShowRead(1, 0, 40000);
  ASSERT_TRUE(h.f.s.SettingsSent);
  w.CutEnable.SetValue(1);
  h.f.s.SettingsSent = true;
  w.MetricButton.SetValue(true);
  EXPECT_EQ(w.PanelX.Text(), "101.6");
  EXPECT_EQ(w.Gap.Text(), "6.4");  // 250 mils
  EXPECT_EQ(w.CutLength.Text(), "50.8");
  EXPECT_EQ(w.BlankLengthLab.Caption(), "Blank (mm)");
  w.EnglishButton.SetValue(true);
  EXPECT_EQ(w.PanelX.Text(), "40.0");
  EXPECT_EQ(w.Gap.Text(), "250");
  EXPECT_EQ(w.CutLength.Text(), "2000");
  EXPECT_EQ(w.GapLab.Caption(), "Gap (mils)");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.s.PanelSizeX, 40000);  // the switch stores nothing
}

TEST(RollFeedWindow, PlotterSetupHidesItAndShowsItAgainForTheModel) {
  RollFeedHarness h;
  bool hiddenDuringSetup = false;
  h.f.host.modalOperators["Config"] = [&](forms::Form& form) {
    hiddenDuringSetup = !h.f.host.IsShown("StoogMoa");
    EXPECT_TRUE(static_cast<taskhelm::Config&>(form).PlotterList.Enabled());
    static_cast<taskhelm::Config&>(form).ConfigOK.Press();
  };
  ASSERT_TRUE(h.f.host.Run([&] { h.Window().ConfigCom[0].Choose(); }));
  EXPECT_TRUE(hiddenDuringSetup);
  EXPECT_EQ(h.f.s.ModelCode, 35);
  EXPECT_TRUE(h.f.host.IsShown("StoogMoa"));
  for (const auto& box : h.f.host.boxes) ADD_FAILURE() << box.text;
}

TEST(RollFeedWindow, AForcedXOfTheRollFeedWindowDoesNotFollowTheModelToTheCutterWindow) {
  testing_support::AppFixture f(testing_support::StartedOn(36));
  f.s.SettingsForced = true;  // the roll-feed window's last display raised X
  f.s.DeviceId = 36;
  ASSERT_TRUE(taskhelm::ConnectDevice(f.app, true));
  f.host.Run([&] { taskhelm::ShowModelWindow(f.app); });
  EXPECT_TRUE(f.s.SettingsSent);  // the repaint takes the settings just read as the device's
}

TEST(RollFeedWindow, HelpOpensTheModelsFile) {
  RollFeedHarness h;
  const std::string path = h.f.app.programFolder + "/MarveskK.hlp";
  std::ofstream(path) << "help";
  h.Window().HelpCom.Choose();
  ASSERT_EQ(h.f.host.helpShown.size(), 1u);
  EXPECT_EQ(h.f.host.helpShown[0], path);
}

}  // namespace
}  // namespace rollfeed_tests
