// The start-up road on the parallel port: the real library over a pty standing in for LPT2.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "startup/ModelTable.h"
#include "tests/support/TestHost.h"

namespace taskhelm {
namespace {

TEST(ParallelOverPty, IdentifiesAndReadsTheSettingsOnLpt2) {
  sim::Device device(33);
  device.Settings().FrameGap = 250;
  // A parallel port has no serial line speed: the stand-in answers at once.
  sim::PtyDevice pty(device, sim::PtyOptions{0, ""});
  ASSERT_TRUE(pty.Start()) << pty.Error();
  setenv("PARLINK_LPT2", pty.SlavePath().c_str(), 1);
  std::string folder =
      std::filesystem::temp_directory_path() / ("taskhelm-lpt-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/Tkh.ini", std::ios::binary) << "33 0 2\r\n";

  testing_support::TestHost host;
  host.realTime = true;
  platform::PosixSerialLine line;
  platform::ParlinkLibrary parlink;
  {
    App app(Platform{host, host, line, parlink, platform::Regional{}, folder,
                     texts::Edition::English});
    InitModelTable(app);
    EXPECT_TRUE(ReadIniFile(app));
    EXPECT_EQ(app.s.PortName, "COM0");
    EXPECT_EQ(app.s.LptPortName, "LPT2");
    EXPECT_TRUE(ConnectDevice(app, false));
    EXPECT_EQ(app.s.FrameGap, 250);
    EXPECT_FALSE(line.IsOpen());  // the serial line is never touched
    for (const auto& box : host.boxes) ADD_FAILURE() << box.text;
    app.port.ClosePort();
  }
  std::string received;
  pty.WithDevice([&](sim::Device& d) { received = d.Received(); });
  EXPECT_EQ(received, "!IC@!IC@!DD@!FS@");
  pty.Stop();
  unsetenv("PARLINK_LPT2");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace taskhelm
