#pragma once
// The model's limits of the settings record, in one place: the device read-out clamps the dump's
// values with them and the settings-file reader a file's values, so neither shows nor sends a
// value the device would not report itself.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "link/SharedState.h"

namespace taskhelm {

// A field of the settings record: an Integer or a Long.
struct Field {
  int16_t SharedState::*integer = nullptr;
  int32_t SharedState::*longValue = nullptr;
};
constexpr Field I(int16_t SharedState::*m) { return {m, nullptr}; }
constexpr Field L(int32_t SharedState::*m) { return {nullptr, m}; }

// Stores a number into a field, rounded halves to even and saturated at the field's width.
void Store(SharedState& s, Field field, double value);
double Load(const SharedState& s, Field field);

struct Bounds {
  double low, high;
};

// The fixed ranges of the settings record: the read-out, the settings files and the windows'
// fields all hold values to these.
struct SettingRange {
  int32_t low, high;
};
inline constexpr SettingRange kHpglModeRange{0, 1};
inline constexpr SettingRange kScaleRange{1, 999};
inline constexpr SettingRange kPenDelayRange{0, 250};
inline constexpr SettingRange kAccelRange{1, 20};
inline constexpr SettingRange kOvercutRange{0, 100};
inline constexpr SettingRange kMinAngleRange{0, 180};
inline constexpr SettingRange kLoopSizeRange{1000, 838000};
inline constexpr SettingRange kFrameGapRange{-1000, 1000};
inline constexpr SettingRange kTagboardLengthRange{50, 5000};
inline constexpr SettingRange kPounceLengthRange{40, 4000};
inline constexpr SettingRange kCorneringRange{1, 13};

// How one setting is kept in range: clamped to bounds, or made a flag (True = -1) or 0/1.
enum class RuleKind { Bounded, Flag, ZeroOne };

struct SettingRule {
  size_t dumpIndex;  // where the read-out finds it
  Field field;
  RuleKind kind;
  Bounds (*bounds)(const SharedState& s) = nullptr;  // for Bounded
};

// The rules of a model in the order they apply (the maximum force is bounded by the minimum):
// the first eight dump indices, then the family's own. The keypad speed, the pen plotters'
// sensor, the width and the calibration factors are read out by rules of their own.
void ForEachRule(const HeldModel& model, const std::function<void(const SettingRule&)>& apply);

// The ceilings the model row sets, in the form the field tables take bounds: the maximum
// force's (the model's own, else the profile's force limit) and the blade offset's.
int64_t ForceMaxHigh(const SharedState& s);
int64_t BladeOffsetHigh(const SharedState& s);

// The keypad speed a pen plotter reports in cm/s, as the record holds it (in/s).
int16_t KeypadSpeedFromCm(double cmPerSecond);
// The pen plotters' sensor switch: a flag on the models that have the sensor, else 0.
int16_t SensorSwitch(const HeldModel& model, double value);

// A value brought into a rule's range.
float Limited(const SharedState& s, const SettingRule& rule, float value);

// Keeps one setting within the model's limits, as a read-out would (a value a file set).
void LimitSetting(SharedState& s, Field field);

}  // namespace taskhelm
