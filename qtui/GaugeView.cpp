// Gauge: a QProgressBar from 0 to the gauge's Max.
#include <QProgressBar>
#include <algorithm>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"

namespace qtui {
namespace {

class GaugeView : public ControlView {
 public:
  GaugeView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), bar_(new QProgressBar(parent)) {
    bar_->setTextVisible(false);
    SetWidget(bar_);
  }

  void Refresh() override {
    auto& gauge = ModelAs<forms::Gauge>();
    // A range of 0..0 would make Qt show a busy bar instead of an empty one.
    int max = std::max(1, gauge.Max());
    if (bar_->maximum() != max) bar_->setRange(0, max);
    if (bar_->value() != gauge.Value()) bar_->setValue(gauge.Value());
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 18}; }

 private:
  QProgressBar* bar_;
};

}  // namespace

std::unique_ptr<ControlView> MakeGaugeView(FormWindow& window, forms::Control& control,
                                           QWidget* parent) {
  return std::make_unique<GaugeView>(window, control, parent);
}

}  // namespace qtui
