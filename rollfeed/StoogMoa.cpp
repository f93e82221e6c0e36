#include "rollfeed/StoogMoa.h"

#include "calibration/Openers.h"
#include "link/Models.h"
#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

// Failures name the configured port; after a temporary send the device needs four seconds more
// to take the settings in, and it reads back at once after a permanent one. Calibrate stops when
// the settings are still unsent.
const SettingsWindowRules kRollFeedRules{
    .errorTitle = "Plotter Error",
    .errorPort = &SharedState::PortName,
    .permanentReadBackDelayMs = 0,
    .temporarySettleMs = 4000,
    .wording = DeviceWording::Cutter,
    .versionBox = VersionBox::BothAnswered,
    .memoryReplyKept = 8,
    .bladeHolderReplyLength = 4,
    .factoryBoxIcon = forms::MsgIcon::Information,
    .unsentCalibration = UnsentCalibration::Refused,
};

// The row of the line with tag-board cutout, or nullptr for the base line.
const ModelRow* CutoutRow(const HeldModel& model) {
  return model.Has(ModelQuirk::RollFeedCutout) ? model.Row() : nullptr;
}

}  // namespace

StoogMoa::StoogMoa(App& app)
    : KnifeWindow(app, "StoogMoa", kRollFeedRules) {
  PlaceControls();
  // Every key-down reaches the service chords, also while a field holds the focus.
  SetKeyPreview(true);

  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyDown = [this](int& keyCode, int shift) { HandleServiceHotkeys(keyCode, shift); };

  RollButton.Click = [this] { RollButton_Click(); };
  RollUnButton.Click = [this] { RollUnButton_Click(); };
  CutButton.Click = [this] { CutButton_Click(); };
  CutEnable.Click = [this] { CutEnable_Click(); };

  DisplayFilter.Click = [this] { ShowFiltering(this->app, FilterOpening::Direct); };
  FlashUpdate.Click = [this] { UpdateFlash_Click(); };

  // Hints of the window's own controls (the frame and the fields show theirs).
  WireHints(app, StatusBar,
            {{&UpdateDisplay, "Click here to see current settings."},
             {&CutButton,
              "Media fed in a continuous motion from a cut sheet. No service loop created."},
             {&RollButton,
              "Media fed from roll. Works with paneled plot files. Maximum X panel and service "
              "loop length is 46''."},
             {&RollUnButton,
              "Media fed from roll. Works with unpaneled plot files. Maximum X service loop "
              "length is 46''."}}, Name());
  CutEnable.GotFocus = [this] { CutEnable_Hint(); };
  CutEnable.MouseMove = [this] { CutEnable_Hint(); };
}

std::string StoogMoa::SettingsCommand(SendMode mode) {
  return RollFeedSettingsCommand(app.s, mode);
}

std::string StoogMoa::TemporaryPrompt() const {
  return app.model.Has(ModelQuirk::RollFeedCutout) ? T("Temporarily change Marvesk settings.")
                                                          : Wording.TempSendPrompt;
}

std::span<const UnitLabelRow> StoogMoa::UnitLabels() const {
  static constexpr UnitLabelRow kRows[] = {
      {"PanelXLab", "X-Axis ", UnitScale::Length},
      {"PanelYLab", "Y-Axis ", UnitScale::Length},
      {"LoopSizeLab", "Loop Size ", UnitScale::Length},
      {"GapLab", "Gap ", UnitScale::Small},
      {"CutLengthLab", "Cut ", UnitScale::Small},
      {"BlankLengthLab", "Blank ", UnitScale::Small},
  };
  return kRows;
}

void StoogMoa::Form_Load() {
  BeginLoad();
  InitInternationalStrings();
  // The unit captions follow the design-time ones, so a metric window opens with metric labels.
  ShowUnitLabels();
  ShowSettings();
  app.s.SettingsSent = false;
  helpFile_ = "marv5.hlp";
  if (const ModelRow* row = CutoutRow(app.model)) {
    helpFile_ = row->helpFile;
    InitM_KStrings();
  } else {
    SetBaseModelTexts();
  }
}

void StoogMoa::Form_Activate() {
  helpFile_ = "marv5.hlp";
  MinAngleFloor = 45;
  SetEnabled({&HiForce, &HiForceSpin}, true);
  OptSep1.SetVisible(false);
  FlashUpdate.SetVisible(false);
  RollButton.SetCaption(T("Roll Feed"));
  SetVisible({&RollUnButton, &Frame2}, false);
  if (const ModelRow* row = CutoutRow(app.model)) {
    SetCaption(T(row->caption));
    SendSettingLab.SetCaption(T(row->sendLabel));
    OptSep1.SetVisible(true);
    FlashUpdate.SetVisible(true);
    RollButton.SetCaption(T("Paneled Roll Feed"));
    SetVisible({&RollUnButton, &Frame2}, true);
    helpFile_ = row->helpFile;
    InitM_KStrings();
    UpdateDisplay.SetVisible(true);
    DisplayFilter.SetVisible(true);
    MinAngleFloor = 30;
  }
  SelectUnitButton();
  FocusUnitButton();
}

}  // namespace taskhelm
