#include "transfer/FileSending.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "startup/App.h"

namespace taskhelm {

namespace {
constexpr int32_t kPieceTimeoutMs = 5000;
}  // namespace

int64_t FileLength(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<int64_t>(size);
}

SendOutcome SendFileSerial(App& app, std::FILE* file, int64_t total,
                           const std::function<void(int percent)>& progress, const bool& paused) {
  SharedState& s = app.s;
  platform::SerialLine& line = app.line;
  s.SendingFile = true;
  // Plot files are text: the device may also pause the stream with XOFF.
  line.SetHandshaking(platform::Handshaking::RtsCtsXonXoff);

  int64_t remaining = total, sent = 0;
  bool failed = false;
  std::string piece;
  while (sent < total && !s.AbortRequested) {
    while (paused) app.host.DoEvents();
    int64_t half = line.OutBufferSize() / 2;
    int64_t size = half <= remaining ? half : remaining;
    sent += size;
    double fraction = static_cast<double>(sent) / static_cast<double>(total);
    // One read per piece: only the piece is ever held, however large the file.
    piece.resize(static_cast<size_t>(size));
    piece.resize(std::fread(piece.data(), 1, piece.size(), file));
    app.host.DoEvents();  // an Abort pressed meanwhile is seen by the writer
    int percent = static_cast<int>(fraction * 100 + 0.5);
    if (!app.port.SendSerial(piece, kPieceTimeoutMs)) {
      app.Beep();
      app.MsgBox(app.T("Error transmitting file"), forms::MsgButtons::OK,
                 forms::MsgIcon::Exclamation, app.T("ERROR"));
      failed = true;
      break;
    }
    progress(percent);
    if (half < remaining) remaining -= half;
  }

  while (line.OutBufferCount() >= 1 && !s.AbortRequested) app.port.Delay(0);
  s.SendingFile = false;
  progress(0);
  if (s.AbortRequested) {
    s.AbortRequested = false;
    app.port.OpenSerialPort(s.PortName);  // drops what is buffered, restores the handshaking
    return SendOutcome::Aborted;
  }
  return failed ? SendOutcome::Failed : SendOutcome::Sent;
}

}  // namespace taskhelm
