#pragma once
// The servo test window: has the device watch four registers and report their minimum and
// maximum, read two registers, run the acceleration, raw PWM, line and disturbance tests. It uses
// the port as the servo tuner left it, and calls the tuner to re-read the servo parameters.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/Form.h"
#include "link/ReplyList.h"
#include "platform/Numbers.h"

namespace taskhelm {

class App;

class DSPTestForm : public forms::Form {
 public:
  explicit DSPTestForm(App& app);

  forms::Frame RegsFrame{this, "RegsFrame"};
  forms::Label RegsHeader{this, "RegsHeader", &RegsFrame};
  forms::Label RegALabel{this, "RegALabel", &RegsFrame}, RegBLabel{this, "RegBLabel", &RegsFrame},
      RegCLabel{this, "RegCLabel", &RegsFrame}, RegDLabel{this, "RegDLabel", &RegsFrame};
  forms::TextBox RegA{this, "RegA", &RegsFrame}, RegB{this, "RegB", &RegsFrame},
      RegC{this, "RegC", &RegsFrame}, RegD{this, "RegD", &RegsFrame};
  forms::Label RegAMin{this, "RegAMin", &RegsFrame}, RegAMax{this, "RegAMax", &RegsFrame},
      RegBMin{this, "RegBMin", &RegsFrame}, RegBMax{this, "RegBMax", &RegsFrame},
      RegCMin{this, "RegCMin", &RegsFrame}, RegCMax{this, "RegCMax", &RegsFrame},
      RegDMin{this, "RegDMin", &RegsFrame}, RegDMax{this, "RegDMax", &RegsFrame};
  forms::CommandButton Command1{this, "Command1", &RegsFrame};
  forms::CommandButton GetMinAndMax{this, "GetMinAndMax", &RegsFrame};

  forms::Frame ReadFrame{this, "ReadFrame"};
  forms::Label Read1Label{this, "Read1Label", &ReadFrame}, Read2Label{this, "Read2Label", &ReadFrame};
  forms::TextBox RegToRead1{this, "RegToRead1", &ReadFrame}, RegToRead2{this, "RegToRead2", &ReadFrame};
  forms::Label Reg1Result{this, "Reg1Result", &ReadFrame}, HReg1Result{this, "HReg1Result", &ReadFrame},
      Reg2Result{this, "Reg2Result", &ReadFrame}, HReg2Result{this, "HReg2Result", &ReadFrame};

  forms::Frame AccelFrame{this, "AccelFrame"};
  forms::Label PWAccLabel{this, "PWAccLabel", &AccelFrame}, PWPerLabel{this, "PWPerLabel", &AccelFrame};
  forms::TextBox PWAccTxt{this, "PWAccTxt", &AccelFrame}, PWPerTxt{this, "PWPerTxt", &AccelFrame};
  forms::CheckBox XAxisCheck{this, "XAxisCheck", &AccelFrame}, YAxisCheck{this, "YAxisCheck", &AccelFrame};
  forms::CommandButton Command2{this, "Command2", &AccelFrame};

  forms::Frame PwmFrame{this, "PwmFrame"};
  forms::Label XPWMLabel{this, "XPWMLabel", &PwmFrame}, YPWMLabel{this, "YPWMLabel", &PwmFrame};
  forms::TextBox XPWMTxt{this, "XPWMTxt", &PwmFrame}, YPWMTxt{this, "YPWMTxt", &PwmFrame};
  forms::CommandButton Command6{this, "Command6", &PwmFrame};
  forms::CommandButton Command3{this, "Command3", &PwmFrame};

