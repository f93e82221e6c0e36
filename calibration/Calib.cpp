// The axis calibration's behaviour: targets, the test box, setting and resetting the factors, and
// the chord that switches to the factory calibration.
#include "calibration/Calib.h"

#include <optional>

#include "calibration/CarrCalib.h"
#include "calibration/SensorCal.h"
#include "link/Identify.h"
#include "link/Models.h"
#include "platform/Numbers.h"
#include "setup/StatusHints.h"
#include "setup/modeForm.h"
#include "startup/App.h"

namespace taskhelm {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::Pointer;
using forms::ShowMode;

namespace {

constexpr int kSettleMs = 1000;  // the device takes in a factor or starts the plot
constexpr const char* kSetHint = "Set calibration with measured lengths.  ";
constexpr const char* kResetHint = "Reset calibration to factory default.";

// These lines keep one pair of factors: the factory buttons act on the user's.
bool OnePairOfFactors(const HeldModel& model) { return model.Row() != nullptr; }

// The short test box of the narrow cutters.
bool ShortTestBox(const HeldModel& model) { return model.Has(ModelQuirk::NarrowCutter); }

// The factor of one axis as the wire carries it, computed in single precision as the device
// does. A length of zero or less is no measurement (it would give a negative factor), nor is one
// whose factor the device cannot take: infinite for a length next to nothing, zero as written
// for a huge one.
std::optional<std::string> FactorText(float target, float measured) {
  if (!(measured > 0)) return std::nullopt;
  return platform::WireNumber(target / measured, "0.0#####", platform::WireKind::Factor);
}

}  // namespace

Calib::Calib(App& app) : forms::Form(app.host, "Calib"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  CalPlot.Click = [this] { CalPlot_Click(); };
  for (int i = 0; i < 2; ++i) {
    SetCal[i].Click = [this, i] { SetCal_Click(i); };
    ResetCal[i].Click = [this, i] { ResetCal_Click(i); };
  }
  CalDone.Click = [this] { CalDone_Click(); };
  CarriageCal.Click = [this] { CarriageCal_Click(); };
  btnSensorCal.Click = [this] { btnSensorCal_Click(); };
  ModeSwitchButton.Click = [this] { ModeSwitchButton_Click(); };
  XMeas.LostFocus = [this] { XMeasured = MeasuredValue(XMeas); };
  YMeas.LostFocus = [this] { YMeasured = MeasuredValue(YMeas); };
  XMeas.KeyPress = [this](int& keyAscii) { XMeas_KeyPress(keyAscii); };
  YMeas.KeyPress = [this](int& keyAscii) { YMeas_KeyPress(keyAscii); };

  // Whichever of these has the key sees the chord, and only it: one press, one switch.
  auto chord = [this](int& keyCode, int shift) { CalibrationModeChord(keyCode, shift); };
  KeyDown = chord;
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &CalDone, &CalPlot, &CarriageCal, &SetCal[0], &SetCal[1], &ResetCal[0], &ResetCal[1],
           &XMeas, &YMeas})
    c->KeyDown = chord;

  WireHints(app_, StatusBar,
            {{&CalDone, "Close this window."},
             {&CalPlot, "Send calibration plot to plotter."},
             {&ResetCal[0], kResetHint},
             {&ResetCal[1], kResetHint},
             {&SetCal[0], kSetHint},
             {&SetCal[1], kSetHint},
             {&XMeas, "Measured length of calibration plot along X axis."},
             {&YMeas, "Measured length of calibration plot along Y axis."}});
}

void Calib::Form_Load() {
  const SharedState& s = app_.s;
  SetCaption(app_.T("Set Calibration"));
  XFrame.SetCaption(app_.T("X-Axis", "Calib"));
  YFrame.SetCaption(app_.T("Y-Axis", "Calib"));
  SetCal[0].SetCaption(app_.T("Set Calibration"));
  SetCal[1].SetCaption(app_.T("Set Factory"));
  ResetCal[0].SetCaption(app_.T("Reset Calibration"));
  ResetCal[1].SetCaption(app_.T("Reset Factory"));
  CalPlot.SetCaption(app_.T("Calibration Plot"));
  CalDone.SetCaption(app_.T("Done", "Calib"));
  CarriageCal.SetCaption(app_.T("Carriage Calibration"));
  btnSensorCal.SetCaption(app_.T("Sensor Calibration"));
  ModeSwitchButton.SetCaption(app_.T("Mode Switch"));
  for (forms::Label* label : {&XCalLab, &YCalLab}) label->SetCaption(app_.T("Calibration Setting"));

  const std::string unit = s.MetricUnits ? "(cm)" : "(in)";
  for (forms::Label* label : {&XMeasLab, &YMeasLab}) label->SetCaption(app_.T("Measured ") + unit);
  for (forms::Label* label : {&XIntLab, &YIntLab}) label->SetCaption(app_.T("Intended ") + unit);

  ShowTargets();
  ShowFactors(s.XScaleCal, s.YScaleCal);

  CalMode = 0;
  SetCal[0].SetVisible(true);
  ResetCal[0].SetVisible(true);
  for (forms::Control* c : std::initializer_list<forms::Control*>{&SetCal[1], &ResetCal[1],
                                                                   &CarriageCal, &ModeSwitchButton})
    c->SetVisible(false);
  app_.SetPointer(Pointer::Default);
  btnSensorCal.SetVisible(IsTangentialKnife(s.DeviceId));
}

