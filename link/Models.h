#pragma once
// The model codes the program knows: the name each shows in lists and messages, and its family.
#include <cstdint>
#include <string>

namespace taskhelm {

enum class ModelFamily { None, Cutter, PenPlotter, RollFeed };

struct ModelProfile {
  int16_t code;
  const char* name;  // name in lists and messages, with its trailing blank
  ModelFamily family;
};

// The row of a model code, or nullptr for codes the program has no row for.
const ModelProfile* FindModel(int16_t code);
ModelFamily FamilyOf(int16_t code);
// The pen plotters that carry a registration-mark sensor (33, 40); 34 and 41 align by a gap only.
bool HasMarkSensor(int16_t code);
// The name in lists and messages ("Quorvane 510 " for the 32 variants 46 and 54).
std::string ModelName(int16_t code, int16_t deviceId = 0);

}  // namespace taskhelm
