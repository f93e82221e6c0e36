// The roll-feed window's settings fields: validation in both unit systems, the spins that stop
// at their bounds, the force pair that compares before it clamps, the offset coupling and the
// Enter order by feed mode.
#include <gtest/gtest.h>

#include "tests/rollfeed/RollFeedHarness.h"
#include "tests/support/CaseName.h"

namespace rollfeed_tests {
namespace {

using taskhelm::SharedState;
using taskhelm::StoogMoa;

int64_t Stored(const SharedState& s, std::string_view box) {
  if (box == "PanelX") return s.PanelSizeX;
  if (box == "LoopSize") return s.LoopSizeSetting;
  if (box == "Gap") return s.FrameGap;
  if (box == "Accel") return s.AccelSetting;
  if (box == "CutLength") return s.CutLengthSetting;
  if (box == "UpDelay") return s.PenUpDelay;
  ADD_FAILURE() << "no setting for " << box;
  return 0;
}

// The feed option that enables the box.
forms::OptionButton& EnablingOption(StoogMoa& w, std::string_view box) {
  if (box == "LoopSize") return w.RollUnButton;
  return w.RollButton;
}

struct TypedCase {
  bool metric;
  const char* box;
  const char* typed;
  int64_t stored;
  const char* shown;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
  *os << c.box << " '" << c.typed << "'" << (c.metric ? " metric" : "");
}

class TypedValue : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValue, IsClampedRoundedStoredAndShown) {
  const TypedCase& c = GetParam();
  RollFeedHarness h(RollFeed(), c.metric);
  auto& w = h.Window();
  EnablingOption(w, c.box).SetValue(true);
  w.CutEnable.SetValue(1);
  h.Type(h.Box(c.box), c.typed);
  EXPECT_EQ(Stored(h.f.s, c.box), c.stored);
  EXPECT_EQ(h.Box(c.box).Text(), c.shown);
  EXPECT_TRUE(h.f.host.boxes.empty());  // clamped without a word
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedValue,
    ::testing::Values(TypedCase{false, "PanelX", "12.34", 12340, "12.3"},
                      TypedCase{true, "PanelX", "31.35", 12343, "31.4"},
                      TypedCase{false, "LoopSize", "0.5", 1000, "1.0"},
                      TypedCase{true, "LoopSize", "2", 1000, "2.5"},
                      TypedCase{true, "Gap", "25", 984, "25.0"},
                      TypedCase{true, "Gap", "30", 1000, "25.4"},
                      TypedCase{false, "Gap", "-1200", -1000, "-1000"},
                      TypedCase{false, "Gap", "12.6", 13, "13"},
                      TypedCase{false, "Gap", "- 1 2", -12, "-12"},
                      TypedCase{true, "Gap", "2 5.0", 984, "25.0"},
                      TypedCase{false, "Accel", "0.04", 1, "0.1"},
                      TypedCase{false, "Accel", "3", 20, "2.0"},
                      TypedCase{false, "Accel", "1.25", 12, "1.2"},
                      TypedCase{true, "CutLength", "1.27", 50, "1.3"},
                      TypedCase{true, "CutLength", "200", 5000, "127.0"},
                      TypedCase{false, "UpDelay", "99999", 250, "250"},
                      TypedCase{false, "UpDelay", "123456789012345678901234567890", 250,
                                "250"},
                      TypedCase{false, "UpDelay", "abc", 0, "0"}),
    testing_support::PrintedCaseName());

struct SpinCase {
  bool metric;
  const char* box;
  const char* start;
  int direction;
  std::vector<const char*> shown;  // after each click
};

void PrintTo(const SpinCase& c, std::ostream* os) {
  *os << c.box << " " << c.start << (c.direction < 0 ? " down" : " up")
      << (c.metric ? " metric" : "");
}

class Spin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(Spin, StepsOrStopsAtItsBound) {
  const SpinCase& c = GetParam();
  RollFeedHarness h(RollFeed(), c.metric);
  auto& w = h.Window();
  EnablingOption(w, c.box).SetValue(true);
  w.CutEnable.SetValue(1);
  forms::TextBox& box = h.Box(c.box);
  h.Type(box, c.start);
  forms::SpinButton& spin = h.Spin((std::string(c.box) == "XScale" ? std::string("ScaleXSpin")
                                                                    : std::string(c.box) + "Spin")
                                       .c_str());
  for (const char* expected : c.shown) {
    c.direction < 0 ? spin.SpinDown() : spin.SpinUp();
    EXPECT_EQ(box.Text(), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Spin,
    ::testing::Values(SpinCase{false, "PanelX", "838", +1, {"838.0"}},
                      SpinCase{false, "PanelX", "12.34", -1, {"11.0", "10.0"}},
                      SpinCase{true, "LoopSize", "38.1", -1, {"37.1", "36.1"}},
                      SpinCase{false, "LoopSize", "1.4", -1, {"1.0"}},
                      SpinCase{true, "Gap", "24.4", +1, {"25.4", "25.4"}},
                      SpinCase{true, "Gap", "24.3", +1, {"25.3", "25.4"}},
                      SpinCase{true, "Gap", "-24.4", -1, {"-25.4"}},
                      SpinCase{false, "Gap", "999", +1, {"1000", "1000"}},
                      SpinCase{false, "Gap", "-999", -1, {"-1000", "-1000"}},
                      SpinCase{false, "Accel", "2.0", +1, {"2.0"}},
                      SpinCase{false, "Accel", "0.1", -1, {"0.1"}},
                      SpinCase{false, "XScale", "998", +1, {"999", "999"}},
                      SpinCase{true, "CutLength", "50.8", +1, {"60.8"}}),
    testing_support::PrintedCaseName());

TEST(RollFeedFields, ForcePairComparesWithTheOtherForceBeforeItsLimits) {
  RollFeedHarness h;
  auto& w = h.Window();
  h.Type(w.LoForce, "50");
  h.Type(w.HiForce, "300");
  h.f.host.boxes.clear();

  // Below the lowest force, and below the minimum: the minimum wins, with the warning.
  h.Type(w.HiForce, "5");
  EXPECT_EQ(h.f.s.ForceMax, 50);
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "WARNING");
  EXPECT_EQ(h.f.host.boxes[0].text,
            "Maximum force set below Minimum, Maximum force increased to Minimum value.");
  EXPECT_EQ(h.f.host.boxes[0].icon, forms::MsgIcon::None);

  // Each click below the minimum warns again and comes back to it.
  for (int click = 0; click < 2; ++click) w.HiForceSpin.SpinDown();
  EXPECT_EQ(h.f.host.boxes.size(), 3u);
  EXPECT_EQ(w.HiForce.Text(), "50");

  h.Type(w.LoForce, "70");
  EXPECT_EQ(h.f.s.ForceMin, 50);
  EXPECT_EQ(h.f.host.boxes.back().text,
            "Minimum force set above Maximum, Minimum force decreased to Maximum value.");
  EXPECT_EQ(h.f.s.ForceMax, 50);  // only the box being left changes

  // Above the model's limit with the other force out of the way: clamped without a word.
  h.f.host.boxes.clear();
  for (const char* typed : {"900", "99999999999999999999999"}) {
    h.Type(w.HiForce, typed);
    EXPECT_EQ(h.f.s.ForceMax, 400);
  }
  EXPECT_TRUE(h.f.host.boxes.empty());
}

TEST(RollFeedFields, OffsetSetsTheMinimumAngle) {
  RollFeedHarness h;
  auto& w = h.Window();
  ASSERT_EQ(w.MinAngleFloor, 30);
  h.Type(w.MinAng, "45");
  h.Type(w.Offset, "40");
  EXPECT_EQ(h.f.s.MinAngle, 15);
  h.Type(w.MinAng, "10");
  h.Type(w.Offset, "20");
  EXPECT_EQ(h.f.s.MinAngle, 30);
  EXPECT_EQ(w.MinAng.Text(), "30");
  h.Type(w.MinAng, "90");
  EXPECT_EQ(h.f.s.MinAngle, 90);  // until the offset is validated again
}

TEST(RollFeedFields, EnterInPanelYGoesWhereTheFeedModeAllows) {
  struct Case {
    forms::OptionButton StoogMoa::*option;
    const char* next;
  };
  for (const Case& c : {Case{&StoogMoa::CutButton, "XScale"},
                        Case{&StoogMoa::RollUnButton, "LoopSize"},
                        Case{&StoogMoa::RollButton, "Gap"}}) {
    RollFeedHarness h;
    auto& w = h.Window();
    (w.*c.option).SetValue(true);
    w.PanelY.SetFocus();
    int enter = forms::Key::Return;
    w.PanelY.KeyPress(enter);
    EXPECT_EQ(w.ActiveControl()->Name(), c.next);
  }
}

TEST(RollFeedFields, EnterFollowsTheWindowsOwnOrder) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.CutEnable.SetValue(1);
  const char* chain[] = {"YScale", "CutLength", "BlankLength", "Accel", "UpDelay", "DnDelay",
                         "LoForce", "HiForce", "Overcut", "Offset", "MinAng", "SendSettingTemp"};
  w.XScale.SetFocus();
  for (const char* next : chain) {
    int enter = forms::Key::Return;
    w.ActiveControl()->KeyPress(enter);
    EXPECT_EQ(w.ActiveControl()->Name(), next);
  }
}

TEST(RollFeedFields, FocusAndMouseShowTheHints) {
  RollFeedHarness h;
  auto& w = h.Window();
  w.GapLab.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(), "Gap between frames.");
  w.RollButton.GotFocus();
  EXPECT_EQ(w.StatusBar.Text(),
            "Media fed from roll. Works with paneled plot files. Maximum X panel and service loop "
            "length is 46''.");
  w.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(), " ");
}

}  // namespace
}  // namespace rollfeed_tests
