#include "setup/FormLayout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace taskhelm {

void ApplyLayout(forms::Form& form, int width, int height, std::span<const Placement> rows) {
  form.Resize(width, height);
  int tabIndex = 0;
  for (const Placement& row : rows) {
    forms::Control* control = form.FindControl(row.control);
    if (!control)
      throw std::logic_error("layout of " + form.Name() + " names no control " + row.control);
    if (row.container) {
      forms::Control* frame = form.FindControl(row.container);
      if (!frame)
        throw std::logic_error("layout of " + form.Name() + " names no frame " + row.container);
      control->SetContainer(frame);
    }
    control->Move(row.left, row.top, row.width, row.height);
    control->SetTabIndex(tabIndex++);
  }
}

void FitHeightToShown(forms::Form& form, forms::Control& hintLine, int gap, int margin) {
  int bottom = 0;
  for (const forms::Control* control : form.Controls()) {
    const forms::Rect& g = control->Geometry();
    if (control == &hintLine || control->Container() || !control->Visible() || g.Height <= 0)
      continue;
    bottom = std::max(bottom, g.Top + g.Height);
  }
  const forms::Rect line = hintLine.Geometry();
  const int top = bottom + gap;
  if (line.Top != top) hintLine.Move(line.Left, top, line.Width, line.Height);
  if (form.Height() != top + line.Height + margin) form.Resize(form.Width(), top + line.Height + margin);
}

}  // namespace taskhelm
