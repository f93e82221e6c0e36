// The parallel path of the port layer, against a scripted library.
#include <gtest/gtest.h>

#include "tests/support/AppFixture.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

class ParallelPath : public ::testing::Test {
 protected:
  ParallelPath() { f.UseParallelPort(2); }
  AppFixture f;
};

TEST_F(ParallelPath, Com0NeverTouchesTheSerialLine) {
  f.parlink.replies = {"32\r"};
  std::string reply;
  EXPECT_TRUE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
  EXPECT_TRUE(f.app.port.SendString("!OK@", 5000));
  f.app.port.ClosePort();
  EXPECT_FALSE(f.line.IsOpen());
  EXPECT_EQ(f.device.Received(), "");
  EXPECT_EQ(f.parlink.written, "!IC@!OK@");
  EXPECT_EQ(f.parlink.openedPort, 2);
  EXPECT_EQ(f.s.OpenPortName, "LPT2");
}

TEST_F(ParallelPath, ShortReplyIsPaddedWithNulsAndGetsACr) {
  f.parlink.replies = {"7\r"};
  std::string reply;
  ASSERT_TRUE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
  EXPECT_EQ(reply, std::string("7\r\0\0\r", 5));
}

TEST_F(ParallelPath, ReplyThatFillsItsLengthKeepsItsOwnCr) {
  f.parlink.replies = {"123\r"};
  std::string reply;
  ASSERT_TRUE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
  EXPECT_EQ(reply, "123\r");
}

TEST_F(ParallelPath, NoReplyFailsAndLeavesTheReply) {
  std::string reply = "kept";
  EXPECT_FALSE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
  EXPECT_EQ(reply, "kept");
}

TEST_F(ParallelPath, ReplyLongerThanOneLibraryReadIsReadOn) {
  std::string first(127, 'a'), second(50, 'b');
  f.parlink.replies = {first, second};
  std::string reply;
  ASSERT_TRUE(f.app.port.Query("!DD@", reply, 13, 10000, 256));
  EXPECT_EQ(reply.substr(0, 177), first + second);
  EXPECT_EQ(reply.size(), 257u);
}

TEST_F(ParallelPath, ReplyThatEndsWithAFullLibraryReadIsNotReadOn) {
  std::string whole = std::string(126, 'a') + '\r';
  f.parlink.replies = {whole, "next"};
  std::string reply;
  ASSERT_TRUE(f.app.port.Query("!DD@", reply, 13, 10000, 256));
  EXPECT_EQ(reply.substr(0, 128), whole + '\0');
  EXPECT_EQ(f.parlink.replies.size(), 1u);  // no second read waited for more
}

TEST_F(ParallelPath, OpeningTwiceCallsTheLibraryOnce) {
  EXPECT_TRUE(f.app.port.OpenLptPort("LPT2"));
  EXPECT_TRUE(f.app.port.OpenLptPort("LPT2"));
  EXPECT_EQ(f.parlink.openCalls, 1);
  f.app.port.CloseLptPort();
  EXPECT_EQ(f.s.LptOpenResult, 0);
}

struct PresetCase {
  bool sendingFile;
  bool flashMode;
  std::vector<long> timeouts;
};

TEST_F(ParallelPath, TimeOutPresetFollowsTheTraffic) {
  const PresetCase cases[] = {{true, true, {1, 1, 1, 0, 0}},
                              {false, false, {1, 255, 10, 10, 255}},
                              {false, true, {1, 120, 10, 10, 255}}};
  for (const PresetCase& c : cases) {
    f.app.port.CloseLptPort();
    f.s.SendingFile = c.sendingFile;
    f.s.FlashMode = c.flashMode;
    ASSERT_TRUE(f.app.port.OpenLptPort("LPT2"));
    EXPECT_EQ(f.parlink.timeouts, c.timeouts);
  }
}

TEST_F(ParallelPath, ThePauseBeforeTheReplyFollowsFlashMode) {
  const struct {
    bool flashMode;
    int64_t pauseMs;
  } cases[] = {{false, 100}, {true, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flashMode);
    f.s.FlashMode = c.flashMode;
    f.parlink.replies = {"32\r"};
    std::string reply;
    int64_t start = f.host.NowMs();
    ASSERT_TRUE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
    int64_t elapsed = f.host.NowMs() - start;
    EXPECT_GE(elapsed, c.pauseMs);
    EXPECT_LT(elapsed, c.pauseMs + 10);
  }
}

TEST_F(ParallelPath, TimeOutsThatCannotBeSetAreReportedButThePortIsOpen) {
  f.parlink.setTimeoutsOk = false;
  EXPECT_TRUE(f.app.port.OpenLptPort("LPT2"));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Failed to set LPT timeouts!");
}

struct ErrorCase {
  int code;
  const char* english;  // the addition to the message in each edition
  const char* spanish;
};

