#pragma once
// Storing a real number into an Integer or Long setting: rounded halves to even, and saturated at
// the type's range so that a wild device value can never wrap around into a plausible one.
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/Numbers.h"

namespace taskhelm {

template <class Int>
Int StoreRounded(double value) {
  if (std::isnan(value)) return 0;
  constexpr double low = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double high = static_cast<double>(std::numeric_limits<Int>::max());
  if (value <= low) return std::numeric_limits<Int>::min();
  if (value >= high) return std::numeric_limits<Int>::max();
  return static_cast<Int>(platform::RoundHalfEven(value));
}

inline int16_t ToInteger(double value) { return StoreRounded<int16_t>(value); }
inline int32_t ToLong(double value) { return StoreRounded<int32_t>(value); }

}  // namespace taskhelm
