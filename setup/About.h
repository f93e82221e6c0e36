#pragma once
// The About window.
#include "forms/Form.h"

namespace taskhelm {

class App;

class About : public forms::Form {
 public:
  explicit About(App& app);

  forms::Label AboutText{this, "AboutText"};
  forms::CommandButton AboutOK{this, "AboutOK"};

 private:
  void Layout();  // AboutLayout.cpp

  void Form_Load();
  void AboutOK_Click();

  App& app_;
};

}  // namespace taskhelm
