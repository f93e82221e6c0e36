#pragma once
// Names of the cases of value-parameterized tests, stable from build to build and readable, so a
// case can be picked by its name (ctest -R '/Model32$').
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace testing_support {

// Words made one identifier: letters and digits kept, each word begun with a capital, the rest
// dropped ("cutter, loop off" is "CutterLoopOff"); "Empty" when nothing is left.
inline std::string CaseName(std::string_view words) {
  std::string name;
  bool wordStart = true;
  for (const char c : words) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u)) {
      wordStart = true;
      continue;
    }
    name += wordStart ? static_cast<char>(std::toupper(u)) : c;
    wordStart = false;
  }
  return name.empty() ? "Empty" : name;
}

// The name of a case from what its PrintTo prints.
struct PrintedCaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return CaseName(::testing::PrintToString(info.param));
  }
};

}  // namespace testing_support
