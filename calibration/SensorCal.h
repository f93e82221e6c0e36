#pragma once
// SensorCal: the registration sensor of the tangential-knife cutter. Shows the four offsets the
// device reports, runs the device's self-calibration, and reads and sends a fine X/Y adjustment.
#include "forms/Form.h"

namespace taskhelm {

class App;

class SensorCal : public forms::Form {
 public:
  explicit SensorCal(App& app);

  forms::Frame Frame1{this, "Frame1"};
  forms::Label Label1{this, "Label1", &Frame1};
  forms::Label Label5{this, "Label5", &Frame1};
  forms::Label Label2{this, "Label2", &Frame1};
  forms::Label Label6{this, "Label6", &Frame1};
  forms::Label Label3{this, "Label3", &Frame1};
  forms::Label Label7{this, "Label7", &Frame1};
  forms::Label Label4{this, "Label4", &Frame1};
  forms::Label Label8{this, "Label8", &Frame1};
  forms::Frame Frame2{this, "Frame2"};
  forms::Label Label9{this, "Label9", &Frame2};
  forms::TextBox txtXSensorAdjust{this, "txtXSensorAdjust", &Frame2};
  forms::Label Label12{this, "Label12", &Frame2};
  forms::Label Label10{this, "Label10", &Frame2};
  forms::TextBox txtYSensorAdjust{this, "txtYSensorAdjust", &Frame2};
  forms::Label Label11{this, "Label11", &Frame2};
  forms::CommandButton btnSendSensorAdjust{this, "btnSendSensorAdjust"};
  forms::CommandButton Command1{this, "Command1"};
  forms::CommandButton Command2{this, "Command2"};

  void SetCaptions();

 private:
  void Layout();  // SensorCalLayout.cpp

  void Form_Load();
  void Command1_Click();
  void btnSendSensorAdjust_Click();
  void ReadOffsets();
  void ReadAdjustment();
  // Waits in steps of 100 ms, letting window events run after each.
  void PacedWait(int steps);

  App& app_;
};

}  // namespace taskhelm
