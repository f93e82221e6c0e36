#pragma once
// The servo tuner: reads the X and Y drives' servo parameters, protection limits, PWM jam settings
// and velocity-loop coefficients whenever it becomes the active window, and sends what the
// technician changes. It holds no values of its own: all come from the device.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "link/ReplyList.h"
#include "servo/ServoWire.h"

namespace taskhelm {

class App;

class DSPForm : public forms::Form {
 public:
  explicit DSPForm(App& app);

  static constexpr int kAxes = 2;
  static constexpr size_t kReplySlots = 21;

  forms::Frame XCoeffFrame{this, "XCoeffFrame"};
  forms::TextBox X_kP{this, "X_kP", &XCoeffFrame}, X_kI{this, "X_kI", &XCoeffFrame},
      X_kD{this, "X_kD", &XCoeffFrame}, X_kGVF{this, "X_kGVF", &XCoeffFrame},
      X_kGVS{this, "X_kGVS", &XCoeffFrame}, X_kGA{this, "X_kGA", &XCoeffFrame},
      X_Friction{this, "X_Friction", &XCoeffFrame}, X_Fast{this, "X_Fast", &XCoeffFrame},
      X_Jam{this, "X_Jam", &XCoeffFrame}, X_PWMLim{this, "X_PWMLim", &XCoeffFrame},
      X_PFriction{this, "X_PFriction", &XCoeffFrame}, X_NFriction{this, "X_NFriction", &XCoeffFrame};
  forms::Frame YCoeffFrame{this, "YCoeffFrame"};
  forms::TextBox Y_kP{this, "Y_kP", &YCoeffFrame}, Y_kI{this, "Y_kI", &YCoeffFrame},
      Y_kD{this, "Y_kD", &YCoeffFrame}, Y_kGVF{this, "Y_kGVF", &YCoeffFrame},
      Y_kGVS{this, "Y_kGVS", &YCoeffFrame}, Y_kGA{this, "Y_kGA", &YCoeffFrame},
      Y_Friction{this, "Y_Friction", &YCoeffFrame}, Y_Fast{this, "Y_Fast", &YCoeffFrame},
      Y_Jam{this, "Y_Jam", &YCoeffFrame}, Y_PWMLim{this, "Y_PWMLim", &YCoeffFrame},
      Y_PFriction{this, "Y_PFriction", &YCoeffFrame}, Y_NFriction{this, "Y_NFriction", &YCoeffFrame};

  forms::Frame ProtectionFrame{this, "ProtectionFrame"};
  forms::TextBox x_k_ilim{this, "x_k_ilim", &ProtectionFrame},
      x_g_ilim{this, "x_g_ilim", &ProtectionFrame}, x_f_trip{this, "x_f_trip", &ProtectionFrame},
      x_f_lim{this, "x_f_lim", &ProtectionFrame}, y_k_ilim{this, "y_k_ilim", &ProtectionFrame},
      y_g_ilim{this, "y_g_ilim", &ProtectionFrame}, y_f_trip{this, "y_f_trip", &ProtectionFrame},
      y_f_lim{this, "y_f_lim", &ProtectionFrame};

  forms::Frame JamFrame{this, "JamFrame"};
  forms::TextBox x_IJamLim{this, "x_IJamLim", &JamFrame}, x_IJamThr{this, "x_IJamThr", &JamFrame},
      y_IJamLim{this, "y_IJamLim", &JamFrame}, y_IJamThr{this, "y_IJamThr", &JamFrame};

  forms::Frame XVelFrame{this, "XVelFrame"};
  forms::TextBox x_verr{this, "x_verr", &XVelFrame}, x_vi{this, "x_vi", &XVelFrame},
      x_vd{this, "x_vd", &XVelFrame}, x_vap{this, "x_vap", &XVelFrame},
      x_vjam{this, "x_vjam", &XVelFrame};
  forms::Frame YVelFrame{this, "YVelFrame"};
  forms::TextBox y_verr{this, "y_verr", &YVelFrame}, y_vi{this, "y_vi", &YVelFrame},
      y_vd{this, "y_vd", &YVelFrame}, y_vap{this, "y_vap", &YVelFrame},
      y_vjam{this, "y_vjam", &YVelFrame};

  forms::CommandButton Command1{this, "Command1"};
  forms::CommandButton ViewTestButton{this, "ViewTestButton"};

