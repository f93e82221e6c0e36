// OptionButton: a QRadioButton without Qt's own exclusivity; the model clears the siblings of the
// same container. A click selects the option (its Click runs when it was not selected).
#include <QMouseEvent>
#include <QRadioButton>

#include "forms/Controls.h"
#include "qtui/ClickArea.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class DoubleClickRadio : public WholeAreaButton<QRadioButton> {
 public:
  using WholeAreaButton<QRadioButton>::WholeAreaButton;
  std::function<void()> onDoubleClick;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    WholeAreaButton<QRadioButton>::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
  }
};

class OptionButtonView : public ControlView {
 public:
  OptionButtonView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), radio_(new DoubleClickRadio(parent)) {
    radio_->setAutoExclusive(false);
    SetWidget(radio_);
    auto& option = ModelAs<forms::OptionButton>();
    QObject::connect(radio_, &QRadioButton::clicked, radio_,
                     [this, &option] { Act([&option] { option.SetValue(true); }); });
    radio_->onDoubleClick = [this, &option] {
      Act([&option] { if (option.DblClick) option.DblClick(); });
    };
  }

  void Refresh() override {
    auto& option = ModelAs<forms::OptionButton>();
    QString caption = ToQt(option.Caption());
    if (radio_->text() != caption) radio_->setText(caption);
    if (radio_->isChecked() != option.Value()) radio_->setChecked(option.Value());
  }

 private:
  DoubleClickRadio* radio_;
};

}  // namespace

std::unique_ptr<ControlView> MakeOptionButtonView(FormWindow& window, forms::Control& control,
                                                  QWidget* parent) {
  return std::make_unique<OptionButtonView>(window, control, parent);
}

}  // namespace qtui
