#include "cutter/frame/FieldCouplings.h"

#include "platform/Numbers.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

// Worded for the field's window, whose edition may word it apart.
void Warn(SettingsField& f, std::string_view text) {
  App& app = f.Application();
  const std::string& window = f.Set().Window().Name();
  app.MsgBox(app.T(text, window), forms::MsgButtons::OK, forms::MsgIcon::None,
             app.T("WARNING", window));
}

}  // namespace

int64_t ForceLow(const SharedState& s) { return s.ForceLimitLow; }
int64_t ForceHigh(const SharedState& s) { return s.ForceLimitHigh; }
int64_t PanelMaxX(const SharedState& s) { return s.PanelMaxX; }
int64_t PanelMaxY(const SharedState& s) { return s.PanelMaxY; }

constexpr const char* kMinAboveMax =
    "Minimum force set above Maximum, Minimum force decreased to Maximum value.";
constexpr const char* kMaxBelowMin =
    "Maximum force set below Minimum, Maximum force increased to Minimum value.";

void ForceMinCoupling(SettingsField& f) {
  SharedState& s = f.Application().s;
  s.ForceMin = static_cast<int16_t>(ForceMinComparedFirst(f, s.ForceMin));
}

void ForceMaxCoupling(SettingsField& f) {
  SharedState& s = f.Application().s;
  s.ForceMax = static_cast<int16_t>(ForceMaxComparedFirst(f, s.ForceMax));
}

int64_t ForceMinComparedFirst(SettingsField& f, int64_t typed) {
  const int64_t max = f.Application().s.ForceMax;
  if (typed <= max) return typed;
  Warn(f, kMinAboveMax);
  return max;
}

int64_t ForceMaxComparedFirst(SettingsField& f, int64_t typed) {
  const int64_t min = f.Application().s.ForceMin;
  if (typed >= min) return typed;
  Warn(f, kMaxBelowMin);
  return min;
}

void OffsetCoupling(SettingsField& f) {
  SharedState& s = f.Application().s;
  if (s.BladeOffset >= 30 && s.MinAngle > 15) {
    s.MinAngle = 15;
  } else if (s.BladeOffset < 30 && s.MinAngle < f.Set().MinAngleFloor()) {
    s.MinAngle = f.Set().MinAngleFloor();
  } else {
    return;
  }
  f.Set()["MinAng"].Show();
}

InchReading ReadInches(const SettingsField& f) {
  const double v = f.Reading();
  const double inches = f.Application().s.MetricUnits ? v / 2.54 : v;
  return {v, platform::RoundHalfEven(inches), inches * 1000};
}

void InchStep(SettingsField& f, const InchReading& r, int direction, bool atBound,
              int64_t boundMils, InchBase base) {
  const char* pattern = f.View().spinPattern;
  if (atBound)
    f.Write(f.ToShown(static_cast<double>(boundMils)), pattern);
  else if (f.Application().s.MetricUnits || base == InchBase::Exact)
    f.Write(r.shown + direction, pattern);
  else
    f.Write(static_cast<double>(r.inches + direction), pattern);
  f.Validate();
}

void InchSpinDown(SettingsField& f, int64_t minMils) {
  const InchReading r = ReadInches(f);
  const bool atBound = r.inches * 1000 <= minMils || r.mils <= static_cast<double>(minMils);
  InchStep(f, r, -1, atBound, minMils, InchBase::Whole);
}

void InchSpinUp(SettingsField& f, int64_t maxMils) {
  const InchReading r = ReadInches(f);
  const bool atBound = r.inches * 1000 >= maxMils || r.mils >= static_cast<double>(maxMils);
  InchStep(f, r, +1, atBound, maxMils, InchBase::Whole);
}

void PanelSpinDown(SettingsField& f) { InchSpinDown(f, 0); }
void PanelXSpinUp(SettingsField& f) { InchSpinUp(f, f.Application().s.PanelMaxX); }
void PanelYSpinUpToMax(SettingsField& f) { InchSpinUp(f, f.Application().s.PanelMaxY); }
void LoopSizeSpinDown(SettingsField& f) { InchSpinDown(f, kLoopMin); }
void LoopSizeSpinUp(SettingsField& f) { InchSpinUp(f, kLoopMax); }

}  // namespace taskhelm
