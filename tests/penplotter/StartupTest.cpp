// Start-up on a pen plotter: the traffic, the window it shows, and the Setup road to it.
#include <gtest/gtest.h>

#include <algorithm>

#include "penplotter/P870Set.h"
#include "setup/Config.h"
#include "startup/Main.h"
#include "tests/support/AppFixture.h"

namespace penplotter_tests {
namespace {

using testing_support::AppFixture;

TEST(PenPlotterStartup, IdentifiesReadsWithTheMarkSkipAndShowsTheWindow) {
  struct Case {
    int model;
    const char* traffic;
  };
  for (const Case& c : {Case{33, "!IC@!IC@!DD@!FS@"}, Case{40, "!IC@!IC@!DD@!FS@"},
                        Case{34, "!IC@!IC@!DD@"}, Case{41, "!IC@!IC@!DD@"}}) {
    SCOPED_TRACE(c.model);
    AppFixture f(c.model);
    f.s = taskhelm::SharedState{};
    f.device.Settings().MarkSkip = 3;
    f.WriteIniText(std::to_string(c.model) + " 1 0\r\n");
    ASSERT_TRUE(f.host.Run([&] { taskhelm::Main(f.app); }));
    EXPECT_EQ(f.device.Received(), c.traffic);
    for (const auto& box : f.host.boxes) ADD_FAILURE() << box.title << ": " << box.text;
    EXPECT_TRUE(f.host.IsShown("P870Set"));
    EXPECT_TRUE(f.s.SettingsSent) << "the settings read are the device's";
    auto& w = f.app.Window<taskhelm::P870Set>();
    EXPECT_FALSE(w.SensorEnable.Visible());
    if (c.model == 33 || c.model == 40) {
      EXPECT_TRUE(w.Mark4thButton.Value());
    }
  }
}

TEST(PenPlotterStartup, SetupChoosingAPenPlotterShowsItsWindow) {
  AppFixture f(41);
  f.s = taskhelm::SharedState{};
  f.WriteIniText("32 1 0\r\n");  // a cutter is configured, a pen plotter answers
  f.device.faults.wrongModelId = 20;
  f.host.modalOperators["Config"] = [&](forms::Form& form) {
    f.device.faults.wrongModelId.reset();
    auto& config = static_cast<taskhelm::Config&>(form);
    const auto& items = config.PlotterList.Items();
    const auto it = std::find(items.begin(), items.end(), "Plotter 36 KrV ");
    ASSERT_NE(it, items.end());
    config.PlotterList.SetListIndex(static_cast<int>(it - items.begin()));
    config.ConfigOK.Press();
  };
  ASSERT_TRUE(f.host.Run([&] { taskhelm::Main(f.app); }));
  EXPECT_TRUE(f.host.IsShown("P870Set"));
  EXPECT_FALSE(f.host.IsShown("Dru71Set"));
  EXPECT_EQ(f.app.Window<taskhelm::P870Set>().Caption(), "Plotter 36 KrV Taskhelm");
}

}  // namespace
}  // namespace penplotter_tests
