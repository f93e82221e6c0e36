#include "rollfeed/RollFeedFields.h"

#include <array>

#include "cutter/frame/FieldCouplings.h"
#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace taskhelm {
namespace {

// ---- frame gap ----------------------------------------------------------------------------

constexpr double kGapLimitMm = 25.4;
// A metric click from 24.4 mm or more reaches the limit rather than stopping short of it.
constexpr double kGapStopMils = 24400 / 25.4;

// The spins read the box regionally in both unit systems.
double GapReading(const SettingsField& f) {
  return platform::LeadingNumber(ToPointDecimal(f.Application(), f.Box().Text()));
}

void GapStep(SettingsField& f, int direction) {
  const double v = GapReading(f);
  if (f.Application().s.MetricUnits) {
    const double mils = v / 25.4 * 1000;
    const bool atBound = direction < 0 ? platform::RoundHalfEven(mils) <= -961
                                       : mils >= kGapStopMils - 1e-9;
    f.Write(atBound ? direction * kGapLimitMm : v + direction, "##0.0");
  } else {
    const int64_t n = platform::RoundHalfEven(v);
    const bool atBound = direction < 0 ? (v <= -kGapLimit || n <= -kGapLimit)
                                       : (v >= kGapLimit || n >= kGapLimit);
    f.Write(static_cast<double>(atBound ? direction * kGapLimit : n + direction), "");
  }
  f.Validate();
}

void GapSpinDown(SettingsField& f) { GapStep(f, -1); }
void GapSpinUp(SettingsField& f) { GapStep(f, +1); }

// ---- the table ----------------------------------------------------------------------------

using S = SharedState;

// Every spin but the cut and blank ones stops at its bounds; the force pair compares with the
// other force before the model's limits apply.
const std::array<FieldSpec, 16> kRollFeedFields{{
    PanelXRow(kTenthInch, kTenthCm, "Maximum width of a cut in the X axis."),
    PanelYRow(kTenthInch, kTenthCm, "Maximum height of a cut in the Y axis.",
              {"Gap", "LoopSize", "XScale"}, PanelYSpinUpToMax),
    {.box = "Gap", .label = "GapLab", .caption = "Gap (mils)",
     .spin = "GapSpin", .setting = &S::FrameGap,
     .low = -kGapLimit, .high = kGapLimit, .reader = Reader::RegionalInMetric, .english = kPlain,
     .metric = kGapMm, .hint = "Gap between frames.", .next = {"LoopSize", "XScale"},
     .spinDown = GapSpinDown, .spinUp = GapSpinUp, .units = UnitSwitch::ShowSetting},
    {.box = "LoopSize", .label = "LoopSizeLab", .caption = "Loop Size (in)",
     .spin = "LoopSizeSpin",
     .setting = &S::LoopSizeSetting, .low = kLoopMin, .high = kLoopMax,
     .reader = Reader::Regional, .english = kTenthInch, .metric = kTenthCm,
     .hint = "Size of service loop to create automatically.", .next = {"XScale"},
     .spinDown = LoopSizeSpinDown, .spinUp = LoopSizeSpinUp,
     .commit = CommitOnSend::WhenAskedFirst, .units = UnitSwitch::ConvertText},
    {.box = "XScale", .label = "ScaleXLab", .caption = "X-Axis (%)",
     .spin = "ScaleXSpin", .setting = &S::ScaleX,
     .low = kScaleRange.low, .high = kScaleRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Scale plot file from 1% to 999%.", .next = {"YScale"},
     .spinStop = SpinStop::AtBounds},
    {.box = "YScale", .label = "ScaleYLab", .caption = "Y-Axis (%)",
     .spin = "ScaleYSpin", .setting = &S::ScaleY,
     .low = kScaleRange.low, .high = kScaleRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Scale plot file from 1% to 999%.", .next = {"CutLength"},
     .spinStop = SpinStop::AtBounds},
    {.box = "CutLength", .label = "CutLengthLab", .caption = "Cut (mils)",
     .spin = "CutLengthSpin",
     .setting = &S::CutLengthSetting,
     .low = kTagboardLengthRange.low, .high = kTagboardLengthRange.high,
     .reader = Reader::Regional,
     .english = kLengthMils, .metric = kLengthMm, .hint = "Length of Tag Board or Pouncing cut.",
     .next = {"BlankLength"}, .commit = CommitOnSend::WhenAskedFirst,
     .units = UnitSwitch::MetricConvertsText},
    {.box = "BlankLength", .label = "BlankLengthLab", .caption = "Blank (mils)",
     .spin = "BlankLengthSpin",
     .setting = &S::BlankLengthSetting,
     .low = kTagboardLengthRange.low, .high = kTagboardLengthRange.high,
     .reader = Reader::Regional,
     .english = kLengthMils, .metric = kLengthMm, .hint = "Space between cuts.",
     .next = {"Accel"}, .commit = CommitOnSend::WhenAskedFirst,
     .units = UnitSwitch::MetricConvertsText},
    {.box = "Accel", .label = "AccelLabel", .caption = "(g's)",
     .spin = "AccelSpin", .setting = &S::AccelSetting,
     .low = kAccelRange.low, .high = kAccelRange.high,
     .reader = Reader::Regional, .english = kAccel, .metric = kAccel,
     .hint = "How quickly the blade will reach full speed when starting a cut line.",
     .next = {"UpDelay"}, .spinStop = SpinStop::AtBounds},
    {.box = "UpDelay", .label = "UpDelLabel", .caption = "Up     (ms)",
     .spin = "UpDelaySpin", .setting = &S::PenUpDelay,
     .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Delay after lifting the blade.", .next = {"DnDelay"},
     .spinStop = SpinStop::AtBounds},
    {.box = "DnDelay", .label = "DownDelLab", .caption = "Down   (ms)",
     .spin = "DnDelaySpin", .setting = &S::PenDownDelay,
     .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Delay after lowering the blade.", .next = {"LoForce"},
     .spinStop = SpinStop::AtBounds},
    {.box = "LoForce", .label = "LoForceLab", .caption = "Min (grams)",
     .spin = "LoForceSpin", .setting = &S::ForceMin,
     .low = ForceLow, .high = ForceHigh, .reader = Reader::Plain, .english = kPlain,
     .metric = kPlain, .hint = "Minimum limit of the force knob.",
     .next = {"HiForce", "Overcut"}, .beforeClamp = ForceMinComparedFirst,
     .spinStop = SpinStop::AtBounds},
    {.box = "HiForce", .label = "HiForceLab", .caption = "Max (grams)",
     .spin = "HiForceSpin", .setting = &S::ForceMax,
     .low = ForceLow, .high = ForceHigh, .reader = Reader::Plain, .english = kPlain,
     .metric = kPlain, .hint = "Maximum limit of the force knob.", .next = {"Overcut"},
     .beforeClamp = ForceMaxComparedFirst, .spinStop = SpinStop::AtBounds},
    {.box = "Overcut", .label = "OvercutLab", .caption = "Overcut (mils)",
     .spin = "OvercutSpin",
     .setting = &S::OvercutSetting, .low = kOvercutRange.low, .high = kOvercutRange.high,
     .reader = Reader::Plain,
     .english = kPlain, .metric = kPlain,
     .hint = "Distance blade travels past end of segment before being lifted.",
     .next = {"Offset"}, .spinStop = SpinStop::AtBounds},
    {.box = "Offset", .label = "OffsetLab", .caption = "Blade Offset (mils)",
     .spin = "OffsetSpin", .setting = &S::BladeOffset,
     .low = 0, .high = BladeOffsetHigh,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Center to tip distance (Get from blade package).", .next = {"MinAng"},
     .afterStore = OffsetCoupling, .spinStop = SpinStop::AtBounds},
    {.box = "MinAng", .label = "MinAngLab", .caption = "Minimum Angle (deg)",
     .spin = "MinAngSpin", .setting = &S::MinAngle,
     .low = kMinAngleRange.low, .high = kMinAngleRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Offset is ignored for turns less than this.", .next = {"SendSettingTemp"},
     .spinStop = SpinStop::AtBounds},
}};

}  // namespace

std::span<const FieldSpec> RollFeedFieldTable() { return kRollFeedFields; }

}  // namespace taskhelm
