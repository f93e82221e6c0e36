#pragma once
// The row the operator chose in a list: its selected row, or -1. Qt's current row alone is no
// choice: Qt makes the first row current when the list gets the focus.
#include <QListWidget>

namespace qtui {

inline int ChosenRow(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? -1 : list.row(selected.front());
}

}  // namespace qtui
