// Start-up: splash, model table, regional units, INI file, defaults, connection, settings window.
#include "startup/Main.h"

#include "platform/Numbers.h"

#include "setup/Config.h"
#include "setup/Splash.h"
#include "startup/App.h"
#include "startup/ConnectDevice.h"
#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"

namespace taskhelm {

void Main(App& app) {
  SharedState& s = app.s;
  app.SetPointer(forms::Pointer::Hourglass);
  app.Window<Splash>().Show();
  app.host.DoEvents();
  InitModelTable(app);
  s.SettingsForced = false;
  s.MetricUnits = app.regional.iMeasure <= 0;
  s.ReportErrors = false;  // no time-out boxes while starting
  bool ok = ReadIniFile(app);
  SetModelDefaults(app);
  app.Window<Splash>().Hide();
  bool connected = ConnectDevice(app, true);
  if (!connected || !ok) {
    s.ReportErrors = true;
    app.SetPointer(forms::Pointer::Hourglass);
    s.SetupMenuIndex = 0;
    app.Window<Config>().Show(forms::ShowMode::Modal);
  }
  s.ReportErrors = true;
  ShowModelWindow(app);
}

void ReconfigureAndShowPanel(App& app, int16_t) {
  app.Window<Config>().Show(forms::ShowMode::Modal);
  ShowModelWindow(app);
}

std::string ToPointDecimal(const App& app, const std::string& text) {
  return platform::ToPointDecimal(text, app.regional.sDecimal);
}

}  // namespace taskhelm
