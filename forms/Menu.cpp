#include "forms/Menu.h"

#include "forms/Form.h"

namespace forms {

MenuItem::MenuItem(Form* form, std::string name, MenuItem* parent)
    : form_(form), name_(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
  form_->Register(this);
}

void MenuItem::Changed() { form_->Changed(); }

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void MenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

void MenuItem::Choose() {
  if (enabled_ && visible_ && Click) Click();
}

}  // namespace forms
