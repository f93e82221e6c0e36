// The calibration and adjustment windows as the Qt front end shows them, in both editions and in
// the states that show their longest texts: nothing cut off, nothing lying over another control.
// Saves a picture of each, English and Spanish, for a person to look at. Closed and opened again,
// each is a new window for the model of now.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/Openers.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "startup/ConnectDevice.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SerialProgram.h"
#include "tests/qtui/WindowCheck.h"

namespace qtui_tests {
namespace {

using E = texts::Edition;

class CalibrationWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

// Each window shown modeless with what it needs to read; `widest` puts it in its longest state.
struct WindowRow {
  const char* name;
  std::deque<std::string> replies;  // what the parallel port answers as the window loads
  WindowGetter window;
  std::function<void(forms::Form&)> widest;
};

TEST_F(CalibrationWindows, ShowNothingCutOff) {
  ForEachDesktopFont([&] {
    const WindowRow rows[] = {
        {"Calib", {},
         [](taskhelm::App& app) -> forms::Form& { return app.Window<taskhelm::Calib>(); },
         [](forms::Form& form) {
           auto& w = static_cast<taskhelm::Calib&>(form);
           w.DispatchKeyDown(&w.CalDone, 'K', forms::AltKey);  // the carriage button and status
           w.XMeas.SetText("101.25");
         }},
        {"CarrCalib", {"32\r", "5000,250,255,50\r"},
         [](taskhelm::App& app) -> forms::Form& { return app.Window<taskhelm::CarrCalib>(); },
         [](forms::Form&) {}},
        {"SensorCal", {"-123,-123,-123,-123\r", "-999,-999\r"},
         [](taskhelm::App& app) -> forms::Form& { return app.Window<taskhelm::SensorCal>(); },
         [](forms::Form&) {}},
        {"PenAdj", {"1000,1000,1000,1000,1000,1000,1000,1000\r", "5000,250\r"},
         [](taskhelm::App& app) -> forms::Form& { return app.Window<taskhelm::PenAdj>(); },
         [](forms::Form&) {}},
        {"CornerForm", {},
         [](taskhelm::App& app) -> forms::Form& { return app.Window<taskhelm::CornerForm>(); },
         [](forms::Form&) {}},
        {"FilterForm", {"1\r"},
         [](taskhelm::App& app) -> forms::Form& {
           auto& w = app.Window<taskhelm::FilterForm>();
           w.UpdateFilter();
           return w;
         },
         [](forms::Form&) {}},
    };
    for (E edition : {E::English, E::Spanish}) {
      for (const WindowRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + (edition == E::Spanish ? " Spanish" : " English"));
        QtProgram program(32, 50, edition);
        program.s.XScaleCal = program.s.YScaleCal = 1.002506f;
        program.parlink.replies = row.replies;
        forms::Form* form = ShowOverOpenPort(program, row.window);
        ASSERT_NE(form, nullptr);
        program.host.Enter([&] { row.widest(*form); });
        ExpectNothingCutOff(program.host, *form);
        const std::string name = std::string(row.name) + (edition == E::Spanish ? "-es" : "");
        if (const auto path = ScreenshotPath(name)) {
          EXPECT_TRUE(program.host.SaveScreenshot(*form, *path));
        }
        for (const std::string& missing : program.app.T.Missing())
          ADD_FAILURE() << "no Spanish for: " << missing;
      }
    }
  });
}

// A model change is another device plugged in and chosen in Setup.
class ReopenedWindows : public SerialProgramTest {
 protected:
  ReopenedWindows() {
    taskhelm::InitModelTable(app);
    app.s.PortName = "COM1";
    app.s.PlotterPresent = true;
    host.runMessageBox = [this](QMessageBox& box) {
      boxes.push_back(box.text().toStdString());
      return QMessageBox::Ok;
    };
  }

  void Connect(int model) {
    device = sim::Device(model);
    app.s.ModelCode = app.s.DeviceId = static_cast<int16_t>(model);
    host.Enter([&] { EXPECT_TRUE(taskhelm::ConnectDevice(app, true)); });
    boxes.clear();
    device.ClearReceived();
  }

  // Opens a window modal and, once it is up, lets `visit` act on it through its widgets; the
  // visit ends with the operator's close. (The opening's reads pump events before the show.)
  void Visit(void (*open)(taskhelm::App&),
             const std::function<void(qtui::FormWindow&, forms::Form&)>& visit) {
    bool visited = false;
    QTimer up;
    up.setInterval(1);
    QObject::connect(&up, &QTimer::timeout, [&] {
      forms::Form* form = host.activeForm;
      qtui::FormWindow* window = form && form->ShownModal() ? host.WindowOf(*form) : nullptr;
      if (!window || !window->isVisible()) return;
      up.stop();
      EXPECT_TRUE(QTest::qWaitForWindowActive(window));
      visit(*window, *form);
      visited = true;
      if (!form->Loaded()) return;
      ADD_FAILURE() << form->Name() << " is still open";
      host.Enter([&] { form->Unload(); });
    });
    up.start();
    host.Enter([&] { open(app); });
    EXPECT_TRUE(visited);
  }

