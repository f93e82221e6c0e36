#pragma once
// Base of every control: name, geometry, visibility, focus and key/mouse events.
#include <functional>
#include <string>

#include "forms/ExchangeGate.h"

namespace forms {

class Form;

enum class ControlKind {
  Label, TextBox, CheckBox, OptionButton, CommandButton, Frame, ListBox, SpinButton, Timer, Gauge,
  PictureBox, DriveListBox, DirListBox, FileListBox
};

// Shift state of key events: 1 Shift, 2 Ctrl, 4 Alt.
enum ShiftMask { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// Key codes of KeyDown (the platform's virtual-key numbers).
namespace Key {
inline constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
                     Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
                     Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46, F1 = 112;
}  // namespace Key

struct Rect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

class Control {
 public:
  Control(Form* form, std::string name, ControlKind kind, Control* container = nullptr);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  Form& Parent() const { return *form_; }
  Control* Container() const { return container_; }
  void SetContainer(Control* container) { container_ = container; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const Rect& Geometry() const { return geometry_; }
  void Move(int left, int top, int width, int height);
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index) { tabIndex_ = index; }
  // False: Tab passes the control by; a click or code may still give it the focus.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  // Controls that take the focus (text boxes, buttons, lists ...); labels and frames do not.
  virtual bool CanFocus() const { return false; }

  // Moves the focus here: the old control's LostFocus runs, then this one's GotFocus.
  void SetFocus();
  bool HasFocus() const;

  // Abort and Cancel buttons act while the device is busy; other controls then refuse.
  DuringExchange duringExchange = DuringExchange::Refused;

  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  std::function<void()> MouseMove;
  std::function<void(int& keyCode, int shift)> KeyDown;
  std::function<void(int& keyCode, int shift)> KeyUp;
  std::function<void(int& keyAscii)> KeyPress;

 protected:
  void Changed();  // tells the host that something visible changed

 private:
  Form* form_;
  std::string name_;
  ControlKind kind_;
  Control* container_;
  bool visible_ = true;
  bool enabled_ = true;
  Rect geometry_;
  int tabIndex_ = 0;
  bool tabStop_ = true;
};

// What fires a control's event on a programmatic change. Only the host mirroring widget state that
// already fired passes Silent.
enum class Notify { Fire, Silent };

}  // namespace forms
