#include "platform/Clock.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace platform {

namespace {
constexpr int kWaitSliceMs = 5;
}

void WaitMs(Clock& clock, double ms) {
  if (!(ms > 0)) return;
  const double end = clock.PreciseNowMs() + static_cast<double>(static_cast<int64_t>(ms + 0.5));
  for (double now = clock.PreciseNowMs(); now < end; now = clock.PreciseNowMs()) {
    // Never a slice of 0: a wait of a fraction of a millisecond still sleeps.
    const double left = std::ceil(end - now);
    clock.SleepMs(static_cast<int>(left < kWaitSliceMs ? left : kWaitSliceMs));
  }
}

int64_t SystemClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::PreciseNowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
