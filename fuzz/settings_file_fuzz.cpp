// Feeds arbitrary files to the settings-file readers. Whatever they store must lie within the
// model's limits, and must write out as a line
// that the file-sending window's reader (the one that knows every key the writer uses) takes
// without a single unknown token; and once written and read, a line must come back unchanged.
// (Only once: a flag that a file set to an even number writes as 0, so its service loop size
// goes the first time round.)
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "link/SettingLimits.h"
#include "link/SharedState.h"
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
  s.DeviceId = (data[0] & 0x80) ? int16_t{50} : static_cast<int16_t>(s.ModelCode);
  auto table = (data[0] & 0x40) ? taskhelm::TokenTable::Plot : taskhelm::TokenTable::SendCutFiles;
  // A model's profile as start-up sets it (the limits the clamping reads).
  s.ForceLimitLow = 10;
  s.ForceLimitHigh = (data[0] & 0x20) ? 500 : 400;
  s.PanelMaxX = 838000;
  s.PanelMaxY = 72000;
  // Fields a file does not hold keep their values: start from ones within the limits.
  taskhelm::ForEachRule(s.ModelCode, [&s](const taskhelm::SettingRule& rule) {
    taskhelm::Store(s, rule.field, taskhelm::Limited(s, rule, 0));
  });

  std::FILE* file = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
  std::string line = file ? taskhelm::ReadFirstLine(file) : std::string();
  if (file) std::fclose(file);
  taskhelm::StoreSettingTokens(s, line, table, [] {});
  taskhelm::ForEachRule(s.ModelCode, [&s](const taskhelm::SettingRule& rule) {
    const auto value = static_cast<float>(taskhelm::Load(s, rule.field));
    if (taskhelm::Limited(s, rule, value) != value) std::abort();
  });

  std::string written = taskhelm::SettingsFileLine(s);
  if (written == "\r\n") return 0;
  auto readBack = [](taskhelm::SharedState state, const std::string& line) {
    taskhelm::StoreSettingTokens(state, Tokens(line), taskhelm::TokenTable::SendCutFiles,
                                 [] { std::abort(); });
    return taskhelm::SettingsFileLine(state);
  };
  std::string settled = readBack(s, written);
  if (readBack(s, settled) != settled) std::abort();
  return 0;
}
