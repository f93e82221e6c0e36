// The pen-plotter fields where they differ from the family: bounds, the speed's shown entry, the
// metric gap, the panel spin, the force pair's warnings and the unit switch.
#include <gtest/gtest.h>

#include <functional>

#include "tests/penplotter/PenPlotterHarness.h"

namespace penplotter_tests {
namespace {

using taskhelm::SharedState;

struct EntryCase {
  const char* name;
  bool metric;
  const char* box;
  std::function<void(SharedState&)> before;
  const char* typed;
  int16_t SharedState::*narrow;
  int32_t SharedState::*wide;
  int stored;
  const char* shown;
  const char* warning;  // "" for none
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, StoresAndShows) {
  const EntryCase& c = GetParam();
  PenPlotterHarness h(StartedOn(40), c.metric);
  auto& w = h.Window();
  if (c.before) c.before(h.f.s);
  auto& box = static_cast<forms::TextBox&>(*w.FindControl(c.box));
  box.SetEnabled(true);  // the keypad speed is shown, not edited, on these plotters
  h.Type(box, c.typed);
  const int64_t stored = c.narrow ? h.f.s.*c.narrow : h.f.s.*c.wide;
  EXPECT_EQ(stored, c.stored);
  EXPECT_EQ(box.Text(), c.shown);
  if (*c.warning) {
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].title, "WARNING");
    EXPECT_EQ(h.f.host.boxes[0].text, c.warning);
  } else {
    EXPECT_TRUE(h.f.host.boxes.empty());
  }
}

const char* kMinWarning =
    "Minimum force set above Maximum, Minimum force decreased to Maximum value.";
const char* kMaxWarning =
    "Maximum force set below Minimum, Maximum force increased to Minimum value.";

