#pragma once
// The program's code over a real pty, with the simulated device on the other side and the real
// serial line of the program on COM1; the INI file names the device's model.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "platform/PosixSerialLine.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/FileText.h"
#include "tests/support/TestHost.h"

namespace taskhelm {

class ProgramOverPty : public ::testing::Test {
 protected:
  explicit ProgramOverPty(int model = 32, std::optional<int> id = {})
      : device(model, id), pty(device) {}

  void SetUp() override {
    ASSERT_TRUE(pty.Start()) << pty.Error();
    setenv("RENDIX_COM1", pty.SlavePath().c_str(), 1);
    folder = std::filesystem::temp_directory_path() / ("taskhelm-e2e-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/Tkh.ini", std::ios::binary) << device.Model() << " 1 0\r\n";
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

}  // namespace taskhelm
