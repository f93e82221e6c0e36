#pragma once
// The device's plot-data side: what arrives between escape commands (HP-GL, cut files) is counted
// and kept, up to a limit, so a test can compare it with the file that was sent. The pace is the
// line's (its baud rate), and the line holds the data back while the device holds CTS low.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/Device.h"

namespace sim {

struct PlotReceiverOptions {
  // Bytes kept for inspection; beyond them only the count and the checksum go on.
  size_t keepBytes = size_t{16} << 20;
};

class PlotReceiver {
 public:
  // Takes the device's plot data from now on, until destroyed.
  explicit PlotReceiver(Device& device, PlotReceiverOptions options = {});
  ~PlotReceiver();
  PlotReceiver(const PlotReceiver&) = delete;
  PlotReceiver& operator=(const PlotReceiver&) = delete;

  uint64_t Count() const { return count_; }
  // The first keepBytes bytes received.
  const std::string& Kept() const { return kept_; }
  // FNV-1a over every byte received, for data too large to keep.
  uint64_t Checksum() const { return checksum_; }
  static uint64_t ChecksumOf(std::string_view bytes, uint64_t start = kChecksumStart);
  static constexpr uint64_t kChecksumStart = 0xcbf29ce484222325ULL;

  void Clear();

 private:
  size_t Take(std::string_view bytes);

  Device& device_;
  PlotReceiverOptions options_;
  uint64_t count_ = 0;
  uint64_t checksum_ = kChecksumStart;
  std::string kept_;
};

}  // namespace sim
