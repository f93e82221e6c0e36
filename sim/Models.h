#pragma once
// The device models the simulator can be: one row per model code, with the family that decides the
// dump layout and the settings tokens it takes.
#include "sim/DeviceSettings.h"

namespace sim {

enum class Family { Cutter, RollFeed, PenPlotter };

struct ModelRow {
  int code;
  Family family;
  int carriageValues;  // values of the carriage calibration: force, duration (, coast force, time)
  const char* romVersion;
  const char* motorVolts;
};

// The row of a model code, or nullptr for a code without a model.
const ModelRow* FindModel(int code);

// Values in the settings dump of a family.
int DumpValueCount(Family family);

// The factory settings of a model (the state of a new machine).
DeviceSettings FactorySettings(const ModelRow& model);

}  // namespace sim
