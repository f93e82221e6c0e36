// The public face of the port layer and the pause every window uses.
#include "link/PortLayer.h"

#include "link/LinkContext.h"

namespace taskhelm {

namespace {
// How often a yield pumps window events, and how long a non-pumping wait sleeps at a time.
constexpr int64_t kYieldPumpMs = 600;
}  // namespace

PortLayer::PortLayer(LinkContext& app) : app_(app) {}

forms::ExchangeGate::DeviceUse PortLayer::UseDevice() {
  return forms::ExchangeGate::DeviceUse(app_.host.exchange);
}

bool PortLayer::ParallelSelected() const { return app_.s.PortName == "COM0"; }

const std::string& PortLayer::PortInUse() const {
  return ParallelSelected() ? app_.s.LptPortName : app_.s.PortName;
}

void PortLayer::ReportNoReply() {
  if (app_.s.ReportErrors)
    app_.ErrorBox(app_.T(app_.s.NotConnectedText) + PortInUse() + ".", app_.T("ERROR"));
}

bool PortLayer::OpenPort() {
  const auto use = UseDevice();
  bool open;
  if (ParallelSelected()) {
    open = OpenLptPort(app_.s.LptPortName);
    app_.s.OpenPortName = app_.s.LptPortName;
  } else {
    open = OpenSerialPort(app_.s.PortName);
    app_.s.OpenPortName = app_.s.PortName;
  }
  return open;
}

bool PortLayer::SendString(const std::string& cmd, int32_t timeoutMs) {
  const auto use = UseDevice();
  bool sent;
  if (ParallelSelected()) {
    sent = WriteLpt(cmd);
    app_.s.OpenPortName = app_.s.LptPortName;
  } else {
    sent = SendSerial(cmd, timeoutMs);
    app_.s.OpenPortName = app_.s.PortName;
  }
  return sent;
}

bool PortLayer::Query(const std::string& cmd, std::string& reply, int termChar,
                      int32_t serialTimeoutMs, int32_t lptReplyLen) {
  const auto use = UseDevice();
  if (ParallelSelected()) return LptQuery(cmd, reply, lptReplyLen);
  return SerialQuery(cmd, reply, termChar, serialTimeoutMs);
}

void PortLayer::ClosePort() {
  const auto use = UseDevice();
  if (ParallelSelected())
    CloseLptPort();
  else
    CloseSerialPort();
}

void PortLayer::Delay(double ms) {
  platform::Clock& clock = app_.clock;
  if (ms == 0) {
    int64_t now = clock.NowMs();
    if (lastYieldMs_ < 0) {
      lastYieldMs_ = now;
    } else if (now - lastYieldMs_ > kYieldPumpMs) {
      app_.host.DoEvents();
      lastYieldMs_ = clock.NowMs();
    }
    // Callers yield inside polling loops; giving up the processor for a moment keeps those loops
    // from spinning a core while they wait for the line.
    clock.SleepMs(1);
    return;
  }
  platform::WaitMs(clock, ms);
}

}  // namespace taskhelm
