#pragma once
// The numeric fields of the cutter window and their couplings.
#include <cstdint>
#include <span>

#include "cutter/frame/SettingsField.h"

namespace taskhelm {

struct SharedState;

std::span<const FieldSpec> CutterFieldTable();

// The lengths the cut and blank boxes serve: the tag-board pair while the tag-board cutout is on,
// otherwise the pounce pair. Display, unit switch and validation all follow this one rule.
struct CutBlankLengths {
  int16_t cut;
  int16_t blank;
};
CutBlankLengths ShownCutBlank(const SharedState& s);

// Alt+U: locks or unlocks the maximum-force box; its spin stays usable.
void ToggleMaxForceLock(FieldSet& fields);

}  // namespace taskhelm
