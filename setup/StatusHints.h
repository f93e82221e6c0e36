#pragma once
// The hints a window writes to its status bar when a control gets the focus or the pointer.
#include <initializer_list>
#include <string_view>

#include "forms/Controls.h"

namespace taskhelm {

class App;

struct Hint {
  forms::Control* control;
  const char* text;  // English; shown in the edition's wording
};

// Shows the text in the status bar, worded for the window the context names (none: any window).
void ShowHint(const App& app, forms::TextBox& statusBar, std::string_view english,
              std::string_view context = {});
// Wires the GotFocus and MouseMove of each control to show its hint.
void WireHints(App& app, forms::TextBox& statusBar, std::initializer_list<Hint> hints);
void WireHints(App& app, forms::TextBox& statusBar, std::string_view context,
               std::initializer_list<Hint> hints);

}  // namespace taskhelm
