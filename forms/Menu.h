#pragma once
// Menu entries of a form's menu bar. Captions use "&" before the access key and "-" for a separator.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/ExchangeGate.h"

namespace forms {

class Form;

class MenuItem {
 public:
  MenuItem(Form* form, std::string name, MenuItem* parent = nullptr);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  MenuItem* ParentItem() const { return parent_; }
  const std::vector<MenuItem*>& Children() const { return children_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // Shortcut text shown beside the caption ("Ctrl+S"); the form's key handling runs it.
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(const std::string& shortcut) { shortcut_ = shortcut; }

  // Choosing the entry (by the operator or by code): runs Click when it is enabled and visible.
  void Choose();
  std::function<void()> Click;
  DuringExchange duringExchange = DuringExchange::Refused;

 private:
  void Changed();
  Form* form_;
  std::string name_;
  MenuItem* parent_;
  std::vector<MenuItem*> children_;
  std::string caption_;
  std::string shortcut_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
};

}  // namespace forms
