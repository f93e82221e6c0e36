#pragma once
// A window: owns its controls and menus, loads on first use, shows modal or modeless, may refuse
// to close. The host renders it; the window's own code only talks to the model.
#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Controls.h"
#include "forms/Host.h"
#include "forms/Menu.h"

namespace forms {

// Why a form is being closed (QueryUnload's mode): 0 the close box, 1 by code.
enum UnloadMode { FromControlMenu = 0, FromCode = 1 };

class Form {
 public:
  Form(Host& host, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Host& HostRef() const { return host_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Resize(int width, int height);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool preview) { keyPreview_ = preview; }
  // A splash: no title bar or border; set before the first show.
  bool Borderless() const { return borderless_; }
  void SetBorderless(bool borderless) { borderless_ = borderless; }

  // Loading: runs Load once; every first access of a window goes through here.
  bool Loaded() const { return loaded_; }
  void EnsureLoaded();

  bool Visible() const { return visible_; }
  // Loads when needed; Modal blocks until the form hides or unloads. Activate runs when the show
  // makes the window the active one: on the first show, and when it brings forward a shown window
  // that another window had the activation from.
  void Show(ShowMode mode = ShowMode::Modeless);
  // The operator brought the shown window forward: Activate runs when another window had the
  // activation. A message box closing over the window hands back nothing, so it runs nothing.
  void ActivatedByOperator();
  void Hide();
  // Unloads by code: QueryUnload (mode FromCode) may cancel; returns false when cancelled.
  bool Unload();
  // The close box: QueryUnload (mode FromControlMenu) may cancel; then the form unloads.
  bool Close();
  bool ShownModal() const { return shownModal_; }

  // Runs a paint (host redraw); the Paint handler runs.
  void Repaint();

  // Focus management: one active control per form.
  Control* ActiveControl() const { return active_; }
  void MoveFocus(Control* target);
  // Moves the focus to the next (or previous) focusable control in tab order.
  void TabFocus(bool backwards);

  // Key routing from the host: the form previews keys when KeyPreview is set, then the control.
  // Returns the key after the handlers (0 = swallowed).
  int DispatchKeyDown(Control* target, int keyCode, int shift);
  int DispatchKeyUp(Control* target, int keyCode, int shift);
  int DispatchKeyPress(Control* target, int keyAscii);

  const std::vector<Control*>& Controls() const { return controls_; }
  const std::vector<MenuItem*>& MenuBar() const { return menuBar_; }
  const std::vector<MenuItem*>& AllMenuItems() const { return menuItems_; }
  Control* FindControl(const std::string& name) const;
  MenuItem* FindMenu(const std::string& name) const;

  // Events. QueryUnload(cancel, mode): set cancel non-zero to keep the form.
  std::function<void()> Load;
  std::function<void()> Activate;
  std::function<void()> Paint;
  std::function<void(int& cancel, int mode)> QueryUnload;
  std::function<void(int& cancel)> UnloadEvent;
  std::function<void(int& keyCode, int shift)> KeyDown;
  std::function<void(int& keyCode, int shift)> KeyUp;
  std::function<void(int& keyAscii)> KeyPress;
  std::function<void()> MouseMove;
  std::function<void()> Click;

  // Tells the host that something visible changed (controls call this).
  void Changed();

 private:
  friend class Control;
  friend class MenuItem;
  void Register(Control* control) { controls_.push_back(control); }
  void Register(MenuItem* item);
  bool UnloadWith(int mode);

  Host& host_;
  std::string name_;
  std::string caption_;
  int width_ = 400;
  int height_ = 300;
  bool keyPreview_ = false;
  bool borderless_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  bool shownModal_ = false;
  Control* active_ = nullptr;
  bool focusInTransit_ = false;  // the old control's LostFocus is running
  unsigned focusMoves_ = 0;
  std::vector<Control*> controls_;
  std::vector<MenuItem*> menuBar_;
  std::vector<MenuItem*> menuItems_;
};

}  // namespace forms
