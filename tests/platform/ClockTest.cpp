// The program's pause on a clock whose sleeps overrun by a fraction, as a real sleep does: it
// must never end before its time, whatever fraction of a millisecond it started at.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Clock.h"

namespace platform {
namespace {

class OverrunningClock : public Clock {
 public:
  explicit OverrunningClock(double startMs) : now_(startMs) {}
  int64_t NowMs() override { return static_cast<int64_t>(std::floor(now_)); }
  double PreciseNowMs() override { return now_; }
  void SleepMs(int ms) override { now_ += ms + 0.1; }

 private:
  double now_;
};

TEST(WaitMs, NeverEndsBeforeItsTime) {
  for (double start : {100.0, 100.3, 100.5, 100.9}) {
    for (double ms : {1.0, 5.0, 64.0, 1400.0, 2000.0}) {
      OverrunningClock clock(start);
      WaitMs(clock, ms);
      const double waited = clock.PreciseNowMs() - start;
      EXPECT_GE(waited, ms) << "start " << start << " wait " << ms;
      EXPECT_LT(waited, ms + 6) << "start " << start << " wait " << ms;
    }
  }
}

TEST(WaitMs, NothingOrANegativeTimeReturnsAtOnce) {
  for (double ms : {0.0, -5.0, std::nan("")}) {
    OverrunningClock clock(10.5);
    WaitMs(clock, ms);
    EXPECT_EQ(clock.PreciseNowMs(), 10.5);
  }
}

}  // namespace
}  // namespace platform
