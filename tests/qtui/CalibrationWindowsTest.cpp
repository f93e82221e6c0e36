// The calibration and adjustment windows as the Qt front end shows them, in both editions and in
// the states that show their longest texts: nothing cut off, nothing lying over another control.
// Saves a picture of each, English and Spanish, for a person to look at.
#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "tests/qtui/QtTestApp.h"
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
  std::function<forms::Form&(taskhelm::App&)> window;
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
        forms::Form* form = nullptr;
        program.host.Enter([&] {
          program.app.port.OpenPort();
          form = &row.window(program.app);
          form->Show(forms::ShowMode::Modeless);
          row.widest(*form);
        });
        ASSERT_NE(form, nullptr);
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

}  // namespace
}  // namespace qtui_tests
