#pragma once
// The registration-mark modes of the pen plotters with a sensor (33, 40): which mark button stands
// for which pair of SensorEnabled and MarkSkip, which button a pair shows, and the one rule for
// whether the frame gap can be edited.
#include <cstdint>
#include <optional>

#include "link/Models.h"

namespace taskhelm {

enum class MarkMode {
  EveryFrame,        // MarkAllButton "Check Every Frame"
  EveryFourthFrame,  // Mark4thButton "Every 4th Frame"
  SensorOff,         // MarkNoneButton "Disable Sensor"
};

struct MarkValues {
  int16_t sensorEnabled;
  int16_t markSkip;  // frames skipped between two frames whose mark is read
};

// What choosing a mode stores.
MarkValues ValuesOf(MarkMode mode);

// The mode shown for the device's values: sensor off; every frame for a skip of 0; every 4th
// frame for a skip of 1 to 4 (the 3 this window sends among them); none for any other skip.
std::optional<MarkMode> ShownMarkMode(int16_t sensorEnabled, int16_t markSkip);

// Whether choosing a mode makes the settings unsent: switching the sensor off always does; the
// other two only when they change the mark skip last shown.
bool ChoiceUnsends(MarkMode mode, int16_t shownMarkSkip);

// The frame gap is edited on the gap-only plotters (34, 41) always, on the others only while
// the sensor is off (with the sensor on the marks place the frames).
bool FrameGapEditable(const HeldModel& model, int16_t sensorEnabled);

}  // namespace taskhelm
