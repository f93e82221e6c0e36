// The axis calibration: targets, the factor commands on the wire, the read-back, the questions and
// messages, the factory-mode chord and the failures of the device.
#include <gtest/gtest.h>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/SensorCal.h"
#include "link/Identify.h"
#include "tests/calibration/CalibrationHarness.h"

namespace calibration_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using taskhelm::Calib;

TEST(CalibTargets, WholeCentimetresOfTheModelsTestBox) {
  struct Row {
    int model;
    bool metric;
    int16_t ySizeInches;
    const char *x, *y, *unit;
  };
  const Row rows[] = {
      {32, false, 20, "40.000", "20.000", "(in)"},  {32, true, 20, "101.000", "50.000", "(cm)"},
      {36, true, 28, "40.000", "71.000", "(cm)"},   {39, false, 30, "16.000", "30.000", "(in)"},
      {42, true, 30, "40.000", "76.000", "(cm)"},   {36, false, 28, "16.000", "28.000", "(in)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.model);
    CalibrationHarness h({.model = row.model, .metric = row.metric});
    h.f.s.YSizeInches = row.ySizeInches;
    h.Show<Calib>([&](Calib& w) {
      EXPECT_EQ(w.Caption(), "Set Calibration");
      EXPECT_EQ(w.XIntend.Caption(), row.x);
      EXPECT_EQ(w.YIntend.Caption(), row.y);
      EXPECT_EQ(w.XMeasLab.Caption(), std::string("Measured ") + row.unit);
      EXPECT_EQ(w.YIntLab.Caption(), std::string("Intended ") + row.unit);
      EXPECT_EQ(w.XCalib.Caption(), "1.0000");
      EXPECT_TRUE(w.SetCal[0].Visible() && w.ResetCal[0].Visible() && w.CalPlot.Visible());
      EXPECT_FALSE(w.SetCal[1].Visible() || w.ResetCal[1].Visible() || w.CarriageCal.Visible() ||
                   w.ModeSwitchButton.Visible() || w.btnSensorCal.Visible());
    });
  }
}

TEST(CalibSet, FactorsGoOnTheWireWithAPointAndComeBackShown) {
  struct Row {
    int model;
    bool metric;
    char decimal;
    const char *x, *y;
    const char* command;
    const char *shownX, *shownY;
  };
  const Row rows[] = {
      {36, false, '.', "16.1", "27.8", "!MC0.993789,1.007194@", "0.9938", "1.0072"},
      {36, false, ',', "16,1", "27,8", "!MC0.993789,1.007194@", "0,9938", "1,0072"},
      {32, false, '.', "39.9", "20", "!MC1.002506,1.0@", "1.0025", "1.0000"},
      {32, true, ',', "101,5", "49,5", "!MC0.995074,1.010101@", "0,9951", "1,0101"},
      {36, true, '.', "40.2", "71", "!MC0.995025,1.0@", "0.9950", "1.0000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.command);
    CalibrationHarness h({.model = row.model, .metric = row.metric, .decimal = row.decimal});
    int64_t settle = 0;
    h.Show<Calib>([&](Calib& w) {
      CalibrationHarness::Type(w.XMeas, row.x, w.YMeas);
      CalibrationHarness::Type(w.YMeas, row.y, w.SetCal[0]);
      settle = h.Timed([&] { w.SetCal[0].Press(); });
      EXPECT_EQ(w.XCalib.Caption(), row.shownX);
      EXPECT_EQ(w.YCalib.Caption(), row.shownY);
      EXPECT_EQ(w.XMeas.Text(), "");
      EXPECT_EQ(w.XMeasured, 0);
      EXPECT_TRUE(w.CalDone.HasFocus());
    });
    EXPECT_EQ(h.Received(), std::string(row.command) + "!DD@");
    EXPECT_GE(settle, 1000);
    EXPECT_LT(settle, 2000);
    EXPECT_TRUE(h.f.s.DeviceSettingsRead);
    EXPECT_TRUE(h.f.host.boxes.empty());
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

TEST(CalibSet, MissingMeasurementsSendNothing) {
  struct Row {
    std::string x, y;
    const char* message;
  };
  const std::string tiny = "0." + std::string(40, '0') + "1";
  const std::string huge = "1" + std::string(40, '0');
  const Row rows[] = {
      {"", "", "Enter X-Axis and Y-Axis Measured Values"},
      {"abc", "20", "Enter X-Axis Measured Value"},
      {"39.9", "0", "Enter Y-Axis Measured Value"},
      // A negative length is no measurement: it would give the device a negative factor.
      {"-39.9", "20", "Enter X-Axis Measured Value"},
      {"-1", "-2", "Enter X-Axis and Y-Axis Measured Values"},
      // Nor is a length whose factor the device cannot take: an infinite one, or one that is
      // zero as written.
      {tiny, "28", "Enter X-Axis Measured Value"},
      {"80000000", "28", "Enter X-Axis Measured Value"},
      {huge, "28", "Enter X-Axis Measured Value"},
      {"39.9", "1000000000", "Enter Y-Axis Measured Value"},
      {tiny, huge, "Enter X-Axis and Y-Axis Measured Values"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    CalibrationHarness h;
    h.Show<Calib>([&](Calib& w) {
      CalibrationHarness::Type(w.XMeas, row.x, w.YMeas);
      CalibrationHarness::Type(w.YMeas, row.y, w.SetCal[0]);
      w.SetCal[0].Press();
    });
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text, row.message);
    EXPECT_EQ(h.f.host.boxes[0].title, "ERROR");
    EXPECT_EQ(h.f.host.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(h.f.host.beeps, 1);
    EXPECT_EQ(h.Received(), "");
  }
}

// A factor other than 1 asks first; only No stops. The shown factor is read with the regional
// separator, so "1,0025" is not taken for 1.
TEST(CalibSet, WarningBeforeCalibratingAnUncalibratedPlot) {
  struct Row {
    double deviceFactor;
    char decimal;
    std::optional<MsgAnswer> answer;  // none: no warning expected
    bool sent;
  };
  const Row rows[] = {
      {1.0, '.', {}, true},
      {1.0025, '.', MsgAnswer::Yes, true},
      {1.0025, '.', MsgAnswer::No, false},
      {1.0025, '.', MsgAnswer::Cancel, true},
      {1.0025, ',', MsgAnswer::No, false},
      {1.00001, ',', {}, true},  // shown as 1,0000
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.deviceFactor);
    CalibrationHarness h({.decimal = row.decimal});
    h.f.device.Settings().YScaleCal = row.deviceFactor;
    taskhelm::ReadDeviceSettings(h.f.app);
    h.f.device.ClearReceived();
    if (row.answer) h.f.host.answers = {*row.answer};
    h.Show<Calib>([&](Calib& w) {
      CalibrationHarness::Type(w.XMeas, "40", w.YMeas);
      CalibrationHarness::Type(w.YMeas, "20", w.SetCal[0]);
      w.SetCal[0].Press();
    });
    if (row.answer) {
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      const auto& box = h.f.host.boxes[0];
      EXPECT_EQ(box.title, "WARNING");
      EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
      EXPECT_EQ(box.text,
                "Press 'Reset Calibration' before 'Set Calibration'\r\n"
                "  if measurements made on uncalibrated plot. \r\n"
                "                          Continue?");
    } else {
      EXPECT_TRUE(h.f.host.boxes.empty());
    }
    EXPECT_EQ(h.Received(), row.sent ? "!MC1.0,1.0@!DD@" : "");
  }
}

TEST(CalibSet, EnterMovesFromXToYToTheSetButton) {
  CalibrationHarness h;
  h.Show<Calib>([&](Calib& w) {
    w.XMeas.SetFocus();
    w.XMeas.SetText("39.9");
    EXPECT_EQ(w.DispatchKeyPress(&w.XMeas, forms::Key::Return), 0);
    EXPECT_FLOAT_EQ(w.XMeasured, 39.9f);
    EXPECT_TRUE(w.YMeas.HasFocus());
    w.YMeas.SetText("20");
    w.DispatchKeyPress(&w.YMeas, forms::Key::Return);
    EXPECT_FLOAT_EQ(w.YMeasured, 20.0f);
    EXPECT_TRUE(w.SetCal[0].HasFocus());
  });
}

TEST(CalibReset, UserAndFactoryResetByModel) {
  struct Row {
    int16_t modelCode;  // the model the window works for
    int index;
    const char* command;
  };
  // Only a line with separate factory factors resets them with "!FC@"; the 32's factory reset
  // acts on the user factors.
  const Row rows[] = {{32, 0, "!MC@"}, {32, 1, "!MC@"}, {36, 1, "!FC@"}, {36, 0, "!MC@"}};
  for (const Row& row : rows) {
    CalibrationHarness h;
    h.f.device.Receive("!MC1.01,1.02@");
    h.f.s.ModelCode = row.modelCode;
    h.f.device.ClearReceived();
    h.Show<Calib>([&](Calib& w) { w.ResetCal[row.index].Press(); });
    h.f.s.ModelCode = 32;
    EXPECT_EQ(h.Received().substr(0, 4), row.command) << row.modelCode << "/" << row.index;
  }
}

TEST(CalibReset, ShowsTheFactorsReadBack) {
  CalibrationHarness h;
  h.f.device.Receive("!MC1.01,1.02@");
  taskhelm::ReadDeviceSettings(h.f.app);
  h.f.device.ClearReceived();
  h.Show<Calib>([&](Calib& w) {
    EXPECT_EQ(w.YCalib.Caption(), "1.0200");
    w.ResetCal[0].Press();
    EXPECT_EQ(w.YCalib.Caption(), "1.0000");
  });
  EXPECT_EQ(h.Received(), "!MC@!DD@");
  EXPECT_TRUE(h.f.s.DeviceSettingsRead);
}

TEST(CalibChord, AltKSwitchesModeOnceFromAnyOfItsControls) {
  CalibrationHarness h;
  h.Show<Calib>([&](Calib& w) {
    w.XMeas.SetText("39");
    w.XMeasured = 39;
    // Alt+K with Shift or Ctrl held counts too; K alone does not.
    w.DispatchKeyDown(&w.CalPlot, 'K', 0);
    EXPECT_EQ(w.CalMode, 0);
    w.DispatchKeyDown(&w.CalPlot, 'K', forms::AltKey | forms::ShiftKey);
    EXPECT_EQ(w.CalMode, 1);
    EXPECT_EQ(w.StatusBar.Text(), "R/V Series doesn't have seperate factory calibration values.");
    EXPECT_EQ(w.Caption(), "Set Calibration");
    EXPECT_TRUE(w.CarriageCal.Visible());
    EXPECT_TRUE(w.SetCal[0].Visible() && w.ResetCal[0].Visible());
    EXPECT_FALSE(w.SetCal[1].Visible() || w.ResetCal[1].Visible() || w.ModeSwitchButton.Visible());
    EXPECT_EQ(w.XMeas.Text(), "");
    EXPECT_EQ(w.XMeasured, 0);
    w.DispatchKeyDown(&w.YMeas, 'K', forms::AltKey | forms::CtrlKey);
    EXPECT_EQ(w.CalMode, 0);
    EXPECT_FALSE(w.CarriageCal.Visible());
    w.DispatchKeyDown(nullptr, 'K', forms::AltKey);  // the window itself
    EXPECT_EQ(w.CalMode, 1);
  });
}

// A line with separate factory factors shows and sets them in factory mode.
TEST(CalibChord, FactoryModeOfALineWithFactoryFactors) {
  CalibrationHarness h;
  h.f.s.XFactoryCal = 0.998f;
  h.f.s.ModelCode = 37;
  h.Show<Calib>([&](Calib& w) {
    w.DispatchKeyDown(&w.CalDone, 'K', forms::AltKey);
    EXPECT_EQ(w.Caption(), "Set Factory Calibration");
    EXPECT_EQ(w.XCalib.Caption(), "0.9980");
    EXPECT_TRUE(w.SetCal[1].Visible() && w.ResetCal[1].Visible());
    EXPECT_FALSE(w.SetCal[0].Visible() || w.ResetCal[0].Visible());
    h.f.host.answers = {MsgAnswer::Yes};  // the factor shown is not 1
    CalibrationHarness::Type(w.XMeas, "39.9", w.YMeas);
    CalibrationHarness::Type(w.YMeas, "20", w.SetCal[1]);
    w.SetCal[1].Press();
  });
  EXPECT_EQ(h.Received().substr(0, 16), "!FC1.002506,1.0@");
}

TEST(CalibPlot, AsksThenDrawsTheTestBoxOfTheUnit) {
  struct Row {
    bool metric;
    MsgAnswer answer;
    const char* question;
    const char* sent;
  };
  const Row rows[] = {
      {false, MsgAnswer::Yes,
       "A 40.0 x 20.0 in. box will be plotted.\r\nDo you want to start the plot?", "!TC0@"},
      {true, MsgAnswer::Yes,
       "A 101.0 x 50.0 cm. box will be plotted.\r\nDo you want to start the plot?", "!TC1@"},
      {false, MsgAnswer::No,
       "A 40.0 x 20.0 in. box will be plotted.\r\nDo you want to start the plot?", ""},
  };
  for (const Row& row : rows) {
    CalibrationHarness h({.metric = row.metric});
    h.f.host.answers = {row.answer};
    int64_t took = 0;
    h.Show<Calib>([&](Calib& w) { took = h.Timed([&] { w.CalPlot.Press(); }); });
    EXPECT_EQ(h.Received(), row.sent);
    ASSERT_GE(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text, row.question);
    EXPECT_EQ(h.f.host.boxes[0].title, "Start Calibration Plot");
    EXPECT_EQ(h.f.host.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(h.f.host.boxes[0].buttons, MsgButtons::YesNo);
    if (row.answer == MsgAnswer::Yes) {
      ASSERT_EQ(h.f.host.boxes.size(), 2u);
      EXPECT_EQ(h.f.host.boxes[1].text, "Wait until plot is finished.");
      EXPECT_EQ(h.f.host.boxes[1].title, "Calibration Plot");
      EXPECT_EQ(h.f.host.boxes[1].icon, MsgIcon::Exclamation);
      EXPECT_GE(took, 1000);
    } else {
      EXPECT_EQ(h.f.host.boxes.size(), 1u);
    }
  }
}

// The port layer reports a send that does not go through; the plot window adds nothing.
TEST(CalibPlot, AFailedSendShowsNoWaitMessage) {
  CalibrationHarness h;
  h.f.device.faults.ctsLow = true;
  h.Show<Calib>([&](Calib& w) { w.CalPlot.Press(); });
  EXPECT_EQ(BoxTitles(h.f.host), "Start Calibration Plot|ERROR");
  EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
}

// The device does not take the factor, or does not answer the read-back: the window keeps what
// it showed and what was typed.
TEST(CalibFailures, SendOrReadBackFailureNamesThePort) {
  struct Row {
    const char* name;
    std::function<void(sim::Faults&)> fault;
  };
  const Row rows[] = {
      {"no read-back", [](sim::Faults& f) { f.silentCommands.insert("DD"); }},
      {"short read-back", [](sim::Faults& f) { f.shortReplies["DD"] = 0; }},
      {"send blocked", [](sim::Faults& f) { f.ctsLow = true; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h;
    h.f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
    row.fault(h.f.device.faults);
    h.Show<Calib>([&](Calib& w) {
      CalibrationHarness::Type(w.XMeas, "39.9", w.YMeas);
      CalibrationHarness::Type(w.YMeas, "20", w.SetCal[0]);
      w.SetCal[0].Press();
      EXPECT_EQ(w.XCalib.Caption(), "1.0000");
      EXPECT_EQ(w.XMeas.Text(), "39.9");
      EXPECT_FLOAT_EQ(w.XMeasured, 39.9f);
    });
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, "Green light Not ON or Cutter Not Connected to COM1");
    EXPECT_EQ(h.f.host.LastBox()->title, "ERROR");
    EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::Exclamation);
    EXPECT_FALSE(h.f.s.DeviceSettingsRead);
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

TEST(CalibWindows, SensorButtonOnlyForTheTangentialKnife) {
  for (int id : {32, 50, 46}) {
    CalibrationHarness h({.model = 32, .id = id});
    h.Show<Calib>([&](Calib& w) {
      EXPECT_EQ(w.btnSensorCal.Visible(), id == 50);
      if (id == 50) w.btnSensorCal.Press();
    });
    EXPECT_EQ(h.f.host.shownForms.back(), id == 50 ? "SensorCal" : "Calib");
  }
}

TEST(CalibWindows, CarriageCalibrationOpensWhenThePortDoes) {
  CalibrationHarness h;
  h.Show<Calib>([&](Calib& w) {
    w.DispatchKeyDown(&w.CalDone, 'K', forms::AltKey);
    w.CarriageCal.Press();
  });
  EXPECT_EQ(h.f.host.shownForms.back(), "CarrCalib");

  CalibrationHarness fails;
  fails.f.UseSerialPort(2);  // nothing hangs on COM2
  fails.Show<Calib>([&](Calib& w) {
    w.DispatchKeyDown(&w.CalDone, 'K', forms::AltKey);
    w.CarriageCal.Press();
  });
  EXPECT_EQ(fails.f.host.shownForms.back(), "Calib");
  ASSERT_NE(fails.f.host.LastBox(), nullptr);
  EXPECT_EQ(fails.f.host.LastBox()->text, "Could not open COM2");
  EXPECT_EQ(fails.f.host.LastBox()->title, "ERROR");
  EXPECT_EQ(fails.f.host.pointer, forms::Pointer::Default);
}

TEST(CalibWindows, DoneWaitsForTheDeviceThenCloses) {
  CalibrationHarness h;
  int64_t took = 0;
  h.Show<Calib>([&](Calib& w) { took = h.Timed([&] { w.CalDone.Press(); }); });
  EXPECT_GE(took, 1000);
  EXPECT_FALSE(h.f.app.LoadedWindow<Calib>());
}

}  // namespace
}  // namespace calibration_tests
