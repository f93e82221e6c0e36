#pragma once
// The widget of one control. Its window creates it through the factory of the control's kind,
// places it, and calls Refresh to mirror the model; the view turns the operator's actions on the
// widget into calls on the model.
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>

#include "forms/Control.h"

namespace qtui {

class FormWindow;

class ControlView {
 public:
  ControlView(FormWindow& window, forms::Control& control);
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  forms::Control& Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Where the controls contained in this one go (frames); nullptr for other kinds.
  virtual QWidget* ChildArea() const { return nullptr; }
  // The top of the first control stacked into the child area.
  virtual int ChildTop() const { return 0; }
  // Model to widget: the kind's own properties (the window does geometry, visibility, enabling).
  // Runs while the host mirrors, so the widget's signals reach no model event.
  virtual void Refresh() = 0;
  // The size of a control without geometry of its own, in a column of the given width.
  virtual QSize NaturalSize(int columnWidth) const;

 protected:
  template <class C>
  C& ModelAs() const { return static_cast<C&>(control_); }
  // Takes the control's widget; the window routes its focus, mouse and key events to the control.
  void SetWidget(QWidget* widget);
  // A further part of the widget (a viewport, a button of a pair) routed the same way.
  void BindPart(QWidget* part);
  // Runs an operator action on the model (guarded against a program end), then mirrors this view
  // again, since the widget may have changed itself in a way the model did not take. Nothing
  // happens while the host mirrors.
  void Act(const std::function<void()>& action);
  bool Mirroring() const;
  // The widget changed itself in a way the model does not take: it shows the model again once
  // Qt has finished the operator's action.
  void ShowModelLater();
  // A length of the control's layout in the window's pixels.
  int Scaled(int layoutPixels) const;

 private:
  FormWindow& window_;
  forms::Control& control_;
  QWidget* widget_ = nullptr;
};

using ViewFactory = std::unique_ptr<ControlView> (*)(FormWindow& window, forms::Control& control,
                                                     QWidget* parent);

// The factory of a kind; nullptr for kinds without a widget (timers).
ViewFactory FactoryFor(forms::ControlKind kind);

}  // namespace qtui
