#include "parlink/PortDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>

namespace parlink {

namespace {

constexpr int64_t kNoDeadline = -1;

int64_t NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// The end of a wait of multiplier * count + constant ms from now. The longest waits the record can
// ask for are held far below the clock's range.
int64_t DeadlineAfter(uint32_t multiplier, int32_t count, uint32_t constant) {
  constexpr int64_t kLongestWaitMs = int64_t{1} << 52;
  int64_t budget = static_cast<int64_t>(multiplier) * count + constant;
  return NowMs() + std::min(budget, kLongestWaitMs);
}

// 1 when fd is ready for events, 0 when the deadline passed first, -1 when poll failed.
int WaitUntil(int fd, short events, int64_t deadline) {
  for (;;) {
    int waitMs = -1;
    bool lastChunk = true;
    if (deadline != kNoDeadline) {
      int64_t left = std::max<int64_t>(deadline - NowMs(), 0);
      lastChunk = left <= INT_MAX;
      waitMs = static_cast<int>(std::min<int64_t>(left, INT_MAX));
    }
    pollfd p{fd, events, 0};
    int r = poll(&p, 1, waitMs);
    if (r > 0) return 1;
    if (r == 0 && lastChunk) return 0;
    if (r < 0 && errno != EINTR) return -1;
  }
}

bool WouldBlock(int err) { return err == EAGAIN || err == EWOULDBLOCK; }

}  // namespace

int OpenExclusive(const char* path, int& err) {
  err = 0;
  int fd = open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    err = errno;
    return -1;
  }
  // Only a device is a port: a mistyped name of a document or a pipe must not be written over.
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
    err = ENODEV;
    close(fd);
    return -1;
  }
  // The lock keeps out every other opener, also the ones that may ignore a tty's exclusive flag.
  bool ok = flock(fd, LOCK_EX | LOCK_NB) == 0;
  bool exclusiveTty = false;
  if (ok && isatty(fd)) {
    exclusiveTty = ok = ioctl(fd, TIOCEXCL) == 0;
    termios tio{};
    ok = ok && tcgetattr(fd, &tio) == 0;
    if (ok) {
      // Bytes pass unchanged both ways; a port adapter has no modem lines to wait for.
      cfmakeraw(&tio);
      tio.c_cflag |= CREAD | CLOCAL;
      tio.c_cc[VMIN] = 0;
      tio.c_cc[VTIME] = 0;
      ok = tcsetattr(fd, TCSANOW, &tio) == 0;
    }
  }
  if (!ok) {
    err = errno;
    if (exclusiveTty) ioctl(fd, TIOCNXCL);
    close(fd);
    return -1;
  }
  return fd;
}

bool CloseDevice(int fd, int& err) {
  err = 0;
  // The flag stays on the tty after the close; the next opener must not find it set.
  if (isatty(fd)) ioctl(fd, TIOCNXCL);
  if (close(fd) == 0) return true;
  err = errno;
  return false;
}

int32_t ReadBounded(int fd, char* buf, int32_t capacity, const Timeouts& t, int& err) {
  err = 0;
  const int64_t deadline = DeadlineAfter(t.readMultiplier, capacity, t.readConstant);
  int32_t n = 0;
  int64_t lastByteAt = 0;
  while (n < capacity) {
    int64_t limit = deadline;
    // A read interval of 0 sets no limit between bytes: only the total one counts.
    if (n > 0 && t.readInterval != 0)
      limit = std::min<int64_t>(limit, lastByteAt + t.readInterval);
    int ready = WaitUntil(fd, POLLIN, limit);
    if (ready < 0) {
      err = errno;
      break;
    }
    if (ready == 0) break;
    ssize_t got = read(fd, buf + n, static_cast<size_t>(capacity - n));
    if (got > 0) {
      n += static_cast<int32_t>(got);
      lastByteAt = NowMs();
      continue;
    }
    if (got == 0) break;  // end of file: nothing more will come
    if (errno == EINTR) continue;
    if (WouldBlock(errno)) {
      // A device that reports itself ready without data: look again shortly, within the limit.
      if (NowMs() >= limit) break;
      Nap(1);
      continue;
    }
    err = errno;
    break;
  }
  if (n == 0 && err == 0) err = ETIMEDOUT;
  return (n == 0 && err != ETIMEDOUT) ? -1 : n;
}

int32_t WriteBounded(int fd, const char* data, int32_t length, const Timeouts& t, int& err) {
  err = 0;
  const bool limited = t.writeMultiplier != 0 || t.writeConstant != 0;
  const int64_t deadline =
      limited ? DeadlineAfter(t.writeMultiplier, length, t.writeConstant) : kNoDeadline;
  int32_t done = 0;
  while (done < length) {
    int ready = WaitUntil(fd, POLLOUT, deadline);
    if (ready < 0) {
      err = errno;
      break;
    }
    if (ready == 0) {
      err = ETIMEDOUT;
      break;
    }
    ssize_t put = write(fd, data + done, static_cast<size_t>(length - done));
    if (put > 0) {
      done += static_cast<int32_t>(put);
      continue;
    }
    if (put < 0 && errno == EINTR) continue;
    if (put == 0 || WouldBlock(errno)) {
      if (deadline != kNoDeadline && NowMs() >= deadline) {
        err = ETIMEDOUT;
        break;
      }
      Nap(1);
      continue;
    }
    err = errno;
    break;
  }
  return (done == 0 && err != 0 && err != ETIMEDOUT) ? -1 : done;
}

bool QueryQueues(int fd, QueueCounts& counts, int& err) {
  err = 0;
  int input = 0;
  int output = 0;
  if (ioctl(fd, FIONREAD, &input) != 0 || ioctl(fd, TIOCOUTQ, &output) != 0) {
    err = errno;
    return false;
  }
  counts.input = input;
  counts.output = output;
  return true;
}

void Nap(int ms) {
  timespec left{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

int32_t MapOsError(int err) {
  switch (err) {
    case 0: return 0;
    case EBUSY:
    case EACCES:
    case EPERM:
    case EWOULDBLOCK: return 5;
    case ENXIO:
    case ENODEV:
    case ENOENT:
    case EIO:
    case ENOSPC:  // a printer port out of paper
      return 21;
    case ETIMEDOUT: return 1121;
    case EINVAL:
    case EFAULT: return 87;
    default: return 31;
  }
}

}  // namespace parlink
