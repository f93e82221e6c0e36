#pragma once
// The numeric fields of the roll-feed window and the couplings of its own (the shared ones are
// in cutter/frame/FieldCouplings).
#include <span>

#include "cutter/frame/SettingsField.h"

namespace taskhelm {

std::span<const FieldSpec> RollFeedFieldTable();

}  // namespace taskhelm
