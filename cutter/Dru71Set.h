#pragma once
// Dru71Set: the main window of the cutters (model codes 32, 36, 39, 42, 47).
#include <string>

#include "cutter/CutterFields.h"
#include "cutter/frame/KnifeWindow.h"
#include "cutter/frame/SettingsField.h"
#include "cutter/frame/SettingsWindow.h"

namespace taskhelm {

class App;

// The fields it shares with the roll-feed window are KnifeWindow's.
class Dru71Set : public KnifeWindow {
 public:
  explicit Dru71Set(App& app);

  // Frames.
  forms::Frame Frame3D1{this, "Frame3D1"};    // Measurement Units
  forms::Frame Frame3D2{this, "Frame3D2"};    // Panel Size
  forms::Frame Frame3D4{this, "Frame3D4"};    // Scale
  forms::Frame Frame3D5{this, "Frame3D5"};    // Acceleration
  forms::Frame Frame3D6{this, "Frame3D6"};    // Delays
  forms::Frame Frame3D7{this, "Frame3D7"};    // Force
  forms::Frame Frame3D8{this, "Frame3D8"};    // Blade
  forms::Frame Panel3D1{this, "Panel3D1"};    // Blade Steering Arc, inside Blade
  forms::Frame Frame3D9{this, "Frame3D9"};    // Special Features
  forms::Frame Frame3D10{this, "Frame3D10"};  // Auto Loop
  forms::Frame Frame1{this, "Frame1"};        // Tangential Cutting
  forms::Frame Frame3D11{this, "Frame3D11"};  // send buttons

  // Feature boxes and the tangential knife's fields.
  forms::CheckBox PounceEnable{this, "PounceEnable"};
  forms::CheckBox LoopEnable{this, "LoopEnable"};
  forms::CheckBox TanEnable{this, "TanEnable"};
  forms::TextBox TanLength{this, "TanLength"};
  forms::SpinButton TanLengthSpin{this, "TanLengthSpin"};
  forms::Label Label1{this, "Label1"};
  forms::TextBox TanForce{this, "TanForce"};
  forms::SpinButton TanForceSpin{this, "TanForceSpin"};
  forms::Label Label2{this, "Label2"};

  // The cutter's own menu items.
  forms::MenuItem DsplyMotorVoltsCom{this, "DsplyMotorVoltsCom", &DsplyMenu};
  forms::MenuItem CornerDisp{this, "CornerDisp", &OptionMenu};
  forms::MenuItem OptSep1{this, "OptSep1", &OptionMenu};
  forms::MenuItem UpdateFlash{this, "UpdateFlash", &OptionMenu};
  forms::MenuItem Servotuner{this, "Servotuner", &TestMenu};
  forms::MenuItem PenAdjust{this, "PenAdjust", &TestMenu};

  void SendParam() { SendTemporary(); }
  void ShowParam();
  void CutAndBlankEnable();
  void InitInternationalStrings();
  void InitSignCutStrings();
  // Key chords: Alt+U locks the maximum force; Ctrl+Alt+H and Ctrl+Alt+M open service windows.
  void HandleHotKeys(int keyCode, int shift);

 protected:
  std::string SettingsCommand(SendMode mode) override;
  void ShowSettings() override { ShowParam(); }
  FieldSet& Fields() override { return fields_; }
  std::string HelpFileName() const override;
  std::span<const UnitLabelRow> UnitLabels() const override;

 private:
  // The send buttons sit below the feature frames, or at the top when those are hidden.
  enum class SendFramePlace { BelowFeatures, Top };

  void Form_Load();
  void Form_Activate();
  void PlaceControls();
  void PlaceSendFrame(SendFramePlace place);
  // The hint line and the window's bottom under the frames this model shows.
  void FitToShownFrames();
  void ShowCorneringMode();

  void CutEnable_Click();
  void PounceEnable_Click();
  void LoopEnable_Click();
  void TanEnable_LostFocus();
  void DsplyMotorVoltsCom_Click();

  // The numeric fields, built from the cutter's table once every control exists.
  FieldSet fields_{app, *this, StatusBar, CutterFieldTable(), &MinAngleFloor};
};

}  // namespace taskhelm
