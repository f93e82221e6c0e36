#include "sim/PtyDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace sim {

namespace {

// How often to look whether a slave has opened the line again; poll cannot wait for that.
constexpr int kReconnectPollMs = 20;
// The device's receive FIFO: the rest waits in the pty, so a fast writer feels the line's speed.
constexpr size_t kInputFifo = 64;
constexpr size_t kInstantInput = 4096;
constexpr size_t kOutputLimit = 65536;
constexpr char kWakeStop = 's';
constexpr char kWakeEcho = 'e';

int64_t SteadyUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  tcsetattr(fd, TCSANOW, &t);
}

}  // namespace

PtyDevice::PtyDevice(Device& device, PtyOptions options)
    : device_(device), options_(std::move(options)), link_(device, options_.baud) {}

PtyDevice::~PtyDevice() {
  Stop();
  CloseAll();
}

bool PtyDevice::Open() {
  if (master_ >= 0) return true;
  if (pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) {
    error_ = Errno("pipe");
    return false;
  }
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  char name[128];
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
      ptsname_r(master_, name, sizeof name) != 0) {
    error_ = Errno("pseudo-terminal");
    CloseAll();
    return false;
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  MakeRaw(master_);  // the slave's settings, kept while the master is open
  slavePath_ = name;

  if (!options_.linkPath.empty()) {
    struct stat st {};
    // Replace a link left behind by an earlier run, never a file of someone else.
    if (lstat(options_.linkPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) unlink(options_.linkPath.c_str());
    if (symlink(slavePath_.c_str(), options_.linkPath.c_str()) != 0) {
      error_ = Errno(("link " + options_.linkPath).c_str());
      CloseAll();
      return false;
    }
    linkMade_ = true;
  }
  return true;
}

void PtyDevice::CloseAll() {
  if (linkMade_) {
    char target[256];
    ssize_t n = readlink(options_.linkPath.c_str(), target, sizeof target - 1);
    if (n >= 0 && std::string(target, static_cast<size_t>(n)) == slavePath_) unlink(options_.linkPath.c_str());
    linkMade_ = false;
  }
  for (int* fd : {&master_, &wake_[0], &wake_[1]}) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
  }
}

void PtyDevice::RequestStop() {
  stop_ = true;
  if (wake_[1] >= 0) (void)!write(wake_[1], &kWakeStop, 1);
}

void PtyDevice::RequestEchoToggle() {
  if (wake_[1] >= 0) (void)!write(wake_[1], &kWakeEcho, 1);
}

bool PtyDevice::Start() {
  if (thread_.joinable()) return true;
  if (!Open()) return false;
  stop_ = false;
  thread_ = std::thread([this] { Serve(); });
  return true;
}

void PtyDevice::Stop() {
  if (!thread_.joinable()) return;
  RequestStop();
  thread_.join();
}

bool PtyDevice::LineSettings(termios& settings) const {
  return master_ >= 0 && tcgetattr(master_, &settings) == 0;
}

void PtyDevice::WithDevice(const std::function<void(Device&)>& fn) {
  std::lock_guard<std::mutex> lock(mutex_);
  fn(device_);
}

void PtyDevice::Serve() {
  if (master_ < 0) return;
  connected_ = true;  // the first poll tells whether a slave is there
  while (!stop_) ServeOnce();
}

void PtyDevice::ServeOnce() {
  int64_t nowUs = SteadyUs();
  int64_t nextUs;
  size_t room;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    link_.Advance(nowUs);
    std::string out = link_.FromDevice().Take(nowUs);
    if (connected_) pendingOut_ += out;  // with no slave, the bytes fall off the line
    // A slave that never reads loses what overflows, as a real line would.
    if (pendingOut_.size() > kOutputLimit) pendingOut_.erase(0, pendingOut_.size() - kOutputLimit);
    nextUs = link_.NextEventUs();
    size_t fifo = options_.baud > 0 ? kInputFifo : kInstantInput;
    size_t pending = link_.ToDevice().Pending();
    room = pending < fifo ? fifo - pending : 0;
  }
  if (connected_ && !pendingOut_.empty()) WriteMaster();

  int timeoutMs = -1;
  if (nextUs >= 0) timeoutMs = static_cast<int>(std::max<int64_t>(0, (nextUs - nowUs + 999) / 1000));
  pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master_, 0, 0}};
  if (connected_) {
    fds[1].events = static_cast<short>((room > 0 ? POLLIN : 0) | (pendingOut_.empty() ? 0 : POLLOUT));
  } else {
    fds[1].fd = -1;  // a master without a slave reports a hang-up at once, for ever
    timeoutMs = timeoutMs < 0 ? kReconnectPollMs : std::min(timeoutMs, kReconnectPollMs);
  }
  if (poll(fds, 2, timeoutMs) < 0 && errno != EINTR) {
    error_ = Errno("poll");
    stop_ = true;
    return;
  }
  if (fds[0].revents & POLLIN) HandleWake();

  if (!connected_) {
    // Look again whether a slave is there now.
    pollfd probe{master_, POLLIN, 0};
    if (poll(&probe, 1, 0) >= 0 && !(probe.revents & POLLHUP)) {
      connected_ = true;
      MakeRaw(master_);
    } else if (probe.revents & POLLIN) {
      ReadMaster(SteadyUs());  // what the last slave wrote before it closed
    }
    return;
  }
  short revents = fds[1].revents;
  if ((revents & POLLIN) ? !ReadMaster(SteadyUs()) : (revents & (POLLHUP | POLLERR)) != 0) Disconnected();
}

bool PtyDevice::ReadMaster(int64_t nowUs) {
  size_t fifo = options_.baud > 0 ? kInputFifo : kInstantInput;
  char buffer[kInstantInput];
  std::lock_guard<std::mutex> lock(mutex_);
  size_t pending = link_.ToDevice().Pending();
  if (pending >= fifo) return true;
  ssize_t n = read(master_, buffer, fifo - pending);
  if (n > 0) link_.ToDevice().Put(std::string_view(buffer, static_cast<size_t>(n)), nowUs);
  // EIO: the last slave has closed the line.
  return n > 0 || (n < 0 && (errno == EAGAIN || errno == EINTR));
}

void PtyDevice::WriteMaster() {
  ssize_t n = write(master_, pendingOut_.data(), pendingOut_.size());
  if (n > 0) pendingOut_.erase(0, static_cast<size_t>(n));
  else if (n < 0 && errno != EAGAIN && errno != EINTR) Disconnected();
}

void PtyDevice::Disconnected() {
  std::lock_guard<std::mutex> lock(mutex_);
  connected_ = false;
  // Bytes already sent still reach the device; its answers have no one to go to.
  link_.FromDevice().Clear();
  pendingOut_.clear();
}

void PtyDevice::HandleWake() {
  char c;
  while (read(wake_[0], &c, 1) == 1) {
    if (c == kWakeStop) stop_ = true;
    if (c == kWakeEcho) {
      std::lock_guard<std::mutex> lock(mutex_);
      device_.SetMode(device_.Mode() == ReceiveMode::Echo ? ReceiveMode::Commands : ReceiveMode::Echo);
    }
  }
}

}  // namespace sim
