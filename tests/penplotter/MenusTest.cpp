// The pen-plotter window's menus where they differ from the roll-feed window's: the model checks
// of the File menu, the save through SvFile, Factory Defaults, the memory reply, the plotter port
// test, help, and the items that do nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tests/penplotter/PenPlotterHarness.h"

namespace penplotter_tests {
namespace {

using forms::MsgAnswer;

size_t ModelChecks(const std::string& received) {
  size_t n = 0;
  for (size_t at = received.find("!IC@"); at != std::string::npos;
       at = received.find("!IC@", at + 1))
    ++n;
  return n;
}

TEST(PenPlotterMenus, SendCutPlotFileChecksTheModelTwiceOpenSettingsOnce) {
  struct Case {
    int index;
    size_t checks;
    const char* dialogTitle;
  };
  for (const Case& c : {Case{0, 2, "Select files to send to Cutter"},
                        Case{1, 1, "Open Settings File"}}) {
    SCOPED_TRACE(c.index);
    PenPlotterHarness h(StartedOn(33));
    h.f.s.SettingsSent = true;
    h.f.host.openFiles = {""};  // the operator cancels the dialog
    h.Window().FileSendCom[static_cast<size_t>(c.index)].Choose();
    EXPECT_EQ(h.f.s.FileMenuIndex, c.index);
    EXPECT_EQ(ModelChecks(h.f.device.Received()), c.checks);
    ASSERT_EQ(h.f.host.fileDialogs.size(), 1u);
    EXPECT_EQ(h.f.host.fileDialogs[0].DialogTitle, c.dialogTitle);
  }
}

TEST(PenPlotterMenus, OpenSettingsFileStopsAtAFailedModelCheck) {
  PenPlotterHarness h(StartedOn(33));
  h.f.device.faults.silent = true;
  h.Window().FileSendCom[1].Choose();
  EXPECT_TRUE(h.f.host.fileDialogs.empty());
  EXPECT_FALSE(h.f.host.boxes.empty());
}

TEST(PenPlotterMenus, SaveShowsTheSaveWindowUnderTheHourglass) {
  PenPlotterHarness h(StartedOn(34));
  std::vector<std::string> shown;
  h.f.host.modalOperators["SvFile"] = [&](forms::Form& form) {
    shown.push_back(form.Name());
    form.Hide();
  };
  h.Window().FileSaveCom.Choose();
  EXPECT_EQ(shown, std::vector<std::string>{"SvFile"});
  EXPECT_NE(std::find(h.f.host.pointerHistory.begin(), h.f.host.pointerHistory.end(),
                      forms::Pointer::Hourglass),
            h.f.host.pointerHistory.end());
  EXPECT_TRUE(h.f.host.fileDialogs.empty()) << "the save window asks for the name itself";
}

TEST(PenPlotterMenus, FactoryDefaultsShowTheModelsOptionAndCountAsUnsent) {
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  w.MarkNoneButton.SetValue(true);
  h.Type(w.Gap, "120");
  w.SendSettingTemp.Press();
  ASSERT_TRUE(h.f.s.SettingsSent);
  w.DsplyFactCom.Choose();
  EXPECT_FALSE(h.f.s.SettingsSent);
  EXPECT_TRUE(w.MarkAllButton.Value());
  EXPECT_EQ(h.f.s.MarkSkip, 0);
  EXPECT_EQ(w.Gap.Text(), "0");
  EXPECT_FALSE(w.Gap.Enabled());
  ASSERT_NE(h.f.host.LastBox(), nullptr);
  EXPECT_EQ(h.f.host.LastBox()->title, "Factory Settings");
  EXPECT_EQ(h.f.host.LastBox()->text,
            "Factory Defaults displayed. To send these settings click the Temporary or "
            "Permanent button.  To view current settings click on Display and Plotter "
            "Settings. ");
}

TEST(PenPlotterMenus, DisplayShowsTheDevicesSettingsOrSaysItCouldNot) {
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  h.Type(w.XScale, "150");
  h.f.device.Settings().ScaleY = 90;
  w.DsplyPltrCom.Choose();
  EXPECT_EQ(h.f.device.Received(), "!IC@!DD@!FS@");
  EXPECT_EQ(w.XScale.Text(), "100");
  EXPECT_EQ(w.YScale.Text(), "90");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_TRUE(h.f.host.boxes.empty());

  h.f.device.faults.shortDump = true;
  h.Type(w.XScale, "150");
  const int beeps = h.f.host.beeps;
  w.DsplyPltrCom.Choose();
  ASSERT_FALSE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.host.boxes.back().title, "Plotter Error");
  EXPECT_EQ(h.f.host.boxes.back().text, "Green light Not ON or Plotter Not Connected to COM1");
  EXPECT_GT(h.f.host.beeps, beeps);
  EXPECT_FALSE(h.f.s.SettingsSent);
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
}

TEST(PenPlotterMenus, MemoryBufferAndTheVersion) {
  PenPlotterHarness h(StartedOn(40));
  auto& w = h.Window();
  w.DsplyMemCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->text, "Memory Buffer = 1024K");
  w.DsplyRomCom.Choose();
  EXPECT_EQ(h.f.host.LastBox()->text, "870V ROM 2.11     \r\nSOFTWARE: 5.12              ");
}

TEST(PenPlotterMenus, PlotterPortTestInstructions) {
  PenPlotterHarness h(StartedOn(41));
  h.Window().TstPortCom.Choose();
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "The Plotter Port Test");
  EXPECT_EQ(h.f.host.boxes[0].text,
            "The Plotter Port Test\r\n\r\n"
            "1. Connect the Diagnostic Module to the Plotter port.\r\n"
            "2. Turn the Plotter on while holding down the Set Gap\r\n"
            "    Sensor\r\n"
            "    Test key until it beeps and light flashes three times.\r\n"
            "3. Press any arrow key to send and receive a character.\r\n"
            "     Verify it beeps and flashes the Green light.\r\n"
            "4. Turn off the Plotter.\r\n\r\n");
}

TEST(PenPlotterMenus, HelpOpensTheModelsFile) {
  PenPlotterHarness h(StartedOn(33));
  const std::string path = h.f.app.programFolder + "/p870kh.hlp";
  std::ofstream(path) << "help";
  h.Window().HelpCom.Choose();
  ASSERT_EQ(h.f.host.helpShown.size(), 1u);
  EXPECT_EQ(h.f.host.helpShown[0], path);
}

TEST(PenPlotterMenus, TheSensorItemsDoNothingAndTheServoTunerIsHidden) {
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  for (forms::MenuItem* item : {&w.Senstest, &w.DrwSnsMks, &w.RdSnsMrks, &w.DsplySnsDat})
    item->Choose();
  EXPECT_TRUE(h.f.host.boxes.empty());
  EXPECT_EQ(h.f.device.Received(), "");
  EXPECT_FALSE(w.OptionServoTuner.Visible());
  EXPECT_EQ(w.OptionServoTuner.Caption(), "Servo Tuner");
}

}  // namespace
}  // namespace penplotter_tests
