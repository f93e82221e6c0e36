#pragma once
// PenAdj: the service tool for the profile with which the device lowers its pen or blade (pulse,
// coast, landing and initial phase, each a force and a delay), the pulse force in grams and the
// direct pen output (pen DAC). Every value lives in the device; the window reads them whenever
// it becomes active.
#include <array>
#include <optional>

#include "forms/Form.h"
#include "link/ReplyList.h"

namespace taskhelm {

class App;

class PenAdj : public forms::Form {
 public:
  explicit PenAdj(App& app);

  // The profile boxes, their labels and spin buttons, in profile order.
  forms::TextBox PF{this, "PF"};
  forms::TextBox PD{this, "PD"};
  forms::TextBox CF{this, "CF"};
  forms::TextBox CD{this, "CD"};
  forms::TextBox LF{this, "LF"};
  forms::TextBox LD{this, "LD"};
  forms::TextBox INF{this, "INF"};
  forms::TextBox ID{this, "ID"};
  forms::Label PFLabel{this, "PFLabel"};
  forms::Label PDLabel{this, "PDLabel"};
  forms::Label CFLabel{this, "CFLabel"};
  forms::Label CDLabel{this, "CDLabel"};
  forms::Label LFLabel{this, "LFLabel"};
  forms::Label LDLabel{this, "LDLabel"};
  forms::Label INFLabel{this, "INFLabel"};
  forms::Label IDLabel{this, "IDLabel"};
  forms::SpinButton SpinButton1{this, "SpinButton1"};
  forms::SpinButton SpinButton2{this, "SpinButton2"};
  forms::SpinButton SpinButton3{this, "SpinButton3"};
  forms::SpinButton SpinButton4{this, "SpinButton4"};
  forms::SpinButton SpinButton5{this, "SpinButton5"};
  forms::SpinButton SpinButton6{this, "SpinButton6"};
  forms::SpinButton SpinButton10{this, "SpinButton10"};
  forms::SpinButton SpinButton8{this, "SpinButton8"};
  forms::TextBox PFgrams{this, "PFgrams"};
  forms::Label PFgramsLabel{this, "PFgramsLabel"};
  forms::TextBox PenD{this, "PenD"};
  forms::Label PenDLabel{this, "PenDLabel"};
  forms::SpinButton SpinButton7{this, "SpinButton7"};
  forms::CommandButton Command1{this, "Command1"};  // Test!
  forms::CommandButton Command2{this, "Command2"};  // Cycle
  forms::CommandButton Command3{this, "Command3"};  // Set

  // PF, PD, CF, CD, LF, LD, INF, ID: 0 until the first read.
  enum ProfileValue { kPF, kPD, kCF, kCD, kLF, kLD, kINF, kID, kProfileValues };
  std::array<float, kProfileValues> Profile{};
  float PulseGrams = 0;
  float PenDac = 0;
  std::array<float, 9> CommaValues{};  // the last profile reply; kept between reads

  bool ReadPenParameters();
  void ShowPenParameters();
  void SendPenParameters();

 private:
  void Layout();  // PenAdjLayout.cpp

  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void PFgrams_LostFocus();
  void SendPenDac();
  void SpinPenDac(int step);
  void WireProfileBox(forms::TextBox& box, const forms::Label& label, forms::SpinButton& spin,
                      ProfileValue value);
  // The number typed in a box when the device can take it; nothing, after a message naming the
  // box by its label, when it cannot.
  std::optional<float> TypedValue(const forms::TextBox& box, const forms::Label& label);
  void Send(const std::string& command);
  // The leading number of PenD, rounded and held to the DAC's range.
  int PenDacInRange() const;

  App& app_;
  // What the device has reported: which of CommaValues a reply gave as numbers, and whether the
  // profile and the pulse grams were ever read. Until then their boxes hold nothing of the
  // device, and a send from them would set zeros.
  ReplyFill profileFill_;
  bool profileRead_ = false;
  bool gramsRead_ = false;
  // The pulse-force box shows what the device reported: a read of the grams alone shows nothing.
  bool gramsShown_ = false;
};

}  // namespace taskhelm
