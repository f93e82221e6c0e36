// Firmware installation into the simulated device, over the serial and the parallel port.
#include <gtest/gtest.h>

#include "transfer/Flash.h"
#include "transfer/FlashPacket.h"
#include "tests/transfer/TransferFixture.h"
#include "tests/support/CaseName.h"

namespace transfer_tests {
namespace {

using taskhelm::Flash;

// A firmware image: bytes that include AA now and then, and the build stamp near its end.
std::string Image(size_t size, int64_t stampAt = -1) {
  std::string image(size, '\0');
  uint32_t x = 12345;
  for (char& c : image) {
    x = x * 1103515245 + 12345;
    c = static_cast<char>((x >> 16) % 7 == 0 ? 0xAA : (x >> 8));
  }
  if (stampAt < 0) stampAt = static_cast<int64_t>(size) - 2000;
  if (stampAt >= 0 && static_cast<size_t>(stampAt) < size)
    image.replace(static_cast<size_t>(stampAt), 9, "Compiled:");
  return image;
}

// An image without the stamp anywhere.
std::string Unstamped(size_t size) {
  std::string image = Image(size, static_cast<int64_t>(size));
  for (size_t at; (at = image.find("Compiled:")) != std::string::npos;) image[at] = 'c';
  return image;
}

class Installing : public ::testing::Test {
 protected:
  Installing() {
    f.Watch("Flash", [this] { return window().StatusBar.Text(); }, status);
    f.Watch("Flash", [this] { return window().labPercent.Caption(); }, percent);
    f.Watch("Flash", [this] {
      return window().StatusBar.Text() == "No Response" ? std::to_string(f.host.NowMs()) : "";
    }, noResponseAt);
    f.Watch("Flash", [this] {
      return window().StatusBar.Text() == "Waiting for Response" ? std::to_string(f.host.NowMs())
                                                                 : "";
    }, waitingAt);
  }
  Flash& window() { return f.app.Window<Flash>(); }

  void Install(const std::string& name, const std::string& image) {
    f.host.openFiles.push_back(f.folder.Write(name, image));
    f.host.Press(window().Command1);
  }
  bool Saw(const std::string& text) const {
    return std::find(status.begin(), status.end(), text) != status.end();
  }
  std::string RfCommandsSent() const {
    const std::string& r = f.device.Received();
    return r.find("!RF@") == std::string::npos ? "" : "!RF@";
  }