INSTANTIATE_TEST_SUITE_P(
    Fields, Entry,
    ::testing::Values(
        EntryCase{"AccelTooSmall", false, "Accel", nullptr, "0.04", &SharedState::AccelSetting,
                  nullptr, 1, "0.1", ""},
        EntryCase{"AccelTooLarge", false, "Accel", nullptr, "2.5", &SharedState::AccelSetting,
                  nullptr, 20, "2.0", ""},
        EntryCase{"HiForceHeldTo275", false, "HiForce", nullptr, "300", &SharedState::ForceMax,
                  nullptr, 275, "275", ""},
        EntryCase{"HiForceBelowMinimum", false, "HiForce",
                  [](SharedState& s) { s.ForceMin = 200; }, "150", &SharedState::ForceMax,
                  nullptr, 200, "200", kMaxWarning},
        EntryCase{"LoForceAboveMaximum", false, "LoForce",
                  [](SharedState& s) { s.ForceMax = 275; }, "350", &SharedState::ForceMin,
                  nullptr, 275, "275", kMinWarning},
        EntryCase{"MetricSpeedShowsTheHeldEntry", true, "Speed", nullptr, "100",
                  &SharedState::KeypadSpeed, nullptr, 30, "76", ""},
        EntryCase{"MetricSpeedKeepsItsTypedValue", true, "Speed", nullptr, "50",
                  &SharedState::KeypadSpeed, nullptr, 20, "50", ""},
        EntryCase{"EnglishSpeedTooSmall", false, "Speed", nullptr, "0",
                  &SharedState::KeypadSpeed, nullptr, 1, "1", ""},
        EntryCase{"MetricGapHeld", true, "Gap", nullptr, "-30", &SharedState::FrameGap, nullptr,
                  -1000, "-25.4", ""},
        EntryCase{"MetricGap", true, "Gap", nullptr, "6.35", &SharedState::FrameGap, nullptr, 250,
                  "6.4", ""},
        EntryCase{"EnglishGap", false, "Gap", nullptr, "1200", &SharedState::FrameGap, nullptr,
                  1000, "1000", ""},
        EntryCase{"PanelYOfThe40", false, "PanelY", nullptr, "90", nullptr,
                  &SharedState::PanelSizeY, 86000, "86.0", ""},
        EntryCase{"MetricPanelX", true, "PanelX", nullptr, "100", nullptr,
                  &SharedState::PanelSizeX, 39370, "100.0", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Spin, PanelDownFromBelowAnInchGivesNothing) {
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  h.Type(w.PanelX, "0.3");
  w.PanelXSpin.SpinDown();
  EXPECT_EQ(w.PanelX.Text(), "0.0");
  EXPECT_EQ(h.f.s.PanelSizeX, 0);
  // Up stops at the model's maximum, for Y the 40's own.
  PenPlotterHarness h40(StartedOn(40));
  auto& w40 = h40.Window();
  h40.Type(w40.PanelY, "85.5");
  w40.PanelYSpin.SpinUp();
  EXPECT_EQ(h40.f.s.PanelSizeY, 86000);
}

TEST(Spin, GapStepsTenMilsOrOneMillimetreUpToItsBounds) {
  struct Case {
    bool metric;
    const char* typed;
    int direction;
    const char* shown;
    int stored;
  };
  for (const Case& c : {Case{false, "20", +1, "30", 30}, Case{false, "-995", -1, "-1000", -1000},
                        Case{false, "995", +1, "1000", 1000}, Case{true, "1.0", -1, "0.0", 0},
                        Case{true, "-25.0", -1, "-25.4", -1000}}) {
    SCOPED_TRACE(c.typed);
    PenPlotterHarness h(StartedOn(34), c.metric);
    auto& w = h.Window();
    h.Type(w.Gap, c.typed);
    c.direction > 0 ? w.GapSpin.SpinUp() : w.GapSpin.SpinDown();
    EXPECT_EQ(w.Gap.Text(), c.shown);
    EXPECT_EQ(h.f.s.FrameGap, c.stored);
  }
}

// The acceleration spinner reads the box with the regional separator, as its validator does.
TEST(Fields, AccelSpinReadsTheRegionalSeparator) {
  PenPlotterHarness h(StartedOn(33));
  h.f.app.regional.sDecimal = ',';
  auto& w = h.Window();
  h.Type(w.Accel, "0,5");
  EXPECT_EQ(h.f.s.AccelSetting, 5);
  w.AccelSpin.Up();
  EXPECT_EQ(w.Accel.Text(), "0,6");
  w.AccelSpin.Down();
  w.AccelSpin.Down();
  EXPECT_EQ(w.Accel.Text(), "0,4");
}

TEST(Units, TheSwitchRelabelsAndRewritesButKeepsTheSentState) {
  PenPlotterHarness h(StartedOn(34));
  auto& w = h.Window();
  h.Type(w.Gap, "250");
  w.SendSettingTemp.Press();
  ASSERT_TRUE(h.f.s.SettingsSent);
  w.MetricButton.SetValue(true);
  EXPECT_EQ(w.PanelXLab.Caption(), "X-Axis (cm)");
  EXPECT_EQ(w.FrameGapLab.Caption(), "(mm)");
  EXPECT_EQ(w.SpeedLab.Caption(), "(cm/sec)");
  EXPECT_EQ(w.Gap.Text(), "6.4");
  EXPECT_EQ(w.Speed.Text(), "76.2");
  EXPECT_EQ(w.PanelX.Text(), "116.8");
  EXPECT_TRUE(h.f.s.SettingsSent);
  w.EnglishButton.SetValue(true);
  EXPECT_EQ(w.Gap.Text(), "250");
  EXPECT_EQ(w.Speed.Text(), "30");
  EXPECT_EQ(w.PanelX.Text(), "46.0");
  EXPECT_EQ(w.SpeedLab.Caption(), "(ips)");
  EXPECT_TRUE(h.f.s.SettingsSent);
}

}  // namespace
}  // namespace penplotter_tests
