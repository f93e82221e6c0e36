// Sending cut and plot files: pieces, progress, Abort, the parallel-port refusal.
#include <gtest/gtest.h>

#include "transfer/SendCutFiles.h"
#include "tests/transfer/TransferFixture.h"

namespace transfer_tests {
namespace {

using taskhelm::SendCutFiles;

// Plot data without "!", which the device would take for a command.
std::string PlotData(size_t n) {
  std::string data;
  const std::string stroke = "PU100,200;PD300,400;\r\n";
  while (data.size() < n) data += stroke;
  data.resize(n);
  return data;
}

class Sending : public ::testing::Test {
 protected:
  Sending() {
    f.s.FileMenuIndex = 0;
    f.app.port.OpenSerialPort("COM1");
    f.Watch("SendCutFiles", [this] { return std::to_string(window().Gauge1.Value()); }, gauge);
  }
  SendCutFiles& window() { return f.app.Window<SendCutFiles>(); }

  // Shows the window modal as the settings windows do; `operate` runs first, then time passes
  // until the window hides (or a minute is up).
  void SendFile(const std::string& content, const std::function<void()>& operate = {}) {
    std::string path = f.folder.Write("job.plt", content);
    f.host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
      if (operate) operate();
      for (int ms = 0; form.Visible() && ms < 60000; ms += 10) f.host.Advance(10);
      shownFor = f.host.NowMs() - start;
    };
    SendCutFiles& w = window();
    w.SetFileName(path);
    EXPECT_FALSE(w.btnDone.Enabled());
    EXPECT_EQ(w.Label2.Caption(), path);
    start = f.host.NowMs();
    w.Show(forms::ShowMode::Modal);
  }
  std::vector<size_t> PieceSizes() const {
    std::vector<size_t> sizes;
    for (const std::string& w : f.line.writes) sizes.push_back(w.size());
    return sizes;
  }

