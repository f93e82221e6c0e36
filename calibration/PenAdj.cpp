// The pen-down adjustment's behaviour: "!OP@" reads the profile and "!PC..." sets it, "!DP@" and
// "!UP@" lower and raise the pen, "!PF" n "@" drives the pen DAC, "!CC" sets the pulse force in
// grams through the carriage calibration.
#include "calibration/PenAdj.h"

#include <algorithm>

#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "startup/App.h"

namespace taskhelm {

using forms::Pointer;

namespace {

constexpr int32_t kReplyLength = 100;  // parallel port
constexpr int kPenDownMs = 2000;       // the pen rests on the material this long in a test
constexpr int kCycleStepMs = 110;
constexpr int kDacMax = 255;

std::string Whole(double value) { return platform::FormatNumber(value, "0"); }

}  // namespace

PenAdj::PenAdj(App& app) : forms::Form(app.host, "PenAdj"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] {
    if (ReadPenParameters()) ShowPenParameters();
  };
  WireProfileBox(PF, PFLabel, SpinButton1, kPF);
  WireProfileBox(PD, PDLabel, SpinButton2, kPD);
  WireProfileBox(CF, CFLabel, SpinButton3, kCF);
  WireProfileBox(CD, CDLabel, SpinButton4, kCD);
  WireProfileBox(LF, LFLabel, SpinButton5, kLF);
  WireProfileBox(LD, LDLabel, SpinButton6, kLD);
  WireProfileBox(INF, INFLabel, SpinButton10, kINF);
  WireProfileBox(ID, IDLabel, SpinButton8, kID);
  PFgrams.LostFocus = [this] { PFgrams_LostFocus(); };
  PenD.LostFocus = [this] { SendPenDac(); };
  PenD.KeyUp = [this](int& keyCode, int) {
    if (keyCode == forms::Key::Return) SendPenDac();
  };
  SpinButton7.SpinDown = [this] { SpinPenDac(-1); };
  SpinButton7.SpinUp = [this] { SpinPenDac(+1); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

void PenAdj::Form_Load() {
  SetCaption(app_.T("Pen Down Adjustments"));
  PFLabel.SetCaption(app_.T("Pulse Force"));
  PDLabel.SetCaption(app_.T("Pulse Delay (ms)"));
  CFLabel.SetCaption(app_.T("Coast Force"));
  CDLabel.SetCaption(app_.T("Coast Delay (ms)"));
  LFLabel.SetCaption(app_.T("Landing Force"));
  LDLabel.SetCaption(app_.T("Landing Delay (ms)"));
  INFLabel.SetCaption(app_.T("Initial Force"));
  IDLabel.SetCaption(app_.T("Initial Delay (ms)"));
  PFgramsLabel.SetCaption(app_.T("Pulse Force (grams)"));
  PenDLabel.SetCaption(app_.T("Pen DAC"));
  Command1.SetCaption(app_.T("Test!"));
  Command2.SetCaption(app_.T("Cycle"));
  Command3.SetCaption(app_.T("Set", "PenAdj"));
  PenD.SetText("0");
}

// Typed values stay in the window until a test sends them.
void PenAdj::WireProfileBox(forms::TextBox& box, const forms::Label& label,
                            forms::SpinButton& spin, ProfileValue value) {
  box.LostFocus = [this, &box, &label, value] {
    if (const auto typed = TypedValue(box, label))
      Profile[value] = *typed;
    else
      box.SetText(Whole(Profile[value]));
  };
  spin.SpinDown = [this, &box, value] {
    Profile[value] = std::max(0.0f, Profile[value] - 1);
    box.SetText(Whole(Profile[value]));
  };
  spin.SpinUp = [this, &box, value] {
    Profile[value] += 1;
    box.SetText(Whole(Profile[value]));
  };
}

std::optional<float> PenAdj::TypedValue(const forms::TextBox& box, const forms::Label& label) {
  const double typed = platform::LeadingNumber(box.Text());
  if (platform::FitsWire(typed, platform::WireKind::Single)) return static_cast<float>(typed);
  app_.ErrorBox(app_.T("Not a number the device can take, not sent: ") + label.Caption(), {});
  return std::nullopt;
}

void PenAdj::Send(const std::string& command) {
  // A failed send has been reported by the port layer; the operation goes on.
  app_.port.SendString(command, kCommandTimeoutMs);
}

bool PenAdj::ReadPenParameters() {
  std::string reply;
  bool answered = app_.port.Query("!OP@", reply, 13, kCommandTimeoutMs, kReplyLength);
  if (answered) {
    // Values a short reply lacks keep what the last reply gave them; a value no reply ever gave
    // makes the reply no answer, and the operator hears so as of a time-out.
    profileFill_.Parse(reply, CommaValues);
    answered = profileFill_.Answered(kProfileValues);
    if (!answered) app_.port.ReportNoReply();
  }
  if (answered) {
    std::copy_n(CommaValues.begin(), kProfileValues, Profile.begin());
    profileRead_ = true;
  }
  if (app_.port.Query("!OC@", reply, 13, kCommandTimeoutMs, kReplyLength)) {
    if (const auto grams = ReplyNumber(reply)) {
      PulseGrams = *grams;
      gramsRead_ = true;
    } else {
      app_.port.ReportNoReply();
    }
  }
  return answered;
}

void PenAdj::ShowPenParameters() {
  forms::TextBox* boxes[] = {&PF, &PD, &CF, &CD, &LF, &LD, &INF, &ID};
  for (size_t i = 0; i < kProfileValues; ++i) boxes[i]->SetText(Whole(Profile[i]));
  if (!gramsRead_) return;
  PFgrams.SetText(Whole(PulseGrams));
  gramsShown_ = true;
}

void PenAdj::SendPenParameters() {
  std::string command = "!PC";
  for (size_t i = 0; i < kProfileValues; ++i) command += (i ? "," : "") + Whole(Profile[i]);
  Send(command + "@");
}

void PenAdj::Command1_Click() {
  app_.SetPointer(Pointer::Hourglass);
  // Without the device's profile the test would lower the pen with whatever the boxes hold: it
  // is refused, and the read that ends a test tries again.
  if (profileRead_) {
    SendPenParameters();
    Send("!DP@");
    app_.port.Delay(kPenDownMs);
    Send("!UP@");
  } else {
    app_.Beep();
  }
  if (ReadPenParameters()) ShowPenParameters();
  app_.SetPointer(Pointer::Default);
}

void PenAdj::PFgrams_LostFocus() {
  // The command carries the profile's pulse delay, coast force and coast delay beside the grams:
  // it goes only once the device has reported them all, and the box shows the device's grams.
  const auto typed =
      profileRead_ && gramsShown_ ? TypedValue(PFgrams, PFgramsLabel) : std::nullopt;
  if (typed) {
    PulseGrams = *typed;
    // Plain numbers with "." whatever the locale: half the coast delay may have a fraction.
    auto plain = [](double v) { return platform::FormatNumber(v, ""); };
    Send("!CC" + plain(PulseGrams) + "," + plain(Profile[kPD]) + "," + plain(Profile[kCF]) + "," +
         plain(Profile[kCD] / 2) + "@");
  }
  if (ReadPenParameters()) ShowPenParameters();
}

void PenAdj::SendPenDac() {
  const auto typed = TypedValue(PenD, PenDLabel);
  if (!typed) return;
  PenDac = *typed;
  Send("!PF" + Whole(PenDac) + "@");
}

void PenAdj::SpinPenDac(int step) {
  // Each direction holds only its own end, so a value typed outside the range steps by one.
  PenDac += static_cast<float>(step);
  if (step < 0) PenDac = std::max(PenDac, 0.0f);
  if (step > 0) PenDac = std::min(PenDac, static_cast<float>(kDacMax));
  PenD.SetText(Whole(PenDac));
  Send("!PF" + Whole(PenDac) + "@");
}

int PenAdj::PenDacInRange() const {
  const double typed = platform::LeadingNumber(PenD.Text());
  if (typed < 0) return 0;
  if (typed > kDacMax) return kDacMax;
  return static_cast<int>(platform::RoundHalfEven(typed));
}

void PenAdj::Command3_Click() {
  app_.SetPointer(Pointer::Hourglass);
  const int n = PenDacInRange();
  const double typed = platform::LeadingNumber(PenD.Text());
  if (typed < 0 || typed > kDacMax) PenD.SetText(std::to_string(n));
  Send("!PF" + std::to_string(n) + "@");
  app_.SetPointer(Pointer::Default);
}

void PenAdj::Command2_Click() {
  app_.SetPointer(Pointer::Hourglass);
  const int start = PenDacInRange();
  for (int n = start; n <= kDacMax; ++n) {
    Send("!PF" + std::to_string(n) + "@");
    PenD.SetText(std::to_string(n));
    PenDac = static_cast<float>(n);
    app_.port.Delay(kCycleStepMs);
    // The box shows each step, and a click during the sweep is refused now, not run after it.
    app_.host.DoEvents();
  }
  Send("!PF0@");
  PenD.SetText(std::to_string(start));
  PenDac = static_cast<float>(start);
  app_.SetPointer(Pointer::Default);
}

}  // namespace taskhelm
