#pragma once
// A serial line to an in-process simulated device, timed by the program's clock (in the tests the
// test host's virtual clock): what is written drains at the line's speed, the device takes each
// byte as it arrives, and its replies become readable as they come back. No threads: the state
// moves on whenever the line is asked anything.
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/SerialLine.h"
#include "sim/Device.h"
#include "sim/Wire.h"

namespace sim {

struct SimLineOptions {
  std::set<int> ports{1};  // the COM numbers the device hangs on
  int baud = 9600;         // 0: no transmission time
  int outBufferSize = 2048;
};

class SimSerialLine : public platform::SerialLine {
 public:
  SimSerialLine(Device& device, platform::Clock& clock, SimLineOptions options = {});

  bool Open(int portNumber) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  const std::string& LastError() const override { return error_; }

  int OutBufferSize() const override { return options_.outBufferSize; }
  int OutBufferCount() override;
  bool Write(std::string_view bytes) override;
  void ClearOutput() override;

  int InBufferCount() override;
  std::string ReadAll() override;
  void ClearInput() override;

  bool Cts() override;
  void SetHandshaking(platform::Handshaking handshaking) override;
  void SetDtr(bool on) override { dtr_ = on; }
  bool Dtr() const { return dtr_; }

  void Service() override { Advance(); }
  int EventFd() const override { return -1; }
  std::vector<platform::LineEvent> TakeEvents() override;
  // Noise on the line: the event is reported with the next TakeEvents.
  void RaiseEvent(platform::LineEvent event) { events_.push_back(event); }

  // The port last opened.
  int PortNumber() const { return port_; }
  // The cable pulled from a port: it no longer opens (a line open now stays open).
  void Unplug(int port) { options_.ports.erase(port); }

 private:
  void Advance();
  int64_t NowUs() { return clock_.NowMs() * 1000; }

  Device& device_;
  platform::Clock& clock_;
  SimLineOptions options_;
  Link link_;
  bool open_ = false;
  int port_ = 0;
  std::string error_;
  bool dtr_ = true;
  std::vector<platform::LineEvent> events_;
};

}  // namespace sim
