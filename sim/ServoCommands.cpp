// The servo commands: parameters, protection, jam settings, velocity coefficients and the tests.
// Each set is checked against the format the program writes; a set that does not match is
// refused and changes nothing.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "sim/Device.h"

namespace sim {

namespace {

constexpr int kServoDecimals = 3;

// The content of a drive register; the simulated drives hold steady values.
int RegisterValue(int reg) { return static_cast<int16_t>(static_cast<int64_t>(reg) * 131 + 17); }
// How far a watched register wandered since watching began.
constexpr int kRegisterSpread = 40;

constexpr std::string_view kServoKeys[] = {"ZL", "ZO", "ZS", "ZF", "ZJ", "VT", "ZR", "ZD", "TA", "ZP", "TD"};
constexpr double kDisturbanceCodes[] = {0, 1, 2, 129, 130};

bool AxisOf(const Token& t, size_t& axis) {
  if (t.At(0) != 0 && t.At(0) != 1) return false;
  axis = static_cast<size_t>(t.At(0));
  return true;
}

bool ZeroOrOne(double value) { return value == 0 || value == 1; }

// Fields from `first` on are written with exactly `decimals` decimals ("1.250").
bool FixedDecimals(const Token& t, size_t first, size_t decimals) {
  std::string_view text = t.text;
  for (size_t field = 0; field < t.Count(); ++field) {
    const size_t comma = text.find(',');
    const std::string_view value = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (field < first) continue;
    const size_t point = value.find('.');
    if (point == std::string_view::npos || value.size() - point - 1 != decimals) return false;
  }
  return true;
}

int Whole(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

Device::Outcome Device::ServoCommand(const Token& t) {
  const std::string& k = t.key;
  if (std::find(std::begin(kServoKeys), std::end(kServoKeys), k) == std::end(kServoKeys))
    return Outcome::Unknown;
  const size_t n = t.Count();
  size_t axis = 0;

  if (k == "ZL") {
    // accel, vel, axis, pen, register A, (empty), register B
    if (n != 7 || t.fields[5] || !t.fields[0] || !t.fields[1] || !t.fields[2] || !t.fields[3] ||
        !t.fields[4] || !t.fields[6] || !ZeroOrOne(t.At(2)) || !ZeroOrOne(t.At(3)))
      return Outcome::Rejected;
    double v = std::fabs(t.At(1));
    double a = std::fabs(t.At(0));
    std::array<double, 12> result{v * 0.96, v * 1.04, v, -v * 1.04, -v * 0.96, -v,
                                  a * 0.9,  a * 1.1,  a, -a * 1.1,  -a * 0.9,  -a};
    ReplyList(result.data(), result.size(), 2);
    return Outcome::Done;
  }
  // Every other servo command has no empty field.
  if (!t.Complete()) return Outcome::Rejected;

  if (k == "ZO" && n == 1 && AxisOf(t, axis)) {
    ReplyList(service_.servo[axis].data(), service_.servo[axis].size(), kServoDecimals);
    return Outcome::Done;
  }
  if (k == "ZS") {
    if (n != 13 || !AxisOf(t, axis) || !FixedDecimals(t, 1, kServoDecimals)) return Outcome::Rejected;
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
    // xLim, xThr, yLim, yThr, then two fields that are always 0.
    if (n != 6 || t.At(4) != 0 || t.At(5) != 0) return Outcome::Rejected;
    for (size_t p = 0; p < 4; ++p) service_.jam[p] = t.At(p);
    return Outcome::Done;
  }
  if (k == "VT" && n == 1 && AxisOf(t, axis)) {
    ReplyList(service_.velocity[axis].data(), service_.velocity[axis].size());
    return Outcome::Done;
  }
  if (k == "ZR" && n == 4) {
    for (size_t r = 0; r < 4; ++r) service_.watchedRegisters[r] = Whole(t.At(r));
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
    std::array<double, 2> values{static_cast<double>(RegisterValue(Whole(t.At(0)))),
                                 static_cast<double>(RegisterValue(Whole(t.At(1))))};
    ReplyList(values.data(), values.size());
    return Outcome::Done;
  }
  if (k == "TA") {
    // axis code (0 X, 1 Y, 2 both), 0, maximum velocity, acceleration: runs the test
    if (n != 4 || t.At(0) < 0 || t.At(0) > 2 || t.At(1) != 0) return Outcome::Rejected;
    service_.accelTest = {Whole(t.At(0)), Whole(t.At(2)), Whole(t.At(3))};
    return Outcome::Done;
  }
  if (k == "ZP" && n == 2) {
    service_.rawPwm = {Whole(t.At(0)), Whole(t.At(1))};
    return Outcome::Done;
  }
  if (k == "TD" && n == 1) {
    if (std::find(std::begin(kDisturbanceCodes), std::end(kDisturbanceCodes), t.At(0)) ==
        std::end(kDisturbanceCodes))
      return Outcome::Rejected;
    service_.disturbanceTest = Whole(t.At(0));
    return Outcome::Done;
  }
  return Outcome::Rejected;
}

}  // namespace sim
