#pragma once
// The whole content of a file, as the tests compare it ("" when it cannot be read).
#include <fstream>
#include <sstream>
#include <string>

namespace testing_support {

inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace testing_support
