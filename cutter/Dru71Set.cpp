#include "cutter/Dru71Set.h"

#include "calibration/Openers.h"
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

// Caption and send label of each cutter line.
struct CutterLine {
  int16_t code;
  const char* caption;
  const char* sendLabel;
};
constexpr CutterLine kCutterLines[] = {
    {32, "Kelvaro R/V Taskhelm", "Send Settings to the cutter"},
    {36, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530"},
    {39, "Quorvane 520 Taskhelm", "Send Settings to Quorvane 520"},
    {42, " Quorvane 555LJ Taskhelm", "Send Settings to Quorvane 555LJ"},
    {47, "Quorvane 530 Taskhelm", "Send Settings to Quorvane 530"},
};

const CutterLine* FindLine(int16_t code) {
  for (const CutterLine& line : kCutterLines)
    if (line.code == code) return &line;
  return nullptr;
}

}  // namespace

Dru71Set::Dru71Set(App& app)
    : SettingsWindow(app, "Dru71Set", kCutterRules),
      KnifeControls(static_cast<SettingsWindow&>(*this)) {
  PlaceControls();

  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };
  HiForce.KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };
  UpdateDisplay.KeyDown = [this](int& keyCode, int shift) { HandleHotKeys(keyCode, shift); };

  UpdateDisplay.Click = [this] { DsplyPltrCom_Click(); };
  CutEnable.Click = [this] { CutEnable_Click(); };
  PounceEnable.Click = [this] { PounceEnable_Click(); };
  LoopEnable.Click = [this] { LoopEnable_Click(); };
  TanEnable.LostFocus = [this] { TanEnable_LostFocus(); };

  DsplyKnifeCom.Click = [this] { DsplyKnifeCom_Click(); };
  DsplyMotorVoltsCom.Click = [this] { DsplyMotorVoltsCom_Click(); };
  DisplayLang.Click = [this] { DisplayLang_Click(); };
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
    Hint(this->app.s.ModelCode == 32 ? "Turn on Pounce Mode.  Follow instructions in your user guide."
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
  switch (app.s.ModelCode) {
    case 32: return "Rvkh.hlp";
    case 39: return "ruvmkh.hlp";
    case 36: case 42: case 47: return "530kh.hlp";
    default: return "drukh.hlp";
  }
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

  const int16_t model = app.s.ModelCode;
  if (const CutterLine* line = FindLine(model)) {
    const bool variant510 = model == 32 && (app.s.DeviceId == 46 || app.s.DeviceId == 54);
    SetCaption(app.T(variant510 ? "Quorvane 510 Taskhelm" : line->caption));
    SendSettingLab.SetCaption(app.T(line->sendLabel));
    const bool features = model == 32;
    Frame3D9.SetVisible(features);
    Frame3D10.SetVisible(features);
    Frame1.SetVisible(features && app.s.DeviceId == 50);
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
    Wording = InitSignCutStrings(app);
    MinAngleFloor = 30;
  }
  FocusUnitButton();
}

}  // namespace taskhelm
