#include "platform/Regional.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <filesystem>

#include "platform/ProgramFolder.h"
#include "tests/platform/ScopedEnv.h"

namespace {

using Env = std::vector<std::pair<std::string, std::string>>;

struct RegionalCase {
  const char* name;
  Env env;
  int iMeasure;
  char sDecimal;
};

class RegionalSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"LC_ALL", "LC_MEASUREMENT", "LC_NUMERIC", "LANG", "RENDIX_IMEASURE",
                             "RENDIX_SDECIMAL"})
      env_.Set(name, std::nullopt);
  }
  ScopedEnv env_;
};

// Only the C locales may be installed: the territory of a locale's name decides then.
TEST_F(RegionalSettings, ComeFromTheLocaleAndTheOverrides) {
  const std::vector<RegionalCase> cases = {
      {"nothing set", {}, 1, '.'},
      {"C locale", {{"LANG", "C.UTF-8"}}, 1, '.'},
      {"metric country", {{"LC_MEASUREMENT", "de_DE.UTF-8"}}, 0, '.'},
      {"US", {{"LC_MEASUREMENT", "en_US.UTF-8"}}, 1, '.'},
      {"category beats LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MEASUREMENT", "en_US.UTF-8"}}, 1, '.'},
      {"LC_ALL beats category", {{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MEASUREMENT", "en_US.UTF-8"}}, 0, '.'},
      {"measure override", {{"LC_MEASUREMENT", "en_US.UTF-8"}, {"RENDIX_IMEASURE", "0"}}, 0, '.'},
      {"bad measure override ignored", {{"LANG", "en_US"}, {"RENDIX_IMEASURE", "x0"}}, 1, '.'},
      {"separator override", {{"RENDIX_SDECIMAL", ","}}, 1, ','},
      {"empty separator override ignored", {{"RENDIX_SDECIMAL", ""}}, 1, '.'},
  };
  for (const auto& c : cases) {
    ScopedEnv scoped;
    for (const auto& [name, value] : c.env) scoped.Set(name, value);
    const platform::Regional r = platform::ReadRegionalSettings();
    EXPECT_EQ(r.iMeasure, c.iMeasure) << c.name;
    EXPECT_EQ(r.sDecimal, c.sDecimal) << c.name;
  }
}

TEST_F(RegionalSettings, DecimalSeparatorOfAnInstalledLocale) {
  locale_t german = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
  if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  freelocale(german);
  env_.Set("LC_NUMERIC", "de_DE.UTF-8");
  EXPECT_EQ(platform::ReadRegionalSettings().sDecimal, ',');
  EXPECT_STREQ(setlocale(LC_NUMERIC, nullptr), "C");  // the program's own locale is untouched
}

TEST(ProgramFolder, IsTheExecutablesFolderOrRendixHome) {
  ScopedEnv env;
  env.Set("RENDIX_HOME", std::nullopt);
  EXPECT_TRUE(std::filesystem::exists(platform::ProgramFolder() + "/platform_tests"));

  const std::vector<std::pair<std::string, std::string>> homes = {
      {"/tmp/rendix", "/tmp/rendix"}, {"/tmp/rendix//", "/tmp/rendix"}, {"/", "/"}};
  for (const auto& [home, expected] : homes) {
    env.Set("RENDIX_HOME", home);
    EXPECT_EQ(platform::ProgramFolder(), expected) << home;
  }
}

}  // namespace
