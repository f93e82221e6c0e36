#include "rollfeed/RollFeedFields.h"

#include <array>

#include "cutter/frame/SharedFields.h"
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
  return platform::PlainReading(ToPointDecimal(f.Application(), f.Box().Text()));
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

// Every spin but the panel, gap, loop, cut and blank ones stops at its bounds. A send commits
// the loop, cut and blank boxes only when it asks first whether unsent changes go.
constexpr void StopsAtBounds(FieldSpec& row) { row.spinStop = SpinStop::AtBounds; }
constexpr void CommittedWhenAsked(FieldSpec& row) { row.commit = CommitOnSend::WhenAskedFirst; }
// The force pair compares with the other force before the model's limits apply.
constexpr FieldSpec ComparedFirst(FieldSpec row, BeforeClampHook compare) {
  row.afterStore = nullptr;
  row.beforeClamp = compare;
  StopsAtBounds(row);
  return row;
}

const std::array<FieldSpec, 16> kRollFeedFields{{
    PanelXRow(kTenthInch, kTenthCm, "Maximum width of a cut in the X axis."),
    PanelYRow(kTenthInch, kTenthCm, "Maximum height of a cut in the Y axis.",
              {"Gap", "LoopSize", "XScale"}, PanelYSpinUpToMax),
    Next(kGapRow, {"LoopSize", "XScale"},
         [](FieldSpec& row) {
           row.spinDown = GapSpinDown;
           row.spinUp = GapSpinUp;
         }),
    Next(kLoopSizeRow, {"XScale"}, CommittedWhenAsked),
    Next(kXScaleRow, {"YScale"}, StopsAtBounds),
    Next(kYScaleRow, {"CutLength"}, StopsAtBounds),
    Next(kCutLengthRow, {"BlankLength"}, CommittedWhenAsked),
    Next(kBlankLengthRow, {"Accel"}, CommittedWhenAsked),
    Next(kAccelRow, {"UpDelay"}, StopsAtBounds),
    Next(kUpDelayRow, {"DnDelay"}, StopsAtBounds),
    Next(kDnDelayRow, {"LoForce"}, StopsAtBounds),
    ComparedFirst(Next(kLoForceRow, {"HiForce", "Overcut"}), ForceMinComparedFirst),
    ComparedFirst(Next(kHiForceRow, {"Overcut"}), ForceMaxComparedFirst),
    Next(kOvercutRow, {"Offset"}, StopsAtBounds),
    Next(kOffsetRow, {"MinAng"}, StopsAtBounds),
    Next(kMinAngRow, {"SendSettingTemp"}, StopsAtBounds),
}};

}  // namespace

std::span<const FieldSpec> RollFeedFieldTable() { return kRollFeedFields; }

}  // namespace taskhelm
