// Connecting the configured model: identification, read-out or defaults, then its window.
#include "startup/ConnectDevice.h"

#include "link/Identify.h"
#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/ModelTable.h"
#include "startup/ModelWindows.h"

namespace taskhelm {

bool ConnectDevice(App& app, bool quiet) {
  SharedState& s = app.s;
  // What an earlier display forced concerns settings read before: the model's window decides
  // afresh whether the settings read now are the device's.
  s.SettingsForced = false;
  ApplyModelProfile(app);
  bool result;
  if (!s.PlotterPresent) {
    SetModelDefaults(app);
    s.DeviceSettingsRead = true;
    result = true;
  } else {
    int16_t id = IdentifyDevice(app);
    if (id <= 4) return false;
    bool inTable = s.ModelCode >= 1 && s.ModelCode <= 54 &&
                   id == s.ModelIdTable[static_cast<size_t>(s.ModelCode)];
    if (inTable || id == s.ModelCode) {
      s.ModelCode = id;
      if (!(ReadAllowed() && ReadDeviceSettings(app))) {
        if (!quiet) app.ErrorBox(app.T(s.NotConnectedText) + s.PortName, app.T("ERROR"));
        return false;
      }
      s.DeviceSettingsRead = true;
      result = true;
      if (app.model.Has(ModelQuirk::CutterFeatures)) {
        s.PanelMaxY = platform::ToLong(s.CutterWidth);
        s.YSizeInches = s.CutterWidth <= 30000 ? 20 : 28;
      }
    } else {
      if (!quiet) {
        std::string text = app.T("Wrong Quorvane Model.");
        if (id >= 4 && id <= 37)
          text += "\r\n" + app.T("Please try ") + app.T(ModelSuggestion(id));
        app.ErrorBox(text, app.T("ERROR"));
      }
      return false;
    }
  }
  AdjustModelWindow(app);
  return result;
}

}  // namespace taskhelm
