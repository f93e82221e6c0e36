#include "startup/ModelWindows.h"

#include "cutter/Dru71Set.h"
#include "penplotter/P870Set.h"
#include "rollfeed/StoogMoa.h"
#include "startup/App.h"
#include "startup/ModelTable.h"
#include "setup/Config.h"

namespace taskhelm {

bool HasModelWindow(int16_t model) {
  switch (model) {
    case 32: case 35: case 36: case 39: case 42: case 47: return true;
    case 33: case 34: case 40: case 41: return true;
    default: return false;
  }
}

void ShowModelWindow(App& app) {
  switch (app.s.ModelCode) {
    case 32: {
      Dru71Set& window = app.Window<Dru71Set>();
      window.Show();
      window.PounceEnable.SetEnabled(true);
      window.CutEnable.SetEnabled(true);
      window.CornerDisp.SetVisible(false);
      break;
    }
    case 36: case 39: case 42: case 47: {
      Dru71Set& window = app.Window<Dru71Set>();
      window.PounceEnable.SetEnabled(false);
      window.CutEnable.SetEnabled(false);
      window.CornerDisp.SetVisible(false);
      window.Show();
      break;
    }
    case 33: case 34: case 40: case 41:
      app.Window<P870Set>().Show();
      break;
    case 35: app.Window<StoogMoa>().Show(); break;
    default:
      // No settings window serves this model: say so and let the operator choose another once.
      app.MsgBox(app.T("There is no settings window for this model. Please choose another model."),
                 forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
      app.s.SetupMenuIndex = 0;
      app.Window<Config>().Show(forms::ShowMode::Modal);
      if (!HasModelWindow(app.s.ModelCode)) app.host.EndProgram();
      ShowModelWindow(app);
      break;
  }
}

void AdjustModelWindow(App& app) {
  switch (app.s.ModelCode) {
    case 32: app.Window<Dru71Set>().CornerDisp.SetVisible(false); break;
    case 33: case 34: case 40: case 41: app.Window<P870Set>().SensorEnable.SetVisible(false); break;
    case 35: app.Window<StoogMoa>().CutEnable.SetEnabled(true); break;
    default: break;
  }
}

void SelectDefaultMarkOption(App& app) {
  // The option's own handler sets the sensor values (and loads the window when needed).
  app.Window<P870Set>().SelectMarkMode(HasMarkSensor(app.s.ModelCode) ? MarkMode::EveryFrame
                                                                      : MarkMode::SensorOff);
}

}  // namespace taskhelm
