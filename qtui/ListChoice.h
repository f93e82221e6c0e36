#pragma once
// The row the operator chose in a list, and the row the model chose shown in it. Qt's current row
// alone is no choice: Qt makes the first row current when the list gets the focus.
#include <QListWidget>

namespace qtui {

// The selected row, or -1.
inline int ChosenRow(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return selected.isEmpty() ? -1 : list.row(selected.front());
}

// Shows `row` chosen, -1 for none. With none chosen, Qt's cursor rests on `rest` (-1: before the
// first row) rather than on the row Qt puts it on when the list gets the focus, so that an arrow
// key moves from there: Down from nothing chooses the first row, not the second.
inline void ShowChoice(QListWidget& list, int row, int rest = -1) {
  if (row >= 0) {
    if (list.currentRow() != row || ChosenRow(list) != row) list.setCurrentRow(row);
    return;
  }
  if (ChosenRow(list) >= 0) list.clearSelection();
  if (rest >= 0 && rest < list.count())
    list.selectionModel()->setCurrentIndex(list.model()->index(rest, 0),
                                           QItemSelectionModel::NoUpdate);
  else
    list.setCurrentIndex(QModelIndex());  // also tells Qt a cursor was set: focus leaves it
}

}  // namespace qtui
