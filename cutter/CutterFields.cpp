#include "cutter/CutterFields.h"

#include <array>

#include "cutter/frame/FieldCouplings.h"
#include "link/SettingLimits.h"
#include "startup/App.h"

namespace taskhelm {
namespace {

// ---- bounds -------------------------------------------------------------------------------

int64_t CutBlankLow(const SharedState& s) {
  return s.TagboardOn != 0 ? kTagboardLengthRange.low : kPounceLengthRange.low;
}
int64_t CutBlankHigh(const SharedState& s) {
  return s.TagboardOn != 0 ? kTagboardLengthRange.high : kPounceLengthRange.high;
}

// ---- cut and blank lengths ----------------------------------------------------------------

// The tag-board pair wins when both modes are on; with neither on the boxes store nothing.
SettingRef CutTarget(SharedState& s) {
  if (s.TagboardOn != 0) return SettingRef(s.CutLengthSetting);
  if (s.PounceOn != 0) return SettingRef(s.PounceCutLength);
  return {};
}
SettingRef BlankTarget(SharedState& s) {
  if (s.TagboardOn != 0) return SettingRef(s.BlankLengthSetting);
  if (s.PounceOn != 0) return SettingRef(s.PounceBlankLength);
  return {};
}
// The boxes show the pounce pair also while they store nothing.
SettingRef CutShown(SharedState& s) {
  return SettingRef(s.TagboardOn != 0 ? s.CutLengthSetting : s.PounceCutLength);
}
SettingRef BlankShown(SharedState& s) {
  return SettingRef(s.TagboardOn != 0 ? s.BlankLengthSetting : s.PounceBlankLength);
}

// ---- force pair ---------------------------------------------------------------------------

// At or below the lowest force the arrow writes that force rather than stepping past it.
void HiForceSpinDown(SettingsField& f) {
  const double v = f.Reading();
  const int64_t low = f.Application().s.ForceLimitLow;
  f.Write(v <= static_cast<double>(low) ? static_cast<double>(low) : v - 1, "");
  f.Validate();
}

// ---- whole-inch spins --------------------------------------------------------------------

// The Y size keeps its fraction in English and stops an inch short of the maximum.
void PanelYSpinUp(SettingsField& f) {
  const InchReading r = ReadInches(f);
  const SharedState& s = f.Application().s;
  const int64_t nearMax = int64_t{s.PanelMaxY} - 1000;
  const bool atBound = r.inches * 1000 >= nearMax ||
                       (!s.MetricUnits && r.mils >= static_cast<double>(nearMax));
  InchStep(f, r, +1, atBound, s.PanelMaxY, InchBase::Exact);
}

// ---- tangential knife ---------------------------------------------------------------------

void TanSpinDown(SettingsField& f) {
  f.Application().s.SettingsSent = false;
  f.Step(-1);
}
void TanSpinUp(SettingsField& f) {
  f.Application().s.SettingsSent = false;
  f.Step(+1);
}

// ---- the table ----------------------------------------------------------------------------

//                          mul    div     pattern   step  spin pattern
constexpr UnitView kPanelIn{1000, 1, "##0.00", 1, "##0.00"};
constexpr UnitView kPanelCm{1000, 2.54, "##0.00", 1, "##0.00"};

constexpr int32_t kInt16Min = -32768, kInt16Max = 32767;

using S = SharedState;

const std::array<FieldSpec, 17> kCutterFields{{
    {.box = "Accel", .label = "AccelLabel", .caption = "(g's)",
     .spin = "AccelSpin", .setting = &S::AccelSetting,
     .low = kAccelRange.low, .high = kAccelRange.high,
     .reader = Reader::Regional, .english = kAccel, .metric = kAccel,
     .hint = "How quickly the blade will reach full speed when starting a cut line.",
     .next = {"XScale"}},
    kXScaleRow,
    {.box = "YScale", .label = "ScaleYLab", .caption = "Y-Axis (%)",
     .spin = "ScaleYSpin", .setting = &S::ScaleY,
     .low = kScaleRange.low, .high = kScaleRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Scale plot file from 1% to 999%.", .next = {"UpDelay"}},
    {.box = "UpDelay", .label = "UpDelLabel", .caption = "Up     (ms)",
     .spin = "UpDelaySpin", .setting = &S::PenUpDelay,
     .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Delay after lifting the blade.", .next = {"DnDelay"}},
    {.box = "DnDelay", .label = "DownDelLab", .caption = "Down   (ms)",
     .spin = "DnDelaySpin", .setting = &S::PenDownDelay,
     .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Delay after lowering the blade.", .next = {"LoForce"}},
    kLoForceRow,
    {.box = "HiForce", .label = "HiForceLab", .caption = "Max (grams)",
     .spin = "HiForceSpin", .setting = &S::ForceMax,
     .low = ForceLow, .high = ForceMaxHigh, .reader = Reader::Plain, .english = kPlain,
     .metric = kPlain, .hint = "Maximum limit of the force knob.", .next = {"PanelX"},
     .afterStore = ForceMaxCoupling, .spinDown = HiForceSpinDown},
    PanelXRow(kPanelIn, kPanelCm, "Maximum width of a cut in the X axis."),
    PanelYRow(kPanelIn, kPanelCm, "Maximum height of a cut in the Y axis.",
              {"LoopSize", "Offset"}, PanelYSpinUp),
    {.box = "LoopSize", .label = "LoopSizeLab", .caption = "Loop Size (in)",
     .spin = "LoopSizeSpin",
     .setting = &S::LoopSizeSetting, .low = kLoopMin, .high = kLoopMax,
     .reader = Reader::Regional, .english = kTenthInch, .metric = kTenthCm,
     .hint = "Size of service loop to create automatically.", .next = {"Offset"},
     .spinDown = LoopSizeSpinDown, .spinUp = LoopSizeSpinUp, .units = UnitSwitch::ConvertText},
    {.box = "Offset", .label = "OffsetLab", .caption = "Blade Offset (mils)",
     .spin = "OffsetSpin", .setting = &S::BladeOffset,
     .low = 0, .high = BladeOffsetHigh,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Center to tip distance (Get from blade package).", .next = {"Overcut"},
     .afterStore = OffsetCoupling},
    {.box = "Overcut", .label = "OvercutLab", .caption = "Overcut (mils)",
     .spin = "OvercutSpin",
     .setting = &S::OvercutSetting, .low = kOvercutRange.low, .high = kOvercutRange.high,
     .reader = Reader::Plain,
     .english = kPlain, .metric = kPlain,
     .hint = "Distance blade travels past end of segment before being lifted.",
     .next = {"MinAng"}},
    {.box = "MinAng", .label = "MinAngLab", .caption = "Minimum Angle (deg)",
     .spin = "MinAngSpin", .setting = &S::MinAngle,
     .low = kMinAngleRange.low, .high = kMinAngleRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Offset is ignored for turns less than this.", .next = {"SendSettingTemp"}},
    {.box = "CutLength", .label = "CutLengthLab", .caption = "Cut (mils)",
     .spin = "CutLengthSpin", .setting = CutTarget,
     .low = CutBlankLow, .high = CutBlankHigh, .reader = Reader::Regional,
     .english = kLengthMils, .metric = kLengthMm, .hint = "Length of Tag Board or Pouncing cut.",
     .units = UnitSwitch::MetricConvertsText, .shows = CutShown},
    {.box = "BlankLength", .label = "BlankLengthLab", .caption = "Blank (mils)",
     .spin = "BlankLengthSpin",
     .setting = BlankTarget, .low = CutBlankLow, .high = CutBlankHigh,
     .reader = Reader::Regional, .english = kLengthMils, .metric = kLengthMm,
     .hint = "Space between cuts.", .units = UnitSwitch::MetricConvertsText, .shows = BlankShown},
    // The tangential values have no bounds of their own beyond their 16 bits, keep the typed
    // text, and are not committed by a send.
    {.box = "TanLength", .label = "Label1", .caption = "Length (mils)",
     .spin = "TanLengthSpin",
     .setting = &S::TangentialLength, .low = kInt16Min, .high = kInt16Max,
     .reader = Reader::Regional, .english = kPlain, .metric = kPlain,
     .hint = "Set length of the tangential move.", .spinDown = TanSpinDown, .spinUp = TanSpinUp,
     .rewrite = Rewrite::No, .commit = CommitOnSend::No},
    {.box = "TanForce", .label = "Label2", .caption = "Force (grams)",
     .spin = "TanForceSpin",
     .setting = &S::TangentialForce, .low = kInt16Min, .high = kInt16Max,
     .reader = Reader::Regional, .english = kPlain, .metric = kPlain,
     .hint = "Set the force for tangential movement.", .spinDown = TanSpinDown,
     .spinUp = TanSpinUp, .rewrite = Rewrite::No, .commit = CommitOnSend::No},
}};

}  // namespace

std::span<const FieldSpec> CutterFieldTable() { return kCutterFields; }

CutBlankLengths ShownCutBlank(const SharedState& s) {
  if (s.TagboardOn != 0) return {s.CutLengthSetting, s.BlankLengthSetting};
  return {s.PounceCutLength, s.PounceBlankLength};
}

void ToggleMaxForceLock(FieldSet& fields) {
  forms::TextBox& box = fields["HiForce"].Box();
  box.SetEnabled(!box.Enabled());
}

}  // namespace taskhelm
