#pragma once
// The serial line over a POSIX terminal device: COM<n> is /dev/ttyS<n-1>, or the device that the
// environment variable RENDIX_COM<n> names (a USB adapter, a simulator's pty). The output buffer
// and the input buffer are ours; all I/O is non-blocking and happens in Service().
#include <string>
#include <string_view>

#include "platform/SerialLine.h"

namespace platform {

class PosixSerialLine : public SerialLine {
 public:
  static constexpr int kOutBufferSize = 2048;

  PosixSerialLine() = default;
  ~PosixSerialLine() override;
  PosixSerialLine(const PosixSerialLine&) = delete;
  PosixSerialLine& operator=(const PosixSerialLine&) = delete;

  // The device that COM<portNumber> stands for.
  static std::string DevicePath(int portNumber);

  bool Open(int portNumber) override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  const std::string& LastError() const override { return error_; }

  int OutBufferSize() const override { return kOutBufferSize; }
  int OutBufferCount() override;
  bool Write(std::string_view bytes) override;
  void ClearOutput() override;

  int InBufferCount() override;
  std::string ReadAll() override;
  void ClearInput() override;

  bool Cts() override;
  void SetHandshaking(Handshaking handshaking) override;
  void SetDtr(bool on) override;

  void Service() override;
  // -1 when closed, and once the other end has gone away: a dead line stays readable for ever
  // and would only wake the pump again and again.
  int EventFd() const override { return hungUp_ ? -1 : fd_; }

 private:
  bool Fail(const std::string& what, int err);
  void PushOutput();
  void PullInput();
  int KernelOutputCount();

  int fd_ = -1;
  bool hungUp_ = false;
  std::string out_;
  std::string in_;
  std::string error_;
};

}  // namespace platform
