#include "startup/DataFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace taskhelm {

namespace {

constexpr int16_t kMaxFileNumber = 511;
constexpr int kMaxLinkHops = 40;  // as the system resolves a path; a longer chain is a loop

// The file a write replaces: the path, or the file its link names. A link is written through even
// when its file is not there yet, so the write creates that file and the link keeps working.
std::string WriteTarget(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path p = path;
  for (int hops = 0; hops < kMaxLinkHops && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  const fs::path resolved = fs::weakly_canonical(p, ec);
  return ec ? p.string() : resolved.string();
}

}  // namespace

DataFiles::~DataFiles() {
  for (auto& [number, file] : files_) {
    if (file.stream) std::fclose(file.stream);
    if (!file.tempPath.empty()) std::remove(file.tempPath.c_str());
  }
}

int16_t DataFiles::OpenDataFile(const std::string& path, int16_t mode) {
  if ((mode != 1 && mode != 2) || path.empty()) return 0;
  int16_t number = 1;
  while (files_.count(number) && number <= kMaxFileNumber) ++number;
  if (number > kMaxFileNumber) return 0;
  OpenFile file;
  file.path = path;
  if (mode == 1) {
    // A link is written through to the file it names, so the link survives the rename.
    file.target = WriteTarget(path);
    struct stat old {};
    bool exists = ::stat(file.target.c_str(), &old) == 0;
    // The rename would replace whatever the name stands for: only a regular file may be replaced.
    if (exists && !S_ISREG(old.st_mode)) return 0;
    // A file the user may not write stays as it is, as an in-place write would have failed.
    if (exists && ::access(file.target.c_str(), W_OK) != 0) return 0;
    file.tempPath = file.target + ".tmp" + std::to_string(::getpid());
    file.stream = std::fopen(file.tempPath.c_str(), "wb");
    if (file.stream && exists) ::fchmod(::fileno(file.stream), old.st_mode & 07777);
  } else {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return 0;
    file.stream = std::fopen(path.c_str(), "rb");
  }
  if (!file.stream) return 0;
  files_.emplace(number, std::move(file));
  return number;
}

std::FILE* DataFiles::Stream(int16_t fileNumber) const {
  auto it = files_.find(fileNumber);
  return it == files_.end() ? nullptr : it->second.stream;
}

const std::string& DataFiles::Path(int16_t fileNumber) const {
  static const std::string none;
  auto it = files_.find(fileNumber);
  return it == files_.end() ? none : it->second.path;
}

bool DataFiles::Close(int16_t fileNumber) {
  auto it = files_.find(fileNumber);
  if (it == files_.end()) return false;
  OpenFile file = std::move(it->second);
  files_.erase(it);
  bool ok = std::ferror(file.stream) == 0;
  // The new text reaches the disk before it replaces the old, so a power loss leaves one of them.
  if (!file.tempPath.empty())
    ok = std::fflush(file.stream) == 0 && ::fsync(::fileno(file.stream)) == 0 && ok;
  ok = std::fclose(file.stream) == 0 && ok;
  if (file.tempPath.empty()) return ok;
  // Only a completely written file replaces the old one, and only where the target is still a
  // regular file or absent (it may have been swapped for something else while we wrote).
  struct stat now {};
  if (::lstat(file.target.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) ok = false;
  if (ok && std::rename(file.tempPath.c_str(), file.target.c_str()) == 0) return true;
  std::remove(file.tempPath.c_str());
  return false;
}

}  // namespace taskhelm
