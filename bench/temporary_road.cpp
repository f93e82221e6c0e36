// One Temporary round trip of the cutter window against the simulated device on a pty at 9600
// baud, from the operator's click (the prompt answered at once) to the read-back shown.
// The bound is made of:
// - the line time of every byte the device received and sent: "!IC@" of the model check, the
//   settings command, "!DD@", and the two replies;
// - the pauses the road must make: for each of the two queries 200 ms after closing the port and
//   200 ms after reopening it; 32 ms after each of the three sends; and after the settings command
//   the larger of 64 ms and one millisecond per command character plus one.
#include <algorithm>

#include "bench/device_rig.h"
#include "cutter/Dru71Set.h"

int main() {
  constexpr double kReopenPausesMs = 2 * 200, kSendPauseMs = 32;
  constexpr std::string_view kIdentify = "!IC@", kDump = "!DD@";
  bench_rig::DeviceRig rig(9600, "temporary-road");
  if (!rig.Start()) return 2;
  std::unique_ptr<taskhelm::App> app = rig.Launch();
  auto& window = app->Window<taskhelm::Dru71Set>();
  rig.ClearRecords();
  app->s.SettingsSent = false;  // set again only by a read-back that succeeded

  auto start = std::chrono::steady_clock::now();
  window.SendSettingTemp.Press();
  double measuredMs = bench_rig::MsSince(start);

  std::string received = rig.Received(), sent = rig.Sent();
  bool road = received.size() > kIdentify.size() + kDump.size() &&
              received.compare(0, kIdentify.size(), kIdentify) == 0 &&
              received.compare(received.size() - kDump.size(), kDump.size(), kDump) == 0;
  if (!road || !app->s.SettingsSent || rig.host.boxes != 1) {  // the one box is the prompt
    std::printf("the round trip took another road: the device received \"%s\"\n", received.c_str());
    return 1;
  }
  size_t command = received.size() - kIdentify.size() - kDump.size();
  double settleMs = std::max<double>(64, static_cast<double>(command) + 1);
  double boundMs = bench_rig::LineMs(received.size() + sent.size()) + 2 * kReopenPausesMs +
                   3 * kSendPauseMs + settleMs;
  return bench_rig::Verdict("one Temporary round trip", measuredMs, boundMs);
}
