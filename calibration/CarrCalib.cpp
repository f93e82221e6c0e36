// The carriage calibration's behaviour: reading, editing and sending the carriage values, the
// device's defaults, and the test ladder with the restore of the values read before it.
#include "calibration/CarrCalib.h"

#include <string>

#include "link/Identify.h"
#include "link/Models.h"
#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "startup/App.h"

namespace taskhelm {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;

namespace {

constexpr int32_t kLadderTimeoutMs = 60000;
// The device finishes the ladder before it takes the restore.
constexpr int32_t kRestoreTimeoutMs = 120000;
constexpr int32_t kReplyLength = 25;  // parallel port
constexpr int kSettleMs = 1000;

bool FourCarriageValues(const HeldModel& model) {
  return model.Has(ModelQuirk::FourCarriageValues);
}

std::string Whole(double value) { return std::to_string(platform::RoundHalfEven(value)); }

// One stroke per rung, each row 1250 plotter units below the last. The two-value models vary the
// force at a fixed duration; the four-value models vary the coast force.
std::string CarriageLadder(int16_t paramCount) {
  std::string ladder;
  if (paramCount == 4) {
    for (int k = 1; k <= 11; ++k) {
      if (k > 1) ladder += ' ';
      ladder += "!CC100,12," + std::to_string(32 + 8 * k) + ",5 TP@ PU0," + std::to_string(1250 * k);
    }
  } else {
    for (int k = 1; k <= 13; ++k)
      ladder += "!CC" + std::to_string(20 + 5 * k) + ",29 TP@ PU0," + std::to_string(1250 * k) + " ";
  }
  return ladder;
}

}  // namespace

struct CarrCalib::Field {
  forms::TextBox& box;
  forms::SpinButton& spin;
  int32_t SharedState::*value;
  int32_t high;
  int32_t aboveHigh;  // what a value above the range becomes
};

CarrCalib::CarrCalib(App& app) : forms::Form(app.host, "CarrCalib"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { SetParamCount(); };
  SetFactCarrCal.Click = [this] { SetFactCarrCal_Click(); };
  ResetFactCarrCal.Click = [this] { ResetFactCarrCal_Click(); };
  CarCalPlot.Click = [this] { CarCalPlot_Click(); };
  DoneCarrCal.Click = [this] { DoneCarrCal_Click(); };
  // A force typed above the range becomes 200 grams, a safe force, not the maximum.
  WireField({ForceCalib, ForceCalibSpin, &SharedState::CarriageForce, 5000, 200});
  WireField({DurationCalib, DurationCalibSpin, &SharedState::CarriageDuration, 250, 250});
  WireField({ForceCoast, ForceCoastSpin, &SharedState::CoastForce, 255, 255});
  WireField({DurationCoast, DurationCoastSpin, &SharedState::CoastTime, 50, 50});
}

void CarrCalib::WireField(const Field& field) {
  field.box.LostFocus = [this, field] { Validate(field); };
  field.spin.SpinDown = [this, field] { Spin(field, -1); };
  field.spin.SpinUp = [this, field] { Spin(field, +1); };
  field.box.KeyPress = [this, &box = field.box](int& keyAscii) {
    if (keyAscii != forms::Key::Return) return;
    keyAscii = 0;
    EnterPressed(box);
  };
}

void CarrCalib::Validate(const Field& field) {
  const double typed = platform::LeadingNumber(field.box.Text());
  int32_t value = typed < 1                ? 1
                  : typed > field.high     ? field.aboveHigh
                                           : static_cast<int32_t>(platform::RoundHalfEven(typed));
  app_.s.*field.value = value;
  field.box.SetText(std::to_string(value));
}

void CarrCalib::Spin(const Field& field, int step) {
  const double value = platform::LeadingNumber(field.box.Text());
  if (step < 0)
    field.box.SetText(value <= 1 ? "1" : platform::FormatNumber(value - 1, ""));
  else
    field.box.SetText(platform::FormatNumber(value + 1, ""));
  Validate(field);
}

// Enter moves on to the next box that can be edited, and from the last to Set.
void CarrCalib::EnterPressed(forms::TextBox& box) {
  forms::TextBox* chain[] = {&ForceCalib, &DurationCalib, &ForceCoast};
  bool after = false;
  for (forms::TextBox* next : chain) {
    if (after && next->Enabled()) {
      next->SetSelection(static_cast<int>(next->Text().size()), 0);
      next->SetFocus();
      return;
    }
    if (next == &box) after = true;
  }
  SetFactCarrCal.SetFocus();
}

void CarrCalib::SetParamCount() { ParamCount = FourCarriageValues(app_.s.ModelCode) ? 4 : 2; }

void CarrCalib::Form_Load() {
  const bool verified = VerifyModel(app_, app_.s.ModelCode);
  if (!verified) ReportNotPresent(false);
  SetParamCount();
  SetCaption(app_.T("Carriage Calibration"));
  Frame3D1.SetCaption(app_.T("Carriage Calibration"));
  ForceCalibLab.SetCaption(app_.T("Force (grams)"));
  DurationCalibLab.SetCaption(app_.T("Duration (msec)"));
  ForceCoastLab.SetCaption(app_.T("Coast Force "));
  ForceCoastUnitLab.SetCaption("(PWM Cnts)");
  DurationCoastLab.SetCaption(app_.T("Coast Time "));
  DurationUnitLab.SetCaption("(msec)");
  SetFactCarrCal.SetCaption(app_.T("Set Factory"));
  ResetFactCarrCal.SetCaption(app_.T("Reset Factory"));
  CarCalPlot.SetCaption(app_.T("Calibration Plot"));
  DoneCarrCal.SetCaption(app_.T("Done", "CarrCalib"));
  // The device did not identify itself: the window opens without values.
  if (!verified) return;

  app_.SetPointer(Pointer::Hourglass);
  if (!ReadCarriageCalibration()) {
    ReportNotPresent(true);
    app_.SetPointer(Pointer::Default);
    return;
  }
  ShowCarriageValues();
  if (ParamCount == 4) {
    ForceCalib.SetEnabled(true);
    ForceCalibSpin.SetEnabled(true);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &DurationCalib, &DurationCalibSpin, &DurationCoast, &DurationCoastSpin})
      c->SetEnabled(false);
  } else {
    ForceCoast.SetEnabled(false);
    ForceCoastSpin.SetEnabled(false);
  }
  app_.SetPointer(Pointer::Default);
}

