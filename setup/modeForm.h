#pragma once
// The cutter-mode window: reads the cutter's operating mode and switches it, which ends the
// program (the device must be restarted in its new mode).
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class modeForm : public forms::Form {
 public:
  explicit modeForm(App& app);

  forms::Frame Frame1{this, "Frame1"};
  forms::OptionButton Signcutter{this, "Signcutter", &Frame1};
  forms::OptionButton Marvesk{this, "Marvesk", &Frame1};
  forms::CommandButton msOK{this, "msOK"};
  forms::CommandButton msCancel{this, "msCancel"};
  forms::TextBox msStatusBar{this, "msStatusBar"};

  int16_t CurrentMode = 0;   // the mode the device reported
  int16_t SelectedMode = 0;  // 0 standard sign cutting, 1 the special mode

 private:
  void Layout();  // modeFormLayout.cpp

  void Form_Load();
  void Form_Activate();
  void Signcutter_Click();
  void Marvesk_Click();
  void msOK_Click();
  void msCancel_Click();

  App& app_;
};

}  // namespace taskhelm
