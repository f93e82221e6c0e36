// The cutter window as the Qt front end shows it: caption, menus and frames of each cutter model,
// in both editions and both unit systems, with no caption, value or hint cut off and no control
// lying over another; the same for the small windows its menus open. The tests save pictures of
// the model 32 window, with and without the tangential knife, for a person to look at.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>


#include "cutter/Dru71Set.h"
#include "qtui/FormWindow.h"
#include "servo/DSPForm.h"
#include "servo/DSPTestForm.h"
#include "setup/About.h"
#include "setup/Config.h"
#include "setup/DefLangForm.h"
#include "setup/Splash.h"
#include "setup/Serial.h"
#include "setup/modeForm.h"
#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"

namespace qtui_tests {
namespace {

struct WindowCase {
  int model;
  int id;
  texts::Edition edition;
  bool metric;
  bool largest;  // every size at its maximum: the widest numbers the boxes show
  const char* caption;
  std::vector<const char*> menus;
  bool features, tangential;
  const char* screenshot;  // saved as <build>/screenshots/<name>.png; nullptr: none
};

void PrintTo(const WindowCase& c, std::ostream* os) {
  *os << c.model << "/" << c.id << (c.edition == texts::Edition::Spanish ? " es" : " en")
      << (c.metric ? " metric" : " english") << (c.largest ? " largest" : "");
}

const std::vector<const char*> kEnglishMenus{"&File",      "&Setup", "&Display", "&Options",
                                             "&Calibrate", "&Test",  "&Help"};
const std::vector<const char*> kSpanishMenus{"&Archivo",  "&Configuración", "&Mostrar", "&Opciones",
                                             "Ca&librar", "&Pruebas",       "A&yuda"};

class CutterWindow : public ::testing::TestWithParam<WindowCase> {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

class CutterMenuWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

TEST_P(CutterWindow, ShowsTheModelsCaptionMenusAndFramesWithNothingCutOff) {
  ForEachDesktopFont([&] {
    const WindowCase& c = GetParam();
    QtProgram program(c.model, c.id, c.edition);
    taskhelm::SharedState& s = program.s;
    s.MetricUnits = c.metric;
    if (c.largest) {
      program.WidestSizes();
      s.AutoLoopOn = 1;
      s.ForceMax = 2000;
    }
    auto& form = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
    // The first paint takes the settings just read as the device's.
    EXPECT_TRUE(s.SettingsSent);
    qtui::FormWindow* window = program.host.WindowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(MenuCaptions(*window), std::vector<std::string>(c.menus.begin(), c.menus.end()));
    auto shown = [&](const forms::Control& frame) {
      return window->WidgetOf(frame)->isVisibleTo(window);
    };
    EXPECT_EQ(shown(form.Frame3D9), c.features);
    EXPECT_EQ(shown(form.Frame3D10), c.features);
    EXPECT_EQ(shown(form.Frame1), c.tangential);
    EXPECT_TRUE(shown(form.Frame3D11));
    ExpectNothingCutOff(program.host, form);
    SaveScreenshot(program.host, form, form.StatusBar, c.screenshot);
  });
}

using E = texts::Edition;
INSTANTIATE_TEST_SUITE_P(
    Models, CutterWindow,
    ::testing::Values(
        WindowCase{32, 32, E::English, false, false, "Kelvaro R/V Taskhelm", kEnglishMenus, true,
                   false, "cutter-32"},
        WindowCase{32, 50, E::English, false, false, "Kelvaro R/V Taskhelm", kEnglishMenus, true,
                   true, "cutter-32-id50"},
        WindowCase{32, 46, E::English, true, true, "Quorvane 510 Taskhelm", kEnglishMenus, true,
                   false, nullptr},
        WindowCase{32, 50, E::Spanish, true, true, "Kelvaro R/V Taskhelm", kSpanishMenus, true,
                   true, nullptr},
        WindowCase{32, 50, E::Spanish, false, true, "Kelvaro R/V Taskhelm", kSpanishMenus, true,
                   true, nullptr},
        WindowCase{36, 36, E::English, true, true, "Quorvane 530 Taskhelm", kEnglishMenus, false,
                   false, nullptr},
        WindowCase{39, 39, E::Spanish, false, false, "Quorvane 520 Taskhelm", kSpanishMenus,
                   false, false, nullptr},
        WindowCase{42, 42, E::English, false, true, " Quorvane 555LJ Taskhelm", kEnglishMenus,
                   false, false, nullptr},
        WindowCase{47, 47, E::Spanish, true, true, "Quorvane 530 Taskhelm", kSpanishMenus, false,
                   false, nullptr}),
    [](const auto& info) {
      const WindowCase& c = info.param;
      return "Model" + std::to_string(c.model) + "Id" + std::to_string(c.id) +
             (c.edition == E::Spanish ? "Es" : "En") + (c.metric ? "Metric" : "English") +
             (c.largest ? "Largest" : "");
    });

// Tab runs through the frames column by column, each top to bottom and left to right, passes the
// hint line by, and the control it reaches shows the focus: a button draws its focus frame.
TEST_F(CutterMenuWindows, TabFollowsTheFramesAndTheFocusShows) {
  QtProgram program(32, 32, E::English);
  auto& form = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
  qtui::FormWindow& window = *program.host.WindowOf(form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  program.host.Enter([&] { form.EnglishButton.SetFocus(); });
  window.Refresh();
  QWidget* temporary = window.WidgetOf(form.SendSettingTemp);
  const QImage unfocused = temporary->grab().toImage();

  const std::vector<const forms::Control*> expected = {
      &form.MetricButton, &form.PanelX,       &form.PanelY,      &form.XScale,
      &form.YScale,       &form.Accel,        &form.UpDelay,     &form.DnDelay,
      &form.LoForce,      &form.HiForce,      &form.Offset,      &form.MinAng,
      &form.Overcut,      &form.PounceEnable, &form.CutEnable,   &form.LoopEnable,
      &form.SendSettingTemp, &form.SendDefault, &form.UpdateDisplay, &form.EnglishButton};
  std::vector<std::string> want, got;
  for (const forms::Control* control : expected) {
    want.push_back(control->Name());
    ASSERT_NE(window.focusWidget(), nullptr);
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    got.push_back(form.ActiveControl() ? form.ActiveControl()->Name() : "none");
    if (form.ActiveControl() != &form.SendSettingTemp) continue;
    EXPECT_EQ(window.focusWidget(), temporary);
    EXPECT_NE(temporary->grab().toImage(), unfocused) << "no focus frame on the button";
    if (const auto path = ScreenshotPath("cutter-32-focus-after-tab")) {
      EXPECT_TRUE(program.host.SaveScreenshot(form, *path));
    }
  }
  EXPECT_EQ(got, want);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(window.WidgetOf(form.StatusBar))->isReadOnly());
}

// The HP-GL origin, cutter-mode and port-test windows, and the start-up windows (splash, Setup,
// About), in both editions and in the states that show their longest texts.
TEST_F(CutterMenuWindows, ShowNothingCutOff) {
  ForEachDesktopFont([&] {
    for (E edition : {E::English, E::Spanish}) {
      SCOPED_TRACE(edition == E::Spanish ? "Spanish" : "English");
      QtProgram program(32, 32, edition);
      program.parlink.replies = {"1\r"};  // the cutter is in its special mode
      auto show = [&](forms::Form& form) {
        program.host.Enter([&] {
          program.app.port.OpenPort();
          form.Show(forms::ShowMode::Modeless);
        });
        ExpectNothingCutOff(program.host, form);
      };
      show(program.app.Window<taskhelm::DefLangForm>());
      show(program.app.Window<taskhelm::modeForm>());
      for (int16_t mode : {0, 1}) {
        program.s.PortTestMode = mode;
        program.host.Enter([&] { program.app.Window<taskhelm::Serial>().Unload(); });
        show(program.app.Window<taskhelm::Serial>());
      }
      show(program.app.Window<taskhelm::Splash>());
      show(program.app.Window<taskhelm::Config>());
      show(program.app.Window<taskhelm::About>());
    }
  });
}

// The About window names each model in its title, in both editions: the title shows whole.
TEST_F(CutterMenuWindows, AboutShowsItsWholeTitleForEveryModel) {
  ForEachDesktopFont([&] {
    for (E edition : {E::English, E::Spanish}) {
      SCOPED_TRACE(edition == E::Spanish ? "Spanish" : "English");
      QtProgram program(32, 32, edition);
      for (int16_t model : {0, 32, 33, 34, 35, 36, 39, 40, 41, 42}) {
        SCOPED_TRACE("model " + std::to_string(model));
        program.s.ModelCode = model;
        program.host.Enter([&] { program.app.Window<taskhelm::About>().Unload(); });
        auto& about = program.app.Window<taskhelm::About>();
        program.host.Enter([&] { about.Show(forms::ShowMode::Modeless); });
        ExpectNothingCutOff(program.host, about);
      }
    }
  });
}

// The servo tuner and its test window with the widest values the device reports, in both
// editions; the tests save their pictures.
TEST_F(CutterMenuWindows, ServoWindowsShowNothingCutOff) {
  ForEachDesktopFont([&] {
    for (E edition : {E::English, E::Spanish}) {
      SCOPED_TRACE(edition == E::Spanish ? "Spanish" : "English");
      QtProgram program(32, 32, edition);
      program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
      // Twelve values inside the parallel read of 100 characters, each shown as wide as "0.000"
      // makes it.
      const std::string params = "-1234.5,-1234.5,-1234.5,-1234.5,-1234.5,-1234.5,0,"
                                 "-1234.5,-1234.5,-1234.5,-1234.5,-1234.5\r";
      const std::string four = "-32768.25,-32768.25,-32768.25,-32768.25\r";
      // The X velocity query goes unanswered: its boxes say so.
      program.parlink.replies = {params, params, four, four, four, "", "-32768.25,-32768.25,-32768.25,-32768.25,-32768.25\r"};
      // Ctrl+Alt+H typed into a field of the cutter window opens the tuner beside it.
      program.s.DeviceSettingsRead = true;
      program.host.Enter([&] { taskhelm::ShowModelWindow(program.app); });
      auto& cutter = program.app.Window<taskhelm::Dru71Set>();
      QWidget* field = program.host.WindowOf(cutter)->WidgetOf(cutter.HiForce);
      field->setFocus();
      QTest::keyClick(field, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
      auto& tuner = program.app.Window<taskhelm::DSPForm>();
      ASSERT_TRUE(program.host.WindowOf(tuner) && program.host.WindowOf(tuner)->isVisible());
      EXPECT_TRUE(program.host.WindowOf(cutter)->isVisible());
      EXPECT_EQ(tuner.x_vap.Text(), "no resp.");
      EXPECT_EQ(tuner.X_kP.Text(), "-1234.500");
      ExpectNothingCutOff(program.host, tuner);

      auto& tests = program.app.Window<taskhelm::DSPTestForm>();
      program.host.Enter([&] { tuner.ViewTestButton.Press(); });
      // The widest twelve values that fit the line test's parallel read of 100 characters.
      const std::string wide = "-1234.5,-1234.5,-1234.5,-1234.5,-1234.5,-1234.5,"
                               "-1234.5,-1234.5,-1234.5,-1234.5,-1234.5,-1234.5\r";
      program.parlink.replies = {wide, "-32768,-2147483648\r", wide};
      program.host.Enter([&] {
        tests.GetMinAndMax.Press();
        tests.RegToRead1.SetFocus();
        tests.DispatchKeyPress(&tests.RegToRead1, forms::Key::Return);
        tests.Command7.Press();
      });
      EXPECT_EQ(tests.HReg2Result.Caption(), "0x80000000");
      EXPECT_EQ(tests.NegAvgB.Caption(), "-1234.5");
      ExpectNothingCutOff(program.host, tests);

      if (edition == E::English)
        for (auto [form, name] : {std::pair<forms::Form*, const char*>{&tuner, "servo-tuner"},
                                  {&tests, "servo-tests"}})
          if (const auto path = ScreenshotPath(name)) {
            EXPECT_TRUE(program.host.SaveScreenshot(*form, *path));
          }
    }
  });
}

}  // namespace
}  // namespace qtui_tests
