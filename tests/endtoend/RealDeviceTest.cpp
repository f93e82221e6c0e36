// Against a real device on a real port, for whoever has one on the bench: identifies it and reads
// its settings. Skipped unless TASKHELM_DEVICE_PORT names the port, for example
//   TASKHELM_DEVICE_PORT=/dev/ttyUSB0 build/test/bin/endtoend_tests --gtest_filter='RealDevice*'
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "link/Identify.h"
#include "platform/PosixSerialLine.h"
#include "startup/App.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/TestHost.h"

namespace taskhelm {
namespace {

TEST(RealDevice, IdentifiesTheDeviceAndReadsItsSettings) {
  const char* port = std::getenv("TASKHELM_DEVICE_PORT");
  if (port == nullptr || *port == '\0')
    GTEST_SKIP() << "no device: set TASKHELM_DEVICE_PORT to the serial port a device is on "
                    "(for example /dev/ttyUSB0) to run this test";
  setenv("RENDIX_COM1", port, 1);
  testing_support::TestHost host;
  host.realTime = true;
  platform::PosixSerialLine line;
  testing_support::FakeParlink parlink;
  const std::string folder = std::filesystem::temp_directory_path() / "taskhelm-real-device";
  auto app = std::make_unique<App>(
      Platform{host, host, line, parlink, platform::Regional{}, folder, texts::Edition::English});
  app->s.PortName = "COM1";
  app->s.LptPortName = "LPT0";

  int16_t model = -1;
  ASSERT_TRUE(host.Run([&] { model = IdentifyDevice(*app); }));
  ASSERT_GE(model, 32) << "no model answered on " << port << " (DeviceId " << app->s.DeviceId
                       << "); is the device on and its green light lit?";
  app->s.ModelCode = model;
  bool read = false;
  ASSERT_TRUE(host.Run([&] { read = ReadDeviceSettings(*app); }));
  EXPECT_TRUE(read) << "model " << model << " identified but its settings dump was not read";
  EXPECT_GT(app->s.ScaleX, 0);
  app.reset();
  unsetenv("RENDIX_COM1");
}

}  // namespace
}  // namespace taskhelm
