// The cutter window's settings fields: validation, couplings, spins and the Enter chain.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Numbers.h"
#include "tests/cutter/CutterHarness.h"
#include "tests/support/CaseName.h"

namespace cutter_tests {
namespace {

using taskhelm::Dru71Set;
using taskhelm::SharedState;

forms::TextBox& BoxOf(Dru71Set& w, const char* name) {
  return static_cast<forms::TextBox&>(*w.FindControl(name));
}
forms::SpinButton& SpinOf(Dru71Set& w, const char* name) {
  return static_cast<forms::SpinButton&>(*w.FindControl(name));
}

int64_t Stored(const SharedState& s, const char* box) {
  const std::string b = box;
  if (b == "Accel") return s.AccelSetting;
  if (b == "XScale") return s.ScaleX;
  if (b == "UpDelay") return s.PenUpDelay;
  if (b == "DnDelay") return s.PenDownDelay;
  if (b == "LoForce") return s.ForceMin;
  if (b == "HiForce") return s.ForceMax;
  if (b == "Offset") return s.BladeOffset;
  if (b == "Overcut") return s.OvercutSetting;
  if (b == "MinAng") return s.MinAngle;
  if (b == "PanelX") return s.PanelSizeX;
  if (b == "PanelY") return s.PanelSizeY;
  if (b == "LoopSize") return s.LoopSizeSetting;
  if (b == "CutLength") return s.TagboardOn != 0 ? s.CutLengthSetting : s.PounceCutLength;
  if (b == "TanLength") return s.TangentialLength;
  ADD_FAILURE() << "no setting for " << box;
  return 0;
}

struct TypedCase {
  int model;
  bool metric;
  const char* box;
  const char* typed;
  int64_t stored;
  const char* shown;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.box << " '" << c.typed << "'"; }

class TypedValue : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValue, IsClampedRoundedStoredAndShown) {
  const TypedCase& c = GetParam();
  CutterHarness h(Cutter(c.model, c.model == 32 ? std::optional<int>(50) : std::nullopt), c.metric);
  auto& w = h.Window();
  if (std::string(c.box) == "CutLength") w.CutEnable.SetValue(1);
  forms::TextBox& box = BoxOf(w, c.box);
  h.Type(box, c.typed);
  EXPECT_EQ(Stored(h.f.s, c.box), c.stored);
  EXPECT_EQ(box.Text(), c.shown);
  EXPECT_FALSE(h.f.s.SettingsSent);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedValue,
    ::testing::Values(
        // Bounds tested before rounding, halves to even, silent clamp.
        TypedCase{36, false, "UpDelay", "300", 250, "250"},
        TypedCase{36, false, "UpDelay", "250.5", 250, "250"},
        TypedCase{36, false, "UpDelay", "249.5", 250, "250"},
        TypedCase{36, false, "UpDelay", "248.5", 248, "248"},
        TypedCase{36, false, "DnDelay", "", 0, "0"},
        TypedCase{36, false, "XScale", "", 1, "1"},
        TypedCase{36, false, "XScale", "abc", 1, "1"},
        TypedCase{36, false, "XScale", "12.5", 12, "12"},
        TypedCase{36, false, "XScale", "99999999999999999999", 999, "999"},
        // Blanks inside a number do not count, in the plain and in the regional reader.
        TypedCase{36, false, "XScale", "1 00", 100, "100"},
        TypedCase{36, false, "Overcut", "2 0", 20, "20"},
        TypedCase{32, false, "PanelX", "1 2.5", 12500, "12.50"},
        TypedCase{32, true, "PanelX", "10 0.0", 39370, "100.00"},
        TypedCase{36, false, "Accel", " 1. 5", 15, "1.5"},
        // Five hexadecimal digits are beyond 16 bits, not the value of the first four.
        TypedCase{32, false, "TanLength", "&H12345", 32767, "&H12345"},
        // Acceleration in g, stored in tenths.
        TypedCase{36, false, "Accel", "0.55", 6, "0.6"},
        TypedCase{36, false, "Accel", "3", 20, "2.0"},
        TypedCase{36, false, "Accel", "0", 1, "0.1"},
        // The blade offset limit of the 39.
        TypedCase{39, false, "Offset", "75", 60, "60"},
        TypedCase{39, false, "Offset", "150", 60, "60"},
        TypedCase{36, false, "Offset", "75", 75, "75"},
        TypedCase{36, false, "Offset", "150", 100, "100"},
        // Maximum force up to 2000 g on the 36, to the model limit on the 32 (500 g for id 50).
        TypedCase{36, false, "HiForce", "1500", 1500, "1500"},
        TypedCase{32, false, "HiForce", "1500", 500, "500"},
        // Lengths in the unit shown.
        TypedCase{32, false, "PanelX", "12", 12000, "12.00"},
        TypedCase{32, true, "PanelX", "100", 39370, "100.00"},
        TypedCase{32, false, "LoopSize", "0.5", 1000, "1.0"},
        TypedCase{32, true, "LoopSize", "2", 1000, "2.5"},
        TypedCase{32, false, "CutLength", "20", 50, "50"},
        TypedCase{32, true, "CutLength", "40.8", 1606, "40.8"},
        // The tangential boxes keep their text and have only their 16 bits as bounds.
        TypedCase{32, false, "TanLength", "12.5x", 12, "12.5x"},
        TypedCase{32, false, "TanLength", "99999", 32767, "99999"}),
    [](const auto& info) {
      const TypedCase& c = info.param;
      return "Model" + std::to_string(c.model) + testing_support::CaseName(c.box) +
             testing_support::CaseName(c.typed) + (c.metric ? "Metric" : "");
    });

TEST(CutterFields, RegionalDecimalSeparatorIsReadAndWritten) {
  CutterHarness h(Cutter(32));
  h.f.app.regional.sDecimal = ',';
  auto& w = h.Window();
  h.Type(w.PanelX, "12,5");
  EXPECT_EQ(h.f.s.PanelSizeX, 12500);
  EXPECT_EQ(w.PanelX.Text(), "12,50");
  h.Type(w.XScale, "12,9");  // a plain field stops at the comma
  EXPECT_EQ(h.f.s.ScaleX, 12);
}

// Passing through a box the operator does not change leaves its setting exact, however the shown
// text rounds it; a changed text is read as typed.
TEST(CutterFields, AnUntouchedBoxKeepsItsExactValue) {
  CutterHarness h(Cutter(32), /*metric=*/true);
  auto& w = h.Window();
  h.f.s.PanelSizeX = 18250;  // 46.355 cm, shown 46.36
  h.f.s.PounceOn = 1;
  h.f.s.PounceCutLength = 40;  // 1.016 mm, shown 1.0
  w.ShowParam();
  ASSERT_EQ(w.PanelX.Text(), "46.36");
  for (int visit = 0; visit < 2; ++visit) {
    h.Type(w.PanelX, w.PanelX.Text());
    h.Type(w.CutLength, w.CutLength.Text());
  }
  EXPECT_EQ(h.f.s.PanelSizeX, 18250);
  EXPECT_EQ(h.f.s.PounceCutLength, 40);
  h.Type(w.PanelX, "46.37");
  EXPECT_EQ(h.f.s.PanelSizeX, 18256);
}

TEST(CutterFields, OffsetSetsTheMinimumAngle) {
  CutterHarness h(Cutter(36));
  auto& w = h.Window();
  h.Type(w.MinAng, "30");
  h.Type(w.Offset, "30");
  EXPECT_EQ(h.f.s.MinAngle, 15);
  EXPECT_EQ(w.MinAng.Text(), "15");
  h.Type(w.Offset, "20");
  EXPECT_EQ(h.f.s.MinAngle, 30);  // the floor after activation
  EXPECT_EQ(w.MinAng.Text(), "30");
  h.Type(w.MinAng, "5");  // the angle alone is only clamped to 0..180
  EXPECT_EQ(h.f.s.MinAngle, 5);
  h.Type(w.MinAng, "181");
  EXPECT_EQ(h.f.s.MinAngle, 180);
  h.Type(w.Offset, "25");
  EXPECT_EQ(h.f.s.MinAngle, 180);
}

TEST(CutterFields, ForcePairWarnsAndCorrects) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  h.Type(w.HiForce, "200");
  h.Type(w.LoForce, "300");
  EXPECT_EQ(h.f.s.ForceMin, 200);
  EXPECT_EQ(w.LoForce.Text(), "200");
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "WARNING");
  EXPECT_EQ(h.f.host.boxes[0].text,
            "Minimum force set above Maximum, Minimum force decreased to Maximum value.");
  EXPECT_EQ(h.f.host.boxes[0].icon, forms::MsgIcon::None);

  h.f.host.boxes.clear();
  h.Type(w.LoForce, "10");
  h.Type(w.HiForce, "5");  // below the lowest force: 10, no message
  EXPECT_EQ(h.f.s.ForceMax, 10);
  EXPECT_TRUE(h.f.host.boxes.empty());
  h.Type(w.LoForce, "50");
  EXPECT_EQ(h.f.s.ForceMin, 10);  // above the maximum of 10: pulled down, with a warning
  h.f.host.boxes.clear();
  h.f.s.ForceMin = 50;
  h.Type(w.HiForce, "5");
  EXPECT_EQ(h.f.s.ForceMax, 50);
  EXPECT_EQ(w.HiForce.Text(), "50");
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].text,
            "Maximum force set below Minimum, Maximum force increased to Minimum value.");
  EXPECT_EQ(h.f.host.beeps, 0);
}

