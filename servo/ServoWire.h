#pragma once
// The servo command family as it goes over the wire, with each command's time-out and parallel
// reply length. Numbers are written with "." whatever the regional separator; a command with a
// number it cannot carry (see platform::WireNumber) is not built at all.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace taskhelm::servo {

inline constexpr int kReplyTerminator = 13;
inline constexpr int kParamCount = 12;  // servo parameters of one axis, in wire order

struct Exchange {
  int32_t timeoutMs;
  int32_t lptReplyLength;  // 0: a send without reply
};
inline constexpr Exchange kParamsRead{5000, 100};
inline constexpr Exchange kProtectionRead{30000, 100};
inline constexpr Exchange kJamRead{30000, 100};
inline constexpr Exchange kVelocityRead{2000, 60};
inline constexpr Exchange kRegisterRead{5000, 100};
inline constexpr Exchange kLineTest{30000, 100};

std::string ReadServoParamsCommand(int axis);
// The only command of the program followed by a CR after its "@"; parameters in "0.000".
std::optional<std::string> SetServoParamsCommand(int axis,
                                                 std::span<const float, kParamCount> params);
std::string ReadProtectionCommand(int axis);
// The Y command starts with a blank, as the drives have always been sent it. The texts go as
// they are.
std::string SetProtectionCommand(int axis, const std::array<std::string, 4>& texts);
inline constexpr const char* kReadJamCommand = "!ZJ@";
// Always ends with the two fields "0,0".
std::string SetJamCommand(const std::array<std::string, 4>& texts);
std::string VelocityCoeffsCommand(int axis);

std::string WatchRegistersCommand(const std::array<int16_t, 4>& registers);
inline constexpr const char* kMinMaxCommand = "!ZD0@";
std::string ReadRegistersCommand(int16_t first, int16_t second);
// axisCode 0 X, 1 Y, 2 both; the values are written whole.
std::optional<std::string> AccelTestCommand(int axisCode, float maxVelocity, float acceleration);
std::string RawPwmCommand(int16_t x, int16_t y);
// Exactly these six characters: the drives take the stop without "@".
inline constexpr const char* kRawPwmStopCommand = "!ZP0,0";
// The field between the two registers stays empty.
std::optional<std::string> LineTestCommand(int16_t acceleration, int16_t velocity, int16_t axis,
                                           int16_t pen, double registerA, double registerB);
std::string DisturbanceTestCommand(int code);

}  // namespace taskhelm::servo
