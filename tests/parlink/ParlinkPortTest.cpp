// The parallel-port library against a pty standing in for the port. The waits here are the
// library's own time-outs, set to a few tens of milliseconds.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Parlink.h"
#include "tests/parlink/PtyDevice.h"
#include "tests/support/CaseName.h"

namespace {

using parlinktest::PtyDevice;
using parlinktest::ScopedEnv;

constexpr char kGuard = '~';

class ParlinkPort : public ::testing::Test {
 protected:
  static platform::ParlinkLibrary& Lib() {
    static platform::ParlinkLibrary lib;
    return lib;
  }

  void SetUp() override {
    ASSERT_TRUE(pty.Ready());
    ASSERT_TRUE(Lib().EnsureLoaded()) << Lib().Error().detail;
  }
  void TearDown() override { Lib().CloseLPT(); }

  // Opens LPT1 with a read that waits readConstant ms for a first byte and readInterval for the
  // next, and writes bounded by writeConstant (0: unbounded).
  void Open(long readInterval = 20, long readConstant = 2000, long writeConstant = 0) {
    ASSERT_EQ(Lib().OpenLPT(1), 1) << Lib().LastError();
    ASSERT_EQ(Lib().SetLPTto(readInterval, 0, readConstant, 0, writeConstant), 1);
  }

  PtyDevice pty;
  ScopedEnv lpt1{"PARLINK_LPT1", pty.SlavePath()};
};

// ---- Reading ----

struct ReadCase {
  std::string arriving;
  long length;
  long result;
  std::string dest;  // the first bytes of the destination afterwards; the guard fills the rest
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.arriving.size() << " bytes arriving for " << c.length;
}

class ParlinkRead : public ParlinkPort, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ParlinkRead, CopiesAtMostLengthBytesAndCountsAllThatCame) {
  const ReadCase& c = GetParam();
  Open();
  pty.Send(c.arriving);
  std::string buf(static_cast<size_t>(c.length) + 16, kGuard);
  EXPECT_EQ(Lib().ReadLPT(buf.data(), c.length), c.result);
  std::string expected = c.dest + std::string(buf.size() - c.dest.size(), kGuard);
  EXPECT_EQ(buf, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParlinkRead,
    ::testing::Values(
        ReadCase{"0123456789", 4, 10, "0123"},             // the rest does not fit
        ReadCase{"7\r", 4, 2, std::string("7\r\0", 3)},    // fewer than length: a NUL follows
        ReadCase{"abc", 3, 3, "abc"},                      // exactly length: no NUL
        ReadCase{std::string(200, 'x'), 200, 127,          // one read takes at most 127 bytes
                 std::string(127, 'x') + '\0'}),
    testing_support::PrintedCaseName());

TEST_F(ParlinkPort, ReadLeavesWhatDidNotFitInOneReadForTheNext) {
  Open();
  pty.Send(std::string(127, 'a') + "bcd");
  char buf[128];
  EXPECT_EQ(Lib().ReadLPT(buf, sizeof buf), 127);
  EXPECT_EQ(Lib().ReadLPT(buf, sizeof buf), 3);
  EXPECT_STREQ(buf, "bcd");
}

TEST_F(ParlinkPort, AGapLongerThanTheReadIntervalEndsTheRead) {
  Open(20, 5000);
  pty.Send("AB");
  char buf[8];
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Lib().ReadLPT(buf, 8), 2);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
}

TEST_F(ParlinkPort, NothingArrivingReturnsMinusLengthAfterTheReadTimeOut) {
  Open(1, 30);
  std::string buf(8, kGuard);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Lib().ReadLPT(buf.data(), 8), -8);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(30));
  EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
  EXPECT_EQ(Lib().LastError(), 1121);
  EXPECT_EQ(buf, std::string(8, kGuard));
}

// How long a read waits under each part of the time-out record: the total is the multiplier per
// byte of the 127-byte receive buffer plus the constant; a read interval of 0 limits nothing.
struct ReadWaitCase {
  const char* name;
  std::string arriving;
  long readInterval, readMultiplier, readConstant;
  long result;
  int atLeastMs;
};

void PrintTo(const ReadWaitCase& c, std::ostream* os) { *os << c.name; }

