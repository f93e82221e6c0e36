#pragma once
// The settings dump ("!DD@" reply) of each family: the values in their fixed order, separated by
// line feeds, "_" after the last one. The closing CR is added with every reply.
#include <string>
#include <vector>

#include "sim/DeviceSettings.h"
#include "sim/Faults.h"
#include "sim/Models.h"

namespace sim {

// The dump's values as the device writes them, in order.
std::vector<std::string> DumpValues(const ModelRow& model, const DeviceSettings& settings);

// The reply text, shaped by the dump faults (one line feed too few, no "_").
std::string BuildDump(const ModelRow& model, const DeviceSettings& settings, const Faults& faults);

}  // namespace sim
