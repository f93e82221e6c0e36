#pragma once
// What the file-streaming benchmarks share: the file-sending window streaming a file to the
// simulated device on a pty, as an operator would send one.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/device_rig.h"
#include "transfer/SendCutFiles.h"

namespace stream_bench {

// A file of plot strokes (no "!", which the device would take for a command), written piece by
// piece so the benchmark itself never holds it.
inline void WritePlotFile(const std::string& path, uint64_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::string stroke = "PU1200,3400;PD5600,7800;PD9100,1200;\r\n";
  std::string block;
  while (block.size() < 65536) block += stroke;
  for (uint64_t left = size; left > 0;) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(left, block.size()));
    std::fwrite(block.data(), 1, n, f);
    left -= n;
  }
  std::fclose(f);
}

inline double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

inline double PeakRssMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

struct Result {
  uint64_t sent = 0, received = 0;
  double wallMs = 0, cpuMs = 0;
  bool complete = false;
};

// Streams `size` bytes through the file-sending window to a device on a pty at `baud` (0: no
// transmission time). The operator presses Abort after `limitMs`.
class StreamRun {
 public:
  StreamRun(int baud, const std::string& tag) : rig_(baud, tag) {}

  bool Start() { return rig_.Start(); }

  Result Stream(uint64_t size, int64_t limitMs) {
    std::string path = (rig_.folder / "job.plt").string();
    WritePlotFile(path, size);
    std::unique_ptr<taskhelm::App> app = rig_.NewApp();
    app->s.PortName = "COM1";
    app->s.LptPortName = "LPT0";
    app->s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
    app->s.FileMenuIndex = 0;
    Result r;
    if (!app->port.OpenSerialPort("COM1")) return r;
    auto& window = app->Window<taskhelm::SendCutFiles>();
    window.SetFileName(path);

    auto received = [this] {
      uint64_t n = 0;
      rig_.pty.WithDevice([&](sim::Device&) { n = rig_.plot.Count(); });
      return n;
    };
    auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] { return bench_rig::MsSince(start); };
    rig_.host.onPump = [&] {
      if (elapsedMs() > static_cast<double>(limitMs)) window.btnAbort.Press();
    };
    double cpu0 = ThreadCpuMs();
    window.Show(forms::ShowMode::Modal);
    // What the window handed over is still travelling to the device.
    while (received() < size && elapsedMs() < static_cast<double>(limitMs) + 2000) rig_.clock.SleepMs(2);
    r.cpuMs = ThreadCpuMs() - cpu0;
    r.wallMs = elapsedMs();
    r.received = received();
    r.complete = r.received == size && rig_.host.boxes == 0;
    rig_.host.onPump = nullptr;
    app->port.CloseSerialPort();
    return r;
  }

 private:
  bench_rig::DeviceRig rig_;
};

}  // namespace stream_bench
