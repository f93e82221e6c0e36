#pragma once
// Reading the number out of a port name.
#include <cstdint>
#include <string>

namespace taskhelm {

// The number of "COM3" or "LPT2": 1..max, or 0 for any name outside prefix1..prefix<max>.
inline int16_t PortNumber(const std::string& name, const char* prefix, int max) {
  if (name.size() != 4 || name.compare(0, 3, prefix) != 0) return 0;
  int n = name[3] - '0';
  return static_cast<int16_t>(n >= 1 && n <= max ? n : 0);
}

}  // namespace taskhelm
