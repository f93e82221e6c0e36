// The parallel path of the port layer, over the parallel-port library.
#include <algorithm>
#include <array>

#include "forms/Host.h"
#include "link/LinkContext.h"
#include "link/PortLayer.h"

namespace taskhelm {

namespace {

// The five time-outs of each preset: read interval, read total multiplier, read total constant,
// write total multiplier, write total constant (ms).
constexpr std::array<std::array<long, 5>, 4> kLptTimeoutPresets{{
    {1, 1, 1, 0, 0},       // streaming a file
    {1, 255, 10, 10, 255}, // ordinary commands
    {1, 120, 10, 10, 255}, // firmware and servo traffic
    {1, 2, 2, 50, 255},
}};

constexpr int32_t kWriteRetryWindowMs = 20000;
constexpr long kLibraryReadChunk = 127;  // data bytes of the library's receive buffer
constexpr int kReplyPollMs = 5;          // longest wait between two looks at the input queue

// The lines added to parallel-port messages for the errors the operator can do something about.
std::string ErrorCodeAddition(LinkContext& app, int errorCode) {
  switch (errorCode) {
    case 5:
      return "\r\n" + app.T("Access denied by Windows. ") + "\r\n" +
             app.T("Ensure No Other Program is using the port. ");
    case 21: return "\r\n" + app.T(" ( LPT Port is not ready ) ");
    case 1121: return "\r\n" + app.T(" ( Time out period expired ) ");
    default: return {};
  }
}

// Why the parallel-port library could not be used, worded in the edition's language.
std::string LibraryFailure(LinkContext& app, const platform::ParlinkLoadError& error) {
  const std::string library = app.T("The parallel-port library ") + error.library;
  if (error.kind == platform::ParlinkLoadError::Kind::LacksFunction)
    return library + app.T(" lacks the function ") + error.detail + ".";
  std::string text = library + app.T(" could not be loaded");
  if (!error.named)
    text += app.T(" (looked in ") + error.searched + app.T("the library search path)");
  return text + ": " + error.detail;
}

}  // namespace

void PortLayer::ReportMissingLibrary(const std::string& lptName) {
  app_.MsgBox(
      app_.T("Could not open ") + lptName + "\r\n" + LibraryFailure(app_, app_.parlink.Error()),
      forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app_.T("ERROR"));
}

bool PortLayer::OpenLptPort(const std::string& lptName) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  if (s.LptOpenResult != 0) return true;
  if (!app_.parlink.EnsureLoaded()) {
    ReportMissingLibrary(lptName);
    return false;
  }
  s.LptOpenResult = app_.parlink.OpenLPT(s.LptNumber);
  int lastError = app_.parlink.LastError();
  if (s.LptOpenResult > 0) {
    int preset = s.SendingFile ? 0 : (s.FlashMode ? 2 : 1);
    if (!SetLptTimeouts(preset))
      app_.MsgBox(app_.T("Failed to set LPT timeouts!"), forms::MsgButtons::OK,
                  forms::MsgIcon::Exclamation, app_.T("ERROR"));
    else
      app_.host.DoEvents();
    return true;
  }
  app_.MsgBox(app_.T("Could not open ") + lptName + ErrorCodeAddition(app_, lastError),
              forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app_.T("ERROR"));
  s.LptOpenResult = 0;
  return false;
}

bool PortLayer::SetLptTimeouts(int preset) {
  const auto use = UseDevice();
  if (preset < 0 || preset >= static_cast<int>(kLptTimeoutPresets.size())) return false;
  const auto& t = kLptTimeoutPresets[static_cast<size_t>(preset)];
  if (app_.parlink.SetLPTto(t[0], t[1], t[2], t[3], t[4]) == 0) return false;
  lptPreset_ = preset;
  return true;
}

// The library's read blocks until the reply's first byte or its own time-out, with no window
// event let through: a motor stop pressed meanwhile would go out only afterwards. So the wait
// happens here, pumping, until the input queue holds a byte; the read then finds it at once.
// False when the library's read time-out passed with nothing in. A port that cannot tell its
// queue is left to the library's wait.
bool PortLayer::AwaitLptReply() {
  const auto& t = kLptTimeoutPresets[static_cast<size_t>(lptPreset_)];
  const int64_t limitMs = t[1] * kLibraryReadChunk + t[2];
  const int64_t start = app_.clock.NowMs();
  for (;;) {
    if (app_.parlink.BytesInBuffer(1) != 0) return true;
    if (app_.clock.NowMs() - start >= limitMs) return false;
    app_.host.WaitEvents(kReplyPollMs);
  }
}

