// The sensor calibration's behaviour: "!SO@" reads the offsets, "!CS@" calibrates, "!RA@" reads
// and "!RA" x "," y "@" sets the fine adjustment.
#include "calibration/SensorCal.h"

#include <optional>

#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "startup/App.h"

namespace taskhelm {

using forms::Pointer;

namespace {

constexpr int32_t kQueryTimeoutMs = 15000;
constexpr int32_t kReplyLength = 20;  // parallel port
constexpr int32_t kCalibrateTimeoutMs = 10000;
constexpr int32_t kAdjustTimeoutMs = 1000;
constexpr int kCalibrateSteps = 151;  // the self-calibration takes about 15 s
constexpr int kAdjustSteps = 11;
constexpr const char* kUnreadable = "Err";

// The typed adjustment as whole mils, or nothing when the text is not a number the device's
// 16-bit adjustment takes: the text goes into a command, so nothing else may pass.
std::optional<int> WholeMils(const std::string& typed, char decimalSeparator) {
  std::string text = platform::ToPointDecimal(typed, decimalSeparator);
  // Blanks around the number are the box's, not the number's.
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (!platform::IsWireText(text, platform::WireKind::Register16)) return std::nullopt;
  return static_cast<int>(platform::RoundHalfEven(platform::LeadingNumber(text)));
}

}  // namespace

SensorCal::SensorCal(App& app) : forms::Form(app.host, "SensorCal"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Unload(); };
  btnSendSensorAdjust.Click = [this] { btnSendSensorAdjust_Click(); };
}

void SensorCal::SetCaptions() {
  SetCaption(app_.T("Sensor Calibration"));
  Frame1.SetCaption(app_.T("Sensor Ofsets"));
  Label1.SetCaption(app_.T("X Forward"));
  Label2.SetCaption(app_.T("X Reverse"));
  Label3.SetCaption(app_.T("Y Forward"));
  Label4.SetCaption(app_.T("Y Reverse"));
  Command1.SetCaption(app_.T("Calibrate Sensor"));
  Command2.SetCaption(app_.T("Done", "SensorCal"));
  Frame2.SetCaption(app_.T("Fine Adjustment"));
  btnSendSensorAdjust.SetCaption(app_.T("Send", "SensorCal"));
  Label9.SetCaption("X");
  Label10.SetCaption("Y");
  Label11.SetCaption("mils");
  Label12.SetCaption("mils");
}

void SensorCal::Form_Load() {
  SetCaptions();
  app_.SetPointer(Pointer::Hourglass);
  ReadOffsets();
  ReadAdjustment();
  app_.SetPointer(Pointer::Default);
}

// No reply leaves the values shown; a reply with too few values shows "Err".
void SensorCal::ReadOffsets() {
  std::string reply;
  if (!app_.port.Query("!SO@", reply, 13, kQueryTimeoutMs, kReplyLength) || reply.empty()) return;
  const std::vector<std::string> parts = ReplyParts(reply);
  forms::Label* values[] = {&Label5, &Label6, &Label7, &Label8};
  for (size_t i = 0; i < 4; ++i) values[i]->SetCaption(parts.size() >= 4 ? parts[i] : kUnreadable);
}

void SensorCal::ReadAdjustment() {
  std::string reply;
  if (!app_.port.Query("!RA@", reply, 13, kQueryTimeoutMs, kReplyLength) || reply.empty()) return;
  const std::vector<std::string> parts = ReplyParts(reply);
  const bool whole = parts.size() >= 2;
  txtXSensorAdjust.SetText(whole ? parts[0] : kUnreadable);
  txtYSensorAdjust.SetText(whole ? parts[1] : kUnreadable);
}

void SensorCal::PacedWait(int steps) {
  for (int i = 0; i < steps; ++i) {
    app_.port.Delay(100);
    app_.host.DoEvents();
  }
}

void SensorCal::Command1_Click() {
  app_.SetPointer(Pointer::Hourglass);
  // The device calibrates for its full time whatever the send reported.
  app_.port.SendString("!CS@", kCalibrateTimeoutMs);
  PacedWait(kCalibrateSteps);
  app_.SetPointer(Pointer::Default);
  ReadOffsets();
  ReadAdjustment();
}

void SensorCal::btnSendSensorAdjust_Click() {
  const char sep = app_.regional.sDecimal;
  const std::optional<int> x = WholeMils(txtXSensorAdjust.Text(), sep);
  const std::optional<int> y = WholeMils(txtYSensorAdjust.Text(), sep);
  if (!x || !y) {
    app_.ErrorBox(app_.T("Enter the X and Y adjustment as numbers of mils."), app_.T("ERROR"));
    return;
  }
  app_.SetPointer(Pointer::Hourglass);
  app_.port.SendString("!RA" + std::to_string(*x) + "," + std::to_string(*y) + "@",
                       kAdjustTimeoutMs);
  PacedWait(kAdjustSteps);
  ReadAdjustment();
  app_.SetPointer(Pointer::Default);
}

}  // namespace taskhelm
