#pragma once
// A parallel-port library stand-in that records its calls and answers from a script, for the
// port layer's own cases (the real library is tested over a pty in tests/parlink).
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Parlink.h"

namespace testing_support {

class FakeParlink : public platform::Parlink {
 public:
  bool EnsureLoaded() override { return loadable; }
  const platform::ParlinkLoadError& Error() const override { return error; }

  // Like a port that cannot tell its queues: a read waits in the library, as scripted.
  long BytesInBuffer(short) override { return -1; }
  long CloseLPT() override {
    ++closeCalls;
    bool wasOpen = open;
    open = false;
    return wasOpen ? 1 : 0;
  }
  short OpenLPT(short port) override {
    ++openCalls;
    openedPort = port;
    open = openResult > 0;
    lastError = open ? 0 : openError;
    return openResult;
  }
  long QueryLPT(const char*, char*, long) override { return -1; }
  long ReadLPT(char* dest, long length) override {
    readLengths.push_back(length);
    if (length <= 0) return -3;
    if (!open) return -2;
    if (replies.empty()) return -length;
    std::string r = replies.front();
    replies.pop_front();
    size_t n = std::min(r.size(), static_cast<size_t>(length));
    std::memcpy(dest, r.data(), n);
    if (n < static_cast<size_t>(length)) dest[n] = '\0';
    return static_cast<long>(r.size());
  }
  short ReturnInt(short value) override { return value; }
  short SetLPTto(long a, long b, long c, long d, long e) override {
    timeouts = {a, b, c, d, e};
    return open && setTimeoutsOk ? 1 : 0;
  }
  long WriteLPT(const char* data, long length) override {
    if (!open) return -2;
    long n = writeLimits.empty() ? length : std::min(length, writeLimits.front());
    if (!writeLimits.empty()) writeLimits.pop_front();
    if (n > 0) written.append(data, static_cast<size_t>(n));
    lastError = n < length ? writeError : 0;
    if (onWrite) onWrite(std::string(data, static_cast<size_t>(length)));
    return n;
  }
  int LastError() override { return lastError; }

  // Script.
  bool loadable = true;
  platform::ParlinkLoadError error{platform::ParlinkLoadError::Kind::NotLoaded, "libparlink.so",
                                   false, "/opt/taskhelm, ",
                                   "libparlink.so: cannot open shared object file"};
  short openResult = 1;
  int openError = 0;
  int writeError = 0;
  bool setTimeoutsOk = true;
  std::deque<long> writeLimits;     // bytes each successive write takes (default: all)
  std::deque<std::string> replies;  // what each read receives
  // Runs on every write, for a test that acts while the exchange it starts is under way.
  std::function<void(const std::string&)> onWrite;

  // Record.
  bool open = false;
  int openCalls = 0, closeCalls = 0;
  short openedPort = 0;
  int lastError = 0;
  std::string written;
  std::vector<long> readLengths;  // what each read asked for
  std::vector<long> timeouts;
};

}  // namespace testing_support
