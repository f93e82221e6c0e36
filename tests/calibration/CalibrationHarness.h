#pragma once
// A program connected to the simulated device, ready to open the calibration and adjustment
// windows: the settings read, the port open, nothing shown yet.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "startup/ConnectDevice.h"
#include "startup/ModelTable.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/AppFixture.h"

namespace calibration_tests {

using testing_support::AppFixture;
using testing_support::AppOptions;

// The titles of the boxes shown, joined by "|".
inline std::string BoxTitles(const testing_support::TestHost& host) {
  std::string titles;
  for (const auto& box : host.boxes) titles += (titles.empty() ? "" : "|") + box.title;
  return titles;
}

struct Setup {
  int model = 32;
  std::optional<int> id = std::nullopt;
  texts::Edition edition = texts::Edition::English;
  bool metric = false;
  char decimal = '.';
};

struct CalibrationHarness {
  static AppOptions Options(const Setup& setup) {
    AppOptions o;
    o.model = setup.model;
    o.deviceId = setup.id;
    o.edition = setup.edition;
    o.line.baud = 0;  // no transmission time: the waits alone move the clock
    return o;
  }

  explicit CalibrationHarness(const Setup& setup = {}) : f(Options(setup)) {
    f.app.regional.sDecimal = setup.decimal;
    f.s.MetricUnits = setup.metric;
    f.s.DeviceId = static_cast<int16_t>(f.device.Id());
    EXPECT_TRUE(taskhelm::ConnectDevice(f.app, true));
    f.s.DeviceSettingsRead = false;  // the settings window has shown what the connection read
    f.host.boxes.clear();
    f.host.beeps = 0;
    f.device.ClearReceived();
  }

  // Shows window W modal with `operate` as the operator; the virtual milliseconds it took.
  template <class W>
  int64_t Show(const std::function<void(W&)>& operate) {
    const int64_t start = f.host.NowMs();
    setup_tests::ShowModal<W>(f, operate);
    return f.host.NowMs() - start;
  }

  // The operator types into a box and leaves it for another control.
  static void Type(forms::TextBox& box, const std::string& text, forms::Control& next) {
    box.SetFocus();
    box.SetText(text);
    next.SetFocus();
  }

  // Runs an operator action and gives the virtual milliseconds it took.
  int64_t Timed(const std::function<void()>& action) {
    const int64_t start = f.host.NowMs();
    action();
    return f.host.NowMs() - start;
  }

  std::string Received() const { return f.device.Received(); }

  AppFixture f;
};

}  // namespace calibration_tests
