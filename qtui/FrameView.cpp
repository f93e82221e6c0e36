// Frame: a QGroupBox that parents the controls it contains, placed relative to its corner.
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class FrameView : public ControlView {
 public:
  FrameView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), box_(new QGroupBox(parent)) {
    SetWidget(box_);
  }

  QWidget* ChildArea() const override { return box_; }

  // Below the caption, with the same gap as between stacked controls.
  int ChildTop() const override { return box_->fontMetrics().height() + 10; }

  void Refresh() override {
    QString caption = ToQt(ModelAs<forms::Frame>().Caption());
    if (box_->title() != caption) box_->setTitle(caption);
  }

 private:
  QGroupBox* box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeFrameView(FormWindow& window, forms::Control& control,
                                           QWidget* parent) {
  return std::make_unique<FrameView>(window, control, parent);
}

}  // namespace qtui
