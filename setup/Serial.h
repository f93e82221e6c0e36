#pragma once
// The port and communication test: every key typed is sent, and the echo is shown beside it.
#include <array>
#include <string>

#include "forms/Form.h"

namespace taskhelm {

class App;

class Serial : public forms::Form {
 public:
  explicit Serial(App& app);

  forms::Label Label1{this, "Label1"};
  forms::Label Label2{this, "Label2"};
  forms::Label Label3{this, "Label3"};
  forms::Label Tx{this, "Tx"};
  forms::Label Rx{this, "Rx"};
  forms::Label CTS{this, "CTS"};
  forms::Label SerInstr{this, "SerInstr"};
  forms::OptionButton SerCom1{this, "SerCom1"}, SerCom2{this, "SerCom2"},
      SerCom3{this, "SerCom3"}, SerCom4{this, "SerCom4"};
  forms::OptionButton ParCom1{this, "ParCom1"}, ParCom2{this, "ParCom2"},
      ParCom3{this, "ParCom3"}, ParCom4{this, "ParCom4"};
  forms::CommandButton SerialExit{this, "SerialExit"};
  forms::Timer Timer1{this, "Timer1"};

  std::string ModelName;        // the model's name, for the messages
  bool Busy = false;            // an echo is running: typed keys are ignored
  bool EchoErrorShown = false;  // one echo error box per window life

  // Sends one typed character and shows what comes back.
  void EchoCharacter(int c);

 private:
  void Layout();  // SerialLayout.cpp

  void Form_Load();
  void Form_KeyPress(int& keyAscii);
  void Timer1_Timer();
  void SerCom_Click(int port);
  void ParCom_Click(int port);
  void SerialExit_Click();

  // "ON"/"OFF" from the serial handshake line; "No" (disabled) on the parallel port.
  void ShowCtsLine();

  App& app_;
  std::array<forms::OptionButton*, 4> serCom_{&SerCom1, &SerCom2, &SerCom3, &SerCom4};
  std::array<forms::OptionButton*, 4> parCom_{&ParCom1, &ParCom2, &ParCom3, &ParCom4};
};

}  // namespace taskhelm
