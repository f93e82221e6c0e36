#include "penplotter/P870Set.h"

#include "servo/Openers.h"
#include "setup/StatusHints.h"
#include "startup/App.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

const SettingsWindowRules kPenPlotterRules{
    .errorTitle = "Plotter Error",
    // The port in use: the LPT port on the parallel path, not "COM0".
    .errorPort = nullptr,
    .permanentReadBackDelayMs = 0,
    .temporarySettleMs = 0,
    .wording = DeviceWording::Plotter,
    .versionBox = VersionBox::BothAnswered,
    .memoryReplyKept = 10,
    .bladeHolderReplyLength = 2,  // the pen plotters have no blade-holder query
    .factoryBoxIcon = forms::MsgIcon::Information,
};

}  // namespace

P870Set::P870Set(App& app) : SettingsWindow(app, "P870Set", kPenPlotterRules) {
  // The window sees every key before its controls: Enter moves on, the chords reach the service
  // procedure from any field.
  SetKeyPreview(true);
  PlaceControls();
  // The sensor test's count box serves only the sensor test, which no pen plotter shows.
  RepsText.SetVisible(false);

  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyDown = [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); };

  MarkAllButton.Click = [this] { MarkButton_Click(MarkMode::EveryFrame); };
  Mark4thButton.Click = [this] { MarkButton_Click(MarkMode::EveryFourthFrame); };
  MarkNoneButton.Click = [this] { MarkButton_Click(MarkMode::SensorOff); };
  SensorEnable.Click = [this] { SensorEnable_Click(); };
  SensorTestButton.Click = [this] { SensorTestButton_Click(); };

  DispLang.Click = [this] { DisplayLang_Click(); };
  OptionUpdateFlash.Click = [this] { UpdateFlash_Click(); };
  OptionServoTuner.Click = [this] { ShowServoTuner(this->app); };
  // Senstest, DrwSnsMks, RdSnsMrks and DsplySnsDat do nothing on these plotters.

  WireHints(app, StatusBar, {{&SensorEnable, "Turn on the sensor."}});
  // The gap's unit label shows the gap's hint, as its caption label does.
  FrameGapLab.MouseMove = [this] { fields_["Gap"].ShowHint(); };
}

std::string P870Set::SettingsCommand(SendMode mode) {
  return PenPlotterSettingsCommand(app.s, mode);
}

std::string P870Set::HelpFileName() const { return "p870kh.hlp"; }

std::string P870Set::FactoryDefaultsText() const {
  return T("Factory Defaults displayed. To send these settings click the Temporary or Permanent "
           "button.  To view current settings click on Display and Plotter Settings. ");
}

std::span<const UnitLabelRow> P870Set::UnitLabels() const {
  static constexpr UnitLabelRow kRows[] = {
      {"PanelXLab", "X-Axis ", UnitScale::Length},
      {"PanelYLab", "Y-Axis ", UnitScale::Length},
      {"FrameGapLab", "", UnitScale::Small},
      {"SpeedLab", "", UnitScale::Speed},
  };
  return kRows;
}

void P870Set::Form_Load() {
  SharedState& s = app.s;
  SetCaptions();
  SetWording();
  if (s.PlotterPresent) {
    s.LastPresentState = 1;
    s.LastModel = s.ModelCode;
  }
  SelectUnitButton();
  // The selected unit button holds the focus, so the hint line names its units and Space keeps
  // them.
  FocusUnitButton();
  ShowSettings();
  if (app.model.Family() == ModelFamily::PenPlotter && !app.model.Has(ModelQuirk::MarkSensor))
    SensorEnable.SetEnabled(false);
  if (app.model.Has(ModelQuirk::MarkSensor))
    if (const auto mode = ShownMarkMode(s.SensorEnabled, s.MarkSkip)) SelectMarkMode(*mode);
  s.SettingsSent = false;
}

void P870Set::Form_Activate() {
  ShowModelControls();
  app.SetPointer(forms::Pointer::Default);
}

void P870Set::Form_KeyDown(int& keyCode, int shift) {
  HandleServiceHotkeys(keyCode, shift);
  // Enter goes on to the next control as Tab does, and never presses a button.
  if (keyCode == forms::Key::Return && (shift & (forms::CtrlKey | forms::AltKey)) == 0) {
    keyCode = 0;
    TabFocus(false);
  }
}

void P870Set::SelectMarkMode(MarkMode mode) {
  forms::OptionButton& button = mode == MarkMode::EveryFrame         ? MarkAllButton
                                : mode == MarkMode::EveryFourthFrame ? Mark4thButton
                                                                     : MarkNoneButton;
  // A button already selected takes no click; its values are set all the same, so the model
  // defaults never keep a mark skip of another mode.
  if (button.Value())
    MarkButton_Click(mode);
  else
    button.SetValue(true);
}

void P870Set::MarkButton_Click(MarkMode mode) {
  SharedState& s = app.s;
  const MarkValues values = ValuesOf(mode);
  s.SensorEnabled = values.sensorEnabled;
  s.MarkSkip = values.markSkip;
  if (ChoiceUnsends(mode, ShownMarkSkip)) s.SettingsSent = false;
  ShowGapState();
}

void P870Set::SensorEnable_Click() {
  SharedState& s = app.s;
  const bool ticked = SensorEnable.Value() != 0;
  s.SensorEnabled = ticked ? 1 : 0;
  if (ticked) {
    SensorTestButton.SetEnabled(false);
    if (app.model.Family() != ModelFamily::PenPlotter)
      app.MsgBox(app.T("Check that Frame Gap is correct."), forms::MsgButtons::OK,
                 forms::MsgIcon::None, T("Caution"));
  }
  ShowGapState();
  s.SettingsSent = false;
}

void P870Set::ShowGapState() {
  SetEnabled({&Gap, &GapSpin}, FrameGapEditable(app.model, app.s.SensorEnabled));
}

}  // namespace taskhelm
