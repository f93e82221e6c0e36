#pragma once
// What the Qt tests of the program's windows share: the program on the Qt host, and the check that
// a window shows every caption, value and hint whole with no control lying over another.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "qtui/FormWindow.h"
#include "qtui/QtHost.h"
#include "sim/Device.h"
#include "sim/SimSerialLine.h"
#include "startup/App.h"
#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"
#include "tests/qtui/TitleWidth.h"
#include "tests/support/FakeParlink.h"

namespace qtui_tests {

// The program on the Qt host, on the parallel port (the scripted library answers at once), with
// the device not yet asked. The unit system is known before the model's defaults, as at start-up:
// the pen plotters' defaults already load their window.
enum class Units { English, Metric };
struct QtProgram {
  QtProgram(int model, int id, texts::Edition edition, Units units = Units::English)
      : device(model, id),
        line(device, clock),
        app(taskhelm::Platform{host, clock, line, parlink, platform::Regional{},
                               folder.path().toStdString(), edition}),
        s(app.s) {
    taskhelm::InitModelTable(app);
    s.MetricUnits = units == Units::Metric;
    s.ModelCode = static_cast<int16_t>(model);
    s.DeviceId = static_cast<int16_t>(id);
    s.PlotterPresent = true;
    s.PortName = "COM0";
    s.LptPortName = "LPT1";
    s.LptNumber = 1;
    taskhelm::ApplyModelProfile(app);
    taskhelm::SetModelDefaults(app);
  }

  // Every size at its largest: the widest numbers the boxes show.
  void WidestSizes() {
    s.PanelSizeX = s.PanelMaxX;
    s.PanelSizeY = s.PanelMaxY;
    s.LoopSizeSetting = 838000;
    s.TagboardOn = 1;
    s.CutLengthSetting = s.BlankLengthSetting = 5000;
  }

  qtui::QtHost host;
  platform::SystemClock clock;
  sim::Device device;
  sim::SimSerialLine line;
  testing_support::FakeParlink parlink;
  QTemporaryDir folder;
  taskhelm::App app;
  taskhelm::SharedState& s;
};

// A table row's window: the one instance of W.
using WindowGetter = std::function<forms::Form&(taskhelm::App&)>;
template <class W>
WindowGetter WindowOf() {
  return [](taskhelm::App& app) -> forms::Form& { return app.Window<W>(); };
}

// Shows the window modeless as its opener does, over the port the opener holds open; nullptr
// when the showing did not come back.
inline forms::Form* ShowOverOpenPort(QtProgram& program, const WindowGetter& window) {
  forms::Form* form = nullptr;
  program.host.Enter([&] {
    program.app.port.OpenPort();
    form = &window(program.app);
    form->Show(forms::ShowMode::Modeless);
  });
  return form;
}

// The most a window may leave empty below its lowest control, in layout pixels.
constexpr int kEmptyBandLimit = 16;

// What a widget needs to show its caption or value whole.
inline int NeededWidth(QWidget& widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(&widget))
    return edit->fontMetrics().horizontalAdvance(edit->text()) + 10;  // frame and text margins
  if (qobject_cast<QGroupBox*>(&widget)) return widget.minimumSizeHint().width();
  if (qobject_cast<QLabel*>(&widget) || qobject_cast<QCheckBox*>(&widget) ||
      qobject_cast<QRadioButton*>(&widget) || qobject_cast<QPushButton*>(&widget))
    return widget.sizeHint().width();
  return 0;
}

// The window's title, every shown caption and value fit, no control lies over another of its
// container, and every hint the controls write fits the box it is written to.
inline void ExpectNothingCutOff(qtui::QtHost& host, forms::Form& form) {
  qtui::FormWindow& window = *host.WindowOf(form);
  window.Refresh();
  if (!form.Borderless()) {
    EXPECT_GE(window.width(), WholeTitleWidth(window)) << form.Name() << " cuts off its title";
  }
  std::vector<std::pair<const forms::Control*, QWidget*>> visible;
  for (forms::Control* control : form.Controls()) {
    QWidget* widget = window.WidgetOf(*control);
    if (widget && widget->isVisibleTo(&window)) visible.emplace_back(control, widget);
  }
  for (const auto& [control, widget] : visible)
    EXPECT_LE(NeededWidth(*widget), widget->width()) << control->Name() << " cuts off its text";

  // A control inside a frame stays inside the frame's border.
  for (const auto& [control, widget] : visible) {
    QWidget* parent = widget->parentWidget();
    if (parent != window.centralWidget()) {
      EXPECT_TRUE(parent->rect().adjusted(1, 1, -1, -1).contains(widget->geometry()))
          << control->Name() << " reaches past its frame";
    }
  }

  // No band across the window is left empty by controls its model hides, above the hint line or
  // below everything. (A pixel more where the window's scale rounds two edges apart.)
  std::vector<std::pair<int, int>> spans;  // the heights the window's own controls cover
  for (const auto& [control, widget] : visible)
    if (widget->parentWidget() == window.centralWidget())
      spans.emplace_back(widget->geometry().top(), widget->geometry().bottom() + 1);
  std::sort(spans.begin(), spans.end());
  const double limit = kEmptyBandLimit * window.LayoutScale() + 1;
  int covered = spans.empty() ? 0 : spans.front().first;  // the top margin is the window's own
  for (const auto& [top, bottom] : spans) {
    EXPECT_LE(top - covered, limit) << form.Name() << " has an empty band above " << top;
    covered = std::max(covered, bottom);
  }
  EXPECT_LE(window.centralWidget()->height() - covered, limit)
      << form.Name() << " ends in an empty band";

  for (size_t i = 0; i < visible.size(); ++i)
    for (size_t j = i + 1; j < visible.size(); ++j) {
      QWidget* a = visible[i].second;
      QWidget* b = visible[j].second;
      if (a->parentWidget() != b->parentWidget()) continue;
      EXPECT_FALSE(a->geometry().intersects(b->geometry()))
          << visible[i].first->Name() << " lies over " << visible[j].first->Name();
    }

  for (const auto& [control, widget] : visible)
    for (const auto& event : {control->GotFocus, control->MouseMove}) {
      if (!event) continue;
      host.Enter([&] { event(); });
      window.Refresh();
      for (const auto& [box, boxWidget] : visible) {
        if (!qobject_cast<QLineEdit*>(boxWidget)) continue;
        EXPECT_LE(NeededWidth(*boxWidget), boxWidget->width())
            << control->Name() << "'s hint in " << box->Name();
      }
    }
}

