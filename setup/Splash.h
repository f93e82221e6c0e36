#pragma once
// The window shown while the program starts.
#include "forms/Form.h"

namespace taskhelm {

class App;

class Splash : public forms::Form {
 public:
  explicit Splash(App& app);

  forms::PictureBox Picture1{this, "Picture1"};
  forms::Label Check{this, "Check"};
  forms::Label Stby{this, "Stby"};

 private:
  void Layout();  // SplashLayout.cpp

  void Form_Load();
  void Form_Unload(int& cancel);

  App& app_;
};

}  // namespace taskhelm
