#include "penplotter/SensorTest.h"

#include <algorithm>

#include "platform/Numbers.h"

namespace taskhelm {

std::string SensorTestCommand(std::string_view repetitionsText) {
  // Held before rounding, so a huge number cannot overflow the integer.
  const double typed = std::clamp(platform::LeadingNumber(repetitionsText), 0.0, 255.0);
  return "!TS" + std::to_string(platform::RoundHalfEven(typed)) + "@";
}

}  // namespace taskhelm
