// The servo commands: parameters, protection, jam settings, velocity coefficients and the tests.
#include <array>
#include <cmath>
#include <cstdint>

#include "sim/Device.h"

namespace sim {

namespace {

constexpr int kServoDecimals = 3;

// The content of a drive register; the simulated drives hold steady values.
int RegisterValue(int reg) { return static_cast<int16_t>(static_cast<int64_t>(reg) * 131 + 17); }
// How far a watched register wandered since watching began.
constexpr int kRegisterSpread = 40;

bool AxisOf(const Token& t, size_t& axis) {
  if (t.At(0) != 0 && t.At(0) != 1) return false;
  axis = static_cast<size_t>(t.At(0));
  return true;
}

}  // namespace

Device::Outcome Device::ServoCommand(const Token& t) {
  const std::string& k = t.key;
  const size_t n = t.Count();
  size_t axis = 0;

  if (k == "ZL") {
    // accel, vel, axis, pen, register A, (empty), register B
    if (n != 7 || !t.fields[0] || !t.fields[1]) return Outcome::Rejected;
    double v = std::fabs(t.At(1));
    double a = std::fabs(t.At(0));
    std::array<double, 12> result{v * 0.96, v * 1.04, v, -v * 1.04, -v * 0.96, -v,
                                  a * 0.9,  a * 1.1,  a, -a * 1.1,  -a * 0.9,  -a};
    ReplyList(result.data(), result.size(), 2);
    return Outcome::Done;
  }
  if (!t.Complete()) return Outcome::Unknown;

  if (k == "ZO" && n == 1 && AxisOf(t, axis)) {
    ReplyList(service_.servo[axis].data(), service_.servo[axis].size(), kServoDecimals);
    return Outcome::Done;
  }
  if (k == "ZS") {
    if (n != 13 || !AxisOf(t, axis)) return Outcome::Rejected;
    for (size_t p = 0; p < 12; ++p) service_.servo[axis][p] = t.At(p + 1);
    return Outcome::Done;
  }
  if (k == "ZF" && n == 1 && AxisOf(t, axis)) {
    ReplyList(service_.protection[axis].data(), service_.protection[axis].size());
    return Outcome::Done;
  }
  if (k == "ZF") {
    if (n != 5 || !AxisOf(t, axis)) return Outcome::Rejected;
    for (size_t p = 0; p < 4; ++p) service_.protection[axis][p] = t.At(p + 1);
    return Outcome::Done;
  }
  if (k == "ZJ" && n == 0) {
    ReplyList(service_.jam.data(), service_.jam.size());
    return Outcome::Done;
  }
  if (k == "ZJ") {
    if (n != 4 && n != 6) return Outcome::Rejected;
    for (size_t p = 0; p < 4; ++p) service_.jam[p] = t.At(p);
    return Outcome::Done;
  }
  if (k == "VT" && n == 1 && AxisOf(t, axis)) {
    ReplyList(service_.velocity[axis].data(), service_.velocity[axis].size());
    return Outcome::Done;
  }
  if (k == "ZR" && n == 4) {
    for (size_t r = 0; r < 4; ++r) service_.watchedRegisters[r] = static_cast<int>(std::lround(t.At(r)));
    return Outcome::Done;
  }
  if (k == "ZD" && n == 1 && t.At(0) == 0) {
    std::array<double, 8> minMax{};
    for (size_t r = 0; r < 4; ++r) {
      int value = RegisterValue(service_.watchedRegisters[r]);
      minMax[2 * r] = value - kRegisterSpread;
      minMax[2 * r + 1] = value + kRegisterSpread;
    }
    ReplyList(minMax.data(), minMax.size());
    return Outcome::Done;
  }
  if (k == "ZD" && n == 2) {
    std::array<double, 2> values{static_cast<double>(RegisterValue(static_cast<int>(std::lround(t.At(0))))),
                                 static_cast<double>(RegisterValue(static_cast<int>(std::lround(t.At(1)))))};
    ReplyList(values.data(), values.size());
    return Outcome::Done;
  }
  if (k == "TA" && n == 4) return Outcome::Done;  // runs the acceleration test
  if (k == "ZP" && n == 2) {
    service_.rawPwm = {static_cast<int>(std::lround(t.At(0))), static_cast<int>(std::lround(t.At(1)))};
    return Outcome::Done;
  }
  if (k == "TD" && n == 1) {
    service_.disturbanceTest = static_cast<int>(std::lround(t.At(0)));
    return Outcome::Done;
  }
  return Outcome::Unknown;
}

}  // namespace sim
