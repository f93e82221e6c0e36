#pragma once
// The firmware packet: 00, AA 55, type, 32-bit address and 16-bit length (most significant byte
// first), the data, then the CRC-16/ARC of everything from the start mark's AA through the last
// data byte, high byte first. Every AA after the start mark is followed by a stuffed 00, which
// neither the length nor the CRC counts.
#include <cstdint>
#include <string>
#include <string_view>

namespace taskhelm {

enum class PacketType : uint8_t { Start = 1, Data = 2, End = 3 };

inline constexpr uint8_t kPacketAck = 6;

// The image is loaded from this offset (and device address) on.
inline constexpr int32_t kFlashLoadAddress = 0x4000;
inline constexpr int32_t kFlashBlockSize = 1024;

// CRC-16/ARC, one byte at a time (reflected polynomial 0xA001, starting at 0).
uint16_t UpdateCrc16(uint16_t crc, uint8_t byte);

// The packet bytes exactly as they go on the line.
std::string BuildPacket(PacketType type, uint32_t address, uint16_t length, std::string_view data);

// The size of the next DATA block with this many bytes left: 1024, except that a single byte
// left after a block joins it (so the last block holds 1 to 1025 bytes).
int64_t NextBlockLength(int64_t remaining);

}  // namespace taskhelm
