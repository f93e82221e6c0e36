#include "qtui/FormWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "qtui/LogoPicture.h"
#include "qtui/QtHost.h"
#include "qtui/Text.h"
#include "qtui/TitleBar.h"

namespace qtui {
namespace {

// Spacing of the controls that have no position of their own, stacked in a column.
constexpr int kMargin = 8;
constexpr int kSpacing = 6;

// The font the layouts were drawn for (a 9-point sans serif at 96 dots per inch): its line
// height and the width of a typical caption, in pixels.
constexpr double kLayoutLineHeight = 13.97;
constexpr double kLayoutCaptionWidth = 180.75;
constexpr const char* kTypicalCaption = "Panel Size X (in.) 0123456789";

// How much larger than the layouts' font the window's font draws; never below 1, so that a
// smaller font keeps the layouts as drawn.
double ScaleFor(const QFont& font) {
  QFontMetricsF metrics(font);
  double scale = std::max({1.0, metrics.height() / kLayoutLineHeight,
                           metrics.horizontalAdvance(QLatin1String(kTypicalCaption)) /
                               kLayoutCaptionWidth});
  // Within a pixel in a caption's width the layouts stand as drawn.
  return scale < 1.006 ? 1.0 : scale;
}

Qt::WindowFlags FlagsFor(const forms::Form& form) {
  if (form.Borderless()) return Qt::SplashScreen | Qt::FramelessWindowHint;
  return form.MenuBar().empty() ? Qt::Dialog : Qt::Window;
}

}  // namespace

FormWindow::FormWindow(QtHost& host, forms::Form& form)
    : QMainWindow(nullptr, FlagsFor(form)),
      host_(host),
      form_(form),
      content_(new QWidget(this)),
      scale_(ScaleFor(font())) {
  setWindowIcon(LogoIcon());
  setCentralWidget(content_);
  // The form's size is its client area; the window fits it and the menu bar exactly.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Bind(content_, nullptr);
  Bind(this, nullptr);
  if (!form_.MenuBar().empty()) menus_ = std::make_unique<MenuBarView>(*this, menuBar());
  Refresh();
}

FormWindow::~FormWindow() {
  // Children die after this object; neither their events nor their signals (a list clearing
  // itself) may reach the window or a model that may be gone already.
  for (auto& [object, control] : bound_) {
    object->removeEventFilter(this);
    if (object != this) object->disconnect();
  }
}

void FormWindow::Bind(QWidget* widget, forms::Control* control) {
  bound_[widget] = control;
  widget->installEventFilter(this);
  if (widget != this) widget->setMouseTracking(true);
}

QWidget* FormWindow::WidgetOf(const forms::Control& control) const {
  auto it = viewOf_.find(&control);
  return it == viewOf_.end() || !it->second ? nullptr : it->second->Widget();
}

QAction* FormWindow::ActionOf(const forms::MenuItem& item) const {
  return menus_ ? menus_->ActionOf(item) : nullptr;
}

void FormWindow::Act(const std::function<void()>& action, forms::DuringExchange mark) {
  // The focus move of the press this action ends comes first.
  RunPendingFocus();
  host_.Enter([&] {
    host_.exchange.Run(host_, forms::EntryKind::Operator, mark, action);
  });
}

void FormWindow::Relay(const std::function<void()>& action) { host_.Enter(action); }

bool FormWindow::FocusEntry(const std::function<void()>& move, forms::EntryKind kind) {
  return host_.exchange.Run(host_, kind, forms::DuringExchange::Refused, move);
}

// Views -------------------------------------------------------------------------------------

void FormWindow::BuildViews() {
  for (forms::Control* control : form_.Controls())
    if (viewOf_.find(control) == viewOf_.end()) BuildView(*control);
}

ControlView* FormWindow::BuildView(forms::Control& control) {
  auto it = viewOf_.find(&control);
  if (it != viewOf_.end()) return it->second;
  viewOf_[&control] = nullptr;  // also stops a cycle of containers
  ViewFactory factory = FactoryFor(control.Kind());
  if (!factory) return nullptr;
  auto view = factory(*this, control, AreaFor(control));
  ControlView* built = view.get();
  views_.push_back(std::move(view));
  viewOf_[&control] = built;
  return built;
}

QWidget* FormWindow::AreaFor(const forms::Control& control) {
  forms::Control* container = control.Container();
  if (container && container != &control && &container->Parent() == &form_)
    if (ControlView* view = BuildView(*container); view && view->ChildArea())
      return view->ChildArea();
  return content_;
}

const forms::Control* FormWindow::ContainerOf(const forms::Control& control) const {
  const forms::Control* container = control.Container();
  if (!container || container == &control) return nullptr;
  auto it = viewOf_.find(container);
  return it != viewOf_.end() && it->second && it->second->ChildArea() ? container : nullptr;
}

// Places the controls of one container (nullptr: the form) in an area of the given width, and
// returns the extent of the visible ones. Controls without a position stack in a column from top.
QSize FormWindow::Place(const forms::Control* container, int areaWidth, int top) {
  QWidget* area = container ? viewOf_.at(container)->ChildArea() : content_;
  int y = top;
  QSize extent(0, 0);
  for (auto& view : views_) {
    forms::Control& control = view->Model();
    if (ContainerOf(control) != container) continue;
    QWidget* widget = view->Widget();
    if (widget->parentWidget() != area) widget->setParent(area);  // moved to another container
    const forms::Rect& g = control.Geometry();
    QRect rect = Scaled(g);
    bool stacked = g.Width <= 0 && g.Height <= 0;
    if (stacked) {
      QSize natural = view->NaturalSize(std::max(0, areaWidth - 2 * kMargin));
      rect = QRect(kMargin, y, natural.width(), natural.height());
    }
    if (view->ChildArea()) {
      QSize inner = Place(&control, rect.width(), view->ChildTop());
      if (stacked) rect.setHeight(std::max(inner.height(), view->ChildTop()) + kMargin);
    }
    if (stacked && control.Visible()) y = rect.bottom() + 1 + kSpacing;
    QRect shown = container ? rect : rect.translated(indent_, 0);
    if (widget->geometry() != shown) widget->setGeometry(shown);
    if (widget->isHidden() == control.Visible()) widget->setVisible(control.Visible());
    if (widget->testAttribute(Qt::WA_ForceDisabled) == control.Enabled())
      widget->setEnabled(control.Enabled());
    if (control.Visible()) extent = extent.expandedTo(QSize(rect.right() + 1, rect.bottom() + 1));
  }
  return extent;
}

int FormWindow::ToWindowPixels(int layoutPixels) const {
  return static_cast<int>(std::lround(layoutPixels * scale_));
}

QRect FormWindow::Scaled(const forms::Rect& g) const {
  // Edges scale, not sizes: neighbours that touch in the layout still touch.
  int left = ToWindowPixels(g.Left), top = ToWindowPixels(g.Top);
  return QRect(left, top, ToWindowPixels(g.Left + g.Width) - left,
               ToWindowPixels(g.Top + g.Height) - top);
}

void FormWindow::Refresh() {
  QtHost::MirrorScope mirror(host_);
  BuildViews();
  QString caption = ToQt(form_.Caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  for (auto& view : views_) view->Refresh();
  QRect area = Scaled({0, 0, form_.Width(), form_.Height()});
  QSize extent = Place(nullptr, area.width(), kMargin);
  // Controls reaching past the form's size still show, with a margin.
  auto fit = [](int asked, int used) { return used > asked ? used + kMargin : asked; };
  QSize size(fit(area.width(), extent.width()), fit(area.height(), extent.height()));
  WidenToTitle(size, area.width());
  if (content_->minimumSize() != size || content_->maximumSize() != size) {
    content_->setFixedSize(size);
    // The window takes the new size now, not at the next pump: a picture taken next shows it.
    layout()->activate();
  }
  if (menus_) menus_->Refresh();
  ApplyFocus();
}

void FormWindow::WidenToTitle(QSize& size, int areaWidth) {
  int needed = form_.Borderless() ? 0 : TitleBarWidth(*this, windowTitle());
  int indent = std::max(0, needed - size.width()) / 2;
  if (indent != indent_) {
    indent_ = indent;
    Place(nullptr, areaWidth, kMargin);
  }
  size.setWidth(std::max(size.width(), needed));
}

void FormWindow::ApplyFocus() {
  forms::Control* active = form_.ActiveControl();
  QWidget* widget = active ? WidgetOf(*active) : nullptr;
  if (!widget || !widget->isEnabled() || !widget->isVisibleTo(this)) return;
  if (focusWidget() != widget) {
    // A button that loses the focus while it is held down drops its click: the focus goes back
    // once the button is released.
    if (auto* held = qobject_cast<QAbstractButton*>(focusWidget()); held && held->isDown()) {
      focusHeldByPress_ = true;
      return;
    }
    widget->setFocus(Qt::OtherFocusReason);
  }
  // Qt draws the focus frame only after a move by the keyboard; the model's moves (Tab, Enter,
  // the program's own) show it too, also where Qt's focus was there before the model's (the
  // first control of a window just shown).
  if (!testAttribute(Qt::WA_KeyboardFocusChange)) {
    setAttribute(Qt::WA_KeyboardFocusChange);
    widget->update();
  }
}

// Showing and closing -------------------------------------------------------------------------

void FormWindow::Present(forms::ShowMode mode) {
  Qt::WindowModality modality =
      mode == forms::ShowMode::Modal ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != modality) {
    if (isVisible()) hide();  // modality takes effect on the next show
    setWindowModality(modality);
  }
  if (!placed_) {
    placed_ = true;
    adjustSize();
    PlaceOnScreen();
  }
  // The model runs Activate for its own show; the activation that follows is not the operator's.
  if (!isActiveWindow()) showActivation_ = true;
  show();
  raise();
  activateWindow();
  // A window shown without an active control gives the focus to the first in tab order, after
  // the show's own events (Activate) ran.
  if (!form_.ActiveControl()) QTimer::singleShot(0, this, [this] { TakeInitialFocus(); });
}

// Centred in the screen's available area; a window larger than that area keeps its top left
// corner, with the title bar and the menus, inside it.
void FormWindow::PlaceOnScreen() {
  QScreen* screen = this->screen();
  if (!screen) return;
  QRect available = screen->availableGeometry();
  QSize outer = frameGeometry().size();
  QPoint at = available.center() - QPoint(outer.width() / 2, outer.height() / 2);
  at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - outer.width())));
  at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - outer.height())));
  move(at);
}

