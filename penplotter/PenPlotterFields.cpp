#include "penplotter/PenPlotterFields.h"

#include <algorithm>
#include <array>

#include "cutter/frame/FieldCouplings.h"
#include "startup/App.h"

namespace taskhelm {
namespace {

// The pen plotters' maximum force stops below the models' force limit.
constexpr int32_t kHiForceTop = 275;
constexpr int32_t kSpeedLow = 1, kSpeedHigh = 30;  // in/s

// The box keeps the entry as typed, held to the bounds in the unit shown (a metric 50 stays 50
// while 20 in/s is stored), not the stored value converted back.
void SpeedShowsHeldEntry(SettingsField& f) {
  const double held = std::clamp(f.Reading(), f.ToShown(kSpeedLow), f.ToShown(kSpeedHigh));
  f.Write(held, "##");
}

//                              mul    div    pattern  step  spin pattern
constexpr UnitView kSpeedCm{1, 2.54, "#0.0", 1, ""};

using S = SharedState;

const std::array<FieldSpec, 11> kPenPlotterFields{{
    PanelXRow(kTenthInch, kTenthCm, "Maximum width of a plot in the X axis."),
    PanelYRow(kTenthInch, kTenthCm, "Maximum height of a plot in the Y axis.",
              {"XScale"}, PanelYSpinUpToMax),
    kXScaleRow,
    // The Y scale's label shows no hint.
    {.box = "YScale", .label = nullptr, .spin = "ScaleYSpin", .setting = &S::ScaleY,
     .low = kScaleRange.low, .high = kScaleRange.high, .reader = Reader::Plain, .english = kPlain,
     .metric = kPlain,
     .hint = "Scale plot file from 1% to 999%.", .next = {"Accel", "Speed", "UpDelay"}},
    {.box = "Accel", .label = "AccelLab", .caption = "(g's)",
     .spin = "AccelSpin", .setting = &S::AccelSetting,
     .low = kAccelRange.low, .high = kAccelRange.high,
     .reader = Reader::Regional, .english = kAccel, .metric = kAccel,
     .hint = "How quickly the pen will reach full speed when starting a line.",
     .next = {"Speed", "UpDelay"}},
    {.box = "Speed", .label = "SpeedLab", .caption = "(in)",
     .spin = "SpeedSpin", .setting = &S::KeypadSpeed,
     .low = kSpeedLow, .high = kSpeedHigh, .reader = Reader::Plain, .english = kPlain,
     .metric = kSpeedCm, .hint = "Maximum speed to move the pen or media.", .next = {"UpDelay"},
     .afterStore = SpeedShowsHeldEntry, .rewrite = Rewrite::No,
     .units = UnitSwitch::ShowSetting},
    {.box = "UpDelay", .label = "UpDelayLab", .caption = "Up     (ms)",
     .spin = "UpDelaySpin", .setting = &S::PenUpDelay,
     .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
     .hint = "Delay after lifting the pen.", .next = {"DnDelay"}},
    {.box = "DnDelay", .label = "DownDelayLab", .caption = "Down   (ms)", .spin = "DnDelaySpin",
     .setting = &S::PenDownDelay, .low = kPenDelayRange.low, .high = kPenDelayRange.high,
     .reader = Reader::Plain,
     .english = kPlain, .metric = kPlain, .hint = "Delay after lowering the pen.",
     .next = {"LoForce", "HiForce", "Gap"}},
    kLoForceRow,
    // Held to 275 g before the cross-check with the minimum.
    {.box = "HiForce", .label = "HiForceLab", .caption = "Max (grams)",
     .spin = "HiForceSpin", .setting = &S::ForceMax,
     .low = ForceLow, .high = kHiForceTop, .reader = Reader::Plain, .english = kPlain,
     .metric = kPlain, .hint = "Maximum limit of the force knob.",
     .next = {"Gap", "SendSettingTemp"}, .afterStore = ForceMaxCoupling},
    // The gap's second label (the unit) shows the hint too; the window wires it.
    {.box = "Gap", .label = "FramGapLab", .caption = "Frame Gap",
     .spin = "GapSpin", .setting = &S::FrameGap,
     .low = -kGapLimit, .high = kGapLimit, .reader = Reader::RegionalInMetric,
     .english = kLengthMils, .metric = kGapMm, .hint = "Gap between frames.", .next = {"LoForce"},
     .units = UnitSwitch::ShowSetting},
}};

}  // namespace

std::span<const FieldSpec> PenPlotterFieldTable() { return kPenPlotterFields; }

}  // namespace taskhelm
