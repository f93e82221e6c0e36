// The operator's events on a form's window: keys, focus moves, presses and pointer moves, each
// handed to the form through the exchange gate.
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "qtui/FormWindow.h"
#include "qtui/KeyCodes.h"
#include "qtui/QtHost.h"

namespace qtui {
namespace {

// A key on the form itself (no control) is refused while the device is busy.
forms::DuringExchange MarkOf(const forms::Control* control) {
  return control ? control->duringExchange : forms::DuringExchange::Refused;
}

bool ByOperator(Qt::FocusReason reason) {
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
         reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  auto it = bound_.find(watched);
  if (it == bound_.end() || host_.Ending()) return QMainWindow::eventFilter(watched, event);
  auto* widget = static_cast<QWidget*>(watched);
  forms::Control* control = it->second;
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyTarget(widget) && KeyPressed(widget, control, static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease: {
      auto& key = static_cast<QKeyEvent&>(*event);
      int code = VirtualKey(key);
      if (!KeyTarget(widget) || key.isAutoRepeat() || host_.PassingKey() || code == 0 ||
          code == forms::Key::Tab)
        return false;
      // The key's press already beeped.
      if (!host_.exchange.Admits(MarkOf(control))) return true;
      int after = code;
      Act([&] { after = form_.DispatchKeyUp(control, code, ShiftState(key.modifiers())); },
          MarkOf(control));
      return after == 0;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      Pressed(static_cast<QMouseEvent&>(*event));
      return false;
    case QEvent::MouseButtonRelease:
      if (std::exchange(focusHeldByPress_, false)) host_.MarkDirty(*this);
      return false;
    case QEvent::FocusIn:
      FocusArrived(control, static_cast<QFocusEvent*>(event)->reason());
      return false;
    case QEvent::MouseMove:
      if (widget != this) MouseMoved(widget, static_cast<QMouseEvent&>(*event));
      return false;
    case QEvent::WindowActivate:
      if (widget == this) {
        pressSinceActivation_ = false;
        ActivateLater(!std::exchange(showActivation_, false));
      }
      return false;
    case QEvent::WindowDeactivate:
      if (widget == this) showActivation_ = false;
      return false;
    default: return false;
  }
}

// Keys go to the widget with the focus; the window takes them only when no control has it. A
// key that a control leaves alone travels on to its parents, which must not see it again.
bool FormWindow::KeyTarget(QWidget* widget) const {
  if (widget == this) return focusWidget() == nullptr;
  return widget->focusPolicy() != Qt::NoFocus;
}

bool FormWindow::KeyPressed(QWidget* widget, forms::Control* control, const QKeyEvent& event) {
  if (host_.PassingKey()) return false;  // a character a handler substituted, on its way in
  // A refused key beeps once, whatever it would have become (key down, default button, character).
  if (host_.exchange.Refuse(host_, MarkOf(control))) return true;
  host_.exchange.OperatorPressed();
  int code = VirtualKey(event);
  int shift = ShiftState(event.modifiers());
  bool chord = (shift & (forms::CtrlKey | forms::AltKey)) != 0;
  if (code == forms::Key::Tab && !chord) {
    RunPendingFocus();
    bool backwards = (shift & forms::ShiftKey) != 0;
    host_.Enter(
        [this, backwards] { FocusEntry([this, backwards] { form_.TabFocus(backwards); }); });
    return true;
  }
  if (code != 0) {
    int after = code;
    Act([&] { after = form_.DispatchKeyDown(control, code, shift); }, MarkOf(control));
    if (after == 0 || host_.Ending()) return true;
  }
  if (DefaultButtonKey(control, code, shift)) return true;
  int character = KeyChar(event);
  // A chord types nothing: its character stays out of the box.
  if (character < 0) return ChordChar(event);
  int after = character;
  Act([&] { after = form_.DispatchKeyPress(control, character); }, MarkOf(control));
  if (after == 0 || host_.Ending()) return true;
  if (after != character) {
    host_.SendKey(widget, after);
    return true;
  }
  return false;
}

// Enter presses the focused command button, else the form's default button (not in a multi-line
// box, where it starts a new line); Escape presses the cancel button, which only closes its
// window, so never while an exchange is under way (a Cancel allowed then stops that work).
bool FormWindow::DefaultButtonKey(forms::Control* control, int keyCode, int shift) {
  if ((shift & (forms::CtrlKey | forms::AltKey)) != 0) return false;
  auto find = [this](bool (forms::CommandButton::*role)() const) -> forms::CommandButton* {
    for (forms::Control* c : form_.Controls())
      if (c->Kind() == forms::ControlKind::CommandButton &&
          (static_cast<forms::CommandButton*>(c)->*role)())
        return static_cast<forms::CommandButton*>(c);
    return nullptr;
  };
  forms::CommandButton* button = nullptr;
  if (keyCode == forms::Key::Return) {
    if (control && control->Kind() == forms::ControlKind::CommandButton)
      button = static_cast<forms::CommandButton*>(control);
    else if (control && control->Kind() == forms::ControlKind::TextBox &&
             static_cast<forms::TextBox*>(control)->MultiLine())
      return false;
    else
      button = find(&forms::CommandButton::Default);
  } else if (keyCode == forms::Key::Escape) {
    button = find(&forms::CommandButton::Cancel);
  }
  if (!button || !button->Visible() || !button->Enabled()) return false;
  bool escape = keyCode == forms::Key::Escape;
  Act([button] { button->Press(); },
      escape ? forms::DuringExchange::Refused : button->duringExchange);
  return true;
}

void FormWindow::FocusArrived(forms::Control* control, Qt::FocusReason reason) {
  if (host_.Mirroring() || !control || !control->CanFocus() || control == form_.ActiveControl())
    return;
  // Only the operator moves the focus; Qt's own moves (a window coming back to the front) give
  // way to the model's active control, which the next refresh restores.
  if (!ByOperator(reason)) {
    host_.MarkDirty(*this);
    return;
  }
  // Qt moves the focus on a press before the pressed widget sees the press. The model's move,
  // whose LostFocus may wait for the device, comes after it, so that a button the press is on
  // still clicks when its release arrives during that wait.
  if (reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton) {
    pendingFocus_ = control;
    QTimer::singleShot(0, this, [this] { RunPendingFocus(); });
    return;
  }
  MoveFocusTo(control);
}

void FormWindow::RunPendingFocus() {
  if (forms::Control* control = std::exchange(pendingFocus_, nullptr)) MoveFocusTo(control);
}

// A focus move is the operator's like a click: while another exchange holds the device the
// focus stays where it is, so no LostFocus sends inside that exchange.
void FormWindow::MoveFocusTo(forms::Control* control) {
  host_.Enter([this, control] {
    if (!form_.Loaded() || !control->CanFocus() || control == form_.ActiveControl()) return;
    bool admitted = host_.exchange.Admits(forms::DuringExchange::Refused);
    if (!FocusEntry([this, control] { form_.MoveFocus(control); }) || !admitted)
      host_.MarkDirty(*this);  // Qt's focus goes back to the model's until the move runs
  });
}

void FormWindow::Pressed(const QMouseEvent& event) {
  // A press that a widget leaves to its parents reaches them too: one press, counted once.
  if (event.timestamp() == lastPressAt_) return;
  lastPressAt_ = event.timestamp();
  pressSinceActivation_ = true;
  if (std::exchange(activationAwaitsPress_, false))
    host_.exchange.PressStartedEntryUnderWay();
  else
    host_.exchange.OperatorPressed();
}

void FormWindow::MouseMoved(QWidget* widget, const QMouseEvent& event) {
  // The move also travels on to the parents of the widget under the pointer: only the innermost
  // bound widget answers.
  for (QWidget* w = widget->childAt(event.position().toPoint()); w && w != widget;
       w = w->parentWidget())
    if (bound_.count(w)) return;
  // A disabled control leaves the move to the nearest enabled one around it, or to the form.
  QWidget* target = widget;
  while (target && !(target->isEnabled() && bound_.count(target))) target = target->parentWidget();
  if (!target || target == this) return;
  forms::Control* answering = bound_.at(target);
  Relay([&] {
    if (answering) {
      if (answering->MouseMove) answering->MouseMove();
    } else if (form_.MouseMove) {
      form_.MouseMove();
    }
  });
}

}  // namespace qtui
