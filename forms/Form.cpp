#include "forms/Form.h"

#include <algorithm>

namespace forms {

Form::Form(Host& host, std::string name) : host_(host), name_(std::move(name)) {}

void Form::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void Form::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  Changed();
}

void Form::Changed() {
  if (loaded_) host_.ModelChanged(*this);
}

void Form::Register(MenuItem* item) {
  menuItems_.push_back(item);
  if (item->ParentItem() == nullptr) menuBar_.push_back(item);
}

void Form::EnsureLoaded() {
  if (loaded_) return;
  loaded_ = true;
  if (Load) Load();
}

void Form::Show(ShowMode mode) {
  EnsureLoaded();
  if (!loaded_) return;  // Load itself unloaded the window
  bool wasVisible = visible_;
  visible_ = true;
  if (mode == ShowMode::Modal) {
    Form* owner = host_.activeForm;
    host_.activeForm = this;
    shownModal_ = true;
    if (Activate) Activate();
    if (visible_) {
      ExchangeGate::ModalLevel level(host_.exchange);
      host_.ShowForm(*this, mode);  // returns once the form is hidden or unloaded
    }
    shownModal_ = false;
    if (host_.activeForm == this) host_.activeForm = nullptr;
    if (host_.Ending()) throw ProgramEnd{};
    // The window the dialog was opened from is the active one again.
    if (owner && owner != this && owner->Visible()) {
      host_.activeForm = owner;
      if (owner->Activate) owner->Activate();
    }
    return;
  }
  // Showing a window that is already shown brings it to the front.
  bool wasActive = host_.activeForm == this;
  host_.ShowForm(*this, mode);
  host_.activeForm = this;
  if ((!wasVisible || !wasActive) && Activate) Activate();
}

void Form::ActivatedByOperator() {
  if (!loaded_ || !visible_ || host_.activeForm == this) return;
  host_.activeForm = this;
  if (Activate) Activate();
}

void Form::Hide() {
  if (!loaded_) EnsureLoaded();  // touching a window loads it, as the platform does
  if (!visible_) return;
  visible_ = false;
  if (host_.activeForm == this) host_.activeForm = nullptr;
  host_.HideForm(*this);
}

bool Form::UnloadWith(int mode) {
  if (!loaded_) return true;
  int cancel = 0;
  if (QueryUnload) QueryUnload(cancel, mode);
  if (cancel != 0) return false;
  if (UnloadEvent) UnloadEvent(cancel);
  if (cancel != 0) return false;
  bool wasVisible = visible_;
  visible_ = false;
  loaded_ = false;
  if (host_.activeForm == this) host_.activeForm = nullptr;
  active_ = nullptr;
  focusInTransit_ = false;
  if (wasVisible) host_.HideForm(*this);
  host_.FormUnloaded(*this);
  return true;
}

bool Form::Unload() { return UnloadWith(FromCode); }
bool Form::Close() { return UnloadWith(FromControlMenu); }

void Form::Repaint() {
  if (Paint) Paint();
}

void Form::MoveFocus(Control* target) {
  if (target == active_) return;
  // While the old control's LostFocus runs, ActiveControl already names the target, which has
  // not got the focus yet: a move from there takes nothing away from it.
  Control* old = focusInTransit_ ? nullptr : active_;
  active_ = target;
  focusInTransit_ = true;
  unsigned move = ++focusMoves_;
  if (old && old->LostFocus) old->LostFocus();
  // A LostFocus handler may itself move the focus; then its move stands and this one is over.
  if (move != focusMoves_) return;
  focusInTransit_ = false;
  if (target && target->GotFocus) target->GotFocus();
  Changed();
}

// A control inside a hidden or disabled frame cannot take the focus either.
static bool Reachable(const Control* c, size_t depthLimit) {
  if (!c->CanFocus()) return false;
  const Control* frame = c->Container();
  for (size_t depth = 0; frame && depth < depthLimit; ++depth, frame = frame->Container())
    if (!frame->Visible() || !frame->Enabled()) return false;
  return true;
}

void Form::TabFocus(bool backwards) {
  std::vector<Control*> order;
  for (Control* c : controls_)
    if (c->TabStop() && Reachable(c, controls_.size())) order.push_back(c);
  if (order.empty()) return;
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  auto it = std::find(order.begin(), order.end(), active_);
  size_t index = it == order.end() ? 0 : static_cast<size_t>(it - order.begin());
  size_t n = order.size();
  size_t next = it == order.end() ? (backwards ? n - 1 : 0)
                                  : (backwards ? (index + n - 1) % n : (index + 1) % n);
  MoveFocus(order[next]);
}

// The form sees a key first when it previews keys, and also when no control has the focus.
int Form::DispatchKeyDown(Control* target, int keyCode, int shift) {
  if ((keyPreview_ || !target) && KeyDown) KeyDown(keyCode, shift);
  if (keyCode != 0 && target && target->KeyDown) target->KeyDown(keyCode, shift);
  return keyCode;
}

int Form::DispatchKeyUp(Control* target, int keyCode, int shift) {
  if ((keyPreview_ || !target) && KeyUp) KeyUp(keyCode, shift);
  if (keyCode != 0 && target && target->KeyUp) target->KeyUp(keyCode, shift);
  return keyCode;
}

int Form::DispatchKeyPress(Control* target, int keyAscii) {
  if ((keyPreview_ || !target) && KeyPress) KeyPress(keyAscii);
  if (keyAscii != 0 && target && target->KeyPress) target->KeyPress(keyAscii);
  return keyAscii;
}

Control* Form::FindControl(const std::string& name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

MenuItem* Form::FindMenu(const std::string& name) const {
  for (MenuItem* m : menuItems_)
    if (m->Name() == name) return m;
  return nullptr;
}

}  // namespace forms
