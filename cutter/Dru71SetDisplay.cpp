// Showing the settings in the cutter window, and the switch between English and metric units.
#include "calibration/CornerForm.h"
#include "cutter/Dru71Set.h"
#include "setup/DefLangForm.h"
#include "startup/App.h"

namespace taskhelm {

void Dru71Set::ShowParam() {
  SharedState& s = app.s;
  DefLangForm& lang = app.Window<DefLangForm>();
  (s.HpglMode != 0 ? lang.HPGL7475 : lang.HPGL7596).SetValue(true);
  ShowCorneringMode();

  for (const char* box : {"Offset", "Overcut", "MinAng", "Accel"}) fields_[box].Show();

  // Tag-board cutout and pounce exclude each other; ticking a box runs its handler.
  const bool tagboard = s.TagboardOn != 0, pounce = s.PounceOn != 0;
  if (tagboard && !pounce) {
    CutEnable.SetEnabled(true);
    CutEnable.SetValue(1);
    PounceEnable.SetEnabled(false);
  } else if (!tagboard && pounce) {
    CutEnable.SetEnabled(false);
    PounceEnable.SetEnabled(true);
    PounceEnable.SetValue(1);
  } else if (!tagboard && !pounce) {
    SetEnabled({&CutEnable, &PounceEnable}, true);
    CutEnable.SetValue(0);
    PounceEnable.SetValue(0);
  }

  for (const char* box : {"HiForce", "LoForce", "UpDelay", "DnDelay"}) fields_[box].Show();

  if (!LoopEnable.Enabled()) s.AutoLoopOn = 0;
  LoopEnable.SetValue(s.AutoLoopOn != 0 ? 1 : 0);
  if (s.AutoLoopOn != 0)
    SetEnabled({&LoopSizeLab, &LoopSize, &LoopSizeSpin}, true);
  else
    SetEnabled({&LoopSize, &LoopSizeSpin}, false);

  for (const char* box : {"PanelX", "PanelY", "LoopSize"}) fields_[box].Show();
  // The display writes the lengths in their plainest form; validation then rounds metric ones
  // to a tenth of a millimetre.
  const CutBlankLengths lengths = ShownCutBlank(s);
  fields_["CutLength"].ShowValue(lengths.cut, "");
  fields_["BlankLength"].ShowValue(lengths.blank, "");
  for (const char* box : {"XScale", "YScale"}) fields_[box].Show();

  if (s.DeviceId == 50) {
    TanEnable.SetValue(s.TangentialEnable != 0 ? 1 : 0);
    fields_["TanLength"].Show();
    fields_["TanForce"].Show();
  }
}

// The cornering window's options show the mode; its Default option makes any mode but banner
// fill the default cornering.
void Dru71Set::ShowCorneringMode() { app.Window<CornerForm>().SelectMode(app.s.CorneringMode); }

void Dru71Set::ShowUnitLabels() {
  const bool metric = app.s.MetricUnits;
  const std::string length = app.T(metric ? "(cm)" : "(in)");
  const std::string small = app.T(metric ? "(mm)" : "(mils)");
  PanelXLab.SetCaption(app.T("X-Axis ") + length);
  PanelYLab.SetCaption(app.T("Y-Axis ") + length);
  LoopSizeLab.SetCaption(app.T("Loop Size ") + length);
  CutLengthLab.SetCaption(app.T("Cut ") + small);
  BlankLengthLab.SetCaption(app.T("Blank ") + small);
}

// The switch rewrites the boxes, which is not an edit: the sent state survives it.
void Dru71Set::EnglishButton_Click() {
  const bool sent = app.s.SettingsSent;
  app.s.MetricUnits = false;
  ShowUnitLabels();
  for (const char* box : {"PanelX", "PanelY", "LoopSize"}) {
    SettingsField& f = fields_[box];
    f.Write(f.Reading() / 2.54, f.View().pattern);
  }
  const CutBlankLengths lengths = ShownCutBlank(app.s);
  fields_["CutLength"].ShowValue(lengths.cut);
  fields_["BlankLength"].ShowValue(lengths.blank);
  app.s.SettingsSent = sent;
}

void Dru71Set::MetricButton_Click() {
  const bool sent = app.s.SettingsSent;
  app.s.MetricUnits = true;
  ShowUnitLabels();
  for (const char* box : {"PanelX", "PanelY", "LoopSize"}) {
    SettingsField& f = fields_[box];
    f.Write(f.Reading() * 2.54, f.View().pattern);
  }
  for (const char* box : {"CutLength", "BlankLength"}) {
    SettingsField& f = fields_[box];
    f.Write(f.Reading() * 0.0254, f.View().pattern);
  }
  app.s.SettingsSent = sent;
}

}  // namespace taskhelm
