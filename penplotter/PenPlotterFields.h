#pragma once
// The numeric fields of the pen-plotter window.
#include <span>

#include "cutter/frame/SettingsField.h"

namespace taskhelm {

std::span<const FieldSpec> PenPlotterFieldTable();

}  // namespace taskhelm
