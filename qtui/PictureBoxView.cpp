// PictureBox: draws the picture the model names ("logo"); a click runs Click.
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "forms/Controls.h"
#include "qtui/ClickArea.h"
#include "qtui/ControlViews.h"
#include "qtui/LogoPicture.h"

namespace qtui {
namespace {

class PictureWidget : public ClickArea<QWidget> {
 public:
  using ClickArea<QWidget>::ClickArea;
  std::string picture;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture != "logo") return;
    QPainter painter(this);
    DrawLogo(painter, QRectF(rect()).adjusted(2, 2, -2, -2));
  }
};

class PictureBoxView : public ControlView {
 public:
  PictureBoxView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), widget_(new PictureWidget(parent)) {
    SetWidget(widget_);
    auto& box = ModelAs<forms::PictureBox>();
    widget_->onClick = [this, &box] { Act([&box] { if (box.Click) box.Click(); }); };
  }

  void Refresh() override {
    const std::string& picture = ModelAs<forms::PictureBox>().Picture();
    if (widget_->picture == picture) return;
    widget_->picture = picture;
    widget_->update();
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 96}; }

 private:
  PictureWidget* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakePictureBoxView(FormWindow& window, forms::Control& control,
                                                QWidget* parent) {
  return std::make_unique<PictureBoxView>(window, control, parent);
}

}  // namespace qtui
