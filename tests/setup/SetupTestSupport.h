#pragma once
// Small helpers the setup window tests share.
#include <functional>
#include <string>

#include "forms/Form.h"
#include "tests/support/AppFixture.h"

namespace setup_tests {

// The names of the selected option buttons of a window, in control order, joined by ",".
inline std::string SelectedOptions(const forms::Form& form) {
  std::string names;
  for (forms::Control* c : form.Controls()) {
    if (c->Kind() != forms::ControlKind::OptionButton) continue;
    if (!static_cast<forms::OptionButton*>(c)->Value()) continue;
    if (!names.empty()) names += ",";
    names += c->Name();
  }
  return names;
}

struct ModalOutcome {
  bool programGoesOn = false;  // false: the program ended
  bool shownAfter = false;     // the window was still up when the operator was done
};

// Shows window W modal, as its callers do, with `operate` as the operator.
template <class W>
ModalOutcome ShowModal(testing_support::AppFixture& f, const std::function<void(W&)>& operate) {
  ModalOutcome outcome;
  W& window = f.app.Window<W>();
  f.host.modalOperators[window.Name()] = [&](forms::Form& form) {
    operate(static_cast<W&>(form));
    outcome.shownAfter = form.Visible();
  };
  outcome.programGoesOn =
      f.host.Run([&] { f.app.Window<W>().Show(forms::ShowMode::Modal); });
  return outcome;
}

// How often `part` occurs in `text`.
inline int Occurrences(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++n;
  return n;
}

}  // namespace setup_tests
