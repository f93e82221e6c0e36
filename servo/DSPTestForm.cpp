// The servo test window's behaviour: each test's command from the boxes, and what the device
// reports shown in the result labels.
#include "servo/DSPTestForm.h"

#include <iterator>

#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "servo/DSPForm.h"
#include "servo/ServoNumbers.h"
#include "servo/ServoWire.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

// The disturbance choices: XC, YC, XO, YO, Off.
constexpr int kDisturbanceCodes[] = {1, 2, 0, 129, 130};

}  // namespace

DSPTestForm::DSPTestForm(App& app) : forms::Form(app.host, "DSPTestForm"), app_(app) {
  Layout();
  ShowCaptions();
  Load = [this] { Form_Load(); };
  for (forms::TextBox* box : watchBoxes_) {
    box->KeyPress = [this](int& keyAscii) {
      if (keyAscii == forms::Key::Return) SendWatchRegisters();
    };
    box->LostFocus = [this] { SendWatchRegisters(); };
  }
  RegToRead1.KeyPress = [this](int& keyAscii) {
    if (keyAscii == forms::Key::Return) ReadRegisters();
  };
  Command1.Click = [this] { SendWatchRegisters(); };
  GetMinAndMax.Click = [this] { GetMinAndMax_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command3.duringExchange = forms::DuringExchange::Allowed;  // stops a running motor at once
  Command7.Click = [this] { Command7_Click(); };
  Option1.Click = [this] { LineTestAxis = 0; };
  Option2.Click = [this] { LineTestAxis = 1; };
  Option3.Click = [this] { LineTestPen = 1; };
  Option4.Click = [this] { LineTestPen = 0; };
  forms::OptionButton* disturbance[] = {&Option5, &Option6, &Option7, &Option8, &Option9};
  for (size_t i = 0; i < std::size(disturbance); ++i)
    disturbance[i]->Click = [this, code = kDisturbanceCodes[i]] { DisturbanceTest(code); };
}

// The boxes' first values; results stay empty until a test reports.
void DSPTestForm::Form_Load() {
  for (forms::TextBox* box : watchBoxes_) box->SetText("&HFFFF");
  for (forms::TextBox* box : {&RegToRead1, &RegToRead2, &LRegA, &LRegB}) box->SetText("&H0000");
  for (forms::TextBox* box : {&PWAccTxt, &PWPerTxt, &XPWMTxt, &YPWMTxt, &LTVel, &LTAccel})
    box->SetText("0");
  for (forms::Label* label : minMaxLabels_) label->SetCaption("");
  for (forms::Label* label : lineResults_) label->SetCaption("");
  for (forms::Label* label : {&Reg1Result, &HReg1Result, &Reg2Result, &HReg2Result}) label->SetCaption("");
  XAxisCheck.SetValue(0);
  YAxisCheck.SetValue(0);
  for (forms::OptionButton* option : {&Option5, &Option6, &Option7, &Option8, &Option9})
    option->SetValue(false);
  // The choices show the line test's starting axis and pen.
  Option1.SetValue(true);
  Option4.SetValue(true);
}

int16_t DSPTestForm::ParseTestReply(std::string_view reply) { return ParseReplyList(reply, TestValues).count; }

void DSPTestForm::SendWatchRegisters() {
  for (size_t i = 0; i < watchBoxes_.size(); ++i)
    WatchedRegisters[i] = servo::TypedInt16(watchBoxes_[i]->Text());
  app_.port.SendString(servo::WatchRegistersCommand(WatchedRegisters), kCommandTimeoutMs);
}

void DSPTestForm::GetMinAndMax_Click() {
  std::string reply;
  if (!app_.port.Query(servo::kMinMaxCommand, reply, servo::kReplyTerminator,
                       servo::kRegisterRead.timeoutMs, servo::kRegisterRead.lptReplyLength))
    return;
  // A reply short of the eight values, or garbled, is none, and leaves nothing in the slots that
  // a register read shows.
  decltype(TestValues) values = TestValues;
  if (!ParseReplyList(reply, values).Carries(minMaxLabels_.size())) {
    app_.port.ReportNoReply();
    return;
  }
  TestValues = values;
  for (size_t i = 0; i < minMaxLabels_.size(); ++i)
    minMaxLabels_[i]->SetCaption(servo::PlainNumber(app_, TestValues[i]));
}

void DSPTestForm::ReadRegisters() {
  const int16_t first = servo::TypedInt16(RegToRead1.Text());
  const int16_t second = servo::TypedInt16(RegToRead2.Text());
  std::string reply;
  // A failed read leaves the reply empty, so the labels show the previous values again.
  app_.port.Query(servo::ReadRegistersCommand(first, second), reply, servo::kReplyTerminator,
                  servo::kRegisterRead.timeoutMs, servo::kRegisterRead.lptReplyLength);
  ParseTestReply(reply);
  Reg1Result.SetCaption(servo::WholeNumber(TestValues[0]));
  HReg1Result.SetCaption(servo::HexNumber(TestValues[0]));
  Reg2Result.SetCaption(servo::WholeNumber(TestValues[1]));
  HReg2Result.SetCaption(servo::HexNumber(TestValues[1]));
}

std::optional<double> DSPTestForm::WireValue(const forms::TextBox& box, const forms::Label& label,
                                             platform::WireKind kind) {
  // These boxes show no decimals: "." is the decimal point whatever the regional one.
  const double value = platform::LeadingNumber(box.Text());
  if (platform::FitsWire(value, kind)) return value;
  const auto& frame = static_cast<const forms::Frame&>(*box.Container());
  servo::ReportUnsendable(app_, frame.Caption() + " " + label.Caption());
  return std::nullopt;
}

void DSPTestForm::Command2_Click() {
  const auto acceleration = WireValue(PWAccTxt, PWAccLabel, platform::WireKind::Single);
  if (!acceleration) return;
  const auto maxVelocity = WireValue(PWPerTxt, PWPerLabel, platform::WireKind::Single);
  if (!maxVelocity) return;
  int axisCode = 0;  // X alone, or neither
  if (XAxisCheck.Value() == 1 && YAxisCheck.Value() == 1)
    axisCode = 2;
  else if (YAxisCheck.Value() == 1)
    axisCode = 1;
  // Single precision, as the drive takes them.
  if (auto command = servo::AccelTestCommand(axisCode, static_cast<float>(*maxVelocity),
                                             static_cast<float>(*acceleration)))
    app_.port.SendString(*command, kCommandTimeoutMs);
}

void DSPTestForm::Command6_Click() {
  app_.port.SendString(servo::RawPwmCommand(servo::TypedInt16(XPWMTxt.Text()),
                                             servo::TypedInt16(YPWMTxt.Text())),
                       kCommandTimeoutMs);
}

void DSPTestForm::Command3_Click() {
  app_.port.SendString(servo::kRawPwmStopCommand, kCommandTimeoutMs);
}

void DSPTestForm::Command7_Click() {
  const int16_t velocity = servo::TypedInt16(LTVel.Text());
  const int16_t acceleration = servo::TypedInt16(LTAccel.Text());
  const auto registerA = WireValue(LRegA, LRegALabel, platform::WireKind::Register16);
  if (!registerA) return;
  const auto registerB = WireValue(LRegB, LRegBLabel, platform::WireKind::Register16);
  if (!registerB) return;
  const auto command = servo::LineTestCommand(acceleration, velocity, LineTestAxis, LineTestPen,
                                              *registerA, *registerB);
  std::string reply;
  if (!command || !app_.port.Query(*command, reply, servo::kReplyTerminator,
                                   servo::kLineTest.timeoutMs, servo::kLineTest.lptReplyLength))
    return;
  // The tuner parses the line test's reply, into its own reply table.
  DSPForm& tuner = app_.Window<DSPForm>();
  if (!tuner.ParseReply(reply).Carries(lineResults_.size())) {
    app_.port.ReportNoReply();
    return;
  }
  for (size_t i = 0; i < lineResults_.size(); ++i)
    lineResults_[i]->SetCaption(servo::PlainNumber(app_, tuner.ReplyValues[i]));
}

void DSPTestForm::DisturbanceTest(int code) {
  app_.port.SendString(servo::DisturbanceTestCommand(code), kCommandTimeoutMs);
  // A tuner closed meanwhile comes back hidden for this: its load reopens the port.
  DSPForm& tuner = app_.Window<DSPForm>();
  tuner.GetXCoefficients();
  tuner.GetYCoefficients();
  tuner.DisplayServoParams();
}

}  // namespace taskhelm
