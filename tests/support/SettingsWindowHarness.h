#pragma once
// A program started on a device with a settings window: connected to the simulated device as
// start-up connects, with the model's window shown as start-up shows it. The twins' tests build
// on it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"
#include "tests/support/AppFixture.h"

namespace testing_support {

inline AppOptions StartedOn(int model, std::optional<int> id = {},
                            texts::Edition edition = texts::Edition::English) {
  AppOptions o;
  o.model = model;
  o.deviceId = id;
  o.edition = edition;
  o.line.baud = 0;  // no transmission time: the waits alone move the clock
  return o;
}

struct SettingsWindowHarness {
  explicit SettingsWindowHarness(AppOptions options, bool metric = false) : f(options) {
    f.s.MetricUnits = metric;
    f.s.DeviceId = static_cast<int16_t>(f.device.Id());  // start-up has identified the device
    EXPECT_TRUE(taskhelm::ConnectDevice(f.app, true));
    f.host.Run([&] { taskhelm::ShowModelWindow(f.app); });
    f.host.boxes.clear();
    f.device.ClearReceived();
  }

  // The operator types into a box and leaves it for the hint line.
  void Type(forms::TextBox& box, const std::string& text) {
    box.SetFocus();
    box.SetText(text);
    box.Parent().FindControl("StatusBar")->SetFocus();
  }

  // The settings command the device received since the last look ("!HO..." up to its "@").
  std::string SettingsCommandReceived() {
    const std::string& r = f.device.Received();
    size_t start = r.find("!HO");
    if (start == std::string::npos) return {};
    return r.substr(start, r.find('@', start) - start + 1);
  }

  AppFixture f;
};

}  // namespace testing_support
