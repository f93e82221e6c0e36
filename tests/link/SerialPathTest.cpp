// The serial path over the in-process device: exact bytes, reply framing, time-outs and faults.
#include <gtest/gtest.h>

#include "tests/support/AppFixture.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

std::string Ask(AppFixture& f, const std::string& cmd, bool* ok = nullptr) {
  std::string reply;
  bool result = f.app.port.Query(cmd, reply, 13, 3000, 4);
  if (ok) *ok = result;
  return reply;
}

TEST(SerialPath, QuerySendsTheCommandAsBuiltAndReturnsTheReplyWithItsCr) {
  AppFixture f;
  bool ok = false;
  EXPECT_EQ(Ask(f, "!IC@", &ok), "32\r");
  EXPECT_TRUE(ok);
  EXPECT_EQ(f.device.Received(), "!IC@");
  EXPECT_EQ(f.s.OpenPortName, "");  // Query does not name the port; OpenPort and SendString do
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
}

TEST(SerialPath, EveryQueryReopensTheLineWithItsSettlePause) {
  AppFixture f;
  int64_t start = f.host.NowMs();
  Ask(f, "!IC@");
  EXPECT_GE(f.host.NowMs() - start, 200);
  start = f.host.NowMs();
  Ask(f, "!IC@");
  EXPECT_GE(f.host.NowMs() - start, 400);  // close pause and open pause
}

TEST(SerialPath, ReplyInTwoPiecesIsOneReply) {
  AppFixture f;
  f.device.faults.splitReply = true;
  EXPECT_EQ(Ask(f, "!IC@"), "32\r");
}

// What the receive event takes from the line stays in the port layer's buffer until a caller
// takes it (the echo test, the firmware ACK wait) or the next query starts afresh.
TEST(SerialPath, TheReceiveEventKeepsWhatArrivesUntilItIsTaken) {
  AppFixture f;
  ASSERT_TRUE(f.app.port.OpenSerialPort("COM1"));
  ASSERT_TRUE(f.app.port.SendSerial("!IC@", 3000));
  f.app.port.Delay(100);
  f.app.port.Comm1_OnComm();
  EXPECT_EQ(f.app.port.TakeReceived(), "32\r");
  EXPECT_EQ(f.app.port.TakeReceived(), "");

  ASSERT_TRUE(f.app.port.SendSerial("!IC@", 3000));
  f.app.port.Delay(100);
  f.app.port.Comm1_OnComm();
  f.app.port.DiscardReceived();
  EXPECT_EQ(f.app.port.TakeReceived(), "");
  EXPECT_EQ(Ask(f, "!IC@"), "32\r");  // a leftover never leads the next reply
}

struct SilentCase {
  bool reportErrors;
  size_t boxes;
};

TEST(SerialPath, SilentDeviceTimesOutWithOneBoxOnlyWhenReporting) {
  for (SilentCase c : {SilentCase{true, 1}, SilentCase{false, 0}}) {
    AppFixture f;
    f.device.faults.silent = true;
    f.s.ReportErrors = c.reportErrors;
    f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
    int64_t start = f.host.NowMs();
    bool ok = true;
    Ask(f, "!IC@", &ok);
    EXPECT_FALSE(ok);
    EXPECT_GE(f.host.NowMs() - start, 3000);
    ASSERT_EQ(f.host.boxes.size(), c.boxes);
    if (c.boxes) {
      EXPECT_EQ(f.host.boxes[0].text, "Green light Not ON or Cutter Not Connected to COM1.");
      EXPECT_EQ(f.host.boxes[0].title, "ERROR");
      EXPECT_EQ(f.host.beeps, 1);
    }
  }
}

TEST(SerialPath, BadRepliesNeverBreakTheQuery) {
  struct Case {
    const char* name;
    void (*apply)(sim::Faults&);
    bool ok;
  };
  const Case cases[] = {
      {"no CR", [](sim::Faults& x) { x.replyWithoutCr = true; }, false},
      {"NUL bytes", [](sim::Faults& x) { x.nulInReply = true; }, true},
      {"over 1000 characters", [](sim::Faults& x) { x.overlongReply = true; }, true},
      {"garbage", [](sim::Faults& x) { x.garbageReply = true; }, true},
      {"slow but within the time-out", [](sim::Faults& x) { x.slowReplyMs = 2000; }, true},
      {"slower than the time-out", [](sim::Faults& x) { x.slowReplyMs = 4000; }, false},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.s.ReportErrors = false;
    c.apply(f.device.faults);
    bool ok = !c.ok;
    std::string reply = Ask(f, "!IC@", &ok);
    EXPECT_EQ(ok, c.ok) << c.name;
    if (ok) {
      EXPECT_EQ(reply.back(), '\r') << c.name;
    }
  }
}

