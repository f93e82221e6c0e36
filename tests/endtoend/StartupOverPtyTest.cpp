// The start-up road over a real pty, with the simulated device on the other side and the real
// serial line of the program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cutter/Dru71Set.h"
#include "link/SettingTokens.h"
#include "servo/DSPForm.h"
#include "penplotter/P870Set.h"
#include "setup/Config.h"
#include "startup/Main.h"
#include "tests/endtoend/ProgramOverPty.h"

namespace taskhelm {
namespace {

class StartupOverPty : public ProgramOverPty {
 protected:
  using ProgramOverPty::ProgramOverPty;
};

TEST_F(StartupOverPty, IdentifiesAndReadsTheSettings) {
  pty.WithDevice([](sim::Device& d) { d.Settings().PanelSizeY = 99000; });
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  EXPECT_EQ(Received(), "!IC@!IC@!DD@");
  EXPECT_EQ(IniText(), "32 1 0\r\n");
  EXPECT_EQ(app->s.PanelSizeY, 72000);  // clamped to the model's maximum
  EXPECT_TRUE(app->s.PlotterPresent);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(StartupOverPty, TemporaryAndPermanentSendsReachTheDeviceAndReadBack) {
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  Dru71Set& window = app->Window<Dru71Set>();
  app->s.PenUpDelay = 40;  // an edit the operator made
  app->s.SettingsSent = false;
  std::string temporary = CutterSettingsCommand(app->s, SendMode::Temporary);
  pty.WithDevice([](sim::Device& d) { d.ClearReceived(); });
  ASSERT_TRUE(host.Run([&] { window.SendSettingTemp.Press(); }));
  EXPECT_EQ(Received(), "!IC@" + temporary + "!DD@");
  std::string powerOn;
  pty.WithDevice([&](sim::Device& d) {
    EXPECT_EQ(d.Settings().PenUpDelay, 40);
    EXPECT_EQ(d.PowerOnSettings().PenUpDelay, 0);
    d.ClearReceived();
  });
  EXPECT_EQ(app->s.PenUpDelay, 40);  // read back from the device

  // Nothing changed since the successful send: only the store command goes.
  ASSERT_TRUE(host.Run([&] { window.SendDefault.Press(); }));
  EXPECT_EQ(Received(), "!IC@!UD@!DD@");
  pty.WithDevice([](sim::Device& d) { EXPECT_EQ(d.PowerOnSettings().PenUpDelay, 40); });
  for (const auto& box : host.boxes)
    EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
}

class TangentialOverPty : public StartupOverPty {
 protected:
  TangentialOverPty() : StartupOverPty(32, 50) {}
};

TEST_F(TangentialOverPty, AsksForTheKnifeValues) {
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  EXPECT_EQ(Received(), "!IC@!IC@!DD@!TD@");
}

class PenPlotterOverPty : public StartupOverPty, public ::testing::WithParamInterface<int> {
 protected:
  PenPlotterOverPty() : StartupOverPty(GetParam()) {}
};

// The configured cutter answers as a pen plotter: start-up takes the model and shows its window,
// whose sends reach the device and read back.
TEST_P(PenPlotterOverPty, OpensTheWindowAndItsSendsReachTheDevice) {
  const int model = GetParam();
  const bool sensor = model == 33;
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  EXPECT_EQ(Received(), sensor ? "!IC@!IC@!DD@!FS@" : "!IC@!IC@!DD@");
  EXPECT_EQ(IniText(), std::to_string(model) + " 1 0\r\n");
  P870Set& window = app->Window<P870Set>();
  EXPECT_TRUE(window.Visible());

  if (sensor) {
    ASSERT_TRUE(host.Run([&] { window.Mark4thButton.SetValue(true); }));
  } else {
    ASSERT_TRUE(host.Run([&] {
      window.Gap.SetFocus();
      window.Gap.SetText("-120");
    }));
  }
  pty.WithDevice([](sim::Device& d) { d.ClearReceived(); });
  ASSERT_TRUE(host.Run([&] { window.SendSettingTemp.Press(); }));
  const std::string command = PenPlotterSettingsCommand(app->s, SendMode::Temporary);
  EXPECT_EQ(Received(), "!IC@" + command + (sensor ? "!DD@!FS@" : "!DD@"));
  pty.WithDevice([&](sim::Device& d) {
    if (sensor) EXPECT_EQ(d.Settings().MarkSkip, 3);
    else EXPECT_EQ(d.Settings().FrameGap, -120);
    d.ClearReceived();
  });
  EXPECT_TRUE(app->s.SettingsSent);
  EXPECT_EQ(sensor ? window.Mark4thButton.Value() : window.Gap.Text() == "-120", true);

  ASSERT_TRUE(host.Run([&] { window.SendDefault.Press(); }));
  EXPECT_EQ(Received(), sensor ? "!IC@!UD@!DD@!FS@" : "!IC@!UD@!DD@");
  for (const auto& box : host.boxes)
    EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
}

INSTANTIATE_TEST_SUITE_P(Models, PenPlotterOverPty, ::testing::Values(33, 41),
    [](const auto& info) { return "Model" + std::to_string(info.param); });

TEST_F(StartupOverPty, SilentDeviceOpensSetupAndCancelEnds) {
  pty.WithDevice([](sim::Device& d) { d.faults.silent = true; });
  bool setupShown = false;
  host.modalOperators["Config"] = [&](forms::Form& form) {
    setupShown = true;
    EXPECT_EQ(form.Caption(), "Taskhelm Setup");
    EXPECT_TRUE(host.boxes.empty());
    static_cast<Config&>(form).ConfigCancel.Press();
  };
  EXPECT_FALSE(host.Run([&] { Main(*app); }));
  EXPECT_TRUE(setupShown);
  EXPECT_FALSE(line.IsOpen());
}

TEST_F(StartupOverPty, PortHeldByAnotherProgramIsAnOpenFailure) {
  platform::PosixSerialLine other;
  ASSERT_TRUE(other.Open(1));
  app->s.PortName = "COM1";
  std::string reply;
  EXPECT_FALSE(app->port.Query("!IC@", reply, 13, 3000, 4));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Could not open COM1");
}

TEST_F(StartupOverPty, ALineThatVanishesMidReplyIsNoReplyAndTheNextQueryReopens) {
  app->s.PortName = "COM1";
  app->s.ReportErrors = false;
  pty.WithDevice([](sim::Device& d) { d.faults.slowReplyMs = 2000; });
  // The device goes away after it took the command, before it answers.
  host.onPump = [&] {
    if (Received() == "!IC@") pty.Stop();
  };
  std::string reply;
  EXPECT_FALSE(app->port.Query("!IC@", reply, 13, 1000, 4));
  host.onPump = nullptr;

  sim::Device again(32);
  sim::PtyDevice replacement(again);
  ASSERT_TRUE(replacement.Start());
  setenv("RENDIX_COM1", replacement.SlavePath().c_str(), 1);
  ASSERT_TRUE(app->port.Query("!IC@", reply, 13, 3000, 4));
  EXPECT_EQ(reply, "32\r");
  app->port.ClosePort();
  replacement.Stop();
}

// Ctrl+Alt+H from a field of the cutter window opens the servo tuner, which reads the drives; a
// changed parameter reaches the device, and the next activation shows what the device holds.
TEST_F(StartupOverPty, TheServoTunerChangesWhatTheDeviceHolds) {
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  Dru71Set& window = app->Window<Dru71Set>();
  pty.WithDevice([](sim::Device& d) { d.ClearReceived(); });
  ASSERT_TRUE(host.Run([&] {
    window.HiForce.SetFocus();
    window.DispatchKeyDown(&window.HiForce, 'H', forms::CtrlKey | forms::AltKey);
  }));
  DSPForm& tuner = app->Window<DSPForm>();
  EXPECT_TRUE(host.IsShown("DSPForm"));
  EXPECT_EQ(Received(), "!ZO0@!ZO1@!ZF0@!ZF1@!ZJ@!VT0@!VT1@");
  EXPECT_EQ(tuner.X_kD.Text(), "4.500");

  ASSERT_TRUE(host.Run([&] {
    tuner.X_kD.SetFocus();
    tuner.X_kD.SetText("2");
    tuner.X_kGVF.SetFocus();
  }));
  // The command may still be on its way through the pty.
  double kD = 0;
  for (int ms = 0; kD != 2.0 && ms < 5000; ms += 10) {
    pty.WithDevice([&](sim::Device& d) { kD = d.Service().servo[0][2]; });
    host.SleepMs(10);
  }
  EXPECT_EQ(kD, 2.0);

  // The device changes behind the tuner's back; coming back to the tuner shows it.
  pty.WithDevice([](sim::Device& d) { d.Service().servo[1][0] = 1.75; });
  ASSERT_TRUE(host.Run([&] {
    window.ActivatedByOperator();
    tuner.ActivatedByOperator();
  }));
  EXPECT_EQ(tuner.X_kD.Text(), "2.000");
  EXPECT_EQ(tuner.Y_kP.Text(), "1.750");
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace taskhelm