struct SpinCase {
  bool metric;
  const char* box;
  const char* start;
  bool up;
  std::vector<const char*> shown;  // after each click
  int64_t stored;                  // after the last
};

void PrintTo(const SpinCase& c, std::ostream* os) {
  *os << (c.metric ? "metric " : "") << c.box << (c.up ? " up from " : " down from ") << c.start
      << (c.shown.size() > 1 ? " clicked " + std::to_string(c.shown.size()) + " times" : "");
}

class Spin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(Spin, StepsThroughTheValidation) {
  const SpinCase& c = GetParam();
  CutterHarness h(Cutter(32), c.metric);
  auto& w = h.Window();
  w.PounceEnable.SetValue(1);  // pounce lengths in the cut and blank boxes
  w.LoopEnable.SetValue(1);
  forms::TextBox& box = BoxOf(w, c.box);
  box.SetText(c.start);
  std::string spin = std::string(c.box) + "Spin";
  if (spin == "XScaleSpin") spin = "ScaleXSpin";
  for (const char* shown : c.shown) {
    c.up ? SpinOf(w, spin.c_str()).Up() : SpinOf(w, spin.c_str()).Down();
    EXPECT_EQ(box.Text(), shown);
  }
  EXPECT_EQ(Stored(h.f.s, c.box), c.stored);
  EXPECT_FALSE(h.f.s.SettingsSent);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Spin,
    ::testing::Values(
        // Metric panel spins move 1 cm from the exact size.
        SpinCase{true, "PanelX", "100.00", false, {"99.00"}, 38976},
        SpinCase{true, "PanelX", "100.00", false, {"99.00", "98.00"}, 38583},
        SpinCase{true, "PanelX", "100.00", true, {"101.00"}, 39764},
        // English: to whole inches, then by an inch; the Y spin up keeps the fraction.
        SpinCase{false, "PanelX", "12.34", false, {"11.00"}, 11000},
        SpinCase{false, "PanelX", "12.34", true, {"13.00"}, 13000},
        SpinCase{false, "PanelY", "12.34", true, {"13.34"}, 13340},
        SpinCase{false, "PanelX", "0.40", false, {"0.00"}, 0},
        SpinCase{false, "PanelX", "837.60", true, {"838.00", "838.00"}, 838000},
        SpinCase{false, "PanelY", "29.10", true, {"30.00"}, 30000},
        SpinCase{false, "LoopSize", "1.0", false, {"1.0"}, 1000},
        SpinCase{true, "LoopSize", "10.0", false, {"9.0"}, 3543},
        SpinCase{false, "LoopSize", "837.6", true, {"838.0", "838.0"}, 838000},
        // The other spins step in the unit shown and stop at the bounds.
        SpinCase{false, "Accel", "1.0", true, {"1.1", "1.2"}, 12},
        SpinCase{false, "Accel", "0.1", false, {"0.1"}, 1},
        SpinCase{false, "XScale", "1", false, {"1"}, 1},
        SpinCase{false, "HiForce", "10", false, {"10"}, 10},
        SpinCase{false, "HiForce", "4", false, {"10"}, 10},
        SpinCase{false, "CutLength", "400", true, {"410"}, 410},
        SpinCase{true, "CutLength", "50.8", false, {"40.8"}, 1606}),
    testing_support::PrintedCaseName());