  std::vector<std::string> boxes;
};

QWidget* W(qtui::FormWindow& window, const forms::Control& control) {
  return window.WidgetOf(control);
}
std::string TextOf(qtui::FormWindow& window, const forms::Control& box) {
  return qobject_cast<QLineEdit*>(W(window, box))->text().toStdString();
}
void Click(qtui::FormWindow& window, const forms::Control& control) {
  QTest::mouseClick(W(window, control), Qt::LeftButton);
}
void TypeInto(qtui::FormWindow& window, const forms::Control& box, const char* text) {
  Click(window, box);
  QTest::keyClicks(W(window, box), text);
}

template <class Window>
void ShowModal(taskhelm::App& app) {
  app.Window<Window>().Show(forms::ShowMode::Modal);
}

struct Reopening {
  const char* window;
  int firstModel, secondModel;
  void (*open)(taskhelm::App&);
  std::function<void(qtui::FormWindow&, forms::Form&)> first, second;
};

TEST_F(ReopenedWindows, OpenAsNewWindowsForTheModelOfNow) {
  const Reopening rows[] = {
      {"Calib", 32, 36, ShowModal<taskhelm::Calib>,
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::Calib&>(form);
         TypeInto(window, w.XMeas, "40.25");
         TypeInto(window, w.YMeas, "19.86");
         Click(window, w.CalDone);
         EXPECT_EQ(w.XMeas.Text(), "40.25");
         EXPECT_EQ(w.YMeasured, 19.86f);
       },
       [this](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::Calib&>(form);
         EXPECT_EQ(TextOf(window, w.XMeas), "");
         EXPECT_EQ(TextOf(window, w.YMeas), "");
         Click(window, w.SetCal[0]);
         EXPECT_EQ(boxes, std::vector<std::string>{"Enter X-Axis and Y-Axis Measured Values"});
         EXPECT_EQ(device.Received().find("!MC"), std::string::npos) << device.Received();
         Click(window, w.CalDone);
       }},
      {"CarrCalib", 36, 39, ShowModal<taskhelm::CarrCalib>,
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::CarrCalib&>(form);
         EXPECT_FALSE(W(window, w.DurationCalib)->isEnabled());
         TypeInto(window, w.ForceCalib, "3");
         Click(window, w.DoneCarrCal);
       },
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::CarrCalib&>(form);
         EXPECT_TRUE(W(window, w.DurationCalib)->isEnabled());
         EXPECT_FALSE(W(window, w.ForceCoast)->isEnabled());
         EXPECT_EQ(TextOf(window, w.ForceCoast), "");
         Click(window, w.DoneCarrCal);
       }},
      {"FilterForm", 39, 36,
       [](taskhelm::App& app) { ShowFiltering(app, taskhelm::FilterOpening::ReadStateFirst); },
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::FilterForm&>(form);
         EXPECT_FALSE(W(window, w.FilterEnable)->isEnabled());
         Click(window, w.FilterCancel);
       },
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::FilterForm&>(form);
         EXPECT_TRUE(W(window, w.FilterEnable)->isEnabled());
         window.close();
       }},
      {"PenAdj", 32, 36, taskhelm::ShowPenAdjustment,
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::PenAdj&>(form);
         TypeInto(window, w.PenD, "7");
         window.close();
       },
       [](qtui::FormWindow& window, forms::Form& form) {
         auto& w = static_cast<taskhelm::PenAdj&>(form);
         EXPECT_EQ(TextOf(window, w.PenD), "0");
         window.close();
       }},
  };
  for (const Reopening& row : rows) {
    SCOPED_TRACE(row.window);
    Connect(row.firstModel);
    Visit(row.open, row.first);
    Connect(row.secondModel);
    Visit(row.open, row.second);
  }
}

// A filtering state of 2 ticks the box; OK untouched keeps the filtering on, at every opening.
TEST_F(ReopenedWindows, FilteringOkSendsWhatTheBoxShows) {
  Connect(36);
  device.faults.replacedReplies["OS"] = "2";
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    Visit([](taskhelm::App& app) { ShowFiltering(app, taskhelm::FilterOpening::ReadStateFirst); },
          [this](qtui::FormWindow& window, forms::Form& form) {
            auto& w = static_cast<taskhelm::FilterForm&>(form);
            EXPECT_TRUE(qobject_cast<QCheckBox*>(W(window, w.FilterEnable))->isChecked());
            device.ClearReceived();
            Click(window, w.FilterOK);
          });
    EXPECT_EQ(device.Received(), "!SM1@!OS@");
    EXPECT_EQ(boxes, std::vector<std::string>{});
  }
}

// A profile reply without its numbers tells the operator what an unanswered one does (the port's
// box naming the port).
TEST_F(ReopenedWindows, PenAdjustmentSaysWhenTheProfileWasUnreadable) {
  Connect(36);
  app.s.ReportErrors = true;  // as after the start-up
  const std::string unanswered = app.s.NotConnectedText + "COM1.";
  for (const char* reply : {"abc", "", "1,2,3"}) {
    SCOPED_TRACE(reply);
    boxes.clear();
    device.faults.replacedReplies["OP"] = reply;
    Visit(taskhelm::ShowPenAdjustment, [](qtui::FormWindow& window, forms::Form&) { window.close(); });
    EXPECT_EQ(boxes, std::vector<std::string>{unanswered});
  }
}

}  // namespace
}  // namespace qtui_tests
