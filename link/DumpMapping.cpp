// Moving the dump's numbers into the settings record, clamped to the model's limits.
#include <cstddef>

#include "link/Identify.h"
#include "link/Integers.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

// A dump value clamped to [low, high]; the dump entry itself keeps the clamped value.
double Clamped(App& app, size_t index, double low, double high) {
  float& value = app.s.DumpParams[index];
  float lowF = static_cast<float>(low), highF = static_cast<float>(high);
  LimitValue(value, lowF, highF);
  return value;
}

int16_t Flag(float value) { return value != 0 ? -1 : 0; }
int16_t ZeroOne(float value) { return value != 0 ? 1 : 0; }

// Indices 0..7 are the same in every family.
void ApplyFirstEight(App& app) {
  SharedState& s = app.s;
  s.HpglMode = ToInteger(Clamped(app, 0, 0, 1));
  s.PanelSizeX = ToLong(Clamped(app, 1, 0, s.PanelMaxX));
  s.PanelSizeY = ToLong(Clamped(app, 2, 0, s.PanelMaxY));
  s.ScaleX = ToInteger(Clamped(app, 3, 1, 999));
  s.ScaleY = ToInteger(Clamped(app, 4, 1, 999));
  s.PenUpDelay = ToInteger(Clamped(app, 5, 0, 250));
  s.PenDownDelay = ToInteger(Clamped(app, 6, 0, 250));
  s.AccelSetting = ToInteger(Clamped(app, 7, 1, 20));
}

void ApplyCalibrationFactors(App& app) {
  SharedState& s = app.s;
  s.XScaleCal = s.DumpParams[13];
  s.YScaleCal = s.DumpParams[14];
  s.XFactoryCal = s.DumpParams[15];
  s.YFactoryCal = s.DumpParams[16];
}

}  // namespace

void ApplyCommonSettings(App& app) {
  SharedState& s = app.s;
  ApplyFirstEight(app);
  s.ForceMin = ToInteger(Clamped(app, 8, s.ForceLimitLow, s.ForceLimitHigh));
  bool heavyForce = s.ModelCode == 36 || s.ModelCode == 39 || s.ModelCode == 42 || s.ModelCode == 47;
  s.ForceMax = ToInteger(Clamped(app, 9, s.ForceMin, heavyForce ? 2000 : s.ForceLimitHigh));
  s.BladeOffset = ToInteger(Clamped(app, 10, 0, s.ModelCode == 39 ? 60 : 100));
  s.OvercutSetting = ToInteger(Clamped(app, 11, 0, 100));
  s.MinAngle = ToInteger(Clamped(app, 12, 0, 180));
  ApplyCalibrationFactors(app);
}

void ApplyCutterSettings(App& app) {
  SharedState& s = app.s;
  ApplyCommonSettings(app);
  const DeviceParameterArray& p = s.DumpParams;
  s.AutoLoopOn = Flag(p[17]);
  s.LoopSizeSetting = ToLong(Clamped(app, 18, 1000, 838000));
  s.PounceOn = Flag(p[19]);
  s.TagboardOn = Flag(p[20]);
  s.CutLengthSetting = ToInteger(Clamped(app, 21, 50, 5000));
  s.BlankLengthSetting = ToInteger(Clamped(app, 22, 50, 5000));
  s.PounceCutLength = ToInteger(Clamped(app, 23, 40, 4000));
  s.PounceBlankLength = ToInteger(Clamped(app, 24, 40, 4000));
  if (s.ModelCode == 39) {
    s.CorneringMode = ToInteger(Clamped(app, 25, 1, 13));
    return;
  }
  s.CutterWidth = p[25];
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

void ApplyRollFeedSettings(App& app) {
  SharedState& s = app.s;
  ApplyCommonSettings(app);
  const DeviceParameterArray& p = s.DumpParams;
  s.RollFeedOn = ZeroOne(p[17]);
  s.FrameGap = ToInteger(Clamped(app, 18, -1000, 1000));
  s.TagboardOn = Flag(p[19]);
  s.CutLengthSetting = ToInteger(Clamped(app, 20, 50, 5000));
  s.BlankLengthSetting = ToInteger(Clamped(app, 21, 50, 5000));
  s.AutoLoopOn = ZeroOne(p[22]);
  s.LoopSizeSetting = ToLong(Clamped(app, 23, 1000, 838000));
}

void ApplyPlotterSettings(App& app) {
  SharedState& s = app.s;
  ApplyFirstEight(app);
  const DeviceParameterArray& p = s.DumpParams;
  // The device reports its keypad speed in cm/s; the record holds inches per second.
  double speed = p[8];
  if (speed > 76.2)
    s.KeypadSpeed = 30;
  else if (speed < 1)
    s.KeypadSpeed = 1;
  else
    s.KeypadSpeed = ToInteger(speed / 2.54);
  s.ForceMin = ToInteger(Clamped(app, 9, s.ForceLimitLow, s.ForceLimitHigh));
  bool lightPen = s.ModelCode == 33 || s.ModelCode == 40;
  s.ForceMax = ToInteger(Clamped(app, 10, s.ForceLimitLow, lightPen ? 275 : s.ForceLimitHigh));
  s.SensorEnabled = lightPen ? Flag(p[11]) : 0;
  s.FrameGap = ToInteger(Clamped(app, 12, -1000, 1000));
  ApplyCalibrationFactors(app);
  s.TuSetting = ToInteger(p[17]);
}

}  // namespace taskhelm
