// Plot files and firmware over a real pty into the simulated device, through the program's real
// serial line.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/PosixSerialLine.h"
#include "sim/FirmwareReceiver.h"
#include "sim/PlotReceiver.h"
#include "sim/PtyDevice.h"
#include "startup/App.h"
#include "tests/support/FakeParlink.h"
#include "tests/support/FastClock.h"
#include "tests/support/TestHost.h"
#include "transfer/Flash.h"
#include "transfer/SendCutFiles.h"

namespace taskhelm {
namespace {

using testing_support::FastClock;

class TransferOverPty : public ::testing::Test {
 protected:
  // No line rate: the pty carries the bytes as fast as both ends take them.
  TransferOverPty()
      : device(32), plot(device), firmware(device), pty(device, sim::PtyOptions{0, ""}) {}

  void SetUp() override {
    ASSERT_TRUE(pty.Start()) << pty.Error();
    setenv("RENDIX_COM1", pty.SlavePath().c_str(), 1);
    folder = std::filesystem::temp_directory_path() /
             ("taskhelm-e2e-transfer-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    host.realTime = true;  // waits block on the line
    app = std::make_unique<App>(Platform{host, clock, line, parlink, platform::Regional{}, folder,
                                         texts::Edition::English});
    app->s.ModelCode = 32;
    app->s.PortName = "COM1";
    app->s.LptPortName = "LPT0";
    app->s.PlotterPresent = true;
    app->s.ReportErrors = true;
  }

  void TearDown() override {
    app.reset();
    pty.Stop();
    unsetenv("RENDIX_COM1");
    std::filesystem::remove_all(folder);
  }

  std::string WriteFile(const std::string& name, const std::string& bytes) {
    std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  sim::Device device;
  sim::PlotReceiver plot;
  sim::FirmwareReceiver firmware;
  sim::PtyDevice pty;
  testing_support::TestHost host;
  FastClock clock;
  platform::PosixSerialLine line;
  testing_support::FakeParlink parlink;
  std::string folder;
  std::unique_ptr<App> app;
};

TEST_F(TransferOverPty, APlotFileArrivesByteForByte) {
  // Every byte value but "!", which the device takes for the start of a command; line ends and
  // the XON/XOFF characters included.
  std::string data;
  while (data.size() < 6000)
    for (int b = 0; b < 256; ++b)
      if (b != '!') data += static_cast<char>(b);
  std::string path = WriteFile("job.plt", data);
  ASSERT_TRUE(app->port.OpenSerialPort("COM1"));
  app->s.FileMenuIndex = 0;

  host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
    // The window's timer starts the send.
    for (int ms = 0; form.Visible() && ms < 10000; ms += 10) host.Advance(10);
  };
  SendCutFiles& window = app->Window<SendCutFiles>();
  window.SetFileName(path);
  window.Show(forms::ShowMode::Modal);
  EXPECT_FALSE(window.Visible());
  EXPECT_TRUE(host.boxes.empty());

  // The last piece may still be on its way through the pty.
  std::string received;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (received.size() < data.size() && std::chrono::steady_clock::now() < deadline) {
    pty.WithDevice([&](sim::Device&) { received = plot.Kept(); });
    clock.SleepMs(10);
  }
  EXPECT_EQ(received, data);
}

// Read back from the pty: while the program holds the port the line has RTS/CTS and no software
// flow control either way, though the port's previous user left XOFF on; a file send adds
// XON/XOFF, and its reopen after Abort takes both away again.
TEST_F(TransferOverPty, TheLineHasNoSoftwareFlowControlWhileTheProgramHoldsIt) {
  const auto flags = [&] {
    termios tio{};
    EXPECT_TRUE(pty.LineSettings(tio));
    std::string shown = tio.c_cflag & CRTSCTS ? "crtscts" : "-crtscts";
    shown += tio.c_iflag & IXON ? " ixon" : " -ixon";
    shown += tio.c_iflag & IXOFF ? " ixoff" : " -ixoff";
    return shown;
  };
  {
    const int previous = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(previous, 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(previous, &tio), 0);
    tio.c_iflag |= IXOFF;
    ASSERT_EQ(tcsetattr(previous, TCSANOW, &tio), 0);
    close(previous);
  }
  ASSERT_TRUE(flags().ends_with(" ixoff"));
  ASSERT_TRUE(app->port.OpenSerialPort("COM1"));
  EXPECT_EQ(flags(), "crtscts -ixon -ixoff");

  const std::string path = WriteFile("job.plt", std::string(20000, 'x'));
  app->s.FileMenuIndex = 0;
  SendCutFiles& window = app->Window<SendCutFiles>();
  std::string duringTheSend;
  host.onPump = [&] {
    if (!app->s.SendingFile || !duringTheSend.empty()) return;
    duringTheSend = flags();
    window.btnAbort.Press();
  };
  host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
    for (int ms = 0; form.Visible() && ms < 10000; ms += 10) host.Advance(10);
  };
  window.SetFileName(path);
  window.Show(forms::ShowMode::Modal);
  host.onPump = nullptr;
  EXPECT_EQ(duringTheSend, "crtscts ixon ixoff");
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(flags(), "crtscts -ixon -ixoff");
  EXPECT_TRUE(app->port.SerialOpen());
}

TEST_F(TransferOverPty, AnInstalledImageLeavesTheDeviceHoldingItFromTheLoadAddressOn) {
  // Bytes AA among the data, and the build stamp the file check looks for.
  std::string image(64000, '\0');
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i % 5 == 0 ? 0xAA : i * 7);
  image.replace(image.size() - 100, 9, "Compiled:");
  host.openFiles.push_back(WriteFile("new.bin", image));

  Flash& window = app->Window<Flash>();
  window.Command1.Press();

  EXPECT_EQ(window.StatusBar.Text(), "Installation Complete ");
  EXPECT_TRUE(host.boxes.empty());
  pty.WithDevice([&](sim::Device& d) {
    EXPECT_TRUE(firmware.Finished());
    EXPECT_EQ(firmware.DamagedPackets(), 0);
    EXPECT_EQ(firmware.StartAddress(), 16384u);
    EXPECT_EQ(firmware.Packets().size(), 49u);  // START, 47 blocks, END
    EXPECT_TRUE(firmware.Image() == image.substr(16384)) << "the image differs";
    EXPECT_EQ(d.Mode(), sim::ReceiveMode::Commands);
  });
}

}  // namespace
}  // namespace taskhelm
