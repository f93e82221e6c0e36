#pragma once
// A form with one of each control the semantics concern, two frames of option buttons and an
// option at form level; every event it raises is written to log as "Control.Event".
#include <string>
#include <vector>

#include "forms/Form.h"

namespace forms_tests {

class SampleForm : public forms::Form {
 public:
  explicit SampleForm(forms::Host& host, std::string name = "Sample") : Form(host, std::move(name)) {
    for (forms::OptionButton* o : {&OptA1, &OptA2, &OptB1, &OptB2, &OptForm})
      o->Click = Logger(o->Name() + ".Click");
    Check1.Click = Logger("Check1.Click");
    List1.Click = Logger("List1.Click");
    Text1.Change = Logger("Text1.Change");
    Button1.Click = Logger("Button1.Click");
    for (forms::Control* c : Controls()) {
      c->GotFocus = Logger(c->Name() + ".GotFocus");
      c->LostFocus = Logger(c->Name() + ".LostFocus");
    }
    Load = Logger("Form.Load");
    Activate = Logger("Form.Activate");
    for (const char* item : {"zero", "one", "two"}) List1.AddItem(item);
  }

  forms::Frame FrameA{this, "FrameA"};
  forms::OptionButton OptA1{this, "OptA1", &FrameA};
  forms::OptionButton OptA2{this, "OptA2", &FrameA};
  forms::Frame FrameB{this, "FrameB"};
  forms::OptionButton OptB1{this, "OptB1", &FrameB};
  forms::OptionButton OptB2{this, "OptB2", &FrameB};
  forms::OptionButton OptForm{this, "OptForm"};
  forms::CheckBox Check1{this, "Check1"};
  forms::ListBox List1{this, "List1"};
  forms::TextBox Text1{this, "Text1"};
  forms::TextBox Text2{this, "Text2"};
  forms::CommandButton Button1{this, "Button1"};

  std::vector<std::string> log;

 private:
  std::function<void()> Logger(std::string entry) {
    return [this, entry] { log.push_back(entry); };
  }
};

}  // namespace forms_tests
