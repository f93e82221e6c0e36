// The cutter window's own menu command and its key chords.
#include "cutter/Dru71Set.h"
#include "link/Identify.h"
#include "link/Models.h"
#include "startup/App.h"

namespace taskhelm {

void Dru71Set::DsplyMotorVoltsCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode)) return;
  std::string reply;
  const bool answered = app.port.Query("!MV@", reply, 13, 2000, 3);
  std::string volts;
  if (app.model.Has(ModelQuirk::CutterFeatures)) {
    if (!answered) return;
    volts = ReplyText(reply).substr(0, 2);
  } else if (app.model.Has(ModelQuirk::NarrowCutter)) {
    volts = "24";  // a fixed 24 V supply, whatever they answer
  } else {
    return;
  }
  const std::string title = app.T("Motor Voltage");
  app.MsgBox(title + " = " + volts, forms::MsgButtons::OK, forms::MsgIcon::None, title);
}

void Dru71Set::HandleHotKeys(int keyCode, int shift) {
  if (keyCode == 'U' && (shift & forms::AltKey)) ToggleMaxForceLock(fields_);
  HandleServiceHotkeys(keyCode, shift);
}

}  // namespace taskhelm