  TransferFixture f;
  std::vector<std::string> gauge;
  int64_t start = 0, shownFor = 0;
};

struct PieceCase {
  size_t bytes;
  std::vector<size_t> pieces;
  std::vector<std::string> gauge;
};

class SendingPieces : public Sending, public ::testing::WithParamInterface<PieceCase> {};

TEST_P(SendingPieces, SendsHalfBufferPiecesAndShowsTheirProgress) {
  const PieceCase& c = GetParam();
  std::string data = PlotData(c.bytes);
  int opensBefore = f.line.opens;
  SendFile(data);

  EXPECT_EQ(PieceSizes(), c.pieces);
  EXPECT_EQ(gauge, c.gauge);
  EXPECT_EQ(f.plot.Kept(), data);
  EXPECT_FALSE(window().Visible());
  EXPECT_TRUE(window().btnDone.Enabled());
  EXPECT_FALSE(window().Timer1.TimerEnabled());
  EXPECT_FALSE(f.s.SendingFile);
  EXPECT_EQ(f.line.opens, opensBefore);  // no reopen after a complete send
  EXPECT_TRUE(f.host.boxes.empty());
  if (c.bytes > 0) {
    EXPECT_EQ(f.line.handshaking, platform::Handshaking::RtsCtsXonXoff);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SendingPieces,
                         ::testing::Values(PieceCase{0, {}, {"0"}},
                                           PieceCase{1500, {1024, 476}, {"0", "68", "100", "0"}},
                                           PieceCase{2048, {1024, 1024}, {"0", "50", "100", "0"}},
                                           PieceCase{5000, {1024, 1024, 1024, 1024, 904},
                                                     {"0", "20", "41", "61", "82", "100", "0"}}),
    [](const auto& info) { return "Bytes" + std::to_string(info.param.bytes); });

TEST_F(Sending, TheLineSetsThePace) {
  SendFile(PlotData(4800));
  // Ten bits a byte at 9600 baud: half a second a kilobyte, and not much more (the last byte
  // counts as sent once it has left the buffer).
  EXPECT_GE(shownFor, 250 + 4990);
  EXPECT_LE(shownFor, 250 + 5600);
}

TEST_F(Sending, AbortBeforeTheFirstTickSendsNothingAndReopensThePort) {
  int opensBefore = f.line.opens;
  SendFile(PlotData(3000), [this] { window().btnAbort.Press(); });
  EXPECT_TRUE(f.line.writes.empty());
  EXPECT_EQ(f.plot.Count(), 0u);
  EXPECT_EQ(f.line.opens, opensBefore + 1);
  EXPECT_EQ(f.line.handshaking, platform::Handshaking::RtsCts);
  EXPECT_FALSE(f.s.AbortRequested);
  EXPECT_FALSE(window().Visible());
  EXPECT_EQ(window().Gauge1.Value(), 0);
}

TEST_F(Sending, AbortWhileTheLastPieceDrainsStopsAtOnce) {
  int opensBefore = f.line.opens;
  // The operator presses Abort while the second and last piece is leaving.
  bool pressed = false;
  f.line.onPoll = [&] {
    if (pressed || f.line.writes.size() != 2 || f.plot.Count() < 1100) return;
    pressed = true;
    EXPECT_TRUE(f.host.Press(window().btnAbort));  // acts while the send waits
  };
  SendFile(PlotData(2048));
  f.line.onPoll = nullptr;
  EXPECT_EQ(PieceSizes(), (std::vector<size_t>{1024, 1024}));
  EXPECT_LT(f.plot.Count(), 2048u);
  EXPECT_LT(shownFor, 250 + 1800);  // well before the piece could have drained
  EXPECT_EQ(f.line.opens, opensBefore + 1);
  EXPECT_FALSE(f.s.AbortRequested);
  EXPECT_FALSE(window().Visible());
  EXPECT_EQ(gauge.back(), "0");
}

TEST_F(Sending, ADeviceHoldingCtsLowIsWaitedForUntilAbort) {
  f.device.faults.ctsLow = true;
  bool waited = false;
  f.line.onPoll = [&] {
    if (waited || f.host.NowMs() - start < 10000) return;
    waited = true;
    EXPECT_TRUE(window().Visible());
    EXPECT_TRUE(f.s.SendingFile);
    EXPECT_TRUE(f.host.Press(window().btnAbort));
  };
  SendFile(PlotData(1500));
  EXPECT_TRUE(waited);
  EXPECT_EQ(f.plot.Count(), 0u);
  EXPECT_FALSE(window().Visible());
  EXPECT_FALSE(f.s.SendingFile);
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST_F(Sending, ClosingTheWindowDuringASendStopsIt) {
  f.device.faults.ctsLow = true;
  bool closed = true;
  f.line.onPoll = [&] {
    if (f.host.NowMs() - start < 2000 || !closed) return;
    closed = window().Close();  // refused: the window hides itself once the send has stopped
  };
  SendFile(PlotData(1500));
  EXPECT_FALSE(closed);
  EXPECT_FALSE(window().Visible());
  EXPECT_FALSE(f.s.SendingFile);
  EXPECT_FALSE(f.s.AbortRequested);
}

TEST_F(Sending, TheParallelPortIsRefusedWithItsPortName) {
  f.UseParallelPort(1);
  std::string path = f.folder.Write("job.plt", PlotData(500));
  f.host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
    f.host.Advance(1000);
    EXPECT_TRUE(form.Visible());  // the operator closes it
    form.Close();
  };
  window().SetFileName(path);
  window().Show(forms::ShowMode::Modal);
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Could not open COM0");
  EXPECT_EQ(f.host.boxes[0].title, "ERROR");
  EXPECT_EQ(f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
  EXPECT_TRUE(f.parlink.written.empty());
  EXPECT_FALSE(f.s.SendingFile);
}

TEST_F(Sending, AFileThatCannotBeOpenedLeavesNothingToSend) {
  f.host.modalOperators["SendCutFiles"] = [&](forms::Form& form) {
    f.host.Advance(1000);
    EXPECT_TRUE(form.Visible());
    form.Close();
  };
  window().SetFileName(f.folder.File("missing.plt"));
  EXPECT_FALSE(window().Timer1.TimerEnabled());
  window().Show(forms::ShowMode::Modal);
  EXPECT_TRUE(f.line.writes.empty());
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST_F(Sending, ASettingsFileChoiceNeverStartsASend) {
  f.s.FileMenuIndex = 1;
  window().SetFileName(f.folder.Write("s.tkh", "!HO1 SA5 \r\n"));
  f.host.Advance(1000);
  EXPECT_TRUE(f.line.writes.empty());
  EXPECT_TRUE(window().ReadSettingsFile());
  EXPECT_EQ(f.s.AccelSetting, 5);
}

TEST_F(Sending, ADeadLineEndsTheSendWithAMessage) {
  f.simLine.Close();  // writes fail from now on
  SendFile(PlotData(1500));
  ASSERT_FALSE(f.host.boxes.empty());
  EXPECT_EQ(f.host.boxes.back().text, "Error transmitting file");
  EXPECT_EQ(f.host.boxes.back().title, "ERROR");
  EXPECT_FALSE(window().Visible());
  EXPECT_FALSE(f.s.SendingFile);
}

}  // namespace
}  // namespace transfer_tests
