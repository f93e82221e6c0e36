// The pen-plotter window as the Qt front end shows it: caption, menus, the sensor or frame
// alignment frame of each model, in both editions and both unit systems, with no caption, value
// or hint cut off and no control lying over another; the factory-defaults box is an information
// box. Pictures of models 33 and 41 and of their factory-defaults boxes are saved for a person to
// look at.
#include <QTest>

#include "penplotter/P870Set.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"

namespace qtui_tests {
namespace {

using E = texts::Edition;

struct PenCase {
  int model;
  E edition;
  bool metric;
  bool largest;  // every size at its extreme: the widest numbers the boxes show
  const char* caption;
  const char* sensorFrame;
  const char* screenshot;  // saved as <build>/screenshots/<name>.png; nullptr: none
};

void PrintTo(const PenCase& c, std::ostream* os) {
  *os << c.model << (c.edition == E::Spanish ? " es" : " en") << (c.metric ? " metric" : " english")
      << (c.largest ? " largest" : "");
}

class PenPlotterWindow : public ::testing::TestWithParam<PenCase> {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

// Every setting at the extreme that shows the widest number in its box.
void SetWidestValues(taskhelm::SharedState& s) {
  s.PanelSizeX = s.PanelMaxX;
  s.PanelSizeY = s.PanelMaxY;
  s.FrameGap = -1000;
  s.ForceMin = s.ForceMax = 275;
  s.PenUpDelay = 250;
}

TEST_P(PenPlotterWindow, ShowsTheModelsCaptionMenusAndFramesWithNothingCutOff) {
  ForEachDesktopFont([&] {
    const PenCase& c = GetParam();
    QtProgram program(c.model, c.model, c.edition, c.metric ? Units::Metric : Units::English);
    if (c.largest) SetWidestValues(program.s);
    auto& form = ShowModelWindowAfterConnecting<taskhelm::P870Set>(program);
    qtui::FormWindow* window = program.host.WindowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(MenuCaptions(*window).size(), 7u);
    EXPECT_EQ(form.Frame3D10.Caption(), c.sensorFrame);
    const bool marks = c.model == 33 || c.model == 40;
    EXPECT_EQ(window->WidgetOf(form.MarkAllButton)->isVisibleTo(window), marks);
    EXPECT_TRUE(window->WidgetOf(form.Gap)->isVisibleTo(window));
    EXPECT_EQ(form.MetricButton.Value(), c.metric);
    ExpectNothingCutOff(program.host, form);
    SaveScreenshot(program.host, form, form.StatusBar, c.screenshot);
    EXPECT_EQ(FactoryBoxIcon(program.host, *window, form.DsplyFactCom, c.screenshot),
              QMessageBox::Information);
  });
}

// Opened in metric units, the window gives the focus to the Metric button and its focus frame
// shows: the hint line is the metric one and Space keeps the units.
TEST_F(PenPlotterWindow, OpenedInMetricFocusesTheMetricButton) {
  QtProgram program(33, 33, E::English, Units::Metric);
  auto& form = ShowModelWindowAfterConnecting<taskhelm::P870Set>(program);
  qtui::FormWindow* window = program.host.WindowOf(form);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
  QWidget* metric = window->WidgetOf(form.MetricButton);
  EXPECT_EQ(window->focusWidget(), metric);
  const QImage focused = metric->grab().toImage();
  program.host.Enter([&] { form.PanelX.SetFocus(); });
  window->Refresh();
  EXPECT_NE(metric->grab().toImage(), focused) << "no focus frame on the Metric button";
  program.host.Enter([&] { form.MetricButton.SetFocus(); });
  window->Refresh();
  QTest::keyClick(window->focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(form.MetricButton.Value());
  EXPECT_TRUE(program.s.MetricUnits);
  EXPECT_EQ(form.StatusBar.Text(), "Set plotter options in centimeters and millimeters.");
}

INSTANTIATE_TEST_SUITE_P(
    Models, PenPlotterWindow,
    ::testing::Values(
        PenCase{33, E::English, false, false, "Plotter 870 Kr Taskhelm", "Sensor Options",
                "penplotter-33"},
        PenCase{41, E::English, false, false, "Plotter 36 KrV Taskhelm", "Frame Alignment",
                "penplotter-41"},
        PenCase{33, E::Spanish, true, true, "Ploter 870 Kr Taskhelm", "Opciones del Sensor",
                "penplotter-33-es-metric"},
        PenCase{34, E::English, true, true, "Plotter 36 Kr Taskhelm", "Frame Alignment", nullptr},
        PenCase{34, E::Spanish, false, true, "Ploter 36 Kr Taskhelm", "Alineamiento de Ventanas",
                nullptr},
        PenCase{40, E::English, true, true, "Plotter 870 KrV Taskhelm", "Sensor Options",
                nullptr},
        PenCase{40, E::Spanish, false, true, "Ploter 870 KrV Taskhelm", "Opciones del Sensor",
                nullptr},
        PenCase{41, E::Spanish, true, true, "Ploter 36 KrV Taskhelm", "Alineamiento de Ventanas",
                nullptr}),
    [](const auto& info) {
      const PenCase& c = info.param;
      return std::to_string(c.model) + (c.edition == E::Spanish ? "Es" : "En") +
             (c.metric ? "Metric" : "English") + (c.largest ? "Largest" : "");
    });

}  // namespace
}  // namespace qtui_tests
