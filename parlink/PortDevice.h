#pragma once
// The operating-system side of the library: an exclusively opened port device and reads and
// writes bounded by its time-out record. Each call reports the errno that ended it through err
// (0 when it completed, ETIMEDOUT when a time-out ended it).
#include <cstdint>

namespace parlink {

// Milliseconds, kept unsigned 32-bit like the OS record they stand for.
struct Timeouts {
  uint32_t readInterval = 0;
  uint32_t readMultiplier = 0;
  uint32_t readConstant = 0;
  uint32_t writeMultiplier = 0;
  uint32_t writeConstant = 0;
};

struct QueueCounts {
  int32_t input = 0;
  int32_t output = 0;
};

// Opens path for reading and writing, held by no one else: a lock that every opener takes, and a
// tty also made exclusive and raw. The descriptor, or -1.
int OpenExclusive(const char* path, int& err);

// Gives up the exclusivity and closes; false when the close reported an error.
bool CloseDevice(int fd, int& err);

// Reads up to capacity bytes, waiting at most readMultiplier * capacity + readConstant ms in all
// (both 0: only what is already there) and, once bytes came, at most readInterval for the next one
// (0: no limit between bytes). The count (0 with ETIMEDOUT when none came), or -1 when the device
// failed before any byte came.
int32_t ReadBounded(int fd, char* buf, int32_t capacity, const Timeouts& t, int& err);

// Writes length bytes within writeMultiplier * length + writeConstant ms (both 0: no limit). The
// count written, short when a time-out or a device error ended it, or -1 when the device failed
// before any byte went out.
int32_t WriteBounded(int fd, const char* data, int32_t length, const Timeouts& t, int& err);

// The input and output queue counts; false when the device cannot tell.
bool QueryQueues(int fd, QueueCounts& counts, int& err);

// Lets ms milliseconds pass.
void Nap(int ms);

// An errno value as the program's error number: 0 none, 5 busy or denied, 21 device not ready,
// 1121 time-out, 87 bad argument, 31 anything else.
int32_t MapOsError(int err);

}  // namespace parlink
