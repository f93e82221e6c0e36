// The pen-plotter window's own menu commands: the display of the device's settings, the model
// check before the File menu's sends, the
// save through the SvFile window, and the plotter port test's instructions.
#include "link/Identify.h"
#include "penplotter/P870Set.h"
#include "startup/App.h"
#include "transfer/SvFile.h"

namespace taskhelm {

// Unlike its twins' Update Display, a failed read is reported here.
void P870Set::DsplyPltrCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  app.SetPointer(forms::Pointer::Hourglass);
  if (ReadDeviceSettings(app))
    ShowReadSettings();
  else
    ReportSendFailure();
  app.SetPointer(forms::Pointer::Default);
}

void P870Set::FileSendCom_Click(int index) {
  app.s.FileMenuIndex = static_cast<int16_t>(index);
  // Both commands check the model first; the plot-file send checks it once more on its way.
  if (!VerifyModel(app, app.s.ModelCode)) return;
  SettingsWindow::FileSendCom_Click(index);
}

void P870Set::FileSaveCom_Click() {
  app.SetPointer(forms::Pointer::Hourglass);
  app.Window<SvFile>().Show(forms::ShowMode::Modal);
}

void P870Set::TstPortCom_Click() {
  const std::string crlf = "\r\n", indent = "    ";
  const std::string title = app.T("The Plotter Port Test");
  const std::string text =
      title + crlf + crlf + app.T("1. Connect the Diagnostic Module to the Plotter port.") + crlf +
      app.T("2. Turn the Plotter on while holding down the ") + app.T("Set Gap") + crlf + indent +
      app.T("Sensor") + crlf + indent + app.T("Test") +
      app.T(" key until it beeps and light flashes three times.") + crlf +
      app.T("3. Press any arrow key to send and receive a character.") + crlf +
      app.T("     Verify it beeps and flashes the Green light.") + crlf +
      app.T("4. Turn off the Plotter.") + crlf + crlf;
  app.MsgBox(text, forms::MsgButtons::OK, forms::MsgIcon::None, title);
}

}  // namespace taskhelm