  TransferFixture f;
  std::vector<std::string> status, percent, noResponseAt, waitingAt;
};

TEST_F(Installing, TheDeviceEndsUpHoldingTheImageFromTheLoadAddressOn) {
  std::string image = Image(64000);
  Install("new.bin", image);

  const auto& packets = f.firmware.Packets();
  ASSERT_EQ(packets.size(), 49u);
  EXPECT_EQ(packets[0].type, 1);
  EXPECT_EQ(packets[0].address, 16384u);
  for (size_t i = 1; i <= 47; ++i) {
    EXPECT_EQ(packets[i].type, 2);
    EXPECT_EQ(packets[i].address, 16384u + 1024 * (i - 1));
    EXPECT_EQ(packets[i].length, i == 47 ? 512 : 1024);
  }
  EXPECT_EQ(packets[48].type, 3);
  EXPECT_EQ(packets[48].address, 47616u);
  for (const auto& p : packets) EXPECT_TRUE(p.accepted);
  EXPECT_EQ(f.firmware.DamagedPackets(), 0);
  EXPECT_TRUE(f.firmware.Finished());
  EXPECT_EQ(f.firmware.Image(), image.substr(16384));

  EXPECT_EQ(window().StatusBar.Text(), "Installation Complete ");
  EXPECT_EQ(window().Command2.Caption(), "OK");
  EXPECT_FALSE(window().Command1.Enabled());
  EXPECT_EQ(window().Gauge1.Value(), 100);
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
  EXPECT_EQ(f.line.handshaking, platform::Handshaking::None);
  EXPECT_FALSE(f.line.dtr);
  EXPECT_TRUE(f.host.boxes.empty());
  for (const char* text : {"Opened COM1", "Opened flash file", "Starting Data transfer to address 16384",
                           "Sending 1024 bytes to address 16384", "Sending 512 bytes to address 63488",
                           "Data Received             ", "Waiting for Response",
                           "Code being updated, place signcutter back on line when red light on.",
                           "Data Transfer Completed"})
    EXPECT_TRUE(Saw(text)) << text;
  auto first = std::find(percent.begin(), percent.end(), "< 1%");
  ASSERT_NE(first, percent.end());
  EXPECT_EQ(*(first - 1), "0 %");
  EXPECT_EQ(*(first + 1), "2%");
  EXPECT_EQ(percent.back(), "100%");

  const auto& dialog = f.host.fileDialogs.back();
  EXPECT_EQ(dialog.DialogTitle, "Select Binary Source File");
  EXPECT_NE(dialog.Filter.find("*.bin"), std::string::npos);
}

struct CheckCase {
  std::string name;
  std::string image;
  std::string reason;  // "" when the check passes
};

class FlashFileChecks : public Installing, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FlashFileChecks, RefusesWhatIsNoFirmwareImage) {
  const CheckCase& c = GetParam();
  f.firmware.faults.nakFrom = 0;  // a passing file stops at its first packet
  Install(c.name, c.image);
  if (c.reason.empty()) {
    EXPECT_FALSE(f.firmware.Packets().empty());
    EXPECT_TRUE(Saw("First Data Transfer Failed - Check Signcutter"));
    EXPECT_EQ(window().StatusBar.Text(), "Installation NOT finished, restart machine. ");
    EXPECT_FALSE(window().Command1.Enabled());
  } else {
    // Nothing reached the device: the reason stays, and another file may be chosen.
    EXPECT_EQ(window().StatusBar.Text(), c.reason);
    EXPECT_TRUE(f.firmware.Packets().empty());
    EXPECT_EQ(RfCommandsSent(), "");
    EXPECT_TRUE(window().Command1.Enabled());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, FlashFileChecks,
    ::testing::Values(
        CheckCase{"small.bin", Image(63999), "File too small to be an Quorvane flash file. "},
        CheckCase{"UPPER.BIN", Image(63999), "File too small to be an Quorvane flash file. "},
        CheckCase{"plain.bin", Unstamped(64000),
                  "File doesn't appear to be an Quorvane flash file. "},
        CheckCase{"late.bin", Image(64000, 64000 - 9),
                  "File doesn't appear to be an Quorvane flash file. "},
        CheckCase{"early.bin", Image(64000, 64000 - 4502),
                  "File doesn't appear to be an Quorvane flash file. "},
        CheckCase{"first.bin", Image(64000, 64000 - 4501), ""},
        CheckCase{"last.bin", Image(64000, 64000 - 10), ""}),
    [](const auto& info) { return testing_support::CaseName(info.param.name); });

TEST_F(Installing, OnlyBinFilesAreTaken) {
  Install("image.bin.bak", Image(64000));
  EXPECT_EQ(window().StatusBar.Text(), "File isn't a binary (.bin) flash file. ");
  EXPECT_TRUE(window().Command1.Enabled());
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);

  f.host.openFiles.push_back("");  // cancelled dialog
  window().Command1.Press();
  EXPECT_EQ(window().StatusBar.Text(), "Opened COM1");
  EXPECT_TRUE(window().Command1.Enabled());

  f.host.openFiles.push_back(f.folder.File("missing.bin"));
  window().Command1.Press();
  EXPECT_EQ(window().StatusBar.Text(), "Couldn't confirm flash file. ");
  EXPECT_TRUE(window().Command1.Enabled());

