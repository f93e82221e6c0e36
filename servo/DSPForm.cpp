// The servo tuner's behaviour: its load and activation reads, the parse of the device's reply
// lists, and the sends of each group.
#include "servo/DSPForm.h"

#include <algorithm>

#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "servo/DSPTestForm.h"
#include "servo/ServoNumbers.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace taskhelm {

namespace {

constexpr int kFrictionIndex = 6;  // read and sent like the others, never shown
constexpr const char* kParamPattern = "0.000";

}  // namespace

DSPForm::DSPForm(App& app) : forms::Form(app.host, "DSPForm"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { DSPForm_Activate(); };
  for (int axis = 0; axis < kAxes; ++axis) {
    for (int index = 0; index < servo::kParamCount; ++index) {
      forms::TextBox& box = *paramBoxes_[axis][index];
      box.KeyUp = [this, axis, index, &box](int& keyCode, int) {
        CommitServoParam(keyCode, axis, index, box);
      };
      // Leaving the box counts as Enter: the axis goes out on every focus change.
      box.LostFocus = [this, axis, index, &box] {
        CommitServoParam(forms::Key::Return, axis, index, box);
      };
    }
    for (forms::TextBox* box : protectionBoxes_[axis])
      box->KeyUp = [this](int& keyCode, int) {
        if (keyCode != forms::Key::Return) return;
        app_.SetPointer(forms::Pointer::Hourglass);
        SendProtection();
        app_.SetPointer(forms::Pointer::Default);
      };
  }
  for (forms::TextBox* box : jamBoxes_) {
    box->KeyUp = [this](int& keyCode, int) {
      if (keyCode != forms::Key::Tab && keyCode != forms::Key::Return) return;
      app_.SetPointer(forms::Pointer::Hourglass);
      SendJamSettings();
      app_.SetPointer(forms::Pointer::Default);
    };
    box->LostFocus = [this] { SendJamSettings(); };
  }
  Command1.Click = [this] { Command1_Click(); };
  ViewTestButton.Click = [this] { ViewTestButton_Click(); };
}

void DSPForm::Form_Load() {
  X_Friction.SetText(Text("unused"));
  Y_Friction.SetText(Text("unused"));
  ShowCaptions();

  SharedState& s = app_.s;
  app_.port.CloseLptPort();
  // The parallel path takes the firmware timing from here on; only the firmware window clears it.
  s.FlashMode = true;
  app_.SetPointer(forms::Pointer::Hourglass);
  app_.port.OpenPort();
  s.SendingFile = false;
}

void DSPForm::DSPForm_Activate() {
  app_.SetPointer(forms::Pointer::Hourglass);
  GetXCoefficients();
  GetYCoefficients();
  DisplayServoParams();
  ReadProtection();
  ReadJamSettings();
  GetXVelCoeffs();
  ReadYVelocityCoeffs();
  app_.SetPointer(forms::Pointer::Default);
}

bool DSPForm::QueryValues(const std::string& command, servo::Exchange exchange, size_t count) {
  std::string reply;
  if (!app_.port.Query(command, reply, servo::kReplyTerminator, exchange.timeoutMs,
                       exchange.lptReplyLength))
    return false;
  if (ParseReply(reply).Carries(count)) return true;
  app_.port.ReportNoReply();  // a reply without the group's numbers is no answer
  return false;
}

void DSPForm::ShowReplyValues(std::span<forms::TextBox* const> boxes) {
  for (size_t i = 0; i < boxes.size(); ++i)
    boxes[i]->SetText(servo::PlainNumber(app_, ReplyValues[i]));
}

template <size_t N>
std::optional<std::array<std::string, N>> DSPForm::WireTexts(
    const std::array<forms::TextBox*, N>& boxes) {
  std::array<std::string, N> texts;
  for (size_t i = 0; i < N; ++i) {
    texts[i] = ToPointDecimal(app_, boxes[i]->Text());
    if (!platform::IsWireText(texts[i], platform::WireKind::Single)) {
      servo::ReportUnsendable(app_, BoxName(*boxes[i]));
      return std::nullopt;
    }
  }
  return texts;
}

