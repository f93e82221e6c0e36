#pragma once
// The least width at which a window's title bar shows its title whole: the title in the bar's bold
// face, and room for the bar's icon and buttons.
#include <QFontMetrics>
#include <QWidget>

namespace qtui_tests {

inline int WholeTitleWidth(const QWidget& window) {
  QFont bold = window.font();
  bold.setBold(true);
  QFontMetrics metrics(bold);
  return metrics.horizontalAdvance(window.windowTitle()) + 6 * metrics.height();
}

}  // namespace qtui_tests