const ErrorCase kErrorCases[] = {
    {5, "\r\nAccess denied by Windows. \r\nEnsure No Other Program is using the port. ",
     "\r\nAcceso negado por Windows. \r\nVerifique no hay otro programa utilizando el puerto "
     "serial. "},
    {21, "\r\n ( LPT Port is not ready ) ", "\r\n ( El Puerto Paralelo no esta disponible ) "},
    {1121, "\r\n ( Time out period expired ) ", "\r\n ( Tiempo de espera ha terminado ) "},
    {31, "", ""},
};

// The one box of an open that the library refuses with code.
std::string OpenFailureText(AppFixture& f, int code) {
  f.host.boxes.clear();
  f.parlink.openResult = -2;
  f.parlink.openError = code;
  EXPECT_FALSE(f.app.port.OpenLptPort("LPT2"));
  EXPECT_EQ(f.s.LptOpenResult, 0);
  if (f.host.boxes.size() != 1u) return "boxes: " + std::to_string(f.host.boxes.size());
  EXPECT_EQ(f.host.boxes[0].title, "ERROR");
  return f.host.boxes[0].text;
}

// The one box of a command the library takes only partly, failing with code; it fails at once.
std::string PartialWriteText(AppFixture& f, int code) {
  f.host.boxes.clear();
  f.parlink.openResult = 1;
  f.parlink.writeLimits = {2};
  f.parlink.writeError = code;
  EXPECT_TRUE(f.app.port.OpenPort());
  int64_t start = f.host.NowMs();
  EXPECT_FALSE(f.app.port.SendString("!IC@", 5000));
  EXPECT_LT(f.host.NowMs() - start, 100);
  EXPECT_EQ(f.s.LptOpenResult, 0);  // the port is closed after a failed write
  if (f.host.boxes.size() != 1u) return "boxes: " + std::to_string(f.host.boxes.size());
  return f.host.boxes[0].text;
}

TEST_F(ParallelPath, OpenFailureCarriesTheErrorAddition) {
  for (const ErrorCase& c : kErrorCases)
    EXPECT_EQ(OpenFailureText(f, c.code), std::string("Could not open LPT2") + c.english);
}

TEST_F(ParallelPath, PartialWriteOutsideAFileSendFailsAtOnceWithTheCutterWording) {
  for (const ErrorCase& c : kErrorCases)
    EXPECT_EQ(PartialWriteText(f, c.code),
              std::string("Green light Not ON or Cutter Not Connected to LPT2") + c.english);
}

TEST(ParallelPathSpanish, MessagesAndTheirAdditionsAreSpanish) {
  testing_support::AppOptions options;
  options.edition = texts::Edition::Spanish;
  AppFixture f(options);
  f.UseParallelPort(2);
  for (const ErrorCase& c : kErrorCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(OpenFailureText(f, c.code), std::string("No se pudo abrir LPT2") + c.spanish);
    EXPECT_EQ(PartialWriteText(f, c.code),
              std::string("La luz verde no se encuentra encendida o el ploter no esta conectado a "
                          "LPT2") +
                  c.spanish);
  }
  f.host.boxes.clear();
  f.parlink.setTimeoutsOk = false;
  EXPECT_TRUE(f.app.port.OpenLptPort("LPT2"));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Expiración en el tiempo de espera!");
}

TEST_F(ParallelPath, FileSendRetriesTheRestUntilItIsWritten) {
  f.s.SendingFile = true;
  f.parlink.writeLimits = {3, 0, 0, 4};
  ASSERT_TRUE(f.app.port.OpenPort());
  EXPECT_TRUE(f.app.port.SendString("PU0,0;PD", 5000));
  EXPECT_EQ(f.parlink.written, "PU0,0;PD");
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST_F(ParallelPath, MissingLibraryIsAMessageNotACrash) {
  f.parlink.loadable = false;
  std::string reply;
  EXPECT_FALSE(f.app.port.Query("!IC@", reply, 13, 3000, 4));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text,
            "Could not open LPT2\r\nThe parallel-port library libparlink.so could not be loaded "
            "(looked in /opt/taskhelm, the library search path): libparlink.so: cannot open shared "
            "object file");
  f.host.boxes.clear();
  f.parlink.error = {platform::ParlinkLoadError::Kind::LacksFunction, "/opt/libparlink.so", false,
                     "", "WriteLPT"};
  EXPECT_FALSE(f.app.port.SendString("!IC@", 3000));
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text,
            "Could not open LPT2\r\nThe parallel-port library /opt/libparlink.so lacks the "
            "function WriteLPT.");
}

TEST_F(ParallelPath, ReadLptReportsNothingAsMinusOne) {
  std::string reply;
  EXPECT_EQ(f.app.port.ReadLpt(reply, 4), -1);  // port not open
  ASSERT_TRUE(f.app.port.OpenLptPort("LPT2"));
  f.parlink.replies = {"\x06"};
  EXPECT_EQ(f.app.port.ReadLpt(reply, 1), 1);
  EXPECT_EQ(reply, "\x06\r");
  EXPECT_EQ(f.app.port.ReadLpt(reply, 1), -1);  // the scripted library answers -length
}

}  // namespace
}  // namespace taskhelm