void PortLayer::CloseLptPort() {
  const auto use = UseDevice();
  if (app_.s.LptOpenResult != 0 && app_.parlink.EnsureLoaded()) app_.parlink.CloseLPT();
  app_.s.LptOpenResult = 0;
}

bool PortLayer::WriteLpt(const std::string& data) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  platform::Parlink& lib = app_.parlink;
  std::string rest = data;
  s.LptWriteResult = 0;
  if (!lib.EnsureLoaded()) {
    ReportMissingLibrary(s.LptPortName);
    return false;
  }
  auto write = [&] {
    s.LptWriteResult = static_cast<int32_t>(lib.WriteLPT(rest.data(), static_cast<long>(rest.size())));
    Delay(0);
    return lib.LastError();
  };
  int lastError = write();
  if (s.LptWriteResult >= static_cast<int32_t>(rest.size())) return true;
  if (s.LptWriteResult >= 0) rest.erase(0, static_cast<size_t>(s.LptWriteResult));
  if (s.LptWriteResult == -2) {  // the port was not open: reopen it for the next write
    CloseLptPort();
    OpenLptPort(s.LptPortName);
  }

  int64_t progressAt = app_.clock.NowMs();
  while (!rest.empty() && s.SendingFile && app_.clock.NowMs() - progressAt < kWriteRetryWindowMs) {
    lastError = write();
    if (s.LptWriteResult >= static_cast<int32_t>(rest.size())) return true;
    if (s.LptWriteResult > 0) {
      rest.erase(0, static_cast<size_t>(s.LptWriteResult));
      progressAt = app_.clock.NowMs();
    }
    if (s.AbortRequested) return true;
    Delay(0);
  }

  // This wording is used for every model.
  std::string text = app_.T("Green light Not ON or Cutter Not Connected to ") + s.LptPortName +
                     ErrorCodeAddition(app_, lastError);
  CloseLptPort();
  app_.MsgBox(text, forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app_.T("ERROR"));
  return false;
}

// One library read takes at most a full receive buffer; a reply longer than that (the settings
// dump asks for 256 bytes) is read on while every read comes back full, so it is not cut short.
// A full read that ends with the reply's carriage return is the whole reply: reading on would
// only wait out the read time-out.
long PortLayer::ReadLptReply(int32_t count) {
  SharedState& s = app_.s;
  // What ran during the wait may have used the buffer.
  s.LptBuffer.assign(count > 0 ? static_cast<size_t>(count) : 0, '\0');
  if (count > 0 && !AwaitLptReply()) return -count;
  long n = app_.parlink.ReadLPT(s.LptBuffer.data(), count);
  long total = n;
  while (n == kLibraryReadChunk && total < count &&
         s.LptBuffer[static_cast<size_t>(total) - 1] != '\r') {
    n = app_.parlink.ReadLPT(s.LptBuffer.data() + total, count - total);
    if (n <= 0) break;
    total += std::min<long>(n, count - total);
  }
  return total;
}

bool PortLayer::LptQuery(const std::string& cmd, std::string& reply, int32_t count) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  // The reply buffer is sized by the read, after the write and the pause.
  if (s.LptOpenResult == 0 && !OpenLptPort(s.LptPortName)) return false;
  if (!WriteLpt(cmd)) return false;
  Delay(s.FlashMode ? 1 : 100);
  long n = ReadLptReply(count);
  if (s.LptBuffer.empty() || s.LptBuffer.back() != '\r') s.LptBuffer += '\r';
  if (n > 0) {
    reply = s.LptBuffer;
    return true;
  }
  return false;
}

int32_t PortLayer::ReadLpt(std::string& reply, int32_t count) {
  const auto use = UseDevice();
  SharedState& s = app_.s;
  s.LptBuffer.assign(count > 0 ? static_cast<size_t>(count) : 0, '\0');
  long n = 0;
  if (s.LptOpenResult != 0) n = app_.parlink.ReadLPT(s.LptBuffer.data(), count);
  if (n == 0) return -1;
  if (s.LptBuffer.empty() || s.LptBuffer.back() != '\r') s.LptBuffer += '\r';
  reply = s.LptBuffer;
  return static_cast<int32_t>(n);
}

}  // namespace taskhelm
