#pragma once
// The width a window's title bar needs to show its title whole.
#include <QString>

class QWidget;

namespace qtui {

// The title in the title bar's bold face beside the window's icon, buttons and margins.
int TitleBarWidth(const QWidget& window, const QString& title);

}  // namespace qtui
