// The parallel-port library: one port handle, its time-out record and a 128-byte receive buffer,
// shared by every caller in the process. Not safe for simultaneous use from several threads.
#include "parlink/parlink.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "parlink/PortDevice.h"

namespace {

constexpr int kNoPort = -1;
constexpr int32_t kReceiveData = 127;  // data bytes of the receive buffer; a NUL follows them
constexpr int kQueryPauseMs = 100;
constexpr const char* kPortNames[] = {"LPT1", "LPT2", "LPT3", "LPT4"};

struct LibraryState {
  int handle = kNoPort;
  char receiveBuffer[kReceiveData + 1] = {};
  parlink::Timeouts timeouts;
  parlink::QueueCounts status;
  int32_t bytesWritten = 0;
  int32_t bytesRead = 0;
  int lastError = 0;  // errno of the latest call's failure
};

// A fresh load of the library starts with no port open.
LibraryState state;

bool PortOpen() { return state.handle != kNoPort; }

// The device behind LPT<port>: the path in PARLINK_LPT<port>, else /dev/lp<port - 1>.
std::string DevicePath(int port) {
  std::string variable = std::string("PARLINK_") + kPortNames[port - 1];
  const char* configured = std::getenv(variable.c_str());
  if (configured != nullptr && *configured != '\0') return configured;
  return "/dev/lp" + std::to_string(port - 1);
}

}  // namespace

parlink_long BytesInBuffer(parlink_short which) {
  state.lastError = 0;
  if (which < 1 || which > 2) {
    state.lastError = EINVAL;
    return -3;
  }
  if (!PortOpen()) return -2;
  if (!parlink::QueryQueues(state.handle, state.status, state.lastError)) return -1;
  return which == 1 ? state.status.input : state.status.output;
}

parlink_long CloseLPT(void) {
  state.lastError = 0;
  if (!PortOpen()) return 0;
  bool closed = parlink::CloseDevice(state.handle, state.lastError);
  state.handle = kNoPort;
  return closed ? 1 : 0;
}

parlink_short OpenLPT(parlink_short port) {
  state.lastError = 0;
  if (port < 1 || port > 4) {
    state.lastError = EINVAL;
    return 0;
  }
  // One handle at a time: opening over it would lose the open handle, and the port with it.
  if (PortOpen()) {
    state.lastError = EBUSY;
    return -2;
  }
  int fd = parlink::OpenExclusive(DevicePath(port).c_str(), state.lastError);
  if (fd < 0) return -2;
  state.handle = fd;
  // A fresh port's record: reads take what is there, writes wait as long as they need.
  state.timeouts = {};
  return 1;
}

parlink_long QueryLPT(const char* command, char* reply, parlink_long length) {
  // Without a command, or room for the answer, nothing is sent.
  if (command == nullptr || reply == nullptr || length <= 0) {
    state.lastError = EINVAL;
    return -1;
  }
  const size_t k = std::strlen(command);
  const auto sendLength = static_cast<parlink_long>(std::min<size_t>(k, INT32_MAX));
  parlink_long written = WriteLPT(command, sendLength);
  if (written <= 0) return -1;
  parlink::Nap(kQueryPauseMs);
  parlink_long r = ReadLPT(reply, length);
  if (r > 0) return r;
  // The caller may pass one buffer as command and reply.
  std::memmove(reply, command, std::min(k + 1, static_cast<size_t>(length)));
  return -length;
}

parlink_long ReadLPT(char* dest, parlink_long length) {
  state.lastError = 0;
  state.bytesRead = 0;
  if (length <= 0 || dest == nullptr) {
    state.lastError = EINVAL;
    return -3;
  }
  if (!PortOpen()) return -2;
  std::memset(state.receiveBuffer, '$', kReceiveData);
  state.receiveBuffer[kReceiveData] = '\0';
  int32_t n = parlink::ReadBounded(state.handle, state.receiveBuffer, kReceiveData, state.timeouts,
                                   state.lastError);
  if (n < 0) return -1;
  state.bytesRead = n;
  if (n == 0) return -length;
  // The caller's buffer holds length bytes; what did not fit is dropped.
  const int32_t copied = std::min(n, length);
  std::memcpy(dest, state.receiveBuffer, static_cast<size_t>(copied));
  if (copied < length) dest[copied] = '\0';
  return n;
}

parlink_short ReturnInt(parlink_short value) { return value; }

parlink_short SetLPTto(parlink_long readInterval, parlink_long readMultiplier,
                       parlink_long readConstant, parlink_long writeMultiplier,
                       parlink_long writeConstant) {
  state.lastError = 0;
  if (!PortOpen()) return 0;
  // The record holds unsigned values: a negative one is a very long wait, as in the OS record.
  state.timeouts = {static_cast<uint32_t>(readInterval), static_cast<uint32_t>(readMultiplier),
                    static_cast<uint32_t>(readConstant), static_cast<uint32_t>(writeMultiplier),
                    static_cast<uint32_t>(writeConstant)};
  return 1;
}

parlink_long WriteLPT(const char* data, parlink_long length) {
  state.lastError = 0;
  state.bytesWritten = 0;
  if (!PortOpen()) return -2;
  if (length < 0 || (data == nullptr && length > 0)) {
    state.lastError = EINVAL;
    return -1;
  }
  int32_t written =
      parlink::WriteBounded(state.handle, data, length, state.timeouts, state.lastError);
  state.bytesWritten = std::max(written, 0);
  return written;
}

int32_t ParlinkLastError(void) { return parlink::MapOsError(state.lastError); }
