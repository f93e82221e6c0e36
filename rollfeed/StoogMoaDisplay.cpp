// Showing the settings in the roll-feed window.
#include "link/Models.h"
#include "rollfeed/StoogMoa.h"
#include "setup/DefLangForm.h"
#include "startup/App.h"

namespace taskhelm {

void StoogMoa::ShowSettings() {
  SharedState& s = app.s;
  DefLangForm& lang = app.Window<DefLangForm>();
  (s.HpglMode != 0 ? lang.HPGL7475 : lang.HPGL7596).SetValue(true);

  for (const char* box : {"Offset", "Overcut", "MinAng", "Accel", "HiForce", "LoForce", "UpDelay",
                          "DnDelay"})
    fields_[box].Show();

  // Ticking the box runs its handler, which also enables the cut and blank lengths.
  CutEnable.SetValue(s.TagboardOn != 0 ? 1 : 0);
  EnableCutAndBlank();

  // The feed option's handler reads the X box: it must show these settings, not the last ones.
  for (const char* box : {"PanelX", "PanelY", "Gap"}) fields_[box].Show();
  SelectFeedOption();

  for (const char* box : {"PanelX", "PanelY", "Gap", "CutLength", "BlankLength", "XScale",
                          "YScale"})
    fields_[box].Show();
  if (app.model.Has(ModelQuirk::RollFeedCutout)) fields_["LoopSize"].Show();
}

}  // namespace taskhelm
