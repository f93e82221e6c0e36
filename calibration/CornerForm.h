#pragma once
// CornerForm: chooses the cornering mode that the cutter's permanent send carries. Nothing is sent
// from here. The cutter's display also sets its options to show the current mode.
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class CornerForm : public forms::Form {
 public:
  explicit CornerForm(App& app);

  forms::Frame Frame3D12{this, "Frame3D12"};
  forms::OptionButton Smooth{this, "Smooth", &Frame3D12};
  forms::OptionButton Speedy{this, "Speedy", &Frame3D12};
  forms::CommandButton CornerOK{this, "CornerOK"};
  forms::CommandButton CornerCancel{this, "CornerCancel"};
  forms::TextBox StatusBar{this, "StatusBar"};

  int16_t LoadedMode = 0;  // CorneringMode when the window was loaded: OK compares against it
  int16_t ShownMode = 0;   // CorneringMode when the window was shown: Cancel puts it back

  // Selects the option of a mode: Banner Fill for 4, Default (which makes it 13) for any other.
  void SelectMode(int16_t mode);

 private:
  void Layout();  // CornerFormLayout.cpp

  void Form_Load();
  void CornerOK_Click();
  void CornerCancel_Click();

  App& app_;
};

}  // namespace taskhelm
