#include "sim/FirmwareReceiver.h"

#include <array>

namespace sim {

namespace {

constexpr uint8_t kMark1 = 0xAA, kMark2 = 0x55;
constexpr size_t kHeader = 2 + 1 + 4 + 2;  // start mark, type, address, length
constexpr size_t kCrcBytes = 2;

constexpr std::array<uint16_t, 256> MakeCrcTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned n = 0; n < 256; ++n) {
    uint16_t crc = static_cast<uint16_t>(n);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    table[n] = crc;
  }
  return table;
}
constexpr std::array<uint16_t, 256> kCrcTable = MakeCrcTable();

uint8_t At(const std::string& s, size_t i) { return static_cast<uint8_t>(s[i]); }

}  // namespace

FirmwareReceiver::FirmwareReceiver(Device& device) : device_(device) {
  device_.SetFirmwareHandler([this](Device&, std::string_view bytes) { return Take(bytes); });
}

FirmwareReceiver::~FirmwareReceiver() { device_.SetFirmwareHandler({}); }

uint16_t FirmwareReceiver::Crc16(std::string_view bytes) {
  uint16_t crc = 0;
  for (unsigned char c : bytes) crc = static_cast<uint16_t>((crc >> 8) ^ kCrcTable[(crc ^ c) & 0xFF]);
  return crc;
}

size_t FirmwareReceiver::Take(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    uint8_t b = static_cast<uint8_t>(bytes[i]);
    switch (state_) {
      case State::Hunt:
        if (b == kMark1) state_ = State::Mark;
        break;
      case State::Mark:
        if (b == kMark2) {
          body_.assign({static_cast<char>(kMark1), static_cast<char>(kMark2)});
          expected_ = kHeader;
          state_ = State::Body;
        } else if (b != kMark1) {
          state_ = State::Hunt;
        }
        break;
      case State::Stuffing:
        // The sender owes a 00 after every AA; anything else means the packet is damaged.
        if (b != 0) {
          Finish(false);
          break;
        }
        state_ = State::Body;
        if (body_.size() == expected_) Logical();  // the AA was the packet's last byte
        break;
      case State::Body:
        body_ += static_cast<char>(b);
        if (b == kMark1) {
          state_ = State::Stuffing;
          break;
        }
        if (body_.size() == expected_) Logical();
        break;
    }
    if (device_.Mode() != ReceiveMode::Firmware) return i + 1;  // END: the rest are commands
  }
  return bytes.size();
}

// A part of the packet is complete: the header tells how much data follows, then the CRC ends it.
void FirmwareReceiver::Logical() {
  if (expected_ == kHeader) {
    expected_ += (size_t{At(body_, 7)} << 8 | At(body_, 8)) + kCrcBytes;
    return;
  }
  size_t crcAt = body_.size() - kCrcBytes;
  uint16_t sent = static_cast<uint16_t>(At(body_, crcAt) << 8 | At(body_, crcAt + 1));
  Finish(Crc16(std::string_view(body_).substr(0, crcAt)) == sent);
}

void FirmwareReceiver::Finish(bool intact) {
  state_ = State::Hunt;
  if (!intact) {
    ++damaged_;
    Answer(false);
    return;
  }
  int type = At(body_, 2);
  uint32_t address = static_cast<uint32_t>(At(body_, 3)) << 24 | At(body_, 4) << 16 |
                     At(body_, 5) << 8 | At(body_, 6);
  uint16_t length = static_cast<uint16_t>(At(body_, 7) << 8 | At(body_, 8));
  std::string_view data = std::string_view(body_).substr(kHeader, length);

  // Once a fault refuses or silences packets, the loader takes nothing more from them.
  int number = static_cast<int>(packets_.size());
  bool refused = faults.nakFrom && number >= *faults.nakFrom;
  bool silent = faults.silentFrom && number >= *faults.silentFrom;
  bool ok = !refused && !silent;
  bool ended = false;
  if (ok && type == 1 && length == 0) {
    start_ = address;
    image_.clear();
    finished_ = false;
  } else if (ok && type == 2 && start_ && address >= *start_ &&
             address - *start_ + length <= kMaxImage) {
    size_t at = address - *start_;
    if (image_.size() < at + length) image_.resize(at + length);
    image_.replace(at, length, data);
  } else if (ok && type == 3 && start_ && length == 0 && address == image_.size()) {
    finished_ = ended = true;
  } else {
    ok = false;
  }
  packets_.push_back({type, address, length, ok});
  if (silent) return;
  Answer(ok);
  if (ended) device_.SetMode(ReceiveMode::Commands);  // the new code runs
}

void FirmwareReceiver::Answer(bool accept) { device_.SendRaw(std::string(1, accept ? kAck : kNak)); }

}  // namespace sim
