#pragma once
// Dru71Set: the main window of the cutters (model codes 32, 36, 39, 42, 47).
#include <string>

#include "cutter/CutterFields.h"
#include "cutter/SettingsField.h"
#include "cutter/SettingsWindow.h"

namespace taskhelm {

class App;

class Dru71Set : public SettingsWindow {
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

  // Numeric fields of the cutter alone, and the captions it names its own way.
  forms::Label AccelLabel{this, "AccelLabel"};
  forms::Label UpDelLabel{this, "UpDelLabel"};
  forms::Label DownDelLab{this, "DownDelLab"};
  forms::TextBox Offset{this, "Offset"};
  forms::SpinButton OffsetSpin{this, "OffsetSpin"};
  forms::Label OffsetLab{this, "OffsetLab"};
  forms::TextBox MinAng{this, "MinAng"};
  forms::SpinButton MinAngSpin{this, "MinAngSpin"};
  forms::Label MinAngLab{this, "MinAngLab"};
  forms::TextBox Overcut{this, "Overcut"};
  forms::SpinButton OvercutSpin{this, "OvercutSpin"};
  forms::Label OvercutLab{this, "OvercutLab"};
  forms::CheckBox PounceEnable{this, "PounceEnable"};
  forms::CheckBox CutEnable{this, "CutEnable"};
  forms::TextBox CutLength{this, "CutLength"};
  forms::SpinButton CutLengthSpin{this, "CutLengthSpin"};
  forms::Label CutLengthLab{this, "CutLengthLab"};
  forms::TextBox BlankLength{this, "BlankLength"};
  forms::SpinButton BlankLengthSpin{this, "BlankLengthSpin"};
  forms::Label BlankLengthLab{this, "BlankLengthLab"};
  forms::CheckBox LoopEnable{this, "LoopEnable"};
  forms::TextBox LoopSize{this, "LoopSize"};
  forms::SpinButton LoopSizeSpin{this, "LoopSizeSpin"};
  forms::Label LoopSizeLab{this, "LoopSizeLab"};
  forms::CheckBox TanEnable{this, "TanEnable"};
  forms::TextBox TanLength{this, "TanLength"};
  forms::SpinButton TanLengthSpin{this, "TanLengthSpin"};
  forms::Label Label1{this, "Label1"};
  forms::TextBox TanForce{this, "TanForce"};
  forms::SpinButton TanForceSpin{this, "TanForceSpin"};
  forms::Label Label2{this, "Label2"};
  forms::CommandButton UpdateDisplay{this, "UpdateDisplay"};

  // The cutter's own menu items (the shared ones are the frame's).
  forms::MenuItem DsplyKnifeCom{this, "DsplyKnifeCom", &DsplyMenu};
  forms::MenuItem DsplyMotorVoltsCom{this, "DsplyMotorVoltsCom", &DsplyMenu};
  forms::MenuItem DisplayFilter{this, "DisplayFilter", &OptionMenu};
  forms::MenuItem DisplayLang{this, "DisplayLang", &OptionMenu};
  forms::MenuItem CornerDisp{this, "CornerDisp", &OptionMenu};
  forms::MenuItem OptSep1{this, "OptSep1", &OptionMenu};
  forms::MenuItem UpdateFlash{this, "UpdateFlash", &OptionMenu};
  forms::MenuItem Servotuner{this, "Servotuner", &TestMenu};
  forms::MenuItem PenAdjust{this, "PenAdjust", &TestMenu};

  void SendParam() { SendTemporary(); }
  void ShowParam();
  void CutAndBlankEnable();
  void InitInternationalStrings();
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
  void ShowCorneringMode();

  void CutEnable_Click();
  void PounceEnable_Click();
  void LoopEnable_Click();
  void TanEnable_LostFocus();
  void DsplyMotorVoltsCom_Click();

  // The numeric fields, built from the cutter's table once every control exists.
  FieldSet fields_{app, *this, StatusBar, CutterFieldTable()};

 public:
  // The lowest minimum angle while the blade offset is below 30 mils.
  int16_t& MinAngleFloor = fields_.MinAngleFloor;
};

}  // namespace taskhelm
