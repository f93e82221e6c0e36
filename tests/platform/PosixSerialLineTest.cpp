#include "platform/PosixSerialLine.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <optional>

#include "tests/platform/ScopedEnv.h"

namespace {

using platform::PosixSerialLine;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int kPort = 7;
constexpr int kWaitMs = 2000;  // bounds each wait for real I/O; a healthy pty answers at once

// The line on the slave side of a fresh pty, which RENDIX_COM7 names; the test plays the device
// on the master side.
class PosixSerialLineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(NewPty()); }
  void TearDown() override {
    line_.Close();
    CloseMaster();
  }

  bool NewPty() {
    CloseMaster();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
    env_.Set("RENDIX_COM" + std::to_string(kPort), ptsname(master_));
    return true;
  }
  void CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

  void WriteMaster(std::string_view bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // What the device receives: reads until count bytes came or nothing more arrives, servicing
  // the line so that its held-back output moves on.
  std::string ReadMaster(size_t count) {
    std::string got;
    char chunk[4096];
    while (got.size() < count) {
      line_.Service();
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, kWaitMs) <= 0) break;
      const ssize_t n = read(master_, chunk, sizeof chunk);
      if (n <= 0) break;
      got.append(chunk, static_cast<size_t>(n));
    }
    return got;
  }
  // Waits until the line holds at least count received bytes.
  bool WaitForInput(int count) {
    while (line_.InBufferCount() < count) {
      pollfd p{line_.EventFd(), POLLIN, 0};
      if (line_.EventFd() < 0 || poll(&p, 1, kWaitMs) <= 0) return line_.InBufferCount() >= count;
    }
    return true;
  }

  ScopedEnv env_;
  int master_ = -1;
  PosixSerialLine line_;
};

