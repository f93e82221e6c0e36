// The roll-feed window as the Qt front end shows it, in both editions and both unit systems:
// no caption, value or hint cut off and no control lying over another; its factory-defaults box
// is an information box. The first case saves pictures of the window and that box for a person
// to look at.
#include <QMenuBar>

#include "rollfeed/StoogMoa.h"
#include "startup/ModelWindows.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"
#include "tests/support/CaseName.h"

namespace qtui_tests {
namespace {

struct RollFeedCase {
  texts::Edition edition;
  bool metric;
  bool largest;  // every size at its widest: the longest numbers the boxes show
  const char* screenshot;
};

void PrintTo(const RollFeedCase& c, std::ostream* os) {
  *os << (c.edition == texts::Edition::Spanish ? "es" : "en") << (c.metric ? " metric" : " english")
      << (c.largest ? " largest" : "");
}

class RollFeedWindow : public ::testing::TestWithParam<RollFeedCase> {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

TEST_P(RollFeedWindow, ShowsEveryCaptionValueAndHintWhole) {
  ForEachDesktopFont([&] {
    const RollFeedCase& c = GetParam();
    QtProgram program(35, 35, c.edition);
    taskhelm::SharedState& s = program.s;
    s.MetricUnits = c.metric;
    if (c.largest) {
      program.WidestSizes();
      s.FrameGap = -1000;
    }
    s.DeviceSettingsRead = true;  // as start-up's connection leaves it
    program.host.Enter([&] { taskhelm::ShowModelWindow(program.app); });
    auto& form = program.app.Window<taskhelm::StoogMoa>();
    qtui::FormWindow* window = program.host.WindowOf(form);
    ASSERT_NE(window, nullptr);
    window->Refresh();
    EXPECT_EQ(window->windowTitle().toStdString(), "MarveskK Plotter/Cutter Taskhelm");
    EXPECT_EQ(window->menuBar()->actions().size(), 7);
    for (const forms::Control* frame : {&form.Frame3D11, &form.Frame2, &form.Frame3D9})
      EXPECT_TRUE(window->WidgetOf(*frame)->isVisibleTo(window)) << frame->Name();
    ExpectNothingCutOff(program.host, form);
    // Each feed option shows its own fields whole too.
    for (forms::OptionButton* option : {&form.RollButton, &form.RollUnButton}) {
      program.host.Enter([&] { option->SetValue(true); });
      ExpectNothingCutOff(program.host, form);
    }

    program.host.Enter([&] { form.CutButton.SetValue(true); });
    SaveScreenshot(program.host, form, form.StatusBar, c.screenshot);
    EXPECT_EQ(FactoryBoxIcon(program.host, *window, form.DsplyFactCom, c.screenshot),
              QMessageBox::Information);
  });
}

using E = texts::Edition;
INSTANTIATE_TEST_SUITE_P(Model35, RollFeedWindow,
                         ::testing::Values(RollFeedCase{E::English, false, false, "rollfeed-35"},
                                           RollFeedCase{E::English, true, true, nullptr},
                                           RollFeedCase{E::Spanish, false, true, nullptr},
                                           RollFeedCase{E::Spanish, true, true, nullptr}),
    testing_support::PrintedCaseName());

}  // namespace
}  // namespace qtui_tests