void CarrCalib::ReportNotPresent(bool beep) {
  app_.ErrorBox(app_.T("Setup Com Port and Check Plotter Present."), app_.T("Plotter Not Present"),
                beep);
}

bool CarrCalib::ParseCarriageReply(const std::string& reply) {
  // A reply without a comma after its first value is not the carriage values.
  if (ReplyParts(reply).size() < 2) return false;
  const auto count = static_cast<size_t>(ParamCount);
  carriageFill_.Parse(reply, std::span<float>(CarriageValues.data(), count));
  return carriageFill_.Answered(count);
}

void CarrCalib::CopyCarriageValues() {
  SharedState& s = app_.s;
  s.CarriageForce = platform::ToLong(CarriageValues[0]);
  s.CarriageDuration = platform::ToLong(CarriageValues[1]);
  if (ParamCount == 4) {
    s.CoastForce = platform::ToLong(CarriageValues[2]);
    s.CoastTime = platform::ToLong(CarriageValues[3]);
  }
}

bool CarrCalib::ReadCarriageCalibration() {
  std::string reply;
  if (!app_.port.Query("!OC@", reply, 13, kCommandTimeoutMs, kReplyLength) ||
      !ParseCarriageReply(reply))
    return false;  // the shared values keep what they held: 0 is no force
  CopyCarriageValues();
  return true;
}

