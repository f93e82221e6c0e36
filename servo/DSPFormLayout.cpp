// The servo tuner's captions and where its controls sit: each frame a column of captioned boxes.
#include <span>

#include "servo/DSPForm.h"
#include "setup/FormLayout.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr int kWidth = 768;
constexpr int kRowPitch = 26, kFirstRow = 22;
constexpr int kCaptionLeft = 10, kCaptionWidth = 110, kBoxLeft = 124, kBoxWidth = 104;
constexpr int kFrameWidth = kBoxLeft + kBoxWidth + 10;

int FrameHeight(size_t rows) { return kFirstRow + static_cast<int>(rows) * kRowPitch + 6; }

const char* const kParamCaptions[] = {"kP",   "kI",        "kD",         "kGVF",
                                      "kGVS", "kGA",       "Friction",   "\"Fast\" (ips)",
                                      "Jam (mils)", "PWM Lim(%)", "+ Friction", "- Friction"};
const char* const kProtectionCaptions[] = {"x k_ilim", "x g_ilim", "x f_trip", "x f_lim",
                                           "y k_ilim", "y g_ilim", "y f_trip", "y f_lim"};
const char* const kJamCaptions[] = {"x IJamLim", "x IJamThr", "y IJamLim", "y IJamThr"};
const char* const kVelocityCaptions[2][5] = {
    {"X VERR (P)", "X VI       (I)", "X VD     (D)", "X VAP", "X VJAM"},
    {"Y VERR (P)", "Y VI       (I)", "Y VD     (D)", "Y VAP", "Y VJAM"},
};

}  // namespace

void DSPForm::Layout() {
  const int paramsHeight = FrameHeight(servo::kParamCount);
  const int protectionHeight = FrameHeight(8);
  const int jamTop = 8 + protectionHeight + 8;
  const int velocityTop = 8 + paramsHeight + 8;
  const int right = 8 + 2 * (kFrameWidth + 8);
  const int height = velocityTop + FrameHeight(5) + 8;  // the window ends under the lowest frames
  const Placement frames[] = {
      {"XCoeffFrame", 8, 8, kFrameWidth, paramsHeight},
      {"YCoeffFrame", 8 + kFrameWidth + 8, 8, kFrameWidth, paramsHeight},
      {"ProtectionFrame", right, 8, kFrameWidth, protectionHeight},
      {"JamFrame", right, jamTop, kFrameWidth, FrameHeight(4)},
      {"XVelFrame", 8, velocityTop, kFrameWidth, FrameHeight(5)},
      {"YVelFrame", 8 + kFrameWidth + 8, velocityTop, kFrameWidth, FrameHeight(5)},
      {"Command1", right, velocityTop + 60, kFrameWidth, 30},
      {"ViewTestButton", right, velocityTop + 100, kFrameWidth, 30},
  };
  ApplyLayout(*this, kWidth, height, frames);

  // Boxes take the focus column by column, after the frames' rows above.
  int tabIndex = static_cast<int>(std::size(frames));
  auto column = [&](std::span<forms::TextBox* const> boxes, std::span<const char* const> texts,
                    size_t firstRow = 0) {
    for (size_t row = 0; row < boxes.size(); ++row) {
      forms::TextBox& box = *boxes[row];
      const int top = kFirstRow + static_cast<int>(firstRow + row) * kRowPitch;
      auto caption = std::make_unique<forms::Label>(this, box.Name() + "Label", box.Container());
      caption->Move(kCaptionLeft, top + 2, kCaptionWidth, 20);
      captions_.push_back({std::move(caption), texts[row]});
      box.Move(kBoxLeft, top, kBoxWidth, 22);
      box.SetTabIndex(tabIndex++);
    }
  };
  for (const auto& boxes : paramBoxes_) column(boxes, kParamCaptions);
  column(protectionBoxes_[0], std::span(kProtectionCaptions).first<4>());
  column(protectionBoxes_[1], std::span(kProtectionCaptions).last<4>(), 4);
  column(jamBoxes_, kJamCaptions);
  for (int axis = 0; axis < kAxes; ++axis) column(velocityBoxes_[axis], kVelocityCaptions[axis]);
  Command1.SetTabIndex(tabIndex++);
  ViewTestButton.SetTabIndex(tabIndex++);
}

std::string DSPForm::Text(const char* english) const { return app_.T(english, Name()); }

void DSPForm::ShowCaptions() {
  SetCaption(Text("QUORVANE Servo Tuner"));
  XCoeffFrame.SetCaption(Text("X Coefficients"));
  YCoeffFrame.SetCaption(Text("Y Coefficients"));
  ProtectionFrame.SetCaption(Text("Protection"));
  JamFrame.SetCaption(Text("PWM Jam Settings"));
  XVelFrame.SetCaption(Text("X Velocity Coeff."));
  YVelFrame.SetCaption(Text("Y Velocity Coeff."));
  Command1.SetCaption(Text("Send Servo Settings"));
  ViewTestButton.SetCaption(Text("Do Quorvane Servo Tests"));

  for (const BoxCaption& caption : captions_) caption.label->SetCaption(Text(caption.english));
}

}  // namespace taskhelm
