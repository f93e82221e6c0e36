// The start-up road over a real pty, with the simulated device on the other side and the real
// serial line of the program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/PosixSerialLine.h"
#include "cutter/Dru71Set.h"
#include "cutter/SettingTokens.h"
#include "penplotter/P870Set.h"
#include "setup/Config.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/TestHost.h"
#include "tests/support/FileText.h"

namespace taskhelm {
namespace {

class StartupOverPty : public ::testing::Test {
 protected:
  explicit StartupOverPty(int model = 32, std::optional<int> id = {}) : device(model, id), pty(device) {}

  void SetUp() override {
    ASSERT_TRUE(pty.Start()) << pty.Error();
    setenv("RENDIX_COM1", pty.SlavePath().c_str(), 1);
    folder = std::filesystem::temp_directory_path() / ("taskhelm-e2e-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/Tkh.ini", std::ios::binary) << "32 1 0\r\n";
    host.realTime = true;
    app = std::make_unique<App>(
        Platform{host, host, line, parlink, platform::Regional{}, folder, texts::Edition::English});
  }

  void TearDown() override {
    app.reset();
    pty.Stop();
    unsetenv("RENDIX_COM1");
    std::filesystem::remove_all(folder);
  }

  std::string Received() {
    std::string text;
    pty.WithDevice([&](sim::Device& d) { text = d.Received(); });
    return text;
  }

  std::string IniText() { return testing_support::FileText(folder + "/Tkh.ini"); }

  sim::Device device;
  sim::PtyDevice pty;
  testing_support::TestHost host;
  platform::PosixSerialLine line;
  testing_support::FakeParlink parlink;
  std::string folder;
  std::unique_ptr<App> app;
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

INSTANTIATE_TEST_SUITE_P(Models, PenPlotterOverPty, ::testing::Values(33, 41));

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

}  // namespace
}  // namespace taskhelm
