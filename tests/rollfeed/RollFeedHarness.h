#pragma once
// A program started on the roll-feed cutter (model 35), with its window shown as start-up
// shows it.
#include <string>

#include "rollfeed/StoogMoa.h"
#include "sim/DeviceSettings.h"
#include "tests/support/SettingsWindowHarness.h"

namespace rollfeed_tests {

using testing_support::AppOptions;

inline AppOptions RollFeed(texts::Edition edition = texts::Edition::English) {
  return testing_support::StartedOn(35, {}, edition);
}

struct RollFeedHarness : testing_support::SettingsWindowHarness {
  explicit RollFeedHarness(AppOptions options = RollFeed(), bool metric = false)
      : SettingsWindowHarness(options, metric) {}
  taskhelm::StoogMoa& Window() { return f.app.Window<taskhelm::StoogMoa>(); }
  forms::TextBox& Box(const char* name) {
    return static_cast<forms::TextBox&>(*Window().FindControl(name));
  }
  forms::SpinButton& Spin(const char* name) {
    return static_cast<forms::SpinButton&>(*Window().FindControl(name));
  }
  // The device holds these settings and Update Display shows them.
  void ShowRead(int16_t rollFeed, int16_t autoLoop, int32_t panelX) {
    sim::DeviceSettings& d = f.device.Settings();
    d.RollFeedOn = rollFeed;
    d.AutoLoopOn = autoLoop;
    d.PanelSizeX = panelX;
    Window().UpdateDisplay.Press();
  }
  // The repaint after another window read the device.
  void Repaint() {
    f.s.DeviceSettingsRead = true;
    Window().Repaint();
  }
};

}  // namespace rollfeed_tests
