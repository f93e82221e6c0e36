// Moving the dump's numbers into the settings record, clamped to the model's limits.
#include <cstddef>

#include "link/Identify.h"
#include "link/LinkContext.h"
#include "link/Models.h"
#include "link/SettingLimits.h"
#include "platform/Numbers.h"

namespace taskhelm {

namespace {

// Every ruled value of the dump into its field; a clamped dump entry keeps the clamped value.
void ApplyRules(SharedState& s) {
  ForEachRule(s.ModelCode, [&s](const SettingRule& rule) {
    float& entry = s.DumpParams[rule.dumpIndex];
    const float value = Limited(s, rule, entry);
    if (rule.kind == RuleKind::Bounded) entry = value;
    Store(s, rule.field, value);
  });
}

void ApplyCalibrationFactors(SharedState& s) {
  s.XScaleCal = s.DumpParams[13];
  s.YScaleCal = s.DumpParams[14];
  s.XFactoryCal = s.DumpParams[15];
  s.YFactoryCal = s.DumpParams[16];
}

}  // namespace

void ApplyCommonSettings(LinkContext& app) {
  ApplyRules(app.s);
  ApplyCalibrationFactors(app.s);
}

void ApplyCutterSettings(LinkContext& app) {
  SharedState& s = app.s;
  ApplyCommonSettings(app);
  if (s.ModelCode.Has(ModelQuirk::CorneringInWidth)) return;
  s.CutterWidth = s.DumpParams[25];
  constexpr float kMilsPerInch = 1000;
  if (s.CutterWidth > 44 * kMilsPerInch)
    s.CutterSizeClass = 52;
  else if (s.CutterWidth > 35 * kMilsPerInch)
    s.CutterSizeClass = 40;
  else if (s.CutterWidth > 27 * kMilsPerInch)
    s.CutterSizeClass = 30;
  else
    s.CutterSizeClass = 24;
}

void ApplyRollFeedSettings(LinkContext& app) { ApplyCommonSettings(app); }

void ApplyPlotterSettings(LinkContext& app) {
  SharedState& s = app.s;
  ApplyRules(s);
  const DeviceParameterArray& p = s.DumpParams;
  s.KeypadSpeed = KeypadSpeedFromCm(p[8]);
  s.SensorEnabled = SensorSwitch(s.ModelCode, p[11]);
  ApplyCalibrationFactors(s);
  s.TuSetting = platform::ToInteger(p[17]);
}

}  // namespace taskhelm
