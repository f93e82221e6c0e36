// The pen-plotter window's opening per model, its mark modes, the frame-gap rule and its keys.
#include <gtest/gtest.h>

#include "tests/penplotter/PenPlotterHarness.h"

namespace penplotter_tests {
namespace {

struct ModelCase {
  int model;
  const char* caption;
  const char* sensorFrame;
  bool marks;       // the mark buttons are shown
  bool gapEnabled;  // with the device's factory settings (33 and 40: sensor on)
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.model; }

class Opening : public ::testing::TestWithParam<ModelCase> {};

TEST_P(Opening, ShowsTheModelsControls) {
  const ModelCase& c = GetParam();
  PenPlotterHarness h(StartedOn(c.model));
  auto& w = h.Window();
  EXPECT_EQ(w.Caption(), c.caption);
  EXPECT_EQ(w.Frame3D10.Caption(), c.sensorFrame);
  EXPECT_EQ(w.Frame3D2.Caption(), "Keypad Speed Setting");
  for (forms::Control* mark : {&w.MarkAllButton, &w.Mark4thButton, &w.MarkNoneButton})
    EXPECT_EQ(mark->Visible(), c.marks) << mark->Name();
  EXPECT_EQ(w.Gap.Enabled(), c.gapEnabled);
  EXPECT_EQ(w.GapSpin.Enabled(), c.gapEnabled);
  EXPECT_TRUE(w.Gap.Visible());
  // The sensor box, the sensor test and the servo tuner cannot be used on any of the four.
  EXPECT_FALSE(w.SensorEnable.Visible());
  EXPECT_FALSE(w.SensorTestButton.Visible());
  EXPECT_FALSE(w.OptionServoTuner.Visible());
  EXPECT_TRUE(w.OptionUpdateFlash.Visible());
  EXPECT_FALSE(w.Speed.Enabled());
  EXPECT_FALSE(w.SpeedSpin.Visible());
  EXPECT_EQ(w.Speed.Text(), "30");  // the device reports 76.2 cm/s
  EXPECT_EQ(w.SpeedLab.Caption(), "(ips)");
  EXPECT_EQ(w.FrameGapLab.Caption(), "(mils)");
  EXPECT_TRUE(h.f.s.SettingsSent) << "the settings read at start-up are the device's";
}

INSTANTIATE_TEST_SUITE_P(
    Models, Opening,
    ::testing::Values(ModelCase{33, "Plotter 870 Kr Taskhelm", "Sensor Options", true, false},
                      ModelCase{40, "Plotter 870 KrV Taskhelm", "Sensor Options", true, false},
                      ModelCase{34, "Plotter 36 Kr Taskhelm", "Frame Alignment", false, true},
                      ModelCase{41, "Plotter 36 KrV Taskhelm", "Frame Alignment", false, true}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

// Which mark button the opening selects for the device's sensor values.
TEST(Opening, SelectsTheMarkButtonOfTheDevicesValues) {
  struct Case {
    int sensor, markSkip;
    bool all, fourth, none;
  };
  for (const Case& c : {Case{1, 0, true, false, false}, Case{1, 3, false, true, false},
                        Case{1, 1, false, true, false}, Case{1, 255, false, false, false},
                        Case{0, 255, false, false, true}}) {
    SCOPED_TRACE(testing::Message() << c.sensor << "/" << c.markSkip);
    testing_support::AppFixture f(StartedOn(33));
    f.device.Settings().SensorEnabled = c.sensor;
    f.device.Settings().MarkSkip = c.markSkip;
    f.s.DeviceId = 33;
    // The connection reads the settings and loads the window, which opens on them.
    ASSERT_TRUE(taskhelm::ConnectDevice(f.app, true));
    auto& w = f.app.Window<taskhelm::P870Set>();
    EXPECT_EQ(w.MarkAllButton.Value(), c.all);
    EXPECT_EQ(w.Mark4thButton.Value(), c.fourth);
    EXPECT_EQ(w.MarkNoneButton.Value(), c.none);
  }
}

TEST(MarkModes, ButtonsSetTheSensorValuesAndUnsendOnlyAChangedSkip) {
  PenPlotterHarness h(StartedOn(33));
  auto& w = h.Window();
  auto& s = h.f.s;
  w.SendSettingTemp.Press();
  ASSERT_TRUE(s.SettingsSent);
  ASSERT_EQ(w.ShownMarkSkip, 0);

  struct Step {
    forms::OptionButton& button;
    int sensor, markSkip;
    bool sentAfter, gapEnabled;
  };
  const Step steps[] = {
      {w.Mark4thButton, 1, 3, false, false},
      {w.MarkAllButton, 1, 0, false, false},  // unsent already: stays so
      {w.MarkNoneButton, 0, 255, false, true},
  };
  for (const Step& step : steps) {
    step.button.SetValue(true);
    EXPECT_EQ(s.SensorEnabled, step.sensor) << step.button.Name();
    EXPECT_EQ(s.MarkSkip, step.markSkip) << step.button.Name();
    EXPECT_EQ(s.SettingsSent, step.sentAfter) << step.button.Name();
    EXPECT_EQ(w.Gap.Enabled(), step.gapEnabled) << step.button.Name();
  }

  // Every 4th frame sent: the device reports 3, and choosing it again changes nothing.
  w.Mark4thButton.SetValue(true);
  w.SendSettingTemp.Press();
  ASSERT_TRUE(s.SettingsSent);
  EXPECT_TRUE(w.Mark4thButton.Value()) << "a reported skip of 3 shows as every 4th frame";
  EXPECT_EQ(w.ShownMarkSkip, 3);
  w.MarkAllButton.SetValue(true);
  EXPECT_FALSE(s.SettingsSent);
  s.SettingsSent = true;
  w.Mark4thButton.SetValue(true);
  EXPECT_TRUE(s.SettingsSent) << "the skip shown is 3 already";
  w.MarkNoneButton.SetValue(true);
  EXPECT_FALSE(s.SettingsSent) << "switching the sensor off always unsends";
}

TEST(MarkModes, TheNextTemporarySendsTheModeTheDeviceReported) {
  PenPlotterHarness h(StartedOn(40));
  auto& w = h.Window();
  h.f.device.Settings().MarkSkip = 3;
  w.DsplyPltrCom.Choose();
  EXPECT_TRUE(w.Mark4thButton.Value());
  h.f.device.ClearReceived();
  w.SendSettingTemp.Press();
  EXPECT_NE(h.SettingsCommandReceived().find(" ES1 FS3 FG"), std::string::npos)
      << h.SettingsCommandReceived();
}

TEST(FrameGap, StaysEnabledOnTheGapOnlyPlottersWhateverRan) {
  for (int model : {34, 41}) {
    SCOPED_TRACE(model);
    PenPlotterHarness h(StartedOn(model));
    auto& w = h.Window();
    h.f.device.Settings().SensorEnabled = 1;  // whatever the device says of a sensor
    w.DsplyPltrCom.Choose();
    EXPECT_TRUE(w.Gap.Enabled());
    w.DsplyFactCom.Choose();
    EXPECT_TRUE(w.Gap.Enabled());
    w.SensorEnable.SetValue(1);
    EXPECT_TRUE(w.Gap.Enabled());
    w.MarkAllButton.SetValue(true);
    EXPECT_TRUE(w.GapSpin.Enabled());
  }
}

// The selected unit button holds the focus, so the hint line names the units in use.
TEST(Opening, FocusesTheSelectedUnitButton) {
  for (bool metric : {false, true}) {
    PenPlotterHarness h(StartedOn(33), metric);
    auto& w = h.Window();
    forms::OptionButton& selected = metric ? w.MetricButton : w.EnglishButton;
    EXPECT_TRUE(selected.Value()) << metric;
    EXPECT_TRUE(selected.HasFocus()) << metric;
    EXPECT_EQ(w.StatusBar.Text(), metric ? "Set plotter options in centimeters and millimeters."
                                         : "Set plotter options in inches and mils.");
  }
}

TEST(Keys, EnterMovesToTheNextControlAndNeverPressesAButton) {
  PenPlotterHarness h(StartedOn(34));
  auto& w = h.Window();
  w.HiForce.SetFocus();
  int keyCode = w.DispatchKeyDown(&w.HiForce, forms::Key::Return, 0);
  EXPECT_EQ(keyCode, 0) << "the key is spent on the move";
  EXPECT_NE(w.ActiveControl(), &w.HiForce);

  w.SendSettingTemp.SetFocus();
  h.f.host.boxes.clear();
  EXPECT_EQ(w.DispatchKeyDown(&w.SendSettingTemp, forms::Key::Return, 0), 0);
  EXPECT_TRUE(h.f.host.boxes.empty()) << "no send question";
  EXPECT_NE(w.ActiveControl(), &w.SendSettingTemp);
}

TEST(Keys, TheFieldsEnterChainEndsBackAtTheMinimumForce) {
  PenPlotterHarness h(StartedOn(34));
  auto& w = h.Window();
  w.Gap.SetFocus();
  w.DispatchKeyPress(&w.Gap, forms::Key::Return);
  EXPECT_EQ(w.ActiveControl(), &w.LoForce);
  // From the last delay past the force pair; without an enabled gap on to the send button.
  w.HiForce.SetFocus();
  w.Gap.SetEnabled(false);
  w.DispatchKeyPress(&w.HiForce, forms::Key::Return);
  EXPECT_EQ(w.ActiveControl(), &w.SendSettingTemp);
}

}  // namespace
}  // namespace penplotter_tests
