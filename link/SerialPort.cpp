// The serial path of the port layer: open, query, send and the receive event.
#include "forms/Host.h"
#include "link/LinkContext.h"
#include "link/PortLayer.h"

namespace taskhelm {

namespace {
constexpr int kPollMs = 5;                 // longest wait between two looks at the line
constexpr size_t kReplyBufferCap = 65536;  // a chattering device cannot grow the buffer unbounded
constexpr double kOpenSettleMs = 200;
}  // namespace

bool PortLayer::SerialOpen() const { return app_.line.IsOpen(); }

bool PortLayer::OpenSerialPort(const std::string& portName) {
  const auto use = UseDevice();
  platform::SerialLine& line = app_.line;
  if (line.IsOpen()) {
    line.Close();
    Delay(kOpenSettleMs);
  }
  if (portName == "COM0") return false;
  if (portName.size() == 4 && portName.compare(0, 3, "COM") == 0 && portName[3] >= '1' &&
      portName[3] <= '8')
    serialPortNumber_ = portName[3] - '0';

  if (!line.Open(serialPortNumber_)) {
    // Names the port that failed, which is not yet PortName when the Setup window tries its
    // pending choice.
    app_.MsgBox(app_.T("Could not open ") + "COM" + std::to_string(serialPortNumber_),
                forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app_.T("ERROR"));
    return false;
  }
  line.ClearOutput();
  line.ClearInput();
  // The line has no time-out record of its own: writes never time out there, reads are polled.
  app_.s.PortTimeouts = PortTimeoutRecord{};
  bool open = line.IsOpen();
  Delay(kOpenSettleMs);
  app_.host.DoEvents();
  WatchLine();
  return open;
}

// The host wakes us when the line's descriptor becomes readable; a reopened or vanished line has
// another one (or none).
void PortLayer::WatchLine() {
  int fd = app_.line.EventFd();
  if (fd == watchedFd_) return;
  watchedFd_ = fd;
  app_.host.WatchLine(fd, [this] { Comm1_OnComm(); });
}

void PortLayer::Comm1_OnComm() {
  platform::SerialLine& line = app_.line;
  if (!line.IsOpen()) return;
  line.Service();
  WatchLine();
  for (platform::LineEvent event : line.TakeEvents()) OnLineEvent(event);
  ReceiveWaiting();
}

void PortLayer::ReceiveWaiting() {
  platform::SerialLine& line = app_.line;
  if (line.InBufferCount() <= 0) return;
  replyBuffer_ += line.ReadAll();
  if (replyBuffer_.size() > kReplyBufferCap)
    replyBuffer_.erase(0, replyBuffer_.size() - kReplyBufferCap);
  if (!replyBuffer_.empty() && replyBuffer_.back() == replyTerminator_) replyComplete_ = true;
}

std::string PortLayer::TakeReceived() {
  std::string received;
  received.swap(replyBuffer_);
  return received;
}

void PortLayer::DiscardReceived() { replyBuffer_.clear(); }

void PortLayer::OnLineEvent(platform::LineEvent event) {
  const char* text = nullptr;
  switch (event) {
    case platform::LineEvent::FramingError: text = "Framing Error"; break;
    case platform::LineEvent::TransmitBufferFull: text = "Xmit Buffer Full"; break;
    case platform::LineEvent::ReceiveOverrun:
    case platform::LineEvent::ReceiveOverflow: app_.line.ClearInput(); return;  // bytes were lost
  }
  app_.MsgBox(app_.T(text), forms::MsgButtons::OK, forms::MsgIcon::Exclamation,
              app_.T("Communication Error"));
}

bool PortLayer::SerialQuery(const std::string& cmd, std::string& reply, int termChar,
                            int32_t timeoutMs) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  app_.SetPointer(forms::Pointer::Hourglass);
  replyComplete_ = false;
  replyBuffer_.clear();
  replyTerminator_ = static_cast<char>(termChar);
  if (!OpenSerialPort(s.PortName)) return false;
  bool result = SendSerial(cmd, timeoutMs) && ReadSerialReply(reply, timeoutMs);
  app_.SetPointer(forms::Pointer::Default);
  return result;
}

bool PortLayer::ReadSerialReply(std::string& reply, int32_t timeoutMs) {
  const auto use = UseDevice();
  platform::SerialLine& line = app_.line;
  int64_t start = app_.clock.NowMs();
  for (;;) {
    if (app_.clock.NowMs() - start >= timeoutMs) {
      ReportNoReply();
      return false;
    }
    app_.host.WaitEvents(kPollMs);  // the receive event may run
    if (line.IsOpen()) {
      line.Service();
      ReceiveWaiting();
    }
    if (replyComplete_) {
      reply = TakeReceived();
      return true;
    }
  }
}

bool PortLayer::SendSerial(const std::string& cmd, int32_t timeoutMs) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  platform::SerialLine& line = app_.line;
  if (cmd.empty()) return true;

  auto abortExit = [&] {
    line.ClearOutput();
    return true;  // the file senders test AbortRequested themselves
  };
  auto failureExit = [&] {
    app_.SetPointer(forms::Pointer::Default);
    line.ClearOutput();
    app_.ErrorBox(app_.T(s.NotConnectedText) + s.PortName, app_.T("ERROR"));
    return false;
  };

  if (s.SendingFile) {
    while (!line.Cts()) {
      Delay(0);
      if (s.AbortRequested) return abortExit();
    }
  }

  int64_t start = app_.clock.NowMs();
  while (line.OutBufferSize() - line.OutBufferCount() <= static_cast<int>(cmd.size())) {
    Delay(0);
    if (app_.clock.NowMs() - start > timeoutMs) return failureExit();
    if (s.AbortRequested) return abortExit();
  }

  if (!line.Write(cmd)) return failureExit();

  start = app_.clock.NowMs();
  while (line.OutBufferCount() > 0) {
    Delay(0);
    if (app_.clock.NowMs() - start > timeoutMs && !s.SendingFile) return failureExit();
    if (s.AbortRequested) return abortExit();
  }

  if (!s.SendingFile) {
    Delay(32);
    return true;
  }
  // A file streams piece after piece: the CTS wait below paces it, a fixed pause after every
  // piece would only cap the rate of a fast line.
  for (;;) {
    if (line.Cts()) return true;
    if (s.AbortRequested) return abortExit();
    Delay(0);
  }
}

void PortLayer::CloseSerialPort() {
  const auto use = UseDevice();
  platform::SerialLine& line = app_.line;
  line.ClearOutput();
  line.ClearInput();
  if (line.IsOpen()) line.Close();
}

bool PortLayer::GetCtsState() { return app_.line.Cts(); }

}  // namespace taskhelm
