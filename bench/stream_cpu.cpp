// Sending a plot file at 9600 baud must leave the processor nearly idle: the program's thread may
// use under 10 % of a core while the line sets the pace (about 960 bytes a second).
#include "bench/stream_bench.h"

int main() {
  constexpr uint64_t kSize = 6000;  // some six seconds on the line
  stream_bench::StreamRun run(9600, "cpu");
  if (!run.Start()) return 2;
  stream_bench::Result r = run.Stream(kSize, 60000);
  double share = r.wallMs > 0 ? 100.0 * r.cpuMs / r.wallMs : 100;
  std::printf("sent %llu bytes at 9600 baud in %.0f ms using %.0f ms of processor: %.1f %% "
              "(target < 10 %%)\n",
              static_cast<unsigned long long>(r.received), r.wallMs, r.cpuMs, share);
  return r.complete && share < 10 ? 0 : 1;
}
