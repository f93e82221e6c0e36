#include "penplotter/PenPlotterFields.h"

#include <algorithm>
#include <array>

#include "cutter/frame/SharedFields.h"
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

// The rows the pen plotter words for a pen, with caption labels of its own.
constexpr FieldSpec ForPen(FieldSpec row, const char* label, const char* hint,
                           std::array<const char*, 3> next) {
  row.label = label;
  row.hint = hint;
  return Next(row, next);
}

const std::array<FieldSpec, 11> kPenPlotterFields{{
    PanelXRow(kTenthInch, kTenthCm, "Maximum width of a plot in the X axis."),
    PanelYRow(kTenthInch, kTenthCm, "Maximum height of a plot in the Y axis.",
              {"XScale"}, PanelYSpinUpToMax),
    Next(kXScaleRow, {"YScale"}),
    // The Y scale's label shows no hint.
    Next(kYScaleRow, {"Accel", "Speed", "UpDelay"},
         [](FieldSpec& row) {
           row.label = nullptr;
           row.caption = nullptr;
         }),
    ForPen(kAccelRow, "AccelLab", "How quickly the pen will reach full speed when starting a line.",
           {"Speed", "UpDelay"}),
    {.box = "Speed", .label = "SpeedLab", .caption = "(in)",
     .spin = "SpeedSpin", .setting = &S::KeypadSpeed,
     .low = kSpeedLow, .high = kSpeedHigh, .reader = Reader::Plain, .english = kPlain,
     .metric = kSpeedCm, .hint = "Maximum speed to move the pen or media.", .next = {"UpDelay"},
     .afterStore = SpeedShowsHeldEntry, .rewrite = Rewrite::No,
     .units = UnitSwitch::ShowSetting},
    ForPen(kUpDelayRow, "UpDelayLab", "Delay after lifting the pen.", {"DnDelay"}),
    ForPen(kDnDelayRow, "DownDelayLab", "Delay after lowering the pen.",
           {"LoForce", "HiForce", "Gap"}),
    Next(kLoForceRow, {"HiForce"}),
    // Held to 275 g before the cross-check with the minimum.
    Next(kHiForceRow, {"Gap", "SendSettingTemp"}, [](FieldSpec& row) { row.high = kHiForceTop; }),
    // The gap's second label (the unit) shows the hint too; the window wires it.
    Next(kGapRow, {"LoForce"},
         [](FieldSpec& row) {
           row.label = "FramGapLab";
           row.caption = "Frame Gap";
           row.english = kLengthMils;
         }),
}};

}  // namespace

std::span<const FieldSpec> PenPlotterFieldTable() { return kPenPlotterFields; }

}  // namespace taskhelm
