// Streaming a 1 MiB plot file to the simulated device over a pty without a line rate: at least
// 100 kB/s from the first tick of the file-sending window to the last byte at the device.
#include "bench/stream_bench.h"

int main() {
  constexpr uint64_t kSize = uint64_t{1} << 20;
  stream_bench::StreamRun run(0, "throughput");
  if (!run.Start()) return 2;
  stream_bench::Result r = run.Stream(kSize, 120000);
  double kBps = r.wallMs > 0 ? r.received / r.wallMs : 0;  // bytes per ms = kB/s
  std::printf("streamed %llu of %llu bytes in %.0f ms: %.1f kB/s (target >= 100 kB/s)\n",
              static_cast<unsigned long long>(r.received), static_cast<unsigned long long>(kSize),
              r.wallMs, kBps);
  return r.complete && kBps >= 100 ? 0 : 1;
}
