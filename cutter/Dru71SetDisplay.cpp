// Showing the settings in the cutter window.
#include "calibration/CornerForm.h"
#include "cutter/Dru71Set.h"
#include "link/Models.h"
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

  if (IsTangentialKnife(s.DeviceId)) {
    TanEnable.SetValue(s.TangentialEnable != 0 ? 1 : 0);
    fields_["TanLength"].Show();
    fields_["TanForce"].Show();
  }
}

// The cornering window's options show the mode; its Default option makes any mode but banner
// fill the default cornering.
void Dru71Set::ShowCorneringMode() { app.Window<CornerForm>().SelectMode(app.s.CorneringMode); }

}  // namespace taskhelm
