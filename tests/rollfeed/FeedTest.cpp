// The roll-feed window's feed modes and tag-board box: what each option sets, enables and
// forces, and how a display of read or loaded settings selects them.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/rollfeed/RollFeedHarness.h"

namespace rollfeed_tests {
namespace {

using taskhelm::StoogMoa;

struct ClickCase {
  const char* name;
  int16_t rollFeed, autoLoop;  // the settings shown before the click
  int32_t panelX;
  forms::OptionButton StoogMoa::*option;
  int16_t expectRollFeed, expectAutoLoop;
  int32_t expectX;
  const char* shownX;
  bool xEnabled, gapEnabled, loopEnabled;
  const char* gapText;
  bool forced;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class FeedClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(FeedClick, SetsTheFeedEnablesTheFieldsAndForcesX) {
  const ClickCase& c = GetParam();
  RollFeedHarness h;
  auto& w = h.Window();
  h.f.device.Settings().FrameGap = 250;
  h.ShowRead(c.rollFeed, c.autoLoop, c.panelX);
  ASSERT_TRUE(h.f.s.SettingsSent);
  (w.*c.option).SetValue(true);
  EXPECT_EQ(h.f.s.RollFeedOn, c.expectRollFeed);
  EXPECT_EQ(h.f.s.AutoLoopOn, c.expectAutoLoop);
  EXPECT_EQ(h.f.s.PanelSizeX, c.expectX);
  EXPECT_EQ(w.PanelX.Text(), c.shownX);
  EXPECT_EQ(w.PanelX.Enabled(), c.xEnabled);
  EXPECT_EQ(w.PanelXSpin.Enabled(), c.xEnabled);
  EXPECT_EQ(w.Gap.Enabled(), c.gapEnabled);
  EXPECT_EQ(w.GapSpin.Enabled(), c.gapEnabled);
  EXPECT_EQ(w.LoopSize.Enabled(), c.loopEnabled);
  EXPECT_EQ(w.LoopSizeSpin.Enabled(), c.loopEnabled);
  EXPECT_EQ(w.Gap.Text(), c.gapText);
  EXPECT_EQ(h.f.s.FrameGap, 250);  // the gap box's "0" stores nothing
  EXPECT_EQ(h.f.s.SettingsForced, c.forced);
  EXPECT_FALSE(h.f.s.SettingsSent);
}

INSTANTIATE_TEST_SUITE_P(
    Options, FeedClick,
    ::testing::Values(
        // The gap comes back with its stored value, not the "0" sheet feed wrote.
        ClickCase{"SheetToPaneledCutsXTo46", 0, 0, 838000, &StoogMoa::RollButton, 1, 0, 46000,
                  "46.0", true, true, false, "250", true},
        ClickCase{"PaneledToUnpaneledRaisesXAndLoops", 1, 0, 40000, &StoogMoa::RollUnButton, 0, 1,
                  838000, "838.0", false, false, true, "0", true},
        ClickCase{"PaneledToSheetRaisesXAndKeepsItDisabled", 1, 0, 40000, &StoogMoa::CutButton, 0,
                  0, 838000, "838.0", false, false, false, "0", true},
        ClickCase{"UnpaneledToSheetWithXAtMostForcesNothing", 0, 1, 838000, &StoogMoa::CutButton,
                  0, 0, 838000, "838.0", false, false, false, "0", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct DisplayCase {
  int16_t rollFeed;
  int32_t panelX;
  bool metric;
  int32_t expectX;
  const char* shownX;
  bool sent;  // after the read: no value had to be forced
};

// A read-out is shown while sheet feed is selected: the paneled option's 46-inch rule reads the
// box only once it shows the read value.
TEST(FeedDisplay, SelectingPaneledFeedCutsOnlyWhatTheReadHolds) {
  for (const DisplayCase& c : {DisplayCase{1, 40000, false, 40000, "40.0", true},
                               DisplayCase{1, 46000, false, 46000, "46.0", true},
                               DisplayCase{1, 46100, false, 46000, "46.0", false},
                               DisplayCase{1, 46000, true, 46000, "116.8", true},
                               DisplayCase{1, 50000, true, 46000, "116.8", false},
                               // Sheet feed shorter than the whole length: raised, never sent.
                               DisplayCase{0, 46000, false, 838000, "838.0", false},
                               DisplayCase{0, 46000, true, 838000, "2128.5", false}}) {
    SCOPED_TRACE(c.panelX);
    RollFeedHarness h(RollFeed(), c.metric);
    auto& w = h.Window();
    ASSERT_TRUE(w.CutButton.Value());  // the device started in sheet feed
    h.f.device.Settings().RollFeedOn = c.rollFeed;
    h.f.device.Settings().PanelSizeX = c.panelX;
    w.UpdateDisplay.Press();
    EXPECT_EQ(h.f.s.PanelSizeX, c.expectX);
    EXPECT_EQ(w.PanelX.Text(), c.shownX);
    EXPECT_EQ(h.f.s.SettingsSent, c.sent);
    EXPECT_EQ(h.f.s.SettingsForced, !c.sent);
  }
}

TEST(FeedDisplay, AForcedXKeepsEveryLaterDisplayUnsentUntilItIsSent) {
  // Start-up read sheet feed with a short X: neither the opening nor the repaint after it
  // counts the raised X as sent.
  RollFeedHarness h;
  auto& w = h.Window();
  EXPECT_TRUE(h.f.s.SettingsForced);
  EXPECT_FALSE(h.f.s.SettingsSent);
  h.Repaint();
  EXPECT_FALSE(h.f.s.SettingsSent);
  h.ShowRead(0, 0, 40000);
  EXPECT_FALSE(h.f.s.SettingsSent);
  h.Repaint();
  EXPECT_FALSE(h.f.s.SettingsSent);

  // Permanent sends the whole command, so the device gets the X the window shows.
  h.f.device.ClearReceived();
  w.SendDefault.Press();
  EXPECT_NE(h.SettingsCommandReceived().find(" UR838000,"), std::string::npos);
  EXPECT_EQ(h.f.device.PowerOnSettings().PanelSizeX, 838000);
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_FALSE(h.f.s.SettingsForced);
}

TEST(FeedDisplay, ShowingPaneledFeedAgainChangesNoPanelValue) {
  RollFeedHarness h;
  auto& w = h.Window();
  h.ShowRead(1, 0, 46000);
  ASSERT_TRUE(w.RollButton.Value());
  h.ShowRead(1, 0, 600000);  // a roll-fed X beyond 46 inches
  EXPECT_EQ(h.f.s.PanelSizeX, 600000);
  EXPECT_EQ(w.PanelX.Text(), "600.0");
  EXPECT_TRUE(h.f.s.SettingsSent);
}

TEST(FeedDisplay, LoadingAFileWithPaneledFeedKeepsItsX) {
  RollFeedHarness h;
  auto& w = h.Window();
  const std::string path = h.f.app.programFolder + "/paneled.tkh";
  std::ofstream(path) << "!HO1 PT3 LL0,0 UR40000,39300 SS100,100 SF10,300 SD0,0 SA10 KO15 KV10 "
                         "KA30 RF1 FG120 CO0 CL2000,60 AE0 AL15000 \r\n";
  h.f.host.openFiles = {path};
  w.FileSendCom[1].Choose();
  EXPECT_TRUE(w.RollButton.Value());
  EXPECT_EQ(h.f.s.PanelSizeX, 40000);
  EXPECT_EQ(w.PanelX.Text(), "40.0");
  EXPECT_EQ(w.Gap.Text(), "120");
  EXPECT_FALSE(h.f.s.SettingsSent);
}

TEST(TagBoard, TheBoxStoresTheModeAndEnablesTheLengths) {
  RollFeedHarness h;
  auto& w = h.Window();
  EXPECT_TRUE(w.CutEnable.Enabled());  // start-up enables it for this model
  ASSERT_EQ(w.CutEnable.Value(), 0);
  EXPECT_FALSE(w.CutLength.Enabled());
  for (int tick : {1, 0, 1}) {
    h.f.s.SettingsSent = true;
    w.CutEnable.SetValue(tick);
    EXPECT_EQ(h.f.s.TagboardOn, tick);
    EXPECT_FALSE(h.f.s.SettingsSent);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &w.CutLength, &w.CutLengthSpin, &w.BlankLength, &w.BlankLengthSpin})
      EXPECT_EQ(c->Enabled(), tick == 1) << c->Name();
  }
  w.CutEnable.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(),
            "To disable Tag Board Cutout, install a pen and click on 'Update Display'.");
  h.ShowRead(0, 0, 838000);  // the device has no tag-board cutout on
  EXPECT_EQ(w.CutEnable.Value(), 0);
  EXPECT_FALSE(w.BlankLength.Enabled());
  w.CutEnable.GotFocus();
  EXPECT_EQ(w.StatusBar.Text(),
            "To enable Tag Board Cutout, install a knife and click on 'Update Display'.");
}

}  // namespace
}  // namespace rollfeed_tests
