// Every menu of the settings windows in the Spanish edition: no two items of one menu share an
// access key, whatever the model shows.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "tests/support/SettingsWindowHarness.h"

namespace cutter_tests {
namespace {

using testing_support::SettingsWindowHarness;
using testing_support::StartedOn;

// The character after the "&" of a caption, lower case; "" without one ("&&" is a plain "&").
std::string AccessKey(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    if (c < 0x80) return std::string(1, static_cast<char>(std::tolower(c)));
    size_t length = 1;  // the whole UTF-8 character
    while (i + 1 + length < caption.size() &&
           (static_cast<unsigned char>(caption[i + 1 + length]) & 0xC0) == 0x80)
      ++length;
    return caption.substr(i + 1, length);
  }
  return {};
}

void ExpectOwnKeys(const std::vector<forms::MenuItem*>& items, const std::string& menu) {
  std::map<std::string, std::string> taken;  // key -> caption that has it
  for (const forms::MenuItem* item : items) {
    const std::string key = AccessKey(item->Caption());
    if (key.empty()) continue;
    const auto [it, fresh] = taken.emplace(key, item->Caption());
    EXPECT_TRUE(fresh) << menu << ": \"" << item->Caption() << "\" and \"" << it->second
                       << "\" share the key " << key;
  }
}

TEST(SpanishMenus, NoTwoItemsOfAMenuShareAnAccessKey) {
  struct Device {
    int model;
    std::optional<int> id;
  };
  // Every model, the 32's tangential-knife variant with its own items, and the 530Q (id 47).
  const Device devices[] = {{32, {}}, {32, 50}, {33, {}}, {34, {}}, {35, {}}, {36, {}},
                            {39, {}}, {40, {}}, {41, {}}, {42, {}}, {36, 47}};
  for (const Device& d : devices) {
    SCOPED_TRACE(d.model);
    SettingsWindowHarness h(StartedOn(d.model, d.id, texts::Edition::Spanish));
    forms::Form* window = h.f.host.activeForm;
    ASSERT_NE(window, nullptr);
    ExpectOwnKeys(window->MenuBar(), window->Name() + " menu bar");
    for (const forms::MenuItem* item : window->AllMenuItems())
      if (!item->Children().empty()) ExpectOwnKeys(item->Children(), item->Caption());
  }
}

}  // namespace
}  // namespace cutter_tests