// Line errors reach the program through the receive event while it pumps: a box for a framing
// error or a refused write; an overrun only drops what waits (here the reply, so the query times
// out).
TEST(SerialPath, LineEventsDuringAQuery) {
  struct Case {
    platform::LineEvent event;
    const char* box;  // nullptr: none
    bool replyKept;
  };
  const Case cases[] = {
      {platform::LineEvent::FramingError, "Framing Error", true},
      {platform::LineEvent::TransmitBufferFull, "Xmit Buffer Full", true},
      {platform::LineEvent::ReceiveOverrun, nullptr, false},
      {platform::LineEvent::ReceiveOverflow, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.event));
    AppFixture f;
    f.s.ReportErrors = false;
    bool raised = false;
    f.host.onPump = [&] {
      if (!raised && f.line.InBufferCount() > 0) {
        f.line.RaiseEvent(c.event);
        raised = true;
      }
    };
    bool ok = !c.replyKept;
    std::string reply = Ask(f, "!IC@", &ok);
    EXPECT_TRUE(raised);
    EXPECT_EQ(ok, c.replyKept);
    if (c.replyKept) {
      EXPECT_EQ(reply, "32\r");
    }
    if (c.box) {
      ASSERT_EQ(f.host.boxes.size(), 1u);
      EXPECT_EQ(f.host.boxes[0].text, c.box);
      EXPECT_EQ(f.host.boxes[0].title, "Communication Error");
      EXPECT_EQ(f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
    } else {
      EXPECT_TRUE(f.host.boxes.empty());
    }
  }
}

TEST(SerialPath, EmptySendTouchesNothing) {
  AppFixture f;
  EXPECT_TRUE(f.app.port.SendString("", 5000));
  EXPECT_FALSE(f.line.IsOpen());
  EXPECT_EQ(f.device.Received(), "");
}

TEST(SerialPath, SendStringWaitsForTheDrainAndNamesThePort) {
  AppFixture f;
  ASSERT_TRUE(f.app.port.OpenPort());
  EXPECT_EQ(f.s.OpenPortName, "COM1");
  std::string cmd = "!HO1 PT3 LL0,0 SS100,100 SF10,200 SD0,0 SA10 KO15 KV10 KA30@";
  int64_t start = f.host.NowMs();
  EXPECT_TRUE(f.app.port.SendString(cmd, 5000));
  EXPECT_EQ(f.device.Received(), cmd);
  EXPECT_GE(f.host.NowMs() - start, static_cast<int64_t>(cmd.size()) + 32);  // ~1 ms a byte at 9600
}

TEST(SerialPath, SendThatCannotDrainFailsAfterItsTimeOut) {
  AppFixture f;
  f.device.faults.ctsLow = true;
  f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
  ASSERT_TRUE(f.app.port.OpenPort());
  int64_t start = f.host.NowMs();
  EXPECT_FALSE(f.app.port.SendString("!OK@", 5000));
  EXPECT_GE(f.host.NowMs() - start, 5000);
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Green light Not ON or Cutter Not Connected to COM1");
  EXPECT_EQ(f.line.OutBufferCount(), 0);
}

TEST(SerialPath, AbortDuringAFileSendEndsTheWaitAsSuccess) {
  AppFixture f;
  f.device.faults.ctsLow = true;
  f.s.SendingFile = true;
  f.s.AbortRequested = true;
  ASSERT_TRUE(f.app.port.OpenPort());
  EXPECT_TRUE(f.app.port.SendString("PU0,0;", 5000));
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST(SerialPath, OpenFailureNamesThePort) {
  AppFixture f;
  f.UseSerialPort(3);
  EXPECT_FALSE(f.app.port.OpenPort());
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Could not open COM3");
  EXPECT_EQ(f.host.boxes[0].title, "ERROR");
  EXPECT_EQ(f.s.OpenPortName, "COM3");
}

TEST(Delay, YieldPumpsAtMostEveryPointSixSeconds) {
  AppFixture f;
  int pumps = f.host.pumps;
  for (int i = 0; i < 1000; ++i) f.app.port.Delay(0);  // each gives up the processor for 1 ms
  EXPECT_EQ(f.host.pumps - pumps, 1);
  int64_t start = f.host.NowMs();
  f.app.port.Delay(250);
  EXPECT_EQ(f.host.NowMs() - start, 250);
  f.app.port.Delay(-5);
  EXPECT_EQ(f.host.NowMs() - start, 250);
}

}  // namespace
}  // namespace taskhelm
