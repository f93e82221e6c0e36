// CheckBox: a QCheckBox; the operator's click sets the model's value (its Click runs once).
// Value 2 shows as the partly checked state.
#include <QCheckBox>

#include "forms/Controls.h"
#include "qtui/ClickArea.h"
#include "qtui/ControlViews.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), box_(new WholeAreaButton<QCheckBox>(parent)) {
    SetWidget(box_);
    QObject::connect(box_, &QCheckBox::clicked, box_, [this] {
      auto& check = ModelAs<forms::CheckBox>();
      // A click checks an unchecked or grayed box and clears a checked one, whatever state Qt
      // moved its widget to.
      int next = check.Value() == 1 ? 0 : 1;
      Act([&check, next] { check.SetValue(next); });
    });
  }

  void Refresh() override {
    auto& check = ModelAs<forms::CheckBox>();
    QString caption = ToQt(check.Caption());
    if (box_->text() != caption) box_->setText(caption);
    Qt::CheckState state = check.Value() == 1   ? Qt::Checked
                           : check.Value() == 2 ? Qt::PartiallyChecked
                                                : Qt::Unchecked;
    box_->setTristate(state == Qt::PartiallyChecked);
    if (box_->checkState() != state) box_->setCheckState(state);
  }

 private:
  QCheckBox* box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCheckBoxView(FormWindow& window, forms::Control& control,
                                              QWidget* parent) {
  return std::make_unique<CheckBoxView>(window, control, parent);
}

}  // namespace qtui
