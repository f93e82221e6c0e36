#include "qtui/MenuBarView.h"

#include <QMenu>

#include "forms/Form.h"
#include "qtui/FormWindow.h"
#include "qtui/QtHost.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

bool IsSeparator(const forms::MenuItem& item) { return item.Caption() == "-"; }

}  // namespace

MenuBarView::MenuBarView(FormWindow& window, QMenuBar* bar) : window_(window), bar_(bar) {
  for (forms::MenuItem* item : window_.Model().MenuBar()) Add(*item, bar_);
}

void MenuBarView::Add(forms::MenuItem& item, QWidget* into) {
  QAction* action;
  if (!item.Children().empty()) {
    auto* menu = new QMenu(into);
    for (forms::MenuItem* child : item.Children()) Add(*child, menu);
    action = menu->menuAction();
    // A menu title's Click runs as its menu drops down.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, &item] {
      if (window_.Host().Mirroring()) return;
      // Opening a menu is a press of its own: what is chosen there waits for no earlier one.
      window_.Host().exchange.OperatorPressed();
      window_.Act([&item] { item.Choose(); }, item.duringExchange);
    });
  } else {
    action = new QAction(into);
    QObject::connect(action, &QAction::triggered, action, [this, &item] {
      if (window_.Host().Mirroring()) return;
      window_.Act([&item] { item.Choose(); }, item.duringExchange);
      // Qt toggles a checkable entry by itself; the model's state stands.
      if (!window_.Host().Ending()) Refresh();
    });
  }
  into->addAction(action);
  actions_[&item] = action;
}

void MenuBarView::Refresh() {
  QtHost::MirrorScope mirror(window_.Host());
  for (auto& [item, action] : actions_) RefreshItem(*item, action);
}

void MenuBarView::RefreshItem(const forms::MenuItem& item, QAction* action) {
  if (action->isSeparator() != IsSeparator(item)) action->setSeparator(IsSeparator(item));
  QString caption = ToQt(item.Caption());
  if (!IsSeparator(item) && action->text() != caption) action->setText(caption);
  QKeySequence shortcut = QKeySequence::fromString(ToQt(item.Shortcut()), QKeySequence::PortableText);
  if (action->shortcut() != shortcut) action->setShortcut(shortcut);
  bool checkable = item.Checked() || action->isCheckable();
  if (action->isCheckable() != checkable) action->setCheckable(checkable);
  if (action->isChecked() != item.Checked()) action->setChecked(item.Checked());
  if (action->isEnabled() != item.Enabled()) action->setEnabled(item.Enabled());
  if (action->isVisible() != item.Visible()) action->setVisible(item.Visible());
}

QAction* MenuBarView::ActionOf(const forms::MenuItem& item) const {
  auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second;
}

}  // namespace qtui
