// Spanish wordings of the calibration texts.
#include "texts/Sections.h"

namespace texts {

std::span<const Entry> CalibrationTexts() { return {}; }

}  // namespace texts
