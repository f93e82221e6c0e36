#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
constexpr int kWaitSliceMs = 5;
}

void WaitMs(Clock& clock, double ms) {
  if (!(ms > 0)) return;
  int64_t end = clock.NowMs() + static_cast<int64_t>(ms + 0.5);
  for (int64_t now = clock.NowMs(); now < end; now = clock.NowMs())
    clock.SleepMs(static_cast<int>(end - now < kWaitSliceMs ? end - now : kWaitSliceMs));
}

int64_t SystemClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
