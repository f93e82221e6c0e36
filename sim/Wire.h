#pragma once
// The timing of a serial line to a simulated device. A Wire is one direction: bytes put on it at
// a moment arrive one character time apart (ten bits each at the line's baud rate), behind what
// is still travelling. A Link is both directions with the device at the far end: it hands the
// device each byte as it arrives and puts the replies on the way back after their pauses.
// Times are in microseconds of whatever clock the owner runs on.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "sim/Device.h"

namespace sim {

class Wire {
 public:
  explicit Wire(int baud) : charUs_(baud > 0 ? 10'000'000 / baud : 0) {}

  // Bytes that start travelling at startUs or when the wire is free, whichever is later.
  void Put(std::string_view bytes, int64_t startUs);
  // Bytes not yet taken, arrived or not.
  size_t Pending() const { return bytes_.size(); }
  size_t Arrived(int64_t nowUs) const;
  std::string Take(int64_t nowUs);
  bool TakeOne(int64_t nowUs, char& c, int64_t& atUs);
  // The arrival time of the next byte, or -1 with nothing on the wire.
  int64_t NextArrivalUs() const { return bytes_.empty() ? -1 : bytes_.front().atUs; }
  // When the last byte on the wire arrives (the wire is free from then on).
  int64_t FreeUs() const { return bytes_.empty() ? 0 : bytes_.back().atUs; }
  // Nothing moved between fromUs and toUs (the receiver held CTS low): what was due later is
  // due that much later still.
  void Hold(int64_t fromUs, int64_t toUs);
  void Clear() { bytes_.clear(); }
  void ClearArrived(int64_t nowUs);

 private:
  struct TimedByte {
    int64_t atUs;
    char c;
  };
  int64_t charUs_;
  std::deque<TimedByte> bytes_;
};

class Link {
 public:
  // A command left without its "@" is carried out after the line has been quiet this long.
  static constexpr int64_t kIdleUs = 50'000;

  Link(Device& device, int baud) : device_(device), toDevice_(baud), fromDevice_(baud) {}

  Wire& ToDevice() { return toDevice_; }
  // Without hardware handshaking the sender does not wait for CTS.
  void SetFollowCts(bool follow) { followCts_ = follow; }
  Wire& FromDevice() { return fromDevice_; }

  // Brings both directions up to nowUs.
  void Advance(int64_t nowUs);
  // Drops everything in flight (the port was closed) and restarts the timing at nowUs.
  void Reset(int64_t nowUs);
  // The next moment something happens by itself (a byte arrives, the idle time-out), or -1.
  int64_t NextEventUs() const;

 private:
  void ScheduleReplies(int64_t afterUs);

  Device& device_;
  Wire toDevice_;
  Wire fromDevice_;
  int64_t lastAdvanceUs_ = -1;
  int64_t lastByteUs_ = 0;
  bool followCts_ = true;
};

}  // namespace sim
