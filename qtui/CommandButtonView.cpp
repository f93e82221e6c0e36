// CommandButton: a QPushButton; a click presses the model's button.
#include <QPushButton>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class CommandButtonView : public ControlView {
 public:
  CommandButtonView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), button_(new QPushButton(parent)) {
    // Enter and Escape reach the default and cancel buttons through the window's key handling.
    button_->setAutoDefault(false);
    SetWidget(button_);
    auto& command = ModelAs<forms::CommandButton>();
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [this, &command] { Act([&command] { command.Press(); }); });
  }

  void Refresh() override {
    auto& command = ModelAs<forms::CommandButton>();
    QString caption = ToQt(command.Caption());
    if (button_->text() != caption) button_->setText(caption);
    if (button_->isDefault() != command.Default()) button_->setDefault(command.Default());
  }

 private:
  QPushButton* button_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCommandButtonView(FormWindow& window, forms::Control& control,
                                                   QWidget* parent) {
  return std::make_unique<CommandButtonView>(window, control, parent);
}

}  // namespace qtui
