#pragma once
// Clicks on widgets: a left click released inside a widget, for the kinds whose Qt widget has no
// clicked signal; and a whole-area hit for the small buttons.
#include <QMouseEvent>
#include <functional>

namespace qtui {

template <class Base>
class ClickArea : public Base {
 public:
  using Base::Base;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    Base::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && this->rect().contains(event->position().toPoint()) &&
        onClick)
      onClick();
  }
};

// A check box or option button that answers a click anywhere in its rectangle, not only on its
// indicator and caption, as the program's windows expect of these controls.
template <class Base>
class WholeAreaButton : public Base {
 public:
  using Base::Base;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

}  // namespace qtui
