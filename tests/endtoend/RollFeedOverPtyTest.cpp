// The roll-feed cutter end to end: the program starts on a simulated model 35 behind a pty, the
// roll-feed window opens, and its Temporary and Permanent sends reach the device and read back;
// once over the serial line, once through the parallel-port library.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "link/SettingTokens.h"
#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "rollfeed/StoogMoa.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/FastClock.h"
#include "tests/support/LptStandIn.h"
#include "tests/support/TestHost.h"

namespace taskhelm {
namespace {

// The program's clock runs ten times faster: the four seconds after a temporary send take less
// than half a real one.
class RollFeedOverPty : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("taskhelm-e2e-rollfeed-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    host.realTime = true;
  }
  void TearDown() override {
    app.reset();
    std::filesystem::remove_all(folder);
  }

  void Start(const std::string& iniLine, platform::Parlink& parlink) {
    std::ofstream(folder + "/Tkh.ini", std::ios::binary) << iniLine;
    app = std::make_unique<App>(Platform{host, clock, line, parlink, platform::Regional{}, folder,
                                         texts::Edition::English});
  }

  // Start-up, then an edit, Temporary and Permanent: what the device received at each send.
  template <class Device>
  void SendBothWays(Device& device) {
    ASSERT_TRUE(host.Run([&] { Main(*app); }));
    ASSERT_TRUE(host.IsShown("StoogMoa"));
    StoogMoa& window = app->Window<StoogMoa>();
    window.RollButton.SetValue(true);
    app->s.PenUpDelay = 40;  // an edit the operator made
    const std::string temporary = RollFeedSettingsCommand(app->s, SendMode::Temporary);
    device.WithDevice([](sim::Device& d) { d.ClearReceived(); });
    ASSERT_TRUE(host.Run([&] { window.SendSettingTemp.Press(); }));
    device.WithDevice([&](sim::Device& d) {
      EXPECT_EQ(d.Received(), "!IC@" + temporary + "!DD@");
      EXPECT_EQ(d.Settings().RollFeedOn, 1);
      EXPECT_EQ(d.Settings().PenUpDelay, 40);
      EXPECT_EQ(d.PowerOnSettings().PenUpDelay, 0);
      d.ClearReceived();
    });
    EXPECT_TRUE(app->s.SettingsSent);

    // Nothing changed since the successful send: only the store command goes.
    ASSERT_TRUE(host.Run([&] { window.SendDefault.Press(); }));
    device.WithDevice([](sim::Device& d) {
      EXPECT_EQ(d.Received(), "!IC@!UD@!DD@");
      EXPECT_EQ(d.PowerOnSettings().PenUpDelay, 40);
      EXPECT_EQ(d.PowerOnSettings().RollFeedOn, 1);
    });
    for (const auto& box : host.boxes)
      EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
  }

  std::string folder;
  testing_support::TestHost host;
  testing_support::FastClock clock;
  platform::PosixSerialLine line;
  std::unique_ptr<App> app;
};

TEST_F(RollFeedOverPty, OverTheSerialLine) {
  sim::Device device(35);
  sim::PtyDevice pty(device);
  ASSERT_TRUE(pty.Start()) << pty.Error();
  setenv("RENDIX_COM1", pty.SlavePath().c_str(), 1);
  testing_support::FakeParlink parlink;
  Start("35 1 0\r\n", parlink);
  SendBothWays(pty);
  app.reset();
  pty.Stop();
  unsetenv("RENDIX_COM1");
}

TEST_F(RollFeedOverPty, ThroughTheParallelPortLibrary) {
  testing_support::LptStandIn lpt1(1, 35);
  ASSERT_TRUE(lpt1.Started());
  platform::ParlinkLibrary parlink;
  Start("35 0 1\r\n", parlink);
  SendBothWays(lpt1);
  EXPECT_FALSE(line.IsOpen());  // the serial line is never touched
}

}  // namespace
}  // namespace taskhelm