class ParlinkReadWait : public ParlinkPort, public ::testing::WithParamInterface<ReadWaitCase> {};

TEST_P(ParlinkReadWait, WaitsWhatTheRecordSays) {
  const ReadWaitCase& c = GetParam();
  ASSERT_EQ(Lib().OpenLPT(1), 1);
  ASSERT_EQ(Lib().SetLPTto(c.readInterval, c.readMultiplier, c.readConstant, 0, 0), 1);
  pty.Send(c.arriving);
  if (!c.arriving.empty()) {
    // The bytes must be waiting before the read starts, or an empty record would miss them.
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (Lib().BytesInBuffer(1) < static_cast<long>(c.arriving.size()) &&
           std::chrono::steady_clock::now() < until)
      std::this_thread::yield();
  }
  char buf[8];
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Lib().ReadLPT(buf, 8), c.result);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(c.atLeastMs));
  EXPECT_LT(elapsed, std::chrono::milliseconds(c.atLeastMs + 2000));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParlinkReadWait,
    ::testing::Values(ReadWaitCase{"constant", "", 1, 0, 40, -8, 40},
                      ReadWaitCase{"multiplier", "", 1, 1, 0, -8, 127},
                      ReadWaitCase{"empty record", "", 0, 0, 0, -8, 0},
                      ReadWaitCase{"empty record takes what waits", "AB", 0, 0, 0, 2, 0},
                      ReadWaitCase{"no interval", "AB", 0, 0, 150, 2, 150}),
    [](const ::testing::TestParamInfo<ReadWaitCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

// ---- Writing ----

TEST_F(ParlinkPort, WrittenBytesArriveUnchanged) {
  Open();
  const std::string data("!IC@\r\n\0\xff\x1b", 9);
  EXPECT_EQ(Lib().WriteLPT(data.data(), static_cast<long>(data.size())), 9);
  EXPECT_EQ(Lib().LastError(), 0);
  EXPECT_EQ(pty.Receive(data.size()), data);
}

TEST_F(ParlinkPort, WriteTimeOutEndsAWriteNobodyTakesWithTheCountThatWentOut) {
  Open(1, 10, 30);
  const std::string data(1 << 20, 'w');
  long written = Lib().WriteLPT(data.data(), static_cast<long>(data.size()));
  EXPECT_EQ(Lib().LastError(), 1121);
  ASSERT_GT(written, 0);
  ASSERT_LT(written, static_cast<long>(data.size()));
  const auto count = static_cast<size_t>(written);
  EXPECT_EQ(pty.Receive(count + 1, 200).size(), count);
}

// ---- Query ----

TEST_F(ParlinkPort, QueryReturnsTheReplyToTheCommand) {
  Open();
  std::thread device([this] {
    if (pty.Receive(4) == "!IC@") pty.Send("25\r");
  });
  std::string reply(8, kGuard);
  long n = Lib().QueryLPT("!IC@", reply.data(), 8);
  device.join();
  EXPECT_EQ(n, 3);
  EXPECT_EQ(reply, std::string("25\r\0", 4) + std::string(4, kGuard));
}

struct SilentQueryCase {
  const char* command;
  long length;
  std::string reply;  // what the reply buffer starts with afterwards
};

void PrintTo(const SilentQueryCase& c, std::ostream* os) { *os << c.command << " for " << c.length; }

class ParlinkSilentQuery : public ParlinkPort,
                           public ::testing::WithParamInterface<SilentQueryCase> {};

TEST_P(ParlinkSilentQuery, CopiesTheCommandIntoTheReplyAsFarAsItFits) {
  const SilentQueryCase& c = GetParam();
  Open(1, 10);
  std::string reply(static_cast<size_t>(c.length) + 8, kGuard);
  EXPECT_EQ(Lib().QueryLPT(c.command, reply.data(), c.length), -c.length);
  EXPECT_EQ(reply, c.reply + std::string(reply.size() - c.reply.size(), kGuard));
  EXPECT_EQ(pty.Receive(std::strlen(c.command)), c.command);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParlinkSilentQuery,
                         ::testing::Values(SilentQueryCase{"!IC@", 8, std::string("!IC@\0", 5)},
                                           SilentQueryCase{"!DD@", 3, "!DD"}),
    testing_support::PrintedCaseName());

TEST_F(ParlinkPort, SilentQueryWithTheCommandInsideTheReplyBufferCopiesItWhole) {
  Open(1, 10);
  char buffer[12] = {};
  std::memcpy(buffer + 2, "!IC@", 5);  // the caller built the command in its reply buffer
  EXPECT_EQ(Lib().QueryLPT(buffer + 2, buffer, sizeof buffer), -12);
  EXPECT_STREQ(buffer, "!IC@");
  EXPECT_EQ(pty.Receive(4), "!IC@");
}

// ---- Open, close and the state machine ----

TEST_F(ParlinkPort, PortNumbersOutsideOneToFourChangeNothing) {
  for (short port : {0, 5, -1, 32767}) {
    SCOPED_TRACE(port);
    EXPECT_EQ(Lib().OpenLPT(port), 0);
    EXPECT_EQ(Lib().WriteLPT("x", 1), -2);  // still closed
  }
  Open();
  for (short port : {0, 5}) {
    EXPECT_EQ(Lib().OpenLPT(port), 0);
    EXPECT_EQ(Lib().WriteLPT("y", 1), 1);  // still open
  }
  EXPECT_EQ(pty.Receive(2), "yy");
}

TEST_F(ParlinkPort, WithoutAnOpenPortEveryCallReportsIt) {
  char buf[4];
  EXPECT_EQ(Lib().SetLPTto(1, 1, 1, 0, 0), 0);
  EXPECT_EQ(Lib().ReadLPT(buf, 4), -2);
  EXPECT_EQ(Lib().WriteLPT("x", 1), -2);
  EXPECT_EQ(Lib().BytesInBuffer(1), -2);
  EXPECT_EQ(Lib().QueryLPT("!IC@", buf, 4), -1);
  EXPECT_EQ(Lib().CloseLPT(), 0);
}

TEST_F(ParlinkPort, CloseTwiceThenTheSamePortOpensAgain) {
  Open();
  EXPECT_NE(Lib().CloseLPT(), 0);
  EXPECT_EQ(Lib().CloseLPT(), 0);
  EXPECT_EQ(Lib().OpenLPT(1), 1);
}

TEST_F(ParlinkPort, AnotherProcessCannotOpenTheOpenPort) {
  int go[2];
  int result[2];
  ASSERT_EQ(pipe(go), 0);
  ASSERT_EQ(pipe(result), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char byte;
    if (read(go[0], &byte, 1) != 1) _exit(2);
    int answer[2] = {Lib().OpenLPT(1), Lib().LastError()};
    _exit(write(result[1], answer, sizeof answer) == sizeof answer ? 0 : 3);
  }
  close(go[0]);
  close(result[1]);
  short opened = Lib().OpenLPT(1);
  ASSERT_EQ(write(go[1], "g", 1), 1);
  int answer[2] = {0, 0};
  ssize_t got = read(result[0], answer, sizeof answer);
  int status = 0;
  waitpid(child, &status, 0);
  close(go[1]);
  close(result[0]);
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(got, static_cast<ssize_t>(sizeof answer));
  EXPECT_EQ(answer[0], -2);
  EXPECT_EQ(answer[1], 5);
}

TEST_F(ParlinkPort, OpeningAgainWhileOpenFailsAndKeepsTheOpenPort) {
  Open();
  EXPECT_EQ(Lib().OpenLPT(1), -2);
  EXPECT_EQ(Lib().LastError(), 5);
  EXPECT_EQ(Lib().WriteLPT("k", 1), 1);
  EXPECT_EQ(pty.Receive(1), "k");
  EXPECT_NE(Lib().CloseLPT(), 0);
}

TEST_F(ParlinkPort, AMissingDeviceIsNotReady) {
  ScopedEnv lpt2("PARLINK_LPT2", "/nonexistent/parport");
  EXPECT_EQ(Lib().OpenLPT(2), -2);
  EXPECT_EQ(Lib().LastError(), 21);
  EXPECT_EQ(Lib().WriteLPT("x", 1), -2);
}

// A port name that is a typo for a document, or a pipe, is not a port: it stays untouched.
TEST_F(ParlinkPort, WhatIsNotADeviceIsNotReadyAndStaysUntouched) {
  char pattern[] = "/tmp/parlink-notdevice-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string document = folder + "/letter.txt", pipe = folder + "/pipe";
  std::FILE* letter = std::fopen(document.c_str(), "wb");
  ASSERT_NE(letter, nullptr);
  std::fputs("Dear", letter);
  std::fclose(letter);
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {document, pipe}) {
    SCOPED_TRACE(path);
    ScopedEnv lpt2("PARLINK_LPT2", path);
    EXPECT_EQ(Lib().OpenLPT(2), -2);
    EXPECT_EQ(Lib().LastError(), 21);
    EXPECT_EQ(Lib().WriteLPT("!IC@", 4), -2);
  }
  char text[8] = {};
  letter = std::fopen(document.c_str(), "rb");
  ASSERT_NE(letter, nullptr);
  EXPECT_EQ(std::fread(text, 1, sizeof text, letter), 4u);
  std::fclose(letter);
  EXPECT_STREQ(text, "Dear");
  std::remove(document.c_str());
  std::remove(pipe.c_str());
  rmdir(folder.c_str());
}

