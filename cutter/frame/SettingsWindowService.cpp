// The hidden service chords every settings window passes its key-down events to.
#include "calibration/Openers.h"
#include "cutter/frame/SettingsWindow.h"
#include "servo/Openers.h"
#include "startup/App.h"

namespace taskhelm {

void SettingsWindow::HandleServiceHotkeys(int keyCode, int shift) {
  // Both Ctrl and Alt; Shift may be held too.
  if ((shift & forms::CtrlKey) == 0 || (shift & forms::AltKey) == 0) return;
  if (keyCode == 'H')
    ShowServoTuner(app);
  else if (keyCode == 'M')
    ShowPenAdjustment(app);
}

}  // namespace taskhelm
