#include "qtui/ControlView.h"

#include "qtui/FormWindow.h"
#include "qtui/QtHost.h"

namespace qtui {

ControlView::ControlView(FormWindow& window, forms::Control& control)
    : window_(window), control_(control) {}

QSize ControlView::NaturalSize(int columnWidth) const {
  return {columnWidth, widget_ ? widget_->sizeHint().height() : 0};
}

void ControlView::SetWidget(QWidget* widget) {
  widget_ = widget;
  BindPart(widget);
}

void ControlView::BindPart(QWidget* part) { window_.Bind(part, &control_); }

void ControlView::Act(const std::function<void()>& action) {
  if (Mirroring()) return;
  window_.Act(action, control_.duringExchange);
  if (window_.Host().Ending()) return;
  QtHost::MirrorScope mirror(window_.Host());
  Refresh();
}

bool ControlView::Mirroring() const { return window_.Host().Mirroring(); }

void ControlView::ShowModelLater() { window_.Host().MarkDirty(window_); }

int ControlView::Scaled(int layoutPixels) const { return window_.ToWindowPixels(layoutPixels); }

}  // namespace qtui
