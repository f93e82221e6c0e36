// The firmware packet: layout, CRC-16/ARC, the 00 stuffed after every AA, and the block sizes.
#include <gtest/gtest.h>

#include "sim/Device.h"
#include "sim/FirmwareReceiver.h"
#include "transfer/FlashPacket.h"

namespace transfer_tests {
namespace {

using taskhelm::BuildPacket;
using taskhelm::PacketType;

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

TEST(FlashPacket, CrcIsCrc16Arc) {
  uint16_t crc = 0;
  for (char c : std::string("123456789")) crc = taskhelm::UpdateCrc16(crc, static_cast<uint8_t>(c));
  EXPECT_EQ(crc, 0xBB3D);  // the check value of CRC-16/ARC
}

TEST(FlashPacket, StartPacketForTheLoadAddress) {
  EXPECT_EQ(BuildPacket(PacketType::Start, 0x4000, 0, {}),
            Bytes({0x00, 0xAA, 0x55, 0x01, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0xA4, 0x46}));
}

TEST(FlashPacket, EveryAaAfterTheStartMarkIsFollowedByZero) {
  // Data and address bytes AA; the start mark's own AA is left alone.
  std::string packet = BuildPacket(PacketType::Data, 0x4000AA, 2, Bytes({0xAA, 0x01}));
  EXPECT_EQ(packet.substr(0, 12),
            Bytes({0x00, 0xAA, 0x55, 0x02, 0x00, 0x40, 0x00, 0xAA, 0x00, 0x00, 0x02, 0xAA}));
  EXPECT_EQ(packet.substr(12, 2), Bytes({0x00, 0x01}));
  // The CRC covers the unstuffed bytes only.
  uint16_t crc = sim::FirmwareReceiver::Crc16(Bytes({0xAA, 0x55, 0x02, 0x00, 0x40, 0x00, 0xAA,
                                                     0x00, 0x02, 0xAA, 0x01}));
  EXPECT_EQ(packet.substr(14), Bytes({crc >> 8, crc & 0xFF}));
}

TEST(FlashPacket, ACrcByteAaIsStuffedToo) {
  // This one data byte gives the CRC AA65.
  std::string packet = BuildPacket(PacketType::Data, 0x4000, 1, Bytes({0x2C}));
  EXPECT_EQ(packet.substr(10), Bytes({0x2C, 0xAA, 0x00, 0x65}));
}

TEST(FlashPacket, EndPacketCarriesTheByteCountAsItsAddress) {
  std::string packet = BuildPacket(PacketType::End, 47616, 0, {});
  EXPECT_EQ(packet.substr(0, 10), Bytes({0x00, 0xAA, 0x55, 0x03, 0x00, 0x00, 0xBA, 0x00, 0x00, 0x00}));
  EXPECT_EQ(packet.substr(10), Bytes({0xBC, 0x55}));
}

TEST(FlashPacket, BlocksAreOfAKilobyteAndASingleLeftOverByteJoinsTheLast) {
  struct Case {
    int64_t bytes;
    std::vector<int64_t> blocks;
  };
  std::vector<int64_t> image(46, 1024);
  image.push_back(512);
  for (const Case& c : {Case{47616, image}, Case{2049, {1024, 1025}}, Case{2048, {1024, 1024}},
                        Case{1025, {1025}}, Case{1, {1}}, Case{0, {}}}) {
    std::vector<int64_t> blocks;
    for (int64_t left = c.bytes; left > 0; left -= blocks.back())
      blocks.push_back(taskhelm::NextBlockLength(left));
    EXPECT_EQ(blocks, c.blocks) << c.bytes;
  }
}

// The device's loader answers what the program builds, and refuses what went wrong on the way.
TEST(FirmwareLoader, AcknowledgesIntactPacketsAndRefusesDamagedOnes) {
  sim::Device device(32);
  sim::FirmwareReceiver loader(device);
  device.Receive("!RF@");
  ASSERT_EQ(device.Mode(), sim::ReceiveMode::Firmware);
  auto answer = [&](const std::string& bytes) {
    device.Receive(bytes);
    return device.TakeOutput();
  };
  EXPECT_EQ(answer(BuildPacket(PacketType::Start, 0x4000, 0, {})), "\x06");

  std::string data = Bytes({0xAA, 0x10, 0xAA, 0xAA});
  std::string packet = BuildPacket(PacketType::Data, 0x4000, 4, data);
  std::string badCrc = packet;
  badCrc.back() = static_cast<char>(badCrc.back() ^ 1);
  EXPECT_EQ(answer(badCrc), "\x15");
  std::string unstuffed = packet;
  unstuffed.erase(unstuffed.find(Bytes({0xAA, 0x00, 0x10})) + 1, 1);
  EXPECT_EQ(answer(unstuffed), "\x15");
  EXPECT_EQ(loader.DamagedPackets(), 2);
  EXPECT_TRUE(loader.Image().empty());

  EXPECT_EQ(answer(packet), "\x06");
  EXPECT_EQ(answer(BuildPacket(PacketType::End, 5, 0, {})), "\x15");  // not the image's length
  EXPECT_EQ(answer(BuildPacket(PacketType::End, 4, 0, {})), "\x06");
  EXPECT_EQ(loader.Image(), data);
  EXPECT_TRUE(loader.Finished());
  EXPECT_EQ(device.Mode(), sim::ReceiveMode::Commands);
}

}  // namespace
}  // namespace transfer_tests
