// Installing a 64000-byte firmware image into the simulated device on a pty at 9600 baud, from
// the operator's click on "Begin Version Install" (the file chosen at once) to its end.
// The bound is made of:
// - 200 ms after opening the port, then 600 ms;
// - "!RF@" on the line, 32 ms after it, then 1200 ms;
// - for each packet as the device received it (stuffing included): the longer of its line time
//   and the pause of max(length, 50) ms the sender makes after writing it, since the pause runs
//   while the line carries the packet; then 50 ms, the first look for the reply; then 10 ms
//   after the acknowledgement;
// - the line time of the device's acknowledgements (one byte each);
// - 500 ms at the end.
#include <algorithm>
#include <vector>

#include "bench/device_rig.h"
#include "transfer/Flash.h"

namespace {

constexpr size_t kImageSize = 64000;

// Bytes of every value, 0xAA among them, with the build stamp near the end.
std::string FirmwareImage() {
  std::string image(kImageSize, '\0');
  uint32_t x = 2463534242u;
  for (char& c : image) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x & 0xFF);
  }
  image.replace(image.size() - 100, 9, "Compiled:");
  return image;
}

// Packets start with the lead-in 00 and the mark AA 55; stuffing puts 00 after every later AA,
// so the mark appears nowhere else.
std::vector<size_t> PacketLengths(std::string_view bytes) {
  constexpr std::string_view kLeadIn("\x00\xAA\x55", 3);
  std::vector<size_t> lengths;
  for (size_t at = bytes.find(kLeadIn); at != std::string_view::npos;) {
    size_t next = bytes.find(kLeadIn, at + 1);
    lengths.push_back((next == std::string_view::npos ? bytes.size() : next) - at);
    at = next;
  }
  return lengths;
}

}  // namespace

int main() {
  constexpr double kOpenPauseMs = 200, kOpenedMs = 600, kSendPauseMs = 32, kLoaderStartMs = 1200,
                   kShortestPacketPauseMs = 50, kReplyPollMs = 50, kAfterAckMs = 10, kEndMs = 500;
  constexpr std::string_view kEnterLoader = "!RF@";
  bench_rig::DeviceRig rig(9600, "firmware-road");
  if (!rig.Start()) return 2;
  std::string path = (rig.folder / "new.bin").string();
  std::string image = FirmwareImage();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(image.data(), 1, image.size(), f);
  std::fclose(f);
  rig.host.openFile = path;

  std::unique_ptr<taskhelm::App> app = rig.NewApp();
  app->s.PortName = "COM1";
  app->s.LptPortName = "LPT0";
  auto& window = app->Window<taskhelm::Flash>();
  auto start = std::chrono::steady_clock::now();
  window.Command1.Press();
  double measuredMs = bench_rig::MsSince(start);

  std::string received = rig.Received(), sent = rig.Sent();
  bool finished = false;
  rig.pty.WithDevice([&](sim::Device&) {
    finished = rig.firmware.Finished() && rig.firmware.Image() == image.substr(16384);
  });
  std::vector<size_t> packets =
      PacketLengths(std::string_view(received).substr(std::min(received.size(), kEnterLoader.size())));
  if (!finished || received.compare(0, kEnterLoader.size(), kEnterLoader) != 0 ||
      sent != std::string(packets.size(), sim::FirmwareReceiver::kAck)) {
    std::printf("the installation did not finish as it should: %s\n", window.StatusBar.Text().c_str());
    return 1;
  }

  double boundMs = kOpenPauseMs + kOpenedMs + bench_rig::LineMs(kEnterLoader.size()) + kSendPauseMs +
                   kLoaderStartMs + bench_rig::LineMs(sent.size()) + kEndMs;
  for (size_t length : packets)
    boundMs += std::max(bench_rig::LineMs(length),
                        std::max(static_cast<double>(length), kShortestPacketPauseMs)) +
               kReplyPollMs + kAfterAckMs;
  std::printf("%zu packets, %zu bytes to the device, %zu back\n", packets.size(), received.size(),
              sent.size());
  return bench_rig::Verdict("firmware installation", measuredMs, boundMs);
}
