#include "cutter/Dru71Set.h"

#include "calibration/Openers.h"
#include "link/Models.h"
#include "servo/Openers.h"
#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

// Send and read-back failures name the port just used; the permanent send gives the cutter
// time to store its defaults before the read-back.
const SettingsWindowRules kCutterRules{
    .errorTitle = "Cutter Error",
    .errorPort = &SharedState::OpenPortName,
    .permanentReadBackDelayMs = 1400,
    .temporarySettleMs = 0,
    .wording = DeviceWording::Cutter,
    .versionBox = VersionBox::SoftwareAnswered,
    .memoryReplyKept = 10,
    .bladeHolderReplyLength = 2,
    .tractorQuestion = TractorQuestion::Ask,
};

}  // namespace

Dru71Set::Dru71Set(App& app)
    : KnifeWindow(app, "Dru71Set", kCutterRules) {
  PlaceControls();

  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };
  HiForce.KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };
  UpdateDisplay.KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };

  CutEnable.Click = [this] { CutEnable_Click(); };
  PounceEnable.Click = [this] { PounceEnable_Click(); };
  LoopEnable.Click = [this] { LoopEnable_Click(); };
  TanEnable.LostFocus = [this] { TanEnable_LostFocus(); };

  DsplyMotorVoltsCom.Click = [this] { DsplyMotorVoltsCom_Click(); };
  UpdateFlash.Click = [this] { UpdateFlash_Click(); };
  DisplayFilter.Click = [this] { ShowFiltering(this->app, FilterOpening::ReadStateFirst); };
  CornerDisp.Click = [this] { ShowCornering(this->app); };
  Servotuner.Click = [this] { ShowServoTuner(this->app); };
  PenAdjust.Click = [this] { ShowPenAdjustment(this->app); };

  // Hints of the window's own controls (the frame and the fields show theirs).
  WireHints(app, StatusBar,
            {{&UpdateDisplay, "Click here to see current settings."},
             {&CutEnable, "Turn on Tag Board Cutout Mode."},
             {&LoopEnable, "Automatically create a service loop of media when cutting a sign."},
             {&TanEnable, "Enable or disable tangential cutting."}});
  auto pounceHint = [this] {
    Hint(this->app.model.Has(ModelQuirk::CutterFeatures)
             ? "Turn on Pounce Mode.  Follow instructions in your user guide."
                               : "Turn on Pounce Mode.  Follow instructions in your pounce kit.");
  };
  PounceEnable.GotFocus = pounceHint;
  PounceEnable.MouseMove = pounceHint;
}

std::string Dru71Set::SettingsCommand(SendMode mode) { return CutterSettingsCommand(app.s, mode); }

std::span<const UnitLabelRow> Dru71Set::UnitLabels() const {
  static constexpr UnitLabelRow kRows[] = {
      {"PanelXLab", "X-Axis ", UnitScale::Length},
      {"PanelYLab", "Y-Axis ", UnitScale::Length},
      {"LoopSizeLab", "Loop Size ", UnitScale::Length},
      {"CutLengthLab", "Cut ", UnitScale::Small},
      {"BlankLengthLab", "Blank ", UnitScale::Small},
  };
  return kRows;
}

std::string Dru71Set::HelpFileName() const {
  const ModelRow* row = app.model.Row();
  return row && row->helpFile ? row->helpFile : "drukh.hlp";
}

void Dru71Set::Form_Load() {
  BeginLoad();
  InitInternationalStrings();
  ShowUnitLabels();
  ShowParam();
  CutAndBlankEnable();
  app.s.SettingsSent = false;
}

void Dru71Set::Form_Activate() {
  Servotuner.SetVisible(false);
  PenAdjust.SetVisible(false);
  MinAngleFloor = 45;
  PlaceSendFrame(SendFramePlace::BelowFeatures);
  OptSep1.SetVisible(false);
  UpdateFlash.SetVisible(false);
  // Also lifts the maximum-force lock of Alt+U.
  SetEnabled({&HiForce, &HiForceSpin, &LoForce, &LoForceSpin}, true);

  const HeldModel& model = app.model;
  if (model.Family() == ModelFamily::Cutter) {
    SetCaption(app.T(ModelCaption(model, app.s.DeviceId)));
    SendSettingLab.SetCaption(app.T(model.Row()->sendLabel));
    const bool features = model.Has(ModelQuirk::CutterFeatures);
    Frame3D9.SetVisible(features);
    Frame3D10.SetVisible(features);
    Frame1.SetVisible(features && IsTangentialKnife(app.s.DeviceId));
    if (features) {
      SetVisible({&CutLengthLab, &CutLength, &CutLengthSpin, &BlankLengthLab, &BlankLength,
                  &BlankLengthSpin},
                 true);
      SetEnabled({&LoopEnable, &PounceEnable, &CutEnable}, true);
    } else {
      // Without the feature frames the send buttons move up.
      PlaceSendFrame(SendFramePlace::Top);
      UpdateDisplay.SetVisible(true);
    }
    DisplayFilter.SetVisible(true);
    CornerDisp.SetVisible(false);
    OptSep1.SetVisible(true);
    UpdateFlash.SetVisible(true);
    InitSignCutStrings();
    MinAngleFloor = 30;
  }
  FitToShownFrames();
  FocusUnitButton();
}

}  // namespace taskhelm
