#include "setup/StatusHints.h"

#include "startup/App.h"

namespace taskhelm {

void ShowHint(App& app, forms::TextBox& statusBar, const char* text, const char* context) {
  statusBar.SetText(app.T(text, context));
}

void WireHints(App& app, forms::TextBox& statusBar, std::initializer_list<Hint> hints,
               const char* context) {
  for (const Hint& hint : hints) {
    auto show = [&app, &statusBar, text = hint.text, context] {
      ShowHint(app, statusBar, text, context);
    };
    hint.control->GotFocus = show;
    hint.control->MouseMove = show;
  }
}

}  // namespace taskhelm