  // Another file after a rejected one installs.
  Install("new.bin", Image(64000));
  EXPECT_EQ(window().StatusBar.Text(), "Installation Complete ");
  EXPECT_FALSE(window().Command1.Enabled());
}

TEST_F(Installing, ASilentDeviceIsWaitedForTwoThenFourThenSixSeconds) {
  f.firmware.faults.silentFrom = 0;
  Install("new.bin", Image(64000));
  auto timeOf = [](const std::vector<std::string>& at) {
    for (const std::string& t : at)
      if (!t.empty()) return std::stoll(t);
    return -1LL;
  };
  ASSERT_GE(timeOf(waitingAt), 0);
  int64_t waited = timeOf(noResponseAt) - timeOf(waitingAt);
  EXPECT_GE(waited, 12000);
  EXPECT_LE(waited, 12300);
  EXPECT_TRUE(Saw("FLASH UPDATE ERROR"));
  EXPECT_TRUE(Saw("First Data Transfer Failed - Check Signcutter"));
  EXPECT_EQ(window().StatusBar.Text(), "Installation NOT finished, restart machine. ");
  EXPECT_EQ(window().Gauge1.Value(), 0);
  EXPECT_EQ(window().labPercent.Caption(), "0 %");
  EXPECT_EQ(f.firmware.Packets().size(), 1u);
}

TEST_F(Installing, ARefusedBlockEndsTheInstallationWithoutEnd) {
  f.firmware.faults.nakFrom = 5;
  Install("new.bin", Image(64000));
  EXPECT_EQ(f.firmware.Packets().size(), 6u);
  EXPECT_TRUE(Saw("FLASH UPDATE ERROR"));
  EXPECT_TRUE(Saw("Data Transfer Failed"));
  EXPECT_EQ(window().StatusBar.Text(), "Installation NOT finished, restart machine. ");
  EXPECT_FALSE(f.line.IsOpen());
  EXPECT_FALSE(f.firmware.Finished());
}

TEST_F(Installing, ARefusedEndStillFinishesTheInstallation) {
  f.firmware.faults.nakFrom = 48;
  Install("new.bin", Image(64000));
  EXPECT_EQ(f.firmware.Packets().size(), 49u);
  EXPECT_TRUE(Saw("send_block(END) failed"));
  EXPECT_EQ(window().StatusBar.Text(), "Installation Complete ");
}

TEST_F(Installing, CancelDuringAReplyWaitStopsAtOnce) {
  f.firmware.faults.silentFrom = 3;
  int64_t cancelledAt = -1;
  f.line.onPoll = [&] {
    if (cancelledAt < 0 && f.firmware.Packets().size() == 4) {
      cancelledAt = f.host.NowMs();
      EXPECT_TRUE(f.host.Press(window().Command2));  // acts while the installation waits
    }
  };
  Install("new.bin", Image(64000));
  f.line.onPoll = nullptr;
  ASSERT_GE(cancelledAt, 0);
  EXPECT_LT(f.host.NowMs() - cancelledAt, 2500);
  EXPECT_EQ(f.firmware.Packets().size(), 4u);  // no END
  EXPECT_EQ(f.app.LoadedWindow<Flash>(), nullptr);
  EXPECT_FALSE(f.s.FlashMode);
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
}

TEST_F(Installing, ASerialPortWithAParallelPortNamedRefusesToSend) {
  f.s.LptPortName = "LPT2";
  Install("new.bin", Image(64000));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Could not open LPT2");
  EXPECT_EQ(f.host.boxes[0].buttons, forms::MsgButtons::OKCancel);
  EXPECT_TRUE(f.firmware.Packets().empty());
  EXPECT_TRUE(Saw("First Data Transfer Failed - Check Signcutter"));
}

TEST_F(Installing, OverTheParallelPortEveryPacketIsWrittenAndAcknowledged) {
  f.UseParallelPort(1);
  std::string image = Image(64000);
  // START's first read finds a 00, the second read the acknowledgement.
  f.parlink.replies = {std::string(1, '\0'), "\x06"};
  for (int i = 0; i < 48; ++i) f.parlink.replies.push_back("\x06");
  Install("new.bin", image);

  std::string expected = "!RF@" + taskhelm::BuildPacket(taskhelm::PacketType::Start, 16384, 0, {});
  int64_t address = 16384;
  for (int64_t left = 47616; left > 0;) {
    int64_t n = taskhelm::NextBlockLength(left);
    expected += taskhelm::BuildPacket(taskhelm::PacketType::Data, static_cast<uint32_t>(address),
                                      static_cast<uint16_t>(n),
                                      std::string_view(image).substr(static_cast<size_t>(address),
                                                                     static_cast<size_t>(n)));
    address += n;
    left -= n;
  }
  expected += taskhelm::BuildPacket(taskhelm::PacketType::End, 47616, 0, {});
  EXPECT_EQ(f.parlink.written, expected);
  EXPECT_EQ(window().StatusBar.Text(), "Installation Complete ");
  EXPECT_EQ(f.parlink.timeouts, (std::vector<long>{1, 120, 10, 10, 255}));
  EXPECT_FALSE(f.parlink.open);  // closed after the installation
  EXPECT_EQ(f.line.writes.size(), 0u);
}

TEST_F(Installing, CancelOnTheParallelPortClosesIt) {
  f.UseParallelPort(1);
  window().Command2.Press();
  EXPECT_EQ(f.app.LoadedWindow<Flash>(), nullptr);
  EXPECT_FALSE(f.s.FlashMode);
  EXPECT_EQ(f.s.LptOpenResult, 0);
}

}  // namespace
}  // namespace transfer_tests
