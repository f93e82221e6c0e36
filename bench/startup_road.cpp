// Launch to the main window shown, against the simulated device on a pty at 9600 baud: from the
// program's creation until start-up has shown the cutter window (the process start before it is
// startup_latency's figure).
// The bound is made of:
// - the line time of every byte the device received and sent: "!IC@" while the start-up file is
//   read, "!IC@" and "!DD@" while the device is connected, and their replies;
// - the pauses the start-up road must make: 200 ms after the first opening of the port, 200 ms
//   after closing it and 200 ms after reopening it for each of the two later queries, and 32 ms
//   after each of the three sends.
#include "bench/device_rig.h"
#include "cutter/Dru71Set.h"

int main() {
  constexpr double kOpenPauseMs = 200, kSendPauseMs = 32;
  constexpr int kQueries = 3;
  bench_rig::DeviceRig rig(9600, "startup-road");
  if (!rig.Start()) return 2;

  auto start = std::chrono::steady_clock::now();
  std::unique_ptr<taskhelm::App> app = rig.Launch();
  double measuredMs = bench_rig::MsSince(start);

  std::string received = rig.Received(), sent = rig.Sent();
  if (received != "!IC@!IC@!DD@" || !app->Window<taskhelm::Dru71Set>().Visible() ||
      rig.host.boxes != 0) {
    std::printf("start-up took another road: the device received \"%s\"\n", received.c_str());
    return 1;
  }
  double boundMs = bench_rig::LineMs(received.size() + sent.size()) +
                   kOpenPauseMs * (1 + 2 * (kQueries - 1)) + kSendPauseMs * kQueries;
  return bench_rig::Verdict("launch to the cutter window", measuredMs, boundMs);
}