  // Parameters 0..11 of X (0) and Y (1), as the device last reported them or as typed.
  std::array<std::array<float, servo::kParamCount>, kAxes> ServoParams{};
  // The numbers of the last reply parsed; a short reply leaves the later slots as they were.
  std::array<float, kReplySlots> ReplyValues{};

  // Operations the servo test window calls.
  void DisplayServoParams();
  void GetXCoefficients() { ReadServoParams(0); }
  void GetYCoefficients() { ReadServoParams(1); }
  // The number of values found plus one.
  int16_t ParseParams(std::string_view reply) { return ParseReply(reply).count; }
  // The same parse, saying which slots took a number. The table is shared by every command, so
  // a reply answers only for the values it carries itself: a slot it leaves holds another
  // reply's value, or the table's starting zero.
  ReplyRead ParseReply(std::string_view reply) { return ParseReplyList(reply, ReplyValues); }
  void SendServoParams(int axis);
  void GetXVelCoeffs() { ReadVelocityCoeffs(0); }

 private:
  void Layout();          // DSPFormLayout.cpp
  void ShowCaptions();    // DSPFormLayout.cpp
  // The window's texts: the same English wording in both editions, by the window's own entries.
  std::string Text(const char* english) const;  // DSPFormLayout.cpp
  void Form_Load();
  void DSPForm_Activate();
  void Command1_Click();
  void ViewTestButton_Click();
  void CommitServoParam(int keyCode, int axis, int index, forms::TextBox& box);

  bool ReadServoParams(int axis);
  void ReadProtection();
  void ReadJamSettings();
  void ReadVelocityCoeffs(int axis);
  void ReadYVelocityCoeffs() { ReadVelocityCoeffs(1); }
  void SendProtection();
  void SendJamSettings();
  // Queries and parses the reply into ReplyValues; false when the device did not answer with the
  // `count` numbers the group needs.
  bool QueryValues(const std::string& command, servo::Exchange exchange, size_t count);
  // ReplyValues from the first on into the boxes, as plain numbers.
  void ShowReplyValues(std::span<forms::TextBox* const> boxes);
  // The boxes' texts for the wire, as typed but with "." for a regional decimal separator;
  // nothing, after a message, when one of them is not a number its command can carry.
  template <size_t N>
  std::optional<std::array<std::string, N>> WireTexts(const std::array<forms::TextBox*, N>& boxes);
  // The frame and caption that name a box to the operator.
  std::string BoxName(const forms::TextBox& box) const;

  App& app_;
  std::array<std::array<forms::TextBox*, servo::kParamCount>, kAxes> paramBoxes_{{
      {&X_kP, &X_kI, &X_kD, &X_kGVF, &X_kGVS, &X_kGA, &X_Friction, &X_Fast, &X_Jam, &X_PWMLim,
       &X_PFriction, &X_NFriction},
      {&Y_kP, &Y_kI, &Y_kD, &Y_kGVF, &Y_kGVS, &Y_kGA, &Y_Friction, &Y_Fast, &Y_Jam, &Y_PWMLim,
       &Y_PFriction, &Y_NFriction},
  }};
  std::array<std::array<forms::TextBox*, 4>, kAxes> protectionBoxes_{{
      {&x_k_ilim, &x_g_ilim, &x_f_trip, &x_f_lim},
      {&y_k_ilim, &y_g_ilim, &y_f_trip, &y_f_lim},
  }};
  std::array<forms::TextBox*, 4> jamBoxes_{&x_IJamLim, &x_IJamThr, &y_IJamLim, &y_IJamThr};
  std::array<std::array<forms::TextBox*, 5>, kAxes> velocityBoxes_{{
      {&x_verr, &x_vi, &x_vd, &x_vap, &x_vjam},
      {&y_verr, &y_vi, &y_vd, &y_vap, &y_vjam},
  }};
  // The captions beside the boxes, each named after its box, with their English text.
  struct BoxCaption {
    std::unique_ptr<forms::Label> label;
    const char* english;
  };
  std::vector<BoxCaption> captions_;

  // Which groups the device has reported since the window loaded. A group never read holds no
  // device values (zeros, empty boxes), and sending it would drive the servos with them. The
  // parameters go out only once their boxes show what was read: until then a box holds what the
  // table held before, and committing it would send that.
  std::array<bool, kAxes> paramsRead_{};
  std::array<bool, kAxes> paramsShown_{};
  std::array<bool, kAxes> protectionRead_{};
  bool jamRead_ = false;
};

}  // namespace taskhelm
