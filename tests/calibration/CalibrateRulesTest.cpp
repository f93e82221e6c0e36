// The Calibrate item is the settings-window frame's: each window's rules decide the tractor
// question, whether unsent settings stop it, and which port its open failure names.
#include <gtest/gtest.h>

#include "cutter/Dru71Set.h"
#include "penplotter/P870Set.h"
#include "rollfeed/StoogMoa.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/support/SettingsWindowHarness.h"

namespace calibration_tests {
namespace {

using forms::MsgAnswer;
using taskhelm::App;
using taskhelm::SettingsWindow;
using testing_support::SettingsWindowHarness;
using testing_support::StartedOn;

template <class W>
SettingsWindow& WindowOf(App& app) {
  return app.Window<W>();
}

struct Row {
  const char* name;
  int model;
  SettingsWindow& (*window)(App&);
  bool sent;
  int16_t tractor;
  MsgAnswer answer;
  const char* titles;
  bool opened;
};

TEST(CalibrateRules, UnsentSettingsAndTheTractorQuestionByWindow) {
  const Row rows[] = {
      {"roll-feed, update declined", 35, WindowOf<taskhelm::StoogMoa>, false, 0, MsgAnswer::No,
       "Update MarveskK ", false},
      {"roll-feed, updated", 35, WindowOf<taskhelm::StoogMoa>, false, 0, MsgAnswer::Yes,
       "Update MarveskK ", true},
      {"pen plotter, update declined", 33, WindowOf<taskhelm::P870Set>, false, 0, MsgAnswer::No,
       "Update Plotter", true},
      {"pen plotter, no tractor question", 33, WindowOf<taskhelm::P870Set>, true, 1,
       MsgAnswer::No, "", true},
      {"cutter, tractor declined", 32, WindowOf<taskhelm::Dru71Set>, true, 1, MsgAnswer::No,
       "Tractor Calibration", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SettingsWindowHarness h(StartedOn(row.model));
    SettingsWindow& window = row.window(h.f.app);
    h.f.s.SettingsSent = row.sent;
    h.f.s.TractorFeed = row.tractor;
    h.f.host.answers = {row.answer};
    h.f.host.Run([&] { window.CalPltrCom.Choose(); });
    EXPECT_EQ(BoxTitles(h.f.host), row.titles);
    EXPECT_EQ(!h.f.host.shownForms.empty() && h.f.host.shownForms.back() == "Calib", row.opened);
  }
}

// On the parallel port the windows name the port they tried, not "COM0" (the pen plotter's too).
// The port is lost while the operator answers the question before it: the cutter's tractor
// question, the pen plotter's update question.
TEST(CalibrateRules, AFailedOpenNamesThePortTried) {
  struct Case {
    int model;
    SettingsWindow& (*window)(App&);
    bool sent;
    int16_t tractor;
    MsgAnswer answer;
  };
  const Case cases[] = {{32, WindowOf<taskhelm::Dru71Set>, true, 1, MsgAnswer::Yes},
                        {33, WindowOf<taskhelm::P870Set>, false, 0, MsgAnswer::No}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    SettingsWindowHarness h(StartedOn(c.model));
    SettingsWindow& window = c.window(h.f.app);
    h.f.UseParallelPort(1);
    h.f.parlink.replies = {std::to_string(h.f.device.Id()) + "\r"};
    h.f.s.SettingsSent = c.sent;
    h.f.s.TractorFeed = c.tractor;
    h.f.host.answers = {c.answer};
    h.f.host.onBox = [&](const testing_support::ShownBox&) {
      h.f.host.onBox = nullptr;
      h.f.app.port.CloseLptPort();
      h.f.parlink.openResult = -2;
    };
    h.f.host.boxes.clear();
    h.f.host.Run([&] { window.CalPltrCom.Choose(); });
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, "Could not open LPT1");
    EXPECT_EQ(h.f.host.LastBox()->title, "ERROR");
    EXPECT_TRUE(h.f.host.shownForms.empty() || h.f.host.shownForms.back() != "Calib");
  }
}

}  // namespace
}  // namespace calibration_tests
