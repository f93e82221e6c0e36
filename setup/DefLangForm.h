#pragma once
// The HP-GL origin window: corner (HP-GL 7475) or centre (HP-GL 7596).
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class DefLangForm : public forms::Form {
 public:
  explicit DefLangForm(App& app);

  forms::Frame Frame3D12{this, "Frame3D12"};
  forms::OptionButton HPGL7475{this, "HPGL7475", &Frame3D12};
  forms::OptionButton HPGL7596{this, "HPGL7596", &Frame3D12};
  forms::CommandButton LangOK{this, "LangOK"};
  forms::CommandButton LangCancel{this, "LangCancel"};
  forms::TextBox StatusBar{this, "StatusBar"};

  int16_t OriginalMode = 0;  // HpglMode when the window opened

 private:
  void Layout();  // DefLangFormLayout.cpp

  void Form_Load();
  void Form_Activate();
  void HPGL7475_Click();
  void HPGL7596_Click();
  void LangOK_Click();
  void LangCancel_Click();

  App& app_;
};

}  // namespace taskhelm