TEST_F(ParlinkPort, BytesInBufferCountsWaitingInput) {
  Open();
  pty.Send("12345");
  // The pty hands bytes over asynchronously: wait, bounded, until they are there.
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (Lib().BytesInBuffer(1) < 5 && std::chrono::steady_clock::now() < until)
    std::this_thread::yield();
  EXPECT_EQ(Lib().BytesInBuffer(1), 5);
  EXPECT_GE(Lib().BytesInBuffer(2), 0);
  char buf[8];
  EXPECT_EQ(Lib().ReadLPT(buf, 8), 5);
  EXPECT_EQ(Lib().BytesInBuffer(1), 0);
}

// ---- Bad arguments: a failure result, never a crash, nothing sent ----

TEST_F(ParlinkPort, BadArgumentsGiveTheFailureResult) {
  Open(1, 10);
  char buf[4];
  struct Case {
    const char* name;
    std::function<long()> call;
    long result;
  };
  const std::vector<Case> cases = {
      {"ReadLPT null dest", [&] { return Lib().ReadLPT(nullptr, 4); }, -3},
      {"ReadLPT length 0", [&] { return Lib().ReadLPT(buf, 0); }, -3},
      {"ReadLPT negative length", [&] { return Lib().ReadLPT(buf, -5); }, -3},
      {"WriteLPT null data", [&] { return Lib().WriteLPT(nullptr, 4); }, -1},
      {"WriteLPT negative length", [&] { return Lib().WriteLPT("abc", -1); }, -1},
      {"WriteLPT nothing", [&] { return Lib().WriteLPT(nullptr, 0); }, 0},
      {"QueryLPT null command", [&] { return Lib().QueryLPT(nullptr, buf, 4); }, -1},
      {"QueryLPT null reply", [&] { return Lib().QueryLPT("!IC@", nullptr, 4); }, -1},
      {"QueryLPT length 0", [&] { return Lib().QueryLPT("!IC@", buf, 0); }, -1},
      {"QueryLPT negative length", [&] { return Lib().QueryLPT("!IC@", buf, -4); }, -1},
      {"QueryLPT empty command", [&] { return Lib().QueryLPT("", buf, 4); }, -1},
      {"BytesInBuffer 0", [&] { return Lib().BytesInBuffer(0); }, -3},
      {"BytesInBuffer 3", [&] { return Lib().BytesInBuffer(3); }, -3},
      {"BytesInBuffer -1", [&] { return Lib().BytesInBuffer(-1); }, -3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(), c.result);
  }
  EXPECT_EQ(pty.Pending(), "");
}

TEST_F(ParlinkPort, ALengthWiderThanThirtyTwoBitsReadsWithinRange) {
  Open();
  pty.Send("ok");
  char buf[8];
  EXPECT_EQ(Lib().ReadLPT(buf, LONG_MAX), 2);
  EXPECT_STREQ(buf, "ok");
}

TEST_F(ParlinkPort, ReturnIntReturnsItsArgument) {
  for (short v : {0, 1, -1, 32767, -32768}) EXPECT_EQ(Lib().ReturnInt(v), v);
}

}  // namespace
