#include "startup/ModelWindows.h"

#include "cutter/Dru71Set.h"
#include "penplotter/P870Set.h"
#include "rollfeed/StoogMoa.h"
#include "startup/App.h"
#include "startup/ModelTable.h"
#include "setup/Config.h"

namespace taskhelm {

bool HasModelWindow(const HeldModel& model) { return model.Family() != ModelFamily::None; }

void ShowModelWindow(App& app) {
  switch (app.model.Family()) {
    case ModelFamily::Cutter: {
      Dru71Set& window = app.Window<Dru71Set>();
      const bool features = app.model.Has(ModelQuirk::CutterFeatures);
      // The feature line shows its window before setting it up, the others after.
      if (features) window.Show();
      window.PounceEnable.SetEnabled(features);
      window.CutEnable.SetEnabled(features);
      window.CornerDisp.SetVisible(false);
      if (!features) window.Show();
      break;
    }
    case ModelFamily::PenPlotter: app.Window<P870Set>().Show(); break;
    case ModelFamily::RollFeed: app.Window<StoogMoa>().Show(); break;
    case ModelFamily::None:
      // No settings window serves this model: say so and let the operator choose another once.
      app.MsgBox(app.T("There is no settings window for this model. Please choose another model."),
                 forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
      app.s.SetupMenuIndex = 0;
      app.Window<Config>().Show(forms::ShowMode::Modal);
      if (!HasModelWindow(app.model)) app.host.EndProgram();
      ShowModelWindow(app);
      break;
  }
}

void AdjustModelWindow(App& app) {
  switch (app.model.Family()) {
    case ModelFamily::Cutter:
      if (app.model.Has(ModelQuirk::CutterFeatures))
        app.Window<Dru71Set>().CornerDisp.SetVisible(false);
      break;
    case ModelFamily::PenPlotter: app.Window<P870Set>().SensorEnable.SetVisible(false); break;
    case ModelFamily::RollFeed: app.Window<StoogMoa>().CutEnable.SetEnabled(true); break;
    case ModelFamily::None: break;
  }
}

void SelectDefaultMarkOption(App& app) {
  // The option's own handler sets the sensor values (and loads the window when needed).
  app.Window<P870Set>().SelectMarkMode(app.model.Has(ModelQuirk::MarkSensor) ? MarkMode::EveryFrame
                                                                      : MarkMode::SensorOff);
}

}  // namespace taskhelm
