// Feeds arbitrary device replies to the identification and settings-dump parsers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/Identify.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the model family whose dump layout is parsed.
  static constexpr int16_t kModels[] = {32, 33, 35, 39, 47, 37};
  int16_t model = kModels[data[0] % (sizeof kModels / sizeof kModels[0])];
  std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
  taskhelm::DeviceParameterArray params{};
  taskhelm::ParseDump(model, reply, params);
  taskhelm::ParseIdentification(reply);
  return 0;
}
