#pragma once
// FilterForm: switches the device's vector filtering on or off at once ("!SM0@" / "!SM1@") and
// reads it back ("!OS@").
#include <cstdint>

#include "forms/Form.h"

namespace taskhelm {

class App;

class FilterForm : public forms::Form {
 public:
  explicit FilterForm(App& app);

  forms::CheckBox FilterEnable{this, "FilterEnable"};
  forms::CommandButton FilterOK{this, "FilterOK"};
  forms::CommandButton FilterCancel{this, "FilterCancel"};
  forms::TextBox StatusBar{this, "StatusBar"};

  int16_t ShownSetting = 0;  // FilterSetting when the window was shown: OK compares against it

  // Reads the device's filtering into FilterSetting and the check box; false when it did not
  // answer.
  bool UpdateFilter();

 private:
  void Layout();  // FilterFormLayout.cpp

  void Form_Load();
  void FilterEnable_Click();
  void FilterOK_Click();
  const char* EnableHint() const;

  App& app_;
};

}  // namespace taskhelm
