// Calibrate: the way from every settings window into the axis calibration.
#include "calibration/Calib.h"
#include "cutter/frame/SettingsWindow.h"
#include "link/Identify.h"
#include "startup/App.h"

namespace taskhelm {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;

void SettingsWindow::CalPltrCom_Click() {
  if (!VerifyModel(app, app.s.ModelCode) || !UpdateFirst()) return;
  if (rules_.unsentCalibration == UnsentCalibration::Refused && !app.s.SettingsSent) return;
  if (rules_.tractorQuestion == TractorQuestion::Ask && app.s.TractorFeed == 1 &&
      app.MsgBox(app.T("X-axis calibration is not allowed with tractor") + "\r\n" +
                     app.T("feed.  Do you want to calibrate only the Y-axis?"),
                 MsgButtons::YesNo, MsgIcon::Question,
                 app.T("Tractor Calibration")) == MsgAnswer::No)
    return;
  app.SetPointer(Pointer::Hourglass);
  if (!app.port.OpenPort()) {
    app.SetPointer(Pointer::Default);
    // The port tried (the LPT port on the parallel path), in every window.
    app.ErrorBox(app.T("Could not open ") + app.s.OpenPortName, app.T("ERROR"));
    return;
  }
  app.Window<Calib>().Show(forms::ShowMode::Modal);
}

}  // namespace taskhelm
