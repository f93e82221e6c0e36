// How a firmware packet goes to the device and how its one-byte reply comes back, on each port.
#include <algorithm>

#include "startup/App.h"
#include "transfer/Flash.h"

namespace taskhelm {

namespace {
constexpr int kReplyPollMs = 50;
}  // namespace

int Flash::SendPacketSerial() {
  SharedState& s = app_.s;
  platform::SerialLine& line = app_.line;
  // The device's loader neither drives CTS nor looks at DTR; the binary image must pass as is.
  line.SetHandshaking(platform::Handshaking::None);
  line.SetDtr(false);
  if (s.LptPortName != "LPT0") {
    app_.MsgBox(app_.T("Could not open ") + s.LptPortName, forms::MsgButtons::OKCancel,
                forms::MsgIcon::Exclamation, app_.T("ERROR"));
    return 0;
  }

  auto drain = [&] {
    for (int waiting = line.OutBufferCount(); waiting > 0; waiting = line.OutBufferCount()) {
      app_.port.Delay(waiting);
      app_.host.DoEvents();
    }
  };
  const size_t pieceSize = static_cast<size_t>(line.OutBufferSize());
  for (size_t at = 0; at < packet_.size(); at += pieceSize) {
    std::string_view piece = std::string_view(packet_).substr(at, pieceSize);
    // About a millisecond a byte at 9600 baud: let each piece leave before the next.
    double pause = std::max<double>(static_cast<double>(piece.size()), 50);
    if (at > 0) app_.port.Delay(pause);
    line.Write(piece);
    if (at == 0) app_.port.Delay(pause);
    drain();
  }

  SetStatus(app_.T("Waiting for Response"));
  int reply = 0;
  for (int timeoutMs : {2000, 4000, 6000}) {
    if (cancelled_) break;
    if (timeoutMs != 2000) app_.host.DoEvents();
    reply = WaitSerialReply(timeoutMs);
    if (reply != 0) return reply;
  }
  SetStatus(app_.T("No Response"));
  app_.host.DoEvents();
  app_.port.Delay(500);
  return 0;
}

int Flash::WaitSerialReply(int timeoutMs) {
  int64_t start = app_.clock.NowMs();
  while (app_.clock.NowMs() - start < timeoutMs && !cancelled_) {
    app_.port.Delay(kReplyPollMs);
    app_.host.DoEvents();
    app_.port.Comm1_OnComm();  // takes what waits on the line into the reply buffer
    const std::string received = app_.port.TakeReceived();
    if (!received.empty()) return static_cast<unsigned char>(received[0]);
  }
  return 0;
}

int Flash::SendPacketLpt(bool isEnd) {
  bool written = app_.port.WriteLpt(packet_);
  SetStatus(app_.T("Waiting for Response"));
  app_.port.Delay(68);
  int reply = -1;  // none
  std::string in;
  if (written) {
    if (isEnd) app_.port.Delay(18);
    if (app_.port.ReadLpt(in, 1) > 0) reply = static_cast<unsigned char>(in[0]);
  }
  if (reply == 0 || !written) {
    app_.port.Delay(18);
    app_.host.DoEvents();
    if (app_.port.ReadLpt(in, 2) > 0) reply = static_cast<unsigned char>(in[0]);
  }
  if (reply <= 0) {
    SetStatus(app_.T("No Response"));
    app_.port.Delay(isEnd ? 100 : 800);
    return 0;
  }
  return reply;
}

}  // namespace taskhelm
