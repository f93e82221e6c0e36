#include "qtui/TitleBar.h"

#include <QFontMetrics>
#include <QWidget>

namespace qtui {
namespace {

// The title bar's icon, buttons and margins, in lines of its font.
constexpr int kTitleBarLines = 8;

}  // namespace

int TitleBarWidth(const QWidget& window, const QString& title) {
  QFont bold = window.font();
  bold.setBold(true);
  QFontMetrics metrics(bold);
  return metrics.horizontalAdvance(title) + kTitleBarLines * metrics.height();
}

}  // namespace qtui
