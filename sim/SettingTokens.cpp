#include "sim/SettingTokens.h"

#include <array>
#include <cmath>
#include <string_view>

namespace sim {

namespace {

enum FamilyMask : unsigned { kCutter = 1, kRollFeed = 2, kPenPlotter = 4, kAll = 7 };

enum class Kind {
  Number,      // whole numbers, rounded
  Flag,        // 0 or 1: any non-zero value is 1
  Origin,      // 0 or 1 only; anything else is refused
  Fixed,       // a constant token: the values are checked for number, not kept
  Speed,       // the keypad speed in cm/s, kept with its fraction
};

using Member = int DeviceSettings::*;

struct SettingRow {
  std::string_view key;
  unsigned families;
  size_t values;
  Kind kind;
  Member first;
  Member second;
  bool tangential;  // only the tangential-knife machine has it
};

// key, families, values, kind, variable(s), tangential only
constexpr std::array<SettingRow, 27> kSettings{{
    {"HO", kAll, 1, Kind::Origin, &DeviceSettings::HpglMode, nullptr, false},
    {"PT", kAll, 1, Kind::Fixed, nullptr, nullptr, false},
    {"LL", kAll, 2, Kind::Fixed, nullptr, nullptr, false},
    {"UR", kAll, 2, Kind::Number, &DeviceSettings::PanelSizeX, &DeviceSettings::PanelSizeY, false},
    {"SS", kAll, 2, Kind::Number, &DeviceSettings::ScaleX, &DeviceSettings::ScaleY, false},
    {"SF", kAll, 2, Kind::Number, &DeviceSettings::ForceMin, &DeviceSettings::ForceMax, false},
    {"SD", kAll, 2, Kind::Number, &DeviceSettings::PenUpDelay, &DeviceSettings::PenDownDelay, false},
    {"SA", kAll, 1, Kind::Number, &DeviceSettings::AccelSetting, nullptr, false},
    {"KO", kCutter | kRollFeed, 1, Kind::Number, &DeviceSettings::BladeOffset, nullptr, false},
    {"KV", kCutter | kRollFeed, 1, Kind::Number, &DeviceSettings::OvercutSetting, nullptr, false},
    {"KA", kCutter | kRollFeed, 1, Kind::Number, &DeviceSettings::MinAngle, nullptr, false},
    {"RF", kRollFeed, 1, Kind::Flag, &DeviceSettings::RollFeedOn, nullptr, false},
    {"AE", kCutter | kRollFeed, 1, Kind::Flag, &DeviceSettings::AutoLoopOn, nullptr, false},
    {"AL", kCutter | kRollFeed, 1, Kind::Number, &DeviceSettings::LoopSizeSetting, nullptr, false},
    {"PN", kCutter, 1, Kind::Flag, &DeviceSettings::PounceOn, nullptr, false},
    {"CO", kCutter | kRollFeed, 1, Kind::Flag, &DeviceSettings::TagboardOn, nullptr, false},
    {"CL", kCutter | kRollFeed, 2, Kind::Number, &DeviceSettings::CutLengthSetting,
     &DeviceSettings::BlankLengthSetting, false},
    {"PL", kCutter, 2, Kind::Number, &DeviceSettings::PounceCutLength,
     &DeviceSettings::PounceBlankLength, false},
    {"TE", kCutter, 1, Kind::Flag, &DeviceSettings::TangentialEnable, nullptr, true},
    {"TF", kCutter, 1, Kind::Number, &DeviceSettings::TangentialForce, nullptr, true},
    {"TL", kCutter, 1, Kind::Number, &DeviceSettings::TangentialLength, nullptr, true},
    {"AS", kCutter, 1, Kind::Number, &DeviceSettings::CorneringMode, nullptr, false},
    {"PV", kPenPlotter, 1, Kind::Speed, nullptr, nullptr, false},
    {"ES", kPenPlotter, 1, Kind::Flag, &DeviceSettings::SensorEnabled, nullptr, false},
    {"FS", kPenPlotter, 1, Kind::Number, &DeviceSettings::MarkSkip, nullptr, false},
    {"FG", kRollFeed | kPenPlotter, 1, Kind::Number, &DeviceSettings::FrameGap, nullptr, false},
    {"TU", kPenPlotter, 1, Kind::Number, &DeviceSettings::TuSetting, nullptr, false},
}};

constexpr int kTangentialId = 50;

unsigned MaskOf(Family family) {
  switch (family) {
    case Family::Cutter: return kCutter;
    case Family::RollFeed: return kRollFeed;
    case Family::PenPlotter: return kPenPlotter;
  }
  return 0;
}

int Stored(Kind kind, double value) {
  if (kind == Kind::Flag) return value != 0 ? 1 : 0;
  return static_cast<int>(std::lround(value));
}

}  // namespace

TokenResult ApplySettingToken(const ModelRow& model, int deviceId, DeviceSettings& settings,
                              const Token& token) {
  const SettingRow* row = nullptr;
  for (const SettingRow& r : kSettings)
    if (r.key == token.key) row = &r;
  if (!row || !(row->families & MaskOf(model.family)) || token.Count() == 0) return TokenResult::NotASetting;
  if (row->tangential && deviceId != kTangentialId) return TokenResult::NotASetting;
  if (token.malformed || token.Count() != row->values || !token.Complete()) return TokenResult::Rejected;

  switch (row->kind) {
    case Kind::Fixed: return TokenResult::Applied;
    case Kind::Speed: settings.KeypadSpeed = token.At(0); return TokenResult::Applied;
    case Kind::Origin:
      if (token.At(0) != 0 && token.At(0) != 1) return TokenResult::Rejected;
      break;
    case Kind::Number:
    case Kind::Flag: break;
  }
  settings.*(row->first) = Stored(row->kind, token.At(0));
  if (row->second) settings.*(row->second) = Stored(row->kind, token.At(1));
  return TokenResult::Applied;
}

}  // namespace sim
