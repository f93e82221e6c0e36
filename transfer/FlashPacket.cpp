#include "transfer/FlashPacket.h"

namespace taskhelm {

namespace {

constexpr uint8_t kStuffed = 0xAA;

class PacketBuilder {
 public:
  PacketBuilder() : packet_(1, '\0') {}  // the lead-in 00 is outside the count and the CRC

  // A byte inside the CRC; an AA after the start mark gets its stuffed 00.
  void AppendPacketByte(uint8_t byte) {
    Put(byte);
    crc_ = UpdateCrc16(crc_, byte);
  }
  // The CRC bytes go outside the CRC, stuffed the same way.
  void AppendCrc() {
    uint16_t crc = crc_;
    Put(static_cast<uint8_t>(crc >> 8));
    Put(static_cast<uint8_t>(crc & 0xFF));
  }
  std::string Take() { return std::move(packet_); }

 private:
  void Put(uint8_t byte) {
    packet_ += static_cast<char>(byte);
    ++count_;
    if (count_ >= 3 && byte == kStuffed) {
      packet_ += '\0';
      ++count_;
    }
  }

  std::string packet_;
  int count_ = 1;
  uint16_t crc_ = 0;
};

}  // namespace

uint16_t UpdateCrc16(uint16_t crc, uint8_t byte) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit)
    crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
  return crc;
}

std::string BuildPacket(PacketType type, uint32_t address, uint16_t length, std::string_view data) {
  PacketBuilder b;
  b.AppendPacketByte(0xAA);
  b.AppendPacketByte(0x55);
  b.AppendPacketByte(static_cast<uint8_t>(type));
  for (int shift = 24; shift >= 0; shift -= 8) b.AppendPacketByte(static_cast<uint8_t>(address >> shift));
  b.AppendPacketByte(static_cast<uint8_t>(length >> 8));
  b.AppendPacketByte(static_cast<uint8_t>(length & 0xFF));
  for (char c : data) b.AppendPacketByte(static_cast<uint8_t>(c));
  b.AppendCrc();
  return b.Take();
}

int64_t NextBlockLength(int64_t remaining) {
  if (remaining <= 0) return 0;
  return remaining <= kFlashBlockSize + 1 ? remaining : kFlashBlockSize;
}

}  // namespace taskhelm
