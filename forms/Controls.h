#pragma once
// The standard controls. Setting a value by code fires the control's event as the platform does:
// a check box's Click when the value changes, an option button's Click when it becomes True (and it
// clears its siblings in the same container), a list's Click when the index changes, a text box's
// Change when the text changes.
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Label : public Control {
 public:
  Label(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::Label, container) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  std::function<void()> Click;

 private:
  std::string caption_;
};

class TextBox : public Control {
 public:
  TextBox(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::TextBox, container) {}
  bool CanFocus() const override { return Visible() && Enabled(); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text, Notify notify = Notify::Fire);
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length, Notify notify = Notify::Fire);
  std::function<void()> Change;

 private:
  std::string text_;
  bool locked_ = false;
  bool multiLine_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
};

// A window's hint line: the program writes it, the operator only reads it, and Tab passes it by.
void MakeHintLine(TextBox& box);

// Value 0 unchecked, 1 checked, 2 grayed.
class CheckBox : public Control {
 public:
  CheckBox(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::CheckBox, container) {}
  bool CanFocus() const override { return Visible() && Enabled(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }
  void SetValue(int value, Notify notify = Notify::Fire);
  std::function<void()> Click;

 private:
  std::string caption_;
  int value_ = 0;
};

class OptionButton : public Control {
 public:
  OptionButton(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::OptionButton, container) {}
  bool CanFocus() const override { return Visible() && Enabled(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Value() const { return value_; }
  // True clears the other option buttons of the same container and fires Click when the button
  // was not selected before; False only clears.
  void SetValue(bool value, Notify notify = Notify::Fire);
  std::function<void()> Click;
  std::function<void()> DblClick;

 private:
  std::string caption_;
  bool value_ = false;
};

class CommandButton : public Control {
 public:
  CommandButton(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::CommandButton, container) {}
  bool CanFocus() const override { return Visible() && Enabled(); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel) { cancel_ = isCancel; }
  // A press by the operator or by code (Value = True): runs Click when the button is enabled.
  void Press();
  std::function<void()> Click;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

class Frame : public Control {
 public:
  Frame(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::Frame, container) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

class ListBox : public Control {
 public:
  ListBox(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::ListBox, container) {}
  bool CanFocus() const override { return Visible() && Enabled(); }
  void AddItem(const std::string& item);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  // -1 means no selection. A different index fires Click.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index, Notify notify = Notify::Fire);
  std::string Text() const { return listIndex_ >= 0 ? List(listIndex_) : std::string(); }
  std::function<void()> Click;
  std::function<void()> DblClick;

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

// Up/down stepper beside a numeric field.
class SpinButton : public Control {
 public:
  SpinButton(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::SpinButton, container) {}
  void Up() { if (Enabled() && SpinUp) SpinUp(); }
  void Down() { if (Enabled() && SpinDown) SpinDown(); }
  std::function<void()> SpinUp;
  std::function<void()> SpinDown;
};

// Ticks every Interval milliseconds while enabled and its form is loaded; the host drives it.
class Timer : public Control {
 public:
  Timer(Form* form, std::string name);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool TimerEnabled() const { return Enabled() && interval_ > 0; }
  void SetTimerEnabled(bool enabled);
  std::function<void()> Tick;

 private:
  int interval_ = 0;
};

// Progress bar, 0..Max.
class Gauge : public Control {
 public:
  Gauge(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::Gauge, container) {}
  int Value() const { return value_; }
  void SetValue(int value);
  int Max() const { return max_; }
  void SetMax(int max) { max_ = max; }

 private:
  int value_ = 0;
  int max_ = 100;
};

class PictureBox : public Control {
 public:
  PictureBox(Form* form, std::string name, Control* container = nullptr)
      : Control(form, std::move(name), ControlKind::PictureBox, container) {}
  // Name of a picture the host knows how to draw ("logo", ...); empty draws nothing.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& picture);
  std::function<void()> Click;

 private:
  std::string picture_;
};

}  // namespace forms
