#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::string ProgramFolder() {
  if (const char* home = std::getenv("RENDIX_HOME"); home && *home) return WithoutTrailingSlash(home);
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) return ".";
  return WithoutTrailingSlash(exe.parent_path().string());
}

}  // namespace platform