TEST_F(PosixSerialLineTest, OpensRawAt9600EightNOneWithHandshake) {
  ASSERT_TRUE(line_.Open(kPort)) << line_.LastError();
  EXPECT_TRUE(line_.IsOpen());
  EXPECT_GE(line_.EventFd(), 0);
  EXPECT_EQ(line_.LastError(), "");
  // The slave's settings, seen through the master.
  termios tio{};
  ASSERT_EQ(tcgetattr(master_, &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), B9600);
  EXPECT_EQ(cfgetispeed(&tio), B9600);
  EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB), static_cast<tcflag_t>(CS8));
  EXPECT_NE(tio.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(tio.c_iflag & (ICRNL | IXON), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  // The port layer reopens the line for every query: its own lock must not stand in the way.
  EXPECT_TRUE(line_.Open(kPort)) << line_.LastError();
}

// Software flow control that the port's previous user set, or that a file send switched on,
// never survives an open: the driver would send XOFF and XON bytes to the device.
TEST_F(PosixSerialLineTest, EveryOpenLeavesSoftwareFlowControlOffBothWays) {
  const auto softwareFlow = [this] {
    termios tio{};
    EXPECT_EQ(tcgetattr(master_, &tio), 0);
    return tio.c_iflag & (IXON | IXOFF | IXANY);
  };
  const auto hardwareFlow = [this] {
    termios tio{};
    EXPECT_EQ(tcgetattr(master_, &tio), 0);
    return (tio.c_cflag & CRTSCTS) != 0;
  };
  // The previous user leaves the line with XOFF sent on input congestion.
  {
    const int previous = open(ptsname(master_), O_RDWR | O_NOCTTY);
    ASSERT_GE(previous, 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(previous, &tio), 0);
    tio.c_iflag |= IXOFF | IXANY;
    ASSERT_EQ(tcsetattr(previous, TCSANOW, &tio), 0);
    close(previous);
  }
  ASSERT_NE(softwareFlow(), 0u);
  ASSERT_TRUE(line_.Open(kPort)) << line_.LastError();
  EXPECT_EQ(softwareFlow(), 0u);
  EXPECT_TRUE(hardwareFlow());

  // A file send adds XON/XOFF; the next open is the plain line again.
  line_.SetHandshaking(platform::Handshaking::RtsCtsXonXoff);
  EXPECT_EQ(softwareFlow(), static_cast<tcflag_t>(IXON | IXOFF));
  ASSERT_TRUE(line_.Open(kPort)) << line_.LastError();
  EXPECT_EQ(softwareFlow(), 0u);
  EXPECT_TRUE(hardwareFlow());
}

TEST_F(PosixSerialLineTest, WrittenBytesArriveExactlyAndTheBufferDrains) {
  ASSERT_TRUE(line_.Open(kPort));
  std::string bytes = "!IC@\r\n";
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  ASSERT_TRUE(line_.Write(bytes));
  EXPECT_EQ(ReadMaster(bytes.size()), bytes);
  EXPECT_EQ(line_.OutBufferCount(), 0);
}

TEST_F(PosixSerialLineTest, HoldsWhatTheDeviceCannotTakeYetAndDeliversItInOrder) {
  ASSERT_TRUE(line_.Open(kPort));
  EXPECT_EQ(line_.OutBufferSize(), 2048);
  EXPECT_FALSE(line_.Write(std::string(2049, 'x')));

  // The device reads nothing: the pty fills, then our buffer, then Write refuses.
  std::string accepted;
  bool refused = false;
  for (int i = 0; i < 100 && !refused; ++i) {
    const std::string chunk(1000, static_cast<char>('a' + i % 26));
    if (line_.Write(chunk)) accepted += chunk;
    else refused = true;
  }
  ASSERT_TRUE(refused);
  EXPECT_GT(line_.OutBufferCount(), 0);
  EXPECT_LE(line_.OutBufferCount(), 2048);

  EXPECT_EQ(ReadMaster(accepted.size()), accepted);
  EXPECT_EQ(line_.OutBufferCount(), 0);
}

TEST_F(PosixSerialLineTest, ARefusedWriteIsAnEventUntilTakenOrTheLineReopens) {
  ASSERT_TRUE(line_.Open(kPort));
  EXPECT_THAT(line_.TakeEvents(), IsEmpty());  // a pty has no error counters
  EXPECT_FALSE(line_.Write(std::string(2049, 'x')));
  EXPECT_THAT(line_.TakeEvents(), ElementsAre(platform::LineEvent::TransmitBufferFull));
  EXPECT_THAT(line_.TakeEvents(), IsEmpty());
  EXPECT_FALSE(line_.Write(std::string(2049, 'x')));
  ASSERT_TRUE(line_.Open(kPort));
  EXPECT_THAT(line_.TakeEvents(), IsEmpty());
}

TEST_F(PosixSerialLineTest, ReadsWhatTheDeviceSendsInPieces) {
  ASSERT_TRUE(line_.Open(kPort));
  EXPECT_EQ(line_.InBufferCount(), 0);
  WriteMaster("25");
  ASSERT_TRUE(WaitForInput(2));
  EXPECT_EQ(line_.InBufferCount(), 2);
  WriteMaster("\r");
  ASSERT_TRUE(WaitForInput(3));
  EXPECT_EQ(line_.ReadAll(), "25\r");
  EXPECT_EQ(line_.InBufferCount(), 0);
}

TEST_F(PosixSerialLineTest, ClearInputDropsWhatWaits) {
  ASSERT_TRUE(line_.Open(kPort));
  WriteMaster("junk");
  ASSERT_TRUE(WaitForInput(4));
  line_.ClearInput();
  EXPECT_EQ(line_.InBufferCount(), 0);
  WriteMaster("ok\r");
  ASSERT_TRUE(WaitForInput(3));
  EXPECT_EQ(line_.ReadAll(), "ok\r");
}

TEST_F(PosixSerialLineTest, CtsReadsAssertedOnALineWithoutModemStatus) {
  EXPECT_FALSE(line_.Cts());  // no line yet
  ASSERT_TRUE(line_.Open(kPort));
  EXPECT_TRUE(line_.Cts());
}

TEST_F(PosixSerialLineTest, ASecondOpenerIsRefusedUntilTheFirstCloses) {
  ASSERT_TRUE(line_.Open(kPort));
  PosixSerialLine other;
  EXPECT_FALSE(other.Open(kPort));
  EXPECT_FALSE(other.IsOpen());
  EXPECT_THAT(other.LastError(), HasSubstr("COM7"));
  EXPECT_THAT(other.LastError(), HasSubstr("in use by another program"));
  line_.Close();
  EXPECT_FALSE(line_.IsOpen());
  EXPECT_TRUE(other.Open(kPort)) << other.LastError();
}

TEST_F(PosixSerialLineTest, AVanishedDeviceIsNoDataAndTheNextOpenStartsAfresh) {
  ASSERT_TRUE(line_.Open(kPort));
  CloseMaster();
  EXPECT_EQ(line_.InBufferCount(), 0);
  EXPECT_EQ(line_.ReadAll(), "");
  line_.Service();
  EXPECT_EQ(line_.EventFd(), -1);  // a dead line no longer wakes the pump
  EXPECT_FALSE(line_.Cts());
  // What cannot be delivered stays counted, so a send waiting for it fails instead of succeeding.
  EXPECT_TRUE(line_.Write("!IC@"));
  EXPECT_EQ(line_.OutBufferCount(), 4);

  ASSERT_TRUE(NewPty());
  ASSERT_TRUE(line_.Open(kPort)) << line_.LastError();
  EXPECT_EQ(line_.OutBufferCount(), 0);
  ASSERT_TRUE(line_.Write("!IC@"));
  EXPECT_EQ(ReadMaster(4), "!IC@");
  WriteMaster("32\r");
  ASSERT_TRUE(WaitForInput(3));
  EXPECT_EQ(line_.ReadAll(), "32\r");
}

TEST(PosixSerialLine, DevicePathOfAPort) {
  const std::vector<std::tuple<int, std::optional<std::string>, std::string>> cases = {
      {1, std::nullopt, "/dev/ttyS0"},
      {8, std::nullopt, "/dev/ttyS7"},
      {3, "/dev/ttyUSB0", "/dev/ttyUSB0"},
      {3, "", "/dev/ttyS2"},
  };
  for (const auto& [port, named, expected] : cases) {
    ScopedEnv env;
    env.Set("RENDIX_COM" + std::to_string(port), named);
    EXPECT_EQ(PosixSerialLine::DevicePath(port), expected);
  }
}

TEST(PosixSerialLine, OpenFailuresSayWhy) {
  char fileName[] = "/tmp/taskhelm-notatty-XXXXXX";
  const int file = mkstemp(fileName);
  ASSERT_GE(file, 0);
  close(file);

  struct Case {
    int port;
    std::optional<std::string> device;
    std::vector<std::string> message;
  };
  const std::vector<Case> cases = {
      {7, "/nonexistent/ttyX", {"COM7", "/nonexistent/ttyX", "No such file"}},
      {7, fileName, {"COM7", fileName, "is not a serial line"}},
      {0, std::nullopt, {"COM0", "is not a serial port"}},
  };
  for (const auto& c : cases) {
    ScopedEnv env;
    env.Set("RENDIX_COM" + std::to_string(c.port), c.device);
    PosixSerialLine line;
    EXPECT_FALSE(line.Open(c.port));
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(line.EventFd(), -1);
    EXPECT_FALSE(line.Write("x"));
    for (const auto& part : c.message) EXPECT_THAT(line.LastError(), HasSubstr(part));
  }
  unlink(fileName);
}

}  // namespace
