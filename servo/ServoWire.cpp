#include "servo/ServoWire.h"

#include "platform/Numbers.h"

namespace taskhelm::servo {

namespace {

std::string Whole(double value) { return platform::FormatNumber(value, "0", '.'); }

std::string Joined(const std::array<std::string, 4>& texts) {
  return texts[0] + "," + texts[1] + "," + texts[2] + "," + texts[3];
}

}  // namespace

std::string ReadServoParamsCommand(int axis) { return "!ZO" + std::to_string(axis) + "@"; }

std::optional<std::string> SetServoParamsCommand(int axis,
                                                 std::span<const float, kParamCount> params) {
  std::string command = "!ZS" + std::to_string(axis);
  for (float p : params) {
    const auto text = platform::WireNumber(p, "0.000", platform::WireKind::Single);
    if (!text) return std::nullopt;
    command += "," + *text;
  }
  return command + "@\r";
}

std::string ReadProtectionCommand(int axis) { return "!ZF" + std::to_string(axis) + "@"; }

std::string SetProtectionCommand(int axis, const std::array<std::string, 4>& texts) {
  return std::string(axis == 0 ? "" : " ") + "!ZF" + std::to_string(axis) + "," + Joined(texts) +
         "@";
}

std::string SetJamCommand(const std::array<std::string, 4>& texts) {
  return "!ZJ" + Joined(texts) + ",0,0@";
}

std::string VelocityCoeffsCommand(int axis) { return "!VT" + std::to_string(axis) + "@"; }

std::string WatchRegistersCommand(const std::array<int16_t, 4>& registers) {
  return "!ZR" + Whole(registers[0]) + "," + Whole(registers[1]) + "," + Whole(registers[2]) +
         "," + Whole(registers[3]) + "@";
}

std::string ReadRegistersCommand(int16_t first, int16_t second) {
  return "!ZD" + Whole(first) + "," + Whole(second) + "@";
}

std::optional<std::string> AccelTestCommand(int axisCode, float maxVelocity, float acceleration) {
  const auto velocity = platform::WireNumber(maxVelocity, "0", platform::WireKind::Single);
  const auto accel = platform::WireNumber(acceleration, "0", platform::WireKind::Single);
  if (!velocity || !accel) return std::nullopt;
  return "!TA" + std::to_string(axisCode) + ",0," + *velocity + "," + *accel + "@";
}

std::string RawPwmCommand(int16_t x, int16_t y) { return "!ZP" + Whole(x) + "," + Whole(y) + "@"; }

std::optional<std::string> LineTestCommand(int16_t acceleration, int16_t velocity, int16_t axis,
                                           int16_t pen, double registerA, double registerB) {
  const auto a = platform::WireNumber(registerA, "0", platform::WireKind::Register16);
  const auto b = platform::WireNumber(registerB, "0", platform::WireKind::Register16);
  if (!a || !b) return std::nullopt;
  return "!ZL" + Whole(acceleration) + "," + Whole(velocity) + "," + Whole(axis) + "," + Whole(pen) +
         "," + *a + ",," + *b + "@";
}

std::string DisturbanceTestCommand(int code) { return "!TD" + std::to_string(code) + "@"; }

}  // namespace taskhelm::servo
