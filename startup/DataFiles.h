#pragma once
// Numbered data files, as the windows hand them to each other (OpenDataFile's file numbers).
// A file opened for writing is written beside its target and renamed into place on close, so a
// failure never leaves a half-written file behind.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace taskhelm {

class DataFiles {
 public:
  DataFiles() = default;
  ~DataFiles();
  DataFiles(const DataFiles&) = delete;
  DataFiles& operator=(const DataFiles&) = delete;

  // Mode 1 writes text (created or truncated), mode 2 reads bytes from the first. Returns the file
  // number, 0 when the open fails or the mode is neither. A write goes only where the target (or
  // the file its link names) is a regular file or does not exist: a device, a FIFO or a folder
  // stays as it is.
  int16_t OpenDataFile(const std::string& path, int16_t mode);
  // The open stream of a file number, or nullptr.
  std::FILE* Stream(int16_t fileNumber) const;
  const std::string& Path(int16_t fileNumber) const;
  // Closes; a written file replaces its target only now. False when the write or rename failed
  // (the target is then left as it was).
  bool Close(int16_t fileNumber);

 private:
  struct OpenFile {
    std::FILE* stream = nullptr;
    std::string path;
    std::string target;    // the file a write replaces: the path, or the file its link names
    std::string tempPath;  // empty for files opened for reading
  };
  std::map<int16_t, OpenFile> files_;
};

}  // namespace taskhelm
