// The pen-plotter window as the Qt front end shows it: caption, menus, the sensor or frame
// alignment frame of each model, in both editions and both unit systems, with no caption, value
// or hint cut off and no control lying over another. Pictures of models 33 and 41 are saved for
// a person to look at.
#include <QMenuBar>

#include "penplotter/P870Set.h"
#include "startup/ModelWindows.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowChecks.h"

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

TEST_P(PenPlotterWindow, ShowsTheModelsCaptionMenusAndFramesWithNothingCutOff) {
  const PenCase& c = GetParam();
  QtProgram program(c.model, c.model, c.edition);
  taskhelm::SharedState& s = program.s;
  s.MetricUnits = c.metric;
  if (c.largest) {
    s.PanelSizeX = s.PanelMaxX;
    s.PanelSizeY = s.PanelMaxY;
    s.FrameGap = -1000;
    s.ForceMin = s.ForceMax = 275;
    s.PenUpDelay = 250;
  }
  s.DeviceSettingsRead = true;  // as start-up's connection leaves it
  program.host.Enter([&] { taskhelm::ShowModelWindow(program.app); });
  auto& form = program.app.Window<taskhelm::P870Set>();
  qtui::FormWindow* window = program.host.WindowOf(form);
  ASSERT_NE(window, nullptr);
  window->Refresh();

  EXPECT_EQ(window->windowTitle().toStdString(), c.caption);
  std::vector<std::string> menus;
  for (QAction* menu : window->menuBar()->actions()) menus.push_back(menu->text().toStdString());
  EXPECT_EQ(menus.size(), 7u);
  EXPECT_EQ(form.Frame3D10.Caption(), c.sensorFrame);
  const bool marks = c.model == 33 || c.model == 40;
  EXPECT_EQ(window->WidgetOf(form.MarkAllButton)->isVisibleTo(window), marks);
  EXPECT_TRUE(window->WidgetOf(form.Gap)->isVisibleTo(window));
  ExpectNothingCutOff(program.host, form);
  SaveScreenshot(program.host, form, form.StatusBar, c.screenshot);
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
