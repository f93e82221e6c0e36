#include "link/SettingLimits.h"

#include <array>

#include "link/Identify.h"
#include "link/Models.h"
#include "platform/Numbers.h"

namespace taskhelm {

namespace {

template <SettingRange R>
Bounds Fixed(const SharedState&) {
  return {double(R.low), double(R.high)};
}
Bounds PanelX(const SharedState& s) { return {0, static_cast<double>(s.PanelMaxX)}; }
Bounds PanelY(const SharedState& s) { return {0, static_cast<double>(s.PanelMaxY)}; }
Bounds Force(const SharedState& s) { return {double(s.ForceLimitLow), double(s.ForceLimitHigh)}; }
Bounds CutterForceMax(const SharedState& s) {
  return {double(s.ForceMin), double(ForceMaxHigh(s))};
}
Bounds PenForceMax(const SharedState& s) {
  return {double(s.ForceLimitLow), double(ForceMaxHigh(s))};
}
Bounds BladeOffset(const SharedState& s) { return {0, double(BladeOffsetHigh(s))}; }

using S = SharedState;
constexpr RuleKind B = RuleKind::Bounded;

// dump index, field, rule, bounds
constexpr std::array<SettingRule, 8> kFirstEight{{
    {0, I(&S::HpglMode), B, Fixed<kHpglModeRange>},
    {1, L(&S::PanelSizeX), B, PanelX},
    {2, L(&S::PanelSizeY), B, PanelY},
    {3, I(&S::ScaleX), B, Fixed<kScaleRange>},
    {4, I(&S::ScaleY), B, Fixed<kScaleRange>},
    {5, I(&S::PenUpDelay), B, Fixed<kPenDelayRange>},
    {6, I(&S::PenDownDelay), B, Fixed<kPenDelayRange>},
    {7, I(&S::AccelSetting), B, Fixed<kAccelRange>},
}};

// The force pair and the blade: the rest of the common part of the cutters and the roll-feed.
constexpr std::array<SettingRule, 5> kBladeRows{{
    {8, I(&S::ForceMin), B, Force},
    {9, I(&S::ForceMax), B, CutterForceMax},
    {10, I(&S::BladeOffset), B, BladeOffset},
    {11, I(&S::OvercutSetting), B, Fixed<kOvercutRange>},
    {12, I(&S::MinAngle), B, Fixed<kMinAngleRange>},
}};

constexpr std::array<SettingRule, 8> kCutterRows{{
    {17, I(&S::AutoLoopOn), RuleKind::Flag},
    {18, L(&S::LoopSizeSetting), B, Fixed<kLoopSizeRange>},
    {19, I(&S::PounceOn), RuleKind::Flag},
    {20, I(&S::TagboardOn), RuleKind::Flag},
    {21, I(&S::CutLengthSetting), B, Fixed<kTagboardLengthRange>},
    {22, I(&S::BlankLengthSetting), B, Fixed<kTagboardLengthRange>},
    {23, I(&S::PounceCutLength), B, Fixed<kPounceLengthRange>},
    {24, I(&S::PounceBlankLength), B, Fixed<kPounceLengthRange>},
}};
// A model with the cornering mode where the others report their width.
constexpr SettingRule kCorneringInWidth{25, I(&S::CorneringMode), B, Fixed<kCorneringRange>};

constexpr std::array<SettingRule, 7> kRollFeedRows{{
    {17, I(&S::RollFeedOn), RuleKind::ZeroOne},
    {18, I(&S::FrameGap), B, Fixed<kFrameGapRange>},
    {19, I(&S::TagboardOn), RuleKind::Flag},
    {20, I(&S::CutLengthSetting), B, Fixed<kTagboardLengthRange>},
    {21, I(&S::BlankLengthSetting), B, Fixed<kTagboardLengthRange>},
    {22, I(&S::AutoLoopOn), RuleKind::ZeroOne},
    {23, L(&S::LoopSizeSetting), B, Fixed<kLoopSizeRange>},
}};

constexpr std::array<SettingRule, 3> kPenPlotterRows{{
    {9, I(&S::ForceMin), B, Force},
    {10, I(&S::ForceMax), B, PenForceMax},
    {12, I(&S::FrameGap), B, Fixed<kFrameGapRange>},
}};

}  // namespace

int64_t ForceMaxHigh(const SharedState& s) {
  const ModelRow* row = s.ModelCode.Row();
  return row && row->forceMaxHigh != 0 ? row->forceMaxHigh : s.ForceLimitHigh;
}

int64_t BladeOffsetHigh(const SharedState& s) {
  const ModelRow* row = s.ModelCode.Row();
  return row ? row->bladeOffsetHigh : 100;
}

void Store(SharedState& s, Field field, double value) {
  if (field.integer) s.*field.integer = platform::ToInteger(value);
  if (field.longValue) s.*field.longValue = platform::ToLong(value);
}

double Load(const SharedState& s, Field field) {
  if (field.integer) return s.*field.integer;
  if (field.longValue) return s.*field.longValue;
  return 0;
}

void ForEachRule(const HeldModel& model, const std::function<void(const SettingRule&)>& apply) {
  auto each = [&apply](const auto& rows) {
    for (const SettingRule& rule : rows) apply(rule);
  };
  switch (model.Family()) {
    case ModelFamily::Cutter:
      each(kFirstEight);
      each(kBladeRows);
      each(kCutterRows);
      if (model.Has(ModelQuirk::CorneringInWidth)) apply(kCorneringInWidth);
      return;
    case ModelFamily::RollFeed:
      each(kFirstEight);
      each(kBladeRows);
      each(kRollFeedRows);
      return;
    case ModelFamily::PenPlotter:
      each(kFirstEight);
      each(kPenPlotterRows);
      return;
    case ModelFamily::None: return;
  }
}

int16_t KeypadSpeedFromCm(double cmPerSecond) {
  if (cmPerSecond > 76.2) return 30;
  if (cmPerSecond < 1) return 1;
  return platform::ToInteger(cmPerSecond / 2.54);
}

int16_t SensorSwitch(const HeldModel& model, double value) {
  return model.Has(ModelQuirk::MarkSensor) && value != 0 ? -1 : 0;
}

float Limited(const SharedState& s, const SettingRule& rule, float value) {
  switch (rule.kind) {
    case RuleKind::Flag: return value != 0 ? -1.0f : 0.0f;
    case RuleKind::ZeroOne: return value != 0 ? 1.0f : 0.0f;
    case RuleKind::Bounded: break;
  }
  const Bounds b = rule.bounds(s);
  return LimitValue(value, static_cast<float>(b.low), static_cast<float>(b.high));
}

void LimitSetting(SharedState& s, Field field) {
  ForEachRule(s.ModelCode, [&s, field](const SettingRule& rule) {
    if (rule.field.integer == field.integer && rule.field.longValue == field.longValue)
      Store(s, field, Limited(s, rule, static_cast<float>(Load(s, field))));
  });
  if (field.integer == &SharedState::SensorEnabled &&
      s.ModelCode.Family() == ModelFamily::PenPlotter)
    s.SensorEnabled = SensorSwitch(s.ModelCode, s.SensorEnabled);
}

}  // namespace taskhelm