TEST(CutterFields, TangentialSpinsMarkTheSettingsChanged) {
  CutterHarness h(Cutter(32, 50));
  auto& w = h.Window();
  h.f.s.SettingsSent = true;
  w.TanForceSpin.Up();
  EXPECT_EQ(h.f.s.TangentialForce, 121);
  EXPECT_EQ(w.TanForce.Text(), "121");
  EXPECT_FALSE(h.f.s.SettingsSent);
}

TEST(CutterFields, CutAndBlankServeTagBoardOrPounce) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  EXPECT_FALSE(w.CutLength.Enabled());
  h.Type(w.CutLength, "999");  // neither mode: nothing is stored, the text stays
  EXPECT_EQ(w.CutLength.Text(), "999");
  EXPECT_EQ(h.f.s.PounceCutLength, 40);

  w.PounceEnable.SetValue(1);
  EXPECT_EQ(h.f.host.LastBox()->title, "Pounce Enabled");
  EXPECT_EQ(w.CutLength.Text(), "40");
  EXPECT_EQ(w.BlankLength.Text(), "600");
  EXPECT_FALSE(w.CutEnable.Enabled());
  h.Type(w.CutLength, "9000");
  EXPECT_EQ(h.f.s.PounceCutLength, 4000);

  w.PounceEnable.SetValue(0);
  w.CutEnable.SetValue(1);
  EXPECT_EQ(h.f.host.LastBox()->title, "Tag Board Cutout");
  EXPECT_EQ(w.CutLength.Text(), "2000");
  EXPECT_FALSE(w.PounceEnable.Enabled());
  h.Type(w.CutLength, "10");
  EXPECT_EQ(h.f.s.CutLengthSetting, 50);
  EXPECT_EQ(h.f.s.PounceOn, 0);
  EXPECT_EQ(h.f.s.TagboardOn, 1);
}