void FormWindow::TakeInitialFocus() {
  if (form_.ActiveControl() || !form_.Visible()) return;
  Relay([this] { form_.TabFocus(false); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The model decides: QueryUnload may keep the window; an unload hides it through the host.
  event->ignore();
  if (host_.Ending()) return;
  if (!form_.Loaded()) {
    hide();
    return;
  }
  host_.exchange.OperatorPressed();  // the close box is pressed outside the window's widgets
  Act([this] { form_.Close(); });
}

void FormWindow::ActivateLater(bool byOperator) {
  operatorActivation_ = operatorActivation_ || byOperator;
  if (activationPending_) return;
  activationPending_ = true;
  QTimer::singleShot(0, this, [this] {
    activationPending_ = false;
    bool byOperator = std::exchange(operatorActivation_, false);
    if (!form_.Loaded() || !form_.Visible()) return;
    // Brought forward, a window may ask the device (the tuner re-reads). The press that brought
    // it forward may reach the program only once that has begun; it is still the one before.
    if (byOperator)
      host_.Enter([this] {
        activationAwaitsPress_ = !pressSinceActivation_;
        FocusEntry(
            [this] {
              if (isActiveWindow()) form_.ActivatedByOperator();
            },
            forms::EntryKind::Activation);
        activationAwaitsPress_ = false;
      });
    if (form_.Loaded() && form_.Visible()) Relay([this] { form_.Repaint(); });
  });
}

QImage FormWindow::Grab() {
  Refresh();
  if (!isVisible()) {
    ensurePolished();
    adjustSize();
  }
  return grab().toImage();
}

}  // namespace qtui
