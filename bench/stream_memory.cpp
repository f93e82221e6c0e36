// Sending a 100 MiB plot file must not hold it: the whole process, the device on its thread
// included, stays under 64 MiB at its peak. The file goes to a pty without a line rate.
#include "bench/stream_bench.h"

int main(int argc, char** argv) {
  constexpr uint64_t kSize = uint64_t{100} << 20;
  // A send that has not finished by then is aborted; the peak so far is still reported.
  int64_t limitMs = argc > 1 ? std::atoll(argv[1]) * 1000 : 30 * 60 * 1000;
  stream_bench::StreamRun run(0, "memory");
  if (!run.Start()) return 2;
  stream_bench::Result r = run.Stream(kSize, limitMs);
  double peak = stream_bench::PeakRssMiB();
  std::printf("streamed %.1f of %.1f MiB in %.0f s, peak resident memory %.1f MiB (target < 64 MiB)\n",
              r.received / 1048576.0, kSize / 1048576.0, r.wallMs / 1000, peak);
  return r.complete && peak < 64 ? 0 : 1;
}
