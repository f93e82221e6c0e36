// The port test's start: the instructions for the chosen test, then the test window.
#include "setup/PortTest.h"

#include "setup/Serial.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

struct Instructions {
  std::string title, text;
};

Instructions InstructionsFor(App& app, int16_t mode, DeviceWording wording) {
  const bool plotter = wording == DeviceWording::Plotter;
  if (mode == 1)
    return {app.T("Computer Port Test"),
            app.T(plotter ? "Disconnect the Plotter and connect the Diagnostic Module"
                            : "Disconnect the cutter and connect the serial Diagnostic Module") +
                "\r\n" + app.T("to the computer serial port.")};
  if (plotter) {
    // The pen plotters enter their echo mode with Set Gap, the other models with Sensor Test.
    bool penPlotter = app.model.Family() == ModelFamily::PenPlotter;
    return {app.T("Communication Test"),
            app.T("Turn the Plotter on while holding down the ") +
                app.T(penPlotter ? "Set Gap" : "Sensor Test") + "\r\n" +
                app.T("key until it beeps and light flashes 3 times.")};
  }
  return {app.T("Communication Test"),
          app.T("Turn cutter on while holding down the Test Cut key") + "\r\n" +
              app.T("until it beeps and light flashes 3 times.")};
}

}  // namespace

bool StartPortTest(App& app, int16_t mode, DeviceWording wording) {
  app.s.PortTestMode = mode;
  Instructions instructions = InstructionsFor(app, mode, wording);
  if (app.MsgBox(instructions.text, forms::MsgButtons::OKCancel, forms::MsgIcon::None,
                 instructions.title) != forms::MsgAnswer::OK)
    return false;
  app.SetPointer(forms::Pointer::Hourglass);
  if (app.port.OpenPort()) {
    app.Window<Serial>().Show(forms::ShowMode::Modal);
    app.SetPointer(forms::Pointer::Default);
    return true;
  }
  app.SetPointer(forms::Pointer::Default);
  app.ErrorBox(app.T("Could not open ") + app.s.OpenPortName, app.T("ERROR"));
  return false;
}

}  // namespace taskhelm
