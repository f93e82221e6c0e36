#include "setup/FormLayout.h"

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

}  // namespace taskhelm
