#pragma once
// The top-level window of one form: a widget per control at the control's position (frames parent
// the controls they contain), the menu bar, and the routing of the operator's focus, mouse, key
// and close actions into the model.
#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "forms/Form.h"
#include "qtui/ControlView.h"
#include "qtui/MenuBarView.h"

class QKeyEvent;
class QMouseEvent;

namespace qtui {

class QtHost;

class FormWindow : public QMainWindow {
 public:
  FormWindow(QtHost& host, forms::Form& form);
  ~FormWindow() override;

  forms::Form& Model() const { return form_; }
  QtHost& Host() const { return host_; }

  // Mirrors the whole model: caption, controls (new ones get their widgets), positions, menus and
  // the focus.
  void Refresh();
  // Shows the window, modal or not; the first show centres it on the screen.
  void Present(forms::ShowMode mode);
  // Runs an operator action on the model through the host's guard; while the device is busy
  // with an exchange, the exchange gate refuses it with a beep unless it is marked Allowed.
  void Act(const std::function<void()>& action,
           forms::DuringExchange mark = forms::DuringExchange::Refused);
  // Runs model code that starts no exchange (the first focus, pointer moves, paint) through the
  // guard only.
  void Relay(const std::function<void()>& action);
  // Routes a widget's focus, mouse and key events to a control (nullptr: the form itself).
  void Bind(QWidget* widget, forms::Control* control);

  // The widget of a control, the menu entry of a menu item (nullptr when there is none).
  QWidget* WidgetOf(const forms::Control& control) const;
  QAction* ActionOf(const forms::MenuItem& item) const;
  QImage Grab();
  // The window's pixels per layout pixel: the layouts are drawn for a 9-point sans serif, and
  // grow with a larger desktop font so that no caption is cut off.
  double LayoutScale() const { return scale_; }
  int ToWindowPixels(int layoutPixels) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ControlView* BuildView(forms::Control& control);
  void BuildViews();
  QWidget* AreaFor(const forms::Control& control);
  const forms::Control* ContainerOf(const forms::Control& control) const;
  QSize Place(const forms::Control* container, int areaWidth, int top);
  QRect Scaled(const forms::Rect& g) const;
  // A window narrower than its title bar needs grows to it, its layout centred (by indent_).
  void WidenToTitle(QSize& size, int areaWidth);
  void PlaceOnScreen();
  void ApplyFocus();
  void TakeInitialFocus();

  bool KeyTarget(QWidget* widget) const;
  bool KeyPressed(QWidget* widget, forms::Control* control, const QKeyEvent& event);
  bool DefaultButtonKey(forms::Control* control, int keyCode, int shift);
  void FocusArrived(forms::Control* control, Qt::FocusReason reason);
  void MoveFocusTo(forms::Control* control);
  // Runs a focus move or an activation the operator made, through the exchange gate as an entry
  // of the press that made it; false when the gate refused it.
  bool FocusEntry(const std::function<void()>& move,
                  forms::EntryKind kind = forms::EntryKind::FocusMove);
  void RunPendingFocus();
  void Pressed(const QMouseEvent& event);
  void MouseMoved(QWidget* widget, const QMouseEvent& event);
  // The window is the operator's again: brought forward by the operator from another window of
  // the program, its Activate runs (not when only a message box over it closed, nor when the
  // program's own show activated it), at once or, while another exchange holds the device, as
  // soon as it ends if the window is still in front; then it repaints.
  void ActivateLater(bool byOperator);

  QtHost& host_;
  forms::Form& form_;
  QWidget* content_;
  std::unique_ptr<MenuBarView> menus_;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::unordered_map<const forms::Control*, ControlView*> viewOf_;
  std::unordered_map<QObject*, forms::Control*> bound_;
  double scale_;
  int indent_ = 0;
  bool placed_ = false;
  bool activationPending_ = false;
  bool operatorActivation_ = false;  // one of the pending activations came from the operator
  bool showActivation_ = false;      // Present asked for the activation that comes next
  bool pressSinceActivation_ = false;   // the operator pressed in the window since it came forward
  bool activationAwaitsPress_ = false;  // its Activate runs and the press has not come yet
  forms::Control* pendingFocus_ = nullptr;  // the focus move of a press, once the press is in
  bool focusHeldByPress_ = false;  // a held button keeps Qt's focus until its release
  quint64 lastPressAt_ = ~quint64{0};
};

}  // namespace qtui
