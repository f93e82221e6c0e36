// The start-up road on the parallel port: the real library over ptys standing in for LPT ports.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "penplotter/P870Set.h"
#include "servo/DSPTestForm.h"
#include "setup/Config.h"
#include "startup/App.h"
#include "startup/ConnectDevice.h"
#include "startup/Main.h"
#include "startup/ModelTable.h"
#include "tests/support/LptStandIn.h"
#include "tests/support/TestHost.h"
#include "tests/support/FileText.h"

namespace taskhelm {
namespace {

using testing_support::LptStandIn;

class ParallelOverPty : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("taskhelm-lpt-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    host.realTime = true;
  }
  void TearDown() override {
    app.reset();
    std::filesystem::remove_all(folder);
  }

  void StartWithIni(const std::string& line) {
    std::ofstream(folder + "/Tkh.ini", std::ios::binary) << line;
    app = std::make_unique<App>(
        Platform{host, host, serial, parlink, platform::Regional{}, folder, texts::Edition::English});
  }

  std::string IniText() { return testing_support::FileText(folder + "/Tkh.ini"); }

  std::string folder;
  testing_support::TestHost host;
  platform::PosixSerialLine serial;
  platform::ParlinkLibrary parlink;
  std::unique_ptr<App> app;
};

TEST_F(ParallelOverPty, IdentifiesAndReadsTheSettingsOnLpt2) {
  LptStandIn lpt2(2, 33);
  lpt2.device.Settings().FrameGap = 250;
  ASSERT_TRUE(lpt2.Started());
  StartWithIni("33 0 2\r\n");
  InitModelTable(*app);
  EXPECT_TRUE(ReadIniFile(*app));
  EXPECT_EQ(app->s.PortName, "COM0");
  EXPECT_EQ(app->s.LptPortName, "LPT2");
  EXPECT_TRUE(ConnectDevice(*app, false));
  EXPECT_EQ(app->s.FrameGap, 250);
  EXPECT_FALSE(serial.IsOpen());  // the serial line is never touched
  for (const auto& box : host.boxes) ADD_FAILURE() << box.text;
  app->port.ClosePort();
  EXPECT_EQ(lpt2.Received(), "!IC@!IC@!DD@!FS@");
}

TEST_F(ParallelOverPty, PenPlotterWindowSendsAndReadsBackOnLpt1) {
  LptStandIn lpt1(1, 41);
  ASSERT_TRUE(lpt1.Started());
  StartWithIni("41 0 1\r\n");
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  P870Set& window = app->Window<P870Set>();
  EXPECT_TRUE(window.Visible());
  ASSERT_TRUE(host.Run([&] {
    window.XScale.SetFocus();
    window.XScale.SetText("120");
    window.SendSettingTemp.Press();
  }));
  for (const auto& box : host.boxes)
    EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
  EXPECT_TRUE(app->s.SettingsSent);
  EXPECT_EQ(app->s.ScaleX, 120);
  app->port.ClosePort();
  const std::string received = lpt1.Received();
  EXPECT_NE(received.find(" SS120,100 "), std::string::npos) << received;
  EXPECT_TRUE(received.ends_with("FG0@!DD@")) << received;
  EXPECT_FALSE(serial.IsOpen());
}

// The device on LPT1 is not the one wanted; the operator picks LPT2 in Setup. The library holds
// one port at a time, so LPT1 must be let go before LPT2 answers.
TEST_F(ParallelOverPty, SetupMovesTheConnectionToAnotherParallelPort) {
  LptStandIn lpt1(1, 32);
  lpt1.device.faults.wrongModelId = 2;  // no model: the connection fails without a message
  LptStandIn lpt2(2, 32);
  lpt2.device.Settings().PenUpDelay = 40;
  ASSERT_TRUE(lpt1.Started() && lpt2.Started());
  StartWithIni("32 0 1\r\n");
  bool setupShown = false;
  host.modalOperators["Config"] = [&](forms::Form& form) {
    setupShown = true;
    Config& config = static_cast<Config&>(form);
    EXPECT_TRUE(config.LPT[0].Value());
    config.LPT[1].SetValue(true);
    config.ConfigOK.Press();
  };
  ASSERT_TRUE(host.Run([&] { Main(*app); }));
  EXPECT_TRUE(setupShown);
  for (const auto& box : host.boxes) ADD_FAILURE() << box.text;
  EXPECT_EQ(app->s.LptPortName, "LPT2");
  EXPECT_EQ(app->s.PenUpDelay, 40);
  EXPECT_EQ(lpt2.Received(), "!IC@!DD@");
  EXPECT_EQ(IniText(), "32 0 1\r\n");  // only the parallel port changed: the file stays
  EXPECT_FALSE(serial.IsOpen());
}

// The library's read blocks until the reply or its time-out; a motor stop pressed while the test
// window's min/max reply is awaited goes out during that wait, not after it.
TEST_F(ParallelOverPty, TheRawPwmStopGoesOutWhileAReplyIsAwaited) {
  LptStandIn lpt1(1, 32);
  lpt1.device.faults.slowReplyMs = 400;
  ASSERT_TRUE(lpt1.Started());
  StartWithIni("32 0 1\r\n");
  InitModelTable(*app);
  ASSERT_TRUE(ReadIniFile(*app));
  auto& tests = app->Window<DSPTestForm>();
  ASSERT_TRUE(host.Run([&] {
    app->port.OpenPort();
    tests.Show(forms::ShowMode::Modeless);
  }));
  lpt1.WithDevice([](sim::Device& device) { device.ClearReceived(); });
  bool stopped = false, replyWasIn = true;
  host.onPump = [&] {
    if (stopped || lpt1.Received() != "!ZD0@") return;
    stopped = true;
    replyWasIn = !tests.RegAMin.Caption().empty();
    host.Press(tests.Command3);
  };
  ASSERT_TRUE(host.Run([&] { host.Press(tests.GetMinAndMax); }));
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(replyWasIn);
  EXPECT_FALSE(tests.RegAMin.Caption().empty());
  EXPECT_EQ(lpt1.Received(), "!ZD0@!ZP0,0");
  for (const auto& box : host.boxes) ADD_FAILURE() << box.text;
}

}  // namespace
}  // namespace taskhelm