  forms::Frame LineFrame{this, "LineFrame"};
  forms::Label LTVelLabel{this, "LTVelLabel", &LineFrame}, LTAccelLabel{this, "LTAccelLabel", &LineFrame};
  forms::TextBox LTVel{this, "LTVel", &LineFrame}, LTAccel{this, "LTAccel", &LineFrame};
  forms::Label LRegALabel{this, "LRegALabel", &LineFrame}, LRegBLabel{this, "LRegBLabel", &LineFrame};
  forms::TextBox LRegA{this, "LRegA", &LineFrame}, LRegB{this, "LRegB", &LineFrame};
  forms::Frame AxisFrame{this, "AxisFrame", &LineFrame};
  forms::OptionButton Option1{this, "Option1", &AxisFrame}, Option2{this, "Option2", &AxisFrame};
  forms::Frame PenFrame{this, "PenFrame", &LineFrame};
  forms::OptionButton Option3{this, "Option3", &PenFrame}, Option4{this, "Option4", &PenFrame};
  forms::CommandButton Command7{this, "Command7", &LineFrame};
  forms::Label PosMinHead{this, "PosMinHead", &LineFrame}, PosMaxHead{this, "PosMaxHead", &LineFrame},
      PosAvgHead{this, "PosAvgHead", &LineFrame}, NegMinHead{this, "NegMinHead", &LineFrame},
      NegMaxHead{this, "NegMaxHead", &LineFrame}, NegAvgHead{this, "NegAvgHead", &LineFrame};
  forms::Label LineALabel{this, "LineALabel", &LineFrame}, LineBLabel{this, "LineBLabel", &LineFrame};
  forms::Label PosMinA{this, "PosMinA", &LineFrame}, PosMaxA{this, "PosMaxA", &LineFrame},
      PosAvgA{this, "PosAvgA", &LineFrame}, NegMinA{this, "NegMinA", &LineFrame},
      NegMaxA{this, "NegMaxA", &LineFrame}, NegAvgA{this, "NegAvgA", &LineFrame};
  forms::Label PosMinB{this, "PosMinB", &LineFrame}, PosMaxB{this, "PosMaxB", &LineFrame},
      PosAvgB{this, "PosAvgB", &LineFrame}, NegMinB{this, "NegMinB", &LineFrame},
      NegMaxB{this, "NegMaxB", &LineFrame}, NegAvgB{this, "NegAvgB", &LineFrame};

  forms::Frame DisturbanceFrame{this, "DisturbanceFrame"};
  forms::OptionButton Option5{this, "Option5", &DisturbanceFrame},
      Option6{this, "Option6", &DisturbanceFrame}, Option7{this, "Option7", &DisturbanceFrame},
      Option8{this, "Option8", &DisturbanceFrame}, Option9{this, "Option9", &DisturbanceFrame};

  // The numbers of the last register reply; a short reply leaves the later slots as they were.
  std::array<float, 21> TestValues{};
  std::array<int16_t, 4> WatchedRegisters{};
  int16_t LineTestAxis = 0;  // 0 X, 1 Y
  int16_t LineTestPen = 0;   // 1 up, 0 down

  void SendWatchRegisters();
  // The number of values found plus one.
  int16_t ParseTestReply(std::string_view reply);

 private:
  void Layout();        // DSPTestFormLayout.cpp
  void ShowCaptions();  // DSPTestFormLayout.cpp
  void Form_Load();
  void GetMinAndMax_Click();
  void ReadRegisters();
  void Command2_Click();
  void Command6_Click();
  void Command3_Click();
  void Command7_Click();
  // Sends the disturbance choice, then has the tuner re-read and show the servo parameters.
  void DisturbanceTest(int code);
  // The number typed in a box when its command can carry it; nothing, after a message naming
  // the box, when it cannot.
  std::optional<double> WireValue(const forms::TextBox& box, const forms::Label& label,
                                  platform::WireKind kind);

  App& app_;
  std::array<forms::TextBox*, 4> watchBoxes_{&RegA, &RegB, &RegC, &RegD};
  std::array<forms::Label*, 8> minMaxLabels_{&RegAMin, &RegAMax, &RegBMin, &RegBMax,
                                             &RegCMin, &RegCMax, &RegDMin, &RegDMax};
  std::array<forms::Label*, 12> lineResults_{&PosMinA, &PosMaxA, &PosAvgA, &NegMinA,
                                             &NegMaxA, &NegAvgA, &PosMinB, &PosMaxB,
                                             &PosAvgB, &NegMinB, &NegMaxB, &NegAvgB};
};

}  // namespace taskhelm
