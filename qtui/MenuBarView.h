#pragma once
// A form's menu tree as a QMenuBar: access keys from "&", "-" as separators, and the entries'
// caption, shortcut, checked, enabled and visible states mirrored from the model.
#include <QAction>
#include <QMenuBar>
#include <unordered_map>

#include "forms/Menu.h"

namespace qtui {

class FormWindow;

class MenuBarView {
 public:
  MenuBarView(FormWindow& window, QMenuBar* bar);
  void Refresh();
  QAction* ActionOf(const forms::MenuItem& item) const;

 private:
  void Add(forms::MenuItem& item, QWidget* into);
  void RefreshItem(const forms::MenuItem& item, QAction* action);

  FormWindow& window_;
  QMenuBar* bar_;
  std::unordered_map<const forms::MenuItem*, QAction*> actions_;
};

}  // namespace qtui
