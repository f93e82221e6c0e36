#pragma once
// The program's one clock: a millisecond tick count and a way to pass time without burning a core.
// The real clock reads the monotonic clock; the test host's clock is virtual.
#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start (the system tick count).
  virtual int64_t NowMs() = 0;
  // The same time with its fraction, where the clock has one: a wait measured on whole
  // milliseconds alone could end up to a millisecond early.
  virtual double PreciseNowMs() { return static_cast<double>(NowMs()); }
  // Lets at least ms milliseconds pass (a real sleep, or an advance of the virtual clock).
  virtual void SleepMs(int ms) = 0;
};

// Lets ms milliseconds pass on the clock without running any events, sleeping in short slices so
// that a long wait costs next to no processor time. A negative time returns at once.
void WaitMs(Clock& clock, double ms);

class SystemClock : public Clock {
 public:
  int64_t NowMs() override;
  double PreciseNowMs() override;
  void SleepMs(int ms) override;
};

}  // namespace platform
