// The cornering window's behaviour: 13 is the default cornering, 4 banner fill.
#include "calibration/CornerForm.h"

#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {
constexpr int16_t kDefaultCornering = 13;
constexpr int16_t kBannerFill = 4;
constexpr const char* kSmoothHint = "Smoother and faster for most plots. ";
constexpr const char* kSpeedyHint = "Faster for plots with long lines and curves. ";
}  // namespace

CornerForm::CornerForm(App& app) : forms::Form(app.host, "CornerForm"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { ShownMode = app_.s.CorneringMode; };
  Smooth.Click = [this] { app_.s.CorneringMode = kDefaultCornering; };
  Speedy.Click = [this] { app_.s.CorneringMode = kBannerFill; };
  CornerOK.Click = [this] { CornerOK_Click(); };
  CornerCancel.Click = [this] { CornerCancel_Click(); };
  WireHints(app_, StatusBar,
            {{&Smooth, kSmoothHint},
             {&Speedy, kSpeedyHint},
             {&CornerOK, "Select the setting."},
             {&CornerCancel, "Close this window."}},
            "CornerForm");
}

void CornerForm::Form_Load() {
  SetCaption(app_.T("Cornering"));
  Frame3D12.SetCaption(app_.T("Corner Control"));
  Smooth.SetCaption(app_.T("Default", "CornerForm"));
  Speedy.SetCaption(app_.T("Banner Fill"));
  CornerOK.SetCaption(app_.T("OK"));
  CornerCancel.SetCaption(app_.T("Cancel"));
  LoadedMode = app_.s.CorneringMode;
  SelectMode(app_.s.CorneringMode);
}

void CornerForm::SelectMode(int16_t mode) {
  forms::OptionButton& option = mode == kBannerFill ? Speedy : Smooth;
  // Cleared first, so that the selection runs its handler even where it was selected already.
  option.SetValue(false);
  option.SetValue(true);
}

void CornerForm::CornerOK_Click() {
  if (app_.s.CorneringMode != LoadedMode) {
    app_.s.SettingsSent = false;
    app_.MsgBox(app_.T("Cornering will be changed permanently when plotter is updated."),
                forms::MsgButtons::OK, forms::MsgIcon::None, app_.T("Cornering"));
  }
  Unload();
}

// Cancel leaves the mode as the operator found it.
void CornerForm::CornerCancel_Click() {
  app_.s.CorneringMode = ShownMode;
  Unload();
}

}  // namespace taskhelm
