#pragma once
// A simulated device behind a pty that PARLINK_LPT<lpt> names, for the life of the object: the
// real parallel-port library talks to it as to a printer port.
#include <stdlib.h>

#include <string>
#include <utility>

#include "sim/PtyDevice.h"

namespace testing_support {

class LptStandIn {
 public:
  // A parallel port has no serial line speed: the stand-in answers at once.
  LptStandIn(int lpt, int model)
      : device(model),
        pty_(device, sim::PtyOptions{0, ""}),
        variable_("PARLINK_LPT" + std::to_string(lpt)) {
    started_ = pty_.Start();
    setenv(variable_.c_str(), pty_.SlavePath().c_str(), 1);
  }
  ~LptStandIn() {
    pty_.Stop();
    unsetenv(variable_.c_str());
  }
  bool Started() const { return started_; }
  std::string Received() {
    std::string text;
    pty_.WithDevice([&](sim::Device& d) { text = d.Received(); });
    return text;
  }
  template <class F>
  void WithDevice(F&& f) {
    pty_.WithDevice(std::forward<F>(f));
  }

  sim::Device device;  // set up before the first exchange; afterwards only through Received

 private:
  sim::PtyDevice pty_;
  std::string variable_;
  bool started_ = false;
};

}  // namespace testing_support
