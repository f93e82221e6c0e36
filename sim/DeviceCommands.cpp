// The device's information queries and its calibration and adjustment commands.
#include <algorithm>
#include <cmath>

#include "sim/Device.h"
#include "sim/Dump.h"

namespace sim {

namespace {

constexpr int kTangentialId = 50;
constexpr const char* kSoftwareVersion = "5.12";
constexpr int kMemoryBytes = 1048576;
// What the sensor's self-calibration measures on the simulated machine.
constexpr std::array<int, 4> kCalibratedOffsets{106, -101, 99, -92};

bool IsBit(double v) { return v == 0 || v == 1; }

}  // namespace

Device::Outcome Device::InfoCommand(const Token& t) {
  const std::string& k = t.key;
  const size_t n = t.Count();
  if (n == 0) {
    if (k == "IC") {
      Reply(std::to_string(faults.wrongModelId.value_or(id_)));
    } else if (k == "DD") {
      Reply(BuildDump(*model_, settings_, faults));
    } else if (k == "FS" && model_->family == Family::PenPlotter) {
      Reply(std::to_string(settings_.MarkSkip));
    } else if (k == "TD" && id_ == kTangentialId) {
      Reply(std::to_string(settings_.TangentialEnable) + "," + std::to_string(settings_.TangentialForce) +
            "," + std::to_string(settings_.TangentialLength));
    } else if (k == "RV") {
      Reply(model_->romVersion);
    } else if (k == "VR") {
      Reply(kSoftwareVersion);
    } else if (k == "MF") {
      Reply(std::to_string(kMemoryBytes));
    } else if (k == "OK") {
      ReplyList(&service_.bladeHolder, 1);
    } else if (k == "MV") {
      Reply(model_->motorVolts);
    } else if (k == "MS") {
      Reply(std::to_string(service_.cutterMode));
    } else if (k == "UD") {
      powerOn_ = settings_;
    } else if (k == "RF" && firmware_) {
      SetMode(ReceiveMode::Firmware);
    } else {
      return Outcome::Unknown;
    }
    return Outcome::Done;
  }
  if (k == "MF" && n == 1) {  // "!MF0@": the free plot memory
    Reply(std::to_string(kMemoryBytes));
    return Outcome::Done;
  }
  if (k == "MS" && n == 1) {
    if (!t.Complete() || !IsBit(t.At(0))) return Outcome::Rejected;
    service_.cutterMode = static_cast<int>(t.At(0));
    return Outcome::Done;
  }
  return Outcome::Unknown;
}

Device::Outcome Device::CalibrationCommand(const Token& t) {
  const std::string& k = t.key;
  const size_t n = t.Count();
  if (!t.Complete()) return k == "MC" || k == "FC" || k == "CC" || k == "PC" || k == "RA" ? Outcome::Rejected
                                                                                     : Outcome::Unknown;
  // The calibration factors are kept at once in permanent memory, so both copies change.
  auto setFactors = [&](double DeviceSettings::*x, double DeviceSettings::*y, double vx, double vy) {
    if (vx <= 0 || vy <= 0) return Outcome::Rejected;
    settings_.*x = powerOn_.*x = vx;
    settings_.*y = powerOn_.*y = vy;
    return Outcome::Done;
  };

  if (k == "TC" && n == 1 && IsBit(t.At(0))) return Outcome::Done;  // plots the test box
  if (k == "MC" && n == 0) return setFactors(&DeviceSettings::XScaleCal, &DeviceSettings::YScaleCal, 1, 1);
  if (k == "MC" && n == 2)
    return setFactors(&DeviceSettings::XScaleCal, &DeviceSettings::YScaleCal, t.At(0), t.At(1));
  if (k == "FC" && n == 0)
    return setFactors(&DeviceSettings::XFactoryCal, &DeviceSettings::YFactoryCal, factory_.XFactoryCal,
                      factory_.YFactoryCal);
  if (k == "FC" && n == 2)
    return setFactors(&DeviceSettings::XFactoryCal, &DeviceSettings::YFactoryCal, t.At(0), t.At(1));

  if (k == "OC" && n == 0) {
    ReplyList(service_.carriage.data(), service_.carriage.size());
    return Outcome::Done;
  }
  if (k == "CC") {
    if (n == 0) {
      service_.carriage = service_.carriageDefaults;
    } else if (n == 2 || n == service_.carriage.size()) {
      for (size_t i = 0; i < n; ++i) service_.carriage[i] = t.At(i);
    } else {
      return Outcome::Rejected;
    }
    return Outcome::Done;
  }
  if (k == "TP" && n == 0) return Outcome::Done;  // one test stroke with the carriage values

  if (k == "OP" && n == 0) {
    ReplyList(service_.penProfile.data(), service_.penProfile.size());
    return Outcome::Done;
  }
  if (k == "PC") {
    if (n != service_.penProfile.size()) return Outcome::Rejected;
    for (size_t i = 0; i < n; ++i) service_.penProfile[i] = t.At(i);
    return Outcome::Done;
  }
  if ((k == "DP" || k == "UP") && n == 0) {
    service_.penDown = k == "DP";
    return Outcome::Done;
  }
  if (k == "PF" && n == 1) {
    service_.penDac = static_cast<int>(std::clamp(std::lround(t.At(0)), 0L, 255L));
    return Outcome::Done;
  }

  if (k == "SM" && n == 1) {
    service_.filtering = t.At(0) != 0 ? 1 : 0;
    return Outcome::Done;
  }
  if (k == "OS" && n == 0) {
    Reply(std::to_string(service_.filtering));
    return Outcome::Done;
  }

  if (k == "SO" && n == 0) {
    const auto& o = service_.sensorOffsets;
    Reply(std::to_string(o[0]) + "," + std::to_string(o[1]) + "," + std::to_string(o[2]) + "," +
          std::to_string(o[3]));
    return Outcome::Done;
  }
  if (k == "RA" && n == 0) {
    ReplyList(service_.sensorAdjust.data(), service_.sensorAdjust.size());
    return Outcome::Done;
  }
  if (k == "RA") {
    if (n != 2) return Outcome::Rejected;
    service_.sensorAdjust = {t.At(0), t.At(1)};
    return Outcome::Done;
  }
  if (k == "CS" && n == 0) {
    service_.sensorOffsets = kCalibratedOffsets;
    service_.sensorAdjust = {0, 0};
    return Outcome::Done;
  }
  if (k == "TS" && n == 1) {  // runs the sensor test that many times; the count is one byte
    const double runs = t.At(0);
    if (runs < 0 || runs > 255 || runs != std::floor(runs)) return Outcome::Rejected;
    service_.sensorTestRuns = static_cast<int>(runs);
    return Outcome::Done;
  }
  return Outcome::Unknown;
}

}  // namespace sim
