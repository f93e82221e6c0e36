// ListBox: a QListWidget; choosing an entry sets the model's index (its Click runs).
#include <QListWidget>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"
#include "qtui/ListChoice.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

class ListBoxView : public ControlView {
 public:
  ListBoxView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), list_(new QListWidget(parent)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    SetWidget(list_);
    BindPart(list_->viewport());
    auto& box = ModelAs<forms::ListBox>();
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this, &box] {
      int row = ChosenRow(*list_);
      if (row < 0 || row == box.ListIndex()) return;
      Act([&box, row] { box.SetListIndex(row); });
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this, &box] {
      Act([&box] { if (box.DblClick) box.DblClick(); });
    });
  }

  void Refresh() override {
    auto& box = ModelAs<forms::ListBox>();
    const auto& items = box.Items();
    bool same = list_->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list_->count(); ++i)
      same = list_->item(i)->text() == ToQt(items[static_cast<size_t>(i)]);
    if (!same) {
      list_->clear();
      for (const std::string& item : items) list_->addItem(ToQt(item));
    }
    ShowChoice(*list_, box.ListIndex());
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 96}; }

 private:
  QListWidget* list_;
};

}  // namespace

std::unique_ptr<ControlView> MakeListBoxView(FormWindow& window, forms::Control& control,
                                             QWidget* parent) {
  return std::make_unique<ListBoxView>(window, control, parent);
}

}  // namespace qtui
