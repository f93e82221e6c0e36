#pragma once
// A window's layout as data: its size, then one row per control. Positions are in pixels,
// relative to the control's container (the window, or the frame a row names). The layout also
// gives the tab order: the window's own rows in the table's order, and after each frame what it
// holds, top to bottom and left to right.
#include <span>

#include "forms/Form.h"

namespace taskhelm {

struct Placement {
  const char* control;  // the control's name
  int left, top, width, height;
  const char* container = nullptr;  // the frame that holds the control; none: the window
};

// Sizes the window and places its controls. A row naming no control of the window is a fault of
// the table and throws std::logic_error, so that a typing slip cannot pass unnoticed.
void ApplyLayout(forms::Form& form, int width, int height, std::span<const Placement> rows);

// Closes the window up under what it shows, so that hidden frames leave no empty band: the hint
// line goes `gap` pixels below the lowest shown control of the window itself, and the window ends
// `margin` pixels below the hint line.
void FitHeightToShown(forms::Form& form, forms::Control& hintLine, int gap, int margin);

}  // namespace taskhelm
