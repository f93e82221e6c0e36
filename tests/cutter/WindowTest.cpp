// The cutter window's layout per model, its unit switch and its repaint.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Numbers.h"
#include "setup/DefLangForm.h"
#include "tests/cutter/CutterHarness.h"

namespace cutter_tests {
namespace {

struct ModelCase {
  int model;
  int id;
  const char* caption;
  const char* sendLabel;
  bool features;     // Special Features and Auto Loop frames
  bool tangential;   // Tangential Cutting frame
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.model << "/" << c.id; }

class Activation : public ::testing::TestWithParam<ModelCase> {};

TEST_P(Activation, SetsCaptionFramesAndMenusOfTheModel) {
  const ModelCase& c = GetParam();
  CutterHarness h(Cutter(c.model, c.id));
  auto& w = h.Window();
  EXPECT_EQ(w.Caption(), c.caption);
  EXPECT_EQ(w.SendSettingLab.Caption(), c.sendLabel);
  EXPECT_EQ(w.Frame3D9.Visible(), c.features);
  EXPECT_EQ(w.Frame3D10.Visible(), c.features);
  EXPECT_EQ(w.Frame1.Visible(), c.tangential);
  EXPECT_TRUE(w.UpdateDisplay.Visible());
  EXPECT_EQ(w.MinAngleFloor, 30);
  EXPECT_FALSE(w.Servotuner.Visible());
  EXPECT_FALSE(w.PenAdjust.Visible());
  EXPECT_FALSE(w.CornerDisp.Visible());
  EXPECT_TRUE(w.UpdateFlash.Visible() && w.OptSep1.Visible() && w.DisplayFilter.Visible());
  if (c.features) {
    EXPECT_TRUE(w.PounceEnable.Enabled() && w.CutEnable.Enabled());
  }
  EXPECT_EQ(w.Wording.TempSendPrompt, "Temporarily change cutter settings.");
  EXPECT_TRUE(w.EnglishButton.HasFocus());

  // No visible frame lies over another, whichever the model.
  std::vector<const forms::Control*> frames;
  for (const forms::Control* c2 : w.Controls())
    if (c2->Kind() == forms::ControlKind::Frame && c2->Container() == nullptr && c2->Visible())
      frames.push_back(c2);
  for (size_t i = 0; i < frames.size(); ++i)
    for (size_t j = i + 1; j < frames.size(); ++j) {
      const forms::Rect& a = frames[i]->Geometry();
      const forms::Rect& b = frames[j]->Geometry();
      const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                         a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
      EXPECT_TRUE(apart) << frames[i]->Name() << " overlaps " << frames[j]->Name();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cutters, Activation,
    ::testing::Values(
        ModelCase{32, 32, "Kelvaro R/V Taskhelm", "Send Settings to the cutter", true, false},
        ModelCase{32, 46, "Quorvane 510 Taskhelm", "Send Settings to the cutter", true, false},
        ModelCase{32, 54, "Quorvane 510 Taskhelm", "Send Settings to the cutter", true, false},
        ModelCase{32, 50, "Kelvaro R/V Taskhelm", "Send Settings to the cutter", true, true},
        ModelCase{36, 36, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530", false, false},
        ModelCase{36, 47, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530", false, false},
        ModelCase{39, 39, "Quorvane 520 Taskhelm", "Send Settings to Quorvane 520", false, false},
        ModelCase{42, 42, " Quorvane 555LJ Taskhelm", "Send Settings to Quorvane 555LJ", false,
                  false}),
    [](const auto& info) {
      return "Model" + std::to_string(info.param.model) + "Id" + std::to_string(info.param.id);
    });

TEST(CutterWindow, OpensInMetricWithMetricWordsAndValues) {
  CutterHarness h(Cutter(36), /*metric=*/true);
  auto& w = h.Window();
  EXPECT_TRUE(w.MetricButton.Value());
  EXPECT_TRUE(w.MetricButton.HasFocus());
  EXPECT_EQ(w.PanelXLab.Caption(), "X-Axis (cm)");
  EXPECT_EQ(w.CutLengthLab.Caption(), "Cut (mm)");
  EXPECT_EQ(w.PanelX.Text(), "46.36");  // 18250 mils
  EXPECT_EQ(w.PanelY.Text(), "76.84");  // 30250 mils
}

TEST(CutterWindow, UnitSwitchRoundTripKeepsTheValuesAndTheSentState) {
  for (int32_t mils : {0, 1, 12340, 30000, 456789, 838000}) {
    CutterHarness h(Cutter(32));
    auto& w = h.Window();
    h.f.s.PanelSizeX = mils;
    h.f.s.LoopSizeSetting = 30000;
    h.f.s.DeviceSettingsRead = true;
    w.Repaint();
    ASSERT_TRUE(h.f.s.SettingsSent);
    const double before = platform::LeadingNumber(w.PanelX.Text());
    w.MetricButton.SetValue(true);
    EXPECT_EQ(w.PanelXLab.Caption(), "X-Axis (cm)");
    w.EnglishButton.SetValue(true);
    EXPECT_EQ(w.LoopSizeLab.Caption(), "Loop Size (in)");
    EXPECT_NEAR(platform::LeadingNumber(w.PanelX.Text()), before, 0.0100001) << mils;
    EXPECT_EQ(w.LoopSize.Text(), "30.0");
    EXPECT_TRUE(h.f.s.SettingsSent);
    EXPECT_EQ(h.f.s.PanelSizeX, mils);  // the switch stores nothing
  }
}

TEST(CutterWindow, UnitSwitchConvertsTheShownLengths) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  w.CutEnable.SetValue(1);
  w.MetricButton.SetValue(true);
  EXPECT_EQ(w.CutLength.Text(), "50.8");  // 2000 mils
  EXPECT_EQ(w.BlankLength.Text(), "1.5");  // 60 mils
  w.EnglishButton.SetValue(true);
  EXPECT_EQ(w.CutLength.Text(), "2000");
  EXPECT_EQ(w.BlankLength.Text(), "60");
}

TEST(CutterWindow, RepaintRedisplaysAfterAReadOrAFileLoad) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  h.f.s.ScaleX = 123;
  h.f.s.FileSettingsLoaded = true;
  h.f.s.SettingsSent = true;
  h.f.host.pointer = forms::Pointer::Hourglass;
  w.Repaint();
  EXPECT_EQ(w.XScale.Text(), "123");
  EXPECT_FALSE(h.f.s.FileSettingsLoaded);
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);

  h.f.s.ScaleY = 77;
  h.f.s.DeviceSettingsRead = true;
  h.f.s.SettingsSent = false;
  w.Repaint();
  EXPECT_EQ(w.YScale.Text(), "77");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_FALSE(h.f.s.DeviceSettingsRead);
}

TEST(CutterWindow, DisplayShowsTheOriginAndTheTangentialValues) {
  CutterHarness h(Cutter(32, 50));
  auto& w = h.Window();
  EXPECT_EQ(w.TanForce.Text(), "120");
  EXPECT_EQ(w.TanLength.Text(), "40");
  h.f.s.HpglMode = 0;
  h.f.s.CorneringMode = 7;
  h.f.s.DeviceSettingsRead = true;
  w.Repaint();
  auto& lang = h.f.app.Window<taskhelm::DefLangForm>();
  EXPECT_TRUE(lang.HPGL7596.Value());
  EXPECT_EQ(h.f.s.CorneringMode, 13);  // anything but banner fill shows as the default mode
  w.TanEnable.SetFocus();
  w.TanEnable.SetValue(1);
  EXPECT_EQ(h.f.s.TangentialEnable, 0);  // only leaving the box stores it
  w.Accel.SetFocus();
  EXPECT_EQ(h.f.s.TangentialEnable, 1);
}

}  // namespace
}  // namespace cutter_tests
