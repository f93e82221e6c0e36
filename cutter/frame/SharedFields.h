#pragma once
// One row per setting that two or three of the settings windows edit. A window's table takes a
// row, names where Enter goes from it, and changes what its own field does otherwise.
#include <array>

#include "cutter/frame/FieldCouplings.h"

namespace taskhelm {

// ---- the shared rows --------------------------------------------------------------------------
inline constexpr FieldSpec kAccelRow{
    .box = "Accel", .label = "AccelLabel", .caption = "(g's)", .spin = "AccelSpin",
    .setting = &SharedState::AccelSetting, .low = kAccelRange.low, .high = kAccelRange.high,
    .reader = Reader::Regional, .english = kAccel, .metric = kAccel,
    .hint = "How quickly the blade will reach full speed when starting a cut line."};
inline constexpr FieldSpec kXScaleRow{
    .box = "XScale", .label = "ScaleXLab", .caption = "X-Axis (%)", .spin = "ScaleXSpin",
    .setting = &SharedState::ScaleX, .low = kScaleRange.low, .high = kScaleRange.high,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Scale plot file from 1% to 999%."};
inline constexpr FieldSpec kYScaleRow{
    .box = "YScale", .label = "ScaleYLab", .caption = "Y-Axis (%)", .spin = "ScaleYSpin",
    .setting = &SharedState::ScaleY, .low = kScaleRange.low, .high = kScaleRange.high,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Scale plot file from 1% to 999%."};
inline constexpr FieldSpec kUpDelayRow{
    .box = "UpDelay", .label = "UpDelLabel", .caption = "Up     (ms)", .spin = "UpDelaySpin",
    .setting = &SharedState::PenUpDelay, .low = kPenDelayRange.low, .high = kPenDelayRange.high,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Delay after lifting the blade."};
inline constexpr FieldSpec kDnDelayRow{
    .box = "DnDelay", .label = "DownDelLab", .caption = "Down   (ms)", .spin = "DnDelaySpin",
    .setting = &SharedState::PenDownDelay, .low = kPenDelayRange.low, .high = kPenDelayRange.high,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Delay after lowering the blade."};
inline constexpr FieldSpec kLoForceRow{
    .box = "LoForce", .label = "LoForceLab", .caption = "Min (grams)", .spin = "LoForceSpin",
    .setting = &SharedState::ForceMin, .low = ForceLow, .high = ForceHigh,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Minimum limit of the force knob.", .afterStore = ForceMinCoupling};
inline constexpr FieldSpec kHiForceRow{
    .box = "HiForce", .label = "HiForceLab", .caption = "Max (grams)", .spin = "HiForceSpin",
    .setting = &SharedState::ForceMax, .low = ForceLow, .high = ForceHigh,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Maximum limit of the force knob.", .afterStore = ForceMaxCoupling};
inline constexpr FieldSpec kLoopSizeRow{
    .box = "LoopSize", .label = "LoopSizeLab", .caption = "Loop Size (in)",
    .spin = "LoopSizeSpin", .setting = &SharedState::LoopSizeSetting, .low = kLoopMin,
    .high = kLoopMax, .reader = Reader::Regional, .english = kTenthInch, .metric = kTenthCm,
    .hint = "Size of service loop to create automatically.", .spinDown = LoopSizeSpinDown,
    .spinUp = LoopSizeSpinUp, .units = UnitSwitch::ConvertText};
inline constexpr FieldSpec kOffsetRow{
    .box = "Offset", .label = "OffsetLab", .caption = "Blade Offset (mils)", .spin = "OffsetSpin",
    .setting = &SharedState::BladeOffset, .low = 0, .high = BladeOffsetHigh,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Center to tip distance (Get from blade package).", .afterStore = OffsetCoupling};
inline constexpr FieldSpec kOvercutRow{
    .box = "Overcut", .label = "OvercutLab", .caption = "Overcut (mils)", .spin = "OvercutSpin",
    .setting = &SharedState::OvercutSetting, .low = kOvercutRange.low,
    .high = kOvercutRange.high, .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Distance blade travels past end of segment before being lifted."};
inline constexpr FieldSpec kMinAngRow{
    .box = "MinAng", .label = "MinAngLab", .caption = "Minimum Angle (deg)", .spin = "MinAngSpin",
    .setting = &SharedState::MinAngle, .low = kMinAngleRange.low, .high = kMinAngleRange.high,
    .reader = Reader::Plain, .english = kPlain, .metric = kPlain,
    .hint = "Offset is ignored for turns less than this."};
// The cut and blank lengths of the tag-board cutout.
inline constexpr FieldSpec kCutLengthRow{
    .box = "CutLength", .label = "CutLengthLab", .caption = "Cut (mils)",
    .spin = "CutLengthSpin", .setting = &SharedState::CutLengthSetting,
    .low = kTagboardLengthRange.low, .high = kTagboardLengthRange.high,
    .reader = Reader::Regional, .english = kLengthMils, .metric = kLengthMm,
    .hint = "Length of Tag Board or Pouncing cut.", .units = UnitSwitch::MetricConvertsText};
inline constexpr FieldSpec kBlankLengthRow{
    .box = "BlankLength", .label = "BlankLengthLab", .caption = "Blank (mils)",
    .spin = "BlankLengthSpin", .setting = &SharedState::BlankLengthSetting,
    .low = kTagboardLengthRange.low, .high = kTagboardLengthRange.high,
    .reader = Reader::Regional, .english = kLengthMils, .metric = kLengthMm,
    .hint = "Space between cuts.", .units = UnitSwitch::MetricConvertsText};
inline constexpr FieldSpec kGapRow{
    .box = "Gap", .label = "GapLab", .caption = "Gap (mils)", .spin = "GapSpin",
    .setting = &SharedState::FrameGap, .low = -kGapLimit, .high = kGapLimit,
    .reader = Reader::RegionalInMetric, .english = kPlain, .metric = kGapMm,
    .hint = "Gap between frames.", .units = UnitSwitch::ShowSetting};

// The panel sizes: alike but for the decimals the sizes show, what the hint calls the work,
// where Enter goes from Y and how far the Y spin climbs.
constexpr FieldSpec PanelXRow(UnitView english, UnitView metric, const char* hint) {
  return {.box = "PanelX", .label = "PanelXLab", .caption = "X-Axis (in)", .spin = "PanelXSpin",
          .setting = &SharedState::PanelSizeX, .low = 0, .high = PanelMaxX,
          .reader = Reader::Regional, .english = english, .metric = metric, .hint = hint,
          .next = {"PanelY"}, .spinDown = PanelSpinDown, .spinUp = PanelXSpinUp,
          .units = UnitSwitch::ConvertText};
}
constexpr FieldSpec PanelYRow(UnitView english, UnitView metric, const char* hint,
                              std::array<const char*, 3> next, FieldHook spinUp) {
  return {.box = "PanelY", .label = "PanelYLab", .caption = "Y-Axis (in)", .spin = "PanelYSpin",
          .setting = &SharedState::PanelSizeY, .low = 0, .high = PanelMaxY,
          .reader = Reader::Regional, .english = english, .metric = metric, .hint = hint,
          .next = next, .spinDown = PanelSpinDown, .spinUp = spinUp,
          .units = UnitSwitch::ConvertText};
}

// ---- a shared row in a window's table -----------------------------------------------------------
// Enter moves on to the first of next that can take the focus (none: the focus stays).
constexpr FieldSpec Next(FieldSpec row, std::array<const char*, 3> next) {
  row.next = next;
  return row;
}
// The same, and then the window's own changes to the row.
template <class Change>
constexpr FieldSpec Next(FieldSpec row, std::array<const char*, 3> next, Change change) {
  row.next = next;
  change(row);
  return row;
}

}  // namespace taskhelm