// The folder beside the build's programs where the tests save pictures (ctest names it), or
// nothing when the test runs without it. A run at another display scale has a folder of its own.
inline std::optional<std::filesystem::path> ScreenshotFolder() {
  const char* bin = std::getenv("TASKHELM_BIN");
  if (!bin) return std::nullopt;
  std::filesystem::path folder = std::filesystem::path(bin).parent_path() / "screenshots";
  if (const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR"); !scale.isEmpty())
    folder /= "scale-" + scale.toStdString();
  std::filesystem::create_directories(folder);
  return folder;
}

// What the pictures of the desktop font in use add to their names ("-12pt"; none at the first).
inline std::string& FontSuffix() {
  static std::string suffix;
  return suffix;
}

// Where a picture of that name goes, or nothing when the test runs without the folder.
inline std::optional<std::string> ScreenshotPath(const std::string& name) {
  const auto folder = ScreenshotFolder();
  if (!folder) return std::nullopt;
  return (*folder / (name + FontSuffix() + ".png")).string();
}

// Runs a check under each desktop font size the windows must fit: the desktop's own family at
// 9 to 12 points. The windows take the font that is in force when they are made.
inline void ForEachDesktopFont(const std::function<void()>& check) {
  const QFont desktop = QApplication::font();
  for (int points : {9, 10, 11, 12}) {
    SCOPED_TRACE(std::to_string(points) + " pt");
    QFont font = desktop;
    font.setPointSize(points);
    QApplication::setFont(font);
    FontSuffix() = points == 9 ? "" : "-" + std::to_string(points) + "pt";
    check();
  }
  FontSuffix().clear();
  QApplication::setFont(desktop);
}

// Start-up's last step: the model's window shown over the settings its connection just read.
template <class W, class Program>
W& ShowModelWindowAfterConnecting(Program& program) {
  program.s.DeviceSettingsRead = true;
  program.host.Enter([&] { taskhelm::ShowModelWindow(program.app); });
  W& form = program.app.template Window<W>();
  if (qtui::FormWindow* window = program.host.WindowOf(form)) window->Refresh();
  return form;
}

inline std::vector<std::string> MenuCaptions(qtui::FormWindow& window) {
  std::vector<std::string> menus;
  for (QAction* menu : window.menuBar()->actions()) menus.push_back(menu->text().toStdString());
  return menus;
}

// Saves a picture of a settings window, its hint line cleared, in the screenshot folder.
inline void SaveScreenshot(qtui::QtHost& host, forms::Form& form, forms::TextBox& statusBar,
                           const char* name) {
  const auto path = name ? ScreenshotPath(name) : std::nullopt;
  if (!path) return;
  host.Enter([&] { statusBar.SetText(" "); });
  EXPECT_TRUE(host.SaveScreenshot(form, *path));
}

// Chooses Factory Defaults from the window's menu bar and gives the icon of the box it shows,
// saving a picture of the box as <name>-factory when a name is given.
inline QMessageBox::Icon FactoryBoxIcon(qtui::QtHost& host, qtui::FormWindow& window,
                                        const forms::MenuItem& factoryItem, const char* name) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  const auto folder = ScreenshotFolder();
  host.runMessageBox = [&](QMessageBox& box) {
    box.show();
    icon = box.icon();
    if (name && folder) {
      const std::string path = (*folder / name).string() + "-factory.png";
      EXPECT_TRUE(box.grab().save(QString::fromStdString(path), "PNG"));
    }
    box.hide();
    return QMessageBox::Ok;
  };
  window.ActionOf(factoryItem)->trigger();
  return icon;
}

}  // namespace qtui_tests