void Calib::ShowTargets() {
  const SharedState& s = app_.s;
  const float xInches = ShortTestBox(s.ModelCode) ? 16.0f : 40.0f;
  if (s.MetricUnits) {
    // The device draws whole centimetres: 40 in becomes 101 cm, not 102.
    XTarget = static_cast<float>(static_cast<int>(xInches * 2.54));
    YTarget = static_cast<float>(static_cast<int>(s.YSizeInches * 2.54));
  } else {
    XTarget = xInches;
    YTarget = s.YSizeInches;
  }
  const char sep = app_.regional.sDecimal;
  XIntend.SetCaption(platform::FormatNumber(XTarget, "0.000", sep));
  YIntend.SetCaption(platform::FormatNumber(YTarget, "0.000", sep));
}

void Calib::ShowFactors(float x, float y) {
  const char sep = app_.regional.sDecimal;
  XCalib.SetCaption(platform::FormatNumber(x, "0.0000", sep));
  YCalib.SetCaption(platform::FormatNumber(y, "0.0000", sep));
}

void Calib::ClearMeasurements() {
  XMeas.SetText("");
  YMeas.SetText("");
  XMeasured = 0;
  YMeasured = 0;
}

float Calib::MeasuredValue(const forms::TextBox& box) const {
  return platform::ToSingle(
      platform::LeadingNumber(platform::ToPointDecimal(box.Text(), app_.regional.sDecimal)));
}

// The factor is shown with the regional separator: "1,0025" is not 1.
bool Calib::ShownFactorIsOne(const forms::Label& factor) const {
  return platform::LeadingNumber(
             platform::ToPointDecimal(factor.Caption(), app_.regional.sDecimal)) == 1;
}

forms::CommandButton& Calib::ShownSetButton() { return SetCal[1].Visible() ? SetCal[1] : SetCal[0]; }

void Calib::XMeas_KeyPress(int& keyAscii) {
  if (keyAscii != forms::Key::Return) return;
  keyAscii = 0;
  XMeasured = MeasuredValue(XMeas);
  YMeas.SetSelection(static_cast<int>(YMeas.Text().size()), 0);
  YMeas.SetFocus();
}

void Calib::YMeas_KeyPress(int& keyAscii) {
  if (keyAscii != forms::Key::Return) return;
  keyAscii = 0;
  YMeasured = MeasuredValue(YMeas);
  ShownSetButton().SetFocus();
}

void Calib::CalPlot_Click() {
  const char sep = app_.regional.sDecimal;
  const bool metric = app_.s.MetricUnits;
  const std::string question =
      "A " + platform::FormatNumber(XTarget, "0.0", sep) + " x " +
      platform::FormatNumber(YTarget, "0.0", sep) +
      app_.T(metric ? " cm. box will be plotted." : " in. box will be plotted.") + "\r\n" +
      app_.T("Do you want to start the plot?");
  if (app_.MsgBox(question, MsgButtons::YesNo, MsgIcon::Question,
                  app_.T("Start Calibration Plot")) != MsgAnswer::Yes)
    return;
  app_.SetPointer(Pointer::Hourglass);
  // A failed send has been reported by the port layer.
  if (app_.port.SendString(metric ? "!TC1@" : "!TC0@", kCommandTimeoutMs)) {
    app_.port.Delay(kSettleMs);
    app_.MsgBox(app_.T("Wait until plot is finished."), MsgButtons::OK, MsgIcon::Exclamation,
                app_.T("Calibration Plot"));
  }
  app_.SetPointer(Pointer::Default);
}

