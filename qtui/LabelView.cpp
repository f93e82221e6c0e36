// Label: a QLabel with the caption's lines; a click runs Click.
#include <QLabel>
#include <algorithm>

#include "forms/Controls.h"
#include "qtui/ClickArea.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class LabelView : public ControlView {
 public:
  LabelView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), label_(new ClickArea<QLabel>(parent)) {
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->onClick = [this] {
      auto& label = ModelAs<forms::Label>();
      Act([&label] { if (label.Click) label.Click(); });
    };
    SetWidget(label_);
  }

  void Refresh() override {
    auto& label = ModelAs<forms::Label>();
    QString text = ToQtLines(label.Caption());
    if (label_->text() != text) label_->setText(text);
    // Long captions wrap in labels made for more than one line; a one-line label keeps its
    // caption on its line rather than showing halves of two.
    int height = Scaled(label.Geometry().Height);
    bool wrap = height <= 0 || height >= 2 * label_->fontMetrics().lineSpacing();
    if (label_->wordWrap() != wrap) label_->setWordWrap(wrap);
  }

  QSize NaturalSize(int columnWidth) const override {
    int lineHeight = label_->fontMetrics().height() + 4;
    return {columnWidth, std::max(lineHeight, label_->heightForWidth(columnWidth))};
  }

 private:
  ClickArea<QLabel>* label_;
};

}  // namespace

std::unique_ptr<ControlView> MakeLabelView(FormWindow& window, forms::Control& control,
                                           QWidget* parent) {
  return std::make_unique<LabelView>(window, control, parent);
}

}  // namespace qtui
