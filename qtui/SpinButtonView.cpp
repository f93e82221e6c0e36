// SpinButton: two small arrow buttons stacked, repeating while held; up runs SpinUp, down
// SpinDown.
#include <QResizeEvent>
#include <QToolButton>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"

namespace qtui {
namespace {

// Keeps the two halves filling the control whatever size it is given.
class SpinPair : public QWidget {
 public:
  explicit SpinPair(QWidget* parent) : QWidget(parent), up(new QToolButton(this)),
                                       down(new QToolButton(this)) {
    for (QToolButton* button : {up, down}) {
      button->setAutoRepeat(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setIconSize(QSize(8, 6));
    }
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
  }
  QToolButton* up;
  QToolButton* down;

  QSize sizeHint() const override { return {18, 24}; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
  }
};

class SpinButtonView : public ControlView {
 public:
  SpinButtonView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), pair_(new SpinPair(parent)) {
    SetWidget(pair_);
    BindPart(pair_->up);
    BindPart(pair_->down);
    auto& spin = ModelAs<forms::SpinButton>();
    QObject::connect(pair_->up, &QToolButton::clicked, pair_,
                     [this, &spin] { Act([&spin] { spin.Up(); }); });
    QObject::connect(pair_->down, &QToolButton::clicked, pair_,
                     [this, &spin] { Act([&spin] { spin.Down(); }); });
  }

  void Refresh() override {}

  QSize NaturalSize(int) const override { return pair_->sizeHint(); }

 private:
  SpinPair* pair_;
};

}  // namespace

std::unique_ptr<ControlView> MakeSpinButtonView(FormWindow& window, forms::Control& control,
                                                QWidget* parent) {
  return std::make_unique<SpinButtonView>(window, control, parent);
}

}  // namespace qtui
