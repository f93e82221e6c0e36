// The in-process line: ports, buffer, line speed, reply timing and CTS, on a virtual clock.
#include <gtest/gtest.h>

#include "sim/SimSerialLine.h"

namespace {

class FakeClock : public platform::Clock {
 public:
  int64_t NowMs() override { return now; }
  void SleepMs(int ms) override { now += ms; }
  int64_t now = 5000;
};

class SimLine : public ::testing::Test {
 protected:
  // Lets time pass in 1 ms steps until the line holds a whole reply; returns it with its time.
  std::string ReadReply(int limitMs, int64_t* elapsedMs = nullptr) {
    int64_t start = clock.now;
    std::string got;
    while (clock.now - start <= limitMs) {
      got += line.ReadAll();
      if (!got.empty() && got.back() == '\r') break;
      clock.now += 1;
    }
    if (elapsedMs) *elapsedMs = clock.now - start;
    return got;
  }

  FakeClock clock;
  sim::Device device{32};
  sim::SimSerialLine line{device, clock};
};

TEST_F(SimLine, OpensOnlyTheConfiguredPorts) {
  EXPECT_FALSE(line.Open(2));
  EXPECT_FALSE(line.IsOpen());
  EXPECT_NE(line.LastError().find("COM2"), std::string::npos);
  EXPECT_TRUE(line.Open(1));
  EXPECT_TRUE(line.LastError().empty());

  sim::SimSerialLine other(device, clock, {{3, 4}});
  EXPECT_FALSE(other.Open(1));
  EXPECT_TRUE(other.Open(4));
  EXPECT_EQ(other.PortNumber(), 4);
  line.Close();
  EXPECT_FALSE(line.Write("x")) << "nothing is written through a line that is not open";
  EXPECT_EQ(line.OutBufferCount(), 0);
}

TEST_F(SimLine, QueryTakesTheTimeOfNineHundredSixtyBytesPerSecond) {
  ASSERT_TRUE(line.Open(1));
  ASSERT_TRUE(line.Write("!IC@"));
  EXPECT_EQ(line.OutBufferCount(), 4);
  clock.now += 2;
  EXPECT_EQ(line.OutBufferCount(), 3) << "one character takes 1.04 ms";
  clock.now += 3;
  EXPECT_EQ(line.OutBufferCount(), 0);
  EXPECT_EQ(device.Received(), "!IC@");
  EXPECT_EQ(line.InBufferCount(), 0) << "the reply is still on its way";
  int64_t elapsed = 0;
  EXPECT_EQ(ReadReply(100, &elapsed), "32\r");
  EXPECT_GE(elapsed, 3);
  EXPECT_LE(elapsed, 4);

  // The dump of some hundred bytes takes about a tenth of a second to come back.
  ASSERT_TRUE(line.Write("!DD@"));
  EXPECT_EQ(ReadReply(1000, &elapsed).substr(0, 2), "1\n");
  EXPECT_GT(elapsed, 80);
  EXPECT_LT(elapsed, 140);
}

TEST_F(SimLine, InstantLineAnswersAtOnce) {
  sim::SimSerialLine instant(device, clock, {{1}, 0});
  ASSERT_TRUE(instant.Open(1));
  ASSERT_TRUE(instant.Write("!IC@"));
  EXPECT_EQ(instant.OutBufferCount(), 0);
  EXPECT_EQ(instant.InBufferCount(), 3);
  EXPECT_EQ(instant.ReadAll(), "32\r");
}

TEST_F(SimLine, OutputBufferHoldsAtMost2048Bytes) {
  ASSERT_TRUE(line.Open(1));
  EXPECT_EQ(line.OutBufferSize(), 2048);
  EXPECT_TRUE(line.Write(std::string(2000, 'x')));
  EXPECT_FALSE(line.Write(std::string(100, 'x')));
  const std::vector<platform::LineEvent> refused{platform::LineEvent::TransmitBufferFull};
  EXPECT_EQ(line.TakeEvents(), refused);
  EXPECT_TRUE(line.TakeEvents().empty());
  clock.now += 200;  // about 192 bytes drain
  EXPECT_TRUE(line.Write(std::string(100, 'x')));
  line.ClearOutput();
  EXPECT_EQ(line.OutBufferCount(), 0);
}

TEST_F(SimLine, SlowAndSplitRepliesArriveLate) {
  ASSERT_TRUE(line.Open(1));
  device.faults.slowReplyMs = 700;
  line.Write("!IC@");
  clock.now += 600;
  EXPECT_EQ(line.InBufferCount(), 0);
  int64_t elapsed = 0;
  EXPECT_EQ(ReadReply(1000, &elapsed), "32\r");
  EXPECT_GE(600 + elapsed, 700);

  device.faults.slowReplyMs = 0;
  device.faults.splitReply = true;
  line.Write("!IC@");
  clock.now += 10;
  EXPECT_EQ(line.ReadAll(), "3") << "the first piece alone";
  clock.now += sim::kSplitPauseMs / 2;
  EXPECT_EQ(line.ReadAll(), "");
  EXPECT_EQ(ReadReply(100), "2\r");
}

TEST_F(SimLine, CtsLowHoldsTheOutputBack) {
  ASSERT_TRUE(line.Open(1));
  device.faults.ctsLow = true;
  EXPECT_FALSE(line.Cts());
  line.Write("!IC@");
  clock.now += 1000;
  EXPECT_EQ(line.OutBufferCount(), 4);
  EXPECT_EQ(device.Received(), "");
  device.faults.ctsLow = false;
  EXPECT_TRUE(line.Cts());
  clock.now += 5;
  EXPECT_EQ(line.OutBufferCount(), 0);
  EXPECT_EQ(ReadReply(100), "32\r");
}

// Without transmission time a byte would arrive the moment it is written: CTS low holds it too.
TEST(SimLineWithoutBaud, CtsLowHoldsWhatIsWrittenThisMoment) {
  FakeClock clock;
  sim::Device device(32);
  sim::SimSerialLine line(device, clock, {.baud = 0});
  ASSERT_TRUE(line.Open(1));
  device.faults.ctsLow = true;
  line.Write("!IC@");
  EXPECT_EQ(line.OutBufferCount(), 4);
  clock.now += 100;
  EXPECT_EQ(line.OutBufferCount(), 4);
  EXPECT_EQ(device.Received(), "");
  device.faults.ctsLow = false;
  EXPECT_EQ(line.OutBufferCount(), 0);
  EXPECT_EQ(device.Received(), "!IC@");
}

TEST(SimLineWithoutBaud, AnUnpluggedPortNoLongerOpens) {
  FakeClock clock;
  sim::Device device(32);
  sim::SimSerialLine line(device, clock);
  ASSERT_TRUE(line.Open(1));
  line.Unplug(1);
  EXPECT_TRUE(line.IsOpen());
  line.Close();
  EXPECT_FALSE(line.Open(1));
}

TEST_F(SimLine, ClosingDropsTheRepliesInFlight) {
  ASSERT_TRUE(line.Open(1));
  line.Write("!DD@");
  clock.now += 10;
  line.Close();
  EXPECT_EQ(device.Received(), "!DD@") << "what arrived stays received";
  clock.now += 1000;
  ASSERT_TRUE(line.Open(1));
  EXPECT_EQ(line.InBufferCount(), 0);
  line.Write("!IC@");
  EXPECT_EQ(ReadReply(100), "32\r");
}

TEST_F(SimLine, ClearInputKeepsWhatIsStillOnTheWay) {
  ASSERT_TRUE(line.Open(1));
  line.Write("!DD@");
  clock.now += 30;
  ASSERT_GT(line.InBufferCount(), 0);
  line.ClearInput();
  EXPECT_EQ(line.InBufferCount(), 0);
  std::string rest = ReadReply(1000);
  EXPECT_EQ(rest.substr(rest.size() - 2), "_\r");
}

TEST_F(SimLine, CommandWithoutTerminatorRunsWhenTheLineFallsQuiet) {
  ASSERT_TRUE(line.Open(1));
  line.Write("!ZP100,100@!ZP0,0");
  clock.now += 20;
  line.Service();
  EXPECT_EQ(device.Service().rawPwm[0], 100);
  clock.now += sim::Link::kIdleUs / 1000 + 1;
  line.Service();
  EXPECT_EQ(device.Service().rawPwm[0], 0);
}

TEST_F(SimLine, EchoComesBackAtLineSpeed) {
  ASSERT_TRUE(line.Open(1));
  device.SetMode(sim::ReceiveMode::Echo);
  line.Write("A");
  EXPECT_EQ(line.ReadAll(), "");
  clock.now += 3;
  EXPECT_EQ(line.ReadAll(), "A");
  EXPECT_TRUE(line.Cts());
  EXPECT_EQ(line.EventFd(), -1);
}

}  // namespace
