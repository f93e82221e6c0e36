#pragma once
// The serial line over a POSIX terminal device: COM<n> is /dev/ttyS<n-1>, or the device that the
// environment variable RENDIX_COM<n> names (a USB adapter, a simulator's pty). The output buffer
// and the input buffer are ours; all I/O is non-blocking and happens in Service().
#include <string>
#include <string_view>
#include <vector>

#include "platform/SerialLine.h"

namespace platform {

class PosixSerialLine : public SerialLine {
 public:
  static constexpr int kOutBufferSize = 2048;
  // What is received waits here up to this size; beyond it the driver keeps it (and the flow
  // control holds the device back), so a chattering device cannot keep the program reading.
  static constexpr size_t kInBufferLimit = 65536;

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
  std::vector<LineEvent> TakeEvents() override;

 private:
  bool Fail(const std::string& what, int err);
  void PushOutput();
  void PullInput();
  int KernelOutputCount();

  // The driver's error counters of the line; a line without them (a pty) never reports errors.
  struct ErrorCounts {
    int frame = 0, overrun = 0, bufferOverrun = 0;
  };
  bool ReadErrorCounts(ErrorCounts& counts) const;

  int fd_ = -1;
  bool hungUp_ = false;
  std::string out_;
  std::string in_;
  std::string error_;
  bool countsKnown_ = false;
  ErrorCounts counts_;
  std::vector<LineEvent> events_;
};

}  // namespace platform
