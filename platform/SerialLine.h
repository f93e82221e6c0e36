#pragma once
// The narrow face of a serial line: everything the port layer needs and nothing more.
// Implementations: PosixSerialLine (termios) and the in-process simulated device (sim/).
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Flow control of a line, numbered as the serial control numbers it.
enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsCtsXonXoff = 3 };

// What the line reports besides data: errors of the bytes received and a refused write.
enum class LineEvent { FramingError, ReceiveOverrun, ReceiveOverflow, TransmitBufferFull };

class SerialLine {
 public:
  virtual ~SerialLine() = default;

  // Opens COM<portNumber> at 9600 8N1 with RTS/CTS and DTR on, exclusively. False on failure, with
  // LastError() describing why.
  virtual bool Open(int portNumber) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual const std::string& LastError() const = 0;

  // Output buffer of OutBufferSize bytes; Write puts bytes in it (false, and a
  // TransmitBufferFull event, when they do not fit).
  virtual int OutBufferSize() const = 0;
  virtual int OutBufferCount() = 0;
  virtual bool Write(std::string_view bytes) = 0;
  virtual void ClearOutput() = 0;

  // Input waiting to be read.
  virtual int InBufferCount() = 0;
  virtual std::string ReadAll() = 0;
  virtual void ClearInput() = 0;

  // CTS line; a line without modem status reads as asserted.
  virtual bool Cts() = 0;

  // Flow control and the DTR line until the next Open, which restores RTS/CTS and DTR on. The
  // file senders change them; a line that cannot keeps what it has.
  virtual void SetHandshaking(Handshaking handshaking) = 0;
  virtual void SetDtr(bool on) = 0;

  // Moves queued output to the device and incoming bytes into the input buffer; the host's pump
  // calls it. Returns a descriptor that becomes readable when bytes arrive, or -1.
  virtual void Service() = 0;
  virtual int EventFd() const = 0;

  // The events since the last call (or since Open), oldest first. A line that cannot tell has
  // none.
  virtual std::vector<LineEvent> TakeEvents() { return {}; }
};

}  // namespace platform
