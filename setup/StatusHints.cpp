#include "setup/StatusHints.h"

#include "startup/App.h"

namespace taskhelm {

void ShowHint(App& app, forms::TextBox& statusBar, const char* text) {
  statusBar.SetText(app.T(text));
}

void WireHints(App& app, forms::TextBox& statusBar, std::initializer_list<Hint> hints) {
  for (const Hint& hint : hints) {
    auto show = [&app, &statusBar, text = hint.text] { ShowHint(app, statusBar, text); };
    hint.control->GotFocus = show;
    hint.control->MouseMove = show;
  }
}

}  // namespace taskhelm
