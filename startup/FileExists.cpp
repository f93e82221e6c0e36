#include <filesystem>

#include "startup/Main.h"

namespace taskhelm {

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  std::filesystem::path p(path);
  // Hidden files are not searched.
  std::string name = p.filename().string();
  if (!name.empty() && name[0] == '.') return false;
  return std::filesystem::is_regular_file(p, ec) && !ec;
}

}  // namespace taskhelm
