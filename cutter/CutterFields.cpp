#include "cutter/CutterFields.h"

#include <array>

#include "cutter/frame/SharedFields.h"
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

// The cut and blank boxes serve the tag-board pair or the pounce pair, as the modes are on;
// Enter keeps the focus in them.
constexpr FieldSpec CutOrPounce(FieldSpec row, SettingRef (*target)(SharedState&),
                                SettingRef (*shown)(SharedState&)) {
  row.setting = target;
  row.shows = shown;
  row.low = CutBlankLow;
  row.high = CutBlankHigh;
  return row;
}

const std::array<FieldSpec, 17> kCutterFields{{
    Next(kAccelRow, {"XScale"}),
    Next(kXScaleRow, {"YScale"}),
    Next(kYScaleRow, {"UpDelay"}),
    Next(kUpDelayRow, {"DnDelay"}),
    Next(kDnDelayRow, {"LoForce"}),
    Next(kLoForceRow, {"HiForce"}),
    Next(kHiForceRow, {"PanelX"},
         [](FieldSpec& row) {
           row.high = ForceMaxHigh;
           row.spinDown = HiForceSpinDown;
         }),
    PanelXRow(kPanelIn, kPanelCm, "Maximum width of a cut in the X axis."),
    PanelYRow(kPanelIn, kPanelCm, "Maximum height of a cut in the Y axis.",
              {"LoopSize", "Offset"}, PanelYSpinUp),
    Next(kLoopSizeRow, {"Offset"}),
    Next(kOffsetRow, {"Overcut"}),
    Next(kOvercutRow, {"MinAng"}),
    Next(kMinAngRow, {"SendSettingTemp"}),
    CutOrPounce(kCutLengthRow, CutTarget, CutShown),
    CutOrPounce(kBlankLengthRow, BlankTarget, BlankShown),
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
