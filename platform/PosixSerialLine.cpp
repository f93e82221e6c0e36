#include "platform/PosixSerialLine.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

std::string PortLabel(int portNumber, const std::string& path) {
  return "COM" + std::to_string(portNumber) + " (" + path + ")";
}

// The line as the device expects it: 9600 baud, 8 data bits, no parity, 1 stop bit, RTS/CTS,
// raw bytes both ways. CLOCAL so that a missing carrier neither blocks nor hangs up the line.
// No software flow control either way, whatever the port's last user or a file send left: raw
// mode keeps IXOFF, and the driver would then send XOFF and XON bytes to the device.
bool SetLineSettings(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
  tio.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (cfsetispeed(&tio, B9600) != 0 || cfsetospeed(&tio, B9600) != 0) return false;
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

PosixSerialLine::~PosixSerialLine() { Close(); }

std::string PosixSerialLine::DevicePath(int portNumber) {
  const std::string name = "RENDIX_COM" + std::to_string(portNumber);
  const char* named = std::getenv(name.c_str());
  if (named && *named) return named;
  return "/dev/ttyS" + std::to_string(portNumber - 1);
}

bool PosixSerialLine::Fail(const std::string& what, int err) {
  error_ = what;
  if (err == EBUSY || err == EWOULDBLOCK) {
    error_ += ": in use by another program";
  } else if (err != 0) {
    error_ += ": ";
    error_ += std::strerror(err);
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  return false;
}

bool PosixSerialLine::Open(int portNumber) {
  Close();
  error_.clear();
  if (portNumber < 1) return Fail("COM" + std::to_string(portNumber) + " is not a serial port", 0);
  const std::string path = DevicePath(portNumber);
  const std::string label = PortLabel(portNumber, path);

  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    const int err = errno;
    return Fail("Could not open " + label, err);
  }
  // flock keeps out every cooperating opener, root included; TIOCEXCL the others that are not root.
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    return Fail("Could not open " + label, err);
  }
  if (!isatty(fd_)) return Fail(label + " is not a serial line", 0);
  ioctl(fd_, TIOCEXCL);
  if (!SetLineSettings(fd_)) {
    const int err = errno;
    return Fail("Could not set the line settings of " + label, err);
  }
  // A pty has no modem lines; raising DTR simply fails there.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ioctl(fd_, TIOCMBIS, &lines);
  tcflush(fd_, TCIOFLUSH);
  countsKnown_ = ReadErrorCounts(counts_);
  return true;
}

bool PosixSerialLine::ReadErrorCounts(ErrorCounts& counts) const {
  serial_icounter_struct icount{};
  if (fd_ < 0 || hungUp_ || ioctl(fd_, TIOCGICOUNT, &icount) != 0) return false;
  counts = {icount.frame, icount.overrun, icount.buf_overrun};
  return true;
}

std::vector<LineEvent> PosixSerialLine::TakeEvents() {
  ErrorCounts now;
  if (countsKnown_ && ReadErrorCounts(now)) {
    if (now.frame != counts_.frame) events_.push_back(LineEvent::FramingError);
    if (now.overrun != counts_.overrun) events_.push_back(LineEvent::ReceiveOverrun);
    if (now.bufferOverrun != counts_.bufferOverrun) events_.push_back(LineEvent::ReceiveOverflow);
    counts_ = now;
  }
  std::vector<LineEvent> taken;
  taken.swap(events_);
  return taken;
}

// RTS/CTS is the termios hardware flow control; XON/XOFF the software one, both ways.
void PosixSerialLine::SetHandshaking(Handshaking handshaking) {
  if (fd_ < 0) return;
  termios tio{};
  if (tcgetattr(fd_, &tio) != 0) return;
  bool rtsCts = handshaking == Handshaking::RtsCts || handshaking == Handshaking::RtsCtsXonXoff;
  bool xonXoff = handshaking == Handshaking::XonXoff || handshaking == Handshaking::RtsCtsXonXoff;
  if (rtsCts)
    tio.c_cflag |= CRTSCTS;
  else
    tio.c_cflag &= ~CRTSCTS;
  if (xonXoff)
    tio.c_iflag |= IXON | IXOFF;
  else
    tio.c_iflag &= ~(IXON | IXOFF);
  tcsetattr(fd_, TCSANOW, &tio);
}

void PosixSerialLine::SetDtr(bool on) {
  if (fd_ < 0) return;
  int lines = TIOCM_DTR;
  ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &lines);  // fails harmlessly on a pty
}

void PosixSerialLine::Close() {
  if (fd_ >= 0) {
    // Output stalled by a low CTS would otherwise hold close() until the driver gives up.
    if (!hungUp_) tcflush(fd_, TCIOFLUSH);
    ioctl(fd_, TIOCNXCL);
    flock(fd_, LOCK_UN);
    ::close(fd_);
  }
  fd_ = -1;
  hungUp_ = false;
  out_.clear();
  in_.clear();
  countsKnown_ = false;
  events_.clear();
}

void PosixSerialLine::PushOutput() {
  while (fd_ >= 0 && !hungUp_ && !out_.empty()) {
    const ssize_t n = ::write(fd_, out_.data(), out_.size());
    if (n > 0) {
      out_.erase(0, static_cast<size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // EAGAIN: the driver is full (or CTS holds it back); anything else: the line is gone.
      if (n < 0 && errno != EAGAIN) hungUp_ = true;
      return;
    }
  }
}

void PosixSerialLine::PullInput() {
  char chunk[4096];
  while (fd_ >= 0 && !hungUp_ && in_.size() < kInBufferLimit) {
    const ssize_t n = ::read(fd_, chunk, std::min(sizeof chunk, kInBufferLimit - in_.size()));
    if (n > 0) {
      in_.append(chunk, static_cast<size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // With VMIN 1 an empty line gives EAGAIN; end of file or an error means the other end
      // closed (a pty's master) or the adapter vanished. The next Open starts afresh.
      if (n == 0 || errno != EAGAIN) hungUp_ = true;
      return;
    }
  }
}

int PosixSerialLine::KernelOutputCount() {
  int queued = 0;
  if (fd_ < 0 || hungUp_ || ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0) return 0;
  return queued;
}

int PosixSerialLine::OutBufferCount() {
  PushOutput();
  return static_cast<int>(out_.size()) + KernelOutputCount();
}

bool PosixSerialLine::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  PushOutput();
  if (out_.size() + bytes.size() > static_cast<size_t>(kOutBufferSize)) {
    events_.push_back(LineEvent::TransmitBufferFull);
    return false;
  }
  out_.append(bytes);
  PushOutput();
  return true;
}

void PosixSerialLine::ClearOutput() {
  out_.clear();
  if (fd_ >= 0 && !hungUp_) tcflush(fd_, TCOFLUSH);
}

int PosixSerialLine::InBufferCount() {
  PullInput();
  return static_cast<int>(in_.size());
}

std::string PosixSerialLine::ReadAll() {
  PullInput();
  std::string taken;
  taken.swap(in_);
  return taken;
}

void PosixSerialLine::ClearInput() {
  in_.clear();
  if (fd_ >= 0 && !hungUp_) tcflush(fd_, TCIFLUSH);
}

bool PosixSerialLine::Cts() {
  if (fd_ < 0 || hungUp_) return false;
  int lines = 0;
  if (ioctl(fd_, TIOCMGET, &lines) != 0) return true;
  return (lines & TIOCM_CTS) != 0;
}

void PosixSerialLine::Service() {
  PushOutput();
  PullInput();
}

}  // namespace platform
