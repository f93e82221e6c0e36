#include "penplotter/MarkModes.h"

#include "startup/ModelTable.h"

namespace taskhelm {

MarkValues ValuesOf(MarkMode mode) {
  switch (mode) {
    case MarkMode::EveryFrame: return {1, 0};
    case MarkMode::EveryFourthFrame: return {1, 3};
    case MarkMode::SensorOff: return {0, 255};
  }
  return {0, 255};
}

std::optional<MarkMode> ShownMarkMode(int16_t sensorEnabled, int16_t markSkip) {
  if (sensorEnabled == 0) return MarkMode::SensorOff;
  if (markSkip == 0) return MarkMode::EveryFrame;
  if (markSkip >= 1 && markSkip <= 4) return MarkMode::EveryFourthFrame;
  return std::nullopt;
}

bool ChoiceUnsends(MarkMode mode, int16_t shownMarkSkip) {
  return mode == MarkMode::SensorOff || ValuesOf(mode).markSkip != shownMarkSkip;
}

bool FrameGapEditable(const HeldModel& model, int16_t sensorEnabled) {
  if (model.Family() == ModelFamily::PenPlotter && !model.Has(ModelQuirk::MarkSensor)) return true;
  return sensorEnabled == 0;
}

}  // namespace taskhelm
