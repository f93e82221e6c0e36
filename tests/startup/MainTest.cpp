// The start-up road over the in-process device: what goes on the wire, what is shown, and the
// Setup window when the connection fails.
#include <gtest/gtest.h>

#include "setup/Config.h"
#include "startup/Main.h"
#include "tests/support/AppFixture.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

// A program as it is before Main: nothing set yet.
void Fresh(AppFixture& f) {
  f.s = SharedState{};
}

TEST(Main, IdentifiesReadsAndShowsTheCutterWindow) {
  AppFixture f;
  Fresh(f);
  f.device.Settings().PanelSizeX = 900000;  // beyond the model's maximum: clamped
  f.WriteIniText("32 1 0\r\n");
  ASSERT_TRUE(f.host.Run([&] { Main(f.app); }));
  EXPECT_EQ(f.device.Received(), "!IC@!IC@!DD@");
  EXPECT_EQ(f.s.PanelSizeX, 838000);
  EXPECT_EQ(f.IniText(), "32 1 0\r\n");
  EXPECT_TRUE(f.s.ReportErrors);
  EXPECT_FALSE(f.s.DeviceSettingsRead);  // the window redisplayed them on its first paint
  EXPECT_TRUE(f.s.SettingsSent);
  for (const auto& box : f.host.boxes) ADD_FAILURE() << box.title << ": " << box.text;
  ASSERT_GE(f.host.shownForms.size(), 2u);
  EXPECT_EQ(f.host.shownForms.front(), "Splash");
  EXPECT_FALSE(f.host.IsShown("Splash"));
  EXPECT_TRUE(f.host.IsShown("Dru71Set"));
  EXPECT_EQ(f.host.pointerHistory.front(), forms::Pointer::Hourglass);
}

TEST(Main, TangentialVariantAlsoAsksForTheKnife) {
  AppFixture f(32, 50);
  Fresh(f);
  f.WriteIniText("32 1 0\r\n");
  ASSERT_TRUE(f.host.Run([&] { Main(f.app); }));
  EXPECT_EQ(f.device.Received(), "!IC@!IC@!DD@!TD@");
}

TEST(Main, RegionalMeasurementPicksTheUnits) {
  for (int iMeasure : {0, 1}) {
    AppFixture f;
    Fresh(f);
    f.app.regional.iMeasure = iMeasure;
    ASSERT_TRUE(f.host.Run([&] { Main(f.app); }));
    EXPECT_EQ(f.s.MetricUnits, iMeasure == 0);
  }
}

struct FailCase {
  const char* name;
  void (*apply)(sim::Faults&);
  size_t boxesBeforeSetup;  // the read-out's own "Wrong number" box is not a time-out box
};

class FailedConnection : public ::testing::TestWithParam<FailCase> {};

TEST_P(FailedConnection, OpensSetupWithoutATimeOutBoxAndWorksFromDefaultsWhenAbsent) {
  AppFixture f;
  Fresh(f);
  GetParam().apply(f.device.faults);
  f.WriteIniText("32 1 0\r\n");
  bool setupShown = false;
  f.host.modalOperators["Config"] = [&](forms::Form& form) {
    setupShown = true;
    EXPECT_EQ(form.Caption(), "Taskhelm Setup");
    EXPECT_EQ(f.host.boxes.size(), GetParam().boxesBeforeSetup);  // the failed queries were quiet
    auto& config = static_cast<Config&>(form);
    config.PresentChk.SetValue(0);
    config.ConfigOK.Press();
  };
  ASSERT_TRUE(f.host.Run([&] { Main(f.app); }));
  EXPECT_TRUE(setupShown);
  EXPECT_FALSE(f.s.PlotterPresent);
  EXPECT_EQ(f.s.ForceMax, 200);  // the model's defaults
  EXPECT_TRUE(f.host.IsShown("Dru71Set"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedConnection,
    // An identification of 32..42 is taken as the model at start-up; 20 names no cutter.
    ::testing::Values(FailCase{"Silent", [](sim::Faults& x) { x.silent = true; }, 0},
                      FailCase{"WrongModel", [](sim::Faults& x) { x.wrongModelId = 20; }, 0},
                      FailCase{"ShortDump", [](sim::Faults& x) { x.shortDump = true; }, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Main, CancelInSetupEndsTheProgramAndClosesThePort) {
  AppFixture f;
  Fresh(f);
  f.device.faults.silent = true;
  f.host.modalOperators["Config"] = [](forms::Form& form) {
    static_cast<Config&>(form).ConfigCancel.Press();
  };
  EXPECT_FALSE(f.host.Run([&] { Main(f.app); }));
  EXPECT_FALSE(f.line.IsOpen());
  EXPECT_FALSE(f.host.IsShown("Dru71Set"));
}

TEST(Main, UnreadableIniFileShowsItsErrorThenSetup) {
  AppFixture f;
  Fresh(f);
  f.WriteIniText("garbage\r\n");
  bool setupShown = false;
  f.host.modalOperators["Config"] = [&](forms::Form& form) {
    setupShown = true;
    static_cast<Config&>(form).ConfigOK.Press();
  };
  ASSERT_TRUE(f.host.Run([&] { Main(f.app); }));
  EXPECT_TRUE(setupShown);
  ASSERT_FALSE(f.host.boxes.empty());
  EXPECT_EQ(f.host.boxes[0].text.rfind("Error reading INI file - Creating default file", 0), 0u);
}

}  // namespace
}  // namespace taskhelm
