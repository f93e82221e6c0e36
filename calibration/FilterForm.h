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

  // The setting the window opened with (FilterSetting at load, or the device's as read before
  // the show): OK compares against it.
  int16_t ShownSetting = 0;

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
