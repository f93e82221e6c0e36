#pragma once
// A pseudo-terminal standing in for the device on a parallel port: the library opens the slave
// (through PARLINK_LPT<n>), the test talks through the master. Also a scoped environment variable.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace parlinktest {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class PtyDevice {
 public:
  PtyDevice() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    if (const char* name = ptsname(master_)) slave_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PtyDevice() {
    if (master_ >= 0) close(master_);
  }
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  bool Ready() const { return !slave_.empty(); }
  const std::string& SlavePath() const { return slave_; }

  // The device sends bytes to the program.
  void Send(std::string_view bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // Up to count bytes the program sent, waiting at most timeoutMs for each piece.
  std::string Receive(size_t count, int timeoutMs = 2000) {
    std::string got;
    while (got.size() < count) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, timeoutMs) <= 0) break;
      char chunk[4096];
      ssize_t n = read(master_, chunk, std::min(sizeof chunk, count - got.size()));
      if (n <= 0) break;
      got.append(chunk, static_cast<size_t>(n));
    }
    return got;
  }

  // Whatever the program sent that is already waiting.
  std::string Pending() { return Receive(SIZE_MAX, 0); }

 private:
  int master_ = -1;
  std::string slave_;
};

}  // namespace parlinktest