TEST(CutterFields, LoopBoxEnablesTheLoopSizeAndRemindsOnce) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  EXPECT_FALSE(w.LoopSize.Enabled());
  w.LoopEnable.SetValue(1);
  EXPECT_TRUE(w.LoopSize.Enabled() && w.LoopSizeSpin.Enabled());
  EXPECT_EQ(h.f.s.AutoLoopOn, 1);
  ASSERT_EQ(h.f.host.boxes.size(), 1u);
  EXPECT_EQ(h.f.host.boxes[0].title, "Auto Loop Enabled");
  EXPECT_EQ(h.f.host.boxes[0].text, "Check that Loop Size is correct.");
  w.LoopEnable.SetValue(0);
  EXPECT_FALSE(w.LoopSize.Enabled());
  EXPECT_EQ(h.f.s.AutoLoopOn, 0);
}

struct EnterCase {
  const char* from;
  std::function<void(Dru71Set&)> setup;
  const char* to;
};

class EnterKey : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterKey, MovesAlongTheChain) {
  const EnterCase& c = GetParam();
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  if (c.setup) c.setup(w);
  forms::Control& from = *w.FindControl(c.from);
  from.SetFocus();
  w.DispatchKeyPress(&from, forms::Key::Return);
  ASSERT_NE(w.ActiveControl(), nullptr);
  EXPECT_EQ(w.ActiveControl()->Name(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EnterKey,
    ::testing::Values(EnterCase{"Accel", nullptr, "XScale"},
                      EnterCase{"DnDelay", nullptr, "LoForce"},
                      EnterCase{"HiForce", nullptr, "PanelX"},
                      EnterCase{"PanelY", nullptr, "Offset"},  // the loop is off
                      EnterCase{"PanelY", [](Dru71Set& w) { w.LoopEnable.SetValue(1); },
                                "LoopSize"},
                      EnterCase{"LoForce", [](Dru71Set& w) { w.HandleHotKeys('U', forms::AltKey); },
                                "LoForce"},
                      EnterCase{"MinAng", nullptr, "SendSettingTemp"},
                      EnterCase{"CutLength", nullptr, "CutLength"}),
    [](const auto& info) {
      return testing_support::CaseName(info.param.from) + "To" +
             testing_support::CaseName(info.param.to);
    });

TEST(CutterFields, EnterValidatesOnTheWayAndPutsTheCaretAtTheEnd) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  w.MinAng.SetFocus();
  w.MinAng.SetText("500");
  w.DispatchKeyPress(&w.MinAng, forms::Key::Return);
  EXPECT_EQ(h.f.s.MinAngle, 180);
  w.Overcut.SetFocus();
  w.Overcut.SetSelection(0, 0);
  w.Offset.SetFocus();
  w.DispatchKeyPress(&w.Offset, forms::Key::Return);
  EXPECT_EQ(w.Overcut.SelStart(), static_cast<int>(w.Overcut.Text().size()));
}

TEST(CutterFields, MaximumForceLockLeavesTheSpinWorking) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  const int16_t before = h.f.s.ForceMax;
  int key = 'U';
  w.HiForce.KeyDown(key, forms::AltKey | forms::ShiftKey);
  EXPECT_FALSE(w.HiForce.Enabled());
  EXPECT_TRUE(w.HiForceSpin.Enabled());
  w.HiForceSpin.Up();
  EXPECT_EQ(h.f.s.ForceMax, before + 1);
  w.HandleHotKeys('U', forms::AltKey);
  EXPECT_TRUE(w.HiForce.Enabled());
  w.HandleHotKeys('U', forms::CtrlKey);  // Alt is needed
  EXPECT_TRUE(w.HiForce.Enabled());
}

TEST(CutterFields, FocusAndMouseShowHints) {
  CutterHarness h(Cutter(32));
  auto& w = h.Window();
  w.Accel.SetFocus();
  EXPECT_EQ(w.StatusBar.Text(),
            "How quickly the blade will reach full speed when starting a cut line.");
  w.OffsetLab.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(), "Center to tip distance (Get from blade package).");
  w.PounceEnable.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(), "Turn on Pounce Mode.  Follow instructions in your user guide.");
  w.MouseMove();
  EXPECT_EQ(w.StatusBar.Text(), " ");
}

}  // namespace
}  // namespace cutter_tests
