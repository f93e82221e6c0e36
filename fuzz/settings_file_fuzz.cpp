// Feeds arbitrary files to the settings-file reader. Whatever it stores must write out as a line
// the reader takes again without a single unknown token, and that line must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "startup/SharedState.h"
#include "transfer/SettingsFile.h"

namespace {

// Every model family, and a code without one.
constexpr int16_t kModels[] = {32, 33, 35, 36, 37};

std::string Tokens(const std::string& line) { return line.substr(0, line.size() - 2); }  // no CR LF

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the model and the reader's key table.
  taskhelm::SharedState s;
  s.ModelCode = kModels[data[0] % std::size(kModels)];
  s.DeviceId = (data[0] & 0x80) ? 50 : s.ModelCode;
  auto table = (data[0] & 0x40) ? taskhelm::TokenTable::Plot : taskhelm::TokenTable::SendCutFiles;

  std::FILE* file = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
  std::string line = file ? taskhelm::ReadFirstLine(file) : std::string();
  if (file) std::fclose(file);
  taskhelm::StoreSettingTokens(s, line, table, [] {});

  std::string written = taskhelm::SettingsFileLine(s);
  if (written == "\r\n") return 0;
  taskhelm::SharedState again = s;
  taskhelm::StoreSettingTokens(again, Tokens(written), table, [] { std::abort(); });
  if (taskhelm::SettingsFileLine(again) != written) std::abort();
  return 0;
}
