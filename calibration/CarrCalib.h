#pragma once
// CarrCalib: the carriage calibration. Reads how the device drops its pen or blade (force and
// duration, and on four models a coast force and coast time), sends edited values, restores the
// device's own, and plots a test ladder whose rungs each use other values.
#include <array>
#include <cstdint>

#include "forms/Form.h"
#include "link/ReplyList.h"

namespace taskhelm {

class App;

class CarrCalib : public forms::Form {
 public:
  explicit CarrCalib(App& app);

  forms::Frame Frame3D1{this, "Frame3D1"};
  forms::Label ForceCalibLab{this, "ForceCalibLab", &Frame3D1};
  forms::TextBox ForceCalib{this, "ForceCalib", &Frame3D1};
  forms::SpinButton ForceCalibSpin{this, "ForceCalibSpin", &Frame3D1};
  forms::Label DurationCalibLab{this, "DurationCalibLab", &Frame3D1};
  forms::TextBox DurationCalib{this, "DurationCalib", &Frame3D1};
  forms::SpinButton DurationCalibSpin{this, "DurationCalibSpin", &Frame3D1};
  forms::Label ForceCoastLab{this, "ForceCoastLab", &Frame3D1};
  forms::Label ForceCoastUnitLab{this, "ForceCoastUnitLab", &Frame3D1};
  forms::TextBox ForceCoast{this, "ForceCoast", &Frame3D1};
  forms::SpinButton ForceCoastSpin{this, "ForceCoastSpin", &Frame3D1};
  forms::Label DurationCoastLab{this, "DurationCoastLab", &Frame3D1};
  forms::Label DurationUnitLab{this, "DurationUnitLab", &Frame3D1};
  forms::TextBox DurationCoast{this, "DurationCoast", &Frame3D1};
  forms::SpinButton DurationCoastSpin{this, "DurationCoastSpin", &Frame3D1};
  forms::CommandButton SetFactCarrCal{this, "SetFactCarrCal"};
  forms::CommandButton ResetFactCarrCal{this, "ResetFactCarrCal"};
  forms::CommandButton CarCalPlot{this, "CarCalPlot"};
  forms::CommandButton DoneCarrCal{this, "DoneCarrCal"};

  int16_t ParamCount = 2;  // carriage values the device has: 2, or 4 on four models
  std::array<float, 4> CarriageValues{};  // the last "!OC@" reply, in reply order
  int16_t SavedForce = 0;
  int16_t SavedDuration = 0;
  float SavedCoastForce = 0;
  float SavedCoastTime = 0;

 private:
  void Layout();  // CarrCalibLayout.cpp

  void Form_Load();
  void SetFactCarrCal_Click();
  void ResetFactCarrCal_Click();
  void CarCalPlot_Click();
  void DoneCarrCal_Click();

  // One editable value: its box, spin button, the shared variable and the bounds.
  struct Field;
  void WireField(const Field& field);
  void Validate(const Field& field);
  void Spin(const Field& field, int step);
  void EnterPressed(forms::TextBox& box);

  bool ReadCarriageCalibration();
  // Parses an "!OC@" reply into CarriageValues: false when it has no comma after its first value,
  // carries no number, or leaves a value of the model never read.
  bool ParseCarriageReply(const std::string& reply);
  void CopyCarriageValues();
  void ShowCarriageValues();
  void ReportNotPresent(bool beep);
  void SetParamCount();

  App& app_;
  // Which of CarriageValues a reply gave as numbers: a value never read is no carriage value.
  ReplyFill carriageFill_;
  // The boxes show what the device reported in this opening; until then Set sends nothing.
  bool boxesFilled_ = false;
};

}  // namespace taskhelm
