#include "cutter/frame/ModelWording.h"

#include "startup/App.h"

namespace taskhelm {

ModelWording InitSignCutStrings(const App& app) {
  const texts::Catalogue& T = app.T;
  ModelWording w;
  w.TempSendPrompt = T("Temporarily change cutter settings.");
  w.PermSendPrompt = T("Permanently change cutter defaults.");
  w.UpdateTitle = T("Update cutter ");
  w.NotSentText = T("Latest changes not sent to the cutter.");
  w.UpdateQuestion = T("Do you want to update the cutter?");
  w.ExitQuestion = T("Exit without updating the cutter?");
  w.SerialTestTitle = T("Serial Test", "Dru71Set");
  w.TestCutText = T("Turn cutter on while holding down the Test Cut key", "Dru71Set");
  w.DisconnectText = T("Disconnect the cutter and connect the serial Diagnostic Module",
                       "Dru71Set");
  w.PortTestTitle = T("Cutter Serial Port Test");
  w.PortTestStep1 = T("1. Connect the Diagnostic Module to the cutter's serial port.");
  w.PortTestStep2 = T("2. Turn the cutter on while holding down the Test Cut");
  w.PortTestStep4 = T("4. Turn off the cutter.");
  return w;
}

}  // namespace taskhelm
