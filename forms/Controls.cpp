#include "forms/Controls.h"

#include "forms/Form.h"

namespace forms {

Control::Control(Form* form, std::string name, ControlKind kind, Control* container)
    : form_(form), name_(std::move(name)), kind_(kind), container_(container) {
  form_->Register(this);
}

void Control::Changed() { form_->Changed(); }

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::Move(int left, int top, int width, int height) {
  geometry_ = {left, top, width, height};
  Changed();
}

void Control::SetFocus() { form_->MoveFocus(this); }
bool Control::HasFocus() const { return form_->ActiveControl() == this; }

void Label::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void TextBox::SetText(const std::string& text, Notify notify) {
  if (text_ == text) return;
  text_ = text;
  selStart_ = static_cast<int>(text_.size());
  selLength_ = 0;
  Changed();
  if (notify == Notify::Fire && Change) Change();
}

void TextBox::SetLocked(bool locked) {
  locked_ = locked;
  Changed();
}

void MakeHintLine(TextBox& box) {
  box.SetLocked(true);
  box.SetTabStop(false);
}

void TextBox::SetSelection(int start, int length, Notify notify) {
  int size = static_cast<int>(text_.size());
  selStart_ = start < 0 ? 0 : (start > size ? size : start);
  selLength_ = length < 0 ? 0 : (selStart_ + length > size ? size - selStart_ : length);
  if (notify == Notify::Fire) Changed();
}

void CheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void CheckBox::SetValue(int value, Notify notify) {
  if (value_ == value) return;
  value_ = value;
  Changed();
  if (notify == Notify::Fire && Click) Click();
}

void OptionButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void OptionButton::SetValue(bool value, Notify notify) {
  if (value) {
    for (Control* c : Parent().Controls()) {
      if (c == this || c->Kind() != ControlKind::OptionButton || c->Container() != Container())
        continue;
      auto* sibling = static_cast<OptionButton*>(c);
      if (sibling->value_) {
        sibling->value_ = false;
      }
    }
  }
  bool was = value_;
  value_ = value;
  if (was != value) Changed();
  // The platform fires Click when an option becomes selected, not when it is cleared.
  if (value && !was && notify == Notify::Fire && Click) Click();
}

void CommandButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void CommandButton::Press() {
  if (Enabled() && Click) Click();
}

void Frame::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void ListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed();
}

void ListBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  Changed();
}

void ListBox::SetListIndex(int index, Notify notify) {
  if (index < -1 || index >= ListCount()) index = -1;
  if (listIndex_ == index) return;
  listIndex_ = index;
  Changed();
  if (notify == Notify::Fire && Click) Click();
}

Timer::Timer(Form* form, std::string name) : Control(form, std::move(name), ControlKind::Timer) {
  SetVisible(false);
}

void Timer::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Parent().HostRef().TimerChanged(*this);
}

void Timer::SetTimerEnabled(bool enabled) {
  SetEnabled(enabled);
  Parent().HostRef().TimerChanged(*this);
}

void Gauge::SetValue(int value) {
  value_ = value < 0 ? 0 : (value > max_ ? max_ : value);
  Changed();
}

void PictureBox::SetPicture(const std::string& picture) {
  picture_ = picture;
  Changed();
}

}  // namespace forms
