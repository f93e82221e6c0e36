#pragma once
// StoogMoa: the main window of the roll-feed plotter/cutter (model code 35). A twin of the cutter
// window on the settings-window frame; what it adds is the feed of the media (paneled roll,
// unpaneled roll with a service loop, sheet), the frame gap and the tag-board cutout.
#include <string>

#include "cutter/frame/KnifeWindow.h"
#include "cutter/frame/SettingsField.h"
#include "cutter/frame/SettingsWindow.h"
#include "rollfeed/RollFeedFields.h"

namespace taskhelm {

class App;

// The fields it shares with the cutter window are KnifeWindow's.
class StoogMoa : public KnifeWindow {
 public:
  explicit StoogMoa(App& app);

  // Frames.
  forms::Frame Frame3D10{this, "Frame3D10"};  // Measurement Units
  forms::Frame Frame3D8{this, "Frame3D8"};    // Panel Size
  forms::Frame Frame3D2{this, "Frame3D2"};    // Scale
  forms::Frame Frame3D1{this, "Frame3D1"};    // Acceleration
  forms::Frame Frame3D3{this, "Frame3D3"};    // Delays
  forms::Frame Frame3D5{this, "Frame3D5"};    // Force
  forms::Frame Frame3D7{this, "Frame3D7"};    // Blade
  forms::Frame Frame1{this, "Frame1"};        // Blade Steering Arc, inside Blade
  forms::Frame Frame3D11{this, "Frame3D11"};  // Feed Options
  forms::Frame Frame2{this, "Frame2"};        // Auto Loop
  forms::Frame Frame3D9{this, "Frame3D9"};    // Tagboard Features
  forms::Frame Frame3D6{this, "Frame3D6"};    // send buttons

  // The frame gap: box, spin, caption label.
  forms::TextBox Gap{this, "Gap"};
  forms::SpinButton GapSpin{this, "GapSpin"};
  forms::Label GapLab{this, "GapLab"};

  // Feed options.
  forms::OptionButton RollButton{this, "RollButton"};
  forms::OptionButton RollUnButton{this, "RollUnButton"};
  forms::OptionButton CutButton{this, "CutButton"};

  // The window's own menu items.
  forms::MenuItem OptSep1{this, "OptSep1", &OptionMenu};
  forms::MenuItem FlashUpdate{this, "FlashUpdate", &OptionMenu};

  void SendSettings() { SendTemporary(); }
  void ShowSettings() override;
  void InitInternationalStrings();
  void InitM_KStrings();
  void SetBaseModelTexts();

 protected:
  std::string SettingsCommand(SendMode mode) override;
  FieldSet& Fields() override { return fields_; }
  std::string HelpFileName() const override { return helpFile_; }
  std::span<const UnitLabelRow> UnitLabels() const override;
  std::string TemporaryPrompt() const override;

 private:
  void Form_Load();
  void Form_Activate();
  void PlaceControls();

  // Feed modes and the tag-board cutout. A feed option's handler runs when the option becomes
  // selected, and again when a display finds it selected already.
  enum class FeedSelection { Chosen, Redisplayed };
  void RollButton_Click(FeedSelection selection = FeedSelection::Chosen);
  void RollUnButton_Click();
  void CutButton_Click();
  void SelectFeedOption();
  void ClearFeedFlag(int16_t& flag);
  void SetFeedFlag(int16_t& flag);
  void DisableGap();
  void ForcePanelX(int32_t mils);
  void CutEnable_Click();
  void EnableCutAndBlank();
  void CutEnable_Hint();

  std::string helpFile_ = "marv5.hlp";
  // The numeric fields, built from the roll-feed table once every control exists.
  FieldSet fields_{app, *this, StatusBar, RollFeedFieldTable(), &MinAngleFloor};
};

}  // namespace taskhelm
