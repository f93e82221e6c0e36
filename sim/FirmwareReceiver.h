#pragma once
// The device's firmware loader: after "!RF@" it takes packets (00, AA 55, type, address, length,
// data, CRC-16/ARC, with a 00 stuffed after every later AA), answers each with ACK (6) or NAK,
// and keeps the image from the START address on. END with the image's length completes it and
// returns the device to its commands.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Device.h"

namespace sim {

struct FirmwareFaults {
  // Packets are counted from 0 (the first after "!RF@"), refused ones included.
  std::optional<int> nakFrom;     // from this packet on every packet is refused with NAK
  std::optional<int> silentFrom;  // from this packet on no packet is answered
};

class FirmwareReceiver {
 public:
  static constexpr char kAck = 6;
  static constexpr char kNak = 0x15;
  // Larger images than the device's flash are refused.
  static constexpr size_t kMaxImage = size_t{4} << 20;

  struct Packet {
    int type;
    uint32_t address;
    uint16_t length;
    bool accepted;
  };

  // Gives the device its firmware mode ("!RF@" enters it) until destroyed.
  explicit FirmwareReceiver(Device& device);
  ~FirmwareReceiver();
  FirmwareReceiver(const FirmwareReceiver&) = delete;
  FirmwareReceiver& operator=(const FirmwareReceiver&) = delete;

  FirmwareFaults faults;

  // The bytes received from the START address on.
  const std::string& Image() const { return image_; }
  std::optional<uint32_t> StartAddress() const { return start_; }
  // END arrived with the image's length and was accepted.
  bool Finished() const { return finished_; }
  const std::vector<Packet>& Packets() const { return packets_; }
  // Packets whose CRC or stuffing was wrong.
  int DamagedPackets() const { return damaged_; }

  // CRC-16/ARC as the loader computes it, from a table.
  static uint16_t Crc16(std::string_view bytes);

 private:
  enum class State { Hunt, Mark, Body, Stuffing };

  size_t Take(std::string_view bytes);
  void Logical();
  void Finish(bool intact);
  void Answer(bool accept);

  Device& device_;
  State state_ = State::Hunt;
  std::string body_;  // AA 55 and what follows it, unstuffed
  size_t expected_ = 0;
  std::optional<uint32_t> start_;
  std::string image_;
  bool finished_ = false;
  std::vector<Packet> packets_;
  int damaged_ = 0;
};

}  // namespace sim
