// Showing the settings in the pen-plotter window, the per-model controls of its activation, and
// the sensor test.
#include "link/PortLayer.h"
#include "penplotter/P870Set.h"
#include "penplotter/SensorTest.h"
#include "setup/DefLangForm.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

void P870Set::ShowSettings() {
  SharedState& s = app.s;
  DefLangForm& lang = app.Window<DefLangForm>();
  (s.HpglMode != 0 ? lang.HPGL7475 : lang.HPGL7596).SetValue(true);
  for (const char* box : {"Accel", "HiForce", "LoForce"}) fields_[box].Show();

  ShownMarkSkip = s.MarkSkip;
  // Ticking the box or selecting a mark button runs its handler, as a click does.
  SensorEnable.SetValue(s.SensorEnabled != 0 ? 1 : 0);
  if (const auto mode = ShownMarkMode(s.SensorEnabled, s.MarkSkip)) SelectMarkMode(*mode);

  for (const char* box : {"UpDelay", "DnDelay", "PanelX", "PanelY", "Gap", "Speed", "XScale",
                          "YScale"})
    fields_[box].Show();
  ShowGapState();
}

void P870Set::ShowModelControls() {
  const HeldModel& model = app.model;
  SetVisible({&Frame3D1, &Frame3D2, &Frame3D3, &Frame3D10}, true);
  Frame3D10.SetCaption(app.T("Sensor Options"));
  for (forms::MenuItem* item : {&OptionSeperator, &OptionUpdateFlash, &OptionServoTuner})
    item->SetVisible(false);
  SetVisible({&SensorTestButton, &MarkAllButton, &Mark4thButton, &MarkNoneButton}, false);
  if (model.Family() != ModelFamily::PenPlotter) return;

  SetCaption(app.T(model.Row()->caption));
  OptionSeperator.SetVisible(true);
  OptionUpdateFlash.SetVisible(true);
  SpeedSpin.SetEnabled(false);
  SpeedSpin.SetVisible(false);
  SetVisible({&FramGapLab, &FrameGapLab, &Gap, &GapSpin}, true);
  if (model.Has(ModelQuirk::MarkSensor)) {
    SensorEnable.SetEnabled(true);
    SensorEnable.SetVisible(false);
    SetVisible({&MarkAllButton, &Mark4thButton, &MarkNoneButton}, true);
  } else {
    SensorEnable.SetVisible(false);
    SensorEnable.SetEnabled(false);
    SensorTestButton.SetEnabled(false);
    Frame3D10.SetCaption(app.T("Frame Alignment"));
  }
  PlaceGapControls();
  ShowGapState();
}

void P870Set::SensorTestButton_Click() {
  // The count typed is held to what the device takes; the box keeps the operator's text.
  if (!app.port.SendString(SensorTestCommand(RepsText.Text()), kCommandTimeoutMs))
    ReportSendFailure();
}

}  // namespace taskhelm
