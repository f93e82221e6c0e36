#include "calibration/Openers.h"

#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/PenAdj.h"
#include "startup/App.h"

namespace taskhelm {

void ShowFiltering(App& app, FilterOpening opening) {
  FilterForm& window = app.Window<FilterForm>();
  if (opening == FilterOpening::Direct) {
    // Shown without a read, the box shows the setting OK sends.
    window.FilterEnable.SetValue(app.s.FilterSetting != 0 ? 1 : 0);
  } else if (!window.UpdateFilter()) {
    // Loaded only for the read: the next opening loads afresh, for the model of then.
    window.Unload();
    return;
  }
  window.Show(forms::ShowMode::Modal);
}

void ShowCornering(App& app) { app.Window<CornerForm>().Show(forms::ShowMode::Modal); }

void ShowPenAdjustment(App& app) { app.Window<PenAdj>().Show(forms::ShowMode::Modal); }

}  // namespace taskhelm