std::string DSPForm::BoxName(const forms::TextBox& box) const {
  const auto& frame = static_cast<const forms::Frame&>(*box.Container());
  const auto caption = std::find_if(captions_.begin(), captions_.end(), [&](const BoxCaption& c) {
    return c.label->Name() == box.Name() + "Label";
  });
  return frame.Caption() + " " + caption->label->Caption();
}

bool DSPForm::ReadServoParams(int axis) {
  if (!QueryValues(servo::ReadServoParamsCommand(axis), servo::kParamsRead, servo::kParamCount))
    return false;
  std::copy_n(ReplyValues.begin(), servo::kParamCount, ServoParams[axis].begin());
  paramsRead_[axis] = true;
  paramsShown_[axis] = false;
  return true;
}

void DSPForm::DisplayServoParams() {
  // An axis the device never reported has no values to show: its table holds only zeros.
  for (int axis = 0; axis < kAxes; ++axis)
    for (int p = 0; p < servo::kParamCount; ++p)
      if (p != kFrictionIndex)
        paramBoxes_[axis][p]->SetText(
            paramsRead_[axis] ? platform::FormatNumber(ServoParams[axis][p], kParamPattern,
                                                       app_.regional.sDecimal)
                              : "");
  X_Friction.SetEnabled(false);
  Y_Friction.SetEnabled(false);
  paramsShown_ = paramsRead_;
}

void DSPForm::ReadProtection() {
  for (int axis = 0; axis < kAxes; ++axis) {
    // Without the X values the Y values are not asked for either.
    if (!QueryValues(servo::ReadProtectionCommand(axis), servo::kProtectionRead,
                     protectionBoxes_[axis].size()))
      return;
    ShowReplyValues(protectionBoxes_[axis]);
    protectionRead_[axis] = true;
  }
}

void DSPForm::ReadJamSettings() {
  if (!QueryValues(servo::kReadJamCommand, servo::kJamRead, jamBoxes_.size())) return;
  ShowReplyValues(jamBoxes_);
  jamRead_ = true;
}

void DSPForm::ReadVelocityCoeffs(int axis) {
  if (QueryValues(servo::VelocityCoeffsCommand(axis), servo::kVelocityRead,
                  velocityBoxes_[axis].size())) {
    ShowReplyValues(velocityBoxes_[axis]);
    return;
  }
  for (forms::TextBox* box : velocityBoxes_[axis]) box->SetText(Text("no resp."));
}

void DSPForm::SendServoParams(int axis) {
  if (!paramsShown_[axis]) return;
  if (auto command = servo::SetServoParamsCommand(axis, ServoParams[axis]))
    app_.port.SendString(*command, kCommandTimeoutMs);
}

void DSPForm::SendProtection() {
  for (int axis = 0; axis < kAxes; ++axis) {
    if (!protectionRead_[axis]) continue;
    if (auto texts = WireTexts(protectionBoxes_[axis]))
      app_.port.SendString(servo::SetProtectionCommand(axis, *texts), kCommandTimeoutMs);
  }
  ReadProtection();
}

void DSPForm::SendJamSettings() {
  if (jamRead_) {
    if (auto texts = WireTexts(jamBoxes_))
      app_.port.SendString(servo::SetJamCommand(*texts), kCommandTimeoutMs);
  }
  ReadJamSettings();
}

void DSPForm::CommitServoParam(int keyCode, int axis, int index, forms::TextBox& box) {
  if (keyCode != forms::Key::Return || !paramsShown_[axis]) return;
  const double typed = servo::TypedNumber(app_, box.Text());
  if (platform::FitsWire(typed, platform::WireKind::Single)) {
    ServoParams[axis][index] = static_cast<float>(typed);
    SendServoParams(axis);
  } else {
    servo::ReportUnsendable(app_, BoxName(box));
  }
  box.SetText(platform::FormatNumber(ServoParams[axis][index], kParamPattern, app_.regional.sDecimal));
}

void DSPForm::Command1_Click() {
  app_.SetPointer(forms::Pointer::Hourglass);
  SendServoParams(0);
  SendServoParams(1);
  SendProtection();
  SendJamSettings();
  app_.SetPointer(forms::Pointer::Default);
}

void DSPForm::ViewTestButton_Click() { app_.Window<DSPTestForm>().Show(forms::ShowMode::Modeless); }

}  // namespace taskhelm