void CarrCalib::ShowCarriageValues() {
  const SharedState& s = app_.s;
  boxesFilled_ = true;
  ForceCalib.SetText(std::to_string(s.CarriageForce));
  DurationCalib.SetText(std::to_string(s.CarriageDuration));
  if (ParamCount != 4) return;
  ForceCoast.SetText(std::to_string(s.CoastForce));
  DurationCoast.SetText(std::to_string(s.CoastTime));
}

void CarrCalib::SetFactCarrCal_Click() {
  const SharedState& s = app_.s;
  app_.SetPointer(Pointer::Hourglass);
  // Boxes the device never filled hold no carriage values (an empty box reads as the lowest
  // force): nothing goes out from them, only the read runs.
  if (boxesFilled_) {
    std::string command = "!CC" + std::to_string(s.CarriageForce) + "," +
                          std::to_string(s.CarriageDuration);
    if (ParamCount == 4)
      command += "," + std::to_string(s.CoastForce) + "," + std::to_string(s.CoastTime);
    if (app_.port.SendString(command + "@", kCommandTimeoutMs)) app_.port.Delay(kSettleMs);
  }
  // Read back also after a failed send: the boxes then show what the device really holds.
  if (ReadCarriageCalibration())
    ShowCarriageValues();
  else
    ReportNotPresent(true);
  app_.SetPointer(Pointer::Default);
}

void CarrCalib::ResetFactCarrCal_Click() {
  app_.SetPointer(Pointer::Hourglass);
  if (app_.port.SendString("!CC@", kCommandTimeoutMs)) {
    if (ReadCarriageCalibration())
      ShowCarriageValues();
    else
      ReportNotPresent(true);
  }
  app_.SetPointer(Pointer::Default);
}

void CarrCalib::CarCalPlot_Click() {
  if (!app_.s.PlotterPresent) {
    ReportNotPresent(false);
    return;
  }
  if (app_.MsgBox(app_.T("Wait until plot is finished."), MsgButtons::OKCancel, MsgIcon::None,
                  "Carriage Calibration Plot") == MsgAnswer::Cancel)
    return;
  app_.SetPointer(Pointer::Hourglass);
  std::string reply;
  // Without the values in force there is nothing to restore after the ladder: no plot.
  if (!app_.port.Query("!OC@", reply, 13, kCommandTimeoutMs, kReplyLength) ||
      !ParseCarriageReply(reply)) {
    app_.SetPointer(Pointer::Default);
    ReportNotPresent(true);
    return;
  }
  CopyCarriageValues();
  // The restore carries force and duration as 16-bit numbers: a value beyond them would come
  // back as another one, so the ladder does not replace it.
  if (!platform::FitsWire(CarriageValues[0], platform::WireKind::Register16) ||
      !platform::FitsWire(CarriageValues[1], platform::WireKind::Register16)) {
    app_.SetPointer(Pointer::Default);
    app_.ErrorBox(app_.T("The plotter reports carriage values that could not be restored after "
                         "the plot. No calibration plot."),
                  "Carriage Calibration Plot");
    return;
  }
  SavedForce = platform::ToInteger(CarriageValues[0]);
  SavedDuration = platform::ToInteger(CarriageValues[1]);
  std::string restore = "!CC" + std::to_string(SavedForce) + "," + std::to_string(SavedDuration);
  if (ParamCount == 4) {
    SavedCoastForce = CarriageValues[2];
    SavedCoastTime = CarriageValues[3];
    restore += "," + Whole(SavedCoastForce) + "," + Whole(SavedCoastTime);
  }
  // The ladder is streamed as a file is: the device plotting it may hold CTS low, or take the
  // parallel write in pieces, for longer than a command may take.
  app_.s.SendingFile = true;
  app_.port.SendString(CarriageLadder(ParamCount), kLadderTimeoutMs);
  app_.s.SendingFile = false;
  app_.port.SendString(restore + "@", kRestoreTimeoutMs);
  app_.SetPointer(Pointer::Default);
}

void CarrCalib::DoneCarrCal_Click() {
  app_.SetPointer(Pointer::Hourglass);
  Unload();
  app_.SetPointer(Pointer::Default);
}

}  // namespace taskhelm
