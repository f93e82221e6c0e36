#pragma once
// The simulated device on a pseudo-terminal: the program opens the slave side as its serial port
// (RENDIX_COM<n>) or as its parallel port (PARLINK_LPT<n>), the device answers on the master side.
// The master stays open for the device's whole life, so the program may close and reopen the
// slave as often as it likes; while no slave is open the device waits without spinning.
// Serve runs on the caller's thread (devicesim) or, through Start/Stop, on a thread of its own
// (end-to-end tests).
#include <termios.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "sim/Device.h"
#include "sim/Wire.h"

namespace sim {

struct PtyOptions {
  int baud = 9600;       // 0: no transmission time
  std::string linkPath;  // when set: a symbolic link to the slave, removed again at the end
};

class PtyDevice {
 public:
  explicit PtyDevice(Device& device, PtyOptions options = {});
  ~PtyDevice();
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  // Opens the pty in raw mode and makes the link; false with Error() on failure.
  bool Open();
  const std::string& SlavePath() const { return slavePath_; }
  const std::string& Error() const { return error_; }
  // The line's settings as the program set them on the slave side, read through the master.
  bool LineSettings(termios& settings) const;

  // Serves the device until a stop is requested.
  void Serve();
  // Both are safe to call from a signal handler.
  void RequestStop();
  void RequestEchoToggle();  // the operator's panel key sequence for echo mode, and back

  // Serve on a background thread (opening the pty first when needed); Stop ends and joins it.
  bool Start();
  void Stop();

  // Runs fn with the device while the server leaves it alone (set faults, look at the state).
  void WithDevice(const std::function<void(Device&)>& fn);

 private:
  void ServeOnce();
  bool ReadMaster(int64_t nowUs);  // false once the slave has gone
  void WriteMaster();
  void Disconnected();
  void HandleWake();
  void CloseAll();

  Device& device_;
  PtyOptions options_;
  std::mutex mutex_;  // guards device_ and link_
  Link link_;
  int master_ = -1;
  int wake_[2] = {-1, -1};
  std::string slavePath_;
  std::string error_;
  bool linkMade_ = false;
  bool connected_ = false;  // a slave has the line open
  std::string pendingOut_;  // replies the slave has not taken yet
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace sim
