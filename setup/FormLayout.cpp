#include "setup/FormLayout.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace taskhelm {

namespace {

// Controls whose middles lie this close in height stand in one row.
constexpr int kRowTolerance = 8;

int Middle(const forms::Control* c) { return c->Geometry().Top + c->Geometry().Height / 2; }

// A frame's controls in reading order: rows from top to bottom, each from left to right.
std::vector<forms::Control*> ReadingOrder(std::vector<forms::Control*> controls) {
  std::stable_sort(controls.begin(), controls.end(),
                   [](auto* a, auto* b) { return Middle(a) < Middle(b); });
  for (auto row = controls.begin(); row != controls.end();) {
    const int middle = Middle(*row);
    auto end = std::find_if(row, controls.end(),
                            [&](auto* c) { return Middle(c) - middle > kRowTolerance; });
    std::stable_sort(row, end,
                     [](auto* a, auto* b) { return a->Geometry().Left < b->Geometry().Left; });
    row = end;
  }
  return controls;
}

}  // namespace

void ApplyLayout(forms::Form& form, int width, int height, std::span<const Placement> rows) {
  form.Resize(width, height);
  std::vector<forms::Control*> placed;
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
    placed.push_back(control);
  }

  // The tab order: the window's own rows in the table's order, each frame followed by what it
  // holds in reading order, frame within frame.
  auto placedFrame = [&](const forms::Control* c) -> const forms::Control* {
    const forms::Control* frame = c->Container();
    bool listed = frame && frame != c;
    return listed && std::find(placed.begin(), placed.end(), frame) != placed.end() ? frame
                                                                                   : nullptr;
  };
  int tabIndex = 0;
  std::function<void(forms::Control*)> visit = [&](forms::Control* control) {
    control->SetTabIndex(tabIndex++);
    std::vector<forms::Control*> held;
    for (forms::Control* c : placed)
      if (placedFrame(c) == control) held.push_back(c);
    for (forms::Control* c : ReadingOrder(held)) visit(c);
  };
  for (forms::Control* control : placed)
    if (!placedFrame(control)) visit(control);
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
  const int height = top + line.Height + margin;
  if (form.Height() != height) form.Resize(form.Width(), height);
}

}  // namespace taskhelm
