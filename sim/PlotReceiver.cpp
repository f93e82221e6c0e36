#include "sim/PlotReceiver.h"

#include <algorithm>

namespace sim {

PlotReceiver::PlotReceiver(Device& device, PlotReceiverOptions options)
    : device_(device), options_(options) {
  device_.SetPlotDataHandler([this](Device&, std::string_view bytes) { return Take(bytes); });
}

PlotReceiver::~PlotReceiver() { device_.SetPlotDataHandler({}); }

uint64_t PlotReceiver::ChecksumOf(std::string_view bytes, uint64_t start) {
  uint64_t h = start;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

size_t PlotReceiver::Take(std::string_view bytes) {
  count_ += bytes.size();
  checksum_ = ChecksumOf(bytes, checksum_);
  size_t room = options_.keepBytes > kept_.size() ? options_.keepBytes - kept_.size() : 0;
  kept_.append(bytes.substr(0, std::min(room, bytes.size())));
  return bytes.size();
}

void PlotReceiver::Clear() {
  count_ = 0;
  checksum_ = kChecksumStart;
  kept_.clear();
}

}  // namespace sim
