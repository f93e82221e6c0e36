// The Calibrate item is the settings-window frame's: the rules of each twin decide the tractor
// question, whether unsent settings stop it, and which port its open failure names. Two stand-in
// twins carry the roll-feed and pen-plotter rules.
#include <gtest/gtest.h>

#include "cutter/SettingsWindow.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/cutter/CutterHarness.h"

namespace calibration_tests {
namespace {

using cutter_tests::Cutter;
using cutter_tests::CutterHarness;
using forms::MsgAnswer;
using taskhelm::SettingsWindowRules;
using taskhelm::SharedState;

const SettingsWindowRules kRollFeedRules{
    .errorTitle = "Plotter Error",
    .errorPort = &SharedState::PortName,
    .permanentReadBackDelayMs = 0,
    .temporarySettleMs = 4000,
    .wording = taskhelm::DeviceWording::Cutter,
    .versionBox = taskhelm::VersionBox::BothAnswered,
    .memoryReplyKept = 8,
    .bladeHolderReplyLength = 4,
    .unsentCalibration = taskhelm::UnsentCalibration::Refused,
};

const SettingsWindowRules kPenPlotterRules{
    .errorTitle = "Plotter Error",
    .errorPort = &SharedState::PortName,
    .permanentReadBackDelayMs = 0,
    .temporarySettleMs = 0,
    .wording = taskhelm::DeviceWording::Plotter,
    .versionBox = taskhelm::VersionBox::SoftwareAnswered,
    .memoryReplyKept = 10,
    .bladeHolderReplyLength = 2,
    .calibrateOpenPort = &SharedState::PortName,
};

class StandInTwin : public taskhelm::SettingsWindow {
 public:
  StandInTwin(taskhelm::App& app, const SettingsWindowRules& rules)
      : SettingsWindow(app, "StandInTwin", rules) {
    Wording.UpdateTitle = "Update Plotter";
  }

 protected:
  std::string SettingsCommand(taskhelm::SendMode) override { return "!HO UD@"; }
  void ShowSettings() override {}
  taskhelm::FieldSet& Fields() override { return fields_; }
  std::string HelpFileName() const override { return {}; }
  std::span<const taskhelm::UnitLabelRow> UnitLabels() const override { return {}; }

 private:
  taskhelm::FieldSet fields_{app, *this, StatusBar, {}};
};

TEST(CalibrateRules, UnsentSettingsAndTheTractorQuestionByTwin) {
  struct Row {
    const char* name;
    const SettingsWindowRules* rules;
    bool sent;
    int16_t tractor;
    MsgAnswer answer;
    const char* titles;
    bool opened;
  };
  const Row rows[] = {
      {"roll-feed, update declined", &kRollFeedRules, false, 0, MsgAnswer::No, "Update Plotter",
       false},
      {"roll-feed, updated", &kRollFeedRules, false, 0, MsgAnswer::Yes, "Update Plotter", true},
      {"pen plotter, update declined", &kPenPlotterRules, false, 0, MsgAnswer::No,
       "Update Plotter", true},
      {"no tractor question", &kPenPlotterRules, true, 1, MsgAnswer::No, "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CutterHarness h(Cutter(32));
    StandInTwin twin(h.f.app, *row.rules);
    h.f.s.SettingsSent = row.sent;
    h.f.s.TractorFeed = row.tractor;
    h.f.host.boxes.clear();
    h.f.host.answers = {row.answer};
    h.f.host.Run([&] { twin.CalPltrCom.Choose(); });
    EXPECT_EQ(BoxTitles(h.f.host), row.titles);
    EXPECT_EQ(h.f.host.shownForms.back() == "Calib", row.opened);
  }
}

// On the parallel port the cutter and roll-feed windows name the port they tried, the
// pen-plotter window the configured port name ("COM0"). The port is lost while the operator
// answers the question before it.
TEST(CalibrateRules, AFailedOpenNamesThePortOfTheWindow) {
  struct Row {
    const char* name;
    const SettingsWindowRules* rules;  // nullptr: the cutter window itself
    const char* text;
  };
  const Row rows[] = {
      {"cutter", nullptr, "Could not open LPT1"},
      {"pen plotter", &kPenPlotterRules, "Could not open COM0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CutterHarness h(Cutter(32));
    h.f.UseParallelPort(1);
    h.f.parlink.replies = {"32\r"};
    h.f.s.SettingsSent = !row.rules;
    h.f.s.TractorFeed = row.rules ? 0 : 1;  // the cutter's question comes from the tractor
    h.f.host.answers = {row.rules ? MsgAnswer::No : MsgAnswer::Yes};
    h.f.host.onBox = [&](const testing_support::ShownBox&) {
      h.f.host.onBox = nullptr;
      h.f.app.port.CloseLptPort();
      h.f.parlink.openResult = -2;
    };
    std::unique_ptr<StandInTwin> twin;
    if (row.rules) twin = std::make_unique<StandInTwin>(h.f.app, *row.rules);
    forms::MenuItem& item = twin ? twin->CalPltrCom : h.Window().CalPltrCom;
    h.f.host.Run([&] { item.Choose(); });
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, row.text);
    EXPECT_EQ(h.f.host.LastBox()->title, "ERROR");
    EXPECT_NE(h.f.host.shownForms.back(), "Calib");
  }
}

}  // namespace
}  // namespace calibration_tests
