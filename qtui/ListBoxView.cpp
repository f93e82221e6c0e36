// ListBox: a QListWidget; choosing an entry sets the model's index (its Click runs).
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "forms/Controls.h"
#include "qtui/ControlViews.h"
#include "qtui/ListChoice.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

// With nothing chosen the list has no current row for Qt to draw the focus on; it draws the
// focus frame on the first row, where the first arrow key goes.
class FocusShowingList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QListWidget::paintEvent(event);
    if (!hasFocus() || currentIndex().isValid() || count() == 0) return;
    QPainter painter(viewport());
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = visualItemRect(item(0));
    frame.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
  }
  void focusInEvent(QFocusEvent* event) override {
    QListWidget::focusInEvent(event);
    viewport()->update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QListWidget::focusOutEvent(event);
    viewport()->update();
  }
};

class ListBoxView : public ControlView {
 public:
  ListBoxView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), list_(new FocusShowingList(parent)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    SetWidget(list_);
    BindPart(list_->viewport());
    auto& box = ModelAs<forms::ListBox>();
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this, &box] {
      if (Mirroring()) return;
      int row = ChosenRow(*list_);
      if (row == box.ListIndex()) return;
      // Qt lets a click below the entries or Ctrl+Space take the choice away; the model's
      // choice stays, and so the list shows it again.
      if (row < 0) return ShowModelLater();
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
