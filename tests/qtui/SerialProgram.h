#pragma once
// The program over the Qt host on a serial line to the simulated device (a model 32 cutter to
// begin with; the line has COM1 and COM2 and no transmission time). Its pauses take no real time.
#include "platform/Clock.h"
#include "sim/Device.h"
#include "sim/SimSerialLine.h"
#include "startup/App.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/support/FakeParlink.h"

namespace qtui_tests {

// Time that passes only when the program waits.
class VirtualClock : public platform::Clock {
 public:
  int64_t NowMs() override { return now_ += lookMs; }
  void SleepMs(int ms) override { now_ += ms > 0 ? ms : 0; }
  // How far each look at the clock moves it on, for a wait that only looks (a serial read
  // waiting for a late reply).
  int64_t lookMs = 0;

 private:
  int64_t now_ = 0;
};

class SerialProgramTest : public QtHostTest {
 protected:
  VirtualClock clock;
  sim::Device device{32};
  sim::SimSerialLine line{device, clock, {{1, 2}, 0}};
  testing_support::FakeParlink parlink;
  // No folder for the start-up file: Setup's write is skipped.
  taskhelm::App app{taskhelm::Platform{host, clock, line, parlink, platform::Regional{},
                                       "/nonexistent", texts::Edition::English}};
};

}  // namespace qtui_tests
