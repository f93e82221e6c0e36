#pragma once
// The Setup window: device model, whether a device is attached, and its port.
#include <array>
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class Config : public forms::Form {
 public:
  explicit Config(App& app);

  forms::Label Label1{this, "Label1"};
  forms::ListBox PlotterList{this, "PlotterList"};
  forms::CheckBox PresentChk{this, "PresentChk"};
  forms::OptionButton Com1{this, "Com1"}, Com2{this, "Com2"}, Com3{this, "Com3"},
      Com4{this, "Com4"}, Com5{this, "Com5"}, Com6{this, "Com6"}, Com7{this, "Com7"},
      Com8{this, "Com8"};
  // Parallel ports 1..4; the fourth is the user's own port.
  std::array<forms::OptionButton, 4> LPT{{
      {this, "LPT(0)"}, {this, "LPT(1)"}, {this, "LPT(2)"}, {this, "LPT(3)"}}};
  forms::CommandButton ConfigOK{this, "ConfigOK"};
  forms::CommandButton ConfigCancel{this, "ConfigCancel"};
  forms::TextBox StatusBar{this, "StatusBar"};
  forms::CommandButton cmdPortResource{this, "cmdPortResource"};

  // The model code picked in the list.
  int16_t SelectedModel = 0;

 private:
  void Layout();  // ConfigLayout.cpp

  void Form_Load();
  void Form_Activate();
  void ShowPresence();
  void Form_Paint();
  void Form_QueryUnload(int& cancel, int mode);
  void PlotterList_Click();
  void PlotterList_KeyPress(int& keyAscii);
  void PresentChk_Click();
  void Com_Click(int port);
  void LPT_Click(int index);
  void ConfigOK_Click();
  void ConfigCancel_Click();

  bool PresentBoxChecked() const { return PresentChk.Value() == 1; }
  void EnableComOptions(bool enabled);
  void EnableLptOptions(bool enabled);
  // Closes whichever port is open and ends the program.
  void LeaveParallelPortIfMoved();
  void ClosePortsAndEnd();

  App& app_;
  std::array<forms::OptionButton*, 8> com_{&Com1, &Com2, &Com3, &Com4,
                                           &Com5, &Com6, &Com7, &Com8};
};

}  // namespace taskhelm
