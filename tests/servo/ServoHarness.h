#pragma once
// The cutter window of a program connected to the simulated device, and the servo tuner opened
// from it as Ctrl+Alt+H opens it.
#include <string>

#include "servo/DSPForm.h"
#include "servo/DSPTestForm.h"
#include "servo/Openers.h"
#include "tests/cutter/CutterHarness.h"

namespace servo_tests {

using cutter_tests::Cutter;

// The X and Y parameter commands of the simulated device's own values.
inline const std::string kXParams =
    "!ZS0,1.250,0.015,4.500,0.850,0.300,0.120,0.000,20.000,250.000,90.000,0.050,0.045@\r";
inline const std::string kYParams =
    "!ZS1,1.400,0.018,5.200,0.800,0.280,0.110,0.000,20.000,250.000,90.000,0.060,0.055@\r";
// What an activation asks, in order.
inline const std::string kActivationQueries = "!ZO0@!ZO1@!ZF0@!ZF1@!ZJ@!VT0@!VT1@";

struct ServoHarness : cutter_tests::CutterHarness {
  explicit ServoHarness(testing_support::AppOptions options = Cutter(32))
      : CutterHarness(options) {}

  taskhelm::DSPForm& Tuner() { return f.app.Window<taskhelm::DSPForm>(); }
  taskhelm::DSPTestForm& Tests() { return f.app.Window<taskhelm::DSPTestForm>(); }

  // Opens the tuner (its activation reads the device) and forgets what went over the wire.
  void OpenTuner() {
    f.host.Run([&] { taskhelm::ShowServoTuner(f.app); });
    f.device.ClearReceived();
  }
  void OpenTests() {
    f.host.Run([&] { Tuner().ViewTestButton.Press(); });
    f.device.ClearReceived();
  }

  // The operator types into a box and presses Enter there (key up, as the tuner listens). What
  // moving the focus to the box sent is forgotten.
  void TypeEnter(forms::TextBox& box, const std::string& text) {
    f.host.Run([&] { box.SetFocus(); });
    f.device.ClearReceived();
    box.SetText(text);
    f.host.Run([&] { box.Parent().DispatchKeyUp(&box, forms::Key::Return, 0); });
  }
  // The operator types into a box and leaves it for another box of the window.
  void TypeLeave(forms::TextBox& box, const std::string& text, forms::Control& next) {
    f.host.Run([&] { box.SetFocus(); });
    f.device.ClearReceived();
    box.SetText(text);
    f.host.Run([&] { next.SetFocus(); });
  }
  // Enter as a key press (the test window listens to key presses).
  void PressEnter(forms::TextBox& box) {
    f.host.Run([&] { box.SetFocus(); });
    f.device.ClearReceived();
    f.host.Run([&] { box.Parent().DispatchKeyPress(&box, forms::Key::Return); });
  }

  std::string Received() const { return f.device.Received(); }
};

}  // namespace servo_tests