void Calib::SetCal_Click(int index) {
  const std::optional<std::string> x = FactorText(XTarget, XMeasured);
  const std::optional<std::string> y = FactorText(YTarget, YMeasured);
  const bool xMissing = !x, yMissing = !y;
  if (xMissing || yMissing) {
    app_.ErrorBox(app_.T(xMissing && yMissing ? "Enter X-Axis and Y-Axis Measured Values"
                         : xMissing           ? "Enter X-Axis Measured Value"
                                              : "Enter Y-Axis Measured Value"),
                  app_.T("ERROR"));
    return;
  }
  if (!ShownFactorIsOne(XCalib) || !ShownFactorIsOne(YCalib)) {
    const std::string warning = app_.T("Press 'Reset Calibration' before 'Set Calibration'") +
                                "\r\n" + app_.T("  if measurements made on uncalibrated plot. ") +
                                "\r\n" + app_.T("                          Continue?");
    // Cancel goes on as Yes does; only No stops.
    if (app_.MsgBox(warning, MsgButtons::YesNoCancel, MsgIcon::None, app_.T("WARNING")) ==
        MsgAnswer::No)
      return;
  }
  const bool factory = index == 1 && !OnePairOfFactors(app_.s.ModelCode);
  SendAndReadBack(std::string(factory ? "!FC" : "!MC") + *x + "," + *y + "@", index);
}

void Calib::ResetCal_Click(int index) {
  const bool factory =
      index == 1 && !app_.model.Has(ModelQuirk::FactoryIsUserCalibration);
  SendAndReadBack(factory ? "!FC@" : "!MC@", index);
}

void Calib::SendAndReadBack(const std::string& command, int index) {
  SharedState& s = app_.s;
  app_.SetPointer(Pointer::Hourglass);
  bool done = app_.port.SendString(command, kCommandTimeoutMs);
  if (done) {
    app_.port.Delay(kSettleMs);
    done = ReadDeviceSettings(app_);
  }
  if (!done) {
    app_.ErrorBox(app_.T(s.NotConnectedText) + s.PortName, app_.T("ERROR"));
  } else {
    if (index == 0)
      ShowFactors(s.XScaleCal, s.YScaleCal);
    else
      ShowFactors(s.XFactoryCal, s.YFactoryCal);
    ClearMeasurements();
    s.DeviceSettingsRead = true;
    CalDone.SetFocus();
  }
  app_.SetPointer(Pointer::Default);
}

void Calib::CalDone_Click() {
  app_.SetPointer(Pointer::Hourglass);
  app_.port.Delay(kSettleMs);
  Unload();
  app_.SetPointer(Pointer::Default);
}

// Alt+K, whatever Shift and Ctrl do.
void Calib::CalibrationModeChord(int keyCode, int shift) {
  if (keyCode != 'K' || (shift & forms::AltKey) == 0) return;
  const SharedState& s = app_.s;
  SetCal[CalMode].SetVisible(false);
  ResetCal[CalMode].SetVisible(false);
  ClearMeasurements();
  const bool onePair = OnePairOfFactors(s.ModelCode);
  if (CalMode == 1) {
    CalMode = 0;
    SetCaption(app_.T("Set Calibration"));
    ShowFactors(s.XScaleCal, s.YScaleCal);
    CarriageCal.SetVisible(false);
    ModeSwitchButton.SetVisible(false);
  } else {
    if (onePair) {
      // The misspelling is the device family's own message, kept as the operators know it.
      StatusBar.SetText(app_.T("R/V Series doesn't have seperate factory calibration values."));
    } else {
      SetCaption(app_.T("Set Factory Calibration"));
      ShowFactors(s.XFactoryCal, s.YFactoryCal);
    }
    CalMode = 1;
    CarriageCal.SetVisible(true);
  }
  const int shown = onePair ? 0 : CalMode;
  SetCal[shown].SetVisible(true);
  ResetCal[shown].SetVisible(true);
}

void Calib::CarriageCal_Click() {
  app_.SetPointer(Pointer::Hourglass);
  if (app_.port.OpenPort())
    app_.Window<CarrCalib>().Show(ShowMode::Modal);
  else
    app_.ErrorBox(app_.T("Could not open ") + app_.s.OpenPortName, app_.T("ERROR"));
  app_.SetPointer(Pointer::Default);
}

void Calib::btnSensorCal_Click() { app_.Window<SensorCal>().Show(ShowMode::Modal); }

void Calib::ModeSwitchButton_Click() {
  app_.Window<modeForm>().Show(ShowMode::Modal);
  app_.SetPointer(Pointer::Default);
}

}  // namespace taskhelm
