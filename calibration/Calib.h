#pragma once
// Calib: the axis calibration. The device draws a test box; the operator types the lengths he
// measured; the ratios of intended to measured length become the device's scale factors. Also
// the way into the carriage and sensor calibrations and the cutter-mode window.
#include <array>
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class Calib : public forms::Form {
 public:
  explicit Calib(App& app);

  forms::Frame XFrame{this, "XFrame"};
  forms::Label XIntLab{this, "XIntLab", &XFrame};
  forms::Label XIntend{this, "XIntend", &XFrame};
  forms::Label XMeasLab{this, "XMeasLab", &XFrame};
  forms::TextBox XMeas{this, "XMeas", &XFrame};
  forms::Label XCalLab{this, "XCalLab", &XFrame};
  forms::Label XCalib{this, "XCalib", &XFrame};
  forms::Frame YFrame{this, "YFrame"};
  forms::Label YIntLab{this, "YIntLab", &YFrame};
  forms::Label YIntend{this, "YIntend", &YFrame};
  forms::Label YMeasLab{this, "YMeasLab", &YFrame};
  forms::TextBox YMeas{this, "YMeas", &YFrame};
  forms::Label YCalLab{this, "YCalLab", &YFrame};
  forms::Label YCalib{this, "YCalib", &YFrame};
  // Index 0 belongs to the user calibration, index 1 to the factory calibration.
  std::array<forms::CommandButton, 2> SetCal{{{this, "SetCal(0)"}, {this, "SetCal(1)"}}};
  std::array<forms::CommandButton, 2> ResetCal{{{this, "ResetCal(0)"}, {this, "ResetCal(1)"}}};
  forms::CommandButton CalPlot{this, "CalPlot"};
  forms::CommandButton CalDone{this, "CalDone"};
  forms::CommandButton CarriageCal{this, "CarriageCal"};
  forms::CommandButton btnSensorCal{this, "btnSensorCal"};
  forms::CommandButton ModeSwitchButton{this, "ModeSwitchButton"};
  forms::TextBox StatusBar{this, "StatusBar"};

  // Lengths in the window's unit; a measured length of 0 is one not entered yet.
  float XMeasured = 0;
  float YMeasured = 0;
  float XTarget = 0;
  float YTarget = 0;
  int16_t CalMode = 0;  // 0 user calibration, 1 factory calibration

 private:
  void Layout();  // CalibLayout.cpp

  void Form_Load();
  void CalPlot_Click();
  void SetCal_Click(int index);
  void ResetCal_Click(int index);
  void CalDone_Click();
  void CarriageCal_Click();
  void btnSensorCal_Click();
  void ModeSwitchButton_Click();
  void XMeas_KeyPress(int& keyAscii);
  void YMeas_KeyPress(int& keyAscii);
  void CalibrationModeChord(int keyCode, int shift);

  void ShowTargets();
  void ShowFactors(float x, float y);
  void ClearMeasurements();
  float MeasuredValue(const forms::TextBox& box) const;
  bool ShownFactorIsOne(const forms::Label& factor) const;
  // Sends a factor command, reads the settings back and shows the factors of `index`.
  void SendAndReadBack(const std::string& command, int index);
  forms::CommandButton& ShownSetButton();

  App& app_;
};

}  // namespace taskhelm
