// The program's pause must not burn a core: the processor time of a 2000 ms wait has to stay
// under 5 % of its wall time.
#include <chrono>
#include <cstdio>
#include <ctime>

#include "platform/Clock.h"

int main() {
  platform::SystemClock clock;
  timespec cpu0{}, cpu1{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
  auto wall0 = std::chrono::steady_clock::now();
  platform::WaitMs(clock, 2000);
  auto wall1 = std::chrono::steady_clock::now();
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
  double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
  double wallMs = std::chrono::duration<double, std::milli>(wall1 - wall0).count();
  double share = 100.0 * cpuMs / wallMs;
  std::printf("Delay(2000): wall %.1f ms, cpu %.2f ms, %.2f %% (target < 5 %%)\n", wallMs, cpuMs, share);
  return wallMs >= 2000 && share < 5.0 ? 0 : 1;
}
