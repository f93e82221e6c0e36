#include "sim/Wire.h"

#include <algorithm>

namespace sim {

void Wire::Put(std::string_view bytes, int64_t startUs) {
  int64_t at = std::max(startUs, FreeUs());
  for (char c : bytes) {
    at += charUs_;
    bytes_.push_back({at, c});
  }
}

size_t Wire::Arrived(int64_t nowUs) const {
  size_t n = 0;
  while (n < bytes_.size() && bytes_[n].atUs <= nowUs) ++n;
  return n;
}

std::string Wire::Take(int64_t nowUs) {
  std::string out;
  while (!bytes_.empty() && bytes_.front().atUs <= nowUs) {
    out += bytes_.front().c;
    bytes_.pop_front();
  }
  return out;
}

bool Wire::TakeOne(int64_t nowUs, char& c, int64_t& atUs) {
  if (bytes_.empty() || bytes_.front().atUs > nowUs) return false;
  c = bytes_.front().c;
  atUs = bytes_.front().atUs;
  bytes_.pop_front();
  return true;
}

void Wire::Hold(int64_t fromUs, int64_t toUs) {
  if (toUs <= fromUs) return;
  for (TimedByte& b : bytes_)
    if (b.atUs > fromUs) b.atUs += toUs - fromUs;
}

void Wire::ClearArrived(int64_t nowUs) {
  while (!bytes_.empty() && bytes_.front().atUs <= nowUs) bytes_.pop_front();
}

void Link::Advance(int64_t nowUs) {
  if (lastAdvanceUs_ < 0) lastAdvanceUs_ = nowUs;
  // While CTS is low nothing reaches the device, not even what was written this very moment.
  const bool held = followCts_ && !device_.Cts();
  if (held) toDevice_.Hold(lastAdvanceUs_, nowUs);
  lastAdvanceUs_ = std::max(lastAdvanceUs_, nowUs);

  char c;
  int64_t atUs;
  while (!held && toDevice_.TakeOne(nowUs, c, atUs)) {
    device_.Receive(std::string_view(&c, 1));
    lastByteUs_ = atUs;
    ScheduleReplies(atUs);
  }
  if (device_.CommandPending() && nowUs - lastByteUs_ >= kIdleUs) {
    device_.LineIdle();
    ScheduleReplies(nowUs);
  }
}

void Link::ScheduleReplies(int64_t afterUs) {
  int64_t previousEnd = afterUs;
  for (ReplyPiece& piece : device_.TakeReplies()) {
    fromDevice_.Put(piece.bytes, previousEnd + int64_t{piece.delayMs} * 1000);
    previousEnd = std::max(previousEnd, fromDevice_.FreeUs());
  }
}

void Link::Reset(int64_t nowUs) {
  toDevice_.Clear();
  fromDevice_.Clear();
  device_.TakeReplies();
  lastAdvanceUs_ = nowUs;
}

int64_t Link::NextEventUs() const {
  int64_t next = -1;
  auto consider = [&](int64_t t) {
    if (t >= 0 && (next < 0 || t < next)) next = t;
  };
  consider(toDevice_.NextArrivalUs());
  consider(fromDevice_.NextArrivalUs());
  if (device_.CommandPending()) consider(lastByteUs_ + kIdleUs);
  return next;
}

}  // namespace sim
