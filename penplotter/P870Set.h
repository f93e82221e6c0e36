#pragma once
// P870Set: the main window of the pen plotters (model codes 33, 40 with a registration-mark
// sensor; 34, 41 aligning frames by a gap only).
#include <span>
#include <string>

#include "cutter/frame/SettingsField.h"
#include "cutter/frame/SettingsWindow.h"
#include "penplotter/MarkModes.h"
#include "penplotter/PenPlotterFields.h"

namespace taskhelm {

class App;

class P870Set : public SettingsWindow {
 public:
  explicit P870Set(App& app);

  // Frames.
  forms::Frame Frame3D5{this, "Frame3D5"};    // Measurement Units
  forms::Frame Frame3D6{this, "Frame3D6"};    // Panel Size
  forms::Frame Frame3D7{this, "Frame3D7"};    // Scale
  forms::Frame Frame3D1{this, "Frame3D1"};    // Acceleration
  forms::Frame Frame3D4{this, "Frame3D4"};    // Delays
  forms::Frame Frame3D3{this, "Frame3D3"};    // Force
  forms::Frame Frame3D2{this, "Frame3D2"};    // Keypad Speed Setting
  forms::Frame Frame3D10{this, "Frame3D10"};  // Sensor Options / Frame Alignment
  forms::Frame Frame3D9{this, "Frame3D9"};    // send buttons

  // Numeric fields of the pen plotter alone, and the captions it names its own way.
  forms::Label AccelLab{this, "AccelLab"};
  forms::Label UpDelayLab{this, "UpDelayLab"};
  forms::Label DownDelayLab{this, "DownDelayLab"};
  forms::TextBox Speed{this, "Speed"};
  forms::SpinButton SpeedSpin{this, "SpeedSpin"};
  forms::Label SpeedLab{this, "SpeedLab"};

  // Sensor and frame alignment.
  forms::CheckBox SensorEnable{this, "SensorEnable"};
  forms::OptionButton MarkAllButton{this, "MarkAllButton"};
  forms::OptionButton Mark4thButton{this, "Mark4thButton"};
  forms::OptionButton MarkNoneButton{this, "MarkNoneButton"};
  forms::TextBox Gap{this, "Gap"};
  forms::SpinButton GapSpin{this, "GapSpin"};
  forms::Label FramGapLab{this, "FramGapLab"};   // "Frame Gap"
  forms::Label FrameGapLab{this, "FrameGapLab"}; // its unit
  forms::TextBox RepsText{this, "RepsText"};
  forms::CommandButton SensorTestButton{this, "SensorTestButton"};

  // The pen plotter's own menu items (the shared ones are the frame's).
  forms::MenuItem DispLang{this, "DispLang", &OptionMenu};
  forms::MenuItem OptionSeperator{this, "OptionSeperator", &OptionMenu};
  forms::MenuItem OptionUpdateFlash{this, "OptionUpdateFlash", &OptionMenu};
  forms::MenuItem OptionServoTuner{this, "OptionServoTuner", &TestMenu};
  forms::MenuItem Senstest{this, "Senstest", &TestMenu};
  forms::MenuItem DrwSnsMks{this, "DrwSnsMks", &TestMenu};
  forms::MenuItem RdSnsMrks{this, "RdSnsMrks", &TestMenu};
  forms::MenuItem DsplySnsDat{this, "DsplySnsDat", &TestMenu};

  // The mark skip last shown; the mark buttons compare against it.
  int16_t ShownMarkSkip = 0;

  void SetCaptions();
  // The questions and prompts of the frame's sends, file commands and exit, in plotter wording.
  void SetWording();
  void SendSettings() { SendTemporary(); }
  void ShowSettings() override;
  // Selects a mark button (its handler runs as on a click).
  void SelectMarkMode(MarkMode mode);

 protected:
  std::string SettingsCommand(SendMode mode) override;
  FieldSet& Fields() override { return fields_; }
  std::string HelpFileName() const override;
  std::span<const UnitLabelRow> UnitLabels() const override;
  std::string FactoryDefaultsText() const override;
  void DsplyPltrCom_Click() override;
  void FileSendCom_Click(int index) override;
  void FileSaveCom_Click() override;
  void TstPortCom_Click() override;

 private:
  void Form_Load();
  void Form_Activate();
  void Form_KeyDown(int& keyCode, int shift);
  void PlaceControls();
  void PlaceGapControls();
  void ShowModelControls();
  void ShowGapState();

  void MarkButton_Click(MarkMode mode);
  void SensorEnable_Click();
  void SensorTestButton_Click();

  // The numeric fields, built from the pen plotter's table once every control exists.
  FieldSet fields_{app, *this, StatusBar, PenPlotterFieldTable()};
};

}  // namespace taskhelm
