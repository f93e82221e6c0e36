#pragma once
// Bounds, views and couplings that the field tables of the settings windows share: the force
// pair's warnings, the blade offset that sets the minimum angle, and the whole-inch steps of the
// panel and loop spins.
#include <array>
#include <cstdint>

#include "cutter/frame/SettingsField.h"
#include "link/SettingLimits.h"
#include "link/SharedState.h"

namespace taskhelm {

// ---- bounds of the model --------------------------------------------------------------------
int64_t ForceLow(const SharedState& s);
int64_t ForceHigh(const SharedState& s);
int64_t PanelMaxX(const SharedState& s);
int64_t PanelMaxY(const SharedState& s);
inline constexpr int32_t kLoopMin = kLoopSizeRange.low, kLoopMax = kLoopSizeRange.high;

// ---- views shared by the tables -------------------------------------------------------------
//                                 mul  div  pattern  step  spin pattern
inline constexpr UnitView kPlain{1, 1, "", 1, ""};
// Acceleration in g, held in tenths.
inline constexpr UnitView kAccel{10, 1, "0.0", 0.1, "##0.0"};
// Sizes in mils shown to a tenth of an inch or of a centimetre.
inline constexpr UnitView kTenthInch{1000, 1, "#0.0", 1, "##0.0"};
inline constexpr UnitView kTenthCm{1000, 2.54, "#0.0", 1, "##0.0"};
// Cut and blank lengths: plain mils, or millimetres to a tenth; the spins step by 10.
inline constexpr UnitView kLengthMils{1, 1, "", 10, ""};
inline constexpr UnitView kLengthMm{1, 0.0254, "#0.0", 10, ""};
// The frame gap: up to an inch either way; in metric, millimetres to a tenth.
inline constexpr int32_t kGapLimit = kFrameGapRange.high;
inline constexpr UnitView kGapMm{1000, 25.4, "#0.0", 1, "##0.0"};

// ---- force pair -----------------------------------------------------------------------------
// After the clamp to the model's limits: a minimum above the maximum comes down to it, a
// maximum below the minimum goes up to it, with a warning.
void ForceMinCoupling(SettingsField& f);
void ForceMaxCoupling(SettingsField& f);
// Before the clamp, with the same warnings: the typed force is compared with the other one
// first, and the model's limits come afterwards.
int64_t ForceMinComparedFirst(SettingsField& f, int64_t typed);
int64_t ForceMaxComparedFirst(SettingsField& f, int64_t typed);

// ---- blade offset and minimum angle ---------------------------------------------------------
// A large offset steers with small angles only; a small one needs the window's angle floor.
void OffsetCoupling(SettingsField& f);

// ---- whole-inch spins of the panel and loop sizes -------------------------------------------
struct InchReading {
  double shown;    // the box's number in the unit shown
  int64_t inches;  // the shown size in whole inches
  double mils;     // the exact shown size in mils
};
InchReading ReadInches(const SettingsField& f);

// Where an English click starts from: the whole-inch size, or the exact one.
enum class InchBase { Whole, Exact };
// One click: the bound when reached; otherwise 1 cm from the exact size in metric, and in
// English 1 inch from the size the base names. Then the field validates.
void InchStep(SettingsField& f, const InchReading& r, int direction, bool atBound,
              int64_t boundMils, InchBase base);
// Steps that stop at a bound: at or past it, exactly or in whole inches, the bound is written.
void InchSpinDown(SettingsField& f, int64_t minMils);
void InchSpinUp(SettingsField& f, int64_t maxMils);

void PanelSpinDown(SettingsField& f);
void PanelXSpinUp(SettingsField& f);
// The Y size climbs to the model's maximum (the cutter's stops an inch short, its own step).
void PanelYSpinUpToMax(SettingsField& f);
void LoopSizeSpinDown(SettingsField& f);
void LoopSizeSpinUp(SettingsField& f);

}  // namespace taskhelm
