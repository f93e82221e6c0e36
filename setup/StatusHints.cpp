#include "setup/StatusHints.h"

#include <string>

#include "startup/App.h"

namespace taskhelm {

void ShowHint(const App& app, forms::TextBox& statusBar, std::string_view english,
              std::string_view context) {
  statusBar.SetText(app.T(english, context));
}

void WireHints(App& app, forms::TextBox& statusBar, std::initializer_list<Hint> hints) {
  WireHints(app, statusBar, {}, hints);
}

void WireHints(App& app, forms::TextBox& statusBar, std::string_view context,
               std::initializer_list<Hint> hints) {
  for (const Hint& hint : hints) {
    auto show = [&app, &statusBar, text = hint.text, context = std::string(context)] {
      ShowHint(app, statusBar, text, context);
    };
    hint.control->GotFocus = show;
    hint.control->MouseMove = show;
  }
}

}  // namespace taskhelm
